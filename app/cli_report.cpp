// veltranncalc-cli report: the design run of calc, then what a user does to
// print: the Summary and Text for tender pages, Print, and in the preview
// Print (to a printer) or "PDF…" (to one file).

#include "clicommands.h"

#include "mainform.h"
#include "form/platformservices.h"
#include "print/printer.h"
#include "printpreview.h"
#include "reportdocuments.h"
#include "richtext/richtextfield.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace vc::cli {

namespace {

struct Options
{
    QString pdf, printer, rtfReport, rtfTender;
    int copies = 1;
};

int fail(const QString &message, int status = 2)
{
    return vc::cli::fail(QStringLiteral("report"), message, status);
}

// Takes the report's own options out of args; the rest are calc's.
QString takeOptions(QStringList &args, Options &o)
{
    for (int i = 0; i < args.size();) {
        const QString arg = args.at(i);
        QString *target = arg == QLatin1String("--pdf")          ? &o.pdf
                          : arg == QLatin1String("--printer")    ? &o.printer
                          : arg == QLatin1String("--rtf-report") ? &o.rtfReport
                          : arg == QLatin1String("--rtf-tender") ? &o.rtfTender
                                                                 : nullptr;
        if (!target && arg != QLatin1String("--copies")) {
            ++i;
            continue;
        }
        const QString value = i + 1 < args.size() ? args.at(i + 1) : QString();
        if (value.isEmpty())
            return QStringLiteral("%1 needs a value").arg(arg);
        if (target) {
            *target = value;
        } else {
            bool ok = false;
            o.copies = value.toInt(&ok);
            if (!ok || o.copies < 0 || o.copies > 10)
                return QStringLiteral("--copies must be a number 0 to 10");
        }
        args.remove(i, 2);
    }
    if (args.contains(QLatin1String("--json")))
        return QStringLiteral("unknown option --json");
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

// The Summary and Text for tender pages, Print, and in the preview Print or "PDF…".
int print(MainForm &f, const Options &o)
{
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

    ScriptedMessages messages; // nobody is there to answer: every question gets No
    messages.setDefaultAnswer(MessageService::Answer::No);
    Services::setMessages(&messages);
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

} // namespace

int runReport(const QStringList &arguments)
{
    QStringList args = arguments;
    Options o;
    const QString error = takeOptions(args, o);
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
    return runDesign(
        QStringLiteral("report"), args,
        [&o](MainForm &f, const QStringList &, bool) { return print(f, o); },
        [](MainForm &f) { installReports(f); });
}

} // namespace vc::cli
