#include "ini/vixinihandling.h"
#include "io/codepage1252.h"
#include "ini/inibatch.h"
#include "ini/inistore.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using vc::VixIniHandling;
using vc::test::readFile;
using vc::test::writeFile;

class VixIniHandlingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void readRules_data();
    void readRules();
    void readCutsAt254Characters();
    void missingFileOrNameReadsEmpty();
    void writeKeepsOtherLines_data();
    void writeKeepsOtherLines();
    void writeCreatesFile();
    void removeSection_data();
    void removeSection();
    void removeSectionOfMissingFile();
    void writeArrayReplacesLongerList();
    void readArrayFillsMissingEntries();
    void readSectionInFileOrder();
    void readSectionStopsAtBufferSize();
    void readAllSectionTitle_data();
    void readAllSectionTitle();
    void readAllSectionTitleOfMissingFile();
    void getIniFile();
    void changeByAnotherProgramIsSeen();
    void parseIsReused();
    void readOnlyFileIsLeftAlone();
    void writeIntoMissingFolderFails();
    void writeLeavesNoTemporaryFile();
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

void VixIniHandlingTest::readRules_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("value loses surrounding blanks") << QByteArray("[S]\r\nk =  word  \r\n") << "S"
                                                    << "k"
                                                    << "word";
    QTest::newRow("key present without value") << QByteArray("[S]\r\nk=\r\nz=1\r\n") << "S"
                                               << "k"
                                               << "";
    QTest::newRow("section and key without case")
        << QByteArray("[Label]\r\nCaption=x\r\n") << "LABEL"
        << "caption"
        << "x";
    QTest::newRow("arguments with surrounding spaces")
        << QByteArray("[frmMain]\r\nLabel2(14).Caption=Load\r\n") << " frmMain "
        << "Label2(14).Caption "
        << "Load";
    QTest::newRow("double quotes removed once") << QByteArray("[S]\r\nk= \"\"a b\"\" \r\n") << "S"
                                                << "k"
                                                << "\"a b\"";
    QTest::newRow("single quotes removed") << QByteArray("[S]\r\nk='q'\r\n") << "S"
                                           << "k"
                                           << "q";
    QTest::newRow("unmatched quote kept") << QByteArray("[S]\r\nk=\"open\r\n") << "S"
                                          << "k"
                                          << "\"open";
    QTest::newRow("lone quote kept") << QByteArray("[S]\r\nk=\"\r\n") << "S"
                                     << "k"
                                     << "\"";
    QTest::newRow("title ends at first bracket") << QByteArray("[A]rest]\r\nk=1\r\n") << "A"
                                                 << "k"
                                                 << "1";
    QTest::newRow("title without bracket opens section") << QByteArray("[Open\r\nk=2\r\n") << "Open"
                                                         << "k"
                                                         << "2";
    QTest::newRow("title with inner blanks trimmed") << QByteArray("[  Sys  ]\r\nk=3\r\n") << "sys"
                                                     << "k"
                                                     << "3";
    QTest::newRow("indented title and key") << QByteArray("   [S]\r\n\tk=4\r\n") << "S"
                                            << "k"
                                            << "4";
    QTest::newRow("line before any section ignored") << QByteArray("k=0\r\n[S]\r\nx=1\r\n") << "S"
                                                     << "k"
                                                     << "";
    QTest::newRow("line without equals ignored") << QByteArray("[S]\r\nk\r\n") << "S"
                                                 << "k"
                                                 << "";
    QTest::newRow("comment is no key") << QByteArray("[S]\r\n;k=1\r\n") << "S"
                                       << ";k"
                                       << "";
    QTest::newRow("first of duplicate keys") << QByteArray("[S]\r\nk=1\r\nK=2\r\n") << "S"
                                             << "k"
                                             << "1";
    QTest::newRow("first of duplicate sections")
        << QByteArray("[S]\r\nk=1\r\n[s]\r\nk=2\r\n") << "S"
        << "k"
        << "1";
    QTest::newRow("key only in second duplicate section")
        << QByteArray("[S]\r\na=1\r\n[s]\r\nb=2\r\n") << "S"
        << "b"
        << "";
    QTest::newRow("LF line ends") << QByteArray("[S]\nk=lf\n") << "S"
                                  << "k"
                                  << "lf";
    QTest::newRow("CR line ends") << QByteArray("[S]\rk=cr\r") << "S"
                                  << "k"
                                  << "cr";
    QTest::newRow("last line without line end") << QByteArray("[S]\r\nk=last") << "S"
                                                << "k"
                                                << "last";
    QTest::newRow("equals sign inside value") << QByteArray("[S]\r\nk=a=b\r\n") << "S"
                                              << "k"
                                              << "a=b";
    QTest::newRow("key with inner blank") << QByteArray("[S]\r\nmy key = v\r\n") << "S"
                                          << "MY KEY"
                                          << "v";
    QTest::newRow("NUL ends the value") << QByteArray("[S]\r\nk=ab\0cd\r\n", 14) << "S"
                                        << "k"
                                        << "ab";
    QTest::newRow("Windows-1252 value") << QByteArray("[S]\r\nk=Ger\xE4t\r\n") << "S"
                                        << "k"
                                        << "Ger\u00e4t";
    QTest::newRow("Windows-1252 section without case")
        << QByteArray("[GER\xC4T]\r\nk=1\r\n") << "ger\u00e4t"
        << "k"
        << "1";
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF[S]\r\nk=Ger\xC3\xA4t\r\n") << "S"
        << "k"
        << "Ger\u00e4t";
    QTest::newRow("euro sign of code page") << QByteArray("[S]\r\nk=5 \x80\r\n") << "S"
                                            << "k"
                                            << "5 \u20ac";
    QTest::newRow("missing section") << QByteArray("[S]\r\nk=1\r\n") << "T"
                                     << "k"
                                     << "";
}

