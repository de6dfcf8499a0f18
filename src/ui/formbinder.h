#pragma once

#include "form/form.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QWidget;

namespace vc {

// Keeps Qt widgets and the named controls of a form in step, both ways: what
// the logic writes into a control shows in its widget at once, and what the
// user types or picks lands in the control before any handler reads it.
//
// A widget's design caption is the built-in text: when a control has no text
// yet at binding time it takes the widget's, otherwise the widget shows the
// control's. Binding never runs a handler; the window connects its own.
class FormBinder : public QObject
{
    Q_OBJECT
public:
    explicit FormBinder(Form &form, QObject *parent = nullptr);

    Form &form() { return m_form; }

    // Binds by the widget's class: QLineEdit, QComboBox, QLabel, PictureBox,
    // ShapeMark (fill colour), QAbstractButton, QTabWidget (tab captions and
    // page), any other widget (colours, visibility, enabled only).
    Control &bind(QWidget *widget, const QString &name);
    Control &bind(QAction *action, const QString &name);

    // A message line that takes no room while it has nothing to say: the
    // widget shows only when its control is visible and has a text.
    static void collapseWhenEmpty(QWidget *widget);

    QWidget *widget(const QString &name) const;
    QAction *action(const QString &name) const;

    // The background colour a widget shows when its control has none.
    static QColor defaultBackColor(const QWidget *widget);

private:
    void push(Control &control, QWidget *widget, Control::Property property);
    void push(Control &control, QAction *action, Control::Property property);
    void adoptDesignValues(Control &control, QWidget *widget);

    Form &m_form;
    QHash<QString, QPointer<QWidget>> m_widgets;
    QHash<QString, QPointer<QAction>> m_actions;
};

} // namespace vc
