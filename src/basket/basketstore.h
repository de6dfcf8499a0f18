#pragma once

#include "basketlist.h"

#include <QString>
#include <vector>

namespace vc {

// The basket's part of a project file: "WKorbListe"/"Rows" holds the number
// of values, three per line, and "wKorb" the values "0" ... "3n", each line's
// quantity, article and description, with the last key present and empty.
// The main window's Save and Save as never touch these sections.
class BasketStore
{
public:
    // Writes the rows (SaveBasket without its Save command); false when the
    // file could not be written.
    static bool save(const QString &projectFile, const std::vector<BasketRow> &rows);

    struct Loaded
    {
        std::vector<BasketRow> rows;
        // "Rows" disagreed with the values found; every line found was kept.
        bool repaired = false;
    };
    // Reads the rows back (LoadBasket). A "Rows" that is missing, no number,
    // negative, huge or not a multiple of three never costs a line: the lines
    // are the values actually present, read in threes, the last one possibly
    // short. Reads at most the values present, whatever "Rows" claims.
    static Loaded load(const QString &projectFile);
};

} // namespace vc
