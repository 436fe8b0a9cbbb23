#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Sequences of point probabilities, and of their ratios to other ones, filled by recurrence: the
// staged recursion needs thousands of them a stage, and one evaluation in closed form costs as
// much as a hundred steps of the recurrence. Every sequence here is log-concave (its ratios
// g(k + 1) / g(k) do not rise), so it falls on both sides of its largest value; filled outward
// from there, a value can underflow only where the exact one is smaller still.

namespace Brosquin
{

// g(k + 1) / g(k) as a fraction of two non-negative numbers, so that a step either way costs one
// division. A numerator of 0 is a fall to 0 and a denominator of 0 a rise from 0 (0 / 0 only
// beside a sequence that is 0 at one point only, which counts as falling).
struct StepRatio
{
    double dNumerator;
    double dDenominator;
};

// x where it is positive, else 0: the factors of a ratio outside the range of a count.
inline double PositivePart(double x)
{
    return x > 0.0 ? x : 0.0;
}

namespace sequence
{

// The quotient first: it does not wait for the value, so the divisions of a run overlap.
inline double Forward(double value, StepRatio ratio)
{
    return value == 0.0 || ratio.dNumerator == 0.0
               ? 0.0
               : value * (ratio.dNumerator / ratio.dDenominator);
}

inline double Backward(double value, StepRatio ratio)
{
    return value == 0.0 || ratio.dDenominator == 0.0 || ratio.dNumerator == 0.0
               ? 0.0
               : value * (ratio.dDenominator / ratio.dNumerator);
}

} // namespace sequence

// How many steps apart values are computed afresh: a step rounds twice, so a value is good to
// about 2 freshEvery units in the last place. The recursion's kernel, whose rounding every stage
// passes on, takes the shorter distance; what a stage uses only once, the longer.
constexpr std::int64_t freshEveryCarried = 16;
constexpr std::int64_t freshEveryUsedOnce = 64;

// The k in first ... last (first <= last) at which a log-concave g with ratio(k) = g(k + 1) / g(k)
// is largest: the first k whose ratio is below 1, by bisection, as the ratios fall.
template <class Ratio>
std::int64_t PeakOfLogConcave(std::int64_t first, std::int64_t last, Ratio ratio)
{
    std::int64_t lo = first;
    std::int64_t hi = last;
    while (lo < hi)
    {
        const std::int64_t middle = lo + (hi - lo) / 2;
        const StepRatio r = ratio(middle);
        if (r.dNumerator < r.dDenominator || r.dNumerator == 0.0)
            hi = middle;
        else
            lo = middle + 1;
    }
    return lo;
}

// Sets out[k - first] = g(k) for k = first ... last (first <= last), given afresh(k) = g(k) and
// ratio(k) = g(k + 1) / g(k) of a log-concave g: from its largest value outward, with values
// computed afresh there and every freshEvery steps.
template <class Afresh, class Ratio>
void FillLogConcave(std::int64_t first, std::int64_t last, Afresh afresh, Ratio ratio,
                    std::int64_t freshEvery, std::vector<double>& out)
{
    out.resize(static_cast<std::size_t>(last - first + 1));
    const std::int64_t peak = PeakOfLogConcave(first, last, ratio);
    double value = afresh(peak);
    out[static_cast<std::size_t>(peak - first)] = value;
    for (std::int64_t k = peak + 1; k <= last; ++k)
    {
        value = (k - peak) % freshEvery == 0 ? afresh(k) : sequence::Forward(value, ratio(k - 1));
        out[static_cast<std::size_t>(k - first)] = value;
    }
    value = out[static_cast<std::size_t>(peak - first)];
    for (std::int64_t k = peak - 1; k >= first; --k)
    {
        value = (peak - k) % freshEvery == 0 ? afresh(k) : sequence::Backward(value, ratio(k));
        out[static_cast<std::size_t>(k - first)] = value;
    }
}

// The same for a sequence that gives Point(k) = g(k) and Ratio(k) = g(k + 1) / g(k).
template <class Sequence>
void FillLogConcave(std::int64_t first, std::int64_t last, const Sequence& sequence,
                    std::int64_t freshEvery, std::vector<double>& out)
{
    FillLogConcave(
        first, last, [&](std::int64_t k) { return sequence.Point(k); },
        [&](std::int64_t k) { return sequence.Ratio(k); }, freshEvery, out);
}

// Sum over k = first ... last (first <= last), in the order of k, of g(k) w(k) with 0 <= w(k) <= 1,
// g filled into points as FillLogConcave fills it: the same double as the whole sum, but past the
// largest g(k) the terms stop where the sum is normal and g(k) below 2^-55 of it. Every later term
// is then at most about g(k) (the values afresh and by recurrence agree to far better than a
// factor 2), below half a unit in the sum's last place, and leaves it as it is.
template <class Sequence, class Weight>
double WeightedSumOfLogConcave(std::int64_t first, std::int64_t last, const Sequence& sequence,
                               std::int64_t freshEvery, Weight weight, std::vector<double>& points)
{
    const std::int64_t peak =
        PeakOfLogConcave(first, last, [&](std::int64_t k) { return sequence.Ratio(k); });
    FillLogConcave(first, peak, sequence, freshEvery, points);
    double sum = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i)
        sum += points[i] * weight(first + static_cast<std::int64_t>(i));
    double value = points.back();
    for (std::int64_t k = peak + 1; k <= last; ++k)
    {
        value = (k - peak) % freshEvery == 0 ? sequence.Point(k)
                                             : sequence::Forward(value, sequence.Ratio(k - 1));
        if (sum >= 0x1p-900 && value < 0x1p-55 * sum)
            break;
        sum += value * weight(k);
    }
    return sum;
}

