// The File menu's commands on the main window's form, without a window.
#include "filecommands.h"
#include "datarows.h"
#include "designfixture.h"
#include "form/settings.h"
#include "io/atomicfile.h"
#include "languagecaptions.h"

#include <cerrno>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <unistd.h>

using namespace vc;

namespace {

// The File commands on the main window's form, on a throw-away installation.
struct Fixture : test::DesignFixture
{
    Fixture() : DesignFixture(0, true), files(f()) {}
    // Saves the project under a new name in the Data folder.
    QString saveAs(const QString &name)
    {
        const QString file = path("Data/" + name);
        dialogs.script(file);
        files.mnuSaveAs();
        return file;
    }
    FileCommands files;
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
    void saveAndNew();
    void openRecalculatesTheDesign();
    void lastFile_data() { test::addRows(QStringLiteral("lastfile.tsv")); }
    void lastFile();
    void refusedFiles_data() { test::addRows(QStringLiteral("refusedfiles.tsv")); }
    void refusedFiles();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void lastFileOutsideWindows1252();
};

void FileCommandsTest::saveAndNew()
{
    Fixture f;
    f.f()["Text1(3)"].setText("Offer 7");
    f.f().ProjectChanged = true;
    const QString file = f.saveAs("job.sti");
    QCOMPARE(f.dialogs.asked().front().mode, FileDialogService::Mode::Save);
    QCOMPARE(settings::read(settings::LastFile), file);
    QVERIFY(!f.f().ProjectChanged);
    const QByteArray saved = test::readFile(file);

    // Design inputs do not mark the project changed: Save writes nothing.
    f.f()["Text2(0)"].setText("9000");
    f.files.mnuSave();
    QCOMPARE(test::readFile(file), saved);
    // Once the project information was typed in, Save writes the whole project, asking nothing.
    f.f().ProjectChanged = true;
    f.files.mnuSave();
    QVERIFY(test::readFile(file).contains("0=9000"));
    QCOMPARE(f.dialogs.asked().size(), size_t(1));

    // A cancelled Save as forgets the file.
    f.dialogs.script(QString());
    f.files.mnuSaveAs();
    QCOMPARE(app().ProjectFile, QString());
    QCOMPARE(f.field("msgLabel"), QString());
    QVERIFY(f.f().ProjectChanged);

    // New empties only the project information.
    f.f().ProjectChanged = false;
    f.files.mnuNew();
    QCOMPARE(f.field("Text1(3)"), QString());
    QCOMPARE(f.field("Text2(0)"), QStringLiteral("9000"));
    QVERIFY(!f.f().ProjectChanged);
    QCOMPARE(f.messages.shown().size(), size_t(0));
}

void FileCommandsTest::openRecalculatesTheDesign()
{
    Fixture f;
    f.dialogs.script(QString()); // cancelled: nothing happens
    f.files.mnuOpen();
    QCOMPARE(f.dialogs.asked().front().mode, FileDialogService::Mode::Open);
    QCOMPARE(app().ProjectFile, QString());
    const QString file = f.path("Data/Example metric.sti");
    f.dialogs.script(file);
    f.files.mnuOpen();
    QCOMPARE(app().ProjectFile, file);
    QCOMPARE(f.field("Label20(8)"), QStringLiteral("1534"));
    QCOMPARE(f.field("Label30(5)"), QStringLiteral("0.9"));
    QCOMPARE(settings::read(settings::LastFile), file);
    QVERIFY(!f.f().ProjectChanged);
}

void FileCommandsTest::lastFile()
{
    QFETCH(bool, changed);
    QFETCH(bool, yes);
    QFETCH(QString, client);
    QFETCH(bool, reopened);
    QFETCH(bool, family);
    Fixture f;
    if (family) {
        f.f().btnCalc_Click();
        f.f().Image9_Click(0);
    }
    f.f()["Text1(0)"].setText("Saved");
    const QString file = f.saveAs("job.sti");
    f.f()["Text1(0)"].setText("Typed");
    f.f().ProjectChanged = changed;
    f.messages.script(yes ? MessageService::Answer::Yes : MessageService::Answer::No);
    f.files.mnuLastFile();
    QCOMPARE(f.messages.shown().size(), size_t(changed ? 1 : 0));
    QCOMPARE(f.field("Text1(0)"), client);
    QCOMPARE(f.field("msgLabel"), yes && !reopened ? QString() : file);
    QCOMPARE(f.f().ProjectChanged, !reopened);
}

void FileCommandsTest::refusedFiles()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(QByteArray, content);
    QFETCH(int, lock);
    QFETCH(QString, messageKey);
    Fixture f;
    f.f()["Text1(0)"].setText("Current client");
    const QString current = f.saveAs("current.sti");
    f.f().ProjectChanged = true;

