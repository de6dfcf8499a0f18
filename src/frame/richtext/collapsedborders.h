#pragma once

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
};

} // namespace vc