// Counts first ... last; none where first > last.
struct CountRange
{
    std::int64_t first;
    std::int64_t last;
};

// The counts of first ... last (first <= last) at which the sequence's log-concave points are at
// least `least`, which lie together around the largest: by bisection on each side of it, a few
// dozen points computed afresh instead of every one.
template <class Sequence>
CountRange PointsAtLeast(std::int64_t first, std::int64_t last, const Sequence& sequence,
                         double least)
{
    const std::int64_t peak =
        PeakOfLogConcave(first, last, [&](std::int64_t k) { return sequence.Ratio(k); });
    if (!(sequence.Point(peak) >= least))
        return {peak + 1, peak};
    std::int64_t lo = first;
    std::int64_t hi = peak;
    while (lo < hi)
    {
        const std::int64_t middle = lo + (hi - lo) / 2;
        if (sequence.Point(middle) >= least)
            hi = middle;
        else
            lo = middle + 1;
    }
    const std::int64_t lowest = lo;
    lo = peak;
    hi = last;
    while (lo < hi)
    {
        const std::int64_t middle = hi - (hi - lo) / 2;
        if (sequence.Point(middle) >= least)
            lo = middle;
        else
            hi = middle - 1;
    }
    return {lowest, lo};
}

// The tails of the count of a stage entered with count x, for x = first ... last, at k0 - x along
// a diagonal of the lot: the diagonal gives Tails(x), Point(x) and Ratio(x) = Point(x + 1) /
// Point(x) with log-concave points, and Coefficient(x) >= 0 such that
//   P(X_x <= k0 - x) = P(X_(x+1) <= k0 - x - 1) + Coefficient(x) Point(x).
// Lower tails are summed from the last one down, upper ones from the first one up: every step adds
// a positive term, so each keeps full relative precision. points is working storage.
template <class Diagonal>
void DiagonalTails(const Diagonal& diagonal, std::int64_t first, std::int64_t last, bool lower,
                   std::vector<double>& out, std::vector<double>& points)
{
    out.resize(static_cast<std::size_t>(last - first + 1));
    const std::size_t end = out.size() - 1;
    if (lower)
        out[end] = diagonal.Tails(last).dLower;
    else
        out[0] = diagonal.Tails(first).dUpper;
    if (first == last)
        return;
    FillLogConcave(first, last - 1, diagonal, freshEveryUsedOnce, points);
    if (lower)
        for (std::size_t i = end; i-- > 0;)
            out[i] =
                out[i + 1] + diagonal.Coefficient(first + static_cast<std::int64_t>(i)) * points[i];
    else
        for (std::size_t i = 0; i < end; ++i)
            out[i + 1] =
                out[i] + diagonal.Coefficient(first + static_cast<std::int64_t>(i)) * points[i];
}

} // namespace Brosquin
