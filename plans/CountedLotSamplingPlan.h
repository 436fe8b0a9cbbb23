#pragma once

#include "plans/SamplingPlan.h"
#include "plans/UnitsTable.h"

#include <cstdint>

namespace Brosquin
{

// What the families of plans that count units share: quality levels in one row of the family's
// units table, a method of curtailing, and a lot of N units that may be given.
class CountedLotSamplingPlan : public SamplingPlan
{
public:
    bool IsAOQDefined() const override;
    Real& dMinQualityLevel() override;
    bool IsFiniteLot() const override;
    Real& dQualityLevelStep() override;
    void vdSetUnits(std::uint8_t index) override;

    std::uint8_t UnitsIndex() const { return unitsIndex; }
    std::int8_t Method() const { return method; }
    bool IsLotSizeGiven() const { return lotSizeGiven; }
    const String& LotSizeText() const { return lotSizeText; }
    std::int32_t LotSize() const { return lotSize; }

    // Sample and lot sizes are whole numbers of units.
    using Number = std::int32_t;

protected:
    // New plans take the table's current row.
    explicit CountedLotSamplingPlan(const UnitsTable& units);
    CountedLotSamplingPlan(const CountedLotSamplingPlan& other);
    CountedLotSamplingPlan& operator=(const CountedLotSamplingPlan& other) = default;

    // A quality level in the plan's units divided by this is a fraction defective, or a number
    // of defects per unit.
    double dUnitsFactor() const { return units->dFactor(unitsIndex); }
    // The count of a text that has passed the checks of a count.
    static Number NumberOf(const char* text);
    Number LotNumber() const { return lotSize; }
    void vdSetLotNumber(Number size) { lotSize = size; }

    std::uint8_t unitsIndex;
    std::int8_t method = 0;
    bool lotSizeGiven = false;
    String lotSizeText;
    std::int32_t lotSize = 0;

private:
    const UnitsTable* units;
};

} // namespace Brosquin
