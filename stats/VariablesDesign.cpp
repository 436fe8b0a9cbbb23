#include "stats/VariablesDesign.h"

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

// k cut down to four decimals, and lowered further while rounding leaves Pa(aql) short.
double CutMeetingAql(const VariablesDesignModel& model, double aql, double n, double k,
                     double paAtAql)
{
    double units = std::floor(k * decimals);
    for (int i = 0; i < 10 && model.pa(aql, n, units / decimals) + rounding < paAtAql; ++i)
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
    // excess(N) = Pa(ltpd) - paAtLtpd of the plan of size N whose k, less shift, meets the AQL
    // point exactly; it falls as N rises.
    const auto excess = [&](double shift)
    {
        return [&, shift](double size)
        {
            const double constant = SolveConstant(model, aql, size, paAtAql);
            return std::isnan(constant) ? notANumber
                                        : model.pa(ltpd, size, constant - shift) - paAtLtpd;
        };
    };
    // The plan of a whole size with k cut from the AQL point, when it meets the LTPD point.
    const auto meets = [&](double whole)
    {
        const double constant = SolveConstant(model, aql, whole, paAtAql);
        if (std::isnan(constant) || whole > largestSampleSize)
            return false;
        const double cut = CutMeetingAql(model, aql, whole, constant, paAtAql);
        if (model.pa(ltpd, whole, cut) - rounding > paAtLtpd)
            return false;
        n = static_cast<int>(whole);
        k = cut;
        return true;
    };
    // From the sample size of the case with the standard deviation known and one limit.
    const double known = (InverseNormal(paAtAql) - InverseNormal(paAtLtpd)) /
                         (InverseNormal(ltpd) - InverseNormal(aql));
    const double size = RootSize(excess(0.0), smallest, known * known);
    if (std::isnan(size))
        return;
    double whole = std::ceil(size);
    // A root found a hair above a whole number may belong to that number.
    if (whole - size > 1.0 - 1e-7 && whole - 1.0 >= smallest && excess(0.0)(whole - 1.0) <= 0.0)
        whole -= 1.0;
    for (int i = 0; i < 3; ++i)
        if (meets(whole + i))
            return;
    // So steep a plan that the cut of k outweighs a few more units: from the size at which k
    // cut by a whole unit still meets the LTPD point.
    const double wider = RootSize(excess(1.0 / decimals), whole, known * known);
    for (int i = 0; !std::isnan(wider) && i < 3; ++i)
        if (meets(std::ceil(wider) + i))
            return;
}

} // namespace Brosquin
