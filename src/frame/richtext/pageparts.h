#pragma once

#include <QByteArray>
#include <QRectF>

#include <array>
#include <memory>

class QPainter;
class QPaintDevice;
class QTextDocument;

namespace vc {

// The header and footer a rich text document repeats on its pages. Kept on
// the document itself, as its page setup is, so that printing finds them.
struct PageParts
{
    enum Which { Header, Footer, FirstHeader, FirstFooter, Count };
    // Stand for the page's number and the number of pages in their text.
    static constexpr ushort pageNumberMark = 0xE000, pageCountMark = 0xE001;
    std::array<QByteArray, Count> rtf; // rich text of each, empty where there is none
    bool titlePage = false;            // the first page has its own header and footer
    int headerY = 720, footerY = 720;  // twips from the paper's top and bottom edges

    static PageParts of(const QTextDocument *document);
    void applyTo(QTextDocument *document) const;
    bool operator==(const PageParts &o) const
    {
        return rtf == o.rtf && titlePage == o.titlePage && headerY == o.headerY &&
               footerY == o.footerY;
    }
};

// Lays a document's header and footer out and puts them on each page; the
// body keeps clear of them, as word processors lay it out. They are small:
// laid out in the document's own units and drawn scaled to the device.
// Rectangles are in twips of the painter's device, as formatRange takes them;
// paper is the whole sheet in the same coordinates.
class PagePartsPrinter
{
public:
    PagePartsPrinter(const PageParts &parts, int widthTwips);
    ~PagePartsPrinter();

    QRectF body(int page, const QRectF &margins, const QRectF &paper) const;
    void draw(QPainter *painter, int page, const QRectF &margins, const QRectF &paper);
    // A header or footer shows the number of pages: printing counts them first.
    bool needsPageCount() const { return m_needsCount; }
    void setPageCount(int pages) { m_pageCount = pages; }

private:
    struct Part
    {
        std::unique_ptr<QTextDocument> doc;
        double height = 0; // twips
        bool numbered = false;
    };
    void number(Part &part, int page, int which);
    bool m_needsCount = false;
    int m_pageCount = 0;
    int which(int page, bool header) const;
    const Part *part(int page, bool header) const;
    PageParts m_parts;
    std::array<Part, PageParts::Count> m_fields;
};

} // namespace vc
