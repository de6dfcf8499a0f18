#include "clicommands.h"

#include <QTextStream>

namespace vc::cli {

int runCalc(const QStringList &)
{
    QTextStream(stderr) << "not available yet\n";
    return 2;
}

} // namespace vc::cli
