#pragma once

#include "plans/DefectivesSamplingPlan.h"
#include "standards/Z14SamplingPlan.h"

namespace Brosquin
{

class DefectivesSingleSamplingPlan;
class DefectivesDoubleSamplingPlan;
class DefectivesMultipleSamplingPlan;

struct DefectivesZ14Parts
{
    static constexpr std::uint8_t Characteristic = SamplingPlan::DefectiveUnits;
    using Family = DefectivesSamplingPlan;
    using Single = DefectivesSingleSamplingPlan;
    using Double = DefectivesDoubleSamplingPlan;
    using Multiple = DefectivesMultipleSamplingPlan;
};

// A Z1.4 plan for defective units.
class DefectivesZ14SamplingPlan final : public Z14SamplingPlan<DefectivesZ14Parts>
{
public:
    DefectivesZ14SamplingPlan();
    ~DefectivesZ14SamplingPlan() override;
    DefectivesZ14SamplingPlan* Clone() const override;

private:
    DefectivesZ14SamplingPlan(const DefectivesZ14SamplingPlan& other) = default;

    // Binomial, over the whole units.
    double LimitProbability(std::int32_t limit, double units, const Real& p) const override;
};

} // namespace Brosquin
