// The basket print-out on the CUPS test queue (scripts/cups-start.sh), read
// back as PDF text: 40 lines run on to a second page under the header again.
#include "basketprint.h"
#include "easyprint.h"
#include "print/printer.h"
#include "readback.h"

#include <QRegularExpression>
#include <QtTest>

using namespace vc;

class BasketPrintTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fortyLinesOnTwoPages()
    {
        test::useTestCups();
        const QSet<QString> before = test::keptJobs();
        std::vector<BasketRow> rows;
        for (int i = 1; i <= 40; ++i)
            rows.push_back({QString::number(i % 4 + 1),
                            QStringLiteral("43%1").arg(i, 5, 10, QLatin1Char('0')),
                            QStringLiteral("Article line %1 of the offer").arg(i)});
        QVERIFY2(Printer::setCurrent(test::testQueue()),
                 "the CUPS test queue is missing; run scripts/cups-start.sh");
        EasyPrint out;
        QVERIFY(BasketPrint::print(out, {"Qty", "Article no.", "Description", "Remarks"}, rows));
        QCOMPARE(BasketPrint::rowsPerPage(297), 23);

        const QString job = test::newJobs(before).value(0);
        QVERIFY2(!job.isEmpty(), "CUPS kept no job file");
        QCOMPARE(test::pdfPages(job), 2);
        const QStringList texts = test::pdfText(job, true).split(QLatin1Char('\f'));
        QVERIFY(texts.size() >= 2);
        for (int page = 0; page < 2; ++page)
            QVERIFY2(texts[page].contains(
                         QRegularExpression(QStringLiteral("Qty\\s+Article no\\.\\s+Description"))),
                     qPrintable(texts[page]));
        // Every line once, the first 23 on page 1, the rest on page 2, in order.
        for (int i = 1; i <= 40; ++i) {
            const QString &page = texts[i <= 23 ? 0 : 1];
            const QRegularExpression line(
                QStringLiteral("%1\\s+43%2\\s+Article line %3 of the offer")
                    .arg(i % 4 + 1)
                    .arg(i, 5, 10, QLatin1Char('0'))
                    .arg(i));
            QVERIFY2(page.contains(line), qPrintable(QString::number(i)));
        }
    }
};

QTEST_MAIN(BasketPrintTest)
#include "basketprinttest.moc"
