#pragma once

#include <QStringList>
#include <functional>

namespace vc {
class MainForm;
}

namespace vc::cli {

// What a command does once the design has run: gets the main window's form,
// the texts of the messages raised and the --json flag; returns the status.
using AfterDesign = std::function<int(MainForm &f, const QStringList &messages, bool json)>;
// What a command installs on the main form before it loads (the report
// hooks, say).
using BeforeLoad = std::function<void(MainForm &f)>;
// Steps 1 to 5 of calc on args (calc's options), then after.
int runDesign(const QString &command, const QStringList &args, const AfterDesign &after,
              const BeforeLoad &before = {});

// The one line on stderr of every kind of bad input; returns status.
int fail(const QString &command, const QString &message, int status = 2);

// Each returns the process exit status: 0 done, 2 bad input (with one line on stderr).
int runCalc(const QStringList &args);
int runPrintRtf(const QStringList &args);
int runReport(const QStringList &args);
int runBasket(const QStringList &args);
int runChart(const QStringList &args);

} // namespace vc::cli
