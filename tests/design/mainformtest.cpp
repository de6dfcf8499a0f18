#include "designfixture.h"

#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;

class MainFormTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void freshStart_data();
    void freshStart();
    void pageNavigationWraps();
    void distancePageAsksForAFamily_data();
    void distancePageAsksForAFamily();
    void documentHooksRunInOrder();
    void calculateButtonClearsTheFamily();
    void everyProjectFieldExists();
};

void MainFormTest::freshStart_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QStringList>("texts"); // Text2(0..2), Combo2(1), Text3(1), Text3(2), Combo3(0)
    QTest::addColumn<int>("pressures");
    QTest::addColumn<int>("temperatures");
    QTest::addColumn<bool>("alternatives");
    QTest::newRow("metric") << 0 << QStringList{"8000", "-5", "22", "950", "1000", "500", "22"} << 31 << 21 << true;
    QTest::newRow("US") << 1 << QStringList{"5000", "23", "72", "28", "40", "20", "73"} << 13 << 37 << false;
}

void MainFormTest::freshStart()
{
    QFETCH(int, units);
    QFETCH(QStringList, texts);
    QFETCH(int, pressures);
    QFETCH(int, temperatures);
    QFETCH(bool, alternatives);
    DesignFixture fx(units);
    MainForm &f = fx.f();
    QCOMPARE((QStringList{f.Text2(0).text(), f.Text2(1).text(), f.Text2(2).text(), f.Combo2(1).text(),
                          f.Text3(1).text(), f.Text3(2).text(), f.Combo3(0).text()}),
             texts);
    QCOMPARE((QStringList{f.Combo2(0).text(), f.Combo2(2).text(), f.Combo2(3).text(), f.Combo2(4).text(),
                          f.Combo2(5).text()}),
             (QStringList{"20", "60", "50", "400", "3"}));
    QCOMPARE(f.Combo2(1).items().size(), pressures);
    QCOMPARE(f.Combo3(0).items().size(), temperatures);
    QCOMPARE(f.Combo2(0).items().size(), 100);
    QCOMPARE(f.Combo2(0).items().first(), QStringLiteral("1"));
    QCOMPARE(f.Combo2(4).items(), (QStringList{"400", "230"}));
    QCOMPARE(f.Combo2(5).items(), (QStringList{"3", "1"}));
    for (const char *name : {"Command20(0)", "Label2(17)", "Line2", "Command30(0)", "Label3(12)", "Line3"})
        QCOMPARE(f[QLatin1String(name)].isVisible(), alternatives);
    QCOMPARE(f.form().at(QStringLiteral("mnuOtherUnit(0)")).isChecked(), units == 0);
    QCOMPARE(f.usUnits(), units == 1);
    QCOMPARE(f.Label20(7).text(), QString());
    QCOMPARE(f.Label20(8).text(), QString());
    QCOMPARE(f.currentPage(), int(MainForm::ProjectPage));
    QVERIFY(!f.ProjectChanged);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(f.Text1(i).text(), QString());
}

void MainFormTest::pageNavigationWraps()
{
    DesignFixture fx;
    fx.f().btnPrev_Click();
    QCOMPARE(fx.f().currentPage(), 5);
    fx.f().btnNext_Click();
    QCOMPARE(fx.f().currentPage(), 0);
    fx.f().btnNext_Click();
    QCOMPARE(fx.f().currentPage(), 1);
}

void MainFormTest::distancePageAsksForAFamily_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("templateLoaded");
    QTest::newRow("Yes goes to the family page") << int(MessageService::Answer::Yes) << 2 << false;
    QTest::newRow("No stays") << int(MessageService::Answer::No) << 3 << true;
}

void MainFormTest::distancePageAsksForAFamily()
{
    QFETCH(int, answer);
    QFETCH(int, page);
    QFETCH(bool, templateLoaded);
    DesignFixture fx;
    bool loaded = false;
    fx.f().hooks.loadReportTemplate = [&loaded] { loaded = true; };
    fx.f().btnCalc_Click();
    fx.messages.script(MessageService::Answer(answer));
    fx.f().selectPage(MainForm::DistancePage);
    QCOMPARE(fx.f().currentPage(), page);
    QCOMPARE(loaded, templateLoaded);
    QCOMPARE(int(fx.messages.shown().size()), 1);
    const auto &question = fx.messages.shown().front();
    QCOMPARE(question.text, DesignFixture::text(QStringLiteral("msgbox1")) + QStringLiteral("\r\n")
                                + DesignFixture::text(QStringLiteral("msgbox2")));
    QCOMPARE(question.buttons, MessageService::Buttons::YesNo);

    // With a family nothing is asked.
    fx.f().Image9_Click(0);
    fx.f().selectPage(MainForm::ProjectPage);
    fx.f().selectPage(MainForm::DistancePage);
    QCOMPARE(int(fx.messages.shown().size()), 1);
    QCOMPARE(fx.f().Label30(0).text(), QStringLiteral("Tavro 500"));
}

void MainFormTest::documentHooksRunInOrder()
{
    DesignFixture fx;
    QStringList calls;
    fx.f().hooks.loadReportTemplate = [&calls] { calls << "template"; };
    fx.f().hooks.loadTender = [&calls] { calls << "tender"; };
    fx.f().hooks.fillReport = [&calls] { calls << "report"; };
    fx.f().hooks.fillTender = [&calls] { calls << "fill tender"; };
    fx.f().Command6_Click();
    QCOMPARE(calls, (QStringList{"report", "fill tender", "tender", "report", "fill tender"}));
    calls.clear();
    fx.f().selectPage(MainForm::SummaryPage);
    QCOMPARE(calls, (QStringList{"report", "fill tender", "tender"}));
    calls.clear();
    fx.f().Command7_Click(); // back to the distance page (a family is missing: answered No), forward again
    QCOMPARE(calls, (QStringList{"report", "fill tender", "template", "report", "fill tender", "tender"}));
    QCOMPARE(fx.f().currentPage(), int(MainForm::SummaryPage));
}

void MainFormTest::calculateButtonClearsTheFamily()
{
    DesignFixture fx;
    fx.f().btnCalc_Click();
    fx.f().Image9_Click(2);
    fx.f().calculateLoad(); // as Open does: the family stays
    QCOMPARE(fx.f().Label20(7).text(), QStringLiteral("Sorbix"));
    fx.f().btnCalc_Click();
    QCOMPARE(fx.f().Label20(7).text(), QString());
    QCOMPARE(fx.f().ImageSelected().picture(), QString());
    QVERIFY(!fx.f().picturePath.isEmpty()); // the path stays for the file
}

void MainFormTest::everyProjectFieldExists()
{
    DesignFixture fx;
    const QStringList names = MainForm::projectFieldNames();
    QCOMPARE(names.size(), 8 + 3 + 6 + 6 + 1 + 14 + 13);
    for (const QString &name : names)
        QVERIFY2(fx.f().form().has(name), qPrintable(name));
    QCOMPARE(fx.f().Label30(12).text(), QStringLiteral("6 / 10"));
}

QTEST_GUILESS_MAIN(MainFormTest)
#include "mainformtest.moc"
