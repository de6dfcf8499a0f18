#include "designfixture.h"
#include "familychoice.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;

namespace {
const QColor grey(192, 192, 192);
const QColor mark(0, 128, 128);

// Columns whose marks are all grey and whose picture is hidden.
QList<int> greyColumns(MainForm &f)
{
    QList<int> columns;
    for (int c = 0; c < FamilyChoice::count; ++c) {
        bool allGrey = !f.Image5(c).isVisible();
        for (int m = FamilyChoice::firstMark(c); m < FamilyChoice::firstMark(c + 1); ++m)
            allGrey = allGrey && f.Shape4(m).backColor() == grey;
        if (allGrey)
            columns.append(c);
    }
    return columns;
}
} // namespace

class FamilyChoiceTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusals_data();
    void refusals();
    void refreshGreysColumns_data();
    void refreshGreysColumns();
    void acceptedClick();
    void smallCodeRaisedForLargeFamilies_data();
    void smallCodeRaisedForLargeFamilies();
    void refusedClick();
    void missingPictureKeepsTheChoice();
    void hoverPreview();
};

void FamilyChoiceTest::refusals_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<double>("code");
    QTest::addColumn<double>("phases");
    QTest::addColumn<bool>("refused");
    QTest::newRow("Tavro 500 at 13064") << 0 << 13064.0 << 3.0 << false;
    QTest::newRow("Tavro 500 above 13064") << 0 << 13065.0 << 3.0 << true;
    QTest::newRow("Tavro 500 at 222") << 0 << 222.0 << 1.0 << false;
    QTest::newRow("Tavro 500 without a code") << 0 << 0.0 << 3.0 << true;
    QTest::newRow("Quenil 500 at 13064") << 1 << 13064.0 << 3.0 << false;
    QTest::newRow("Quenil 500 below 222") << 1 << 221.0 << 1.0 << true;
    QTest::newRow("Sorbix at 6564") << 2 << 6564.0 << 3.0 << false;
    QTest::newRow("Sorbix at 9064") << 2 << 9064.0 << 3.0 << true;
    QTest::newRow("Sorbix at 6462") << 2 << 6462.0 << 3.0 << true;
    QTest::newRow("Sorbix at 424") << 2 << 424.0 << 1.0 << true;
    QTest::newRow("Sorbix at 824") << 2 << 824.0 << 1.0 << true;
    QTest::newRow("Sorbix at 322") << 2 << 322.0 << 1.0 << false;
    QTest::newRow("Dremon 500 at 322, one phase") << 3 << 322.0 << 1.0 << false;
    QTest::newRow("Dremon 500 at 322, three phases") << 3 << 322.0 << 3.0 << true;
    QTest::newRow("Dremon 500 at 422") << 3 << 422.0 << 1.0 << true;
    QTest::newRow("Dremon 500 without a code, one phase") << 3 << 0.0 << 1.0 << false;
    QTest::newRow("Falcy 500 at 222, one phase") << 4 << 222.0 << 1.0 << false;
    QTest::newRow("Falcy 500 at 323") << 4 << 323.0 << 1.0 << true;
    QTest::newRow("Oskel at 222, one phase") << 5 << 222.0 << 1.0 << false;
    QTest::newRow("Oskel at 322") << 5 << 322.0 << 1.0 << true;
    QTest::newRow("Oskel on three phases") << 5 << 222.0 << 3.0 << true;
}

void FamilyChoiceTest::refusals()
{
    QFETCH(int, family);
    QFETCH(double, code);
    QFETCH(double, phases);
    QFETCH(bool, refused);
    QCOMPARE(FamilyChoice::refuses(family, code, phases), refused);
}

