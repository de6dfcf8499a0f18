#include "datarows.h"
#include "readback.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The calc command in the locale given.
vc::test::CliRun calc(const QStringList &args, const QByteArray &locale = "C")
{
    qputenv("LC_ALL", locale);
    return vc::test::runCli(QStringList{"calc"} + args);
}
} // namespace

// The calc command line as a planner meets it: its options, its errors and
// the numbers of the environment's locale.
class CliCalcTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanupTestCase() { qputenv("LC_ALL", "C"); }
    void badInput_data() { vc::test::addRows(QStringLiteral("clibadinput.tsv")); }
    void badInput();
    void newProjectInLocales_data() { vc::test::addRows(QStringLiteral("clilocales.tsv")); }
    void newProjectInLocales();
    void plainOutputListsEveryField();
};

void CliCalcTest::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    static QTemporaryDir folder;
    args.replaceInStrings(QStringLiteral("PICTURE"),
                          vc::test::dataDir() + QStringLiteral("/Docs/img/U-oskel.jpg"));
    args.replaceInStrings(QStringLiteral("FOLDER"), folder.path());
    const vc::test::CliRun r = calc(args);
    QCOMPARE(r.status, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
}

void CliCalcTest::newProjectInLocales()
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
    for (const char *name :
         {"Label20(4)", "Label20(5)", "Label20(6)", "Label30(3)", "Text3(3)", "Label30(4)"})
        got << f.value(QLatin1String(name)).toString();
    QCOMPARE(got, fields);
    QCOMPARE(f.value("Label20(8)").toString(), QStringLiteral("1534"));
    QCOMPARE(out.value(QLatin1String("no_model_found")).toBool(), false);
    // No family was chosen: the distance page asked once, and No was the answer.
    QCOMPARE(out.value(QLatin1String("messages")).toArray().size(), 1);
}

void CliCalcTest::plainOutputListsEveryField()
{
    const vc::test::CliRun r = calc({"--new", "--family", "0"});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.contains(QStringLiteral("Label20(7): Tavro 500")));
    QVERIFY(lines.contains(QStringLiteral("Label30(12): 6 / 10")));
    QCOMPARE(lines.first(), QStringLiteral("Text1(0): "));
}

QTEST_GUILESS_MAIN(CliCalcTest)
#include "clicalctest.moc"
