#include "ini/vixinihandling.h"
#include "datarows.h"
#include "ini/inibatch.h"
#include "ini/inistore.h"
#include "io/codepage1252.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using vc::VixIniHandling;
using vc::test::addRows;
using vc::test::readFile;
using vc::test::writeFile;

class VixIniHandlingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void readRules_data() { addRows("iniread.tsv"); }
    void readRules();
    void writeKeepsOtherLines_data() { addRows("iniwrite.tsv"); }
    void writeKeepsOtherLines();
    void missingFilesAndNames();
    void sectionCalls_data() { addRows("iniops.tsv"); }
    void sectionCalls();
    void readSectionStopsAtBufferSize();
    void changeByAnotherProgramIsSeen();
    void readOnlyFileIsLeftAlone();
    void fileNameMatchedWithoutCase();
    void writeKeepsPermissionsAndLinks();
    void batchSavesOnce();
    void badContentIsReadAndKept_data();
    void badContentIsReadAndKept();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    VixIniHandling ini;
};

void VixIniHandlingTest::init()
{
    QVERIFY(m_dir.isValid());
    // Each case starts with an empty folder and nothing remembered.
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    vc::IniStore::clearCache();
}

void VixIniHandlingTest::readRules()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const QString file = path("r.ini");
    QVERIFY(writeFile(file, content));
    QCOMPARE(ini.Read_INI(file, section, key), expected);
}

void VixIniHandlingTest::writeKeepsOtherLines()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    const QString file = path("w.ini");
    if (!before.isNull())
        QVERIFY(writeFile(file, before));
    QVERIFY(ini.Write_INI(file, section, key, value));
    QCOMPARE(readFile(file), after);
    // Each write replaces the file whole and leaves nothing beside it.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"w.ini"});
    // And what was written reads back, from the cache and from the disk.
    QString expected = value;
    expected.replace(QLatin1String("\r\n"), QLatin1String(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    QCOMPARE(ini.Read_INI(file, section, key), expected);
    vc::IniStore::clearCache();
    QCOMPARE(ini.Read_INI(file, section, key), expected);
}

void VixIniHandlingTest::missingFilesAndNames()
{
    const QString none = path("none.ini");
    const QString s = "S", k = "k";
    for (const QString &file : {none, QString(), m_dir.path()})
        QCOMPARE(ini.Read_INI(file, s, k), QString());
    QStringList titles{"stale"};
    QVERIFY(!ini.ReadAllSectionTitle(none, titles) && titles.isEmpty());
    QVERIFY(!ini.ReadAllSectionTitle(QString(), titles));
    // Removing from a file that is not there succeeds and makes none.
    QVERIFY(ini.Remove_Section(none, s) && !QFile::exists(none));
    // A folder is never made for a file.
    QVERIFY(!ini.Write_INI(path("no/such/x.ini"), s, k, "v") && !QDir(path("no")).exists());
    QVERIFY(!ini.GetIniFile(QString()) && ini.GetIniFile(none) && ini.GetIniFile(" "));
    QVERIFY(!ini.Write_INI(QString(), s, k, "v") && !ini.Write_INI(none, " ", k, "v"));
}

void VixIniHandlingTest::sectionCalls()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, call);
    QFETCH(QString, section);
    QFETCH(QStringList, args);
    QFETCH(QString, result);
    QFETCH(QByteArray, after);
    const QString file = path("t.ini");
    if (!before.isNull())
        QVERIFY(writeFile(file, before));
    QStringList got{"stale"};
    if (call == QLatin1String("ReadAllSectionTitle")) {
        QVERIFY(ini.ReadAllSectionTitle(file, got));
    } else if (call == QLatin1String("ReadSection")) {
        ini.ReadSection(file, section, got);
    } else if (call == QLatin1String("ReadArray")) {
        ini.ReadArray(file, section, args.value(0).toInt(), got);
    } else if (call == QLatin1String("WriteArray")) {
        QVERIFY(ini.WriteArray(file, section, args));
        ini.ReadSection(file, section, got);
    } else {
        QVERIFY(ini.Remove_Section(file, section));
        got = QStringList{ini.Read_INI(file, section, "a")};
    }
    QString shown;
    for (const QString &item : got)
        shown += QLatin1Char('[') + item + QLatin1Char(']');
    QCOMPARE(shown, result);
    if (after.isNull())
        after = before;
    QCOMPARE(QFile::exists(file), !after.isNull());
    if (!after.isNull())
        QCOMPARE(readFile(file), after);
}

