#include "form/control.h"

namespace vc {

Control::Control(const QString &name, Kind kind, QObject *parent)
    : QObject(parent), m_name(name), m_kind(kind)
{
}

// Assigns and reports only real changes, so a bound widget is not repainted
// (nor its cursor moved) when the logic writes the value it already has.
template <typename T>
static bool assign(T &member, const T &value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

void Control::setText(const QString &text)
{
    if (assign(m_text, text))
        Q_EMIT changed(Property::Text);
}

void Control::setVisible(bool visible)
{
    if (assign(m_visible, visible))
        Q_EMIT changed(Property::Visible);
}

void Control::setEnabled(bool enabled)
{
    if (assign(m_enabled, enabled))
        Q_EMIT changed(Property::Enabled);
}

void Control::setForeColor(const QColor &color)
{
    if (assign(m_foreColor, color))
        Q_EMIT changed(Property::ForeColor);
}

void Control::setBackColor(const QColor &color)
{
    if (assign(m_backColor, color))
        Q_EMIT changed(Property::BackColor);
}

void Control::setItems(const QStringList &items)
{
    if (assign(m_items, items))
        Q_EMIT changed(Property::Items);
}

void Control::addItem(const QString &item)
{
    m_items.append(item);
    Q_EMIT changed(Property::Items);
}

void Control::clearItems()
{
    if (m_items.isEmpty() && m_listIndex == -1)
        return;
    m_items.clear();
    m_listIndex = -1;
    Q_EMIT changed(Property::Items);
}

void Control::setListIndex(int index)
{
    if (assign(m_listIndex, index))
        Q_EMIT changed(Property::ListIndex);
}

void Control::setChecked(bool checked)
{
    if (assign(m_checked, checked))
        Q_EMIT changed(Property::Checked);
}

void Control::setPicture(const QString &path)
{
    if (assign(m_picture, path))
        Q_EMIT changed(Property::Picture);
}

void Control::setToolTip(const QString &tip)
{
    if (assign(m_toolTip, tip))
        Q_EMIT changed(Property::ToolTip);
}

void Control::setSelection(int start, int length)
{
    if (m_selStart == start && m_selLength == length)
        return;
    m_selStart = start;
    m_selLength = length;
    Q_EMIT changed(Property::Selection);
}

void Control::setTag(const QString &tag)
{
    if (assign(m_tag, tag))
        Q_EMIT changed(Property::Tag);
}

} // namespace vc
