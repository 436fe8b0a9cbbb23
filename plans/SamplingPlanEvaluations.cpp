#include "core/RealOf.h"
#include "plans/SamplingPlan.h"

#include "core/OptimizationInput.h"

#include "plans/TextValidation.h"

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

// The searches below run to the last bits of a double, so that every digit a summary or table
// shows is right; the iteration limits only guard against a curve that never settles.
constexpr double searchTolerance = 4e-16;
constexpr int searchLimit = 5000;

// A summary text of five significant digits, "none" for a value that could not be computed.
String PointText(const Real& value)
{
    return String(!IsNumber(value) ? "none" : value.Text(5, true));
}

} // namespace

const Real* SamplingPlan::CurveValue(void* plan, void* input, Measure measure)
{
    return &(static_cast<SamplingPlan*>(plan)->*measure)(
        static_cast<OptimizationInput*>(input)->value);
}

const Real* SamplingPlan::PaCurve(void* plan, void* input)
{
    return CurveValue(plan, input, &SamplingPlan::dPa);
}

const Real* SamplingPlan::PaMaximumCurve(void* plan, void* input)
{
    return CurveValue(plan, input, &SamplingPlan::dPaMaximum);
}

const Real* SamplingPlan::PaMinimumCurve(void* plan, void* input)
{
    return CurveValue(plan, input, &SamplingPlan::dPaMinimum);
}

const Real* SamplingPlan::ASNCurve(void* plan, void* input)
{
    return CurveValue(plan, input, &SamplingPlan::dASN);
}

const Real* SamplingPlan::CostCurve(void* plan, void* input)
{
    return CurveValue(plan, input, &SamplingPlan::dCost);
}

const Real* SamplingPlan::AOQCurve(void* plan, void* input)
{
    return CurveValue(plan, input, &SamplingPlan::dAOQ);
}

Real SamplingPlan::ValueAt(Measure measure, double x)
{
    return (this->*measure)(RealOf(x));
}

Real& SamplingPlan::dQualityLevelAtPa(const Real& pa)
{
    if (!IsNumber(pa))
        result = pa;
    else if (pa <= RealOf(0.0))
        result.vdSetMessage("Probability of acceptance less than or equal to 0");
    else if (pa >= RealOf(1))
        result.vdSetMessage("Probability of acceptance greater than or equal to 1.0");
    else
        result = dLevelSearch(pa);
    return result;
}

Real SamplingPlan::dLevelSearch(const Real& pa)
{
    // On a falling OC curve a level whose Pa is at least the target lies below the sought level.
    // Pa is compared exactly: near Pa = 1 the Real tolerance would move the level visibly.
    const bool decreasing = IsPaDecreasing();
    auto isBelow = [&](const Real& paAt) { return (paAt.dValue() >= pa.dValue()) == decreasing; };
    Real highest = dMaxQualityLevel();
    Real lowest = dMinQualityLevel();
    double hi = highest.dValue();
    double lo = lowest.dValue();
    // Above some level a finite lot holds more defects than can be counted, and Pa there is a
    // message. The doubling may step past that level although the sought one lies below it: the
    // bisection then takes such levels as beyond the sought one, which counts as found only once
    // a level above it has given a number.
    Real unevaluable;
    bool hiEvaluated = true;
    if (!IsNumber(highest))
    {
        hi = IsNumber(lowest) && 1 < lo ? lo + 1 : 1;
        for (int i = 0;; hi *= 2, ++i)
        {
            Real paAt = ValueAt(&SamplingPlan::dPa, hi);
            if (!IsNumber(paAt))
            {
                unevaluable = paAt;
                hiEvaluated = false;
                break;
            }
            if (!isBelow(paAt) || paAt.dValue() == pa.dValue())
                break;
            if (i == searchLimit)
                return MessageValue("Overflow");
        }
    }
    if (!IsNumber(lowest))
    {
        lo = -1 > hi ? hi - 1 : -1;
        for (int i = 0;; lo *= 2, ++i)
        {
            Real paAt = ValueAt(&SamplingPlan::dPa, lo);
            if (!IsNumber(paAt) || i == searchLimit)
                return paAt;
            if (isBelow(paAt) || paAt.dValue() == pa.dValue())
                break;
        }
    }
    double mid = (lo + hi) / 2;
    for (int i = 0; i < searchLimit && lo < mid && mid < hi; ++i)
    {
        Real paAt = ValueAt(&SamplingPlan::dPa, mid);
        if (!IsNumber(paAt) && IsNumber(unevaluable))
            return paAt;
        if (IsNumber(paAt) && isBelow(paAt))
            lo = mid;
        else
        {
            hi = mid;
            hiEvaluated = hiEvaluated || IsNumber(paAt);
        }
        if (!(hi - lo > searchTolerance * (std::fabs(hi) + std::fabs(lo))))
            break;
        mid = (lo + hi) / 2;
    }
    if (!hiEvaluated)
        return unevaluable;
    return IsFiniteLot() ? SnapToStep(mid, pa) : RealOf(mid);
}

