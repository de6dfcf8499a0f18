#include "richtext/richtextpager.h"

#include "richtext/pagerahead.h"

#include "richtext/collapsedborders.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextTable>
#include <QThread>
#include <QtMath>
#include <QUrl>

#include <algorithm>
#include <climits>

namespace vc {

namespace {

// Characters laid out together: a page or two, far from the fixed-point
// limits of the text layout even at printer resolutions, and small enough
// that a print run soon has the next part made on the second thread.
constexpr int partBudget = 4000;
// Nothing is drawn before the first part is laid out, nor is the second
// thread busy: the less it holds, the sooner both start.
constexpr int firstPartBudget = 1000;
// Laid-out parts kept for drawing again: all a page may need.
constexpr int keptParts = 6;

// A document set up like the source for the device, still empty. Its page
// size stays null while it is filled, which keeps the layout from running
// after each insertion; layOut() then lays it out once.
void setUpLike(const QTextDocument &source, QTextDocument &doc, QPaintDevice *device)
{
    doc.setUndoRedoEnabled(false);
    doc.setDefaultFont(source.defaultFont());
    doc.setDefaultTextOption(source.defaultTextOption());
    doc.setUseDesignMetrics(source.useDesignMetrics());
    doc.setIndentWidth(source.indentWidth());
    doc.setDocumentMargin(0);
    doc.setPageSize(QSizeF(0, 0));
    doc.documentLayout()->setPaintDevice(device);
}

// A table of fixed columns wider than the line (if only by the rounding of
// its columns) is laid out once more by the layout, every cell of it, to see
// whether breaking words anywhere makes it fit; it cannot, the columns being
// fixed, and the table keeps its width. Given just the room its columns take,
// the table comes out the same at two thirds of the work, unless a word is
// wider than its column: then the layout still searches.
void roomForFixedColumns(QTextDocument &doc, double width, int dpi)
{
    const double scale = dpi / 96.0;
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat tf = table->format();
        const QList<QTextLength> widths = tf.columnWidthConstraints();
        if (tf.width().type() != QTextLength::VariableLength || widths.size() != table->columns())
            continue;
        const int cols = int(widths.size());
        double needed = tf.leftMargin() + tf.rightMargin() + 2 * tf.border() * (cols + 1) +
                        tf.cellSpacing() * (cols + 1) + 3 * tf.padding();
        bool fixed = true;
        for (const QTextLength &w : widths) {
            fixed = fixed && w.type() == QTextLength::FixedLength;
            needed += w.rawValue();
        }
        if (!fixed || needed * scale <= width)
            continue;
        // the layout's rounding: 1/64 of a length, a column and side
        tf.setWidth(QTextLength(QTextLength::FixedLength, needed + (cols + 4) / 64.0));
        table->setFormat(tf);
    }
}

void layOut(QTextDocument &doc, double width)
{
    // Each paragraph keeps its shaped text for drawing, which would
    // otherwise shape it all again: a part is drawn soon after it is laid out.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        b.layout()->setCacheEnabled(true);
    doc.setTextWidth(width);
    doc.documentLayout()->documentSize();
}

} // namespace

RichTextPager::RichTextPager(const QTextDocument &document, const std::vector<int> &fieldStarts,
                             int dpiX, int dpiY, double widthPx)
    : m_doc(document), m_fieldStarts(fieldStarts), m_dpiX(dpiX), m_dpiY(dpiY), m_width(widthPx),
      m_device(1, 1, QImage::Format_ARGB32), m_next(TextChunkCopy::begin(document)),
      m_thread(QThread::currentThread())
{
    m_device.setDotsPerMeterX(qRound(dpiX / 0.0254));
    m_device.setDotsPerMeterY(qRound(dpiY / 0.0254));
}

namespace {

// Thrown on the second thread where a paragraph must be cut at a line end
// not found yet: that takes a layout, left to the caller's thread.
struct NeedsLayout
{
};

} // namespace

