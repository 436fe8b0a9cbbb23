#include "stats/DefectivesSingle.h"
#include "stats/DiscreteDistributions.h"
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

// Expected number of units inspected under curtailed inspection, by walking every state
// (units inspected, defectives found) of the inspection: probabilityDefective(k, d) is the
// chance that the next unit is defective after k units with d defectives.
double EnumeratedAsn(int n, int c, int method,
                     const std::function<double(int, int)>& probabilityDefective)
{
    const bool stopOnAcceptance = method == 1 || method == 2;
    const bool stopOnRejection = method == 1 || method == 3;
    std::vector<double> state(n + 2, 0.0);
    state[0] = 1.0;
    double expected = 0.0;
    for (int k = 0; k < n; ++k)
    {
        std::vector<double> next(n + 2, 0.0);
        for (int d = 0; d <= k; ++d)
        {
            if (state[d] == 0.0)
                continue;
            if ((stopOnRejection && d > c) || (stopOnAcceptance && k - d >= n - c))
                continue;
            expected += state[d];
            const double defective = probabilityDefective(k, d);
            next[d + 1] += state[d] * defective;
            next[d] += state[d] * (1.0 - defective);
        }
        state = next;
    }
    return expected;
}

TEST(DefectivesSingleTest, AverageSampleNumberAtTheEnds)
{
    EXPECT_EQ(DefectivesSingleAverageSampleNumber(0.0, 50, 3, 1), 47.0);
    EXPECT_EQ(DefectivesSingleAverageSampleNumber(1.0, 50, 3, 1), 4.0);
    EXPECT_EQ(DefectivesSingleAverageSampleNumber(0.0, 50, 3, 2), 47.0);
    EXPECT_EQ(DefectivesSingleAverageSampleNumber(1.0, 50, 3, 2), 50.0);
    EXPECT_EQ(DefectivesSingleAverageSampleNumber(0.0, 50, 3, 3), 50.0);
    EXPECT_EQ(DefectivesSingleAverageSampleNumber(1.0, 50, 3, 3), 4.0);
    for (std::uint8_t method : {0, 4, 200, 255})
    {
        EXPECT_EQ(DefectivesSingleAverageSampleNumber(0.3, 50, 3, method), 50.0);
        EXPECT_EQ(DefectivesSingleAverageSampleNumberFiniteLot(7, 50, 3, 500, method), 50.0);
    }
    // No defective or only defective units in the lot: finite, and the decision is certain at
    // once.
    EXPECT_DOUBLE_EQ(DefectivesSingleAverageSampleNumberFiniteLot(0, 50, 3, 500, 1), 47.0);
    EXPECT_DOUBLE_EQ(DefectivesSingleAverageSampleNumberFiniteLot(500, 50, 3, 500, 1), 4.0);
    EXPECT_DOUBLE_EQ(DefectivesSingleAverageSampleNumberFiniteLot(0, 50, 3, 500, 3), 50.0);
    EXPECT_DOUBLE_EQ(DefectivesSingleAverageSampleNumberFiniteLot(500, 50, 3, 500, 2), 50.0);
}

TEST(DefectivesSingleTest, CurtailedAverageSampleNumberMatchesEnumeratedInspection)
{
    for (int method = 1; method <= 3; ++method)
        for (int n : {1, 7, 40})
            for (int c : {0, 2, 5})
            {
                if (c >= n)
                    continue;
                for (double p : {1e-6, 0.02, 0.3, 0.75, 0.999})
                {
                    const double expected =
                        EnumeratedAsn(n, c, method, [&](int, int) { return p; });
                    EXPECT_NEAR(DefectivesSingleAverageSampleNumber(p, n, c, method), expected,
                                1e-12 * expected)
                        << "method " << method << ", n " << n << ", c " << c << ", p " << p;
                }
                for (int N : {n, n + 3, 200})
                    for (int D : {0, 1, N / 3, N - 1, N})
                    {
                        const double expected = EnumeratedAsn(
                            n, c, method, [&](int k, int d) { return double(D - d) / (N - k); });
                        EXPECT_NEAR(
                            DefectivesSingleAverageSampleNumberFiniteLot(D, n, c, N, method),
                            expected, 1e-12 * expected)
                            << "method " << method << ", n " << n << ", c " << c << ", D " << D
                            << ", N " << N;
                    }
            }
}

