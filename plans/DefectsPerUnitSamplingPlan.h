#pragma once

#include "plans/CountedLotSamplingPlan.h"

namespace Brosquin
{

// Plans whose quality level is the mean number of defects per unit, shown per unit, per hundred
// or per million units; it has no upper bound. Lots of any size follow the Poisson distribution,
// a given lot the binomial over the lot's defects.
class DefectsPerUnitSamplingPlan : public CountedLotSamplingPlan
{
public:
    static UnitsTable& Units();

    std::uint8_t CharacteristicId() const override;
    const char* CharacteristicName() const override;
    Real& dRangeLower() override;

protected:
    DefectsPerUnitSamplingPlan();
    DefectsPerUnitSamplingPlan(const DefectsPerUnitSamplingPlan& other) = default;

    // The quality level as the statistics take it: defects per single unit.
    double dLevelOf(const Real& p) const { return p.dValue() / dUnitsFactor(); }
};

} // namespace Brosquin
