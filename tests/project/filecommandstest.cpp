// The File menu's commands on the main window's form, without a window.
#include "filecommands.h"
#include "form/appglobals.h"
#include "io/atomicfile.h"
#include "languagecaptions.h"
#include "mainform.h"
#include "form/platformservices.h"
#include "projectfile.h"
#include "form/settings.h"
#include "testsupport.h"
#include "tablefile.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <QDir>
#include <QFile>
#include <QTest>
#include <unistd.h>

using namespace vc;

namespace {

// The main window's form on a throw-away installation, English, metric.
class Fixture
{
public:
    Fixture() : m_saved(app())
    {
        AppGlobals &g = app();
        g.AppPath = m_install.path();
        g.DataPath = g.AppPath + "/Data";
        g.DocsPath = g.AppPath + "/Docs";
        g.SettingsFile = g.AppPath + "/VeltrannCalc.ini";
        g.LanguageName = "English";
        g.LanguageFile = g.AppPath + "/Language/English.lng";
        g.UnitSystem = 0;
        g.ProjectFile.clear();
        Services::setMessages(&messages);
        Services::setFileDialogs(&dialogs);
        main = std::make_unique<MainForm>();
        main->load();
        files = std::make_unique<FileCommands>(*main);
    }
    ~Fixture()
    {
        files.reset();
        main.reset();
        Services::setMessages(nullptr);
        Services::setFileDialogs(nullptr);
        app() = m_saved;
    }
    QString path(const QString &relative) const { return m_install.filePath(relative); }
    QString field(const QString &name) { return (*main)[name].text(); }

    // Saves the project under a new name in the Data folder.
    QString saveAs(const QString &name)
    {
        const QString file = path("Data/" + name);
        dialogs.script(file);
        files->mnuSaveAs();
        return file;
    }

    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<MainForm> main;
    std::unique_ptr<FileCommands> files;

private:
    AppGlobals m_saved;
    test::TempInstall m_install;
};

// The disk as a save meets it when it is full or goes away: one step of the
// save fails, the others work.
enum class Failing { Nothing, Create, Write, DiskFillsMidway, Sync, Close, Rename };
Failing g_failing = Failing::Nothing;
qint64 g_room = 0; // bytes the disk still takes while it fills

class FailingDisk
{
public:
    explicit FailingDisk(Failing step)
    {
        g_failing = step;
        g_room = 16;
        AtomicFile::calls() = {open, write, fsync, close, rename};
    }
    ~FailingDisk() { AtomicFile::calls() = AtomicFile::defaultCalls(); }

private:
    static int fail(int error)
    {
        errno = error;
        return -1;
    }
    static int open(const char *path, int flags, mode_t mode)
    {
        return g_failing == Failing::Create ? fail(ENOSPC) : ::open(path, flags, mode);
    }
    static ssize_t write(int fd, const void *data, size_t size)
    {
        const bool filling = g_failing == Failing::DiskFillsMidway;
        if (g_failing == Failing::Write || (filling && g_room <= 0))
            return fail(ENOSPC);
        const ssize_t written = ::write(fd, data, filling ? std::min<size_t>(size, g_room) : size);
        g_room -= written;
        return written;
    }
    static int fsync(int fd)
    {
        return ::fsync(fd) != 0 || g_failing == Failing::Sync ? fail(EIO) : 0;
    }
    static int close(int fd)
    {
        return ::close(fd) != 0 || g_failing == Failing::Close ? fail(ENOSPC) : 0;
    }
    static int rename(const char *from, const char *to)
    {
        return g_failing == Failing::Rename ? fail(EXDEV) : ::rename(from, to);
    }
};

} // namespace

Q_DECLARE_METATYPE(Failing)

class FileCommandsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dialogsHaveTheirFixedTexts_data();
    void dialogsHaveTheirFixedTexts();
    void saveAsRecordsTheFileEverywhere();
    void newEmptiesOnlyTheProjectInformation();
    void openRecalculatesTheDesign();
    void lastFile_data();
    void lastFile();
    void refusedFiles_data();
    void refusedFiles();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void lastFileOutsideWindows1252();
};

