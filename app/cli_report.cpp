// veltranncalc-cli report: the design run of calc, then what a user does to
// print: the Summary and Text for tender pages, Print, and in the preview
// Print (to a printer) or "PDF…" (to one file).

#include "clicommands.h"

#include "appglobals.h"
#include "filecommands.h"
#include "localisation.h"
#include "mainform.h"
#include "mmain.h"
#include "platformservices.h"
#include "printer.h"
#include "printpreview.h"
#include "projectfile.h"
#include "reportdocuments.h"
#include "richtextfield.h"
#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace vc::cli {

namespace {

struct Options
{
    QString project;
    bool newProject = false;
    int units = -1;
    QString language;
    int family = -1;
    QString pdf, printer, rtfReport, rtfTender;
    int copies = 1;
};

int fail(const QString &message, int status = 2)
{
    QTextStream(stderr) << "veltranncalc-cli report: " << message << '\n';
    return status;
}

QString parse(const QStringList &args, Options &o)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        QString value;
        const auto next = [&]() {
            if (i + 1 >= args.size())
                return false;
            value = args.at(++i);
            return !value.isEmpty();
        };
        if (arg == QLatin1String("--new")) {
            o.newProject = true;
        } else if (arg == QLatin1String("--units")) {
            if (!next() || (value != QLatin1String("metric") && value != QLatin1String("us")))
                return QStringLiteral("--units must be metric or us");
            o.units = value == QLatin1String("us") ? 1 : 0;
        } else if (arg == QLatin1String("--language")) {
            if (!next())
                return QStringLiteral("--language needs a language name");
            o.language = value;
        } else if (arg == QLatin1String("--family")) {
            bool ok = false;
            o.family = next() ? value.toInt(&ok) : -1;
            if (!ok || o.family < 0 || o.family > 5)
                return QStringLiteral("--family must be a number 0 to 5");
        } else if (arg == QLatin1String("--copies")) {
            bool ok = false;
            o.copies = next() ? value.toInt(&ok) : -1;
            if (!ok || o.copies < 0 || o.copies > 10)
                return QStringLiteral("--copies must be a number 0 to 10");
        } else if (arg == QLatin1String("--pdf") || arg == QLatin1String("--printer") ||
                   arg == QLatin1String("--rtf-report") || arg == QLatin1String("--rtf-tender")) {
            if (!next())
                return QStringLiteral("%1 needs a value").arg(arg);
            (arg == QLatin1String("--pdf")          ? o.pdf
             : arg == QLatin1String("--printer")    ? o.printer
             : arg == QLatin1String("--rtf-report") ? o.rtfReport
                                                    : o.rtfTender) = value;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            return QStringLiteral("unknown option %1").arg(arg);
        } else if (o.project.isEmpty()) {
            o.project = arg;
        } else {
            return QStringLiteral("more than one project file given");
        }
    }
    if (o.newProject == !o.project.isEmpty())
        return QStringLiteral("give a project file or --new");
    if (o.pdf.isEmpty() == o.printer.isEmpty())
        return QStringLiteral("give either --pdf OUT.pdf or --printer NAME");
    return QString();
}

// A file the run will write: its folder must exist and take it.
bool writable(const QString &path)
{
    const QFileInfo dir(QFileInfo(path).absolutePath());
    return dir.isDir() && dir.isWritable() && !QFileInfo(path).isDir();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int runReport(const QStringList &args)
{
    Options o;
    const QString error = parse(args, o);
    if (!error.isEmpty())
        return fail(error);
    for (const QString &out : {o.pdf, o.rtfReport, o.rtfTender})
        if (!out.isEmpty() && !writable(out))
            return fail(QStringLiteral("%1 cannot be written").arg(out));
    if (!o.printer.isEmpty()) {
        bool found = false;
        for (const PrinterInfo &p : Printer::printers().installed())
            found = found || p.deviceName == o.printer;
        if (!found)
            return fail(QStringLiteral("there is no printer named \"%1\"").arg(o.printer));
    }

    mMain::Main(QCoreApplication::applicationDirPath(), QStringLiteral("VeltrannCalc"));
    if (!o.language.isEmpty()) {
        mMain::resolveLanguage(o.language);
        if (app().LanguageName.isEmpty())
            return fail(QStringLiteral("no language file %1")
                            .arg(QDir::toNativeSeparators(app().LanguageFile)));
    } else if (settings::read(settings::Language).isEmpty()) {
        mMain::resolveLanguage(QStringLiteral("English"));
    }
    if (o.units >= 0)
        mMain::resolveUnit(QString::number(o.units));
    app().ProjectFile.clear();

    QString projectPath;
    if (!o.newProject) {
        const QFileInfo info(o.project);
        if (!info.isFile() || !info.isReadable())
            return fail(QStringLiteral("project file %1 not found or not readable").arg(o.project));
        if (!isProjectFile(info.absoluteFilePath()))
            return fail(QStringLiteral("%1 is not a project file").arg(o.project));
        projectPath = info.absoluteFilePath();
    }

    ScriptedMessages messages; // nobody is there to answer: every question gets No
    messages.setDefaultAnswer(MessageService::Answer::No);
    Services::setMessages(&messages);

    MainForm f;
    installLocalisation(f);
    installReports(f);
    f.load();
    if (o.newProject)
        f.btnCalc_Click();
    else
        FileCommands(f).loadProject(projectPath);
    if (o.family >= 0) {
        f.selectPage(MainForm::FamilyPage);
        f.Image9_Click(o.family);
    }
    f.selectPage(MainForm::DistancePage);
    f.btnCalcHumid_Click();
    f.selectPage(MainForm::SummaryPage);
    f.selectPage(MainForm::TenderPage);
    // Print on the Summary page fills both documents again
    ReportDocuments::FillReport(f);
    ReportDocuments::FillTender(f);

    int status = 0;
    if (!o.rtfReport.isEmpty() && !writeFile(o.rtfReport, f.RtfCalulation().richText()))
        status = fail(QStringLiteral("%1 cannot be written").arg(o.rtfReport));
    if (!o.rtfTender.isEmpty() && !writeFile(o.rtfTender, f.RtfTender().richText()))
        status = fail(QStringLiteral("%1 cannot be written").arg(o.rtfTender));

    PrintPreview preview(f);
    preview.Form_Load();
    bool printed = false;
    if (!o.pdf.isEmpty()) {
        printed = preview.printPdf(QFileInfo(o.pdf).absoluteFilePath());
    } else {
        preview.form().at(QStringLiteral("PrtCombo")).setText(o.printer);
        preview.PrtCombo_Validate();
        preview.form().at(QStringLiteral("Copys")).setText(QString::number(o.copies));
        printed = preview.Vixbutton1_Click();
    }
    preview.Form_Unload();
    Services::setMessages(nullptr);
    if (!printed) {
        const QString why = messages.texts().isEmpty()
                                ? QStringLiteral("printing failed")
                                : QString(messages.texts().constLast())
                                      .replace(QLatin1String("\r\n"), QLatin1String(": "));
        return fail(why, 1);
    }
    const QList<int> &jobs = preview.jobPages();
    QTextStream out(stdout);
    if (!o.pdf.isEmpty()) {
        out << o.pdf << ": report " << jobs.value(0) << " pages, tender text " << jobs.value(1)
            << " pages\n";
    } else {
        QStringList pages;
        for (int n : jobs)
            pages << QString::number(n);
        out << jobs.size() << " jobs to " << o.printer;
        if (!pages.isEmpty())
            out << ", pages per job: " << pages.join(QLatin1String(", "));
        out << '\n';
    }
    return status;
}

} // namespace vc::cli
