// The "Selected humidifier" panel of the family page shows only the model
// that the family and size it names call for, whatever the planner did before.
#include "familypage.h"
#include "form/appglobals.h"
#include "form/settings.h"
#include "frmmainwindow.h"
#include "mainform.h"
#include "datarows.h"
#include "windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vc;
using vc::test::WindowFixture;

namespace {

QString shown(WindowFixture &f, const char *name)
{
    auto *label = f.window().findChild<QLabel *>(QLatin1String(name));
    return label && label->isVisibleTo(&f.window()) ? label->text() : QStringLiteral("<hidden>");
}

// The panel as the planner reads it: family, size, power, housing and units.
QString panel(WindowFixture &f)
{
    return QStringList{f.field(QStringLiteral("Label20(7)")), f.field(QStringLiteral("Label20(8)")),
                       shown(f, "selectedPower") + QLatin1Char(' ') + shown(f, "Einheit(34)"),
                       shown(f, "selectedHousing") + QLatin1Char(' ') +
                           shown(f, "selectedHousingUnit")}
        .join(QStringLiteral(" | "));
}

// Air flow on the load page, then Calculate, as typed by hand.
void calculate(WindowFixture &f, const QString &airFlow)
{
    f.main().selectPage(MainForm::LoadPage);
    f.typeInto(QStringLiteral("Text2(0)"), airFlow);
    f.click(QStringLiteral("btnCalc"));
}

void chooseFamily(WindowFixture &f, int family)
{
    f.main().selectPage(MainForm::FamilyPage);
    QTest::mouseClick(f.window().familyPage()->familyArea(family), Qt::LeftButton);
}

} // namespace

class SelectedPanelTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void panelFollowsTheFamilyAndSize_data();
    void panelFollowsTheFamilyAndSize();
    void lastFileShowsTheFilesModel_data();
    void lastFileShowsTheFilesModel();
};

void SelectedPanelTest::panelFollowsTheFamilyAndSize_data()
{
    test::addRows(QStringLiteral("selectedpanel.tsv"));
}

void SelectedPanelTest::panelFollowsTheFamilyAndSize()
{
    QFETCH(int, unitSystem);
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    WindowFixture f(QStringLiteral("English"), unitSystem);
    f.messages.setDefaultAnswer(MessageService::Answer::No);
    for (const QString &step : steps.split(QLatin1Char(';'))) {
        const QString argument = step.section(QLatin1Char(' '), 1);
        if (step.startsWith(QLatin1String("calc")))
            calculate(f, argument);
        else
            chooseFamily(f, argument.toInt());
    }
    QCOMPARE(panel(f), expected);
}

void SelectedPanelTest::lastFileShowsTheFilesModel_data()
{
    QTest::addColumn<QString>("before"); // air flow calculated and family chosen before, or nothing
    QTest::addColumn<QString>("expected");
    // Lastfile reads the file's family and leaves the size as it was.
    QTest::newRow("from a fresh start, no size yet")
        << ""
        << "Tavro 500 |  | <hidden> <hidden> | <hidden> <hidden>";
    QTest::newRow("after Sorbix at 4564") << "25000 2"
                                          << "Tavro 500 | 4564 | 34.2 kW | 525 x 715 x 360 mm";
}

void SelectedPanelTest::lastFileShowsTheFilesModel()
{
    QFETCH(QString, before);
    QFETCH(QString, expected);
    WindowFixture f;
    if (!before.isEmpty()) {
        calculate(f, before.section(QLatin1Char(' '), 0, 0));
        chooseFamily(f, before.section(QLatin1Char(' '), 1).toInt());
        QVERIFY(panel(f).startsWith(QLatin1String("Sorbix | 4564 | 34.2 kW | 490 x 672 x 340")));
    }
    f.main().ProjectChanged = false;
    settings::write(settings::LastFile, f.path(QStringLiteral("Data/Example metric.sti")));
    f.action(QStringLiteral("mnuLastFile(0)"))->trigger();
    f.main().selectPage(MainForm::FamilyPage);
    QCOMPARE(panel(f), expected);
}

QTEST_MAIN(SelectedPanelTest)
#include "selectedpaneltest.moc"
