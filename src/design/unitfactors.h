#pragma once

namespace vc {

// Conversion factors between US customary and metric units, each applied in
// the direction its comment gives, exactly as the calculations use them.
struct UnitFactors {
    static constexpr double airFlow = 1.69901079552;        // m³/h = cfm × airFlow
    static constexpr double pressure = 33.8638815789;       // hPa = inHg × pressure
    static constexpr double humidity = 0.436995723952;      // gr/ft³ = g/kg × humidity × ρ
    static constexpr double density = 16.0184633739;        // lb/ft³ = kg/m³ ÷ density
    static constexpr double massFlow = 0.45359237;          // lb/h = kg/h ÷ massFlow
    static constexpr double massFlowPerKg = 2.20462262185;  // lb/h = kg/h × massFlowPerKg
    static constexpr double feet = 0.3048;                  // ft = m ÷ feet
    static constexpr double inch = 25.4;                    // in = mm ÷ inch
    // Humidity after the humidifier, gr/ft³ back to g/kg (a fixed approximation).
    static constexpr double humidityBack = 2.05;

    static constexpr double celsius(double fahrenheit) { return (fahrenheit - 32) * 5 / 9; }
};

} // namespace vc
