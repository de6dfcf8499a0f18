#include "richtext/collapsedborders.h"

#include "richtext/tabledrawing.h"

#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vc {

namespace {

using Edge = cellside::Side;
using cellside::Bottom;
using cellside::fixed;
using cellside::Left;
using cellside::length;
using cellside::Right;
using cellside::Top;
constexpr Edge opposite[] = {Bottom, Top, Right, Left};
constexpr const auto &widthProp = cellside::width;
constexpr const auto &styleProp = cellside::style;
constexpr const auto &paddingProp = cellside::padding;
constexpr const auto &brushProp = cellside::brush;

struct Cell
{
    int row, col, rows, cols;
    int index; // the caller's
    QTextCharFormat format;
    std::array<double, 4> width; // as the layout takes it: a style without a width is 3
};

class Grid
{
public:
    // at(r, c, format): the caller's index of the cell whose top-left corner
    // is (r, c), its format set; -1 if there is none, which fails the grid.
    template <class At> Grid(int rows, int cols, At at) : m_rows(rows), m_cols(cols)
    {
        m_at.assign(size_t(m_rows) * size_t(m_cols), -1);
        // row by row, a cell is met first at its top-left corner
        for (int r = 0; r < m_rows; ++r)
            for (int c = 0; c < m_cols; ++c) {
                if (m_at[index(r, c)] >= 0)
                    continue;
                Cell cell{r, c, 1, 1, -1, {}, {}};
                cell.index = at(r, c, cell.format);
                if (cell.index < 0) {
                    m_ok = false;
                    return;
                }
                cell.rows = qMax(1, cell.format.intProperty(QTextFormat::TableCellRowSpan));
                cell.cols = qMax(1, cell.format.intProperty(QTextFormat::TableCellColumnSpan));
                for (int e = 0; e < 4; ++e) {
                    const bool styled = cell.format.hasProperty(styleProp[e]);
                    const bool sized = cell.format.hasProperty(widthProp[e]);
                    cell.width[size_t(e)] = !styled ? 0.0
                                            : sized ? cell.format.doubleProperty(widthProp[e])
                                                    : 3.0;
                }
                const int id = int(m_cells.size());
                for (int rr = r; rr < qMin(m_rows, r + cell.rows); ++rr)
                    for (int cc = c; cc < qMin(m_cols, c + cell.cols); ++cc)
                        m_at[index(rr, cc)] = id;
                m_cells.push_back(std::move(cell));
            }
    }

    bool ok() const { return m_ok; }
    int rows() const { return m_rows; }
    int columns() const { return m_cols; }
    std::vector<Cell> &cells() { return m_cells; }

    int neighbour(int id, Edge e) const
    {
        const Cell &c = m_cells[size_t(id)];
        int r = c.row, k = c.col;
        switch (e) {
        case Top:
            --r;
            break;
        case Bottom:
            r += c.rows;
            break;
        case Left:
            --k;
            break;
        case Right:
            k += c.cols;
            break;
        }
        if (r < 0 || k < 0 || r >= m_rows || k >= m_cols)
            return -1;
        return m_at[index(r, k)];
    }

    struct Side
    {
        double width;
        int cell; // whose border is drawn, or -1
        Edge edge;
    };
    Side side(int id, Edge e) const
    {
        return {id < 0 ? 0.0 : m_cells[size_t(id)].width[size_t(e)], id, e};
    }
    // The wider wins; of two as wide, the bottom or right border of the cell
    // above or left of the line.
    static Side wider(const Side &a, const Side &b)
    {
        if (b.cell < 0 || b.width < a.width)
            return a;
        if (b.width > a.width)
            return b;
        return (a.edge == Top && b.edge == Bottom) || (a.edge == Left && b.edge == Right) ? b : a;
    }
    // The border drawn on one side of a cell with collapsed borders: its own,
    // its neighbour's across the line, and where the two do not start on the
    // same line, the one beside the neighbour.
    Side shared(int id, Edge e) const
    {
        Side best = side(id, e);
        const int n = neighbour(id, e);
        if (n < 0)
            return best;
        best = wider(best, side(n, opposite[e]));
        const Cell &a = m_cells[size_t(id)], &b = m_cells[size_t(n)];
        const bool offset = (e == Top || e == Bottom) ? a.col != b.col : a.row != b.row;
        if (offset)
            best = wider(best, side(neighbour(n, opposite[e]), e));
        return best;
    }

private:
    size_t index(int r, int c) const { return size_t(r) * size_t(m_cols) + size_t(c); }
    int m_rows, m_cols;
    bool m_ok = true;
    std::vector<int> m_at;
    std::vector<Cell> m_cells;
};

} // namespace

