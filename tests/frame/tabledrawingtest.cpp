// Tables the pager draws itself come out as the text layout draws them: the
// same pixels, whichever of the two draws a table's text, its backgrounds or
// its lines.
#include "richtext/collapsedborders.h"
#include "richtext/richtextpager.h"
#include "richtext/rtfreader.h"
#include "rtfgenerator.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTextBlock>
#include <QTextTable>

using vc::test::rtfTableRow;

namespace {

QImage blankPage(QSize size, int dpi)
{
    QImage page(size, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(Qt::white);
    return page;
}

} // namespace

class TableDrawingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void asTheLayoutDraws_data();
    void asTheLayoutDraws();
};

void TableDrawingTest::asTheLayoutDraws_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<int>("dpi");
    const QByteArray under = "\\clbrdrb\\brdrs\\brdrw15";
    const QByteArray lines = rtfTableRow("\\clcbpat2\\clbrdrb\\brdrs\\brdrw45", 3, "Model") +
                             rtfTableRow(under, 3, "two\\line lines") + rtfTableRow(under, 3);
    for (int dpi : {96, 300, 600}) {
        QTest::addRow("grey head, lines under the rows, %d dpi", dpi) << lines << dpi;
        QTest::addRow("lines of two colours and widths meeting, %d dpi", dpi)
            << "\\trowd\\clbrdrt\\brdrs\\brdrw30\\brdrcf3\\clbrdrr\\brdrs\\brdrw30\\cellx1500"
               "\\clbrdrt\\brdrs\\brdrw30\\clbrdrr\\brdrs\\brdrw60\\brdrcf3\\cellx3000\\cellx4500"
               "\\pard\\intbl a\\cell b\\cell c\\cell\\row\n" +
                   rtfTableRow("\\clbrdrb\\brdrs\\brdrw30", 3)
            << dpi;
        QTest::addRow("cells set in the middle and at the foot of a tall row, %d dpi", dpi)
            << QByteArray(
                   "\\trowd\\clbrdrb\\brdrs\\brdrw15\\cellx1500\\clvertalc\\clbrdrb\\brdrs\\brdrw15"
                   "\\cellx3000\\clvertalb\\clbrdrb\\brdrs\\brdrw15\\cellx4500"
                   "\\pard\\intbl one\\line two\\line three\\cell middle\\cell foot\\cell\\row\n")
            << dpi;
        QTest::addRow("merged across and down, %d dpi", dpi)
            << "\\trowd\\clmgf" + under + "\\cellx1500\\clmrg" + under + "\\cellx3000\\clvmgf" +
                   under + "\\cellx4500\\pard\\intbl a\\cell b\\cell c\\cell\\row\n" + "\\trowd" +
                   under + "\\cellx1500" + under + "\\cellx3000\\clvmrg" + under +
                   "\\cellx4500\\pard\\intbl d\\cell e\\cell\\cell\\row\n"
            << dpi;
    }
    // the layout draws these, the solid lines lifted from their cells drawn after
    QTest::newRow("a dotted line among solid ones")
        << rtfTableRow("\\clbrdrb\\brdrdot\\brdrw15", 1) + rtfTableRow(under, 3) << 300;
    QTest::newRow("a table in a cell")
        << "\\trowd" + under + "\\cellx3000" + under +
               "\\cellx4500\\pard\\intbl\\itap2 in\\nestcell{\\*\\nesttableprops\\trowd" + under +
               "\\cellx1000\\nestrow}\\pard\\intbl\\itap1\\cell b\\cell\\row\n" +
               rtfTableRow(under, 2)
        << 300;
    QTest::newRow("a boxed table keeps its borders collapsed")
        << rtfTableRow("\\clbrdrl\\brdrs\\brdrw15\\clbrdrr\\brdrs\\brdrw15\\clbrdrb\\brdrs", 2)
        << 300;
}

void TableDrawingTest::asTheLayoutDraws()
{
    QFETCH(QByteArray, table);
    QFETCH(int, dpi);
    const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                           "{\\colortbl;\\red0\\green0\\blue0;\\red220\\green220\\blue220;"
                           "\\red200\\green0\\blue0;}\\fs20 Above\\par\n" +
                           table + "\\pard Below\\par}";
    const double width = 5000.0 * dpi / 1440;

    // the layout drawing the whole document, its borders settled the same way
    QTextDocument whole;
    vc::RtfReader::read(rtf, &whole);
    QImage device = blankPage(QSize(1, 1), dpi);
    whole.documentLayout()->setPaintDevice(&device);
    vc::CollapsedBorders::separate(whole, dpi);
    whole.setDocumentMargin(0);
    whole.setTextWidth(width);
    // both drawn moved, as a page moves what it prints
    const QPoint moved(7, 11);
    QImage expected = blankPage(whole.size().toSize() + QSize(moved.x(), moved.y() + 1), dpi);
    {
        QPainter p(&expected);
        p.translate(moved);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.palette.setColor(QPalette::Text, Qt::black);
        whole.documentLayout()->draw(&p, ctx);
    }

    // the pager drawing the same document, the tables it can by itself
    QTextDocument source;
    vc::RtfReader::read(rtf, &source);
    const std::vector<int> starts = vc::test::blockStarts(source);
    vc::RichTextPager pager(source, starts, dpi, dpi, width);
    size_t slices = 0;
    while (pager.slice(slices))
        ++slices;
    QCOMPARE(pager.slice(0)->top, 0.0);
    QImage drawn = blankPage(expected.size(), dpi);
    {
        QPainter p(&drawn);
        p.translate(moved);
        pager.draw(&p, 0, slices);
    }

    int dark = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            dark += qGray(expected.pixel(x, y)) < 128;
            if (drawn.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, the layout drew %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(drawn.pixel(x, y), 0, 16)
                                     .arg(expected.pixel(x, y), 0, 16)));
        }
    QVERIFY(dark > 100); // something was drawn
}

QTEST_MAIN(TableDrawingTest)
#include "tabledrawingtest.moc"
