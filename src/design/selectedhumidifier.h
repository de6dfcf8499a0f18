#pragma once

#include <QString>

namespace vc {

class MainForm;

// What the "Selected humidifier" panel of the family page shows beside the
// family name and the size code: the electrical power and the housing of the
// model that this family and this size code name, in the active unit system.
// The figures are worked out from the two fields each time they are asked
// for, so they can never belong to another family or an older size. The
// model data fields Label20(10..13) stay the distance page's own.
class SelectedHumidifier
{
public:
    struct Figures
    {
        QString power;                // kW
        QString width, height, depth; // mm, or inches in US units
        bool isEmpty() const { return power.isEmpty(); }
    };

    // The capacity in kg/h that a model size code names ("1534" names 15,
    // "13064" 130), as the text the model table is keyed by; "" when the
    // text is no size code.
    static QString capacityOf(const QString &sizeCode);

    // The figures for the family of Label20(7) at the size of Label20(8);
    // empty when either is missing or the model table has no such model.
    static Figures of(MainForm &f);
};

} // namespace vc
