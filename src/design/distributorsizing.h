#pragma once

#include <QString>

namespace vc {

class MainForm;

// The distance page's Calculate: the steam distribution pipe for the duct,
// the humidification distance, the model data of the chosen family and the
// page layout for the family that is not installed in a duct.
class DistributorSizing
{
public:
    struct ModelData {
        QString power, width, height, depth; // kW; mm
    };

    // Pipe length in mm for steam output q (kg/h) in a duct of width w (mm).
    static double pipeLength(double q, double w);
    // The pipe length as the page first writes it: whole numbers from the
    // table, the shortest general form for the duct width less 20 mm.
    static QString pipeLengthText(double q, double w);

    // Model data of a family (display name) at a capacity (text of kg/h);
    // false when the table has no row for them.
    static bool modelData(const QString &family, const QString &capacity, ModelData &data);

    // Steps of the command up to the page layout; the report filling is the caller's.
    static void run(MainForm &f);
};

} // namespace vc