void VixIniHandlingTest::readSectionStopsAtBufferSize()
{
    const QString file = path("big.ini");
    QByteArray content("[S]\r\n");
    for (int i = 0; i < 1000; ++i)
        content += QByteArray::number(i) + '=' + QByteArray(50, 'v') + "\r\n";
    QVERIFY(writeFile(file, content));
    QStringList lines;
    ini.ReadSection(file, "S", lines);
    qsizetype used = 0;
    for (const QString &line : lines)
        used += line.size() + 1;
    QVERIFY(used <= 32767 && used + 55 > 32765); // no room for one more entry
    QCOMPARE(lines.last(),
             QString::number(lines.size() - 1) + QLatin1Char('=') + QString(50, QLatin1Char('v')));
}

void VixIniHandlingTest::changeByAnotherProgramIsSeen()
{
    const QString file = path("c.ini");
    QVERIFY(writeFile(file, "[S]\r\nk=1\r\n"));
    QCOMPARE(ini.Read_INI(file, "S", "k"), QStringLiteral("1"));
    // Same size, same file: only the modification time tells.
    QVERIFY(writeFile(file, "[S]\r\nk=2\r\n"));
    QCOMPARE(ini.Read_INI(file, "S", "k"), QStringLiteral("2"));
    // Replaced by another file, as an editor saves.
    const QString other = path("c.tmp");
    QVERIFY(writeFile(other, "[S]\r\nk=33\r\n"));
    QVERIFY(QFile::remove(file));
    QVERIFY(QFile::rename(other, file));
    QCOMPARE(ini.Read_INI(file, "S", "k"), QStringLiteral("33"));
    QVERIFY(QFile::remove(file));
    QCOMPARE(ini.Read_INI(file, "S", "k"), QString());
}

void VixIniHandlingTest::readOnlyFileIsLeftAlone()
{
    const QString file = path("ro.ini");
    const QByteArray content("[System]\r\nLanguage=English\r\n");
    QVERIFY(writeFile(file, content));
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QVERIFY(!ini.Write_INI(file, "System", "Language", "Deutsch") &&
            !ini.WriteArray(file, "System", {QStringLiteral("x")}) &&
            !ini.Remove_Section(file, "System"));
    QCOMPARE(readFile(file), content);
    QCOMPARE(ini.Read_INI(file, "System", "Language"), "English");
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void VixIniHandlingTest::fileNameMatchedWithoutCase()
{
    QVERIFY(writeFile(path("Language/Deutsch.lng"), "[frmMain]\r\nCaption=Planung\r\n"));
    const QString asWritten = m_dir.path() + QStringLiteral("\\LANGUAGE\\deutsch.LNG ");
    QCOMPARE(ini.Read_INI(asWritten, "frmMain", "Caption"), "Planung");
    QVERIFY(ini.Write_INI(asWritten, "frmMain", "Caption", "Neu"));
    QCOMPARE(QDir(path("Language")).entryList(QDir::Files), QStringList{"Deutsch.lng"});
    QCOMPARE(readFile(path("Language/Deutsch.lng")), QByteArray("[frmMain]\r\nCaption=Neu\r\n"));
}

void VixIniHandlingTest::writeKeepsPermissionsAndLinks()
{
    const QString file = path("perm.ini");
    QVERIFY(writeFile(file, "[S]\r\nk=1\r\n"));
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(file, mode));
    QVERIFY(ini.Write_INI(file, "S", "k", "2"));
    QCOMPARE(QFile::permissions(file) & 0x7077, mode); // owner, group, others

    // A profile reached through a link is written where the link points.
    const QString link = path("link.ini");
    QVERIFY(QFile::link(file, link));
    QVERIFY(ini.Write_INI(link, "S", "k", "3") && QFileInfo(link).isSymLink());
    QCOMPARE(readFile(file), QByteArray("[S]\r\nk=3\r\n"));
    QCOMPARE(ini.Read_INI(file, "S", "k"), QStringLiteral("3"));
}

