#include "stats/StagedConditionals.h"

#include "stats/DiscreteDistributions.h"
#include "stats/LogConcaveSequence.h"
#include "stats/ProbableCounts.h"
#include "stats/SpecialFunctions.h"
#include "stats/StagedLots.h"
#include "stats/VectorArithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace Brosquin
{

namespace
{

// Bounds on preparing: the work, in terms summed (a multiply-add each) and reference points
// computed (each counted as pointWork terms), of which 2^32 take one to two seconds; and the
// chances kept, 2^24 of them in 128 MB.
constexpr double mostWork = 0x1p32;
constexpr double pointWork = 64.0;
constexpr double mostKept = 0x1p24;

// The counts of a stage as an independent count of a reference lot at rate t: given the count y
// after `after`, the count x after `before` has the probability
//   point(x; before, t) point(y - x; after - before, t) / point(y; after, t)
// for any t, binomial points for defective units, Poisson points for defects. Each part of a
// stage's counts takes the t at which the points after it are equal at its two ends, the least of
// them over the counts then being the largest.
struct DefectivesReference
{
    static constexpr bool countsWithinUnits = true;
    // Where a plan curtails acceptance alone, a stage's probability of rejecting is part of its
    // ASN at every level.
    static constexpr bool rejectingForPaAlone = false;
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
    // Plans for defects curtail rejection alone: a stage's probability of rejecting serves only
    // Pa, and only where the probability of accepting is above 1/2.
    static constexpr bool rejectingForPaAlone = true;
    // (hi - lo) ln(t after) = ln hi! - ln lo!, with t kept to 12 significant bits: times a number
    // of units (a whole number below 2^41) it is then exact, so that the means of the points
    // before a stage, of the stage and after it stand in the very ratio of their sizes, as the
    // chances of one count given another do.
    static double Rate(std::int64_t lo, std::int64_t hi, double after)
    {
        const double a = static_cast<double>(lo);
        const double b = static_cast<double>(hi);
        const double rate = std::exp((LogGamma(b + 1.0) - LogGamma(a + 1.0)) / (b - a)) / after;
        int exponent = 0;
        const double mantissa = std::frexp(rate, &exponent);
        return std::ldexp(std::round(std::ldexp(mantissa, 12)), exponent - 12);
    }
    static PoissonKernel Points(double size, double rate) { return {size * rate}; }
};

// The chance of count x after `before` given count y after `before + size`, from the points at
// the rate that makes y the mean count after, which keeps all three clear of underflow wherever
// the chance is above the bounds it is held against.
template <class Reference> double Given(std::int64_t x, std::int64_t y, double before, double size)
{
    const double after = before + size;
    const double rate = static_cast<double>(y) / after;
    return Reference::Points(before, rate).Point(x) * Reference::Points(size, rate).Point(y - x) /
           Reference::Points(after, rate).Point(y);
}

// The count after `before` at the middle of its chances given y after `before + size`.
template <class Reference> std::int64_t MiddleGiven(std::int64_t y, double before, double size)
{
    const double count = static_cast<double>(y);
    double lowest = 0.0;
    double highest = count;
    if constexpr (Reference::countsWithinUnits)
    {
        lowest = std::max(0.0, count - size);
        highest = std::min(count, before);
    }
    return static_cast<std::int64_t>(
        std::clamp(std::round(count * (before / (before + size))), lowest, highest));
}

// Reference points and terms below negligible are left out, and the points after a part of a
// stage's counts are kept above smallestAfter: a term from(x) kernel(y - x) = to(y) times the
// chance of x given y is then left out only where that chance is below leastChance, far below any
// probability that can change a digit of a measure. Both are well inside the normal doubles, whose
// arithmetic stays fast.
constexpr double negligible = 1e-300;
constexpr double smallestAfter = 1e-130;
constexpr double leastChance = negligible / smallestAfter;

// A sequence filled by recurrence from its largest value alone: every value then stands to its
// neighbours as the exact ones do, to a rounding a step, and no value taken afresh far from the
// largest (good only to a unit in the last place of an exponent in the hundreds) breaks that. The
// chances of going on are ratios of sums of these points, in which what their errors have in
// common cancels.
template <class Points> void Fill(const Points& points, CountRange counts, std::vector<double>& out)
{
    FillLogConcave(counts.first, counts.last, points, std::numeric_limits<std::int64_t>::max(),
                   out);
    for (double& value : out)
        if (value < negligible)
            value = 0.0;
}

// How many counts a range holds.
double Width(CountRange counts)
{
    return counts.first > counts.last ? 0.0 : static_cast<double>(counts.last - counts.first + 1);
}

// The smallest range holding both.
CountRange Span(CountRange one, CountRange other)
{
    if (one.first > one.last)
        return other;
    if (other.first > other.last)
        return one;
    return {std::min(one.first, other.first), std::max(one.last, other.last)};
}

// The counts first ... last after a stage, prepared at one reference rate: every count before the
// stage and every count of the stage whose reference points there are not negligible.
struct Part
{
    CountRange after;
    double rate;
    CountRange from;
    CountRange stage;
};

// The last count from `from` towards `last` (in steps of `step`, +1 or -1) at which a function
// that falls that way is at least `least`, as it is at `from`: in strides that double and then by
// bisection, so that a range as wide as the counts costs a few dozen values.
template <class Function>
std::int64_t LastAtLeast(std::int64_t from, std::int64_t last, std::int64_t step, double least,
                         Function function)
{
    if (function(last) >= least)
        return last;
    std::int64_t good = from;
    std::int64_t bad = last;
    for (std::int64_t stride = 1;; stride *= 2)
    {
        if (stride >= (last - good) * step)
            break;
        const std::int64_t next = good + step * stride;
        if (!(function(next) >= least))
        {
            bad = next;
            break;
        }
        good = next;
    }
    while ((bad - good) * step > 1)
    {
        const std::int64_t middle = good + (bad - good) / 2;
        if (function(middle) >= least)
            good = middle;
        else
            bad = middle;
    }
    return good;
}

// The counts of band after a stage that can follow one of entered with a chance of at least
// least. For x fixed that chance rises and then falls in y; the largest over entered is at the
// count of entered nearest the middle of the chances given y, and so it too rises, stays above
// least and falls: its ends are found on either side of the top.
template <class Reference>
CountRange Carrying(CountRange entered, CountRange band, double before, double size, double least)
{
    const auto largest = [&](std::int64_t y)
    {
        const std::int64_t x =
            std::clamp(MiddleGiven<Reference>(y, before, size), entered.first, entered.last);
        return Given<Reference>(x, y, before, size);
    };
    const double share = before / (before + size);
    const double middle = 0.5 * static_cast<double>(entered.first + entered.last) / share;
    const std::int64_t peak = static_cast<std::int64_t>(std::clamp(
        std::round(middle), static_cast<double>(band.first), static_cast<double>(band.last)));
    if (!(largest(peak) >= least))
        return {peak + 1, peak};
    return {LastAtLeast(peak, band.first, -1, least, largest),
            LastAtLeast(peak, band.last, 1, least, largest)};
}

// Splits the counts of band after a stage, entered with the counts of entered, into parts, each
// at the one reference rate at which the points after the stage are equal at its ends; a part
// whose points are not all above smallestAfter (as they are log-concave, those at its ends) is
// halved until they are. A part none of whose terms comes from a count entered with is left out:
// no inspection goes on there. False where a single count cannot be carried.
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
        // The counts before the stage that can lead to these.
        CountRange from = {0, last};
        if constexpr (Reference::countsWithinUnits)
            from = {std::max<std::int64_t>(0, first - static_cast<std::int64_t>(size)),
                    std::min(last, static_cast<std::int64_t>(before))};
        from = PointsAtLeast(from.first, from.last, Reference::Points(before, rate), negligible);
        if (std::max(from.first, entered.first) > std::min(from.last, entered.last))
            continue;
        const CountRange stage =
            PointsAtLeast(std::max<std::int64_t>(0, first - from.last), last - from.first,
                          Reference::Points(size, rate), negligible);
        if (stage.first <= stage.last)
            parts.push_back({counts, rate, from, stage});
    }
    return true;
}

