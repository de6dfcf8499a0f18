#pragma once

#include "form/form.h"
#include "richtext/richtextfield.h"

#include <QRectF>
#include <QString>

namespace vc {

class MainForm;
class Printer;

// The print preview "frmPreview": shows the calculation report or the tender
// text laid out on the printer's line width, prints both (report first, each
// copy its own job, "Seite N" at the bottom right of every page) and writes
// both into one PDF. A printer that fails abandons the job with a message;
// the window, the main window and the project stay as they are.
class PrintPreview
{
public:
    // Print margins in twips, set every time the window loads.
    struct Margins
    {
        int top = 800, left = 800, right = 1100, bottom = 800;
    };

    explicit PrintPreview(MainForm &main);
    ~PrintPreview();

    Form &form() { return m_form; }
    RichTextField &RichTextBox1() { return m_box; }
    const Margins &margins() const { return m_margins; }
    // Twips of the preview's lines: the paper width less both margins.
    int lineWidth() const { return m_lineWidth; }

    void Form_Load();
    // Restores the printer that was current before the user chose another.
    void Form_Unload();
    void Command2_Click(int index); // 0 report, 1 tender text
    void PrtCombo_Validate();
    // Prints the report, then the tender text; false when a job failed or the
    // copies text is not a number from 0 to 10.
    bool Vixbutton1_Click();
    // Asks for a file and writes both documents into it; false on cancel or failure.
    bool btnPdf_Click();
    // Both documents into one PDF file, each paged as it prints.
    bool printPdf(const QString &path);

    // One job of the field on the current printer; the number of pages, or
    // -1 when the printer failed (the job is then abandoned).
    int printDocument(RichTextField &field, const Margins &m);
    // The pages the document shown will print on, as the preview lays it out.
    int pageCount();

    // Pages of the jobs printed by the last Print, in their order.
    const QList<int> &jobPages() const { return m_jobPages; }

private:
    // The page loop of one document into a job already running.
    int printPages(RichTextField &field, Printer &printer, const Margins &m);
    QRectF drawRect(Printer &printer, const Margins &m) const;
    QRectF paperRect(const Printer &printer) const;
    void reportFailure(const QString &detail);
    QString text(const QString &key, const QString &fallback) const;

    MainForm &m_main;
    Form m_form;
    RichTextField m_box;
    Margins m_margins;
    int m_lineWidth = 0;
    QString m_rememberedPrinter;
    QList<int> m_jobPages;
};

} // namespace vc
