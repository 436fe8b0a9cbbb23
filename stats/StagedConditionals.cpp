#include "stats/StagedConditionals.h"

#include "stats/LogConcaveSequence.h"
#include "stats/SpecialFunctions.h"
#include "stats/StagedLots.h"
#include "stats/VectorArithmetic.h"

#include <algorithm>
#include <cmath>

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
    std::vector<double> from;
    std::vector<double> kernel;
    std::vector<double> to;
    for (std::size_t i = 0; i < prepared->bands.size(); ++i)
    {
        StagedConditionals::Band& band = prepared->bands[i];
        const double size = static_cast<double>(n[i]);
        const double after = before + size;
        if (band.values.empty())
            break;
        const std::int64_t lo = entered->lo;
        const std::int64_t hi = lo + static_cast<std::int64_t>(entered->values.size()) - 1;
        const std::int64_t first = band.lo;
        const std::int64_t last = first + static_cast<std::int64_t>(band.values.size()) - 1;
        if (i == 0)
            std::fill(band.values.begin(), band.values.end(), 1.0);
        else
        {
            const double rate = first < last ? Reference::Rate(first, last, after)
                                             : Reference::Rate(first, first + 1, after);
            Fill(Reference::Points(before, rate), lo, hi, from);
            Fill(Reference::Points(size, rate), 0, last - lo, kernel);
            Fill(Reference::Points(after, rate), first, last, to);
            if (!std::all_of(to.begin(), to.end(),
                             [](double value)
                             { return value >= smallestAfter && value < HUGE_VAL; }))
                return nullptr;
            for (std::int64_t x = lo; x <= std::min(hi, last); ++x)
            {
                const std::size_t index = static_cast<std::size_t>(x - lo);
                const std::int64_t y = std::max(first, x);
                AddMultiple(band.values.data() + (y - first), kernel.data() + (y - x),
                            entered->values[index] * from[index],
                            static_cast<std::size_t>(last - y + 1));
            }
            for (std::size_t j = 0; j < band.values.size(); ++j)
                band.values[j] /= to[j];
        }
        entered = &band;
        before = after;
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
