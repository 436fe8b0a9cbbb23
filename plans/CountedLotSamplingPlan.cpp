#include "plans/CountedLotSamplingPlan.h"

#include "core/RealOf.h"
#include "plans/TextValidation.h"

namespace Brosquin
{

CountedLotSamplingPlan::CountedLotSamplingPlan(const UnitsTable& units)
    : unitsIndex(static_cast<std::uint8_t>(units.CurrentIndex())), units(&units)
{
    unitsName = units.Name(unitsIndex);
}

CountedLotSamplingPlan::CountedLotSamplingPlan(const CountedLotSamplingPlan& other)
    : SamplingPlan(other), unitsIndex(other.unitsIndex), method(other.method),
      lotSizeGiven(other.lotSizeGiven), lotSizeText(other.lotSizeText), lotSize(other.lotSize),
      units(other.units)
{
}

CountedLotSamplingPlan::Number CountedLotSamplingPlan::NumberOf(const char* text)
{
    return TextValidation::CountOf(text);
}

bool CountedLotSamplingPlan::IsAOQDefined() const
{
    return true;
}

Real& CountedLotSamplingPlan::dMinQualityLevel()
{
    return Result(0);
}

bool CountedLotSamplingPlan::IsFiniteLot() const
{
    return lotSizeGiven;
}

Real& CountedLotSamplingPlan::dQualityLevelStep()
{
    if (!lotSizeGiven)
        return Result(0);
    result = RealOf(dUnitsFactor()) / RealOf(lotSize);
    return result;
}

void CountedLotSamplingPlan::vdSetUnits(std::uint8_t index)
{
    if (!UnitsTable::IsRow(index))
        return;
    unitsIndex = index;
    unitsName = units->Name(index);
    vdUpdateSummary();
}

} // namespace Brosquin
