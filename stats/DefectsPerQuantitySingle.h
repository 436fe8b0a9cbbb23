#pragma once

#include <cstdint>

// Single plans for defects per quantity (s, c): inspect an amount s of material (a length, an
// area, a volume), count its defects, accept when there are at most c. lambda is the mean
// number of defects per quantity unit; for a lot of amount L, T is its total number of
// defects, each lying in the sample with probability s / L.
//
// Method of curtailing: 0 "No Curtailing", 1 "Curtail on Rejection" (stop at the (c + 1)-th
// defect); any other index is treated as 0.

namespace Brosquin
{

// The designs cut the quantity unit into thousandths, each designed as one unit of a plan for
// defects per unit. Levels and amounts are divided and multiplied by this exactly once, so that
// an amount is the double nearest to its multiple of 0.001.
inline constexpr double quantityThousandths = 1000.0;

// Pa = P(at most c defects), Poisson with mean s lambda.
double DefectsPerQuantitySingleProbabilityAcceptance(double lambda, double s, int c);
// Pa for a lot of amount L holding T defects: binomial with T trials of probability s / L.
double DefectsPerQuantitySingleProbabilityAcceptanceFiniteLot(int T, double s, int c, double L);

// Average amount inspected, lots of any size.
double DefectsPerQuantitySingleAverageSampleNumber(double lambda, double s, int c,
                                                   std::uint8_t method);
// Average amount inspected for a lot of amount L holding T defects.
double DefectsPerQuantitySingleAverageSampleNumberFiniteLot(int T, double s, int c, double L,
                                                            std::uint8_t method);

// Designs on a grid of thousandths of the quantity unit: the defects-per-unit design at the
// levels per thousandth, its sample size returned as a multiple of 0.001. s = c = 0 when there
// is no plan (see DefectsPerUnitSingleDesignTwoLevels).
void DefectsPerQuantitySingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                             double& s, int& c);
void DefectsPerQuantitySingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double& s, int& c);

} // namespace Brosquin
