#include "standards/Z14Tables.h"

#include "plans/SamplingPlan.h"

#include <cstddef>

namespace Brosquin
{

namespace
{

// The number of entries of a choice list before its end marker.
template <std::size_t size> constexpr std::uint32_t ChoiceCount(const char* const (&)[size])
{
    return size - 1;
}

// The cells of a double or multiple plan hold cumulative numbers; every stage's reject number is
// stored but the last of normal and tightened single and double cells, which is accept + 1.
Z14Plan PlanOfCell(const std::int32_t* cell, std::uint32_t planType, Z14Regime regime)
{
    Z14Plan plan;
    plan.planType = planType;
    plan.n = cell[0];
    const int stages = plan.Stages();
    const bool lastRejectStored = regime == Z14Regime::Reduced || planType == Z14Multiple;
    for (int k = 0; k < stages; ++k)
    {
        plan.accept[k] = cell[1 + 2 * k];
        plan.reject[k] = k + 1 < stages || lastRejectStored ? cell[2 + 2 * k] : cell[1 + 2 * k] + 1;
    }
    plan.stayAccept = plan.accept[stages - 1];
    plan.accept[stages - 1] = plan.reject[stages - 1] - 1;
    return plan;
}

} // namespace

ChoiceCounts Z14ChoiceCounts(std::uint8_t characteristic)
{
    return {characteristic == SamplingPlan::DefectiveUnits ? ChoiceCount(Z14DefectivesAqlTexts)
                                                           : ChoiceCount(Z14DefectsPerUnitAqlTexts),
            ChoiceCount(Z14LevelTexts), ChoiceCount(Z14LotSizeTexts), ChoiceCount(Z14PlanTypeTexts),
            ChoiceCount(Z14OptionTexts)};
}

bool Z14OptionUses(std::uint32_t option, Z14Regime regime)
{
    switch (regime)
    {
    case Z14Regime::Normal:
        return option != Z14OptionTightened && option != Z14OptionReduced;
    case Z14Regime::Tightened:
        return option != Z14OptionNormal && option != Z14OptionReduced;
    case Z14Regime::Reduced:
        return option == Z14OptionReduced || option == Z14OptionSwitchingFull ||
               option == Z14OptionSwitchingNoLimitNumbers;
    }
    return false;
}

ChoiceTexts Z14ChoiceTextsOf(const StandardChoice& choice)
{
    return {Z14DefectsPerUnitAqlTexts[choice.aql],
            Z14LevelTexts[choice.level],
            Z14LotSizeTexts[choice.lotSize],
            Z14CodeLetters[Z14CodeLetterTable[choice.lotSize][choice.level]],
            Z14PlanTypeTexts[choice.planType],
            Z14OptionTexts[choice.option]};
}

std::uint32_t Z14AqlTableRow(std::uint8_t characteristic, std::uint32_t aqlChoice)
{
    // The defects-per-unit list skips the standard's 15 (position 16) and 150 (position 21).
    if (characteristic != SamplingPlan::DefectsPerUnit || aqlChoice < 16)
        return aqlChoice;
    return aqlChoice < 20 ? aqlChoice + 1 : aqlChoice + 2;
}

int Z14Plan::Stages() const
{
    static constexpr int stages[] = {1, 2, 7};
    return stages[planType];
}

int Z14Plan::FirstAcceptingStage() const
{
    int stage = 0;
    while (stage + 1 < Stages() && accept[stage] < 0)
        ++stage;
    return stage;
}

Z14Plan Z14PlanInEffect(std::uint32_t aqlPosition, std::uint32_t letter, std::uint32_t planType,
                        Z14Regime regime)
{
    const std::uint32_t cellIndex = aqlPosition * Z14LetterCount + letter;
    for (std::uint32_t type = planType;; --type)
    {
        const Z14PlanTable& table = Z14PlanTables[3 * type + static_cast<std::uint32_t>(regime)];
        const std::int32_t* cell = table.cells + cellIndex * table.fieldCount;
        // Single cells always hold a plan.
        if (cell[0] != 0 || type == Z14Single)
            return PlanOfCell(cell, type, regime);
    }
}

} // namespace Brosquin
