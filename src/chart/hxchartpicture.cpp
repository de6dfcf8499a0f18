#include "hxchartpicture.h"

#include "chartsink.h"
#include "hxmapping.h"
#include "psychrometrics.h"

#include <cmath>
#include <functional>
#include <QImage>
#include <QLocale>
#include <QPainter>

namespace vc {

namespace {

using M = HxMapping;
constexpr double step = 0.5; // °C between the computed points of a curve
constexpr double comfortTop = 26, comfortBottom = 20, comfortDry = 35, comfortWet = 65,
                 comfortMaxX = 11.5;

QPointF px(double x, double t)
{
    return M::pixels(x, t);
}

// The point where a rising condition first holds, between a (false) and b (true).
double bisect(double a, double b, const std::function<bool(double)> &holds)
{
    for (int i = 0; i < 60; ++i) {
        const double m = (a + b) / 2;
        (holds(m) ? b : a) = m;
    }
    return b;
}

// Beyond the chart's right edge, or no water content at all (the air cannot
// hold that humidity at that pressure).
bool pastRightEdge(double x)
{
    return !std::isfinite(x) || x < 0 || x > M::maxRatio;
}

QColor rgba(int r, int g, int b, int a = 255)
{
    return QColor(r, g, b, a);
}

QPen pen(const QColor &color, double width)
{
    QPen p(color, width);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// Up to two decimals, without trailing zeros: "1013.25", "948.19", "950".
QString number(double value)
{
    QString text = QLocale::c().toString(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

void drawGrid(ChartSink &sink, double p)
{
    sink.beginGroup(QStringLiteral("grid"));
    for (int x = 0; x <= int(M::maxRatio); ++x) {
        const QColor color = x % 5 == 0 ? rgba(150, 160, 170) : rgba(200, 207, 214);
        sink.polyline(QStringLiteral("x-%1").arg(x),
                      QPolygonF{px(x, M::minTemperature), px(x, M::maxTemperature)},
                      pen(color, x % 5 == 0 ? 0.7 : 0.5));
    }
    sink.endGroup();
    // Isotherms end at saturation: beyond it lies fog.
    sink.beginGroup(QStringLiteral("isotherms"));
    for (int t = int(M::minTemperature); t <= int(M::maxTemperature); ++t) {
        const double saturated = HumidityRatio(t, 100, p);
        const double end = pastRightEdge(saturated) ? M::maxRatio : saturated;
        const bool major = t % 10 == 0, middle = t % 5 == 0;
        const QColor color = major    ? rgba(110, 122, 134)
                             : middle ? rgba(150, 160, 170)
                                      : rgba(206, 212, 218);
        sink.polyline(QStringLiteral("t%1").arg(t), QPolygonF{px(0, t), px(end, t)},
                      pen(color, major    ? 0.9
                                 : middle ? 0.7
                                          : 0.45));
    }
    sink.endGroup();
}

void drawFog(ChartSink &sink, const QPolygonF &saturation)
{
    QPainterPath fog;
    fog.addPolygon(saturation);
    const QPointF end = saturation.last();
    if (std::abs(end.x() - px(M::maxRatio, 0).x()) > 1e-6) // the curve left through the top
        fog.lineTo(px(M::maxRatio, M::maxTemperature));
    fog.lineTo(px(M::maxRatio, M::minTemperature));
    fog.closeSubpath();
    sink.area(QStringLiteral("fog"), fog, Qt::NoPen, QBrush(rgba(214, 224, 234, 170)));
}

// Lines of constant specific enthalpy h = 1.006 t + x (2501 + 1.86 t) / 1000
// kJ/kg, across the unsaturated part of the chart.
void drawEnthalpy(ChartSink &sink, double p)
{
    const QColor color = rgba(176, 112, 48);
    const auto temperature = [](double h, double x) {
        return (h - 2.501 * x) / (1.006 + 0.00186 * x);
    };
    sink.beginGroup(QStringLiteral("enthalpy"));
    for (int h = -20; h <= 130; h += 5) {
        const auto outside = [&](double x) {
            const double t = temperature(h, x);
            return t < M::minTemperature || x > M::maxRatio || x > HumidityRatio(t, 100, p);
        };
        double from = 0;
        if (temperature(h, 0) > M::maxTemperature)
            from = bisect(0, M::maxRatio,
                          [&](double x) { return temperature(h, x) <= M::maxTemperature; });
        if (outside(from))
            continue;
        const double to = outside(M::maxRatio) ? bisect(from, M::maxRatio, outside) : M::maxRatio;
        QPolygonF line;
        for (int i = 0; i <= 40; ++i) {
            const double x = from + (to - from) * i / 40;
            line << px(x, temperature(h, x));
        }
        const bool labelled = h % 10 == 0;
        sink.polyline(QStringLiteral("h%1").arg(h), line, pen(color, labelled ? 0.7 : 0.45));
        if (!labelled || to - from < 0.5)
            continue;
        const bool atEdge = to >= M::maxRatio;
        sink.text(QStringLiteral("h%1-label").arg(h),
                  line.last() + (atEdge ? QPointF(-3, 11) : QPointF(2, 9)),
                  atEdge ? ChartSink::Anchor::End : ChartSink::Anchor::Start, QString::number(h),
                  {8, false, true}, color);
    }
    sink.text(QStringLiteral("enthalpy-unit"), px(16.8, 1), ChartSink::Anchor::End,
              QStringLiteral("h in kJ/kg"), {9, false, true}, color);
    sink.endGroup();
}

void drawHumidityCurves(ChartSink &sink, double p)
{
    const QColor blue = rgba(31, 100, 170);
    const double rightEdge = px(M::maxRatio, 0).x();
    sink.beginGroup(QStringLiteral("humidity-curves"));
    for (int phi = 10; phi <= 100; phi += 10) {
        const QPolygonF curve = HxChartPicture::humidityCurve(phi, p);
        if (curve.size() < 2)
            continue;
        sink.polyline(QStringLiteral("rh-%1").arg(phi), curve, pen(blue, phi == 100 ? 1.6 : 0.8));
        const QPointF end = curve.last();
        const bool right = std::abs(end.x() - rightEdge) < 1e-6;
        sink.text(QStringLiteral("rh-%1-label").arg(phi),
                  end + (right ? QPointF(3, 3.5) : QPointF(0, -3)),
                  right ? ChartSink::Anchor::Start : ChartSink::Anchor::Middle,
                  QStringLiteral("%1 %").arg(phi), {9, phi == 100, false}, blue);
    }
    sink.endGroup();
}

QPainterPath comfortZonePath(double p)
{
    const auto curve = [p](double phi, double t) {
        return std::min(HumidityRatio(t, phi, p), comfortMaxX);
    };
    QPolygonF zone;
    for (double t = comfortBottom; t <= comfortTop + 1e-9; t += 0.25)
        zone << M::twips(curve(comfortWet, t), t);
    for (double t = comfortTop; t >= comfortBottom - 1e-9; t -= 0.25)
        zone << M::twips(curve(comfortDry, t), t);
    QPainterPath path;
    path.addPolygon(zone);
    path.closeSubpath();
    QPainterPath place;
    place.addRect(2760, 3720, 3132, 870); // where the chart control shows the picture
    return path.intersected(place);
}

} // namespace

QPolygonF HxChartPicture::humidityCurve(double phi, double p)
{
    QPolygonF curve;
    const auto past = [&](double t) { return pastRightEdge(HumidityRatio(t, phi, p)); };
    double previous = M::minTemperature;
    if (past(previous))
        return curve;
    curve << px(HumidityRatio(previous, phi, p), previous);
    const int steps = int((M::maxTemperature - M::minTemperature) / step);
    for (int i = 1; i <= steps; ++i) {
        const double t = M::minTemperature + i * step;
        if (past(t)) {
            curve << px(M::maxRatio, bisect(previous, t, past));
            break;
        }
        curve << px(HumidityRatio(t, phi, p), t);
        previous = t;
    }
    return curve;
}

void HxChartPicture::drawChart(ChartSink &sink, double pressure)
{
    const QSize size = chartSize();
    QPainterPath background;
    background.addRect(0, 0, size.width(), size.height());
    sink.area(QStringLiteral("chart-background"), background, Qt::NoPen, QBrush(Qt::white));

    const QPolygonF saturation = humidityCurve(100, pressure);
    drawGrid(sink, pressure);
    if (saturation.size() >= 2)
        drawFog(sink, saturation);
    drawEnthalpy(sink, pressure);
    drawHumidityCurves(sink, pressure);

    QPainterPath outline;
    outline.addPolygon(QPolygonF{px(0, M::minTemperature), px(0, M::maxTemperature),
                                 px(M::maxRatio, M::maxTemperature),
                                 px(M::maxRatio, M::minTemperature)});
    outline.closeSubpath();
    sink.area(QStringLiteral("chart-outline"), outline, pen(rgba(64, 80, 95), 1), Qt::NoBrush);
    sink.text(QStringLiteral("pressure"), px(16.8, -8), ChartSink::Anchor::End,
              QStringLiteral("p = %1 hPa").arg(number(pressure)), {10, true, false},
              rgba(40, 50, 60));
}

void HxChartPicture::drawComfortZone(ChartSink &sink, double pressure, const QTransform &fromTwips)
{
    const QPainterPath zone = fromTwips.map(comfortZonePath(pressure));
    sink.area(QStringLiteral("comfort-zone"), zone, pen(rgba(30, 120, 60), 1),
              QBrush(rgba(60, 170, 90, 90)));
}

QTransform HxChartPicture::comfortZonePictureTransform()
{
    // The picture's 216 x 60 pixels stretch over 3132 x 870 twips: 14.5 twips each.
    return QTransform(1 / 14.5, 0, 0, 1 / 14.5, -2760 / 14.5, -3720 / 14.5);
}

QImage HxChartPicture::chartImage(double pressure)
{
    QImage image(chartSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterSink sink(painter);
    drawChart(sink, pressure);
    return image;
}

QImage HxChartPicture::comfortZoneImage(double pressure)
{
    QImage image(comfortZoneSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterSink sink(painter);
    drawComfortZone(sink, pressure, comfortZonePictureTransform());
    return image;
}

} // namespace vc
