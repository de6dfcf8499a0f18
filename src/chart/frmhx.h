#pragma once

#include "form/form.h"
#include "hxmapping.h"
#include "vixgrapheu.h"

#include <QObject>
#include <QString>

namespace vc {

class MainForm;

// The h-x chart window's logic: its form "frmhx" (Label1, Command1 to
// Command4, PrtCombo, and the chart control's two caption properties as
// controls "vixGraph1.CaptionRelativHumidity" and
// "vixGraph1.CaptionWasserGehalt"), the chart control vixGraph1, and the
// handlers. It reads the main window's shown states and places them; it
// computes no air state of its own. The chart is drawn for the project's
// atmospheric pressure when that reads as 500 to 1100 hPa, otherwise for the
// standard atmosphere's 1013.25 hPa.
class FrmHx : public QObject
{
    Q_OBJECT
public:
    explicit FrmHx(MainForm &mainForm, QObject *parent = nullptr);

    Form &form() { return m_form; }
    VixGraphEU &vixGraph1() { return m_graph; }
    const VixGraphEU &vixGraph1() const { return m_graph; }

    // Loading: language captions, the printer list, the states. A window
    // may leave the printer list to fillPrinterList() once it shows, as the
    // print system can take a moment to answer.
    void load(bool fillPrinters = true);
    void fillPrinterList();
    // Places the main window's inside state as pt1 and outside state as pt2;
    // a state off the chart keeps its marker hidden.
    void plotStates();
    // The two states as plotted, in g/kg and °C.
    HxMapping::State insideState() const { return m_inside; }
    HxMapping::State outsideState() const { return m_outside; }

    void Command1_Click(); // comfort zone on or off
    void Command2_Click(); // copy the chart as an image
    // Prints the chart on the current printer; false when the printer failed
    // (the job is abandoned, nothing else happens).
    bool Command3_Click();
    void Command4_Click(); // save as PNG, SVG or PDF
    void PrtCombo_Validate();
    // Closing: the printer current before the last choice comes back.
    void unload();

    // The pressure the chart is drawn for, from the main window's field.
    static double chartPressure(MainForm &mainForm);

private:
    MainForm &m_main;
    Form m_form;
    VixGraphEU m_graph;
    QString m_rememberedPrinter;
    HxMapping::State m_inside, m_outside;
};

} // namespace vc
