#pragma once

namespace vc {

// The relations of moist air the design rests on, with their constants as
// the program has always used them (temperatures in °C, relative humidity in
// %, pressures in hPa, humidity ratios in g per kg of dry air). A relation
// that cannot be evaluated for its arguments (a zero divisor, a power without
// a real result, an overflow) returns NaN; it never throws.

// Saturation vapour pressure over water, hPa; one expression below and above 0 °C.
double SaturationPressure(double t);

// Water content of air at temperature t, relative humidity phi and pressure p, g/kg.
double HumidityRatio(double t, double phi, double p);

// Density of moist air of water content x at temperature t and pressure p, kg/m³.
double MoistAirDensity(double t, double x, double p);

// Altitude of the standard atmosphere at pressure p, m.
double AltitudeFromPressure(double p);

// Pressure of the standard atmosphere at altitude h, hPa, to four decimals.
double PressureFromAltitude(double h);

} // namespace vc