void FileCommandsTest::dialogsHaveTheirFixedTexts_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("defaultName");
    QTest::newRow("Open") << true << "Open" << "";
    QTest::newRow("Save as") << false << "Save" << "MyProject";
}

void FileCommandsTest::dialogsHaveTheirFixedTexts()
{
    QFETCH(bool, open);
    QFETCH(QString, title);
    QFETCH(QString, defaultName);
    Fixture f;
    f.dialogs.script(QString()); // cancelled
    open ? f.files->mnuOpen() : f.files->mnuSaveAs();
    QCOMPARE(f.dialogs.asked().size(), size_t(1));
    const auto &asked = f.dialogs.asked().front();
    QCOMPARE(asked.mode, open ? FileDialogService::Mode::Open : FileDialogService::Mode::Save);
    QCOMPARE(asked.title, title);
    QCOMPARE(asked.defaultName, defaultName);
    QCOMPARE(asked.filter, QStringLiteral("Veltrann Documents (*.sti)|*.sti"));
    QCOMPARE(asked.initialFolder, app().DataPath);
    QCOMPARE(asked.defaultExtension, QStringLiteral("sti"));
}

void FileCommandsTest::saveAsRecordsTheFileEverywhere()
{
    Fixture f;
    (*f.main)["Text1(0)"].setText("Client");
    f.main->ProjectChanged = true;
    const QString file = f.saveAs("job.sti");
    QVERIFY(QFile::exists(file));
    QCOMPARE(app().ProjectFile, file);
    QCOMPARE(f.field("msgLabel"), file);
    QCOMPARE(settings::read(settings::LastFile), file);
    QVERIFY(!f.main->ProjectChanged);
    QCOMPARE(f.messages.shown().size(), size_t(0));
    const QByteArray saved = test::readFile(file);

    // Design inputs do not mark the project changed: Save writes nothing.
    (*f.main)["Text2(0)"].setText("9000");
    f.files->mnuSave();
    QCOMPARE(test::readFile(file), saved);
    // Once the project information was typed in, Save writes the whole project, asking nothing.
    f.main->ProjectChanged = true;
    f.files->mnuSave();
    QVERIFY(test::readFile(file).contains("0=9000"));
    QCOMPARE(f.dialogs.asked().size(), size_t(1));

    // A cancelled Save as forgets the file.
    f.dialogs.script(QString());
    f.files->mnuSaveAs();
    QCOMPARE(app().ProjectFile, QString());
    QCOMPARE(f.field("msgLabel"), QString());
    QVERIFY(f.main->ProjectChanged);
}

void FileCommandsTest::newEmptiesOnlyTheProjectInformation()
{
    Fixture f;
    f.main->btnCalc_Click();
    f.main->Image9_Click(0);
    (*f.main)["Text1(3)"].setText("Offer 7");
    f.main->ProjectChanged = false;
    f.saveAs("job.sti");
    f.files->mnuNew();
    QCOMPARE(f.field("Text1(3)"), QString());
    QCOMPARE(f.field("Label20(7)"), QStringLiteral("Tavro 500"));
    QCOMPARE(f.field("Text2(0)"), QStringLiteral("8000"));
    QCOMPARE(app().ProjectFile, QString());
    QCOMPARE(f.field("msgLabel"), QString());
    QVERIFY(!f.main->ProjectChanged);
    QCOMPARE(f.messages.shown().size(), size_t(0));
}

void FileCommandsTest::openRecalculatesTheDesign()
{
    Fixture f;
    const QString file = f.path("Data/Example metric.sti");
    f.dialogs.script(file);
    f.files->mnuOpen();
    QCOMPARE(app().ProjectFile, file);
    QCOMPARE(f.field("Label20(5)"), QStringLiteral("12.7"));
    QCOMPARE(f.field("Label20(8)"), QStringLiteral("1534"));
    QCOMPARE(f.field("Label20(7)"), QStringLiteral("Tavro 500"));
    QCOMPARE(f.field("Label30(5)"), QStringLiteral("0.9"));
    QCOMPARE(settings::read(settings::LastFile), file);
    QVERIFY(!f.main->ProjectChanged);
}

