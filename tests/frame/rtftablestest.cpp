// Tables as report writers write them, from our generator: cell widths in
// each unit, merged cells, nesting three deep and rows of 200 cells keep
// their columns. (scripts/compare-pages.sh sets their page counts beside
// LibreOffice's where it is installed.)
#include "datarows.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "rtfgenerator.h"

#include <QTest>
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

QTEST_MAIN(RtfTablesTest)
#include "rtftablestest.moc"
