#include "richtext/richtextfield.h"

#include "form/platformservices.h"
#include "print/printer.h"
#include "richtext/richtextpager.h"
#include "richtext/rtfwriter.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <unordered_map>

namespace vc {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber();
}

} // namespace

RichTextField::RichTextField()
{
    m_doc.setUndoRedoEnabled(false);
    QObject::connect(&m_doc, &QTextDocument::contentsChange, &m_doc, [this](int, int, int) {
        if (!m_editing)
            m_mapValid = false;
        m_pager.reset();
    });
}

RichTextField::~RichTextField() = default;

void RichTextField::invalidate()
{
    m_mapValid = false;
    m_pager.reset();
}

bool RichTextField::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_report = RtfReader::read(file.readAll(), &m_doc);
    m_selStart = m_selLength = 0;
    invalidate();
    return true;
}

QByteArray RichTextField::richText() const
{
    return RtfWriter::write(&m_doc);
}

void RichTextField::setRichText(const QByteArray &rtf)
{
    m_report = RtfReader::read(rtf, &m_doc);
    m_selStart = m_selLength = 0;
    invalidate();
}

void RichTextField::setPlainText(const QString &text)
{
    m_doc.setPlainText(text);
    m_selStart = m_selLength = 0;
    invalidate();
}

void RichTextField::buildMap() const
{
    if (m_mapValid)
        return;
    m_text.clear();
    m_blocks.clear();
    m_starts.clear();
    for (QTextBlock b = m_doc.begin(); b.isValid(); b = b.next()) {
        if (!m_blocks.empty())
            m_text += QLatin1Char('\r');
        m_blocks.push_back(b);
        m_starts.push_back(int(m_text.size()));
        m_text += b.text();
    }
    m_mapValid = true;
}

int RichTextField::textLength() const
{
    buildMap();
    return int(m_text.size());
}

QString RichTextField::text() const
{
    buildMap();
    return m_text;
}

int RichTextField::toDoc(int pos) const
{
    buildMap();
    if (m_blocks.empty())
        return 0;
    pos = qBound(0, pos, int(m_text.size()));
    const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), pos);
    const size_t i = size_t(it - m_starts.begin()) - 1;
    const int offset = qMin(pos - m_starts[i], m_blocks[i].length() - 1);
    return m_blocks[i].position() + offset;
}

int RichTextField::toField(int docPos) const
{
    buildMap();
    if (m_blocks.empty())
        return 0;
    size_t lo = 0, hi = m_blocks.size();
    while (hi - lo > 1) {
        const size_t mid = (lo + hi) / 2;
        if (m_blocks[mid].position() <= docPos)
            lo = mid;
        else
            hi = mid;
    }
    return m_starts[lo] + qBound(0, docPos - m_blocks[lo].position(), m_blocks[lo].length() - 1);
}