// Working storage of the chances of one stage.
struct Scratch
{
    std::vector<double> from;
    std::vector<double> kernel;
    std::vector<double> ended;
};

// Fills the reference points of a part before the stage and of the stage.
template <class Reference>
void FillPoints(const Part& part, double before, double size, Scratch& scratch)
{
    Fill(Reference::Points(before, part.rate), part.from, scratch.from);
    Fill(Reference::Points(size, part.rate), part.stage, scratch.kernel);
}

// Calls term(x, first, last) for each count x before the stage with the counts first ... last
// after it whose terms from(x) kernel(y - x) are not negligible. Those of each x lie together
// around the largest point of the stage, and as x goes away from the largest point before the
// stage on either side they only narrow.
template <class Term> void ForEachTerm(const Part& part, const Scratch& scratch, Term term)
{
    const auto from = [&](std::int64_t x)
    { return scratch.from[static_cast<std::size_t>(x - part.from.first)]; };
    const auto kernel = [&](std::int64_t j)
    { return scratch.kernel[static_cast<std::size_t>(j - part.stage.first)]; };
    const std::int64_t peak =
        part.from.first +
        (std::max_element(scratch.from.begin(), scratch.from.end()) - scratch.from.begin());
    const auto run = [&](std::int64_t x, std::int64_t step, std::int64_t end)
    {
        std::int64_t lo = part.stage.first;
        std::int64_t hi = part.stage.last;
        for (; x != end; x += step)
        {
            if (!(from(x) > 0.0))
                return;
            const double least = negligible / from(x);
            while (lo <= hi && !(kernel(lo) >= least))
                ++lo;
            while (hi >= lo && !(kernel(hi) >= least))
                --hi;
            if (lo > hi)
                return;
            const std::int64_t y0 = std::max(part.after.first, x + lo);
            const std::int64_t y1 = std::min(part.after.last, x + hi);
            if (y0 <= y1)
                term(x, y0, y1);
        }
    };
    run(peak, 1, part.from.last + 1);
    run(peak - 1, -1, part.from.first - 1);
}