RichTextPager::Copy RichTextPager::copyPart(const TextChunkCopy::Place &begin,
                                            const TextChunkCopy::Place *until)
{
    Copy c;
    c.doc = std::make_unique<QTextDocument>();
    setUpLike(m_doc, *c.doc, &m_device);
    const int budget = begin == TextChunkCopy::begin(m_doc) ? firstPartBudget : partBudget;
    {
        TextChunkCopy copy(m_doc, m_fieldStarts, *c.doc);
        copy.setSplitFinder(&RichTextPager::splitPoint, this);
        copy.setDeviceScale(m_dpiY / 96.0);
        copy.setSeparateBorders(m_device.logicalDpiY());
        c.end = copy.copy(begin, until, until ? INT_MAX : budget);
        c.origins = copy.origins();
        c.lifted = copy.takeLiftedBorders();
    }
    TextChunkCopy::copyResources(m_doc, *c.doc);
    // tables the copy made a row piece at a time; those settled already no longer qualify
    CollapsedBorders::separate(*c.doc, m_device.logicalDpiY());
    roomForFixedColumns(*c.doc, m_width, m_device.logicalDpiY());
    return c;
}

std::unique_ptr<QTextDocument> RichTextPager::build(size_t index, Part &part,
                                                    const TextChunkCopy::Place *until,
                                                    SlicedPart *slices)
{
    Copy c;
    if (!takeAhead(index, part.begin, c))
        c = copyPart(part.begin, until);
    if (!until) {
        part.end = c.end;
        // the part after it is made on the second thread while this one is laid out
        if (goesOn(part.begin, c.end))
            startAhead(index + 1, c.end, nullptr);
    }
    if (!c.laidOut)
        layOutCopy(c, index, slices != nullptr);
    part.tables = std::move(c.tables);
    if (slices)
        *slices =
            c.sliced ? std::move(*c.sliced)
                     : slicePart(*c.doc, int(index), c.origins, m_dpiY, &part.tables);
    return std::move(c.doc);
}

void RichTextPager::layOutCopy(Copy &c, size_t index, bool slice) const
{
    layOut(*c.doc, m_width);
    c.tables.place(*c.doc, c.lifted, m_device.logicalDpiY());
    if (slice)
        c.sliced = slicePart(*c.doc, int(index), c.origins, m_dpiY, &c.tables);
    c.laidOut = true;
}

// Starts making the part after `index` if it is not at hand.
void RichTextPager::readAheadAfter(size_t index)
{
    if (index + 1 < m_parts.size()) {
        if (!m_parts[index + 1].doc)
            startAhead(index + 1, m_parts[index + 1].begin, &m_parts[index + 1].end);
    } else if (!m_done && !TextChunkCopy::atEnd(m_next)) {
        startAhead(index + 1, m_next, nullptr);
    }
}

int RichTextPager::splitPoint(const QTextBlock &block, int from, void *context)
{
    auto *self = static_cast<RichTextPager *>(context);
    const qint64 key = (qint64(block.blockNumber()) << 32) | quint32(from);
    auto cached = self->m_cuts.find(key);
    if (cached != self->m_cuts.end())
        return cached->second;
    if (QThread::currentThread() != self->m_thread)
        throw NeedsLayout();
    // The paragraph from a line start on, a part's length of it laid out alone:
    // lines break the same way from any line start, so the parts break their
    // lines as the whole paragraph would, and no layout grows with it.
    const int length = block.length() - 1;
    const int window = qMin(length, from + TextChunkCopy::partLength);
    QTextDocument scratch;
    setUpLike(self->m_doc, scratch, &self->m_device);
    {
        const std::vector<int> noStarts;
        TextChunkCopy copy(self->m_doc, noStarts, scratch);
        copy.setDeviceScale(self->m_dpiY / 96.0);
        copy.copyRange(block, from, window);
    }
    layOut(scratch, self->m_width);
    const QTextLayout *layout = scratch.begin().layout();
    const int lines = layout ? layout->lineCount() : 0;
    // the window's last line may end only because the window does
    int start = 0;
    for (int i = lines - 2; i > 0 && start == 0; --i)
        start = layout->lineAt(i).textStart();
    // no line break in the window: one word longer than it, broken where it ends
    const int cut = start > 0 ? from + start : window;
    self->m_cuts[key] = cut;
    return cut;
}

