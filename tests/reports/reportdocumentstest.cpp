// Filling the shipped report and tender documents from the main window's
// fields, and the placeholder rules on small documents of our own.
#include "reportdocuments.h"
#include "../design/designfixture.h"
#include "richtext/richtextfield.h"
#include "datarows.h"

#include <QDate>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using vc::ReportDocuments;
using vc::test::DesignFixture;

namespace {

const QRegularExpression tokenPattern(QStringLiteral("#####\\d{1,2}\\b|(?<!#)##\\d\\d\\b"));

QString plain(vc::RichTextField &field)
{
    return field.text().replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

class ReportDocumentsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedDocumentsFilled_data();
    void shippedDocumentsFilled();
    void everyStepLandsOnce_data();
    void everyStepLandsOnce();
    void placeholderRules_data();
    void placeholderRules();
    void documentPaths_data();
    void documentPaths();
    void missingDocumentShowsLine();
};

void ReportDocumentsTest::shippedDocumentsFilled_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("family");
    QTest::newRow("English metric, Tavro 500") << QStringLiteral("English") << 0 << 0;
    QTest::newRow("English US, Sorbix") << QStringLiteral("English") << 1 << 2;
    QTest::newRow("Deutsch metric, Quenil 500") << QStringLiteral("Deutsch") << 0 << 1;
    QTest::newRow("Français US, Tavro 500") << QStringLiteral("Français") << 1 << 0;
    QTest::newRow("Polski metric, Sorbix") << QStringLiteral("Polski") << 0 << 2;
}

// The user's way: calculate, choose a family, walk the pages; every token of
// both documents is replaced by what its field shows.
void ReportDocumentsTest::shippedDocumentsFilled()
{
    QFETCH(QString, language);
    QFETCH(int, units);
    QFETCH(int, family);
    DesignFixture fx(units);
    vc::app().LanguageName = language;
    vc::MainForm &f = fx.f();
    vc::installReports(f);
    f.Text1(0).setText(QStringLiteral("Hôtel Lumière"));
    f.Text1(7).setText(QStringLiteral("Müller & Söhne"));
    f.btnCalc_Click();
    f.selectPage(vc::MainForm::FamilyPage);
    f.Image9_Click(family);
    QVERIFY(!f.Label20(7).text().isEmpty());
    f.selectPage(vc::MainForm::DistancePage);
    f.selectPage(vc::MainForm::SummaryPage);
    f.selectPage(vc::MainForm::TenderPage);

    const QString report = plain(f.RtfCalulation());
    const QString tender = plain(f.RtfTender());
    QVERIFY2(!report.contains(QLatin1String("not found")), qPrintable(report.left(200)));
    QVERIFY2(!tender.contains(QLatin1String("not found")), qPrintable(tender.left(200)));
    QVERIFY2(!tokenPattern.match(report).hasMatch(),
             qPrintable(tokenPattern.match(report).captured()));
    QVERIFY2(!tokenPattern.match(tender).hasMatch(),
             qPrintable(tokenPattern.match(tender).captured()));
    int count = 0;
    const ReportDocuments::Step *steps = ReportDocuments::reportSteps(&count);
    for (int i = 1; i < count; ++i) {
        const QString value = f.form().at(QLatin1String(steps[i].field)).text().trimmed();
        QVERIFY2(report.contains(value),
                 qPrintable(QStringLiteral("%1 = %2").arg(QLatin1String(steps[i].field), value)));
    }
    QVERIFY(
        report.contains(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)));
    steps = ReportDocuments::tenderSteps(&count);
    for (int i = 0; i < count; ++i) {
        const QString value = f.form().at(QLatin1String(steps[i].field)).text().trimmed();
        QVERIFY2(tender.contains(value),
                 qPrintable(QStringLiteral("%1 = %2").arg(QLatin1String(steps[i].field), value)));
    }
}

void ReportDocumentsTest::everyStepLandsOnce_data()
{
    QTest::addColumn<bool>("isReport");
    QTest::newRow("report") << true;
    QTest::newRow("tender text") << false;
}

