#pragma once

#include <algorithm>
#include <cmath>
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

// The first k in [from, to] at which value(k) >= 0, for a value that only grows with k and is
// atTo >= 0 at `to`. Each k tried is where the line through the nearest values on either side
// crosses 0; the value kept on a side that the tries leave twice running is scaled down, as
// Anderson and Bjorck do, so that it does not hold the line back. A value smooth in k then takes
// a few tries. Where the range left is wider than bisection would have left with four tries
// fewer, the try bisects it instead, so that no value takes more than about four tries more than
// bisection.
template <class Value>
std::int64_t FirstReaching(std::int64_t from, std::int64_t to, double atTo, Value value)
{
    if (from >= to)
        return to;
    double failingValue = value(from);
    if (failingValue >= 0.0)
        return from;
    std::int64_t failing = from;
    std::int64_t meeting = to;
    double meetingValue = atTo;
    // The scale of the value kept when the other side moves again, from the last and the new one.
    const auto scale = [](double moved, double last)
    {
        const double factor = 1.0 - moved / last;
        return factor > 0.0 ? factor : 0.5;
    };
    int lastMoved = 0; // -1 the failing side, +1 the meeting side
    const std::int64_t range = to - from;
    for (int tries = 0; meeting - failing > 1; ++tries)
    {
        const std::int64_t width = meeting - failing;
        const int halvings = tries - 4;
        const bool behind = halvings >= 62 || (halvings > 0 && width > (range >> halvings));
        // failingValue < 0 <= meetingValue, so the crossing is within the range where the
        // values are numbers.
        const double share = failingValue / (failingValue - meetingValue);
        std::int64_t step = width / 2;
        if (!behind && share >= 0.0 && share <= 1.0)
            step =
                static_cast<std::int64_t>(std::clamp(std::ceil(share * static_cast<double>(width)),
                                                     1.0, static_cast<double>(width - 1)));
        const std::int64_t k = failing + step;
        const double at = value(k);
        if (at >= 0.0)
        {
            if (lastMoved == 1)
                failingValue *= scale(at, meetingValue);
            meeting = k;
            meetingValue = at;
            lastMoved = 1;
        }
        else
        {
            if (lastMoved == -1)
                meetingValue *= scale(at, failingValue);
            failing = k;
            failingValue = at;
            lastMoved = -1;
        }
    }
    return meeting;
}

} // namespace Brosquin
