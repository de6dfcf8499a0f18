#include "printpreview.h"

#include "form/appglobals.h"
#include "form/platformservices.h"
#include "ini/vixinihandling.h"
#include "io/filehelpers.h"
#include "mainform.h"
#include "print/printer.h"
#include "richtext/pageparts.h"

#include <QFileInfo>

namespace vc {

namespace {

const QString formName = QStringLiteral("frmPreview");
const QString pageLabel = QStringLiteral("Seite %1"); // in every language

int twips(const Printer &printer, int devicePixels)
{
    const int dpi = qMax(1, printer.deviceCaps(Printer::LogPixelsX));
    return qRound(devicePixels * 1440.0 / dpi);
}

} // namespace

PrintPreview::PrintPreview(MainForm &main) : m_main(main), m_form(formName)
{
    using Kind = Control::Kind;
    m_form.setCaption(QStringLiteral("Print previous"));
    m_form.add(QStringLiteral("Label1"), Kind::Label).setCaption(QStringLiteral("Printer"));
    m_form.add(QStringLiteral("PrtCombo"), Kind::ComboBox);
    m_form.add(QStringLiteral("Label2"), Kind::Label).setCaption(QStringLiteral("Copy"));
    m_form.add(QStringLiteral("Copys"), Kind::ComboBox);
    m_form.add(QStringLiteral("Label3"), Kind::Label).setCaption(QStringLiteral("Page"));
    m_form.add(QStringLiteral("Command2"), 0, Kind::Button).setCaption(QStringLiteral("1"));
    m_form.add(QStringLiteral("Command2"), 1, Kind::Button).setCaption(QStringLiteral("2"));
    m_form.add(QStringLiteral("Vixbutton1"), Kind::Button).setCaption(QStringLiteral("&Print"));
    m_form.add(QStringLiteral("btnPdf"), Kind::Button).setCaption(QStringLiteral("PDF\u2026"));
}

PrintPreview::~PrintPreview() = default;

QString PrintPreview::text(const QString &key, const QString &fallback) const
{
    const QString file = app().LanguageFile;
    const QString found =
        file.isEmpty() ? QString() : VixIniHandling().Read_INI(file, formName, key);
    return found.isEmpty() ? fallback : found;
}

void PrintPreview::Form_Load()
{
    m_margins = Margins();
    QStringList copies;
    for (int i = 0; i <= 10; ++i)
        copies << QString::number(i);
    Control &copys = m_form.at(QStringLiteral("Copys"));
    copys.setItems(copies);
    copys.setText(QStringLiteral("1"));

    Printer &printer = Printer::current();
    QStringList names;
    for (const PrinterInfo &p : Printer::printers().installed())
        names << p.deviceName;
    Control &combo = m_form.at(QStringLiteral("PrtCombo"));
    combo.setItems(names);
    combo.setText(printer.deviceName());

    // the physical offset is taken off once and added back: the paper width counts
    const int paperWidth = twips(printer, printer.deviceCaps(Printer::PhysicalWidth));
    m_lineWidth = paperWidth - m_margins.right - m_margins.left;
    m_box.setTargetDevice(printer.device(), m_lineWidth);
    Command2_Click(0);
}

void PrintPreview::Form_Unload()
{
    m_box.clearFormatCache();
    if (!m_rememberedPrinter.isEmpty())
        Printer::setCurrent(m_rememberedPrinter);
    m_rememberedPrinter.clear();
}

void PrintPreview::Command2_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    const RichTextField &source = index == 0 ? m_main.RtfCalulation() : m_main.RtfTender();
    m_box.setRichText(source.richText()); // header and footer come along in the text
}

void PrintPreview::PrtCombo_Validate()
{
    const QString chosen = m_form.at(QStringLiteral("PrtCombo")).text();
    const QString current = Printer::current().deviceName();
    if (chosen == current)
        return;
    // the printer current before the window first changed it comes back on close
    if (m_rememberedPrinter.isEmpty())
        m_rememberedPrinter = current;
    Printer::setCurrent(chosen);
}

void PrintPreview::reportFailure(const QString &detail)
{
    const QString message =
        text(QStringLiteral("msg1"), QStringLiteral("The document was not printed.")) +
        QLatin1String("\r\n") + detail;
    Services::messages().show(message, MessageService::Buttons::Ok,
                              MessageService::Icon::Exclamation, m_form.caption());
}

