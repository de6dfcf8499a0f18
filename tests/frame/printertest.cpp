// The printer layer on the system's CUPS queues (scripts/cups-start.sh starts ours)
// and on the "PDF file" printer, checked with poppler's pdfinfo and pdftotext.
#include "print/printer.h"
#include "datarows.h"
#include "readback.h"
#include "rtfgenerator.h"
#include "testsupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using vc::Printer;
using vc::PrinterInfo;
using namespace vc::test;

namespace {

// print-rtf of a rich text into a PDF in dir; the PDF's path, empty where it failed.
QString printedPdf(const QTemporaryDir &dir, const QByteArray &rtf)
{
    const QString in = dir.filePath(QStringLiteral("in.rtf")),
                  out = dir.filePath(QStringLiteral("out.pdf"));
    const bool ok =
        writeFile(in, rtf) &&
        runCli({QStringLiteral("print-rtf"), in, QStringLiteral("--pdf"), out}).status == 0;
    return ok ? out : QString();
}

} // namespace

class PrinterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useTestCups(); }

    void installedPrintersComeFromCups()
    {
        const QList<PrinterInfo> list = vc::SystemPrinterList().installed();
        QVERIFY2(!list.isEmpty(), "no printers at all");
        QCOMPARE(list.last().deviceName, QStringLiteral("PDF file"));
        QStringList names;
        for (const PrinterInfo &p : list)
            names << p.deviceName;
        QVERIFY2(names.contains(testQueue()),
                 qPrintable(QStringLiteral("%1 missing from %2; run scripts/cups-start.sh")
                                .arg(testQueue(), names.join(u','))));
        const PrinterInfo cupsPdf = list.at(names.indexOf(testQueue()));
        QVERIFY(!cupsPdf.driverName.isEmpty());
        // the system's order: as CUPS lists its queues
        QStringList lpstat = run(QStringLiteral("lpstat"), {QStringLiteral("-e")})
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        names.removeLast();
        QCOMPARE(names, lpstat);
    }

    // A print run that names its printer does not ask the print system for
    // the default one; going back afterwards finds the default then.
    void choosingAPrinterLeavesTheDefaultAlone()
    {
        struct Counting : vc::ScriptedPrinterList
        {
            using ScriptedPrinterList::ScriptedPrinterList;
            mutable int asked = 0;
            QString defaultName() const override
            {
                ++asked;
                return ScriptedPrinterList::defaultName();
            }
        };
        const PrinterInfo office{QStringLiteral("Office"), QStringLiteral("PS")};
        Counting list({office, vc::PrinterList::pdfFile()}, office.deviceName);
        Printer::setPrinters(&list);
        QVERIFY(Printer::setCurrent(vc::PrinterList::pdfFileName()));
        QCOMPARE(Printer::current().deviceName(), vc::PrinterList::pdfFileName());
        QCOMPARE(list.asked, 0);
        QVERIFY(Printer::restorePrevious());
        QCOMPARE(Printer::current().deviceName(), office.deviceName);
        QCOMPARE(list.asked, 1);
        QVERIFY(!Printer::restorePrevious()); // once
        Printer::setPrinters(nullptr);
    }

    void unitsAndMeasures()
    {
        Printer p(vc::PrinterList::pdfFile());
        p.setPaperSize(9);
        p.setScaleMode(Printer::Unit::Twips);
        QCOMPARE(p.deviceCaps(Printer::LogPixelsX), p.resolution());
        QVERIFY(qAbs(p.scaleWidth() - 11906) < 10); // A4 without unprintable border
        p.setFontName(QStringLiteral("Arial"));
        p.setFontSize(11);
        const double twips = p.textWidth(QStringLiteral("Seite 12"));
        QVERIFY(twips > 500 && twips < 1000); // about 0.4 inch at 11 points
        p.setScaleMode(Printer::Unit::Millimetres);
        QVERIFY(qAbs(p.scaleWidth() - 210) < 0.5);
        QVERIFY(qAbs(p.textWidth(QStringLiteral("Seite 12")) - twips * 25.4 / 1440) < 0.01);
        QVERIFY(qAbs(p.textHeight(QStringLiteral("a\nb")) - 2 * p.textHeight(QStringLiteral("a"))) <
                0.01);
        QVERIFY(!p.setFontName(QString()));
        QCOMPARE(p.fontName(), QStringLiteral("Arial"));
        QVERIFY(p.fontCount() > 0 && !p.fontAt(0).isEmpty());
        p.setOrientation(2);
        QVERIFY(qAbs(p.scaleWidth() - 297) < 0.5);
    }

    void pdfFilePrinterDrawsPages()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("basket.pdf"));
        Printer::setPdfOutputPath(out);
        Printer p(vc::PrinterList::pdfFile());
        p.setPaperSize(9);
        p.setScaleMode(Printer::Unit::Millimetres);
        p.setFontName(QStringLiteral("Liberation Sans"));
        p.setFontSize(12);
        p.setCurrentX(20);
        p.setCurrentY(20);
        p.print(QStringLiteral("Steam humidifier offer"));
        QVERIFY2(p.currentX() == 0 && p.currentY() > 20 && p.page() == 1,
                 qPrintable(p.errorText()));
        p.box(20, 40, 100, 30);
        p.line(20, 80, 120, 80);
        p.arc(70, 120, 20, 0, M_PI / 2);
        QImage img(20, 10, QImage::Format_RGB32);
        img.fill(Qt::blue);
        p.picture(img, 20, 150, 40, 20);
        QVERIFY(p.newPage());
        QCOMPARE(p.page(), 2);
        p.print(QStringLiteral("Second sheet"));
        QVERIFY(!QFile::exists(out)); // nothing before the job ends
        QVERIFY2(p.endDoc(), qPrintable(p.errorText()));
        QCOMPARE(pdfPages(out), 2);
        const QRegularExpressionMatch size = // A4
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                .match(run(QStringLiteral("pdfinfo"), {out}));
        QVERIFY(qAbs(size.captured(1).toDouble() - 595.3) < 1.5 &&
                qAbs(size.captured(2).toDouble() - 841.9) < 1.5);
        const QString text = pdfText(out, true);
        QVERIFY(text.contains("Steam humidifier offer") && text.contains("Second sheet"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("basket.pdf")});
    }

    // A PDF that cannot be written, or a job abandoned, leaves no file.
    void noFileWithoutAFinishedJob()
    {
        const QString unwritable = QStringLiteral("/nonexistent-folder/out.pdf");
        Printer::setPdfOutputPath(unwritable);
        Printer p(vc::PrinterList::pdfFile());
        QVERIFY(!p.painter() && p.errorText().contains(unwritable));
        p.print(QStringLiteral("ignored")); // output without a job does nothing
        QVERIFY(!p.endDoc() && !QFile::exists(unwritable));

        QTemporaryDir dir;
        Printer::setPdfOutputPath(dir.filePath(QStringLiteral("killed.pdf")));
        Printer q(vc::PrinterList::pdfFile());
        q.print(QStringLiteral("half a page"));
        QVERIFY(q.jobRunning());
        q.killDoc();
        QVERIFY(!q.jobRunning() && QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void commandLineRejectsBadInput_data() { addRows(QStringLiteral("printrtfbadinput.tsv")); }

    // Bad arguments and files that are no rich text: one line on standard error, exit 2, no output.
    void commandLineRejectsBadInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.rtf")),
                      out = dir.filePath(QStringLiteral("out.pdf"));
        if (content == "EXE")
            content = readFile(binDir() + QStringLiteral("/veltranncalc-cli")).left(65536);
        if (!content.isNull())
            QVERIFY(writeFile(in, content));
        args.replaceInStrings(QStringLiteral("$IN"), in)
            .replaceInStrings(QStringLiteral("$OUT"), out);
        const CliRun r = runCli(QStringList{QStringLiteral("print-rtf")} + args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.count(QLatin1Char('\n')) == 1, qPrintable(r.err));
        if (!content.isNull())
            QVERIFY(r.err.contains(QLatin1String("in.rtf")));
        QVERIFY(!QFileInfo::exists(out));
    }

    void commandLinePrintsToPdf_data() { addRows(QStringLiteral("printcorpus.tsv")); }

    void commandLinePrintsToPdf()
    {
        QFETCH(QString, file);
        QFETCH(int, pages);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("notes.pdf"));
        const CliRun r = runCli({QStringLiteral("print-rtf"),
                                 sharedDir() + QStringLiteral("/corpus/rtf/") + file,
                                 QStringLiteral("--pdf"), out});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(pdfPages(out), pages);
        QVERIFY(pdfText(out).simplified().contains(text));
    }

    // Text that goes on over page ends: a cell of 201 lines beside a short one,
    // one paragraph and one table cell each laid out in many parts. Every word
    // ("tall1end".., "w1"..) is printed, and exactly once: where a row or a
    // paragraph is cut, a line must not come back clipped on the next page.
    void everyLineOnceAcrossPages_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("words");
        QByteArray cell;
        for (int i = 1; i <= 201; ++i)
            cell += (i > 1 ? "\\line " : "") + QByteArray("tall") + QByteArray::number(i) + "end";
        QTest::newRow("row taller than a page")
            << "{\\rtf1\\ansi "
               "before\\par\\trowd\\clbrdrb\\brdrs\\cellx4000\\cellx8000\\pard\\intbl " +
                   cell + "\\cell short\\cell\\row\\pard after\\par}"
            << "tall%1end" << 201;
        QTest::newRow("paragraph of many parts")
            << vc::test::rtfBulkDocument(vc::test::RtfBulk::Paragraph, 120000) << "w%1" << 15000;
        QTest::newRow("table cell of many parts")
            << vc::test::rtfBulkDocument(vc::test::RtfBulk::Cell, 60000) << "w%1" << 8000;
    }

    void everyLineOnceAcrossPages()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, word);
        QFETCH(int, words);
        QTemporaryDir dir;
        const QString out = printedPdf(dir, rtf);
        QVERIFY(!out.isEmpty());
        QVERIFY(pdfPages(out) >= 4);
        QHash<QString, int> seen;
        for (const QString &w : pdfText(out, true).split(QRegularExpression(QStringLiteral("\\s+")),
                                                         Qt::SkipEmptyParts))
            ++seen[w];
        for (int i = 1; i <= words; ++i)
            QVERIFY2(seen.value(word.arg(i)) == 1, qPrintable(QStringLiteral("%1 printed %2 times")
                                                                  .arg(word.arg(i))
                                                                  .arg(seen.value(word.arg(i)))));
        QVERIFY(seen.contains(QStringLiteral("after")));
    }

    void commandLineKeepsIndents_data() { addRows(QStringLiteral("printindents.tsv")); }

    void commandLineKeepsIndents()
    {
        QFETCH(QByteArray, paragraph);
        QFETCH(QString, word);
        QFETCH(QString, above);
        QFETCH(double, at);
        QTemporaryDir dir;
        const QString out = printedPdf(
            dir, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\paperw11906\\paperh16838\\margl1440"
                 "\\margr1440\\f0\\fs24 " +
                     paragraph + "}");
        QVERIFY(!out.isEmpty());
        const QList<PdfWord> words = pdfWords(out);
        const auto corner = [&](const QString &w) {
            for (const PdfWord &word : words)
                if (word.text == w)
                    return word.box.topLeft();
            return QPointF(-1000, -1000);
        };
        const QPointF p = corner(word);
        const double got = above.isEmpty() ? p.x() : p.y() - corner(above).y();
        QVERIFY2(qAbs(got - at) < 1.0, qPrintable(QString::number(got)));
    }
};

QTEST_MAIN(PrinterTest)
#include "printertest.moc"
