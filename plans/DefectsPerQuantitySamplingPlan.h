#pragma once

#include "plans/SamplingPlan.h"

#include <cstdint>

namespace Brosquin
{

// Plans that inspect an amount of material in the user's own unit of quantity and count its
// defects; the quality level is the mean number of defects per quantity unit, used unconverted.
// The units name is "Defects per " followed by the unit's name.
class DefectsPerQuantitySamplingPlan : public SamplingPlan
{
public:
    std::uint8_t CharacteristicId() const override;
    const char* CharacteristicName() const override;
    bool IsAOQDefined() const override;
    Real& dMinQualityLevel() override;
    bool IsFiniteLot() const override;
    Real& dQualityLevelStep() override;
    Real& dRangeLower() override;

    std::int8_t Method() const { return method; }
    bool IsLotSizeGiven() const { return lotSizeGiven; }
    const String& LotSizeText() const { return lotSizeText; }
    double dLotAmount() const { return lotAmount; }

    // Sample and lot sizes are amounts of material.
    using Number = double;

protected:
    DefectsPerQuantitySamplingPlan() = default;
    DefectsPerQuantitySamplingPlan(const DefectsPerQuantitySamplingPlan& other);

    // The quality level as the statistics take it: unchanged.
    double dLevelOf(const Real& p) const { return p.dValue(); }
    // The number of a text that has passed the checks of a number.
    static Number NumberOf(const char* text);
    Number LotNumber() const { return lotAmount; }
    void vdSetLotNumber(Number amount) { lotAmount = amount; }

    std::int8_t method = 0;
    bool lotSizeGiven = false;
    String lotSizeText;
    double lotAmount = 0;
};

} // namespace Brosquin
