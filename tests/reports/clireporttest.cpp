// veltranncalc-cli report as a batch user runs it: bad input, and the filled
// documents written beside the PDF (the printing itself is the preview's test).
#include "datarows.h"
#include "readback.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

vc::test::CliRun cli(const QStringList &args)
{
    return vc::test::runCli(QStringList{QStringLiteral("report")} + args);
}

QString project()
{
    return vc::test::sharedDir() + QStringLiteral("/design-cases/metric-01-family2.sti");
}

const QRegularExpression token(QStringLiteral("#####\\d{1,2}\\b|(?<!#)##\\d\\d\\b"));

} // namespace

class CliReportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void badInput_data() { vc::test::addRows(QStringLiteral("clibadinput.tsv")); }

    void badInput()
    {
        QFETCH(QStringList, args);
        args.replaceInStrings(QStringLiteral("$PROJECT"), project())
            .replaceInStrings(QStringLiteral("$PDF"), m_dir.filePath(QStringLiteral("x.pdf")))
            .replaceInStrings(QStringLiteral("$DATA"), vc::test::dataDir());
        const vc::test::CliRun r = cli(args);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err.trimmed().count(QLatin1Char('\n')), 0);
        QVERIFY(!r.err.trimmed().isEmpty());
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("x.pdf"))));
    }

    void filledDocumentsAsRtf()
    {
        const QString report = m_dir.filePath(QStringLiteral("report.rtf"));
        const QString tender = m_dir.filePath(QStringLiteral("tender.rtf"));
        const vc::test::CliRun r = cli(
            {project(), QStringLiteral("--family"), QStringLiteral("2"), QStringLiteral("--units"),
             QStringLiteral("us"), QStringLiteral("--language"), QStringLiteral("Deutsch"),
             QStringLiteral("--pdf"), m_dir.filePath(QStringLiteral("r.pdf")),
             QStringLiteral("--rtf-report"), report, QStringLiteral("--rtf-tender"), tender});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QByteArray reportRtf = vc::test::readFile(report),
                         tenderRtf = vc::test::readFile(tender);
        QVERIFY(reportRtf.startsWith("{\\rtf1"));
        QVERIFY(!token.match(QString::fromLatin1(reportRtf)).hasMatch());
        QVERIFY(!token.match(QString::fromLatin1(tenderRtf)).hasMatch());
        QVERIFY(reportRtf.contains("cfm") && tenderRtf.contains("lb/h"));
    }

    // The preview's printer list and copies take the options; copies 0 prints nothing.
    void printerChosenByName()
    {
        const vc::test::CliRun r =
            cli({QStringLiteral("--new"), QStringLiteral("--printer"),
                 QStringLiteral("VeltrannPDF"), QStringLiteral("--copies"), QStringLiteral("0")});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(r.out.trimmed(), QStringLiteral("0 jobs to VeltrannPDF"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(CliReportTest)
#include "clireporttest.moc"
