#pragma once

#include "basketlist.h"

#include <QStringList>
#include <vector>

namespace vc {

class EasyPrint;

// The basket as a printed table on A4 portrait: quantity, article number and
// description under the list's column headers, in boxes of the window's
// layout (millimetres from the page's edges). Rows that would run past the
// page's printable end continue on further pages under the header row again,
// so every line of an offer prints.
class BasketPrint
{
public:
    // Prints on the current printer through the window's layout engine.
    // headers: the four column captions of the list. False when the job
    // failed (the engine has said why).
    static bool print(EasyPrint &out, const QStringList &headers,
                      const std::vector<BasketRow> &rows);

    // Rows that fit on one page below the header.
    static int rowsPerPage(double pageHeightMm);
};

} // namespace vc
