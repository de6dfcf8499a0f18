#include "form/form.h"
#include "datarows.h"
#include "form/appglobals.h"
#include "form/mmain.h"
#include "form/platformservices.h"
#include "form/settings.h"
#include "io/filehelpers.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using vc::app;
using vc::test::writeFile;

// The form model's controls, and start-up: the installation's folders and
// files as it finds them, and the file helpers that find them.
class FormTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startUp_data();
    void startUp();
    void foldersAndFiles();
    void languageFileFoundWithoutCase();
    void readOnlyProfileReportedOnce();
    void missingFolderIsCreatedButReportedMissing();
    void pathExistsKinds_data() { vc::test::addRows("pathexists.tsv"); }
    void pathExistsKinds();
    void nativePathMatchesWithoutCase_data() { vc::test::addRows("nativepath.tsv"); }
    void nativePathMatchesWithoutCase();
    void fileNameOf_data() { vc::test::addRows("filenameof.tsv"); }
    void fileNameOf();
    void fileDialogSaveAddsExtension();
    void namesMatchWithoutCase();
    void setterReportsOnlyRealChanges();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    vc::ScriptedMessages m_messages;
};

void FormTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_messages.clear();
    vc::Services::setMessages(&m_messages);
    vc::settings::resetWriteFailureReport();
}

void FormTest::cleanup()
{
    vc::Services::setMessages(nullptr);
}

void FormTest::startUp_data()
{
    vc::test::addRows("startup.tsv");
    QByteArray garbage(4096, '\0');
    QRandomGenerator(17).fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
    QTest::newRow("garbage profile") << garbage << true << true << "" << 0 << "SI.lng"
                                     << "" << QStringList();
}

void FormTest::startUp()
{
    QFETCH(QByteArray, profile);
    QFETCH(bool, languageFolder);
    QFETCH(bool, unitFolder);
    QFETCH(QString, languageName);
    QFETCH(int, unitSystem);
    QFETCH(QString, unitFile);
    QFETCH(QString, unitName);
    QFETCH(QStringList, messages);

    if (!profile.isNull())
        QVERIFY(writeFile(path("VeltrannCalc.ini"), profile));
    if (languageFolder)
        QVERIFY(writeFile(path("Language/Deutsch.lng"), "[frmMain]\r\n"));
    if (unitFolder) {
        QVERIFY(writeFile(path("Unit/SI.lng"), "[frmMain]\r\n"));
        QVERIFY(writeFile(path("Unit/USA.lng"), "[frmMain]\r\n"));
    }

    vc::mMain::Main(m_dir->path(), "VeltrannCalc");

    QCOMPARE((QStringList{app().LanguageName, QString::number(int(app().UnitSystem)),
                          app().UnitFile, app().UnitName}),
             (QStringList{languageName, QString::number(unitSystem),
                          path(QStringLiteral("Unit/") + unitFile), unitName}));
    QCOMPARE(m_messages.texts(), messages);
    for (const auto &shown : m_messages.shown())
        QVERIFY(shown.title == "Run Error" && shown.icon == vc::MessageService::Icon::Critical &&
                shown.buttons == vc::MessageService::Buttons::Ok);
    // The profile is only read.
    if (profile.isNull())
        QVERIFY(!QFile::exists(path("VeltrannCalc.ini")));
    else
        QCOMPARE(vc::test::readFile(path("VeltrannCalc.ini")), profile);
}

void FormTest::foldersAndFiles()
{
    vc::mMain::Main(m_dir->path() + QStringLiteral("/"), "VeltrannCalc.exe");
    QCOMPARE((QStringList{app().AppPath, app().DataPath, app().DocsPath, app().SettingsFile,
                          app().LanguageFile}),
             (QStringList{m_dir->path(), path("Data"), path("Docs"), path("VeltrannCalc.ini"),
                          path("Language/.lng")}));
    QVERIFY(QDir(app().DataPath).exists() && QDir(app().DocsPath).exists());

    // A folder where the profile should be reads as no profile.
    QVERIFY(QDir().mkpath(path("VeltrannCalc.ini")));
    vc::mMain::Main(m_dir->path(), "VeltrannCalc");
    QCOMPARE(app().LanguageName, QString());
}

void FormTest::languageFileFoundWithoutCase()
{
    QVERIFY(writeFile(path("VeltrannCalc.ini"), "[System]\r\nLanguage=fran\xE7"
                                                "ais\r\n"));
    QVERIFY(writeFile(path(QStringLiteral("Language/Fran\u00e7ais.lng")), "[frmMain]\r\n"));
    QVERIFY(writeFile(path("unit/si.LNG"), "[frmMain]\r\n"));
    vc::mMain::Main(m_dir->path(), "VeltrannCalc");
    QCOMPARE(
        (QStringList{app().LanguageName, app().LanguageFile, app().UnitFile}),
        (QStringList{QStringLiteral("fran\u00e7ais"),
                     path(QStringLiteral("Language/Fran\u00e7ais.lng")), path("unit/si.LNG")}));
    QVERIFY(m_messages.texts().isEmpty());
}

