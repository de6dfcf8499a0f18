#include "projectfile.h"
#include "datarows.h"
#include "designfixture.h"
#include "filecommands.h"
#include "form/settings.h"
#include "io/atomicfile.h"
#include "languagecaptions.h"

#include <cerrno>
#include <fcntl.h>
#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace vc;
using vc::test::DesignFixture;

namespace {

// A loaded main window's form.
std::unique_ptr<MainForm> loadedForm()
{
    auto f = std::make_unique<MainForm>();
    f->load();
    return f;
}

void fillDesign(MainForm &f)
{
    const QStringList info = {"Hôtel Lumière",  "Spa",     "AHU 2", "2026/114", "R-7",
                              "Müller & Söhne", "A. User", "Nord"};
    for (int i = 0; i < 8; ++i)
        f.Text1(i).setText(info.at(i));
    f.Text2(0).setText("12500");
    f.Combo2(1).setText("960");
    f.Text3(1).setText("1200");
    f.btnCalc_Click();
    f.Image9_Click(2);
}

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

// The main window's part of a project file, written and read back byte by
// byte and field by field, files that are not what they should be, and the
// File menu's commands on the main window's form, without a window (each on
// its own installation).
class ProjectFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_fixture = std::make_unique<DesignFixture>();
        app().ProjectFile = m_dir->filePath("Hotel.sti");
    }
    void cleanup()
    {
        m_fixture.reset();
        m_dir.reset();
    }
    void newFileAfterAFullDesign();
    void saveWithoutFamilyKeepsWhatItDoesNotWrite();
    void missingEntriesEmptyTheirFields();
    void brokenFiles_data() { test::addRows("projectcheck.tsv"); }
    void brokenFiles();
    void encodings_data() { test::addRows("encodings.tsv"); }
    void encodings();
    void textOutsideWindows1252_data() { test::addRows("clientnames.tsv"); }
    void textOutsideWindows1252();
    void sizeIsNoSignOfAProject();
    void saveAndNew();
    void openRecalculatesTheDesign();
    void lastFile_data() { test::addRows("lastfile.tsv"); }
    void lastFile();
    void refusedFiles_data() { test::addRows("refusedfiles.tsv"); }
    void refusedFiles();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void lastFileOutsideWindows1252();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DesignFixture> m_fixture;
};

void ProjectFileTest::newFileAfterAFullDesign()
{
    auto f = loadedForm();
    fillDesign(*f);
    QVERIFY(WriteProject(*f));
    QVERIFY(!f->ProjectChanged);
    // Windows-1252 with CRLF, every section in the order the program has always written it.
    QCOMPARE(test::readFile(app().ProjectFile), test::readFile(test::testData("fulldesign.sti")));
}

void ProjectFileTest::saveWithoutFamilyKeepsWhatItDoesNotWrite()
{
    QVERIFY(test::writeFile(app().ProjectFile,
                            "[WKorbListe]\r\nRows=3\r\n[wKorb]\r\n0=1\r\n1=TV-4\r\n2=Unit\r\n3=\r\n"
                            "[Ger\xe4t]\r\nModel=Oskel\r\nBild=U-oskel.jpg\r\n"));
    auto f = loadedForm();
    f->btnCalc_Click(); // no family: the picture step fails
    QVERIFY(!WriteProject(*f));
    QVERIFY(f->ProjectChanged);
    const VixIniHandling ini;
    const auto read = [&](const QString &section, const QString &key) {
        return ini.Read_INI(app().ProjectFile, section, key);
    };
    QCOMPARE(QStringList({read("WKorb", "1"), read(QStringLiteral("Ger\u00e4t"), "Model"),
                          read(QStringLiteral("Ger\u00e4t"), "Bild"), read("Seite2-Text2", "0")}),
             QStringList({"TV-4", "", "U-oskel.jpg", "8000"}));
}

