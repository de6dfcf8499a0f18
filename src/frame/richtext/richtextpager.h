#pragma once

#include "richtext/partslicer.h"
#include "richtext/textchunkcopy.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextDocument>

#include <deque>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QPainter;
class QThread;

namespace vc {

// Lays a document out for one device and line width a part at a time, as the
// pages ask for it, and cuts it into slices that a page takes whole: lines,
// and table rows (a row taller than a page is cut between its lines). Time and
// memory grow with the pages printed, not with the document: each part is
// laid out on its own, and only the last few parts are kept.
class RichTextPager
{
public:
    using Slice = PageSlice;

    // fieldStarts: the field position of each paragraph of the document.
    RichTextPager(const QTextDocument &document, const std::vector<int> &fieldStarts, int dpiX,
                  int dpiY, double widthPx);
    ~RichTextPager();

    // The slice, laying out parts until it exists; nullptr past the end.
    const Slice *slice(size_t index);
    // The last slice starting at or before the position.
    size_t sliceAt(int position);
    // Draws slices [from, to) with the first one's top at y 0.
    void draw(QPainter *painter, size_t from, size_t to);
    double width() const { return m_width; }
    // While the pages of one part are drawn, the next part is copied from
    // the document and laid out on a second thread. Only for a caller that
    // neither changes nor shows the document between its calls, as a print run.
    void setReadAhead(bool on) { m_readAhead = on; }

private:
    struct Part
    {
        TextChunkCopy::Place begin, end;
        double base = 0; // add to the part's own y for the document's
        size_t firstSlice = 0;
        std::unique_ptr<QTextDocument> doc;
        int lastUse = 0;
        std::vector<TallParagraph> tall;
        SlicedPart::Edges edges;
        TableDrawing tables; // of the laid-out document
    };
    // A part copied from the document.
    struct Copy
    {
        std::unique_ptr<QTextDocument> doc;
        bool laidOut = false;
        TextChunkCopy::Place end;
        std::vector<TextChunkCopy::Origin> origins;
        std::vector<TableDrawing::Lifted> lifted;
        TableDrawing tables;
        std::optional<SlicedPart> sliced; // cut where it was laid out, for a new part
    };
    // A part copied on the second thread but not laid out yet, or laid out
    // on this one while the second was busy: kept until it is asked for.
    struct Kept
    {
        size_t index = 0;
        TextChunkCopy::Place begin;
        Copy copy;
    };
    struct Ahead;
    struct Worker;
    bool layOutNext();
    void layOutCopy(Copy &c, size_t index, bool slice) const;
    Copy copyPart(const TextChunkCopy::Place &begin, const TextChunkCopy::Place *until);
    std::unique_ptr<QTextDocument> build(size_t index, Part &part,
                                         const TextChunkCopy::Place *until, SlicedPart *slices);
    void readAheadAfter(size_t index);
    void startAhead(size_t index, const TextChunkCopy::Place &begin,
                    const TextChunkCopy::Place *until);
    void finishAhead(size_t count);
    bool takeAhead(size_t index, const TextChunkCopy::Place &begin, Copy &out);
    QTextDocument *partDocument(size_t index);
    double joinGap(const Part &part) const;
    void drawAcrossTop(QPainter *painter, const Part &part,
                       const QAbstractTextDocumentLayout::PaintContext &ctx, double top);
    static int splitPoint(const QTextBlock &block, int from, void *pager);
    // Whether a part copied from `begin` to `end` leaves a part after it.
    static bool goesOn(const TextChunkCopy::Place &begin, const TextChunkCopy::Place &end)
    {
        return !(end == begin) && !TextChunkCopy::atEnd(end);
    }

    const QTextDocument &m_doc;
    const std::vector<int> &m_fieldStarts;
    int m_dpiX, m_dpiY;
    double m_width;
    QImage m_device;
    std::vector<Part> m_parts;
    std::vector<Slice> m_slices;
    TextChunkCopy::Place m_next;
    bool m_done = false;
    int m_rows = 0;
    int m_clock = 0;
    std::unordered_map<qint64, int> m_cuts; // paragraph and part start: part end
    QThread *m_thread;                      // the caller's
    bool m_readAhead = false;
    std::deque<std::unique_ptr<Ahead>> m_aheads; // the second thread's, in order
    std::optional<Kept> m_kept;
    std::unique_ptr<Worker> m_worker; // started for the first part made ahead
};

} // namespace vc
