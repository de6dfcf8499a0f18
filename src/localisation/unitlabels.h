#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vc {

class Form;

// The unit labels of the windows that show physical quantities, and how a
// window takes them from the current unit file.
class UnitLabels
{
public:
    struct Entry {
        QString key;     // key of the unit file
        QString control; // label it sets
    };

    // "frmMain", "frmManBS", "frmManDM".
    static QStringList windows();

    // The keys of a window's section in reading order; empty for others.
    static QList<Entry> keys(const QString &window);

    // Sets every label of the window from its section of the unit file, empty
    // where a key is missing. Does nothing, and does not touch the file,
    // while no unit file is in use (UnitName empty). Reads the file afresh on
    // every call; never writes it.
    static void LoadUnitLabels(Form &form);
};

} // namespace vc