TEST(DefectivesSingleTest, FiniteLotAverageSampleNumberForLotsOfTenMillion)
{
    // (n - c)(N + 1) is about 1.5e10: it must not wrap around in 32 bits.
    const int N = 10000000;
    const int D = 20000;
    for (int method = 1; method <= 3; ++method)
    {
        const double asn = DefectivesSingleAverageSampleNumberFiniteLot(D, 1500, 4, N, method);
        EXPECT_GT(asn, 5.0);
        EXPECT_LT(asn, 1500.0);
        // Such a lot behaves almost like an unlimited one.
        EXPECT_NEAR(asn, DefectivesSingleAverageSampleNumber(double(D) / N, 1500, 4, method),
                    1e-3 * asn);
    }
}

// Smallest n whose plan (n, c) has Pa at most target at each level.
int SmallestN(int c, const std::vector<std::pair<double, double>>& limits)
{
    const auto meets = [&](std::int64_t n)
    {
        for (const auto& [level, target] : limits)
            if (BinomialCumulative(c, n, level) > target)
                return false;
        return true;
    };
    std::int64_t hi = c + 1;
    while (!meets(hi))
        hi *= 2;
    std::int64_t lo = hi / 2;
    while (hi - lo > 1)
    {
        const std::int64_t middle = (lo + hi) / 2;
        (meets(middle) ? hi : lo) = middle;
    }
    return static_cast<int>(meets(lo) ? lo : hi);
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
    ASSERT_GT(n, c);
    EXPECT_GE(BinomialCumulative(c, n, aql), paAql);
    EXPECT_LE(BinomialCumulative(c, n, ltpd), paLtpd);
    if (maximumAql > 0.0)
    {
        EXPECT_LE(BinomialCumulative(c, n, maximumAql), paAql);
    }
    EXPECT_EQ(n, SmallestN(c, UpperLimits(maximumAql, ltpd, paAql, paLtpd)));
}

// The design is the smallest accept number whose smallest sample size meets the AQL
// requirement, and it meets every requirement evaluated exactly.
void ExpectSmallestPlanMeetingItsClaims(double aql, double maximumAql, double ltpd, double paAql,
                                        double paLtpd, int n, int c)
{
    ExpectPlanMeetingItsClaims(aql, maximumAql, ltpd, paAql, paLtpd, n, c);
    const std::vector<std::pair<double, double>> limits =
        UpperLimits(maximumAql, ltpd, paAql, paLtpd);
    for (int smaller = 0; smaller < c; ++smaller)
        EXPECT_LT(BinomialCumulative(smaller, SmallestN(smaller, limits), aql), paAql)
            << "accept number " << smaller << " would do";
}

TEST(DefectivesSingleTest, DesignsTheKnownSmallestPlans)
{
    int n = -1;
    int c = -1;
    DefectivesSingleDesignTwoLevels(0.01, 0.05, 0.95, 0.10, n, c);
    EXPECT_EQ(n, 132);
    EXPECT_EQ(c, 3);
    DefectivesSingleDesignTwoLevels(0.01, 0.04, 0.95, 0.10, n, c);
    EXPECT_EQ(n, 198);
    EXPECT_EQ(c, 4);
    // The c = 0 plan already meets the AQL requirement: n = ceil(ln 0.1 / ln 0.9) = 22.
    DefectivesSingleDesignTwoLevels(0.001, 0.1, 0.95, 0.10, n, c);
    EXPECT_EQ(n, 22);
    EXPECT_EQ(c, 0);
    DefectivesSingleDesignTwoLevels(0.01, 1.0, 0.95, 0.10, n, c);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(c, 0);
}

