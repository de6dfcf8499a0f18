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
        t.table = s.cursor.insertTable(1, cols, tf);
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
            const int more = qBound(1, t.rows, 65536);
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
