// Filling the shipped report and tender documents from the main window's
// fields, and the placeholder rules on small documents of our own.
#include "reportdocuments.h"
#include "../design/designfixture.h"
#include "datarows.h"
#include "richtext/richtextfield.h"

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
    void shippedDocumentsFilled_data() { vc::test::addRows("shippeddocuments.tsv"); }

    // The user's way: calculate, choose a family, walk the pages; every token of
    // both documents is replaced by what its field shows.
    void shippedDocumentsFilled()
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
        for (int page :
             {vc::MainForm::DistancePage, vc::MainForm::SummaryPage, vc::MainForm::TenderPage})
            f.selectPage(page);

        const QString report = plain(f.RtfCalulation());
        const QString tender = plain(f.RtfTender());
        QVERIFY(report.contains(
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)));
        for (const bool isReport : {true, false}) {
            const QString &text = isReport ? report : tender;
            QVERIFY2(!text.contains(QLatin1String("not found")), qPrintable(text.left(200)));
            QVERIFY2(!tokenPattern.match(text).hasMatch(),
                     qPrintable(tokenPattern.match(text).captured()));
            int count = 0;
            const ReportDocuments::Step *steps = isReport ? ReportDocuments::reportSteps(&count)
                                                          : ReportDocuments::tenderSteps(&count);
            for (int i = isReport ? 1 : 0; i < count; ++i) { // the report's first step is the date
                const QString field = QLatin1String(steps[i].field);
                const QString value = f.form().at(field).text().trimmed();
                QVERIFY2(text.contains(value), qPrintable(field + QStringLiteral(" = ") + value));
            }
        }
    }

    void everyStepLandsOnce_data()
    {
        QTest::addColumn<bool>("isReport");
        QTest::newRow("report") << true;
        QTest::newRow("tender text") << false;
    }

    // Every field gets a marker of its own: each lands exactly as often as the
    // steps name its field, so no step finds another step's token.
    void everyStepLandsOnce()
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
        if (isReport) {
            ReportDocuments::LoadReportTemplate(f);
            ReportDocuments::FillReport(f);
        } else {
            f.Label20(7).setText(QStringLiteral("Tavro 500"));
            ReportDocuments::LoadTender(f);
            ReportDocuments::FillTender(f);
        }
        const QString text = plain(isReport ? f.RtfCalulation() : f.RtfTender());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            // the report's family is both a step and the tender's file name
            const int found = int(text.count(QStringLiteral("<%1> ").arg(it.key())));
            QVERIFY2(found == it.value(),
                     qPrintable(
                         QStringLiteral("%1: %2 of %3").arg(it.key()).arg(found).arg(it.value())));
        }
        QVERIFY(!tokenPattern.match(text).hasMatch());
    }

    void placeholderRules_data() { vc::test::addRows(QStringLiteral("placeholders.tsv")); }

    void placeholderRules()
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

    void documentPaths_data() { vc::test::addRows(QStringLiteral("documentpaths.tsv")); }

    void documentPaths()
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
    void missingDocumentShowsLine()
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
        QCOMPARE(f.RtfTender().selectionStart() + f.RtfTender().selectionLength(), 0);
    }
};

QTEST_MAIN(ReportDocumentsTest)
#include "reportdocumentstest.moc"