TEST(DefectivesSingleTest, TwoLevelDesignsAreTheSmallestThatMeetTheirClaims)
{
    for (double aql : {0.0005, 0.004, 0.01, 0.03, 0.1})
        for (double ratio : {1.6, 2.0, 3.0, 7.0, 20.0})
            for (double paAql : {0.99, 0.95, 0.90})
                for (double paLtpd : {0.10, 0.05, 0.01})
                {
                    const double ltpd = aql * ratio;
                    if (ltpd >= 1.0)
                        continue;
                    int n = 0;
                    int c = 0;
                    DefectivesSingleDesignTwoLevels(aql, ltpd, paAql, paLtpd, n, c);
                    SCOPED_TRACE(testing::Message() << aql << " " << ltpd << " " << paAql << " "
                                                    << paLtpd << ": n " << n << ", c " << c);
                    ExpectSmallestPlanMeetingItsClaims(aql, 0.0, ltpd, paAql, paLtpd, n, c);
                }
}

TEST(DefectivesSingleTest, ThreeLevelDesignsAreTheSmallestThatMeetTheirClaims)
{
    for (double aql : {0.001, 0.01, 0.03})
        for (double maximumRatio : {1.2, 1.5, 2.5})
            for (double ratio : {2.0, 4.0, 10.0})
                for (double paAql : {0.95, 0.90})
                    for (double paLtpd : {0.10, 0.01})
                    {
                        const double maximumAql = aql * maximumRatio;
                        const double ltpd = aql * ratio;
                        int n = 0;
                        int c = 0;
                        DefectivesSingleDesignThreeLevels(aql, maximumAql, ltpd, paAql, paLtpd, n,
                                                          c);
                        SCOPED_TRACE(testing::Message()
                                     << aql << " " << maximumAql << " " << ltpd << " " << paAql
                                     << " " << paLtpd << ": n " << n << ", c " << c);
                        ExpectSmallestPlanMeetingItsClaims(aql, maximumAql, ltpd, paAql, paLtpd, n,
                                                           c);
                    }
}

TEST(DefectivesSingleTest, LargeAcceptNumbersAreFoundByDoublingAndBisection)
{
    // Accept numbers well above 25.
    for (double ltpd : {0.0125, 0.014, 0.016})
    {
        int n = 0;
        int c = 0;
        DefectivesSingleDesignTwoLevels(0.01, ltpd, 0.95, 0.10, n, c);
        SCOPED_TRACE(testing::Message() << ltpd << ": n " << n << ", c " << c);
        EXPECT_GT(c, 25);
        ExpectSmallestPlanMeetingItsClaims(0.01, 0.0, ltpd, 0.95, 0.10, n, c);
    }
}

// The design through the shared search with its probabilities counted, checked to be the public
// design's.
DesignWork CountedDesign(double aql, double maximumAql, double ltpd, double paAql, double paLtpd)
{
    const DesignWork work =
        WorkOfDesign(BinomialSinglePlanModel(), aql, maximumAql, ltpd, paAql, paLtpd);
    int n = -1;
    int c = -1;
    if (maximumAql > 0.0)
        DefectivesSingleDesignThreeLevels(aql, maximumAql, ltpd, paAql, paLtpd, n, c);
    else
        DefectivesSingleDesignTwoLevels(aql, ltpd, paAql, paLtpd, n, c);
    EXPECT_EQ(work.n, n);
    EXPECT_EQ(work.c, c);
    EXPECT_LE(work.evaluations, designEvaluationBound);
    return work;
}

