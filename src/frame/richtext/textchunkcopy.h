#pragma once

#include "richtext/cellformats.h"
#include "richtext/tabledrawing.h"

#include <QTextCursor>
#include <QTextFrame>

#include <vector>

class QTextDocument;
class QTextTable;
class QTextTableCell;

namespace vc {

// Copies a run of a document's top-level paragraphs and table rows into a
// document of its own, so that a long document is laid out a piece at a time
// and no layout grows with the whole document. Each copied paragraph keeps
// the field position it starts at; a long paragraph may be copied in parts.
class TextChunkCopy
{
public:
    // Pictures live in the document's resources; a copy of part of it needs them too.
    static void copyResources(const QTextDocument &from, QTextDocument &to);

    // Where the copy stands in the source: a top-level item, and within it a
    // table row or a character offset.
    struct Place
    {
        QTextFrame::iterator item;
        int row = 0;
        int offset = 0;
        bool operator==(const Place &o) const
        {
            return item == o.item && row == o.row && offset == o.offset;
        }
    };
    struct Origin
    {
        int blockNumber; // in the copy
        int fieldStart;
    };

    // fieldStarts: the field position of every source paragraph, by number.
    TextChunkCopy(const QTextDocument &source, const std::vector<int> &fieldStarts,
                  QTextDocument &target);

    static Place begin(const QTextDocument &source);
    static bool atEnd(const Place &p) { return p.item.atEnd(); }

    // Copies from `from` until about `budget` characters are copied (at least
    // one part) or `until` is reached; returns where it stopped.
    Place copy(Place from, const Place *until, int budget);
    // Where the part of a top-level paragraph that starts at `from` ends: an
    // offset at a line start, found for paragraphs longer than a part.
    using SplitFinder = int (*)(const QTextBlock &block, int from, void *context);
    void setSplitFinder(SplitFinder finder, void *context)
    {
        m_finder = finder;
        m_finderContext = context;
    }

    // Paragraph indents are given for 96 dpi, but the layout takes them as
    // pixels of its device (spacing, line heights and tab stops it scales
    // itself): the copy for a device of another resolution scales them.
    void setDeviceScale(double scale) { m_scale = scale; }
    // Tables with collapsed borders are copied with them separated for a
    // device of this vertical resolution (see CollapsedBorders).
    // Their solid borders are then lifted, to be drawn by the caller (see
    // TableDrawing): the cells lifted, in the order the layout draws them.
    void setSeparateBorders(int dpi) { m_bordersDpi = dpi; }
    std::vector<TableDrawing::Lifted> takeLiftedBorders() { return std::move(m_lifted); }

    const std::vector<Origin> &origins() const { return m_origins; }
    // Copies characters [from, to) of a paragraph as a paragraph of its own.
    void copyRange(const QTextBlock &b, int from, int to)
    {
        copyBlock(b, from, to, from == 0, to == b.length() - 1);
    }

    // Set on the table of every piece of an oversized row but the first: the
    // pieces are one row, which a page may break only where a line ends.
    static constexpr int ContinuesRow = QTextFormat::UserProperty + 0x7643;
    // Set on a table copied from the middle of a longer one: its first row
    // follows the row the part before ends with.
    static constexpr int ContinuesTable = QTextFormat::UserProperty + 0x7644;

    // A paragraph longer than this is copied in parts.
    static constexpr int partLength = 16000;
    // Rows of a table copied together at most.
    static constexpr int rowsPerPart = 120;

private:
    void startBlock();
    void copyBlock(const QTextBlock &b, int from, int to, bool first, bool last);
    void copyItems(QTextFrame::iterator it);
    void copyTable(QTextTable *table, int rowFrom, int rowTo);
    int nextRowCut(QTextTable *table, int row, int budget) const;
    bool oversized(QTextTable *table, int row) const;
    int pieceStart(const QTextTableCell &cell, int k) const;
    // Copies piece k of an oversized row; false when it was the last.
    bool copyRowPiece(QTextTable *table, int row, int k);

    const QTextDocument &m_source;
    const std::vector<int> &m_fieldStarts;
    QTextDocument &m_target;
    QTextCursor m_cursor;
    BlockCharFormats m_blockCharFormats;
    bool m_blockUsed = false;
    int m_copied = 0;
    std::vector<Origin> m_origins;
    SplitFinder m_finder = nullptr;
    void *m_finderContext = nullptr;
    double m_scale = 1.0;
    int m_bordersDpi = 0;
    std::vector<TableDrawing::Lifted> m_lifted;
    int m_cellDepth = 0;                           // tables in a cell are not lifted
    const QTextCharFormat *m_cellFormat = nullptr; // for the next paragraph copied
};

} // namespace vc
