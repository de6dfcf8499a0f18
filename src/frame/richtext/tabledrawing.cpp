#include "richtext/tabledrawing.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>
#include <QtMath>

#include <algorithm>
// The one way to a cell's box after layout: the layout keeps it to itself.
#include <private/qtextdocumentlayout_p.h>

namespace vc {

using namespace cellside;

namespace {

// A style the layout would give a width, where the format sets none.
constexpr double defaultWidth = 3;

bool horizontal(int side)
{
    return side == Top || side == Bottom;
}

} // namespace

bool TableDrawing::lift(QTextCharFormat &format, const QTextTableFormat &table, int dpi,
                        Lifted &out)
{
    // the sides set in the format, as wide as the layout takes them
    bool any = false;
    for (int e = 0; e < 4; ++e) {
        out.width[size_t(e)] = 0;
        out.drawn[size_t(e)] = false;
        if (!format.hasProperty(style[e]))
            continue;
        const int s = format.intProperty(style[e]);
        if (s != QTextFrameFormat::BorderStyle_Solid && s != QTextFrameFormat::BorderStyle_None)
            return false;
        const double w =
            format.hasProperty(width[e]) ? format.doubleProperty(width[e]) : defaultWidth;
        out.width[size_t(e)] = w;
        out.drawn[size_t(e)] = s == QTextFrameFormat::BorderStyle_Solid && w > 0;
        any = any || out.drawn[size_t(e)];
    }
    if (!any)
        return false;
    const double scale = dpi / 96.0;
    for (int e = 0; e < 4; ++e) {
        if (!format.hasProperty(style[e]))
            continue;
        // the layout adds the side's width to the padding, each in its fixed point
        const QVariant p = format.property(padding[e]);
        const int total = fixed((p.isNull() ? table.cellPadding() : p.toReal()) * scale) +
                          fixed(out.width[size_t(e)] * scale);
        format.setProperty(padding[e], length(total, scale));
        if (out.drawn[size_t(e)]) {
            const QBrush b = format.brushProperty(brush[e]);
            out.brush[size_t(e)] = b.style() == Qt::NoBrush ? QBrush(Qt::black) : b;
        }
        format.clearProperty(width[e]);
        format.clearProperty(style[e]);
        format.clearProperty(brush[e]);
    }
    return true;
}

unsigned TableDrawing::brushIndex(const QBrush &b)
{
    for (size_t i = 0; i < m_brushes.size(); ++i)
        if (m_brushes[i] == b)
            return unsigned(i);
    m_brushes.push_back(b);
    return unsigned(m_brushes.size() - 1);
}

// Adds a cell where the layout draws it, with the sides lifted from it. With
// `whole` also its background and paragraphs: false if it holds something
// only the layout draws.
bool TableDrawing::addCell(QTextDocumentLayout *layout, const QRectF &box, const QTextTableCell &tc,
                           const Lifted *lifted, bool whole, const Placing &at)
{
    const QRectF rect = box.translated(at.shift);
    Cell cell{rect, rect.adjusted(-at.border, -at.border, at.border, at.border),
              -1,   unsigned(m_sides.size()),
              0,    unsigned(m_texts.size()),
              0};
    if (whole) {
        const QTextCharFormat f = tc.format();
        for (const QTextFormat::Property p : style)
            if (f.hasProperty(p))
                return false;
        const QBrush bg = f.background();
        if (bg.style() != Qt::NoBrush && bg.style() != Qt::SolidPattern)
            return false;
        if (bg.style() != Qt::NoBrush)
            cell.background = int(brushIndex(bg));
        // where the layout draws the cell's paragraphs from: inside its
        // padding, and lower by what its vertical alignment leaves above
        const auto padding = [&](int side) {
            const QVariant v = f.property(cellside::padding[side]);
            return fixed((v.isNull() ? at.cellPadding : v.toReal()) * at.scale) / 64.0;
        };
        const bool aligned = f.verticalAlignment() == QTextCharFormat::AlignMiddle ||
                             f.verticalAlignment() == QTextCharFormat::AlignBottom;
        QPointF origin = rect.topLeft() + QPointF(padding(Left), padding(Top));
        for (QTextFrame::iterator it = tc.begin(); !it.atEnd(); ++it) {
            const QTextBlock b = it.currentBlock();
            if (it.currentFrame() || b.textList())
                return false;
            const QTextBlockFormat bf = b.blockFormat();
            if (bf.background().style() != Qt::NoBrush ||
                bf.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
                return false;
            if (!b.isVisible())
                continue;
            if (aligned && cell.texts == 0)
                origin = layout->blockBoundingRect(b).topLeft() - b.layout()->position() + at.shift;
            m_texts.push_back({b.layout(), origin, origin - at.shift, b.blockNumber()});
            ++cell.texts;
        }
    }
    if (lifted)
        addSides(*lifted, rect, at.dpi);
    cell.sides = unsigned(m_sides.size()) - cell.firstSide;
    m_cells.push_back(cell);
    return true;
}

void TableDrawing::place(QTextDocument &doc, const std::vector<Lifted> &cells, int dpi)
{
    m_cells.clear();
    m_sides.clear();
    m_texts.clear();
    m_brushes.clear();
    m_whole.clear();
    m_byBlock.clear();
    auto *layout = qobject_cast<QTextDocumentLayout *>(doc.documentLayout());
    if (!layout || cells.empty())
        return;
    m_frame = QRectF(QPointF(), layout->documentSize());
    Placing at;
    at.dpi = dpi;
    at.scale = dpi / qreal(96);
    for (size_t i = 0; i < cells.size();) {
        QTextTable *table = cells[i].table;
        size_t end = i;
        while (end < cells.size() && cells[end].table == table)
            ++end;
        const QTextTableFormat tf = table->format();
        // the layout draws a table from the whole pixel nearest to it
        const QRectF frame = layout->tableBoundingRect(table);
        at.shift = QPointF(frame.topLeft().toPoint()) - frame.topLeft();
        at.border = fixed(tf.border() * at.scale) / 64.0;
        at.cellPadding = tf.cellPadding();
        const size_t cells0 = m_cells.size(), sides0 = m_sides.size(), texts0 = m_texts.size();
        bool whole = tf.border() == 0 && tf.background().style() == Qt::NoBrush &&
                     table->childFrames().isEmpty();
        size_t k = i;
        // A cell of one row and column is as tall as its row and as wide as its
        // column: the layout, asked for each cell, searches the table for it.
        const int rows = table->rows(), cols = table->columns();
        std::vector<std::pair<double, double>> across(size_t(rows), {0, -1}),
            down(size_t(cols), {0, -1}); // top and height, left and width
        for (int r = 0; whole && r < rows; ++r)
            for (int c = 0; whole && c < cols; ++c) {
                const QTextTableCell tc = table->cellAt(r, c);
                if ((c > 0 && table->cellAt(r, c - 1) == tc) ||
                    (r > 0 && table->cellAt(r - 1, c) == tc))
                    continue;
                auto &row = across[size_t(r)];
                auto &col = down[size_t(c)];
                QRectF box;
                const bool single = (c + 1 == cols || table->cellAt(r, c + 1) != tc) &&
                                    (r + 1 == rows || table->cellAt(r + 1, c) != tc);
                if (single && row.second >= 0 && col.second >= 0) {
                    box = QRectF(col.first, row.first, col.second, row.second);
                } else {
                    box = layout->tableCellBoundingRect(table, tc);
                    if (single) {
                        row = {box.top(), box.height()};
                        col = {box.left(), box.width()};
                    }
                }
                const bool mine = k < end && cells[k].row == r && cells[k].col == c;
                whole = addCell(layout, box, tc, mine ? &cells[k++] : nullptr, true, at);
            }
        if (whole) {
            m_whole.push_back({frame.top() + at.shift.y(), frame.bottom() + at.shift.y()});
        } else { // the layout draws it, and the sides lifted from it are drawn after
            m_cells.resize(cells0);
            m_sides.resize(sides0);
            m_texts.resize(texts0);
            for (k = i; k < end; ++k) {
                const QTextTableCell tc = table->cellAt(cells[k].row, cells[k].col);
                addCell(layout, layout->tableCellBoundingRect(table, tc), tc, &cells[k], false, at);
            }
        }
        i = end;
    }
    m_byBlock.reserve(m_texts.size());
    for (size_t t = 0; t < m_texts.size(); ++t)
        m_byBlock.emplace_back(m_texts[t].block, unsigned(t));
    std::sort(m_byBlock.begin(), m_byBlock.end());
}

bool TableDrawing::blockRect(const QTextBlock &block, QRectF &rect) const
{
    const int number = block.blockNumber();
    const auto it =
        std::lower_bound(m_byBlock.begin(), m_byBlock.end(), std::pair<int, unsigned>(number, 0));
    if (it == m_byBlock.end() || it->first != number)
        return false;
    const Text &t = m_texts[it->second];
    rect = t.layout->boundingRect();
    rect.moveTopLeft(t.layout->position() + t.offset);
    return true;
}

// Sides lie inside the cell's whole pixels. Where two meet, the wider one
// runs through, and of two as wide the upright one.
void TableDrawing::addSides(const Lifted &c, const QRectF &cell, int dpi)
{
    const auto device = [dpi](double v) { return v * dpi / qreal(96); };
    const QRectF r(cell.toRect());
    const auto inset = [&](int side, int across) {
        const double ws = c.width[size_t(side)], wa = c.width[size_t(across)];
        return wa > ws || (wa == ws && horizontal(side)) ? device(wa) : 0.0;
    };
    for (int e : {Top, Left, Right, Bottom}) {
        if (!c.drawn[size_t(e)])
            continue;
        const double w = device(c.width[size_t(e)]);
        QRectF rect;
        if (horizontal(e)) {
            const double x1 = r.left() + qFloor(inset(e, Left));
            const double x2 = r.right() - qCeil(inset(e, Right));
            rect = QRectF(x1, e == Top ? r.top() : r.bottom() - w, x2 - x1, w);
        } else {
            const double y1 = r.top() + qFloor(inset(e, Top));
            const double y2 = r.bottom() - qCeil(inset(e, Bottom));
            rect = QRectF(e == Left ? r.left() : r.right() - w, y1, w, y2 - y1);
        }
        m_sides.push_back({rect, brushIndex(c.brush[size_t(e)])});
    }
}

std::vector<QRectF> TableDrawing::layoutBands(const QRectF &clip) const
{
    const QRectF area = clip.isValid() ? clip : m_frame;
    std::vector<QRectF> bands;
    double top = area.top();
    // the layout leaves out a table entirely above or below its clip
    for (const auto &[tableTop, tableBottom] : m_whole) {
        if (tableBottom < area.top() || tableTop > area.bottom())
            continue;
        if (tableTop - 0.5 > top)
            bands.emplace_back(area.left(), top, area.width(), tableTop - 0.5 - top);
        top = qMax(top, tableBottom + 0.5);
    }
    if (area.bottom() > top)
        bands.emplace_back(area.left(), top, area.width(), area.bottom() - top);
    return bands;
}

void TableDrawing::draw(QPainter *painter, const QRectF &clip, const QColor &text) const
{
    if (m_cells.empty())
        return;
    std::vector<const Cell *> shown;
    for (const Cell &c : m_cells)
        if (!clip.isValid() || c.box.intersects(clip))
            shown.push_back(&c);
    painter->save();
    // Backgrounds, then lines, then text, each for all cells at once: no cell
    // reaches into another, and every change between filling and writing
    // costs the file a new graphics state.
    for (const Cell *c : shown)
        if (c->background >= 0) {
            painter->save();
            painter->setBrushOrigin(c->rect.topLeft());
            painter->fillRect(c->rect, m_brushes[size_t(c->background)]);
            painter->restore();
        }
    const bool antialiased = painter->testRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setRenderHint(QPainter::Antialiasing);
    // Moved by the painter, each line goes to a PDF with a moved coordinate
    // system of its own; moved here, it needs none.
    const QTransform moved = painter->worldTransform();
    const bool translated = moved.type() == QTransform::TxTranslate;
    if (translated)
        painter->setWorldTransform(QTransform());
    const QPointF by = translated ? QPointF(moved.dx(), moved.dy()) : QPointF();
    for (const Cell *c : shown)
        // one fill each: a viewer sets a lone rectangle on whole pixels
        for (unsigned i = c->firstSide; i < c->firstSide + c->sides; ++i) {
            painter->setBrush(m_brushes[m_sides[i].brush]);
            painter->drawRect(m_sides[i].rect.translated(by));
        }
    if (translated)
        painter->setWorldTransform(moved);
    painter->setRenderHint(QPainter::Antialiasing, antialiased);
    painter->setPen(text);
    const QRectF textClip = clip.isValid() ? (clip & m_frame) : m_frame;
    for (const Cell *c : shown)
        for (unsigned i = c->firstText; i < c->firstText + c->texts; ++i) {
            const Text &t = m_texts[i];
            const QRectF r = t.layout->boundingRect().translated(t.at + t.layout->position());
            if (clip.isValid() && (r.bottom() < clip.top() || r.top() > clip.bottom()))
                continue;
            t.layout->draw(painter, t.at, {}, textClip);
        }
    painter->restore();
}

} // namespace vc
