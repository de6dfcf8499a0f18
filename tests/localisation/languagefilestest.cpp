#include "captionkeys.h"
#include "datarows.h"
#include "ini/vixinihandling.h"
#include "io/codepage1252.h"
#include "testsupport.h"
#include "unitlabels.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

using namespace vc;

namespace {

const QStringList languages{"English", "Deutsch", QString::fromUtf8("Français"), "Polski"};

// A shipped file: "Language/Deutsch", "Unit/SI".
QString shipped(const QString &name)
{
    return vc::test::dataDir() + QLatin1Char('/') + name + QStringLiteral(".lng");
}

// The keys of a section in file order, trimmed and in lower case, as the
// profile functions match them; with their values when asked for.
QStringList keys(const QString &file, const QString &section, QStringList *values = nullptr)
{
    QStringList lines, result;
    VixIniHandling().ReadSection(file, section, lines);
    for (const QString &line : lines) {
        result.append(line.section(QLatin1Char('='), 0, 0).trimmed().toLower());
        if (values)
            values->append(line.section(QLatin1Char('='), 1));
    }
    return result;
}

QStringList normalised(const QStringList &keys)
{
    QStringList result;
    for (const QString &key : keys)
        result.append(key.trimmed().toLower());
    return result;
}

// A text a language may give as English does (see sameasenglish.tsv).
bool sameAsEnglish(const QString &language, const QString &text)
{
    static const auto rows = vc::test::readTable("sameasenglish.tsv", 2);
    for (const auto &r : rows)
        if ((r[0] == "*" || vc::test::text(r[0]) == language) && vc::test::text(r[1]) == text)
            return true;
    return false;
}

} // namespace

// The shipped language and unit files against the keys the windows read.
class LanguageFilesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void languageFileHoldsExactlyTheKeysRead_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("section");
        for (const QString &language : languages)
            for (const QString &section : CaptionKeys::sections())
                QTest::newRow(qPrintable(language + QLatin1Char('/') + section))
                    << language << section;
    }

    void languageFileHoldsExactlyTheKeysRead()
    {
        QFETCH(QString, language);
        QFETCH(QString, section);
        const QStringList inFile = keys(shipped("Language/" + language), section);

        // Same keys in the same order, no key twice, none the program never reads.
        QCOMPARE(inFile, normalised(CaptionKeys::allKeys(section)));
        QCOMPARE(QSet<QString>(inFile.begin(), inFile.end()).size(), inFile.size());

        QStringList titles;
        QVERIFY(VixIniHandling().ReadAllSectionTitle(shipped("Language/" + language), titles));
        QCOMPARE(normalised(titles), normalised(CaptionKeys::sections()));

        // Every key read as the windows read it, spelling quirks included: a text
        // that fits, and translated unless the word is the same in that language.
        static const QRegularExpression englishWords(
            "\\b(the|please|and|with|steam|load|choose|save|duct|pipe)\\b",
            QRegularExpression::CaseInsensitiveOption);
        const VixIniHandling ini;
        for (const QString &key : CaptionKeys::allKeys(section)) {
            const QString text = ini.Read_INI(shipped("Language/" + language), section, key);
            const QString where = section + QLatin1Char('/') + key + QStringLiteral(": ") + text;
            QVERIFY2(!text.trimmed().isEmpty() && text.size() < 254, qPrintable(where));
            if (language == QLatin1String("English"))
                continue;
            if (text == ini.Read_INI(shipped("Language/English"), section, key))
                QVERIFY2(sameAsEnglish(language, text), qPrintable(where));
            QVERIFY2(!englishWords.match(text).hasMatch(), qPrintable(where));
        }
    }

    void codePages_data() { vc::test::addRows("codepages.tsv"); }
    void codePages()
    {
        QFETCH(QString, file);
        QFETCH(bool, utf8);
        QFETCH(QString, sample);
        const QByteArray bytes = vc::test::readFile(vc::test::dataDir() + QLatin1Char('/') + file);
        QVERIFY(!bytes.isEmpty());

        QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), utf8);
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\r'));
        QVERIFY(bytes.endsWith("\r\n"));
        QString text;
        if (utf8) {
            QStringDecoder decoder(QStringDecoder::Utf8);
            text = decoder(bytes.mid(3));
            QVERIFY(!decoder.hasError());
        } else {
            for (const char unassigned : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
                QVERIFY(!bytes.contains(unassigned));
            text = decode1252(bytes);
        }
        QVERIFY2(text.contains(sample), qPrintable(sample));
    }

    void unitFilesHoldExactlyTheKeysRead_data()
    {
        QTest::addColumn<QString>("section");
        for (const QString &section : UnitLabels::windows())
            QTest::newRow(qPrintable(section)) << section;
    }

    // Both files hold the keys read, in order, each filled; each US label names the
    // unit the conversions produce, none metric.
    void unitFilesHoldExactlyTheKeysRead()
    {
        QFETCH(QString, section);
        static const QRegularExpression metric("\\b(m3|m|mm|kg|g/kg|hPa|mbar|m/s)\\b|°C");
        QStringList expected, si, us, titles;
        for (const UnitLabels::Entry &entry : UnitLabels::keys(section))
            expected.append(entry.key.trimmed().toLower());
        QCOMPARE(keys(shipped("Unit/SI"), section, &si), expected);
        QCOMPARE(keys(shipped("Unit/USA"), section, &us), expected);
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const QString where =
                expected[i] + QStringLiteral(": ") + si[i] + QStringLiteral(" / ") + us[i];
            QVERIFY2(!si[i].isEmpty() && !us[i].isEmpty(), qPrintable(where));
            QVERIFY2(!metric.match(us[i]).hasMatch(), qPrintable(where));
            QVERIFY2(us[i] != si[i] || si[i] == QLatin1String("%"), qPrintable(where));
        }
        for (const QString file : {"Unit/SI", "Unit/USA"}) {
            QVERIFY(VixIniHandling().ReadAllSectionTitle(shipped(file), titles));
            QCOMPARE(titles, UnitLabels::windows());
        }
    }

    void installedBesideTheExecutable()
    {
        using vc::test::binDir, vc::test::dataDir, vc::test::readFile;
        if (!QDir(binDir() + QStringLiteral("/Language")).exists())
            QSKIP("installation data not laid beside the executables in this build");
        for (const QString folder : {"/Language/", "/Unit/"})
            for (const QString &file : QDir(dataDir() + folder).entryList(QDir::Files))
                QCOMPARE(readFile(binDir() + folder + file), readFile(dataDir() + folder + file));
    }
};

QTEST_GUILESS_MAIN(LanguageFilesTest)
#include "languagefilestest.moc"
