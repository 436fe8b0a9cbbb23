#include "standards/Z19Tables.h"

namespace Brosquin
{

Z19PlanKind Z19KindOf(std::uint32_t planType)
{
    static constexpr Z19PlanKind kinds[6] = {{true, false, true},   {true, false, false},
                                             {true, true, false},   {false, false, true},
                                             {false, false, false}, {false, true, false}};
    return kinds[planType];
}

bool Z19OptionUses(std::uint32_t option, InspectionRegime regime)
{
    switch (regime)
    {
    case InspectionRegime::Normal:
        return option != Z19OptionTightened && option != Z19OptionReduced;
    case InspectionRegime::Tightened:
        return option != Z19OptionNormal && option != Z19OptionReduced;
    case InspectionRegime::Reduced:
        return option == Z19OptionReduced || option == Z19OptionSwitchingFull;
    }
    return false;
}

std::uint32_t Z19Letter(std::uint32_t lotSize, std::uint32_t level)
{
    return static_cast<std::uint32_t>(Z19CodeLetterTable[lotSize][level]);
}

ChoiceTexts Z19ChoiceTextsOf(const StandardChoice& choice)
{
    return {
        Z19AqlTexts[choice.aql],           Z19LevelTexts[choice.level],
        Z19LotSizeTexts[choice.lotSize],   Z19CodeLetters[Z19Letter(choice.lotSize, choice.level)],
        Z19PlanTypeTexts[choice.planType], Z19OptionTexts[choice.option]};
}

const Z19Plan& Z19PlanOf(std::uint32_t aql, std::uint32_t letter, std::uint32_t planType,
                         InspectionRegime regime)
{
    // The tables: SD unknown k, M, then SD known k, M, each for normal, tightened, reduced.
    const Z19PlanKind kind = Z19KindOf(planType);
    const std::uint32_t base = (kind.sdKnown ? 6 : 0) + (kind.form1 ? 0 : 3);
    return Z19PlanTables[base + static_cast<std::uint32_t>(regime)][aql][letter];
}

double Z19MinimumCp(std::uint32_t aql)
{
    return 1 / (6 * Z19MpsdFactors[aql]);
}

} // namespace Brosquin
