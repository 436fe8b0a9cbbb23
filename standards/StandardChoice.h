#pragma once

#include "core/String.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <iosfwd>

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

// The number of entries (at least 1) of each of a standard's five lists, in the order of a
// choice.
using ChoiceCounts = std::array<std::uint32_t, 5>;

// 0 when every index lies within its list; otherwise the number (1 to 5, in the order of a
// choice) of the first that does not.
int ChoiceOutsideItsList(const StandardChoice& choice, const ChoiceCounts& counts);

// The check of a standard plan's choice: ChoiceOutsideItsList, with a message that names that
// list ("AQL is not one of the choices."); the message is left alone for a valid choice.
int CheckStandardChoice(const StandardChoice& choice, const ChoiceCounts& counts, String& message);

// The five choices of a standard plan's session record: each a whole number ("10.5" is refused)
// within its list. False, with the read-error flag set, at the first that is
// not; choice is then left alone.
bool ReadStandardChoice(std::istream& in, const ChoiceCounts& counts, StandardChoice& choice);

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
