#pragma once

#include <QPointF>
#include <QString>

class QLocale;

namespace vc {

// Where an air state stands on the h-x chart: the chart control's
// coordinates in twips (1/1440 inch, 15 per chart pixel) from its top-left
// corner. 0 °C lies at 7450, each degree 139.88 higher; each g/kg 461 to the
// right and, following the rising isotherms, 9.33 higher. The chart shows
// -20 to 50 °C and 0 to 17 g/kg; the picture, the window's markers and the
// saved drawings all place states with these numbers.
class HxMapping
{
public:
    static constexpr double minTemperature = -20, maxTemperature = 50; // °C
    static constexpr double minRatio = 0, maxRatio = 17;               // g/kg
    static constexpr double twipsPerPixel = 15;

    // Exact position in twips, unrounded.
    static QPointF twips(double x, double t);
    // Exact position in chart pixels.
    static QPointF pixels(double x, double t) { return twips(x, t) / twipsPerPixel; }

    // Whether the state lies within the chart's ranges (borders included).
    static bool onChart(double x, double t);

    // A state as the window reads it from the main window's texts: humidity
    // and temperature in the active unit system, converted to g/kg and °C.
    struct State
    {
        double x = 0; // g/kg
        double t = 0; // °C
    };
    static State metricState(const QString &humidity, const QString &temperature);
    // US customary: gr/ft³ times 2.05, °F read with the locale's number rules;
    // a temperature that does not read stays at 0 °C.
    static State usState(const QString &humidity, const QString &temperature,
                         const QLocale &locale);

    // The chart control's point coordinates of a state, each rounded to the
    // nearest integer with halves to the even neighbour. ok is false when a
    // coordinate does not fit a 32-bit integer; that coordinate is then 0.
    struct Point
    {
        qint32 X = 0, Y = 0;
        bool xOk = false, yOk = false;
    };
    static Point point(const State &state);
};

} // namespace vc
