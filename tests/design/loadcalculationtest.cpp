#include "designfixture.h"
#include "loadcalculation.h"
#include "convert/numberformat.h"

#include <QRegularExpression>
#include <QtTest>

using namespace vc;
using vc::test::DesignFixture;

using Fields = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(Fields)

namespace {

// Result fields must never show these, whatever was typed.
bool unsightly(const QString &text)
{
    static const QRegularExpression negativeZero(QStringLiteral("^-0([.,]0*)?$"));
    return text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("inf"), Qt::CaseInsensitive) || negativeZero.match(text).hasMatch();
}

} // namespace

class LoadCalculationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultProjectsWorkedByHand_data();
    void defaultProjectsWorkedByHand();
    void sizeLadder_data();
    void sizeLadder();
    void ladderComparesTheRoundedLoad();
    void distributorPreset_data();
    void distributorPreset();
    void notesWhenNoModelFits_data();
    void notesWhenNoModelFits();
    void rangeWarnings_data();
    void rangeWarnings();
    void oddInputsNeverStopTheCalculation_data();
    void oddInputsNeverStopTheCalculation();
    void numberPatternsFollowTheLocale_data();
    void numberPatternsFollowTheLocale();
    void unknownDiameterInUsUnitsKeepsItsCaption();
};

void LoadCalculationTest::defaultProjectsWorkedByHand_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<Fields>("expected");

    // Metric: V 8000 m³/h, FA 20 %, p 950 hPa, -5 °C / 60 %, 22 °C / 50 %, 400 V, 3 phases.
    //   AF = 20 · 8000 / 100 = 1600
    //   ps(-5) = 4.219052, xo = 622 / (95000 / (60 · 4.219052) − 1) = 622 / 374.283 = 1.661850
    //   ps(22) = 26.425153, xi = 622 / (95000 / (50 · 26.425153) − 1) = 622 / 70.9019 = 8.772772
    //   Δx = 7.110923; ρ = 95000 · 1.0016618 / (287.8669 · 295.15) = 1.119980
    //   W = 7.110923 · (20 · 8000 · 1.119980 / 100000) = 7.110923 · 1.791968 = 12.742543
    //   h = 44239.6313 · (1 − (950/1013.25)^(1/5.255)) = 539.316
    //   Wr 12.7 at 400 V / 3: above 8.8 up to 16.5 → "1534", preset 15, 1 pipe, 35 mm
    // Distance page: 1000 × 500 mm duct, 22 °C, x 8.8 g/kg as shown
    //   V = 8000 / (0.0036 · 1000 · 500) = 4.444 m/s
    //   K = (11.4 + 1.5 · 2.1082) · 2.718^((−0.175 + 0.00025 · 19.753) · (22 − 10.912)) = 14.562 · 0.15177 = 2.210
    //   pipe: Q 15 > 8, W 1000 ≥ 920 → 900 mm; BN = 2.210 · (150 / 900)^0.5 = 0.902 → 0.9
    //   minimum distances 5, 2.5, 1.5, 1 × 0.9 = 4.5, 2.25 → 2.3, 1.35 → 1.4, 0.9
    QTest::newRow("metric defaults")
        << 0
        << Fields{{"Label20(0)", "1600"}, {"Label20(1)", "1.7"}, {"Label20(2)", "8.8"},
                  {"Label20(3)", "7.1"},  {"Label20(4)", "1.12"}, {"Label20(5)", "12.7"},
                  {"Label20(6)", "539"},  {"Label20(8)", "1534"}, {"Label20(9)", ""},
                  {"Text3(0)", "8000"},   {"Text3(3)", "8.8"},    {"Text3(4)", "15"},
                  {"Text3(5)", "1"},      {"Label30(4)", "35"},   {"Label30(1)", "4.4"},
                  {"Label30(2)", "2.2"},  {"Label30(3)", "900"},  {"Label30(5)", "0.9"},
                  {"Label30(6)", "4.5"},  {"Label30(7)", "2.3"},  {"Label30(8)", "1.4"},
                  {"Label30(9)", "0.9"}};

    // US: V 5000 cfm, FA 20 %, p 28 inHg, 23 °F / 60 %, 72 °F / 50 %, 400 V, 3 phases.
    //   V = 5000 · 1.69901079552 = 8495.054 m³/h; p = 28 · 33.8638815789 = 948.1887 hPa
    //   To = (23 − 32) · 5/9 = −5 °C; Ti = (72 − 32) · 5/9 = 22.2222 °C
    //   xo = 1.665033, xi = 8.911324 g/kg, ρ = 1.117001 kg/m³, W = 13.751991 kg/h
    //   AF = 1699.01 m³/h ÷ 1.69901079552 = 1000 cfm
    //   gr/ft³ = g/kg · 0.436995723952 · ρ: xo 0.8127, xi 4.3498, Δx 3.5371
    //   ρ ÷ 16.0184633739 = 0.06973 lb/ft³; W ÷ 0.45359237 = 30.318 lb/h
    //   h = 555.184 m ÷ 0.3048 = 1821.47 ft
    //   Wr 13.8 → "1534"; steam 15 kg/h · 2.20462262185 = 33.07 lb/h; D 35 ÷ 25.4 = 1.378 in
    // Distance page: 40 × 20 in = 1016 × 508 mm, 73 °F = 22.778 °C, x = 4.3 · 2.05 = 8.815 g/kg
    //   V = 8495.054 / (0.0036 · 1016 · 508) = 4.572 m/s ÷ 0.00508 = 900 ft/min; K = 1.955
    //   pipe 900 mm ÷ 25.4 = 35.4 in; BN = 1.955 · (10 · 33 · 0.45359 / (35.4 · 25.4))^0.5 ÷ 0.3048 = 2.62 ft
    QTest::newRow("US defaults")
        << 1
        << Fields{{"Label20(0)", "1000"}, {"Label20(1)", "0.8"},  {"Label20(2)", "4.3"},
                  {"Label20(3)", "3.5"},  {"Label20(4)", "0.07"}, {"Label20(5)", "30.3"},
                  {"Label20(6)", "1,821"}, {"Label20(8)", "1534"}, {"Text3(0)", "5000"},
                  {"Text3(3)", "4.3"},    {"Text3(4)", "33"},     {"Text3(5)", "1"},
                  {"Label30(4)", "1.38"}, {"Label30(1)", "900"},  {"Label30(2)", "2.0"},
                  {"Label30(3)", "35.4"}, {"Label30(5)", "2.6"},  {"Label30(6)", "13.0"},
                  {"Label30(7)", "6.5"},  {"Label30(8)", "3.9"},  {"Label30(9)", "2.6"},
                  {"Label30(12)", "0.2/0.4"}};
}