// The work of preparing a part: its terms and its reference points. Without points (scratch null)
// its terms are bounded by the pairs of counts whose points are each not negligible; with them they
// are counted exactly, those whose product is not.
template <class Reference>
double WorkOf(const Part& part, double before, double size, Scratch* scratch)
{
    double terms = 0.0;
    if (scratch == nullptr)
        for (std::int64_t x = part.from.first; x <= part.from.last; ++x)
            terms += Width({std::max(part.after.first, x + part.stage.first),
                            std::min(part.after.last, x + part.stage.last)});
    else
    {
        FillPoints<Reference>(part, before, size, *scratch);
        ForEachTerm(part, *scratch,
                    [&](std::int64_t, std::int64_t y0, std::int64_t y1)
                    { terms += static_cast<double>(y1 - y0 + 1); });
    }
    return terms + pointWork * (Width(part.after) + Width(part.from) + Width(part.stage));
}

// Adds the terms of part to the sums over the counts x before the stage of the chance of each
// count y after it that inspection went on before (going: x went on, with chance g(x) from
// entered) and that it ended there (ended: x went on with chance 1 - g(x), or is not one of
// entered). Their ratio is the chance of going on: both sums hold the same reference points, so
// their errors, all but those between the neighbouring points of one count y, cancel, and it never
// exceeds 1.
template <class Reference>
void AddTerms(const StagedConditionals::Band& entered, StagedConditionals::Band& band,
              const Part& part, double before, double size, Scratch& scratch)
{
    FillPoints<Reference>(part, before, size, scratch);
    const auto enteredCount = static_cast<std::int64_t>(entered.values.size());
    ForEachTerm(
        part, scratch,
        [&](std::int64_t x, std::int64_t y0, std::int64_t y1)
        {
            const std::int64_t i = x - entered.lo;
            const double chance =
                i >= 0 && i < enteredCount ? entered.values[static_cast<std::size_t>(i)] : 0.0;
            const double from = scratch.from[static_cast<std::size_t>(x - part.from.first)];
            const double* const kernel = scratch.kernel.data() + (y0 - x - part.stage.first);
            double* const going = band.values.data() + (y0 - band.lo);
            double* const ended = scratch.ended.data() + (y0 - band.lo);
            const auto count = static_cast<std::size_t>(y1 - y0 + 1);
            if (chance == 1.0)
                AddMultiple(going, kernel, from, count);
            else if (chance == 0.0)
                AddMultiple(ended, kernel, from, count);
            else
                AddMultiples(going, ended, kernel, chance * from, (1.0 - chance) * from, count);
        });
}

// Keeps of a band's chances those from the first to the last that is not 0.
void Trim(StagedConditionals::Band& band)
{
    const auto nonzero = [](double chance) { return chance != 0.0; };
    const auto first = std::find_if(band.values.begin(), band.values.end(), nonzero);
    const auto last = std::find_if(band.values.rbegin(), band.values.rend(), nonzero).base();
    if (first >= last)
    {
        band.values.clear();
        return;
    }
    band.lo += first - band.values.begin();
    band.values.erase(last, band.values.end());
    band.values.erase(band.values.begin(), first);
}

