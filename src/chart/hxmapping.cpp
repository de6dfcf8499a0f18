#include "hxmapping.h"

#include "convert/numberformat.h"
#include "unitfactors.h"

#include <cmath>
#include <limits>
#include <QLocale>

namespace vc {

namespace {

// The 32-bit conversion of a twips value: nearest integer, halves to even.
bool toLong(double value, qint32 &out)
{
    if (!std::isfinite(value))
        return false;
    const double rounded = std::nearbyint(value); // the default mode rounds halves to even
    if (rounded < std::numeric_limits<qint32>::min() ||
        rounded > std::numeric_limits<qint32>::max())
        return false;
    out = qint32(rounded);
    return true;
}

} // namespace

QPointF HxMapping::twips(double x, double t)
{
    return {580 + 461 * x, 7450 - 139.88 * t - 9.33 * x};
}

bool HxMapping::onChart(double x, double t)
{
    return x >= minRatio && x <= maxRatio && t >= minTemperature && t <= maxTemperature;
}

HxMapping::State HxMapping::metricState(const QString &humidity, const QString &temperature)
{
    return {leadingNumber(humidity), leadingNumber(temperature)};
}

HxMapping::State HxMapping::usState(const QString &humidity, const QString &temperature,
                                    const QLocale &locale)
{
    State state;
    state.x = leadingNumber(humidity) * UnitFactors::humidityBack;
    bool ok = false;
    const double fahrenheit = locale.toDouble(temperature.trimmed(), &ok);
    if (ok)
        state.t = (fahrenheit - 32) * 5 / 9;
    return state;
}

HxMapping::Point HxMapping::point(const State &state)
{
    const QPointF p = twips(state.x, state.t);
    Point result;
    result.xOk = toLong(p.x(), result.X);
    result.yOk = toLong(p.y(), result.Y);
    return result;
}

} // namespace vc
