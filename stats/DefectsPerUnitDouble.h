#pragma once

#include "stats/DoubleDesignSearch.h"

#include <cstdint>

// Double plans for defects per unit (n1, a1, r1, n2, a2) on the count of defects: inspect n1
// units; with d1 defects accept when d1 <= a1, reject when d1 >= r1, otherwise inspect n2 more
// units and accept when the total is at most a2. u is the mean number of defects per unit; for
// a lot of N units, T is its total number of defects, each lying in a sample with probability
// the sample's size over the units left.
//
// Method of curtailing: 0 "No Curtailing", 1 "Curtail on Rejection" (both stages), 2 "Curtail on
// Second Stage Rejection Only"; any other code curtails as 2.

namespace Brosquin
{

double DefectsPerUnitDoubleProbabilityAcceptance(double u, int n1, int a1, int r1, int n2, int a2);
// Kept within [0, 1].
double DefectsPerUnitDoubleProbabilityAcceptanceFiniteLot(std::int64_t T, int n1, int a1, int r1,
                                                          int n2, int a2, int N);
double DefectsPerUnitDoubleAverageSampleNumber(double u, int n1, int a1, int r1, int n2, int a2,
                                               std::uint8_t method);
double DefectsPerUnitDoubleAverageSampleNumberFiniteLot(std::int64_t T, int n1, int a1, int r1,
                                                        int n2, int a2, int N, std::uint8_t method);
double DefectsPerUnitDoubleExpectedStages(double u, int n1, int a1, int r1, int n2, int a2);
double DefectsPerUnitDoubleExpectedStagesFiniteLot(std::int64_t T, int n1, int a1, int r1, int n2,
                                                   int a2, int N);

// The designs of DefectivesDouble on the Poisson model, levels in defects per unit.
bool DefectsPerUnitDoubleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                         double p0, double C0, double C1, int& n1, int& a1, int& r1,
                                         int& n2, int& a2, std::uint8_t method,
                                         const DesignProgress& progress = {});
bool DefectsPerUnitDoubleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                           double PaLTPD, double p0, double C0, double C1, int& n1,
                                           int& a1, int& r1, int& n2, int& a2, std::uint8_t method,
                                           const DesignProgress& progress = {});

// What the shared double design search needs of this characteristic.
const DoublePlanModel& PoissonDoublePlanModel();

} // namespace Brosquin
