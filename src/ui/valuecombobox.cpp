#include "valuecombobox.h"

#include <cmath>
#include <QAbstractItemView>
#include <QLocale>
#include <QSignalBlocker>

namespace vc {

ValueComboBox::ValueComboBox(QWidget *parent) : QComboBox(parent) {}

int ValueComboBox::entryFor(const QString &text) const
{
    const int exact = findText(text.trimmed());
    if (exact >= 0)
        return exact;
    bool ok = false;
    double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = text.trimmed().toDouble(&ok);
    if (!ok)
        return -1;
    int nearest = -1;
    double distance = 0;
    for (int i = 0; i < count(); ++i) {
        bool entryOk = false;
        const double entry = itemText(i).toDouble(&entryOk);
        if (entryOk && (nearest < 0 || std::abs(entry - value) < distance)) {
            nearest = i;
            distance = std::abs(entry - value);
        }
    }
    return nearest;
}

void ValueComboBox::showPopup()
{
    const int entry = entryFor(currentText());
    if (entry >= 0 && entry != currentIndex()) {
        // Only where the list opens changes; the field keeps its text.
        const QString shown = currentText();
        const QSignalBlocker block(this);
        setCurrentIndex(entry);
        if (isEditable())
            setEditText(shown);
    }
    QComboBox::showPopup();
    if (entry >= 0)
        view()->scrollTo(model()->index(entry, modelColumn()), QAbstractItemView::PositionAtCenter);
}

} // namespace vc
