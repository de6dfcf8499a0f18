#include "korbform.h"

#include "basketprint.h"
#include "basketstore.h"
#include "convert/numberformat.h"
#include "convert/vixconvert.h"
#include "easyprint.h"
#include "filecommands.h"
#include "form/appglobals.h"
#include "form/platformservices.h"
#include "io/filehelpers.h"
#include "languagecaptions.h"
#include "mainform.h"
#include "print/printer.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>

namespace vc {

namespace {

const QString section = QStringLiteral("frmKorb");
constexpr double poundsPerKilogram = 2.2046;

struct Design
{
    const char *name;
    Control::Kind kind;
    const char *caption;
};

// The window's controls with their built-in captions.
constexpr Design designs[] = {
    {"lbDesc(0)", Control::Kind::Label, "Article no."},
    {"lbDesc(1)", Control::Kind::Label, "Description"},
    {"lbDesc(2)", Control::Kind::Label, "Steam capacity"},
    {"lbDesc(3)", Control::Kind::Label, "Version"},
    {"lbDesc(4)", Control::Kind::Label, "Article no."},
    {"lbDesc(5)", Control::Kind::Label, "Description"},
    {"lbDesc(6)", Control::Kind::Label, "Tavro 500"},
    {"lbDesc(7)", Control::Kind::Label, "Quenil 500"},
    {"lbDesc(8)", Control::Kind::Label, "Sorbix"},
    {"lbDesc(9)", Control::Kind::Label, "Dremon 500"},
    {"lbDesc(10)", Control::Kind::Label, "Falcy 500"},
    {"lbDesc(11)", Control::Kind::Label, "Oskel"},
    {"lbDesc(12)", Control::Kind::Label, "Pelmor"},
    {"lbDesc1(0)", Control::Kind::Label, ""},
    {"lbDesc1(1)", Control::Kind::Label, ""},
    {"lbDesc1(2)", Control::Kind::Label, ""},
    {"lbDesc1(3)", Control::Kind::Label, ""},
    {"lbDesc1(4)", Control::Kind::Label, ""},
    {"lbDesc1(5)", Control::Kind::Label, ""},
    {"lbDesc1(6)", Control::Kind::Label, ""},
    {"lbLbH", Control::Kind::Label, "lb/h"},
    {"lbKgH", Control::Kind::Label, "kg/h"},
    {"frmGerate", Control::Kind::Frame, ""},
    {"frmOption", Control::Kind::Frame, ""},
    {"Image1", Control::Kind::Image, ""},
    {"artImage", Control::Kind::Image, ""},
    {"Command1", Control::Kind::Button, "&Add"},
    {"Command2", Control::Kind::Button, "&Remove"},
    {"Command3", Control::Kind::Button, "&Print"},
    {"Command4", Control::Kind::Button, "&Copy"},
    {"Command5", Control::Kind::Button, "Insert"},
    {"cmdExport", Control::Kind::Button, "E&xport..."},
    {"LabelKorb", Control::Kind::Label, "from Calculation"},
    {"lbPrinter", Control::Kind::Label, "Printer"},
    {"PrtCombo", Control::Kind::ComboBox, ""},
    {"lblMessage", Control::Kind::Label, ""},
    {"ListView1.ColumnHeaders(1)", Control::Kind::Other, "Qty"},
    {"ListView1.ColumnHeaders(2)", Control::Kind::Other, "Article no."},
    {"ListView1.ColumnHeaders(3)", Control::Kind::Other, "Description"},
    {"ListView1.ColumnHeaders(4)", Control::Kind::Other, "Remarks"},
};

// A capacity that reads as a number, in the program's form or the user's.
bool capacity(const QString &text, double *value)
{
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    if (!ok)
        *value = QLocale().toDouble(text.trimmed(), &ok);
    return ok && qIsFinite(*value);
}

// A number's digit groups are written as the language writes them ("1.200",
// "1,200", "1 200") while the calculation writes them as the user's locale
// does; without them both read alike.
QString withoutDigitGroups(const QString &text)
{
    static const QRegularExpression groupMark(
        QStringLiteral("(?<=\\d)[.,' \\x{00A0}\\x{202F}](?=\\d{3}(?!\\d))"));
    return QString(text).remove(groupMark);
}

// Whether an article's text names the pipe "diameter-length", both numbers
// whole: once the groups are gone, "35-120" must not find "35-1200".
bool namesPipe(const QString &articleText, const QString &pipe)
{
    const QString text = withoutDigitGroups(articleText);
    const QString wanted = withoutDigitGroups(pipe);
    for (int at = text.indexOf(wanted); at >= 0; at = text.indexOf(wanted, at + 1)) {
        const int end = at + int(wanted.size());
        if ((at == 0 || !text.at(at - 1).isDigit()) &&
            (end == text.size() || !text.at(end).isDigit()))
            return true;
    }
    return false;
}

} // namespace

KorbForm::~KorbForm() = default;

KorbForm::KorbForm(MainForm &main, QObject *parent)
    : QObject(parent), m_main(main), m_form(QStringLiteral("frmKorb"))
{
    createControls();
}

void KorbForm::createControls()
{
    m_form.setCaption(QStringLiteral("Equipment and articles"));
    for (const Design &d : designs)
        m_form.add(QLatin1String(d.name), d.kind).setCaption(QLatin1String(d.caption));
    for (int i = 0; i < 7; ++i)
        m_form.add(QStringLiteral("ImgCheck"), i, Control::Kind::Image);
    m_form.at(QStringLiteral("Image1")).setVisible(false);
    m_form.at(QStringLiteral("frmOption")).setVisible(false);
    m_form.at(QStringLiteral("Command2")).setEnabled(false);
    connect(&m_list, &BasketList::selectionChanged, this,
            [this](int row) { m_form.at(QStringLiteral("Command2")).setEnabled(row >= 0); });
}

QString KorbForm::text(const QString &key, const QString &builtIn) const
{
    return messageText(section, key, builtIn);
}

void KorbForm::report(const QString &key, const QString &builtIn, const QStringList &args)
{
    QString message = text(key, builtIn);
    for (const QString &arg : args)
        message = message.arg(arg);
    m_messages << message;
    m_form.at(QStringLiteral("lblMessage")).setText(m_messages.join(QLatin1Char('\n')));
}

void KorbForm::Form_Load()
{
    AppGlobals &g = app();
    LoadLanguageCaptions(m_form);
    // The window's own pictures: the check mark of the family flags.
    m_form.at(QStringLiteral("Image1"))
        .setPicture(nativePath(g.DocsPath + QStringLiteral("\\img\\check.jpg")));
    setPrinterList();

    g.LanguageDocsPath = g.DocsPath + QLatin1Char('\\') + g.LanguageName.left(2);
    m_catalogue.build(g.LanguageDocsPath,
                      [](const QString &key) { return languageText(section, key); });
    for (const ArticleCatalogue::Problem &p : m_catalogue.problems()) {
        if (p.kind == ArticleCatalogue::Problem::Kind::MissingFile)
            report(QStringLiteral("msg2"),
                   QStringLiteral("The catalogue file %1 is missing; its group stays empty."),
                   {p.file});
        else
            report(QStringLiteral("msg3"),
                   QStringLiteral("Article %1 appears a second time in %2 and is shown once only."),
                   {p.key, p.file});
    }
    Q_EMIT treeBuilt();

    // LoadBasket
    if (!g.ProjectFile.isEmpty()) {
        const BasketStore::Loaded loaded = BasketStore::load(g.ProjectFile);
        for (const BasketRow &row : loaded.rows)
            m_list.append(row);
        if (loaded.repaired)
            report(QStringLiteral("msg5"),
                   QStringLiteral("The basket in the project file was damaged; all %1 lines found "
                                  "have been kept."),
                   {QString::number(loaded.rows.size())});
    }
    m_form.at(QStringLiteral("artImage")).setVisible(false);
}

void KorbForm::setPrinterList()
{
    Control &combo = m_form.at(QStringLiteral("PrtCombo"));
    QStringList names;
    for (const PrinterInfo &info : Printer::printers().installed())
        names << info.deviceName;
    combo.setItems(names);
    m_printerBefore = Printer::current().deviceName();
    combo.setText(m_printerBefore);
}

void KorbForm::PrtCombo_Validate()
{
    const QString name = m_form.at(QStringLiteral("PrtCombo")).text();
    if (name != Printer::current().deviceName())
        Printer::setCurrent(name); // a name no printer has changes nothing
}

void KorbForm::Form_Unload()
{
    if (!m_printerBefore.isEmpty() && Printer::current().deviceName() != m_printerBefore)
        Printer::setCurrent(m_printerBefore);
}

void KorbForm::WKorb_NodeClick(int node)
{
    const auto &nodes = m_catalogue.nodes();
    if (node < 0 || node >= int(nodes.size()))
        return;
    const QString key = nodes[node].key;
    if (VixConvert::GInt(key.left(1)) == 0)
        return;
    const ArticleCatalogue::Article a = m_catalogue.article(node);
    if (a.isUnit()) {
        IsOtherArticle = false;
        m_form.at(QStringLiteral("frmGerate")).setVisible(true);
        m_form.at(QStringLiteral("frmOption")).setVisible(false);
        lbDesc1(0).setText(key);
        lbDesc1(1).setText(a.desc);
        lbDesc1(2).setText(a.kgh);
        lbDesc1(3).setText(a.spec);
        double kg = 0;
        if (capacity(a.kgh, &kg)) {
            lbDesc1(6).setText(formatNumber(kg * poundsPerKilogram, QStringLiteral("##,##0")));
        } else {
            lbDesc1(6).setText(QString());
            report(QStringLiteral("msg4"),
                   QStringLiteral("Article %1: the steam capacity \"%2\" is not a number."),
                   {key, a.kgh});
        }
    } else {
        IsOtherArticle = true;
        m_form.at(QStringLiteral("frmGerate")).setVisible(false);
        m_form.at(QStringLiteral("frmOption")).setVisible(true);
        lbDesc1(4).setText(key);
        lbDesc1(5).setText(a.desc);
        const QString check = m_form.at(QStringLiteral("Image1")).picture();
        for (int i = 0; i < 7; ++i)
            ImgCheck(i).setPicture(VixConvert::GInt(a.flags[i]) != 0 ? check : QString());
    }
    Control &picture = m_form.at(QStringLiteral("artImage"));
    const QString path = nativePath(app().DocsPath + QStringLiteral("\\img\\") + a.img);
    const bool shown = !a.img.isEmpty() && PathExists(path, 0, false);
    picture.setPicture(shown ? path : QString());
    picture.setVisible(shown);
}

void KorbForm::Command1_Click()
{
    if (IsOtherArticle)
        m_list.append({QStringLiteral("1"), lbDesc1(4).text(), lbDesc1(5).text()});
    else
        m_list.append({QStringLiteral("1"), lbDesc1(0).text(), lbDesc1(1).text()});
}

void KorbForm::Command2_Click()
{
    m_list.removeAt(m_list.selected());
}

void KorbForm::ListView1_Click(int row)
{
    m_list.setSelected(row);
}

void KorbForm::ListView1_KeyDown(int keyCode)
{
    if (keyCode == keyDelete)
        Command2_Click();
}

void KorbForm::Command5_Click()
{
    const QString unitText =
        (m_main.Label20(7).text() + QStringLiteral(" / ") + m_main.Label20(8).text()).toUpper();
    const QString pipeText =
        (m_main.Label30(4).text() + QLatin1Char('-') + m_main.Label30(3).text()).toUpper();
    const auto &nodes = m_catalogue.nodes();
    for (int i = 0; i < int(nodes.size()); ++i) {
        const QString nodeText = nodes[i].text.toUpper();
        if (nodeText == unitText) {
            WKorb_NodeClick(i);
            Command1_Click();
        }
        if (namesPipe(nodeText, pipeText)) {
            WKorb_NodeClick(i);
            Command1_Click();
            m_list.setQuantity(m_list.count() - 1, m_main.Text3(5).text());
        }
    }
}

void KorbForm::Command4_Click()
{
    ClipboardService &clipboard = Services::clipboard();
    clipboard.clear();
    clipboard.setText(m_list.clipboardText());
}

bool KorbForm::exportCsv(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_list.csv()) < 0 || !file.commit()) {
        report(QStringLiteral("msg7"), QStringLiteral("The file %1 could not be written."), {path});
        return false;
    }
    return true;
}

