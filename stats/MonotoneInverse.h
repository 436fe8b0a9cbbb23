#pragma once

#include <cstdint>
#include <functional>

// The inverse of a monotone measure: the level at which it meets a target value, such as the
// quality level at which an OC curve gives a probability of acceptance. Plain doubles; the
// caller maps its own values (and values it cannot compute, as NaN) onto the measure.

namespace Brosquin
{

// How an inverse search ended.
enum class InverseEnd : std::uint8_t
{
    // level is the crossing.
    Found,
    // The measure could not be evaluated at level (it gave NaN) where the answer depends on it.
    Unevaluable,
    // An open end was doubled limit times without passing the target.
    Unbounded,
};

struct InverseResult
{
    InverseEnd end;
    double level;
};

// The level x in [lowest, highest] at which measure(x) passes target: the levels where the
// measure is at least the target lie below it when decreasing is set (a falling measure), the
// levels where it is below the target when it is clear (a rising one).
//
// - An infinite bound is an open end. The upper one is found by doubling from 1 (or from one
//   above lowest when that is above 1) until the measure reaches the target or cannot be
//   evaluated; the lower one by doubling from -1 (or one below the upper end) until the measure
//   is on the other side of the target or equal to it.
// - measure gives NaN where it cannot be evaluated. A level found so while doubling upward is
//   taken as lying beyond the crossing, as are such levels met by the search after it; the
//   answer then stands only once a level above it has given a number. Anywhere else a NaN ends
//   the search as Unevaluable at that level.
// - Between the ends the bracket narrows by regula falsi on measure - target, bisected while an
//   end's value is not known and whenever two steps have not halved it (IllinoisBracket). It
//   stops when the bracket is no wider than tolerance x (|lower end| + |upper end|), or after
//   limit steps; the result is the last level evaluated.
InverseResult InverseOfMonotone(const std::function<double(double)>& measure, double target,
                                bool decreasing, double lowest, double highest, double tolerance,
                                int limit);

} // namespace Brosquin
