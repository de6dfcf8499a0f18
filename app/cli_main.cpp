#include "clicommands.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("calc"))
        return vc::cli::runCalc(args);
    if (command == QLatin1String("print-rtf"))
        return vc::cli::runPrintRtf(args);
    QTextStream(stderr) << "usage: veltranncalc-cli calc (PROJECT.sti | --new) [--units metric|us]"
                           " [--language NAME] [--family N] [--json]\n"
                           "       veltranncalc-cli print-rtf IN.rtf (--pdf OUT.pdf | --printer NAME)\n";
    return 2;
}
