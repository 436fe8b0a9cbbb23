#pragma once

#include <cstdint>

// Single plans for defects per unit (n, c): inspect n units, count all their defects, accept
// when there are at most c. u is the mean number of defects per unit (it may exceed 1); for a
// lot of N units, T is its total number of defects, each lying in the sample with
// probability n / N.
//
// Method of curtailing: 0 "No Curtailing", 1 "Curtail on Rejection" (stop at the (c + 1)-th
// defect); any other index is treated as 0.

namespace Brosquin
{

// Pa = P(at most c defects), Poisson with mean n u.
double DefectsPerUnitSingleProbabilityAcceptance(double u, int n, int c);
// Pa for a lot of N units holding T defects: binomial with T trials of probability n / N.
double DefectsPerUnitSingleProbabilityAcceptanceFiniteLot(std::int64_t T, int n, int c, int N);

// Average sample number, lots of any size.
double DefectsPerUnitSingleAverageSampleNumber(double u, int n, int c, std::uint8_t method);
// Average sample number for a lot of N units holding T defects.
double DefectsPerUnitSingleAverageSampleNumberFiniteLot(std::int64_t T, int n, int c, int N,
                                                        std::uint8_t method);

// Designs the plan with the smallest accept number c such that, with n the smallest sample
// size giving Pa(LTPD) <= PaLTPD, Pa(AQL) >= PaAQL. Needs 0 <= AQL < LTPD (finite) and both
// probabilities strictly between 0 and 1; otherwise, and when the plan would need more than
// 2^31 - 1 units, writes n = c = 0 (no plan).
void DefectsPerUnitSingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                         int& n, int& c);
// As above with the further requirement Pa(maximum AQL) <= PaAQL; needs AQL < maximum AQL.
void DefectsPerUnitSingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                           double PaLTPD, int& n, int& c);

// Smallest n in [lo, hi] with P(c; n q) <= target (lo itself when it qualifies); hi = 0: no
// upper bound known. 0 when no n up to 2^31 - 1 qualifies.
std::int64_t DefectsPerUnitSingleMinimumSampleSize(std::int64_t c, double q, double target,
                                                   std::int64_t lo, std::int64_t hi);
// The same with P(c; n q1) <= target1 and P(c; n q2) <= target2.
std::int64_t DefectsPerUnitSingleMinimumSampleSizeTwoConditions(std::int64_t c, double q1,
                                                                double target1, double q2,
                                                                double target2, std::int64_t lo,
                                                                std::int64_t hi);

} // namespace Brosquin