void ProjectFileTest::missingEntriesEmptyTheirFields()
{
    QVERIFY(test::writeFile(app().ProjectFile,
                            "[Seite2-Text2]\r\n0=  9000  \r\n2=\"21\"\r\n"
                            "[Ger\xe4t]\r\nModel=Falcy 500\r\nBild=U-gone.jpg\r\n"));
    auto f = loadedForm();
    f->ImageSelected().setPicture("shown.jpg");
    f->picturePath = "shown.jpg";
    QVERIFY(ReadProject(*f));
    // A picture that is gone leaves the one shown.
    QCOMPARE(f->ImageSelected().picture() + '|' + f->picturePath, "shown.jpg|shown.jpg");
    // Blanks and quotes are lost, as always; missing entries empty their fields.
    QCOMPARE(test::texts(
                 *f, {"Label20(7)", "Text2(0)", "Text2(1)", "Text2(2)", "Combo2(1)", "Text3(1)"}),
             "Falcy 500|9000||21||");
    // What is missing calculates like anything typed.
    f->calculateLoad();
    QVERIFY(f->NoModelFound);
}

void ProjectFileTest::brokenFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, project);
    QVERIFY(test::writeFile(app().ProjectFile, bytes));
    QCOMPARE(isProjectFile(app().ProjectFile), project);
    QVERIFY(!isProjectFile(app().ProjectFile + QStringLiteral(".missing")));
    auto f = loadedForm();
    QVERIFY(ReadProject(*f));
    f->calculateLoad();
    f->btnCalcHumid_Click();
    QCOMPARE(test::readFile(app().ProjectFile), bytes); // reading never writes
}

void ProjectFileTest::encodings()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(test::writeFile(app().ProjectFile, bytes));
    QVERIFY(isProjectFile(app().ProjectFile));
    auto f = loadedForm();
    QVERIFY(ReadProject(*f));
    QCOMPARE(test::texts(*f, {"Text1(0)", "Label20(7)"}),
             QStringLiteral("H\u00f4tel Lumi\u00e8re|Sorbix"));
}

void ProjectFileTest::textOutsideWindows1252()
{
    QFETCH(QString, client);
    QFETCH(bool, utf8);
    auto f = loadedForm();
    fillDesign(*f);
    QVERIFY(WriteProject(*f)); // all Windows-1252 so far
    const QByteArray first = test::readFile(app().ProjectFile);
    QVERIFY(first.contains("[Ger\xE4t]"));
    f->Text1(0).setText(client);
    QVERIFY(WriteProject(*f));

    const QByteArray bytes = test::readFile(app().ProjectFile);
    QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), utf8);
    QVERIFY(!bytes.contains('?'));
    if (!utf8) // every line but the client's keeps its bytes
        QCOMPARE(bytes.mid(bytes.indexOf("1=")), first.mid(first.indexOf("1=")));
    // Read back field by field; results are not stored, Open recalculates them.
    auto g = loadedForm();
    g->ProjectChanged = true;
    QVERIFY(ReadProject(*g));
    QVERIFY(!g->ProjectChanged);
    QStringList stored{"Text2(0)", "Text2(1)", "Text2(2)",  "Combo3(0)",
                       "Text3(1)", "Text3(2)", "Label20(7)"};
    for (int i = 0; i < 8; ++i)
        stored << Form::item("Text1", i) << Form::item("Combo2", i % 6);
    QCOMPARE(test::texts(*g, stored), test::texts(*f, stored));
    QCOMPARE(g->ImageSelected().picture() + '|' + g->Label20(5).text(), f->picturePath + '|');
}

