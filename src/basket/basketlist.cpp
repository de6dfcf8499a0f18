#include "basketlist.h"

namespace vc {

void BasketList::append(const BasketRow &row)
{
    m_rows.push_back(row);
    Q_EMIT rowsChanged();
}

void BasketList::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    m_rows.erase(m_rows.begin() + index);
    m_selected = -1;
    Q_EMIT rowsChanged();
    Q_EMIT selectionChanged(m_selected);
}

void BasketList::setQuantity(int index, const QString &quantity)
{
    if (index < 0 || index >= count())
        return;
    m_rows[index].quantity = quantity;
    Q_EMIT rowsChanged();
}

void BasketList::clear()
{
    m_rows.clear();
    m_selected = -1;
    Q_EMIT rowsChanged();
    Q_EMIT selectionChanged(m_selected);
}

void BasketList::setSelected(int index)
{
    const int selected = index >= 0 && index < count() ? index : -1;
    if (selected == m_selected)
        return;
    m_selected = selected;
    Q_EMIT selectionChanged(m_selected);
}

QString BasketList::clipboardText() const
{
    const QLatin1Char tab('\t');
    const QLatin1String crlf("\r\n");
    QString text = QStringLiteral("QTA\tART\tDescription\r\n");
    for (const BasketRow &row : m_rows)
        text += row.quantity + tab + row.article + tab + row.description + crlf;
    return text;
}

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

} // namespace

QByteArray BasketList::csv() const
{
    QString text = QStringLiteral("QTA,ART,Description\r\n");
    for (const BasketRow &row : m_rows)
        text += csvField(row.quantity) + QLatin1Char(',') + csvField(row.article) +
                QLatin1Char(',') + csvField(row.description) + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace vc
