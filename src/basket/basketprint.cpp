#include "basketprint.h"

#include "easyprint.h"

namespace vc {

namespace {

struct Column
{
    float left, width;
};
constexpr Column columns[4] = {{18, 18}, {36, 30}, {66, 94}, {160, 30}};
constexpr float headerTop = 15, headerTextY = 22, boxHeight = 20;
constexpr float firstRowTop = 38, rowTextOffset = 2, rowPitch = 10;
// Paper left below the last box, so no printer cuts it off.
constexpr double bottomMargin = 12;
constexpr double a4Height = 297;

void boxes(EasyPrint &out, float top)
{
    for (const Column &c : columns)
        out.printShape(c.left, top, c.width, boxHeight);
}

void header(EasyPrint &out, const QStringList &headers)
{
    out.setFontBold(true);
    out.printCentre(27, headerTextY, headers.value(0));
    out.printCentre(51, headerTextY, headers.value(1));
    out.printLeft(70, headerTextY, headers.value(2));
    boxes(out, headerTop);
    out.setFontBold(false);
}

} // namespace

int BasketPrint::rowsPerPage(double pageHeightMm)
{
    const double room = pageHeightMm - bottomMargin - firstRowTop - boxHeight;
    return qMax(1, int(room / rowPitch) + 1);
}

bool BasketPrint::print(EasyPrint &out, const QStringList &headers,
                        const std::vector<BasketRow> &rows)
{
    out.setFontName(QStringLiteral("Arial"));
    out.setFontSize(14);
    out.setColorMode(2);
    out.setOrientation(1);
    out.setPaperSize(9);
    const int perPage = rowsPerPage(a4Height);
    header(out, headers);
    float offset = 0;
    for (int i = 0; i < int(rows.size()) && !out.failed(); ++i) {
        if (i > 0 && i % perPage == 0) {
            out.newPage();
            header(out, headers);
            offset = 0;
        }
        const BasketRow &row = rows[i];
        boxes(out, firstRowTop + offset);
        const float y = firstRowTop + rowTextOffset + offset;
        out.printCentre(27, y, row.quantity);
        out.printCentre(51, y, row.article);
        out.printLeft(70, y, row.description);
        offset += rowPitch;
    }
    if (out.failed())
        return false;
    return out.endDoc();
}

} // namespace vc