    const QString path = f.path(target);
    if (content == "LNG")
        content = test::readFile(f.path("Language/English.lng"));
    else if (content == "CUR")
        content = test::readFile(current);
    if (!content.isNull())
        QVERIFY(test::writeFile(path, content));
    const QString locked = lock == 2 ? QFileInfo(path).path() : path;
    if (lock == 2)
        QVERIFY(QDir().mkpath(locked));
    if (lock)
        QFile::setPermissions(locked,
                              QFileDevice::ReadOwner |
                                  (lock == 2 ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    });

    f.dialogs.script(path);
    if (command == "open") {
        f.files.mnuOpen();
    } else if (command == "save") {
        f.files.mnuSave();
    } else if (command == "lastfile") {
        f.f().ProjectChanged = false;
        settings::write(settings::LastFile, path);
        f.files.mnuLastFile();
    } else {
        f.files.mnuSaveAs();
    }

    // Open asks about the changes first.
    QCOMPARE(f.messages.shown().size(), size_t(command == "open" ? 2 : 1));
    const QString message = languageText("Messages", messageKey);
    QVERIFY(!message.isEmpty());
    QVERIFY2(f.messages.shown().back().text.startsWith(message),
             qPrintable(f.messages.shown().back().text));
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Current client"));
    QCOMPARE(app().ProjectFile, current);
    QCOMPARE(f.field("msgLabel"), current);
    QCOMPARE(f.f().ProjectChanged, command != "lastfile");
    QCOMPARE(QFile::exists(path), !content.isNull());
    QCOMPARE(test::readFile(path), content);
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
    f.f()["Text1(0)"].setText(QStringLiteral("Old client"));
    const QString project = f.saveAs("job.sti");
    const QString file = target == "profile" ? app().SettingsFile : project;
    const QByteArray before = test::readFile(file);
    const QDir folder(QFileInfo(file).path());
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden);
    f.f()["Text1(0)"].setText(QStringLiteral("New client ") + QString(5000, QLatin1Char('x')));
    f.f().ProjectChanged = true;
    settings::resetWriteFailureReport();
    {
        FailingDisk disk(step);
        if (target == "profile") {
            QVERIFY(!settings::write(settings::LastFile, f.path("Data/other.sti")));
        } else if (target == "project, Save") {
            f.files.mnuSave();
        } else {
            f.dialogs.script(project);
            f.files.mnuSaveAs();
        }
    }
    QCOMPARE(test::readFile(file), before);
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden), entries);
    QCOMPARE(f.messages.shown().size(), size_t(1));
    if (target == "profile")
        return;
    QVERIFY(f.f().ProjectChanged);
    const QString notSaved = languageText("Messages", "msgFileNotSaved");
    QVERIFY(!notSaved.isEmpty());
    QVERIFY(f.messages.shown().back().text.startsWith(notSaved));
    // New after a Yes to saving that failed keeps the project in the window.
    f.messages.script(MessageService::Answer::Yes);
    {
        FailingDisk disk(step);
        f.files.mnuNew();
    }
    QVERIFY(f.field("Text1(0)").startsWith("New client"));
    // Once the disk takes it again, the same Save goes through.
    f.files.mnuSave();
    QCOMPARE(f.messages.shown().size(), size_t(3));
    QVERIFY(test::readFile(file).contains("0=New client xxx"));
}

void FileCommandsTest::lastFileOutsideWindows1252()
{
    Fixture f;
    f.f()["Text1(0)"].setText(QStringLiteral("Zak\u0142ad Energetyczny"));
    const QString file = f.saveAs(QStringLiteral("Zak\u0142ad.sti"));
    QCOMPARE(settings::read(settings::LastFile), file);
    QVERIFY(test::readFile(app().SettingsFile).startsWith("\xEF\xBB\xBF"));
    QVERIFY(!test::readFile(app().SettingsFile).contains('?'));
    f.files.mnuNew();
    f.files.mnuLastFile();
    QCOMPARE(app().ProjectFile, file);
    QCOMPARE(f.field("Text1(0)"), QStringLiteral("Zak\u0142ad Energetyczny"));
    QCOMPARE(f.messages.shown().size(), size_t(0));
}

QTEST_GUILESS_MAIN(FileCommandsTest)
#include "filecommandstest.moc"