Real SamplingPlan::SnapToStep(double level, const Real& pa)
{
    Real step = dQualityLevelStep();
    if (!IsNumber(step) || step.dValue() <= 0)
        return step;
    const double s = step.dValue();
    const Real half = RealOf(0.5);
    const bool decreasing = IsPaDecreasing();
    // The attainable level on the safe side: at or below the exact point where a high Pa is
    // sought (the AQL side), at or above it where a low one is.
    if ((pa > half && decreasing) || (pa < half && !decreasing))
        return RealOf(std::floor(level / s) * s);
    if ((pa < half && decreasing) || (pa > half && !decreasing))
        return RealOf(std::ceil(level / s) * s);
    return RealOf(std::floor(level / s + 0.5) * s);
}

Real& SamplingPlan::dRangeUpper()
{
    result = IsPaDecreasing() ? ltpdPoint : aqlPoint;
    return result;
}

Real& SamplingPlan::dRangeLower()
{
    result = IsPaDecreasing() ? aqlPoint : ltpdPoint;
    return result;
}

Real& SamplingPlan::dMaxASN()
{
    result = dMaximumOf(&SamplingPlan::dASN);
    return result;
}

Real& SamplingPlan::dExpectedStages(const Real& p)
{
    return IsEvaluableAt(p) ? Result(1) : result;
}

Real& SamplingPlan::dCost(const Real& p)
{
    Real asn = dASN(p);
    Real stages = dExpectedStages(p);
    result = C0() * asn + C1() * stages;
    return result;
}

Real& SamplingPlan::dMaxCost()
{
    result = dMaximumOf(&SamplingPlan::dCost);
    return result;
}

Real& SamplingPlan::dAOQ(const Real& p)
{
    if (!IsAOQDefined())
    {
        result.vdSetMessage("AOQ not defined");
        return result;
    }
    Real pa = dPa(p);
    result = p * pa;
    return result;
}

Real& SamplingPlan::dAOQL()
{
    if (IsAOQDefined())
        result = dMaximumOf(&SamplingPlan::dAOQ);
    else
        result.vdSetMessage("AOQL not defined");
    return result;
}

Real SamplingPlan::dMaximumOf(Measure measure)
{
    if (!IsNumber(aqlPoint))
        return aqlPoint;
    if (!IsNumber(ltpdPoint))
        return ltpdPoint;
    const double aql = aqlPoint.dValue();
    const double ltpd = ltpdPoint.dValue();
    const double width = ltpd - aql;
    Real lowest = dMinQualityLevel();
    Real highest = dMaxQualityLevel();
    const double outerA = !IsNumber(lowest) ? aql - 100 * width : lowest.dValue();
    const double outerB = !IsNumber(highest) ? ltpd + 100 * width : highest.dValue();

    // On a finite lot only the levels of a whole number of defectives (defects) can occur; the
    // measure is searched on those, so its maximum is one the lot can have.
    Real step = dQualityLevelStep();
    const double s = IsFiniteLot() && IsNumber(step) && step.dValue() > 0 ? step.dValue() : 0;
    auto at = [&](double x) { return ValueAt(measure, s > 0 ? std::floor(x / s + 0.5) * s : x); };

    double a = outerA;
    double b = outerB;
    double x1 = aql < ltpd ? aql : ltpd;
    double x3 = aql < ltpd ? ltpd : aql;
    double x2 = (x1 + x3) / 2;
    Real g1 = at(x1);
    Real g2 = at(x2);
    Real g3 = at(x3);
    for (int i = 0; i < searchLimit; ++i)
    {
        if (g2 >= g1 && g2 >= g3)
        {
            a = x1;
            b = x3;
        }
        else if (g1 > g3)
        {
            b = x2;
            x2 = x1;
            g2 = g1;
        }
        else
        {
            a = x2;
            x2 = x3;
            g2 = g3;
        }
        x1 = (a + x2) / 2;
        g1 = at(x1);
        x3 = (x2 + b) / 2;
        g3 = at(x3);
        if (!(b - a > searchTolerance * (std::fabs(a) + std::fabs(b))))
            break;
    }
    return s > 0 ? FiniteLotMaximum(measure, s, std::floor(x2 / s + 0.5), std::ceil(outerA / s),
                                    std::floor(outerB / s))
                 : g2;
}

