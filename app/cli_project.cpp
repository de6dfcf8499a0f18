// The steps every project command of the command line shares: start-up, the
// project opened as the File command opens it, the family click and the
// distance page, exactly as a user drives the main window.

#include "cli_project.h"

#include "appglobals.h"
#include "filecommands.h"
#include "localisation.h"
#include "mainform.h"
#include "mmain.h"
#include "projectfile.h"
#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace vc::cli {

namespace {

// Start-up as the window's, on the installation beside the executable and
// its profile "VeltrannCalc.ini", with this run's overrides.
QString startUp(const ProjectOptions &options)
{
    mMain::Main(QCoreApplication::applicationDirPath(), QStringLiteral("VeltrannCalc"));
    if (!options.language.isEmpty()) {
        mMain::resolveLanguage(options.language);
        if (app().LanguageName.isEmpty())
            return QStringLiteral("no language file %1")
                .arg(QDir::toNativeSeparators(app().LanguageFile));
    } else if (settings::read(settings::Language).isEmpty()) {
        mMain::resolveLanguage(QStringLiteral("English"));
    }
    if (options.units >= 0)
        mMain::resolveUnit(QString::number(options.units));
    app().ProjectFile.clear();
    return QString();
}

} // namespace

bool parseProjectArgument(const QStringList &args, int &i, ProjectOptions &options, QString &error)
{
    const QString &arg = args.at(i);
    const auto value = [&](QString &out) {
        if (i + 1 >= args.size())
            return false;
        out = args.at(++i);
        return true;
    };
    QString text;
    if (arg == QLatin1String("--new")) {
        options.newProject = true;
    } else if (arg == QLatin1String("--units")) {
        if (!value(text))
            error = QStringLiteral("--units needs metric or us");
        else if (text == QLatin1String("metric"))
            options.units = 0;
        else if (text == QLatin1String("us"))
            options.units = 1;
        else
            error = QStringLiteral("--units must be metric or us, not \"%1\"").arg(text);
    } else if (arg == QLatin1String("--language")) {
        if (!value(options.language) || options.language.isEmpty())
            error = QStringLiteral("--language needs a language name");
    } else if (arg == QLatin1String("--family")) {
        bool ok = false;
        if (value(text))
            options.family = text.toInt(&ok);
        if (!ok || options.family < 0 || options.family > 5)
            error = QStringLiteral("--family must be a number 0 to 5, not \"%1\"").arg(text);
    } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
        return false;
    } else if (options.project.isEmpty()) {
        options.project = arg;
    } else {
        error = QStringLiteral("more than one project file given");
    }
    return true;
}

QString checkProject(const ProjectOptions &options)
{
    if (options.newProject && !options.project.isEmpty())
        return QStringLiteral("give either a project file or --new, not both");
    if (!options.newProject && options.project.isEmpty())
        return QStringLiteral("no project file given (or --new)");
    return QString();
}

QString runProjectSteps(const ProjectOptions &options, MainForm &f)
{
    const QString startError = startUp(options);
    if (!startError.isEmpty())
        return startError;

    QString projectPath;
    if (!options.newProject) {
        const QFileInfo info(options.project);
        if (!info.exists())
            return QStringLiteral("project file %1 not found").arg(options.project);
        if (!info.isFile() || !info.isReadable())
            return QStringLiteral("project file %1 cannot be read").arg(options.project);
        if (!isProjectFile(info.absoluteFilePath()))
            return QStringLiteral("%1 is not a project file").arg(options.project);
        projectPath = info.absoluteFilePath();
    }

    installLocalisation(f);
    f.load();
    if (options.newProject) {
        f.btnCalc_Click();
    } else {
        // File > Open, but the profile's last file stays as it is.
        FileCommands(f).loadProject(projectPath);
    }
    if (options.family >= 0) {
        f.selectPage(MainForm::FamilyPage);
        f.Image9_Click(options.family);
    }
    f.selectPage(MainForm::DistancePage);
    f.btnCalcHumid_Click();
    return QString();
}

int fail(const QString &command, const QString &message)
{
    QTextStream(stderr) << "veltranncalc-cli " << command << ": " << message << '\n';
    return 2;
}

} // namespace vc::cli
