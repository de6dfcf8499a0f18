#include "humidificationdistance.h"

#include "convert/numberformat.h"
#include "stepmath.h"
#include "unitfactors.h"

#include <QLocale>

namespace vc {

namespace {

// The distance relation was fitted with e to three decimals; keep it so.
constexpr double eulerThree = 2.718;
// m³/h through mm² to m/s: 3600 s/h × 1e-6 m²/mm².
constexpr double velocityScale = 0.0036;
constexpr double feetPerMinute = 0.00508; // m/s in one ft/min
constexpr double minimumFactors[4] = {5, 2.5, 1.5, 1};

QString shown(double value, const char *pattern, const QLocale &locale)
{
    return StepMath::ok(value) ? formatNumber(value, QLatin1String(pattern), locale) : QString();
}

} // namespace

double HumidificationDistance::airVelocity(double airFlow, double width, double height)
{
    return StepMath::div(airFlow, velocityScale * width * height);
}

double HumidificationDistance::factorK(double velocity, double temperature, double humidity)
{
    const double v = StepMath::orZero(velocity);
    const double exponent = (-0.175 + 0.00025 * v * v) * (temperature - 1.24 * humidity);
    return StepMath::check((11.4 + 1.5 * StepMath::pow(v, 0.5)) * StepMath::pow(eulerThree, exponent));
}

double HumidificationDistance::distance(double k, double steamOutput, double pipeLength, double pipes)
{
    const double share = StepMath::div(10 * steamOutput, pipeLength * pipes);
    return StepMath::check(StepMath::orZero(k) * StepMath::pow(share, 0.5));
}

HumidificationDistance::Texts HumidificationDistance::compute(const Inputs &in, bool us,
                                                              double steamOutputUs)
{
    Texts t;
    const QLocale locale; // the user's number format, read once
    const double v = airVelocity(in.airFlow, in.width, in.height);
    t.velocityMs = StepMath::orZero(v);
    const double k = factorK(v, in.temperature, in.humidity);
    t.factorK = shown(k, "##,##0.0", locale);

    double shownDistance = StepMath::failed;
    if (us) {
        t.velocity = shown(v / feetPerMinute, "##,##0", locale);
        const double inches = in.pipeLength / UnitFactors::inch;
        t.pipeLength = shown(inches, "##,##0.0", locale);
        const double inchesShown = StepMath::ok(inches) ? roundHalfAway(inches, 1) : 0.0;
        const double feet = StepMath::div(
            distance(k, steamOutputUs * UnitFactors::massFlow, inchesShown * UnitFactors::inch, in.pipes),
            UnitFactors::feet);
        t.distance = shown(feet, "##,##0.0", locale);
        shownDistance = feet;
    } else {
        t.velocity = shown(v, "#,##0.0", locale);
        t.pipeLength = shown(in.pipeLength, "##,##0", locale);
        shownDistance = distance(k, in.steamOutput, in.pipeLength, in.pipes);
        t.distance = shown(shownDistance, "##,##0.0", locale);
    }

    // The minimum distances follow from the distance as shown, rounded.
    const double d = StepMath::ok(shownDistance) ? roundHalfAway(shownDistance, 1) : 0.0;
    for (int i = 0; i < 4; ++i)
        t.minimum[i] = shown(minimumFactors[i] * d, "##,##0.0", locale);
    return t;
}

} // namespace vc
