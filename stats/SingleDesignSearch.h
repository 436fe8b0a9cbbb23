#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The search shared by the single-plan designs of every characteristic: for each accept
// number c, n(c) is the smallest sample size whose probability of acceptance stays at or below
// the targets at the upper quality levels; the design is the smallest c whose plan (n(c), c)
// reaches the probability required at the AQL.

namespace Brosquin
{

// Probability of acceptance of the single plan (n, c) at quality level q.
using SinglePlanProbability = double (*)(std::int64_t c, std::int64_t n, double q);

// Sample sizes and accept numbers are 32-bit integers: no design returns a larger one.
inline constexpr std::int64_t largestSampleSize = 2147483647;
inline constexpr std::int64_t largestAcceptNumber = largestSampleSize;

// The condition Pa(dLevel) <= dTarget.
struct UpperCondition
{
    double dLevel;
    double dTarget;
};

// The smallest n in (lo, hi] for which the plan (n, c) meets every condition, or in [lo, hi]
// when lowerEndCounts is set; hi = 0 means that no upper bound is known. Returns 0 when no n
// up to largestSampleSize meets them. Outside lowerEndCounts, lo is taken to fail, and a hi
// that is given is taken to meet the conditions.
std::int64_t SmallestSampleSize(SinglePlanProbability pa, std::int64_t c,
                                std::span<const UpperCondition> conditions, std::int64_t lo,
                                std::int64_t hi, bool lowerEndCounts);

// What the designs need to know of a characteristic.
struct SinglePlanModel
{
    SinglePlanProbability pa;
    // Estimate of the smallest n with Pa(level) <= target at c = 0 (it may be infinite).
    double (*zeroAcceptanceSize)(double level, double target);
    // Quality levels above this one do not exist (1 for a fraction defective).
    double dLargestLevel;
    // Whether the sample-size searches count their lower end (see SmallestSampleSize).
    bool bLowerEndCounts;
};

// The designs from two and three quality levels: c steps by one up to 25, then doubles, and is
// bisected back, with a final scan for a smaller accept number that the discreteness of n(c)
// lets through. The scan examines at most the 256 accept numbers below the bisection's answer,
// so that every design ends after bounded work; only where the levels or the probabilities are
// so close that millions of accept numbers lie between can a smaller one below those also meet
// the AQL requirement (the plan returned meets both requirements all the same). They write n = c =
// 0 (no plan) when the requirements are outside 0 <= aql < ltpd <= largest level (and aql <
// maximumAql <= largest level) with both probabilities strictly between 0 and 1, and when the plan
// would need a sample size above largestSampleSize or an accept number above largestAcceptNumber.
void DesignSinglePlanTwoLevels(const SinglePlanModel& model, double aql, double ltpd, double paAql,
                               double paLtpd, int& n, int& c);
// SmallestSampleSize with the model's probability and lower-end rule, for the conditions
// Pa(q1) <= target1 and, when q2 is given, Pa(q2) <= target2.
std::int64_t ModelSampleSize(const SinglePlanModel& model, std::int64_t c, double q1,
                             double target1, std::optional<double> q2, double target2,
                             std::int64_t lo, std::int64_t hi);

void DesignSinglePlanThreeLevels(const SinglePlanModel& model, double aql, double maximumAql,
                                 double ltpd, double paAql, double paLtpd, int& n, int& c);

} // namespace Brosquin
