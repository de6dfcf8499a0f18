#pragma once

#include <QString>

namespace vc {

class MainForm;

// The humidification load of the design conditions on the load page: air
// states, steam demand, the proposed model size code and the steam
// distributor preset of the distance page. Runs to the end whatever the
// inputs: a result that cannot be evaluated leaves its field empty and counts
// as 0 in the steps after it; no text ever reads "nan", "inf" or "-0".
class LoadCalculation
{
public:
    // Design conditions, metric.
    struct Inputs {
        double airFlow = 0;       // V, m³/h
        double freshAir = 0;      // FA, %
        double pressure = 0;      // p, hPa
        double outsideHumidity = 0; // φo, %
        double outsideTemp = 0;   // To, °C
        double insideHumidity = 0;  // φi, %
        double insideTemp = 0;    // Ti, °C
    };

    // Metric results; NaN where a value cannot be evaluated.
    struct Results {
        double airFlowHumidified; // AF, m³/h
        double outsideRatio;      // xo, g/kg
        double insideRatio;       // xi, g/kg
        double ratioIncrease;     // Δx, g/kg
        double density;           // ρ, kg/m³
        double load;              // W, kg/h
        double altitude;          // h, m
    };

    struct Preset {
        QString steamOutput; // S, kg/h, as written
        double steamValue;   // S as a number
        QString pipes;       // N
        int diameter;        // D, mm; 0 stands for the unknown diameter "?"
    };

    static Results compute(const Inputs &in);

    // The model size code for the rounded load, voltage and phases; "" when
    // no model fits.
    static QString modelSizeCode(double roundedLoad, double voltage, double phases);

    // The steam distributor preset for the rounded load (load is W itself,
    // for the row that shows it).
    static Preset distributorPreset(double roundedLoad, double load, double voltage);

    // The whole procedure on the window's fields, messages included.
    static void run(MainForm &f);
};

} // namespace vc
