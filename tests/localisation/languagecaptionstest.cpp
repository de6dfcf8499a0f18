#include "captionkeys.h"
#include "form/form.h"
#include "languagecaptions.h"
#include "languagemenu.h"
#include "localisationfixture.h"
#include "unitlabels.h"
#include "ini/vixinihandling.h"

#include <QTest>

using namespace vc;
using vc::test::LocalisationInstall;

namespace {

const QString French = QStringLiteral("Fran\u00e7ais");

// Reads a caption the way a window shows it: tab captions from the tab
// control's list, the title from the form, anything else from its control.
QString shown(Form &form, const QString &what)
{
    if (what == QLatin1String("title"))
        return form.caption();
    if (what.startsWith(QLatin1String("tab:")))
        return form.at(QStringLiteral("SSTab1")).items().value(what.mid(4).toInt());
    return form.at(what).caption();
}

void writeLatin1(const QString &path, const QByteArray &lines)
{
    QVERIFY(vc::test::writeFile(path, lines));
}

} // namespace

class LanguageCaptionsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void switchShowsLanguage_data();
    void switchShowsLanguage();
    void windowsTakeTheirSection_data();
    void windowsTakeTheirSection();
    void noLanguageFileKeepsBuiltInTexts();
    void keyWithTrailingBlankFindsFileKey();
    void oneKeySetsBothTwinButtons();
    void missingKeyEmptiesItsCaption();
    void switchToMissingFileEmptiesCaptionsAndStillRecordsIt();
    void menuTick_data();
    void menuTick();
    void choosingActiveLanguageReloadsIt();
    void languageSwitchLeavesPressureLabelToLanguageFile();
    void basketRepeatsUnitCaptions();
    void badFiles_data();
    void badFiles();
    void messages();
};

void LanguageCaptionsTest::switchShowsLanguage_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");

    QTest::newRow("English title") << 0 << "title" << "VeltrannCalc";
    QTest::newRow("English calculate") << 0 << "btnCalc" << "&Calculate";
    QTest::newRow("English distance tab") << 0 << "tab:3" << "Humidification distance";
    QTest::newRow("English last file menu") << 0 << "mnuLastFile(0)" << "&Last file";
    QTest::newRow("German load tab") << 1 << "tab:1" << "&Befeuchtungsleistung";
    QTest::newRow("German pipe length") << 1 << "Label3(9)" << QString::fromUtf8("Länge des Dampfverteilrohrs");
    QTest::newRow("German load label, key with blank") << 1 << "Label2(14)" << "Befeuchtungsleistung";
    QTest::newRow("German distance caption") << 1 << "Label3(11)" << "Befeuchtungsstrecke";
    QTest::newRow("German tender copy twin") << 1 << "Command2" << "&Kopieren";
    QTest::newRow("French distance tab") << 2 << "tab:3" << "Distance d'humidification";
    QTest::newRow("French pipe count") << 2 << "Label3(10)" << "Nombre de rampes de diffusion";
    QTest::newRow("French print twin") << 2 << "Vixbutton2" << "&Imprimer";
    QTest::newRow("Polish pipe length") << 3 << "Label3(9)" << QString::fromUtf8("Długość lancy parowej");
    QTest::newRow("Polish menu exit") << 3 << "mnuExit" << QString::fromUtf8("Za&kończ");
    QTest::newRow("Polish save as twin") << 3 << "Command60" << "Zapisz &jako";
}

void LanguageCaptionsTest::switchShowsLanguage()
{
    QFETCH(int, command);
    QFETCH(QString, control);
    QFETCH(QString, expected);
    LocalisationInstall install;
    Form main(QStringLiteral("frmMain"));
    main.setCaption(QStringLiteral("Form1"));

    LanguageMenu::mnuOtherLanguage_Click(main, command);

    QCOMPARE(shown(main, control), expected);
    QCOMPARE(app().LanguageName, LanguageMenu::names().at(command));
    QCOMPARE(VixIniHandling().Read_INI(app().SettingsFile, QStringLiteral("System"), QStringLiteral("Language")),
             LanguageMenu::names().at(command));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(main.at(Form::item(QStringLiteral("mnuOtherLanguage"), i)).isChecked(), i == command);
}

