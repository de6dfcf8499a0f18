#include "richtext/cellformats.h"

#include <QTextBlock>
#include <QTextTable>

#include <algorithm>
// Setting a character's format without QTextTableCell::setFormat's copies.
#include <private/qtextdocument_p.h>

namespace vc {

namespace {

// Formats made ready and kept; where cells do not repeat them, the last few.
constexpr size_t kept = 32;

} // namespace

CellFormats::CellFormats(QTextTable *table) : m_table(table) {}

void CellFormats::set(const QTextTableCell &cell, const QTextCharFormat &format)
{
    auto r = std::find_if(m_ready.begin(), m_ready.end(),
                          [&](const Ready &k) { return k.given == format; });
    if (r == m_ready.end()) {
        // setFormat's own steps, in its order: equal formats then hold their
        // properties in the same order, and the document keeps one of them
        QTextCharFormat f = format;
        f.clearProperty(QTextFormat::ObjectIndex);
        f.setObjectType(QTextFormat::TableCellObject);
        f.setTableCellRowSpan(1);
        f.setTableCellColumnSpan(1);
        f.setObjectIndex(m_table->objectIndex());
        if (m_ready.size() >= kept)
            m_ready.clear();
        r = m_ready.insert(m_ready.end(), {format, f});
    }
    // a cell's format is that of the frame character it starts with
    QTextDocumentPrivate::get(m_table)->setCharFormat(cell.firstPosition() - 1, 1, r->format,
                                                      QTextDocumentPrivate::SetFormat);
}

void BlockCharFormats::set(const QTextBlock &block, const QTextCharFormat &format)
{
    // the format with the object index of what the paragraph starts, if anything
    const int object = block.charFormat().objectIndex();
    auto r = std::find_if(m_ready.begin(), m_ready.end(),
                          [&](const Ready &k) { return k.object == object && k.given == format; });
    if (r == m_ready.end()) {
        QTextCharFormat f = format;
        f.clearProperty(QTextFormat::ObjectIndex);
        if (object != -1)
            f.setObjectIndex(object);
        if (m_ready.size() >= kept)
            m_ready.clear();
        r = m_ready.insert(m_ready.end(), {format, object, f});
    }
    QTextDocumentPrivate *d = QTextDocumentPrivate::get(const_cast<QTextBlock &>(block));
    d->setCharFormat(block.position() - 1, 1, r->format, QTextDocumentPrivate::SetFormat);
}

} // namespace vc
