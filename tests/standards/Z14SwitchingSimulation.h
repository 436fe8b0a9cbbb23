#pragma once

#include <cstdint>

namespace Brosquin
{

// A long-run average of the simulation and its standard error, from the spread of the averages
// of 100 equal batches of lots.
struct SimulatedValue
{
    double value;
    double error;
};

struct SimulatedSwitching
{
    SimulatedValue reduced;
    SimulatedValue normal;
    SimulatedValue tightened;
    // The share of lots accepted and the mean number of units inspected per lot.
    SimulatedValue pa;
    SimulatedValue asn;
};

// The Z1.4 switching rules with limit numbers ("Switching - Full") run lot by lot over counts of
// nonconforming units drawn afresh for every sample, for the cell of the tables at an AQL
// position, code letter and plan type. level is the fraction defective (defective units) or the
// mean number of defects per unit (defects per unit, counted as nonconformities).
//
// Start on normal. Normal to tightened when 2 of 5 or fewer consecutive lots on normal are not
// accepted; tightened to normal after 5 consecutive accepted lots. Normal to reduced when the
// preceding lots, all on normal and all accepted, hold no more nonconforming units in all their
// samples than the limit number of their total of sample units; they are the preceding 10 lots,
// or as many more as it takes for that total to reach a row with a limit number. Reduced to
// normal when a lot is not accepted or is accepted with more than the table's accept number.
SimulatedSwitching SimulateZ14Switching(std::uint8_t characteristic, std::uint32_t aqlPosition,
                                        std::uint32_t letter, std::uint32_t planType, double level,
                                        std::int64_t lots, std::uint64_t seed);

} // namespace Brosquin
