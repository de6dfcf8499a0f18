#include "datarows.h"
#include "designfixture.h"
#include "distributorsizing.h"
#include "humidificationdistance.h"
#include "selectedhumidifier.h"

#include <QtTest>

using namespace vc;
using vc::test::addRows;
using vc::test::DesignFixture;
using vc::test::texts;

using Distance = HumidificationDistance;

namespace {
// The model figures the distance page shows: power, width, height, depth.
QString modelFigures(MainForm &f)
{
    return texts(f, {"Label20(10)", "Label20(11)", "Label20(12)", "Label20(13)"});
}
} // namespace

// The distance page: humidification distance, pipe and model sizing.
class DistancePageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExample_data() { addRows("distanceworked.tsv"); }
    void workedExample()
    {
        QFETCH(double, steam);
        QFETCH(QStringList, texts);
        QLocale::setDefault(QLocale::c());
        // 2500 m³/h through 1000 × 500 mm, 8 g/kg at 22 °C, the steam on one 900 mm pipe
        const Distance::Texts t = Distance::compute({2500, 1000, 500, 8, 22, steam, 1, 900}, false);
        QCOMPARE((QStringList{t.velocity, t.factorK, t.pipeLength, t.distance, t.minimum[0],
                              t.minimum[1], t.minimum[2], t.minimum[3]}),
                 texts);
    }

    void morePipesShortenTheDistance()
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

    void velocityLimit_data() { addRows("velocitylimit.tsv"); }
    void velocityLimit()
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

    void temperatureWarning_data() { addRows("temperaturewarning.tsv"); }
    void temperatureWarning()
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

    void pipeLength_data() { addRows("pipelength.tsv"); }
    void pipeLength()
    {
        QFETCH(double, steam);
        QFETCH(double, width);
        QFETCH(QString, length);
        QCOMPARE(DistributorSizing::pipeLengthText(steam, width), length);
    }

    void modelData_data() { addRows("modeldata.tsv"); }
    void modelData()
    {
        QFETCH(QString, family);
        QFETCH(QString, capacity);
        QFETCH(QStringList, data);
        DistributorSizing::ModelData found;
        QCOMPARE(DistributorSizing::modelData(family, capacity, found), !data.isEmpty());
        if (!data.isEmpty())
            QCOMPARE((QStringList{found.power, found.width, found.height, found.depth}), data);
    }

    // The selected-humidifier panel finds its model by the capacity the size code names.
    void capacityOfSizeCode_data() { addRows("capacityofcode.tsv"); }
    void capacityOfSizeCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, capacity);
        QCOMPARE(SelectedHumidifier::capacityOf(code), capacity);
    }

    void smallCodeSetsTheCapacity()
    {
        DesignFixture fx;
        fx.f().Text3(4).setText("4");
        fx.f().Text3(1).setText("1000");
        fx.f().Label20(8).setText("322");
        fx.f().Label20(7).setText("Quenil 500");
        fx.f().btnCalcHumid_Click();
        // The pipe still sized for 4 kg/h, the model data for "3": 4 or less.
        QCOMPARE(texts(fx.f(), {"Label30(11)", "Text3(4)", "Label30(3)", "Label20(10)"}),
                 "322|3|850|3");
    }

    void roomOnlyFamilyHidesTheDuct()
    {
        DesignFixture fx;
        fx.f().Combo2(5).setText("1");
        fx.f().Label20(8).setText("322");
        fx.f().Image9_Click(3);
        fx.f().selectPage(MainForm::DistancePage);
        QCOMPARE(texts(fx.f(), {"Label30(0)", "Text3(4)"}), "Dremon 500|3");
        QCOMPARE(modelFigures(fx.f()), "2.2|250|650|195");
        for (const char *name : {"Text3(1)", "Text3(2)", "Text3(5)", "Label30(3)", "Label30(6)"})
            QVERIFY2(!fx.f()[name].isVisible(), name);
        QCOMPARE(fx.f().Label30(10).text(), QString());
        QCOMPARE(fx.f().Label30(5).text(),
                 DesignFixture::text("noDuct") + QStringLiteral(" Duct application"));

        // Another family brings the duct back.
        fx.f().Label20(8).setText("422");
        fx.f().Image9_Click(0);
        fx.f().selectPage(MainForm::FamilyPage);
        fx.f().selectPage(MainForm::DistancePage);
        QVERIFY(fx.f().Text3(1).isVisible());
        QVERIFY(fx.f().Label30(6).isVisible());
        QCOMPARE(fx.f().Label30(10).text(), DesignFixture::text("Label30(10).Caption"));
    }

    void usUnitsShowInches()
    {
        DesignFixture fx(1);
        fx.f().Text2(0).setText("1000"); // a small load: 4 kg/h, 9 lb/h
        fx.f().btnCalc_Click();
        QCOMPARE(texts(fx.f(), {"Label20(8)", "Text3(4)"}), "434|9");
        fx.f().Image9_Click(0);
        fx.f().btnCalcHumid_Click();
        // 390 × 585 × 230 mm
        QCOMPARE(modelFigures(fx.f()), "3|15.4|23.0|9.1");
        QCOMPARE(fx.f().Label30(12).text(), QStringLiteral("0.2/0.4"));
        // Running again does not divide again.
        fx.f().btnCalcHumid_Click();
        QCOMPARE(modelFigures(fx.f()), "3|15.4|23.0|9.1");
    }

    void noModelRowKeepsTheOldTexts()
    {
        DesignFixture fx;
        fx.f().btnCalc_Click();
        fx.f().Image9_Click(2);
        fx.f().btnCalcHumid_Click();
        QCOMPARE(fx.f().Label20(10).text(), QStringLiteral("11.4"));
        fx.f().Text3(4).setText("90");
        fx.f().btnCalcHumid_Click();
        QCOMPARE(fx.f().Label20(10).text(), QStringLiteral("11.4"));
    }
};

QTEST_GUILESS_MAIN(DistancePageTest)
#include "distancepagetest.moc"
