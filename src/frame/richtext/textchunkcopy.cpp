#include "richtext/textchunkcopy.h"

#include "richtext/collapsedborders.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <climits>
#include <optional>
#include <unordered_map>

namespace vc {

TextChunkCopy::TextChunkCopy(const QTextDocument &source, const std::vector<int> &fieldStarts,
                             QTextDocument &target)
    : m_source(source), m_fieldStarts(fieldStarts), m_target(target), m_cursor(&target)
{
}

TextChunkCopy::Place TextChunkCopy::begin(const QTextDocument &source)
{
    return Place{source.rootFrame()->begin(), 0, 0};
}

TextChunkCopy::Place TextChunkCopy::copy(Place p, const Place *until, int budget)
{
    m_copied = 0;
    bool any = false;
    bool afterParagraph = false; // the item copied last was a paragraph
    // one edit: the copy's layout, if any, waits until the end, and inserting
    // text does not place the cursor on laid-out lines
    QTextCursor edit(&m_target);
    edit.beginEditBlock();
    while (!atEnd(p) && !(until && p == *until)) {
        QTextFrame *frame = p.item.currentFrame();
        // Parts meet between two paragraphs, or between two rows of a table,
        // where the room between them is known without laying them out
        // together; not before a paragraph that a table stands on, which
        // takes no room of its own.
        if (any && m_copied >= budget && !frame && afterParagraph) {
            QTextFrame::iterator next = p.item;
            ++next;
            if (next.atEnd() || !next.currentFrame())
                break;
        }
        any = true;
        afterParagraph = !frame;
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            if (oversized(table, p.row)) {
                if (copyRowPiece(table, p.row, p.offset))
                    ++p.offset;
                else if (p.row + 1 < table->rows())
                    p = Place{p.item, p.row + 1, 0};
                else
                    p = Place{++p.item, 0, 0};
                continue;
            }
            int to = nextRowCut(table, p.row, until ? INT_MAX : budget - m_copied);
            if (until && until->item == p.item)
                to = qMin(to, until->row);
            copyTable(table, p.row, to);
            if (to >= table->rows()) {
                p = Place{++p.item, 0, 0};
                continue;
            }
            // the rest of the table starts the next part, which places its
            // first row where the row before ends
            p.row = to;
            break;
        }
        if (frame) {
            copyItems(frame->begin());
            p = Place{++p.item, 0, 0};
            continue;
        }
        const QTextBlock b = p.item.currentBlock();
        const int length = b.length() - 1;
        int to = length;
        if (length - p.offset > partLength && m_finder)
            to = qBound(p.offset + 1, m_finder(b, p.offset, m_finderContext), length);
        if (until && until->item == p.item && until->offset > p.offset)
            to = qMin(to, until->offset);
        copyBlock(b, p.offset, to, p.offset == 0, to == length);
        if (to >= length)
            p = Place{++p.item, 0, 0};
        else
            p.offset = to;
    }
    // A copy that starts with a table has an empty paragraph before it, which
    // the source does not have: it takes no room.
    if (m_origins.empty() || m_origins.front().blockNumber != 0) {
        QTextCursor first(&m_target);
        QTextBlockFormat none;
        none.setLineHeight(0, QTextBlockFormat::FixedHeight);
        first.setBlockFormat(none);
        QTextCharFormat tiny;
        tiny.setFontPointSize(0.1);
        first.setBlockCharFormat(tiny);
    }
    edit.endEditBlock();
    return p;
}

namespace {

void scaleLengths(QTextBlockFormat &bf, double scale)
{
    for (const int p :
         {QTextFormat::BlockLeftMargin, QTextFormat::BlockRightMargin, QTextFormat::TextIndent})
        if (bf.hasProperty(p))
            bf.setProperty(p, bf.doubleProperty(p) * scale);
}

} // namespace

void TextChunkCopy::startBlock()
{
    if (m_blockUsed)
        m_cursor.insertBlock();
    m_blockUsed = true;
}

