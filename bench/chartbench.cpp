// The h-x chart: its window opened over a calculated project until painted,
// and veltranncalc-cli chart writing an SVG, start-up included.
#include "filecommands.h"
#include "frmhxwindow.h"
#include "frmmainwindow.h"
#include "localisation.h"
#include "mainform.h"
#include "vixgraphwidget.h"
#include "windowfixture.h"

#include <algorithm>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <sys/resource.h>
#include <vector>

using namespace vc;

namespace {

constexpr double windowLimitMs = 100;
constexpr double commandLineLimitMs = 300;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

bool openWindow(const QString &project)
{
    MainForm main;
    installLocalisation(main);
    FrmMainWindow mainWindow(main);
    mainWindow.load();
    mainWindow.show();
    if (!QTest::qWaitForWindowExposed(&mainWindow))
        return false;
    mainWindow.fileCommands().loadProject(project);
    // Opened: built, loaded, shown and the chart painted. The printer list
    // fills right after, when the print system answers; it is timed apart.
    std::vector<double> runs, printers;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer timer;
        timer.start();
        FrmHxWindow window(main, &mainWindow);
        window.show();
        window.grab(); // every widget painted
        runs.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        QCoreApplication::processEvents();
        printers.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double ms = median(runs);
    out() << "chart: window opened and painted " << QString::number(ms, 'f', 1)
          << " ms median, worst "
          << QString::number(*std::max_element(runs.begin(), runs.end()), 'f', 1) << " ms (limit "
          << windowLimitMs << " ms); printer list filled after "
          << QString::number(median(printers), 'f', 1) << " ms more" << Qt::endl;
    return ms < windowLimitMs;
}

bool commandLine(const QString &project)
{
    QTemporaryDir dir;
    const double cpuBefore = childCpuMs();
    std::vector<double> runs;
    for (int i = 0; i < 11; ++i) {
        QProcess cli;
        QElapsedTimer timer;
        timer.start();
        cli.start(QStringLiteral(VC_BIN_DIR "/veltranncalc-cli"),
                  {QStringLiteral("chart"), project, QStringLiteral("--out"),
                   dir.filePath(QStringLiteral("c.svg"))});
        if (!cli.waitForFinished(10000) || cli.exitCode() != 0) {
            out() << "chart: the command line failed on " << project << Qt::endl;
            return false;
        }
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double cpu = (childCpuMs() - cpuBefore) / double(runs.size());
    const double ms = median(runs);
    out() << "chart: veltranncalc-cli chart to SVG " << QString::number(ms, 'f', 1) << " ms wall, "
          << QString::number(cpu, 'f', 1) << " ms processor (limit " << commandLineLimitMs
          << " ms wall)" << Qt::endl;
    return ms < commandLineLimitMs;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    test::useInstallation(QStringLiteral(VC_BIN_DIR), QStringLiteral("English"), 0);
    const QString project = QStringLiteral(VC_BIN_DIR "/Data/Example metric.sti");
    const bool window = openWindow(project);
    const bool cli = commandLine(project);
    return window && cli ? 0 : 1;
}
