#include "plans/DefectsPerQuantitySamplingPlan.h"

#include "core/RealOf.h"
#include "plans/TextValidation.h"

namespace Brosquin
{

DefectsPerQuantitySamplingPlan::DefectsPerQuantitySamplingPlan(
    const DefectsPerQuantitySamplingPlan& other)
    : SamplingPlan(other), method(other.method), lotSizeGiven(other.lotSizeGiven),
      lotSizeText(other.lotSizeText), lotAmount(other.lotAmount)
{
}

DefectsPerQuantitySamplingPlan::Number DefectsPerQuantitySamplingPlan::NumberOf(const char* text)
{
    return TextValidation::dNumberOf(text);
}

std::uint8_t DefectsPerQuantitySamplingPlan::CharacteristicId() const
{
    return DefectsPerQuantity;
}

const char* DefectsPerQuantitySamplingPlan::CharacteristicName() const
{
    return "Defects per Quantity";
}

bool DefectsPerQuantitySamplingPlan::IsAOQDefined() const
{
    return true;
}

Real& DefectsPerQuantitySamplingPlan::dMinQualityLevel()
{
    return Result(0);
}

bool DefectsPerQuantitySamplingPlan::IsFiniteLot() const
{
    return lotSizeGiven;
}

Real& DefectsPerQuantitySamplingPlan::dQualityLevelStep()
{
    if (!lotSizeGiven)
        return Result(0);
    result = RealOf(1) / RealOf(lotAmount);
    return result;
}

Real& DefectsPerQuantitySamplingPlan::dRangeLower()
{
    return Result(0);
}

} // namespace Brosquin
