#include "stats/DefectsPerUnitSingle.h"
#include "stats/DefectsPerQuantitySingle.h"
#include "stats/DiscreteDistributions.h"
#include "stats/PoissonSingle.h"
#include "tests/stats/DesignWork.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace Brosquin
{
namespace
{

// Simpson's rule with many panels, for smooth integrands.
double Integral(const std::function<double(double)>& f, double from, double to)
{
    const int panels = 20000;
    const double h = (to - from) / panels;
    double sum = f(from) + f(to);
    for (int i = 1; i < panels; ++i)
        sum += f(from + i * h) * (i % 2 == 1 ? 4.0 : 2.0);
    return sum * h / 3.0;
}

TEST(DefectsPerUnitSingleTest, EvaluationAtTheEndsAndOutsideTheMethodList)
{
    EXPECT_EQ(DefectsPerUnitSingleProbabilityAcceptance(0.0, 20, 1), 1.0);
    EXPECT_EQ(DefectsPerUnitSingleAverageSampleNumber(0.0, 20, 1, 0), 20.0);
    EXPECT_EQ(DefectsPerUnitSingleAverageSampleNumber(0.0, 20, 1, 1), 20.0);
    for (std::uint8_t method : {0, 2, 3, 255})
    {
        EXPECT_EQ(DefectsPerUnitSingleAverageSampleNumber(0.4, 20, 1, method), 20.0);
        EXPECT_EQ(DefectsPerUnitSingleAverageSampleNumberFiniteLot(9, 20, 1, 100, method), 20.0);
    }
    // At most c defects in the whole lot: it cannot be rejected.
    EXPECT_EQ(DefectsPerUnitSingleAverageSampleNumberFiniteLot(1, 20, 1, 100, 1), 20.0);
    EXPECT_EQ(DefectsPerUnitSingleAverageSampleNumberFiniteLot(0, 20, 1, 100, 1), 20.0);
    EXPECT_DOUBLE_EQ(DefectsPerUnitSingleProbabilityAcceptance(0.05, 20, 2),
                     PoissonCumulative(2, 1.0));
    EXPECT_DOUBLE_EQ(DefectsPerUnitSingleProbabilityAcceptanceFiniteLot(12, 20, 2, 100),
                     BinomialCumulative(2, 12, 0.2));
}

TEST(DefectsPerUnitSingleTest, CurtailedAverageSampleNumberIsTheMeanStoppingPoint)
{
    // Inspection stops at the (c + 1)-th defect or after n units: the mean of that point is the
    // integral over [0, n] of the chance that fewer than c + 1 defects lie before t.
    for (int n : {5, 60})
        for (int c : {0, 3})
        {
            for (double u : {0.001, 0.05, 0.4, 3.0})
            {
                const double expected =
                    Integral([&](double t) { return PoissonCumulative(c, u * t); }, 0.0, n);
                EXPECT_NEAR(DefectsPerUnitSingleAverageSampleNumber(u, n, c, 1), expected,
                            1e-10 * expected)
                    << n << " " << c << " " << u;
            }
            // In a lot of N units the T defects lie uniformly.
            for (int T : {c + 1, 10, 250})
            {
                const int N = 300;
                const double expected =
                    Integral([&](double t) { return BinomialCumulative(c, T, t / N); }, 0.0, n);
                EXPECT_NEAR(DefectsPerUnitSingleAverageSampleNumberFiniteLot(T, n, c, N, 1),
                            expected, 1e-10 * expected)
                    << n << " " << c << " " << T;
            }
            // The largest lot and defect count: T + 1 and (c + 1) N are formed without overflow.
            const int most = 2147483647;
            const double expected =
                Integral([&](double t) { return BinomialCumulative(c, most, t / most); }, 0.0, n);
            EXPECT_NEAR(DefectsPerUnitSingleAverageSampleNumberFiniteLot(most, n, c, most, 1),
                        expected, 1e-10 * expected);
        }
}

// Smallest n with Poisson Pa at most the target at each level.
std::int64_t SmallestN(int c, const std::vector<std::pair<double, double>>& limits)
{
    const auto meets = [&](std::int64_t n)
    {
        for (const auto& [level, target] : limits)
            if (PoissonCumulative(c, static_cast<double>(n) * level) > target)
                return false;
        return true;
    };
    std::int64_t hi = 1;
    while (!meets(hi))
        hi *= 2;
    std::int64_t lo = 0;
    while (hi - lo > 1)
    {
        const std::int64_t middle = (lo + hi) / 2;
        (meets(middle) ? hi : lo) = middle;
    }
    return hi;
}

std::vector<std::pair<double, double>> UpperLimits(double maximumAql, double ltpd, double paAql,
                                                   double paLtpd)
{
    std::vector<std::pair<double, double>> limits = {{ltpd, paLtpd}};
    if (maximumAql > 0.0)
        limits.push_back({maximumAql, paAql});
    return limits;
}

// The plan meets every requirement evaluated exactly, with the smallest sample size for its
// accept number.
void ExpectPlanMeetingItsClaims(double aql, double maximumAql, double ltpd, double paAql,
                                double paLtpd, int n, int c)
{
    ASSERT_GT(n, 0);
    EXPECT_GE(DefectsPerUnitSingleProbabilityAcceptance(aql, n, c), paAql);
    EXPECT_LE(DefectsPerUnitSingleProbabilityAcceptance(ltpd, n, c), paLtpd);
    if (maximumAql > 0.0)
    {
        EXPECT_LE(DefectsPerUnitSingleProbabilityAcceptance(maximumAql, n, c), paAql);
    }
    EXPECT_EQ(n, SmallestN(c, UpperLimits(maximumAql, ltpd, paAql, paLtpd)));
}

// And no smaller accept number has a plan that meets the AQL requirement.
void ExpectSmallestPlanMeetingItsClaims(double aql, double maximumAql, double ltpd, double paAql,
                                        double paLtpd, int n, int c)
{
    ExpectPlanMeetingItsClaims(aql, maximumAql, ltpd, paAql, paLtpd, n, c);
    const std::vector<std::pair<double, double>> limits =
        UpperLimits(maximumAql, ltpd, paAql, paLtpd);
    for (int smaller = 0; smaller < c; ++smaller)
        EXPECT_LT(PoissonCumulative(smaller, static_cast<double>(SmallestN(smaller, limits)) * aql),
                  paAql)
            << "accept number " << smaller << " would do";
}

// The design through the shared search with its probabilities counted, checked to be the public
// design's.
DesignWork CountedDesign(double aql, double maximumAql, double ltpd, double paAql, double paLtpd)
{
    const DesignWork work =
        WorkOfDesign(PoissonSinglePlanModel(), aql, maximumAql, ltpd, paAql, paLtpd);
    int n = -1;
    int c = -1;
    if (maximumAql > 0.0)
        DefectsPerUnitSingleDesignThreeLevels(aql, maximumAql, ltpd, paAql, paLtpd, n, c);
    else
        DefectsPerUnitSingleDesignTwoLevels(aql, ltpd, paAql, paLtpd, n, c);
    EXPECT_EQ(work.n, n);
    EXPECT_EQ(work.c, c);
    EXPECT_LE(work.evaluations, designEvaluationBound);
    return work;
}

TEST(DefectsPerUnitSingleTest, CameronsUnityValues)
{
    // Cameron's table for c = 2: n p = 0.8177 at Pa 0.95 and 5.3223 at Pa 0.10.
    EXPECT_NEAR(PoissonCumulative(2, 0.8177), 0.95, 5e-6);
    EXPECT_NEAR(PoissonCumulative(2, 5.3223), 0.10, 5e-6);
    // So levels 0.0076 and 0.05 need c = 2 and n = ceil(5.3223 / 0.05) = 107.
    int n = 0;
    int c = 0;
    DefectsPerUnitSingleDesignTwoLevels(0.0076, 0.05, 0.95, 0.10, n, c);
    EXPECT_EQ(n, 107);
    EXPECT_EQ(c, 2);
}

TEST(DefectsPerUnitSingleTest, DesignsAreTheSmallestThatMeetTheirClaims)
{
    for (double aql : {0.0005, 0.01, 0.2, 3.0})
        for (double ratio : {1.6, 2.5, 8.0})
            for (double paAql : {0.99, 0.95})
                for (double paLtpd : {0.10, 0.01})
                {
                    const double ltpd = aql * ratio;
                    int n = 0;
                    int c = 0;
                    DefectsPerUnitSingleDesignTwoLevels(aql, ltpd, paAql, paLtpd, n, c);
                    SCOPED_TRACE(testing::Message() << aql << " " << ltpd << " " << paAql << " "
                                                    << paLtpd << ": n " << n << ", c " << c);
                    ExpectSmallestPlanMeetingItsClaims(aql, 0.0, ltpd, paAql, paLtpd, n, c);
                    const double maximumAql = aql * 1.3;
                    DefectsPerUnitSingleDesignThreeLevels(aql, maximumAql, ltpd, paAql, paLtpd, n,
                                                          c);
                    ExpectSmallestPlanMeetingItsClaims(aql, maximumAql, ltpd, paAql, paLtpd, n, c);
                }
}

TEST(DefectsPerUnitSingleTest, DesignsForManyDefectsPerUnitShareOneSampleSizeOverLongRuns)
{
    // Here n(c) stays at a few units while c runs into the hundreds.
    for (double aql : {12.0, 40.0})
        for (double ratio : {1.3, 2.0})
            for (double paAql : {0.99, 0.95})
            {
                const double ltpd = aql * ratio;
                int n = 0;
                int c = 0;
                DefectsPerUnitSingleDesignTwoLevels(aql, ltpd, paAql, 0.05, n, c);
                SCOPED_TRACE(testing::Message()
                             << aql << " " << ltpd << " " << paAql << ": n " << n << ", c " << c);
                ExpectSmallestPlanMeetingItsClaims(aql, 0.0, ltpd, paAql, 0.05, n, c);
            }
    // One unit, and the 95% point of a Poisson count of mean 10^7: P(10005201; 10^7) =
    // 0.9499912569326061 and P(10005202; 10^7) = 0.9500238616999345 (mpmath, regularised upper
    // incomplete gamma at 30 digits).
    const DesignWork unit = CountedDesign(1e7, 0.0, 2e7, 0.95, 0.10);
    EXPECT_EQ(unit.n, 1);
    EXPECT_EQ(unit.c, 10005202);
    // Runs of hundreds of accept numbers at 3, 4 and 5 units: the smallest that meets both
    // requirements is 329 at 3 units, far below those of the later runs.
    const DesignWork high = CountedDesign(100.0, 0.0, 120.0, 0.95, 0.10);
    EXPECT_EQ(high.n, 3);
    EXPECT_EQ(high.c, 329);
    ExpectSmallestPlanMeetingItsClaims(100.0, 0.0, 120.0, 0.95, 0.10, high.n, high.c);
    // Levels beyond what 32-bit accept numbers can judge: no plan, rather than an accept number
    // wrapped around to a negative one or a search without end.
    for (auto [aql, ltpd, paAql, paLtpd] :
         {std::array{1e9, 1.0001e9, 0.99, 0.01}, std::array{1e300, 1e301, 0.95, 0.10}})
    {
        const DesignWork none = CountedDesign(aql, 0.0, ltpd, paAql, paLtpd);
        EXPECT_EQ(none.n, 0) << aql;
        EXPECT_EQ(none.c, 0) << aql;
    }
}

TEST(DefectsPerUnitSingleTest, NearlyEqualLevelsOrProbabilitiesTakeBoundedWork)
{
    // The discreteness of n(c) lets accept numbers below the bisection's answer through: c = 260
    // where the bisection ends at 264, 34 at 97.
    for (auto [aql, ltpd, paAql, paLtpd] :
         {std::array{0.5, 0.6, 0.95, 0.10}, std::array{0.1, 0.1002, 0.5, 0.4999},
          std::array{2.0, 2.004, 0.5, 0.4999}})
        for (double maximumAql : {0.0, 0.5 * (aql + ltpd)})
        {
            const DesignWork plan = CountedDesign(aql, maximumAql, ltpd, paAql, paLtpd);
            SCOPED_TRACE(testing::Message() << aql << " " << maximumAql << " " << ltpd << ": n "
                                            << plan.n << ", c " << plan.c);
            ExpectSmallestPlanMeetingItsClaims(aql, maximumAql, ltpd, paAql, paLtpd, plan.n,
                                               plan.c);
        }
    // Probabilities so close that the accept numbers between the fewest units any plan needs and
    // the bisection's answer run into the millions: the scan ends at its limit, with a plan that
    // meets both requirements and has the smallest sample for its accept number.
    for (double maximumAql : {0.0, 0.50000005})
    {
        const DesignWork close = CountedDesign(0.5, maximumAql, 0.5000001, 0.5, 0.4999);
        ExpectPlanMeetingItsClaims(0.5, maximumAql, 0.5000001, 0.5, 0.4999, close.n, close.c);
    }
    // Plans beyond the 32-bit sample sizes.
    for (auto [aql, ltpd] : {std::pair{1e-11, 1e-9}, std::pair{1e-6, 1.05e-6}})
        for (double maximumAql : {0.0, 0.5 * (aql + ltpd)})
            EXPECT_EQ(CountedDesign(aql, maximumAql, ltpd, 0.95, 0.10).n, 0);
}

TEST(DefectsPerUnitSingleTest, NoPlanOutsideTheRequirements)
{
    const auto expectNoPlan = [](double aql, double ltpd, double paAql, double paLtpd)
    {
        int n = -1;
        int c = -1;
        DefectsPerUnitSingleDesignTwoLevels(aql, ltpd, paAql, paLtpd, n, c);
        EXPECT_EQ(n, 0) << aql << " " << ltpd;
        EXPECT_EQ(c, 0);
        DefectsPerUnitSingleDesignThreeLevels(aql, 0.5 * (aql + ltpd), ltpd, paAql, paLtpd, n, c);
        EXPECT_EQ(n, 0);
        EXPECT_EQ(c, 0);
    };
    // An LTPD of 0 can never be met: no plan rather than one that claims it.
    expectNoPlan(0.0, 0.0, 0.95, 0.10);
    expectNoPlan(0.2, 0.1, 0.95, 0.10);
    expectNoPlan(0.01, INFINITY, 0.95, 0.10);
    expectNoPlan(0.01, 0.05, 0.95, 1.0);
    expectNoPlan(0.01, 0.05, 0.0, 0.10);
    expectNoPlan(0.01, std::nan(""), 0.95, 0.10);
}

TEST(DefectsPerUnitSingleTest, MinimumSampleSizeSearches)
{
    // P(2; n 0.05) <= 0.1 first at n = 107; a lower end that already qualifies is the answer.
    EXPECT_EQ(DefectsPerUnitSingleMinimumSampleSize(2, 0.05, 0.1, 3, 0), 107);
    EXPECT_EQ(DefectsPerUnitSingleMinimumSampleSize(2, 0.05, 0.1, 40, 1000), 107);
    EXPECT_EQ(DefectsPerUnitSingleMinimumSampleSize(2, 0.05, 0.1, 150, 0), 150);
    EXPECT_EQ(DefectsPerUnitSingleMinimumSampleSizeTwoConditions(2, 0.05, 0.1, 0.02, 0.5, 3, 0),
              SmallestN(2, {{0.05, 0.1}, {0.02, 0.5}}));
    EXPECT_EQ(DefectsPerUnitSingleMinimumSampleSizeTwoConditions(2, 0.05, 0.1, 0.02, 0.5, 400, 0),
              400);
    EXPECT_EQ(DefectsPerUnitSingleMinimumSampleSize(2, 1e-10, 0.1, 3, 0), 0);
}

TEST(DefectsPerQuantitySingleTest, EvaluatesAmountsAsPerUnitPlansDo)
{
    EXPECT_EQ(DefectsPerQuantitySingleProbabilityAcceptance(0.0, 2.5, 1), 1.0);
    EXPECT_EQ(DefectsPerQuantitySingleAverageSampleNumber(0.0, 2.5, 1, 1), 2.5);
    EXPECT_EQ(DefectsPerQuantitySingleAverageSampleNumber(0.0, 2.5, 1, 0), 2.5);
    EXPECT_EQ(DefectsPerQuantitySingleAverageSampleNumber(0.3, 2.5, 1, 7), 2.5);
    EXPECT_EQ(DefectsPerQuantitySingleAverageSampleNumberFiniteLot(1, 2.5, 1, 40.0, 1), 2.5);
    EXPECT_DOUBLE_EQ(DefectsPerQuantitySingleProbabilityAcceptance(0.4, 2.5, 2),
                     PoissonCumulative(2, 1.0));
    EXPECT_DOUBLE_EQ(DefectsPerQuantitySingleProbabilityAcceptanceFiniteLot(8, 2.5, 2, 10.0),
                     BinomialCumulative(2, 8, 0.25));
    const double lambda = 0.7;
    const double s = 12.25;
    const double expected =
        Integral([&](double t) { return PoissonCumulative(3, lambda * t); }, 0.0, s);
    EXPECT_NEAR(DefectsPerQuantitySingleAverageSampleNumber(lambda, s, 3, 1), expected,
                1e-10 * expected);
    const double lot = 80.5;
    const double expectedInLot =
        Integral([&](double t) { return BinomialCumulative(3, 30, t / lot); }, 0.0, s);
    EXPECT_NEAR(DefectsPerQuantitySingleAverageSampleNumberFiniteLot(30, s, 3, lot, 1),
                expectedInLot, 1e-10 * expectedInLot);
}

TEST(DefectsPerQuantitySingleTest, DesignsTheSmallestAmountInAnyUnit)
{
    struct Case
    {
        double aql, maximumAql, ltpd; // a maximum AQL of 0: two levels
        int c;
        double amount; // per unit of the levels
    };
    // The smallest amount for c is where Pa at the LTPD (or at the maximum AQL) falls to its
    // target, from mpmath roots of the regularised upper incomplete gamma at 40 digits: P(3; m)
    // = 0.10 at m = 6.6807830682558636377, P(259; m) = 0.10 at 280.86667767697401202, P(18; m) =
    // 0.10 at 24.756289913287779173, P(3; m) = 0.95 at 0.55 x 2.4842152668178744298. Each c is
    // the least: at the smallest amount for c - 1 (likewise) Pa(AQL) is 0.907, 0.9494, 0.944 and
    // 0.939.
    for (const Case& design : {Case{100, 0, 500, 3, 0.013361566136511727275},
                               Case{0.5, 0, 0.6, 259, 468.11112946162335336},
                               Case{1e10, 0, 2e10, 18, 1.2378144956643889587e-9},
                               Case{0.5, 0.55, 3, 3, 2.4842152668178744298}})
        // The same requirement per unit, per thousandth, per thousand and per ten million units.
        for (double scale : {1.0, 1e-3, 1e3, 1e-7})
        {
            double s = -1.0;
            int c = -1;
            const double aql = design.aql * scale;
            const double ltpd = design.ltpd * scale;
            const double maximumAql = design.maximumAql * scale;
            if (maximumAql > 0.0)
                DefectsPerQuantitySingleDesignThreeLevels(aql, maximumAql, ltpd, 0.95, 0.10, s, c);
            else
                DefectsPerQuantitySingleDesignTwoLevels(aql, ltpd, 0.95, 0.10, s, c);
            SCOPED_TRACE(testing::Message() << design.ltpd << " x " << scale << ": s " << s);
            EXPECT_EQ(c, design.c);
            const double amount = design.amount / scale;
            EXPECT_GE(s, amount);
            EXPECT_LE(s, amount * (1.0 + 1e-11));
            EXPECT_GE(DefectsPerQuantitySingleProbabilityAcceptance(aql, s, c), 0.95);
            EXPECT_LE(DefectsPerQuantitySingleProbabilityAcceptance(ltpd, s, c), 0.10);
            if (maximumAql > 0.0)
            {
                EXPECT_LE(DefectsPerQuantitySingleProbabilityAcceptance(maximumAql, s, c), 0.95);
            }
        }
    double s = -1.0;
    int c = -1;
    DefectsPerQuantitySingleDesignTwoLevels(0.5, 0.2, 0.95, 0.10, s, c);
    EXPECT_EQ(s, 0.0);
    EXPECT_EQ(c, 0);
    // An LTPD so small that the amount would pass the largest double: no plan, at once.
    for (const double ltpd : {1e-308, 4.9406564584124654e-324})
    {
        s = -1.0;
        c = -1;
        DefectsPerQuantitySingleDesignTwoLevels(0.0, ltpd, 0.95, 0.10, s, c);
        EXPECT_EQ(s, 0.0) << ltpd;
        EXPECT_EQ(c, 0);
    }
    DefectsPerQuantitySingleDesignThreeLevels(1e-310, 5e-309, 1e-308, 0.95, 0.10, s, c);
    EXPECT_EQ(s, 0.0);
}

} // namespace
} // namespace Brosquin
