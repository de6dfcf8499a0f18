// veltranncalc-cli chart: the project calculated as calc does it, then the
// h-x chart window opened on it, the comfort zone shown on request, and the
// chart saved as SVG, PNG or PDF.

#include "clicommands.h"

#include "chartexport.h"
#include "frmhx.h"
#include "mainform.h"
#include "form/platformservices.h"
#include "print/printer.h"
#include "print/printerlist.h"

#include <QLocale>

namespace vc::cli {

namespace {

struct Options
{
    bool comfortZone = false;
    QString out;
    double scale = 1;
};

// Takes the chart's own options out of args; the rest are calc's.
QString takeOptions(QStringList &args, Options &options)
{
    for (int i = 0; i < args.size();) {
        const QString arg = args.at(i);
        if (arg == QLatin1String("--comfort-zone")) {
            options.comfortZone = true;
            args.removeAt(i);
        } else if (arg == QLatin1String("--out")) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty())
                return QStringLiteral("--out needs a file name ending in .svg, .png or .pdf");
            options.out = args.at(i + 1);
            args.remove(i, 2);
        } else if (arg == QLatin1String("--scale")) {
            bool ok = false;
            const QString text = i + 1 < args.size() ? args.at(i + 1) : QString();
            options.scale = QLocale::c().toDouble(text, &ok);
            if (!ok || !(options.scale >= 1 && options.scale <= 16))
                return QStringLiteral("--scale must be a number from 1 to 16, not \"%1\"")
                    .arg(text);
            args.remove(i, 2);
        } else {
            ++i;
        }
    }
    if (args.contains(QLatin1String("--json")))
        return QStringLiteral("unknown option --json");
    if (options.out.isEmpty())
        return QStringLiteral("no output file given (--out FILE.svg|FILE.png|FILE.pdf)");
    if (ChartExport::formatOf(options.out) == ChartExport::Format::Unknown)
        return QStringLiteral("--out %1: the file name must end in .svg, .png or .pdf")
            .arg(options.out);
    return QString();
}

} // namespace

int runChart(const QStringList &arguments)
{
    const QString command = QStringLiteral("chart");
    QStringList args = arguments;
    Options options;
    const QString error = takeOptions(args, options);
    if (!error.isEmpty())
        return fail(command, error);

    // The chart does not print here: no need to ask the print system for its queues.
    ScriptedPrinterList noPrinters;
    Printer::setPrinters(&noPrinters);
    const int status = runDesign(command, args, [&](MainForm &f, const QStringList &, bool) {
        FrmHx chart(f);
        chart.load();
        if (options.comfortZone)
            chart.Command1_Click();
        QString saveError;
        const bool saved =
            ChartExport::save(chart.vixGraph1(), options.out, options.scale, &saveError);
        chart.unload();
        return saved ? 0 : fail(command, saveError);
    });
    Printer::setPrinters(nullptr);
    return status;
}

} // namespace vc::cli
