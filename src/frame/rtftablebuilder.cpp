#include "rtfparser.h"

#include <QTextTable>

// Tables: row definitions, cells and their merging.
namespace vc::rtf {

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
            if (d.shading > 0 && size_t(d.shading) < m_colors.size() &&
                m_colors[d.shading].isValid()) {
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
            while (r + span < rows && size_t(r + span) < t.rowDefs.size() &&
                   size_t(c) < t.rowDefs[r + span].size() && t.rowDefs[r + span][c].vMerge &&
                   !t.rowDefs[r + span][c].hMergeFirst)
                ++span;
            if (span > 1 && table->cellAt(r, c).columnSpan() == 1)
                table->mergeCells(r, c, span, 1);
        }
    }
    s.cursor = table->lastCursorPosition();
    s.cursor.movePosition(QTextCursor::NextBlock);
    t = TableBuild();
}

void Parser::tableWord(QByteArrayView w, int param)
{
    if (w == "trowd") {
        m_rowOpen = true;
        m_rowDef.clear();
        m_cellDef = CellDef();
        m_rowLeft = 0;
        return;
    }
    if (w == "trgaph") {
        m_rowGap = qBound(0, param, 1440);
        return;
    }
    if (w == "trleft") {
        m_rowLeft = twips(param);
        return;
    }
    if (w == "cellx") {
        m_cellDef.right = twips(param);
        if (m_rowDef.size() < 256)
            m_rowDef.push_back(m_cellDef);
        m_cellDef = CellDef();
        m_borderSide = -1;
        return;
    }
    if (w == "clmgf") {
        m_cellDef.hMergeFirst = true;
        return;
    }
    if (w == "clmrg") {
        m_cellDef.hMerge = true;
        return;
    }
    if (w == "clvmgf") {
        m_cellDef.vMergeFirst = true;
        return;
    }
    if (w == "clvmrg") {
        m_cellDef.vMerge = true;
        return;
    }
    if (w == "clcbpat") {
        m_cellDef.shading = param;
        return;
    }
    if (w == "clbrdrt") {
        m_borderSide = 0;
        return;
    }
    if (w == "clbrdrl") {
        m_borderSide = 1;
        return;
    }
    if (w == "clbrdrb") {
        m_borderSide = 2;
        return;
    }
    if (w == "clbrdrr") {
        m_borderSide = 3;
        return;
    }
    if (w == "brdrnone" || w == "brdrnil") {
        if (m_borderSide >= 0)
            m_cellDef.border[m_borderSide] = 0;
        return;
    }
    if (w == "brdrw") {
        if (m_borderSide >= 0)
            m_cellDef.border[m_borderSide] = qBound(1, param, 200);
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

} // namespace vc::rtf
