#include "stats/InverseSolvers.h"
#include "stats/SpecialFunctions.h"
#include "stats/VariablesKnownSd.h"
#include "stats/VariablesUnknownSdOneSpec.h"
#include "stats/VariablesUnknownSdTwoSpecs.h"
#include "tests/stats/Accuracy.h"

#include <boost/math/distributions/normal.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace Brosquin
{
namespace
{

TEST(VariablesKnownSdTest, OneLimitIsTheNormalTailAndItsInverse)
{
    const boost::math::normal_distribution<long double> normal;
    for (int n : {1, 7, 400})
        for (double k : {-1.0, 0.5, 2.3})
            for (double p : {1e-9, 0.004, 0.2, 0.8})
            {
                const long double z =
                    (boost::math::quantile(normal, static_cast<long double>(p)) + k) * std::sqrt(n);
                const double pa = VariablesKnownSdOneSpecProbabilityAcceptance(p, n, k);
                EXPECT_LT(RelativeError(pa, boost::math::cdf(boost::math::complement(normal, z))),
                          1e-12);
                // Above 0.99 the level is fixed by the few digits that 1 - Pa keeps.
                if (pa > 1e-300 && pa < 0.99)
                {
                    EXPECT_LT(RelativeError(VariablesKnownSdOneSpecQualityLevel(pa, n, k), p),
                              1e-11);
                }
            }
    EXPECT_EQ(VariablesKnownSdOneSpecProbabilityAcceptance(0.0, 5, 1.0), 1.0);
    EXPECT_EQ(VariablesKnownSdOneSpecProbabilityAcceptance(1.0, 5, 1.0), 0.0);
    EXPECT_EQ(VariablesKnownSdOneSpecProbabilityAcceptance(-0.1, 5, 1.0), -1.0);
    EXPECT_EQ(VariablesKnownSdOneSpecProbabilityAcceptance(1.1, 5, 1.0), -1.0);
}

TEST(VariablesKnownSdTest, TwoLimitsPlaceTheMeanOffCentre)
{
    // mpmath at 30 digits (variables_references.py known2): the root z of
    // Phi(z) + Phi(-z - 6 Cp) = p, then Phi(sqrt n (6 Cp + z - k)) - Phi(sqrt n (z + k)).
    struct Case
    {
        double p;
        int n;
        double k, Cp;
        long double pa;
    };
    for (const Case& c : std::vector<Case>{{0.02, 10, 2.0, 1.0, 0.56850625428301823788L},
                                           {0.0027, 50, 2.5, 1.0, 0.9995909584738227944L},
                                           {0.3, 5, 1.2, 0.8, 0.06544200085690812863L},
                                           {0.9, 3, 0.5, 0.5, 0.0010155516063315918663L}})
    {
        const double pa = VariablesKnownSdTwoSpecsProbabilityAcceptance(c.p, c.n, c.k, c.Cp);
        EXPECT_LT(RelativeError(pa, c.pa), 1e-13) << c.p;
        // The quality level inverts it.
        EXPECT_LT(RelativeError(VariablesKnownSdTwoSpecsQualityLevel(pa, c.n, c.k, c.Cp), c.p),
                  1e-10);
    }
    // Below the centred process's fraction 2 Phi(-3 Cp) = 0.0026998 no process exists.
    for (double p : {0.0, 0.0026, -0.1, 1.1})
    {
        EXPECT_EQ(VariablesKnownSdTwoSpecsProbabilityAcceptance(p, 10, 2.0, 1.0), -1.0) << p;
        EXPECT_EQ(VariablesKnownSdTwoSpecsAverageSampleNumber(p, 10, 2.0, 1.0), -1.0) << p;
        EXPECT_EQ(VariablesKnownSdTwoSpecsExpectedStages(p, 10, 2.0, 1.0), -1.0) << p;
    }
    EXPECT_EQ(VariablesKnownSdTwoSpecsProbabilityAcceptance(1.0, 10, 2.0, 1.0), 0.0);
    EXPECT_EQ(VariablesKnownSdTwoSpecsAverageSampleNumber(1.0, 10, 2.0, 1.0), 10.0);
    EXPECT_EQ(VariablesKnownSdTwoSpecsExpectedStages(0.5, 10, 2.0, 1.0), 1.0);
    // The centred process gives the largest Pa; above it no level exists.
    const double centred = VariablesKnownSdTwoSpecsCentredProbabilityAcceptance(10, 2.0, 1.0);
    EXPECT_LT(RelativeError(centred, std::erf(std::sqrt(10.0) / std::sqrt(2.0))), 1e-15);
    EXPECT_EQ(VariablesKnownSdTwoSpecsQualityLevel(centred * 1.0001, 10, 2.0, 1.0), -1.0);
    EXPECT_EQ(VariablesKnownSdTwoSpecsCentredProbabilityAcceptance(10, 3.0, 1.0), 0.0);
}

TEST(VariablesUnknownSdTest, BoundsMatchHighPrecisionIntegrals)
{
    // tests/stats/variables_references.py: the centred bound as the integral over s / sigma,
    // Form 2 with the edge of acceptance solved at each point; the one-sided bound as a
    // noncentral t tail.
    using Bound = double (*)(double, double, double);
    struct Case
    {
        Bound bound;
        double p, n, constant;
        long double pa;
    };
    const Bound centred1 = VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm1;
    const Bound centred2 = VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm2;
    const std::vector<Case> cases = {
        {centred1, 0.05, 10, 1.5, 0.6779533604653741L},
        {VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm1, 0.05, 10, 1.5,
         0.65872155772734639L},
        // n = 2: the density of s / sigma is constant at 0, where a midpoint rule fails.
        {centred1, 0.05, 2, 1.0, 0.79994723274899721L},
        {centred1, 0.05, 3, 1.5, 0.61806853119569357L},
        {centred1, 0.01, 50, 1.5, 0.99996196692159113L},
        {centred1, 0.2, 500, 1.5, 4.0433671781438564e-24L},
        {centred1, 0.05, 10, 3.5, 0.013568530165234454L},
        {centred1, 0.05, 10, 0.0, 0.99999999942796812L},
        {centred1, 0.05, 10, -0.5, 0.99999999999979971L},
        // a = n/2 - 1 below, at and above 1.
        {centred2, 0.05, 3, 5.874729, 0.78984765490885974L},
        {centred2, 0.2, 3, 1, 0.41162312592734081L},
        {centred2, 0.05, 4, 5.874729, 0.72637923077600058L},
        {centred2, 0.05, 5, 5.874729, 0.69905271057434524L},
        {centred2, 0.05, 10, 5.874729, 0.65966244220790677L},
        {centred2, 0.2, 10, 1, 0.019800910364573958L},
        {centred2, 0.01, 10, 20, 0.99995956434531266L},
        {centred2, 0.05, 10, 60, 0.99999999999447897L},
        {centred2, 0.05, 50, 5.874729, 0.67935172996550849L},
        {centred2, 0.2, 50, 1, 2.1675058673857676e-8L},
    };
    for (const Case& c : cases)
        EXPECT_LT(RelativeError(c.bound(c.p, c.n, c.constant), c.pa), 1e-11)
            << c.p << ", " << c.n << ", " << c.constant;
    EXPECT_LT(RelativeError(VariablesUnknownSdOneSpecProbabilityAcceptance(0.01, 20, 1.9),
                            0.881723295389511L),
              1e-13);
}

TEST(VariablesUnknownSdTest, BandEndsAndForms)
{
    // Both bounds above 0.5: the plan's Pa is the smaller, the maximum the larger.
    EXPECT_EQ(VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1(0.05, 10, 1.5),
              VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm1(0.05, 10, 1.5));
    EXPECT_EQ(VariablesUnknownSdTwoSpecsMaximumProbabilityAcceptanceForm1(0.05, 10, 1.5),
              VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm1(0.05, 10, 1.5));
    // Bounds on either side of 0.5 give exactly 0.5; both below it, the larger.
    const double centred =
        VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm1(0.075, 10, 1.5);
    const double oneSided =
        VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm1(0.075, 10, 1.5);
    ASSERT_GT((centred - 0.5) * (0.5 - oneSided), 0.0);
    EXPECT_EQ(VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1(0.075, 10, 1.5), 0.5);
    EXPECT_EQ(VariablesUnknownSdTwoSpecsMinimumProbabilityAcceptanceForm1(0.075, 10, 1.5),
              oneSided);
    EXPECT_EQ(VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1(0.1, 10, 1.5),
              VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm1(0.1, 10, 1.5));
    // Form 2's one-sided bound is Form 1's with the equivalent k.
    const double kM = VariablesUnknownSdEquivalentConstant(10, 5.874729);
    EXPECT_NEAR(kM, 1.5, 1e-6);
    EXPECT_EQ(VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm2(0.05, 10, 5.874729),
              VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm1(0.05, 10, kM));
    EXPECT_NEAR(VariablesUnknownSdEquivalentPercent(10, 1.5), 5.874729, 5e-7);
    EXPECT_NEAR(VariablesUnknownSdMaximumStandardDeviation(
                    10, VariablesUnknownSdEquivalentPercent(10, 1.5)),
                28.59284, 5e-6);

    using Measure = double (*)(double, double, double);
    for (Measure measure : {VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1,
                            VariablesUnknownSdTwoSpecsMaximumProbabilityAcceptanceForm1,
                            VariablesUnknownSdTwoSpecsMinimumProbabilityAcceptanceForm2,
                            VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm2})
    {
        EXPECT_EQ(measure(0.0, 10, 5), 1.0);
        EXPECT_EQ(measure(1.0, 10, 5), 0.0);
        EXPECT_EQ(measure(-0.5, 10, 5), -1.0);
    }
    // Form 2 needs n >= 3 and 0 < M < 100.
    EXPECT_EQ(VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm2(0.05, 2, 5), -1.0);
    EXPECT_EQ(VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm2(0.05, 10, 100), -1.0);
}

struct Design
{
    const char* name;
    std::function<void(double, double, double, double, int&, double&)> design;
    std::function<double(double, int, double)> pa;
};

std::vector<Design> Designs()
{
    std::vector<Design> designs = {
        {"known SD, 1 spec", VariablesKnownSdOneSpecDesign,
         VariablesKnownSdOneSpecProbabilityAcceptance},
        {"unknown SD, 1 spec", VariablesUnknownSdOneSpecDesign,
         VariablesUnknownSdOneSpecProbabilityAcceptance},
        {"unknown SD, 2 specs", VariablesUnknownSdTwoSpecsDesign, [](double p, int n, double k) {
             return VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1(p, n, k);
         }}};
    for (double Cp : {0.8, 1.0, 1.33})
        designs.push_back({"known SD, 2 specs",
                           [Cp](double aql, double ltpd, double pa, double pl, int& n, double& k)
                           { VariablesKnownSdTwoSpecsDesign(aql, ltpd, pa, pl, Cp, n, k); },
                           [Cp](double p, int n, double k)
                           { return VariablesKnownSdTwoSpecsProbabilityAcceptance(p, n, k, Cp); }});
    return designs;
}

TEST(VariablesDesignTest, DesignsOfPublishedExamples)
{
    // (aql, ltpd) at Pa 0.95 and 0.10; the unknown-SD one-limit (0.01, 0.10) plan is
    // Guenther's example.
    struct Case
    {
        std::size_t design;
        double aql, ltpd;
        int n;
        double k;
    };
    const std::vector<Design> designs = Designs();
    for (const Case& c : std::vector<Case>{{0, 0.01, 0.05, 19, 1.9489},
                                           {4, 0.01, 0.05, 19, 1.9535},
                                           {1, 0.01, 0.10, 21, 1.7607},
                                           {1, 0.01, 0.05, 55, 1.9521},
                                           {2, 0.01, 0.05, 60, 1.9663},
                                           {2, 0.01, 0.80, 2, 0.9126}})
    {
        int n = 0;
        double k = 0.0;
        designs[c.design].design(c.aql, c.ltpd, 0.95, 0.10, n, k);
        EXPECT_EQ(n, c.n) << designs[c.design].name;
        EXPECT_NEAR(k, c.k, 1e-9) << designs[c.design].name;
    }
    int n = 0;
    double k = 0.0;
    VariablesKnownSdTwoSpecsDesign(0.01, 0.05, 0.95, 0.10, 0.9, n, k);
    EXPECT_EQ(n, 17);
    EXPECT_NEAR(k, 1.9769, 1e-9);
    // An AQL below the centred process's fraction: no plan.
    VariablesKnownSdTwoSpecsDesign(0.002, 0.05, 0.95, 0.10, 1.0, n, k);
    EXPECT_EQ(n, 0);
}

// Whether some k of four decimals gives the plan of size n Pa(aql) >= paAql and Pa(ltpd) <=
// paLtpd: the largest k meeting the AQL point, found by bisection over ten-thousandths (Pa falls
// as k rises), decides.
bool SomePlanOfSizeMeets(const Design& design, int n, double aql, double ltpd, double paAql,
                         double paLtpd)
{
    double meeting = -1e5;
    double failing = 1e5;
    while (failing - meeting > 1.0)
    {
        const double middle = std::floor((meeting + failing) / 2.0);
        (design.pa(aql, n, middle / 1e4) >= paAql - 1e-15 ? meeting : failing) = middle;
    }
    return design.pa(ltpd, n, meeting / 1e4) <= paLtpd + 1e-15;
}

TEST(VariablesDesignTest, DesignsAreTheSmallestSampleWithAKOfFourDecimals)
{
    // Every smaller sample, from the smallest the case allows, misses a point with every k.
    for (const Design& design : Designs())
        for (const auto& [aql, ltpd] : {std::pair{0.005, 0.03}, {0.01, 0.06}})
            for (const auto& [paAql, paLtpd] : {std::pair{0.95, 0.10}, {0.99, 0.05}})
            {
                int n = 0;
                double k = 0.0;
                design.design(aql, ltpd, paAql, paLtpd, n, k);
                SCOPED_TRACE(testing::Message() << design.name << " " << aql << " " << ltpd << " "
                                                << paAql << ": n " << n << ", k " << k);
                if (n == 0)
                {
                    // The AQL is below the smallest fraction a process of this Cp can have.
                    EXPECT_STREQ(design.name, "known SD, 2 specs");
                    continue;
                }
                EXPECT_TRUE(SomePlanOfSizeMeets(design, n, aql, ltpd, paAql, paLtpd));
                for (int smaller = design.name[0] == 'k' ? 1 : 2; smaller < n; ++smaller)
                    ASSERT_FALSE(SomePlanOfSizeMeets(design, smaller, aql, ltpd, paAql, paLtpd))
                        << smaller;
            }
    // Steep plans, where cutting k to four decimals costs more units than rounding up n: with
    // the standard deviation known, one limit, 1 % and 1.1 %. Pa of (6636, 2.3061) at 1.1 %:
    // 1 - Phi((Phi^-1(0.011) + 2.3061) sqrt(6636)) = 0.099997715 (mpmath, 30 digits); every k of
    // four decimals with 6635 units or fewer misses a point.
    const std::vector<Design> designs = Designs();
    const Design& known = designs.front();
    int n = 0;
    double k = 0.0;
    known.design(0.01, 0.011, 0.95, 0.10, n, k);
    EXPECT_EQ(n, 6636);
    EXPECT_NEAR(k, 2.3061, 1e-12);
    EXPECT_NEAR(known.pa(0.011, n, k), 0.099997715, 1e-9);
    for (int smaller = 6500; smaller < n; ++smaller)
        ASSERT_FALSE(SomePlanOfSizeMeets(known, smaller, 0.01, 0.011, 0.95, 0.10)) << smaller;
    // Below 6500 not even k solving the AQL point exactly meets the LTPD point.
    const double exact = InverseNormal(0.05) / std::sqrt(6500.0) - InverseNormal(0.01);
    EXPECT_GT(known.pa(0.011, 6500, exact), 0.10);
}

TEST(VariablesDesignTest, DesignsKeepTheirClaimsOnAGridOfLevels)
{
    for (const Design& design : Designs())
        for (double aql : {0.0, 0.001, 0.01, 0.05})
            for (double ltpd : {0.003, 0.02, 0.15, 1.0})
                for (const auto& [paAql, paLtpd] : {std::pair{0.95, 0.10}, {0.99, 0.01}})
                {
                    int n = -1;
                    double k = 0.0;
                    design.design(aql, ltpd, paAql, paLtpd, n, k);
                    const char* name = design.name;
                    if (aql >= ltpd)
                    {
                        EXPECT_EQ(n, 0) << name;
                        continue;
                    }
                    if (n == 0)
                    {
                        // Only the two-limit known-SD case refuses: its AQL is below the
                        // smallest fraction a process can have.
                        EXPECT_STREQ(name, "known SD, 2 specs");
                        continue;
                    }
                    EXPECT_GE(n, name[0] == 'k' ? 1 : 2) << name;
                    EXPECT_NEAR(k * 1e4, std::round(k * 1e4), 1e-6) << name;
                    if (aql > 0.0)
                    {
                        EXPECT_GE(design.pa(aql, n, k), paAql - 1e-15)
                            << name << " " << aql << " " << ltpd;
                    }
                    if (ltpd < 1.0)
                    {
                        EXPECT_LE(design.pa(ltpd, n, k), paLtpd + 1e-15)
                            << name << " " << aql << " " << ltpd;
                    }
                }
    // Requirements that cannot be met: no plan.
    int n = -1;
    double k = 0.0;
    VariablesUnknownSdOneSpecDesign(0.01, 0.05, 0.10, 0.95, n, k);
    EXPECT_EQ(n, 0);
    VariablesKnownSdOneSpecDesign(0.01, 1.5, 0.95, 0.10, n, k);
    EXPECT_EQ(n, 0);
}

} // namespace
} // namespace Brosquin