void CollapsedBorders::separate(QTextDocument &doc, int dpi)
{
    std::vector<QTextFrame *> frames{doc.rootFrame()};
    while (!frames.empty()) {
        QTextFrame *frame = frames.back();
        frames.pop_back();
        for (QTextFrame *child : frame->childFrames())
            frames.push_back(child);
        if (auto *table = qobject_cast<QTextTable *>(frame))
            separate(table, dpi);
    }
}

namespace {

bool qualifies(const QTextTableFormat &tf, int rows, int cols)
{
    return tf.borderCollapse() && tf.border() == 0 && rows > 0 && cols > 0;
}

// Each line between two cells is drawn by the cell above or left of it alone,
// inside its box: the line between two rows is moved down by whole pixels,
// the row above growing by as much as the row below shrinks, so that the
// line lies where that cell drew it before; the line between two columns
// moves left by half its width. Paddings keep every cell's text where it was.
// A table cut out of a longer one goes on above or below it (open): its lines
// there are settled as between two rows, the row beyond them taken to be like
// the one beside it, so that the pieces meet as the rows did.
bool separateGrid(QTextTableFormat &tf, Grid &grid, int dpi,
                  std::vector<std::pair<int, QTextCharFormat>> &changed, bool openTop = false,
                  bool openBottom = false)
{
    const double s = 1.0 * dpi / 96; // as the layout scales
    if (!grid.ok())
        return false;
    auto &cells = grid.cells();
    const int rows = grid.rows(), cols = grid.columns();
    double outerTop = 0, outerBottom = 0;
    for (const Cell &c : cells) {
        if ((c.col == 0 && c.width[Left] > 0) || (c.col + c.cols >= cols && c.width[Right] > 0))
            return false;
        if (c.row == 0 && !openTop)
            outerTop = qMax(outerTop, c.width[Top]);
        if (c.row + c.rows >= rows && !openBottom)
            outerBottom = qMax(outerBottom, c.width[Bottom]);
    }
    // The table keeps room for half its widest outer border above and below,
    // in whole pixels; the outer rows take that room into their own borders.
    const int roomTop = (fixed(outerTop / 2 * dpi / 96) + 32) & -64;
    const int roomBottom = (fixed(outerBottom / 2 * dpi / 96) + 32) & -64;
    const int cellPadding = fixed(tf.cellPadding() * dpi / 96);

    std::vector<std::array<Grid::Side, 4>> lines(cells.size());
    std::vector<int> shift(size_t(rows) + 1, 0); // whole pixels each row line moves down
    for (size_t id = 0; id < cells.size(); ++id) {
        for (int e = 0; e < 4; ++e)
            lines[id][size_t(e)] = grid.shared(int(id), Edge(e));
        const Cell &c = cells[id];
        // beyond an open side, a row like this cell's: its bottom above, its top below
        const Grid::Side likeAbove = grid.side(int(id), Bottom),
                         likeBelow = grid.side(int(id), Top);
        if (openTop && c.row == 0)
            lines[id][Top] = Grid::wider(likeAbove, lines[id][Top]);
        if (openBottom && c.row + c.rows >= rows)
            lines[id][Bottom] = Grid::wider(lines[id][Bottom], likeBelow);
        const int below = c.row + c.rows;
        if (below < rows || openBottom)
            shift[size_t(below)] =
                qMax(shift[size_t(below)], int(std::floor(lines[id][Bottom].width * dpi / 96 / 2)));
        if (c.row == 0 && openTop)
            shift[0] = qMax(shift[0], int(std::floor(lines[id][Top].width * dpi / 96 / 2)));
    }
    auto drawn = [&](const Grid::Side &line) {
        const QTextCharFormat &f = cells[size_t(line.cell)].format;
        return line.width > 0 &&
               f.intProperty(styleProp[line.edge]) != QTextFrameFormat::BorderStyle_None;
    };

    // What a side of a cell ends up with; cells of a long table mostly repeat
    // their format and what meets them, so each settled format is made once.
    struct Settled
    {
        int padding; // fixed, without the border
        double width;
        QVariant style, brush; // of the border drawn, if any
        bool operator==(const Settled &o) const
        {
            return padding == o.padding && width == o.width && style == o.style && brush == o.brush;
        }
    };
    struct Made
    {
        QTextCharFormat from;
        std::array<Settled, 4> sides;
        QTextCharFormat format;
        bool changed;
    };
    std::vector<Made> made;
    for (size_t id = 0; id < cells.size(); ++id) {
        Cell &c = cells[id];
        std::array<Settled, 4> sides;
        for (int e = 0; e < 4; ++e) {
            const Grid::Side &line = lines[id][size_t(e)];
            const QVariant padding = c.format.property(paddingProp[e]);
            int total = (padding.isNull() ? cellPadding : fixed(padding.toReal() * s)) +
                        fixed(line.width / 2 * s);
            bool draws = true;
            if (e == Top && c.row == 0 && openTop) {
                total -= 64 * shift[0];
                draws = line.edge == Top; // else drawn by the row above, in the piece before
            } else if (e == Top && c.row == 0) {
                total += roomTop;
            } else if (e == Bottom && c.row + c.rows >= rows && !openBottom) {
                total += roomBottom;
            } else if (e == Top) {
                total -= 64 * shift[size_t(c.row)];
                // a line the cell above does not draw over this cell
                const int above = grid.neighbour(int(id), Top);
                draws = above >= 0 && lines[size_t(above)][Bottom].width < line.width;
            } else if (e == Bottom) {
                total += 64 * shift[size_t(c.row + c.rows)];
            } else if (e == Left) {
                draws = false;
            }
            // drawn as wide as before, from the same cell's side of the line
            const int border = draws && drawn(line) ? fixed(line.width * s) : 0;
            Settled &side = sides[size_t(e)];
            side.padding = total - border;
            side.width = border > 0 ? line.width : 0;
            if (border > 0) {
                const QTextCharFormat &from = cells[size_t(line.cell)].format;
                side.style = from.property(styleProp[line.edge]);
                side.brush = from.property(brushProp[line.edge]);
            }
        }
        auto m = std::find_if(made.begin(), made.end(), [&](const Made &k) {
            return k.sides == sides && k.from == c.format;
        });
        if (m == made.end()) {
            QTextCharFormat f = c.format;
            for (int e = 0; e < 4; ++e) {
                const Settled &side = sides[size_t(e)];
                f.setProperty(paddingProp[e], length(side.padding, s));
                if (side.width <= 0) {
                    f.clearProperty(widthProp[e]);
                    f.clearProperty(styleProp[e]);
                    f.clearProperty(brushProp[e]);
                    continue;
                }
                f.setProperty(widthProp[e], side.width);
                f.setProperty(styleProp[e], side.style);
                if (side.brush.isValid())
                    f.setProperty(brushProp[e], side.brush);
                else
                    f.clearProperty(brushProp[e]);
            }
            if (made.size() >= 32) // where cells do not repeat them, the last few
                made.clear();
            m = made.insert(made.end(), {c.format, sides, f, f != c.format});
        }
        if (m->changed)
            changed.push_back({c.index, m->format});
    }
    tf.setBorderCollapse(false);
    tf.setCellSpacing(0);
    return true;
}

} // namespace

