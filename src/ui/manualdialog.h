#pragma once

#include <functional>
#include <QDialog>

class QGroupBox;
class QPushButton;

namespace vc {

class Form;
class FormBinder;

// What the two manual input windows share: a dialog that owns its logic
// object, titled by its form's caption, a frame whose title follows the frame
// control, and the OK and Cancel buttons Command1 and Command2.
class ManualDialog : public QDialog
{
    Q_OBJECT
public:
    // Takes ownership of logic, whose form is form.
    ManualDialog(QObject *logic, Form &form, QWidget *parent);
    ~ManualDialog() override;

    FormBinder &binder() { return *m_binder; }

protected:
    // The frame Frame1, its title bound to the control.
    QGroupBox *frame();
    // Command1 (default button) and Command2, bound and laid out under the frame.
    void addButtons(QGroupBox *frame, std::function<void()> ok, std::function<void()> cancel);

private:
    Form &m_form;
    FormBinder *m_binder;
};

} // namespace vc
