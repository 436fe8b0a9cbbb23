#pragma once

#include <cstdint>

// Double plans for defects per quantity: as those for defects per unit (DefectsPerUnitDouble)
// with sample amounts s1 and s2 of material instead of sample sizes, lambda defects per quantity
// unit and, for a lot, its amount L holding T defects.

namespace Brosquin
{

double DefectsPerQuantityDoubleProbabilityAcceptance(double lambda, double s1, int a1, int r1,
                                                     double s2, int a2);
// Kept within [0, 1].
double DefectsPerQuantityDoubleProbabilityAcceptanceFiniteLot(int T, double s1, int a1, int r1,
                                                              double s2, int a2, double L);
double DefectsPerQuantityDoubleAverageSampleNumber(double lambda, double s1, int a1, int r1,
                                                   double s2, int a2, std::uint8_t method);
double DefectsPerQuantityDoubleAverageSampleNumberFiniteLot(int T, double s1, int a1, int r1,
                                                            double s2, int a2, double L,
                                                            std::uint8_t method);
double DefectsPerQuantityDoubleExpectedStages(double lambda, double s1, int a1, int r1, double s2,
                                              int a2);
double DefectsPerQuantityDoubleExpectedStagesFiniteLot(int T, double s1, int a1, int r1, double s2,
                                                       int a2, double L);

// The defects-per-unit designs on a grid of thousandths of the quantity unit: the levels and p0
// per thousandth, the sample amounts returned as multiples of 0.001. s2 = 0 (and r1 = a2 = 0)
// when no double plan qualifies; s1 and a1 then hold the single plan.
void DefectsPerQuantityDoubleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                             double p0, double C0, double C1, double& s1, int& a1,
                                             int& r1, double& s2, int& a2, std::uint8_t method);
void DefectsPerQuantityDoubleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double p0, double C0,
                                               double C1, double& s1, int& a1, int& r1, double& s2,
                                               int& a2, std::uint8_t method);

} // namespace Brosquin
