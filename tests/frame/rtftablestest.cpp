// Tables as report writers write them, from our generator: cell widths in
// each unit, merged cells, nesting three deep and rows of 200 cells keep
// their columns. (scripts/compare-pages.sh sets their page counts beside
// LibreOffice's where it is installed.)
#include "datarows.h"
#include "richtext/cellformats.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "rtfgenerator.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using vc::test::RtfTableSpec;

namespace {

// The table and cell a word stands in, and how many tables enclose it.
struct Place
{
    QTextTable *table = nullptr;
    int row = -1, column = -1, columnSpan = 0, depth = 0;
};

Place placeOf(QTextDocument &doc, const QString &word)
{
    Place p;
    const QTextCursor c =
        doc.find(word, 0, QTextDocument::FindWholeWords | QTextDocument::FindCaseSensitively);
    if (c.isNull())
        return p;
    p.table = c.currentTable();
    if (!p.table)
        return p;
    const QTextTableCell cell = p.table->cellAt(c.selectionStart());
    p.row = cell.row();
    p.column = cell.column();
    p.columnSpan = cell.columnSpan();
    for (QTextFrame *f = p.table; f; f = f->parentFrame())
        p.depth += qobject_cast<QTextTable *>(f) ? 1 : 0;
    return p;
}

} // namespace

class RtfTablesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generatedTable_data() { vc::test::addRows(QStringLiteral("generatedtables.tsv")); }
    void generatedTable();
    void cellFormatsAsQtSetsThem_data();
    void cellFormatsAsQtSetsThem();
};

void RtfTablesTest::generatedTable()
{
    QFETCH(int, rows);
    QFETCH(int, cells);
    QFETCH(int, cellWidth);
    QFETCH(int, unit);
    QFETCH(int, mergeEvery);
    QFETCH(int, nesting);
    const RtfTableSpec spec{rows,       cells,  cellWidth, RtfTableSpec::Widths(unit),
                            mergeEvery, nesting};
    QTextDocument read, again;
    vc::RtfReader::read(vc::test::rtfTableDocument(spec), &read);
    // what is read writes and reads again with its columns, merges and nesting
    vc::RtfReader::read(vc::RtfWriter::write(&read), &again);
    for (QTextDocument *doc : {&read, &again}) {
        const char *pass = doc == &read ? "read" : "written and read again";
        const Place first = placeOf(*doc, QStringLiteral("L1r0c0"));
        QVERIFY2(first.table && first.depth == 1, pass);
        QTextTable *outer = first.table;
        QCOMPARE(outer->rows(), spec.rows);
        QCOMPARE(outer->columns(), spec.cells);
        const QList<QTextLength> widths = outer->format().columnWidthConstraints();
        QCOMPARE(widths.size(), spec.cells);
        for (const QTextLength &w : widths)
            QCOMPARE(w.rawValue(), spec.cellWidth / 15.0); // twips to the document's pixels
        for (int r = 0; r < spec.rows; ++r) {
            const bool merged = spec.mergeEvery > 0 && r % spec.mergeEvery == 0;
            for (int c = 0; c < spec.cells; ++c) {
                const QString word = QStringLiteral("L1r%1c%2").arg(r).arg(c);
                const Place p = placeOf(*doc, word);
                if (merged && c == 1) {
                    QVERIFY(!p.table);
                    continue;
                }
                QVERIFY2(p.table == outer && p.row == r && p.column == c, qPrintable(word));
                QCOMPARE(p.columnSpan, merged && c == 0 ? 2 : 1);
            }
            for (int level = 2; level <= spec.nesting; ++level)
                for (int c = 0; c < 2; ++c) {
                    const Place p = placeOf(*doc, QStringLiteral("L%1r1c%2").arg(level).arg(c));
                    QVERIFY2(p.table && p.depth == level && p.row == 1 && p.column == c,
                             qPrintable(QStringLiteral("%1: level %2 in row %3")
                                            .arg(QLatin1String(pass))
                                            .arg(level)
                                            .arg(r)));
                }
        }
        QVERIFY(doc->toPlainText().contains(QLatin1String("after the table")));
    }
}

// The formats set at once are those QTextTableCell::setFormat and
// QTextCursor::setBlockCharFormat set: the same entry of the document's
// formats, so that equal cells still share one.
void RtfTablesTest::cellFormatsAsQtSetsThem_data()
{
    QTest::addColumn<QTextCharFormat>("format");
    QTextTableCellFormat padded;
    padded.setLeftPadding(4.5);
    padded.setRightPadding(4.5);
    QTest::newRow("paddings") << QTextCharFormat(padded);
    QTextTableCellFormat shaded = padded;
    shaded.setBackground(QColor(220, 230, 240));
    shaded.setBottomBorder(1.5);
    shaded.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    shaded.setBottomBorderBrush(Qt::black);
    QTest::newRow("shading and a line") << QTextCharFormat(shaded);
    // as read from another table's cell: its object, its spans
    QTextCharFormat carried = shaded;
    carried.setObjectIndex(7);
    carried.setObjectType(QTextFormat::TableCellObject);
    carried.setTableCellRowSpan(2);
    QTest::newRow("another table's cell") << carried;
    QTextCharFormat text;
    text.setFontPointSize(9);
    text.setFontWeight(QFont::Bold);
    QTest::newRow("characters only") << text;
}

void RtfTablesTest::cellFormatsAsQtSetsThem()
{
    QFETCH(QTextCharFormat, format);
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("Before"));
    QTextTable *table = cursor.insertTable(2, 2);
    vc::CellFormats formats(table);
    table->cellAt(0, 0).setFormat(format);
    formats.set(table->cellAt(0, 1), format);
    QCOMPARE(table->cellAt(0, 1).tableCellFormatIndex(),
             table->cellAt(0, 0).tableCellFormatIndex());
    QCOMPARE(table->cellAt(0, 1).rowSpan(), 1);

    // a paragraph's character format: where a cell starts, the cell's
    QTextCursor(table->cellAt(1, 0).firstCursorPosition()).setBlockCharFormat(format);
    vc::BlockCharFormats blockFormats;
    blockFormats.set(table->cellAt(1, 1).firstCursorPosition().block(), format);
    QCOMPARE(table->cellAt(1, 1).tableCellFormatIndex(),
             table->cellAt(1, 0).tableCellFormatIndex());
    // one paragraph after the table, which starts with its end, and two more
    QTextCursor end(&doc);
    end.movePosition(QTextCursor::End);
    end.insertBlock();
    end.insertBlock();
    const QTextBlock afterTable = end.block().previous().previous(), second = afterTable.next();
    blockFormats.set(afterTable, format);
    QCOMPARE(afterTable.charFormat().objectIndex(), table->objectIndex());
    QTextCursor(second).setBlockCharFormat(format);
    blockFormats.set(end.block(), format);
    QCOMPARE(end.block().charFormatIndex(), second.charFormatIndex());
    QCOMPARE(table->rows(), 2); // the table as it was
}

QTEST_MAIN(RtfTablesTest)
#include "rtftablestest.moc"