void VixIniHandlingTest::readRules()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const QString file = path(QStringLiteral("r.ini"));
    QVERIFY(writeFile(file, content));
    QCOMPARE(ini.Read_INI(file, section, key), expected);
}

void VixIniHandlingTest::readCutsAt254Characters()
{
    const QString file = path(QStringLiteral("long.ini"));
    const QByteArray value(300, 'x');
    QVERIFY(writeFile(file, "[S]\r\nk=" + value + "\r\n"));
    QCOMPARE(ini.Read_INI(file, QStringLiteral("S"), QStringLiteral("k")),
             QString(254, QLatin1Char('x')));
}

void VixIniHandlingTest::missingFileOrNameReadsEmpty()
{
    QCOMPARE(
        ini.Read_INI(path(QStringLiteral("none.ini")), QStringLiteral("S"), QStringLiteral("k")),
        QString());
    QCOMPARE(ini.Read_INI(QString(), QStringLiteral("S"), QStringLiteral("k")), QString());
    QCOMPARE(ini.Read_INI(m_dir.path(), QStringLiteral("S"), QStringLiteral("k")), QString());
}

void VixIniHandlingTest::writeKeepsOtherLines_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("value replaced in place")
        << QByteArray("; head\r\n[A]\r\n  x = 1\r\ny=2\n\r\n[B]\r\nz=3") << "A"
        << "x"
        << "9" << QByteArray("; head\r\n[A]\r\nx=9\r\ny=2\n\r\n[B]\r\nz=3");
    QTest::newRow("key matched without case keeps its spelling")
        << QByteArray("[Form]\r\nCaption=old\r\n") << "form"
        << " caption "
        << "new" << QByteArray("[Form]\r\nCaption=new\r\n");
    QTest::newRow("new key after last key, before blanks and comments")
        << QByteArray("[A]\r\na=1\r\n\r\n; note\r\n[B]\r\nb=2\r\n") << "A"
        << "n"
        << "5" << QByteArray("[A]\r\na=1\r\nn=5\r\n\r\n; note\r\n[B]\r\nb=2\r\n");
    QTest::newRow("new key into empty section") << QByteArray("[A]\r\n\r\n[B]\r\n") << "a"
                                                << "k"
                                                << "v" << QByteArray("[A]\r\nk=v\r\n\r\n[B]\r\n");
    QTest::newRow("new section at the end") << QByteArray("[A]\r\na=1\r\n") << "B"
                                            << "b"
                                            << "2" << QByteArray("[A]\r\na=1\r\n[B]\r\nb=2\r\n");
    QTest::newRow("new key after last line without line end")
        << QByteArray("[A]\r\na=1") << "A"
        << "b"
        << "2" << QByteArray("[A]\r\na=1\r\nb=2\r\n");
    QTest::newRow("new section after last line without line end")
        << QByteArray("[A]\r\na=1") << "B"
        << "b"
        << "2" << QByteArray("[A]\r\na=1\r\n[B]\r\nb=2\r\n");
    QTest::newRow("LF file keeps its line ends") << QByteArray("[A]\nx=1\ny=2\n") << "A"
                                                 << "x"
                                                 << "3" << QByteArray("[A]\nx=3\ny=2\n");
    QTest::newRow("empty file") << QByteArray() << "System"
                                << "Language"
                                << "Deutsch" << QByteArray("[System]\r\nLanguage=Deutsch\r\n");
    QTest::newRow("Windows-1252 written") << QByteArray("[S]\r\n") << "S"
                                          << "Name"
                                          << "Fran\u00e7ais"
                                          << QByteArray("[S]\r\nName=Fran\xE7"
                                                        "ais\r\n");
    QTest::newRow("Windows-1252 key and section") << QByteArray() << "Ger\u00e4t"
                                                  << "Gr\u00f6\u00dfe"
                                                  << "\u20ac"
                                                  << QByteArray("[Ger\xE4t]\r\nGr\xF6\xDF"
                                                                "e=\x80\r\n");
    QTest::newRow("character outside the code page makes the file UTF-8")
        << QByteArray("[Ger\xE4t]\r\nk=\x80\r\n") << "Ger\u00e4t"
        << "City"
        << "\u0141\u00f3d\u017a \U0001F3E8"
        << QByteArray("\xEF\xBB\xBF[Ger\xC3\xA4t]\r\nk=\xE2\x82\xAC\r\n"
                      "City=\xC5\x81\xC3\xB3"
                      "d\xC5\xBA \xF0\x9F\x8F\xA8\r\n");
    QTest::newRow("UTF-8 file without byte-order mark stays so")
        << QByteArray("[Ger\xC3\xA4t]\r\nx=1\r\n") << "Ger\u00e4t"
        << "x"
        << "\u00e9\u0141" << QByteArray("[Ger\xC3\xA4t]\r\nx=\xC3\xA9\xC5\x81\r\n");
    QTest::newRow("code-page text that would read as UTF-8 gets the mark")
        << QByteArray("[S]\r\n") << "S"
        << "k"
        << "\u00c3\u00a9" << QByteArray("\xEF\xBB\xBF[S]\r\nk=\xC3\x83\xC2\xA9\r\n");
    QTest::newRow("UTF-16 file stays UTF-16")
        << QByteArray("\xFF\xFE[\0S\0]\0\r\0\n\0", 12) << "S"
        << "k"
        << "\u0141" << QByteArray("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x41\x01\r\0\n\0", 22);
    QTest::newRow("byte-order mark file stays UTF-8")
        << QByteArray("\xEF\xBB\xBF[A]\r\nx=1\r\n") << "A"
        << "x"
        << "Ger\u00e4t \u0141" << QByteArray("\xEF\xBB\xBF[A]\r\nx=Ger\xC3\xA4t \xC5\x81\r\n");
    QTest::newRow("line break in value becomes blank")
        << QByteArray("[S]\r\n") << "S"
        << "k"
        << "a\r\nb\nc" << QByteArray("[S]\r\nk=a b c\r\n");
    QTest::newRow("garbage lines survive")
        << QByteArray("\x00\xFF\xFE junk\r\n[A]\r\nx=1\r\n\x81\x8D\r", 24) << "A"
        << "x"
        << "2" << QByteArray("\x00\xFF\xFE junk\r\n[A]\r\nx=2\r\n\x81\x8D\r", 24);
    QTest::newRow("title without bracket") << QByteArray("[A\r\nx=1\r\n") << "A"
                                           << "y"
                                           << "2" << QByteArray("[A\r\nx=1\r\ny=2\r\n");
}

