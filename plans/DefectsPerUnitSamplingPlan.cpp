#include "plans/DefectsPerUnitSamplingPlan.h"

namespace Brosquin
{

UnitsTable& DefectsPerUnitSamplingPlan::Units()
{
    static UnitsTable units("Defects per Unit", "Defects per Hundred Units",
                            "Defects per Million Units");
    return units;
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
