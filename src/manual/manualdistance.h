#pragma once

#include "form/form.h"

#include <QObject>
#include <QString>

namespace vc {

class MainForm;

// The window frmManBS: the duct sized around a standard steam distribution
// pipe. The planner picks a pipe length and an air velocity; OK writes the
// duct width and height, the pipe length and the velocity into the main
// window, where the next design calculation takes them up.
class ManualDistance : public QObject
{
    Q_OBJECT
public:
    explicit ManualDistance(MainForm &mainForm, QObject *parent = nullptr);

    Form &form() { return m_form; }
    Control &operator[](const QString &name) { return m_form.at(name); }

    // Captions, unit labels, the current velocity and the list that fits the
    // steam output.
    void load();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    // True when the 22 mm pipe serves this steam output (kg/h).
    static bool smallPipe(double steamOutput);
    // The duct width for a pipe length of the list, 0 when the length is not
    // one of the pipe's standard lengths.
    static int ductWidth(bool smallPipe, double length);

Q_SIGNALS:
    // The window has done its work and closes.
    void unload();

private:
    MainForm &m_main;
    Form m_form;
};

} // namespace vc