void FileCommandsTest::lastFile_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer"); // MessageService::Answer when asked
    QTest::addColumn<QString>("client"); // Text1(0) afterwards
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("reopened");
    QTest::addColumn<bool>("family"); // a family is chosen, so a save succeeds
    QTest::newRow("nothing changed: reopens the last file")
        << false << int(MessageService::Answer::No) << "Saved" << 0 << true << true;
    QTest::newRow("changes kept on No: nothing reopened")
        << true << int(MessageService::Answer::No) << "Typed" << 1 << false << true;
    QTest::newRow("changes saved on Yes, then reopened")
        << true << int(MessageService::Answer::Yes) << "Typed" << 1 << true << true;
    QTest::newRow("Yes, but the save fails without a family: the file is forgotten")
        << true << int(MessageService::Answer::Yes) << "Typed" << 1 << false << false;
}

void FileCommandsTest::lastFile()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QString, client);
    QFETCH(int, questions);
    QFETCH(bool, reopened);
    QFETCH(bool, family);
    Fixture f;
    if (family) {
        f.main->btnCalc_Click();
        f.main->Image9_Click(0);
    }
    (*f.main)["Text1(0)"].setText("Saved");
    const QString file = f.saveAs("job.sti");
    (*f.main)["Text1(0)"].setText("Typed");
    f.main->ProjectChanged = changed;
    f.messages.script(MessageService::Answer(answer));
    f.files->mnuLastFile();
    QCOMPARE(int(f.messages.shown().size()), questions);
    QCOMPARE(f.field("Text1(0)"), client);
    const bool forgotten = answer == int(MessageService::Answer::Yes) && !reopened;
    QCOMPARE(f.field("msgLabel"), forgotten ? QString() : file);
    QCOMPARE(f.main->ProjectChanged, !reopened);
}

void FileCommandsTest::refusedFiles_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("messageKey");
    for (const auto &r : test::readTable(QStringLiteral("refusedfiles.tsv"), 4))
        QTest::newRow(r[0].constData()) << test::text(r[1]) << test::text(r[2]) << test::text(r[3]);
}