bool PrintPreview::Vixbutton1_Click()
{
    m_jobPages.clear();
    bool ok = false;
    const int copies = m_form.at(QStringLiteral("Copys")).text().trimmed().toInt(&ok);
    if (!ok || copies < 0 || copies > 10) {
        Services::messages().show(
            text(QStringLiteral("msg2"),
                 QStringLiteral("Please choose a number of copies from 0 to 10.")),
            MessageService::Buttons::Ok, MessageService::Icon::Exclamation, m_form.caption());
        return false;
    }
    for (int doc = 0; doc < 2; ++doc) {
        Command2_Click(doc);
        for (int i = 0; i < copies; ++i) {
            const int pages = printDocument(m_box, m_margins);
            if (pages < 0)
                return false; // the rest of the jobs would fail the same way
            m_jobPages << pages;
        }
    }
    return true;
}

QRectF PrintPreview::drawRect(Printer &printer, const Margins &m) const
{
    const int offX = twips(printer, printer.deviceCaps(Printer::PhysicalOffsetX));
    const int offY = twips(printer, printer.deviceCaps(Printer::PhysicalOffsetY));
    const double w = printer.scaleWidth(), h = printer.scaleHeight();
    return QRectF(QPointF(m.left - offX, m.top - offY),
                  QPointF(w - m.right + offX, h - m.bottom + offY));
}

// The whole sheet in the coordinates drawRect uses.
QRectF PrintPreview::paperRect(const Printer &printer) const
{
    return QRectF(-twips(printer, printer.deviceCaps(Printer::PhysicalOffsetX)),
                  -twips(printer, printer.deviceCaps(Printer::PhysicalOffsetY)),
                  twips(printer, printer.deviceCaps(Printer::PhysicalWidth)),
                  twips(printer, printer.deviceCaps(Printer::PhysicalHeight)));
}

int PrintPreview::printPages(RichTextField &field, Printer &printer, const Margins &m)
{
    printer.setScaleMode(Printer::Unit::Twips);
    const QRectF rect = drawRect(printer, m);
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(11);
    const double w = printer.scaleWidth(), h = printer.scaleHeight();
    return field.printPages(printer, rect, paperRect(printer), [&](int page) {
        const QString label = pageLabel.arg(page);
        printer.setCurrentX(w - printer.textWidth(label));
        printer.setCurrentY((h - rect.bottom() - printer.textHeight(QStringLiteral("x"))) / 2 +
                            rect.bottom());
        printer.print(label);
    });
}

int PrintPreview::printDocument(RichTextField &field, const Margins &m)
{
    if (field.lastReadReport().tooLong) {
        reportFailure(text(QStringLiteral("msg3"),
                           QStringLiteral("The text is longer than %1 characters (some 5 000 "
                                          "pages) and cannot be printed."))
                          .arg(RtfReader::maxTextLength));
        return -1;
    }
    Printer &printer = Printer::current();
    const int pages = printPages(field, printer, m);
    if (pages < 0 || !printer.endDoc()) {
        const QString error = printer.errorText();
        printer.killDoc();
        field.clearFormatCache();
        reportFailure(error);
        return -1;
    }
    field.clearFormatCache();
    return pages;
}

int PrintPreview::pageCount()
{
    Printer &printer = Printer::current();
    printer.setScaleMode(Printer::Unit::Twips);
    const QRectF rect = drawRect(printer, m_margins);
    const PagePartsPrinter parts(PageParts::of(m_box.document()), int(rect.width()));
    return m_box.countPages(parts, rect, paperRect(printer));
}

bool PrintPreview::btnPdf_Click()
{
    const QString path = Services::fileDialogs().choose(
        FileDialogService::Mode::Save, m_form.at(QStringLiteral("btnPdf")).text(),
        QStringLiteral("Report.pdf"), QStringLiteral("PDF (*.pdf)|*.pdf"), app().DataPath,
        QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    return printPdf(path);
}

bool PrintPreview::printPdf(const QString &path)
{
    const QString previous = Printer::current().deviceName();
    Printer::setPdfOutputPath(path);
    Printer::setCurrent(PrinterList::pdfFileName());
    Printer &printer = Printer::current();
    printer.setDocName(QFileInfo(path).completeBaseName());
    m_jobPages.clear();
    bool ok = true;
    for (int doc = 0; doc < 2 && ok; ++doc) {
        Command2_Click(doc);
        if (doc == 1)
            ok = printer.newPage();
        const int pages = ok ? printPages(m_box, printer, m_margins) : -1;
        ok = pages > 0;
        if (ok)
            m_jobPages << pages;
        m_box.clearFormatCache();
    }
    QString error;
    if (!ok || !printer.endDoc()) {
        error = printer.errorText();
        printer.killDoc();
        ok = false;
    }
    Printer::setCurrent(previous);
    if (!ok)
        reportFailure(error);
    return ok;
}

} // namespace vc
