#pragma once

#include <cmath>
#include <limits>

namespace Brosquin
{

// Relative error of a computed value against a reference; values below 1e-300 count by their
// absolute difference in units of 1e-300, as the accuracy contract allows.
inline double RelativeError(double computed, long double reference)
{
    const long double difference = std::fabs(static_cast<long double>(computed) - reference);
    if (std::fabs(reference) < 1e-300L)
        return static_cast<double>(difference / 1e-300L);
    return static_cast<double>(difference / std::fabs(reference));
}

} // namespace Brosquin
