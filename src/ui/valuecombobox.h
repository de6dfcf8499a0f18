#pragma once

#include <QComboBox>

namespace vc {

// An editable drop-down field whose list opens at the value it shows (or,
// for a typed value that is not in the list, at the nearest entry), instead
// of at the entry picked last. The text shown is never changed by opening.
class ValueComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ValueComboBox(QWidget *parent = nullptr);

    // The entry the list opens at for the shown text: the same text, else the
    // entry numerically nearest, else -1.
    int entryFor(const QString &text) const;

    void showPopup() override;
};

} // namespace vc
