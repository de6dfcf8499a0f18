#pragma once

#include "richtext/tabledrawing.h"
#include "richtext/textchunkcopy.h"

#include <QRectF>

#include <vector>

class QTextDocument;

namespace vc {

// A run of a laid-out document that a page takes whole or not at all.
struct PageSlice
{
    int start;  // field position of the slice's first character
    double top; // device pixels from the top of the document
    double bottom;
    bool breakBefore;
    int row; // table row the slice belongs to, or -1
    int part;
};

// A paragraph of more than one line: a page may start inside it.
struct TallParagraph
{
    int block;
    QRectF rect;
};

// One laid-out part cut into slices: lines, and table rows (a row taller than
// a page is cut between its lines). Made apart from the other parts: its
// places are the part's own, and its rows are counted from 1, a row going on
// from the part before being row 0.
struct SlicedPart
{
    // What the part's first and last slices need to meet the parts beside it.
    struct Edges
    {
        bool continuesTable = false; // its first table goes on from the part before
        int firstTableRows = 0, lastTableRows = 0;
        // device pixels before its first and after its last paragraph, where
        // these begin and end it
        double spaceBefore = 0, spaceAfter = 0;
    };
    std::vector<PageSlice> slices;
    std::vector<TallParagraph> tall;
    int rows = 0;
    Edges edges;
};

// origins: where the copy's paragraphs come from; index: the part's number;
// dpiY: the vertical resolution the part was laid out for; tables: those of
// its tables the pager draws, placed, whose paragraphs it knows where to find.
SlicedPart slicePart(const QTextDocument &doc, int index,
                     const std::vector<TextChunkCopy::Origin> &origins, int dpiY,
                     const TableDrawing *tables = nullptr);

} // namespace vc
