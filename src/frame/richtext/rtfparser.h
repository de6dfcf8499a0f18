#pragma once

#include "richtext/rtfcodepage.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwordtable.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <array>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include <QTextBlock>
#include <QTextTable>

// The reader's inner parts, shared by its source files only.
namespace vc::rtf {

// Lengths in text formats are in 1/96 inch; rich text measures in twips.
constexpr double twipsPerPx = 15.0;
inline double px(int twips)
{
    return twips / twipsPerPx;
}

// Groups deeper than this share their parent's state; nobody writes such files,
// but a hostile one must not cost memory per level.
constexpr int maxStateDepth = 4096;

// Lengths beyond what a page can hold (200 inches) are a broken document's;
// clamped, their sums and differences cannot overflow.
constexpr int maxTwips = 1440 * 200;
inline int twips(int v)
{
    return qBound(-maxTwips, v, maxTwips);
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
        return font == o.font && halfPoints == o.halfPoints && bold == o.bold &&
               italic == o.italic && underline == o.underline && strike == o.strike &&
               hidden == o.hidden && vertical == o.vertical && color == o.color &&
               highlight == o.highlight;
    }
};

struct ParaState
{
    int align = 0; // 0 left, 1 centre, 2 right, 3 justify
    int li = 0, ri = 0, fi = 0, sb = 0, sa = 0, sl = 0;
    bool slMult = false;
    bool intbl = false;
    int itap = 1; // nesting level of a table paragraph
    bool pageBreakBefore = false;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;

    // the same paragraph format
    bool sameFormat(const ParaState &o) const
    {
        return align == o.align && li == o.li && ri == o.ri && fi == o.fi && sb == o.sb &&
               sa == o.sa && sl == o.sl && slMult == o.slMult &&
               pageBreakBefore == o.pageBreakBefore && tabs == o.tabs;
    }
};

enum class Dest { Normal, Skip, FontTable, ColorTable, Picture, Aside, Shape, FieldInstruction };

// Text kept outside the body: the pages' headers and footers (in the order
// of PageParts) and the notes.
enum Aside { HeaderAside, FooterAside, FirstHeaderAside, FirstFooterAside, NotesAside, AsideCount };

struct State
{
    CharState ch;
    ParaState para;
    Dest dest = Dest::Normal;
    int uc = 1;
    bool groupOwnsDest = false; // this group opened the picture or aside
    int aside = -1;
    bool pageField = false; // a page number field: its result is the number of each page
};

struct FontEntry
{
    QString name;
    QStringList families; // the name, and a stand-in of its kind where needed
    int codePage = 0;
    bool standIn = false;
};

// Tables nest this deep at most; deeper rows join their parent's cells.
constexpr int maxTableLevels = 8;
// Columns a table can have; a row with more cells keeps the rest in its last.
constexpr int maxColumns = 512;

struct CellDef
{
    int right = 0;
    int prefWidth = 0, prefKind = 0; // \\clwWidth in the unit of \\clftsWidth (2: 1/50 %, 3: twips)
    bool hMergeFirst = false, hMerge = false, vMergeFirst = false, vMerge = false;
    int shading = -1;
    std::array<int, 4> border{{0, 0, 0, 0}}; // top, left, bottom, right; width in twips, 0 none
};

// A row's definition: its cells' right borders and formats, as \\trowd starts it.
struct RowDef
{
    std::vector<CellDef> cells;
    int left = 0, gap = 108;
    int width = 0, widthKind = 0; // \\trwWidth in the unit of \\trftsWidth
};

struct TableBuild
{
    QTextTable *table = nullptr;
    int row = 0, col = 0;
    // Asking the table for its size or a cell rebuilds its grid after every
    // change, which made reading a long table quadratic: the table is made
    // with the rows counted ahead, more are appended in batches if the count
    // fell short, the spares removed at its end, and sizes counted here.
    int rows = 1, columns = 1;
    bool rowPending = false, needCursor = false;
    std::vector<RowDef> rowDefs;
};

struct Sink
{
    QTextDocument *doc = nullptr;
    QTextCursor cursor;
    std::vector<TableBuild> tables; // the open tables, outermost first
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
    void finishTable(Sink &sink); // every open table
    void closeTable(Sink &sink);  // the innermost
    void placeInCell(Sink &sink, TableBuild &t);
    void endRow(int level);
    int paragraphLevel() const;
    void layOutTable(TableBuild &t);
    int textWidth() const;
    bool layOutOnGrid(TableBuild &t);
    void formatCells(TableBuild &t, const std::vector<std::vector<std::pair<int, int>>> &spans);
    void applyBlockFormat();
    void insertPicture();
    void word(QByteArrayView w, const WordInfo &k, bool hasParam, int param);
    void tableWord(QByteArrayView w, const WordInfo &k, int param);
    void destination(QByteArrayView w, const WordInfo &k);
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
    int m_fontKind = 0;
    std::set<QString> m_unknownFonts;
    std::set<QString> m_fontNames; // lower case, until there are too many to show all
    bool m_checkFonts = false;
    void addFont();
    std::vector<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;

    Sink m_main;
    Sink *m_sink;
    struct AsideText
    {
        QTextDocument doc;
        Sink sink;
        bool used = false;
    };
    std::array<AsideText, AsideCount> m_asides;
    bool m_titlePage = false;
    void enterAside(int which);
    QByteArray m_fieldInstruction;
    void pageNumber(bool count);

    QString m_text;
    qint64 m_chars = 0;
    CharState m_textState;
    bool m_textStateSet = false;
    // Formats made for the character states met so far: Qt hashes a format
    // it is given each time unless it is the one it saw before.
    std::vector<std::pair<CharState, QTextCharFormat>> m_charFormats;
    std::vector<std::pair<ParaState, QTextBlockFormat>> m_blockFormats; // the same for paragraphs
    QTextBlockFormat blockFormat(const ParaState &p);
    uchar m_lead = 0;

    struct RowDefBuild
    {
        RowDef def;
        CellDef cell;
        bool open = false;
    };
    std::array<RowDefBuild, maxTableLevels + 1> m_rowDefs;
    RowDefBuild &rowDefBuild()
    {
        return m_rowDefs[size_t(qBound(1, paragraphLevel(), maxTableLevels))];
    }
    int m_borderSide = -1;
    qsizetype m_lookAhead = -1; // bytes left to read ahead for counting rows; -1 unset
    int rowsAhead(int columns);

    Picture m_pict;
    int m_pictDepth = -1;
    int m_imageCount = 0;
    bool m_shapePicture = false;
    bool m_blockDirty = false;
    std::set<QString> m_skippedKinds;
};

} // namespace vc::rtf
