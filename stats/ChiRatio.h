#pragma once

#include "stats/NormalConstants.h"
#include "stats/SaddlePoint.h"

#include <cmath>

namespace Brosquin
{

// The ratio S = sqrt(V / df) of a sample standard deviation to the process's, V chi-square with
// df > 0 degrees of freedom. Its density is written in Stirling's form, which keeps full
// precision for any df: the density of u = ln S is
//   exp(c - m (e^(2u) - 1 - 2u)), m = df / 2, c = ln(2 sqrt m) - ln sqrt(2 pi) - StirlingError(m).
class ChiRatio
{
public:
    explicit ChiRatio(double df)
        : m(df / 2), constant(std::log(2.0 * std::sqrt(m)) - logSqrtTwoPi - StirlingError(m))
    {
    }

    // ln of the density of ln S at u, and its first two derivatives; the first also from
    // e^u - 1 when the caller has it.
    double LogDensityOfLog(double u) const { return LogDensityOfLog(u, std::expm1(u)); }
    double LogDensityOfLog(double u, double sMinusOne) const
    {
        // e^(2u) - 1 = (e^u - 1)(e^u + 1)
        return constant - m * (sMinusOne * (sMinusOne + 2.0) - 2.0 * u);
    }
    double LogDensityOfLogSlope(double u) const { return -2.0 * m * std::expm1(2.0 * u); }
    double LogDensityOfLogCurvature(double u) const { return -4.0 * m * std::exp(2.0 * u); }

    // The density of S at s > 0.
    double Density(double s) const { return std::exp(LogDensityOfLog(std::log(s))) / s; }

    // The values of S below and above which the density of ln S has fallen to e^-drop of its
    // peak at S = 1.
    double Lowest(double drop) const { return Edge(drop, -1.0); }
    double Highest(double drop) const { return Edge(drop, 1.0); }

private:
    // Solves e^v - 1 - v = drop / m on the given side of 0; S = e^(v / 2).
    double Edge(double drop, double side) const;

    double m;
    double constant;
};

} // namespace Brosquin
