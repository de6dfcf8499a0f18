#pragma once

#include "richtext/pageparts.h"
#include "richtext/rtfreader.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace vc {

class Printer;

// The rich text field the report, tender and information windows show. It
// offers the operations the windows call on it and what they rely on:
// positions count every character of the text, and each paragraph end or
// table cell end as one character, the way the field's users count them.
class RichTextField
{
public:
    enum FindOption { MatchCase = 1, WholeWord = 2 };

    RichTextField();
    ~RichTextField();
    RichTextField(const RichTextField &) = delete;
    RichTextField &operator=(const RichTextField &) = delete;

    // The document shown; windows may display it. Changing it directly is fine:
    // the field notices.
    QTextDocument *document() { return &m_doc; }
    const QTextDocument *document() const { return &m_doc; }

    // Replaces the whole content by the file's document. False (content kept)
    // when the file cannot be read.
    bool loadFile(const QString &path);
    const RtfReadReport &lastReadReport() const { return m_report; }

    QByteArray richText() const;
    void setRichText(const QByteArray &rtf);
    void setPlainText(const QString &text);

    int textLength() const;
    // The text as the positions count it: "\r" ends a paragraph or a cell.
    QString text() const;

    // First match at or after start, ending at or before end (-1: the end of
    // the document), or -1. A whole word must not run on into letters or
    // digits where the searched text itself begins or ends with one.
    int find(const QString &what, int start, int end = -1, int options = 0) const;

    void select(int start, int length);
    int selectionStart() const { return m_selStart; }
    int selectionLength() const { return m_selLength; }
    QString selectedText() const;
    // The new text takes the character format of the first replaced character.
    void replaceSelection(const QString &text);
    // Puts the selection on the clipboard as RTF, HTML and plain text.
    void copy() const;

    // Lines break as they will on a device of this resolution with this line
    // width; 0 keeps the current setting.
    void setTargetDevice(int dpiX, int dpiY, int lineWidthTwips);
    void setTargetDevice(const QPaintDevice *device, int lineWidthTwips);
    // Draws (when render is set) as much of [start, end) as fits into
    // drawTwips (painter device coordinates, in twips) and returns the first
    // position not drawn. end -1 means to the end of the document.
    int formatRange(QPainter *painter, const QRectF &drawTwips, int start, int end = -1,
                    bool render = true);
    // The pages the whole text takes, each page's body as the header and footer leave it.
    int countPages(const PagePartsPrinter &parts, const QRectF &margins, const QRectF &paper);
    // Prints the whole text with the document's header and footer on every
    // page, calling afterPage(page) once a page's text is on it; the pages
    // printed, or -1 when the printer failed (the job is left to the caller).
    int printPages(Printer &printer, const QRectF &margins, const QRectF &paper,
                   const std::function<void(int page)> &afterPage = {});
    // Frees the cached layout (render cleared, no range).
    void clearFormatCache();
    // A print run, which neither changes nor shows the document until it is
    // done, has the next pages copied from it and laid out on a second thread.
    void setReadAhead(bool on);

private:
    void invalidate();
    void buildMap() const;
    int toDoc(int fieldPos) const;
    int toField(int docPos) const;

    QTextDocument m_doc;
    RtfReadReport m_report;
    int m_selStart = 0, m_selLength = 0;

    mutable bool m_mapValid = false;
    mutable QString m_text;
    mutable std::vector<QTextBlock> m_blocks;
    mutable std::vector<int> m_starts;

    int m_dpiX = 96, m_dpiY = 96, m_lineWidth = 0;
    std::unique_ptr<class RichTextPager> m_pager;
    bool m_editing = false;
    bool m_readAhead = false;
};

} // namespace vc
