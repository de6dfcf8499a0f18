#include "manualdialog.h"

#include "formbinder.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vc {

ManualDialog::ManualDialog(QObject *logic, Form &form, QWidget *parent)
    : QDialog(parent), m_form(form), m_binder(new FormBinder(form, this))
{
    logic->setParent(this);
    setObjectName(form.name());
    setModal(true);
    auto showCaption = [this](const QString &caption) { setWindowTitle(caption); };
    connect(&form, &Form::captionChanged, this, showCaption);
    showCaption(form.caption());
}

ManualDialog::~ManualDialog() = default;

QGroupBox *ManualDialog::frame()
{
    auto *box = new QGroupBox(this);
    Control &control = m_form.at(QStringLiteral("Frame1"));
    m_binder->bind(box, control.name());
    box->setTitle(control.caption());
    connect(&control, &Control::changed, box, [box, &control](Control::Property property) {
        if (property == Control::Property::Text)
            box->setTitle(control.caption());
    });
    return box;
}

void ManualDialog::addButtons(QGroupBox *frame, std::function<void()> ok,
                              std::function<void()> cancel)
{
    auto *buttons = new QDialogButtonBox(this);
    auto *okButton = new QPushButton(buttons);
    auto *cancelButton = new QPushButton(buttons);
    buttons->addButton(okButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    okButton->setDefault(true);
    m_binder->bind(okButton, QStringLiteral("Command1"));
    m_binder->bind(cancelButton, QStringLiteral("Command2"));
    // The logic decides when the window closes; the buttons only report the click.
    connect(okButton, &QPushButton::clicked, this, std::move(ok));
    connect(cancelButton, &QPushButton::clicked, this, std::move(cancel));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace vc