void VixIniHandlingTest::writeKeepsOtherLines()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    const QString file = path(QStringLiteral("w.ini"));
    QVERIFY(writeFile(file, before));
    QVERIFY(ini.Write_INI(file, section, key, value));
    QCOMPARE(readFile(file), after);
    // And what was written reads back, from the cache and from the disk.
    QString expected = value;
    expected.replace(QLatin1String("\r\n"), QLatin1String(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    QCOMPARE(ini.Read_INI(file, section, key), expected);
    vc::IniStore::clearCache();
    QCOMPARE(ini.Read_INI(file, section, key), expected);
}

void VixIniHandlingTest::writeCreatesFile()
{
    const QString file = path(QStringLiteral("new.ini"));
    QVERIFY(
        ini.Write_INI(file, QStringLiteral("System"), QStringLiteral("Unit"), QStringLiteral("1")));
    QVERIFY(ini.Write_INI(file, QStringLiteral("System"), QStringLiteral("Language"),
                          QStringLiteral("Fran\u00e7ais")));
    QCOMPARE(readFile(file), QByteArray("[System]\r\nUnit=1\r\nLanguage=Fran\xE7"
                                        "ais\r\n"));
    QCOMPARE(ini.Read_INI(file, QStringLiteral("SYSTEM"), QStringLiteral("language")),
             QStringLiteral("Fran\u00e7ais"));
    QVERIFY(
        !ini.Write_INI(QString(), QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(!ini.Write_INI(file, QStringLiteral(" "), QStringLiteral("k"), QStringLiteral("v")));
}

void VixIniHandlingTest::removeSection_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("comments stay, keys and blanks go")
        << QByteArray("[A]\r\na=1\r\n; keep me\r\nb=2\r\n\r\n[B]\r\nb=3\r\n") << " a "
        << QByteArray("; keep me\r\n[B]\r\nb=3\r\n");
    QTest::newRow("section in the middle") << QByteArray("[A]\r\na=1\r\n[B]\r\nb=2\r\n[C]\r\nc=3")
                                           << "B" << QByteArray("[A]\r\na=1\r\n[C]\r\nc=3");
    QTest::newRow("every section of that title")
        << QByteArray("[L]\r\n0=a\r\n[M]\r\nm=1\r\n[l]\r\n5=f\r\n") << "L"
        << QByteArray("[M]\r\nm=1\r\n");
    QTest::newRow("missing section leaves file")
        << QByteArray("[A]\r\na=1\r\n") << "Z" << QByteArray("[A]\r\na=1\r\n");
}

void VixIniHandlingTest::removeSection()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QByteArray, after);
    const QString file = path(QStringLiteral("rm.ini"));
    QVERIFY(writeFile(file, before));
    QVERIFY(ini.Remove_Section(file, section));
    QCOMPARE(readFile(file), after);
    QCOMPARE(ini.Read_INI(file, section, QStringLiteral("a")), QString());
}

