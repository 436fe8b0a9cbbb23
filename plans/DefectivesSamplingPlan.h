#pragma once

#include "plans/CountedLotSamplingPlan.h"

namespace Brosquin
{

// Plans whose quality level is the fraction of defective units, shown in one of three units
// ("Fraction Defective", "Percent Defective", "Defectives per Million"); the units factor is also
// the largest quality level. Lots of any size follow the binomial, a given lot the hypergeometric.
class DefectivesSamplingPlan : public CountedLotSamplingPlan
{
public:
    static UnitsTable& Units();

    std::uint8_t CharacteristicId() const override;
    const char* CharacteristicName() const override;
    Real& dMaxQualityLevel() override;
    Real& dRangeUpper() override;
    Real& dRangeLower() override;

protected:
    DefectivesSamplingPlan();
    DefectivesSamplingPlan(const DefectivesSamplingPlan& other) = default;
    DefectivesSamplingPlan& operator=(const DefectivesSamplingPlan& other) = default;

    // The fraction defective of quality level p, kept within [0, 1] (a level equal to the units
    // maximum within the Real tolerance may lie a rounding above it).
    double dFractionOf(const Real& p) const;
    // The quality level as the statistics take it: the fraction defective.
    double dLevelOf(const Real& p) const { return dFractionOf(p); }
};

} // namespace Brosquin
