#include "vixgrapheu.h"

#include "chartsink.h"
#include "hxchartpicture.h"
#include "hxmapping.h"

#include <cmath>
#include <QPainter>

namespace vc {

namespace {

constexpr double px = HxMapping::twipsPerPixel;

struct ScaleLabel
{
    int top;
    const char *text;
    double celsius;
};

// Label2(0..14): Celsius on even, Fahrenheit on odd indexes.
constexpr ScaleLabel temperatureLabels[] = {
    {120, "50°C", 50},          {510, "120°F", 440.0 / 9}, {1520, "40°C", 40},
    {2040, "100°F", 340.0 / 9}, {3120, "30°C", 30},        {3600, "80°F", 240.0 / 9},
    {4520, "20°C", 20},         {4980, "60°F", 140.0 / 9}, {5920, "10°C", 10},
    {6700, "40°F", 40.0 / 9},   {7310, "0°C", 0},          {8240, "20°F", -60.0 / 9},
    {8700, "-10°C", -10},       {9780, "0°F", -160.0 / 9}, {10100, "-20°C", -20},
};

const QRect strip(10, 10, 520, 10200);
const QRect metricScale(480, 10320, 8655, 200);
const QRect usScale(480, 10520, 8415, 200);
const QRect humidityCaption(1740, 120, 1515, 240);
const QRect waterCaption(2520, 9840, 5415, 255);
const QRect comfortZone(2760, 3720, 3132, 870);

QRect labelBox(int index)
{
    return {index % 2 == 0 ? 10 : 15, temperatureLabels[index].top, 495, 375};
}

QString padded(const char *text)
{
    return QString::fromUtf8(text).rightJustified(6, QLatin1Char(' '));
}

} // namespace

VixGraphEU::VixGraphEU(QObject *parent)
    : QObject(parent), m_pressure(HxChartPicture::standardPressure)
{
}

qint32 VixGraphEU::centre(double start, double extent)
{
    return qint32(std::nearbyint(start + extent / 2)); // halves to the even neighbour
}

qint32 VixGraphEU::Point1X() const
{
    return centre(m_left[0], MarkerSize);
}

qint32 VixGraphEU::Point1Y() const
{
    return centre(m_top[0], MarkerSize);
}

qint32 VixGraphEU::Point2X() const
{
    return centre(m_left[1], MarkerSize);
}

qint32 VixGraphEU::Point2Y() const
{
    return centre(m_top[1], MarkerSize);
}

void VixGraphEU::setPoint1X(qint32 v)
{
    m_left[0] = v - MarkerSize / 2.0;
    Q_EMIT changed();
}

void VixGraphEU::setPoint1Y(qint32 v)
{
    m_top[0] = v - MarkerSize / 2.0;
    Q_EMIT changed();
}

void VixGraphEU::setPoint2X(qint32 v)
{
    m_left[1] = v - MarkerSize / 2.0;
    Q_EMIT changed();
}

void VixGraphEU::setPoint2Y(qint32 v)
{
    m_top[1] = v - MarkerSize / 2.0;
    Q_EMIT changed();
}

void VixGraphEU::setDisHag(bool visible)
{
    m_disHag = visible;
    Q_EMIT changed();
}

void VixGraphEU::setCaptionRelativHumidity(const QString &caption)
{
    m_captionHumidity = caption;
    Q_EMIT propertyChanged(QStringLiteral("CaptionRelativHumidity"));
    Q_EMIT changed();
}

void VixGraphEU::setCaptionWasserGehalt(const QString &caption)
{
    m_captionWater = caption;
    Q_EMIT propertyChanged(QStringLiteral("CaptionWasserGehalt"));
    Q_EMIT changed();
}

void VixGraphEU::resize(int width, int height)
{
    // The frame follows whatever the host asked for; then the control takes its size back.
    m_width = width;
    m_height = height;
    m_width = Width;
    m_height = Height;
    Q_EMIT changed();
}

QRectF VixGraphEU::marker(int which) const
{
    const int i = which == 2 ? 1 : 0;
    return {m_left[i], m_top[i], double(MarkerSize), double(MarkerSize)};
}

bool VixGraphEU::markerVisible(int which) const
{
    return m_markerVisible[which == 2 ? 1 : 0];
}

void VixGraphEU::setMarkerVisible(int which, bool visible)
{
    m_markerVisible[which == 2 ? 1 : 0] = visible;
    Q_EMIT changed();
}

QLineF VixGraphEU::line() const
{
    return {marker(1).center(), marker(2).center()};
}

void VixGraphEU::setPressure(double hPa)
{
    m_pressure = hPa;
    Q_EMIT changed();
}

QList<VixGraphEU::Element> VixGraphEU::elements() const
{
    QList<Element> list;
    list << Element{QStringLiteral("Image1"),
                    QRect(QPoint(0, 0), HxChartPicture::chartSize() * px),
                    {},
                    true}
         << Element{QStringLiteral("Label3"), strip, {}, true};
    for (int i = 0; i < 15; ++i)
        list << Element{QStringLiteral("Label2(%1)").arg(i), labelBox(i),
                        padded(temperatureLabels[i].text), true};
    list << Element{QStringLiteral("Label1(0)"), metricScale, QStringLiteral("0 … 17 g/kg"), true}
         << Element{QStringLiteral("Label1(1)"), usScale, QStringLiteral("0 … 8 gr/cu ft"), true}
         << Element{QStringLiteral("lb1"), humidityCaption, m_captionHumidity, true}
         << Element{QStringLiteral("lb2"), waterCaption, m_captionWater, true}
         << Element{QStringLiteral("behag"), comfortZone, {}, m_disHag}
         << Element{QStringLiteral("pt1"), marker(1).toRect(), {}, markerVisible(1)}
         << Element{QStringLiteral("pt2"), marker(2).toRect(), {}, markerVisible(2)}
         << Element{QStringLiteral("Line1"),
                    QRectF(line().p1(), line().p2()).normalized().toRect(),
                    {},
                    lineVisible()}
         << Element{QStringLiteral("BC"), QRect(0, 0, m_width, m_height), {}, true};
    return list;
}

void VixGraphEU::paint(ChartSink &sink) const
{
    paintBackground(sink);
    paintOverlay(sink);
}

void VixGraphEU::paintBackground(ChartSink &sink) const
{
    const QColor ink(30, 40, 50), grey(105, 115, 125);
    HxChartPicture::drawChart(sink, m_pressure);

    sink.beginGroup(QStringLiteral("scales"));
    QPainterPath stripPath;
    stripPath.addRect(QRectF(strip.topLeft() / px, strip.size() / px));
    sink.area(QStringLiteral("Label3"), stripPath, Qt::NoPen, QBrush(Qt::white));
    for (int i = 0; i < 15; ++i) {
        // Each text stands at the height of its isotherm at the left edge, within its label.
        const QRectF box(labelBox(i).topLeft() / px, labelBox(i).size() / px);
        const double at =
            qBound(box.top() + 4, HxMapping::pixels(0, temperatureLabels[i].celsius).y(),
                   box.bottom() - 4);
        const bool celsius = i % 2 == 0;
        sink.text(QStringLiteral("Label2(%1)").arg(i), QPointF(box.right() - 2, at + 3.5),
                  ChartSink::Anchor::End, QString::fromUtf8(temperatureLabels[i].text),
                  {celsius ? 10.0 : 9.0, celsius, false}, celsius ? ink : grey);
    }
    for (int x = 0; x <= 17; ++x)
        sink.text(QStringLiteral("Label1(0)-%1").arg(x),
                  QPointF(HxMapping::pixels(x, 0).x(), metricScale.top() / px + 9),
                  ChartSink::Anchor::Middle, QString::number(x), {9, false, false}, ink);
    sink.text(QStringLiteral("Label1(0)-unit"),
              QPointF(HxMapping::pixels(17, 0).x() + 9, metricScale.top() / px + 9),
              ChartSink::Anchor::Start, QStringLiteral("g/kg"), {9, false, false}, ink);
    // The window reads a US humidity as gr/ft³ times 2.05 g/kg; the scale agrees.
    for (int g = 0; g <= 8; ++g)
        sink.text(QStringLiteral("Label1(1)-%1").arg(g),
                  QPointF(HxMapping::pixels(g * 2.05, 0).x(), usScale.top() / px + 10),
                  ChartSink::Anchor::Middle, QString::number(g), {8, false, false}, grey);
    sink.text(QStringLiteral("Label1(1)-unit"),
              QPointF(HxMapping::pixels(8 * 2.05, 0).x() + 9, usScale.top() / px + 10),
              ChartSink::Anchor::Start, QStringLiteral("gr/cu ft"), {8, false, false}, grey);
    sink.text(QStringLiteral("lb1"),
              QPointF(humidityCaption.left() / px, humidityCaption.bottom() / px - 3),
              ChartSink::Anchor::Start, m_captionHumidity, {10, false, true}, QColor(31, 100, 170));
    sink.text(QStringLiteral("lb2"),
              QPointF(waterCaption.left() / px, waterCaption.bottom() / px - 4),
              ChartSink::Anchor::Start, m_captionWater, {10, false, false}, ink);
    sink.endGroup();
}

void VixGraphEU::paintOverlay(ChartSink &sink) const
{
    if (m_disHag)
        HxChartPicture::drawComfortZone(sink, m_pressure, QTransform::fromScale(1 / px, 1 / px));

    if (lineVisible())
        sink.polyline(QStringLiteral("Line1"), QPolygonF{line().p1() / px, line().p2() / px},
                      QPen(QColor(120, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
    const QColor colours[] = {QColor(214, 69, 30), QColor(30, 110, 200)};
    const qint32 xs[] = {Point1X(), Point2X()}, ys[] = {Point1Y(), Point2Y()};
    for (int i = 0; i < 2; ++i) {
        if (m_markerVisible[i])
            sink.circle(QStringLiteral("pt%1").arg(i + 1), QPointF(xs[i] / px, ys[i] / px),
                        MarkerSize / px / 2, QPen(Qt::white, 1.5), QBrush(colours[i]));
    }

    QPainterPath frame;
    frame.addRect(QRectF(0.5, 0.5, m_width / px - 1, m_height / px - 1));
    sink.area(QStringLiteral("BC"), frame, QPen(QColor(30, 40, 50), 1), Qt::NoBrush);
}

void VixGraphEU::render(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PainterSink sink(painter);
    paint(sink);
    painter.restore();
}

QImage VixGraphEU::toImage(double scale) const
{
    scale = std::isfinite(scale) ? qBound(0.1, scale, 20.0) : 1.0;
    const QSize size = (QSizeF(pixelSize()) * scale).toSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    // The image prints at the chart's own size (96 chart pixels per inch) whatever its scale.
    const int dotsPerMeter = qRound(96 * scale / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    painter.scale(double(size.width()) / pixelSize().width(),
                  double(size.height()) / pixelSize().height());
    render(painter);
    painter.end();
    return image;
}

} // namespace vc