void LoadCalculationTest::defaultProjectsWorkedByHand()
{
    QFETCH(int, units);
    QFETCH(Fields, expected);
    DesignFixture fx(units);
    QLocale::setDefault(QLocale::c());
    fx.f().btnCalc_Click();
    fx.f().btnCalcHumid_Click();
    for (const auto &[name, text] : expected)
        QCOMPARE(fx.f()[name].text(), text);
    QVERIFY(!fx.f().NoModelFound);
    QVERIFY(fx.messages.shown().empty());
}

void LoadCalculationTest::sizeLadder_data()
{
    QTest::addColumn<double>("load");
    QTest::addColumn<int>("voltage");
    QTest::addColumn<int>("phases");
    QTest::addColumn<QString>("code");

    const struct { double load; int voltage, phases; const char *code; } rows[] = {
        {0.0, 400, 3, ""},      {0.1, 400, 3, "434"},   {4.4, 400, 3, "434"},   {4.5, 400, 3, "834"},
        {8.8, 400, 3, "834"},   {8.9, 400, 3, "1534"},  {16.5, 400, 3, "1534"}, {16.6, 400, 3, "2364"},
        {25.3, 400, 3, "2364"}, {25.4, 400, 3, "3264"}, {35.2, 400, 3, "3264"}, {35.3, 400, 3, "4564"},
        {49.5, 400, 3, "4564"}, {49.6, 400, 3, "6564"}, {70.4, 400, 3, "6564"}, {70.5, 400, 3, "9064"},
        {99.0, 400, 3, "9064"}, {99.1, 400, 3, "13064"}, {143.0, 400, 3, "13064"}, {143.1, 400, 3, ""},
        {4.4, 400, 1, "424"},   {4.5, 400, 1, "824"},   {8.8, 400, 1, "824"},   {8.9, 400, 1, ""},
        {4.4, 230, 3, "432"},   {4.5, 230, 3, "832"},   {8.9, 230, 3, "1532"},  {16.6, 230, 3, "2362"},
        {25.4, 230, 3, "3262"}, {35.3, 230, 3, "6462"}, {49.6, 230, 3, "6462"}, {70.4, 230, 3, "6462"},
        {70.5, 230, 3, ""},     {2.2, 230, 1, "222"},   {2.3, 230, 1, "322"},   {3.0, 230, 1, "322"},
        {3.3, 230, 1, "322"},   {3.4, 230, 1, "422"},   {4.0, 230, 1, "422"},   {4.4, 230, 1, "422"},
        {4.5, 230, 1, "822"},   {8.8, 230, 1, "822"},   {9.0, 230, 1, ""},      {2.0, 110, 1, ""},
        {-3.0, 400, 3, ""},
    };
    for (const auto &row : rows) {
        QTest::addRow("%.1f kg/h at %d V, %d phase(s)", row.load, row.voltage, row.phases)
            << row.load << row.voltage << row.phases << QString::fromLatin1(row.code);
    }
}

