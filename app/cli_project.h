#pragma once

#include <QString>
#include <QStringList>

namespace vc {
class MainForm;
}

namespace vc::cli {

// What every project command shares: the project (or --new), the unit system,
// the language and the family click.
struct ProjectOptions
{
    QString project;
    bool newProject = false;
    int units = -1;   // -1: the profile's
    QString language; // empty: the profile's
    int family = -1;  // -1: no family click
};

// Reads the shared option at args[i] (moving i past its value) or the project
// file name. Returns false when args[i] is none of them; error is set when it
// is one but malformed.
bool parseProjectArgument(const QStringList &args, int &i, ProjectOptions &options, QString &error);

// The complaint about a missing or doubled project, empty when all is well.
QString checkProject(const ProjectOptions &options);

// Start-up on the installation beside the executable with this run's
// overrides, then steps 1 to 5 of the calc command on the main form: load,
// Open (or Calculate on the defaults), the family click, the distance page and
// its Calculate. Returns an error message (nothing run) or empty.
QString runProjectSteps(const ProjectOptions &options, MainForm &f);

// The one line on stderr and exit status 2 of every kind of bad input.
int fail(const QString &command, const QString &message);

} // namespace vc::cli
