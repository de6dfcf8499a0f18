#include "designfixture.h"
#include "tablefile.h"
#include "selectedhumidifier.h"

#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;

// The figures of the selected-humidifier panel: the model that the family
// name and the size code name, and nothing when they name none.
class SelectedHumidifierTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void capacityOfSizeCode_data();
    void capacityOfSizeCode();
    void figures_data();
    void figures();
};

void SelectedHumidifierTest::capacityOfSizeCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("capacity");
    for (const auto &r : vc::test::readTable(QStringLiteral("capacityofcode.tsv"), 3))
        QTest::newRow(r[0].constData()) << vc::test::text(r[1]) << vc::test::text(r[2]);
}

void SelectedHumidifierTest::capacityOfSizeCode()
{
    QFETCH(QString, code);
    QFETCH(QString, capacity);
    QCOMPARE(SelectedHumidifier::capacityOf(code), capacity);
}

void SelectedHumidifierTest::figures_data()
{
    QTest::addColumn<int>("unitSystem");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected"); // power, width, height, depth
    QTest::newRow("Quenil 500 at 2364") << 0 << "Quenil 500" << "2364" << QStringList{"17.5", "470", "645", "305"};
    QTest::newRow("Sorbix at 4564") << 0 << "Sorbix" << "4564" << QStringList{"34.2", "490", "672", "340"};
    QTest::newRow("Tavro 500 at 13064") << 0 << "Tavro 500" << "13064" << QStringList{"2x49.4", "975", "730", "385"};
    QTest::newRow("Dremon 500 at 322") << 0 << "Dremon 500" << "322" << QStringList{"2.2", "250", "650", "195"};
    QTest::newRow("Tavro 500 at 434, inches") << 1 << "Tavro 500" << "434" << QStringList{"3", "15.4", "23.0", "9.1"};
    QTest::newRow("refused: no family") << 0 << "" << "1534" << QStringList{"", "", "", ""};
    QTest::newRow("family without a size") << 0 << "Tavro 500" << "" << QStringList{"", "", "", ""};
    QTest::newRow("size the family has no model for") << 0 << "Oskel" << "1534" << QStringList{"", "", "", ""};
}

void SelectedHumidifierTest::figures()
{
    QFETCH(int, unitSystem);
    QFETCH(QString, family);
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    DesignFixture fx(unitSystem);
    fx.f().Label20(7).setText(family);
    fx.f().Label20(8).setText(code);
    const SelectedHumidifier::Figures figures = SelectedHumidifier::of(fx.f());
    QCOMPARE((QStringList{figures.power, figures.width, figures.height, figures.depth}), expected);
}

QTEST_GUILESS_MAIN(SelectedHumidifierTest)
#include "selectedhumidifiertest.moc"
