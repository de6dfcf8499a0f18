// veltranncalc-cli basket: the design run of calc, then the basket window as a
// user opens it, optionally Insert, then Export, Copy or Print. The project
// file is never written: the window's close question is not asked.

#include "clicommands.h"

#include "korbform.h"
#include "mainform.h"
#include "form/platformservices.h"
#include "print/printer.h"
#include "print/printerlist.h"

#include <QFileInfo>
#include <QTextStream>

namespace vc::cli {

namespace {

struct BasketOptions
{
    bool insert = false;
    QString csv, pdf, printer;
    bool text = false;
};

int fail(const QString &message)
{
    return vc::cli::fail(QStringLiteral("basket"), message);
}

// Takes the basket's own options out of args; the rest are calc's.
QString takeOptions(QStringList &args, BasketOptions &options)
{
    int outputs = 0;
    for (int i = 0; i < args.size();) {
        const QString arg = args.at(i);
        QString *target = arg == QLatin1String("--csv")       ? &options.csv
                          : arg == QLatin1String("--pdf")     ? &options.pdf
                          : arg == QLatin1String("--printer") ? &options.printer
                                                              : nullptr;
        if (target) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty())
                return QStringLiteral("%1 needs a value").arg(arg);
            *target = args.at(i + 1);
            args.remove(i, 2);
            ++outputs;
        } else if (arg == QLatin1String("--insert") || arg == QLatin1String("--text")) {
            (arg == QLatin1String("--insert") ? options.insert : options.text) = true;
            outputs += arg == QLatin1String("--text");
            args.removeAt(i);
        } else {
            ++i;
        }
    }
    if (args.contains(QLatin1String("--new")))
        return QStringLiteral("the basket lives in a project file: give one instead of --new");
    if (outputs != 1)
        return QStringLiteral(
            "give exactly one of --csv OUT.csv, --pdf OUT.pdf, --printer NAME, --text");
    return QString();
}

int output(KorbForm &basket, const BasketOptions &options)
{
    if (options.text) {
        QTextStream out(stdout);
        out.setEncoding(QStringConverter::Utf8);
        out << basket.ListView1().clipboardText();
        return 0;
    }
    if (!options.csv.isEmpty())
        return basket.exportCsv(options.csv)
                   ? 0
                   : fail(QStringLiteral("cannot write %1").arg(options.csv));
    if (!options.pdf.isEmpty()) {
        Printer::setPdfOutputPath(QFileInfo(options.pdf).absoluteFilePath());
        Printer::setCurrent(PrinterList::pdfFileName());
    } else if (!Printer::setCurrent(options.printer)) {
        return fail(QStringLiteral("no printer %1").arg(options.printer));
    }
    if (!basket.printBasket())
        return fail(QStringLiteral("printing failed: %1").arg(Printer::current().errorText()));
    return 0;
}

} // namespace

int runBasket(const QStringList &arguments)
{
    QStringList args = arguments;
    BasketOptions options;
    const QString error = takeOptions(args, options);
    if (!error.isEmpty())
        return fail(error);
    return runDesign(QStringLiteral("basket"), args,
                     [&options](MainForm &f, const QStringList &, bool) {
                         KorbForm basket(f);
                         basket.Form_Load();
                         if (options.insert)
                             basket.Command5_Click();
                         const int status = output(basket, options);
                         basket.Form_Unload();
                         return status;
                     });
}

} // namespace vc::cli