// Every field gets a marker of its own: each lands exactly as often as the
// steps name its field, so no step finds another step's token.
void ReportDocumentsTest::everyStepLandsOnce()
{
    QFETCH(bool, isReport);
    DesignFixture fx;
    vc::MainForm &f = fx.f();
    int count = 0;
    const ReportDocuments::Step *steps =
        isReport ? ReportDocuments::reportSteps(&count) : ReportDocuments::tenderSteps(&count);
    QHash<QString, int> expected;
    for (int i = 0; i < count; ++i)
        if (steps[i].field) {
            f.form()
                .at(QLatin1String(steps[i].field))
                .setText(QStringLiteral("<%1>").arg(QLatin1String(steps[i].field)));
            ++expected[QLatin1String(steps[i].field)];
        }
    if (!isReport)
        f.Label20(7).setText(QStringLiteral("Tavro 500"));
    if (isReport) {
        ReportDocuments::LoadReportTemplate(f);
        ReportDocuments::FillReport(f);
    } else {
        ReportDocuments::LoadTender(f);
        ReportDocuments::FillTender(f);
    }
    const QString text = plain(isReport ? f.RtfCalulation() : f.RtfTender());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        // the report's family is both a step and the tender's file name
        const int found = int(text.count(QStringLiteral("<%1> ").arg(it.key())));
        QVERIFY2(
            found == it.value(),
            qPrintable(QStringLiteral("%1: %2 of %3").arg(it.key()).arg(found).arg(it.value())));
    }
    QVERIFY(!tokenPattern.match(text).hasMatch());
}

void ReportDocumentsTest::placeholderRules_data()
{
    vc::test::addRows(QStringLiteral("placeholders.tsv"));
}

void ReportDocumentsTest::placeholderRules()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, client);
    QFETCH(QString, expected);
    DesignFixture fx;
    vc::MainForm &f = fx.f();
    f.Text1(0).setText(client);
    f.Label20(0).setText(QStringLiteral("<Label20(0)>"));
    f.Einheit(9).setText(QStringLiteral("m"));
    f.RtfCalulation().setRichText("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " + body);
    ReportDocuments::FillReport(f);
    QCOMPARE(plain(f.RtfCalulation()).trimmed(), expected.trimmed());
    // filling again changes nothing, unless surplus tokens wait for it
    if (!expected.contains(QLatin1String("##"))) {
        ReportDocuments::FillReport(f);
        QCOMPARE(plain(f.RtfCalulation()).trimmed(), expected.trimmed());
    }
}

void ReportDocumentsTest::documentPaths_data()
{
    vc::test::addRows(QStringLiteral("documentpaths.tsv"));
}

void ReportDocumentsTest::documentPaths()
{
    QFETCH(QString, language);
    QFETCH(QString, family);
    QFETCH(QString, report);
    QFETCH(QString, tender);
    const vc::AppGlobals saved = vc::app();
    vc::app().DocsPath = QStringLiteral("D");
    vc::app().LanguageName = language;
    QCOMPARE(ReportDocuments::reportTemplatePath(), report);
    QCOMPARE(ReportDocuments::tenderPath(family), tender);
    vc::app() = saved;
}

// A missing language folder or family document: the line, and filling finds nothing.
void ReportDocumentsTest::missingDocumentShowsLine()
{
    DesignFixture fx;
    vc::app().LanguageName = QStringLiteral("Klingon");
    vc::MainForm &f = fx.f();
    f.Label20(7).setText(QStringLiteral("Pelmor"));
    ReportDocuments::LoadReportTemplate(f);
    ReportDocuments::LoadTender(f);
    ReportDocuments::FillReport(f);
    ReportDocuments::FillTender(f);
    const QString report = plain(f.RtfCalulation()).trimmed();
    QVERIFY2(report.startsWith(QLatin1String("File ")) &&
                 report.endsWith(QLatin1String("Kl/Calculationresults.rtf not found")),
             qPrintable(report));
    QVERIFY(plain(f.RtfTender()).trimmed().endsWith(QLatin1String("Kl/Pelmor.rtf not found")));
    QCOMPARE(f.RtfTender().selectionStart(), 0);
    QCOMPARE(f.RtfTender().selectionLength(), 0);
}

QTEST_MAIN(ReportDocumentsTest)
#include "reportdocumentstest.moc"
