// Speed of the documents: loading and filling the report and the tender
// text, laying the preview out on the printer, and the command line's report
// to a PDF file, start-up included.

#include "form/appglobals.h"
#include "mainform.h"
#include "form/platformservices.h"
#include "print/printer.h"
#include "printpreview.h"
#include "reportdocuments.h"

#include <algorithm>
#include <functional>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <vector>

namespace {

constexpr double fillLimitMs = 30;
constexpr double layoutLimitMs = 200;
constexpr double commandLineLimitMs = 1000;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

double medianMs(int rounds, const std::function<void()> &once)
{
    once(); // warm the caches
    std::vector<double> ms;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        once();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

bool report(const QString &what, double ms, double limit)
{
    out() << "reports: " << what << " " << QString::number(ms, 'f', 1) << " ms (limit " << limit
          << " ms)" << Qt::endl;
    return ms < limit;
}

bool commandLine(const QString &bin)
{
    QTemporaryDir dir;
    const double ms = medianMs(3, [&] {
        QProcess p;
        p.start(bin + QStringLiteral("/veltranncalc-cli"),
                {QStringLiteral("report"), QStringLiteral("--new"), QStringLiteral("--family"),
                 QStringLiteral("0"), QStringLiteral("--pdf"),
                 dir.filePath(QStringLiteral("report.pdf"))});
        p.waitForFinished(30000);
    });
    return report(QStringLiteral("veltranncalc-cli report to PDF (wall)"), ms, commandLineLimitMs);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    vc::AppGlobals &g = vc::app();
    g.AppPath = QStringLiteral(VC_BIN_DIR);
    g.DataPath = g.AppPath + QStringLiteral("/Data");
    g.DocsPath = g.AppPath + QStringLiteral("/Docs");
    g.LanguageName = QStringLiteral("English");
    g.LanguageFile = g.AppPath + QStringLiteral("/Language/English.lng");
    vc::ScriptedMessages messages;
    vc::Services::setMessages(&messages);
    vc::MainForm f;
    vc::installReports(f);
    f.load();
    f.btnCalc_Click();
    f.Image9_Click(0);
    f.btnCalcHumid_Click();

    bool ok = report(QStringLiteral("load and fill report and tender text"),
                     medianMs(15,
                              [&f] {
                                  vc::ReportDocuments::LoadReportTemplate(f);
                                  vc::ReportDocuments::LoadTender(f);
                                  vc::ReportDocuments::FillReport(f);
                                  vc::ReportDocuments::FillTender(f);
                              }),
                     fillLimitMs);
    vc::Printer::setCurrent(vc::PrinterList::pdfFileName());
    ok = report(QStringLiteral("preview laid out on the printer"),
                medianMs(9,
                         [&f] {
                             vc::PrintPreview preview(f);
                             preview.Form_Load();
                             preview.pageCount();
                         }),
                layoutLimitMs) &&
         ok;
    vc::Services::setMessages(nullptr);
    ok = commandLine(g.AppPath) && ok;
    return ok ? 0 : 1;
}
