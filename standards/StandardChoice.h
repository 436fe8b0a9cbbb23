#pragma once

#include <cstdint>

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

// The inspection regimes between which the switching rules move.
enum class InspectionRegime : std::uint32_t
{
    Normal = 0,
    Tightened = 1,
    Reduced = 2
};

} // namespace Brosquin
