#include "standards/StandardChoice.h"

#include "core/RecordFields.h"

namespace Brosquin
{

namespace
{

std::array<std::uint32_t, 5> IndexesOf(const StandardChoice& choice)
{
    return {choice.aql, choice.level, choice.lotSize, choice.planType, choice.option};
}

} // namespace

int ChoiceOutsideItsList(const StandardChoice& choice, const ChoiceCounts& counts)
{
    const std::array<std::uint32_t, 5> indexes = IndexesOf(choice);
    for (std::size_t list = 0; list < indexes.size(); ++list)
        if (indexes[list] >= counts[list])
            return static_cast<int>(list) + 1;
    return 0;
}

int CheckStandardChoice(const StandardChoice& choice, const ChoiceCounts& counts, String& message)
{
    static constexpr const char* lists[5] = {"AQL", "Level", "Lot size", "Type", "Option"};
    const int outside = ChoiceOutsideItsList(choice, counts);
    if (outside != 0)
    {
        message = lists[outside - 1];
        message += " is not one of the choices.";
    }
    return outside;
}

bool ReadStandardChoice(std::istream& in, const ChoiceCounts& counts, StandardChoice& choice)
{
    std::array<std::uint32_t, 5> indexes{};
    for (std::size_t list = 0; list < indexes.size(); ++list)
        if (!ReadWhole<std::uint32_t>(in, 0, counts[list] - 1, indexes[list]))
            return false;
    choice = {indexes[0], indexes[1], indexes[2], indexes[3], indexes[4]};
    return true;
}

} // namespace Brosquin
