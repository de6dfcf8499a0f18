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
    void distancePageAsksForAFamily_data();
    void distancePageAsksForAFamily();
    void documentHooksRunInOrder();
};

void MainFormTest::freshStart_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("temperatures");
    QTest::newRow("metric") << 0 << 21;
    QTest::newRow("US") << 1 << 37;
}

void MainFormTest::freshStart()
{
    QFETCH(int, units);
    QFETCH(int, temperatures);
    DesignFixture fx(units);
    MainForm &f = fx.f();
    QCOMPARE((QStringList{f.Combo2(0).text(), f.Combo2(2).text(), f.Combo2(3).text(),
                          f.Combo2(4).text(), f.Combo2(5).text()}),
             (QStringList{"20", "60", "50", "400", "3"}));
    QCOMPARE(f.Combo3(0).items().size(), temperatures);
    QCOMPARE(f.Combo2(0).items().first(), QStringLiteral("1"));
    QCOMPARE(f.Combo2(4).items(), (QStringList{"400", "230"}));
    QCOMPARE(f.Combo2(5).items(), (QStringList{"3", "1"}));
    QCOMPARE(f.usUnits(), units == 1);
    QCOMPARE(f.Label20(8).text(), QString());
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
    QCOMPARE(question.text, DesignFixture::text(QStringLiteral("msgbox1")) +
                                QStringLiteral("\r\n") +
                                DesignFixture::text(QStringLiteral("msgbox2")));
    QCOMPARE(question.buttons, MessageService::Buttons::YesNo);
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
    fx.f().Command7_Click(); // back to the distance page (a family is missing: answered No),
                             // forward again
    QCOMPARE(calls,
             (QStringList{"report", "fill tender", "template", "report", "fill tender", "tender"}));
    QCOMPARE(fx.f().currentPage(), int(MainForm::SummaryPage));
}

QTEST_MAIN(MainFormTest)
#include "mainformtest.moc"