void LanguageCaptionsTest::windowsTakeTheirSection_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");

    QTest::newRow("basket title, English") << "English" << "frmKorb" << "title" << "Equipment and articles";
    QTest::newRow("basket column 1, German") << "Deutsch" << "frmKorb" << "ListView1.ColumnHeaders(1)" << "Menge";
    QTest::newRow("basket article caption, French") << French << "frmKorb" << "lbDesc(0)" << QString::fromUtf8("Référence");
    QTest::newRow("basket insert, Polish") << "Polski" << "frmKorb" << "Command5" << "&Wstaw";
    QTest::newRow("manual distance cancel, German") << "Deutsch" << "frmManBS" << "Command2" << "&Abbrechen";
    QTest::newRow("manual distance pipe, French") << French << "frmManBS" << "Label2" << "Longueur de la rampe de diffusion";
    QTest::newRow("manual load title, key in lower case") << "Deutsch" << "frmManDM" << "title"
                                                          << QString::fromUtf8("Befeuchtungsleistung – Eingabe von Hand");
    QTest::newRow("manual load altitude, Polish") << "Polski" << "frmManDM" << "Label1(3)" << "Wysokość n.p.m.";
    QTest::newRow("chart x axis, German") << "Deutsch" << "frmhx" << "vixGraph1.CaptionWasserGehalt"
                                          << "Wassergehalt x (absolute Feuchte) in g/kg";
    QTest::newRow("chart curves, Polish") << "Polski" << "frmhx" << "vixGraph1.CaptionRelativHumidity"
                                          << QString::fromUtf8("Wilgotność względna %");
    QTest::newRow("chart comfort zone, English") << "English" << "frmhx" << "Label1" << "Comfort zone";
}

void LanguageCaptionsTest::windowsTakeTheirSection()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, expected);
    LocalisationInstall install;
    install.useLanguage(language);
    QCOMPARE(app().LanguageName, language);
    Form form(window);

    LoadLanguageCaptions(form);

    QCOMPARE(shown(form, control), expected);
}

void LanguageCaptionsTest::noLanguageFileKeepsBuiltInTexts()
{
    LocalisationInstall install;
    install.useLanguage(QStringLiteral("Deutsch"));
    QFile::remove(app().LanguageFile);
    install.useLanguage(QStringLiteral("Deutsch")); // start-up finds no file
    QVERIFY(app().LanguageName.isEmpty());
    // Even a file at LanguageFile is not read while LanguageName is empty.
    app().LanguageFile = install.languageFile(QStringLiteral("English"));
    Form main(QStringLiteral("frmMain"));
    main.setCaption(QStringLiteral("Form1"));
    main.at(QStringLiteral("btnCalc")).setCaption(QStringLiteral("&Calculate"));
    main.at(QStringLiteral("Bez2(1)")).setCaption(QStringLiteral("Sizze"));

    LoadLanguageCaptions(main);
    LanguageMenu::check(main);

    QCOMPARE(main.caption(), QStringLiteral("Form1"));
    QCOMPARE(main.at(QStringLiteral("Bez2(1)")).caption(), QStringLiteral("Sizze"));
    QCOMPARE(main.at(QStringLiteral("btnCalc")).caption(), QStringLiteral("&Calculate"));
    for (int i = 0; i < 4; ++i)
        QVERIFY(!main.at(Form::item(QStringLiteral("mnuOtherLanguage"), i)).isChecked());
}

void LanguageCaptionsTest::keyWithTrailingBlankFindsFileKey()
{
    LocalisationInstall install;
    const QString file = install.languageFile(QStringLiteral("Test"));
    writeLatin1(file, "[frmMain]\r\nLabel2(14).Caption=Load\r\n");
    install.useLanguageFile(file, QStringLiteral("Test"));
    Form main(QStringLiteral("frmMain"));

    LoadLanguageCaptions(main);

    QCOMPARE(main.at(QStringLiteral("Label2(14)")).caption(), QStringLiteral("Load"));
}

