#pragma once

#include "plans/DefectsPerUnitSamplingPlan.h"
#include "standards/Z14SamplingPlan.h"

namespace Brosquin
{

class DefectsPerUnitSingleSamplingPlan;
class DefectsPerUnitDoubleSamplingPlan;
class DefectsPerUnitMultipleSamplingPlan;

struct DefectsPerUnitZ14Parts
{
    static constexpr std::uint8_t Characteristic = SamplingPlan::DefectsPerUnit;
    using Family = DefectsPerUnitSamplingPlan;
    using Single = DefectsPerUnitSingleSamplingPlan;
    using Double = DefectsPerUnitDoubleSamplingPlan;
    using Multiple = DefectsPerUnitMultipleSamplingPlan;
};

// A Z1.4 plan for defects per unit.
class DefectsPerUnitZ14SamplingPlan final : public Z14SamplingPlan<DefectsPerUnitZ14Parts>
{
public:
    DefectsPerUnitZ14SamplingPlan();
    ~DefectsPerUnitZ14SamplingPlan() override;
    DefectsPerUnitZ14SamplingPlan* Clone() const override;

private:
    DefectsPerUnitZ14SamplingPlan(const DefectsPerUnitZ14SamplingPlan& other) = default;

    // Poisson, with the mean over the units as they are.
    double LimitProbability(std::int32_t limit, double units, const Real& p) const override;
};

} // namespace Brosquin
