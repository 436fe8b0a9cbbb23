#pragma once

#include "stats/DiscreteDistributions.h"
#include "stats/LogConcaveSequence.h"
#include "stats/StagedConditionals.h"
#include "stats/StagedLots.h"
#include "stats/StagedMeasures.h"
#include "stats/VectorArithmetic.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
#include <type_traits>
#include <vector>

// Inspection in stages on a running count of defectives or defects, shared by double and
// multiple plans: after stage i the lot is accepted when the count is at most a_i, rejected when
// it is r_i or more, and otherwise stage i + 1 is inspected. One pass over the stages carries the
// probabilities of the counts still going on, a convolution a stage in the lot's reference
// measure (StagedLots.h); only the counts that are not negligible beside the most probable one
// are kept, so neither storage nor time follows a reject number as typed. A stage's decisions
// come from the tails of its count for every count entered with, each from its neighbour by one
// added term (LogConcaveSequence.h), so a stage costs a few evaluations in closed form whatever
// its counts. The probabilities of accepting and of rejecting are each such sums of positive
// terms, and Pa is the smaller of them or 1 less it, so that 1 - Pa keeps its digits near Pa = 1.

namespace Brosquin
{

// Which decisions end a stage's inspection as soon as they are certain.
struct Curtailing
{
    bool bAcceptance;
    bool bRejection;
};

// The curtailing of the first stage and of every later stage.
struct StageCurtailing
{
    Curtailing first;
    Curtailing later;
};

// k stages of sample sizes n (units or amounts), accept numbers a (-1: no acceptance) and
// reject numbers r, each array of k entries.
template <class Sample, class Count> struct StagedPlan
{
    int k;
    const Sample* n;
    const Count* a;
    const Count* r;
};

// The seven methods of curtailing of plans for defective units: 0 none, 1 full, 2 acceptance
// only, 3 rejection only, 4 second and later stages only, 5 their acceptance only, 6 their
// rejection only; any other code curtails fully.
StageCurtailing DefectivesStageCurtailing(std::uint8_t method);
// Plans for defects curtail rejection only. Double plans: 0 none, 1 both stages, any other code
// the second stage only. Multiple plans: 0 none, 2 every stage but the first, any other code
// every stage.
StageCurtailing DefectsDoubleStageCurtailing(std::uint8_t method);
StageCurtailing DefectsMultipleStageCurtailing(std::uint8_t method);

// A double plan as two stages; the second rejects at a2 + 1.
template <class Sample> class TwoStages
{
public:
    TwoStages(Sample n1, int a1, int r1, Sample n2, int a2)
        : n{n1, n2}, a{a1, a2}, r{r1, std::int64_t{a2} + 1}
    {
    }
    StagedPlan<Sample, std::int64_t> Plan() const { return {2, n, a, r}; }

private:
    Sample n[2];
    std::int64_t a[2];
    std::int64_t r[2];
};

// A double plan's Pa on a given lot, kept in [0, 1] (anything else, a NaN included, is 0).
double ProbabilityInUnitRange(double pa);

namespace staged
{

// Counts carried below this share of the largest one cannot change a digit of any measure.
constexpr double negligibleShare = 1e-300;

// The working storage of one evaluation.
template <class Size> struct Work
{
    // carried[x - lowest]: the probability of reaching the stage with count x in the lot's
    // reference measure; reaching[x - lowest]: the probability itself. Both are kept in units of
    // scale, with the largest reaching 1, so that small probabilities stay clear of the slow
    // arithmetic of subnormal numbers.
    std::vector<double> carried = {1.0};
    std::vector<double> reaching = {1.0};
    double scale = 1.0;
    std::vector<double> next;
    std::vector<double> weights;
    std::vector<double> tails;
    std::vector<double> points;
    // The kernel of the last stage size, for counts 0 ... kernel.size() - 1, not 0 only at
    // kernelFirst ... kernelLast.
    std::vector<double> kernel;
    Size kernelSize = -1;
    std::int64_t kernelFirst = 0;
    std::int64_t kernelLast = -1;
    // How many counts the last trimming dropped in front.
    std::size_t dropped = 0;
};

// The working storage of the thread's evaluations, set for a new one. It is kept from one to the
// next: a summary or a plot evaluates a plan at hundreds of levels, and storage taken afresh each
// time can cost more in new pages of memory than the evaluation itself.
template <class Size> Work<Size>& FreshWork()
{
    thread_local Work<Size> work;
    work.carried.assign(1, 1.0);
    work.reaching.assign(1, 1.0);
    work.scale = 1.0;
    work.kernelSize = -1;
    work.dropped = 0;
    return work;
}

// Keeps of work.reaching (and of alike, index for index) the counts that are not negligible beside
// the largest, work.dropped of them dropped in front, and divides them by the largest, which it
// returns.
template <class Size> double Keep(Work<Size>& work, std::vector<double>* alike)
{
    double largest = 0.0;
    for (double probability : work.reaching)
        largest = std::max(largest, probability);
    const double threshold = negligibleShare * largest;
    // Below the normal doubles the reciprocal would overflow; dividing keeps values of at most 1.
    const bool subnormal = largest < std::numeric_limits<double>::min();
    const double inverse = 1.0 / largest;
    std::size_t from = 0;
    std::size_t to = work.reaching.size();
    while (from < to && !(work.reaching[from] > threshold))
        ++from;
    while (to > from && !(work.reaching[to - 1] > threshold))
        --to;
    const auto keep = [&](std::vector<double>& values)
    {
        values.erase(values.begin() + static_cast<std::ptrdiff_t>(to), values.end());
        values.erase(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(from));
        for (double& value : values)
            value = subnormal ? value / largest : value * inverse;
    };
    keep(work.reaching);
    if (alike != nullptr)
        keep(*alike);
    work.dropped = from;
    return largest;
}

// Sum over x of reaching[x - lowest] factor(x) tails(x), the tails of the given diagonal for
// the counts first ... last entered with (lowest <= first).
template <class Size, class Diagonal, class Factor>
double Weighted(Work<Size>& work, std::int64_t lowest, std::int64_t first, std::int64_t last,
                const Diagonal& diagonal, bool lower, Factor factor)
{
    if (last < first)
        return 0.0;
    DiagonalTails(diagonal, first, last, lower, work.tails, work.points);
    const double* const reaching = work.reaching.data() + (first - lowest);
    double sum = 0.0;
    for (std::size_t i = 0; i < work.tails.size(); ++i)
        sum += reaching[i] * factor(first + static_cast<std::int64_t>(i)) * work.tails[i];
    return sum;
}

inline constexpr auto one = [](std::int64_t) { return 1.0; };

// The highest count entered with, of those in work.reaching.
template <class Size> std::int64_t Highest(const Work<Size>& work, std::int64_t lowest)
{
    return lowest + static_cast<std::int64_t>(work.reaching.size()) - 1;
}

// The probability of accepting at a stage, in the units of work.reaching.
template <class Lot, class Size = typename Lot::Size>
double Accepted(const Lot& lot, Work<Size>& work, std::int64_t lowest,
                std::type_identity_t<Size> size, Size before, std::int64_t accept)
{
    return Weighted(work, lowest, lowest, std::min(Highest(work, lowest), accept),
                    lot.Counted(size, before, accept), true, one);
}

// The lowest count entered with from which a stage can reach its reject number with a probability
// that is not negligible.
template <class Lot, class Size = typename Lot::Size>
std::int64_t LowestRejectable(const Lot& lot, std::type_identity_t<Size> size, Size before,
                              std::int64_t reject)
{
    return reject - lot.Added(size, before).hi;
}

// The probability of rejecting at a stage, in the units of work.reaching: a sum of upper tails,
// each a sum of positive terms, so that it keeps its relative precision however close Pa is to 1.
template <class Lot, class Size = typename Lot::Size>
double Rejected(const Lot& lot, Work<Size>& work, std::int64_t lowest,
                std::type_identity_t<Size> size, Size before, std::int64_t reject)
{
    return Weighted(work, lowest, std::max(lowest, LowestRejectable(lot, size, before, reject)),
                    Highest(work, lowest), lot.Counted(size, before, reject - 1), false, one);
}

// Expected units inspected at a stage on the paths decided there, in the units of work.reaching;
// accepted and rejected are the probabilities of accepting and rejecting there in the same units.
template <class Lot, class Size>
double DecidedUnits(const Lot& lot, Work<Size>& work, std::int64_t lowest, Size size, Size before,
                    std::int64_t accept, std::int64_t reject, Curtailing curtailing,
                    double accepted, double rejected)
{
    const double units = static_cast<double>(size);
    const std::int64_t highest = Highest(work, lowest);
    double decided = units * accepted;
    if constexpr (requires { lot.AcceptanceDiagonal(size, before, accept); })
        if (curtailing.bAcceptance)
            decided = Weighted(work, lowest, lowest, std::min(highest, accept),
                               lot.AcceptanceDiagonal(size, before, accept), true,
                               [&](std::int64_t x)
                               {
                                   return PositivePart(units - static_cast<double>(accept - x)) *
                                          lot.AcceptanceFactor(size, before, x);
                               });
    if (curtailing.bRejection)
        return decided + Weighted(work, lowest, lowest, highest,
                                  lot.RejectionDiagonal(size, before, reject), false,
                                  [&](std::int64_t x) {
                                      return static_cast<double>(reject - x) *
                                             lot.RejectionFactor(size, before, x);
                                  });
    return decided + units * rejected;
}

// The counts that go on after a stage: work.carried and work.reaching become those after it,
// from the counts lowest ... entered with; returns the new lowest count.
template <class Lot, class Size>
std::int64_t Continue(const Lot& lot, Work<Size>& work, std::int64_t lowest, Size size, Size before,
                      std::int64_t accept, std::int64_t reject)
{
    const std::int64_t highest = lowest + static_cast<std::int64_t>(work.carried.size()) - 1;
    const auto kernel = lot.Kernel(size);
    const ProbableCounts probable = lot.CountsAfter(before + size);
    const std::int64_t first = std::max({accept + 1, lowest, probable.lo});
    const std::int64_t reach = highest > std::numeric_limits<std::int64_t>::max() - kernel.Last()
                                   ? std::numeric_limits<std::int64_t>::max()
                                   : highest + kernel.Last();
    const std::int64_t last = std::min({reject - 1, probable.hi, reach});
    work.next.clear();
    if (first > last)
    {
        work.carried.clear();
        work.reaching.clear();
        return first;
    }
    // The kernel for the counts a stage can add here, kept while the stage size stays.
    const std::int64_t longest = last - lowest;
    if (work.kernelSize != size || static_cast<std::int64_t>(work.kernel.size()) <= longest)
    {
        FillLogConcave(0, longest, kernel, freshEveryCarried, work.kernel);
        work.kernelSize = size;
        const auto nonzero = [](double point) { return point != 0.0; };
        work.kernelFirst =
            std::find_if(work.kernel.begin(), work.kernel.end(), nonzero) - work.kernel.begin();
        work.kernelLast = std::find_if(work.kernel.rbegin(), work.kernel.rend(), nonzero).base() -
                          work.kernel.begin() - 1;
    }
    // next[y - first] = sum over x of carried[x - lowest] kernel[y - x], over the counts the stage
    // adds with a point that is not 0: the others add nothing.
    work.next.assign(static_cast<std::size_t>(last - first + 1), 0.0);
    double* const next = work.next.data();
    const double* const kernelValues = work.kernel.data();
    for (std::int64_t x = lowest; x <= std::min(highest, last); ++x)
    {
        const double carried = work.carried[static_cast<std::size_t>(x - lowest)];
        const std::int64_t from = std::max(first, x + work.kernelFirst);
        const std::int64_t to = std::min(last, x + work.kernelLast);
        if (carried != 0.0 && from <= to)
            AddMultiple(next + (from - first), kernelValues + (from - x), carried,
                        static_cast<std::size_t>(to - from + 1));
    }
    work.reaching = work.next;
    if constexpr (requires { lot.Weights(before + size); })
    {
        FillLogConcave(first, last, lot.Weights(before + size), freshEveryUsedOnce, work.weights);
        for (std::size_t i = 0; i < work.reaching.size(); ++i)
            work.reaching[i] *= work.weights[i];
    }
    work.scale *= Keep(work, &work.next);
    work.carried.swap(work.next);
    return first + static_cast<std::int64_t>(work.dropped);
}

// The counts that go on after a stage from the conditional chances of going on (band): the
// probabilities of the counts after the stage times those chances.
template <class Lot, class Size>
std::int64_t GoOn(const Lot& lot, Work<Size>& work, const StagedConditionals::Band& band,
                  Size after)
{
    const ProbableCounts probable = lot.CountsAfter(after);
    const std::int64_t first = std::max(band.lo, probable.lo);
    const std::int64_t last =
        std::min(band.lo + static_cast<std::int64_t>(band.values.size()) - 1, probable.hi);
    work.reaching.clear();
    if (first > last)
        return first;
    FillLogConcave(first, last, lot.Marginal(after), freshEveryUsedOnce, work.reaching);
    const double* const chances = band.values.data() + (first - band.lo);
    for (std::size_t i = 0; i < work.reaching.size(); ++i)
        work.reaching[i] *= chances[i];
    work.scale = Keep(work, nullptr);
    return first + static_cast<std::int64_t>(work.dropped);
}

// The probability of rejecting at a stage between the first and the last from its chances at or
// above its reject number (rejecting), the probabilities of the counts after the stage (after
// units) times those chances.
template <class Lot, class Size>
double PreparedRejected(const Lot& lot, Work<Size>& work, const StagedConditionals::Band& rejecting,
                        Size after)
{
    if (rejecting.values.empty())
        return 0.0;
    const ProbableCounts probable = lot.CountsAfter(after);
    const std::int64_t first = std::max(rejecting.lo, probable.lo);
    const std::int64_t last = std::min(
        rejecting.lo + static_cast<std::int64_t>(rejecting.values.size()) - 1, probable.hi);
    if (first > last)
        return 0.0;
    const double* const chances = rejecting.values.data() + (first - rejecting.lo);
    return WeightedSumOfLogConcave(
        first, last, lot.Marginal(after), freshEveryUsedOnce,
        [&](std::int64_t y) { return chances[y - first]; }, work.points);
}

// The probability of rejecting at the stages 1 ... end - 1 of those before the last from their
// chances at their rejecting counts, added in the order of the stages to that of the first stage
// (first), and then that of the last (last).
template <class Lot, class Sample, class Count>
double PreparedRejections(const Lot& lot, Work<typename Lot::Size>& work,
                          StagedPlan<Sample, Count> plan, const StagedConditionals& prepared,
                          int end, double first, double last)
{
    double rejected = first;
    typename Lot::Size before = plan.n[0];
    for (int i = 1; i < end; before += plan.n[i], ++i)
        rejected += PreparedRejected(lot, work, prepared.rejecting[static_cast<std::size_t>(i - 1)],
                                     before + plan.n[i]);
    return rejected + last;
}

// Pa from the probabilities of accepting and of rejecting, which add up to 1: the smaller keeps
// every digit.
inline double ProbabilityOfAcceptance(double accepted, double rejected)
{
    return accepted <= 0.5 ? accepted : 1.0 - rejected;
}

// Pa from the plan's conditional chances of going on alone. The probability of accepting: each
// stage that can accept from the probabilities of the counts entered with, without a pass over the
// stages between. Where it is above 1/2 the probability of rejecting, the smaller, gives Pa: at
// the first and the last stage from the tails of their counts, the last from the counts entered
// with there that the work still holds where that stage can accept, and between them from their
// chances at their rejecting counts.
template <class Lot, class Sample, class Count>
double PreparedProbabilityOfAcceptance(const Lot& lot, StagedPlan<Sample, Count> plan,
                                       const StagedConditionals& prepared)
{
    using Size = typename Lot::Size;
    Work<Size>& work = FreshWork<Size>();
    const int last = plan.k - 1;
    double accepted = 0.0;
    Size before = 0;
    Size beforeLast = 0;
    std::int64_t lowest = 0;
    bool lastEntered = false;
    for (int i = 0; i < plan.k; before += plan.n[i], ++i)
    {
        const std::int64_t accept = plan.a[i];
        beforeLast = before;
        if (i > 0)
        {
            const StagedConditionals::Band& band = prepared.bands[static_cast<std::size_t>(i - 1)];
            if (band.values.empty())
                break;
            if (accept < band.lo)
                continue;
            lowest = GoOn(lot, work, band, before);
            lastEntered = i == last;
        }
        accepted += work.scale * Accepted(lot, work, lowest, plan.n[i], before, accept);
    }
    if (accepted <= 0.5)
        return accepted;
    double rejectedLast = 0.0;
    if (last > 0 && !prepared.bands[static_cast<std::size_t>(last - 1)].values.empty())
    {
        if (!lastEntered)
            lowest =
                GoOn(lot, work, prepared.bands[static_cast<std::size_t>(last - 1)], beforeLast);
        if (!work.reaching.empty())
            rejectedLast =
                work.scale * Rejected(lot, work, lowest, plan.n[last], beforeLast, plan.r[last]);
    }
    // The work as it is at the first stage, entered with count 0 for certain.
    FreshWork<Size>();
    const double rejectedFirst = Rejected(lot, work, 0, plan.n[0], Size{0}, plan.r[0]);
    return ProbabilityOfAcceptance(
        accepted, PreparedRejections(lot, work, plan, prepared, last, rejectedFirst, rejectedLast));
}

} // namespace staged

// The measures of a plan in stages on a lot model (StagedLots.h): Pa and E{#Stages} always, the
// ASN when asked for (else 0). Where the plan's conditional chances of going on have been
// prepared for its kind of lot, they take the place of the convolutions.
template <class Lot, class Sample, class Count>
StagedMeasures EvaluateStagedMeasures(const Lot& lot, StagedPlan<Sample, Count> plan,
                                      StageCurtailing curtailing, StagedMeasure wanted,
                                      const StagedConditionals* prepared = nullptr)
{
    using Size = typename Lot::Size;
    StagedMeasures measures = {0.0, 0.0, 0.0};
    if (plan.k < 1)
        return {0.0, 0.0, wanted == StagedMeasure::probabilityAcceptance ? 0.0 : 1.0};
    if (prepared != nullptr && wanted == StagedMeasure::probabilityAcceptance)
        return {staged::PreparedProbabilityOfAcceptance(lot, plan, *prepared), 0.0, 0.0};
    const bool averageSampleNumber = wanted == StagedMeasure::averageSampleNumber;
    // Prepared, the probabilities of rejecting at the stages between the first and the last serve
    // only Pa, where the probability of accepting is above 1/2, unless those stages curtail
    // acceptance alone and their units decided count them: they wait for the end of the pass.
    const bool rejectionsLater =
        prepared != nullptr &&
        !(averageSampleNumber && curtailing.later.bAcceptance && !curtailing.later.bRejection);
    staged::Work<Size>& work = staged::FreshWork<Size>();
    std::int64_t lowest = 0;
    double reach = 1.0;
    double accepted = 0.0;
    double rejected = 0.0;
    double rejectedFirst = 0.0;
    double rejectedLast = 0.0;
    int inspected = 0;
    Size before = 0;
    for (int i = 0; i < plan.k && reach > 0.0; ++i)
    {
        inspected = i + 1;
        const Size size = plan.n[i];
        const std::int64_t accept = plan.a[i];
        const std::int64_t reject = plan.r[i];
        measures.dExpectedStages += reach;
        // In units of work.scale until the stage's counts go on.
        const double accepting = staged::Accepted(lot, work, lowest, size, before, accept);
        const double acceptedHere = work.scale * accepting;
        double rejecting = 0.0;
        double rejectedHere = 0.0;
        if (prepared != nullptr && i > 0 && i + 1 < plan.k)
        {
            if (!rejectionsLater)
            {
                rejectedHere = staged::PreparedRejected(
                    lot, work, prepared->rejecting[static_cast<std::size_t>(i - 1)], before + size);
                rejecting = rejectedHere / work.scale;
            }
        }
        else
        {
            rejecting = staged::Rejected(lot, work, lowest, size, before, reject);
            rejectedHere = work.scale * rejecting;
            if (i == 0)
                rejectedFirst = rejectedHere;
            else
                rejectedLast = rejectedHere;
        }
        accepted += acceptedHere;
        rejected += rejectedHere;
        double decided = 0.0;
        const Curtailing curtail = i == 0 ? curtailing.first : curtailing.later;
        const bool curtailed = curtail.bAcceptance || curtail.bRejection;
        if (averageSampleNumber && curtailed)
            decided = work.scale * staged::DecidedUnits(lot, work, lowest, size, before, accept,
                                                        reject, curtail, accepting, rejecting);
        double goingOn = 0.0;
        if (i + 1 < plan.k)
        {
            lowest = prepared != nullptr
                         ? staged::GoOn(lot, work, prepared->bands[static_cast<std::size_t>(i)],
                                        before + size)
                         : staged::Continue(lot, work, lowest, size, before, accept, reject);
            const double carried = std::accumulate(work.reaching.begin(), work.reaching.end(), 0.0);
            goingOn = work.scale * carried;
            // Carried on stage by stage, what goes on is what reached the stage less what it
            // decided: while the stage decides at most half of that, the difference loses no
            // digit, and the counts carried on are scaled to it, so that the rounding of the
            // convolutions' sums does not pile up from stage to stage. Prepared, the counts of
            // each stage come afresh, and what goes on never exceeds what reached.
            if (prepared != nullptr)
                goingOn = std::min(goingOn, reach);
            else if (carried > 0.0 && acceptedHere + rejectedHere <= 0.5 * reach)
            {
                goingOn = reach - acceptedHere - rejectedHere;
                work.scale = goingOn / carried;
            }
        }
        const double units = static_cast<double>(size);
        if (averageSampleNumber)
            measures.dAverageSampleNumber += curtailed ? decided + units * goingOn : units * reach;
        reach = goingOn;
        before += size;
    }
    if (rejectionsLater && accepted > 0.5)
        rejected =
            staged::PreparedRejections(lot, work, plan, *prepared, std::min(inspected, plan.k - 1),
                                       rejectedFirst, rejectedLast);
    measures.dProbabilityAcceptance = staged::ProbabilityOfAcceptance(accepted, rejected);
    if (wanted == StagedMeasure::probabilityAcceptance)
        measures.dExpectedStages = 0.0;
    return measures;
}

// One measure of a plan in stages.
template <class Lot, class Sample, class Count>
double EvaluateStages(const Lot& lot, StagedPlan<Sample, Count> plan, StagedMeasure measure,
                      StageCurtailing curtailing)
{
    const StagedMeasures measures = EvaluateStagedMeasures(lot, plan, curtailing, measure);
    switch (measure)
    {
    case StagedMeasure::probabilityAcceptance:
        return measures.dProbabilityAcceptance;
    case StagedMeasure::averageSampleNumber:
        return measures.dAverageSampleNumber;
    case StagedMeasure::expectedStages:
        break;
    }
    return measures.dExpectedStages;
}

} // namespace Brosquin