void LanguageCaptionsTest::oneKeySetsBothTwinButtons()
{
    LocalisationInstall install;
    const QString file = install.languageFile(QStringLiteral("Test"));
    writeLatin1(file, "[FRMMAIN]\r\ncommand6.caption=Refresh now\r\nCommand50.Caption=Keep\r\n");
    install.useLanguageFile(file, QStringLiteral("Test"));
    Form main(QStringLiteral("frmMain"));

    LoadLanguageCaptions(main);

    QCOMPARE(main.at(QStringLiteral("Command6")).caption(), QStringLiteral("Refresh now"));
    QCOMPARE(main.at(QStringLiteral("Command7")).caption(), QStringLiteral("Refresh now"));
    QCOMPARE(main.at(QStringLiteral("Command50")).caption(), QStringLiteral("Keep"));
    QCOMPARE(main.at(QStringLiteral("Command60")).caption(), QStringLiteral("Keep"));
}

void LanguageCaptionsTest::missingKeyEmptiesItsCaption()
{
    LocalisationInstall install;
    const QString file = install.languageFile(QStringLiteral("Test"));
    writeLatin1(file, "[frmMain]\r\nbtnCalc.Caption=Go\r\n");
    install.useLanguageFile(file, QStringLiteral("Test"));
    Form main(QStringLiteral("frmMain"));
    main.setCaption(QStringLiteral("Form1"));
    main.at(QStringLiteral("btnNext")).setCaption(QStringLiteral("&Next"));

    LoadLanguageCaptions(main);

    QCOMPARE(main.at(QStringLiteral("btnCalc")).caption(), QStringLiteral("Go"));
    QCOMPARE(main.at(QStringLiteral("btnNext")).caption(), QString());
    QCOMPARE(main.caption(), QString());
    QCOMPARE(main.at(QStringLiteral("SSTab1")).items(), QStringList(6, QString()));
}

void LanguageCaptionsTest::switchToMissingFileEmptiesCaptionsAndStillRecordsIt()
{
    LocalisationInstall install;
    install.useLanguage(QStringLiteral("English"));
    Form main(QStringLiteral("frmMain"));
    LoadLanguageCaptions(main);
    QCOMPARE(main.at(QStringLiteral("btnCalc")).caption(), QStringLiteral("&Calculate"));
    QVERIFY(QFile::remove(install.languageFile(QStringLiteral("Deutsch"))));

    LanguageMenu::mnuOtherLanguage_Click(main, 1);

    QCOMPARE(app().LanguageName, QStringLiteral("Deutsch"));
    QCOMPARE(app().LanguageFile, install.languageFile(QStringLiteral("Deutsch")));
    QCOMPARE(main.at(QStringLiteral("btnCalc")).caption(), QString());
    QCOMPARE(main.at(QStringLiteral("Label3(9)")).caption(), QString());
    QCOMPARE(main.at(QStringLiteral("mnuLanguage")).caption(), QStringLiteral("Language"));
    QVERIFY(main.at(QStringLiteral("mnuOtherLanguage(1)")).isChecked());
    QVERIFY(!main.at(QStringLiteral("mnuOtherLanguage(0)")).isChecked());
    QCOMPARE(VixIniHandling().Read_INI(app().SettingsFile, QStringLiteral("SYSTEM"), QStringLiteral("language")),
             QStringLiteral("Deutsch"));
    QVERIFY(!QFile::exists(install.languageFile(QStringLiteral("Deutsch"))));
}

void LanguageCaptionsTest::menuTick_data()
{
    QTest::addColumn<QString>("languageName");
    QTest::addColumn<int>("ticked");
    QTest::newRow("English") << "English" << 0;
    QTest::newRow("Deutsch") << "Deutsch" << 1;
    QTest::newRow("Francais") << French << 2;
    QTest::newRow("Polski") << "Polski" << 3;
    QTest::newRow("another language's file") << "Klingon" << -1;
    QTest::newRow("no language file") << "" << -1;
}

