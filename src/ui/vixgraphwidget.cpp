#include "vixgraphwidget.h"

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

void VixGraphWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_graph.render(painter);
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
