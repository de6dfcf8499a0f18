#include "richtext/partslicer.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextTable>
#include <QtMath>

#include <algorithm>
#include <climits>

namespace vc {

namespace {

struct RowLines
{
    struct Line
    {
        double top, bottom;
        int start;
    };
    int id = -1;
    int part = 0;
    int start = 0;
    bool breakBefore = false;
    double top = 0, bottom = 0;
    std::vector<Line> lines;
};

// A row is one slice where it fits a page; it can be cut only where no line
// of any of its cells crosses, and each piece starts at the first character
// of the row not in the pieces before.
void sliceRow(std::vector<PageSlice> &out, RowLines &row)
{
    if (row.id < 0)
        return;
    auto &lines = row.lines;
    std::sort(lines.begin(), lines.end(), [](const RowLines::Line &a, const RowLines::Line &b) {
        return a.top < b.top || (a.top == b.top && a.start < b.start);
    });
    std::vector<int> suffixMin(lines.size() + 1, INT_MAX);
    for (size_t i = lines.size(); i-- > 0;)
        suffixMin[i] = qMin(suffixMin[i + 1], lines[i].start);
    struct Cut
    {
        double y;
        int start;
    };
    std::vector<Cut> cuts{{row.top, row.start}};
    double reach = lines.empty() ? row.bottom : lines.front().bottom;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].top >= reach - 0.5 && suffixMin[i] > cuts.back().start)
            cuts.push_back({lines[i].top, suffixMin[i]});
        reach = qMax(reach, lines[i].bottom);
    }
    for (size_t k = 0; k < cuts.size(); ++k) {
        const double bottom = k + 1 < cuts.size() ? cuts[k + 1].y : row.bottom;
        out.push_back(
            {cuts[k].start, cuts[k].y, bottom, k == 0 && row.breakBefore, row.id, row.part});
    }
}

} // namespace

SlicedPart slicePart(const QTextDocument &doc, int index,
                     const std::vector<TextChunkCopy::Origin> &origins, int dpiY,
                     const TableDrawing *tables)
{
    SlicedPart part;
    std::vector<PageSlice> &out = part.slices;
    SlicedPart::Edges &edges = part.edges;
    QAbstractTextDocumentLayout *layout = doc.documentLayout();
    int rowCount = 0;
    // The rows of the part's tables, as ranges of positions in the copy.
    struct RowRange
    {
        int first, last, id;
        double pad;
    };
    std::vector<RowRange> rows;
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        const double pad = table->format().cellPadding() + table->format().border();
        // a piece of a row cut into pieces goes on with the row before
        const bool continues = table->format().boolProperty(TextChunkCopy::ContinuesRow);
        if (rows.empty()) {
            edges.continuesTable = table->format().boolProperty(TextChunkCopy::ContinuesTable);
            edges.firstTableRows = table->rows();
        }
        edges.lastTableRows = table->rows();
        for (int r = 0; r < table->rows(); ++r) {
            int first = INT_MAX, last = -1;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                // the cell's own row and column, told from its neighbours
                if ((c > 0 && table->cellAt(r, c - 1) == cell) ||
                    (r > 0 && table->cellAt(r - 1, c) == cell))
                    continue;
                first = qMin(first, cell.firstPosition());
                last = qMax(last, cell.lastPosition());
            }
            if (last >= 0)
                rows.push_back({first, last, continues ? rowCount : ++rowCount, pad});
        }
    }
    RowLines row;
    size_t o = 0, r = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        while (o < origins.size() && origins[o].blockNumber < b.blockNumber())
            ++o;
        if (o >= origins.size() || origins[o].blockNumber != b.blockNumber())
            continue; // the copy's own empty paragraphs
        const int field = origins[o].fieldStart;
        // the layout finds a paragraph in a table by searching the table
        QRectF rect;
        if (!tables || !tables->blockRect(b, rect))
            rect = layout->blockBoundingRect(b);
        const QTextBlockFormat bf = b.blockFormat();
        const bool breakBefore = bf.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        const QTextLayout *tl = b.layout();
        const int lines = tl ? tl->lineCount() : 0;
        if (lines > 1)
            part.tall.push_back({b.blockNumber(), rect});
        while (r < rows.size() && rows[r].last < b.position())
            ++r;
        // the empty paragraph a table stands on takes no room of its own
        if (b.length() == 1 && r < rows.size() && rows[r].first == b.position() + 1)
            continue;
        if (r < rows.size() && rows[r].first <= b.position()) {
            if (row.id != rows[r].id) {
                sliceRow(out, row);
                row = RowLines();
                row.id = rows[r].id;
                row.part = index;
                row.start = field;
                row.breakBefore = breakBefore;
                row.top = rect.top() - rows[r].pad;
                row.bottom = rect.bottom() + rows[r].pad;
            }
            row.top = qMin(row.top, rect.top() - rows[r].pad);
            row.bottom = qMax(row.bottom, rect.bottom() + rows[r].pad);
            for (int i = 0; i < lines; ++i) {
                const QTextLine line = tl->lineAt(i);
                const double lineBottom = rect.top() + line.y() + line.height();
                row.lines.push_back({rect.top() + line.y(), lineBottom, field + line.textStart()});
                row.bottom = qMax(row.bottom, lineBottom + rows[r].pad);
            }
            continue;
        }
        sliceRow(out, row);
        row = RowLines();
        if (out.empty())
            edges.spaceBefore = bf.topMargin() * dpiY / 96.0;
        edges.spaceAfter = bf.bottomMargin() * dpiY / 96.0;
        if (lines == 0) {
            out.push_back({field, rect.top(), rect.bottom(), breakBefore, -1, index});
            continue;
        }
        // An exact line height puts the baseline at four fifths of the line's
        // box, whatever the font; an empty paragraph so set is a spacer whose
        // box reaches well below its line.
        const double exact = bf.lineHeightType() == QTextBlockFormat::FixedHeight
                                 ? bf.lineHeight() * dpiY / 96.0
                                 : 0.0;
        for (int i = 0; i < lines; ++i) {
            const QTextLine line = tl->lineAt(i);
            const double top = i == 0 ? rect.top() : rect.top() + line.y();
            // An exact line height sets the line lower than its paragraph's
            // box ends: the slice reaches as far as the line does.
            double lineBottom = rect.top() + line.y() + line.height();
            if (exact > 0)
                lineBottom = qMax(lineBottom, rect.top() + line.y() + line.ascent() +
                                                  qMax(line.leading(), 0.0) + exact / 5);
            const double bottom = i == lines - 1 ? qMax(rect.bottom(), lineBottom) : lineBottom;
            out.push_back(
                {field + line.textStart(), top, bottom, i == 0 && breakBefore, -1, index});
        }
        // The layout goes on below the last line by its spacing, not by its
        // box: what lies between the two is room before the paragraph after.
        const QTextLine last = tl->lineAt(lines - 1);
        const qreal raw = qCeil(last.ascent() + last.descent() + last.leading());
        const qreal spaced = bf.lineHeight(raw, dpiY / 96.0);
        qreal below = spaced;
        if (bf.lineHeightType() == QTextBlockFormat::FixedHeight)
            below = last.ascent() + qMax(last.leading(), 0.0) + spaced / 5;
        else if (bf.lineHeightType() == QTextBlockFormat::MinimumHeight)
            below = last.height();
        edges.spaceAfter += rect.top() + last.y() + below - out.back().bottom;
    }
    sliceRow(out, row);
    part.rows = rowCount;
    return part;
}

} // namespace vc
