#include "svgchartsink.h"

#include <QLocale>

namespace vc {

namespace {

QString num(double value)
{
    // Three decimals are a thousandth of a pixel; no exponents, no "-0".
    QString text = QLocale::c().toString(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString paint(const char *what, const QColor &color)
{
    QString out = QStringLiteral(" %1=\"%2\"").arg(QLatin1String(what), color.name(QColor::HexRgb));
    if (color.alpha() < 255)
        out += QStringLiteral(" %1-opacity=\"%2\"").arg(QLatin1String(what), num(color.alphaF()));
    return out;
}

QString stroke(const QPen &pen)
{
    if (pen.style() == Qt::NoPen)
        return QStringLiteral(" stroke=\"none\"");
    QString out = paint("stroke", pen.color()) +
                  QStringLiteral(" stroke-width=\"%1\"").arg(num(pen.widthF()));
    if (pen.capStyle() == Qt::RoundCap)
        out += QStringLiteral(" stroke-linecap=\"round\"");
    if (pen.joinStyle() == Qt::RoundJoin)
        out += QStringLiteral(" stroke-linejoin=\"round\"");
    return out;
}

QString fill(const QBrush &brush)
{
    return brush.style() == Qt::NoBrush ? QStringLiteral(" fill=\"none\"")
                                        : paint("fill", brush.color());
}

QString point(const QPointF &p)
{
    return num(p.x()) + QLatin1Char(',') + num(p.y());
}

} // namespace

SvgChartSink::SvgChartSink(QSize size, const QString &title, const QString &attributes)
{
    const QString w = QString::number(size.width()), h = QString::number(size.height());
    m_head =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%1\" height=\"%2\" "
            "viewBox=\"0 0 %1 %2\"%3>\n  <title>%4</title>\n")
            .arg(w, h, attributes.isEmpty() ? QString() : QLatin1Char(' ') + attributes,
                 escaped(title));
}

QString SvgChartSink::indent() const
{
    return QString(m_depth * 2, QLatin1Char(' '));
}

void SvgChartSink::open(const QString &element, const QString &id)
{
    m_body += indent() + QLatin1Char('<') + element;
    if (!id.isEmpty())
        m_body += QStringLiteral(" id=\"%1\"").arg(escaped(id));
}

void SvgChartSink::beginGroup(const QString &id)
{
    open(QStringLiteral("g"), id);
    m_body += QStringLiteral(">\n");
    ++m_depth;
}

void SvgChartSink::endGroup()
{
    if (m_depth <= 1)
        return;
    --m_depth;
    m_body += indent() + QStringLiteral("</g>\n");
}

void SvgChartSink::polyline(const QString &id, const QPolygonF &points, const QPen &pen)
{
    QStringList coordinates;
    coordinates.reserve(points.size());
    for (const QPointF &p : points)
        coordinates << point(p);
    open(QStringLiteral("polyline"), id);
    m_body += QStringLiteral(" points=\"%1\" fill=\"none\"%2/>\n")
                  .arg(coordinates.join(QLatin1Char(' ')), stroke(pen));
}

void SvgChartSink::area(const QString &id, const QPainterPath &path, const QPen &pen,
                        const QBrush &brush)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (!d.isEmpty())
                d += QStringLiteral("Z ");
            d += QStringLiteral("M") + point(e) + QLatin1Char(' ');
            break;
        case QPainterPath::LineToElement:
            d += QStringLiteral("L") + point(e) + QLatin1Char(' ');
            break;
        case QPainterPath::CurveToElement:
            d += QStringLiteral("C") + point(e) + QLatin1Char(' ');
            break;
        case QPainterPath::CurveToDataElement:
            d += point(e) + QLatin1Char(' ');
            break;
        }
    }
    if (!d.isEmpty())
        d += QLatin1Char('Z');
    open(QStringLiteral("path"), id);
    m_body += QStringLiteral(" d=\"%1\"%2%3/>\n").arg(d, fill(brush), stroke(pen));
}

void SvgChartSink::circle(const QString &id, const QPointF &centre, double radius, const QPen &pen,
                          const QBrush &brush)
{
    open(QStringLiteral("circle"), id);
    m_body += QStringLiteral(" cx=\"%1\" cy=\"%2\" r=\"%3\"%4%5/>\n")
                  .arg(num(centre.x()), num(centre.y()), num(radius), fill(brush), stroke(pen));
}

void SvgChartSink::text(const QString &id, const QPointF &baseline, Anchor anchor,
                        const QString &text, const Font &font, const QColor &color)
{
    open(QStringLiteral("text"), id);
    const char *anchors[] = {"start", "middle", "end"};
    m_body +=
        QStringLiteral(
            " x=\"%1\" y=\"%2\" font-family=\"%3, Arial, Helvetica, sans-serif\" font-size=\"%4\"")
            .arg(num(baseline.x()), num(baseline.y()), fontFamily(), num(font.pixelSize));
    if (anchor != Anchor::Start)
        m_body += QStringLiteral(" text-anchor=\"%1\"").arg(QLatin1String(anchors[int(anchor)]));
    if (font.bold)
        m_body += QStringLiteral(" font-weight=\"bold\"");
    if (font.italic)
        m_body += QStringLiteral(" font-style=\"italic\"");
    m_body += paint("fill", color) +
              QStringLiteral(" xml:space=\"preserve\">%1</text>\n").arg(escaped(text));
}

QByteArray SvgChartSink::document() const
{
    QString closing;
    for (int depth = m_depth - 1; depth >= 1; --depth)
        closing += QString(depth * 2, QLatin1Char(' ')) + QStringLiteral("</g>\n");
    return (m_head + m_body + closing + QStringLiteral("</svg>\n")).toUtf8();
}

} // namespace vc
