#include "basketprint.h"

#include "printer.h"

namespace vc {

namespace {

struct Column
{
    double left, width;
};
constexpr Column columns[4] = {{18, 18}, {36, 30}, {66, 94}, {160, 30}};
constexpr double headerTop = 15, headerTextY = 22, boxHeight = 20;
constexpr double firstRowTop = 38, rowTextOffset = 2, rowPitch = 10;
// Paper left below the last box, so no printer cuts it off.
constexpr double bottomMargin = 12;
constexpr double a4Height = 297;

class Page
{
public:
    explicit Page(Printer &printer) : m_printer(printer)
    {
        const double dpiX = qMax(1, printer.deviceCaps(Printer::LogPixelsX));
        const double dpiY = qMax(1, printer.deviceCaps(Printer::LogPixelsY));
        // Positions are from the paper's edge; the printer's are from its printable area.
        m_dx = printer.deviceCaps(Printer::PhysicalOffsetX) * 25.4 / dpiX;
        m_dy = printer.deviceCaps(Printer::PhysicalOffsetY) * 25.4 / dpiY;
    }
    void text(const QString &s, double x, double y, bool centred)
    {
        m_printer.setCurrentX((centred ? x - m_printer.textWidth(s) / 2 : x) - m_dx);
        m_printer.setCurrentY(y - m_dy);
        m_printer.print(s);
    }
    void boxes(double top)
    {
        for (const Column &c : columns)
            m_printer.box(c.left - m_dx, top - m_dy, c.width, boxHeight);
    }

private:
    Printer &m_printer;
    double m_dx = 0, m_dy = 0;
};

void header(Printer &printer, Page &page, const QStringList &headers)
{
    printer.setFontBold(true);
    page.text(headers.value(0), 27, headerTextY, true);
    page.text(headers.value(1), 51, headerTextY, true);
    page.text(headers.value(2), 70, headerTextY, false);
    page.boxes(headerTop);
    printer.setFontBold(false);
}

} // namespace

int BasketPrint::rowsPerPage(double pageHeightMm)
{
    const double room = pageHeightMm - bottomMargin - firstRowTop - boxHeight;
    return qMax(1, int(room / rowPitch) + 1);
}

bool BasketPrint::print(Printer &printer, const QStringList &headers,
                        const std::vector<BasketRow> &rows)
{
    printer.setScaleMode(Printer::Unit::Millimetres);
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(14);
    printer.setColorMode(2);
    printer.setOrientation(1);
    printer.setPaperSize(9);
    printer.setDocName(QStringLiteral("Basket"));
    if (!printer.painter())
        return false;
    Page page(printer);
    const int perPage = rowsPerPage(a4Height);
    header(printer, page, headers);
    double offset = 0;
    for (int i = 0; i < int(rows.size()); ++i) {
        if (i > 0 && i % perPage == 0) {
            if (!printer.newPage())
                return false;
            header(printer, page, headers);
            offset = 0;
        }
        const BasketRow &row = rows[i];
        page.boxes(firstRowTop + offset);
        const double y = firstRowTop + rowTextOffset + offset;
        page.text(row.quantity, 27, y, true);
        page.text(row.article, 51, y, true);
        page.text(row.description, 70, y, false);
        offset += rowPitch;
    }
    return printer.endDoc();
}

} // namespace vc
