#include "distributorsizing.h"
#include "datarows.h"
#include "designfixture.h"
#include "selectedhumidifier.h"

#include <QtTest>

using namespace vc;
using vc::test::addRows;
using vc::test::DesignFixture;

namespace {
// The model figures the distance page shows: power, width, height, depth.
QStringList modelFigures(MainForm &f)
{
    return {f.Label20(10).text(), f.Label20(11).text(), f.Label20(12).text(), f.Label20(13).text()};
}
} // namespace

class DistributorSizingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pipeLength_data() { addRows(QStringLiteral("pipelength.tsv")); }
    void pipeLength();
    void modelData_data() { addRows(QStringLiteral("modeldata.tsv")); }
    void modelData();
    void capacityOfSizeCode_data() { addRows(QStringLiteral("capacityofcode.tsv")); }
    void capacityOfSizeCode();
    void smallCodeSetsTheCapacity();
    void roomOnlyFamilyHidesTheDuct();
    void usUnitsShowInches();
    void noModelRowKeepsTheOldTexts();
};

void DistributorSizingTest::pipeLength()
{
    QFETCH(double, steam);
    QFETCH(double, width);
    QFETCH(QString, length);
    QCOMPARE(DistributorSizing::pipeLengthText(steam, width), length);
}

void DistributorSizingTest::modelData()
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
void DistributorSizingTest::capacityOfSizeCode()
{
    QFETCH(QString, code);
    QFETCH(QString, capacity);
    QCOMPARE(SelectedHumidifier::capacityOf(code), capacity);
}

void DistributorSizingTest::smallCodeSetsTheCapacity()
{
    DesignFixture fx;
    fx.f().Text3(4).setText(QStringLiteral("4"));
    fx.f().Text3(1).setText(QStringLiteral("1000"));
    fx.f().Label20(8).setText(QStringLiteral("322"));
    fx.f().Label20(7).setText(QStringLiteral("Quenil 500"));
    fx.f().btnCalcHumid_Click();
    QCOMPARE(fx.f().Label30(11).text(), QStringLiteral("322"));
    QCOMPARE(fx.f().Text3(4).text(), QStringLiteral("3"));
    QCOMPARE(fx.f().Label30(3).text(), QStringLiteral("850")); // the pipe still sized for 4 kg/h
    QCOMPARE(fx.f().Label20(10).text(), QStringLiteral("3"));  // model data for "3": 4 or less
}

void DistributorSizingTest::roomOnlyFamilyHidesTheDuct()
{
    DesignFixture fx;
    fx.f().Combo2(5).setText(QStringLiteral("1"));
    fx.f().Label20(8).setText(QStringLiteral("322"));
    fx.f().Image9_Click(3);
    fx.f().selectPage(MainForm::DistancePage);
    QCOMPARE(fx.f().Label30(0).text(), QStringLiteral("Dremon 500"));
    QCOMPARE(fx.f().Text3(4).text(), QStringLiteral("3"));
    QCOMPARE(modelFigures(fx.f()), (QStringList{"2.2", "250", "650", "195"}));
    for (int i : {1, 2, 5})
        QVERIFY(!fx.f().Text3(i).isVisible());
    QVERIFY(!fx.f().Label30(3).isVisible());
    QVERIFY(!fx.f().Label30(6).isVisible());
    QCOMPARE(fx.f().Label30(10).text(), QString());
    QCOMPARE(fx.f().Label30(5).text(),
             DesignFixture::text(QStringLiteral("noDuct")) + QStringLiteral(" Duct application"));

    // Another family brings the duct back.
    fx.f().Label20(8).setText(QStringLiteral("422"));
    fx.f().Image9_Click(0);
    fx.f().selectPage(MainForm::FamilyPage);
    fx.f().selectPage(MainForm::DistancePage);
    QVERIFY(fx.f().Text3(1).isVisible());
    QVERIFY(fx.f().Label30(6).isVisible());
    QCOMPARE(fx.f().Label30(10).text(), DesignFixture::text(QStringLiteral("Label30(10).Caption")));
}

void DistributorSizingTest::usUnitsShowInches()
{
    DesignFixture fx(1);
    fx.f().Text2(0).setText(QStringLiteral("1000")); // a small load: 4 kg/h, 9 lb/h
    fx.f().btnCalc_Click();
    QCOMPARE(fx.f().Label20(8).text(), QStringLiteral("434"));
    QCOMPARE(fx.f().Text3(4).text(), QStringLiteral("9"));
    fx.f().Image9_Click(0);
    fx.f().btnCalcHumid_Click();
    // 390 × 585 × 230 mm
    QCOMPARE(modelFigures(fx.f()), (QStringList{"3", "15.4", "23.0", "9.1"}));
    QCOMPARE(fx.f().Label30(12).text(), QStringLiteral("0.2/0.4"));
    // Running again does not divide again.
    fx.f().btnCalcHumid_Click();
    QCOMPARE(modelFigures(fx.f()), (QStringList{"3", "15.4", "23.0", "9.1"}));
}

void DistributorSizingTest::noModelRowKeepsTheOldTexts()
{
    DesignFixture fx;
    fx.f().btnCalc_Click();
    fx.f().Image9_Click(2);
    fx.f().btnCalcHumid_Click();
    QCOMPARE(fx.f().Label20(10).text(), QStringLiteral("11.4"));
    fx.f().Text3(4).setText(QStringLiteral("90"));
    fx.f().btnCalcHumid_Click();
    QCOMPARE(fx.f().Label20(10).text(), QStringLiteral("11.4"));
}

QTEST_GUILESS_MAIN(DistributorSizingTest)
#include "distributorsizingtest.moc"