void KorbForm::cmdExport_Click()
{
    const QString path = Services::fileDialogs().choose(
        FileDialogService::Mode::Save,
        m_form.at(QStringLiteral("cmdExport")).caption().remove(QLatin1Char('&')),
        QStringLiteral("Basket.csv"), QStringLiteral("CSV (*.csv)|*.csv"), app().DataPath,
        QStringLiteral("csv"));
    if (!path.isEmpty())
        exportCsv(path);
}

bool KorbForm::printBasket()
{
    QStringList headers;
    for (int column = 1; column <= 4; ++column)
        headers << columnHeader(column);
    if (!m_easyPrint)
        m_easyPrint = std::make_unique<EasyPrint>();
    return BasketPrint::print(*m_easyPrint, headers, m_list.rows());
}

void KorbForm::Command3_Click()
{
    printBasket(); // a failing printer has told the user already
}

bool KorbForm::saveBasket(bool saveFirst)
{
    if (saveFirst)
        FileCommands(m_main).mnuSave();
    const QString file = app().ProjectFile;
    if (!file.isEmpty() && BasketStore::save(file, m_list.rows()))
        return true;
    // A Save cancelled in its dialog leaves no file to write to; either way
    // the window stays open with every line.
    if (!file.isEmpty()) {
        Services::messages().show(
            text(QStringLiteral("msg6"), QStringLiteral("The basket could not be written to %1."))
                .arg(file),
            MessageService::Buttons::Ok, MessageService::Icon::Exclamation, m_form.caption());
    }
    return false;
}

bool KorbForm::Form_QueryUnload()
{
    if (m_list.count() == 0)
        return false;
    if (!app().ProjectFile.isEmpty())
        return !saveBasket(false);
    const MessageService::Answer answer = Services::messages().show(
        text(QStringLiteral("msg1"),
             QStringLiteral("The basket is not yet stored in a project file. Do you want to save "
                            "the project with its basket now?")),
        MessageService::Buttons::YesNoCancel, MessageService::Icon::Information, m_form.caption());
    switch (answer) {
    case MessageService::Answer::Cancel:
        return true;
    case MessageService::Answer::Yes:
        return !saveBasket(true);
    default:
        return false;
    }
}

} // namespace vc
