#pragma once

#include "chartsink.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace vc {

// Writes the chart as SVG whose user units are chart pixels. Every item keeps
// its name as the element's id; lines are <polyline> elements with absolute
// points, areas <path> elements with absolute M, L, C and Z commands, so that
// the numbers in the file are chart positions without any transform.
class SvgChartSink : public ChartSink
{
public:
    // attributes: extra attributes of the root element, written as given.
    SvgChartSink(QSize size, const QString &title, const QString &attributes = {});

    void beginGroup(const QString &id) override;
    void endGroup() override;
    void polyline(const QString &id, const QPolygonF &points, const QPen &pen) override;
    void area(const QString &id, const QPainterPath &path, const QPen &pen,
              const QBrush &brush) override;
    void circle(const QString &id, const QPointF &centre, double radius, const QPen &pen,
                const QBrush &brush) override;
    void text(const QString &id, const QPointF &baseline, Anchor anchor, const QString &text,
              const Font &font, const QColor &color) override;

    // The finished document.
    QByteArray document() const;

private:
    void open(const QString &element, const QString &id);
    QString indent() const;

    QString m_body;
    QString m_head;
    int m_depth = 1;
};

} // namespace vc
