#include "richtext/textchunkcopy.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <climits>

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
    // one edit: the copy's layout, if any, waits until the end, and inserting
    // text does not place the cursor on laid-out lines
    QTextCursor edit(&m_target);
    edit.beginEditBlock();
    while (!atEnd(p) && !(until && p == *until)) {
        if (any && m_copied >= budget)
            break;
        any = true;
        QTextFrame *frame = p.item.currentFrame();
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            int to = nextRowCut(table, p.row);
            if (until && until->item == p.item)
                to = qMin(to, until->row);
            copyTable(table, p.row, to);
            if (to >= table->rows())
                p = Place{++p.item, 0, 0};
            else
                p.row = to;
            continue;
        }
        if (frame) {
            copyItems(frame->begin());
            p = Place{++p.item, 0, 0};
            continue;
        }
        const QTextBlock b = p.item.currentBlock();
        const int length = b.length() - 1;
        int to = length;
        if (length > partLength && m_finder) {
            const std::vector<int> cuts = m_finder(b, m_finderContext);
            const auto next = std::upper_bound(cuts.begin(), cuts.end(), p.offset);
            if (next != cuts.end() && *next < length)
                to = *next;
        }
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
         {QTextFormat::BlockLeftMargin, QTextFormat::BlockRightMargin, QTextFormat::BlockTopMargin,
          QTextFormat::BlockBottomMargin, QTextFormat::TextIndent})
        if (bf.hasProperty(p))
            bf.setProperty(p, bf.doubleProperty(p) * scale);
    const int rule = bf.lineHeightType();
    if (rule == QTextBlockFormat::FixedHeight || rule == QTextBlockFormat::MinimumHeight ||
        rule == QTextBlockFormat::LineDistanceHeight)
        bf.setLineHeight(bf.lineHeight() * scale, rule);
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
    m_cursor.setBlockCharFormat(b.charFormat());
    const int number = b.blockNumber();
    m_origins.push_back(
        {m_cursor.block().blockNumber(),
         (size_t(number) < m_fieldStarts.size() ? m_fieldStarts[size_t(number)] : 0) + from});
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int fs = fragment.position() - b.position();
        const int s = qMax(fs, from), e = qMin(fs + fragment.length(), to);
        if (s < e)
            m_cursor.insertText(fragment.text().mid(s - fs, e - s), fragment.charFormat());
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

int TextChunkCopy::nextRowCut(QTextTable *table, int row) const
{
    const int rows = table->rows();
    int to = qMin(rows, row + rowsPerPart);
    // cut where no cell spans the border, if there is such a place near
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
    // Formats first and merges after, while every cell is its own; content last.
    for (int r = rowFrom; r < rowTo; ++r)
        for (int c = 0; c < cols; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c || (cell.row() != r && r != rowFrom))
                continue;
            QTextCharFormat f = cell.format();
            f.clearProperty(QTextFormat::TableCellRowSpan);
            f.clearProperty(QTextFormat::TableCellColumnSpan);
            copy->cellAt(r - rowFrom, c).setFormat(f);
        }
    for (int r = rowFrom; r < rowTo; ++r)
        for (int c = 0; c < cols; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c || (cell.row() != r && r != rowFrom))
                continue;
            const int top = qMax(cell.row(), rowFrom);
            const int span = qMin(cell.row() + cell.rowSpan(), rowTo) - top;
            if (span > 1 || cell.columnSpan() > 1)
                copy->mergeCells(top - rowFrom, c, span, cell.columnSpan());
        }
    for (int r = rowFrom; r < rowTo; ++r)
        for (int c = 0; c < cols; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue; // covered, or its text went with the rows before
            m_cursor = copy->cellAt(r - rowFrom, c).firstCursorPosition();
            m_blockUsed = false;
            copyItems(cell.begin());
        }
    m_cursor = copy->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_blockUsed = false;
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
