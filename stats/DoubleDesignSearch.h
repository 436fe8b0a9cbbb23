#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// The search shared by the double-plan designs of defective units and of defects per unit: the
// double plan (n1, a1, r1, n2, a2) of least cost C0 ASN(p0) + C1 E{#Stages}(p0) that meets the
// protection requirements, among the plans whose first sample is smaller than the single plan
// designed from the same levels and whose cost is below that plan's; each (n1, a1, r1, a2) has
// the smallest n2 that keeps Pa at the upper levels within their targets. Of plans of equal cost
// the one first in the order of n1, a1, r1 and a2 is the design.
//
// The search passes plans over only where a bound proves that none of them costs less than the
// best plan found (or as little, coming later in that order), and runs until it has proved its
// plan the cheapest, unless it is told to stop. The bounds hold for the cost without curtailing,
// the criterion of every plan class; under a method of curtailing they steer the search alike,
// so that the plan found meets the requirements and costs less than the single plan but need not
// be the cheapest.
//
// Two kinds of bound prune it: the first-stage ones (the least second sample any plan of a first
// sample needs, and the least chance of taking it), and the Lagrangian bounds of
// DoublePlanCostBound, which show whole ranges of first samples, and first accept numbers of
// those searched, dearer than the best plan found. The search first looks for the first sample
// that those bounds promise cheapest and searches it, then first samples spread over the range
// and ever nearer ones about the best found, so that the best plan is good early.

namespace Brosquin
{

// point(x + 1) / point(x) = (dIntercept - dSlope x) / (x + 1) where point(x) > 0.
struct PointRatio
{
    double dIntercept;
    double dSlope;
};

// log(P(count = t) at a level / P(count = t) at a reference level) for a sample of N units is
// t dPerCount + N dPerUnit.
struct LikelihoodSlope
{
    double dPerCount;
    double dPerUnit;
};

// What the search needs to know of a characteristic.
struct DoublePlanModel
{
    // Point and cumulative probabilities of the count of a sample of n units at a quality level.
    double (*point)(std::int64_t x, std::int64_t n, double level);
    double (*cumulative)(std::int64_t x, std::int64_t n, double level);
    PointRatio (*pointRatio)(std::int64_t n, double level);
    // Defined for levels strictly inside the model's range.
    LikelihoodSlope (*likelihoodSlope)(double level, double reference);
    // The evaluations of a double plan that its class makes.
    double (*pa)(double level, int n1, int a1, int r1, int n2, int a2);
    double (*asn)(double level, int n1, int a1, int r1, int n2, int a2, std::uint8_t method);
    double (*expectedStages)(double level, int n1, int a1, int r1, int n2, int a2);
    // The single plan designs and the single plan's ASN.
    void (*singleTwoLevels)(double aql, double ltpd, double paAql, double paLtpd, int& n, int& c);
    void (*singleThreeLevels)(double aql, double maximumAql, double ltpd, double paAql,
                              double paLtpd, int& n, int& c);
    double (*singleAsn)(double level, int n, int c, std::uint8_t method);
    // Defective units: no count exceeds its sample, so r1 <= n1 and a2 < n2 + a1 + 1 (the
    // second sample can reject whatever the first found), and n2 > r1 - a1 - 2.
    bool bCountsWithinSample;
};

// Below the mean of a sample of n units at a level the point probabilities only rise, up to the
// count LastRisingCount gives. FirstNormalCount is the first count from `from` to `to` (none
// beyond that one) whose point probability is a normal double, to + 1 where none is: the points
// below it are under 1e-307 and taken as 0, and steps from one point to the next start there,
// from a number with all its digits.
std::int64_t LastRisingCount(std::int64_t n, double level);
std::int64_t FirstNormalCount(const DoublePlanModel& model, std::int64_t n, double level,
                              std::int64_t from, std::int64_t to);

// Told now and then how far a design has come, from 0 to 1; returns false to stop it. The search
// shares its work among as many threads as the process may run at once (see SearcherCount), but
// tells its progress on the calling thread alone.
using DesignProgress = std::function<bool(double fraction)>;

struct DoubleDesignRequirements
{
    double dAql;
    std::optional<double> maximumAql; // the three-level design's further level
    double dLtpd;
    double dPaAql;
    double dPaLtpd;
    double dP0;
    double dC0;
    double dC1;
    std::uint8_t method;
    DesignProgress progress = {};
    // The searchers to share the work among where it is wide enough; 0 for SearcherCount's.
    std::int64_t searchers = 0;
};

// Writes the plan found; r1 = n2 = a2 = 0 when no double plan qualifies, n1 and a1 then hold the
// single plan. Returns false when the search was stopped through its progress: the plan written
// is then the best found, and a single plan written may not be the answer.
bool vdDesignDoublePlan(const DoublePlanModel& model, const DoubleDesignRequirements& requirements,
                        int& n1, int& a1, int& r1, int& n2, int& a2);

} // namespace Brosquin
