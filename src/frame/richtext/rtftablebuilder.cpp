#include "richtext/rtfparser.h"

#include <QTextTable>

// Tables: row definitions, cells and their merging.
namespace vc::rtf {

int Parser::paragraphLevel() const
{
    const ParaState &p = m_state.para;
    if (p.intbl)
        return qBound(1, p.itap, maxTableLevels);
    // some writers leave \intbl out and rely on the row being open
    return m_rowDefs[1].open ? 1 : 0;
}

namespace {

// Skips the group opening at `i` (just after its brace); returns where it ends.
qsizetype skipGroup(QByteArrayView in, qsizetype i)
{
    int depth = 1;
    while (i < in.size() && depth > 0) {
        const char c = in[i++];
        if (c == '\\')
            ++i;
        else if (c == '{')
            ++depth;
        else if (c == '}')
            --depth;
    }
    return i;
}

} // namespace

// The \row words ahead up to the first text outside a table: the rows of the
// table opening here, read cheaply from the bytes. A wrong count only costs
// time; reading ahead stops after twice the input, so it stays linear, and
// rows without the cells to fill them are not counted.
int Parser::rowsAhead(int columns)
{
    const QByteArrayView in(m_in);
    const qsizetype n = in.size();
    if (m_lookAhead < 0)
        m_lookAhead = 2 * n;
    bool intbl = m_state.para.intbl, open = m_rowDefs[1].open;
    std::vector<bool> outer; // intbl of the enclosing groups opened ahead
    size_t enclosing = m_stack.size();
    qint64 rows = 0, cells = 0;
    qsizetype i = m_pos;
    const qsizetype end = qMin(n, m_pos + m_lookAhead);
    while (i < end) {
        const char c = in[i++];
        bool text = false;
        if (c == '{') {
            if (in.sliced(i).startsWith("\\*") || in.sliced(i).startsWith("\\pict") ||
                in.sliced(i).startsWith("\\fldinst")) {
                i = skipGroup(in, i);
            } else if (outer.size() < size_t(maxStateDepth)) {
                outer.push_back(intbl);
            } else {
                break;
            }
        } else if (c == '}') {
            if (!outer.empty()) {
                intbl = outer.back();
                outer.pop_back();
            } else if (enclosing > 0) { // a group open where reading ahead started
                intbl = m_stack[--enclosing].para.intbl;
            } else {
                break;
            }
        } else if (c == '\\' && i < n) {
            const qsizetype start = i;
            while (i < n && ((in[i] >= 'a' && in[i] <= 'z') || (in[i] >= 'A' && in[i] <= 'Z')))
                ++i;
            if (i == start) { // a control symbol
                const char d = in[i++];
                text = d == '\'' || d == '~' || d == '_' || d == '\\' || d == '{' || d == '}' ||
                       d == '\r' || d == '\n';
            } else {
                const Word id = lookUpWord(in.sliced(start, i - start)).id;
                int param = 0;
                const bool negative = i < n && in[i] == '-';
                if (negative)
                    ++i;
                while (i < n && in[i] >= '0' && in[i] <= '9') {
                    param = qMin(param * 10 + (in[i] - '0'), 1 << 24);
                    ++i;
                }
                if (id == Word::row) {
                    ++rows;
                    open = false;
                } else if (id == Word::cell) {
                    ++cells;
                } else if (id == Word::trowd) {
                    open = true;
                } else if (id == Word::pard) {
                    intbl = false;
                } else if (id == Word::intbl) {
                    intbl = true;
                } else if (id == Word::itap) {
                    intbl = !negative && param > 0;
                } else if (id == Word::bin) {
                    i += negative ? 0 : param;
                } else if (id == Word::Destination) {
                    // its group is skipped: so is its text
                    i = skipGroup(in, i);
                    if (!outer.empty()) {
                        intbl = outer.back();
                        outer.pop_back();
                    }
                } else {
                    text = id == Word::par || id == Word::sect || id == Word::page ||
                           id == Word::u || id == Word::Special;
                }
            }
        } else if (c != '\r' && c != '\n') {
            text = true;
        }
        if (text && !intbl && !open)
            break;
    }
    m_lookAhead -= i - m_pos;
    return int(qBound(qint64(1), qMin(rows, 2 * cells / qMax(1, columns) + 1), qint64(1) << 20));
}

// Puts the cursor where the next text belongs: into the right cell of the
// table at the paragraph's nesting level, opening tables down to it, or after
// the tables the paragraph is no longer part of.
void Parser::ensureContext()
{
    Sink &s = *m_sink;
    const size_t level = size_t(paragraphLevel());
    while (s.tables.size() > level)
        closeTable(s);
    while (s.tables.size() < level) {
        if (!s.tables.empty())
            placeInCell(s, s.tables.back());
        if (s.cursor.block().length() > 1)
            s.cursor.insertBlock();
        const RowDef &def = m_rowDefs[s.tables.size() + 1].def;
        const int cols = int(qBound<size_t>(1, def.cells.size(), maxColumns));
        QTextTableFormat tf;
        tf.setCellPadding(0); // \trgaph pads left and right only: set per cell
        tf.setCellSpacing(0);
        tf.setBorder(0);
        tf.setBorderCollapse(true);
        TableBuild t;
        // Qt grows a table in steps and removes spare rows slowly: an outer
        // table is made with the rows it will have.
        t.rows = s.tables.empty() ? rowsAhead(cols) : 1;
        t.table = s.cursor.insertTable(t.rows, cols, tf);
        t.columns = cols;
        s.tables.push_back(t);
        ++m_report.tables;
    }
    if (!s.tables.empty())
        placeInCell(s, s.tables.back());
}

void Parser::placeInCell(Sink &s, TableBuild &t)
{
    if (t.rowPending) {
        if (++t.row >= t.rows) {
            const int more = qBound(1, t.rows / 2, 65536); // past the rows counted ahead
            t.table->appendRows(more);
            t.rows += more;
        }
        t.col = 0;
        t.rowPending = false;
        t.needCursor = true;
    }
    if (t.col >= t.columns) {
        if (t.col >= maxColumns) { // a row that never ends: keep its text in the last cell
            t.col = t.columns - 1;
        } else {
            t.table->appendColumns(t.col - t.columns + 1);
            t.columns = t.col + 1;
        }
        t.needCursor = true;
    }
    if (t.needCursor) {
        // At the end of what the cell holds (after a table nested in it). The
        // cells after it are still empty, one position each, up to the table's end.
        const int emptyAfter = (t.rows - 1 - t.row) * t.columns + (t.columns - 1 - t.col);
        s.cursor.setPosition(t.table->lastPosition() - emptyAfter);
        t.needCursor = false;
    }
}

// \row ends a row of the outermost table, \nestrow one of a nested table;
// the row takes the definition given for its level.
void Parser::endRow(int level)
{
    Sink &s = *m_sink;
    level = qBound(1, level, maxTableLevels);
    while (s.tables.size() > size_t(level))
        closeTable(s);
    RowDefBuild &b = m_rowDefs[size_t(level)];
    b.open = false;
    if (s.tables.size() != size_t(level))
        return;
    TableBuild &t = s.tables.back();
    if (t.rowDefs.size() <= size_t(t.row))
        t.rowDefs.resize(size_t(t.row) + 1);
    t.rowDefs[size_t(t.row)] = b.def;
    const int cells = int(qMin<size_t>(b.def.cells.size(), maxColumns));
    if (cells > t.columns) {
        t.table->appendColumns(cells - t.columns);
        t.columns = cells;
    }
    t.rowPending = true;
    t.needCursor = true;
}

void Parser::finishTable(Sink &s)
{
    while (!s.tables.empty())
        closeTable(s);
}

void Parser::closeTable(Sink &s)
{
    TableBuild &t = s.tables.back();
    if (t.rows > t.row + 1)
        t.table->removeRows(t.row + 1, t.rows - t.row - 1);
    t.rows = t.row + 1;
    layOutTable(t);
    s.cursor = t.table->lastCursorPosition();
    s.cursor.movePosition(QTextCursor::NextBlock);
    s.tables.pop_back();
    if (!s.tables.empty())
        s.tables.back().needCursor = false; // the cursor stays in the cell, after the table
}

void Parser::tableWord(QByteArrayView w, const WordInfo &k, int param)
{
    const Word id = k.id;
    RowDefBuild &b = rowDefBuild();
    if (id == Word::trowd) {
        const int gap = b.def.gap;
        b = RowDefBuild();
        b.def.gap = gap;
        b.open = true;
        return;
    }
    if (id == Word::trgaph) {
        b.def.gap = qBound(0, param, 1440);
        return;
    }
    if (id == Word::trleft) {
        b.def.left = twips(param);
        return;
    }
    if (id == Word::cellx) {
        b.cell.right = twips(param);
        if (b.def.cells.size() < size_t(maxColumns))
            b.def.cells.push_back(b.cell);
        b.cell = CellDef();
        m_borderSide = -1;
        return;
    }
    if (id == Word::clwWidth) {
        b.cell.prefWidth = qBound(0, param, maxTwips);
        return;
    }
    if (id == Word::clftsWidth) {
        b.cell.prefKind = param;
        return;
    }
    if (id == Word::trwWidth) {
        b.def.width = qBound(0, param, maxTwips);
        return;
    }
    if (id == Word::trftsWidth) {
        b.def.widthKind = param;
        return;
    }
    if (id == Word::clmgf) {
        b.cell.hMergeFirst = true;
        return;
    }
    if (id == Word::clmrg) {
        b.cell.hMerge = true;
        return;
    }
    if (id == Word::clvmgf) {
        b.cell.vMergeFirst = true;
        return;
    }
    if (id == Word::clvmrg) {
        b.cell.vMerge = true;
        return;
    }
    if (id == Word::clcbpat) {
        b.cell.shading = param;
        return;
    }
    if (id == Word::clbrdrt) {
        m_borderSide = 0;
        return;
    }
    if (id == Word::clbrdrl) {
        m_borderSide = 1;
        return;
    }
    if (id == Word::clbrdrb) {
        m_borderSide = 2;
        return;
    }
    if (id == Word::clbrdrr) {
        m_borderSide = 3;
        return;
    }
    if (id == Word::brdrnone || id == Word::brdrnil) {
        if (m_borderSide >= 0)
            b.cell.border[m_borderSide] = 0;
        return;
    }
    if (id == Word::brdrw) {
        if (m_borderSide >= 0)
            b.cell.border[m_borderSide] = qBound(1, param, 200);
        return;
    }
    if (w.startsWith("brdr") && m_borderSide >= 0) {
        if (b.cell.border[m_borderSide] == 0)
            b.cell.border[m_borderSide] = 10;
        return;
    }
    if (w.startsWith("trbrdr") || w.startsWith("brdr") || id == Word::box) {
        m_borderSide = -1;
        return;
    }
}

} // namespace vc::rtf
