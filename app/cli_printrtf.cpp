#include "clicommands.h"

#include "print/pagesetup.h"
#include "print/printer.h"
#include "richtext/richtextfield.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextStream>
#include <QThread>

#include <memory>

namespace vc::cli {

namespace {

int fail(const QString &message, int status = 2)
{
    QTextStream(stderr) << message << '\n';
    return status;
}

} // namespace

// print-rtf IN.rtf (--pdf OUT.pdf | --printer NAME): lays the document out
// page by page for the printer, on the document's own paper and margins.
int runPrintRtf(const QStringList &args)
{
    QString in, pdf, printerName;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if ((a == QLatin1String("--pdf") || a == QLatin1String("--printer")) &&
            i + 1 < args.size()) {
            (a == QLatin1String("--pdf") ? pdf : printerName) = args[++i];
        } else if (a.startsWith(QLatin1String("--")) || !in.isEmpty()) {
            return fail(QStringLiteral("print-rtf: unexpected argument \"%1\"").arg(a));
        } else {
            in = a;
        }
    }
    if (in.isEmpty() || pdf.isEmpty() == printerName.isEmpty())
        return fail(QStringLiteral(
            "usage: veltranncalc-cli print-rtf IN.rtf (--pdf OUT.pdf | --printer NAME)"));
    QFile file(in);
    if (!QFileInfo(in).isFile() || !file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("print-rtf: cannot read \"%1\"").arg(in));
    const QByteArray rtf = file.readAll();
    if (const QString why = RtfReader::refusal(rtf); !why.isEmpty())
        return fail(QStringLiteral("print-rtf: \"%1\" cannot be printed: %2").arg(in, why));

    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fail(QStringLiteral("print-rtf needs a graphical Qt application object"), 1);

    if (!pdf.isEmpty()) {
        Printer::setPdfOutputPath(QFileInfo(pdf).absoluteFilePath());
        Printer::setCurrent(PrinterList::pdfFileName());
    } else if (!Printer::setCurrent(printerName)) {
        return fail(QStringLiteral("print-rtf: there is no printer named \"%1\"").arg(printerName));
    }
    Printer &printer = Printer::current();

    // The font database is filled, and the printer asks the print system about
    // itself, before anything can be laid out: done while the file is read.
    const std::unique_ptr<QThread> ready(QThread::create([&printer] {
        QFontDatabase::families();
        printer.resolution();
    }));
    ready->start();
    RichTextField field;
    field.setRichText(rtf);
    ready->wait();
    if (field.lastReadReport().tooLong)
        return fail(QStringLiteral("print-rtf: \"%1\" cannot be printed: its text is longer than "
                                   "%2 characters, some 5 000 pages")
                        .arg(in)
                        .arg(RtfReader::maxTextLength));
    printer.setDocName(QFileInfo(in).completeBaseName());

    const PageSetup page = PageSetup::of(field.document());
    int paperW = page.paperWidth, paperH = page.paperHeight;
    if (page.landscape && paperW < paperH)
        std::swap(paperW, paperH);
    if (page.declared)
        printer.setPaperSizeTwips(paperW, paperH);
    const int dpi = qMax(1, printer.resolution());
    const int offX = printer.deviceCaps(Printer::PhysicalOffsetX) * 1440 / dpi;
    const int offY = printer.deviceCaps(Printer::PhysicalOffsetY) * 1440 / dpi;
    const int fullW = printer.deviceCaps(Printer::PhysicalWidth) * 1440 / dpi;
    const int fullH = printer.deviceCaps(Printer::PhysicalHeight) * 1440 / dpi;
    QRectF rect(page.marginLeft - offX, page.marginTop - offY, 0, 0);
    rect.setRight(fullW - page.marginRight - offX);
    rect.setBottom(fullH - page.marginBottom - offY);
    if (rect.width() < 1440 || rect.height() < 1440) // margins that leave no room
        rect = QRectF(720 - offX, 720 - offY, fullW - 1440, fullH - 1440);
    field.setTargetDevice(printer.device(), int(rect.width()));
    field.setReadAhead(true);
    const int pages = field.printPages(printer, rect, QRectF(-offX, -offY, fullW, fullH));
    if (pages < 0) {
        printer.killDoc();
        return fail(QStringLiteral("print-rtf: %1").arg(printer.errorText()), 1);
    }
    field.clearFormatCache();
    if (!printer.endDoc())
        return fail(QStringLiteral("print-rtf: %1").arg(printer.errorText()), 1);
    QTextStream(stdout) << QStringLiteral("%1: %2 pages to %3\n")
                               .arg(in)
                               .arg(pages)
                               .arg(pdf.isEmpty() ? printerName : pdf);
    return 0;
}

} // namespace vc::cli
