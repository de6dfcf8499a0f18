#pragma once

#include <QTextFormat>

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

// Sets a paragraph's character format as QTextCursor::setBlockCharFormat does
// (where it starts a table cell, the cell's format), looking it up once.
void setBlockCharFormat(const QTextBlock &block, const QTextCharFormat &format);

} // namespace vc
