#include "mainform.h"

#include "form/appglobals.h"
#include "distributorsizing.h"
#include "familychoice.h"
#include "loadcalculation.h"
#include "io/filehelpers.h"
#include "form/platformservices.h"
#include "richtext/richtextfield.h"
#include "ini/vixinihandling.h"

#include <QColor>

namespace vc {

namespace {

using Kind = Control::Kind;

QStringList numbers(int from, int to, int step = 1)
{
    QStringList list;
    for (int i = from; i <= to; i += step)
        list.append(QString::number(i));
    return list;
}

const char *const tabCaptions[MainForm::PageCount] = {
    "Project", "&Humidification load", "Units", "Humidification distanz", "Summary", "Text for tender",
};

struct Named {
    const char *name;
    const char *caption;
};

// Design captions of the buttons, shown until a language file replaces them.
constexpr Named buttons[] = {
    {"btnPrev", "&Back"},           {"btnNext", "&Next"},           {"Command11", "Equipment"},
    {"btnCalc", "&Calculate"},      {"Command22(2)", "&hx Diagram"}, {"Command20(0)", "&Alternative"},
    {"btnCalcHumid", "&Calculate"}, {"Command30(0)", "&Alternative"}, {"Command2", "&Copy"},
    {"Command7", "&Refresh"},       {"Vixbutton1", "Print"},        {"Command50", "Save as"},
    {"Command1", "&Copy"},          {"Command6", "&Refresh"},       {"Vixbutton2", "&Print"},
    {"Command60", "Save as"},
};

const char *const label1Captions[] = {
    "Project Information", "Client", "Project", "Plant", "Offer Nbr", "Register Nbr", "Company", "User",
    "Distributor",
};

// Einheit(0..35) as the window is designed: the metric unit labels.
const char *const einheitCaptions[] = {
    "mm", "m3 / h", "m/s", "°C", "g/kg", "m3 / h", "kg/h", "mm", "mm", "m", "m", "m",
    "m", "m", "mm", "x", "m3 / h", "°C", "%", "°C", "%", "%", "g/kg", "g/kg",
    "g/kg", "kg/m3", "kg/h", "V", "ø", "130kg/h", "  65kg/h", "    3kg/h", "    2kg/h", "m", "kW", ""};
static_assert(std::size(einheitCaptions) == 36, "one caption per unit label");

// Label2(0..35): the load page's captions, then the family table's rows.
const char *const label2Captions[] = {
    "Humidifcation load", "Outside conditions", "Inside condition", "Electrical connections",
    "Percentage fresh air", "Total air flow", "Air flow to be humidified", "Pressure of the atmosphere",
    "hPa or mbar", "Temperature", "Relative humidity", "Absolute humidity", "Humidity increase delta x",
    "Density of the air", "Humidification load", "Heating voltage", "Number of phases",
    "for humidification load", "i.e. level above sea of:", "Units", "Keypad and display",
    "Multicolored LED display", "Industrial / commercial application",
    "Residential / domestic application", "Humidification for low energy houses",
    "Direct room humidification", "Duct application", "for little budget", "max. steam capacity",
    "max. steam capacity", "max. steam capacity", "max. steam capacity", "Self cleaning system",
    "Integrated humidity controller", "optionally available", "Control voltage",
};

// Label3(0..17) of the distance page; there is no Label3(1).
const char *const label3Captions[] = {
    "Humidification distance", nullptr, "Total air flow", "Air duct widt x height", "Air velocity",
    "Air temperatur before humidifier", "Humidity after humidifier", "Factor K",
    "Steam output of the humidifier", "Length of steam distribution pipe",
    "Number of steam distribution pipe", "Humidification distance", "of distribution pipe",
    "Minimum distance between installed steam distribution pipe and following components",
    "Duct humidistat, humidity sensor, temperatur sensor", "Submicron particel filters",
    "Duct heater, fine filter", "Duct branch, zone outlet, air difuser, duct bend, fan",
};

const char *const languageNames[] = {"English", "Deutsch", "Fran\xc3\xa7" "ais", "Polski"};

const QColor markColour(0, 128, 128);
const QColor optionColour(192, 64, 0);
const QColor highlightColour(0, 0, 192);
const QColor captionColour(192, 0, 0);

template <std::size_t N>
void addArray(Form &form, const char *base, std::array<Control *, N> &controls, Kind kind)
{
    for (std::size_t i = 0; i < N; ++i)
        controls[i] = &form.add(QLatin1String(base), int(i), kind);
}

} // namespace

MainForm::MainForm(QObject *parent) : QObject(parent), m_form(QStringLiteral("frmMain"))
{
    createControls();
}

MainForm::~MainForm() = default;

QStringList MainForm::projectFieldNames()
{
    QStringList names;
    const auto add = [&names](const char *base, int count) {
        for (int i = 0; i < count; ++i)
            names.append(Form::item(QLatin1String(base), i));
    };
    add("Text1", 8);
    add("Text2", 3);
    add("Combo2", 6);
    add("Text3", 6);
    add("Combo3", 1);
    add("Label20", 14);
    add("Label30", 13);
    return names;
}

void MainForm::createControls()
{
    m_form.setCaption(QStringLiteral("Form1"));

    addArray(m_form, "Text1", m_text1, Kind::TextBox);
    addArray(m_form, "Text2", m_text2, Kind::TextBox);
    addArray(m_form, "Combo2", m_combo2, Kind::ComboBox);
    addArray(m_form, "Text3", m_text3, Kind::TextBox);
    addArray(m_form, "Combo3", m_combo3, Kind::ComboBox);
    addArray(m_form, "Label20", m_label20, Kind::Label);
    addArray(m_form, "Label30", m_label30, Kind::Label);

    // Design texts of the drop-down fields that the unit system does not change.
    Combo2(0).setText(QStringLiteral("20"));
    Combo2(2).setText(QStringLiteral("60"));
    Combo2(3).setText(QStringLiteral("50"));
    Combo2(4).setText(QStringLiteral("400"));
    Combo2(5).setText(QStringLiteral("3"));
    Label20(7).setText(QStringLiteral("-"));
    Label20(8).setText(QStringLiteral("size"));
    Label30(4).setText(QStringLiteral("?"));
    Label30(12).setText(QStringLiteral("6 / 10"));

    m_imageSelected = &m_form.add(QStringLiteral("ImageSelected"), Kind::Image);
    m_imgFlowting = &m_form.add(QStringLiteral("ImgFlowting"), Kind::Image);
    m_imgFlowting->setVisible(false);

    m_tab = &m_form.add(QStringLiteral("SSTab1"), Kind::Page);
    QStringList captions;
    for (const char *caption : tabCaptions)
        captions.append(QLatin1String(caption));
    m_tab->setItems(captions);
    m_tab->setListIndex(ProjectPage);

    for (const Named &button : buttons)
        m_form.add(QLatin1String(button.name), Kind::Button).setCaption(QLatin1String(button.caption));
    for (int i = 0; i < int(std::size(label1Captions)); ++i)
        m_form.add(QStringLiteral("Label1"), i, Kind::Label).setCaption(QLatin1String(label1Captions[i]));
    for (int i = 0; i < int(std::size(label2Captions)); ++i)
        m_form.add(QStringLiteral("Label2"), i, Kind::Label).setCaption(QLatin1String(label2Captions[i]));
    for (int i = 0; i < int(m_label3.size()); ++i) {
        m_label3[i] = &m_form.add(QStringLiteral("Label3"), i, Kind::Label);
        if (label3Captions[i])
            m_label3[i]->setCaption(QLatin1String(label3Captions[i]));
    }
    addArray(m_form, "Einheit", m_einheit, Kind::Label);
    // The built-in metric unit labels: they stay when no unit file applies,
    // and the documents take their unit texts from them.
    for (int i = 0; i < int(m_einheit.size()); ++i)
        Einheit(i).setCaption(QString::fromUtf8(einheitCaptions[i]));
    m_form.add(QStringLiteral("Line2"), Kind::Other);
    m_form.add(QStringLiteral("Line3"), Kind::Other);
    m_form.add(QStringLiteral("msgLabel"), Kind::Label);
    m_form.add(QStringLiteral("Bez2(6)"), Kind::Label).setCaption(QStringLiteral("Selected humidifier"));
    m_form.add(QStringLiteral("Bez2(0)"), Kind::Label).setCaption(QStringLiteral("Type"));
    m_form.add(QStringLiteral("Bez2(1)"), Kind::Label).setCaption(QStringLiteral("Sizze"));

    // The family page: feature marks, column pictures, click and hover spots.
    addArray(m_form, "Shape4", m_shape4, Kind::Other);
    for (Control *mark : m_shape4)
        mark->setBackColor(markColour);
    addArray(m_form, "Shape5", m_shape5, Kind::Other);
    for (Control *mark : m_shape5)
        mark->setBackColor(optionColour);
    addArray(m_form, "Image5", m_image5, Kind::Image);
    for (int i = 0; i < FamilyChoice::count; ++i)
        m_form.add(QStringLiteral("Image9"), i, Kind::Image);
    for (int i = 0; i < 3; ++i)
        m_form.add(QStringLiteral("Image6"), i, Kind::Image);
    for (int i = 0; i < 7; ++i)
        m_form.add(QStringLiteral("Image4"), i, Kind::Image);

    m_unitSi = &m_form.add(QStringLiteral("mnuOtherUnit(0)"), Kind::Menu);
    m_unitSi->setCaption(QStringLiteral("SI"));
    m_unitUs = &m_form.add(QStringLiteral("mnuOtherUnit(1)"), Kind::Menu);
    m_unitUs->setCaption(QStringLiteral("USA"));
    for (int i = 0; i < int(std::size(languageNames)); ++i)
        m_form.add(QStringLiteral("mnuOtherLanguage"), i, Kind::Menu)
            .setCaption(QString::fromUtf8(languageNames[i]));
}

bool MainForm::usUnits() const
{
    return !m_unitSi->isChecked();
}

QString MainForm::languageText(const QString &key) const
{
    if (m_textsFile != app().LanguageFile) {
        m_texts.clear();
        m_textsFile = app().LanguageFile;
    }
    auto it = m_texts.constFind(key);
    if (it == m_texts.constEnd())
        it = m_texts.insert(key, VixIniHandling().Read_INI(m_textsFile, m_form.name(), key));
    return *it;
}

void MainForm::showRangeWarning()
{
    const QString text = languageText(QStringLiteral("msg21")) + QLatin1String("\r\n")
        + languageText(QStringLiteral("msg22"));
    Services::messages().show(text, MessageService::Buttons::Ok, MessageService::Icon::Information,
                              m_form.caption());
}

void MainForm::load()
{
    Label20(7).setText(QString());
    Label20(8).setText(QString());
    Label20(9).setText(QString());
    const QString background = m_form.at(QStringLiteral("Image4(0)")).picture();
    for (int i = 1; i <= 5; ++i)
        m_form.at(QStringLiteral("Image4"), i).setPicture(background);
    m_tab->setListIndex(ProjectPage);
    m_form.at(QStringLiteral("msgLabel")).setCaption(QString());

    if (hooks.loadLanguageCaptions)
        hooks.loadLanguageCaptions();
    for (int i = 0; i < int(std::size(languageNames)); ++i)
        m_form.at(QStringLiteral("mnuOtherLanguage"), i)
            .setChecked(app().LanguageName == QString::fromUtf8(languageNames[i]));
    if (hooks.loadUnitLabels)
        hooks.loadUnitLabels();

    const bool us = app().UnitSystem == 1;
    m_unitSi->setChecked(!us);
    m_unitUs->setChecked(us);
    if (hooks.unitCommand)
        hooks.unitCommand(app().UnitSystem);

    const QStringList percent = numbers(1, 100);
    Combo2(0).setItems(percent);
    Combo2(2).setItems(percent);
    Combo2(3).setItems(percent);
    Combo2(4).setItems({QStringLiteral("400"), QStringLiteral("230")});
    Combo2(5).setItems({QStringLiteral("3"), QStringLiteral("1")});
    setUnitDefaults();

    // The page handler runs twice while page 0 is shown.
    SSTab1_Click(LoadPage);
    SSTab1_Click(FamilyPage);
    selectPage(ProjectPage);
}

void MainForm::setUnitDefaults()
{
    const bool us = app().UnitSystem == 1;
    for (const QString &name : metricOnlyControls())
        m_form.at(name).setVisible(!us);
    if (!us) {
        Text2(0).setText(QStringLiteral("8000"));
        Combo2(1).setText(QStringLiteral("950"));
        Text2(1).setText(QStringLiteral("-5"));
        Text2(2).setText(QStringLiteral("22"));
        Text3(1).setText(QStringLiteral("1000"));
        Text3(2).setText(QStringLiteral("500"));
        Combo3(0).setText(QStringLiteral("22"));
    } else {
        Text2(0).setText(QStringLiteral("5000"));
        Combo2(1).setText(QStringLiteral("28"));
        Text2(1).setText(QStringLiteral("23"));
        Text2(2).setText(QStringLiteral("72"));
        Text3(1).setText(QStringLiteral("40"));
        Text3(2).setText(QStringLiteral("20"));
        Combo3(0).setText(QStringLiteral("73"));
    }
    Combo2(1).setItems(pressureList(us));
    Combo3(0).setItems(airTemperatureList(us));
}

QStringList MainForm::pressureList(bool us)
{
    return us ? numbers(23, 35) : numbers(750, 1050, 10);
}

QStringList MainForm::airTemperatureList(bool us)
{
    return us ? numbers(50, 86) : numbers(10, 30);
}

QStringList MainForm::metricOnlyControls()
{
    return {QStringLiteral("Command20(0)"), QStringLiteral("Label2(17)"), QStringLiteral("Line2"),
            QStringLiteral("Command30(0)"), QStringLiteral("Label3(12)"), QStringLiteral("Line3")};
}

int MainForm::currentPage() const
{
    return m_tab->listIndex();
}

void MainForm::selectPage(int page)
{
    const int previous = currentPage();
    if (page == previous)
        return;
    m_tab->setListIndex(page);
    SSTab1_Click(previous);
}

void MainForm::btnNext_Click()
{
    const int page = currentPage();
    selectPage(page >= PageCount - 1 ? 0 : page + 1);
}

void MainForm::btnPrev_Click()
{
    const int page = currentPage();
    selectPage(page > 0 ? page - 1 : PageCount - 1);
}

void MainForm::SSTab1_Click(int /*previousTab*/)
{
    switch (currentPage()) {
    case LoadPage:
        for (Control *combo : m_combo2)
            combo->setSelection(combo->selStart(), 0);
        break;
    case FamilyPage:
        btnCalcHumid_Click();
        Combo3(0).setSelection(Combo3(0).selStart(), 0);
        RefreshFamilyTable();
        break;
    case DistancePage: {
        Label30(0).setText(Label20(7).text());
        Label30(11).setText(Label20(8).text());
        btnCalcHumid_Click();
        if (Label20(7).text().isEmpty()) {
            const QString question = languageText(QStringLiteral("msgbox1")) + QLatin1String("\r\n")
                + languageText(QStringLiteral("msgbox2"));
            const auto answer = Services::messages().show(question, MessageService::Buttons::YesNo,
                                                          MessageService::Icon::Information,
                                                          m_form.caption());
            if (answer == MessageService::Answer::Yes) {
                selectPage(FamilyPage);
                return;
            }
        }
        if (hooks.loadReportTemplate)
            hooks.loadReportTemplate();
        break;
    }
    case SummaryPage:
        btnCalcHumid_Click();
        if (hooks.loadTender)
            hooks.loadTender();
        break;
    case TenderPage:
        btnCalcHumid_Click();
        break;
    default:
        break;
    }
}

void MainForm::calculateLoad()
{
    LoadCalculation::run(*this);
}

void MainForm::btnCalc_Click()
{
    calculateLoad();
    Label20(7).setText(QString());
    ImageSelected().setPicture(QString());
}

void MainForm::btnCalcHumid_Click()
{
    DistributorSizing::run(*this);
    if (hooks.fillReport)
        hooks.fillReport();
    if (hooks.fillTender)
        hooks.fillTender();
}

void MainForm::Command7_Click()
{
    btnPrev_Click();
    btnNext_Click();
}

void MainForm::Command6_Click()
{
    btnCalcHumid_Click();
    if (hooks.loadTender)
        hooks.loadTender();
    if (hooks.fillReport)
        hooks.fillReport();
    if (hooks.fillTender)
        hooks.fillTender();
}

RichTextField &MainForm::RtfCalulation()
{
    if (!m_rtfCalculation)
        m_rtfCalculation = std::make_unique<RichTextField>();
    return *m_rtfCalculation;
}

RichTextField &MainForm::RtfTender()
{
    if (!m_rtfTender)
        m_rtfTender = std::make_unique<RichTextField>();
    return *m_rtfTender;
}

namespace {
// The whole document onto the clipboard, leaving the caret at the start.
void copyWhole(RichTextField &field)
{
    Services::clipboard().clear();
    field.select(0, field.textLength());
    field.copy();
    field.select(0, 0);
}
} // namespace

void MainForm::Command2_Click()
{
    copyWhole(RtfCalulation());
}

void MainForm::Command1_Click()
{
    copyWhole(RtfTender());
}

void MainForm::Image9_Click(int index)
{
    FamilyChoice::click(*this, index);
}

void MainForm::Image9_MouseMove(int index)
{
    ImgFlowting().setVisible(false);
    const QString path = FamilyChoice::existingPicture(index);
    if (!path.isEmpty()) {
        ImgFlowting().setPicture(path);
        ImgFlowting().setVisible(true);
    } else {
        ImgFlowting().setPicture(QString());
    }
}

void MainForm::Image6_MouseMove()
{
    Control &caption = m_form.at(QStringLiteral("Label2(32)"));
    caption.setTag(QStringLiteral("underline"));
    caption.setForeColor(highlightColour);
    for (Control *mark : m_shape5)
        mark->setBackColor(highlightColour);
}

void MainForm::Image4_MouseMove(int index)
{
    if (index != 6)
        return;
    ImgFlowting().setPicture(QString());
    ImgFlowting().setVisible(false);
    Control &caption = m_form.at(QStringLiteral("Label2(32)"));
    caption.setTag(QString());
    caption.setForeColor(captionColour);
    for (Control *mark : m_shape5)
        mark->setBackColor(optionColour);
}

void MainForm::RefreshFamilyTable()
{
    FamilyChoice::refreshTable(*this);
}

void MainForm::SetFamilyTableGrey(bool grey)
{
    FamilyChoice::setTableGrey(*this, grey);
}

} // namespace vc
