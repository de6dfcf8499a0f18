#pragma once

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>

class QPainter;

namespace vc {

// What the chart is made of, in chart pixels: named lines, areas, circles
// and texts. One drawing routine feeds a sink; the painter sink serves the
// screen, the clipboard, the printer, PNG and PDF, the SVG sink writes each
// item as an element carrying its name as id, so that the chart can be
// restyled and checked item by item.
class ChartSink
{
public:
    enum class Anchor { Start, Middle, End };
    struct Font
    {
        double pixelSize = 10;
        bool bold = false;
        bool italic = false;
    };

    virtual ~ChartSink() = default;
    // Items between begin and end belong to one named group ("grid", "isotherms").
    virtual void beginGroup(const QString &id) = 0;
    virtual void endGroup() = 0;
    virtual void polyline(const QString &id, const QPolygonF &points, const QPen &pen) = 0;
    virtual void area(const QString &id, const QPainterPath &path, const QPen &pen,
                      const QBrush &brush) = 0;
    virtual void circle(const QString &id, const QPointF &centre, double radius, const QPen &pen,
                        const QBrush &brush) = 0;
    // One line of text whose baseline starts, centres or ends at the point.
    virtual void text(const QString &id, const QPointF &baseline, Anchor anchor,
                      const QString &text, const Font &font, const QColor &color) = 0;

    // The family every output asks for; the SVG names fallbacks beside it.
    static QString fontFamily();
};

// Draws the items on a painter whose coordinates are chart pixels.
class PainterSink : public ChartSink
{
public:
    explicit PainterSink(QPainter &painter) : m_painter(painter) {}
    void beginGroup(const QString &) override {}
    void endGroup() override {}
    void polyline(const QString &id, const QPolygonF &points, const QPen &pen) override;
    void area(const QString &id, const QPainterPath &path, const QPen &pen,
              const QBrush &brush) override;
    void circle(const QString &id, const QPointF &centre, double radius, const QPen &pen,
                const QBrush &brush) override;
    void text(const QString &id, const QPointF &baseline, Anchor anchor, const QString &text,
              const Font &font, const QColor &color) override;

private:
    QPainter &m_painter;
};

} // namespace vc