void VixIniHandlingTest::removeSectionOfMissingFile()
{
    const QString file = path(QStringLiteral("missing.ini"));
    QVERIFY(ini.Remove_Section(file, QStringLiteral("A")));
    QVERIFY(!QFile::exists(file));
}

void VixIniHandlingTest::writeArrayReplacesLongerList()
{
    const QString file = path(QStringLiteral("list.sti"));
    QVERIFY(writeFile(
        file, "[Project]\r\nName=P\r\n[Basket]\r\n0=a\r\n1=b\r\n2=c\r\n3=d\r\n4=e\r\n5=f\r\n"));
    QVERIFY(ini.WriteArray(file, QStringLiteral("basket"),
                           {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}));
    QCOMPARE(readFile(file),
             QByteArray("[Project]\r\nName=P\r\n[basket]\r\n0=x\r\n1=y\r\n2=z\r\n"));
    QStringList lines;
    ini.ReadSection(file, QStringLiteral("Basket"), lines);
    QCOMPARE(lines, QStringList({"0=x", "1=y", "2=z"}));

    QVERIFY(ini.WriteArray(file, QStringLiteral("Basket"), {}));
    QCOMPARE(readFile(file), QByteArray("[Project]\r\nName=P\r\n"));
}

void VixIniHandlingTest::readArrayFillsMissingEntries()
{
    const QString file = path(QStringLiteral("arr.ini"));
    QVERIFY(writeFile(file, "[L]\r\n0=first\r\n1= second \r\n"));
    QStringList values{QStringLiteral("stale")};
    ini.ReadArray(file, QStringLiteral("L"), 3, values);
    QCOMPARE(values, QStringList({"first", "second", "", ""}));
    ini.ReadArray(file, QStringLiteral("L"), -1, values);
    QVERIFY(values.isEmpty());
    ini.ReadArray(path(QStringLiteral("none.ini")), QStringLiteral("L"), 1, values);
    QCOMPARE(values, QStringList({"", ""}));
}

