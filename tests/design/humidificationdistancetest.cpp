#include "humidificationdistance.h"
#include "datarows.h"
#include "designfixture.h"

#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;

using Distance = HumidificationDistance;

namespace {
// The worked example: 2500 m³/h through 1000 × 500 mm, 8 g/kg at 22 °C, 23 kg/h
// on one 900 mm pipe.
Distance::Inputs worked()
{
    return {2500, 1000, 500, 8, 22, 23, 1, 900};
}
} // namespace

class HumidificationDistanceTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExample_data();
    void workedExample();
    void morePipesShortenTheDistance();
    void usDisplay();
    void velocityLimit_data();
    void velocityLimit();
    void temperatureWarning_data() { vc::test::addRows(QStringLiteral("temperaturewarning.tsv")); }
    void temperatureWarning();
};

void HumidificationDistanceTest::workedExample_data()
{
    QTest::addColumn<double>("steam");
    QTest::addColumn<QStringList>("texts");
    // V = 2500 / (0.0036 · 1000 · 500) = 1.389 m/s
    // K = (11.4 + 1.5 · 1.179) · 2.718^((−0.175 + 0.00025 · 1.929) · (22 − 9.92)) = 13.168 · 0.1215
    // = 1.600 BN = 1.600 · (230 / 900)^0.5 = 0.809 → 0.8; 5, 2.5, 1.5, 1 × 0.8
    QTest::newRow("23 kg/h") << 23.0
                             << QStringList{"1.4", "1.6", "900", "0.8", "4.0", "2.0", "1.2", "0.8"};
    // BN = 1.600 · (150 / 900)^0.5 = 0.653 → 0.7: the minimum distances follow the 0.7 shown
    QTest::newRow("15 kg/h, rounded distance")
        << 15.0 << QStringList{"1.4", "1.6", "900", "0.7", "3.5", "1.8", "1.1", "0.7"};
    QTest::newRow("no steam") << 0.0 << QStringList{"1.4", "1.6", "900", "0.0",
                                                    "0.0", "0.0", "0.0", "0.0"};
}

void HumidificationDistanceTest::workedExample()
{
    QFETCH(double, steam);
    QFETCH(QStringList, texts);
    QLocale::setDefault(QLocale::c());
    Distance::Inputs in = worked();
    in.steamOutput = steam;
    const Distance::Texts t = Distance::compute(in, false);
    QCOMPARE((QStringList{t.velocity, t.factorK, t.pipeLength, t.distance, t.minimum[0],
                          t.minimum[1], t.minimum[2], t.minimum[3]}),
             texts);
    QLocale::setDefault(QLocale());
}

void HumidificationDistanceTest::morePipesShortenTheDistance()
{
    const double k = Distance::factorK(Distance::airVelocity(2500, 1000, 500), 22, 8);
    const double one = Distance::distance(k, 23, 900, 1);
    QVERIFY(std::abs(Distance::distance(k, 23, 900, 2) / one - std::sqrt(0.5)) < 1e-12);
    QVERIFY(std::isnan(Distance::distance(k, 23, 900, 0)));
    QVERIFY(std::isnan(Distance::airVelocity(2500, 0, 500)));
    // A velocity that cannot be evaluated counts as 0: K = 11.4 · 2.718^(−0.175 · 12.08)
    QVERIFY(std::abs(Distance::factorK(Distance::airVelocity(2500, 0, 500), 22, 8) - 1.37690) <
            1e-5);
}

void HumidificationDistanceTest::usDisplay()
{
    QLocale::setDefault(QLocale::c());
    // 900 mm = 35.4 in; BN_US = K (10 · 50.7 lb/h · 0.45359237 / (35.4 · 25.4 · 1))^0.5 / 0.3048
    Distance::Inputs in = worked();
    in.steamOutput = 50.7 * 0.45359237;
    const Distance::Texts t = Distance::compute(in, true, 50.7);
    QCOMPARE(t.velocity, QStringLiteral("273")); // 1.389 m/s ÷ 0.00508
    QCOMPARE(t.pipeLength, QStringLiteral("35.4"));
    QCOMPARE(t.distance, QStringLiteral("2.7")); // 0.809 m ÷ 0.3048 = 2.65 ft
    QCOMPARE(t.minimum[0], QStringLiteral("13.5"));
    QLocale::setDefault(QLocale());
}

void HumidificationDistanceTest::velocityLimit_data()
{
    QTest::addColumn<QString>("airFlow");
    QTest::addColumn<bool>("distancesShown");
    // 1000 × 500 mm: 1800 m³/h per m/s
    QTest::newRow("9.99 m/s") << "17982" << true;
    QTest::newRow("10 m/s exactly") << "17999.99" << true;
    QTest::newRow("10.01 m/s") << "18018" << false;
}

void HumidificationDistanceTest::velocityLimit()
{
    QFETCH(QString, airFlow);
    QFETCH(bool, distancesShown);
    DesignFixture fx;
    fx.f().Text2(0).setText(airFlow);
    fx.f().btnCalc_Click();
    fx.f().btnCalcHumid_Click();
    QCOMPARE(fx.f().Label30(10).isVisible(), !distancesShown);
    for (int i = 6; i <= 9; ++i)
        QCOMPARE(fx.f().Label30(i).isVisible(), distancesShown);
    for (int i = 13; i <= 17; ++i)
        QCOMPARE(fx.f().Label3(i).isVisible(), distancesShown);
    QCOMPARE(fx.f().Einheit(10).isVisible(), distancesShown);
}

void HumidificationDistanceTest::temperatureWarning()
{
    QFETCH(int, units);
    QFETCH(QString, temperature);
    QFETCH(bool, warned);
    DesignFixture fx(units);
    fx.f().btnCalc_Click();
    fx.f().Combo3(0).setText(temperature);
    fx.f().btnCalcHumid_Click();
    QCOMPARE(fx.messages.texts(),
             warned ? QStringList{DesignFixture::rangeWarning()} : QStringList{});
    QVERIFY(!fx.f().Label30(5).text().isEmpty()); // the computation went on
}

QTEST_GUILESS_MAIN(HumidificationDistanceTest)
#include "humidificationdistancetest.moc"
