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
// atFrom at `from` and atTo >= 0 at `to`. Each k tried is where the line through the nearest
// values on either side crosses 0; the value kept on a side that the tries leave twice running
// is scaled down, as Anderson and Bjorck do, so that it does not hold the line back. A value
// smooth in k then takes a few tries. Where the range left is wider than bisection would have
// left with four tries fewer, the try bisects it instead, so that no value takes more than about
// four tries more than bisection.
template <class Value>
std::int64_t FirstReaching(std::int64_t from, double atFrom, std::int64_t to, double atTo,
                           Value value)
{
    if (from >= to)
        return to;
    double failingValue = atFrom;
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

// As above, value(from) worked out here.
template <class Value>
std::int64_t FirstReaching(std::int64_t from, std::int64_t to, double atTo, Value value)
{
    if (from >= to)
        return to;
    return FirstReaching(from, value(from), to, atTo, value);
}

// The first k in (from, beyond) at which value(k) >= 0, for a value that only grows with k and is
// atFrom < 0 at `from`, and `beyond` where it is below 0 throughout, expected about span after
// from: steps that double from span, then FirstReaching between the last two tried, so that a
// near guess takes a few tries. The k before the one returned is `from` or one tried.
template <class Value>
std::int64_t FirstReachingAfter(std::int64_t from, double atFrom, std::int64_t beyond,
                                std::int64_t span, Value value)
{
    std::int64_t failing = from;
    double failingValue = atFrom;
    for (std::int64_t step = std::max<std::int64_t>(span, 1); failing < beyond - 1; step *= 2)
    {
        const std::int64_t k = beyond - 1 - failing > step ? failing + step : beyond - 1;
        const double at = value(k);
        if (at >= 0.0)
            return FirstReaching(failing, failingValue, k, at, value);
        failing = k;
        failingValue = at;
    }
    return beyond;
}

} // namespace Brosquin
