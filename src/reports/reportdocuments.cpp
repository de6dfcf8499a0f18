#include "reportdocuments.h"

#include "form/appglobals.h"
#include "io/filehelpers.h"
#include "mainform.h"
#include "richtext/richtextfield.h"
#include "convert/vixconvert.h"

#include <iterator>
#include <QDate>
#include <QFileInfo>
#include <QLocale>

namespace vc {

namespace {

const ReportDocuments::Step reportTable[] = {
    {"#####0", nullptr},       {"#####1", "Text1(0)"},    {"#####2", "Text1(1)"},
    {"#####3", "Text1(2)"},    {"#####4", "Text1(3)"},    {"#####5", "Text1(4)"},
    {"#####6", "Text1(5)"},    {"#####7", "Text1(6)"},    {"#####40", "Text1(7)"},
    {"#####8", "Text2(0)"},    {"#####9", "Combo2(0)"},   {"#####10", "Label20(0)"},
    {"#####11", "Combo2(1)"},  {"#####41", "Label20(6)"}, {"#####12", "Text2(1)"},
    {"#####13", "Combo2(2)"},  {"#####14", "Label20(1)"}, {"#####15", "Text2(2)"},
    {"#####16", "Combo2(3)"},  {"#####17", "Label20(2)"}, {"#####18", "Label20(4)"},
    {"#####19", "Label20(3)"}, {"#####20", "Label20(5)"}, {"#####21", "Combo2(4)"},
    {"#####22", "Combo2(5)"},  {"#####23", "Label20(7)"}, {"#####42", "Label20(8)"},
    {"#####24", "Text3(0)"},   {"#####25", "Text3(1)"},   {"#####26", "Text3(2)"},
    {"#####27", "Combo3(0)"},  {"#####28", "Label30(1)"}, {"#####29", "Text3(3)"},
    {"#####30", "Text3(4)"},   {"#####31", "Label30(2)"}, {"#####32", "Text3(5)"},
    {"#####33", "Label30(4)"}, {"#####34", "Label30(3)"}, {"#####35", "Label30(5)"},
    {"#####36", "Label30(6)"}, {"#####37", "Label30(7)"}, {"#####38", "Label30(8)"},
    {"#####39", "Label30(9)"}, {"##51", "Einheit(5)"},    {"##51", "Einheit(5)"},
    {"##51", "Einheit(5)"},    {"##52", "Label2(8)"},     {"##53", "Einheit(0)"},
    {"##53", "Einheit(0)"},    {"##53", "Einheit(0)"},    {"##54", "Einheit(9)"},
    {"##54", "Einheit(9)"},    {"##54", "Einheit(9)"},    {"##54", "Einheit(9)"},
    {"##54", "Einheit(9)"},    {"##54", "Einheit(9)"},    {"##55", "Einheit(2)"},
    {"##56", "Einheit(4)"},    {"##56", "Einheit(4)"},    {"##56", "Einheit(4)"},
    {"##56", "Einheit(4)"},    {"##57", "Einheit(25)"},   {"##58", "Einheit(6)"},
    {"##58", "Einheit(6)"},    {"##59", "Einheit(17)"},   {"##59", "Einheit(17)"},
    {"##59", "Einheit(17)"},   {"##60", "Einheit(20)"},   {"##60", "Einheit(21)"},
};

const ReportDocuments::Step tenderTable[] = {
    {"##84", "Label20(11)"}, {"##85", "Label20(12)"}, {"##86", "Label20(13)"},
    {"##91", "Label30(12)"}, {"##81", "Text3(4)"},    {"##82", "Label20(10)"},
    {"##83", "Combo2(4)"},   {"##87", "Text3(5)"},    {"##88", "Label30(4)"},
    {"##89", "Label30(3)"},  {"##90", "Label30(4)"},  {"##58", "Einheit(6)"},
    {"##61", "Einheit(34)"}, {"##53", "Einheit(0)"},  {"##53", "Einheit(0)"},
    {"##53", "Einheit(0)"},  {"##53", "Einheit(0)"},  {"##54", "Einheit(9)"},
    {"##54", "Einheit(9)"},
};

static_assert(std::size(reportTable) == 69, "the report has 69 replacements");
static_assert(std::size(tenderTable) == 19, "the tender text has 19 replacements");

QString languageFolder()
{
    return app().LanguageName.left(2);
}

} // namespace

const ReportDocuments::Step *ReportDocuments::reportSteps(int *count)
{
    *count = int(std::size(reportTable));
    return reportTable;
}

const ReportDocuments::Step *ReportDocuments::tenderSteps(int *count)
{
    *count = int(std::size(tenderTable));
    return tenderTable;
}

QString ReportDocuments::reportTemplatePath()
{
    return app().DocsPath + QLatin1Char('\\') + languageFolder() +
           QLatin1String("\\Calculationresults.rtf");
}

QString ReportDocuments::tenderPath(const QString &familyName)
{
    return app().DocsPath + QLatin1Char('\\') + languageFolder() + QLatin1Char('\\') +
           ReplaceAll(familyName, QStringLiteral("/"), QStringLiteral("-")) + QLatin1String(".rtf");
}

QString ReportDocuments::notFoundLine(const QString &path)
{
    return QStringLiteral("File %1 not found").arg(nativePath(path));
}

void ReportDocuments::loadDocument(RichTextField &field, const QString &path)
{
    const QString local = nativePath(path);
    // a document that exists but cannot be read is as good as missing
    if (!QFileInfo(local).isFile() || !field.loadFile(local))
        field.setPlainText(notFoundLine(path));
    field.select(0, 0);
}

void ReportDocuments::LoadReportTemplate(MainForm &f)
{
    loadDocument(f.RtfCalulation(), reportTemplatePath());
}

void ReportDocuments::LoadTender(MainForm &f)
{
    loadDocument(f.RtfTender(), tenderPath(f.Label20(7).text()));
}

void ReportDocuments::fill(MainForm &f, RichTextField &field, const Step *steps, int count)
{
    for (int i = 0; i < count; ++i) {
        const Step &s = steps[i];
        QString value;
        if (!s.field)
            value = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        else if (const Control *c = f.form().find(QLatin1String(s.field)))
            value = VixConvert::GStrLeer(c->text());
        else
            value = VixConvert::GStrLeer(QString());
        ReplacePlaceholder(field, QLatin1String(s.token), value);
    }
}

void ReportDocuments::FillReport(MainForm &f)
{
    int count = 0;
    const Step *steps = reportSteps(&count);
    fill(f, f.RtfCalulation(), steps, count);
}

void ReportDocuments::FillTender(MainForm &f)
{
    int count = 0;
    const Step *steps = tenderSteps(&count);
    fill(f, f.RtfTender(), steps, count);
}

int ReportDocuments::ReplacePlaceholder(RichTextField &field, const QString &token,
                                        const QString &value)
{
    const int at = field.find(token, 0, -1, RichTextField::WholeWord);
    if (at < 0)
        return -1;
    field.select(at, int(token.size()));
    if (!value.isEmpty()) {
        field.select(at, int(token.size()));
        field.replaceSelection(value);
    }
    return at;
}

QString ReportDocuments::ReplaceAll(const QString &text, const QString &find,
                                    const QString &replacement)
{
    if (find.isEmpty())
        return text;
    QString out = text;
    int at = 0;
    while ((at = int(out.indexOf(find, at))) >= 0) {
        out.replace(at, find.size(), replacement);
        at += int(replacement.size());
    }
    return out;
}

void installReports(MainForm &mainForm)
{
    MainForm *f = &mainForm;
    mainForm.hooks.loadReportTemplate = [f] { ReportDocuments::LoadReportTemplate(*f); };
    mainForm.hooks.loadTender = [f] { ReportDocuments::LoadTender(*f); };
    mainForm.hooks.fillReport = [f] { ReportDocuments::FillReport(*f); };
    mainForm.hooks.fillTender = [f] { ReportDocuments::FillTender(*f); };
}

} // namespace vc
