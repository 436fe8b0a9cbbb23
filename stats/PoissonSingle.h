#pragma once

#include "stats/SingleDesignSearch.h"

#include <cstdint>

// Single plans that count the defects in an inspected amount and accept when there are at most
// c: the common ground of defects per unit (an amount of n units) and defects per quantity (an
// amount of material). rate is the mean number of defects per unit of amount; for a lot of the
// given amount holding T defects, each lies in the sample with probability amount / lot.
//
// Method of curtailing: 1 stops at the (c + 1)-th defect; any other index inspects the whole
// amount.

namespace Brosquin
{

// Pa = P(at most c defects), Poisson with mean amount x rate.
double PoissonSingleProbabilityAcceptance(double rate, double amount, int c);
// Pa for a lot holding T defects: binomial with T trials of probability amount / lot.
double PoissonSingleProbabilityAcceptanceFiniteLot(std::int64_t T, double amount, int c,
                                                   double lot);

// Average amount inspected, lots of any size and a lot holding T defects.
double PoissonSingleAverageSampleNumber(double rate, double amount, int c, std::uint8_t method);
double PoissonSingleAverageSampleNumberFiniteLot(std::int64_t T, double amount, int c, double lot,
                                                 std::uint8_t method);

// What the shared single-plan design search needs of the Poisson count.
const SinglePlanModel& PoissonSinglePlanModel();

// The designs in whole units of amount, as DefectsPerUnitSingleDesignTwoLevels and
// DefectsPerUnitSingleDesignThreeLevels describe them.
void PoissonSingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD, int& n,
                                  int& c);
void PoissonSingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                    double PaLTPD, int& n, int& c);
// The sample-size searches, as DefectsPerUnitSingleMinimumSampleSize and its two-condition form
// describe them.
std::int64_t PoissonSingleMinimumSampleSize(std::int64_t c, double q, double target,
                                            std::int64_t lo, std::int64_t hi);
std::int64_t PoissonSingleMinimumSampleSizeTwoConditions(std::int64_t c, double q1, double target1,
                                                         double q2, double target2, std::int64_t lo,
                                                         std::int64_t hi);

} // namespace Brosquin