bool CollapsedBorders::separate(QTextTable *table, int dpi)
{
    QTextTableFormat tf = table->format();
    if (!qualifies(tf, table->rows(), table->columns()))
        return false;
    std::vector<QTextTableCell> found;
    Grid grid(table->rows(), table->columns(), [&](int r, int c, QTextCharFormat &f) {
        found.push_back(table->cellAt(r, c));
        f = found.back().format();
        return int(found.size()) - 1;
    });
    std::vector<std::pair<int, QTextCharFormat>> changed;
    if (!separateGrid(tf, grid, dpi, changed))
        return false;
    for (const auto &[i, f] : changed)
        found[size_t(i)].setFormat(f);
    table->setFormat(tf);
    return true;
}

bool CollapsedBorders::separate(QTextTableFormat &tf, int rows, int cols,
                                std::vector<Corner> &corners, int dpi, bool openTop,
                                bool openBottom)
{
    if (!qualifies(tf, rows, cols))
        return false;
    std::vector<int> at(size_t(rows) * size_t(cols), -1);
    for (size_t i = 0; i < corners.size(); ++i) {
        const Corner &k = corners[i];
        if (k.row < 0 || k.col < 0 || k.row >= rows || k.col >= cols)
            return false;
        at[size_t(k.row) * size_t(cols) + size_t(k.col)] = int(i);
    }
    Grid grid(rows, cols, [&](int r, int c, QTextCharFormat &f) {
        const int i = at[size_t(r) * size_t(cols) + size_t(c)];
        if (i >= 0)
            f = corners[size_t(i)].format;
        return i;
    });
    std::vector<std::pair<int, QTextCharFormat>> changed;
    if (!separateGrid(tf, grid, dpi, changed, openTop, openBottom))
        return false;
    for (auto &[i, f] : changed)
        corners[size_t(i)].format = std::move(f);
    return true;
}

} // namespace vc
