#include "stats/MonotoneInverse.h"

#include "stats/RootSearch.h"

#include <cmath>
#include <limits>

namespace Brosquin
{

InverseResult InverseOfMonotone(const std::function<double(double)>& measure, double target,
                                bool decreasing, double lowest, double highest, double tolerance,
                                int limit)
{
    // Compared exactly: near 1 a tolerance would move the level visibly.
    const auto isBelow = [&](double value) { return (value >= target) == decreasing; };
    constexpr double unknown = std::numeric_limits<double>::quiet_NaN();
    double hi = highest;
    double lo = lowest;
    // measure - target at the ends, once evaluated there.
    double atHi = unknown;
    double atLo = unknown;
    bool hiEvaluated = true;
    double unevaluable = 0;
    if (std::isinf(hi))
    {
        hi = !std::isinf(lo) && 1 < lo ? lo + 1 : 1;
        for (int i = 0;; hi *= 2, ++i)
        {
            const double value = measure(hi);
            if (std::isnan(value))
            {
                unevaluable = hi;
                hiEvaluated = false;
                break;
            }
            atHi = value - target;
            if (!isBelow(value) || value == target)
                break;
            if (i == limit)
                return {InverseEnd::Unbounded, hi};
        }
    }
    if (std::isinf(lo))
    {
        lo = -1 > hi ? hi - 1 : -1;
        for (int i = 0;; lo *= 2, ++i)
        {
            const double value = measure(lo);
            if (std::isnan(value))
                return {InverseEnd::Unevaluable, lo};
            atLo = value - target;
            if (isBelow(value) || value == target)
                break;
            if (i == limit)
                return {InverseEnd::Unbounded, lo};
        }
    }
    const bool nanIsAbove = !hiEvaluated;
    IllinoisBracket bracket{lo, hi, atLo, atHi};
    // Half the width at which the search stops.
    const auto margin = [&]
    { return tolerance * (std::fabs(bracket.hi) + std::fabs(bracket.lo)) / 2; };
    double level = bracket.Next(margin());
    for (int i = 0; i < limit && bracket.lo < level && level < bracket.hi; ++i)
    {
        const double value = measure(level);
        if (std::isnan(value) && !nanIsAbove)
            return {InverseEnd::Unevaluable, level};
        const bool below = !std::isnan(value) && isBelow(value);
        bracket.Narrow(level, value - target, below);
        if (!below)
            hiEvaluated = hiEvaluated || !std::isnan(value);
        if (!(bracket.hi - bracket.lo > 2 * margin()))
            break;
        level = bracket.Next(margin());
    }
    if (!hiEvaluated)
        return {InverseEnd::Unevaluable, unevaluable};
    return {InverseEnd::Found, level};
}

} // namespace Brosquin