void FormTest::readOnlyProfileReportedOnce()
{
    const QString profile = path("VeltrannCalc.ini");
    const QByteArray content("[System]\r\nLanguage=Deutsch\r\n");
    QVERIFY(writeFile(profile, content));
    QVERIFY(writeFile(path("Language/Deutsch.lng"),
                      "[Messages]\r\nmsgSettingsNotSaved=Einstellungen nicht gespeichert.\r\n"));
    QVERIFY(writeFile(path("Unit/SI.lng"), "[frmMain]\r\n"));
    QVERIFY(QFile::setPermissions(profile, QFileDevice::ReadOwner));
    vc::mMain::Main(m_dir->path(), "VeltrannCalc");
    QCOMPARE(app().LanguageName + m_messages.texts().join('|'), QStringLiteral("Deutsch"));
    QVERIFY(!vc::settings::write(vc::settings::Unit, "1"));
    QVERIFY(!vc::settings::write(vc::settings::LastFile, "/x.sti"));
    QCOMPARE(m_messages.texts(), QStringList{"Einstellungen nicht gespeichert.\r\n" + profile});
    QCOMPARE(vc::test::readFile(profile), content);

    QFile::setPermissions(profile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(vc::settings::write(vc::settings::Unit, "1"));
    QCOMPARE(vc::settings::read(vc::settings::Unit) + '|' +
                 vc::settings::read(vc::settings::Version),
             QStringLiteral("1|"));
}

void FormTest::missingFolderIsCreatedButReportedMissing()
{
    const QString folder = path("Data");
    QVERIFY(!vc::PathExists(folder, 1, true) && QDir(folder).exists());
    QVERIFY(vc::PathExists(folder, 1, true));
    // One folder only: a missing parent is not made; without create nothing happens.
    QVERIFY(!vc::PathExists(path("a/b"), 1, true) && !QDir(path("a")).exists());
    QVERIFY(!vc::PathExists(path("Docs"), 1, false) && !QDir(path("Docs")).exists());
}

void FormTest::pathExistsKinds()
{
    QFETCH(QString, relative);
    QFETCH(int, kind);
    QFETCH(bool, expected);
    QVERIFY(writeFile(path("Unit/SI.lng"), "[x]\r\n"));
    QCOMPARE(vc::PathExists(m_dir->path() + QLatin1Char('/') + relative, kind, false), expected);
}

void FormTest::nativePathMatchesWithoutCase()
{
    QFETCH(QString, asWritten);
    QFETCH(QString, expected);
    QVERIFY(writeFile(path("Docs/img/tavro.jpg"), "jpg"));
    QCOMPARE(vc::nativePath(m_dir->path() + QLatin1Char('/') + asWritten),
             m_dir->path() + QLatin1Char('/') + expected);
}

void FormTest::fileNameOf()
{
    QFETCH(QString, asWritten);
    QFETCH(QString, name);
    QVERIFY(writeFile(path("Data/Sub/Hotel Nord.sti"), "[x]\r\n"));
    bool ok = name.isEmpty();
    QCOMPARE(vc::FileNameOf(asWritten.isNull() ? asWritten : m_dir->path() + asWritten, &ok), name);
    QCOMPARE(ok, !name.isEmpty());
}

void FormTest::fileDialogSaveAddsExtension()
{
    vc::ScriptedFileDialogs dialogs;
    vc::Services::setFileDialogs(&dialogs);
    dialogs.script(path("Data/MyProject"));
    dialogs.script(path("Data/Other.sti"));
    dialogs.script(path("Data/README"));
    const QString filter =
        QStringLiteral("Project (*.sti)") + QChar(0) + QStringLiteral("*.sti") + QChar(0);
    QCOMPARE(vc::ShowFileDialog(2, "Save as", "MyProject", filter, path("Data"), "sti"),
             path("Data/MyProject.sti"));
    QCOMPARE(vc::ShowFileDialog(0, "Save as", QString(), filter, QString(), "sti"),
             path("Data/Other.sti"));
    const auto &asked = dialogs.asked().front();
    QCOMPARE(asked.mode, vc::FileDialogService::Mode::Save);
    QCOMPARE((QStringList{asked.filter, asked.defaultName, asked.initialFolder}),
             (QStringList{"Project (*.sti)|*.sti", "MyProject", path("Data")}));
    // Opening never adds an extension.
    QCOMPARE(vc::ShowFileDialog(1, "Open", QString(), QString(), QString(), "sti"),
             path("Data/README"));
    QCOMPARE(dialogs.asked().back().mode, vc::FileDialogService::Mode::Open);
    vc::Services::setFileDialogs(nullptr);
}

void FormTest::namesMatchWithoutCase()
{
    vc::Form form("frmMain");
    vc::Control &label = form.add("Label20", 7, vc::Control::Kind::Label);
    QCOMPARE(label.name(), QStringLiteral("Label20(7)"));
    QCOMPARE(&form.at("label20(7)"), &label);
    QVERIFY(form.has("LABEL20(7)"));
    QCOMPARE(&form.add("Label20(7)", vc::Control::Kind::Label), &label);
    QCOMPARE(form.names().size(), 1);
    // An unknown name is made on first use and kept.
    QVERIFY(!form.has("Label99(1)"));
    form["Label99(1)"].setCaption("x");
    QCOMPARE(form.at("label99(1)").text(), QStringLiteral("x"));
}

// Only real changes reach the windows; clearing a list forgets its choice.
void FormTest::setterReportsOnlyRealChanges()
{
    vc::Form form("frmMain");
    vc::Control &text = form.add("Text2(0)", vc::Control::Kind::TextBox);
    QSignalSpy spy(&text, &vc::Control::changed);
    text.setText("8000");
    text.setText("8000");
    text.setVisible(true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<vc::Control::Property>(), vc::Control::Property::Text);
    vc::Control &combo = form.add("Combo2", 1, vc::Control::Kind::ComboBox);
    combo.setItems({"750", "760"});
    combo.setListIndex(1);
    combo.clearItems();
    QVERIFY(combo.items().isEmpty());
    QCOMPARE(combo.listIndex(), -1);
}

QTEST_GUILESS_MAIN(FormTest)
#include "formtest.moc"