// Chances of going on below this one are left out where they lead to rejection: all they add to
// the probability of rejecting lies below 1e-22, which cannot change a digit of Pa or of 1 - Pa
// near Pa = 1 (a double below 1 is a multiple of 1.1e-16).
constexpr double leastRejecting = 1e-25;

// The counts after a stage that can occur and carry a chance of going on that is not negligible:
// between its accept and reject numbers (the band, for stages 1 ... k - 1), and at or above its
// reject number (rejecting, for stages 2 ... k - 1; the first and last reject from tails at every
// level), of these only those that can occur where their chance is used. Their chances are worked
// out in parts laid out over all such counts (carried), so that the chances kept are the same
// however many of the rejecting counts are kept.
struct StageCounts
{
    CountRange band;
    CountRange rejecting;
    CountRange carried;
};

// A rate of defects a unit (a unit amount) at and above which Pa is at most 1/4, on lots of any
// size and on every given lot: a lot is accepted at stage j only where the count after its A_j
// units is at most a_j, and by Chernoff's bound a Poisson or binomial count of mean t A_j > a_j is
// at most a_j with probability below exp(-(t A_j - a_j)^2 / (2 t A_j)), which falls as t rises.
// Infinite where no rate is found.
template <class Sample> double RateAcceptingAQuarterAtMost(int k, const Sample n[], const int a[])
{
    const auto bound = [&](double rate)
    {
        double sum = 0.0;
        double inspected = 0.0;
        for (int j = 0; j < k; ++j)
        {
            inspected += static_cast<double>(n[j]);
            const double mean = rate * inspected;
            const auto accept = static_cast<double>(a[j]);
            if (a[j] >= 0)
                sum += mean > accept ? std::exp(-(mean - accept) * (mean - accept) / (2.0 * mean))
                                     : 1.0;
        }
        return sum;
    };
    constexpr double quarter = 0.25;
    double lo = 0.0;
    double hi = 1.0;
    while (!(bound(hi) <= quarter))
    {
        if (!(hi < 0x1p900))
            return HUGE_VAL;
        lo = hi;
        hi *= 2.0;
    }
    for (int step = 0; step < 64 && lo < hi; ++step)
    {
        const double middle = 0.5 * (lo + hi);
        if (middle <= lo || middle >= hi)
            break;
        if (bound(middle) <= quarter)
            hi = middle;
        else
            lo = middle;
    }
    return hi;
}

// The counts after `after` units at or below which every count lies that can occur at a rate
// below rate: the counts of a Poisson count of mean rate x after, which holds those of every
// binomial count of that mean or less (of less spread), and a little more for the rounding of
// their means.
CountRange CountsBelowRate(double rate, double after)
{
    if (!(rate < HUGE_VAL))
        return {0, LargestExactCount};
    const ProbableCounts counts = PoissonProbableCounts(rate * after * (1.0 + 0x1p-40));
    return {0, counts.hi};
}

// The counts of every stage up to the first after which no inspection goes on, whose band is
// empty.
template <class Reference, class Sample>
std::vector<StageCounts> Stages(int k, const Sample n[], const int a[], const int r[])
{
    std::vector<StageCounts> stages;
    CountRange entered = {0, 0};
    double before = 0.0;
    // Where the probability of rejecting serves Pa alone, it counts only where more lots are
    // accepted than not, below the rate at which at most a quarter are: a rejecting count is kept
    // only where it can occur below that rate.
    double highestRate = HUGE_VAL;
    if constexpr (Reference::rejectingForPaAlone)
        highestRate = RateAcceptingAQuarterAtMost(k, n, a);
    for (int i = 0; i + 1 < k; ++i)
    {
        const double size = static_cast<double>(n[i]);
        std::int64_t most = LargestExactCount;
        if constexpr (Reference::countsWithinUnits)
            most = entered.last + n[i];
        StageCounts counts = {{std::max<std::int64_t>(a[i] + std::int64_t{1}, entered.first),
                               std::min<std::int64_t>(r[i] - std::int64_t{1}, most)},
                              {1, 0},
                              {1, 0}};
        if (i > 0)
        {
            counts.rejecting = {std::max<std::int64_t>(r[i], entered.first), most};
            if (counts.band.first <= counts.band.last)
                counts.band = Carrying<Reference>(entered, counts.band, before, size, leastChance);
            if (counts.rejecting.first <= counts.rejecting.last)
                counts.rejecting =
                    Carrying<Reference>(entered, counts.rejecting, before, size, leastRejecting);
        }
        counts.carried = Span(counts.band, counts.rejecting);
        counts.rejecting.last =
            std::min(counts.rejecting.last, CountsBelowRate(highestRate, before + size).last);
        stages.push_back(counts);
        if (counts.band.first > counts.band.last)
            break;
        entered = counts.band;
        before += size;
    }
    return stages;
}

