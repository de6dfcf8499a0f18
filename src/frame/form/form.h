#pragma once

#include "form/control.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace vc {

// The controls of one window by name ("Text2(0)", "Label20(7)", "btnCalc"),
// in the order they were added. A window's logic reads and writes its fields
// here; the ui layer binds widgets to the same controls. Looking up a name the
// window does not have yields a detached control that is created on the spot
// and kept, so a language file naming a control we do not show is harmless.
class Form : public QObject
{
    Q_OBJECT
public:
    explicit Form(const QString &name, QObject *parent = nullptr);
    ~Form() override;

    QString name() const { return m_name; }

    // Window title.
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    Control &add(const QString &name, Control::Kind kind);
    Control &add(const QString &base, int index, Control::Kind kind);

    bool has(const QString &name) const;
    Control *find(const QString &name) const;
    Control &at(const QString &name);
    Control &at(const QString &base, int index) { return at(item(base, index)); }
    Control &operator[](const QString &name) { return at(name); }

    // Names of all controls, in the order they were added.
    QStringList names() const;

    // "Label20", 7 -> "Label20(7)": the name of one member of a control array.
    static QString item(const QString &base, int index);

Q_SIGNALS:
    void captionChanged(const QString &caption);

private:
    QString m_name;
    QString m_caption;
    std::vector<Control *> m_controls;
    QHash<QString, Control *> m_byLowerName;
};

} // namespace vc
