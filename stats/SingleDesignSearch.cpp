#include "stats/SingleDesignSearch.h"

#include "stats/IntegerSearch.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Brosquin
{

namespace
{

bool MeetsAll(SinglePlanProbability pa, std::int64_t c, std::int64_t n,
              std::span<const UpperCondition> conditions)
{
    for (const UpperCondition& condition : conditions)
        if (pa(c, n, condition.dLevel) > condition.dTarget)
            return false;
    return true;
}

struct SinglePlanSize
{
    std::int64_t n;
    std::int64_t c;
};

SinglePlanSize DesignSinglePlan(const SinglePlanModel& model,
                                std::span<const UpperCondition> conditions, double aql,
                                double paAql, double startSize);

bool IsProbability(double value)
{
    return value > 0.0 && value < 1.0;
}

bool IsDesignable(const SinglePlanModel& model, double aql, double ltpd, double paAql,
                  double paLtpd)
{
    return aql >= 0.0 && aql < ltpd && ltpd <= model.dLargestLevel && IsProbability(paAql) &&
           IsProbability(paLtpd);
}

void WritePlan(SinglePlanSize plan, int& n, int& c)
{
    n = static_cast<int>(plan.n);
    c = static_cast<int>(plan.c);
}

} // namespace

void DesignSinglePlanTwoLevels(const SinglePlanModel& model, double aql, double ltpd, double paAql,
                               double paLtpd, int& n, int& c)
{
    if (!IsDesignable(model, aql, ltpd, paAql, paLtpd))
    {
        n = c = 0;
        return;
    }
    const std::array<UpperCondition, 1> conditions = {{{ltpd, paLtpd}}};
    WritePlan(
        DesignSinglePlan(model, conditions, aql, paAql, model.zeroAcceptanceSize(ltpd, paLtpd)), n,
        c);
}

std::int64_t ModelSampleSize(const SinglePlanModel& model, std::int64_t c, double q1,
                             double target1, std::optional<double> q2, double target2,
                             std::int64_t lo, std::int64_t hi)
{
    const std::array<UpperCondition, 2> conditions = {{{q1, target1}, {q2.value_or(0.0), target2}}};
    return SmallestSampleSize(model.pa, c, std::span(conditions).first(q2 ? 2 : 1), lo, hi,
                              model.bLowerEndCounts);
}

void DesignSinglePlanThreeLevels(const SinglePlanModel& model, double aql, double maximumAql,
                                 double ltpd, double paAql, double paLtpd, int& n, int& c)
{
    if (!(IsDesignable(model, aql, ltpd, paAql, paLtpd) && aql < maximumAql &&
          maximumAql <= model.dLargestLevel))
    {
        n = c = 0;
        return;
    }
    const std::array<UpperCondition, 2> conditions = {{{ltpd, paLtpd}, {maximumAql, paAql}}};
    WritePlan(DesignSinglePlan(model, conditions, aql, paAql,
                               std::fmax(model.zeroAcceptanceSize(ltpd, paLtpd),
                                         model.zeroAcceptanceSize(maximumAql, paAql))),
              n, c);
}

std::int64_t LeastRandomisedSampleSize(SinglePlanProbability pa, double aql, double ltpd,
                                       double paAql, double paLtpd, std::int64_t hi)
{
    const auto meets = [&](std::int64_t n)
    {
        // c: the smallest count at which P(count <= c) at the LTPD passes its target; the test
        // accepts below c, and at c with the share of chance that keeps the LTPD's target.
        const std::int64_t c = FirstHolding(
            0, largestAcceptNumber, [&](std::int64_t k) { return pa(k, n, ltpd) > paLtpd; });
        const double below = pa(c - 1, n, ltpd);
        const double share = (paLtpd - below) / (pa(c, n, ltpd) - below);
        const double belowAql = pa(c - 1, n, aql);
        return belowAql + share * (pa(c, n, aql) - belowAql) >= paAql - 1e-9;
    };
    return FirstHolding(1, hi, meets);
}

std::int64_t SmallestSampleSize(SinglePlanProbability pa, std::int64_t c,
                                std::span<const UpperCondition> conditions, std::int64_t lo,
                                std::int64_t hi, bool lowerEndCounts)
{
    if (lo > largestSampleSize)
        return 0;
    if (lowerEndCounts && MeetsAll(pa, c, lo, conditions))
        return lo;
    if (hi == 0)
    {
        // Doubling, in 64 bits and capped at the largest sample size.
        hi = lo < 1 ? 1 : 2 * lo;
        for (;;)
        {
            if (hi > largestSampleSize)
                hi = largestSampleSize;
            if (MeetsAll(pa, c, hi, conditions))
                break;
            if (hi == largestSampleSize)
                return 0;
            lo = hi;
            hi *= 2;
        }
    }
    while (hi > lo + 1)
    {
        const std::int64_t middle = lo + (hi - lo) / 2;
        if (MeetsAll(pa, c, middle, conditions))
            hi = middle;
        else
            lo = middle;
    }
    return hi;
}

namespace
{

SinglePlanSize DesignSinglePlan(const SinglePlanModel& model,
                                std::span<const UpperCondition> conditions, double aql,
                                double paAql, double startSize)
{
    const SinglePlanProbability pa = model.pa;
    const bool lowerEndCounts = model.bLowerEndCounts;
    constexpr SinglePlanSize noPlan = {0, 0};
    if (!(startSize <= static_cast<double>(largestSampleSize)))
        return noPlan;
    // The estimate of n(0) comes from a logarithm ratio; settle it on the exact probabilities.
    std::int64_t n = startSize < 1.0 ? 1 : static_cast<std::int64_t>(startSize);
    while (n > 1 && MeetsAll(pa, 0, n - 1, conditions))
        --n;
    if (!MeetsAll(pa, 0, n, conditions))
        n = SmallestSampleSize(pa, 0, conditions, n, 0, false);
    if (n == 0)
        return noPlan;
    const auto accepts = [&](std::int64_t c, std::int64_t size)
    { return pa(c, size, aql) >= paAql; };
    if (accepts(0, n))
        return {n, 0};

    // c steps by one up to 25 and then doubles until its plan (n(c), c) meets the AQL condition,
    // and is bisected back from there; (cFail, nFail) is the last plan found failing. n = 0
    // stands for a sample size above the largest, which then holds for every larger c too.
    std::int64_t cFail = 0;
    std::int64_t nFail = n;
    std::int64_t c = 1;
    n = SmallestSampleSize(pa, c, conditions, nFail, 0, lowerEndCounts);
    while (n != 0 && !accepts(c, n))
    {
        cFail = c;
        nFail = n;
        // Defects may outnumber the units, so only this bound stops c on a level far beyond
        // what any sample can judge.
        if (c == largestAcceptNumber)
            return noPlan;
        c = c < 25 ? c + 1 : std::min(2 * c, largestAcceptNumber);
        n = SmallestSampleSize(pa, c, conditions, nFail, 0, lowerEndCounts);
    }
    while (c != cFail + 1)
    {
        const std::int64_t middle = cFail + (c - cFail) / 2;
        const std::int64_t size =
            SmallestSampleSize(pa, middle, conditions, nFail, n, lowerEndCounts);
        if (size == 0 || accepts(middle, size))
        {
            c = middle;
            n = size;
        }
        else
        {
            cFail = middle;
            nFail = size;
        }
    }
    if (n == 0)
        return noPlan;
    // That plan meets both requirements, but the discreteness of n(c) may let a smaller accept
    // number through. The accept numbers of one sample size form a run, along which Pa at the
    // AQL rises with c; so a run holds a plan meeting the AQL condition when its largest accept
    // number does, and its first such is the smallest. No plan meets both requirements with
    // fewer units than a sample with a randomised accept number needs; the runs are scanned
    // from there up to the run of n, which holds c. Only probabilities at the AQL and the LTPD
    // nearly equal make that scan long; past a limit on its work it ends at the run of n.
    std::int64_t work = 0;
    const auto meetsUpper = [&](std::int64_t accept, std::int64_t sampleSize)
    {
        work += static_cast<std::int64_t>(conditions.size());
        return MeetsAll(pa, accept, sampleSize, conditions);
    };
    const auto reaches = [&](std::int64_t accept, std::int64_t sampleSize)
    {
        ++work;
        return accepts(accept, sampleSize);
    };
    const UpperCondition& ltpd = conditions.front();
    std::int64_t size = LeastRandomisedSampleSize(pa, aql, ltpd.dLevel, paAql, ltpd.dTarget, n);
    // The largest accept number meeting the upper conditions with the sample before.
    std::int64_t below = -1;
    const auto largestMeeting = [&](std::int64_t sampleSize)
    {
        return FirstHolding(below + 1, c + 1,
                            [&](std::int64_t accept) { return !meetsUpper(accept, sampleSize); }) -
               1;
    };
    for (;;)
    {
        if (work > singleDesignScanLimit && size < n)
        {
            below = largestMeeting(n - 1);
            size = n;
        }
        const std::int64_t top = largestMeeting(size);
        if (top > below && reaches(top, size))
            return {size, FirstHolding(below + 1, top,
                                       [&](std::int64_t accept) { return reaches(accept, size); })};
        below = std::max(below, top);
        size = FirstHolding(size + 1, n,
                            [&](std::int64_t sampleSize)
                            { return meetsUpper(below + 1, sampleSize); });
    }
}

} // namespace

} // namespace Brosquin
