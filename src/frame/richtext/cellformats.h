#pragma once

#include <QTextFormat>

#include <vector>

class QTextBlock;
class QTextTable;
class QTextTableCell;

namespace vc {

// Formats set on many cells of one table. QTextTableCell::setFormat copies a
// format three times over and looks it up in the document twice for every
// cell; made ready once for its table (the last few formats are kept, cells
// mostly repeat them), a format is looked up once and set on each cell's first
// character as it is.
class CellFormats
{
public:
    explicit CellFormats(QTextTable *table);

    // Sets the format on one of the table's cells, spanning nothing: what
    // spans it takes, merging gives it.
    void set(const QTextTableCell &cell, const QTextCharFormat &format);

private:
    struct Ready
    {
        QTextCharFormat given, format;
    };
    QTextTable *m_table;
    std::vector<Ready> m_ready;
};

// Sets paragraphs' character formats as QTextCursor::setBlockCharFormat does
// (where a paragraph starts a table cell, the cell's format), each format made
// ready once and looked up once.
class BlockCharFormats
{
public:
    void set(const QTextBlock &block, const QTextCharFormat &format);

private:
    struct Ready
    {
        QTextCharFormat given;
        int object; // what the paragraph starts, or -1
        QTextCharFormat format;
    };
    std::vector<Ready> m_ready;
};

} // namespace vc
