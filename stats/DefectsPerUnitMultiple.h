#pragma once

#include "stats/StagedConditionals.h"
#include "stats/StagedMeasures.h"

#include <cstdint>

// Multiple plans for defects per unit: k stages (n[i], a[i], r[i]) on the running count of
// defects, as for defective units (a[i] = -1: no acceptance at that stage; r[k - 1] =
// a[k - 1] + 1). u is the mean number of defects per unit; for a lot of N units, T is its total
// number of defects, each defect still in the lot lying in the next sample with probability n[i]
// over the units left.
//
// Method of curtailing: 0 "No Curtailing", 1 "Curtail on Rejection All Stages", 2 "Curtail on
// Rejection Except First Stage"; any other code curtails as 1. With k < 1 there is no plan: Pa
// and ASN are 0, E{#Stages} 1.

namespace Brosquin
{

double DefectsPerUnitMultipleProbabilityAcceptance(double u, int k, const int n[], const int a[],
                                                   const int r[]);
double DefectsPerUnitMultipleProbabilityAcceptanceFiniteLot(std::int64_t T, int k, const int n[],
                                                            const int a[], const int r[], int N);
double DefectsPerUnitMultipleAverageSampleNumber(double u, int k, const int n[], const int a[],
                                                 const int r[], std::uint8_t method);
double DefectsPerUnitMultipleAverageSampleNumberFiniteLot(std::int64_t T, int k, const int n[],
                                                          const int a[], const int r[], int N,
                                                          std::uint8_t method);
double DefectsPerUnitMultipleExpectedStages(double u, int k, const int n[], const int a[],
                                            const int r[]);
double DefectsPerUnitMultipleExpectedStagesFiniteLot(std::int64_t T, int k, const int n[],
                                                     const int a[], const int r[], int N);

// The measures of the plan at one level, those wanted (StagedMeasures.h) from one pass over the
// stages, as the functions above give them one at a time. prepared: null, or the plan's
// conditional chances of going on (StagedConditionals.h), which make each level cost a pass over
// the counts instead of a convolution, and Pa alone a pass over the stages that can accept.
StagedMeasures DefectsPerUnitMultipleMeasures(double u, int k, const int n[], const int a[],
                                              const int r[], std::uint8_t method,
                                              StagedMeasure wanted,
                                              const StagedConditionals* prepared);
StagedMeasures DefectsPerUnitMultipleMeasuresFiniteLot(std::int64_t T, int k, const int n[],
                                                       const int a[], const int r[], int N,
                                                       std::uint8_t method, StagedMeasure wanted,
                                                       const StagedConditionals* prepared);

} // namespace Brosquin
