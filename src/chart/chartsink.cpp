#include "chartsink.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vc {

QString ChartSink::fontFamily()
{
    return QStringLiteral("Liberation Sans");
}

void PainterSink::polyline(const QString &, const QPolygonF &points, const QPen &pen)
{
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(points);
}

void PainterSink::area(const QString &, const QPainterPath &path, const QPen &pen,
                       const QBrush &brush)
{
    m_painter.setPen(pen);
    m_painter.setBrush(brush);
    m_painter.drawPath(path);
}

void PainterSink::circle(const QString &, const QPointF &centre, double radius, const QPen &pen,
                         const QBrush &brush)
{
    m_painter.setPen(pen);
    m_painter.setBrush(brush);
    m_painter.drawEllipse(centre, radius, radius);
}

void PainterSink::text(const QString &, const QPointF &baseline, Anchor anchor, const QString &text,
                       const Font &font, const QColor &color)
{
    QFont f(fontFamily());
    // Sizes are chart pixels, so text scales with the drawing on every device.
    f.setPixelSize(qMax(1, qRound(font.pixelSize)));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    QPointF at = baseline;
    if (anchor != Anchor::Start) {
        const double width = QFontMetricsF(f).horizontalAdvance(text);
        at.rx() -= anchor == Anchor::End ? width : width / 2;
    }
    m_painter.setFont(f);
    m_painter.setPen(color);
    m_painter.drawText(at, text);
}

} // namespace vc
