#include "plans/SamplingPlanEvaluationList.h"

#include "core/RealOf.h"
#include "plans/QualityLevelRange.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanSession.h"
#include "plans/SessionBounds.h"

#include <utility>

namespace Brosquin
{

namespace
{

// A value in message state takes no part in the scales: it never replaces a number, and the first
// number replaces it.
bool Replaces(const Real& candidate, const Real& current, bool smaller)
{
    if (!IsNumber(candidate))
        return false;
    if (!IsNumber(current))
        return true;
    return smaller ? candidate < current : candidate > current;
}

} // namespace

void SamplingPlanEvaluationList::vdComputeScales(Real& xMinimum, Real& xMaximum, Real& asnMinimum,
                                                 Real& asnMaximum, Real& costMinimum,
                                                 Real& costMaximum, Real& aoqMinimum,
                                                 Real& aoqMaximum)
{
    for (Real* minimum : {&asnMinimum, &costMinimum, &aoqMinimum})
        *minimum = RealOf(0.0);
    if (Count() == 0)
        return;
    SamplingPlan& first = Plan(1);
    xMinimum = first.RangeLower();
    xMaximum = first.RangeUpper();
    asnMaximum = first.MaximumASN();
    costMaximum = first.MaximumCost();
    aoqMaximum = first.AOQLValue();
    for (std::uint32_t i = 2; i <= Count(); ++i)
    {
        const SamplingPlan& plan = Plan(i);
        if (Replaces(plan.RangeLower(), xMinimum, true))
            xMinimum = plan.RangeLower();
        for (auto [current, candidate] :
             {std::pair{&xMaximum, &plan.RangeUpper()}, std::pair{&asnMaximum, &plan.MaximumASN()},
              std::pair{&costMaximum, &plan.MaximumCost()},
              std::pair{&aoqMaximum, &plan.AOQLValue()}})
            if (Replaces(*candidate, *current, false))
                *current = *candidate;
    }
    RoundRange(xMinimum, xMaximum);
    // The scale never shows levels the plans cannot have.
    const Real lowest = first.dMinQualityLevel();
    if (IsNumber(lowest) && xMinimum < lowest)
        xMinimum = lowest;
    const Real highest = first.dMaxQualityLevel();
    if (IsNumber(highest) && xMaximum > highest)
        xMaximum = highest;
    for (auto [minimum, maximum] :
         {std::pair{&asnMinimum, &asnMaximum}, std::pair{&costMinimum, &costMaximum},
          std::pair{&aoqMinimum, &aoqMaximum}})
    {
        RoundRange(*minimum, *maximum);
        if (*minimum < RealOf(0.0))
            *minimum = RealOf(0.0);
    }
}

std::uint32_t SamplingPlanEvaluationList::MostIntervals() const
{
    if (Count() == 0 || !session)
        return MaximumIntervals;
    const std::uint64_t others = session->PlanRows(this);
    const std::uint64_t rows = others < LargestPlanRows ? (LargestPlanRows - others) / Count() : 0;
    return rows > MaximumIntervals ? MaximumIntervals
                                   : static_cast<std::uint32_t>(rows > 0 ? rows - 1 : 0);
}

int SamplingPlanEvaluationList::SetRange(const char* minimumText, const char* maximumText,
                                         const char* intervalsText, String& message)
{
    if (Count() == 0)
    {
        message = "No sampling plan to evaluate.";
        return 1;
    }
    Real minimum, maximum, intervals;
    minimum = minimumText;
    maximum = maximumText;
    intervals = intervalsText;
    int result = Plan(1).ValidateRange(minimum, maximum, intervals, message);
    // The curves table has a row for every grid point; more than it can hold would only exhaust
    // the memory.
    if (result == 0 && intervals > RealOf(MostIntervals()))
    {
        message = "Number of intervals cannot be above ";
        message += RealOf(MostIntervals()).Text(0, true);
        message += ".";
        result = 3;
    }
    if (result != 0)
        return result;
    tableMinimum = minimum;
    tableMaximum = maximum;
    tableIntervals = intervals;
    vdBuildCurvesTable();
    return 0;
}

} // namespace Brosquin
