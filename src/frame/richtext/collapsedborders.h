#pragma once

#include <QTextFormat>

#include <vector>

class QTextDocument;
class QTextTable;

namespace vc {

// Tables with collapsed cell borders cost the text layout most of its time:
// for every cell it lays out and paints, it weighs each border against those
// of up to three neighbours, looking each of them up again. A table whose
// neighbours' borders are settled once here prints the same way much faster:
// each cell keeps half of every border it shares, drawn inside its own box,
// and the two halves meet where the whole border was drawn.
class CollapsedBorders
{
public:
    // Every table of the document that qualifies; dpi: the vertical resolution
    // of the layout's device. Call before the document is laid out.
    static void separate(QTextDocument &doc, int dpi);
    // False (and the table untouched) when it does not qualify: a grid drawn
    // by the table, or borders on its outer left or right side.
    static bool separate(QTextTable *table, int dpi);

    // The same for a table about to be built: its cells by their top-left
    // corners, each format as the table will have it. On true, `tf` and the
    // formats are those of the separated table. openTop, openBottom: the
    // table is a run of rows of a longer one, which goes on above or below it.
    struct Corner
    {
        int row, col;
        QTextCharFormat format;
    };
    static bool separate(QTextTableFormat &tf, int rows, int cols, std::vector<Corner> &corners,
                         int dpi, bool openTop = false, bool openBottom = false);
};

} // namespace vc
