#include "form/form.h"

namespace vc {

Form::Form(const QString &name, QObject *parent) : QObject(parent), m_name(name) {}

Form::~Form() = default;

void Form::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    Q_EMIT captionChanged(caption);
}

Control &Form::add(const QString &name, Control::Kind kind)
{
    if (Control *existing = find(name))
        return *existing;
    auto *control = new Control(name, kind, this);
    m_controls.push_back(control);
    m_byLowerName.insert(name.toLower(), control);
    return *control;
}

Control &Form::add(const QString &base, int index, Control::Kind kind)
{
    return add(item(base, index), kind);
}

bool Form::has(const QString &name) const
{
    return find(name) != nullptr;
}

Control *Form::find(const QString &name) const
{
    // Names are matched as the language files match them: without case.
    return m_byLowerName.value(name.toLower(), nullptr);
}

Control &Form::at(const QString &name)
{
    if (Control *control = find(name))
        return *control;
    return add(name, Control::Kind::Other);
}

QStringList Form::names() const
{
    QStringList result;
    result.reserve(int(m_controls.size()));
    for (const Control *control : m_controls)
        result.append(control->name());
    return result;
}

QString Form::item(const QString &base, int index)
{
    return base + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

} // namespace vc
