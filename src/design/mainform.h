#pragma once

#include "form.h"

#include <QObject>
#include <functional>

namespace vc {

// The main window's logic: its form "frmMain" holds the whole project as the
// texts of named fields (Text1(0..7), Text2(0..2), Combo2(0..5), Text3(0..5),
// Combo3(0), Label20(..), Label30(..), ImageSelected, ...), and its handlers
// run the calculations on those fields. The Qt window, the command line and
// the tests all drive this one object.
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

    explicit MainForm(QObject *parent = nullptr);
    ~MainForm() override;

    Form &form() { return m_form; }
    const Form &form() const { return m_form; }
    Control &operator[](const QString &name) { return m_form.at(name); }

    Hooks hooks;

    bool ProjectChanged = false;
    bool NoModelFound = false;

private:
    Form m_form;
};

} // namespace vc
