#include "stats/StagedConditionals.h"

#include "stats/LogConcaveSequence.h"
#include "stats/SpecialFunctions.h"
#include "stats/StagedLots.h"
#include "stats/VectorArithmetic.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace Brosquin
{

namespace
{

// Bounds on preparing: the work, in terms summed (a multiply-add each) and reference points
// computed (each costs about as much as pointWork terms), of which 2^32 take one to two seconds;
// and the chances kept, 2^24 of them in 128 MB.
constexpr double mostWork = 0x1p32;
constexpr double pointWork = 64.0;
constexpr double mostKept = 0x1p24;

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

template <class Points> void Fill(const Points& points, CountRange counts, std::vector<double>& out)
{
    FillLogConcave(counts.first, counts.last, points, freshEveryCarried, out);
    for (double& value : out)
        if (value < negligible)
            value = 0.0;
}

// How many counts a range holds.
double Width(CountRange counts)
{
    return counts.first > counts.last ? 0.0 : static_cast<double>(counts.last - counts.first + 1);
}

// The counts first ... last after a stage, prepared at one reference rate: the counts entered with
// and those of the stage whose reference points there are not negligible (none: no terms).
struct Part
{
    CountRange after;
    double rate;
    CountRange entered;
    CountRange stage;
};

// The counts after the stage that have a term from count x entered with.
CountRange TermsOf(const Part& part, std::int64_t x)
{
    return {std::max(part.after.first, x + part.stage.first),
            std::min(part.after.last, x + part.stage.last)};
}

// The work of preparing a part: its terms and its reference points.
double WorkOf(const Part& part)
{
    double terms = 0.0;
    for (std::int64_t x = part.entered.first; x <= part.entered.last; ++x)
        terms += Width(TermsOf(part, x));
    return terms + pointWork * (Width(part.after) + Width(part.entered) + Width(part.stage));
}

// Splits the counts of band after a stage, entered with the counts of entered, into parts, each
// at the one reference rate at which the points after the stage are equal at its ends; a part
// whose points are not all above smallestAfter (as they are log-concave, those at its ends) is
// halved until they are. False where a single count cannot be carried.
template <class Reference>
bool LayOut(CountRange entered, CountRange band, double before, double size,
            std::vector<Part>& parts)
{
    const double after = before + size;
    const auto carried = [](double value) { return value >= smallestAfter && value < HUGE_VAL; };
    std::vector<CountRange> pending = {band};
    while (!pending.empty())
    {
        const CountRange counts = pending.back();
        pending.pop_back();
        const std::int64_t first = counts.first;
        const std::int64_t last = counts.last;
        const double rate = first < last ? Reference::Rate(first, last, after)
                                         : Reference::Rate(first, first + 1, after);
        const auto to = Reference::Points(after, rate);
        if (!carried(to.Point(first)) || !carried(to.Point(last)))
        {
            if (first == last)
                return false;
            const std::int64_t middle = first + (last - first) / 2;
            pending.push_back({middle + 1, last});
            pending.push_back({first, middle});
            continue;
        }
        Part part = {counts, rate, {1, 0}, {1, 0}};
        part.entered = PointsAtLeast(entered.first, std::min(entered.last, last),
                                     Reference::Points(before, rate), negligible);
        if (part.entered.first <= part.entered.last)
            part.stage =
                PointsAtLeast(std::max<std::int64_t>(0, first - part.entered.last),
                              last - part.entered.first, Reference::Points(size, rate), negligible);
        parts.push_back(part);
    }
    return true;
}

// Working storage of the chances of one stage.
struct Scratch
{
    std::vector<double> from;
    std::vector<double> kernel;
    std::vector<double> to;
};

// Sets the chances of band for the counts of part, from the chances of entered.
template <class Reference>
void SetChances(const StagedConditionals::Band& entered, StagedConditionals::Band& band,
                const Part& part, double before, double size, Scratch& scratch)
{
    if (part.entered.first <= part.entered.last && part.stage.first <= part.stage.last)
    {
        Fill(Reference::Points(before, part.rate), part.entered, scratch.from);
        Fill(Reference::Points(size, part.rate), part.stage, scratch.kernel);
        for (std::int64_t x = part.entered.first; x <= part.entered.last; ++x)
        {
            const CountRange y = TermsOf(part, x);
            if (y.first > y.last)
                continue;
            AddMultiple(band.values.data() + (y.first - band.lo),
                        scratch.kernel.data() + (y.first - x - part.stage.first),
                        entered.values[static_cast<std::size_t>(x - entered.lo)] *
                            scratch.from[static_cast<std::size_t>(x - part.entered.first)],
                        static_cast<std::size_t>(y.last - y.first + 1));
        }
    }
    Fill(Reference::Points(before + size, part.rate), part.after, scratch.to);
    for (std::int64_t y = part.after.first; y <= part.after.last; ++y)
        band.values[static_cast<std::size_t>(y - band.lo)] /=
            scratch.to[static_cast<std::size_t>(y - part.after.first)];
}

// The counts between each stage's accept and reject numbers that can occur, for stages 1 ... k - 1
// or up to the first after which no inspection goes on, whose counts are none.
template <class Reference, class Sample>
std::vector<CountRange> Bands(int k, const Sample n[], const int a[], const int r[])
{
    std::vector<CountRange> bands;
    CountRange entered = {0, 0};
    for (int i = 0; i + 1 < k; ++i)
    {
        CountRange band = {std::max<std::int64_t>(a[i] + std::int64_t{1}, entered.first),
                           r[i] - std::int64_t{1}};
        if constexpr (Reference::countsWithinUnits)
            band.last = std::min<std::int64_t>(band.last, entered.last + n[i]);
        bands.push_back(band);
        if (band.first > band.last)
            break;
        entered = band;
    }
    return bands;
}

template <class Reference, class Sample>
std::unique_ptr<StagedConditionals> Prepare(int k, const Sample n[], const int a[], const int r[])
{
    auto prepared = std::make_unique<StagedConditionals>();
    const std::vector<CountRange> bands = Bands<Reference>(k, n, a, r);
    if (bands.empty())
        return prepared;
    double kept = 0.0;
    for (const CountRange& band : bands)
        kept += Width(band);
    if (kept > mostKept)
        return nullptr;
    // Every band after the first laid out in parts, and the work of preparing them, before
    // anything is computed.
    std::vector<std::vector<Part>> parts(bands.size());
    double work = 0.0;
    double before = static_cast<double>(n[0]);
    for (std::size_t i = 1; i < bands.size() && bands[i].first <= bands[i].last; ++i)
    {
        const double size = static_cast<double>(n[i]);
        if (!LayOut<Reference>(bands[i - 1], bands[i], before, size, parts[i]))
            return nullptr;
        for (const Part& part : parts[i])
        {
            work += WorkOf(part);
            if (work > mostWork)
                return nullptr;
        }
        before += size;
    }
    prepared->bands.resize(static_cast<std::size_t>(k - 1), {bands.back().first, {}});
    Scratch scratch;
    before = static_cast<double>(n[0]);
    for (std::size_t i = 0; i < bands.size() && bands[i].first <= bands[i].last; ++i)
    {
        StagedConditionals::Band& band = prepared->bands[i];
        band.lo = bands[i].first;
        // Before stage 1 the count is 0 with certainty; after it every count goes on for certain.
        band.values.assign(static_cast<std::size_t>(Width(bands[i])), i == 0 ? 1.0 : 0.0);
        if (i == 0)
            continue;
        const double size = static_cast<double>(n[i]);
        for (const Part& part : parts[i])
            SetChances<Reference>(prepared->bands[i - 1], band, part, before, size, scratch);
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
