#pragma once

#include "core/String.h"

#include <cstdint>
#include <initializer_list>

namespace Brosquin
{

// The five choices that pick a plan from a standard's tables, each an index into the standard's
// own list.
struct StandardChoice
{
    std::uint32_t aql;
    std::uint32_t level;
    std::uint32_t lotSize;
    std::uint32_t planType;
    std::uint32_t option;
};

// A choice as the standard's lists show it, with its code letter.
struct ChoiceTexts
{
    const char* aql;
    const char* level;
    const char* lotSize;
    char letter;
    const char* planType;
    const char* option;
};

// A plan's description of its choice: "Z1.4: AQL=0.65, L-II, 151 to 280, K, Normal, Single".
inline String StandardPlanDescription(const char* standard, const ChoiceTexts& texts)
{
    String description(standard);
    for (const char* part : {": AQL=", texts.aql, ", ", texts.level, ", ", texts.lotSize, ", "})
        description += part;
    description += texts.letter;
    for (const char* part : {", ", texts.option, ", ", texts.planType})
        description += part;
    return description;
}

// The inspection regimes between which the switching rules move.
enum class InspectionRegime : std::uint32_t
{
    Normal = 0,
    Tightened = 1,
    Reduced = 2
};

} // namespace Brosquin