void LanguageCaptionsTest::menuTick()
{
    QFETCH(QString, languageName);
    QFETCH(int, ticked);
    LocalisationInstall install;
    install.useLanguageFile(install.languageFile(languageName), languageName);
    Form main(QStringLiteral("frmMain"));
    main.at(QStringLiteral("mnuOtherLanguage(2)")).setChecked(true);

    LanguageMenu::check(main);

    for (int i = 0; i < 4; ++i)
        QCOMPARE(main.at(Form::item(QStringLiteral("mnuOtherLanguage"), i)).isChecked(), i == ticked);
}

void LanguageCaptionsTest::choosingActiveLanguageReloadsIt()
{
    LocalisationInstall install;
    install.useLanguage(QStringLiteral("Polski"));
    Form main(QStringLiteral("frmMain"));
    main.at(QStringLiteral("mnuOtherLanguage(3)")).setCaption(QStringLiteral("Polski"));
    LoadLanguageCaptions(main);
    main.at(QStringLiteral("btnCalc")).setCaption(QStringLiteral("typed over"));

    LanguageMenu::mnuOtherLanguage_Click(main, 3);

    QCOMPARE(main.at(QStringLiteral("btnCalc")).caption(), QStringLiteral("&Oblicz"));
    QCOMPARE(VixIniHandling().Read_INI(app().SettingsFile, QStringLiteral("System"), QStringLiteral("Language")),
             QStringLiteral("Polski"));
}

void LanguageCaptionsTest::languageSwitchLeavesPressureLabelToLanguageFile()
{
    LocalisationInstall install;
    install.useLanguage(QStringLiteral("English"));
    install.useUnits(1, QStringLiteral("1"));
    Form main(QStringLiteral("frmMain"));
    LoadLanguageCaptions(main);
    UnitLabels::LoadUnitLabels(main);
    QCOMPARE(main.at(QStringLiteral("Label2(8)")).caption(), QStringLiteral("inHg"));

    LanguageMenu::mnuOtherLanguage_Click(main, 1);

    QCOMPARE(main.at(QStringLiteral("Label2(8)")).caption(), QStringLiteral("hPa oder mbar"));
    QCOMPARE(main.at(QStringLiteral("Einheit(5)")).caption(), QStringLiteral("cfm"));
}

void LanguageCaptionsTest::basketRepeatsUnitCaptions()
{
    LocalisationInstall install;
    const QString file = install.languageFile(QStringLiteral("Test"));
    writeLatin1(file, "[frmKorb]\r\naricle=Art.\r\nDesc=Text\r\nListHeader4=Four\r\n");
    install.useLanguageFile(file, QStringLiteral("Test"));
    Form basket(QStringLiteral("frmKorb"));
    basket.at(QStringLiteral("lbDesc(4)")).setCaption(QStringLiteral("old"));

    LoadLanguageCaptions(basket);

    QCOMPARE(basket.at(QStringLiteral("lbDesc(4)")).caption(), QStringLiteral("Art."));
    QCOMPARE(basket.at(QStringLiteral("lbDesc(5)")).caption(), QStringLiteral("Text"));
    QCOMPARE(basket.at(QStringLiteral("ListView1.ColumnHeaders(4)")).caption(), QStringLiteral("Four"));
    QCOMPARE(basket.at(QStringLiteral("ListView1.ColumnHeaders(1)")).caption(), QString());
}

