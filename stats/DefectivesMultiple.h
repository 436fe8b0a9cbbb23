#pragma once

#include "stats/StagedConditionals.h"
#include "stats/StagedMeasures.h"

#include <cstdint>

// Multiple sampling plans for defective units: k stages with sample sizes n[i], accept numbers
// a[i] (-1: no acceptance at that stage) and reject numbers r[i] on the running count of
// defectives, r[k - 1] = a[k - 1] + 1. p is a fraction defective; for a lot of N units, D is the
// number of defective units in it, and each stage draws from the units not yet inspected.
//
// Method of curtailing: 0 "No Curtailing", 1 "Full Curtailing", 2 "Curtail on Acceptance All
// Stages", 3 "Curtail on Rejection All Stages", 4 "Curtail Except First Stage", 5 "Curtail on
// Acceptance Except First Stage", 6 "Curtail on Rejection Except First Stage"; any other code
// curtails fully. With k < 1 there is no plan: Pa and ASN are 0, E{#Stages} 1.

namespace Brosquin
{

double DefectivesMultipleProbabilityAcceptance(double p, int k, const int n[], const int a[],
                                               const int r[]);
double DefectivesMultipleProbabilityAcceptanceFiniteLot(std::int64_t D, int k, const int n[],
                                                        const int a[], const int r[], int N);
double DefectivesMultipleAverageSampleNumber(double p, int k, const int n[], const int a[],
                                             const int r[], std::uint8_t method);
double DefectivesMultipleAverageSampleNumberFiniteLot(std::int64_t D, int k, const int n[],
                                                      const int a[], const int r[], int N,
                                                      std::uint8_t method);
double DefectivesMultipleExpectedStages(double p, int k, const int n[], const int a[],
                                        const int r[]);
double DefectivesMultipleExpectedStagesFiniteLot(std::int64_t D, int k, const int n[],
                                                 const int a[], const int r[], int N);

// The measures of the plan at one level, those wanted (StagedMeasures.h) from one pass over the
// stages, as the functions above give them one at a time. prepared: null, or the plan's
// conditional chances of going on (StagedConditionals.h), which make each level cost a pass over
// the counts instead of a convolution, and Pa alone a pass over the stages that can accept.
StagedMeasures DefectivesMultipleMeasures(double p, int k, const int n[], const int a[],
                                          const int r[], std::uint8_t method, StagedMeasure wanted,
                                          const StagedConditionals* prepared);
StagedMeasures DefectivesMultipleMeasuresFiniteLot(std::int64_t D, int k, const int n[],
                                                   const int a[], const int r[], int N,
                                                   std::uint8_t method, StagedMeasure wanted,
                                                   const StagedConditionals* prepared);

} // namespace Brosquin
