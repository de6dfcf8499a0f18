#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace vc {

// One line of the basket: what the list view's first three columns show.
struct BasketRow
{
    QString quantity;
    QString article;
    QString description;
    bool operator==(const BasketRow &o) const
    {
        return quantity == o.quantity && article == o.article && description == o.description;
    }
};

// The basket list ListView1 of the basket window: rows in list order, new
// rows appended at the end, and the selected row.
class BasketList : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    const std::vector<BasketRow> &rows() const { return m_rows; }
    int count() const { return int(m_rows.size()); }
    void append(const BasketRow &row);
    // Removing outside the list changes nothing.
    void removeAt(int index);
    void setQuantity(int index, const QString &quantity);
    void clear();

    // -1 when no row is selected.
    int selected() const { return m_selected; }
    void setSelected(int index);

    // The text Copy puts on the clipboard: "QTA", "ART", "Description", then
    // one line per row, fields parted by tabs, lines ended by CR LF.
    QString clipboardText() const;
    // The same columns as CSV (RFC 4180: comma, CR LF, fields quoted where
    // they hold a comma, quote or line break), UTF-8 with a byte-order mark so
    // that spreadsheet programs read the accents right.
    QByteArray csv() const;

Q_SIGNALS:
    // Any change of the rows; the window redraws its list.
    void rowsChanged();
    void selectionChanged(int index);

private:
    std::vector<BasketRow> m_rows;
    int m_selected = -1;
};

} // namespace vc
