#include "localisation.h"
#include "localisationfixture.h"
#include "tablefile.h"
#include "mainform.h"
#include "form/platformservices.h"
#include "ini/vixinihandling.h"

#include <QTest>

using namespace vc;
using vc::test::LocalisationInstall;

// The language and unit behaviour plugged into the real main window.
class MainFormLocalisationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_messages.clear();
        Services::setMessages(&m_messages);
    }
    void cleanup() { Services::setMessages(nullptr); }

    void loadAppliesLanguageThenUnits_data();
    void loadAppliesLanguageThenUnits();
    void languageMenuSwitchesTheWindow();
    void unitSwitchRecalculatesBothPages();

private:
    ScriptedMessages m_messages;
};

void MainFormLocalisationTest::loadAppliesLanguageThenUnits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");
    for (const auto &r : vc::test::readTable(QStringLiteral("mainwindowlanguage.tsv"), 5))
        QTest::newRow(r[0].constData()) << vc::test::text(r[1]) << r[2].toInt() << vc::test::text(r[3])
                                        << vc::test::text(r[4]);
}

void MainFormLocalisationTest::loadAppliesLanguageThenUnits()
{
    QFETCH(QString, language);
    QFETCH(int, system);
    QFETCH(QString, control);
    QFETCH(QString, expected);
    LocalisationInstall install;
    install.useLanguage(language);
    install.useUnits(system, QString::number(system));
    MainForm main;
    installLocalisation(main);

    main.load();

    QCOMPARE(main[control].caption(), expected);
    QCOMPARE(main.form().caption(), QStringLiteral("VeltrannCalc"));
    QVERIFY(main[QStringLiteral("mnuOtherUnit(%1)").arg(system)].isChecked());
    // The start-up unit command returns at once: nothing written.
    QVERIFY(!QFile::exists(app().SettingsFile));
    QVERIFY(m_messages.shown().empty());
}

void MainFormLocalisationTest::languageMenuSwitchesTheWindow()
{
    LocalisationInstall install;
    install.useLanguage(QStringLiteral("English"));
    MainForm main;
    installLocalisation(main);
    main.load();

    mnuOtherLanguage_Click(main, 2);

    QCOMPARE(main[QStringLiteral("btnCalcHumid")].caption(), QStringLiteral("&Calculer"));
    QCOMPARE(main.SSTab1().items().value(1), QStringLiteral("&Besoin en vapeur"));
    QVERIFY(main[QStringLiteral("mnuOtherLanguage(2)")].isChecked());
    QVERIFY(!main[QStringLiteral("mnuOtherLanguage(0)")].isChecked());
    QCOMPARE(VixIniHandling().Read_INI(app().SettingsFile, QStringLiteral("System"), QStringLiteral("Language")),
             QString::fromUtf8("Français"));
}

void MainFormLocalisationTest::unitSwitchRecalculatesBothPages()
{
    LocalisationInstall install;
    install.useLanguage(QStringLiteral("English"));
    install.useUnits(0, QStringLiteral("0"));
    MainForm main;
    installLocalisation(main);
    main.load();
    main.btnCalc_Click();
    main.btnCalcHumid_Click();
    const QString metricVelocity = main.Label30(1).text();
    QVERIFY(!metricVelocity.isEmpty());

    main.hooks.unitCommand(1);

    QCOMPARE(main.Text2(0).text(), QStringLiteral("4709"));
    // The load calculation copied the converted air flow to the distance page.
    QCOMPARE(main.Text3(0).text(), QStringLiteral("4709"));
    QCOMPARE(main.Label20(0).text(), QStringLiteral("942")); // 20 % of 4709 cfm
    QVERIFY(main.Label30(1).text() != metricVelocity);
    QCOMPARE(main.Einheit(2).caption(), QStringLiteral("ft/min"));
    QCOMPARE(VixIniHandling().Read_INI(app().SettingsFile, QStringLiteral("System"), QStringLiteral("Unit")),
             QStringLiteral("1"));
    QVERIFY(!main[QStringLiteral("Command30(0)")].isVisible());
    QVERIFY(main.usUnits());

    // Back again: the inputs drift only by rounding, the labels and buttons return.
    main.hooks.unitCommand(0);
    QCOMPARE(main.Text2(0).text(), QStringLiteral("8001"));
    QCOMPARE(main.Text3(1).text(), QStringLiteral("991"));
    QCOMPARE(main.Einheit(5).caption(), QStringLiteral("m3 / h"));
    QVERIFY(main[QStringLiteral("Command20(0)")].isVisible());
}

QTEST_GUILESS_MAIN(MainFormLocalisationTest)
#include "mainformlocalisationtest.moc"
