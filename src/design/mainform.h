#pragma once

#include "form/form.h"

#include <QHash>
#include <QObject>
#include <array>
#include <functional>
#include <memory>

namespace vc {

class RichTextField;

// The main window's logic: its form "frmMain" holds the whole project as the
// texts of named fields (Text1(0..7), Text2(0..2), Combo2(0..5), Text3(0..5),
// Combo3(0), Label20(0..13), Label30(0..12), ImageSelected, ...), and its
// handlers run the calculations on those fields. The Qt window, the command
// line and the tests all drive this one object.
//
// Other subsystems plug their part of the window's behaviour in through
// hooks, so that the design logic does not depend on them: each subsystem
// offers an install function that sets the hooks it provides. A hook left
// empty does nothing.
class MainForm : public QObject
{
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> loadLanguageCaptions; // language captions of frmMain
        std::function<void()> loadUnitLabels;       // unit labels of frmMain
        std::function<void(int)> unitCommand;       // the unit menu command for a unit system
        std::function<void()> loadReportTemplate;   // report template into RtfCalulation
        std::function<void()> loadTender;           // tender document into RtfTender
        std::function<void()> fillReport;           // report tokens
        std::function<void()> fillTender;           // tender tokens
    };

    // The pages of SSTab1, in their order.
    enum Page { ProjectPage, LoadPage, FamilyPage, DistancePage, SummaryPage, TenderPage, PageCount };

    explicit MainForm(QObject *parent = nullptr);
    ~MainForm() override;

    Form &form() { return m_form; }
    const Form &form() const { return m_form; }
    Control &operator[](const QString &name) { return m_form.at(name); }

    Hooks hooks;

    bool ProjectChanged = false;
    bool NoModelFound = false;
    // Full path of the chosen family's picture; kept apart from the picture
    // shown, as a recalculation removes the picture but not the path.
    QString picturePath;

    // The project fields, by their index.
    Control &Text1(int i) { return *m_text1.at(i); }
    Control &Text2(int i) { return *m_text2.at(i); }
    Control &Combo2(int i) { return *m_combo2.at(i); }
    Control &Text3(int i) { return *m_text3.at(i); }
    Control &Combo3(int i) { return *m_combo3.at(i); }
    Control &Label20(int i) { return *m_label20.at(i); }
    Control &Label30(int i) { return *m_label30.at(i); }
    Control &Shape4(int i) { return *m_shape4.at(i); }
    Control &Shape5(int i) { return *m_shape5.at(i); }
    Control &Image5(int i) { return *m_image5.at(i); }
    Control &Label3(int i) { return *m_label3.at(i); }
    Control &Einheit(int i) { return *m_einheit.at(i); }
    Control &ImageSelected() { return *m_imageSelected; }
    Control &ImgFlowting() { return *m_imgFlowting; }
    Control &SSTab1() { return *m_tab; }

    // The calculation report (Summary page) and the tender text (Text for
    // tender page); made when first used, so a run without them needs no fonts.
    RichTextField &RtfCalulation();
    RichTextField &RtfTender();

    // Every field of the project model by its control name, in model order.
    static QStringList projectFieldNames();

    // US customary units are active when the "USA" unit command carries the tick.
    bool usUnits() const;

    // A text of the main window's section of the language file ("" when missing).
    // Language files are installation data the program never writes, so each
    // text is read once per language file.
    QString languageText(const QString &key) const;

    // Preparation of the window when it loads.
    void load();

    // Page navigation; selectPage runs the page handler when the page changes,
    // as the tabbed dialog does.
    int currentPage() const;
    void selectPage(int page);
    void SSTab1_Click(int previousTab);
    void btnNext_Click();
    void btnPrev_Click();

    // The humidification load procedure, as Open and the unit switch run it.
    void calculateLoad();
    void btnCalc_Click();
    void btnCalcHumid_Click();
    void Command7_Click(); // Refresh on the summary page
    void Command6_Click(); // Refresh on the tender page
    void Command2_Click(); // copy the report
    void Command1_Click(); // copy the tender text

    // Family page.
    void Image9_Click(int index);
    void Image9_MouseMove(int index);
    void Image6_MouseMove();
    void Image4_MouseMove(int index);
    void RefreshFamilyTable();
    void SetFamilyTableGrey(bool grey);

    // The range or temperature warning: "msg21", a line break, "msg22".
    void showRangeWarning();

    // What depends on the unit system beyond the fields' values: the lists of
    // the pressure (Combo2(1)) and of the air temperature before the
    // humidifier (Combo3(0)), and the controls shown in metric units only.
    // Loading the window and switching units both take them from here.
    static QStringList pressureList(bool us);
    static QStringList airTemperatureList(bool us);
    static QStringList metricOnlyControls();

private:
    void createControls();
    void setUnitDefaults();

    Form m_form;
    std::array<Control *, 8> m_text1{};
    std::array<Control *, 3> m_text2{};
    std::array<Control *, 6> m_combo2{};
    std::array<Control *, 6> m_text3{};
    std::array<Control *, 1> m_combo3{};
    std::array<Control *, 14> m_label20{};
    std::array<Control *, 13> m_label30{};
    std::array<Control *, 35> m_shape4{};
    std::array<Control *, 3> m_shape5{};
    std::array<Control *, 12> m_image5{};
    std::array<Control *, 18> m_label3{};
    std::array<Control *, 36> m_einheit{};
    Control *m_imageSelected = nullptr;
    Control *m_imgFlowting = nullptr;
    Control *m_tab = nullptr;
    Control *m_unitSi = nullptr;
    Control *m_unitUs = nullptr;
    std::unique_ptr<RichTextField> m_rtfCalculation;
    std::unique_ptr<RichTextField> m_rtfTender;
    mutable QString m_textsFile;
    mutable QHash<QString, QString> m_texts;
};

} // namespace vc
