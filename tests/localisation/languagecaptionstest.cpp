#include "languagecaptions.h"
#include "datarows.h"
#include "form/form.h"
#include "languagemenu.h"
#include "localisationfixture.h"
#include "unitlabels.h"

#include <QSet>
#include <QTest>

using namespace vc;
using vc::test::addRows;
using vc::test::LocalisationInstall;
using vc::test::text;

namespace {

// Reads a caption the way a window shows it: tab captions from the tab
// control's list, the title from the form, anything else from its control.
QString shown(Form &form, const QString &what)
{
    if (what == QLatin1String("title"))
        return form.caption();
    if (what.startsWith(QLatin1String("tab:")))
        return form.at("SSTab1").items().value(what.mid(4).toInt());
    return form.at(what).caption();
}

// The labels as the main window is designed, before any unit file: name, caption.
const QList<QList<QByteArray>> builtInMainLabels = vc::test::readTable("mainlabels.tsv", 2);

void designMainWindow(Form &main)
{
    for (const auto &label : builtInMainLabels)
        main.add(text(label[0]), Control::Kind::Label).setCaption(text(label[1]));
}

} // namespace

// The captions of the language files and the labels of the unit files.
class LanguageCaptionsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void switchShowsLanguage_data() { addRows("languageswitch.tsv"); }
    void windowsTakeTheirSection_data() { addRows("windowcaptions.tsv"); }
    void badFiles_data() { addRows("badlanguagefiles.tsv"); }
    void unitLabels_data() { addRows("unitlabels.tsv"); }
    void unitLabelsWithoutUsFile_data() { addRows("unitlabelstates.tsv"); }

    void switchShowsLanguage()
    {
        QFETCH(int, command);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        LocalisationInstall install;
        Form main("frmMain");
        main.setCaption("Form1");

        LanguageMenu::mnuOtherLanguage_Click(main, command);

        QCOMPARE(shown(main, control), expected);
        QCOMPARE(app().LanguageName, LanguageMenu::names().at(command));
        QCOMPARE(install.recorded("Language"), LanguageMenu::names().at(command));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(main.at(Form::item("mnuOtherLanguage", i)).isChecked(), i == command);
    }

    void windowsTakeTheirSection()
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

    void noLanguageFileKeepsBuiltInTexts()
    {
        LocalisationInstall install;
        install.useLanguage("Deutsch");
        QFile::remove(app().LanguageFile);
        install.useLanguage("Deutsch"); // start-up finds no file
        QVERIFY(app().LanguageName.isEmpty());
        // Even a file at LanguageFile is not read while LanguageName is empty.
        app().LanguageFile = install.languageFile("English");
        Form main("frmMain");
        main.setCaption("Form1");
        main.at("btnCalc").setCaption("&Calculate");
        main.at("Bez2(1)").setCaption("Sizze");

        LoadLanguageCaptions(main);
        LanguageMenu::check(main);

        QCOMPARE(main.caption() + '|' + main.at("Bez2(1)").caption() + '|' +
                     main.at("btnCalc").caption(),
                 "Form1|Sizze|&Calculate");
        for (int i = 0; i < 4; ++i)
            QVERIFY(!main.at(Form::item("mnuOtherLanguage", i)).isChecked());
    }

    void customFile_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("pairs"); // control, caption, control, caption ...
        for (const auto &r : vc::test::readTable("customcaptions.tsv", 3)) {
            QStringList pairs;
            for (qsizetype i = 3; i < r.size(); i += 2)
                pairs << text(r[i]) << text(r.value(i + 1));
            QTest::newRow(r[0].constData()) << text(r[1]) << r[2] << pairs;
        }
    }

    void customFile()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, pairs);
        LocalisationInstall install;
        QVERIFY(install.useOwnLanguageFile(file));
        Form form(window);
        // Every caption starts as designed, so an emptied one shows.
        form.setCaption("designed");
        form.at("SSTab1").setItems(QStringList(6, "designed"));
        for (qsizetype i = 0; i < pairs.size(); i += 2)
            if (!pairs[i].startsWith(QLatin1String("tab:")) && pairs[i] != QLatin1String("title"))
                form.at(pairs[i]).setCaption("designed");

        LoadLanguageCaptions(form);

        for (qsizetype i = 0; i < pairs.size(); i += 2)
            QCOMPARE(shown(form, pairs[i]), pairs[i + 1]);
    }

    void switchToMissingFileEmptiesCaptionsAndStillRecordsIt()
    {
        LocalisationInstall install;
        install.useLanguage("English");
        Form main("frmMain");
        LoadLanguageCaptions(main);
        QCOMPARE(main.at("btnCalc").caption(), QStringLiteral("&Calculate"));
        QVERIFY(QFile::remove(install.languageFile("Deutsch")));

        LanguageMenu::mnuOtherLanguage_Click(main, 1);

        QCOMPARE(
            QStringList({app().LanguageName, app().LanguageFile, install.recorded("Language")}),
            QStringList({"Deutsch", install.languageFile("Deutsch"), "Deutsch"}));
        QCOMPARE(main.at("btnCalc").caption() + '|' + main.at("Label3(9)").caption() + '|' +
                     main.at("mnuLanguage").caption(),
                 "||Language");
        QVERIFY(main.at("mnuOtherLanguage(1)").isChecked() &&
                !main.at("mnuOtherLanguage(0)").isChecked());
        QVERIFY(!QFile::exists(install.languageFile("Deutsch")));
    }

    void choosingActiveLanguageReloadsIt()
    {
        LocalisationInstall install;
        install.useLanguage("Polski");
        Form main("frmMain");
        main.at("mnuOtherLanguage(3)").setCaption("Polski");
        LoadLanguageCaptions(main);
        main.at("btnCalc").setCaption("typed over");

        LanguageMenu::mnuOtherLanguage_Click(main, 3);

        QCOMPARE(main.at("btnCalc").caption(), QStringLiteral("&Oblicz"));
        QCOMPARE(install.recorded("Language"), QStringLiteral("Polski"));
    }

    void languageSwitchLeavesPressureLabelToLanguageFile()
    {
        LocalisationInstall install;
        install.useLanguage("English");
        install.useUnits(1, "1");
        Form main("frmMain");
        LoadLanguageCaptions(main);
        UnitLabels::LoadUnitLabels(main);
        QCOMPARE(main.at("Label2(8)").caption(), QStringLiteral("inHg"));

        LanguageMenu::mnuOtherLanguage_Click(main, 1);

        QCOMPARE(main.at("Label2(8)").caption() + '|' + main.at("Einheit(5)").caption(),
                 "hPa oder mbar|cfm");
    }

    void badFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        LocalisationInstall install;
        QVERIFY(install.useOwnLanguageFile(bytes));
        const auto before = install.installationData();
        Form main("frmMain");
        main.at("mnuOtherLanguage(2)").setChecked(true);

        LoadLanguageCaptions(main);
        LanguageMenu::check(main);

        QCOMPARE(main.at("btnCalc").caption(), expected);
        // Another language's file ticks none of the four.
        for (int i = 0; i < 4; ++i)
            QVERIFY(!main.at(Form::item("mnuOtherLanguage", i)).isChecked());
        QCOMPARE(install.installationData(), before);
        // The menus keep a caption whatever the file holds, their own when it gives none.
        const bool polish = QTest::currentDataTag() == QLatin1String("UTF-16 little-endian");
        QCOMPARE(main.at("mnuLanguage").caption() + '|' + main.at("mnuOtherUnit(1)").caption() +
                     '|' + main.at("mnuLastFile(0)").caption(),
                 (polish ? QString::fromUtf8("&Język") : "Language") + "|USA|Lastfile");
    }

    void messages()
    {
        LocalisationInstall install;
        const QString builtIn = "Your data would be changed, you need to save";
        QCOMPARE(saveChangesQuestion(), builtIn);
        QCOMPARE(messageText("Messages", "msgFileNotFound", "x"), "x");
        // Other messages read the file whether or not captions are applied.
        app().LanguageFile = install.languageFile("Deutsch");
        QCOMPARE(languageText("frmMain", "msgbox1"), "Es ist noch kein Befeuchter ausgewählt.");

        install.useLanguage("Deutsch");
        QCOMPARE(
            saveChangesQuestion(),
            "Das Projekt enthält ungespeicherte Änderungen. Möchten Sie diese zuerst speichern?");
        QCOMPARE(messageText("Messages", "msgFileNotFound", "x"),
                 "Die Projektdatei wurde nicht gefunden.");
        QCOMPARE(messageText("Messages", "noSuchKey", "x"), "x");

        // A language file without the question gives an empty question.
        QVERIFY(install.useOwnLanguageFile("[Messages]\r\n"));
        QCOMPARE(saveChangesQuestion(), QString());
    }

    void unitLabels()
    {
        QFETCH(QString, window);
        QFETCH(int, system);
        QFETCH(QByteArray, file);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        LocalisationInstall install;
        install.useUnits(system, QString::number(system));
        if (!file.isNull())
            QVERIFY(vc::test::writeFile(app().UnitFile, file));
        Form form(window);
        if (window == QLatin1String("frmMain"))
            designMainWindow(form);

        UnitLabels::LoadUnitLabels(form);

        QCOMPARE(form.at(label).caption(), expected);
    }

    void unitLabelsWithoutUsFile()
    {
        QFETCH(QString, unitName);
        QFETCH(bool, fileGone);
        LocalisationInstall install;
        install.useUnits(unitName == QLatin1String("0") ? 0 : 1, unitName); // the US file exists
        if (fileGone)
            QVERIFY(QFile::remove(app().UnitFile));
        Form main("frmMain");
        designMainWindow(main);
        const auto before = install.installationData();
        QSet<QString> keyed;
        for (const UnitLabels::Entry &entry : UnitLabels::keys("frmMain"))
            keyed.insert(entry.control);

        UnitLabels::LoadUnitLabels(main);

        for (const auto &label : builtInMainLabels)
            QCOMPARE(main.at(text(label[0])).caption(),
                     fileGone && keyed.contains(text(label[0])) ? QString() : text(label[1]));
        QCOMPARE(install.installationData(), before); // nothing written, no file made
    }
};

QTEST_GUILESS_MAIN(LanguageCaptionsTest)
#include "languagecaptionstest.moc"
