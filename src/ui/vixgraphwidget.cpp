#include "vixgraphwidget.h"

#include "chartsink.h"
#include "vixgrapheu.h"

#include <QPainter>
#include <QResizeEvent>

namespace vc {

VixGraphWidget::VixGraphWidget(VixGraphEU &graph, QWidget *parent) : QWidget(parent), m_graph(graph)
{
    setObjectName(QStringLiteral("vixGraph1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(VixGraphEU::pixelSize());
    connect(&m_graph, &VixGraphEU::changed, this, qOverload<>(&QWidget::update));
}

namespace {

// The chart picture and its scales change only with the pressure and the
// captions; drawn once, they serve every repaint and every opening.
struct Background
{
    double pressure = 0;
    QString humidity, water;
    qreal ratio = 0;
    QImage image;
};

const QImage &background(const VixGraphEU &graph, qreal ratio)
{
    static Background cache;
    if (cache.image.isNull() || cache.pressure != graph.pressure() || cache.ratio != ratio ||
        cache.humidity != graph.CaptionRelativHumidity() ||
        cache.water != graph.CaptionWasserGehalt()) {
        cache = {graph.pressure(),
                 graph.CaptionRelativHumidity(),
                 graph.CaptionWasserGehalt(),
                 ratio,
                 {}};
        cache.image = QImage(VixGraphEU::pixelSize() * ratio, QImage::Format_ARGB32_Premultiplied);
        cache.image.setDevicePixelRatio(ratio);
        cache.image.fill(Qt::white);
        QPainter painter(&cache.image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PainterSink sink(painter);
        graph.paintBackground(sink);
    }
    return cache.image;
}

} // namespace

void VixGraphWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), background(m_graph, devicePixelRatioF()));
    painter.setRenderHint(QPainter::Antialiasing);
    PainterSink sink(painter);
    m_graph.paintOverlay(sink);
}

void VixGraphWidget::resizeEvent(QResizeEvent *event)
{
    // The control keeps its one size, whatever its container asks.
    const QSize asked = event->size() * 15;
    m_graph.resize(asked.width(), asked.height());
    if (size() != VixGraphEU::pixelSize())
        resize(VixGraphEU::pixelSize());
}

} // namespace vc