void TextChunkCopy::copyBlock(const QTextBlock &b, int from, int to, bool first, bool last)
{
    startBlock();
    QTextBlockFormat bf = b.blockFormat();
    if (!first) {
        // the parts of one paragraph read as one
        bf.setTextIndent(0);
        bf.setTopMargin(0);
        bf.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    }
    if (!last)
        bf.setBottomMargin(0);
    if (m_scale != 1.0)
        scaleLengths(bf, m_scale);
    m_cursor.setBlockFormat(bf);
    // the first paragraph of a cell whose borders are settled, or as it is
    m_blockCharFormats.set(m_cursor.block(), m_cellFormat ? *m_cellFormat : b.charFormat());
    m_cellFormat = nullptr;
    const int number = b.blockNumber();
    m_origins.push_back(
        {m_cursor.block().blockNumber(),
         (size_t(number) < m_fieldStarts.size() ? m_fieldStarts[size_t(number)] : 0) + from});
    if (from == 0 && to == b.length() - 1) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            m_cursor.insertText(it.fragment().text(), it.fragment().charFormat());
    } else if (from < to) {
        // A part of a long paragraph: found in the source directly, as walking
        // its fragments from the start (and copying them whole) made each part
        // cost as much as the paragraph.
        QTextCursor range(const_cast<QTextDocument *>(&m_source));
        range.setPosition(b.position() + from);
        range.setPosition(b.position() + to, QTextCursor::KeepAnchor);
        m_cursor.insertFragment(range.selection());
    }
    m_copied += to - from + 1;
}

void TextChunkCopy::copyItems(QTextFrame::iterator it)
{
    for (; !it.atEnd(); ++it) {
        if (QTextFrame *frame = it.currentFrame()) {
            if (auto *table = qobject_cast<QTextTable *>(frame))
                copyTable(table, 0, table->rows());
            else
                copyItems(frame->begin());
        } else {
            const QTextBlock b = it.currentBlock();
            copyBlock(b, 0, b.length() - 1, true, true);
        }
    }
}

int TextChunkCopy::nextRowCut(QTextTable *table, int row, int budget) const
{
    const int rows = table->rows();
    int to = qMin(rows, row + rowsPerPart);
    // at least one row; about as many characters as the part has room for
    const int start = table->cellAt(row, 0).firstPosition();
    for (int r = row + 1; r < to; ++r)
        if (table->cellAt(r, 0).firstPosition() - start >= budget) {
            to = r;
            break;
        }
    // cut where no cell spans the border, if there is such a place near
    for (int r = row + 1; r < to; ++r)
        if (oversized(table, r))
            return r;
    const int limit = qMin(rows, row + 4 * rowsPerPart);
    while (to < limit) {
        bool spanned = false;
        for (int c = 0; c < table->columns() && !spanned; ++c)
            spanned = table->cellAt(to, c).row() < to;
        if (!spanned)
            break;
        ++to;
    }
    return to;
}