Real SamplingPlan::FiniteLotMaximum(Measure measure, double step, double start, double lowest,
                                    double highest)
{
    double k = std::clamp(start, lowest, highest);
    Real best = ValueAt(measure, k * step);
    for (int direction : {1, -1})
    {
        for (int i = 0; i < searchLimit; ++i)
        {
            const double next = k + direction;
            if (next < lowest || next > highest)
                break;
            Real value = ValueAt(measure, next * step);
            if (!(value > best))
                break;
            best = value;
            k = next;
        }
    }
    return best;
}

void SamplingPlan::vdUpdateSummary()
{
    if (!valid)
    {
        const Real invalid = MessageValue("Invalid plan");
        for (Real* value :
             {&aqlPoint, &ltpdPoint, &aoql, &rangeLower, &rangeUpper, &maximumASN, &maximumCost,
              &paAtAQLPoint, &percentAtAQLPoint, &paAtLTPDPoint, &percentAtLTPDPoint})
            *value = invalid;
        for (String* text : {&aqlPointText, &ltpdPointText, &aoqlText, &paAtAQLPointText,
                             &percentAtAQLPointText, &paAtLTPDPointText, &percentAtLTPDPointText})
            *text = "";
        return;
    }
    // The points first: the range, the maxima and the Pa values are found from them.
    aqlPoint = dQualityLevelAtPa(PaAtAQL());
    aqlPointText = PointText(aqlPoint);
    ltpdPoint = dQualityLevelAtPa(PaAtLTPD());
    ltpdPointText = PointText(ltpdPoint);
    rangeUpper = dRangeUpper();
    rangeLower = dRangeLower();
    maximumASN = dMaxASN();
    maximumCost = dMaxCost();
    if (IsAOQDefined())
    {
        aoql = dAOQL();
        aoqlText = PointText(aoql);
    }
    else
    {
        aoql.vdSetMessage("AOQ not defined for this characteric");
        aoqlText = "";
    }
    if (IsPaSingleValued())
    {
        paAtAQLPoint = PaAtAQL();
        paAtAQLPointText = PaAtAQLText();
        paAtLTPDPoint = PaAtLTPD();
        paAtLTPDPointText = PaAtLTPDText();
        percentAtAQLPoint = RealOf(100);
        percentAtAQLPointText = "100.0";
        percentAtLTPDPoint = RealOf(100);
        percentAtLTPDPointText = "100.0";
        return;
    }
    const Real hundred = RealOf(100);
    const Real margin = RealOf(0.0001);
    paAtAQLPoint = dPaMinimum(aqlPoint);
    paAtAQLPointText = paAtAQLPoint.Text(5, true);
    Real lower = dPaLowerEnvelope(aqlPoint);
    if (paAtAQLPoint >= PaAtAQL() - margin)
    {
        percentAtAQLPoint = hundred;
        percentAtAQLPointText = "100.0";
    }
    else
    {
        percentAtAQLPoint = hundred * (lower - paAtAQLPoint) / (PaAtAQL() - paAtAQLPoint);
        percentAtAQLPointText = percentAtAQLPoint.Text(5, true);
    }
    paAtLTPDPoint = dPaMaximum(ltpdPoint);
    paAtLTPDPointText = paAtLTPDPoint.Text(5, true);
    Real upper = dPaUpperEnvelope(ltpdPoint);
    if (paAtLTPDPoint <= PaAtLTPD() + margin)
    {
        percentAtLTPDPoint = hundred;
        percentAtLTPDPointText = "100.0";
    }
    else
    {
        percentAtLTPDPoint = hundred * (paAtLTPDPoint - upper) / (paAtLTPDPoint - PaAtLTPD());
        percentAtLTPDPointText = percentAtLTPDPoint.Text(5, true);
    }
}

int SamplingPlan::ValidateRange(const Real& minimum, const Real& maximum, const Real& intervals,
                                String& message)
{
    Real lowest = dMinQualityLevel();
    Real highest = dMaxQualityLevel();
    String below("Minimum value cannot be below ");
    below += lowest.Text(0, true);
    below += ".";
    String above("Maximum value cannot be above ");
    above += highest.Text(0, true);
    above += ".";
    TextValidation check(message);
    check.Require(IsNumber(minimum), 1, "Minimum value not valid.")
        .Require(IsNumber(maximum), 2, "Maximum value not valid.")
        .Require(IsNumber(intervals), 3, "Number of intervals is not valid.")
        .Require(TextValidation::IsWhole(intervals), 3, "Number of intervals must be integer.")
        .Require(!(intervals < RealOf(1)), 3, "Number of intervals must be at least one.")
        .Require(minimum < maximum, 1, "Minimum value must be less than maximum value.")
        .Require(!(minimum < lowest), 1, below.Text())
        .Require(!(maximum > highest), 2, above.Text());
    return check.Result();
}

} // namespace Brosquin