void FamilyChoiceTest::refreshGreysColumns_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("noModel");
    QTest::addColumn<QList<int>>("grey");
    QTest::newRow("no calculation yet (\"size\")") << "size" << false << QList<int>{};
    QTest::newRow("222 greys nothing") << "222" << false << QList<int>{};
    QTest::newRow("322 greys Oskel") << "322" << false << QList<int>{5};
    QTest::newRow("1534 greys the three small families") << "1534" << false << QList<int>{3, 4, 5};
    QTest::newRow("6564 likewise") << "6564" << false << QList<int>{3, 4, 5};
    QTest::newRow("9064 greys Sorbix too") << "9064" << false << QList<int>{2, 3, 4, 5};
    QTest::newRow("6462 greys Sorbix too") << "6462" << false << QList<int>{2, 3, 4, 5};
    QTest::newRow("424 greys Sorbix too") << "424" << false << QList<int>{2, 3, 4, 5};
    QTest::newRow("824 greys Sorbix too") << "824" << false << QList<int>{2, 3, 4, 5};
    QTest::newRow("above 13064 greys nothing") << "20000" << false << QList<int>{};
    QTest::newRow("no model found greys all") << "" << true << QList<int>{0, 1, 2, 3, 4, 5};
}

void FamilyChoiceTest::refreshGreysColumns()
{
    QFETCH(QString, code);
    QFETCH(bool, noModel);
    QFETCH(QList<int>, grey);
    DesignFixture fx;
    fx.f().SetFamilyTableGrey(true); // the refresh starts from a clean table
    fx.f().Label20(8).setText(code);
    fx.f().NoModelFound = noModel;
    fx.f().RefreshFamilyTable();
    QCOMPARE(greyColumns(fx.f()), grey);
    for (int c = 0; c < FamilyChoice::count; ++c) {
        if (!grey.contains(c)) {
            QVERIFY(fx.f().Image5(c).isVisible());
            QCOMPARE(fx.f().Shape4(FamilyChoice::firstMark(c)).backColor(), mark);
        }
    }
}

void FamilyChoiceTest::acceptedClick()
{
    DesignFixture fx;
    fx.f().btnCalc_Click(); // 1534
    fx.f().Label20(9).setText(QStringLiteral("old note"));
    fx.f().Image9_Click(0);
    QCOMPARE(fx.f().Label20(7).text(), QStringLiteral("Tavro 500"));
    QCOMPARE(fx.f().Label20(8).text(), QStringLiteral("1534"));
    QCOMPARE(fx.f().Label20(9).text(), QString());
    QVERIFY(fx.f().ProjectChanged);
    const QString picture = app().DocsPath + QStringLiteral("/img/U-tavro 500.jpg");
    QCOMPARE(fx.f().ImageSelected().picture(), picture);
    QCOMPARE(fx.f().picturePath, picture);
}

void FamilyChoiceTest::smallCodeRaisedForLargeFamilies_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("newCode");
    QTest::newRow("222 with Tavro 500") << 0 << "222" << "Tavro 500" << "422";
    QTest::newRow("322 with Sorbix") << 2 << "322" << "Sorbix" << "422";
    QTest::newRow("322 with Dremon 500 stays") << 3 << "322" << "Dremon 500" << "322";
}

void FamilyChoiceTest::smallCodeRaisedForLargeFamilies()
{
    QFETCH(int, family);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, newCode);
    DesignFixture fx;
    fx.f().Combo2(5).setText(QStringLiteral("1"));
    fx.f().Label20(8).setText(code);
    fx.f().Image9_Click(family);
    QCOMPARE(fx.f().Label20(7).text(), name);
    QCOMPARE(fx.f().Label20(8).text(), newCode);
    const QList<int> expectedGrey = newCode == code ? QList<int>{} : QList<int>{3, 4, 5};
    QCOMPARE(greyColumns(fx.f()), expectedGrey);
}

void FamilyChoiceTest::refusedClick()
{
    DesignFixture fx;
    fx.f().btnCalc_Click(); // 1534 on three phases
    fx.f().Image9_Click(0);
    QVERIFY(!fx.f().ImageSelected().picture().isEmpty());
    fx.f().ProjectChanged = false;
    fx.f().Image9_Click(3);
    QCOMPARE(fx.f().Label20(7).text(), QString());
    QCOMPARE(fx.f().Label20(9).text(), DesignFixture::text(QStringLiteral("msg4")));
    QCOMPARE(fx.f().ImageSelected().picture(), QString());
    QVERIFY(fx.f().ProjectChanged);
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
