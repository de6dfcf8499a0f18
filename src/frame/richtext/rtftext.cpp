#include "richtext/rtfparser.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QSet>

// Characters, their formats and paragraphs.
namespace vc::rtf {

namespace {

// Lower-case names of the fonts the system has; none without a GUI application.
const QSet<QString> &installedFonts()
{
    static const QSet<QString> names = [] {
        QSet<QString> set;
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            for (const QString &family : QFontDatabase::families())
                set.insert(family.toLower());
        return set;
    }();
    return names;
}

} // namespace

// The system looks a missing font up once by name, which is slow; past the
// few a document normally names, missing fonts are shown in an installed font
// of their kind straight away (their names are kept for writing). Until a
// document names that many, the system's fonts need not be asked for at all.
void Parser::addFont()
{
    FontEntry e;
    e.name = QString::fromLatin1(m_fontName).trimmed();
    e.codePage = m_fontCharset >= 0    ? codePageOfCharset(m_fontCharset, m_ansi)
                 : m_fontCharset == -2 ? m_fonts.value(m_fontEntry).codePage
                                       : 0; // -2: given by \\cpg
    if (!e.name.isEmpty()) {
        e.families << e.name;
        const QString key = e.name.toLower();
        if (!m_checkFonts && m_fontNames.insert(key).second && m_fontNames.size() > 32) {
            m_checkFonts = true;
            for (const QString &k : m_fontNames)
                if (k != key && !installedFonts().isEmpty() && !installedFonts().contains(k))
                    m_unknownFonts.insert(k);
        }
        static const QSet<QString> unasked;
        const QSet<QString> &installed = m_checkFonts ? installedFonts() : unasked;
        if (!installed.isEmpty() && !installed.contains(key) && !m_unknownFonts.count(key)) {
            if (m_unknownFonts.size() >= 32) {
                e.standIn = true;
                e.families =
                    QStringList{QString::fromLatin1(m_fontKind == 1   ? "Liberation Serif"
                                                    : m_fontKind == 3 ? "Liberation Mono"
                                                                      : "Liberation Sans")};
            } else {
                m_unknownFonts.insert(key);
            }
        }
    }
    m_fonts.insert(m_fontEntry, e);
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
        case 0xB7:
            c = QChar(0x2022);
            break;
        case 0xA7:
            c = QChar(0x25AA);
            break;
        case 0xD8:
            c = QChar(0x27A2);
            break;
        case 0xFC:
            c = QChar(0x2714);
            break;
        case 0x6F:
            c = QChar(0x25E6);
            break;
        default:
            break;
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
    if (++m_chars > RtfReader::maxTextLength && !m_report.tooLong) {
        m_report.tooLong = true;
        m_pos = m_in.size(); // the rest is not read
        skipped(QStringLiteral("text past %1 characters").arg(RtfReader::maxTextLength));
    }
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
    for (const auto &[state, format] : m_charFormats)
        if (state == c)
            return format;
    QTextCharFormat f;
    const int font = c.font >= 0 ? c.font : m_defaultFont;
    auto it = m_fonts.constFind(font);
    if (it != m_fonts.constEnd() && !it->name.isEmpty())
        f.setFontFamilies(it->families);
    if (it != m_fonts.constEnd() && it->standIn)
        f.setProperty(RtfReader::FontNameProperty, it->name);
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
    if (m_charFormats.size() >= 32)
        m_charFormats.clear();
    m_charFormats.emplace_back(c, f);
    return f;
}

QTextBlockFormat Parser::blockFormat(const ParaState &p)
{
    for (const auto &[state, format] : m_blockFormats)
        if (state.sameFormat(p))
            return format;
    QTextBlockFormat f;
    switch (p.align) {
    case 1:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case 2:
        f.setAlignment(Qt::AlignRight);
        break;
    case 3:
        f.setAlignment(Qt::AlignJustify);
        break;
    default:
        f.setAlignment(Qt::AlignLeft);
        break;
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
    if (!p.tabs.isEmpty()) {
        // Tab stops count from the margin; the layout counts them from where
        // the first line starts, after the indents.
        QList<QTextOption::Tab> tabs = p.tabs;
        const double start = px(p.li) + px(p.fi);
        for (QTextOption::Tab &t : tabs)
            t.position = qMax(0.0, t.position - start);
        f.setTabPositions(tabs);
    }
    if (p.pageBreakBefore)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (m_blockFormats.size() >= 32)
        m_blockFormats.clear();
    m_blockFormats.emplace_back(p, f);
    return f;
}

void Parser::applyBlockFormat()
{
    Sink &s = *m_sink;
    ParaState p = m_state.para;
    p.pageBreakBefore = p.pageBreakBefore || s.pageBreakNext;
    s.pageBreakNext = false;
    s.cursor.setBlockFormat(blockFormat(p));
    m_blockDirty = false;
}

void Parser::endParagraph()
{
    flush();
    ensureContext();
    applyBlockFormat();
    m_sink->cursor.insertBlock();
}

} // namespace vc::rtf
