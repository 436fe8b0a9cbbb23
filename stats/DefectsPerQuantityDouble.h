#pragma once

#include "stats/DoubleDesignSearch.h"

#include <cstdint>

// Double plans for defects per quantity: as those for defects per unit (DefectsPerUnitDouble)
// with sample amounts s1 and s2 of material instead of sample sizes, lambda defects per quantity
// unit and, for a lot, its amount L holding T defects.

namespace Brosquin
{

double DefectsPerQuantityDoubleProbabilityAcceptance(double lambda, double s1, int a1, int r1,
                                                     double s2, int a2);
// Kept within [0, 1].
double DefectsPerQuantityDoubleProbabilityAcceptanceFiniteLot(std::int64_t T, double s1, int a1,
                                                              int r1, double s2, int a2, double L);
double DefectsPerQuantityDoubleAverageSampleNumber(double lambda, double s1, int a1, int r1,
                                                   double s2, int a2, std::uint8_t method);
double DefectsPerQuantityDoubleAverageSampleNumberFiniteLot(std::int64_t T, double s1, int a1,
                                                            int r1, double s2, int a2, double L,
                                                            std::uint8_t method);
double DefectsPerQuantityDoubleExpectedStages(double lambda, double s1, int a1, int r1, double s2,
                                              int a2);
double DefectsPerQuantityDoubleExpectedStagesFiniteLot(std::int64_t T, double s1, int a1, int r1,
                                                       double s2, int a2, double L);

// The defects-per-unit designs on the cells of the requirement (see QuantityCells): the levels
// and p0 per cell, C0 per cell's amount, the sample amounts returned as whole numbers of cells.
// s2 = 0 (and r1 = a2 = 0) when no double plan qualifies; s1 and a1 then hold the single plan.
// Returns false when the search was stopped through its progress (see DoubleDesignSearch).
bool DefectsPerQuantityDoubleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                             double p0, double C0, double C1, double& s1, int& a1,
                                             int& r1, double& s2, int& a2, std::uint8_t method,
                                             const DesignProgress& progress = {});
bool DefectsPerQuantityDoubleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double p0, double C0,
                                               double C1, double& s1, int& a1, int& r1, double& s2,
                                               int& a2, std::uint8_t method,
                                               const DesignProgress& progress = {});

} // namespace Brosquin
