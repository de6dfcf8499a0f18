#include "psychrometrics.h"

#include "stepmath.h"

#include <cmath>

namespace vc {

namespace {
// Euler's number to eleven decimals, raised as a power as it always was.
constexpr double eulerEleven = 2.71828182846;
constexpr double seaLevelPressure = 1013.25;
constexpr double altitudeScale = 44239.6313364; // 288 / 0.00651
constexpr double barometricExponent = 5.255;
}

double SaturationPressure(double t)
{
    const double exponent = 0.07257 * t - 0.0002937 * t * t + 9.81e-7 * t * t * t
        - 1.901e-9 * t * t * t * t;
    return StepMath::check(6.11 * StepMath::pow(eulerEleven, exponent));
}

double HumidityRatio(double t, double phi, double p)
{
    const double ratio = StepMath::div(100 * p, phi * SaturationPressure(t));
    return StepMath::div(622, ratio - 1);
}

double MoistAirDensity(double t, double x, double p)
{
    return StepMath::div(100 * p * (1 + 0.001 * x), (287.1 + 0.4615 * x) * (t + 273.15));
}

double AltitudeFromPressure(double p)
{
    const double power = StepMath::pow(p / seaLevelPressure, 1 / barometricExponent);
    return StepMath::check(altitudeScale - altitudeScale * power);
}

double PressureFromAltitude(double h)
{
    const double p = seaLevelPressure * StepMath::pow(1 - 0.00651 * h / 288, barometricExponent);
    if (!StepMath::ok(p))
        return StepMath::failed;
    // Currency precision: four decimals, halves to even as the currency type rounds.
    return StepMath::check(std::nearbyint(p * 10000) / 10000);
}

} // namespace vc
