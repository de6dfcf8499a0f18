#pragma once

#include <QStringList>

namespace vc::cli {

// Each returns the process exit status: 0 done, 2 bad input (with one line on stderr).
int runCalc(const QStringList &args);
int runPrintRtf(const QStringList &args);
int runReport(const QStringList &args);

} // namespace vc::cli
