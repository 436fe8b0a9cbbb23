#include "plans/DefectivesSamplingPlan.h"

#include "core/RealOf.h"
#include "plans/SamplingPlanDefinitions.h"

#include <algorithm>

namespace Brosquin
{

UnitsTable& DefectivesSamplingPlan::Units()
{
    return SamplingPlanDefinitions::Current().DefectivesUnits();
}

DefectivesSamplingPlan::DefectivesSamplingPlan() : CountedLotSamplingPlan(Units()) {}

std::uint8_t DefectivesSamplingPlan::CharacteristicId() const
{
    return DefectiveUnits;
}

const char* DefectivesSamplingPlan::CharacteristicName() const
{
    return "Defective Units";
}

Real& DefectivesSamplingPlan::dMaxQualityLevel()
{
    return Result(dUnitsFactor());
}

Real& DefectivesSamplingPlan::dRangeUpper()
{
    const Real highest = RealOf(dUnitsFactor());
    result = LTPDPoint() > highest / RealOf(2) ? highest : LTPDPoint();
    return result;
}

Real& DefectivesSamplingPlan::dRangeLower()
{
    const Real highest = RealOf(dUnitsFactor());
    if (AQLPoint() < highest / RealOf(2))
        return Result(0);
    result = AQLPoint();
    return result;
}

double DefectivesSamplingPlan::dFractionOf(const Real& p) const
{
    return std::clamp(p.dValue() / dUnitsFactor(), 0.0, 1.0);
}

} // namespace Brosquin
