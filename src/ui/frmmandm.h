#pragma once

#include "manualdialog.h"

namespace vc {

class MainForm;
class ManualLoad;

// The window frmManDM on its logic ManualLoad: four entries, each with its
// caption and unit label.
class FrmManDM : public ManualDialog
{
    Q_OBJECT
public:
    explicit FrmManDM(MainForm &mainForm, QWidget *parent = nullptr);

    ManualLoad &logic() { return *m_logic; }

    // The load page's Alternative button: a fresh window, shown modally.
    static void open(MainForm &mainForm, QWidget *parent);

private:
    FrmManDM(ManualLoad *logic, QWidget *parent);

    ManualLoad *m_logic;
};

} // namespace vc