int RichTextField::find(const QString &what, int start, int end, int options) const
{
    buildMap();
    const int len = int(m_text.size());
    if (what.isEmpty())
        return -1;
    if (end < 0 || end > len)
        end = len;
    const Qt::CaseSensitivity cs = (options & MatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const bool checkStart = isWordChar(what.front());
    const bool checkEnd = isWordChar(what.back());
    int pos = qMax(0, start);
    while (pos <= end - what.size()) {
        const int idx = int(m_text.indexOf(what, pos, cs));
        if (idx < 0 || idx + what.size() > end)
            return -1;
        if (options & WholeWord) {
            const int after = idx + int(what.size());
            // a rejected candidate lets the search go on at the next character
            if ((checkStart && idx > 0 && isWordChar(m_text.at(idx - 1))) ||
                (checkEnd && after < len && isWordChar(m_text.at(after)))) {
                pos = idx + 1;
                continue;
            }
        }
        return idx;
    }
    return -1;
}

void RichTextField::select(int start, int length)
{
    const int len = textLength();
    m_selStart = qBound(0, start, len);
    m_selLength = qBound(0, length, len - m_selStart);
}

QString RichTextField::selectedText() const
{
    buildMap();
    return m_text.mid(m_selStart, m_selLength);
}

void RichTextField::replaceSelection(const QString &text)
{
    buildMap();
    const int a = toDoc(m_selStart);
    const int b = toDoc(m_selStart + m_selLength);
    QTextCursor cursor(&m_doc);
    cursor.setPosition(a);
    cursor.setPosition(b, QTextCursor::KeepAnchor);
    // the format of the first replaced character (or, with nothing selected, the one before)
    QTextCursor probe(&m_doc);
    probe.setPosition(m_selLength > 0 ? qMin(a + 1, b) : a);
    QTextCharFormat format = probe.charFormat();
    if (format.isImageFormat()) {
        QTextCharFormat plain;
        plain.setFont(format.font());
        plain.setForeground(format.foreground());
        format = plain;
    }
    const size_t firstBlock =
        size_t(std::upper_bound(m_starts.begin(), m_starts.end(), m_selStart) - m_starts.begin()) -
        1;
    const size_t lastBlock =
        size_t(std::upper_bound(m_starts.begin(), m_starts.end(), m_selStart + m_selLength) -
               m_starts.begin()) -
        1;
    const bool simple = firstBlock == lastBlock && !text.contains(QLatin1Char('\r')) &&
                        !text.contains(QLatin1Char('\n')) && !text.contains(QChar(0x2029));
    m_editing = simple;
    cursor.insertText(text, format);
    m_editing = false;
    if (simple && m_mapValid) {
        // keep the position map instead of rebuilding it: filling a template
        // replaces hundreds of placeholders in a row
        m_text.replace(m_selStart, m_selLength, text);
        const int delta = int(text.size()) - m_selLength;
        for (size_t i = firstBlock + 1; i < m_starts.size(); ++i)
            m_starts[i] += delta;
    } else {
        m_mapValid = false;
    }
    m_selStart += int(text.size());
    m_selLength = 0;
}

void RichTextField::copy() const
{
    if (m_selLength <= 0)
        return;
    QTextCursor cursor(const_cast<QTextDocument *>(&m_doc));
    cursor.setPosition(toDoc(m_selStart));
    cursor.setPosition(toDoc(m_selStart + m_selLength), QTextCursor::KeepAnchor);
    const QTextDocumentFragment fragment(cursor);
    QTextDocument part;
    part.setDefaultFont(m_doc.defaultFont());
    QTextCursor(&part).insertFragment(fragment);
    TextChunkCopy::copyResources(m_doc, part);
    QString plain = selectedText();
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Services::clipboard().setRichText(RtfWriter::write(&part), fragment.toHtml(), plain);
}

void RichTextField::setTargetDevice(int dpiX, int dpiY, int lineWidthTwips)
{
    if (dpiX > 0)
        m_dpiX = dpiX;
    if (dpiY > 0)
        m_dpiY = dpiY;
    m_lineWidth = qMax(0, lineWidthTwips);
    m_pager.reset();
}

void RichTextField::setTargetDevice(const QPaintDevice *device, int lineWidthTwips)
{
    setTargetDevice(device ? device->logicalDpiX() : 0, device ? device->logicalDpiY() : 0,
                    lineWidthTwips);
}

void RichTextField::clearFormatCache()
{
    m_pager.reset();
}

void RichTextField::setReadAhead(bool on)
{
    m_readAhead = on;
    if (m_pager)
        m_pager->setReadAhead(on);
}

int RichTextField::countPages(const PagePartsPrinter &parts, const QRectF &margins,
                              const QRectF &paper)
{
    const int length = textLength();
    int pos = 0, pages = 1;
    while (true) {
        const int next = formatRange(nullptr, parts.body(pages, margins, paper), pos, -1, false);
        // a page that took nothing would repeat for ever
        if (next >= length || next <= pos)
            return pages;
        pos = next;
        ++pages;
    }
}

int RichTextField::printPages(Printer &printer, const QRectF &margins, const QRectF &paper,
                              const std::function<void(int page)> &afterPage)
{
    PagePartsPrinter parts(PageParts::of(&m_doc), int(margins.width()));
    if (parts.needsPageCount())
        parts.setPageCount(countPages(parts, margins, paper));
    const int length = textLength();
    for (int pos = 0, page = 1;; ++page) {
        QPainter *painter = printer.painter();
        if (!painter)
            return -1;
        parts.draw(painter, page, margins, paper);
        const int next = formatRange(painter, parts.body(page, margins, paper), pos, -1);
        if (afterPage)
            afterPage(page);
        // a page that took nothing would repeat for ever
        if (next >= length || next <= pos)
            return page;
        pos = next;
        if (!printer.newPage())
            return -1;
    }
}

int RichTextField::formatRange(QPainter *painter, const QRectF &drawTwips, int start, int end,
                               bool render)
{
    if (m_lineWidth <= 0 && painter && painter->device()) {
        // no target device: break lines for the drawing rectangle on the painter's device
        const int dx = painter->device()->logicalDpiX(), dy = painter->device()->logicalDpiY();
        if (dx != m_dpiX || dy != m_dpiY)
            m_pager.reset();
        m_dpiX = dx;
        m_dpiY = dy;
    }
    const int widthTwips =
        m_lineWidth > 0 ? m_lineWidth : (drawTwips.width() > 0 ? int(drawTwips.width()) : 9360);
    const double widthPx = widthTwips * double(m_dpiX) / 1440.0;
    if (m_pager && qAbs(m_pager->width() - widthPx) > 0.5)
        m_pager.reset();
    const int len = textLength();
    if (!m_pager) {
        m_pager = std::make_unique<RichTextPager>(m_doc, m_starts, m_dpiX, m_dpiY, widthPx);
        m_pager->setReadAhead(m_readAhead);
    }
    if (end < 0 || end > len)
        end = len;
    start = qBound(0, start, len);
    if (start >= end || !m_pager->slice(0))
        return end;
    const size_t k = m_pager->sliceAt(start);
    const double y0 = m_pager->slice(k)->top;
    const double height = drawTwips.height() * m_dpiY / 1440.0;
    size_t j = k;
    while (const RichTextPager::Slice *s = m_pager->slice(j)) {
        if (j > k && (s->breakBefore || s->start >= end))
            break;
        if (j > k && s->bottom - y0 > height) {
            // a table row moves to the next page as a whole, unless it starts
            // the page: then it is taller than a page and goes on over the next
            const int row = s->row;
            size_t first = j;
            while (row >= 0 && first > k && m_pager->slice(first - 1)->row == row)
                --first;
            if (first > k)
                j = first;
            break;
        }
        ++j;
    }
    const double y1 = m_pager->slice(j - 1)->bottom;
    const RichTextPager::Slice *after = m_pager->slice(j);
    const int next = after ? qMin(after->start, end) : end;
    if (render && painter) {
        const double devX = painter->device() ? painter->device()->logicalDpiX() : m_dpiX;
        const double devY = painter->device() ? painter->device()->logicalDpiY() : m_dpiY;
        painter->save();
        painter->translate(drawTwips.left() * devX / 1440.0, drawTwips.top() * devY / 1440.0);
        painter->scale(devX / m_dpiX, devY / m_dpiY);
        painter->setClipRect(QRectF(0, 0, m_pager->width() + 1, y1 - y0), Qt::IntersectClip);
        m_pager->draw(painter, k, j);
        painter->restore();
    }
    return next;
}

} // namespace vc
