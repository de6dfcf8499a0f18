#include "richtext/rtfparser.h"

// What the control words of the body mean.
namespace vc::rtf {

void Parser::word(QByteArrayView w, const WordInfo &k, bool hasParam, int param)
{
    const Word id = k.id;
    State &s = m_state;
    const bool on = !hasParam || param != 0;

    if (s.dest == Dest::FontTable) {
        if (id == Word::f) {
            m_fontEntry = param;
            m_fontName.clear();
            m_fontCharset = -1;
            m_fontKind = 0;
        } else if (id == Word::froman || id == Word::fswiss || id == Word::fmodern ||
                   id == Word::fscript || id == Word::fdecor) {
            m_fontKind = id == Word::froman ? 1 : id == Word::fmodern ? 3 : 2;
        } else if (id == Word::fcharset) {
            m_fontCharset = param;
        } else if (id == Word::cpg && param > 0) {
            m_fontCharset = -2;
            FontEntry e = m_fonts.value(m_fontEntry);
            e.codePage = param;
            m_fonts.insert(m_fontEntry, e);
        }
        return;
    }
    if (s.dest == Dest::ColorTable) {
        if (id == Word::red)
            m_red = param;
        else if (id == Word::green)
            m_green = param;
        else if (id == Word::blue)
            m_blue = param;
        return;
    }
    if (s.dest == Dest::Picture) {
        if (id == Word::pngblip)
            m_pict.kind = "png";
        else if (id == Word::jpegblip)
            m_pict.kind = "jpeg";
        else if (id == Word::emfblip)
            m_pict.kind = "emf";
        else if (id == Word::wmetafile)
            m_pict.kind = "wmf";
        else if (id == Word::dibitmap)
            m_pict.kind = "dib";
        else if (id == Word::wbitmap)
            m_pict.kind = "bmp-ddb";
        else if (id == Word::macpict || id == Word::pmmetafile)
            m_pict.kind = w.toByteArray();
        else if (id == Word::picw)
            m_pict.picw = param;
        else if (id == Word::pich)
            m_pict.pich = param;
        else if (id == Word::picwgoal)
            m_pict.goalw = param;
        else if (id == Word::pichgoal)
            m_pict.goalh = param;
        else if (id == Word::picscalex)
            m_pict.scalex = param;
        else if (id == Word::picscaley)
            m_pict.scaley = param;
        return;
    }

    // --- text and breaks
    if (id == Word::par || id == Word::sect) {
        if (!consumeSkip())
            endParagraph();
        return;
    }
    if (id == Word::u) {
        int v = param;
        if (v < 0)
            v += 65536;
        addChar(QChar(ushort(v)));
        m_skipChars = s.uc;
        return;
    }
    if (id == Word::uc) {
        s.uc = qBound(0, param, 10);
        return;
    }
    if (consumeSkip())
        return;
    if (id == Word::Special) {
        addChar(QChar(k.character));
        return;
    }
    if (id == Word::chpgn) {
        pageNumber(false);
        return;
    }
    if (id == Word::page) {
        flush();
        ensureContext();
        if (m_sink->cursor.block().length() > 1 && m_sink->tables.empty())
            endParagraph();
        m_sink->pageBreakNext = true;
        return;
    }
    if (id == Word::cell || id == Word::nestcell) {
        flush();
        const bool was = s.para.intbl;
        const int itap = s.para.itap;
        s.para.intbl = true;
        if (id == Word::nestcell)
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
    if (id == Word::row || id == Word::nestrow) {
        flush();
        endRow(id == Word::row ? 1 : qMax(2, paragraphLevel()));
        return;
    }

    // --- document and section
    if (id == Word::ansicpg) {
        if (param > 0)
            m_ansi = param;
        return;
    }
    if (id == Word::mac) {
        m_ansi = 10000;
        return;
    }
    if (id == Word::pc) {
        m_ansi = 437;
        return;
    }
    if (id == Word::pca) {
        m_ansi = 850;
        return;
    }
    if (id == Word::deff) {
        m_defaultFont = param;
        m_charFormats.clear();
        return;
    }
    PageSetup &pg = m_report.page;
    if (id == Word::paperw || id == Word::pgwsxn || id == Word::paperh || id == Word::pghsxn) {
        // paper under an inch holds no line of text: such a size is a mistake
        if (param < 1440) {
            skipped(QStringLiteral("a paper size smaller than an inch"));
            return;
        }
        (w.back() == 'w' || w[2] == 'w' ? pg.paperWidth : pg.paperHeight) = twips(param);
        pg.declared = true;
        return;
    }
    if (id == Word::margl || id == Word::marglsxn) {
        pg.marginLeft = qBound(0, param, maxTwips);
        return;
    }
    if (id == Word::margr || id == Word::margrsxn) {
        pg.marginRight = qBound(0, param, maxTwips);
        return;
    }
    if (id == Word::margt || id == Word::margtsxn) {
        pg.marginTop = qBound(0, param, maxTwips);
        return;
    }
    if (id == Word::margb || id == Word::margbsxn) {
        pg.marginBottom = qBound(0, param, maxTwips);
        return;
    }
    if (id == Word::landscape || id == Word::lndscpsxn) {
        pg.landscape = true;
        return;
    }
    if (id == Word::headery || id == Word::footery) {
        (w[0] == 'h' ? m_report.parts.headerY : m_report.parts.footerY) =
            qBound(0, param, 1440 * 10);
        return;
    }
    if (id == Word::titlepg) {
        m_titlePage = true;
        return;
    }

    // --- character formatting
    CharState &c = s.ch;
    if (id == Word::plain) {
        c = CharState();
        return;
    }
    if (id == Word::f) {
        c.font = param;
        return;
    }
    if (id == Word::fs) {
        if (param > 0)
            c.halfPoints = param;
        return;
    }
    if (id == Word::b) {
        c.bold = on;
        return;
    }
    if (id == Word::i) {
        c.italic = on;
        return;
    }
    if (id == Word::ul || id == Word::uld || id == Word::uldash || id == Word::uldashd ||
        id == Word::uldashdd || id == Word::uldb || id == Word::ulth || id == Word::ulw ||
        id == Word::ulwave) {
        c.underline = on;
        return;
    }
    if (id == Word::ulnone) {
        c.underline = false;
        return;
    }
    if (id == Word::strike || id == Word::striked) {
        c.strike = on;
        return;
    }
    if (id == Word::super) {
        c.vertical = 1;
        return;
    }
    if (id == Word::sub) {
        c.vertical = -1;
        return;
    }
    if (id == Word::nosupersub) {
        c.vertical = 0;
        return;
    }
    if (id == Word::up) {
        c.vertical = on ? 1 : 0;
        return;
    }
    if (id == Word::dn) {
        c.vertical = on ? -1 : 0;
        return;
    }
    if (id == Word::cf) {
        c.color = param;
        return;
    }
    if (id == Word::highlight || id == Word::cb || id == Word::chcbpat) {
        c.highlight = param;
        return;
    }
    if (id == Word::v) {
        c.hidden = on;
        return;
    }

    // --- paragraph formatting
    ParaState &p = s.para;
    if (id == Word::pard) {
        p = ParaState();
        return;
    }
    if (id == Word::ql) {
        p.align = 0;
        return;
    }
    if (id == Word::qc) {
        p.align = 1;
        return;
    }
    if (id == Word::qr) {
        p.align = 2;
        return;
    }
    if (id == Word::qj || id == Word::qd) {
        p.align = 3;
        return;
    }
    if (id == Word::li || id == Word::lin) {
        p.li = twips(param);
        return;
    }
    if (id == Word::ri || id == Word::rin) {
        p.ri = twips(param);
        return;
    }
    if (id == Word::fi) {
        p.fi = twips(param);
        return;
    }
    if (id == Word::sb) {
        p.sb = qBound(0, param, maxTwips);
        return;
    }
    if (id == Word::sa) {
        p.sa = qBound(0, param, maxTwips);
        return;
    }
    if (id == Word::sl) {
        p.sl = twips(param);
        return;
    }
    if (id == Word::slmult) {
        p.slMult = param == 1;
        return;
    }
    if (id == Word::intbl) {
        p.intbl = true;
        return;
    }
    if (id == Word::itap) {
        p.intbl = param > 0;
        p.itap = qBound(1, param, maxTableLevels);
        return;
    }
    if (id == Word::pagebb) {
        p.pageBreakBefore = on;
        return;
    }
    if (id == Word::tqr) {
        p.nextTabType = QTextOption::RightTab;
        return;
    }
    if (id == Word::tqc) {
        p.nextTabType = QTextOption::CenterTab;
        return;
    }
    if (id == Word::tqdec) {
        p.nextTabType = QTextOption::DelimiterTab;
        return;
    }
    if (id == Word::tx || id == Word::tb) {
        QTextOption::Tab tab(px(qBound(0, param, maxTwips)), p.nextTabType);
        if (tab.type == QTextOption::DelimiterTab)
            tab.delimiter = QLatin1Char('.');
        p.tabs << tab;
        p.nextTabType = QTextOption::LeftTab;
        return;
    }
    tableWord(w, k, param);
}

} // namespace vc::rtf
