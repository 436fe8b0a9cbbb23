#include "plans/QualityLevelRange.h"

#include "core/RealOf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>

namespace Brosquin
{
namespace
{

std::pair<double, double> Rounded(double lo, double hi)
{
    Real low = RealOf(lo);
    Real high = RealOf(hi);
    RoundRange(low, high);
    return {low.dValue(), high.dValue()};
}

TEST(RoundRangeTest, WidensToTenRoundUnitsWithTheRoundestEnds)
{
    struct Case
    {
        double lo, hi, expectedLo, expectedHi;
    };
    for (const Case& c : {
             Case{0, 3.7, 0, 5},     // d = 0.4625 becomes 4.625: unit 0.5
             Case{2.3, 17.9, 0, 20}, // unit 2; one unit down ends on 0, which scores 20
             Case{0, 16, 0, 20},     // d exactly 2 keeps the unit 2
             Case{0, 16.001, 0, 50}, // just above takes 5
             Case{0.013, 0.017, 0.01, 0.02},
             Case{5, 13, 5, 15},   // every window scores alike: the highest is kept
             Case{-3.7, 2, -5, 5}, // a negative end starts one unit further down
             Case{-10, -2, -11, -1},
             Case{4, 4, 4, 5}, // equal ends
             Case{4, 4 * (1 + 1e-16), 4, 5},
         })
    {
        const auto [lo, hi] = Rounded(c.lo, c.hi);
        const double unit = (c.expectedHi - c.expectedLo) / 10;
        EXPECT_NEAR(lo, c.expectedLo, 1e-9 * unit) << c.lo << " " << c.hi;
        EXPECT_NEAR(hi, c.expectedHi, 1e-9 * unit) << c.lo << " " << c.hi;
    }
}

TEST(RoundRangeTest, LeavesReversedEndsAndMessagesAlone)
{
    EXPECT_EQ(Rounded(7, 3), (std::pair<double, double>{7, 3}));
    Real invalid = MessageValue("Invalid plan");
    Real top = RealOf(10);
    RoundRange(invalid, top);
    EXPECT_STREQ(invalid.Message()->Text(), "Invalid plan");
    EXPECT_EQ(top.dValue(), 10);
    // A unit too small to move numbers of this size still ends the search.
    const auto [lo, hi] = Rounded(1e6, 1e6 * (1 + 4e-15));
    EXPECT_LE(lo, 1e6);
    EXPECT_GE(hi, 1e6 * (1 + 4e-15));
}

TEST(RoundRangeTest, AlwaysTenUnitsOfOneTwoOrFiveThatCoverTheRange)
{
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> exponent(-8, 8);
    std::uniform_real_distribution<double> share(-1, 1);
    for (int trial = 0; trial < 20000; ++trial)
    {
        const double magnitude = std::pow(10, exponent(random));
        const double a = share(random) * magnitude;
        const double b = share(random) * magnitude;
        const double lo = std::min(a, b);
        const double hi = std::max(a, b);
        if (hi - lo < 1e-9 * magnitude)
            continue;
        const auto [low, high] = Rounded(lo, hi);
        const double unit = (high - low) / 10;
        const double mantissa = unit / std::pow(10, std::floor(std::log10(unit) + 1e-9));
        ASSERT_TRUE(std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 ||
                    std::fabs(mantissa - 5) < 1e-6)
            << lo << " " << hi << " gave a unit of " << unit;
        ASSERT_LE(low, lo + 1e-9 * unit) << lo << " " << hi;
        ASSERT_GE(high, hi - 1e-9 * unit) << lo << " " << hi;
        // The smallest round unit of at least an eighth of the range, or the next one.
        ASSERT_LE(hi - lo, 8 * unit * (1 + 1e-9)) << lo << " " << hi;
    }
}

TEST(RoundnessTest, CountsTrailingZerosOrDecimals)
{
    for (auto [x, roundness] : {std::pair{0.0, 20.0},
                                {7.0, 1.0},
                                {100.0, 3.0},
                                {-20.0, 2.0},
                                {0.5, -1.0},
                                {0.25, -2.0},
                                {-0.25, -2.0},
                                {0.123, -3.0},
                                {3 * 0.1, -1.0},
                                {1e12, 10.0},
                                {1.0 / 3, -5.0}})
        EXPECT_EQ(Roundness(x), roundness) << x;
}

} // namespace
} // namespace Brosquin
