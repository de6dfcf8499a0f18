#pragma once

#include <QString>

namespace vc {

class MainForm;
class RichTextField;

// The calculation report and the tender text of the main window: rich text
// documents from the language's Docs folder whose placeholder tokens are
// replaced by the texts the window's fields show. The documents live only in
// the window's two fields; nothing is written back.
class ReportDocuments
{
public:
    struct Step
    {
        const char *token;
        const char *field; // control name; nullptr: today's date
    };
    // The replacements of the report and of the tender text, in their order.
    static const Step *reportSteps(int *count);
    static const Step *tenderSteps(int *count);

    // DocsPath\L2\Calculationresults.rtf and DocsPath\L2\F.rtf, with '\' as
    // the data writes them; L2 is the first two letters of the language name.
    static QString reportTemplatePath();
    static QString tenderPath(const QString &familyName);

    static void LoadReportTemplate(MainForm &f);
    static void LoadTender(MainForm &f);
    static void FillReport(MainForm &f);
    static void FillTender(MainForm &f);

    // Replaces the first whole-word, case-blind occurrence of token by value;
    // returns where it was found, or -1.
    static int ReplacePlaceholder(RichTextField &field, const QString &token, const QString &value);
    static QString ReplaceAll(const QString &text, const QString &find, const QString &replacement);

    // The line a field shows in place of a missing document.
    static QString notFoundLine(const QString &path);

private:
    static void loadDocument(RichTextField &field, const QString &path);
    static void fill(MainForm &f, RichTextField &field, const Step *steps, int count);
};

// Plugs the documents into the main window's hooks (loading and filling).
void installReports(MainForm &mainForm);

} // namespace vc