void LoadCalculationTest::sizeLadder()
{
    QFETCH(double, load);
    QFETCH(int, voltage);
    QFETCH(int, phases);
    QFETCH(QString, code);
    QCOMPARE(LoadCalculation::modelSizeCode(load, voltage, phases), code);
}

void LoadCalculationTest::ladderComparesTheRoundedLoad()
{
    // 4.44 shows as 4.4 and so is the small size; 4.45 shows as 4.5.
    QCOMPARE(LoadCalculation::modelSizeCode(roundHalfAway(4.44, 1), 400, 3), QStringLiteral("434"));
    QCOMPARE(LoadCalculation::modelSizeCode(roundHalfAway(4.45, 1), 400, 3), QStringLiteral("834"));
    QCOMPARE(LoadCalculation::modelSizeCode(roundHalfAway(143.04, 1), 400, 3), QStringLiteral("13064"));
}

void LoadCalculationTest::distributorPreset_data()
{
    QTest::addColumn<double>("load");
    QTest::addColumn<int>("voltage");
    QTest::addColumn<QString>("steam");
    QTest::addColumn<QString>("pipes");
    QTest::addColumn<int>("diameter");
    QTest::newRow("nothing to humidify") << 0.0 << 400 << "0" << "1" << 0;
    QTest::newRow("just below 0.1") << 0.05 << 400 << "0" << "1" << 0;
    QTest::newRow("exactly 0.1 falls to the last row") << 0.1 << 400 << "0" << "4" << 35;
    QTest::newRow("smallest") << 0.2 << 400 << "4" << "1" << 22;
    QTest::newRow("8.8 upper bound inclusive") << 8.8 << 400 << "8" << "1" << 22;
    QTest::newRow("8.9 needs the larger pipe") << 8.9 << 400 << "15" << "1" << 35;
    QTest::newRow("23 kg/h") << 25.3 << 400 << "23" << "1" << 35;
    QTest::newRow("32 kg/h") << 35.2 << 400 << "32" << "1" << 35;
    QTest::newRow("45 kg/h on two pipes") << 49.5 << 400 << "45" << "2" << 35;
    QTest::newRow("64 kg/h at 230 V") << 55.0 << 230 << "64" << "2" << 35;
    QTest::newRow("65 kg/h at 400 V") << 55.0 << 400 << "65" << "2" << 35;
    QTest::newRow("55 kg/h at 110 V") << 55.0 << 110 << "55" << "4" << 35;
    QTest::newRow("90 kg/h on four pipes") << 99.0 << 400 << "90" << "4" << 35;
    QTest::newRow("130 kg/h") << 143.0 << 400 << "130" << "4" << 35;
    QTest::newRow("150 kg/h shows itself") << 150.0 << 400 << "150" << "4" << 35;
    QTest::newRow("1234.5 kg/h with separator") << 1234.5 << 400 << "1,235" << "4" << 35;
}

