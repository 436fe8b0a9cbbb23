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

// The evaluations of Pa that the designs' scan for a smaller accept number may take: the
// probabilities the dialogs offer keep it below a tenth of this for every level.
inline constexpr std::int64_t singleDesignScanLimit = std::int64_t{1} << 18;

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

// The designs from two and three quality levels: the smallest accept number c whose plan
// (n(c), c) reaches the probability required at the AQL, with that n(c). c steps by one up to
// 25, then doubles, and is bisected back; since the discreteness of n(c) may let a smaller accept
// number through, the runs of accept numbers sharing a sample size are then scanned from the
// fewest units that any plan meeting both requirements needs (LeastRandomisedSampleSize). Only
// probabilities at the AQL and the LTPD so close that the scan would take millions of steps end
// it early, with a plan that meets both requirements all the same. They write n = c = 0 (no
// plan) when the requirements are outside 0 <= aql < ltpd <= largest level (and aql <
// maximumAql <= largest level) with both probabilities strictly between 0 and 1, and when the
// plan would need a sample size above largestSampleSize or an accept number above
// largestAcceptNumber.
void DesignSinglePlanTwoLevels(const SinglePlanModel& model, double aql, double ltpd, double paAql,
                               double paLtpd, int& n, int& c);
// The smallest n up to hi at which a sample of n with a randomised accept number (accepting below
// a count, and at it by chance) meets Pa(aql) >= paAql and Pa(ltpd) <= paLtpd, hi when none
// below does. The count is sufficient, and by the Neyman-Pearson lemma these tests are the most
// powerful of all tests on n units: no single or double plan meets both requirements with fewer
// units in all.
std::int64_t LeastRandomisedSampleSize(SinglePlanProbability pa, double aql, double ltpd,
                                       double paAql, double paLtpd, std::int64_t hi);

// SmallestSampleSize with the model's probability and lower-end rule, for the conditions
// Pa(q1) <= target1 and, when q2 is given, Pa(q2) <= target2.
std::int64_t ModelSampleSize(const SinglePlanModel& model, std::int64_t c, double q1,
                             double target1, std::optional<double> q2, double target2,
                             std::int64_t lo, std::int64_t hi);

void DesignSinglePlanThreeLevels(const SinglePlanModel& model, double aql, double maximumAql,
                                 double ltpd, double paAql, double paLtpd, int& n, int& c);

} // namespace Brosquin