TEST(DefectivesSingleTest, NearlyEqualLevelsOrProbabilitiesTakeBoundedWork)
{
    // The discreteness of n(c) lets accept numbers far below the bisection's answer through:
    // c = 34 where the bisection ends at 97, 488 where it ends at 492, 694 at 700.
    for (auto [aql, ltpd, paAql, paLtpd] :
         {std::array{0.3, 0.3006, 0.5, 0.4999}, std::array{0.3, 0.315, 0.9, 0.5},
          std::array{0.01, 0.0105, 0.9, 0.5}})
        for (double maximumAql : {0.0, 0.5 * (aql + ltpd)})
        {
            const DesignWork plan = CountedDesign(aql, maximumAql, ltpd, paAql, paLtpd);
            SCOPED_TRACE(testing::Message() << aql << " " << maximumAql << " " << ltpd << ": n "
                                            << plan.n << ", c " << plan.c);
            ExpectSmallestPlanMeetingItsClaims(aql, maximumAql, ltpd, paAql, paLtpd, plan.n,
                                               plan.c);
        }
    // Levels so close that a million accept numbers lie between the last one known to fail and
    // the bisection's answer: the plan still meets both requirements.
    const DesignWork close = CountedDesign(0.5, 0.0, 0.5000001, 0.5, 0.4999);
    ExpectPlanMeetingItsClaims(0.5, 0.0, 0.5000001, 0.5, 0.4999, close.n, close.c);
    // Plans beyond the 32-bit sample sizes: n(0) alone is about 2.3e9; about 3.4e9 units with c
    // near 3500.
    for (auto [aql, ltpd] : {std::pair{1e-11, 1e-9}, std::pair{1e-6, 1.05e-6}})
        for (double maximumAql : {0.0, 0.5 * (aql + ltpd)})
            EXPECT_EQ(CountedDesign(aql, maximumAql, ltpd, 0.95, 0.10).n, 0);
}

TEST(DefectivesSingleTest, NoPlanOutsideTheRequirements)
{
    const auto expectNoPlan = [](double aql, double ltpd, double paAql, double paLtpd)
    {
        int n = -1;
        int c = -1;
        DefectivesSingleDesignTwoLevels(aql, ltpd, paAql, paLtpd, n, c);
        EXPECT_EQ(n, 0) << aql << " " << ltpd << " " << paAql << " " << paLtpd;
        EXPECT_EQ(c, 0);
        DefectivesSingleDesignThreeLevels(aql, 0.5 * (aql + ltpd), ltpd, paAql, paLtpd, n, c);
        EXPECT_EQ(n, 0);
        EXPECT_EQ(c, 0);
    };
    expectNoPlan(0.02, 0.02, 0.95, 0.10);
    expectNoPlan(0.03, 0.02, 0.95, 0.10);
    expectNoPlan(0.01, 0.0, 0.95, 0.10);
    expectNoPlan(0.01, 1.5, 0.95, 0.10);
    expectNoPlan(-0.01, 0.05, 0.95, 0.10);
    expectNoPlan(0.01, 0.05, 1.0, 0.10);
    expectNoPlan(0.01, 0.05, 0.95, 0.0);
    expectNoPlan(0.01, 0.05, 0.95, 1.0);
    expectNoPlan(std::nan(""), 0.05, 0.95, 0.10);
    expectNoPlan(0.01, 0.05, std::nan(""), 0.10);
    int n = -1;
    int c = -1;
    DefectivesSingleDesignThreeLevels(0.01, 0.005, 0.05, 0.95, 0.10, n, c);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(c, 0);
}

TEST(DefectivesSingleTest, MinimumSampleSizeSearches)
{
    // B(2; n, 0.05) <= 0.1 first at n = 105.
    EXPECT_EQ(DefectivesSingleMinimumSampleSize(2, 0.05, 0.1, 3, 0), 105);
    EXPECT_EQ(DefectivesSingleMinimumSampleSize(2, 0.05, 0.1, 50, 200), 105);
    EXPECT_LE(BinomialCumulative(2, 105, 0.05), 0.1);
    EXPECT_GT(BinomialCumulative(2, 104, 0.05), 0.1);
    // The lower end is never tested: the answer is above it.
    EXPECT_EQ(DefectivesSingleMinimumSampleSize(2, 0.05, 0.1, 300, 0), 301);
    EXPECT_EQ(DefectivesSingleMinimumSampleSizeTwoConditions(2, 0.05, 0.1, 0.02, 0.5, 3, 0),
              SmallestN(2, {{0.05, 0.1}, {0.02, 0.5}}));
    EXPECT_EQ(DefectivesSingleMinimumSampleSize(2, 1e-10, 0.1, 3, 0), 0);
}

} // namespace
} // namespace Brosquin
