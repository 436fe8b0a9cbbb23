#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace Brosquin
{

// The counts of a sample of n units at a level (binomial or Poisson, mean n level) below this one
// have point and cumulative probabilities below e^-640, and are taken as 0: by Chernoff's bound
// the lower tail t roots of the mean below it is below e^(-t^2 / 2), and the root of the mean is
// never less than the standard deviation.
inline std::int64_t FirstNonNegligibleCount(std::int64_t n, double level)
{
    constexpr double spread = 36.0;
    const double mean = static_cast<double>(n) * level;
    const double count = std::floor(mean - spread * std::sqrt(std::max(1.0, mean)));
    return count > 0.0 ? static_cast<std::int64_t>(std::min(count, 9.0e15)) : 0;
}

} // namespace Brosquin
