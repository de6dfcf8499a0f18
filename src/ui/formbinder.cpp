#include "formbinder.h"

#include "picturebox.h"
#include "shapemark.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

namespace vc {

namespace {

const char defaultBackProperty[] = "vcDefaultBack";
const char defaultForeProperty[] = "vcDefaultFore";
const char collapseProperty[] = "vcCollapseWhenEmpty";

QPalette::ColorRole backRole(const QWidget *widget)
{
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton *>(widget))
        return QPalette::Button;
    return QPalette::Window;
}

QPalette::ColorRole foreRole(const QWidget *widget)
{
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget))
        return QPalette::Text;
    if (qobject_cast<const QAbstractButton *>(widget))
        return QPalette::ButtonText;
    return QPalette::WindowText;
}

void setRoleColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->lineEdit())
        combo->lineEdit()->setPalette(palette);
}

} // namespace

FormBinder::FormBinder(Form &form, QObject *parent) : QObject(parent), m_form(form)
{
}

QColor FormBinder::defaultBackColor(const QWidget *widget)
{
    const QVariant saved = widget->property(defaultBackProperty);
    return saved.isValid() ? saved.value<QColor>() : widget->palette().color(backRole(widget));
}

void FormBinder::collapseWhenEmpty(QWidget *widget)
{
    widget->setProperty(collapseProperty, true);
}

QWidget *FormBinder::widget(const QString &name) const
{
    return m_widgets.value(name.toLower()).data();
}

QAction *FormBinder::action(const QString &name) const
{
    return m_actions.value(name.toLower()).data();
}

// Values the window was designed with become the control's, unless the logic
// has set the control already.
void FormBinder::adoptDesignValues(Control &control, QWidget *widget)
{
    widget->setProperty(defaultBackProperty, widget->palette().color(backRole(widget)));
    widget->setProperty(defaultForeProperty, widget->palette().color(foreRole(widget)));
    if (control.text().isEmpty()) {
        QString design;
        if (auto *label = qobject_cast<QLabel *>(widget))
            design = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            design = button->text();
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            design = edit->text();
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            design = combo->currentText();
        if (!design.isEmpty())
            control.setText(design);
    }
    if (auto *tabs = qobject_cast<QTabWidget *>(widget); tabs && control.items().isEmpty()) {
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        control.setItems(captions);
    }
    if (widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->isHidden())
        control.setVisible(false);
    if (!widget->isEnabled())
        control.setEnabled(false);
}

Control &FormBinder::bind(QWidget *widget, const QString &name)
{
    Control &control = m_form.at(name);
    m_widgets.insert(name.toLower(), widget);
    widget->setObjectName(name);
    adoptDesignValues(control, widget);

    for (auto property : {Control::Property::Items, Control::Property::Text, Control::Property::ListIndex,
                          Control::Property::Visible, Control::Property::Enabled, Control::Property::ForeColor,
                          Control::Property::BackColor, Control::Property::Checked, Control::Property::Picture,
                          Control::Property::ToolTip, Control::Property::Tag})
        push(control, widget, property);

    QPointer<QWidget> guard(widget);
    connect(&control, &Control::changed, widget, [this, &control, guard](Control::Property property) {
        if (guard)
            push(control, guard, property);
    });

    // The user's side: typing and picking land in the control at once.
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        connect(edit, &QLineEdit::textEdited, &control, [&control](const QString &text) { control.setText(text); });
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        connect(combo, &QComboBox::editTextChanged, &control,
                [&control](const QString &text) { control.setText(text); });
        connect(combo, &QComboBox::activated, &control, [&control, combo](int index) {
            control.setListIndex(index);
            control.setText(combo->itemText(index));
        });
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget); button && button->isCheckable()) {
        connect(button, &QAbstractButton::toggled, &control, [&control](bool on) { control.setChecked(on); });
    }
    return control;
}

Control &FormBinder::bind(QAction *action, const QString &name)
{
    Control &control = m_form.at(name);
    m_actions.insert(name.toLower(), action);
    action->setObjectName(name);
    if (control.text().isEmpty() && !action->text().isEmpty())
        control.setText(action->text());
    if (!action->isEnabled())
        control.setEnabled(false);
    for (auto property : {Control::Property::Text, Control::Property::Visible, Control::Property::Enabled,
                          Control::Property::Checked})
        push(control, action, property);
    QPointer<QAction> guard(action);
    connect(&control, &Control::changed, action, [this, &control, guard](Control::Property property) {
        if (guard)
            push(control, guard, property);
    });
    return control;
}

