#pragma once

#include <QByteArray>

#include <vector>

class QTextDocument;

namespace vc::test {

// Rich text as report writers write it, made here so tests and benchmarks
// know exactly what is in it. Every cell holds one word naming its place:
// "L<level>r<row>c<cell>" (level 1 the outermost table).
struct RtfTableSpec
{
    enum class Widths { Cellx, Twips, Percent, NoCellx };
    int rows = 3;
    int cells = 4;        // cells per row
    int cellWidth = 1800; // twips
    Widths widths = Widths::Cellx;
    int mergeEvery = 0; // every n-th row has its first two cells merged (\clmgf/\clmrg)
    int nesting = 1;    // levels of tables in the first cell of each row (1: none)
    int tallLines = 0;  // lines of the first row's last cell
};
QByteArray rtfTableDocument(const RtfTableSpec &spec);

// Where each paragraph of a document starts, as a field numbers them.
std::vector<int> blockStarts(const QTextDocument &doc);

// One table row of `cells` cells 1500 twips wide, each defined by `def` (its
// border and shading words) and holding `text`.
QByteArray rtfTableRow(const QByteArray &def, int cells, const QByteArray &text = "x");

// A long report: headings, justified paragraphs and value tables, about
// `pages` pages of A4.
QByteArray rtfLongDocument(int pages);

// A report as report writers export it: a title, a few paragraphs and one
// long table whose every row repeats its full definition (borders, shading,
// widths) and every cell its full character format. 600 rows make about 21
// pages of A4 and 340 KB.
QByteArray rtfLongTableReport(int rows = 600);

// Documents of about `bytes` bytes that once grew faster than linearly: one
// paragraph of numbered words ("w1 w2 ..."), the same words in the first
// cell of a two-cell table row, and a broken file of unclosed groups, stray
// control words and binary noise.
// One long paragraph, one long cell, a broken file, or a table of many short rows.
enum class RtfBulk { Paragraph, Cell, Malformed, Rows };
QByteArray rtfBulkDocument(RtfBulk kind, int bytes);

} // namespace vc::test
