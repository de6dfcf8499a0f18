// The printer layer on a real CUPS queue (started by scripts/cups-start.sh)
// and on the "PDF file" printer, checked with poppler's pdfinfo and pdftotext.
#include "print/printer.h"
#include "readback.h"
#include "richtext/richtextfield.h"
#include "rtfgenerator.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using vc::Printer;
using vc::PrinterInfo;
using namespace vc::test;

namespace {

QString pdfPageSize(const QString &path)
{
    return QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+ x [\\d.]+) pts"))
        .match(run(QStringLiteral("pdfinfo"), {path}))
        .captured(1);
}

// A document of about three A4 pages, as the preview prints it.
QByteArray threePageDocument()
{
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}\\f0\\fs24 ";
    for (int i = 1; i <= 120; ++i)
        rtf += "Paragraph " + QByteArray::number(i) + " of the humidifier calculation report.\\par ";
    return rtf + "}";
}

// The preview's page loop: margins 800/800/1100/800 twips, a page label in the bottom margin.
int printField(vc::RichTextField &field, Printer &printer)
{
    printer.setScaleMode(Printer::Unit::Twips);
    const int dpi = printer.resolution();
    const int offX = qRound(printer.deviceCaps(Printer::PhysicalOffsetX) * 1440.0 / dpi);
    const int offY = qRound(printer.deviceCaps(Printer::PhysicalOffsetY) * 1440.0 / dpi);
    const double w = printer.scaleWidth(), h = printer.scaleHeight();
    const QRectF rect(QPointF(800 - offX, 800 - offY), QPointF(w - 1100 + offX, h - 800 + offY));
    field.setTargetDevice(printer.device(), int(rect.width()));
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(11);
    const int length = field.textLength();
    int pos = 0, page = 1;
    while (true) {
        QPainter *painter = printer.painter();
        if (!painter)
            return -1;
        pos = field.formatRange(painter, rect, pos, -1);
        const QString label = QStringLiteral("Seite %1").arg(page);
        printer.setCurrentX(w - printer.textWidth(label));
        printer.setCurrentY((h - rect.bottom() - printer.textHeight(QStringLiteral("x"))) / 2 + rect.bottom());
        printer.print(label);
        if (pos >= length)
            break;
        printer.newPage();
        ++page;
    }
    return printer.endDoc() ? page : -1;
}

} // namespace

class PrinterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void installedPrintersComeFromCups();
    void currentPrinterIsReplacedAndRestored();
    void unitsAndMeasures();
    void pdfFilePrinterDrawsPages();
    void unwritablePdfPathLeavesNoFile();
    void abandonedJobLeavesNoFile();
    void threePagesThroughCups();
    void commandLineRejectsBadInput_data();
    void commandLineRejectsBadInput();
    void commandLinePrintsToPdf();
    void everyLineOnceAcrossPages_data();
    void everyLineOnceAcrossPages();
    void commandLineKeepsIndents_data();
    void commandLineKeepsIndents();
};

void PrinterTest::initTestCase()
{
    useTestCups();
}

void PrinterTest::installedPrintersComeFromCups()
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
    QStringList lpstat = run(QStringLiteral("lpstat"), {QStringLiteral("-e")}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    names.removeLast();
    QCOMPARE(names, lpstat);
}

void PrinterTest::currentPrinterIsReplacedAndRestored()
{
    vc::ScriptedPrinterList fake({{QStringLiteral("Office"), QStringLiteral("PCL 6")}, {QStringLiteral("Plotter"), QStringLiteral("HPGL")}},
                                 QStringLiteral("Plotter"));
    Printer::setPrinters(&fake);
    QCOMPARE(Printer::printers().installed().size(), 3);
    QCOMPARE(Printer::current().deviceName(), QStringLiteral("Plotter"));
    QCOMPARE(Printer::current().driverName(), QStringLiteral("HPGL"));
    QVERIFY(Printer::setCurrent(QStringLiteral("Office")));
    QCOMPARE(Printer::current().deviceName(), QStringLiteral("Office"));
    QVERIFY(!Printer::setCurrent(QStringLiteral("Gone")));
    QCOMPARE(Printer::current().deviceName(), QStringLiteral("Office"));
    QVERIFY(Printer::restorePrevious());
    QCOMPARE(Printer::current().deviceName(), QStringLiteral("Plotter"));
    QVERIFY(Printer::setCurrent(QStringLiteral("PDF file")));
    QVERIFY(Printer::current().isPdfFile());
    // a printer that is listed but gone from the system gives a message, not a job
    QVERIFY(Printer::setCurrent(QStringLiteral("Office")));
    QVERIFY(!Printer::current().painter());
    QVERIFY(Printer::current().errorText().contains(QLatin1String("Office")));
    Printer::setPrinters(nullptr);
}

