#pragma once

#include "form/form.h"

#include <QObject>

namespace vc {

class MainForm;

// The window frmManDM: the humidification load from the air volume and the
// absolute humidities. OK turns them back into the load page's inputs (fresh
// air percentage, pressure, outside state at 5 °C, inside state at 22 °C), so
// the next Calculate reproduces the entered water contents.
class ManualLoad : public QObject
{
    Q_OBJECT
public:
    explicit ManualLoad(MainForm &mainForm, QObject *parent = nullptr);

    Form &form() { return m_form; }
    Control &operator[](const QString &name) { return m_form.at(name); }

    void load();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    // Relative humidity in % that gives water content x (g/kg) at pressure p
    // (hPa) and 5 °C resp. 22 °C.
    static double outsideHumidity(double p, double x);
    static double insideHumidity(double p, double x);

Q_SIGNALS:
    void unload();

private:
    MainForm &m_main;
    Form m_form;
};

} // namespace vc
