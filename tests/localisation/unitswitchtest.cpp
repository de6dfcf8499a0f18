#include "unitswitch.h"
#include "datarows.h"
#include "form/form.h"
#include "form/platformservices.h"
#include "ini/vixinihandling.h"
#include "localisation.h"
#include "localisationfixture.h"
#include "mainform.h"

#include <QTest>

using namespace vc;
using vc::test::LocalisationInstall;

namespace {

using Fields = QMap<QString, QString>;

const QStringList convertedFields{"Text2(0)", "Combo2(1)",  "Text2(1)", "Text2(2)",
                                  "Text3(0)", "Text3(1)",   "Text3(2)", "Text3(3)",
                                  "Text3(4)", "Label30(4)", "Combo3(0)"};

QStringList range(int first, int last, int step)
{
    QStringList list;
    for (int v = first; v <= last; v += step)
        list << QString::number(v);
    return list;
}

void setUp(Form &main, const Fields &fields, int system)
{
    for (auto it = fields.begin(); it != fields.end(); ++it)
        main.at(it.key()).setText(it.value());
    main.at("Combo2(1)").setItems(system == 1 ? range(23, 35, 1) : range(750, 1050, 10));
    main.at("Combo3(0)").setItems(system == 1 ? range(50, 86, 1) : range(10, 30, 1));
    main.at(QStringLiteral("mnuOtherUnit(0)")).setChecked(system != 1);
    main.at(QStringLiteral("mnuOtherUnit(1)")).setChecked(system == 1);
    // Fields never converted.
    main.at("Combo2(0)").setText("20");
    main.at("Combo2(2)").setText("60");
    main.at("Text3(5)").setText("2");
    main.at("Label30(5)").setText("1.4");
}

Fields fieldsOf(const QList<QByteArray> &row)
{
    Fields fields;
    for (qsizetype i = 0; i < convertedFields.size(); ++i)
        fields.insert(convertedFields[i], vc::test::text(row.value(i + 1)));
    return fields;
}

// The inputs of a project in metric units, as the window holds them after a
// load calculation (which copies the air flow and the humidity to page 3).
Fields metricDefaults()
{
    return fieldsOf(vc::test::readTable("unitroundtrip.tsv", 12).first());
}

// The texts of the named fields, joined by "|".
QString texts(Form &main, const QStringList &names)
{
    QStringList list;
    for (const QString &name : names)
        list << main.at(name).text();
    return list.join('|');
}

Fields fieldsOf(Form &main)
{
    Fields fields;
    for (const QString &name : convertedFields)
        fields.insert(name, main.at(name).text());
    return fields;
}

} // namespace

class UnitSwitchTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Services::setMessages(&m_messages); }
    void cleanup()
    {
        Services::setMessages(nullptr);
        m_messages.clear();
        QLocale::setDefault(QLocale::c());
    }

    void noSwitch_data() { vc::test::addRows("noswitch.tsv"); }
    void loadAppliesLanguageThenUnits_data() { vc::test::addRows("mainwindowlanguage.tsv"); }

    void noSwitch()
    {
        QFETCH(int, system);
        QFETCH(int, command);
        QFETCH(int, recalculations);
        LocalisationInstall install;
        install.useUnits(system, QString::number(system));
        const QString unitFile = app().UnitFile;
        Form main("frmMain");
        setUp(main, metricDefaults(), system);
        main.at("Einheit(5)").setCaption("as designed");
        int recalculated = 0;

        UnitSwitch::mnuOtherUnit_Click(main, command, [&] { ++recalculated; });

        QCOMPARE(fieldsOf(main), metricDefaults());
        QCOMPARE(recalculated, recalculations);
        QCOMPARE(app().UnitFile, unitFile);
        if (command == system) { // the active system returns at once
            QVERIFY(!QFile::exists(app().SettingsFile));
            QCOMPARE(main.at("Einheit(5)").caption(), QStringLiteral("as designed"));
        }
        for (int i = 0; i < 2; ++i)
            QCOMPARE(main.at(Form::item(QStringLiteral("mnuOtherUnit"), i)).isChecked(),
                     i == command);
    }

    void roundTrip_data()
    {
        QTest::addColumn<Fields>("metric");
        QTest::addColumn<Fields>("us");
        QTest::addColumn<Fields>("back");
        QTest::addColumn<QString>("locale");
        // Three lines a case: the name, metric fields and locale; the fields in US units; back.
        const auto rows = vc::test::readTable("unitroundtrip.tsv", 13);
        for (qsizetype i = 0; i + 2 < rows.size(); i += 3)
            QTest::newRow(rows[i][0].constData())
                << fieldsOf(rows[i]) << fieldsOf(rows[i + 1]) << fieldsOf(rows[i + 2])
                << vc::test::text(rows[i][12]);
    }

    void roundTrip()
    {
        QFETCH(Fields, metric);
        QFETCH(Fields, us);
        QFETCH(Fields, back);
        QFETCH(QString, locale);
        if (!locale.isEmpty())
            QLocale::setDefault(QLocale(locale));
        LocalisationInstall install;
        Form main("frmMain");
        setUp(main, metric, 0);

        UnitSwitch::mnuOtherUnit_Click(main, 1, {});
        QCOMPARE(fieldsOf(main), us);
        UnitSwitch::mnuOtherUnit_Click(main, 0, {});
        QCOMPARE(fieldsOf(main), back);

        // Fields that are never converted keep their texts.
        QCOMPARE(texts(main, {"Combo2(0)", "Combo2(2)", "Text3(5)", "Label30(5)"}), "20|60|2|1.4");
    }

    void switchRecordsReloadsAndRecalculates()
    {
        LocalisationInstall install;
        Form main("frmMain");
        setUp(main, metricDefaults(), 0);
        QStringList seenByRecalculation;
        auto recalculate = [&] {
            seenByRecalculation << main.at("Text2(0)").text() + QLatin1Char('|') +
                                       QString::number(app().UnitSystem) + QLatin1Char('|') +
                                       main.at("Einheit(5)").caption();
        };

        UnitSwitch::mnuOtherUnit_Click(main, 1, recalculate);

        QCOMPARE((QStringList{install.recorded("Unit"), QString::number(app().UnitSystem),
                              app().UnitName, app().UnitFile, main.at("Label2(8)").caption()}),
                 (QStringList{"1", "1", "1", install.unitFile("USA"), "inHg"}));
        // The lists hold the other system's values; the converted text need not be one of them.
        QCOMPARE(main.at("Combo3(0)").items(), range(50, 86, 1));
        QCOMPARE(main.at("Combo2(1)").text(), QStringLiteral("28.1"));
        const QStringList metricOnly{"Command20(0)", "Label2(17)", "Line2",
                                     "Command30(0)", "Label3(12)", "Line3"};
        for (const QString &name : metricOnly)
            QVERIFY2(!main.at(name).isVisible(), qPrintable(name));

        UnitSwitch::mnuOtherUnit_Click(main, 0, recalculate);

        QCOMPARE(
            (QStringList{install.recorded("Unit"), app().UnitFile, main.at("Label2(8)").caption()}),
            (QStringList{"0", install.unitFile("SI"), "hPa or mbar"}));
        QCOMPARE(main.at("Combo3(0)").items(), range(10, 30, 1));
        for (const QString &name : metricOnly)
            QVERIFY2(main.at(name).isVisible(), qPrintable(name));
        // Once per switch, after the inputs are converted and the labels loaded.
        QCOMPARE(seenByRecalculation, (QStringList{"4709|1|cfm", "8001|0|m3 / h"}));
    }

    // The language and unit behaviour plugged into the real main window's form.
    void loadAppliesLanguageThenUnits()
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

    // The switch ends with the load calculation, which copies the air flow to the
    // distance page, and with the distance page's Calculate.
    void switchRecalculatesBothPages()
    {
        LocalisationInstall install;
        install.useLanguage("English");
        install.useUnits(0, "0");
        MainForm main;
        installLocalisation(main);
        main.load();
        main.btnCalc_Click();
        main.btnCalcHumid_Click();
        const QString metricVelocity = main.Label30(1).text();
        QVERIFY(!metricVelocity.isEmpty());

        main.hooks.unitCommand(1);

        QCOMPARE(texts(main.form(), {"Text3(0)", "Label20(0)"}), "4709|942"); // 20 % of 4709 cfm
        QVERIFY(main.Label30(1).text() != metricVelocity);
        QVERIFY(main.usUnits());
    }

private:
    ScriptedMessages m_messages;
};

QTEST_GUILESS_MAIN(UnitSwitchTest)
#include "unitswitchtest.moc"
