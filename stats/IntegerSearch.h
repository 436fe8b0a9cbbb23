#pragma once

#include <algorithm>
#include <cstdint>

namespace Brosquin
{

// The first k in [from, beyond) at which `holds` is true, for a condition that holds from some
// k on, and `beyond` when it holds nowhere below it: steps that double from `from`, then
// bisection.
template <class Condition>
std::int64_t FirstHolding(std::int64_t from, std::int64_t beyond, Condition holds)
{
    if (from >= beyond || holds(from))
        return std::min(from, beyond);
    std::int64_t failing = from;
    std::int64_t meeting = beyond;
    for (std::int64_t step = 1; step < beyond - failing; step *= 2)
    {
        if (holds(failing + step))
        {
            meeting = failing + step;
            break;
        }
        failing += step;
    }
    while (meeting - failing > 1)
    {
        const std::int64_t middle = failing + (meeting - failing) / 2;
        (holds(middle) ? meeting : failing) = middle;
    }
    return meeting;
}

} // namespace Brosquin