void LoadCalculationTest::distributorPreset()
{
    QFETCH(double, load);
    QFETCH(int, voltage);
    QFETCH(QString, steam);
    QFETCH(QString, pipes);
    QFETCH(int, diameter);
    QLocale::setDefault(QLocale::c());
    const LoadCalculation::Preset preset = LoadCalculation::distributorPreset(load, load, voltage);
    QCOMPARE(preset.steamOutput, steam);
    QCOMPARE(preset.pipes, pipes);
    QCOMPARE(preset.diameter, diameter);
}

void LoadCalculationTest::notesWhenNoModelFits_data()
{
    QTest::addColumn<Fields>("inputs");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("diameter");
    QTest::newRow("inside drier than outside: nothing to humidify")
        << Fields{{"Combo2(3)", "5"}} << "msg3" << "?";
    QTest::newRow("fresh air 0 %") << Fields{{"Combo2(0)", "0"}} << "msg3" << "?";
    QTest::newRow("about 150 kg/h at 400 V three-phase: larger than the largest")
        << Fields{{"Text2(0)", "94180"}} << "msg1" << "35";
    QTest::newRow("12.7 kg/h at 230 V single-phase: no such model")
        << Fields{{"Combo2(4)", "230"}, {"Combo2(5)", "1"}} << "msg2" << "35";
    QTest::newRow("150 kg/h at 230 V is not the largest-size note")
        << Fields{{"Text2(0)", "94180"}, {"Combo2(4)", "230"}} << "msg2" << "35";
}

void LoadCalculationTest::notesWhenNoModelFits()
{
    QFETCH(Fields, inputs);
    QFETCH(QString, note);
    QFETCH(QString, diameter);
    DesignFixture fx;
    fx.f().Label20(7).setText(QStringLiteral("Sorbix"));
    fx.f().ImageSelected().setPicture(QStringLiteral("picture.jpg"));
    for (const auto &[name, text] : inputs)
        fx.f()[name].setText(text);
    fx.f().calculateLoad();
    QVERIFY(fx.f().NoModelFound);
    QCOMPARE(fx.f().Label20(9).text(), DesignFixture::text(note));
    QVERIFY(!DesignFixture::text(note).isEmpty());
    QCOMPARE(fx.f().Label20(8).text(), QString());
    QCOMPARE(fx.f().Label20(7).text(), QString());
    QCOMPARE(fx.f().ImageSelected().picture(), QString());
    QCOMPARE(fx.f().Label30(4).text(), diameter);
}

void LoadCalculationTest::rangeWarnings_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("warnings");
    QTest::newRow("fresh air 0 %") << "Combo2(0)" << "0" << 1;
    QTest::newRow("fresh air 100 %") << "Combo2(0)" << "100" << 0;
    QTest::newRow("fresh air 100.5 %") << "Combo2(0)" << "100.5" << 1;
    QTest::newRow("pressure 2000 hPa passes") << "Combo2(1)" << "2000" << 0;
    QTest::newRow("pressure 2001 hPa out of range") << "Combo2(1)" << "2001" << 1;
    QTest::newRow("pressure 0") << "Combo2(1)" << "0" << 1;
    QTest::newRow("pressure with its unit is no number") << "Combo2(1)" << "950 hPa" << 1;
    QTest::newRow("outside humidity 0.1 %") << "Combo2(2)" << "0.1" << 0;
    QTest::newRow("outside humidity empty") << "Combo2(2)" << "" << 1;
    QTest::newRow("inside humidity -1 %") << "Combo2(3)" << "-1" << 1;
    QTest::newRow("inside humidity abc") << "Combo2(3)" << "abc" << 1;
    QTest::newRow("temperature has no range check") << "Text2(1)" << "-80" << 0;
    QTest::newRow("voltage has no range check") << "Combo2(4)" << "abc" << 0;
}

void LoadCalculationTest::rangeWarnings()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, warnings);
    DesignFixture fx;
    fx.f()[field].setText(text);
    fx.f().calculateLoad();
    QCOMPARE(int(fx.messages.shown().size()), warnings);
    for (const auto &shown : fx.messages.shown()) {
        QCOMPARE(shown.text, DesignFixture::rangeWarning());
        QCOMPARE(shown.buttons, MessageService::Buttons::Ok);
        QCOMPARE(shown.icon, MessageService::Icon::Information);
        QCOMPARE(shown.title, fx.f().form().caption());
    }
    // The calculation ran to the end all the same.
    QVERIFY(!fx.f().Text3(5).text().isEmpty());
}

