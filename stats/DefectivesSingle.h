#pragma once

#include "stats/SingleDesignSearch.h"

#include <cstdint>

// Single sampling plans for defective units (n, c): inspect n units, accept the lot when at
// most c of them are defective. p is a fraction defective in [0, 1]; for a lot of N units, D is
// the number of defective units in it.
//
// Method of curtailing: 0 "No Curtailing", 1 "Full Curtailing" (stop as soon as the decision is
// certain), 2 "Curtail on Acceptance Only" (stop after n - c good units), 3 "Curtail on
// Rejection Only" (stop at the (c + 1)-th defective); any other index is treated as 0.

namespace Brosquin
{

// Pa = P(at most c defectives among n units), binomial.
double DefectivesSingleProbabilityAcceptance(double p, int n, int c);
// Pa for n units drawn without replacement from a lot of N holding D defectives.
double DefectivesSingleProbabilityAcceptanceFiniteLot(std::int64_t D, int n, int c, int N);

// Average sample number under the method of curtailing, lots of any size.
double DefectivesSingleAverageSampleNumber(double p, int n, int c, std::uint8_t method);
// Average sample number for a lot of N units holding D defectives.
double DefectivesSingleAverageSampleNumberFiniteLot(std::int64_t D, int n, int c, int N,
                                                    std::uint8_t method);

// What the shared single-plan design search needs of the binomial count.
const SinglePlanModel& BinomialSinglePlanModel();

// Designs the plan with the smallest accept number c such that, with n the smallest sample
// size giving Pa(LTPD) <= PaLTPD, Pa(AQL) >= PaAQL. Needs 0 <= AQL < LTPD <= 1 and both
// probabilities strictly between 0 and 1; otherwise, and when the plan would need more than
// 2^31 - 1 units, writes n = c = 0 (no plan).
void DefectivesSingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD, int& n,
                                     int& c);
// As above with the further requirement Pa(maximum AQL) <= PaAQL; needs AQL < maximum AQL <= 1.
void DefectivesSingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                       double PaLTPD, int& n, int& c);

// Smallest n in (lo, hi] with B(c; n, q) <= target, where B(c; lo, q) exceeds the target;
// hi = 0: no upper bound known. 0 when no n up to 2^31 - 1 qualifies.
std::int64_t DefectivesSingleMinimumSampleSize(std::int64_t c, double q, double target,
                                               std::int64_t lo, std::int64_t hi);
// The same with B(c; n, q1) <= target1 and B(c; n, q2) <= target2.
std::int64_t DefectivesSingleMinimumSampleSizeTwoConditions(std::int64_t c, double q1,
                                                            double target1, double q2,
                                                            double target2, std::int64_t lo,
                                                            std::int64_t hi);

} // namespace Brosquin