void VixIniHandlingTest::readSectionInFileOrder()
{
    const QString file = path(QStringLiteral("sec.dat"));
    QVERIFY(writeFile(
        file, "[Art]\r\nz = 1\r\n; comment\r\nnoequals\r\na=\"q\"\r\n\r\n[Next]\r\nn=1\r\n"));
    QStringList lines{QStringLiteral("stale")};
    ini.ReadSection(file, QStringLiteral("ART"), lines);
    QCOMPARE(lines, QStringList({"z=1", "a=\"q\""}));
    ini.ReadSection(file, QStringLiteral("None"), lines);
    QVERIFY(lines.isEmpty());
}

void VixIniHandlingTest::readSectionStopsAtBufferSize()
{
    const QString file = path(QStringLiteral("big.ini"));
    QByteArray content("[S]\r\n");
    for (int i = 0; i < 1000; ++i)
        content += QByteArray::number(i) + '=' + QByteArray(50, 'v') + "\r\n";
    QVERIFY(writeFile(file, content));
    QStringList lines;
    ini.ReadSection(file, QStringLiteral("S"), lines);
    qsizetype used = 0;
    for (const QString &line : lines)
        used += line.size() + 1;
    QVERIFY(used <= 32767);
    QVERIFY(used + 55 > 32765); // no room for one more entry
    QVERIFY(lines.size() < 1000);
    QCOMPARE(lines.last(),
             QString::number(lines.size() - 1) + QLatin1Char('=') + QString(50, QLatin1Char('v')));
}

void VixIniHandlingTest::readAllSectionTitle_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("sections in file order")
        << QByteArray("[A]\r\nkey=1\r\n[B]\r\n") << QStringList{"A", "B"};
    QTest::newRow("field after comma starting with bracket")
        << QByteArray("[A]\r\nk=1,[X]\r\n") << QStringList{"A", "X"};
    QTest::newRow("quoted field") << QByteArray("\"[Q]\"\r\n") << QStringList{"Q"};
    QTest::newRow("LF and no final line end") << QByteArray("[A]\n[B]") << QStringList{"A", "B"};
    QTest::newRow("Windows-1252 title")
        << QByteArray("[Ger\xE4t]\r\n") << QStringList{"Ger\u00e4t"};
    QTest::newRow("UTF-8 title after byte-order mark")
        << QByteArray("\xEF\xBB\xBF[Ger\xC3\xA4t]\r\n") << QStringList{"Ger\u00e4t"};
    QTest::newRow("UTF-8 title without byte-order mark")
        << QByteArray("[Zaw\xC3\xB3r]\r\n") << QStringList{"Zaw\u00f3r"};
    QTest::newRow("UTF-16 catalogue")
        << QByteArray("\xFF\xFE[\0\x41\x01]\0\r\0\n\0k\0=\0\x41\x01\r\0\n\0[\0B\0]\0", 28)
        << QStringList{"\u0141", "B"};
    QTest::newRow("indented title, blanks trimmed")
        << QByteArray("  [A]  \r\n") << QStringList{"A"};
    QTest::newRow("lone bracket") << QByteArray("[\r\n") << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void VixIniHandlingTest::readAllSectionTitle()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, titles);
    const QString file = path(QStringLiteral("t.dat"));
    QVERIFY(writeFile(file, content));
    QStringList got{QStringLiteral("stale")};
    QVERIFY(ini.ReadAllSectionTitle(file, got));
    QCOMPARE(got, titles);
}

void VixIniHandlingTest::readAllSectionTitleOfMissingFile()
{
    QStringList got{QStringLiteral("stale")};
    QVERIFY(!ini.ReadAllSectionTitle(path(QStringLiteral("none.dat")), got));
    QVERIFY(got.isEmpty());
    QVERIFY(!ini.ReadAllSectionTitle(QString(), got));
}

