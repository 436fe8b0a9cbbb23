#include "stats/VariablesDesign.h"

#include "stats/IntegerSearch.h"
#include "stats/InverseSolvers.h"
#include "stats/RootSearch.h"

#include <cmath>
#include <limits>

namespace Brosquin
{

namespace
{

constexpr double largestSampleSize = 2147483647.0;
constexpr double constantTolerance = 1e-14;
constexpr double sampleSizeTolerance = 1e-11;
// k is stated in ten-thousandths.
constexpr double decimals = 10000.0;
// A Pa that misses its target by no more than rounding still meets it.
constexpr double rounding = 1e-15;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// The k at which Pa(p; n, k) = target, or NaN when none is found.
double SolveConstant(const VariablesDesignModel& model, double p, double n, double target)
{
    const auto excess = [&](double k) { return model.pa(p, n, k) - target; };
    // Start from the answer with the standard deviation known and one limit.
    double start = -InverseNormal(target) / std::sqrt(n) - InverseNormal(p);
    if (!std::isfinite(start))
        start = 0.0;
    double lo = start - 0.5;
    double hi = start + 0.5;
    double atLo = excess(lo);
    double atHi = excess(hi);
    for (double step = 1.0; atLo < 0.0 && step < 1e9; step *= 2)
    {
        hi = lo;
        atHi = atLo;
        lo -= step;
        atLo = excess(lo);
    }
    for (double step = 1.0; atHi > 0.0 && step < 1e9; step *= 2)
    {
        lo = hi;
        atLo = atHi;
        hi += step;
        atHi = excess(hi);
    }
    if (!(atLo >= 0.0 && atHi <= 0.0))
        return notANumber;
    return BracketedSecantRoot(excess, lo, hi, atLo, atHi, constantTolerance);
}

// The largest k of four decimals whose plan of size n meets the AQL point, from k solving it:
// k cut down, and moved by the ten-thousandths that rounding of Pa(aql) decides.
double CutMeetingAql(const VariablesDesignModel& model, double aql, double n, double k,
                     double paAtAql)
{
    const auto meets = [&](double units)
    { return model.pa(aql, n, units / decimals) + rounding >= paAtAql; };
    double units = std::floor(k * decimals);
    for (int i = 0; i < 10 && meets(units + 1.0); ++i)
        units += 1.0;
    for (int i = 0; i < 10 && !meets(units); ++i)
        units -= 1.0;
    return units / decimals;
}

// k rounded up to four decimals, and raised further while rounding leaves Pa(ltpd) too high.
double RoundMeetingLtpd(const VariablesDesignModel& model, double ltpd, double n, double k,
                        double paAtLtpd)
{
    double units = std::ceil(k * decimals);
    for (int i = 0; i < 10 && model.pa(ltpd, n, units / decimals) - rounding > paAtLtpd; ++i)
        units += 1.0;
    return units / decimals;
}

// The N >= smallest at which the falling excess(N) reaches 0, smallest itself where it is 0 or
// below there already; NaN when no N up to the largest sample size gets there. The search
// doubles from start.
template <class F> double RootSize(F excess, double smallest, double start)
{
    const double atSmallest = excess(smallest);
    if (!(atSmallest > 0.0))
        return std::isnan(atSmallest) ? notANumber : smallest;
    double lo = smallest;
    double atLo = atSmallest;
    double hi = std::fmax(2.0 * smallest, std::ceil(start));
    double atHi = excess(hi);
    while (atHi > 0.0 && hi < largestSampleSize)
    {
        lo = hi;
        atLo = atHi;
        hi = std::fmin(2.0 * hi, largestSampleSize);
        atHi = excess(hi);
    }
    if (!(atHi <= 0.0))
        return notANumber;
    return BracketedSecantRoot(excess, lo, hi, atLo, atHi, sampleSizeTolerance);
}

bool IsRequirement(double aql, double ltpd, double paAtAql, double paAtLtpd)
{
    return aql >= 0.0 && aql < ltpd && ltpd <= 1.0 && paAtLtpd > 0.0 && paAtLtpd < paAtAql &&
           paAtAql < 1.0;
}

} // namespace

void DesignVariablesPlan(const VariablesDesignModel& model, double aql, double ltpd, double paAtAql,
                         double paAtLtpd, int& n, double& k)
{
    n = 0;
    k = 0.0;
    if (!IsRequirement(aql, ltpd, paAtAql, paAtLtpd))
        return;
    const double smallest = model.nSmallest;
    if (aql == 0.0 && ltpd == 1.0)
    {
        n = model.nSmallest;
        return;
    }
    if (ltpd == 1.0 || aql == 0.0)
    {
        const bool aqlOnly = ltpd == 1.0;
        const double constant = aqlOnly ? SolveConstant(model, aql, smallest, paAtAql)
                                        : SolveConstant(model, ltpd, smallest, paAtLtpd);
        if (std::isnan(constant))
            return;
        k = aqlOnly ? CutMeetingAql(model, aql, smallest, constant, paAtAql)
                    : RoundMeetingLtpd(model, ltpd, smallest, constant, paAtLtpd);
        n = model.nSmallest;
        return;
    }
    // excess(N) = Pa(ltpd) - paAtLtpd of the plan of size N whose k meets the AQL point exactly;
    // it falls as N rises, and below its root no plan meets both points.
    const auto excess = [&](double size)
    {
        const double constant = SolveConstant(model, aql, size, paAtAql);
        return std::isnan(constant) ? notANumber : model.pa(ltpd, size, constant) - paAtLtpd;
    };
    // From the sample size of the case with the standard deviation known and one limit.
    const double known = (InverseNormal(paAtAql) - InverseNormal(paAtLtpd)) /
                         (InverseNormal(ltpd) - InverseNormal(aql));
    const double size = RootSize(excess, smallest, known * known);
    if (std::isnan(size))
        return;
    constexpr auto beyond = static_cast<std::int64_t>(largestSampleSize) + 1;
    const auto meetsLtpd = [&](std::int64_t whole, double constant)
    { return model.pa(ltpd, static_cast<double>(whole), constant) - rounding <= paAtLtpd; };
    const auto meetsAql = [&](std::int64_t whole, double constant)
    { return model.pa(aql, static_cast<double>(whole), constant) + rounding >= paAtAql; };
    // k cut to four decimals stays the same over runs of sample sizes. Along a run Pa at the LTPD
    // falls as n rises, and the run ends where the next k of four decimals meets the AQL point:
    // the runs are stepped through from the root, each from its first size to where it meets the
    // LTPD point.
    auto whole = std::max(static_cast<std::int64_t>(smallest), static_cast<std::int64_t>(size));
    while (whole < beyond)
    {
        const double constant = SolveConstant(model, aql, static_cast<double>(whole), paAtAql);
        if (std::isnan(constant))
            return;
        const double cut = CutMeetingAql(model, aql, static_cast<double>(whole), constant, paAtAql);
        if (meetsLtpd(whole, cut))
        {
            n = static_cast<int>(whole);
            k = cut;
            return;
        }
        const std::int64_t meetingLtpd = FirstHolding(
            whole + 1, beyond, [&](std::int64_t next) { return meetsLtpd(next, cut); });
        const double nextConstant = (std::round(cut * decimals) + 1.0) / decimals;
        const std::int64_t nextCut = FirstHolding(
            whole + 1, beyond, [&](std::int64_t next) { return meetsAql(next, nextConstant); });
        whole = std::min(meetingLtpd, nextCut);
    }
}

} // namespace Brosquin
