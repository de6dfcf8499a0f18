#include "richtext/cellformats.h"

#include <QTextBlock>
#include <QTextTable>
// Setting a character's format without QTextTableCell::setFormat's copies.
#include <private/qtextdocument_p.h>

namespace vc {

CellFormats::CellFormats(QTextTable *table) : m_table(table) {}

QTextCharFormat CellFormats::ready(QTextCharFormat format) const
{
    // setFormat's own steps, in its order: equal formats then hold their
    // properties in the same order, and the document keeps one of them
    format.clearProperty(QTextFormat::ObjectIndex);
    format.setObjectType(QTextFormat::TableCellObject);
    format.setTableCellRowSpan(1);
    format.setTableCellColumnSpan(1);
    format.setObjectIndex(m_table->objectIndex());
    return format;
}

void CellFormats::set(const QTextTableCell &cell, const QTextCharFormat &ready) const
{
    // a cell's format is that of the frame character it starts with
    QTextDocumentPrivate::get(m_table)->setCharFormat(cell.firstPosition() - 1, 1, ready,
                                                      QTextDocumentPrivate::SetFormat);
}

void setBlockCharFormat(const QTextBlock &block, const QTextCharFormat &format)
{
    // the format with the object index of what the paragraph starts, if anything
    QTextCharFormat f = format;
    f.clearProperty(QTextFormat::ObjectIndex);
    const int object = block.charFormat().objectIndex();
    if (object != -1)
        f.setObjectIndex(object);
    QTextDocumentPrivate *d = QTextDocumentPrivate::get(const_cast<QTextBlock &>(block));
    d->setCharFormat(block.position() - 1, 1, f, QTextDocumentPrivate::SetFormat);
}

} // namespace vc
