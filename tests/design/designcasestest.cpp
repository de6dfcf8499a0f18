#include "datarows.h"
#include "ini/vixinihandling.h"
#include "readback.h"
#include "testsupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString casesDir()
{
    return vc::test::sharedDir() + QStringLiteral("/design-cases");
}

QString languageText(const QString &key)
{
    return vc::VixIniHandling().Read_INI(vc::test::binDir() + "/Language/English.lng", "frmMain",
                                         key);
}

// "@key" and "@a + b" resolved against the main window's section.
QString expectedText(const QString &value)
{
    if (!value.startsWith(QLatin1Char('@')))
        return value;
    QStringList parts;
    for (const QString &key : value.mid(1).split(" + "))
        parts.append(languageText(key.trimmed()));
    return parts.join(QLatin1Char(' '));
}

// The calc command in the locale given.
vc::test::CliRun calc(const QStringList &args, const QByteArray &locale = "C")
{
    qputenv("LC_ALL", locale);
    return vc::test::runCli(QStringList{"calc"} + args);
}

} // namespace

// Runs every worked design case through the command line, as a planner would,
// and compares each listed field, the message boxes and the no-model flag; and
// the calc command's options, its errors and the numbers of the environment's
// locale.
class DesignCasesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The cases name their project files relative to their folder, in the C locale.
    void initTestCase() { QVERIFY(QDir::setCurrent(casesDir())); }
    void init() { qputenv("LC_ALL", "C"); }
    void designCase_data()
    {
        QTest::addColumn<QString>("jsonFile");
        const QStringList cases = QDir(casesDir()).entryList({"*.json"}, QDir::Files, QDir::Name);
        QVERIFY2(cases.size() >= 40, qPrintable(casesDir()));
        for (const QString &file : cases)
            QTest::newRow(qPrintable(QFileInfo(file).completeBaseName())) << file;
    }

    void designCase()
    {
        QFETCH(QString, jsonFile);
        const QJsonObject expected =
            QJsonDocument::fromJson(vc::test::readFile(casesDir() + QLatin1Char('/') + jsonFile))
                .object();
        QStringList args = expected.value(QLatin1String("command"))
                               .toString()
                               .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(args.value(0), QStringLiteral("veltranncalc-cli"));
        args.removeFirst();

        const vc::test::CliRun cli = vc::test::runCli(args);
        QVERIFY2(cli.status == 0, qPrintable(cli.err));
        QJsonParseError error{};
        const QJsonObject actual = QJsonDocument::fromJson(cli.out.toUtf8(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));

        const QJsonObject fields = actual.value(QLatin1String("fields")).toObject();
        const QJsonObject expectedFields = expected.value(QLatin1String("fields")).toObject();
        for (auto it = expectedFields.begin(); it != expectedFields.end(); ++it)
            QCOMPARE(it.key() + ": " + fields.value(it.key()).toString("<missing>"),
                     it.key() + ": " + expectedText(it.value().toString()));
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            const QString text = it.value().toString();
            QVERIFY2(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                         !text.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                     qPrintable(it.key() + QLatin1String(": ") + text));
        }

        QStringList messages;
        for (const QJsonValue &key : expected.value(QLatin1String("message_keys")).toArray()) {
            const QString k = key.toString();
            const QString second =
                k == QLatin1String("msgbox1") ? QStringLiteral("msgbox2") : QStringLiteral("msg22");
            messages.append(languageText(k) + QStringLiteral("\r\n") + languageText(second));
        }
        QStringList shown;
        for (const QJsonValue &message : actual.value(QLatin1String("messages")).toArray())
            shown.append(message.toString());
        QCOMPARE(shown, messages);
        QCOMPARE(actual.value(QLatin1String("no_model_found")).toBool(),
                 expected.value(QLatin1String("no_model_found")).toBool());
    }

    void badInput_data() { vc::test::addRows("clibadinput.tsv"); }
    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, says);
        static QTemporaryDir folder;
        args.replaceInStrings("PICTURE",
                              vc::test::dataDir() + QStringLiteral("/Docs/img/U-oskel.jpg"));
        args.replaceInStrings("FOLDER", folder.path());
        const vc::test::CliRun r = calc(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
    }

    void newProjectInLocales_data() { vc::test::addRows("clilocales.tsv"); }
    void newProjectInLocales()
    {
        QFETCH(QString, locale);
        QFETCH(QString, units);
        QFETCH(QStringList, fields);
        const vc::test::CliRun r = calc({"--new", "--units", units, "--json"}, locale.toLatin1());
        QCOMPARE(r.status, 0);
        const QJsonObject out = QJsonDocument::fromJson(r.out.toUtf8()).object();
        const QJsonObject f = out.value(QLatin1String("fields")).toObject();
        QCOMPARE(f.size(), 51);
        QStringList got;
        for (const char *name : {"Label20(4)", "Label20(5)", "Label20(6)", "Label30(3)", "Text3(3)",
                                 "Label30(4)", "Label20(8)"})
            got << f.value(QLatin1String(name)).toString();
        QCOMPARE(got, fields);
        QCOMPARE(out.value(QLatin1String("no_model_found")).toBool(), false);
        // No family was chosen: the distance page asked once, and No was the answer.
        QCOMPARE(out.value(QLatin1String("messages")).toArray().size(), 1);
    }

    void plainOutputListsEveryField()
    {
        const vc::test::CliRun r = calc({"--new", "--family", "0"});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lines.contains("Label20(7): Tavro 500"));
        QVERIFY(lines.contains("Label30(12): 6 / 10"));
        QCOMPARE(lines.first(), QStringLiteral("Text1(0): "));
    }
};

QTEST_GUILESS_MAIN(DesignCasesTest)
#include "designcasestest.moc"