void FileCommandsTest::refusedFiles()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(QString, messageKey);
    Fixture f;
    (*f.main)["Text1(0)"].setText("Current client");
    const QString current = f.saveAs("current.sti");
    f.main->ProjectChanged = true;

    QString path = f.path("Data/target.sti");
    QByteArray content;
    if (target == "binary")
        content = QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0", 16);
    else if (target == "language")
        content = test::readFile(f.path("Language/English.lng"));
    else if (target == "readonly")
        content = test::readFile(current);
    if (target == "gone")
        path = f.path("Data/gone.sti");
    else if (target == "lockedfolder")
        path = f.path("Locked/target.sti");
    else if (target == "nofolder")
        path = f.path("Missing/target.sti");
    else
        QVERIFY(test::writeFile(path, content));
    if (target == "readonly")
        QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (target == "lockedfolder") {
        QVERIFY(QDir().mkpath(f.path("Locked")));
        QFile::setPermissions(f.path("Locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    f.dialogs.script(path);
    if (command == "open") {
        f.files->mnuOpen();
    } else if (command == "lastfile") {
        f.main->ProjectChanged = false;
        settings::write(settings::LastFile, path);
        f.files->mnuLastFile();
    } else {
        f.files->mnuSaveAs();
    }
    QFile::setPermissions(f.path("Locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(f.messages.shown().size(), size_t(command == "open" ? 2 : 1)); // Open asks about the changes first
    const QString text = f.messages.shown().back().text;
    QVERIFY2(text.startsWith(languageText("Messages", messageKey)), qPrintable(text));
    QVERIFY(!languageText("Messages", messageKey).isEmpty());
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Current client"));
    QCOMPARE(app().ProjectFile, current);
    QCOMPARE(f.field("msgLabel"), current);
    if (!content.isNull() || target == "empty")
        QCOMPARE(test::readFile(path), content);
    QVERIFY(!QFile::exists(f.path("Locked/target.sti")));
    QVERIFY(!QFile::exists(f.path("Missing/target.sti")));
}

void FileCommandsTest::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Failing>("step");
    const std::pair<const char *, Failing> steps[] = {
        {"creating the new file", Failing::Create},
        {"writing", Failing::Write},
        {"disk full midway", Failing::DiskFillsMidway},
        {"syncing to disk", Failing::Sync},
        {"closing", Failing::Close},
        {"renaming", Failing::Rename}};
    for (const char *target : {"project, Save", "project, Save as", "profile"}) {
        for (const auto &step : steps)
            QTest::addRow("%s: %s fails", target, step.first) << QString(target) << step.second;
    }
}

void FileCommandsTest::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(Failing, step);
    Fixture f;
    (*f.main)["Text1(0)"].setText(QStringLiteral("Old client"));
    const QString project = f.saveAs("job.sti");
    const QString file = target == "profile" ? app().SettingsFile : project;
    const QByteArray before = test::readFile(file);
    const QStringList folder =
        QDir(QFileInfo(file).path()).entryList(QDir::AllEntries | QDir::Hidden);
    (*f.main)["Text1(0)"].setText(QStringLiteral("New client ") + QString(5000, QLatin1Char('x')));
    f.main->ProjectChanged = true;
    settings::resetWriteFailureReport();
    {
        FailingDisk disk(step);
        if (target == "profile") {
            QVERIFY(!settings::write(settings::LastFile, f.path("Data/other.sti")));
        } else if (target == "project, Save") {
            f.files->mnuSave();
        } else {
            f.dialogs.script(project);
            f.files->mnuSaveAs();
        }
    }
    QCOMPARE(test::readFile(file), before);
    QCOMPARE(QDir(QFileInfo(file).path()).entryList(QDir::AllEntries | QDir::Hidden), folder);
    QCOMPARE(f.messages.shown().size(), size_t(1));
    if (target == "profile")
        return;
    QVERIFY(f.main->ProjectChanged);
    QVERIFY(f.messages.shown().back().text.startsWith(languageText("Messages", "msgFileNotSaved")));
    QVERIFY(!languageText("Messages", "msgFileNotSaved").isEmpty());
    // New after a Yes to saving that failed keeps the project in the window.
    f.messages.script(MessageService::Answer::Yes);
    {
        FailingDisk disk(step);
        f.files->mnuNew();
    }
    QVERIFY(f.field("Text1(0)").startsWith("New client"));
    // Once the disk takes it again, the same Save goes through.
    f.files->mnuSave();
    QCOMPARE(f.messages.shown().size(), size_t(3));
    QVERIFY(test::readFile(file).contains("0=New client xxx"));
}

void FileCommandsTest::lastFileOutsideWindows1252()
{
    Fixture f;
    (*f.main)["Text1(0)"].setText(QStringLiteral("Zak\u0142ad Energetyczny"));
    const QString file = f.saveAs(QStringLiteral("Zak\u0142ad.sti"));
    QCOMPARE(settings::read(settings::LastFile), file);
    QVERIFY(test::readFile(app().SettingsFile).startsWith("\xEF\xBB\xBF"));
    QVERIFY(!test::readFile(app().SettingsFile).contains('?'));
    f.files->mnuNew();
    f.files->mnuLastFile();
    QCOMPARE(app().ProjectFile, file);
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Zak\u0142ad Energetyczny"));
    QCOMPARE(f.messages.shown().size(), size_t(0));
}

QTEST_GUILESS_MAIN(FileCommandsTest)
#include "filecommandstest.moc"
