#include "stats/SingleDesignSearch.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Brosquin
{

namespace
{

// The most accept numbers the final pass of the design examines.
constexpr std::int64_t largestScan = 256;

bool MeetsAll(SinglePlanProbability pa, std::int64_t c, std::int64_t n,
              std::span<const UpperCondition> conditions)
{
    for (const UpperCondition& condition : conditions)
        if (pa(c, n, condition.dLevel) > condition.dTarget)
            return false;
    return true;
}

// The largest accept number in [c, last] whose plan (n, c) still meets the conditions, where
// (n, c) itself meets them; Pa at the upper levels rises with c, so they hold up to a bound.
std::int64_t LastWithSampleSize(SinglePlanProbability pa,
                                std::span<const UpperCondition> conditions, std::int64_t c,
                                std::int64_t last, std::int64_t n)
{
    if (c == last || !MeetsAll(pa, c + 1, n, conditions))
        return c;
    if (MeetsAll(pa, last, n, conditions))
        return last;
    std::int64_t meeting = c + 1;
    while (last > meeting + 1)
    {
        const std::int64_t middle = meeting + (last - meeting) / 2;
        (MeetsAll(pa, middle, n, conditions) ? meeting : last) = middle;
    }
    return meeting;
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

    // (cFail, nFail): the last accept number that failed at the AQL; (cLow, nLow): the last one
    // known to fail by a margin (even with one unit fewer). n = 0 stands for a sample size above
    // the largest, which then holds for every larger accept number too.
    std::int64_t cFail = 0;
    std::int64_t nFail = n;
    std::int64_t cLow = 0;
    std::int64_t nLow = n;
    std::int64_t c = 1;
    n = SmallestSampleSize(pa, c, conditions, nFail, 0, lowerEndCounts);
    while (n != 0 && !accepts(c, n))
    {
        cFail = c;
        nFail = n;
        if (c < 25)
        {
            cLow = c;
            nLow = n;
            ++c;
        }
        else
        {
            if (!accepts(c, n - 1))
            {
                cLow = c;
                nLow = n;
            }
            // Defects may outnumber the units, so only this bound stops c on a level far
            // beyond what any sample can judge.
            if (c == largestAcceptNumber)
                return noPlan;
            c = std::min(2 * c, largestAcceptNumber);
        }
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
            continue;
        }
        if (!accepts(middle, size - 1))
        {
            cLow = middle;
            nLow = size;
        }
        cFail = middle;
        nFail = size;
    }
    // Accept numbers up to cLow fail; those between it and c may meet the AQL condition where
    // the discreteness of n(c) lets them through. Where the two levels or the two probabilities
    // are so close that millions lie between, only the nearest ones below c are examined, so that
    // every design ends in bounded time; the plan found still meets both requirements.
    cLow = std::max(cLow, c - 1 - largestScan);
    while (n != 0 && cLow != c - 1)
    {
        ++cLow;
        // n(c) grows steadily with c: a bracket of twice its average growth is tried first.
        std::int64_t from = nLow;
        std::int64_t to = n;
        bool fromCounts = lowerEndCounts;
        const std::int64_t guess = nLow + 2 * ((n - nLow) / (c - cLow + 1)) + 1;
        if (guess < n)
        {
            if (MeetsAll(pa, cLow, guess, conditions))
                to = guess;
            else
            {
                from = guess;
                fromCounts = false;
            }
        }
        nLow = SmallestSampleSize(pa, cLow, conditions, from, to, fromCounts);
        if (accepts(cLow, nLow))
        {
            c = cLow;
            n = nLow;
            break;
        }
        // Where defects outnumber the units, a long run of accept numbers can share one sample
        // size. Along such a run Pa at the AQL rises with c, so the run is judged by its last
        // member and searched only when that one meets the AQL condition.
        const std::int64_t last = LastWithSampleSize(pa, conditions, cLow, c - 1, nLow);
        if (!accepts(last, nLow))
        {
            cLow = last;
            continue;
        }
        std::int64_t failing = cLow;
        c = last;
        while (c > failing + 1)
        {
            const std::int64_t middle = failing + (c - failing) / 2;
            (accepts(middle, nLow) ? c : failing) = middle;
        }
        n = nLow;
        break;
    }
    if (n == 0)
        return noPlan;
    return {n, c};
}

} // namespace

} // namespace Brosquin
