#pragma once

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

} // namespace Brosquin
