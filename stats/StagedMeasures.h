#pragma once

#include <cstdint>

namespace Brosquin
{

// The three measures of a plan in stages at one quality level, as one pass over its stages gives
// them together.
struct StagedMeasures
{
    double dProbabilityAcceptance;
    double dAverageSampleNumber;
    double dExpectedStages;
};

// The measure asked for, of the three, when only one is; asked for together, Pa comes with each,
// E{#Stages} with the ASN, and a measure not asked for is 0.
enum class StagedMeasure : std::uint8_t
{
    probabilityAcceptance,
    averageSampleNumber,
    expectedStages,
};

// Whether the measures computed for one request hold those of another.
constexpr bool Holds(StagedMeasure computed, StagedMeasure asked)
{
    return computed == asked || computed == StagedMeasure::averageSampleNumber ||
           asked == StagedMeasure::probabilityAcceptance;
}

} // namespace Brosquin
