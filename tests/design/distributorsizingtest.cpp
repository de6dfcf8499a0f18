#include "designfixture.h"
#include "distributorsizing.h"

#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;

class DistributorSizingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pipeLength_data();
    void pipeLength();
    void modelData_data();
    void modelData();
    void smallCodeSetsTheCapacity();
    void roomOnlyFamilyHidesTheDuct();
    void usUnitsShowInches();
    void noModelRowKeepsTheOldTexts();
};

void DistributorSizingTest::pipeLength_data()
{
    QTest::addColumn<double>("steam");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("length");
    QTest::newRow("row 1: 5 kg/h, 900 mm") << 5.0 << 900.0 << "850";
    QTest::newRow("row 2: 8 kg/h, 700 mm") << 8.0 << 700.0 << "650";
    QTest::newRow("row 3: 5 kg/h, 500 mm") << 5.0 << 500.0 << "450";
    QTest::newRow("row 4: 20 kg/h, 1600 mm") << 20.0 << 1600.0 << "1500";
    QTest::newRow("row 5: 20 kg/h, 1300 mm") << 20.0 << 1300.0 << "1200";
    QTest::newRow("row 6: 20 kg/h, 1000 mm") << 20.0 << 1000.0 << "900";
    QTest::newRow("row 7: 8.5 kg/h, 700 mm") << 8.5 << 700.0 << "600";
    QTest::newRow("row 8: 80 kg/h, 500 mm") << 80.0 << 500.0 << "450";
    QTest::newRow("row 9: 40 kg/h, 500 mm") << 40.0 << 500.0 << "450";
    QTest::newRow("row 10: 20 kg/h, 500 mm") << 20.0 << 500.0 << "450";
    QTest::newRow("row 11: 12 kg/h, 350 mm") << 12.0 << 350.0 << "300";
    QTest::newRow("row 12: 50 kg/h, 500 mm, longer than the duct") << 50.0 << 500.0 << "600";
    QTest::newRow("row 13: 28 kg/h, 500 mm") << 28.0 << 500.0 << "600";
    QTest::newRow("row 14: 80 kg/h, 400 mm") << 80.0 << 400.0 << "450";
    QTest::newRow("row 15: 40 kg/h, 400 mm") << 40.0 << 400.0 << "450";
    QTest::newRow("row 16: 20 kg/h, 400 mm") << 20.0 << 400.0 << "450";
    QTest::newRow("row 17: 5 kg/h, 400 mm") << 5.0 << 400.0 << "300";
    QTest::newRow("row 18: 100 kg/h, 600 mm") << 100.0 << 600.0 << "580";
    QTest::newRow("row 18: no load") << 0.0 << 400.0 << "380";
    QTest::newRow("row 18: exactly 0.1 kg/h") << 0.1 << 900.0 << "880";
    QTest::newRow("row 18: half millimetres stay") << 0.0 << 400.5 << "380.5";
    QTest::newRow("row 18: no duct") << 0.0 << 0.0 << "-20";
}

void DistributorSizingTest::pipeLength()
{
    QFETCH(double, steam);
    QFETCH(double, width);
    QFETCH(QString, length);
    QCOMPARE(DistributorSizing::pipeLengthText(steam, width), length);
}

void DistributorSizingTest::modelData_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QStringList>("data");
    QTest::newRow("Quenil 500, 15") << "Quenil 500" << "15" << QStringList{"11.4", "470", "645", "305"};
    QTest::newRow("Tavro 500, 130") << "Tavro 500" << "130" << QStringList{"2x49.4", "975", "730", "385"};
    QTest::newRow("Tavro 500, 2 is 4 or less") << "Tavro 500" << "2" << QStringList{"3", "390", "585", "230"};
    QTest::newRow("Tavro 500, 64 two cylinders") << "Tavro 500" << "64" << QStringList{"2x24.3", "975", "730", "385"};
    QTest::newRow("Sorbix, 65") << "Sorbix" << "65" << QStringList{"49.4", "490", "672", "340"};
    QTest::newRow("Sorbix, 8") << "Sorbix" << "8" << QStringList{"6.1", "354", "562", "210"};
    QTest::newRow("Sorbix, 90 has no row") << "Sorbix" << "90" << QStringList{};
    QTest::newRow("Dremon 500, 3") << "Dremon 500" << "3" << QStringList{"2.2", "250", "650", "195"};
    QTest::newRow("Falcy 500, 2") << "Falcy 500" << "2" << QStringList{"1.5", "250", "590", "195"};
    QTest::newRow("Falcy 500, 15 has no row") << "Falcy 500" << "15" << QStringList{};
    QTest::newRow("Oskel, 2") << "Oskel" << "2" << QStringList{"1.5", "290", "450", "200"};
    QTest::newRow("Oskel, 3 has no row") << "Oskel" << "3" << QStringList{};
    QTest::newRow("no family") << "" << "15" << QStringList{};
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
    QCOMPARE(fx.f().Label20(10).text(), QStringLiteral("3"));   // model data for "3": 4 or less
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
    QCOMPARE((QStringList{fx.f().Label20(10).text(), fx.f().Label20(11).text(), fx.f().Label20(12).text(),
                          fx.f().Label20(13).text()}),
             (QStringList{"2.2", "250", "650", "195"}));
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
    QCOMPARE((QStringList{fx.f().Label20(10).text(), fx.f().Label20(11).text(), fx.f().Label20(12).text(),
                          fx.f().Label20(13).text()}),
             (QStringList{"3", "15.4", "23.0", "9.1"}));
    QCOMPARE(fx.f().Label30(12).text(), QStringLiteral("0.2/0.4"));
    // Running again does not divide again.
    fx.f().btnCalcHumid_Click();
    QCOMPARE(fx.f().Label20(11).text(), QStringLiteral("15.4"));
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
