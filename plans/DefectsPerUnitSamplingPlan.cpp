#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlanDefinitions.h"

namespace Brosquin
{

UnitsTable& DefectsPerUnitSamplingPlan::Units()
{
    return SamplingPlanDefinitions::Current().DefectsPerUnitUnits();
}

DefectsPerUnitSamplingPlan::DefectsPerUnitSamplingPlan() : CountedLotSamplingPlan(Units()) {}

std::uint8_t DefectsPerUnitSamplingPlan::CharacteristicId() const
{
    return DefectsPerUnit;
}

const char* DefectsPerUnitSamplingPlan::CharacteristicName() const
{
    return "Defects per Unit";
}

Real& DefectsPerUnitSamplingPlan::dRangeLower()
{
    return Result(0);
}

} // namespace Brosquin
