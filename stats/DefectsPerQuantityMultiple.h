#pragma once

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

} // namespace Brosquin
