#pragma once

#include "stats/StagedConditionals.h"
#include "stats/StagedMeasures.h"

#include <cstdint>

// Multiple plans for defects per quantity: as those for defects per unit (DefectsPerUnitMultiple)
// with sample amounts s[i] of material instead of sample sizes, lambda defects per quantity unit
// and, for a lot, its amount L holding T defects.

namespace Brosquin
{

double DefectsPerQuantityMultipleProbabilityAcceptance(double lambda, int k, const double s[],
                                                       const int a[], const int r[]);
double DefectsPerQuantityMultipleProbabilityAcceptanceFiniteLot(std::int64_t T, int k,
                                                                const double s[], const int a[],
                                                                const int r[], double L);
double DefectsPerQuantityMultipleAverageSampleNumber(double lambda, int k, const double s[],
                                                     const int a[], const int r[],
                                                     std::uint8_t method);
double DefectsPerQuantityMultipleAverageSampleNumberFiniteLot(std::int64_t T, int k,
                                                              const double s[], const int a[],
                                                              const int r[], double L,
                                                              std::uint8_t method);
double DefectsPerQuantityMultipleExpectedStages(double lambda, int k, const double s[],
                                                const int a[], const int r[]);
double DefectsPerQuantityMultipleExpectedStagesFiniteLot(std::int64_t T, int k, const double s[],
                                                         const int a[], const int r[], double L);

// The measures of the plan at one level, those wanted (StagedMeasures.h) from one pass over the
// stages, as the functions above give them one at a time. prepared: null, or the plan's
// conditional chances of going on (StagedConditionals.h), which make each level cost a pass over
// the counts instead of a convolution, and Pa alone a pass over the stages that can accept.
StagedMeasures DefectsPerQuantityMultipleMeasures(double lambda, int k, const double s[],
                                                  const int a[], const int r[], std::uint8_t method,
                                                  StagedMeasure wanted,
                                                  const StagedConditionals* prepared);
StagedMeasures DefectsPerQuantityMultipleMeasuresFiniteLot(std::int64_t T, int k, const double s[],
                                                           const int a[], const int r[], double L,
                                                           std::uint8_t method,
                                                           StagedMeasure wanted,
                                                           const StagedConditionals* prepared);

} // namespace Brosquin
