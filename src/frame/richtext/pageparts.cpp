#include "richtext/pageparts.h"

#include "richtext/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QVariant>

namespace vc {

namespace {
const char *const keys[] = {"vcPageHeader", "vcPageFooter", "vcFirstHeader", "vcFirstFooter"};
}

PageParts PageParts::of(const QTextDocument *document)
{
    PageParts p;
    if (!document)
        return p;
    for (int i = 0; i < Count; ++i)
        p.rtf[size_t(i)] = document->property(keys[i]).toByteArray();
    p.titlePage = document->property("vcTitlePage").toBool();
    p.headerY =
        document->property("vcHeaderY").isValid() ? document->property("vcHeaderY").toInt() : 720;
    p.footerY =
        document->property("vcFooterY").isValid() ? document->property("vcFooterY").toInt() : 720;
    return p;
}

void PageParts::applyTo(QTextDocument *document) const
{
    if (!document)
        return;
    for (int i = 0; i < Count; ++i)
        document->setProperty(keys[i], rtf[size_t(i)]);
    document->setProperty("vcTitlePage", titlePage);
    document->setProperty("vcHeaderY", headerY);
    document->setProperty("vcFooterY", footerY);
}

PagePartsPrinter::PagePartsPrinter(const PageParts &parts, int widthTwips) : m_parts(parts)
{
    for (int i = 0; i < PageParts::Count; ++i) {
        if (parts.rtf[size_t(i)].isEmpty())
            continue;
        Part &p = m_fields[size_t(i)];
        p.doc = std::make_unique<QTextDocument>();
        RtfReader::read(parts.rtf[size_t(i)], p.doc.get());
        p.doc->setDocumentMargin(0);
        p.doc->setTextWidth(widthTwips / 15.0); // twips to the document's 1/96 inch
        p.height = p.doc->documentLayout()->documentSize().height() * 15.0;
        const QString text = p.doc->toPlainText();
        p.numbered = text.contains(QChar(PageParts::pageNumberMark)) ||
                     text.contains(QChar(PageParts::pageCountMark));
        m_needsCount = m_needsCount || text.contains(QChar(PageParts::pageCountMark));
    }
}

void PagePartsPrinter::number(Part &part, int page, int which)
{
    const double width = part.doc->textWidth();
    RtfReader::read(m_parts.rtf[size_t(which)], part.doc.get());
    part.doc->setDocumentMargin(0);
    part.doc->setTextWidth(width);
    for (const auto &[mark, value] : {std::pair{PageParts::pageNumberMark, page},
                                      std::pair{PageParts::pageCountMark, m_pageCount}}) {
        const QString find(QChar{mark});
        for (QTextCursor c = part.doc->find(find); !c.isNull(); c = part.doc->find(find, c))
            c.insertText(QString::number(value));
    }
}

PagePartsPrinter::~PagePartsPrinter() = default;

int PagePartsPrinter::which(int page, bool header) const
{
    const bool first = page == 1 && m_parts.titlePage;
    return first ? (header ? PageParts::FirstHeader : PageParts::FirstFooter)
                 : (header ? PageParts::Header : PageParts::Footer);
}

const PagePartsPrinter::Part *PagePartsPrinter::part(int page, bool header) const
{
    const Part &p = m_fields[size_t(which(page, header))];
    return p.doc && p.height > 0 ? &p : nullptr;
}

QRectF PagePartsPrinter::body(int page, const QRectF &margins, const QRectF &paper) const
{
    QRectF r = margins;
    if (const Part *h = part(page, true))
        r.setTop(qMax(r.top(), paper.top() + m_parts.headerY + h->height));
    if (const Part *f = part(page, false))
        r.setBottom(qMin(r.bottom(), paper.bottom() - m_parts.footerY - f->height));
    // parts that leave the body no room are drawn over it instead
    return r.height() < margins.height() / 3 ? margins : r;
}

void PagePartsPrinter::draw(QPainter *painter, int page, const QRectF &margins, const QRectF &paper)
{
    const QPaintDevice *device = painter->device();
    const double sx = device->logicalDpiX() / 1440.0, sy = device->logicalDpiY() / 1440.0;
    for (bool header : {true, false}) {
        if (!part(page, header))
            continue;
        const int k = which(page, header);
        Part &p = m_fields[size_t(k)];
        if (p.numbered)
            number(p, page, k);
        const double top =
            header ? paper.top() + m_parts.headerY : paper.bottom() - m_parts.footerY - p.height;
        painter->save();
        painter->translate(margins.left() * sx, top * sy);
        painter->scale(sx * 15, sy * 15);
        p.doc->drawContents(painter);
        painter->restore();
    }
}

} // namespace vc
