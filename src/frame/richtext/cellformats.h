#pragma once

#include <QTextFormat>

#include <vector>

class QTextBlock;
class QTextTable;
class QTextTableCell;

namespace vc {

// Formats set on many cells of one table. QTextTableCell::setFormat copies a
// format three times over and looks it up in the document twice for every
// cell; made ready once for its table, a format is looked up once and set on
// each cell's first character as it is.
class CellFormats
{
public:
    explicit CellFormats(QTextTable *table);

    // The format as setFormat leaves it on a cell of this table that spans
    // nothing: what spans it takes, merging gives it.
    QTextCharFormat ready(QTextCharFormat format) const;
    // Sets a format made ready for this table on one of its cells.
    void set(const QTextTableCell &cell, const QTextCharFormat &ready) const;

private:
    QTextTable *m_table;
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