void ProjectFileTest::sizeIsNoSignOfAProject()
{
    // One value of 1 MB: read as the INI rules read it, cut at 254 characters.
    QByteArray bytes = "[Seite1-Text1]\r\n0=" + QByteArray(1 << 20, 'x') + "\r\n1=Spa\r\n";
    QVERIFY(test::writeFile(app().ProjectFile, bytes));
    QCOMPARE(checkProjectFile(app().ProjectFile), ProjectFileCheck::Project);
    auto f = loadedForm();
    QVERIFY(ReadProject(*f));
    QCOMPARE(test::texts(*f, {"Text1(0)", "Text1(1)"}), QString(254, QLatin1Char('x')) + "|Spa");

    // Beyond any real project's size the file is not even read.
    QFile huge(app().ProjectFile);
    QVERIFY(huge.resize(qint64(65) << 20));
    QCOMPARE(checkProjectFile(app().ProjectFile), ProjectFileCheck::TooLarge);
}

void ProjectFileTest::saveAndNew()
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
    QCOMPARE(app().ProjectFile + f.field("msgLabel"), QString());
    QVERIFY(f.f().ProjectChanged);

    // New empties only the project information.
    f.f().ProjectChanged = false;
    f.files.mnuNew();
    QCOMPARE(test::texts(f.f(), {"Text1(3)", "Text2(0)"}), QStringLiteral("|9000"));
    QVERIFY(!f.f().ProjectChanged);
    QCOMPARE(f.messages.shown().size(), size_t(0));
}

void ProjectFileTest::openRecalculatesTheDesign()
{
    Fixture f;
    f.dialogs.script(QString()); // cancelled: nothing happens
    f.files.mnuOpen();
    QCOMPARE(f.dialogs.asked().front().mode, FileDialogService::Mode::Open);
    QCOMPARE(app().ProjectFile, QString());
    const QString file = f.path("Data/Example metric.sti");
    f.dialogs.script(file);
    f.files.mnuOpen();
    QCOMPARE(app().ProjectFile + '|' + settings::read(settings::LastFile), file + '|' + file);
    QCOMPARE(test::texts(f.f(), {"Label20(8)", "Label30(5)"}), QStringLiteral("1534|0.9"));
    QVERIFY(!f.f().ProjectChanged);
}

void ProjectFileTest::lastFile()
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

void ProjectFileTest::refusedFiles()
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
    QVERIFY2(!message.isEmpty() && f.messages.shown().back().text.startsWith(message),
             qPrintable(f.messages.shown().back().text));
    QCOMPARE(QStringList({f.field("Text1(0)"), app().ProjectFile, f.field("msgLabel")}),
             QStringList({"Current client", current, current}));
    QCOMPARE(f.f().ProjectChanged, command != "lastfile");
    QCOMPARE(QFile::exists(path), !content.isNull());
    QCOMPARE(test::readFile(path), content);
}

void ProjectFileTest::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Failing>("step");
    const char *steps[] = {"creating the new file", "writing", "disk full midway",
                           "syncing to disk",       "closing", "renaming"};
    for (const char *target : {"project, Save", "project, Save as", "profile"})
        for (int step = 0; step < 6; ++step) // in the order of Failing after Nothing
            QTest::addRow("%s: %s fails", target, steps[step])
                << QString(target) << Failing(step + 1);
}

void ProjectFileTest::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(Failing, step);
    Fixture f;
    f.f()["Text1(0)"].setText("Old client");
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
    QVERIFY(!notSaved.isEmpty() && f.messages.shown().back().text.startsWith(notSaved));
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

void ProjectFileTest::lastFileOutsideWindows1252()
{
    Fixture f;
    f.f()["Text1(0)"].setText(QStringLiteral("Zak\u0142ad Energetyczny"));
    const QString file = f.saveAs(QStringLiteral("Zak\u0142ad.sti"));
    QCOMPARE(settings::read(settings::LastFile), file);
    const QByteArray profile = test::readFile(app().SettingsFile);
    QVERIFY(profile.startsWith("\xEF\xBB\xBF") && !profile.contains('?'));
    f.files.mnuNew();
    f.files.mnuLastFile();
    QCOMPARE(app().ProjectFile + '|' + f.field("Text1(0)"),
             file + QStringLiteral("|Zak\u0142ad Energetyczny"));
    QCOMPARE(f.messages.shown().size(), size_t(0));
}

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "projectfiletest.moc"
