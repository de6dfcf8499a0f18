#pragma once

#include "manualdialog.h"

namespace vc {

class MainForm;
class ManualDistance;

// The window frmManBS on its logic ManualDistance: the two pipe length lists
// share one place, only the one for the pipe diameter showing.
class FrmManBS : public ManualDialog
{
    Q_OBJECT
public:
    explicit FrmManBS(MainForm &mainForm, QWidget *parent = nullptr);

    ManualDistance &logic() { return *m_logic; }

    // The distance page's Alternative button: a fresh window, shown modally.
    static void open(MainForm &mainForm, QWidget *parent);

private:
    FrmManBS(ManualDistance *logic, QWidget *parent);

    ManualDistance *m_logic;
};

} // namespace vc