void LanguageCaptionsTest::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF[frmMain]\r\nbtnCalc.Caption=Zaż\xC3\xB3\xC5\x82\xC4\x87\r\n")
        << QString::fromUtf8("Zażółć");
    QTest::newRow("Windows-1252") << QByteArray("[frmMain]\r\nbtnCalc.Caption=Gr\xF6\xDF" "e\r\n")
                                  << QString::fromUtf8("Größe");
    QTest::newRow("UTF-8 without mark")
        << QByteArray("[frmMain]\r\nbtnCalc.Caption=Gr\xC3\xB6\xC3\x9F"
                      "e\r\n")
        << QString::fromUtf8("Größe");
    QTest::newRow("not UTF-8 without mark reads as Windows-1252")
        << QByteArray("[frmMain]\r\nbtnCalc.Caption=\xC3\xB6\xF6\r\n") << QString::fromUtf8("Ã¶ö");
    const QString polish =
        QString::fromUtf8("[frmMain]\r\nbtnCalc.Caption=Oblicz\r\nmnuLanguage.Caption=&Język\r\n");
    QTest::newRow("UTF-16 little-endian")
        << QByteArray("\xFF\xFE") +
               QByteArray(reinterpret_cast<const char *>(polish.utf16()), polish.size() * 2)
        << QStringLiteral("Oblicz");
    QTest::newRow("value of 300 characters is cut to 254")
        << QByteArray("[frmMain]\r\nbtnCalc.Caption=") + QByteArray(300, 'x') + "\r\n" << QString(254, QLatin1Char('x'));
    QTest::newRow("quoted value loses its quotes") << QByteArray("[frmMain]\r\nbtnCalc.Caption=\"  Go \"\n")
                                                   << QStringLiteral("  Go ");
    QTest::newRow("no line ends, no section") << QByteArray("btnCalc.Caption=Go") << QString();
    QTest::newRow("binary noise") << QByteArray("\0\xFF[\x01\r\n=\n[frmMain\r\n", 18) << QString();
    QTest::newRow("empty file") << QByteArray() << QString();
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    QTest::newRow("garbage") << garbage << QString();
}

void LanguageCaptionsTest::badFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    LocalisationInstall install;
    const QString file = install.languageFile(QStringLiteral("Test"));
    writeLatin1(file, bytes);
    install.useLanguageFile(file, QStringLiteral("Test"));
    const auto before = install.installationDataSums();
    Form main(QStringLiteral("frmMain"));

    LoadLanguageCaptions(main);

    QCOMPARE(main.at(QStringLiteral("btnCalc")).caption(), expected);
    QCOMPARE(install.installationDataSums(), before);
    // The menus keep a caption whatever the file holds, their own when it gives none.
    const bool polish = QTest::currentDataTag() == QLatin1String("UTF-16 little-endian");
    QCOMPARE(main.at(QStringLiteral("mnuLanguage")).caption(),
             polish ? QString::fromUtf8("&Język") : "Language");
    QCOMPARE(main.at(QStringLiteral("mnuOtherUnit(1)")).caption(), QStringLiteral("USA"));
    QCOMPARE(main.at(QStringLiteral("mnuLastFile(0)")).caption(), QStringLiteral("Lastfile"));
}

void LanguageCaptionsTest::messages()
{
    LocalisationInstall install;
    const QString builtIn = QStringLiteral("Your data would be changed, you need to save");
    QCOMPARE(saveChangesQuestion(), builtIn);
    QCOMPARE(messageText(QStringLiteral("Messages"), QStringLiteral("msgFileNotFound"), QStringLiteral("x")),
             QStringLiteral("x"));
    // Other messages read the file whether or not captions are applied.
    app().LanguageFile = install.languageFile(QStringLiteral("Deutsch"));
    QCOMPARE(languageText(QStringLiteral("frmMain"), QStringLiteral("msgbox1")),
             QStringLiteral("Es ist noch kein Befeuchter ausgewählt."));

    install.useLanguage(QStringLiteral("Deutsch"));
    QCOMPARE(saveChangesQuestion(),
             QString::fromUtf8("Das Projekt enthält ungespeicherte Änderungen. Möchten Sie diese zuerst speichern?"));
    QCOMPARE(messageText(QStringLiteral("Messages"), QStringLiteral("msgFileNotFound"), QStringLiteral("x")),
             QStringLiteral("Die Projektdatei wurde nicht gefunden."));
    QCOMPARE(messageText(QStringLiteral("Messages"), QStringLiteral("noSuchKey"), QStringLiteral("x")),
             QStringLiteral("x"));

    // A language file without the question gives an empty question.
    const QString file = install.languageFile(QStringLiteral("Test"));
    writeLatin1(file, "[Messages]\r\n");
    install.useLanguageFile(file, QStringLiteral("Test"));
    QCOMPARE(saveChangesQuestion(), QString());
}

QTEST_GUILESS_MAIN(LanguageCaptionsTest)
#include "languagecaptionstest.moc"
