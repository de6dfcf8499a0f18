#include "richtext/rtfparser.h"

#include <string_view>
#include <unordered_map>

// What the control words of the body mean.
namespace vc::rtf {

void Parser::word(QByteArrayView w, bool hasParam, int param)
{
    State &s = m_state;
    const bool on = !hasParam || param != 0;

    if (s.dest == Dest::FontTable) {
        if (w == "f") {
            m_fontEntry = param;
            m_fontName.clear();
            m_fontCharset = -1;
            m_fontKind = 0;
        } else if (w == "froman" || w == "fswiss" || w == "fmodern" || w == "fscript" ||
                   w == "fdecor") {
            m_fontKind = w == "froman" ? 1 : w == "fmodern" ? 3 : 2;
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
        if (w == "red")
            m_red = param;
        else if (w == "green")
            m_green = param;
        else if (w == "blue")
            m_blue = param;
        return;
    }
    if (s.dest == Dest::Picture) {
        if (w == "pngblip")
            m_pict.kind = "png";
        else if (w == "jpegblip")
            m_pict.kind = "jpeg";
        else if (w == "emfblip")
            m_pict.kind = "emf";
        else if (w == "wmetafile")
            m_pict.kind = "wmf";
        else if (w == "dibitmap")
            m_pict.kind = "dib";
        else if (w == "wbitmap")
            m_pict.kind = "bmp-ddb";
        else if (w == "macpict" || w == "pmmetafile")
            m_pict.kind = w.toByteArray();
        else if (w == "picw")
            m_pict.picw = param;
        else if (w == "pich")
            m_pict.pich = param;
        else if (w == "picwgoal")
            m_pict.goalw = param;
        else if (w == "pichgoal")
            m_pict.goalh = param;
        else if (w == "picscalex")
            m_pict.scalex = param;
        else if (w == "picscaley")
            m_pict.scaley = param;
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
        {"tab", '\t'},         {"line", 0x2028},    {"emdash", 0x2014},  {"endash", 0x2013},
        {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
        {"zwj", 0x200D},       {"zwnj", 0x200C},    {"zwbo", 0x200B},    {"zwnbo", 0xFEFF}};
    auto sp = specials.find(std::string_view(w.data(), size_t(w.size())));
    if (sp != specials.end()) {
        addChar(QChar(sp->second));
        return;
    }
    if (w == "chpgn") {
        pageNumber(false);
        return;
    }
    if (w == "page") {
        flush();
        ensureContext();
        if (m_sink->cursor.block().length() > 1 && m_sink->tables.empty())
            endParagraph();
        m_sink->pageBreakNext = true;
        return;
    }
    if (w == "cell" || w == "nestcell") {
        flush();
        const bool was = s.para.intbl;
        const int itap = s.para.itap;
        s.para.intbl = true;
        if (w == "nestcell")
            s.para.itap = qMax(2, itap);
        ensureContext();
        applyBlockFormat();
        s.para.intbl = was;
        s.para.itap = itap;
        if (!m_sink->tables.empty()) {
            m_sink->tables.back().col++;
            m_sink->tables.back().needCursor = true;
        }
        return;
    }
    if (w == "row" || w == "nestrow") {
        flush();
        endRow(w == "row" ? 1 : qMax(2, paragraphLevel()));
        return;
    }

    // --- document and section
    if (w == "ansicpg") {
        if (param > 0)
            m_ansi = param;
        return;
    }
    if (w == "mac") {
        m_ansi = 10000;
        return;
    }
    if (w == "pc") {
        m_ansi = 437;
        return;
    }
    if (w == "pca") {
        m_ansi = 850;
        return;
    }
    if (w == "deff") {
        m_defaultFont = param;
        return;
    }
    PageSetup &pg = m_report.page;
    if (w == "paperw" || w == "pgwsxn" || w == "paperh" || w == "pghsxn") {
        // paper under an inch holds no line of text: such a size is a mistake
        if (param < 1440) {
            skipped(QStringLiteral("a paper size smaller than an inch"));
            return;
        }
        (w.back() == 'w' || w[2] == 'w' ? pg.paperWidth : pg.paperHeight) = twips(param);
        pg.declared = true;
        return;
    }
    if (w == "margl" || w == "marglsxn") {
        pg.marginLeft = qBound(0, param, maxTwips);
        return;
    }
    if (w == "margr" || w == "margrsxn") {
        pg.marginRight = qBound(0, param, maxTwips);
        return;
    }
    if (w == "margt" || w == "margtsxn") {
        pg.marginTop = qBound(0, param, maxTwips);
        return;
    }
    if (w == "margb" || w == "margbsxn") {
        pg.marginBottom = qBound(0, param, maxTwips);
        return;
    }
    if (w == "landscape" || w == "lndscpsxn") {
        pg.landscape = true;
        return;
    }
    if (w == "headery" || w == "footery") {
        (w[0] == 'h' ? m_report.parts.headerY : m_report.parts.footerY) =
            qBound(0, param, 1440 * 10);
        return;
    }
    if (w == "titlepg") {
        m_titlePage = true;
        return;
    }

    // --- character formatting
    CharState &c = s.ch;
    if (w == "plain") {
        c = CharState();
        return;
    }
    if (w == "f") {
        c.font = param;
        return;
    }
    if (w == "fs") {
        if (param > 0)
            c.halfPoints = param;
        return;
    }
    if (w == "b") {
        c.bold = on;
        return;
    }
    if (w == "i") {
        c.italic = on;
        return;
    }
    if (w == "ul" || w == "uld" || w == "uldash" || w == "uldashd" || w == "uldashdd" ||
        w == "uldb" || w == "ulth" || w == "ulw" || w == "ulwave") {
        c.underline = on;
        return;
    }
    if (w == "ulnone") {
        c.underline = false;
        return;
    }
    if (w == "strike" || w == "striked") {
        c.strike = on;
        return;
    }
    if (w == "super") {
        c.vertical = 1;
        return;
    }
    if (w == "sub") {
        c.vertical = -1;
        return;
    }
    if (w == "nosupersub") {
        c.vertical = 0;
        return;
    }
    if (w == "up") {
        c.vertical = on ? 1 : 0;
        return;
    }
    if (w == "dn") {
        c.vertical = on ? -1 : 0;
        return;
    }
    if (w == "cf") {
        c.color = param;
        return;
    }
    if (w == "highlight" || w == "cb" || w == "chcbpat") {
        c.highlight = param;
        return;
    }
    if (w == "v") {
        c.hidden = on;
        return;
    }

    // --- paragraph formatting
    ParaState &p = s.para;
    if (w == "pard") {
        p = ParaState();
        return;
    }
    if (w == "ql") {
        p.align = 0;
        return;
    }
    if (w == "qc") {
        p.align = 1;
        return;
    }
    if (w == "qr") {
        p.align = 2;
        return;
    }
    if (w == "qj" || w == "qd") {
        p.align = 3;
        return;
    }
    if (w == "li" || w == "lin") {
        p.li = twips(param);
        return;
    }
    if (w == "ri" || w == "rin") {
        p.ri = twips(param);
        return;
    }
    if (w == "fi") {
        p.fi = twips(param);
        return;
    }
    if (w == "sb") {
        p.sb = qBound(0, param, maxTwips);
        return;
    }
    if (w == "sa") {
        p.sa = qBound(0, param, maxTwips);
        return;
    }
    if (w == "sl") {
        p.sl = twips(param);
        return;
    }
    if (w == "slmult") {
        p.slMult = param == 1;
        return;
    }
    if (w == "intbl") {
        p.intbl = true;
        return;
    }
    if (w == "itap") {
        p.intbl = param > 0;
        p.itap = qBound(1, param, maxTableLevels);
        return;
    }
    if (w == "pagebb") {
        p.pageBreakBefore = on;
        return;
    }
    if (w == "tqr") {
        p.nextTabType = QTextOption::RightTab;
        return;
    }
    if (w == "tqc") {
        p.nextTabType = QTextOption::CenterTab;
        return;
    }
    if (w == "tqdec") {
        p.nextTabType = QTextOption::DelimiterTab;
        return;
    }
    if (w == "tx" || w == "tb") {
        QTextOption::Tab tab(px(qBound(0, param, maxTwips)), p.nextTabType);
        if (tab.type == QTextOption::DelimiterTab)
            tab.delimiter = QLatin1Char('.');
        p.tabs << tab;
        p.nextTabType = QTextOption::LeftTab;
        return;
    }
    tableWord(w, param);
}

} // namespace vc::rtf
