#include "designfixture.h"
#include "familychoice.h"
#include "tablefile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;
using vc::test::readTable;
using vc::test::text;

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
    for (const auto &r : readTable(QStringLiteral("familyrefusals.tsv"), 5))
        QTest::newRow(r[0].constData()) << r[1].toInt() << r[2].toDouble() << r[3].toDouble() << (r[4] == "true");
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
    for (const auto &r : readTable(QStringLiteral("familygrey.tsv"), 4)) {
        QList<int> grey;
        for (const QByteArray &column : r[3].split(' '))
            if (!column.isEmpty())
                grey.append(column.toInt());
        QTest::newRow(r[0].constData()) << text(r[1]) << (r[2] == "true") << grey;
    }
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
