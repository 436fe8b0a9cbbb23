#pragma once

#include <limits>

namespace Brosquin
{

// The probability of acceptance that every variables plan has at the ends of the fraction
// defective p: 1 at p = 0, 0 at p = 1, and -1 (a level that cannot occur) outside [0, 1]; NaN
// for a p strictly inside, where the plan's own rule applies.
inline double VariablesEndProbability(double p)
{
    if (!(p >= 0.0 && p <= 1.0))
        return -1.0;
    if (p == 0.0)
        return 1.0;
    return p == 1.0 ? 0.0 : std::numeric_limits<double>::quiet_NaN();
}

} // namespace Brosquin
