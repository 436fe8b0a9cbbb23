#pragma once

#include <cstdint>
#include <optional>

// The search shared by the double-plan designs of defective units and of defects per unit: the
// double plan (n1, a1, r1, n2, a2) of least cost C0 ASN(p0) + C1 E{#Stages}(p0) that meets the
// protection requirements, among the plans whose first sample is smaller than the single plan
// designed from the same levels and whose cost is below that plan's. The search passes a plan
// over only where a bound shows that it costs at least as much as the best found; the bounds
// hold for the cost without curtailing, and steer the search alike under a method of curtailing.
// Every search ends after a bounded number of steps: where the single plan needs accept numbers
// in the hundreds and samples in the tens of thousands, it may end there with the best plan
// found so far (which meets the requirements and costs less than the single plan) or none.

namespace Brosquin
{

// What the search needs to know of a characteristic.
struct DoublePlanModel
{
    // Point and cumulative probabilities of the count of a sample of n units at a quality level.
    double (*point)(std::int64_t x, std::int64_t n, double level);
    double (*cumulative)(std::int64_t x, std::int64_t n, double level);
    // point(x + 1) / point(x) where point(x) > 0.
    double (*pointRatio)(std::int64_t x, std::int64_t n, double level);
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
};

// Writes the plan found; r1 = n2 = a2 = 0 when no double plan qualifies, n1 and a1 then hold the
// single plan.
void vdDesignDoublePlan(const DoublePlanModel& model, const DoubleDesignRequirements& requirements,
                        int& n1, int& a1, int& r1, int& n2, int& a2);

} // namespace Brosquin
