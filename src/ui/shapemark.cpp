#include "shapemark.h"

#include <QPainter>

namespace vc {

ShapeMark::ShapeMark(QWidget *parent, int width, int height) : QWidget(parent), m_size(width, height)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ShapeMark::setFillColor(const QColor &color)
{
    if (color == m_fill)
        return;
    m_fill = color;
    update();
}

void ShapeMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_fill.darker(125));
    painter.setBrush(m_fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

} // namespace vc