bool RichTextPager::layOutNext()
{
    if (m_done || TextChunkCopy::atEnd(m_next)) {
        m_done = true;
        return false;
    }
    Part part;
    part.begin = m_next;
    SlicedPart sliced;
    part.doc = build(m_parts.size(), part, nullptr, &sliced);
    if (part.end == m_next) { // nothing copied: never loop
        m_done = true;
        return false;
    }
    m_next = part.end;
    const size_t index = m_parts.size();
    part.firstSlice = m_slices.size();
    part.lastUse = ++m_clock;
    // rows counted in the part from 1 (0: the row going on from the part before)
    for (PageSlice &slice : sliced.slices) {
        if (slice.row >= 0)
            slice.row = qMax(slice.row + m_rows - 1, 0);
        m_slices.push_back(slice);
    }
    m_rows += sliced.rows;
    part.tall = std::move(sliced.tall);
    part.edges = sliced.edges;
    if (m_slices.size() > part.firstSlice) {
        const double previousEnd = part.firstSlice > 0 ? m_slices[part.firstSlice - 1].bottom : 0.0;
        part.base = previousEnd + joinGap(part) - m_slices[part.firstSlice].top;
        for (size_t i = part.firstSlice; i < m_slices.size(); ++i) {
            m_slices[i].top += part.base;
            m_slices[i].bottom += part.base;
        }
    }
    m_parts.push_back(std::move(part));
    partDocument(index); // keeps only the last few laid out
    readAheadAfter(index);
    return true;
}

QTextDocument *RichTextPager::partDocument(size_t index)
{
    Part &part = m_parts[index];
    if (!part.doc) {
        const TextChunkCopy::Place until = part.end;
        part.doc = build(index, part, &until, nullptr);
        readAheadAfter(index);
    }
    part.lastUse = ++m_clock;
    int kept = 0;
    size_t oldest = index;
    for (size_t i = 0; i < m_parts.size(); ++i)
        if (m_parts[i].doc) {
            ++kept;
            if (m_parts[i].lastUse < m_parts[oldest].lastUse)
                oldest = i;
        }
    if (kept > keptParts && oldest != index) {
        m_parts[oldest].doc.reset();
        m_parts[oldest].tables = TableDrawing(); // it points into the document
    }
    return part.doc.get();
}

const RichTextPager::Slice *RichTextPager::slice(size_t index)
{
    while (index >= m_slices.size())
        if (!layOutNext())
            return nullptr;
    return &m_slices[index];
}

size_t RichTextPager::sliceAt(int position)
{
    while (!m_done && (m_slices.empty() || m_slices.back().start <= position))
        layOutNext();
    const auto it = std::upper_bound(m_slices.begin(), m_slices.end(), position,
                                     [](int pos, const Slice &s) { return pos < s.start; });
    return it == m_slices.begin() ? 0 : size_t(it - m_slices.begin()) - 1;
}

// The room the layout of the whole document would leave between a part's
// first slice and the slice before, which the parts, laid out apart, do not
// know. Between two paragraphs it is the wider of the one's space after and
// the other's space before. Between the rows of a table the slices leave what
// the cells' own borders and paddings add to the table's padding: a part that
// goes on with the table the part before ended with keeps that room before its
// first row, as the rows beside the cut have it.
double RichTextPager::joinGap(const Part &part) const
{
    const size_t first = part.firstSlice;
    if (first == 0 || part.begin.offset > 0) // nothing before, or a paragraph goes on
        return 0;
    const Part &before = m_parts[size_t(m_slices[first - 1].part)];
    if (m_slices[first].row < 0 && m_slices[first - 1].row < 0)
        return qMax(before.edges.spaceAfter, part.edges.spaceBefore);
    if (!part.edges.continuesTable || m_slices[first].row < 0 || m_slices[first - 1].row < 0)
        return 0;
    // the room between two rows of the same table beside the cut: the last
    // two before it, else the first two after it
    const auto gapBefore = [this](size_t row) {
        return m_slices[row].top - m_slices[row - 1].bottom;
    };
    const int lastRow = m_slices[first - 1].row;
    if (before.edges.lastTableRows >= 2) {
        size_t k = first - 1;
        while (k > 0 && m_slices[k - 1].row == lastRow)
            --k;
        if (k > 0 && m_slices[k - 1].row == lastRow - 1)
            return gapBefore(k);
    }
    if (part.edges.firstTableRows >= 2)
        for (size_t j = first + 1; j < m_slices.size(); ++j)
            if (m_slices[j].row != m_slices[first].row)
                return m_slices[j].row == m_slices[first].row + 1 ? gapBefore(j) : 0.0;
    return 0;
}