void LoadCalculationTest::oddInputsNeverStopTheCalculation_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("text");
    const char *odd[] = {"", "abc", "1,5", "8000 m3/h", "1e308", "-1e308", "-0", "0", "nan", "inf",
                         "1e", "  12  ", ".", "-", "99999999999999999999"};
    for (int units : {0, 1}) {
        for (const char *text : odd)
            QTest::addRow("%s \"%s\"", units ? "US" : "metric", text) << units << QString::fromLatin1(text);
    }
}

void LoadCalculationTest::oddInputsNeverStopTheCalculation()
{
    QFETCH(int, units);
    QFETCH(QString, text);
    const QStringList inputs = {"Text2(0)", "Text2(1)", "Text2(2)", "Combo2(0)", "Combo2(1)",
                                "Combo2(2)", "Combo2(3)", "Combo2(4)", "Combo2(5)", "Text3(1)",
                                "Text3(2)", "Combo3(0)"};
    for (const QString &input : inputs) {
        DesignFixture fx(units);
        fx.f()[input].setText(text);
        fx.f().btnCalc_Click();
        fx.f().Image9_Click(1);
        fx.f().selectPage(MainForm::DistancePage);
        fx.f().btnCalcHumid_Click();
        for (const QString &name : MainForm::projectFieldNames()) {
            if (name == input || name == QLatin1String("Text3(0)"))
                continue; // what was typed stays as typed
            QVERIFY2(!unsightly(fx.f()[name].text()),
                     qPrintable(input + QLatin1String(": ") + name + QLatin1String(" = ") + fx.f()[name].text()));
        }
        QCOMPARE(fx.f()[input].text(), text);
    }
}

void LoadCalculationTest::numberPatternsFollowTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("units");
    QTest::addColumn<Fields>("expected");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("English metric") << english << 0
        << Fields{{"Label20(4)", "1.12"}, {"Label20(5)", "12.7"}, {"Text3(3)", "8.8"}};
    QTest::newRow("German metric") << german << 0
        << Fields{{"Label20(4)", "1,12"}, {"Label20(5)", "12,7"}, {"Text3(3)", "8,8"}};
    QTest::newRow("English US altitude with separator") << english << 1
        << Fields{{"Label20(6)", "1,821"}, {"Label20(4)", "0.07"}, {"Label30(4)", "1.38"}};
    QTest::newRow("German US altitude with separator") << german << 1
        << Fields{{"Label20(6)", "1.821"}, {"Label20(4)", "0,07"}, {"Label30(4)", "1,38"}};
    // 10 times the default air flow: W = 127.4 kg/h, AF without a separator.
    QTest::newRow("German large air flow") << german << 0
        << Fields{{"Label20(0)", "16000"}, {"Label20(5)", "127,4"}, {"Label20(8)", "13064"}};
}

void LoadCalculationTest::numberPatternsFollowTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(int, units);
    QFETCH(Fields, expected);
    DesignFixture fx(units);
    QLocale::setDefault(locale);
    if (QTest::currentDataTag() == QByteArray("German large air flow"))
        fx.f().Text2(0).setText(QStringLiteral("80000"));
    fx.f().btnCalc_Click();
    for (const auto &[name, text] : expected)
        QCOMPARE(fx.f()[name].text(), text);
}

void LoadCalculationTest::unknownDiameterInUsUnitsKeepsItsCaption()
{
    DesignFixture fx(1);
    fx.f().btnCalc_Click();
    QCOMPARE(fx.f().Label30(4).text(), QStringLiteral("1.38"));
    fx.f().Combo2(3).setText(QStringLiteral("5")); // drier inside: no load
    fx.f().btnCalc_Click();
    QCOMPARE(fx.f().Text3(4).text(), QStringLiteral("0"));
    QCOMPARE(fx.f().Label30(4).text(), QStringLiteral("1.38"));
}

QTEST_GUILESS_MAIN(LoadCalculationTest)
#include "loadcalculationtest.moc"
