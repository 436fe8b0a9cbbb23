#pragma once

#include "standards/Z14Tables.h"

#include <cstdint>

namespace Brosquin
{

// The smallest total of sample units of each row of the limit-number table.
inline constexpr std::uint32_t Z14LimitNumberRowLowerBounds[17] = {
    20, 30, 50, 80, 130, 200, 320, 500, 800, 1250, 2000, 3150, 5000, 8000, 12500, 20000, 31500};

// By AQL position: the smallest total of sample units for which the limit-number table holds a
// number, the lower bound of the first row that is not -1.
inline constexpr std::int32_t Z14MinimumSampleUnits[26] = {
    20000, 12500, 8000, 5000, 3150, 2000, 1250, 800, 500, 320, 200, 130, 80,
    50,    30,    20,   20,   20,   20,   20,   20,  20,  20,  20,  20,  20};

// The limit number for switching from normal to reduced inspection at an AQL position (0..25)
// after a total of sample units: a number, -1 for too few units or -2 where none applies. A total
// below 20 counts as the first row.
std::int32_t Z14LimitNumber(std::uint32_t aqlPosition, std::uint32_t total);

// The switch to reduced inspection after a run of accepted lots of n sample units each (the
// normal plan's n, or its average sample number): the number of lots and the limit number their
// total must not exceed. Ten lots, unless they give too few units for a limit number; then as
// many lots as the minimum number of units needs. An n that is not a positive, finite number, or
// so small a fraction of a unit that the lots could not be counted, gives limit -2 (none) and 10
// lots.
void Z14ReducedLots(std::uint32_t aqlPosition, double n, std::int32_t& limit, std::int32_t& lots);

// Under a normal plan of the tables whose lots without a nonconforming unit reach a limit number
// of 0, and whose accepted lots holding some bring in too few further samples for a run of them
// ever to reach a row whose limit number they would meet, the switch to reduced inspection asks
// for just a number of consecutive lots accepted without one: returns that number. 0 elsewhere.
std::int32_t Z14CleanRunLots(std::uint32_t aqlPosition, const Z14Plan& normal);

} // namespace Brosquin
