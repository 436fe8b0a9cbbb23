#include "standards/Z14LimitNumbers.h"

#include "standards/Z14TableData.h"

#include <algorithm>
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

std::int32_t Z14CleanRunLots(std::uint32_t aqlPosition, const Z14Plan& normal)
{
    std::int32_t limit = 0;
    std::int32_t lots = 0;
    Z14ReducedLots(aqlPosition, normal.CleanSample(), limit, lots);
    if (limit != 0)
        return 0;

    // The runs that hold a nonconforming unit are no longer than the clean ones (no lot has
    // fewer units than a clean one) and hold more samples only through lots that go on to later
    // stages: a lot accepted at stage k takes k - first samples more and holds at least `least`
    // nonconforming units, the fewest that get past every earlier stage; one accepted at the
    // first stage with some takes none more.
    struct Reach
    {
        std::int64_t samples;
        std::int64_t least;
    };
    Reach reaches[7];
    int reachCount = 0;
    const int first = normal.FirstAcceptingStage();
    if (normal.accept[first] > 0)
        reaches[reachCount++] = {0, 1};
    std::int32_t least = 0;
    for (int stage = first + 1; stage < normal.Stages(); ++stage)
    {
        least = std::max(least, normal.accept[stage - 1] + 1);
        if (least >= normal.reject[stage - 1])
            break;
        if (least <= normal.accept[stage])
            reaches[reachCount++] = {stage - first, least};
    }
    // A run with d nonconforming units has at most d x samples / least samples more than the
    // clean run, whatever lots hold them; it meets a row's limit only with d up to that limit.
    const std::int64_t n = normal.n;
    const std::int64_t cleanSamples = static_cast<std::int64_t>(lots) * (first + 1);
    for (std::size_t row = 0; row < std::size(Z14LimitNumberRowLowerBounds); ++row)
    {
        const std::int64_t rowLimit = Z14LimitNumberTable[row][aqlPosition];
        if (rowLimit < 1)
            continue;
        const std::int64_t missing = (Z14LimitNumberRowLowerBounds[row] + n - 1) / n - cleanSamples;
        for (int i = 0; i < reachCount; ++i)
            if (missing * reaches[i].least <= rowLimit * reaches[i].samples)
                return 0;
    }
    return lots;
}

} // namespace Brosquin
