#include "rtfreader.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <QUrl>

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vc {

namespace {

// Lengths in text formats are in 1/96 inch; rich text measures in twips.
constexpr double twipsPerPx = 15.0;
double px(int twips) { return twips / twipsPerPx; }

// Groups deeper than this share their parent's state; nobody writes such files,
// but a hostile one must not cost memory per level.
constexpr int maxStateDepth = 4096;

// ---- code pages -------------------------------------------------------------

class CodePage
{
public:
    explicit CodePage(int number) : m_number(number)
    {
        for (int b = 0; b < 128; ++b)
            m_high[b] = QChar(0xFFFD);
        if (isDoubleByte())
            return;
        QStringDecoder decoder(encodingName(number).constData());
        for (int b = 0x80; b < 0x100; ++b) {
            if (!decoder.isValid()) {
                m_high[b - 0x80] = QChar(b); // Latin-1 when the system lacks the table
                continue;
            }
            const char c = char(b);
            const QString s = decoder(QByteArrayView(&c, 1));
            decoder.resetState();
            m_high[b - 0x80] = s.size() == 1 ? s.at(0) : QChar(0xFFFD);
        }
        if (number == 42) { // symbol fonts: the glyphs callers expect in bullets
            m_high[0xB7 - 0x80] = QChar(0x2022);
            m_high[0xA7 - 0x80] = QChar(0x25AA);
            m_high[0xD8 - 0x80] = QChar(0x27A2);
            m_high[0xFC - 0x80] = QChar(0x2714);
        }
    }

    bool isDoubleByte() const { return m_number == 932 || m_number == 936 || m_number == 949 || m_number == 950; }
    bool isLeadByte(uchar b) const { return isDoubleByte() && b >= 0x81 && b <= 0xFE; }
    QChar high(uchar b) const { return m_high[b - 0x80]; }
    QString decodePair(uchar lead, uchar trail) const
    {
        QStringDecoder decoder(encodingName(m_number).constData());
        const char bytes[2] = {char(lead), char(trail)};
        return decoder.isValid() ? decoder(QByteArrayView(bytes, 2)) : QString(QChar(0xFFFD));
    }

    static QByteArray encodingName(int number)
    {
        switch (number) {
        case 437: return "IBM437";
        case 850: return "IBM850";
        case 852: return "IBM852";
        case 866: return "IBM866";
        case 874: return "windows-874";
        case 932: return "Shift_JIS";
        case 936: return "GBK";
        case 949: return "windows-949";
        case 950: return "Big5";
        case 10000: return "macintosh";
        case 42: return "windows-1252";
        default: return "windows-" + QByteArray::number(number);
        }
    }

private:
    int m_number;
    std::array<QChar, 128> m_high{};
};

int codePageOfCharset(int charset, int ansi)
{
    switch (charset) {
    case 2: return 42;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return ansi;
    }
}

// ---- group state ------------------------------------------------------------

struct CharState
{
    int font = -1;
    int halfPoints = 24;
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    int vertical = 0; // 1 superscript, -1 subscript
    int color = 0, highlight = 0;

    bool operator==(const CharState &o) const
    {
        return font == o.font && halfPoints == o.halfPoints && bold == o.bold && italic == o.italic
            && underline == o.underline && strike == o.strike && hidden == o.hidden
            && vertical == o.vertical && color == o.color && highlight == o.highlight;
    }
};

struct ParaState
{
    int align = 0; // 0 left, 1 centre, 2 right, 3 justify
    int li = 0, ri = 0, fi = 0, sb = 0, sa = 0, sl = 0;
    bool slMult = false;
    bool intbl = false;
    bool pageBreakBefore = false;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
};

enum class Dest { Normal, Skip, FontTable, ColorTable, Picture, Aside, Shape };

// Text kept outside the body: the first page's header and footer, and the notes.
enum Aside { HeaderAside, FooterAside, NotesAside, AsideCount };

struct State
{
    CharState ch;
    ParaState para;
    Dest dest = Dest::Normal;
    int uc = 1;
    bool groupOwnsDest = false; // this group opened the picture or aside
    int aside = -1;
};

struct FontEntry
{
    QString name;
    int codePage = 0;
};

struct CellDef
{
    int right = 0;
    bool hMergeFirst = false, hMerge = false, vMergeFirst = false, vMerge = false;
    int shading = -1;
    std::array<int, 4> border{{0, 0, 0, 0}}; // top, left, bottom, right; width in twips, 0 none
};

struct TableBuild
{
    QTextTable *table = nullptr;
    int gap = 108;
    int row = 0, col = 0;
    bool rowPending = false, needCursor = false;
    std::vector<std::vector<CellDef>> rowDefs;
};

struct Sink
{
    QTextDocument *doc = nullptr;
    QTextCursor cursor;
    TableBuild table;
    bool pageBreakNext = false;
};

struct Picture
{
    QByteArray kind;
    QByteArray data;
    int picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
    int nibble = -1;
    bool badHex = false;
};

// ---- the parser -------------------------------------------------------------

class Parser
{
public:
    Parser(const QByteArray &in, QTextDocument *doc, RtfReadReport &report)
        : m_in(in), m_doc(doc), m_report(report)
    {
        m_main.doc = doc;
        m_main.cursor = QTextCursor(doc);
        m_sink = &m_main;
    }

    void run();

private:
    // input
    void controlWord();
    void controlSymbol(char c);
    void openGroup();
    void closeGroup();
    void plainBytes();

    // text
    void addByte(uchar b);
    void addText(const QString &s);
    void addChar(QChar c);
    void flush();
    bool consumeSkip();
    const CodePage &codePage();

    // structure
    void endParagraph();
    void ensureContext();
    void finishTable(Sink &sink);
    void applyBlockFormat();
    void insertPicture();
    void word(QByteArrayView w, bool hasParam, int param);
    void destination(QByteArrayView w);
    QTextCharFormat charFormat(const CharState &c);
    void skipped(const QString &what);

    const QByteArray &m_in;
    qsizetype m_pos = 0;
    QTextDocument *m_doc;
    RtfReadReport &m_report;

    std::vector<State> m_stack;
    State m_state;
    int m_depth = 0, m_overflowDepth = 0;
    bool m_starred = false;
    int m_skipChars = 0;
    int m_ansi = 1252;
    int m_defaultFont = 0;
    std::map<int, std::unique_ptr<CodePage>> m_codePages;
    QHash<int, FontEntry> m_fonts;
    int m_fontEntry = -1;
    QByteArray m_fontName;
    int m_fontCharset = -1;
    std::vector<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;

    Sink m_main;
    Sink *m_sink;
    struct AsideText {
        QTextDocument doc;
        Sink sink;
        bool used = false;
    };
    std::array<AsideText, AsideCount> m_asides;
    bool m_titlePage = false;
    void enterAside(int which);

    QString m_text;
    CharState m_textState;
    bool m_textStateSet = false;
    CharState m_cachedState;
    QTextCharFormat m_cachedFormat;
    bool m_cachedValid = false;
    uchar m_lead = 0;

    std::vector<CellDef> m_rowDef;
    CellDef m_cellDef;
    int m_rowGap = 108;
    int m_rowLeft = 0;
    int m_borderSide = -1;
    bool m_rowOpen = false;

    Picture m_pict;
    int m_pictDepth = -1;
    int m_imageCount = 0;
    bool m_shapePicture = false;
    bool m_blockDirty = false;
    std::set<QString> m_skippedKinds;
};

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
        if (!prev.currentTable() && !end.currentTable() && prev.block().next() == end.block()
            && !(end.block().blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) {
            QTextCursor probe = end;
            probe.movePosition(QTextCursor::PreviousCharacter);
            if (!probe.currentTable() && !probe.currentFrame()->parentFrame())
                end.deletePreviousChar();
        }
    }
    // No header or footer area here: the first page's header goes before the
    // body, its footer and the notes after it, so none of their text is lost.
    for (int k = 0; k < AsideCount; ++k) {
        AsideText &a = m_asides[k];
        if (!a.used || a.doc.isEmpty())
            continue;
        QTextCursor c(m_doc);
        if (k == HeaderAside) {
            c.insertFragment(QTextDocumentFragment(&a.doc));
            c.insertBlock();
        } else {
            c.movePosition(QTextCursor::End);
            c.insertBlock();
            c.insertFragment(QTextDocumentFragment(&a.doc));
        }
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
        // an entry without its closing ';'
        FontEntry e;
        e.name = QString::fromLatin1(m_fontName).trimmed();
        e.codePage = m_fontCharset >= 0 ? codePageOfCharset(m_fontCharset, m_ansi) : 0;
        m_fonts.insert(m_fontEntry, e);
        m_fontName.clear();
    }
    if (closing.groupOwnsDest && closing.dest == Dest::Picture && m_pictDepth >= 0) {
        insertPicture();
        m_pictDepth = -1;
    }
    if (!m_stack.empty()) {
        m_state = m_stack.back();
        m_stack.pop_back();
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

void Parser::plainBytes()
{
    const qsizetype n = m_in.size();
    const qsizetype start = m_pos;
    while (m_pos < n) {
        const char c = m_in.at(m_pos);
        if (c == '\\' || c == '{' || c == '}')
            break;
        ++m_pos;
    }
    const Dest dest = m_state.dest;
    if (dest == Dest::Skip)
        return;
    if (dest == Dest::Picture) {
        for (qsizetype i = start; i < m_pos; ++i) {
            const char c = m_in.at(i);
            int v;
            if (c >= '0' && c <= '9')
                v = c - '0';
            else if (c >= 'a' && c <= 'f')
                v = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                v = c - 'A' + 10;
            else {
                if (c != ' ' && c != '\r' && c != '\n' && c != '\t')
                    m_pict.badHex = true;
                continue;
            }
            if (m_pict.nibble < 0)
                m_pict.nibble = v;
            else {
                m_pict.data.append(char(m_pict.nibble << 4 | v));
                m_pict.nibble = -1;
            }
        }
        return;
    }
    if (dest == Dest::FontTable) {
        for (qsizetype i = start; i < m_pos; ++i) {
            const char c = m_in.at(i);
            if (c == ';') {
                if (m_fontEntry >= 0) {
                    FontEntry e;
                    e.name = QString::fromLatin1(m_fontName).trimmed();
                    e.codePage = m_fontCharset >= 0 ? codePageOfCharset(m_fontCharset, m_ansi) : 0;
                    m_fonts.insert(m_fontEntry, e);
                }
                m_fontName.clear();
            } else if (c != '\r' && c != '\n') {
                m_fontName.append(c);
            }
        }
        return;
    }
    if (dest == Dest::ColorTable) {
        for (qsizetype i = start; i < m_pos; ++i) {
            if (m_in.at(i) == ';') {
                if (m_red < 0 && m_green < 0 && m_blue < 0)
                    m_colors.emplace_back(); // "auto"
                else
                    m_colors.emplace_back(qBound(0, m_red, 255), qBound(0, m_green, 255), qBound(0, m_blue, 255));
                m_red = m_green = m_blue = -1;
            }
        }
        return;
    }
    for (qsizetype i = start; i < m_pos; ++i) {
        const uchar b = uchar(m_in.at(i));
        if (b == '\r' || b == '\n')
            continue;
        if (consumeSkip())
            continue;
        addByte(b);
    }
}

bool Parser::consumeSkip()
{
    if (m_skipChars > 0) {
        --m_skipChars;
        return true;
    }
    return false;
}

void Parser::addByte(uchar b)
{
    if (m_state.ch.hidden)
        return;
    if (m_lead) {
        const uchar lead = m_lead;
        m_lead = 0;
        addText(codePage().decodePair(lead, b));
        return;
    }
    if (b < 0x80) {
        if (b >= 0x20 || b == '\t')
            addChar(QChar(b));
        return;
    }
    const CodePage &cp = codePage();
    if (cp.isLeadByte(b)) {
        m_lead = b;
        return;
    }
    addChar(cp.high(b));
}

void Parser::addChar(QChar c)
{
    // Symbol-font bullets written as private-use characters
    if (c.unicode() >= 0xF020 && c.unicode() <= 0xF0FF) {
        switch (c.unicode() - 0xF000) {
        case 0xB7: c = QChar(0x2022); break;
        case 0xA7: c = QChar(0x25AA); break;
        case 0xD8: c = QChar(0x27A2); break;
        case 0xFC: c = QChar(0x2714); break;
        case 0x6F: c = QChar(0x25E6); break;
        default: break;
        }
    }
    if (m_state.dest != Dest::Normal && m_state.dest != Dest::Aside)
        return;
    if (m_state.ch.hidden)
        return;
    if (!m_textStateSet || !(m_textState == m_state.ch)) {
        flush();
        m_textState = m_state.ch;
        m_textStateSet = true;
    }
    if (m_text.isEmpty())
        ensureContext();
    m_text.append(c);
}

void Parser::addText(const QString &s)
{
    for (QChar c : s)
        addChar(c);
}

void Parser::flush()
{
    if (m_text.isEmpty())
        return;
    m_sink->cursor.insertText(m_text, charFormat(m_textState));
    m_text.clear();
    m_blockDirty = true;
}

QTextCharFormat Parser::charFormat(const CharState &c)
{
    if (m_cachedValid && m_cachedState == c)
        return m_cachedFormat;
    QTextCharFormat f;
    const int font = c.font >= 0 ? c.font : m_defaultFont;
    auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && !it->name.isEmpty())
        f.setFontFamilies({it->name});
    f.setFontPointSize(qBound(1, c.halfPoints, 3276) / 2.0);
    if (c.bold)
        f.setFontWeight(QFont::Bold);
    if (c.italic)
        f.setFontItalic(true);
    if (c.underline)
        f.setFontUnderline(true);
    if (c.strike)
        f.setFontStrikeOut(true);
    if (c.vertical > 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (c.vertical < 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (c.color > 0 && size_t(c.color) < m_colors.size() && m_colors[c.color].isValid())
        f.setForeground(m_colors[c.color]);
    if (c.highlight > 0 && size_t(c.highlight) < m_colors.size() && m_colors[c.highlight].isValid())
        f.setBackground(m_colors[c.highlight]);
    m_cachedState = c;
    m_cachedFormat = f;
    m_cachedValid = true;
    return f;
}

// Puts the cursor where the next text belongs: into the right table cell when
// the paragraph is part of a table, after the table when it is not.
void Parser::ensureContext()
{
    Sink &s = *m_sink;
    TableBuild &t = s.table;
    // Some writers leave \intbl out and rely on the row being open.
    if (!m_state.para.intbl && !m_rowOpen) {
        if (t.table)
            finishTable(s);
        return;
    }
    if (!t.table) {
        if (s.cursor.block().length() > 1)
            s.cursor.insertBlock();
        const int cols = int(qBound<size_t>(1, m_rowDef.size(), 64));
        QTextTableFormat tf;
        tf.setCellPadding(0); // \trgaph pads left and right only: set per cell
        tf.setCellSpacing(0);
        tf.setBorder(0);
        tf.setBorderCollapse(true);
        tf.setLeftMargin(qMax(0.0, px(m_rowLeft)));
        t = TableBuild();
        t.gap = qBound(0, m_rowGap, 1440);
        t.table = s.cursor.insertTable(1, cols, tf);
        ++m_report.tables;
        return;
    }
    if (t.rowPending) {
        t.table->appendRows(1);
        ++t.row;
        t.col = 0;
        t.rowPending = false;
        t.needCursor = true;
    }
    if (t.col >= t.table->columns()) {
        if (t.col >= 64) { // a row that never ends: keep its text in the last cell
            t.col = t.table->columns() - 1;
        } else {
            t.table->appendColumns(t.col - t.table->columns() + 1);
        }
        t.needCursor = true;
    }
    if (t.needCursor) {
        s.cursor = t.table->cellAt(t.row, t.col).firstCursorPosition();
        t.needCursor = false;
    }
}

void Parser::finishTable(Sink &s)
{
    TableBuild &t = s.table;
    if (!t.table)
        return;
    QTextTable *table = t.table;
    const int rows = table->rows();
    const int cols = table->columns();
    // Column widths from the widest row definition.
    const std::vector<CellDef> *widest = nullptr;
    for (const auto &r : t.rowDefs)
        if (!widest || r.size() > widest->size())
            widest = &r;
    QTextTableFormat tf = table->format();
    if (widest && !widest->empty()) {
        QList<QTextLength> widths;
        int left = m_rowLeft;
        for (int c = 0; c < cols; ++c) {
            if (size_t(c) < widest->size()) {
                const int right = (*widest)[c].right;
                widths << QTextLength(QTextLength::FixedLength, qMax(1.0, px(right - left)));
                left = right;
            } else {
                widths << QTextLength(QTextLength::VariableLength, 0);
            }
        }
        tf.setColumnWidthConstraints(widths);
    }
    bool anyBorder = false;
    for (int r = 0; r < rows && size_t(r) < t.rowDefs.size(); ++r) {
        const auto &defs = t.rowDefs[r];
        for (int c = 0; c < cols && size_t(c) < defs.size(); ++c) {
            const CellDef &d = defs[c];
            QTextTableCell cell = table->cellAt(r, c);
            QTextTableCellFormat cf = cell.format().toTableCellFormat();
            cf.setLeftPadding(px(t.gap));
            cf.setRightPadding(px(t.gap));
            bool changed = true;
            if (d.shading > 0 && size_t(d.shading) < m_colors.size() && m_colors[d.shading].isValid()) {
                cf.setBackground(m_colors[d.shading]);
                changed = true;
            }
            const std::array<int, 4> &b = d.border;
            if (b[0] || b[1] || b[2] || b[3]) {
                anyBorder = true;
                cf.setTopBorder(b[0] ? qMax(1.0, px(b[0])) : 0);
                cf.setLeftBorder(b[1] ? qMax(1.0, px(b[1])) : 0);
                cf.setBottomBorder(b[2] ? qMax(1.0, px(b[2])) : 0);
                cf.setRightBorder(b[3] ? qMax(1.0, px(b[3])) : 0);
                cf.setBorderBrush(QColor(Qt::black));
                cf.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cf.setLeftBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cf.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                cf.setRightBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                changed = true;
            }
            if (changed)
                cell.setFormat(cf);
        }
    }
    if (anyBorder) {
        tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tf.setBorderBrush(QColor(Qt::black));
    }
    table->setFormat(tf);
    // Merged cells: horizontal runs first, then vertical runs of single columns.
    for (int r = 0; r < rows && size_t(r) < t.rowDefs.size(); ++r) {
        const auto &defs = t.rowDefs[r];
        const int n = int(defs.size());
        if (n > 0 && n < cols) // a row with fewer cells spans the table's width
            table->mergeCells(r, n - 1, 1, cols - n + 1);
        for (int c = 0; c < cols && size_t(c) < defs.size(); ++c) {
            if (!defs[c].hMergeFirst)
                continue;
            int span = 1;
            while (c + span < cols && size_t(c + span) < defs.size() && defs[c + span].hMerge)
                ++span;
            if (span > 1)
                table->mergeCells(r, c, 1, span);
        }
    }
    for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rows && size_t(r) < t.rowDefs.size(); ++r) {
            const auto &defs = t.rowDefs[r];
            if (size_t(c) >= defs.size() || !defs[c].vMergeFirst || defs[c].hMergeFirst)
                continue;
            int span = 1;
            while (r + span < rows && size_t(r + span) < t.rowDefs.size()
                   && size_t(c) < t.rowDefs[r + span].size() && t.rowDefs[r + span][c].vMerge
                   && !t.rowDefs[r + span][c].hMergeFirst)
                ++span;
            if (span > 1 && table->cellAt(r, c).columnSpan() == 1)
                table->mergeCells(r, c, span, 1);
        }
    }
    s.cursor = table->lastCursorPosition();
    s.cursor.movePosition(QTextCursor::NextBlock);
    t = TableBuild();
}

void Parser::applyBlockFormat()
{
    const ParaState &p = m_state.para;
    QTextBlockFormat f;
    switch (p.align) {
    case 1: f.setAlignment(Qt::AlignHCenter); break;
    case 2: f.setAlignment(Qt::AlignRight); break;
    case 3: f.setAlignment(Qt::AlignJustify); break;
    default: f.setAlignment(Qt::AlignLeft); break;
    }
    if (p.li)
        f.setLeftMargin(px(p.li));
    if (p.ri)
        f.setRightMargin(px(p.ri));
    if (p.fi)
        f.setTextIndent(px(p.fi));
    if (p.sb)
        f.setTopMargin(px(p.sb));
    if (p.sa)
        f.setBottomMargin(px(p.sa));
    if (p.sl > 0 && p.slMult)
        f.setLineHeight(p.sl * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (p.sl > 0)
        f.setLineHeight(px(p.sl), QTextBlockFormat::MinimumHeight);
    else if (p.sl < 0)
        f.setLineHeight(px(-p.sl), QTextBlockFormat::FixedHeight);
    if (!p.tabs.isEmpty())
        f.setTabPositions(p.tabs);
    Sink &s = *m_sink;
    if (p.pageBreakBefore || s.pageBreakNext)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    s.pageBreakNext = false;
    s.cursor.setBlockFormat(f);
    m_blockDirty = false;
}

void Parser::endParagraph()
{
    flush();
    ensureContext();
    applyBlockFormat();
    m_sink->cursor.insertBlock();
}

void Parser::insertPicture()
{
    Picture &p = m_pict;
    // The size the document asks for: the goal size, scaled; else the picture's own.
    double wTw = p.goalw, hTw = p.goalh;
    QImage image;
    QByteArray encoded;
    QSize encodedSize;
    const bool raster = p.kind == "png" || p.kind == "jpeg" || p.kind == "dib" || p.kind == "bmp";
    if (raster && !p.data.isEmpty()) {
        if (p.kind == "dib") {
            // a device-independent bitmap lacks the file header a BMP reader wants
            QByteArray bmp("BM");
            const quint32 total = quint32(14 + p.data.size());
            const quint32 header = p.data.size() >= 4 ? quint32(uchar(p.data[0])) | quint32(uchar(p.data[1])) << 8 : 40;
            const int bits = p.data.size() >= 16 ? uchar(p.data[14]) | uchar(p.data[15]) << 8 : 24;
            const int colours = bits <= 8 ? (1 << bits) : 0;
            const quint32 offset = 14 + header + quint32(colours) * 4;
            for (quint32 v : {total, quint32(0), offset})
                for (int i = 0; i < 4; ++i)
                    bmp.append(char((v >> (8 * i)) & 0xFF));
            bmp.append(p.data);
            image.loadFromData(bmp, "BMP");
        } else {
            // kept encoded: decoding waits until the picture is drawn, so
            // large documents load fast; the header gives the size
            QBuffer buffer(&p.data);
            QImageReader reader(&buffer, p.kind == "png" ? "png" : p.kind == "jpeg" ? "jpeg" : QByteArray());
            if (reader.canRead() && reader.size().isValid() && !reader.size().isEmpty()) {
                encoded = p.data;
                encodedSize = reader.size();
            }
        }
    }
    const bool have = !image.isNull() || !encoded.isEmpty();
    const QSize own = image.isNull() ? encodedSize : image.size();
    if (wTw <= 0)
        wTw = have ? own.width() * twipsPerPx : (p.kind == "wmf" || p.kind == "emf" ? 0 : p.picw * twipsPerPx);
    if (hTw <= 0)
        hTw = have ? own.height() * twipsPerPx : (p.kind == "wmf" || p.kind == "emf" ? 0 : p.pich * twipsPerPx);
    if ((p.kind == "wmf" || p.kind == "emf") && (wTw <= 0 || hTw <= 0)) {
        // picw/pich of a metafile are in hundredths of a millimetre
        wTw = p.picw * 1440.0 / 2540.0;
        hTw = p.pich * 1440.0 / 2540.0;
    }
    wTw = wTw * qBound(1, p.scalex, 10000) / 100.0;
    hTw = hTw * qBound(1, p.scaley, 10000) / 100.0;
    if (wTw <= 0 || hTw <= 0 || wTw > 1440 * 100 || hTw > 1440 * 100) {
        if (!have) {
            skipped(QStringLiteral("a picture without a size"));
            return;
        }
        wTw = own.width() * twipsPerPx;
        hTw = own.height() * twipsPerPx;
    }
    if (!have) {
        // Metafiles cannot be drawn here; a transparent frame keeps the layout.
        image = QImage(1, 1, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        ++m_report.emptyFrames;
        if (raster)
            skipped(QStringLiteral("a broken %1 picture").arg(QString::fromLatin1(p.kind)));
        else
            skipped(QStringLiteral("%1 pictures (kept as empty frames)").arg(QString::fromLatin1(p.kind.isEmpty() ? QByteArray("unknown") : p.kind)));
    } else {
        ++m_report.pictures;
    }
    const QUrl url(QStringLiteral("rtfimage://%1").arg(m_imageCount++));
    m_sink->doc->addResource(QTextDocument::ImageResource, url, encoded.isEmpty() ? QVariant(image) : QVariant(encoded));
    QTextImageFormat f;
    f.merge(charFormat(m_state.ch));
    f.setName(url.toString());
    f.setWidth(wTw / twipsPerPx);
    f.setHeight(hTw / twipsPerPx);
    flush();
    ensureContext();
    m_sink->cursor.insertImage(f);
    m_blockDirty = true;
}

void Parser::enterAside(int which)
{
    if (m_state.dest == Dest::Skip)
        return;
    if (which != NotesAside && m_state.aside >= 0) {
        m_state.dest = Dest::Skip;
        return;
    }
    flush();
    AsideText &a = m_asides[which];
    if (!a.used) {
        a.sink.doc = &a.doc;
        a.sink.cursor = QTextCursor(&a.doc);
        a.used = true;
    }
    m_state.dest = Dest::Aside;
    m_state.aside = which;
    m_state.groupOwnsDest = true;
    m_sink = &a.sink;
}

void Parser::destination(QByteArrayView w)
{
    static const std::unordered_set<std::string_view> skip = {
        "stylesheet", "info", "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator",
        "xmlnstbl", "headerl", "footerl", "pgdsctbl", "themedata", "colorschememapping", "latentstyles", "datastore",
        "fldinst", "objdata", "nonshppict", "template", "docvar", "bkmkstart", "bkmkend", "xe",
        "tc", "pn", "annotation", "atnid", "atnauthor", "atndate", "atnref", "comment", "company",
        "operator", "title", "author", "keywords", "doccomm", "subject", "mmathPr", "ftnsep",
        "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "userprops", "wgrffmtfilter",
        "blipuid", "fldtype", "formfield", "datafield", "objclass", "objname",
        "fchars", "lchars", "pgptbl", "protusertbl", "filetbl", "listpicture", "background",
        "txe", "rxe", "private", "panose", "falt", "fontemb", "fontfile", "ud", "upr",
        "passwordhash", "mhtmltag", "htmltag", "ffdeftext", "ffname", "ffentrymcr", "ffexitmcr",
        "ffformat", "ffhelptext", "ffl", "ffstattext", "sp", "sn", "sv", "factoidname", "oldcprops",
        "oldpprops", "oldsprops", "oldtprops", "nesttableprops", "hlinkbase", "bookmarkstart"};
    if (w == "fonttbl") {
        m_state.dest = Dest::FontTable;
        m_fontEntry = -1;
        m_fontName.clear();
    } else if (w == "colortbl") {
        m_state.dest = Dest::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = -1;
    } else if (w == "pict") {
        flush();
        if (m_state.dest == Dest::Skip)
            return;
        m_state.dest = Dest::Picture;
        m_state.groupOwnsDest = true;
        m_pict = Picture();
        m_pictDepth = m_depth;
    } else if (w == "footnote") {
        enterAside(NotesAside);
    } else if (w == "headerf" || w == "footerf") {
        if (m_titlePage && !m_asides[w == "headerf" ? HeaderAside : FooterAside].used)
            enterAside(w == "headerf" ? HeaderAside : FooterAside);
        else
            m_state.dest = Dest::Skip;
    } else if (w == "header" || w == "headerr" || w == "footer" || w == "footerr") {
        const int k = w.startsWith("header") ? HeaderAside : FooterAside;
        if (!m_titlePage && !m_asides[k].used && m_state.aside < 0)
            enterAside(k);
        else
            m_state.dest = Dest::Skip;
    } else if (skip.count(std::string_view(w.data(), size_t(w.size())))) {
        m_state.dest = Dest::Skip;
    } else {
        return;
    }
}

void Parser::controlSymbol(char c)
{
    if (m_state.dest == Dest::Skip && c != '*')
        return;
    switch (c) {
    case '*':
        m_starred = true;
        return;
    case '\'': {
        int value = -1;
        if (m_pos + 1 < m_in.size() + 0) {
            bool ok = false;
            value = m_in.mid(m_pos, 2).toInt(&ok, 16);
            if (!ok)
                value = -1;
        }
        m_pos = qMin(m_pos + 2, m_in.size());
        if (value < 0) {
            skipped(QStringLiteral("a broken \\' escape"));
            return;
        }
        if (m_state.dest == Dest::FontTable) {
            m_fontName.append(char(value));
            return;
        }
        if (consumeSkip())
            return;
        addByte(uchar(value));
        return;
    }
    case '\\': case '{': case '}':
        if (m_state.dest == Dest::FontTable) {
            m_fontName.append(c);
            return;
        }
        if (consumeSkip())
            return;
        addChar(QChar(c));
        return;
    case '\r': case '\n':
        if (consumeSkip())
            return;
        endParagraph(); // TextEdit ends lines with a backslash and a line break
        return;
    case '~': if (!consumeSkip()) addChar(QChar(0x00A0)); return;
    case '_': if (!consumeSkip()) addChar(QChar(0x2011)); return;
    case '-': consumeSkip(); return; // optional hyphen
    case '\t': if (!consumeSkip()) addChar(QChar('\t')); return;
    default:
        consumeSkip();
        return;
    }
}

void Parser::controlWord()
{
    const qsizetype n = m_in.size();
    const qsizetype start = m_pos;
    while (m_pos < n && m_pos - start < 32) {
        const char c = m_in.at(m_pos);
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            break;
        ++m_pos;
    }
    const QByteArrayView w(m_in.constData() + start, m_pos - start);
    bool hasParam = false;
    bool negative = false;
    long long param = 0;
    if (m_pos < n && m_in.at(m_pos) == '-' && m_pos + 1 < n && m_in.at(m_pos + 1) >= '0' && m_in.at(m_pos + 1) <= '9') {
        negative = true;
        ++m_pos;
    }
    int digits = 0;
    while (m_pos < n && m_in.at(m_pos) >= '0' && m_in.at(m_pos) <= '9') {
        if (digits < 10)
            param = param * 10 + (m_in.at(m_pos) - '0');
        ++digits;
        hasParam = true;
        ++m_pos;
    }
    if (m_pos < n && m_in.at(m_pos) == ' ')
        ++m_pos;
    param = qBound<long long>(-2147483647LL, negative ? -param : param, 2147483647LL);

    if (w == "bin") {
        // raw bytes: never read past the end of the input
        const qsizetype len = qBound<qsizetype>(0, qsizetype(param), n - m_pos);
        if (len < param)
            skipped(QStringLiteral("a \\bin block longer than the file"));
        if (m_state.dest == Dest::Picture)
            m_pict.data.append(m_in.constData() + m_pos, len);
        m_pos += len;
        if (m_skipChars > 0)
            --m_skipChars;
        return;
    }
    const bool starred = m_starred;
    m_starred = false;
    if (m_state.dest == Dest::Skip)
        return;
    if (m_state.dest == Dest::Shape) {
        // Only a shape's picture and its text box are shown; its properties are not.
        if (w == "pict") {
            destination(w);
            m_shapePicture = true;
        } else if (w == "shptxt") {
            m_state.dest = Dest::Normal;
        }
        return;
    }
    if (w == "shpinst") {
        m_state.dest = Dest::Shape;
        return;
    }
    if (w == "shp") {
        m_shapePicture = false;
    } else if (w == "shprslt" && m_shapePicture) {
        m_state.dest = Dest::Skip; // the same picture again, for older readers
        return;
    }
    const Dest before = m_state.dest;
    destination(w);
    if (m_state.dest != before || w == "pict" || w == "footnote" || w == "fonttbl" || w == "colortbl")
        return;
    static const std::unordered_set<std::string_view> keep = {"fldrslt", "shppict", "shprslt", "result", "listtext",
                                              "pntext", "field", "object", "shp", "ftnalt", "shptxt", "fldrslt"};
    if (starred && !keep.count(std::string_view(w.data(), size_t(w.size())))) {
        // an optional destination this reader does not know
        m_state.dest = Dest::Skip;
        return;
    }
    word(w, hasParam, int(param));
}

void Parser::word(QByteArrayView w, bool hasParam, int param)
{
    State &s = m_state;
    const bool on = !hasParam || param != 0;

    if (s.dest == Dest::FontTable) {
        if (w == "f") {
            m_fontEntry = param;
            m_fontName.clear();
            m_fontCharset = -1;
        } else if (w == "fcharset") {
            m_fontCharset = param;
        } else if (w == "cpg" && param > 0) {
            m_fontCharset = -2;
            FontEntry e = m_fonts.value(m_fontEntry);
            e.codePage = param;
            m_fonts.insert(m_fontEntry, e);
        }
        return;
    }
    if (s.dest == Dest::ColorTable) {
        if (w == "red") m_red = param;
        else if (w == "green") m_green = param;
        else if (w == "blue") m_blue = param;
        return;
    }
    if (s.dest == Dest::Picture) {
        if (w == "pngblip") m_pict.kind = "png";
        else if (w == "jpegblip") m_pict.kind = "jpeg";
        else if (w == "emfblip") m_pict.kind = "emf";
        else if (w == "wmetafile") m_pict.kind = "wmf";
        else if (w == "dibitmap") m_pict.kind = "dib";
        else if (w == "wbitmap") m_pict.kind = "bmp-ddb";
        else if (w == "macpict" || w == "pmmetafile") m_pict.kind = w.toByteArray();
        else if (w == "picw") m_pict.picw = param;
        else if (w == "pich") m_pict.pich = param;
        else if (w == "picwgoal") m_pict.goalw = param;
        else if (w == "pichgoal") m_pict.goalh = param;
        else if (w == "picscalex") m_pict.scalex = param;
        else if (w == "picscaley") m_pict.scaley = param;
        return;
    }

    // --- text and breaks
    if (w == "par" || w == "sect") {
        if (!consumeSkip())
            endParagraph();
        return;
    }
    if (w == "u") {
        int v = param;
        if (v < 0)
            v += 65536;
        addChar(QChar(ushort(v)));
        m_skipChars = s.uc;
        return;
    }
    if (w == "uc") {
        s.uc = qBound(0, param, 10);
        return;
    }
    if (consumeSkip())
        return;
    static const std::unordered_map<std::string_view, ushort> specials = {
        {"tab", '\t'}, {"line", 0x2028}, {"emdash", 0x2014}, {"endash", 0x2013},
        {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
        {"zwj", 0x200D}, {"zwnj", 0x200C}, {"zwbo", 0x200B}, {"zwnbo", 0xFEFF}};
    auto sp = specials.find(std::string_view(w.data(), size_t(w.size())));
    if (sp != specials.end()) {
        addChar(QChar(sp->second));
        return;
    }
    if (w == "page") {
        flush();
        ensureContext();
        if (m_sink->cursor.block().length() > 1 && !m_sink->table.table)
            endParagraph();
        m_sink->pageBreakNext = true;
        return;
    }
    if (w == "cell" || w == "nestcell") {
        if (w == "nestcell") { addChar(QChar('\t')); return; }
        flush();
        const bool was = s.para.intbl;
        s.para.intbl = true;
        ensureContext();
        applyBlockFormat();
        s.para.intbl = was;
        m_sink->table.col++;
        m_sink->table.needCursor = true;
        return;
    }
    if (w == "nestrow") {
        addChar(QChar(0x2028));
        return;
    }
    if (w == "row") {
        flush();
        m_rowOpen = false;
        TableBuild &t = m_sink->table;
        if (!t.table)
            return;
        if (t.rowDefs.size() <= size_t(t.row))
            t.rowDefs.resize(t.row + 1);
        t.rowDefs[t.row] = m_rowDef;
        if (int(m_rowDef.size()) > t.table->columns() && m_rowDef.size() <= 64)
            t.table->appendColumns(int(m_rowDef.size()) - t.table->columns());
        t.rowPending = true;
        t.needCursor = true;
        return;
    }

    // --- document and section
    if (w == "ansicpg") { if (param > 0) m_ansi = param; return; }
    if (w == "mac") { m_ansi = 10000; return; }
    if (w == "pc") { m_ansi = 437; return; }
    if (w == "pca") { m_ansi = 850; return; }
    if (w == "deff") { m_defaultFont = param; return; }
    PageSetup &pg = m_report.page;
    if (w == "paperw" || w == "pgwsxn") { if (param > 0) { pg.paperWidth = param; pg.declared = true; } return; }
    if (w == "paperh" || w == "pghsxn") { if (param > 0) { pg.paperHeight = param; pg.declared = true; } return; }
    if (w == "margl" || w == "marglsxn") { pg.marginLeft = qMax(0, param); return; }
    if (w == "margr" || w == "margrsxn") { pg.marginRight = qMax(0, param); return; }
    if (w == "margt" || w == "margtsxn") { pg.marginTop = qMax(0, param); return; }
    if (w == "margb" || w == "margbsxn") { pg.marginBottom = qMax(0, param); return; }
    if (w == "landscape" || w == "lndscpsxn") { pg.landscape = true; return; }
    if (w == "titlepg") { m_titlePage = true; return; }

    // --- character formatting
    CharState &c = s.ch;
    if (w == "plain") {
        c = CharState();
        return;
    }
    if (w == "f") { c.font = param; return; }
    if (w == "fs") { if (param > 0) c.halfPoints = param; return; }
    if (w == "b") { c.bold = on; return; }
    if (w == "i") { c.italic = on; return; }
    if (w == "ul" || w == "uld" || w == "uldash" || w == "uldashd" || w == "uldashdd" || w == "uldb"
        || w == "ulth" || w == "ulw" || w == "ulwave") { c.underline = on; return; }
    if (w == "ulnone") { c.underline = false; return; }
    if (w == "strike" || w == "striked") { c.strike = on; return; }
    if (w == "super") { c.vertical = 1; return; }
    if (w == "sub") { c.vertical = -1; return; }
    if (w == "nosupersub") { c.vertical = 0; return; }
    if (w == "up") { c.vertical = on ? 1 : 0; return; }
    if (w == "dn") { c.vertical = on ? -1 : 0; return; }
    if (w == "cf") { c.color = param; return; }
    if (w == "highlight" || w == "cb" || w == "chcbpat") { c.highlight = param; return; }
    if (w == "v") { c.hidden = on; return; }

    // --- paragraph formatting
    ParaState &p = s.para;
    if (w == "pard") {
        p = ParaState();
        return;
    }
    if (w == "ql") { p.align = 0; return; }
    if (w == "qc") { p.align = 1; return; }
    if (w == "qr") { p.align = 2; return; }
    if (w == "qj" || w == "qd") { p.align = 3; return; }
    if (w == "li" || w == "lin") { p.li = param; return; }
    if (w == "ri" || w == "rin") { p.ri = param; return; }
    if (w == "fi") { p.fi = param; return; }
    if (w == "sb") { p.sb = qMax(0, param); return; }
    if (w == "sa") { p.sa = qMax(0, param); return; }
    if (w == "sl") { p.sl = param; return; }
    if (w == "slmult") { p.slMult = param == 1; return; }
    if (w == "intbl") { p.intbl = true; return; }
    if (w == "itap") { p.intbl = param > 0; return; }
    if (w == "pagebb") { p.pageBreakBefore = on; return; }
    if (w == "tqr") { p.nextTabType = QTextOption::RightTab; return; }
    if (w == "tqc") { p.nextTabType = QTextOption::CenterTab; return; }
    if (w == "tqdec") { p.nextTabType = QTextOption::DelimiterTab; return; }
    if (w == "tx" || w == "tb") {
        QTextOption::Tab tab(px(param), p.nextTabType);
        if (tab.type == QTextOption::DelimiterTab)
            tab.delimiter = QLatin1Char('.');
        p.tabs << tab;
        p.nextTabType = QTextOption::LeftTab;
        return;
    }

    // --- table rows
    if (w == "trowd") {
        m_rowOpen = true;
        m_rowDef.clear();
        m_cellDef = CellDef();
        m_rowLeft = 0;
        return;
    }
    if (w == "trgaph") { m_rowGap = qBound(0, param, 1440); return; }
    if (w == "trleft") { m_rowLeft = param; return; }
    if (w == "cellx") {
        m_cellDef.right = param;
        if (m_rowDef.size() < 256)
            m_rowDef.push_back(m_cellDef);
        m_cellDef = CellDef();
        m_borderSide = -1;
        return;
    }
    if (w == "clmgf") { m_cellDef.hMergeFirst = true; return; }
    if (w == "clmrg") { m_cellDef.hMerge = true; return; }
    if (w == "clvmgf") { m_cellDef.vMergeFirst = true; return; }
    if (w == "clvmrg") { m_cellDef.vMerge = true; return; }
    if (w == "clcbpat") { m_cellDef.shading = param; return; }
    if (w == "clbrdrt") { m_borderSide = 0; return; }
    if (w == "clbrdrl") { m_borderSide = 1; return; }
    if (w == "clbrdrb") { m_borderSide = 2; return; }
    if (w == "clbrdrr") { m_borderSide = 3; return; }
    if (w == "brdrnone" || w == "brdrnil") {
        if (m_borderSide >= 0) m_cellDef.border[m_borderSide] = 0;
        return;
    }
    if (w == "brdrw") {
        if (m_borderSide >= 0) m_cellDef.border[m_borderSide] = qBound(1, param, 200);
        return;
    }
    if (w.startsWith("brdr") && m_borderSide >= 0) {
        if (m_cellDef.border[m_borderSide] == 0)
            m_cellDef.border[m_borderSide] = 10;
        return;
    }
    if (w.startsWith("trbrdr") || w.startsWith("brdr") || w == "box") {
        m_borderSide = -1;
        return;
    }
}

} // namespace

RtfReadReport RtfReader::read(const QByteArray &rtf, QTextDocument *document)
{
    RtfReadReport report;
    if (!document)
        return report;
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
    report.page.applyTo(document);
    return report;
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
    if (ok)
        *ok = true;
    return read(file.readAll(), document);
}

} // namespace vc
