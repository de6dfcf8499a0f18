#include "clicommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

// The command line speaks on stderr only in its own one-line errors; the
// platform's chatter (a missing runtime folder, font notes) would break the
// rule that a failure is exactly one line.
static void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        QTextStream(stderr) << message << '\n';
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietQtMessages);
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    // Laying out and painting text needs fonts, which only a GUI application
    // object provides; the calculation runs on the lighter core object. Without
    // a display the offscreen platform serves, so printing works on a server.
    std::unique_ptr<QCoreApplication> app;
    if (command == QLatin1String("print-rtf") || command == QLatin1String("report")
        || command == QLatin1String("basket") || command == QLatin1String("chart")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }

    QStringList args = app->arguments();
    args.removeFirst();
    if (!args.isEmpty())
        args.removeFirst();
    if (command == QLatin1String("calc"))
        return vc::cli::runCalc(args);
    if (command == QLatin1String("print-rtf"))
        return vc::cli::runPrintRtf(args);
    if (command == QLatin1String("report"))
        return vc::cli::runReport(args);
    if (command == QLatin1String("basket"))
        return vc::cli::runBasket(args);
    if (command == QLatin1String("chart"))
        return vc::cli::runChart(args);
    QTextStream(stderr) << "usage: veltranncalc-cli calc (PROJECT.sti | --new) [--units metric|us]"
                           " [--language NAME] [--family N] [--json]\n"
                           "       veltranncalc-cli report (PROJECT.sti | --new) [--units metric|us] [--language NAME]"
                           " [--family N] (--pdf OUT.pdf | --printer NAME) [--copies N] [--rtf-report FILE]"
                           " [--rtf-tender FILE]\n"
                           "       veltranncalc-cli basket PROJECT.sti [--units metric|us] [--language NAME]"
                           " [--family N] [--insert] (--csv OUT.csv | --pdf OUT.pdf | --printer NAME | --text)\n"
                           "       veltranncalc-cli chart (PROJECT.sti | --new) [--units metric|us] [--language NAME]"
                           " [--family N] [--comfort-zone] [--scale F] --out FILE.svg|FILE.png|FILE.pdf\n"
                           "       veltranncalc-cli print-rtf IN.rtf (--pdf OUT.pdf | --printer NAME)\n";
    return 2;
}
