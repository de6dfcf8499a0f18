// veltranncalc-cli calc: the main window's calculation run headless, step by
// step as a user drives the window, on the installation beside the executable.

#include "clicommands.h"

#include "form/appglobals.h"
#include "filecommands.h"
#include "localisation.h"
#include "mainform.h"
#include "form/platformservices.h"
#include "projectfile.h"
#include "form/mmain.h"
#include "form/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace vc::cli {

namespace {

struct Options {
    QString project;
    bool newProject = false;
    int units = -1;     // -1: the profile's
    QString language;   // empty: the profile's
    int family = -1;    // -1: no family click
    bool json = false;
};

QString verb = QStringLiteral("calc");

int fail(const QString &message)
{
    return vc::cli::fail(verb, message);
}

// Reads the options; returns an error message, empty when they are fine.
QString parse(const QStringList &args, Options &options)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const auto value = [&](QString &out) {
            if (i + 1 >= args.size())
                return false;
            out = args.at(++i);
            return true;
        };
        QString text;
        if (arg == QLatin1String("--json")) {
            options.json = true;
        } else if (arg == QLatin1String("--new")) {
            options.newProject = true;
        } else if (arg == QLatin1String("--units")) {
            if (!value(text))
                return QStringLiteral("--units needs metric or us");
            if (text == QLatin1String("metric"))
                options.units = 0;
            else if (text == QLatin1String("us"))
                options.units = 1;
            else
                return QStringLiteral("--units must be metric or us, not \"%1\"").arg(text);
        } else if (arg == QLatin1String("--language")) {
            if (!value(options.language) || options.language.isEmpty())
                return QStringLiteral("--language needs a language name");
        } else if (arg == QLatin1String("--family")) {
            if (!value(text))
                return QStringLiteral("--family needs a family number 0 to 5");
            bool ok = false;
            options.family = text.toInt(&ok);
            if (!ok || options.family < 0 || options.family > 5)
                return QStringLiteral("--family must be a number 0 to 5, not \"%1\"").arg(text);
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            return QStringLiteral("unknown option %1").arg(arg);
        } else if (options.project.isEmpty()) {
            options.project = arg;
        } else {
            return QStringLiteral("more than one project file given");
        }
    }
    if (options.newProject && !options.project.isEmpty())
        return QStringLiteral("give either a project file or --new, not both");
    if (!options.newProject && options.project.isEmpty())
        return QStringLiteral("no project file given (or --new)");
    return QString();
}

// Start-up as the window's, on the installation beside the executable and
// its profile "VeltrannCalc.ini", with this run's overrides.
QString startUp(const Options &options)
{
    mMain::Main(QCoreApplication::applicationDirPath(), QStringLiteral("VeltrannCalc"));
    if (!options.language.isEmpty()) {
        mMain::resolveLanguage(options.language);
        if (app().LanguageName.isEmpty())
            return QStringLiteral("no language file %1").arg(QDir::toNativeSeparators(app().LanguageFile));
    } else if (settings::read(settings::Language).isEmpty()) {
        mMain::resolveLanguage(QStringLiteral("English"));
    }
    if (options.units >= 0)
        mMain::resolveUnit(QString::number(options.units));
    app().ProjectFile.clear();
    return QString();
}

QString jsonString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

void print(MainForm &f, const QStringList &messages, bool json)
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    const QStringList names = MainForm::projectFieldNames();
    if (json) {
        out << "{\"fields\": {";
        for (int i = 0; i < names.size(); ++i)
            out << (i ? ", " : "") << jsonString(names.at(i)) << ": " << jsonString(f[names.at(i)].text());
        out << "}, \"messages\": [";
        for (int i = 0; i < messages.size(); ++i)
            out << (i ? ", " : "") << jsonString(messages.at(i));
        out << "], \"no_model_found\": " << (f.NoModelFound ? "true" : "false") << "}\n";
        return;
    }
    for (const QString &name : names)
        out << name << ": " << f[name].text() << '\n';
    for (const QString &message : messages)
        out << "message: " << QString(message).replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
    out << "no model found: " << (f.NoModelFound ? "yes" : "no") << '\n';
}

} // namespace

int runCalc(const QStringList &args)
{
    return runDesign(QStringLiteral("calc"), args, [](MainForm &f, const QStringList &messages, bool json) {
        print(f, messages, json);
        return 0;
    });
}

int fail(const QString &command, const QString &message, int status)
{
    QTextStream(stderr) << "veltranncalc-cli " << command << ": " << message << '\n';
    return status;
}

int runDesign(const QString &command, const QStringList &args, const AfterDesign &after,
              const BeforeLoad &before)
{
    verb = command;
    Options options;
    const QString error = parse(args, options);
    if (!error.isEmpty())
        return fail(error);
    const QString startError = startUp(options);
    if (!startError.isEmpty())
        return fail(startError);

    QString projectPath;
    if (!options.newProject) {
        const QFileInfo info(options.project);
        if (!info.exists())
            return fail(QStringLiteral("project file %1 not found").arg(options.project));
        if (!info.isFile() || !info.isReadable())
            return fail(QStringLiteral("project file %1 cannot be read").arg(options.project));
        if (!isProjectFile(info.absoluteFilePath()))
            return fail(QStringLiteral("%1 is not a project file").arg(options.project));
        projectPath = info.absoluteFilePath();
    }

    // Every question is answered No, as nobody is there to answer it.
    ScriptedMessages messages;
    messages.setDefaultAnswer(MessageService::Answer::No);
    Services::setMessages(&messages);

    MainForm f;
    installLocalisation(f);
    if (before)
        before(f);
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

    const int status = after(f, messages.texts(), options.json);
    Services::setMessages(nullptr);
    return status;
}

} // namespace vc::cli