void TextChunkCopy::copyTable(QTextTable *table, int rowFrom, int rowTo)
{
    const int rows = rowTo - rowFrom, cols = table->columns();
    if (rows <= 0 || cols <= 0)
        return;
    QTextTable *copy = m_cursor.insertTable(rows, cols, table->format());
    // Each cell once, where the rows copied first meet it, told from its
    // neighbours: asking a cell for its row or span searches the table.
    struct Met
    {
        QTextTableCell cell;
        int row, col, rowSpan, colSpan;
        bool own;     // its top-left corner is copied: its text goes here
        bool carried; // its format comes with its first paragraph
        QTextFrame::iterator text;
    };
    std::vector<Met> met;
    std::vector<CollapsedBorders::Corner> formats; // as the copy ends up with them
    // Each format asked of the table once: cells of equal formats then share
    // one, which the steps after compare at a glance.
    std::unordered_map<int, QTextCharFormat> asked; // by the document's index of it
    for (int r = rowFrom; r < rowTo; ++r)
        for (int c = 0; c < cols; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if ((c > 0 && table->cellAt(r, c - 1) == cell) ||
                (r > rowFrom && table->cellAt(r - 1, c) == cell))
                continue;
            const int index = cell.tableCellFormatIndex();
            auto known = asked.find(index);
            if (known == asked.end())
                known = asked.emplace(index, cell.format()).first;
            QTextCharFormat f = known->second;
            const bool own = r == 0 || table->cellAt(r - 1, c) != cell;
            // a cell running in from above the copied rows spans what is left of it
            int span = qMax(1, f.tableCellRowSpan());
            if (!own)
                for (span = 1; r + span < table->rows() && table->cellAt(r + span, c) == cell;)
                    ++span;
            const int colSpan = qMax(1, f.tableCellColumnSpan());
            const QTextFrame::iterator text = own ? cell.begin() : QTextFrame::iterator();
            // A cell's format is its first paragraph's character format: copying
            // that paragraph brings the format along.
            const bool carried = own && !text.atEnd() && !text.currentFrame();
            met.push_back({cell, r, c, span, colSpan, own, carried, text});
            if (!carried) { // set on the copy, and spanned by merging
                f.clearProperty(QTextFormat::TableCellRowSpan);
                f.clearProperty(QTextFormat::TableCellColumnSpan);
                const int here = qMin(r + span, rowTo) - r;
                if (here > 1 || colSpan > 1) {
                    f.setTableCellRowSpan(here);
                    f.setTableCellColumnSpan(colSpan);
                }
            }
            formats.push_back({r - rowFrom, c, f});
        }
    // Borders settled here go in with the formats instead of being set again.
    QTextTableFormat tf = table->format();
    const bool separated =
        m_bordersDpi > 0 && CollapsedBorders::separate(tf, rows, cols, formats, m_bordersDpi,
                                                       rowFrom > 0, rowTo < table->rows());
    if (rowFrom > 0)
        tf.setProperty(ContinuesTable, true);
    // a cell's format changed here is the one its first paragraph carries over
    bool changed = separated;
    // Cells mostly repeat their formats: each is lifted once (of the last
    // few, where they do not).
    constexpr size_t remembered = 32;
    struct Lift
    {
        QTextCharFormat from, format;
        std::optional<TableDrawing::Lifted> sides;
    };
    std::vector<Lift> lifts;
    if (m_bordersDpi > 0 && !tf.borderCollapse() && m_cellDepth == 0)
        for (CollapsedBorders::Corner &k : formats) {
            auto l = std::find_if(lifts.begin(), lifts.end(),
                                  [&](const Lift &m) { return m.from == k.format; });
            if (l == lifts.end()) {
                Lift made{k.format, k.format, TableDrawing::Lifted()};
                if (!TableDrawing::lift(made.format, tf, m_bordersDpi, *made.sides))
                    made.sides.reset();
                if (lifts.size() >= remembered)
                    lifts.clear();
                l = lifts.insert(lifts.end(), std::move(made));
            }
            if (!l->sides)
                continue;
            k.format = l->format;
            TableDrawing::Lifted lifted = *l->sides;
            lifted.table = copy;
            lifted.row = k.row;
            lifted.col = k.col;
            m_lifted.push_back(std::move(lifted));
            changed = true;
        }
    // Formats first and merges after, while every cell is its own; content last.
    CellFormats cellFormats(copy);
    for (size_t i = 0; i < met.size(); ++i)
        if (!met[i].carried)
            cellFormats.set(copy->cellAt(met[i].row - rowFrom, met[i].col), formats[i].format);
    for (const Met &m : met) {
        const int span = qMin(m.row + m.rowSpan, rowTo) - m.row;
        if (span > 1 || m.colSpan > 1)
            copy->mergeCells(m.row - rowFrom, m.col, span, m.colSpan);
    }
    for (size_t i = 0; i < met.size(); ++i) {
        const Met &m = met[i];
        if (!m.own)
            continue; // its text went with the rows before
        m_cursor = copy->cellAt(m.row - rowFrom, m.col).firstCursorPosition();
        m_blockUsed = false;
        m_cellFormat = m.carried && changed ? &formats[i].format : nullptr;
        ++m_cellDepth;
        copyItems(m.text);
        --m_cellDepth;
        m_cellFormat = nullptr;
    }
    if (separated || rowFrom > 0)
        copy->setFormat(tf);
    m_cursor = copy->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_blockUsed = false;
}

