#include "core/Interval.h"
#include "core/RealOf.h"
#include "tests/core/IntervalTestSupport.h"

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace Brosquin
{
namespace
{

constexpr double inf = IntervalInfinityValue;

Interval Point(double x)
{
    return Ends(x, x);
}

// Ends rounded outward from the nearest doubles: on the right side of them and within a relative
// distance (a few units in the last place for the elementary functions, the error bound of the
// statistics' functions for the others).
::testing::AssertionResult Around(const Interval& interval, double lower, double upper,
                                  double relative = 16 * std::numeric_limits<double>::epsilon())
{
    const double lowerGap = lower - interval.Lower(), upperGap = interval.Upper() - upper;
    if (interval.Kind() == IntervalBounded && lowerGap >= 0 &&
        lowerGap <= relative * std::fabs(lower) && upperGap >= 0 &&
        upperGap <= relative * std::fabs(upper))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << Describe(interval) << " against [" << lower << ", " << upper << "]";
}

template <class Operation> Interval Applied(Interval x, Operation operation)
{
    operation(x);
    return x;
}

TEST(IntervalArithmetic, ExactEndsStayAndOthersAreRoundedOutward)
{
    EXPECT_EQ(Describe(Ends(1, 2) += Ends(3, 4)), "[4, 6]");
    EXPECT_EQ(Describe(Ends(1, 2) -= Ends(3, 4)), "[-3, -1]");
    EXPECT_EQ(Describe(Ends(-2, 3) *= Ends(4, 5)), "[-10, 15]");
    EXPECT_EQ(Describe(Ends(2, 4).Reciprocal()), "[0.25, 0.5]");
    EXPECT_EQ(Describe(Ends(1, 2) /= Ends(4, 4)), "[0.25, 0.5]");
    EXPECT_EQ(Describe(Ends(4, 9).SquareRoot()), "[2, 3]");
    EXPECT_EQ(Describe(Ends(1, 1).Log()), "[0, 0]");
    EXPECT_EQ(Describe(Ends(0, 0).Exponential()), "[1, 1]");
    EXPECT_EQ(Describe(Ends(1, 2).LogGamma()), "[-0.121486, 0]");
    EXPECT_EQ(Describe(Ends(1, 1).LogBeta(Ends(1, 1))), "[0, 0]");
    EXPECT_EQ(Describe(Ends(-inf, inf).NormalDistribution()), "[0, 1]");

    // 0.1 + 0.2 and pi: the exact values lie inside, the ends are the doubles around them.
    using Big = boost::multiprecision::cpp_bin_float_50;
    const Interval sum = Point(0.1) += Point(0.2);
    EXPECT_LT(Big(sum.Lower()), Big(0.1) + Big(0.2));
    EXPECT_GT(Big(sum.Upper()), Big(0.1) + Big(0.2));
    EXPECT_EQ(sum.Upper(), std::nextafter(sum.Lower(), 1.0));
    Interval pi;
    pi.Pi();
    EXPECT_LT(Big(pi.Lower()), boost::math::constants::pi<Big>());
    EXPECT_GT(Big(pi.Upper()), boost::math::constants::pi<Big>());
    EXPECT_EQ(pi.Upper(), std::nextafter(pi.Lower(), 4.0));
    Interval e;
    e.E();
    EXPECT_LT(Big(e.Lower()), boost::math::constants::e<Big>());
    EXPECT_GT(Big(e.Upper()), boost::math::constants::e<Big>());
}

TEST(IntervalArithmetic, HalfLinesUnionsAndMessages)
{
    const std::pair<Interval, const char*> cases[] = {
        {Ends(-inf, 2) += Ends(1, inf), "[-inf, inf]"},
        {Ends(-inf, 2) -= Ends(-inf, 5), "[-inf, inf]"},
        {Ends(1e154, 1e154) += Ends(1e154, 1e154), "[1e+154, inf]"},
        {Ends(0, 0) *= Ends(-inf, inf), "[0, 0]"},
        {Ends(-1, 2) *= Ends(3, inf), "[-inf, inf]"},
        {Ends(1, 2) *= Ends(-inf, -3), "[-inf, -3]"},
        {Ends(-inf, -2) *= Ends(-inf, -3), "[6, inf]"},
        {Ends(0, 2).Reciprocal(), "[0.5, inf]"},
        {Ends(-1, 2).Reciprocal(), "{[-inf, -1] [0.5, inf]}"},
        {Ends(-inf, 2).Reciprocal(), "{[-inf, 0] [0.5, inf]}"},
        {Ends(-4, inf).Reciprocal(), "{[-inf, -0.25] [0, inf]}"},
        {Ends(1, 1) /= Ends(-1, 2), "{[-inf, -1] [0.5, inf]}"},
        {Ends(0, 0).Reciprocal(), "msg:Divide by zero"},
        {Ends(5, 6) /= Ends(0, 0), "msg:Divide by zero"},
        {Ends(0, 0) /= Ends(0, 0), "msg:Divide by zero"},
        // A message of the left operand wins; one of the right operand is taken.
        {Ends(3, 2) += Ends(5, 6).Reciprocal(), "msg:Lower end of interval exceeds upper end"},
        {Ends(1, 2) *= Ends(0, 0).Reciprocal(), "msg:Divide by zero"},
        // Unions piece by piece: {[-inf, -1], [0.5, inf]} + [1, 1].
        {Ends(-1, 2).Reciprocal() += Ends(1, 1), "{[-inf, 0] [1.5, inf]}"},
        {Ends(-1, 2).Reciprocal() *= Ends(0, 0), "[0, 0]"},
    };
    for (const auto& [result, expected] : cases)
        EXPECT_EQ(Describe(result), expected);

    // Past 32 pieces a union becomes the one interval that holds them.
    Interval points = Point(0);
    for (int i = 1; i < 32; ++i)
        points.Union(Point(2 * i));
    EXPECT_EQ(points.PieceCount(), 32u);
    points.Union(Ends(-inf, -10));
    EXPECT_EQ(Describe(points), "[-inf, 62]");
}

TEST(IntervalArithmetic, Powers)
{
    EXPECT_TRUE(Around(Ends(2, 3).Power(Ends(2, 2)), 4, 9));
    EXPECT_TRUE(Around(Ends(-2, -2).Power(Ends(2, 2)), 4, 4));
    const Interval mixed = Ends(-2, -2).Power(Ends(2, 3));
    ASSERT_EQ(mixed.PieceCount(), 2u);
    EXPECT_TRUE(Around(*mixed.Piece(1), -8, -8));
    EXPECT_TRUE(Around(*mixed.Piece(2), 4, 4));
    const std::pair<Interval, const char*> cases[] = {
        {Ends(-2, -2).Power(Ends(0.5, 0.5)), "msg:Power not defined at specified values"},
        {Ends(0, 0).Power(Ends(1, 2)), "[0, 0]"},
        {Ends(0, 0).Power(Ends(-1, 1)), "[0, 0]"},
        {Ends(0, 0).Power(Ends(-2, -1)), "msg:Power not defined at specified values"},
        {Ends(-inf, inf).Power(Ends(0, 0)), "[1, 1]"},
        {Ends(-1, -1).Power(Ends(-inf, inf)), "{[-1, -1] [1, 1]}"},
        {Ends(-3, -2).Power(Ends(1, inf)), "[-inf, inf]"},
        // Too many whole exponents for a negative base, or exponents beyond counting: every
        // value, at once.
        {Ends(-2, -1).Power(Ends(0, 200)), "[-inf, inf]"},
        {Ends(-2, -1).Power(Ends(1e20, 1e20)), "[-inf, inf]"},
        {Ends(-2, -1).Power(Ends(-1e150, 1e150)), "[-inf, inf]"},
    };
    for (const auto& [result, expected] : cases)
        EXPECT_EQ(Describe(result), expected);
}

TEST(IntervalFunctions, ExamplesAndLimits)
{
    const double s = std::sin(1.0), c = std::cos(1.0);
    EXPECT_EQ(Describe(Ends(0, 1).Log()), "[-inf, 0]");
    EXPECT_EQ(Describe(Ends(-2, 0).Log()), "msg:Log of zero or negative number");
    EXPECT_EQ(Describe(Ends(-inf, inf).Log()), "[-inf, inf]");
    EXPECT_EQ(Describe(Ends(-1000, 1000).Exponential()), "[0, inf]");
    EXPECT_EQ(Describe(Ends(500, 600).Exponential()), "[1e+154, inf]");
    EXPECT_EQ(Describe(Ends(-600, -500).Exponential()), "[0, 2e-154]");
    EXPECT_EQ(Describe(Ends(-4, 9).SquareRoot()), "[0, 3]");
    EXPECT_EQ(Describe(Ends(-4, -1).SquareRoot()), "msg:Square root of negative number");
    EXPECT_EQ(Describe(Ends(0, 0).SquareRoot()), "[0, 0]");
    EXPECT_TRUE(Around(Ends(0, 1).Sine(), 0, s));
    EXPECT_TRUE(Around(Ends(1, 2).Sine(), s, 1));
    EXPECT_TRUE(Around(Ends(4, 5).Sine(), -1, std::max(std::sin(4.0), std::sin(5.0))));
    EXPECT_EQ(Describe(Ends(0, 7).Sine()), "[-1, 1]");
    EXPECT_EQ(Describe(Ends(2, inf).Sine()), "[-1, 1]");
    EXPECT_TRUE(Around(Ends(0, 1).Cosine(), c, 1));
    EXPECT_TRUE(Around(Ends(3, 4).Cosine(), -1, std::max(std::cos(3.0), std::cos(4.0))));
    EXPECT_TRUE(Around(Ends(0, 1).Tangent(), 0, std::tan(1.0)));
    EXPECT_EQ(Describe(Ends(0, 4).Tangent()), "[-inf, inf]");
    const Interval around = Ends(1, 2).Tangent();
    ASSERT_EQ(around.PieceCount(), 2u);
    EXPECT_GE(around.Piece(1)->Upper(), std::tan(2.0));
    EXPECT_LE(around.Piece(2)->Lower(), std::tan(1.0));
    EXPECT_TRUE(Around(Ends(-2, 0.5).ArcSine(), -std::asin(1.0), std::asin(0.5)));
    EXPECT_EQ(Describe(Ends(1.5, 2).ArcSine()), "msg:ArcSine not defined at specified value");
    EXPECT_TRUE(Around(Ends(0.5, 3).ArcCosine(), 0, std::acos(0.5)));
    EXPECT_TRUE(Around(Ends(-2, 1).HyperbolicCosine(), 1, std::cosh(2.0)));
    EXPECT_EQ(Describe(Ends(-3, 2).AbsoluteValue()), "[0, 3]");
    EXPECT_EQ(Describe(UnionOf({Ends(-inf, -1), Ends(2, 3)}).AbsoluteValue()), "[1, inf]");
    EXPECT_EQ(Describe(Ends(1, 5).Minimum(Ends(-inf, 3))), "[-inf, 3]");
    EXPECT_EQ(Describe(Ends(1, 5).Minimum(Ends(2, inf))), "[1, 5]");
    EXPECT_EQ(Describe(Ends(-inf, inf).Maximum(Ends(3, 4))), "[3, inf]");
    Interval message;
    message.SetMessage("kept");
    EXPECT_EQ(Describe(message.Tangent().Power(Ends(1, 2))), "msg:kept");

    // Where the place of an end within the period is not to be trusted, every value; an
    // asymptote next to an end is never missed by rounding.
    EXPECT_EQ(Describe(Ends(1e9, 1e9 + 0.5).Sine()), "[-1, 1]");
    EXPECT_EQ(Describe(Ends(1e9, 1e9 + 0.5).Tangent()), "[-inf, inf]");
    const double halfPi = std::numbers::pi / 2;
    const Interval asymptote = Ends(halfPi, std::nextafter(halfPi, 2.0)).Tangent();
    ASSERT_EQ(asymptote.PieceCount(), 2u);
    EXPECT_LT(asymptote.Piece(1)->Upper(), -1e15);
    EXPECT_GT(asymptote.Piece(2)->Lower(), 1e15);
}

TEST(IntervalFunctions, SpecialAndStatistical)
{
    const double m0 = -0.12148629053584961;
    const double bound = 1e-12;
    const double phi = 0.5 * std::erfc(std::sqrt(0.5) * 2.0); // Phi(-2)
    EXPECT_TRUE(Around(Ends(2, 3).LogGamma(), 0, std::lgamma(3.0), bound));
    EXPECT_EQ(Describe(Ends(1, 2).LogGamma()), "[-0.121486, 0]");
    EXPECT_EQ(Ends(1, 2).LogGamma().Lower(), m0);
    EXPECT_TRUE(Around(Ends(0.5, 1).LogGamma(), 0, std::lgamma(0.5), bound));
    EXPECT_EQ(Describe(Ends(-1, 2).LogGamma()), "[-0.121486, inf]");
    EXPECT_EQ(Describe(Ends(-3, 0).LogGamma()), "msg:Gamma of zero or negative");
    EXPECT_TRUE(Around(Ends(0.5, 3).Gamma(), std::tgamma(1.4616321449683622), 2, bound));
    EXPECT_EQ(Describe(Ends(1, 2).LogBeta(Ends(-2, -1))), "msg:Beta of zero or negative parameter");
    const Interval reaching = Ends(0, 1).LogBeta(Ends(1, 2));
    EXPECT_EQ(reaching.Kind(), IntervalNoUpper);
    EXPECT_TRUE(Around(Ends(reaching.Lower(), 0), -std::log(2.0), 0, bound));
    EXPECT_EQ(Describe(Ends(0, inf).NormalDistribution()), "[0.5, 1]");
    EXPECT_TRUE(
        Around(Ends(0, 0).NormalFractionDefective(Ends(0.25, 0.25)), 2 * phi, 2 * phi, bound));
    EXPECT_EQ(Describe(Ends(0, 0).NormalFractionDefective(Ends(-2, -1))),
              "msg:Normal fraction defective second parameter 0 or negative");
    const double phiMinusOne = 0.5 * std::erfc(std::sqrt(0.5));
    EXPECT_TRUE(
        Around(Ends(-inf, inf).NormalFractionDefective(Ends(0.5, 1)), 2 * phiMinusOne, 1, bound));
    // The least fraction of [2, 2] over the spreads comes at s* = sqrt(1 / ln 3).
    const double least = 1 / std::sqrt(std::log(3.0));
    const auto fraction = [](double x, double s)
    {
        return 0.5 * std::erfc((1 - x) / (2 * s) * std::sqrt(0.5)) +
               0.5 * std::erfc((1 + x) / (2 * s) * std::sqrt(0.5));
    };
    const Interval atTwo = Ends(2, 2).NormalFractionDefective(Ends(0.01, 10));
    EXPECT_NEAR(atTwo.Lower(), fraction(2, least), 1e-13);
    EXPECT_LE(atTwo.Lower(), fraction(2, least));
    const Interval inside = Ends(-0.5, 0.5).NormalFractionDefective(Ends(-1, 0.1));
    EXPECT_EQ(inside.Lower(), 0.0);
    EXPECT_NEAR(inside.Upper(), fraction(0.5, 0.1), 1e-15);
}

} // namespace
} // namespace Brosquin