void RichTextPager::draw(QPainter *painter, size_t from, size_t to)
{
    if (from >= to || to > m_slices.size())
        return;
    const double y0 = m_slices[from].top;
    for (size_t i = from; i < to;) {
        const int part = m_slices[i].part;
        size_t j = i;
        while (j < to && m_slices[j].part == part)
            ++j;
        const double base = m_parts[size_t(part)].base;
        partDocument(size_t(part));
        const double top = m_slices[i].top - base, bottom = m_slices[j - 1].bottom - base;
        // the line under a table's last row here is the line over the first
        // row of its rest in the next part
        double lineBelow = bottom;
        if (j < to) {
            const Part &next = m_parts[size_t(m_slices[j].part)];
            if (next.edges.continuesTable && next.firstSlice == j)
                lineBelow = qMax(bottom, m_slices[j].top - base);
        }
        painter->save();
        painter->translate(0, base - y0);
        painter->setClipRect(QRectF(0, top, m_width + 1, lineBelow - top), Qt::IntersectClip);
        QAbstractTextDocumentLayout::PaintContext ctx;
        // Lines reaching over the edges belong to the neighbouring pages: the
        // layout draws whatever meets its clip, and text drawn outside the
        // painter's clip would still be in the file, twice.
        const double inset = 0.45 * qMin(m_slices[i].bottom - m_slices[i].top,
                                         m_slices[j - 1].bottom - m_slices[j - 1].top);
        ctx.clip = QRectF(0, top + inset, m_width + 1, qMax(0.01, bottom - top - 2 * inset));
        ctx.palette.setColor(QPalette::Text, Qt::black);
        drawAcrossTop(painter, m_parts[size_t(part)], ctx, top);
        painter->restore();
        i = j;
    }
}

// The layout draws a paragraph from the last line above its clip on: the line
// the page before ends with would come again, clipped away but in the file.
// Paragraphs running in from above are drawn here line by line instead.
void RichTextPager::drawAcrossTop(QPainter *painter, const Part &part,
                                  const QAbstractTextDocumentLayout::PaintContext &ctx, double top)
{
    QTextDocument *doc = part.doc.get();
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    struct Moved
    {
        QTextLayout *layout;
        QPointF at;
        QPointF origin;
    };
    std::vector<Moved> moved;
    // the paragraphs' places come from slicing: looked up again, those in
    // table cells cost the layout a search through the table each
    for (const TallParagraph &t : part.tall) {
        if (t.rect.top() < top - 0.5 && t.rect.bottom() > top + 0.5) {
            QTextLayout *tl = doc->findBlockByNumber(t.block).layout();
            moved.push_back({tl, tl->position(), t.rect.topLeft()});
            tl->setPosition(tl->position() + QPointF(0, 1e7)); // out of every clip
        }
    }
    QAbstractTextDocumentLayout::PaintContext band = ctx;
    for (const QRectF &clip : part.tables.layoutBands(ctx.clip)) {
        band.clip = clip;
        layout->draw(painter, band);
    }
    part.tables.draw(painter, ctx.clip, ctx.palette.color(QPalette::Text));
    const double bottom = ctx.clip.bottom();
    painter->setPen(Qt::black);
    for (const Moved &m : moved) {
        m.layout->setPosition(m.at);
        for (int i = 0; i < m.layout->lineCount(); ++i) {
            const QTextLine line = m.layout->lineAt(i);
            const double y = m.origin.y() + line.y();
            if (y >= top - 0.5 && y < bottom)
                line.draw(painter, m.origin);
        }
    }
}

} // namespace vc
