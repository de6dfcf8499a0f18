// Tables with collapsed borders, separated for fast printing, keep every
// paragraph where the layout put it and print their lines where they were.
#include "richtext/collapsedborders.h"
#include "richtext/rtfreader.h"
#include "rtfgenerator.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTextBlock>
#include <QTextTable>

using vc::test::rtfTableRow;

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
        << rtfTableRow("\\clbrdrb\\brdrs\\brdrw45", 2) + rtfTableRow(under, 2, "two\\line lines") +
               rtfTableRow(under, 2)
        << true;
    QTest::newRow("lines over and under, between the columns")
        << "\\trowd\\clbrdrt\\brdrs\\brdrw30\\clbrdrr\\brdrs\\brdrw15\\cellx1500"
           "\\clbrdrt\\brdrs\\brdrw30\\clbrdrl\\brdrs\\brdrw15\\cellx3000\\cellx4500"
           "\\pard\\intbl a\\cell b\\cell c\\cell\\row\n" +
               rtfTableRow("\\clbrdrb\\brdrs\\brdrw30", 3)
        << true;
    QTest::newRow("merged cells over single ones")
        << "\\trowd\\clmgf" + under + "\\cellx1500\\clmrg" + under + "\\cellx3000" + under +
               "\\cellx4500\\pard\\intbl a\\cell b\\cell c\\cell\\row\n" + rtfTableRow(under, 3)
        << true;
    QTest::newRow("a boxed table is left to the layout")
        << rtfTableRow("\\clbrdrl\\brdrs\\brdrw15\\clbrdrr\\brdrs\\brdrw15", 2) << false;
}

void CollapsedBordersTest::sameLayout()
{
    QFETCH(QByteArray, table);
    QFETCH(bool, separated);
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\fs20 Above\\par\n" + table +
        "\\pard Below\\par}";
    QImage device(1, 1, QImage::Format_ARGB32);
    device.setDotsPerMeterX(qRound(600 / 0.0254));
    device.setDotsPerMeterY(qRound(600 / 0.0254));
    QTextDocument docs[2];
    QImage pages[2];
    for (int i = 0; i < 2; ++i) {
        vc::RtfReader::read(rtf, &docs[i]);
        docs[i].documentLayout()->setPaintDevice(&device);
        auto *t = qobject_cast<QTextTable *>(docs[i].rootFrame()->childFrames().value(0));
        if (i == 1)
            QCOMPARE(vc::CollapsedBorders::separate(t, 600), separated);
        docs[i].setDocumentMargin(0);
        docs[i].setTextWidth(3000);
        pages[i] = QImage(docs[i].size().toSize(), QImage::Format_Grayscale8);
        pages[i].fill(Qt::white);
        QPainter p(&pages[i]);
        docs[i].documentLayout()->draw(&p, {});
    }
    QCOMPARE(docs[1].size(), docs[0].size());
    for (QTextBlock a = docs[0].begin(), b = docs[1].begin(); a.isValid();
         a = a.next(), b = b.next())
        QCOMPARE(docs[1].documentLayout()->blockBoundingRect(b),
                 docs[0].documentLayout()->blockBoundingRect(a));
    // every line still printed, where it was to a pixel or two
    int dark = 0, apart = 0;
    for (int y = 0; y < pages[0].height(); ++y)
        for (int x = 0; x < pages[0].width(); ++x) {
            const bool was = qGray(pages[0].pixel(x, y)) < 128;
            dark += was;
            apart += was != (qGray(pages[1].pixel(x, y)) < 128);
        }
    QVERIFY2(apart <= dark / 10, qPrintable(QStringLiteral("%1 of %2").arg(apart).arg(dark)));
}

QTEST_MAIN(CollapsedBordersTest)
#include "collapsedborderstest.moc"