void VixIniHandlingTest::batchSavesOnce()
{
    const QString file = path("project.sti");
    QVERIFY(writeFile(file, "; project\r\n[Page1]\r\n0=old\r\n"));
    {
        vc::IniBatch batch(file);
        {
            vc::IniBatch nested(file);
            for (int i = 0; i < 3; ++i)
                QVERIFY(ini.Write_INI(file, "Page1", QString::number(i), QString::number(i * 10)));
        }
        QVERIFY(ini.WriteArray(file, "Basket", {"a", "b"}));
        // Inside the batch the writes read back, and the disk is untouched.
        QCOMPARE(ini.Read_INI(file, "page1", "2"), "20");
        QCOMPARE(readFile(file), QByteArray("; project\r\n[Page1]\r\n0=old\r\n"));
        QVERIFY(batch.commit() && batch.commit());
    }
    QCOMPARE(readFile(file), QByteArray("; project\r\n[Page1]\r\n0=0\r\n1=10\r\n2=20\r\n"
                                        "[Basket]\r\n0=a\r\n1=b\r\n"));
    vc::IniStore::clearCache();
    QCOMPARE(ini.Read_INI(file, "Basket", "1"), "b");

    // A new file comes into being at the end of the batch.
    const QString fresh = path("fresh.sti");
    {
        vc::IniBatch batch(fresh);
        QVERIFY(ini.Write_INI(fresh, "A", "k", "v"));
        QVERIFY(!QFile::exists(fresh));
    }
    QCOMPARE(readFile(fresh), QByteArray("[A]\r\nk=v\r\n"));

    // A read-only file refuses at once.
    QVERIFY(QFile::setPermissions(fresh, QFileDevice::ReadOwner));
    {
        vc::IniBatch batch(fresh);
        QVERIFY(!ini.Write_INI(fresh, "A", "k", "w"));
        QVERIFY(batch.commit());
    }
    QCOMPARE(readFile(fresh), QByteArray("[A]\r\nk=v\r\n"));
    QFile::setPermissions(fresh, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void VixIniHandlingTest::badContentIsReadAndKept_data()
{
    QTest::addColumn<QByteArray>("content");

    QByteArray longLine("[S]\r\nk=");
    longLine += QByteArray(100000, 'a');
    longLine += "\r\nz=1\r\n";
    QTest::newRow("line of 100 000 characters") << longLine;
    QByteArray nuls(5000, '\0');
    nuls.insert(100, "\r\n[S]\r\nz=1\r\n");
    QTest::newRow("NUL bytes") << nuls;
    QTest::newRow("no line end at all") << QByteArray(200000, '=');
    QByteArray garbage(1 << 20, '\0');
    QRandomGenerator random(4711);
    random.fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
    QTest::newRow("binary garbage") << garbage;
    QTest::newRow("byte-order mark alone") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("invalid UTF-8 after byte-order mark")
        << QByteArray("\xEF\xBB\xBF[S]\r\nq=\xC3\x28\xFF\r\n");
}

void VixIniHandlingTest::badContentIsReadAndKept()
{
    QFETCH(QByteArray, content);
    const QString file = path("bad.ini");
    QVERIFY(writeFile(file, content));
    ini.Read_INI(file, "S", "k");
    QStringList list;
    ini.ReadSection(file, "S", list);
    QVERIFY(ini.ReadAllSectionTitle(file, list));
    // A write adds its lines and keeps every byte that was there.
    QVERIFY(ini.Write_INI(file, "Added", "key", "value"));
    const QByteArray after = readFile(file);
    QVERIFY(after.size() > content.size() && after.startsWith(content));
    QCOMPARE(ini.Read_INI(file, "added", "KEY"), "value");
}

QTEST_GUILESS_MAIN(VixIniHandlingTest)
#include "vixinihandlingtest.moc"
