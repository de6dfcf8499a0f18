#include "psychrometrics.h"
#include "datarows.h"

#include <cmath>
#include <QtTest>

using namespace vc;

// The relations are checked against values worked by hand from their own
// constants (to the digits given), and against textbook tables to show they
// were typed right. Textbook differences, written down once:
//   saturation pressure over water (IAPWS): 0 °C 6.112, 20 °C 23.39, 30 °C 42.47,
//   50 °C 123.5, -5 °C 4.217, -20 °C 1.254 hPa; ours 6.110, 23.37, 42.42, 123.34,
//   4.219, 1.262 -- within 0.7 %, the fit's own error.
//   humidity ratio 22 °C / 50 % at 1013.25 hPa: 8.30 g/kg (ASHRAE); ours 8.22.
//   dry air 20 °C at 1013.25 hPa: 1.204 kg/m³; ours 1.2039.
//   standard atmosphere: 950 hPa at 540 m, 1000 m at 898.8 hPa; ours 539.3 m, 898.54 hPa (0.00651
//   K/m against 0.0065).
class PsychrometricsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void relations_data() { vc::test::addRows(QStringLiteral("relations.tsv")); }
    void relations();
    void altitudeRoundTrip();
    void relationsThatCannotBeEvaluated_data();
    void relationsThatCannotBeEvaluated();
};

void PsychrometricsTest::relations()
{
    QFETCH(QString, relation);
    QFETCH(QStringList, inputs);
    QList<double> in;
    for (const QString &input : inputs)
        in << input.toDouble();
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const double got = relation == QLatin1String("ps")    ? SaturationPressure(in[0])
                       : relation == QLatin1String("x")   ? HumidityRatio(in[0], in[1], in[2])
                       : relation == QLatin1String("rho") ? MoistAirDensity(in[0], in[1], in[2])
                                                          : AltitudeFromPressure(in[0]);
    QVERIFY2(std::abs(got - expected) <= tolerance, qPrintable(QString::number(got, 'g', 12)));
}

void PsychrometricsTest::altitudeRoundTrip()
{
    for (double p : {750.0, 898.5391, 950.0, 1013.25, 1050.0}) {
        const double back = PressureFromAltitude(AltitudeFromPressure(p));
        QVERIFY2(std::abs(back - p) <= 0.00005 + 1e-9, qPrintable(QString::number(back, 'g', 12)));
        QCOMPARE(std::round(back * 10000) / 10000, back); // four decimals
    }
    QVERIFY(std::abs(PressureFromAltitude(1000) - 898.5391) < 0.00005);
}

void PsychrometricsTest::relationsThatCannotBeEvaluated_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("relative humidity 0 divides by zero") << HumidityRatio(20, 0, 950);
    QTest::newRow("absolute zero divides by zero") << MoistAirDensity(-273.15, 5, 950);
    QTest::newRow("negative pressure has no real altitude") << AltitudeFromPressure(-10);
    QTest::newRow("saturation above the double range") << SaturationPressure(1e100);
    QTest::newRow("pressure of the upper void") << PressureFromAltitude(1e6);
}

void PsychrometricsTest::relationsThatCannotBeEvaluated()
{
    QFETCH(double, value);
    QVERIFY(std::isnan(value));
}

QTEST_GUILESS_MAIN(PsychrometricsTest)
#include "psychrometricstest.moc"
