// Speed of the humidification design: one full calculation on the main
// window's form (load, family, sizing, distance), and the command line on a
// project file, start-up included.

#include "form/appglobals.h"
#include "mainform.h"
#include "form/platformservices.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr double calculationLimitUs = 20;
constexpr double commandLineLimitMs = 50;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

bool fullCalculation()
{
    vc::AppGlobals &g = vc::app();
    g.AppPath = QStringLiteral(VC_BIN_DIR);
    g.DocsPath = g.AppPath + QStringLiteral("/Docs");
    g.LanguageName = QStringLiteral("English");
    g.LanguageFile = g.AppPath + QStringLiteral("/Language/English.lng");
    vc::ScriptedMessages messages;
    vc::Services::setMessages(&messages);
    vc::MainForm f;
    f.load();

    const auto once = [&f] {
        f.calculateLoad();
        f.Image9_Click(2);
        f.btnCalcHumid_Click();
    };
    for (int i = 0; i < 200; ++i) // warm the caches
        once();
    std::vector<double> rounds;
    for (int r = 0; r < 7; ++r) {
        constexpr int n = 2000;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < n; ++i)
            once();
        rounds.push_back(timer.nsecsElapsed() / 1000.0 / n);
    }
    vc::Services::setMessages(nullptr);
    std::sort(rounds.begin(), rounds.end());
    const double us = rounds[rounds.size() / 2];
    out() << "design: full calculation on the form " << QString::number(us, 'f', 2) << " us (limit "
          << calculationLimitUs << " us)" << Qt::endl;
    return us < calculationLimitUs;
}

bool commandLine()
{
    const QString bin = QStringLiteral(VC_BIN_DIR);
    const QStringList projects = QDir(bin + QStringLiteral("/Data")).entryList({QStringLiteral("*.sti")}, QDir::Files);
    if (projects.isEmpty()) {
        out() << "design: no project in " << bin << "/Data" << Qt::endl;
        return false;
    }
    const QString project = bin + QStringLiteral("/Data/") + projects.first();
    const auto childCpuMs = [] {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    };
    const double cpuBefore = childCpuMs();
    std::vector<double> runs;
    for (int i = 0; i < 11; ++i) {
        QProcess cli;
        QElapsedTimer timer;
        timer.start();
        cli.start(bin + QStringLiteral("/veltranncalc-cli"),
                  {QStringLiteral("calc"), project, QStringLiteral("--family"), QStringLiteral("1"),
                   QStringLiteral("--json")});
        if (!cli.waitForFinished(10000) || cli.exitCode() != 0) {
            out() << "design: the command line failed on " << project << Qt::endl;
            return false;
        }
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double cpu = (childCpuMs() - cpuBefore) / double(runs.size());
    std::sort(runs.begin(), runs.end());
    const double ms = runs[runs.size() / 2];
    // The processor time says how much of the wall time a busy machine added.
    out() << "design: veltranncalc-cli calc " << projects.first() << " " << QString::number(ms, 'f', 1)
          << " ms wall, " << QString::number(cpu, 'f', 1) << " ms processor (limit " << commandLineLimitMs
          << " ms wall)" << Qt::endl;
    return ms < commandLineLimitMs;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool fast = fullCalculation();
    const bool cliFast = commandLine();
    return fast && cliFast ? 0 : 1;
}
