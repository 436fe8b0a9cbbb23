#include "stats/MonotoneInverse.h"
#include "stats/DiscreteDistributions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace Brosquin
{
namespace
{

constexpr double tolerance = 4e-16;
constexpr int limit = 5000;
const double infinity = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

TEST(MonotoneInverseTest, ClosedFormInversesWithOpenAndClosedEnds)
{
    for (double target : {0.5, 0.1, 1e-12})
    {
        // Falling from 1 at 0 to 0: e^-x = target at -ln(target).
        const InverseResult falling = InverseOfMonotone(
            [](double x) { return std::exp(-x); }, target, true, 0, infinity, tolerance, limit);
        ASSERT_EQ(falling.end, InverseEnd::Found);
        EXPECT_NEAR(falling.level, -std::log(target), 4e-15 * -std::log(target)) << target;
        // Rising over the whole line, found by doubling both ways: x^3 = target - 0.5.
        const double cube = target - 0.3;
        const InverseResult rising = InverseOfMonotone(
            [](double x) { return x * x * x; }, cube, false, -infinity, infinity, tolerance, limit);
        ASSERT_EQ(rising.end, InverseEnd::Found);
        EXPECT_NEAR(rising.level, std::cbrt(cube), 4e-15 * std::fabs(std::cbrt(cube))) << target;
    }
    // The Poisson mean at which P(X <= 2) falls to 0.10: 5.32232...
    const InverseResult poisson =
        InverseOfMonotone([](double mean) { return PoissonCumulative(2, mean); }, 0.10, true, 0,
                          100, tolerance, limit);
    EXPECT_NEAR(PoissonCumulative(2, poisson.level), 0.10, 1e-15);
}

TEST(MonotoneInverseTest, CrossingsWhereTheMeasureMeetsTheTargetExactly)
{
    // A line through the target at a level that regula falsi lands on exactly, falling and
    // rising: the level whose value equals the target counts with the levels below it, so the
    // crossing is just above 4 (on a rising line the equal level lies above the crossing).
    const InverseResult falling = InverseOfMonotone([](double x) { return 1 - x / 8; }, 0.5, true,
                                                    0, 10, tolerance, limit);
    ASSERT_EQ(falling.end, InverseEnd::Found);
    EXPECT_NEAR(falling.level, 4, 8 * tolerance * 4);
    EXPECT_GE(falling.level, 4);
    const InverseResult rising = InverseOfMonotone([](double x) { return x / 8; }, 0.5, false, 0,
                                                   10, tolerance, limit);
    ASSERT_EQ(rising.end, InverseEnd::Found);
    EXPECT_NEAR(rising.level, 4, 8 * tolerance * 4);
    // A measure flat at the target over [2, 6], then falling: the crossing is the plateau's end.
    const InverseResult plateau = InverseOfMonotone(
        [](double x) { return x < 2 ? 1 - (x - 2) : (x <= 6 ? 1.0 : 1 - (x - 6)); }, 1.0, true, 0,
        10, tolerance, limit);
    ASSERT_EQ(plateau.end, InverseEnd::Found);
    EXPECT_NEAR(plateau.level, 6, 8 * tolerance * 6);
    // Steep curves where regula falsi alone would crawl: a binomial OC curve near Pa = 1 and 0.
    for (double pa : {1 - 1e-9, 0.95, 1e-9})
    {
        const InverseResult oc = InverseOfMonotone(
            [](double p) { return BinomialCumulative(7, 2000, p); }, pa, true, 0, 1, tolerance,
            limit);
        ASSERT_EQ(oc.end, InverseEnd::Found);
        // Levels a few bracket widths off, where the values differ by far more than their noise.
        const double below = oc.level * (1 - 16 * tolerance);
        const double above = oc.level * (1 + 16 * tolerance);
        EXPECT_GE(BinomialCumulative(7, 2000, below), pa) << pa;
        EXPECT_LT(BinomialCumulative(7, 2000, above), pa) << pa;
    }
}

TEST(MonotoneInverseTest, StepsMeetTheTargetAtTheirJumpWithEqualCountingBelow)
{
    // Constant on each interval of whole-number rounding: the crossing is a jump, k + 1/2.
    const auto steps = [](double x) { return 1.0 - 0.1 * std::floor(x + 0.5); };
    const InverseResult between = InverseOfMonotone(steps, 0.65, true, 0, 10, tolerance, limit);
    EXPECT_NEAR(between.level, 3.5, 1e-14);
    // A level whose value equals the target counts with those above it.
    const InverseResult equal = InverseOfMonotone(steps, steps(6), true, 0, 10, tolerance, limit);
    EXPECT_NEAR(equal.level, 6.5, 1e-14);
}

TEST(MonotoneInverseTest, LevelsThatCannotBeEvaluated)
{
    // Beyond 1000 nothing can be evaluated: while doubling upward such levels lie beyond the
    // crossing, which is found as long as it lies below them.
    const auto until1000 = [](double x) { return x > 1000 ? nan : 1 / (1 + x); };
    const InverseResult inside =
        InverseOfMonotone(until1000, 1.0 / 301, true, 0, infinity, tolerance, limit);
    ASSERT_EQ(inside.end, InverseEnd::Found);
    EXPECT_NEAR(inside.level, 300, 1e-12);
    const InverseResult beyond =
        InverseOfMonotone(until1000, 1.0 / 5001, true, 0, infinity, tolerance, limit);
    EXPECT_EQ(beyond.end, InverseEnd::Unevaluable);
    EXPECT_EQ(beyond.level, 1024);
    // Within closed bounds a NaN ends the search where it was met.
    const InverseResult hole = InverseOfMonotone([](double x) { return x == 5 ? nan : -x; }, -7,
                                                 true, 0, 10, tolerance, limit);
    EXPECT_EQ(hole.end, InverseEnd::Unevaluable);
    EXPECT_EQ(hole.level, 5);
    // A measure that never reaches the target over an open end.
    const InverseResult never =
        InverseOfMonotone([](double) { return 1.0; }, 0.5, true, 0, infinity, tolerance, 100);
    EXPECT_EQ(never.end, InverseEnd::Unbounded);
}

} // namespace
} // namespace Brosquin
