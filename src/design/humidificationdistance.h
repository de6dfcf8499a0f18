#pragma once

#include <QString>
#include <array>

namespace vc {

// How far downstream of the steam distribution pipe the steam is absorbed,
// and the minimum distances to the components that follow. Inputs are metric;
// the texts come out in the unit system asked for. A value that cannot be
// evaluated (a zero duct side, pipe length or pipe count) leaves its text
// empty and counts as 0 in what follows.
class HumidificationDistance
{
public:
    struct Inputs {
        double airFlow = 0;     // Vdot, m³/h
        double width = 0;       // W, mm
        double height = 0;      // H, mm
        double humidity = 0;    // x after the humidifier, g/kg
        double temperature = 0; // t before the humidifier, °C
        double steamOutput = 0; // Q, kg/h
        double pipes = 0;       // n
        double pipeLength = 0;  // L, mm
    };

    struct Texts {
        QString velocity;   // Label30(1): m/s or ft/min
        QString factorK;    // Label30(2)
        QString pipeLength; // Label30(3): mm or in
        QString distance;   // Label30(5): m or ft
        std::array<QString, 4> minimum; // Label30(6..9)
        double velocityMs = 0; // the air velocity in m/s, 0 when it cannot be evaluated
    };

    static double airVelocity(double airFlow, double width, double height);
    static double factorK(double velocity, double temperature, double humidity);
    static double distance(double k, double steamOutput, double pipeLength, double pipes);

    // steamOutputUs is the steam output as the US field holds it (lb/h); the
    // US distance is computed from it and from the pipe length in inches as shown.
    static Texts compute(const Inputs &in, bool us, double steamOutputUs = 0);

    // The note replaces the minimum distances above this air velocity, m/s.
    static constexpr double maximumVelocity = 10;
};

} // namespace vc
