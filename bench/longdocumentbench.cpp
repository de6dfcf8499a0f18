// Printing a generated long report into a PDF file, page by page as print-rtf
// does it: the time per page must stay flat from 10 to 5 000 pages (laying
// out the whole document at once made it grow, and fail past ~3 000 pages).
// Budget: the largest document's time per page within twice the smallest's.
// Then single paragraphs and table cells of megabytes, and a broken file.
#include "print/printer.h"
#include "richtext/richtextfield.h"
#include "rtfgenerator.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>

namespace {

double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Pages printed; the time of reading is not counted.
int print(const QByteArray &rtf, const QString &pdf, double *ms, double *cpu)
{
    vc::RichTextField field;
    field.setRichText(rtf);
    vc::Printer::setPdfOutputPath(pdf);
    vc::Printer printer(vc::PrinterList::pdfFile());
    const QRectF rect(1134, 1134, 11906 - 2268, 16838 - 2268);
    QElapsedTimer t;
    t.start();
    const double c0 = cpuMs();
    field.setTargetDevice(printer.device(), int(rect.width()));
    const int length = field.textLength();
    int pages = 0;
    for (int pos = 0;;) {
        QPainter *painter = printer.painter();
        if (!painter)
            return 0;
        ++pages;
        const int next = field.formatRange(painter, rect, pos, -1);
        if (next <= pos || next >= length)
            break;
        pos = next;
        printer.newPage();
    }
    printer.endDoc();
    *ms = t.nsecsElapsed() / 1e6;
    *cpu = cpuMs() - c0;
    return pages;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    double first = 0, last = 0;
    for (int sections : {10, 100, 1000, 5000}) {
        double ms = 0, cpu = 0;
        const int pages = print(vc::test::rtfLongDocument(sections),
                                dir.filePath(QStringLiteral("long.pdf")), &ms, &cpu);
        const double perPage = pages > 0 ? cpu / pages : 0;
        out << QStringLiteral(
                   "long document print: %1 pages  %2 ms  (%3 ms cpu, %4 ms cpu per page)\n")
                   .arg(pages, 5)
                   .arg(ms, 0, 'f', 0)
                   .arg(cpu, 0, 'f', 0)
                   .arg(perPage, 0, 'f', 2);
        out.flush();
        (first == 0 ? first : last) = perPage;
    }
    bool flat = last <= 2 * first;
    out << QStringLiteral("long document print: time per page %1 (budget: 5 000 pages within twice "
                          "the time per page of 10)\n")
               .arg(flat ? QStringLiteral("flat") : QStringLiteral("GROWS"));
    // One paragraph, one table cell and one table of many megabytes, read and printed:
    // time per megabyte flat (budget: the largest within twice the smallest);
    // a broken file of 50 MB ends in seconds.
    using vc::test::RtfBulk;
    const struct
    {
        RtfBulk kind;
        const char *name;
        std::initializer_list<int> megabytes;
    } bulks[] = {{RtfBulk::Paragraph, "paragraph", {1, 4, 20}},
                 {RtfBulk::Cell, "table cell", {1, 2, 4}},
                 {RtfBulk::Rows, "table of short rows", {1, 4}},
                 {RtfBulk::Malformed, "broken file", {50}}};
    for (const auto &bulk : bulks) {
        double firstPerMb = 0, lastPerMb = 0;
        for (int mb : bulk.megabytes) {
            const QByteArray rtf = vc::test::rtfBulkDocument(bulk.kind, mb * 1000000);
            const double c0 = cpuMs();
            double ms = 0, cpu = 0;
            const int pages = print(rtf, dir.filePath(QStringLiteral("bulk.pdf")), &ms, &cpu);
            const double perMb = (cpuMs() - c0) / mb;
            out << QStringLiteral("%1 of %2 MB: %3 pages, %4 ms cpu per MB with reading\n")
                       .arg(QLatin1String(bulk.name))
                       .arg(mb, 3)
                       .arg(pages, 5)
                       .arg(perMb, 0, 'f', 0);
            out.flush();
            (firstPerMb == 0 ? firstPerMb : lastPerMb) = perMb;
        }
        if (lastPerMb > 2 * firstPerMb) {
            out << QStringLiteral("%1: time per MB GROWS\n").arg(QLatin1String(bulk.name));
            flat = false;
        }
    }
    return flat ? 0 : 1;
}
