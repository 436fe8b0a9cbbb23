#include "plans/DefectivesVariablesSingleSamplingPlan.h"

#include "core/RealOf.h"
#include "stats/InverseSolvers.h"
#include "stats/SpecialFunctions.h"
#include "stats/VariablesKnownSd.h"
#include "stats/VariablesUnknownSdOneSpec.h"
#include "stats/VariablesUnknownSdTwoSpecs.h"

#include <cmath>
#include <functional>

namespace Brosquin
{

namespace
{

constexpr const char* outOfRange = "Parameter out of range.";

// The end of the band farther from 0.5: the larger when both exceed it, the smaller when both
// are below, else 0.5 exactly.
double FartherFromHalf(double a, double b)
{
    if (a >= 0.5 && b >= 0.5)
        return std::fmax(a, b);
    if (a <= 0.5 && b <= 0.5)
        return std::fmin(a, b);
    return 0.5;
}

} // namespace

bool DefectivesVariablesSingleSamplingPlan::IsPaSingleValued() const
{
    return !twoSpecs || (sdKnown && !band);
}

Real& DefectivesVariablesSingleSamplingPlan::dInRange(double value)
{
    if (value == -1.0)
    {
        result.vdSetMessage(outOfRange);
        return result;
    }
    return Result(value);
}

bool DefectivesVariablesSingleSamplingPlan::BandBounds(const Real& p, double& offCentre,
                                                       double& oneLimit)
{
    const double fraction = dFractionOf(p);
    if (fraction == 0.0)
    {
        result.vdSetMessage(outOfRange);
        return false;
    }
    // The Cp of a centred process with fraction p outside the limits; a process with less
    // capability than that cannot reach p, so with it the process is centred.
    const double needed = -InverseNormal(fraction / 2) / 3;
    offCentre = needed >= cp ? VariablesKnownSdTwoSpecsCentredProbabilityAcceptance(n, k, needed)
                             : VariablesKnownSdTwoSpecsProbabilityAcceptance(fraction, n, k, cp);
    oneLimit = VariablesKnownSdOneSpecProbabilityAcceptance(fraction, n, k);
    return true;
}

Real& DefectivesVariablesSingleSamplingPlan::dPa(const Real& p)
{
    if (!IsEvaluableAt(p))
        return result;
    const double fraction = dFractionOf(p);
    if (!sdKnown && !twoSpecs)
        return Result(VariablesUnknownSdOneSpecProbabilityAcceptance(fraction, n, k));
    if (!sdKnown)
        return Result(form1 ? VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1(fraction, n, k)
                            : VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm2(fraction, n, m));
    if (!twoSpecs)
        return Result(VariablesKnownSdOneSpecProbabilityAcceptance(fraction, n, k));
    if (!band)
        return dInRange(VariablesKnownSdTwoSpecsProbabilityAcceptance(fraction, n, k, cp));
    double offCentre = 0.0;
    double oneLimit = 0.0;
    return BandBounds(p, offCentre, oneLimit) ? Result(FartherFromHalf(offCentre, oneLimit))
                                              : result;
}

Real& DefectivesVariablesSingleSamplingPlan::dBound(const Real& p, bool largest)
{
    if (IsPaSingleValued())
        return dPa(p);
    if (!IsEvaluableAt(p))
        return result;
    const double fraction = dFractionOf(p);
    if (!sdKnown && form1)
        return Result(
            largest ? VariablesUnknownSdTwoSpecsMaximumProbabilityAcceptanceForm1(fraction, n, k)
                    : VariablesUnknownSdTwoSpecsMinimumProbabilityAcceptanceForm1(fraction, n, k));
    if (!sdKnown)
        return Result(
            largest ? VariablesUnknownSdTwoSpecsMaximumProbabilityAcceptanceForm2(fraction, n, m)
                    : VariablesUnknownSdTwoSpecsMinimumProbabilityAcceptanceForm2(fraction, n, m));
    double offCentre = 0.0;
    double oneLimit = 0.0;
    if (!BandBounds(p, offCentre, oneLimit))
        return result;
    return Result(largest ? std::fmax(offCentre, oneLimit) : std::fmin(offCentre, oneLimit));
}

Real& DefectivesVariablesSingleSamplingPlan::dPaMaximum(const Real& p)
{
    return dBound(p, true);
}

Real& DefectivesVariablesSingleSamplingPlan::dPaMinimum(const Real& p)
{
    return dBound(p, false);
}

Real& DefectivesVariablesSingleSamplingPlan::dPaUpperEnvelope(const Real& p)
{
    return dPaMaximum(p);
}

Real& DefectivesVariablesSingleSamplingPlan::dPaLowerEnvelope(const Real& p)
{
    return dPaMinimum(p);
}

Real& DefectivesVariablesSingleSamplingPlan::dQualityLevelAtPa(const Real& pa)
{
    if (!sdKnown)
        return SamplingPlan::dQualityLevelAtPa(pa);
    if (!IsNumber(pa))
    {
        result = pa;
        return result;
    }
    if (!IsValidOrMessage())
        return result;
    const double factor = dUnitsFactor();
    if (twoSpecs)
    {
        const double level = VariablesKnownSdTwoSpecsQualityLevel(pa.dValue(), n, k, cp);
        return dInRange(level == -1.0 ? level : level * factor);
    }
    if (pa <= RealOf(0.0))
        result.vdSetMessage("Probability of acceptance less than or equal to 0");
    else if (pa >= RealOf(1))
        result.vdSetMessage("Probability of acceptance greater than or equal to 1.0");
    else
        Result(VariablesKnownSdOneSpecQualityLevel(pa.dValue(), n, k) * factor);
    return result;
}

Real& DefectivesVariablesSingleSamplingPlan::dRangeUpper()
{
    if (!sdKnown || !twoSpecs)
        return SamplingPlan::dRangeUpper();
    // Without an LTPD point, the LTPD of the one-limit plan stands in.
    const double factor = dUnitsFactor();
    const Real x =
        IsNumber(LTPDPoint())
            ? LTPDPoint()
            : RealOf(factor * VariablesKnownSdOneSpecQualityLevel(PaAtLTPD().dValue(), n, k));
    result = x > RealOf(factor / 2) ? RealOf(factor) : x;
    return result;
}

Real& DefectivesVariablesSingleSamplingPlan::dRangeLower()
{
    if (!sdKnown || !twoSpecs)
        return SamplingPlan::dRangeLower();
    const double factor = dUnitsFactor();
    const Real y =
        IsNumber(AQLPoint())
            ? AQLPoint()
            : RealOf(factor * VariablesKnownSdOneSpecQualityLevel(PaAtAQL().dValue(), n, k));
    result = y < RealOf(factor / 2) ? RealOf(0.0) : y;
    return result;
}

Real& DefectivesVariablesSingleSamplingPlan::dASN(const Real& p)
{
    if (!IsEvaluableAt(p))
        return result;
    if (sdKnown && twoSpecs)
        return dInRange(VariablesKnownSdTwoSpecsAverageSampleNumber(dFractionOf(p), n, k, cp));
    return Result(n);
}

Real& DefectivesVariablesSingleSamplingPlan::dMaxASN()
{
    return IsValidOrMessage() ? Result(n) : result;
}

Real& DefectivesVariablesSingleSamplingPlan::dExpectedStages(const Real& p)
{
    if (!IsEvaluableAt(p))
        return result;
    if (sdKnown && twoSpecs)
        return dInRange(VariablesKnownSdTwoSpecsExpectedStages(dFractionOf(p), n, k, cp));
    return Result(1);
}

Real& DefectivesVariablesSingleSamplingPlan::dMaxCost()
{
    if (!sdKnown || !twoSpecs)
        return SamplingPlan::dMaxCost();
    result = dMaximumFromSmallestLevel(&SamplingPlan::dCost);
    return result;
}

Real& DefectivesVariablesSingleSamplingPlan::dAOQL()
{
    if (!twoSpecs)
        return SamplingPlan::dAOQL();
    result = sdKnown ? dMaximumFromSmallestLevel(&SamplingPlan::dAOQ) : dAOQLOfBand();
    return result;
}

Real DefectivesVariablesSingleSamplingPlan::dMaximumFromSmallestLevel(Measure measure)
{
    // Below the fraction of a centred process no level exists: the search starts there, and
    // takes the LTPD point (or twice the smallest level) as where the maximum lies below.
    const double factor = dUnitsFactor();
    const double lowest = 2 * NormalTailArea(-3 * cp, false) * factor;
    const double highest = factor;
    double middle = IsNumber(LTPDPoint()) ? LTPDPoint().dValue() : 2 * lowest;
    if (!IsNumber(LTPDPoint()) && middle >= highest)
        middle = (lowest + highest) / 2;
    return dMaximumOver(measure, lowest, highest, (3 * lowest + middle) / 4, middle);
}

Real DefectivesVariablesSingleSamplingPlan::dAOQLOfBand()
{
    // Pa is the median of the centred bound C, the one-sided bound O and 0.5, the largest of
    // min(C, O), min(C, 0.5) and min(O, 0.5). Its AOQ can peak twice, before the band straddles
    // 0.5 and where it leaves it, and a search of it may stop at the lower peak. p C and p O each
    // rise to one peak, and so does p times the smaller of two such curves: the AOQL is the
    // highest of the peaks of the three minima.
    if (!IsNumber(AQLPoint()))
        return AQLPoint();
    if (!IsNumber(LTPDPoint()))
        return LTPDPoint();
    using Bound = double (*)(double p, double n, double constant);
    const Bound centred = form1 ? VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm1
                                : VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm2;
    const Bound oneSided = form1 ? VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm1
                                 : VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm2;
    const double constant = form1 ? k : m;
    const double factor = dUnitsFactor();
    const auto C = [&](double x) { return centred(x / factor, n, constant); };
    const auto O = [&](double x) { return oneSided(x / factor, n, constant); };
    const std::function<double(double)> minima[] = {
        [&](double x) { return x * std::fmin(C(x), O(x)); },
        [&](double x) { return x * std::fmin(C(x), 0.5); },
        [&](double x) { return x * std::fmin(O(x), 0.5); }};
    MaximumResult highest{0.0, -1.0};
    for (const auto& minimum : minima)
    {
        const MaximumResult peak =
            PeakOf(minimum, 0.0, factor, AQLPoint().dValue(), LTPDPoint().dValue());
        if (peak.value > highest.value)
            highest = peak;
    }
    // There the AOQ, the largest of the three minima, is that peak's value.
    return dAOQ(RealOf(highest.level));
}

} // namespace Brosquin
