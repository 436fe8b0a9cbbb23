#pragma once

#include "stats/StagedMeasures.h"

#include <cstdint>

// Multiple plans for defects per quantity: as those for defects per unit (DefectsPerUnitMultiple)
// with sample amounts s[i] of material instead of sample sizes, lambda defects per quantity unit
// and, for a lot, its amount L holding T defects.

namespace Brosquin
{

double DefectsPerQuantityMultipleProbabilityAcceptance(double lambda, int k, const double s[],
                                                       const int a[], const int r[]);
double DefectsPerQuantityMultipleProbabilityAcceptanceFiniteLot(int T, int k, const double s[],
                                                                const int a[], const int r[],
                                                                double L);
double DefectsPerQuantityMultipleAverageSampleNumber(double lambda, int k, const double s[],
                                                     const int a[], const int r[],
                                                     std::uint8_t method);
double DefectsPerQuantityMultipleAverageSampleNumberFiniteLot(int T, int k, const double s[],
                                                              const int a[], const int r[],
                                                              double L, std::uint8_t method);
double DefectsPerQuantityMultipleExpectedStages(double lambda, int k, const double s[],
                                                const int a[], const int r[]);
double DefectsPerQuantityMultipleExpectedStagesFiniteLot(int T, int k, const double s[],
                                                         const int a[], const int r[], double L);

// Pa, ASN and E{#Stages} from one pass over the stages, as the functions above give them one at
// a time; the ASN (its curtailed terms cost the most) only when averageSampleNumber is set, else
// 0.
StagedMeasures DefectsPerQuantityMultipleMeasures(double lambda, int k, const double s[],
                                                  const int a[], const int r[], std::uint8_t method,
                                                  bool averageSampleNumber);
StagedMeasures DefectsPerQuantityMultipleMeasuresFiniteLot(int T, int k, const double s[],
                                                           const int a[], const int r[], double L,
                                                           std::uint8_t method,
                                                           bool averageSampleNumber);

} // namespace Brosquin
