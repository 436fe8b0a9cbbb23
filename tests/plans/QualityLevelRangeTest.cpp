#include "plans/QualityLevelRange.h"

#include "plans/RealValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>

namespace Brosquin
{
namespace
{

std::pair<double, double> Rounded(double lo, double hi)
{
    Real low = Number(lo);
    Real high = Number(hi);
    RoundRange(low, high);
    EXPECT_FALSE(HasMessage(low) || HasMessage(high));
    return {low.dValue(), high.dValue()};
}

void ExpectRounded(double lo, double hi, double expectedLo, double expectedHi)
{
    const auto [low, high] = Rounded(lo, hi);
    const double unit = (expectedHi - expectedLo) / 10;
    EXPECT_NEAR(low, expectedLo, 1e-9 * unit) << "RoundRange(" << lo << ", " << hi << ")";
    EXPECT_NEAR(high, expectedHi, 1e-9 * unit) << "RoundRange(" << lo << ", " << hi << ")";
}

TEST(RoundRangeTest, WidensToTenRoundUnitsAndPrefersRoundEnds)
{
    // d = 0.4625 scaled to 4.625: a unit of 0.5.
    ExpectRounded(0, 3.7, 0, 5);
    // d = 1.95: a unit of 2, and the window one unit down ends on 0.
    ExpectRounded(2.3, 17.9, 0, 20);
    ExpectRounded(1, 9, 0, 10);
    ExpectRounded(0, 1, 0, 2);
    // d exactly 2 keeps the unit 2; just above it takes 5.
    ExpectRounded(0, 16, 0, 20);
    ExpectRounded(0, 16.001, 0, 50);
    ExpectRounded(0, 200, 0, 500);
    ExpectRounded(0.013, 0.017, 0.01, 0.02);
}

TEST(RoundRangeTest, KeepsTheHigherWindowOnATie)
{
    // Every window of unit 1 that covers 5..13 has ends of roundness 1.
    ExpectRounded(5, 13, 5, 15);
}

TEST(RoundRangeTest, RangesThatCrossOrLieBelowZero)
{
    // A negative lower end starts the window one unit further down.
    ExpectRounded(-3.7, 2, -5, 5);
    ExpectRounded(-10, -2, -11, -1);
    ExpectRounded(-0.3, 0.3, -0.4, 0.6);
}

TEST(RoundRangeTest, EqualEndsReversedEndsAndMessages)
{
    ExpectRounded(4, 4, 4, 5);
    // Equal within the Real tolerance counts as equal.
    ExpectRounded(4, 4 * (1 + 1e-16), 4, 5);

    Real lo = Number(7);
    Real hi = Number(3);
    RoundRange(lo, hi);
    EXPECT_EQ(lo.dValue(), 7);
    EXPECT_EQ(hi.dValue(), 3);

    Real invalid = MessageValue("Invalid plan");
    Real top = Number(10);
    RoundRange(invalid, top);
    ASSERT_TRUE(HasMessage(invalid));
    EXPECT_STREQ(invalid.Message()->Text(), "Invalid plan");
    EXPECT_EQ(top.dValue(), 10);
}

TEST(RoundRangeTest, AlwaysTenUnitsOfOneTwoOrFiveThatCoverTheRange)
{
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> exponent(-8, 8);
    std::uniform_real_distribution<double> share(-1, 1);
    for (int trial = 0; trial < 20000; ++trial)
    {
        const double magnitude = std::pow(10, exponent(random));
        double lo = share(random) * magnitude;
        double hi = share(random) * magnitude;
        if (hi < lo)
            std::swap(lo, hi);
        if (hi - lo < 1e-9 * magnitude)
            continue;
        const auto [low, high] = Rounded(lo, hi);
        const double unit = (high - low) / 10;
        const double decade = std::pow(10, std::floor(std::log10(unit) + 1e-9));
        const double mantissa = unit / decade;
        const bool roundUnit = std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 ||
                               std::fabs(mantissa - 5) < 1e-6;
        ASSERT_TRUE(roundUnit) << lo << " " << hi << " gave a unit of " << unit;
        ASSERT_LE(low, lo + 1e-9 * unit) << lo << " " << hi;
        ASSERT_GE(high, hi - 1e-9 * unit) << lo << " " << hi;
        // The unit is the smallest that fits a range 1.25 times as wide, or the next one.
        ASSERT_LE(hi - lo, 8 * unit * (1 + 1e-9)) << lo << " " << hi;
    }
}

TEST(RoundRangeTest, UnitsBelowTheSpacingOfTheNumbersEndTheSearch)
{
    // A range so narrow that a unit hardly moves numbers of this size still ends.
    const double lo = 1e6;
    const double hi = 1e6 * (1 + 4e-15);
    const auto [low, high] = Rounded(lo, hi);
    EXPECT_LE(low, lo);
    EXPECT_GE(high, hi);
}

TEST(RoundnessTest, CountsTrailingZerosOrDecimals)
{
    EXPECT_EQ(Roundness(0), 20);
    EXPECT_EQ(Roundness(7), 1);
    EXPECT_EQ(Roundness(100), 3);
    EXPECT_EQ(Roundness(-20), 2);
    EXPECT_EQ(Roundness(0.5), -1);
    EXPECT_EQ(Roundness(0.25), -2);
    EXPECT_EQ(Roundness(-0.25), -2);
    // Rounding errors of a multiple of a unit do not count as decimals.
    EXPECT_EQ(Roundness(3 * 0.1), -1);
    EXPECT_EQ(Roundness(0.123), -3);
    EXPECT_EQ(Roundness(1e12), 10);
    // Beyond five decimals a number is as good as whole at the tolerance of the test.
    EXPECT_EQ(Roundness(1.0 / 3), -5);
}

} // namespace
} // namespace Brosquin
