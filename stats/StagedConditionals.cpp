#include "stats/StagedConditionals.h"

#include "stats/LogConcaveSequence.h"
#include "stats/SpecialFunctions.h"
#include "stats/StagedLots.h"
#include "stats/VectorArithmetic.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Brosquin
{

namespace
{

// Bounds on the work of preparing (pairs of counts of neighbouring stages: 2^33 of them take a
// few seconds) and on the counts kept.
constexpr double mostWork = 0x1p33;
constexpr double mostKept = 0x1p22;

// The counts of a stage as an independent count of a reference lot at rate t: given the count y
// after `after`, the count x after `before` has the probability
//   point(x; before, t) point(y - x; after - before, t) / point(y; after, t)
// for any t, binomial points for defective units, Poisson points for defects. Each stage takes the
// t at which the points after it are equal at the two ends of its counts, the least of them over
// the counts then being the largest.
struct DefectivesReference
{
    static constexpr bool countsWithinUnits = true;
    // ln C(after, hi) - ln C(after, lo) + (hi - lo) ln(t / (1 - t)) = 0
    static double Rate(std::int64_t lo, std::int64_t hi, double after)
    {
        const double a = static_cast<double>(lo);
        const double b = static_cast<double>(hi);
        const double rise = LogGamma(a + 1.0) + LogGamma(after - a + 1.0) - LogGamma(b + 1.0) -
                            LogGamma(after - b + 1.0);
        const double rate = 1.0 / (1.0 + std::exp(rise / (b - a)));
        return std::clamp(rate, 0.5 / after, 1.0 - 0.5 / after);
    }
    static BinomialKernel Points(double size, double rate)
    {
        return {static_cast<std::int64_t>(size), rate};
    }
};

struct DefectsReference
{
    static constexpr bool countsWithinUnits = false;
    // (hi - lo) ln(t after) = ln hi! - ln lo!
    static double Rate(std::int64_t lo, std::int64_t hi, double after)
    {
        const double a = static_cast<double>(lo);
        const double b = static_cast<double>(hi);
        return std::exp((LogGamma(b + 1.0) - LogGamma(a + 1.0)) / (b - a)) / after;
    }
    static PoissonKernel Points(double size, double rate) { return {size * rate}; }
};

// The reference points of a stage's counts, those below negligible set to 0: a term that counts,
// g(x) from(x) kernel(y - x) = g(x) to(y) times a chance of x given y, has both its factors above
// that when to(y) is above smallestAfter; the rest are left out rather than carried through the
// slow arithmetic of subnormal numbers.
constexpr double negligible = 1e-280;
constexpr double smallestAfter = 1e-250;

template <class Points>
void Fill(const Points& points, std::int64_t first, std::int64_t last, std::vector<double>& out)
{
    FillLogConcave(first, last, points, freshEveryCarried, out);
    for (double& value : out)
        if (value < negligible)
            value = 0.0;
}

// The first and one past the last index of the nonzero values, which lie together (the values
// are log-concave); first == end when there are none.
struct Nonzero
{
    std::size_t first;
    std::size_t end;
};

Nonzero NonzeroOf(const std::vector<double>& values)
{
    std::size_t first = 0;
    std::size_t end = values.size();
    while (first < end && values[first] == 0.0)
        ++first;
    while (end > first && values[end - 1] == 0.0)
        --end;
    return {first, end};
}

// Working storage of the chances of one stage.
struct Scratch
{
    std::vector<double> from;
    std::vector<double> kernel;
    std::vector<double> to;
};

// Adds to the chances of band the terms of the counts first ... last after the stage, from the
// counts of entered before it, all at the one reference rate at which the points after the stage
// at first and last are equal; false where those points are not all above smallestAfter, so
// that the counts take more than one rate.
template <class Reference>
bool AddChances(const StagedConditionals::Band& entered, StagedConditionals::Band& band,
                std::int64_t first, std::int64_t last, double before, double size, Scratch& scratch)
{
    const double after = before + size;
    const double rate = first < last ? Reference::Rate(first, last, after)
                                     : Reference::Rate(first, first + 1, after);
    Fill(Reference::Points(after, rate), first, last, scratch.to);
    if (!std::all_of(scratch.to.begin(), scratch.to.end(),
                     [](double value) { return value >= smallestAfter && value < HUGE_VAL; }))
        return false;
    // Only counts entered with whose points are not negligible have terms.
    const std::int64_t lo = entered.lo;
    const std::int64_t hi =
        std::min(lo + static_cast<std::int64_t>(entered.values.size()) - 1, last);
    Fill(Reference::Points(before, rate), lo, hi, scratch.from);
    const Nonzero from = NonzeroOf(scratch.from);
    if (from.first < from.end)
    {
        const std::int64_t lowest = lo + static_cast<std::int64_t>(from.first);
        const std::int64_t highest = lo + static_cast<std::int64_t>(from.end) - 1;
        // The stage's counts from the least to the most that a term needs.
        const std::int64_t shortest = std::max<std::int64_t>(0, first - highest);
        Fill(Reference::Points(size, rate), shortest, last - lowest, scratch.kernel);
        const Nonzero kernel = NonzeroOf(scratch.kernel);
        for (std::int64_t x = lowest; x <= highest; ++x)
        {
            const std::int64_t y0 =
                std::max({first, x, x + shortest + static_cast<std::int64_t>(kernel.first)});
            const std::int64_t y1 =
                std::min(last, x + shortest + static_cast<std::int64_t>(kernel.end) - 1);
            if (y0 > y1)
                continue;
            const std::size_t index = static_cast<std::size_t>(x - lo);
            AddMultiple(
                band.values.data() + (y0 - band.lo), scratch.kernel.data() + (y0 - x - shortest),
                entered.values[index] * scratch.from[index], static_cast<std::size_t>(y1 - y0 + 1));
        }
    }
    for (std::int64_t y = first; y <= last; ++y)
        band.values[static_cast<std::size_t>(y - band.lo)] /=
            scratch.to[static_cast<std::size_t>(y - first)];
    return true;
}

// The counts between each stage's accept and reject numbers that can occur: those of stage i
// run from bands[i].lo, values sized to hold them; empty from the first stage after which no
// inspection goes on. Null when they are beyond the bounds on the work and the storage.
template <class Reference, class Sample>
std::unique_ptr<StagedConditionals> Bands(int k, const Sample n[], const int a[], const int r[])
{
    auto prepared = std::make_unique<StagedConditionals>();
    std::int64_t lo = 0;
    std::int64_t hi = 0;
    double work = 0.0;
    double kept = 0.0;
    for (int i = 0; i + 1 < k; ++i)
    {
        const std::int64_t first = std::max<std::int64_t>(a[i] + std::int64_t{1}, lo);
        std::int64_t last = r[i] - std::int64_t{1};
        if constexpr (Reference::countsWithinUnits)
            last = std::min<std::int64_t>(last, hi + n[i]);
        if (first > last)
        {
            prepared->bands.resize(static_cast<std::size_t>(k - 1), {first, {}});
            return prepared;
        }
        const double width = static_cast<double>(last - first + 1);
        work += static_cast<double>(hi - lo + 1) * width;
        kept += width;
        if (work > mostWork || kept > mostKept)
            return nullptr;
        prepared->bands.push_back({first, std::vector<double>(static_cast<std::size_t>(width))});
        lo = first;
        hi = last;
    }
    return prepared;
}

template <class Reference, class Sample>
std::unique_ptr<StagedConditionals> Prepare(int k, const Sample n[], const int a[], const int r[])
{
    auto prepared = Bands<Reference>(k, n, a, r);
    if (!prepared)
        return nullptr;
    // Before stage 1 the count is 0 with certainty; after it every count goes on for certain.
    const StagedConditionals::Band start = {0, {1.0}};
    const StagedConditionals::Band* entered = &start;
    double before = 0.0;
    Scratch scratch;
    for (std::size_t i = 0; i < prepared->bands.size(); ++i)
    {
        StagedConditionals::Band& band = prepared->bands[i];
        const double size = static_cast<double>(n[i]);
        if (band.values.empty())
            break;
        if (i == 0)
            std::fill(band.values.begin(), band.values.end(), 1.0);
        else
        {
            // Counts that one reference rate cannot carry are halved until each part can.
            const std::int64_t last = band.lo + static_cast<std::int64_t>(band.values.size()) - 1;
            std::vector<std::pair<std::int64_t, std::int64_t>> parts = {{band.lo, last}};
            while (!parts.empty())
            {
                const auto [from, to] = parts.back();
                parts.pop_back();
                if (AddChances<Reference>(*entered, band, from, to, before, size, scratch))
                    continue;
                if (from == to)
                    return nullptr;
                const std::int64_t middle = from + (to - from) / 2;
                parts.push_back({middle + 1, to});
                parts.push_back({from, middle});
            }
        }
        entered = &band;
        before += size;
    }
    return prepared;
}

} // namespace

std::unique_ptr<StagedConditionals> PrepareDefectivesConditionals(int k, const int n[],
                                                                  const int a[], const int r[])
{
    return Prepare<DefectivesReference>(k, n, a, r);
}

std::unique_ptr<StagedConditionals> PrepareDefectsConditionals(int k, const int n[], const int a[],
                                                               const int r[])
{
    return Prepare<DefectsReference>(k, n, a, r);
}

std::unique_ptr<StagedConditionals> PrepareDefectsConditionals(int k, const double s[],
                                                               const int a[], const int r[])
{
    return Prepare<DefectsReference>(k, s, a, r);
}

} // namespace Brosquin
