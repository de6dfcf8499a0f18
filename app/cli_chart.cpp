// veltranncalc-cli chart: the project calculated as calc does it, then the
// h-x chart window opened on it, the comfort zone shown on request, and the
// chart saved as SVG, PNG or PDF.

#include "cli_project.h"
#include "clicommands.h"

#include "chartexport.h"
#include "frmhx.h"
#include "mainform.h"
#include "platformservices.h"
#include "printer.h"
#include "printerlist.h"

#include <QLocale>

namespace vc::cli {

namespace {

struct Options
{
    ProjectOptions project;
    bool comfortZone = false;
    QString out;
    double scale = 1;
};

QString parse(const QStringList &args, Options &options)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        QString error;
        if (arg == QLatin1String("--comfort-zone")) {
            options.comfortZone = true;
        } else if (arg == QLatin1String("--out")) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty())
                return QStringLiteral("--out needs a file name ending in .svg, .png or .pdf");
            options.out = args.at(++i);
        } else if (arg == QLatin1String("--scale")) {
            bool ok = false;
            const QString text = i + 1 < args.size() ? args.at(++i) : QString();
            options.scale = QLocale::c().toDouble(text, &ok);
            if (!ok || !(options.scale >= 1 && options.scale <= 16))
                return QStringLiteral("--scale must be a number from 1 to 16, not \"%1\"")
                    .arg(text);
        } else if (!parseProjectArgument(args, i, options.project, error)) {
            return QStringLiteral("unknown option %1").arg(arg);
        }
        if (!error.isEmpty())
            return error;
    }
    const QString project = checkProject(options.project);
    if (!project.isEmpty())
        return project;
    if (options.out.isEmpty())
        return QStringLiteral("no output file given (--out FILE.svg|FILE.png|FILE.pdf)");
    if (ChartExport::formatOf(options.out) == ChartExport::Format::Unknown)
        return QStringLiteral("--out %1: the file name must end in .svg, .png or .pdf")
            .arg(options.out);
    return QString();
}

} // namespace

int runChart(const QStringList &args)
{
    const QString command = QStringLiteral("chart");
    Options options;
    const QString error = parse(args, options);
    if (!error.isEmpty())
        return fail(command, error);

    ScriptedMessages messages;
    messages.setDefaultAnswer(MessageService::Answer::No);
    Services::setMessages(&messages);
    // The chart does not print here: no need to ask the print system for its queues.
    ScriptedPrinterList noPrinters;
    Printer::setPrinters(&noPrinters);
    const auto cleanUp = [] {
        Printer::setPrinters(nullptr);
        Services::setMessages(nullptr);
    };

    MainForm f;
    const QString runError = runProjectSteps(options.project, f);
    if (!runError.isEmpty()) {
        cleanUp();
        return fail(command, runError);
    }
    FrmHx chart(f);
    chart.load();
    if (options.comfortZone)
        chart.Command1_Click();
    QString saveError;
    const bool saved = ChartExport::save(chart.vixGraph1(), options.out, options.scale, &saveError);
    chart.unload();
    cleanUp();
    return saved ? 0 : fail(command, saveError);
}

} // namespace vc::cli
