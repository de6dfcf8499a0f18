#pragma once

#include <cmath>
#include <limits>

namespace vc {

// Arithmetic for calculations that run on after a failing step. Where the
// desktop program's arithmetic stopped a statement (a division by zero, an
// overflow, a power without a real result), these yield NaN, and NaN flows
// on through every later operation; a caller tests the result with ok() and
// decides what its field shows. No operation here ever throws.
class StepMath
{
public:
    static constexpr double failed = std::numeric_limits<double>::quiet_NaN();

    static bool ok(double value) { return std::isfinite(value); }

    // A failed value counts as 0 in the arithmetic that follows it.
    static double orZero(double value) { return ok(value) ? value : 0.0; }

    static double div(double a, double b)
    {
        if (!ok(a) || !ok(b) || b == 0.0)
            return failed;
        return check(a / b);
    }

    static double pow(double base, double exponent)
    {
        if (!ok(base) || !ok(exponent))
            return failed;
        return check(std::pow(base, exponent));
    }

    static double check(double value) { return ok(value) ? value : failed; }
};

} // namespace vc