// The chances of going on after the counts first ... last of values, kept from its first to last
// that is not 0.
StagedConditionals::Band Kept(std::int64_t lo, const std::vector<double>& values, CountRange counts)
{
    StagedConditionals::Band band = {counts.first, {}};
    if (counts.first > counts.last)
        return band;
    band.values.assign(values.begin() + (counts.first - lo),
                       values.begin() + (counts.last - lo + 1));
    Trim(band);
    return band;
}

template <class Reference, class Sample>
std::unique_ptr<StagedConditionals> Prepare(int k, const Sample n[], const int a[], const int r[])
{
    auto prepared = std::make_unique<StagedConditionals>();
    if (k < 2)
        return prepared;
    const std::vector<StageCounts> stages = Stages<Reference>(k, n, a, r);
    double kept = 0.0;
    for (const StageCounts& counts : stages)
        kept += Width(counts.band) + Width(counts.rejecting);
    if (kept > mostKept)
        return nullptr;
    // The counts after every stage but the first laid out in parts, and the work of preparing
    // them, before any chance is computed: bounded first, and counted exactly only where the
    // bound is beyond what preparing may take.
    std::vector<CountRange> after(stages.size(), {1, 0});
    std::vector<std::vector<Part>> parts(stages.size());
    std::vector<double> sizes(stages.size(), 0.0);
    std::vector<double> befores(stages.size(), 0.0);
    double bound = 0.0;
    for (std::size_t i = 1; i < stages.size(); ++i)
    {
        sizes[i] = static_cast<double>(n[i]);
        befores[i] = befores[i - 1] + static_cast<double>(n[i - 1]);
        after[i] = Span(stages[i].band, stages[i].rejecting);
        const CountRange carried = stages[i].carried;
        if (carried.first <= carried.last &&
            !LayOut<Reference>(stages[i - 1].band, carried, befores[i], sizes[i], parts[i]))
            return nullptr;
        for (Part& part : parts[i])
            part.after.last = std::min(part.after.last, after[i].last);
        std::erase_if(parts[i],
                      [](const Part& part) { return part.after.first > part.after.last; });
        for (const Part& part : parts[i])
            bound += WorkOf<Reference>(part, befores[i], sizes[i], nullptr);
    }
    Scratch scratch;
    if (bound > mostWork)
    {
        double work = 0.0;
        for (std::size_t i = 1; i < stages.size(); ++i)
            for (const Part& part : parts[i])
            {
                work += WorkOf<Reference>(part, befores[i], sizes[i], &scratch);
                if (work > mostWork)
                    return nullptr;
            }
    }
    prepared->bands.resize(static_cast<std::size_t>(k - 1), {0, {}});
    prepared->rejecting.resize(static_cast<std::size_t>(k - 2), {0, {}});
    // Before stage 1 the count is 0 with certainty; after it every count of its band goes on for
    // certain.
    if (stages[0].band.first <= stages[0].band.last)
        prepared->bands[0] = {
            stages[0].band.first,
            std::vector<double>(static_cast<std::size_t>(Width(stages[0].band)), 1.0)};
    for (std::size_t i = 1; i < stages.size(); ++i)
    {
        StagedConditionals::Band chances = {after[i].first, {}};
        const auto width = static_cast<std::size_t>(Width(after[i]));
        chances.values.assign(width, 0.0);
        scratch.ended.assign(width, 0.0);
        for (const Part& part : parts[i])
            AddTerms<Reference>(prepared->bands[i - 1], chances, part, befores[i], sizes[i],
                                scratch);
        for (std::size_t y = 0; y < width; ++y)
        {
            const double all = chances.values[y] + scratch.ended[y];
            chances.values[y] = all > 0.0 ? chances.values[y] / all : 0.0;
        }
        prepared->rejecting[i - 1] = Kept(chances.lo, chances.values, stages[i].rejecting);
        prepared->bands[i] = Kept(chances.lo, chances.values, stages[i].band);
        if (prepared->bands[i].values.empty())
            break;
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
