#include "stats/MonotoneInverse.h"

#include <cmath>

namespace Brosquin
{

InverseResult InverseOfMonotone(const std::function<double(double)>& measure, double target,
                                bool decreasing, double lowest, double highest, double tolerance,
                                int limit)
{
    // Compared exactly: near 1 a tolerance would move the level visibly.
    const auto isBelow = [&](double value) { return (value >= target) == decreasing; };
    double hi = highest;
    double lo = lowest;
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
            if (isBelow(value) || value == target)
                break;
            if (i == limit)
                return {InverseEnd::Unbounded, lo};
        }
    }
    const bool nanIsAbove = !hiEvaluated;
    double mid = (lo + hi) / 2;
    for (int i = 0; i < limit && lo < mid && mid < hi; ++i)
    {
        const double value = measure(mid);
        if (std::isnan(value) && !nanIsAbove)
            return {InverseEnd::Unevaluable, mid};
        if (!std::isnan(value) && isBelow(value))
            lo = mid;
        else
        {
            hi = mid;
            hiEvaluated = hiEvaluated || !std::isnan(value);
        }
        if (!(hi - lo > tolerance * (std::fabs(hi) + std::fabs(lo))))
            break;
        mid = (lo + hi) / 2;
    }
    if (!hiEvaluated)
        return {InverseEnd::Unevaluable, unevaluable};
    return {InverseEnd::Found, mid};
}

} // namespace Brosquin