void VixIniHandlingTest::getIniFile()
{
    QVERIFY(!ini.GetIniFile(QString()));
    QVERIFY(ini.GetIniFile(path(QStringLiteral("missing.ini"))));
    QVERIFY(ini.GetIniFile(QStringLiteral(" ")));
}

void VixIniHandlingTest::changeByAnotherProgramIsSeen()
{
    const QString file = path(QStringLiteral("c.ini"));
    QVERIFY(writeFile(file, "[S]\r\nk=1\r\n"));
    QCOMPARE(ini.Read_INI(file, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("1"));
    // Same size, same file: only the modification time tells.
    QVERIFY(writeFile(file, "[S]\r\nk=2\r\n"));
    QCOMPARE(ini.Read_INI(file, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("2"));
    // Replaced by another file, as an editor saves.
    const QString other = path(QStringLiteral("c.tmp"));
    QVERIFY(writeFile(other, "[S]\r\nk=33\r\n"));
    QVERIFY(QFile::remove(file));
    QVERIFY(QFile::rename(other, file));
    QCOMPARE(ini.Read_INI(file, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("33"));
    QVERIFY(QFile::remove(file));
    QCOMPARE(ini.Read_INI(file, QStringLiteral("S"), QStringLiteral("k")), QString());
}

void VixIniHandlingTest::parseIsReused()
{
    const QString file = path(QStringLiteral("Deutsch.lng"));
    QVERIFY(writeFile(file, "[frmMain]\r\nCaption=Planung\r\n"));
    const auto first = vc::IniStore::load(file);
    QVERIFY(first);
    QCOMPARE(vc::IniStore::load(file), first);
    // Another spelling of the same file shares the parse.
    QCOMPARE(vc::IniStore::load(m_dir.path() + QStringLiteral("\\DEUTSCH.lng")), first);
    QVERIFY(writeFile(file, "[frmMain]\r\nCaption=Neu\r\n"));
    const auto second = vc::IniStore::load(file);
    QVERIFY(second != first);
    QVERIFY(ini.Write_INI(file, QStringLiteral("frmMain"), QStringLiteral("Caption"),
                          QStringLiteral("Mehr")));
    const auto third = vc::IniStore::load(file);
    QVERIFY(third != second);
    QCOMPARE(vc::IniStore::load(file), third);
}

void VixIniHandlingTest::readOnlyFileIsLeftAlone()
{
    const QString file = path(QStringLiteral("ro.ini"));
    const QByteArray content("[System]\r\nLanguage=English\r\n");
    QVERIFY(writeFile(file, content));
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QVERIFY(!ini.Write_INI(file, QStringLiteral("System"), QStringLiteral("Language"),
                           QStringLiteral("Deutsch")));
    QVERIFY(!ini.WriteArray(file, QStringLiteral("System"), {QStringLiteral("x")}));
    QVERIFY(!ini.Remove_Section(file, QStringLiteral("System")));
    QCOMPARE(readFile(file), content);
    QCOMPARE(ini.Read_INI(file, QStringLiteral("System"), QStringLiteral("Language")),
             QStringLiteral("English"));
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void VixIniHandlingTest::writeIntoMissingFolderFails()
{
    QVERIFY(!ini.Write_INI(path(QStringLiteral("no/such/x.ini")), QStringLiteral("S"),
                           QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(!QDir(path(QStringLiteral("no"))).exists());
}

void VixIniHandlingTest::writeLeavesNoTemporaryFile()
{
    const QString file = path(QStringLiteral("p.sti"));
    for (int i = 0; i < 5; ++i)
        QVERIFY(ini.Write_INI(file, QStringLiteral("S"), QString::number(i), QStringLiteral("v")));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.sti"});
}

void VixIniHandlingTest::fileNameMatchedWithoutCase()
{
    QVERIFY(writeFile(path(QStringLiteral("Language/Deutsch.lng")),
                      "[frmMain]\r\nCaption=Planung\r\n"));
    const QString asWritten = m_dir.path() + QStringLiteral("\\LANGUAGE\\deutsch.LNG ");
    QCOMPARE(ini.Read_INI(asWritten, QStringLiteral("frmMain"), QStringLiteral("Caption")),
             QStringLiteral("Planung"));
    QVERIFY(ini.Write_INI(asWritten, QStringLiteral("frmMain"), QStringLiteral("Caption"),
                          QStringLiteral("Neu")));
    QCOMPARE(QDir(path(QStringLiteral("Language"))).entryList(QDir::Files),
             QStringList{"Deutsch.lng"});
    QCOMPARE(readFile(path(QStringLiteral("Language/Deutsch.lng"))),
             QByteArray("[frmMain]\r\nCaption=Neu\r\n"));
}

void VixIniHandlingTest::writeKeepsPermissionsAndLinks()
{
    const QString file = path(QStringLiteral("perm.ini"));
    QVERIFY(writeFile(file, "[S]\r\nk=1\r\n"));
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(file, mode));
    QVERIFY(ini.Write_INI(file, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2")));
    QCOMPARE(QFile::permissions(file) & 0x7077, mode); // owner, group, others

    // A profile reached through a link is written where the link points.
    const QString link = path(QStringLiteral("link.ini"));
    QVERIFY(QFile::link(file, link));
    QVERIFY(ini.Write_INI(link, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("3")));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readFile(file), QByteArray("[S]\r\nk=3\r\n"));
    QCOMPARE(ini.Read_INI(file, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("3"));
}

void VixIniHandlingTest::batchSavesOnce()
{
    const QString file = path(QStringLiteral("project.sti"));
    QVERIFY(writeFile(file, "; project\r\n[Page1]\r\n0=old\r\n"));
    {
        vc::IniBatch batch(file);
        {
            vc::IniBatch nested(file);
            for (int i = 0; i < 3; ++i)
                QVERIFY(ini.Write_INI(file, QStringLiteral("Page1"), QString::number(i),
                                      QString::number(i * 10)));
        }
        QVERIFY(ini.WriteArray(file, QStringLiteral("Basket"),
                               {QStringLiteral("a"), QStringLiteral("b")}));
        // Inside the batch the writes read back, and the disk is untouched.
        QCOMPARE(ini.Read_INI(file, QStringLiteral("page1"), QStringLiteral("2")),
                 QStringLiteral("20"));
        QCOMPARE(readFile(file), QByteArray("; project\r\n[Page1]\r\n0=old\r\n"));
        QVERIFY(batch.commit());
        QVERIFY(batch.commit());
    }
    QCOMPARE(readFile(file), QByteArray("; project\r\n[Page1]\r\n0=0\r\n1=10\r\n2=20\r\n"
                                        "[Basket]\r\n0=a\r\n1=b\r\n"));
    vc::IniStore::clearCache();
    QCOMPARE(ini.Read_INI(file, QStringLiteral("Basket"), QStringLiteral("1")),
             QStringLiteral("b"));

    // A new file comes into being at the end of the batch.
    const QString fresh = path(QStringLiteral("fresh.sti"));
    {
        vc::IniBatch batch(fresh);
        QVERIFY(
            ini.Write_INI(fresh, QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v")));
        QVERIFY(!QFile::exists(fresh));
    }
    QCOMPARE(readFile(fresh), QByteArray("[A]\r\nk=v\r\n"));

    // A read-only file refuses at once.
    QVERIFY(QFile::setPermissions(fresh, QFileDevice::ReadOwner));
    {
        vc::IniBatch batch(fresh);
        QVERIFY(
            !ini.Write_INI(fresh, QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("w")));
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
    const QString file = path(QStringLiteral("bad.ini"));
    QVERIFY(writeFile(file, content));
    ini.Read_INI(file, QStringLiteral("S"), QStringLiteral("k"));
    QStringList list;
    ini.ReadSection(file, QStringLiteral("S"), list);
    QVERIFY(ini.ReadAllSectionTitle(file, list));
    // A write adds its lines and keeps every byte that was there.
    QVERIFY(ini.Write_INI(file, QStringLiteral("Added"), QStringLiteral("key"),
                          QStringLiteral("value")));
    const QByteArray after = readFile(file);
    QVERIFY(after.size() > content.size());
    QVERIFY(after.startsWith(content));
    QCOMPARE(ini.Read_INI(file, QStringLiteral("added"), QStringLiteral("KEY")),
             QStringLiteral("value"));
}

QTEST_GUILESS_MAIN(VixIniHandlingTest)
#include "vixinihandlingtest.moc"
