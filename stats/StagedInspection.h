#pragma once

#include "stats/DiscreteDistributions.h"
#include "stats/ProbableCounts.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// Inspection in stages on a running count of defectives or defects, shared by double and
// multiple plans: after stage i the lot is accepted when the count is at most a_i, rejected when
// it is r_i or more, and otherwise stage i + 1 is inspected. One pass over the stages carries the
// probabilities of the counts still going on; only the counts that can carry probability are
// kept, so neither storage nor time follows a reject number as typed.

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

enum class StagedMeasure
{
    probabilityAcceptance,
    averageSampleNumber,
    expectedStages,
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

// b(j + 1; n, p) / b(j; n, p) where b(j; n, p) > 0.
inline double BinomialPointRatio(std::int64_t j, std::int64_t n, double p)
{
    if (p >= 1.0)
        return 0.0;
    return static_cast<double>(n - j) / static_cast<double>(j + 1) * (p / (1.0 - p));
}

// The count of one stage. Lots of any size: binomial with n units of fraction defective p.
class BinomialStage
{
public:
    BinomialStage(std::int64_t n, double p) : n(n), p(p) {}
    double Point(std::int64_t j) const { return BinomialProbability(j, n, p); }
    // Point(j + 1) / Point(j) where Point(j) > 0.
    double PointRatio(std::int64_t j) const { return BinomialPointRatio(j, n, p); }
    TailProbabilities Tails(std::int64_t k) const { return BinomialTails(k, n, p); }
    // Expected units inspected on the paths accepted with at most k defectives, inspection
    // stopping at the (n - k)-th good unit.
    double AcceptanceUnits(std::int64_t k) const
    {
        if (k < 0 || k >= n || p >= 1.0)
            return 0.0;
        return static_cast<double>(n - k) / (1.0 - p) * BinomialCumulative(k, n + 1, p);
    }
    // Expected units inspected on the paths rejected at the j-th defective.
    double RejectionUnits(std::int64_t j) const
    {
        if (p <= 0.0)
            return 0.0;
        return static_cast<double>(j) / p * BinomialTails(j, n + 1, p).dUpper;
    }

private:
    std::int64_t n;
    double p;
};

// A sample of n drawn from the M units left, which hold D defectives.
class HypergeometricStage
{
public:
    HypergeometricStage(std::int64_t n, std::int64_t D, std::int64_t M) : n(n), D(D), M(M) {}
    double Point(std::int64_t j) const { return HypergeometricProbability(j, n, D, M); }
    double PointRatio(std::int64_t j) const
    {
        return static_cast<double>(D - j) * static_cast<double>(n - j) /
               (static_cast<double>(j + 1) * static_cast<double>(M - D - n + j + 1));
    }
    TailProbabilities Tails(std::int64_t k) const { return HypergeometricTails(k, n, D, M); }
    double AcceptanceUnits(std::int64_t k) const
    {
        if (k < 0 || k >= n)
            return 0.0;
        return static_cast<double>(n - k) * (static_cast<double>(M) + 1.0) /
               (static_cast<double>(M - D) + 1.0) * HypergeometricCumulative(k, n + 1, D, M + 1);
    }
    double RejectionUnits(std::int64_t j) const
    {
        return static_cast<double>(j) * (static_cast<double>(M) + 1.0) /
               (static_cast<double>(D) + 1.0) * HypergeometricTails(j, n + 1, D + 1, M + 1).dUpper;
    }

private:
    std::int64_t n;
    std::int64_t D;
    std::int64_t M;
};

// Defects in an amount s of material at lambda defects per unit amount: Poisson. Inspection of
// the material can stop only at a defect, so only rejection is ever curtailed.
class PoissonStage
{
public:
    PoissonStage(double s, double lambda) : lambda(lambda), mean(s * lambda) {}
    double Point(std::int64_t j) const { return PoissonProbability(j, mean); }
    double PointRatio(std::int64_t j) const { return mean / static_cast<double>(j + 1); }
    TailProbabilities Tails(std::int64_t k) const { return PoissonTails(k, mean); }
    // The j-th defect lies at j / lambda on average; none comes at all when lambda is 0.
    double RejectionUnits(std::int64_t j) const
    {
        if (lambda <= 0.0)
            return 0.0;
        return static_cast<double>(j) / lambda * PoissonTails(j, mean).dUpper;
    }

private:
    double lambda;
    double mean;
};

// An amount s inspected of the amount L left of a lot, which holds T defects, each lying in the
// sample with probability s / L.
class DefectsBinomialStage
{
public:
    DefectsBinomialStage(double s, std::int64_t T, double L) : T(T), L(L), share(s / L) {}
    double Point(std::int64_t j) const { return BinomialProbability(j, T, share); }
    double PointRatio(std::int64_t j) const { return BinomialPointRatio(j, T, share); }
    TailProbabilities Tails(std::int64_t k) const { return BinomialTails(k, T, share); }
    double RejectionUnits(std::int64_t j) const
    {
        return static_cast<double>(j) * L / (static_cast<double>(T) + 1.0) *
               BinomialTails(j, T + 1, share).dUpper;
    }

private:
    std::int64_t T;
    double L;
    double share;
};

// The lot models: the count of a stage of the given size inspected after `before` units, entered
// with `count` so far, and the counts that can carry probability after `inspected` units.

struct DefectivesAnyLot
{
    using Size = std::int64_t;
    double p;
    BinomialStage StageAt(Size size, Size, std::int64_t) const { return {size, p}; }
    ProbableCounts CountsAfter(Size inspected) const
    {
        return BinomialProbableCounts(inspected, p);
    }
};

struct DefectivesGivenLot
{
    using Size = std::int64_t;
    std::int64_t D;
    std::int64_t N;
    HypergeometricStage StageAt(Size size, Size before, std::int64_t count) const
    {
        return {size, D - count, N - before};
    }
    ProbableCounts CountsAfter(Size inspected) const
    {
        return HypergeometricProbableCounts(inspected, D, N);
    }
};

struct DefectsAnyLot
{
    using Size = double;
    double lambda;
    PoissonStage StageAt(Size size, Size, std::int64_t) const { return {size, lambda}; }
    ProbableCounts CountsAfter(Size inspected) const
    {
        return PoissonProbableCounts(inspected * lambda);
    }
};

struct DefectsGivenLot
{
    using Size = double;
    std::int64_t T;
    double L;
    DefectsBinomialStage StageAt(Size size, Size before, std::int64_t count) const
    {
        return {size, T - count, L - before};
    }
    ProbableCounts CountsAfter(Size inspected) const
    {
        return BinomialProbableCounts(T, inspected / L);
    }
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

// Expected units inspected at a curtailed stage on the paths decided there: k is the most the
// stage may add to the count and still accept, j the fewest that reject.
template <class Stage, class Size>
double DecidedUnits(const Stage& stage, Size size, Curtailing curtailing, std::int64_t k,
                    std::int64_t j)
{
    const double units = static_cast<double>(size);
    double accepted = units * stage.Tails(k).dLower;
    if constexpr (requires { stage.AcceptanceUnits(k); })
        if (curtailing.bAcceptance)
            accepted = stage.AcceptanceUnits(k);
    const double rejected =
        curtailing.bRejection ? stage.RejectionUnits(j) : units * stage.Tails(j - 1).dUpper;
    return accepted + rejected;
}

} // namespace staged

template <class Lot, class Sample, class Count>
double EvaluateStages(const Lot& lot, StagedPlan<Sample, Count> plan, StagedMeasure measure,
                      StageCurtailing curtailing)
{
    using Size = typename Lot::Size;
    if (plan.k < 1)
        return measure == StagedMeasure::expectedStages ? 1.0 : 0.0;
    // going[x - lowest]: probability that inspection reaches the stage with count x.
    std::vector<double> going = {1.0};
    std::vector<double> next;
    std::int64_t lowest = 0;
    double reach = 1.0;
    Size before = 0;
    double result = 0.0;
    for (int i = 0; i < plan.k && reach > 0.0; ++i)
    {
        const Size size = plan.n[i];
        const std::int64_t accept = plan.a[i];
        const std::int64_t reject = plan.r[i];
        const Curtailing curtail = i == 0 ? curtailing.first : curtailing.later;
        const bool curtailed = curtail.bAcceptance || curtail.bRejection;
        ProbableCounts onward = {1, 0};
        if (i + 1 < plan.k)
        {
            const ProbableCounts probable = lot.CountsAfter(before + size);
            onward = {std::max(accept + 1, probable.lo), std::min(reject - 1, probable.hi)};
        }
        next.assign(
            onward.hi >= onward.lo ? static_cast<std::size_t>(onward.hi - onward.lo + 1) : 0, 0.0);
        double decided = 0.0;
        for (std::size_t index = 0; index < going.size(); ++index)
        {
            const double probability = going[index];
            if (probability == 0.0)
                continue;
            const std::int64_t count = lowest + static_cast<std::int64_t>(index);
            const auto stage = lot.StageAt(size, before, count);
            if (measure == StagedMeasure::probabilityAcceptance && accept >= count)
                decided += probability * stage.Tails(accept - count).dLower;
            else if (measure == StagedMeasure::averageSampleNumber && curtailed)
                decided += probability * staged::DecidedUnits(stage, size, curtail, accept - count,
                                                              reject - count);
            // Each point probability from the one before; afresh now and then, so that rounding
            // cannot build up.
            double point = 0.0;
            for (std::int64_t y = std::max(onward.lo, count); y <= onward.hi; ++y)
            {
                const std::int64_t j = y - count;
                point =
                    point > 0.0 && j % 32 != 0 ? point * stage.PointRatio(j - 1) : stage.Point(j);
                next[static_cast<std::size_t>(y - onward.lo)] += probability * point;
            }
        }
        double goingOn = 0.0;
        for (double probability : next)
            goingOn += probability;
        const double units = static_cast<double>(size);
        switch (measure)
        {
        case StagedMeasure::probabilityAcceptance:
            result += decided;
            break;
        case StagedMeasure::averageSampleNumber:
            result += curtailed ? decided + units * goingOn : units * reach;
            break;
        case StagedMeasure::expectedStages:
            result += reach;
            break;
        }
        going.swap(next);
        lowest = onward.lo;
        reach = goingOn;
        before += size;
    }
    return result;
}

} // namespace Brosquin
