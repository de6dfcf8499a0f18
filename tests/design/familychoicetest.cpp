#include "familychoice.h"
#include "datarows.h"
#include "designfixture.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;

namespace {
const QColor grey(192, 192, 192);
const QColor mark(0, 128, 128);

// Columns whose marks are all grey and whose picture is hidden.
QStringList greyColumns(MainForm &f)
{
    QStringList columns;
    for (int c = 0; c < FamilyChoice::count; ++c) {
        bool allGrey = !f.Image5(c).isVisible();
        for (int m = FamilyChoice::firstMark(c); m < FamilyChoice::firstMark(c + 1); ++m)
            allGrey = allGrey && f.Shape4(m).backColor() == grey;
        if (allGrey)
            columns.append(QString::number(c));
    }
    return columns;
}
} // namespace

class FamilyChoiceTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusals_data() { vc::test::addRows(QStringLiteral("familyrefusals.tsv")); }
    void refusals();
    void refreshGreysColumns_data() { vc::test::addRows(QStringLiteral("familygrey.tsv")); }
    void refreshGreysColumns();
    void click_data();
    void click();
    void missingPictureKeepsTheChoice();
    void hoverPreview();
};

void FamilyChoiceTest::refusals()
{
    QFETCH(int, family);
    QFETCH(double, code);
    QFETCH(double, phases);
    QFETCH(bool, refused);
    QCOMPARE(FamilyChoice::refuses(family, code, phases), refused);
}

void FamilyChoiceTest::refreshGreysColumns()
{
    QFETCH(QString, code);
    QFETCH(bool, noModel);
    QFETCH(QStringList, grey);
    DesignFixture fx;
    fx.f().SetFamilyTableGrey(true); // the refresh starts from a clean table
    fx.f().Label20(8).setText(code);
    fx.f().NoModelFound = noModel;
    fx.f().RefreshFamilyTable();
    QCOMPARE(greyColumns(fx.f()), grey);
    for (int c = 0; c < FamilyChoice::count; ++c) {
        if (!grey.contains(QString::number(c))) {
            QVERIFY(fx.f().Image5(c).isVisible());
            QCOMPARE(fx.f().Shape4(FamilyChoice::firstMark(c)).backColor(), mark);
        }
    }
}

// A click takes the family, or refuses it with a note; either way the project
// has changed. The three large families raise a small size to 422.
void FamilyChoiceTest::click_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name"); // empty: refused
    QTest::addColumn<QString>("newCode");
    QTest::newRow("222 with Tavro 500: raised") << 0 << "222"
                                                << "Tavro 500"
                                                << "422";
    QTest::newRow("322 with Sorbix: raised") << 2 << "322"
                                             << "Sorbix"
                                             << "422";
    QTest::newRow("322 with Dremon 500 stays") << 3 << "322"
                                               << "Dremon 500"
                                               << "322";
    QTest::newRow("322 refused by Oskel") << 5 << "322"
                                          << ""
                                          << "322";
}

void FamilyChoiceTest::click()
{
    QFETCH(int, family);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, newCode);
    DesignFixture fx;
    fx.f().Combo2(5).setText(QStringLiteral("1"));
    fx.f().Label20(8).setText(code);
    fx.f().Label20(9).setText(QStringLiteral("old note"));
    fx.f().ImageSelected().setPicture(QStringLiteral("earlier.jpg"));
    fx.f().ProjectChanged = false;
    fx.f().Image9_Click(family);
    QCOMPARE(fx.f().Label20(7).text(), name);
    QCOMPARE(fx.f().Label20(8).text(), newCode);
    QCOMPARE(fx.f().Label20(9).text(),
             name.isEmpty() ? DesignFixture::text(QStringLiteral("msg4")) : QString());
    QCOMPARE(fx.f().ImageSelected().picture().isEmpty(), name.isEmpty());
    QVERIFY(fx.f().ProjectChanged);
    const QStringList grey = newCode == code ? QStringList() : QStringList{"3", "4", "5"};
    QCOMPARE(greyColumns(fx.f()), grey);
}

void FamilyChoiceTest::missingPictureKeepsTheChoice()
{
    DesignFixture fx;
    QTemporaryDir empty;
    app().DocsPath = empty.path();
    fx.f().btnCalc_Click();
    fx.f().ImageSelected().setPicture(QStringLiteral("earlier.jpg"));
    fx.f().Image9_Click(1);
    QCOMPARE(fx.f().Label20(7).text(), QStringLiteral("Quenil 500"));
    QCOMPARE(fx.f().ImageSelected().picture(), QStringLiteral("earlier.jpg"));
    QCOMPARE(fx.f().picturePath, QString());
}

// A family's picture floats while the mouse is over it; a column without one shows none.
void FamilyChoiceTest::hoverPreview()
{
    DesignFixture fx;
    fx.f().Image9_MouseMove(5);
    QVERIFY(fx.f().ImgFlowting().isVisible());
    QVERIFY(fx.f().ImgFlowting().picture().endsWith(QLatin1String("U-oskel.jpg")));
    fx.f().Image9_MouseMove(6);
    QVERIFY(!fx.f().ImgFlowting().isVisible());
    QCOMPARE(fx.f().ImgFlowting().picture(), QString());
}

QTEST_GUILESS_MAIN(FamilyChoiceTest)
#include "familychoicetest.moc"
