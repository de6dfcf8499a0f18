#include "testsupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The calc command line as a planner meets it: its options, its errors and
// the numbers of the environment's locale.
class CliCalcTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void badInput_data();
    void badInput();
    void newProjectInLocales_data();
    void newProjectInLocales();
    void plainOutputListsEveryField();

private:
    struct Run {
        int exitCode = -1;
        QByteArray out, err;
    };
    Run run(const QStringList &args, const QString &locale = QStringLiteral("C"));
};

CliCalcTest::Run CliCalcTest::run(const QStringList &args, const QString &locale)
{
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    cli.setProcessEnvironment(env);
    cli.start(vc::test::binDir() + QStringLiteral("/veltranncalc-cli"), QStringList{"calc"} + args);
    Run result;
    if (cli.waitForFinished(30000) && cli.exitStatus() == QProcess::NormalExit)
        result.exitCode = cli.exitCode();
    result.out = cli.readAllStandardOutput();
    result.err = cli.readAllStandardError();
    return result;
}

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
    QTest::newRow("language without a file") << QStringList{"--new", "--language", "Klingon"} << "no language file";
    QTest::newRow("unknown option") << QStringList{"--new", "--fast"} << "unknown option";
}

void CliCalcTest::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    const Run r = run(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(says), r.err.constData());
}

void CliCalcTest::newProjectInLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QStringList>("fields"); // Label20(4), Label20(5), Label20(6), Label30(3), Text3(3), Label30(4)
    QTest::newRow("C metric") << "C" << "metric" << QStringList{"1.12", "12.7", "539", "900", "8.8", "35"};
    QTest::newRow("en_US metric") << "en_US.UTF-8" << "metric" << QStringList{"1.12", "12.7", "539", "900", "8.8", "35"};
    QTest::newRow("de_DE metric") << "de_DE.UTF-8" << "metric" << QStringList{"1,12", "12,7", "539", "900", "8,8", "35"};
    QTest::newRow("C US") << "C" << "us" << QStringList{"0.07", "30.3", "1,821", "35.4", "4.3", "1.38"};
    QTest::newRow("de_DE US") << "de_DE.UTF-8" << "us" << QStringList{"0,07", "30,3", "1.821", "35,4", "4,3", "1,38"};
}

void CliCalcTest::newProjectInLocales()
{
    QFETCH(QString, locale);
    QFETCH(QString, units);
    QFETCH(QStringList, fields);
    const Run r = run({"--new", "--units", units, "--json"}, locale);
    QCOMPARE(r.exitCode, 0);
    const QJsonObject out = QJsonDocument::fromJson(r.out).object();
    const QJsonObject f = out.value(QLatin1String("fields")).toObject();
    QCOMPARE(f.size(), 51);
    QCOMPARE((QStringList{f.value("Label20(4)").toString(), f.value("Label20(5)").toString(),
                          f.value("Label20(6)").toString(), f.value("Label30(3)").toString(),
                          f.value("Text3(3)").toString(), f.value("Label30(4)").toString()}),
             fields);
    QCOMPARE(f.value("Label20(8)").toString(), QStringLiteral("1534"));
    QCOMPARE(out.value(QLatin1String("no_model_found")).toBool(), false);
    // No family was chosen: the distance page asked once, and No was the answer.
    QCOMPARE(out.value(QLatin1String("messages")).toArray().size(), 1);
}

void CliCalcTest::plainOutputListsEveryField()
{
    const Run r = run({"--new", "--family", "0"});
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = QString::fromUtf8(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.contains(QStringLiteral("Label20(7): Tavro 500")));
    QVERIFY(lines.contains(QStringLiteral("Label30(12): 6 / 10")));
    QCOMPARE(lines.first(), QStringLiteral("Text1(0): "));
}

QTEST_GUILESS_MAIN(CliCalcTest)
#include "clicalctest.moc"
