#include "core/RealOf.h"
#include "plans/SamplingPlan.h"

#include "core/OptimizationInput.h"

#include "plans/TextValidation.h"
#include "stats/MonotoneInverse.h"
#include "stats/UnimodalMaximum.h"

#include <cmath>
#include <limits>

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
        result = dLevelSearch(pa, LotLevelSide::ByProbability);
    return result;
}

double SamplingPlan::NumberAt(Measure measure, double x)
{
    Real value = ValueAt(measure, x);
    return IsNumber(value) ? value.dValue() : std::numeric_limits<double>::quiet_NaN();
}

Real SamplingPlan::dLevelSearch(const Real& pa, LotLevelSide side)
{
    // An infinite bound is an open end. Above some level a finite lot holds more defects than can
    // be counted, and Pa there is a message, which the search reads as lying beyond the level.
    Real lowest = dMinQualityLevel();
    Real highest = dMaxQualityLevel();
    const InverseResult found = InverseOfMonotone(
        [this](double x) { return NumberAt(&SamplingPlan::dPa, x); }, pa.dValue(), IsPaDecreasing(),
        IsNumber(lowest) ? lowest.dValue() : -HUGE_VAL,
        IsNumber(highest) ? highest.dValue() : HUGE_VAL, searchTolerance, searchLimit);
    switch (found.end)
    {
    case InverseEnd::Unbounded:
        return MessageValue("Overflow");
    case InverseEnd::Unevaluable:
        return ValueAt(&SamplingPlan::dPa, found.level);
    case InverseEnd::Found:
        break;
    }
    return IsFiniteLot() ? SnapToStep(found.level, pa, side) : RealOf(found.level);
}

Real SamplingPlan::SnapToStep(double level, const Real& pa, LotLevelSide side)
{
    Real step = dQualityLevelStep();
    if (!IsNumber(step) || step.dValue() <= 0)
        return step;
    const double s = step.dValue();
    const bool decreasing = IsPaDecreasing();
    if (side == LotLevelSide::ByProbability)
    {
        // The attainable level on the safe side: at or below the exact point where a high Pa is
        // sought (the AQL side), at or above it where a low one is.
        const Real half = RealOf(0.5);
        if ((pa > half && decreasing) || (pa < half && !decreasing))
            return RealOf(std::floor(level / s) * s);
        if ((pa < half && decreasing) || (pa > half && !decreasing))
            return RealOf(std::ceil(level / s) * s);
        return RealOf(std::floor(level / s + 0.5) * s);
    }
    // The search counts a level whose Pa equals pa with those of a higher Pa, which lie below
    // the crossing on a falling curve: the nearest of them has Pa at or above pa, the nearest
    // level across has Pa below pa.
    const double atLeast = (decreasing ? std::floor(level / s) : std::ceil(level / s)) * s;
    if (side == LotLevelSide::AtLeast)
        return RealOf(atLeast);
    const double across = (decreasing ? std::ceil(level / s) : std::floor(level / s)) * s;
    // A level whose Pa is exactly pa is at most pa too, and nearer the crossing.
    Real paAt = ValueAt(&SamplingPlan::dPa, atLeast);
    return RealOf(IsNumber(paAt) && paAt.dValue() == pa.dValue() ? atLeast : across);
}

Real SamplingPlan::PointAt(const Real& pa, LotLevelSide side)
{
    return IsFiniteLot() ? dLevelSearch(pa, side) : Real(dQualityLevelAtPa(pa));
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
    result = CostOf(asn, stages);
    return result;
}

Real SamplingPlan::CostOf(const Real& asn, const Real& expectedStages)
{
    return C0() * asn + C1() * expectedStages;
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
    const double first = aql < ltpd ? aql : ltpd;
    const double second = aql < ltpd ? ltpd : aql;

    // On a finite lot only the levels of a whole number of defectives (defects) can occur; the
    // measure is searched on those, so its maximum is one the lot can have.
    Real step = dQualityLevelStep();
    if (IsFiniteLot() && IsNumber(step) && step.dValue() > 0)
    {
        const double s = step.dValue();
        const MaximumResult found = MaximumOfUnimodalOnWholeNumbers(
            [&](double k) { return NumberAt(measure, k * s); }, outerA / s, outerB / s, first / s,
            second / s, searchTolerance, searchLimit);
        return ValueAt(measure, found.level * s);
    }
    return dMaximumOver(measure, outerA, outerB, first, second);
}

Real SamplingPlan::dMaximumOver(Measure measure, double lowest, double highest, double first,
                                double second)
{
    const MaximumResult found =
        PeakOf([&](double x) { return NumberAt(measure, x); }, lowest, highest, first, second);
    return ValueAt(measure, found.level);
}

MaximumResult SamplingPlan::PeakOf(const std::function<double(double)>& measure, double lowest,
                                   double highest, double first, double second)
{
    return MaximumOfUnimodal(measure, lowest, highest, first, second, searchTolerance, searchLimit);
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
    // The points first: the range, the maxima and the Pa values are found from them. On a
    // finite lot, the AQL point is the largest attainable level with Pa at or above the AQL
    // probability, the LTPD point the smallest with Pa at or below the LTPD probability.
    aqlPoint = PointAt(PaAtAQL(), LotLevelSide::AtLeast);
    aqlPointText = PointText(aqlPoint);
    ltpdPoint = PointAt(PaAtLTPD(), LotLevelSide::AtMost);
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
