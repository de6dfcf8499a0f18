#include "richtext/cellformats.h"
#include "richtext/rtfparser.h"
#include "richtext/tabledrawing.h"

#include <QTextDocumentFragment>
#include <QTextTable>

#include <algorithm>

// A finished table's columns, merged cells and cell formats, from its rows'
// definitions. Rows whose cell borders differ share one grid of columns made
// of every border of every row, so that each cell keeps its width and place.
namespace vc::rtf {

namespace {

// Borders this close are one: writers round their widths differently per row.
constexpr int snapTwips = 20;

// The right borders of a row's cells; a cell without a usable \cellx takes its
// preferred width.
std::vector<int> rowBorders(const RowDef &def, int textWidth)
{
    // the row's own width, in twips or in fiftieths of a per cent of the text width
    const int rowWidth = def.widthKind == 3   ? def.width
                         : def.widthKind == 2 ? int(qint64(textWidth) * def.width / 5000)
                                              : 0;
    std::vector<int> borders;
    int x = def.left;
    const int n = int(def.cells.size());
    for (const CellDef &c : def.cells) {
        int right = c.right;
        if (right <= x) {
            int w = c.prefKind == 3 ? c.prefWidth : 0;
            if (c.prefKind == 2)
                w = int(qint64(rowWidth > 0 ? rowWidth : textWidth) * c.prefWidth / 5000);
            if (w <= 0)
                w = rowWidth > 0 && n > 0 ? rowWidth / n : 1440;
            right = qMin(x + qMax(w, 1), 64 * maxTwips);
        }
        borders.push_back(right);
        x = right;
    }
    return borders;
}

int nearest(const std::vector<int> &grid, int x)
{
    const auto it = std::lower_bound(grid.begin(), grid.end(), x);
    if (it == grid.end())
        return int(grid.size()) - 1;
    if (it != grid.begin() && x - *(it - 1) < *it - x)
        return int(it - grid.begin()) - 1;
    return int(it - grid.begin());
}

} // namespace

int Parser::textWidth() const
{
    const PageSetup &p = m_report.page;
    return qMax(1440, p.paperWidth - p.marginLeft - p.marginRight);
}

void Parser::layOutTable(TableBuild &t)
{
    if (!layOutOnGrid(t)) {
        // Cells in the order they come, column widths from the widest row.
        std::vector<std::vector<std::pair<int, int>>> spans;
        const int cols = t.table->columns();
        for (const RowDef &def : t.rowDefs) {
            std::vector<std::pair<int, int>> row;
            const int n = qMin(int(def.cells.size()), cols);
            for (int c = 0; c < n; ++c)
                row.push_back({c, c + 1});
            if (n > 0 && n < cols) // a row with fewer cells spans the table's width
                row.back().second = cols;
            spans.push_back(row);
        }
        const RowDef *widest = nullptr;
        for (const RowDef &r : t.rowDefs)
            if (!widest || r.cells.size() > widest->cells.size())
                widest = &r;
        QTextTableFormat tf = t.table->format();
        if (widest && !widest->cells.empty()) {
            const std::vector<int> borders = rowBorders(*widest, textWidth());
            QList<QTextLength> widths;
            int left = widest->left;
            for (int c = 0; c < cols; ++c) {
                if (size_t(c) < borders.size()) {
                    widths << QTextLength(QTextLength::FixedLength,
                                          qMax(1.0, px(borders[size_t(c)] - left)));
                    left = borders[size_t(c)];
                } else {
                    widths << QTextLength(QTextLength::VariableLength, 0);
                }
            }
            tf.setColumnWidthConstraints(widths);
            tf.setLeftMargin(qMax(0.0, px(widest->left)));
        }
        t.table->setFormat(tf);
        formatCells(t, spans);
    }
}

bool Parser::layOutOnGrid(TableBuild &t)
{
    QTextTable *table = t.table;
    const int rows = table->rows();
    std::vector<int> all;
    std::vector<std::vector<int>> borders;
    for (int r = 0; r < rows; ++r) {
        if (size_t(r) >= t.rowDefs.size() || t.rowDefs[size_t(r)].cells.empty())
            return false; // a row without definition: nothing to place it by
        borders.push_back(rowBorders(t.rowDefs[size_t(r)], textWidth()));
        all.push_back(t.rowDefs[size_t(r)].left);
        all.insert(all.end(), borders.back().begin(), borders.back().end());
    }
    if (all.empty())
        return false;
    std::sort(all.begin(), all.end());
    std::vector<int> grid;
    for (int x : all)
        if (grid.empty() || x > grid.back() + snapTwips)
            grid.push_back(x);
    const int cols = int(grid.size()) - 1;
    if (cols < 1 || cols > maxColumns)
        return false;
    // Each cell's columns; a row whose cells would overlap cannot be placed.
    std::vector<std::vector<std::pair<int, int>>> spans{size_t(rows)};
    for (int r = 0; r < rows; ++r) {
        int from = nearest(grid, t.rowDefs[size_t(r)].left);
        for (int b : borders[size_t(r)]) {
            const int to = nearest(grid, b);
            if (to <= from)
                return false;
            spans[size_t(r)].push_back({from, to});
            from = to;
        }
        if (int(spans[size_t(r)].size()) < table->columns()) {
            // the row's text sits in fewer cells than the table has columns
            int used = 0;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (cell.lastPosition() > cell.firstPosition())
                    used = c + 1;
            }
            if (used > int(spans[size_t(r)].size()))
                return false;
        }
    }
    if (cols > table->columns())
        table->appendColumns(cols - table->columns());
    // Move each cell's text to its first column, the rightmost cell first.
    for (int r = 0; r < rows; ++r) {
        const auto &row = spans[size_t(r)];
        for (int c = int(row.size()) - 1; c >= 0; --c) {
            const int to = row[size_t(c)].first;
            if (to == c)
                continue;
            const QTextTableCell from = table->cellAt(r, c);
            if (from.lastPosition() <= from.firstPosition())
                continue;
            QTextCursor take = from.firstCursorPosition();
            take.setPosition(from.lastPosition(), QTextCursor::KeepAnchor);
            const QTextDocumentFragment text = take.selection();
            take.removeSelectedText();
            QTextCursor put = table->cellAt(r, to).firstCursorPosition();
            put.insertFragment(text);
        }
    }
    QTextTableFormat tf = table->format();
    QList<QTextLength> widths;
    for (int c = 0; c < cols; ++c)
        widths << QTextLength(QTextLength::FixedLength,
                              qMax(1.0, px(grid[size_t(c) + 1] - grid[size_t(c)])));
    for (int c = cols; c < table->columns(); ++c)
        widths << QTextLength(QTextLength::VariableLength, 0);
    tf.setColumnWidthConstraints(widths);
    tf.setLeftMargin(qMax(0.0, px(grid.front())));
    table->setFormat(tf);
    formatCells(t, spans);
    return true;
}