void PrinterTest::unitsAndMeasures()
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
    QVERIFY(qAbs(p.textHeight(QStringLiteral("a\nb")) - 2 * p.textHeight(QStringLiteral("a"))) < 0.01);
    QVERIFY(!p.setFontName(QString()));
    QCOMPARE(p.fontName(), QStringLiteral("Arial"));
    QVERIFY(p.fontCount() > 0);
    QVERIFY(!p.fontAt(0).isEmpty());
    p.setOrientation(2);
    QVERIFY(qAbs(p.scaleWidth() - 297) < 0.5);
}

void PrinterTest::pdfFilePrinterDrawsPages()
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
    QCOMPARE(p.currentX(), 0.0);
    QVERIFY2(p.currentY() > 20, qPrintable(p.errorText()));
    QCOMPARE(p.page(), 1);
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
    const QStringList size = pdfPageSize(out).split(QStringLiteral(" x "));
    QCOMPARE(size.size(), 2);
    QVERIFY(qAbs(size[0].toDouble() - 595.3) < 1.5 && qAbs(size[1].toDouble() - 841.9) < 1.5);
    const QString text = pdfText(out, true);
    QVERIFY(text.contains(QLatin1String("Steam humidifier offer")));
    QVERIFY(text.contains(QLatin1String("Second sheet")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("basket.pdf")});
}

void PrinterTest::unwritablePdfPathLeavesNoFile()
{
    Printer::setPdfOutputPath(QStringLiteral("/nonexistent-folder/out.pdf"));
    Printer p(vc::PrinterList::pdfFile());
    QVERIFY(!p.painter());
    QVERIFY(p.errorText().contains(QLatin1String("/nonexistent-folder/out.pdf")));
    p.print(QStringLiteral("ignored")); // output without a job does nothing
    QVERIFY(!p.endDoc());
    QVERIFY(!QFile::exists(QStringLiteral("/nonexistent-folder/out.pdf")));
}

void PrinterTest::abandonedJobLeavesNoFile()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("killed.pdf"));
    Printer::setPdfOutputPath(out);
    Printer p(vc::PrinterList::pdfFile());
    p.print(QStringLiteral("half a page"));
    QVERIFY(p.jobRunning());
    p.killDoc();
    QVERIFY(!p.jobRunning());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void PrinterTest::threePagesThroughCups()
{
    const QSet<QString> spooledBefore = keptJobs();
    const QSet<QString> outputBefore =
        stampedFiles(cupsDir(QStringLiteral("pdf")), QStringLiteral("*.pdf"));

    vc::RichTextField field;
    field.setRichText(threePageDocument());
    QVERIFY2(Printer::setCurrent(testQueue()),
             "the CUPS test queue is missing; run scripts/cups-start.sh");
    Printer &printer = Printer::current();
    const QString title = QStringLiteral("VeltrannCalc three pages %1").arg(QDateTime::currentMSecsSinceEpoch());
    printer.setDocName(title);
    printer.setPaperSize(9);
    const int pages = printField(field, printer);
    QVERIFY2(pages == 3, qPrintable(QStringLiteral("%1 pages, %2").arg(pages).arg(printer.errorText())));

    // the job file CUPS received
    const QString job = newJobs(spooledBefore, 1, title).value(0); // the queue is shared
    QVERIFY2(!job.isEmpty(), "CUPS kept no job file (PreserveJobFiles)");
    QCOMPARE(pdfPages(job), 3);
    const QString text = pdfText(job, true);
    QVERIFY(text.contains(QLatin1String("Paragraph 1 of the humidifier calculation report.")));
    QVERIFY(text.contains(QLatin1String("Paragraph 120 of the humidifier calculation report.")));
    for (const char *label : {"Seite 1", "Seite 2", "Seite 3"})
        QVERIFY2(text.contains(QLatin1String(label)), label);
    // every paragraph once, in order
    int last = -1;
    for (int i = 1; i <= 120; ++i) {
        const int at = int(text.indexOf(QStringLiteral("Paragraph %1 of").arg(i)));
        QVERIFY2(at > last, qPrintable(QString::number(i)));
        QCOMPARE(text.count(QStringLiteral("Paragraph %1 of").arg(i)), 1);
        last = at;
    }

    // and what the cups-pdf printer made of it
    const QString pdf =
        newFiles(cupsDir(QStringLiteral("pdf")), QStringLiteral("*.pdf"), outputBefore).value(0);
    QVERIFY2(!pdf.isEmpty(), "no cups-pdf output");
    QCOMPARE(pdfPages(pdf), 3);
    const QStringList size = pdfPageSize(pdf).split(QStringLiteral(" x "));
    QCOMPARE(size.size(), 2);
    QVERIFY(qAbs(size[0].toDouble() - 595.3) < 1.5);
    QVERIFY(qAbs(size[1].toDouble() - 841.9) < 1.5);
    // (cups-pdf redraws the fonts through Ghostscript, so its text is checked on the job file above)
}