void FormBinder::push(Control &control, QAction *action, Control::Property property)
{
    switch (property) {
    case Control::Property::Text:
        action->setText(control.text());
        break;
    case Control::Property::Visible:
        action->setVisible(control.isVisible());
        break;
    case Control::Property::Enabled:
        action->setEnabled(control.isEnabled());
        break;
    case Control::Property::Checked:
        if (control.isChecked())
            action->setCheckable(true);
        if (action->isCheckable())
            action->setChecked(control.isChecked());
        break;
    default:
        break;
    }
}

void FormBinder::push(Control &control, QWidget *widget, Control::Property property)
{
    auto *edit = qobject_cast<QLineEdit *>(widget);
    auto *combo = qobject_cast<QComboBox *>(widget);
    auto *label = qobject_cast<QLabel *>(widget);
    auto *button = qobject_cast<QAbstractButton *>(widget);
    auto *tabs = qobject_cast<QTabWidget *>(widget);
    auto *picture = qobject_cast<PictureBox *>(widget);
    auto *mark = qobject_cast<ShapeMark *>(widget);

    switch (property) {
    case Control::Property::Text:
        if (edit && edit->text() != control.text()) {
            edit->setText(control.text());
        } else if (combo && combo->currentText() != control.text()) {
            const QSignalBlocker block(combo);
            if (combo->isEditable())
                combo->setEditText(control.text());
            else
                combo->setCurrentIndex(combo->findText(control.text()));
        } else if (label) {
            label->setText(control.text());
            if (label->property(collapseProperty).toBool())
                push(control, widget, Control::Property::Visible);
        } else if (button) {
            button->setText(control.text());
        }
        break;
    case Control::Property::Items:
        if (combo) {
            const QSignalBlocker block(combo);
            combo->clear();
            combo->addItems(control.items());
            if (combo->isEditable())
                combo->setEditText(control.text());
        } else if (tabs) {
            const QStringList captions = control.items();
            for (int i = 0; i < tabs->count() && i < captions.size(); ++i)
                tabs->setTabText(i, captions.at(i));
        }
        break;
    case Control::Property::ListIndex:
        if (combo && control.listIndex() < combo->count()) {
            const QSignalBlocker block(combo);
            combo->setCurrentIndex(control.listIndex());
            if (combo->isEditable() && combo->currentText() != control.text())
                combo->setEditText(control.text());
        } else if (tabs && control.listIndex() >= 0 && control.listIndex() < tabs->count()
                   && tabs->currentIndex() != control.listIndex()) {
            const QSignalBlocker block(tabs);
            tabs->setCurrentIndex(control.listIndex());
        }
        break;
    case Control::Property::Visible: {
        const bool visible = control.isVisible()
                             && !(widget->property(collapseProperty).toBool() && control.text().isEmpty());
        if (widget->isHidden() == visible)
            widget->setVisible(visible);
        break;
    }
    case Control::Property::Enabled:
        widget->setEnabled(control.isEnabled());
        break;
    case Control::Property::ForeColor: {
        const QColor color = control.foreColor().isValid() ? control.foreColor()
                                                           : widget->property(defaultForeProperty).value<QColor>();
        setRoleColor(widget, foreRole(widget), color);
        break;
    }
    case Control::Property::BackColor:
        if (mark) {
            if (control.backColor().isValid())
                mark->setFillColor(control.backColor());
        } else {
            const QColor color = control.backColor().isValid()
                                     ? control.backColor()
                                     : widget->property(defaultBackProperty).value<QColor>();
            if (label && control.backColor().isValid())
                label->setAutoFillBackground(true);
            setRoleColor(widget, backRole(widget), color);
        }
        break;
    case Control::Property::Checked:
        if (button && button->isCheckable())
            button->setChecked(control.isChecked());
        break;
    case Control::Property::Picture:
        if (picture)
            picture->setPicture(control.picture());
        break;
    case Control::Property::ToolTip:
        widget->setToolTip(control.toolTip());
        break;
    case Control::Property::Selection:
        if (edit) {
            edit->setSelection(control.selStart(), control.selLength());
        } else if (combo && combo->lineEdit()) {
            if (control.selLength() == 0)
                combo->lineEdit()->deselect();
            else
                combo->lineEdit()->setSelection(control.selStart(), control.selLength());
        }
        break;
    case Control::Property::Tag:
        // The logic marks an underlined caption (a hover highlight) in its tag.
        if (label) {
            QFont font = label->font();
            const bool underline = control.tag() == QLatin1String("underline");
            if (font.underline() != underline) {
                font.setUnderline(underline);
                label->setFont(font);
            }
        }
        break;
    }
}

} // namespace vc
