#pragma once

#include <QPolygonF>
#include <QSize>
#include <QTransform>

class QImage;
class QPainter;

namespace vc {

class ChartSink;

// The pictures of the h-x chart, drawn as vectors from the design's own
// relations of moist air at a given pressure, placed with HxMapping:
//  - the chart picture (593 x 714 chart pixels): grid of water content and
//    temperature, relative humidity curves 10 % to 100 %, lines of constant
//    enthalpy, the fog area beyond saturation and the pressure it is drawn for;
//  - the comfort-zone picture (216 x 60), which the chart control stretches
//    over its place on the chart (14.5 twips per picture pixel), so that its
//    zone (20 to 26 °C, 35 to 65 %, at most 11.5 g/kg) sits on the chart's
//    curves.
// A state placed by HxMapping at its relative humidity lies on that curve
// within a small fraction of a pixel.
class HxChartPicture
{
public:
    static constexpr double standardPressure = 1013.25; // hPa
    static QSize chartSize() { return {593, 714}; }
    static QSize comfortZoneSize() { return {216, 60}; }

    // The relative humidity curve phi (%) at pressure p (hPa), in chart
    // pixels, from -20 °C until it leaves the chart at 50 °C or 17 g/kg.
    static QPolygonF humidityCurve(double phi, double p);

    // The chart picture in chart pixels.
    static void drawChart(ChartSink &sink, double pressure);
    // The comfort zone, drawn through the given transform from chart twips
    // to the target's coordinates.
    static void drawComfortZone(ChartSink &sink, double pressure, const QTransform &fromTwips);
    // Chart twips to the comfort-zone picture's own pixels.
    static QTransform comfortZonePictureTransform();

    // The two pictures as images of their own size.
    static QImage chartImage(double pressure);
    static QImage comfortZoneImage(double pressure);
};

} // namespace vc
