// Tables with collapsed borders, separated for fast printing, keep every
// paragraph where the layout put it and print their lines where they were.
#include "richtext/collapsedborders.h"
#include "richtext/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

namespace {

constexpr int kDpi = 600;

// One table row: cell definitions (borders before each \cellx) and texts.
QByteArray row(const QByteArray &defs, int cells, const QByteArray &text = "x")
{
    QByteArray r = "\\trowd\\trgaph70" + defs;
    for (int c = 0; c < cells; ++c)
        r += "\\pard\\intbl " + text + " " + QByteArray::number(c) + "\\cell ";
    return r + "\\row\n";
}

struct Laid
{
    QTextDocument doc;
    QImage device{1, 1, QImage::Format_ARGB32};
    QImage page;
    Laid(const QByteArray &rtf, bool separate, bool *separated)
    {
        device.setDotsPerMeterX(qRound(kDpi / 0.0254));
        device.setDotsPerMeterY(qRound(kDpi / 0.0254));
        vc::RtfReader::read(rtf, &doc);
        doc.documentLayout()->setPaintDevice(&device);
        if (separate)
            *separated = vc::CollapsedBorders::separate(
                qobject_cast<QTextTable *>(doc.rootFrame()->childFrames().value(0)), kDpi);
        doc.setDocumentMargin(0);
        doc.setTextWidth(5 * kDpi);
        page = QImage(doc.size().toSize(), QImage::Format_Grayscale8);
        page.fill(Qt::white);
        QPainter p(&page);
        doc.documentLayout()->draw(&p, {});
    }
};

} // namespace

class CollapsedBordersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameLayout_data();
    void sameLayout();
};

void CollapsedBordersTest::sameLayout_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<bool>("separated");
    const QByteArray under = "\\clbrdrb\\brdrs\\brdrw15";
    QTest::newRow("lines under the rows, a heavier one under the head")
        << row("\\clbrdrb\\brdrs\\brdrw45\\cellx2000\\clbrdrb\\brdrs\\brdrw45\\cellx4000", 2) +
               row(under + "\\cellx2000" + under + "\\cellx4000", 2, "two\\line lines") +
               row(under + "\\cellx2000" + under + "\\cellx4000", 2)
        << true;
    QTest::newRow("lines over and under, between the columns")
        << row("\\clbrdrt\\brdrs\\brdrw30\\clbrdrr\\brdrs\\brdrw15\\cellx1500"
               "\\clbrdrt\\brdrs\\brdrw30\\clbrdrl\\brdrs\\brdrw15\\cellx3000\\cellx4500",
               3) +
               row("\\clbrdrb\\brdrs\\brdrw30\\cellx1500\\clbrdrb\\brdrs\\brdrw30\\cellx3000"
                   "\\clbrdrb\\brdrs\\brdrw30\\cellx4500",
                   3)
        << true;
    QTest::newRow("merged cells over single ones")
        << row("\\clmgf" + under + "\\cellx1500\\clmrg" + under + "\\cellx3000" + under +
                   "\\cellx4500",
               3) +
               row(under + "\\cellx1500" + under + "\\cellx3000" + under + "\\cellx4500", 3)
        << true;
    QTest::newRow("a boxed table is left to the layout")
        << row("\\clbrdrl\\brdrs\\brdrw15\\cellx2000\\clbrdrr\\brdrs\\brdrw15\\cellx4000", 2)
        << false;
}

void CollapsedBordersTest::sameLayout()
{
    QFETCH(QByteArray, table);
    QFETCH(bool, separated);
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\fs20 Above\\par\n" + table +
        "\\pard Below\\par}";
    bool done = !separated;
    Laid before(rtf, false, nullptr), after(rtf, true, &done);
    QCOMPARE(done, separated);
    QCOMPARE(after.doc.size(), before.doc.size());
    QTextBlock a = after.doc.begin();
    for (QTextBlock b = before.doc.begin(); b.isValid(); b = b.next(), a = a.next())
        QCOMPARE(after.doc.documentLayout()->blockBoundingRect(a),
                 before.doc.documentLayout()->blockBoundingRect(b));
    // every line still printed, where it was to a pixel or two
    int dark[2] = {0, 0}, apart = 0;
    for (int y = 0; y < before.page.height(); ++y) {
        const uchar *p = before.page.constScanLine(y), *q = after.page.constScanLine(y);
        for (int x = 0; x < before.page.width(); ++x) {
            dark[0] += p[x] < 128;
            dark[1] += q[x] < 128;
            apart += (p[x] < 128) != (q[x] < 128);
        }
    }
    QVERIFY2(qAbs(dark[0] - dark[1]) <= dark[0] / 20 && apart <= dark[0] / 10,
             qPrintable(QStringLiteral("%1 dark pixels, %2 after, %3 apart")
                            .arg(dark[0])
                            .arg(dark[1])
                            .arg(apart)));
}

QTEST_MAIN(CollapsedBordersTest)
#include "collapsedborderstest.moc"
