#include "loadcalculation.h"

#include "mainform.h"
#include "convert/numberformat.h"
#include "psychrometrics.h"
#include "stepmath.h"
#include "unitfactors.h"

#include <QLocale>
#include <algorithm>
#include <iterator>

namespace vc {

namespace {

struct SizeRow {
    double above, upTo; // kg/h: lower bound exclusive, upper inclusive
    int voltage, phases;
    const char *code;
};

// Upper bounds are 110 % of the nominal capacities.
constexpr SizeRow sizeLadder[] = {
    {0, 4.4, 400, 3, "434"},      {0, 4.4, 400, 1, "424"},      {0, 4.4, 230, 3, "432"},
    {0, 2.2, 230, 1, "222"},      {2.2, 3.3, 230, 1, "322"},    {3.3, 4.4, 230, 1, "422"},
    {4.4, 8.8, 400, 3, "834"},    {4.4, 8.8, 400, 1, "824"},    {4.4, 8.8, 230, 3, "832"},
    {4.4, 8.8, 230, 1, "822"},    {8.8, 16.5, 400, 3, "1534"},  {8.8, 16.5, 230, 3, "1532"},
    {16.5, 25.3, 400, 3, "2364"}, {16.5, 25.3, 230, 3, "2362"}, {25.3, 35.2, 400, 3, "3264"},
    {25.3, 35.2, 230, 3, "3262"}, {35.2, 49.5, 400, 3, "4564"}, {35.2, 49.5, 230, 3, "6462"},
    {49.5, 70.4, 400, 3, "6564"}, {49.5, 70.4, 230, 3, "6462"}, {70.4, 99.0, 400, 3, "9064"},
    {99.0, 143.0, 400, 3, "13064"},
};

struct PresetRow {
    double above, upTo;
    int voltage; // 0: any
    const char *steamOutput;
    double steamValue;
    const char *pipes;
    int diameter;
};

constexpr PresetRow presetTable[] = {
    {0.1, 4.4, 0, "4", 4, "1", 22},    {4.4, 8.8, 0, "8", 8, "1", 22},    {8.8, 16.5, 0, "15", 15, "1", 35},
    {16.5, 25.3, 0, "23", 23, "1", 35}, {25.3, 35.2, 0, "32", 32, "1", 35}, {35.2, 49.5, 0, "45", 45, "2", 35},
    {49.5, 70.4, 230, "64", 64, "2", 35}, {49.5, 70.4, 400, "65", 65, "2", 35},
    {70.4, 99.0, 0, "90", 90, "4", 35}, {99.0, 143.0, 0, "130", 130, "4", 35},
};

constexpr double largestLoad = 143.0;
constexpr double smallestPresetLoad = 0.1;

// A range-checked field reads with the user's number format; a text that is
// no number fails the check like a value out of range.
bool inRange(const QLocale &locale, const QString &text, double above, double upTo)
{
    // Plain digits read alike in every locale; they are what the lists hold.
    if (!text.isEmpty() && text.size() <= 9
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        const double value = text.toInt();
        return value > above && value <= upTo;
    }
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    return ok && StepMath::ok(value) && value > above && value <= upTo;
}

QString shown(double value, const char *pattern, const QLocale &locale)
{
    return StepMath::ok(value) ? formatNumber(value, QLatin1String(pattern), locale) : QString();
}

} // namespace

LoadCalculation::Results LoadCalculation::compute(const Inputs &in)
{
    Results r;
    r.airFlowHumidified = StepMath::div(in.freshAir * in.airFlow, 100);
    r.outsideRatio = HumidityRatio(in.outsideTemp, in.outsideHumidity, in.pressure);
    r.insideRatio = HumidityRatio(in.insideTemp, in.insideHumidity, in.pressure);
    const double xo = StepMath::orZero(r.outsideRatio);
    r.ratioIncrease = StepMath::check(StepMath::orZero(r.insideRatio) - xo);
    // The outside air heated to room temperature: the state before the humidifier.
    r.density = MoistAirDensity(in.insideTemp, xo, in.pressure);
    r.load = StepMath::check(StepMath::orZero(r.ratioIncrease)
                             * StepMath::div(in.freshAir * in.airFlow * StepMath::orZero(r.density),
                                             100000));
    r.altitude = AltitudeFromPressure(in.pressure);
    return r;
}

QString LoadCalculation::modelSizeCode(double roundedLoad, double voltage, double phases)
{
    for (const SizeRow &row : sizeLadder) {
        if (roundedLoad > row.above && roundedLoad <= row.upTo && voltage == row.voltage
            && phases == row.phases)
            return QLatin1String(row.code);
    }
    return QString();
}

LoadCalculation::Preset LoadCalculation::distributorPreset(double roundedLoad, double load,
                                                           double voltage)
{
    for (const PresetRow &row : presetTable) {
        if (roundedLoad > row.above && roundedLoad <= row.upTo
            && (row.voltage == 0 || voltage == row.voltage))
            return {QLatin1String(row.steamOutput), row.steamValue, QLatin1String(row.pipes),
                    row.diameter};
    }
    if (roundedLoad < smallestPresetLoad)
        return {QStringLiteral("0"), 0, QStringLiteral("1"), 0};
    const double whole = roundHalfAway(StepMath::orZero(load), 0);
    return {formatNumber(whole, QStringLiteral("##,##0")), whole, QStringLiteral("4"), 35};
}

void LoadCalculation::run(MainForm &f)
{
    f.NoModelFound = false;

    // The user's number format, read once for the whole run.
    const QLocale locale;
    const bool us = f.usUnits();
    Inputs in;
    in.airFlow = leadingNumber(f.Text2(0).text());
    in.freshAir = leadingNumber(f.Combo2(0).text());
    in.pressure = leadingNumber(f.Combo2(1).text());
    in.outsideHumidity = leadingNumber(f.Combo2(2).text());
    in.outsideTemp = leadingNumber(f.Text2(1).text());
    in.insideHumidity = leadingNumber(f.Combo2(3).text());
    in.insideTemp = leadingNumber(f.Text2(2).text());
    if (us) {
        in.airFlow *= UnitFactors::airFlow;
        in.pressure *= UnitFactors::pressure;
        in.outsideTemp = UnitFactors::celsius(in.outsideTemp);
        in.insideTemp = UnitFactors::celsius(in.insideTemp);
    }

    // Each failing check warns once; the calculation goes on with the values as entered.
    if (!inRange(locale, f.Combo2(0).text(), 0, 100))
        f.showRangeWarning();
    if (!inRange(locale, f.Combo2(1).text(), 0, 2000))
        f.showRangeWarning();
    if (!inRange(locale, f.Combo2(2).text(), 0, 100))
        f.showRangeWarning();
    if (!inRange(locale, f.Combo2(3).text(), 0, 100))
        f.showRangeWarning();

    const Results r = compute(in);
    if (us) {
        const double toGrains = UnitFactors::humidity * r.density;
        f.Label20(0).setText(shown(r.airFlowHumidified / UnitFactors::airFlow, "####0", locale));
        f.Label20(1).setText(shown(r.outsideRatio * toGrains, "##,##0.0", locale));
        f.Label20(2).setText(shown(r.insideRatio * toGrains, "##,##0.0", locale));
        f.Label20(3).setText(shown(r.ratioIncrease * toGrains, "##,##0.0", locale));
        f.Label20(4).setText(shown(r.density / UnitFactors::density, "##0.00", locale));
        f.Label20(5).setText(shown(r.load / UnitFactors::massFlow, "##,##0.0", locale));
        f.Label20(6).setText(shown(r.altitude / UnitFactors::feet, "##,##0", locale));
    } else {
        f.Label20(0).setText(shown(r.airFlowHumidified, "####0", locale));
        f.Label20(1).setText(shown(r.outsideRatio, "##,##0.0", locale));
        f.Label20(2).setText(shown(r.insideRatio, "##,##0.0", locale));
        f.Label20(3).setText(shown(r.ratioIncrease, "##,##0.0", locale));
        f.Label20(4).setText(shown(r.density, "##0.00", locale));
        f.Label20(5).setText(shown(r.load, "##,##0.0", locale));
        f.Label20(6).setText(shown(r.altitude, "##,##0", locale));
    }

    const double voltage = leadingNumber(f.Combo2(4).text());
    const double phases = leadingNumber(f.Combo2(5).text());
    // The load as shown, so that the ladder compares what the user reads.
    const double rounded = roundHalfAway(StepMath::orZero(r.load), 1);

    auto noModel = [&f](const QString &note) {
        f.NoModelFound = true;
        f.Label20(9).setText(note);
        f.Label20(8).setText(QString());
        f.Label20(7).setText(QString());
        f.ImageSelected().setPicture(QString());
    };
    if (rounded <= 0) {
        noModel(f.languageText(QStringLiteral("msg3")));
    } else {
        const QString code = modelSizeCode(rounded, voltage, phases);
        if (!code.isEmpty())
            f.Label20(8).setText(code);
        else if (rounded > largestLoad && voltage == 400 && phases == 3)
            noModel(f.languageText(QStringLiteral("msg1")));
        else
            noModel(f.languageText(QStringLiteral("msg2")));
    }
    if (!f.NoModelFound)
        f.Label20(9).setText(QString());

    const Preset preset = distributorPreset(rounded, r.load, voltage);
    f.Text3(4).setText(preset.steamOutput);
    f.Text3(5).setText(preset.pipes);

    f.Text3(0).setText(f.Text2(0).text());
    f.Text3(3).setText(f.Label20(2).text());

    if (us) {
        // An unknown diameter has no inch value: the caption stays as it was.
        if (preset.diameter != 0)
            f.Label30(4).setText(formatNumber(preset.diameter / UnitFactors::inch, QStringLiteral("#0.00"), locale));
        f.Text3(4).setText(shown(preset.steamValue * UnitFactors::massFlowPerKg, "####0", locale));
    } else {
        f.Label30(4).setText(preset.diameter != 0 ? formatNumber(preset.diameter, QStringLiteral("#0"), locale)
                                                  : QStringLiteral("?"));
    }
}

} // namespace vc
