#include "richtext/rtfparser.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QUrl>

#include <algorithm>

namespace vc {

namespace rtf {

void Parser::skipped(const QString &what)
{
    if (m_skippedKinds.insert(what).second)
        m_report.skipped << what;
}

const CodePage &Parser::codePage()
{
    int number = m_ansi;
    const int font = m_state.ch.font >= 0 ? m_state.ch.font : m_defaultFont;
    auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && it->codePage)
        number = it->codePage;
    auto &slot = m_codePages[number];
    if (!slot)
        slot = std::make_unique<CodePage>(number);
    return *slot;
}

void Parser::run()
{
    const qsizetype n = m_in.size();
    m_report.hadHeader = m_in.startsWith("{\\rtf");
    while (m_pos < n) {
        const char c = m_in.at(m_pos);
        if (c == '\\') {
            ++m_pos;
            if (m_pos >= n)
                break;
            const char d = m_in.at(m_pos);
            if ((d >= 'a' && d <= 'z') || (d >= 'A' && d <= 'Z'))
                controlWord();
            else {
                ++m_pos;
                controlSymbol(d);
            }
        } else if (c == '{') {
            ++m_pos;
            openGroup();
        } else if (c == '}') {
            ++m_pos;
            closeGroup();
        } else if (c == '\r' || c == '\n') {
            ++m_pos;
        } else {
            plainBytes();
        }
    }
    while (m_depth > 0)
        closeGroup();
    flush();
    if (m_pictDepth >= 0)
        insertPicture();
    m_sink = &m_main;
    finishTable(m_main);
    if (m_blockDirty)
        applyBlockFormat();
    // A final \par leaves an empty paragraph a word processor would not show.
    QTextCursor end(m_doc);
    end.movePosition(QTextCursor::End);
    if (end.block().length() == 1 && m_doc->blockCount() > 1) {
        QTextCursor prev = end;
        prev.movePosition(QTextCursor::PreviousBlock);
        if (!prev.currentTable() && !end.currentTable() && prev.block().next() == end.block() &&
            !(end.block().blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) {
            QTextCursor probe = end;
            probe.movePosition(QTextCursor::PreviousCharacter);
            if (!probe.currentTable() && !probe.currentFrame()->parentFrame())
                end.deletePreviousChar();
        }
    }
    // Headers and footers are printed on the pages; the notes follow the body.
    for (int k = 0; k < NotesAside; ++k) {
        QTextDocument &d = m_asides[k].doc;
        if (!m_asides[k].used || d.isEmpty())
            continue;
        // their last paragraph mark ends the part, as the body's does
        QTextCursor last(&d);
        last.movePosition(QTextCursor::End);
        if (last.block().length() == 1 && d.blockCount() > 1 && !last.currentTable() &&
            last.block().previous().isValid() &&
            !QTextCursor(last.block().previous()).currentTable())
            last.deletePreviousChar();
        m_report.parts.rtf[size_t(k)] = RtfWriter::write(&d);
    }
    m_report.parts.titlePage = m_titlePage;
    if (AsideText &a = m_asides[NotesAside]; a.used && !a.doc.isEmpty()) {
        QTextCursor c(m_doc);
        c.movePosition(QTextCursor::End);
        c.insertBlock();
        c.insertFragment(QTextDocumentFragment(&a.doc));
        for (int i = 0; i < m_imageCount; ++i) {
            const QUrl url(QStringLiteral("rtfimage://%1").arg(i));
            const QVariant v = a.doc.resource(QTextDocument::ImageResource, url);
            if (v.isValid())
                m_doc->addResource(QTextDocument::ImageResource, url, v);
        }
    }
    if (m_overflowDepth > 0 || m_depth > maxStateDepth)
        skipped(QStringLiteral("groups nested deeper than %1 levels").arg(maxStateDepth));
}

void Parser::openGroup()
{
    flush();
    m_skipChars = 0;
    ++m_depth;
    if (m_depth > maxStateDepth) {
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_state);
    m_state.groupOwnsDest = false;
    m_starred = false;
}

void Parser::closeGroup()
{
    flush();
    m_skipChars = 0;
    m_starred = false;
    if (m_depth == 0)
        return; // one brace too many: keep reading what follows
    if (m_depth == 1 && m_overflowDepth == 0) {
        // the document ends here: its last paragraph keeps the format it was given
        ensureContext();
        applyBlockFormat();
    }
    --m_depth;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    const State closing = m_state;
    if (closing.dest == Dest::FontTable && m_fontEntry >= 0 && !m_fontName.isEmpty()) {
        addFont(); // an entry without its closing ';'
        m_fontName.clear();
    }
    if (closing.dest == Dest::FontTable || closing.dest == Dest::ColorTable)
        m_charFormats.clear(); // made with the fonts and colours known before
    if (closing.groupOwnsDest && closing.dest == Dest::Picture && m_pictDepth >= 0) {
        insertPicture();
        m_pictDepth = -1;
    }
    if (!m_stack.empty()) {
        m_state = m_stack.back();
        m_stack.pop_back();
    }
    if (closing.groupOwnsDest && closing.dest == Dest::FieldInstruction) {
        const QByteArray kind = m_fieldInstruction.simplified().split(' ').value(0).toUpper();
        if (kind == "PAGE" || kind == "NUMPAGES" || kind == "SECTIONPAGES") {
            pageNumber(kind != "PAGE");
            m_state.pageField = m_state.aside >= 0 && m_state.aside < NotesAside;
        }
    }
    if (closing.groupOwnsDest && closing.dest == Dest::Aside) {
        Sink &aside = m_asides[closing.aside].sink;
        m_sink = &aside;
        finishTable(aside);
        if (closing.aside == NotesAside) {
            applyBlockFormat();
            aside.cursor.insertBlock();
        }
        m_sink = m_state.aside >= 0 ? &m_asides[m_state.aside].sink : &m_main;
    }
}

} // namespace rtf

using rtf::Parser;

RtfReadReport RtfReader::read(const QByteArray &rtf, QTextDocument *document)
{
    RtfReadReport report;
    if (!document)
        return report;
    // Where a document names no paper or margins, word processors take US
    // letter with margins of an inch, not the printer's paper.
    PageSetup &page = report.page;
    page.paperWidth = 12240;
    page.paperHeight = 15840;
    page.marginLeft = page.marginRight = page.marginTop = page.marginBottom = 1440;
    document->clear();
    document->setUndoRedoEnabled(false);
    {
        // One edit for the whole read: the document then rebuilds its frame
        // structure once, not after every table (which made reading quadratic).
        QTextCursor edit(document);
        edit.beginEditBlock();
        Parser parser(rtf, document, report);
        parser.run();
        edit.endEditBlock();
    }
    page.declared = true;
    page.applyTo(document);
    report.parts.applyTo(document);
    return report;
}

namespace {

// A body without its header, as some converters write it: a group opening
// with a word a paragraph, a table row or a run of text starts with, and text
// that is 7-bit and free of control bytes as far as it is looked at. LaTeX's
// "{\\bf" and binary files starting with "{\\" are no such fragment.
bool isBodyFragment(QByteArrayView rest)
{
    if (!rest.startsWith("{\\"))
        return false;
    qsizetype end = 2;
    while (end < rest.size() && end < 34 && rest[end] >= 'a' && rest[end] <= 'z')
        ++end;
    static const QByteArrayView starts[] = {
        "pard", "plain", "par", "trowd", "sectd",  "f",      "fs",   "b",  "i", "ul",
        "ql",   "qc",    "qr",  "qj",    "ltrpar", "rtlpar", "lang", "cf", "s", "li"};
    const QByteArrayView first = rest.sliced(2, end - 2);
    if (std::find(std::begin(starts), std::end(starts), first) == std::end(starts))
        return false;
    const QByteArrayView head = rest.first(qMin(rest.size(), qsizetype(65536)));
    return std::none_of(head.begin(), head.end(), [](char c) {
        return uchar(c) >= 0x80 || (uchar(c) < 0x20 && c != '\t' && c != '\r' && c != '\n');
    });
}

} // namespace

QString RtfReader::refusal(const QByteArray &data)
{
    qsizetype i = data.startsWith("\xEF\xBB\xBF") ? 3 : 0; // a byte order mark some editors add
    while (i < data.size() &&
           (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    const QByteArrayView rest = QByteArrayView(data).sliced(i);
    if (rest.isEmpty())
        return QStringLiteral("the file is empty");
    if (rest.startsWith("{\\rtf"))
        return QString();
    if (isBodyFragment(rest))
        return QString();
    return QStringLiteral("the file is no rich text: it does not start with {\\rtf");
}

RtfReadReport RtfReader::readFile(const QString &path, QTextDocument *document, bool *ok)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        RtfReadReport report;
        report.skipped << QStringLiteral("the file %1 cannot be read").arg(path);
        return report;
    }
    const QByteArray data = file.readAll();
    if (const QString why = refusal(data); !why.isEmpty()) {
        if (ok)
            *ok = false;
        RtfReadReport report;
        report.skipped << why;
        return report;
    }
    if (ok)
        *ok = true;
    return read(data, document);
}

} // namespace vc
