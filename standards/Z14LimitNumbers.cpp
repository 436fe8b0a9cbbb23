#include "standards/Z14LimitNumbers.h"

#include "standards/Z14TableData.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace Brosquin
{

namespace
{

// A number of units truncated to a whole total; totals beyond the range count as the largest,
// which lies in the last row like any total from 31500 on.
std::uint32_t TotalOf(double units)
{
    constexpr double largest = std::numeric_limits<std::uint32_t>::max();
    return units >= largest ? std::numeric_limits<std::uint32_t>::max()
                            : static_cast<std::uint32_t>(units);
}

} // namespace

std::int32_t Z14LimitNumber(std::uint32_t aqlPosition, std::uint32_t total)
{
    std::uint32_t row = 0;
    while (row + 1 < std::size(Z14LimitNumberRowLowerBounds) &&
           total >= Z14LimitNumberRowLowerBounds[row + 1])
        ++row;
    return Z14LimitNumberTable[row][aqlPosition];
}

void Z14ReducedLots(std::uint32_t aqlPosition, double n, std::int32_t& limit, std::int32_t& lots)
{
    limit = -2;
    lots = 10;
    if (!(n > 0) || !std::isfinite(n))
        return;
    const std::int32_t tenLots = Z14LimitNumber(aqlPosition, TotalOf(10 * n));
    if (tenLots != -1)
    {
        limit = tenLots;
        return;
    }
    // Ten lots come below the minimum, which is at most 20000 units, so n is below 2000 here.
    const double needed = std::ceil(Z14MinimumSampleUnits[aqlPosition] / n);
    if (needed > std::numeric_limits<std::int32_t>::max())
        return;
    lots = static_cast<std::int32_t>(needed);
    limit = Z14LimitNumber(aqlPosition, TotalOf(lots * n));
}

} // namespace Brosquin