// Bad arguments and files that are no rich text: one line on standard error, exit 2, no output.
void PrinterTest::commandLineRejectsBadInput_data()
{
    QTest::addColumn<QStringList>("args");   // after print-rtf; IN and OUT name files of the test
    QTest::addColumn<QByteArray>("content"); // written to IN unless null
    const QStringList toPdf{QStringLiteral("IN"), QStringLiteral("--pdf"), QStringLiteral("OUT")};
    QTest::newRow("no arguments") << QStringList() << QByteArray();
    QTest::newRow("no output") << QStringList{QStringLiteral("IN")} << QByteArray();
    QTest::newRow("both outputs") << toPdf + QStringList{QStringLiteral("--printer"), testQueue()}
                                  << QByteArray();
    QTest::newRow("missing file") << toPdf << QByteArray();
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("IN"), QStringLiteral("--fax"), QStringLiteral("1")}
        << QByteArray();
    QTest::newRow("a renamed executable")
        << toPdf << readFile(binDir() + QStringLiteral("/veltranncalc-cli")).left(65536);
    QTest::newRow("a lone brace") << toPdf << QByteArray("{");
    QTest::newRow("empty") << toPdf << QByteArray("");
}

void PrinterTest::commandLineRejectsBadInput()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.rtf")),
                  out = dir.filePath(QStringLiteral("out.pdf"));
    if (!content.isNull())
        QVERIFY(writeFile(in, content));
    args.replaceInStrings(QStringLiteral("IN"), in).replaceInStrings(QStringLiteral("OUT"), out);
    const CliRun r = runCli(QStringList{QStringLiteral("print-rtf")} + args);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.count(QLatin1Char('\n')) == 1, qPrintable(r.err));
    if (!content.isNull())
        QVERIFY(r.err.contains(QLatin1String("in.rtf")));
    QVERIFY(!QFileInfo::exists(out));
}

void PrinterTest::commandLinePrintsToPdf()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("notes.pdf"));
    const CliRun r =
        runCli({QStringLiteral("print-rtf"),
                sharedDir() + QStringLiteral("/corpus/rtf/word2003-table-list-footnote.rtf"),
                QStringLiteral("--pdf"), out});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(pdfPages(out), 2);
    QVERIFY(pdfText(out).contains(QLatin1String("And now comes a fun table:")));
}

// Text that goes on over page ends: a cell of 201 lines beside a short one,
// one paragraph and one table cell each laid out in many parts. Every word
// ("tall1end".., "w1"..) is printed, and exactly once: where a row or a
// paragraph is cut, a line must not come back clipped on the next page.
void PrinterTest::everyLineOnceAcrossPages_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("words");
    QByteArray cell;
    for (int i = 1; i <= 201; ++i)
        cell += (i > 1 ? "\\line " : "") + QByteArray("tall") + QByteArray::number(i) + "end";
    QTest::newRow("row taller than a page")
        << "{\\rtf1\\ansi before\\par\\trowd\\clbrdrb\\brdrs\\cellx4000\\cellx8000\\pard\\intbl " + cell
               + "\\cell short\\cell\\row\\pard after\\par}"
        << "tall%1end" << 201;
    QTest::newRow("paragraph of many parts") << vc::test::rtfBulkDocument(vc::test::RtfBulk::Paragraph, 120000) << "w%1" << 15000;
    QTest::newRow("table cell of many parts") << vc::test::rtfBulkDocument(vc::test::RtfBulk::Cell, 60000) << "w%1" << 8000;
}

