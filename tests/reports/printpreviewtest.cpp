// The print preview printing the report and the tender text: through the
// CUPS test queue (job files read back with poppler) and into one PDF; and
// veltranncalc-cli report as a batch user runs it: bad input, and the filled
// documents written beside the PDF.
#include "printpreview.h"
#include "../design/designfixture.h"
#include "datarows.h"
#include "print/printer.h"
#include "readback.h"
#include "reportdocuments.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using vc::Printer;
using vc::PrintPreview;
using vc::test::DesignFixture;
using namespace vc::test;

namespace {

// Both documents filled as the planner's way through the pages fills them.
void fillProject(vc::MainForm &f, int family)
{
    vc::installReports(f);
    f.btnCalc_Click();
    f.selectPage(vc::MainForm::FamilyPage);
    f.Image9_Click(family);
    for (int page :
         {vc::MainForm::DistancePage, vc::MainForm::SummaryPage, vc::MainForm::TenderPage})
        f.selectPage(page);
}

CliRun report(const QStringList &args)
{
    return runCli(QStringList{QStringLiteral("report")} + args);
}

QString workedProject()
{
    return sharedDir() + QStringLiteral("/design-cases/metric-01-family2.sti");
}

} // namespace

class PrintPreviewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        useTestCups();
        Printer::setPrinters(nullptr);
    }

    void cleanup() { Printer::setCurrent(vc::PrinterList::pdfFileName()); }

    void copiesGiveJobsInOrder_data() { addRows("previewcopies.tsv"); }

    // Copies 2: report, report, tender, tender, each its own job from "Seite 1",
    // each as many pages as the preview lays out.
    void copiesGiveJobsInOrder()
    {
        QFETCH(QString, copies);
        QFETCH(int, reportRepeats);
        DesignFixture fx;
        vc::MainForm &f = fx.f();
        fillProject(f, 0);
        if (reportRepeats) {
            QByteArray rtf = f.RtfCalulation().richText();
            const int end = int(rtf.lastIndexOf('}'));
            QByteArray extra;
            for (int i = 0; i < reportRepeats * 20; ++i)
                extra += "\\pard Additional design note line " + QByteArray::number(i) + ".\\par\n";
            f.RtfCalulation().setRichText(rtf.left(end) + extra + "}");
        }
        QVERIFY2(Printer::setCurrent(testQueue()),
                 "the CUPS test queue is missing; run scripts/cups-start.sh");
        const QSet<QString> before = keptJobs();
        const QString jobName =
            QStringLiteral("preview test %1").arg(QDateTime::currentMSecsSinceEpoch());
        Printer::current().setDocName(jobName);
        PrintPreview preview(f);
        preview.Form_Load();
        const int reportPages = preview.pageCount();
        preview.Command2_Click(1);
        const int tenderPages = preview.pageCount();
        QCOMPARE(preview.form().at(QStringLiteral("PrtCombo")).text(), testQueue());
        preview.form().at(QStringLiteral("Copys")).setText(copies);
        bool isNumber = false;
        const int n = copies.toInt(&isNumber);
        QCOMPARE(preview.Vixbutton1_Click(), isNumber);
        QCOMPARE(fx.messages.shown().size(), size_t(isNumber ? 0 : 1));
        QCOMPARE(preview.jobPages().size(), 2 * n);
        if (n == 0)
            return;
        QVERIFY(reportRepeats == 0 || reportPages > 1);
        const QStringList jobs = newJobs(before, 2 * n, jobName);
        QCOMPARE(jobs.size(), 2 * n);
        for (int j = 0; j < 2 * n; ++j) {
            const bool report = j < n;
            const int expected = report ? reportPages : tenderPages;
            QCOMPARE(preview.jobPages().at(j), expected);
            QCOMPARE(pdfPages(jobs.at(j)), expected);
            const QString text = pdfText(jobs.at(j)).simplified();
            QVERIFY(
                text.contains(report ? f.Label20(5).text() : QStringLiteral("Bill of quantities")));
            for (int p = 1; p <= expected; ++p)
                QVERIFY2(text.contains(QStringLiteral("Seite %1").arg(p)),
                         qPrintable(QString::number(p)));
            QVERIFY(!text.contains(QStringLiteral("Seite %1").arg(expected + 1)));
        }
        // the window shows the tender text afterwards
        QCOMPARE(preview.RichTextBox1().text(), f.RtfTender().text());
    }

    // Both documents into one PDF, each counting its pages from 1; a planner's template with a
    // letterhead and a numbered footer keeps them on every page of its own.
    void bothDocumentsIntoOnePdf()
    {
        DesignFixture fx;
        vc::MainForm &f = fx.f();
        fillProject(f, 1);
        QByteArray rtf = "{\\rtf1{\\header Letterhead ACME\\par}"
                         "{\\footer Sheet {\\field{\\*\\fldinst NUMPAGES}{\\fldrslt 1}}\\par}";
        for (int i = 0; i < 150; ++i)
            rtf += "Design note line " + QByteArray::number(i) + ".\\par\n";
        f.RtfCalulation().setRichText(rtf + "}");
        QVERIFY(Printer::setCurrent(testQueue()));
        PrintPreview preview(f);
        preview.Form_Load();
        const int laidOut = preview.pageCount();
        const QString out = m_dir.filePath(QStringLiteral("both.pdf"));
        QVERIFY(preview.printPdf(out));
        QCOMPARE(Printer::current().deviceName(), testQueue()); // the chosen printer stays current
        const QList<int> jobs = preview.jobPages();
        QCOMPARE(jobs.size(), 2);
        QVERIFY(jobs[0] > 1 && jobs[0] == laidOut);
        QCOMPARE(pdfPages(out), jobs[0] + jobs[1]);
        const QString text = pdfText(out).simplified();
        QVERIFY(text.contains("Design note line 0.") &&
                text.indexOf("Design note line 149.") < text.indexOf("Bill of quantities"));
        QCOMPARE(QList<int>({int(text.count("Seite 1")), int(text.count("Letterhead ACME")),
                             int(text.count(QStringLiteral("Sheet %1").arg(jobs[0])))}),
                 QList<int>({2, jobs[0], jobs[0]}));
    }

    void unwritablePdfKeepsEverything()
    {
        DesignFixture fx;
        vc::MainForm &f = fx.f();
        fillProject(f, 0);
        const QString before = f.RtfCalulation().text();
        PrintPreview preview(f);
        preview.Form_Load();
        fx.messages.clear();
        QVERIFY(!preview.printPdf(QStringLiteral("/nonexistent-folder/out.pdf")));
        QCOMPARE(int(fx.messages.shown().size()), 1);
        QVERIFY(fx.messages.shown().front().text.contains(
            QLatin1String("/nonexistent-folder/out.pdf")));
        QCOMPARE(f.RtfCalulation().text(), before);
        QVERIFY(!QFile::exists(QStringLiteral("/nonexistent-folder/out.pdf")));
    }

    void printerChoiceRestoredOnClose()
    {
        vc::ScriptedPrinterList fake({{QStringLiteral("Office"), QStringLiteral("PCL 6")},
                                      {QStringLiteral("Plotter"), QStringLiteral("HPGL")}},
                                     QStringLiteral("Office"));
        Printer::setPrinters(&fake);
        DesignFixture fx;
        PrintPreview preview(fx.f());
        preview.Form_Load();
        QCOMPARE(preview.form().at(QStringLiteral("PrtCombo")).items(),
                 (QStringList{QStringLiteral("Office"), QStringLiteral("Plotter"),
                              vc::PrinterList::pdfFileName()}));
        QCOMPARE(preview.form().at(QStringLiteral("Copys")).items().size(), 11);
        preview.form().at(QStringLiteral("PrtCombo")).setText(QStringLiteral("Plotter"));
        preview.PrtCombo_Validate();
        QCOMPARE(Printer::current().deviceName(), QStringLiteral("Plotter"));
        // a printer the system cannot reach: the job is abandoned with a message
        QVERIFY(!preview.Vixbutton1_Click());
        QCOMPARE(int(fx.messages.shown().size()), 1);
        QVERIFY(fx.messages.shown().front().text.contains(QLatin1String("Plotter")));
        QVERIFY(preview.jobPages().isEmpty());
        preview.Form_Unload();
        QCOMPARE(Printer::current().deviceName(), QStringLiteral("Office"));
        Printer::setPrinters(nullptr);
    }

    void commandLineBadInput_data() { addRows(QStringLiteral("clibadinput.tsv")); }

    void commandLineBadInput()
    {
        QFETCH(QStringList, args);
        const QString pdf = m_dir.filePath(QStringLiteral("x.pdf"));
        args.replaceInStrings(QStringLiteral("$PROJECT"), workedProject())
            .replaceInStrings(QStringLiteral("$PDF"), pdf)
            .replaceInStrings(QStringLiteral("$DATA"), dataDir());
        const CliRun r = report(args);
        QCOMPARE(r.status, 2);
        QVERIFY(!r.err.trimmed().isEmpty() && !r.err.trimmed().contains(QLatin1Char('\n')));
        QVERIFY(!QFile::exists(pdf));
    }

    void commandLineFilledDocumentsAsRtf()
    {
        const QString reportRtf = m_dir.filePath(QStringLiteral("report.rtf"));
        const QString tenderRtf = m_dir.filePath(QStringLiteral("tender.rtf"));
        const CliRun r = report({workedProject(), "--family", "2", "--units", "us", "--language",
                                 "Deutsch", "--pdf", m_dir.filePath(QStringLiteral("r.pdf")),
                                 "--rtf-report", reportRtf, "--rtf-tender", tenderRtf});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QString reportText = QString::fromLatin1(readFile(reportRtf)),
                      tenderText = QString::fromLatin1(readFile(tenderRtf));
        const QRegularExpression token(QStringLiteral("#####\\d{1,2}\\b|(?<!#)##\\d\\d\\b"));
        QVERIFY(reportText.startsWith("{\\rtf1") &&
                !token.match(reportText + tenderText).hasMatch());
        QVERIFY(reportText.contains("cfm") && tenderText.contains("lb/h"));
    }

    // The preview's printer list and copies take the options; copies 0 prints nothing.
    void commandLinePrinterChosenByName()
    {
        const CliRun r = report({"--new", "--printer", "VeltrannPDF", "--copies", "0"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(r.out.trimmed(), QStringLiteral("0 jobs to VeltrannPDF"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(PrintPreviewTest)
#include "printpreviewtest.moc"