// A row whose cells hold more than a part, all of it paragraphs, is copied a
// piece at a time, each piece a row of its own: laid out whole, a cell of a
// few megabytes took minutes.
bool TextChunkCopy::oversized(QTextTable *table, int row) const
{
    // no cell holds more than its row: most rows are told by where they start
    const int from = table->cellAt(row, 0).firstPosition();
    const int to =
        row + 1 < table->rows() ? table->cellAt(row + 1, 0).firstPosition() : table->lastPosition();
    if (to - from <= partLength)
        return false;
    bool large = false;
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        if (cell.rowSpan() > 1 || cell.row() != row)
            return false;
        if (cell.lastPosition() - cell.firstPosition() <= partLength)
            continue;
        for (auto it = cell.begin(); !it.atEnd(); ++it)
            if (it.currentFrame())
                return false;
        large = true;
    }
    return large;
}

// Where piece k of a cell's text starts: after the first blank or paragraph
// end k parts into it, so that words stay whole.
int TextChunkCopy::pieceStart(const QTextTableCell &cell, int k) const
{
    const int first = cell.firstPosition(), last = cell.lastPosition();
    if (k <= 0)
        return first;
    qint64 pos = first + qint64(k) * partLength;
    for (const qint64 stop = pos + 256; pos < last && pos < stop; ++pos) {
        const QChar c = m_source.characterAt(int(pos));
        if (c.isSpace() || c == QChar::ParagraphSeparator)
            return int(pos) + 1;
    }
    return int(qMin(pos, qint64(last)));
}

bool TextChunkCopy::copyRowPiece(QTextTable *table, int row, int k)
{
    const int cols = table->columns();
    bool more = false;
    for (int c = 0; c < cols; ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        more = more || pieceStart(cell, k + 1) < cell.lastPosition();
    }
    QTextTableFormat tf = table->format();
    if (k > 0)
        tf.setProperty(ContinuesRow, true);
    QTextTable *copy = m_cursor.insertTable(1, cols, tf);
    for (int c = 0; c < cols; ++c) {
        QTextTableCellFormat f = table->cellAt(row, c).format().toTableCellFormat();
        f.clearProperty(QTextFormat::TableCellColumnSpan);
        if (k > 0) // the pieces read as one row
            f.setTopBorder(0);
        if (more)
            f.setBottomBorder(0);
        copy->cellAt(0, c).setFormat(f);
    }
    for (int c = 0; c < cols; ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        const int a = pieceStart(cell, k), b = qMin(pieceStart(cell, k + 1), cell.lastPosition());
        m_cursor = copy->cellAt(0, c).firstCursorPosition();
        m_blockUsed = false;
        for (QTextBlock blk = m_source.findBlock(a); blk.isValid() && blk.position() < b;
             blk = blk.next()) {
            const int from = qMax(0, a - blk.position());
            const int to = qMin(blk.length() - 1, b - blk.position());
            if (from <= to)
                copyBlock(blk, from, to, from == 0, to == blk.length() - 1);
        }
    }
    m_cursor = copy->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_blockUsed = false;
    return more;
}

void TextChunkCopy::copyResources(const QTextDocument &from, QTextDocument &to)
{
    for (QTextBlock b = to.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QUrl url(f.toImageFormat().name());
            const QVariant v = from.resource(QTextDocument::ImageResource, url);
            if (v.isValid())
                to.addResource(QTextDocument::ImageResource, url, v);
        }
}

} // namespace vc
