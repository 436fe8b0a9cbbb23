#include "stats/ProbableCounts.h"

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

// e^-745 lies below the smallest positive double.
constexpr double negligibleExponent = 745.0;
// Counts are compared with 32-bit plan numbers; farther ends need not be told apart.
constexpr double farthest = 0x1p62;

// For a count whose mean is `mean` and variance at most `variance`, made of independent (or,
// drawn without replacement, less spread) parts each within one unit of its mean,
// P(|X - mean| >= t) <= 2 exp(-t^2 / (2 (variance + t / 3))) (Bernstein; Hoeffding for
// sampling without replacement). t solves exponent = negligibleExponent.
ProbableCounts BernsteinCounts(double mean, double variance, double lowest, double highest)
{
    if (!(lowest <= highest)) // no count is possible
        return {1, 0};
    constexpr double third = negligibleExponent / 3.0;
    const double t =
        third + std::sqrt(third * third + 2.0 * negligibleExponent * std::fmax(variance, 0.0));
    const double lo = std::clamp(std::floor(mean - t), lowest, highest);
    const double hi = std::clamp(std::ceil(mean + t), lowest, highest);
    if (!(lo <= hi)) // a NaN mean: nothing is probable
        return {1, 0};
    return {static_cast<std::int64_t>(lo), static_cast<std::int64_t>(hi)};
}

} // namespace

ProbableCounts BinomialProbableCounts(std::int64_t n, double p)
{
    const double trials = static_cast<double>(n);
    return BernsteinCounts(trials * p, trials * p * (1.0 - p), 0.0, std::fmin(trials, farthest));
}

ProbableCounts HypergeometricProbableCounts(std::int64_t n, std::int64_t D, std::int64_t N)
{
    if (N <= 0)
        return {0, 0};
    const double share = static_cast<double>(D) / static_cast<double>(N);
    const double sample = static_cast<double>(n);
    const double lowest = static_cast<double>(std::max<std::int64_t>(0, n + D - N));
    return BernsteinCounts(sample * share, sample * share * (1.0 - share), lowest,
                           static_cast<double>(std::min(n, D)));
}

ProbableCounts PoissonProbableCounts(double mean)
{
    return BernsteinCounts(mean, mean, 0.0, farthest);
}

} // namespace Brosquin