void PrinterTest::everyLineOnceAcrossPages()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, word);
    QFETCH(int, words);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("long.rtf")), out = dir.filePath(QStringLiteral("long.pdf"));
    QVERIFY(writeFile(in, rtf));
    QCOMPARE(runCli({QStringLiteral("print-rtf"), in, QStringLiteral("--pdf"), out}).status, 0);
    QVERIFY(pdfPages(out) >= 4);
    QHash<QString, int> seen;
    for (const QString &w : pdfText(out, true).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        ++seen[w];
    for (int i = 1; i <= words; ++i)
        QVERIFY2(seen.value(word.arg(i)) == 1, qPrintable(QStringLiteral("%1 printed %2 times").arg(word.arg(i)).arg(seen.value(word.arg(i)))));
    QVERIFY(seen.contains(QStringLiteral("after")));
}

// Where a word starts on the printed page, in points: the document's left
// margin is one inch, so 72 points plus the paragraph's indents; or, for the
// spacing rows, how far below the word `above` it starts.
void PrinterTest::commandLineKeepsIndents_data()
{
    QTest::addColumn<QByteArray>("paragraph");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("above");
    QTest::addColumn<double>("at");
    QTest::newRow("no indent") << QByteArray("\\pard Plain\\par") << "Plain" << QString() << 72.0;
    QTest::newRow("left indent of an inch") << QByteArray("\\pard\\li1440 Indented\\par") << "Indented" << QString() << 144.0;
    QTest::newRow("first-line indent of half an inch") << QByteArray("\\pard\\fi720 Firstline\\par") << "Firstline" << QString() << 108.0;
    const QByteArray bullet("\\pard\\fi-220\\li400\\tx400 \\u8226?\\tab Text\\par");
    QTest::newRow("hanging bullet: the mark") << bullet << QStringLiteral("\u2022") << QString() << 81.0;
    QTest::newRow("hanging bullet: text at the tab stop") << bullet << "Text" << QString() << 92.0;
    // the last line of a document set in exact line height was once lost
    QTest::newRow("exact line height of 24 points, ending the document") << QByteArray("\\pard\\sl-480 One\\par Two\\par") << "Two" << "One" << 24.0;
    QTest::newRow("24 points before, below an 18-point line")
        << QByteArray("\\pard\\sl-360 Above\\par\\pard\\sl-360\\sb480 Below\\par") << "Below" << "Above" << 42.0;
}

void PrinterTest::commandLineKeepsIndents()
{
    QFETCH(QByteArray, paragraph);
    QFETCH(QString, word);
    QFETCH(QString, above);
    QFETCH(double, at);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("indents.rtf")), out = dir.filePath(QStringLiteral("indents.pdf"));
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\paperw11906\\paperh16838\\margl1440\\margr1440\\f0\\fs24 " + paragraph + "}");
    f.close();
    int status = -1;
    run(vc::test::binDir() + QStringLiteral("/veltranncalc-cli"), {QStringLiteral("print-rtf"), in, QStringLiteral("--pdf"), out}, &status);
    QCOMPARE(status, 0);
    const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), out, QStringLiteral("-")});
    auto corner = [&](const QString &w) {
        const QRegularExpression box(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1</word>").arg(w));
        const QRegularExpressionMatch m = box.match(boxes);
        return m.hasMatch() ? QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QPointF(-1000, -1000);
    };
    const QPointF p = corner(word);
    const double got = above.isEmpty() ? p.x() : p.y() - corner(above).y();
    QVERIFY2(qAbs(got - at) < 1.0, qPrintable(QString::number(got) + QLatin1Char('\n') + boxes));
}

QTEST_MAIN(PrinterTest)
#include "printertest.moc"