// Cell padding, shading and borders, then merged cells: horizontal merges
// widen a cell's columns, vertical ones join equal cells of following rows.
void Parser::formatCells(TableBuild &t,
                         const std::vector<std::vector<std::pair<int, int>>> &spansIn)
{
    QTextTable *table = t.table;
    const int rows = table->rows();
    std::vector<std::vector<std::pair<int, int>>> spans = spansIn;
    bool anyBorder = false;
    // Rows mostly repeat their cells' formats: each is made once, from the
    // format the cell has and what the definition adds to it.
    struct Made
    {
        int from, gap, shading;
        std::array<int, 4> border;
        QTextTableCellFormat format;
    };
    std::vector<Made> made;
    CellFormats formats(table);
    for (int r = 0; r < rows && size_t(r) < spans.size(); ++r) {
        const RowDef &def = t.rowDefs[size_t(r)];
        for (size_t c = 0; c < spans[size_t(r)].size() && c < def.cells.size(); ++c) {
            const CellDef &d = def.cells[c];
            QTextTableCell cell = table->cellAt(r, spans[size_t(r)][c].first);
            const int from = cell.tableCellFormatIndex();
            const std::array<int, 4> &b = d.border;
            const bool bordered = b[0] || b[1] || b[2] || b[3];
            anyBorder = anyBorder || bordered;
            const auto same = std::find_if(made.begin(), made.end(), [&](const Made &m) {
                return m.from == from && m.gap == def.gap && m.shading == d.shading &&
                       m.border == d.border;
            });
            if (same != made.end()) {
                formats.set(cell, same->format);
                continue;
            }
            QTextTableCellFormat cf = cell.format().toTableCellFormat();
            cf.setLeftPadding(px(def.gap));
            cf.setRightPadding(px(def.gap));
            if (d.shading > 0 && size_t(d.shading) < m_colors.size() &&
                m_colors[size_t(d.shading)].isValid())
                cf.setBackground(m_colors[size_t(d.shading)]);
            // Only the sides that have a line: a side of no width draws and
            // takes nothing, and a cell format of fewer properties is quicker
            // for the layout to look up, every time it does.
            constexpr cellside::Side sideOf[] = {cellside::Top, cellside::Left, cellside::Bottom,
                                                 cellside::Right}; // as \clbrdrt, l, b, r
            for (size_t i = 0; i < 4; ++i) {
                if (!b[i])
                    continue;
                const cellside::Side e = sideOf[i];
                cf.setProperty(cellside::width[e], qMax(1.0, px(b[i])));
                cf.setProperty(cellside::style[e], int(QTextFrameFormat::BorderStyle_Solid));
                cf.setProperty(cellside::brush[e], QBrush(Qt::black));
            }
            formats.set(cell, cf);
            if (made.size() < 64)
                made.push_back({from, def.gap, d.shading, d.border, cf});
        }
        // \clmgf and the \clmrg cells after it are one cell
        auto &row = spans[size_t(r)];
        for (size_t c = 0; c < row.size() && c < def.cells.size(); ++c) {
            if (!def.cells[c].hMergeFirst)
                continue;
            size_t k = c + 1;
            while (k < row.size() && k < def.cells.size() && def.cells[k].hMerge)
                ++k;
            row[c].second = row[k - 1].second;
            row.erase(row.begin() + long(c) + 1, row.begin() + long(k));
            t.rowDefs[size_t(r)].cells.erase(t.rowDefs[size_t(r)].cells.begin() + long(c) + 1,
                                             t.rowDefs[size_t(r)].cells.begin() + long(k));
        }
    }
    if (anyBorder) {
        QTextTableFormat tf = table->format();
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setBorderBrush(QColor(Qt::black));
        table->setFormat(tf);
    }
    // Vertical runs: a \clvmgf cell and the \clvmrg cells of the same columns below.
    std::vector<std::vector<bool>> joined(spans.size());
    for (size_t r = 0; r < spans.size(); ++r)
        joined[r].assign(spans[r].size(), false);
    for (size_t r = 0; r < spans.size() && int(r) < rows; ++r) {
        const auto &cells = t.rowDefs[r].cells;
        for (size_t c = 0; c < spans[r].size() && c < cells.size(); ++c) {
            if (!cells[c].vMergeFirst || joined[r][c])
                continue;
            int down = 1;
            while (r + size_t(down) < spans.size() && int(r) + down < rows) {
                const auto &below = spans[r + size_t(down)];
                const auto &belowCells = t.rowDefs[r + size_t(down)].cells;
                const auto it = std::find(below.begin(), below.end(), spans[r][c]);
                const size_t k = size_t(it - below.begin());
                if (it == below.end() || k >= belowCells.size() || !belowCells[k].vMerge)
                    break;
                joined[r + size_t(down)][k] = true;
                ++down;
            }
            const auto [from, to] = spans[r][c];
            if (down > 1 || to - from > 1)
                table->mergeCells(int(r), from, down, to - from);
            joined[r][c] = true;
        }
    }
    for (size_t r = 0; r < spans.size() && int(r) < rows; ++r)
        for (size_t c = 0; c < spans[r].size(); ++c) {
            const auto [from, to] = spans[r][c];
            if (!joined[r][c] && to - from > 1 && table->cellAt(int(r), from).rowSpan() == 1)
                table->mergeCells(int(r), from, 1, to - from);
        }
}

} // namespace vc::rtf
