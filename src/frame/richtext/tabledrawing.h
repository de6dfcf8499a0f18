#pragma once

#include <QBrush>
#include <QRectF>
#include <QTextFormat>

#include <array>
#include <vector>

class QPainter;
class QTextBlock;
class QTextDocument;
class QTextLayout;
class QTextDocumentLayout;
class QTextTable;
class QTextTableCell;

namespace vc {

// The four sides of a table cell as its format holds them.
namespace cellside {

enum Side { Top, Bottom, Left, Right };
inline constexpr QTextFormat::Property width[] = {
    QTextFormat::TableCellTopBorder, QTextFormat::TableCellBottomBorder,
    QTextFormat::TableCellLeftBorder, QTextFormat::TableCellRightBorder};
inline constexpr QTextFormat::Property style[] = {
    QTextFormat::TableCellTopBorderStyle, QTextFormat::TableCellBottomBorderStyle,
    QTextFormat::TableCellLeftBorderStyle, QTextFormat::TableCellRightBorderStyle};
inline constexpr QTextFormat::Property padding[] = {
    QTextFormat::TableCellTopPadding, QTextFormat::TableCellBottomPadding,
    QTextFormat::TableCellLeftPadding, QTextFormat::TableCellRightPadding};
inline constexpr QTextFormat::Property brush[] = {
    QTextFormat::TableCellTopBorderBrush, QTextFormat::TableCellBottomBorderBrush,
    QTextFormat::TableCellLeftBorderBrush, QTextFormat::TableCellRightBorderBrush};

// The layout's fixed point: 1/64 device pixel, fractions cut off.
inline int fixed(double px)
{
    return int(px * 64);
}

// A length in 1/96 inch that the layout reads back as exactly `f` fixed.
inline double length(int f, double scale)
{
    return (f + (f < 0 ? -0.5 : 0.5)) / 64 / scale;
}

} // namespace cellside

// Tables of a laid-out part drawn by the pager instead of the text layout.
// For every cell it paints, the layout looks the cell up in its table again
// and again, weighs each of its sides against the others and paints every
// side with a painter state of its own: in a long table most of the time
// printing took, and most of the file. Here a cell is looked up once, after
// layout, and drawn as the layout draws it: its background, its sides, then
// its paragraphs. A table with anything else to draw (nested frames, lists,
// rules, paragraph backgrounds, gradients) is left to the layout, which still
// draws its cells' text, the sides lifted from it drawn here after.
class TableDrawing
{
public:
    // A cell whose borders were lifted, by its top-left corner in the table.
    struct Lifted
    {
        QTextTable *table = nullptr;
        int row = 0, col = 0;
        std::array<double, 4> width{}; // sides set in the format, drawn or not
        std::array<bool, 4> drawn{};
        std::array<QBrush, 4> brush;
    };

    // Moves a cell's solid borders into its padding for a device of this
    // vertical resolution, so that it is laid out as before; false, and the
    // format untouched, when it has none to draw or a side in another style.
    static bool lift(QTextCharFormat &format, const QTextTableFormat &table, int dpi, Lifted &out);

    // Looks up the cells of a laid-out document's tables that hold lifted
    // cells. Only tables standing in the document's own flow are lifted.
    void place(QTextDocument &doc, const std::vector<Lifted> &cells, int dpi);

    // Where the layout has a paragraph of a table drawn here, as its
    // blockBoundingRect would say, without asking it again: false for any other.
    bool blockRect(const QTextBlock &block, QRectF &rect) const;

    // The parts of `clip` the layout is to draw: all but the tables drawn here.
    std::vector<QRectF> layoutBands(const QRectF &clip) const;
    // What meets `clip` of the tables, as the layout would draw it with that
    // clip, the text in `text`.
    void draw(QPainter *painter, const QRectF &clip, const QColor &text) const;

private:
    struct Cell
    {
        QRectF rect;    // as the layout draws it
        QRectF box;     // as the layout tests it against the clip
        int background; // brush, or -1
        unsigned firstSide, sides;
        unsigned firstText, texts;
    };
    struct Side
    {
        QRectF rect;
        unsigned brush;
    };
    struct Text
    {
        QTextLayout *layout;
        QPointF at;     // drawn from
        QPointF offset; // where the layout has it, before the table's shift
        int block;
    };
    unsigned brushIndex(const QBrush &b);
    struct Placing
    {
        QPointF shift; // from where the layout has a table to where it draws it
        double border = 0, cellPadding = 0, scale = 1;
        int dpi = 96;
    };
    // box: the cell as the layout has it
    bool addCell(QTextDocumentLayout *layout, const QRectF &box, const QTextTableCell &cell,
                 const Lifted *lifted, bool whole, const Placing &at);
    void addSides(const Lifted &c, const QRectF &cell, int dpi);

    std::vector<Cell> m_cells;
    std::vector<Side> m_sides;
    std::vector<Text> m_texts;
    std::vector<QBrush> m_brushes;
    std::vector<std::pair<int, unsigned>> m_byBlock; // block number: its text, in order
    std::vector<std::pair<double, double>> m_whole;  // tables drawn whole: top, bottom
    QRectF m_frame;                                  // the layout's clip for paragraphs
};

} // namespace vc
