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
    void badInput_data();
    void badInput();
    void newProjectInLocales_data();
    void newProjectInLocales();
    void plainOutputListsEveryField();
};

void CliCalcTest::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    static QTemporaryDir dir;
    const QString picture = vc::test::dataDir() + QStringLiteral("/Docs/img/U-oskel.jpg");
    const QString folder = dir.path();
    QTest::newRow("missing project file") << QStringList{"/nowhere/none.sti"} << "not found";
    QTest::newRow("a picture is no project") << QStringList{picture} << "not a project file";
    QTest::newRow("a folder is no project") << QStringList{folder} << "cannot be read";
    QTest::newRow("no project and no --new") << QStringList{"--json"} << "no project file";
    QTest::newRow("both a project and --new") << QStringList{picture, "--new"} << "not both";
    QTest::newRow("unknown units") << QStringList{"--new", "--units", "imperial"} << "metric or us";
    QTest::newRow("units without a value") << QStringList{"--new", "--units"} << "--units";
    QTest::newRow("family 6") << QStringList{"--new", "--family", "6"} << "0 to 5";
    QTest::newRow("family abc") << QStringList{"--new", "--family", "abc"} << "0 to 5";
    QTest::newRow("language without a file")
        << QStringList{"--new", "--language", "Klingon"} << "no language file";
    QTest::newRow("unknown option") << QStringList{"--new", "--fast"} << "unknown option";
}

void CliCalcTest::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    const vc::test::CliRun r = calc(args);
    QCOMPARE(r.status, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
}

void CliCalcTest::newProjectInLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QStringList>(
        "fields"); // Label20(4), Label20(5), Label20(6), Label30(3), Text3(3), Label30(4)
    QTest::newRow("C metric") << "C"
                              << "metric" << QStringList{"1.12", "12.7", "539", "900", "8.8", "35"};
    QTest::newRow("en_US metric") << "en_US.UTF-8"
                                  << "metric"
                                  << QStringList{"1.12", "12.7", "539", "900", "8.8", "35"};
    QTest::newRow("de_DE metric") << "de_DE.UTF-8"
                                  << "metric"
                                  << QStringList{"1,12", "12,7", "539", "900", "8,8", "35"};
    QTest::newRow("C US") << "C"
                          << "us" << QStringList{"0.07", "30.3", "1,821", "35.4", "4.3", "1.38"};
    QTest::newRow("de_DE US") << "de_DE.UTF-8"
                              << "us"
                              << QStringList{"0,07", "30,3", "1.821", "35,4", "4,3", "1,38"};
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
