#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

namespace vc {

class Form;

// Switching the main window between metric ("SI", command 0) and US
// customary units ("USA", command 1). The inputs are converted in place from
// the texts they show, so a round trip drifts by the rounding of the shown
// decimals (8000 m3/h -> 4709 cfm -> 8001 m3/h); results are not converted
// but recalculated at the end.
class UnitSwitch
{
public:
    // Conversion constants.
    static constexpr double airFlowFactor = 1.69901079552;  // m3/h in one cfm
    static constexpr double pressureFactor = 33.8638815789; // hPa in one inHg
    static constexpr double lengthFactor = 25.4;            // mm in one inch
    static constexpr double massFlowFactor = 2.20462262185; // lb in one kg
    static constexpr double humidityFactor = 2.05;

    enum class Direction { ToUs, ToMetric };

    // One converted field: the field's text read as a number in the locale,
    // converted and written with the pattern; "" when the text is empty or
    // not a number.
    struct Field {
        QString control;
        std::function<double(double)> toUs;
        QString usPattern;
        std::function<double(double)> toMetric;
        QString metricPattern;
    };

    // The converted fields of the load page and of the distance page.
    static QList<Field> loadPageFields();
    static QList<Field> distancePageFields();

    static QString convertText(const QString &text, const std::function<double(double)> &operation,
                               const QString &pattern, const QLocale &locale = QLocale());

    // The unit menu command. Returns at once when index is the system in use
    // (nothing is converted or written). Otherwise records the choice in the
    // settings profile, reloads the unit labels, moves the tick, converts the
    // inputs, refills the two lists, shows or hides the metric-only buttons
    // and finally runs recalculate (the load calculation, then the distance
    // calculation).
    static void mnuOtherUnit_Click(Form &mainForm, int index, const std::function<void()> &recalculate);
};

} // namespace vc
