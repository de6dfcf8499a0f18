#include "datarows.h"
#include "designfixture.h"
#include "familychoice.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;
using vc::test::texts;

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

// The main form's pages: the family page's choice and moving between pages.
class MainFormTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void distancePageAsksForAFamily_data() { vc::test::addRows("familyquestion.tsv"); }
    void distancePageAsksForAFamily()
    {
        QFETCH(bool, yes);
        QFETCH(int, page);
        QFETCH(bool, templateLoaded);
        DesignFixture fx;
        bool loaded = false;
        fx.f().hooks.loadReportTemplate = [&loaded] { loaded = true; };
        fx.f().btnCalc_Click();
        fx.messages.script(yes ? MessageService::Answer::Yes : MessageService::Answer::No);
        fx.f().selectPage(MainForm::DistancePage);
        QCOMPARE(fx.f().currentPage(), page);
        QCOMPARE(loaded, templateLoaded);
        QCOMPARE(int(fx.messages.shown().size()), 1);
        const auto &question = fx.messages.shown().front();
        QCOMPARE(question.text, DesignFixture::text("msgbox1") + QStringLiteral("\r\n") +
                                    DesignFixture::text("msgbox2"));
        QCOMPARE(question.buttons, MessageService::Buttons::YesNo);
    }

    void documentHooksRunInOrder()
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
        QCOMPARE(calls, (QStringList{"report", "fill tender", "template", "report", "fill tender",
                                     "tender"}));
        QCOMPARE(fx.f().currentPage(), int(MainForm::SummaryPage));
    }

    void refusals_data() { vc::test::addRows("familyrefusals.tsv"); }
    void refusals()
    {
        QFETCH(int, family);
        QFETCH(double, code);
        QFETCH(double, phases);
        QFETCH(bool, refused);
        QCOMPARE(FamilyChoice::refuses(family, code, phases), refused);
    }

    void refreshGreysColumns_data() { vc::test::addRows("familygrey.tsv"); }
    void refreshGreysColumns()
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

    void click_data() { vc::test::addRows("familyclicks.tsv"); }
    // A click takes the family or refuses it with a note; either way the project has changed.
    void click()
    {
        QFETCH(int, family);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, newCode);
        DesignFixture fx;
        fx.f().Combo2(5).setText("1");
        fx.f().Label20(8).setText(code);
        fx.f().Label20(9).setText("old note");
        fx.f().ImageSelected().setPicture("earlier.jpg");
        fx.f().ProjectChanged = false;
        fx.f().Image9_Click(family);
        QCOMPARE(texts(fx.f(), {"Label20(7)", "Label20(8)", "Label20(9)"}),
                 name + '|' + newCode + '|' + (name.isEmpty() ? DesignFixture::text("msg4") : ""));
        QCOMPARE(fx.f().ImageSelected().picture().isEmpty(), name.isEmpty());
        QVERIFY(fx.f().ProjectChanged);
        const QStringList grey = newCode == code ? QStringList() : QStringList{"3", "4", "5"};
        QCOMPARE(greyColumns(fx.f()), grey);
    }

    void missingPictureKeepsTheChoice()
    {
        DesignFixture fx;
        QTemporaryDir empty;
        app().DocsPath = empty.path();
        fx.f().btnCalc_Click();
        fx.f().ImageSelected().setPicture("earlier.jpg");
        fx.f().Image9_Click(1);
        QCOMPARE(fx.f().Label20(7).text() + '|' + fx.f().ImageSelected().picture() + '|' +
                     fx.f().picturePath,
                 "Quenil 500|earlier.jpg|");
    }

    // A column without a family ends the floating picture (the window test drives the rest).
    void hoverPreview()
    {
        DesignFixture fx;
        fx.f().Image9_MouseMove(5);
        fx.f().Image9_MouseMove(6);
        QVERIFY(!fx.f().ImgFlowting().isVisible());
        QCOMPARE(fx.f().ImgFlowting().picture(), QString());
    }
};

QTEST_MAIN(MainFormTest)
#include "mainformtest.moc"
