#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>

namespace vc {

// One named control of a window as the logic sees it: the text it shows (a
// text field's Text, a label's or button's Caption), its list, check state,
// picture, colours and visibility. Widgets mirror a Control; the logic never
// sees a widget. Every setter that changes something emits changed() with the
// property, so a bound widget can follow.
class Control : public QObject
{
    Q_OBJECT
public:
    enum class Kind { TextBox, ComboBox, Label, Button, Image, Frame, Menu, Page, CheckBox, Other };
    enum class Property { Text, Visible, Enabled, ForeColor, BackColor, Items, ListIndex, Checked,
                          Picture, ToolTip, Selection, Tag };
    Q_ENUM(Property)

    Control(const QString &name, Kind kind, QObject *parent = nullptr);

    QString name() const { return m_name; }
    Kind kind() const { return m_kind; }

    // Text and Caption are one property: language files address it as
    // "Name.Caption", the calculations as the field's text.
    QString text() const { return m_text; }
    void setText(const QString &text);
    QString caption() const { return m_text; }
    void setCaption(const QString &caption) { setText(caption); }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

    // List of a drop-down field, a list box or a menu group.
    QStringList items() const { return m_items; }
    void setItems(const QStringList &items);
    void addItem(const QString &item);
    void clearItems();
    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

    // Full path of the picture file shown, empty when the control holds none.
    QString picture() const { return m_picture; }
    void setPicture(const QString &path);

    QString toolTip() const { return m_toolTip; }
    void setToolTip(const QString &tip);

    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }
    void setSelection(int start, int length);

    // Free slot for whatever a window wants to keep with a control.
    QString tag() const { return m_tag; }
    void setTag(const QString &tag);

Q_SIGNALS:
    void changed(vc::Control::Property property);

private:
    QString m_name;
    Kind m_kind;
    QString m_text;
    bool m_visible = true;
    bool m_enabled = true;
    QColor m_foreColor;
    QColor m_backColor;
    QStringList m_items;
    int m_listIndex = -1;
    bool m_checked = false;
    QString m_picture;
    QString m_toolTip;
    int m_selStart = 0;
    int m_selLength = 0;
    QString m_tag;
};

} // namespace vc
