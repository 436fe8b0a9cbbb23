#include "stats/SpecialFunctions.h"
#include "stats/MillsRatio.h"
#include "tests/stats/Accuracy.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

namespace Brosquin
{
namespace
{

struct Reference
{
    double dArgument;
    double dValue;
};

TEST(LogGammaTest, MatchesHighPrecisionValuesIncludingNearItsZeros)
{
    // mpmath.loggamma at 40 digits of the double arguments.
    const std::vector<Reference> values = {
        {0.5, 0.57236494292470008707},
        {1e-300, 690.77552789821370521},
        {1e-8, 18.420680738180208905},
        {0.3, 1.0957979948180755606},
        {0.9999999, 5.7721574684441928263e-8},
        {1.0000001, -5.772155829918507097e-8},
        {1.9999999, -4.2278430309861298194e-8},
        {2.0000001, 4.2278436665324979232e-8},
        {2.5, 0.28468287047291915963},
        {9.75, 12.242204940050762559},
        {12.0, 17.502307845873885839},
        {300.0, 1409.2020674704117875},
        {1e6, 12815504.56914761166},
        {1e300, 6.8977552789821370521e+302},
    };
    for (const Reference& value : values)
        EXPECT_LT(RelativeError(LogGamma(value.dArgument), value.dValue), 1e-14)
            << "x = " << value.dArgument;
    EXPECT_EQ(LogGamma(1.0), 0.0);
    EXPECT_EQ(LogGamma(2.0), 0.0);
    // x + 1 rounds to 1: -ln x exactly.
    EXPECT_EQ(LogGamma(1e-20), -std::log(1e-20));
}

TEST(LogGammaTest, AgreesWithBoostOverAWideGrid)
{
    double worst = 0.0;
    for (double x = 1e-12; x < 1e12; x *= 1.037)
    {
        const long double reference = boost::math::lgamma(static_cast<long double>(x));
        if (std::fabs(x - 1.0) < 1e-3 || std::fabs(x - 2.0) < 1e-3)
            continue; // near its zeros, checked against mpmath above
        worst = std::max(worst, RelativeError(LogGamma(x), reference));
    }
    EXPECT_LT(worst, 1e-14);
}

TEST(LogBetaTest, KeepsFullPrecisionWhenOneParameterIsLarge)
{
    // mpmath.log(mpmath.beta(a, b)) at 40 digits of the double arguments.
    struct Pair
    {
        double a;
        double b;
        double dValue;
    };
    const std::vector<Pair> values = {
        {1.0, 1e6, -13.815510557964274104},   {1e6, 1.0, -13.815510557964274104},
        {0.5, 1e8, -8.637975427801482649},    {1e5, 2e5, -190958.88527911684967},
        {2.5, 3.5, -3.3018352699620526098},   {1e-3, 50.0, 6.9032768856098271687},
        {10.0, 10.0, -13.736229227036554814}, {1000.0, 2000.0, -1911.8746142144515688},
        {30.0, 1e10, -619.51848897454569615}, {12.5, 7.25, -12.812329327932779412},
        {3.0, 17.0, -7.9748769005588759230},
    };
    for (const Pair& value : values)
        EXPECT_LT(RelativeError(LogBeta(value.a, value.b), value.dValue), 1e-14)
            << "a = " << value.a << ", b = " << value.b;
}

TEST(NormalTailAreaTest, KeepsFullPrecisionFarIntoBothTails)
{
    // mpmath.ncdf at 40 digits.
    EXPECT_LT(RelativeError(NormalTailArea(1.96, true), 0.024997895148220434137L), 1e-14);
    EXPECT_LT(RelativeError(NormalTailArea(-1.96, false), 0.024997895148220434137L), 1e-14);
    EXPECT_LT(RelativeError(NormalTailArea(8.0, true), 6.2209605742717841235e-16L), 1e-14);
    EXPECT_LT(RelativeError(NormalTailArea(20.0, true), 2.7536241186062336951e-89L), 1e-13);
    EXPECT_LT(RelativeError(NormalTailArea(-37.5, false), 4.6053530095819548438e-308L), 1e-13);
    EXPECT_EQ(NormalTailArea(0.0, true), 0.5);
    EXPECT_EQ(NormalTailArea(0.0, false), 0.5);
    EXPECT_EQ(NormalTailArea(20.0, false), 1.0);
    EXPECT_EQ(NormalTailArea(8.0, false), 1.0 - NormalTailArea(8.0, true));

    double worst = 0.0;
    for (double x = -38.0; x < 38.0; x += 0.0137)
    {
        const long double reference =
            0.5L * boost::math::erfc(-static_cast<long double>(x) / std::sqrt(2.0L));
        worst = std::max(worst, RelativeError(NormalTailArea(x, false), reference));
        worst = std::max(worst, RelativeError(NormalTailArea(-x, true), reference));
    }
    EXPECT_LT(worst, 1e-13);
}

TEST(NormalMillsRatioTest, MatchesHighPrecisionValuesOnBothSidesOfItsSplit)
{
    // R(x) = Q(x) / phi(x) at 30 digits (tests/stats/mills_ratio_coefficients.py x).
    const std::pair<double, long double> references[] = {
        {0, 1.25331413731550025120788264241L},        {0.5, 0.87636445645369234672785314264L},
        {1.25, 0.578430346047631076633612490495L},    {2.5, 0.354265111329793666783981425828L},
        {3.999, 0.236705784929564826226801493489L},   {4, 0.236652382913560670623985936436L},
        {4.001, 0.236599003988067011880466079883L},   {6, 0.162377660896867461815682102819L},
        {10, 0.0990285964717319213953371885953L},     {37, 0.0270073279651283360633761536572L},
        {1000, 0.000999999000002999985000104999055L}, {1e8, 9.999999999999999e-9L},
    };
    for (const auto& [x, ratio] : references)
        EXPECT_LT(RelativeError(NormalMillsRatio(x), ratio), 1e-15) << x;
}

TEST(IncompleteBetaTest, ClosedFormsAndEnds)
{
    for (double x : {1e-300, 1e-9, 0.01, 0.3, 0.5, 0.77, 0.999999})
    {
        EXPECT_LT(RelativeError(IncompleteBeta(x, 1.0, 1.0), x), 1e-13);
        // I_x(a, 1) = x^a and 1 - I_x(1, b) = (1 - x)^b.
        EXPECT_LT(
            RelativeError(IncompleteBeta(x, 3.5, 1.0), std::pow(static_cast<long double>(x), 3.5L)),
            1e-13);
        const TailProbabilities tails = IncompleteBetaTails(x, 1.0, 250.0);
        EXPECT_LT(RelativeError(tails.dUpper, std::pow(1.0L - static_cast<long double>(x), 250.0L)),
                  1e-13)
            << x;
        // The fraction as defined: I_x(1, 1) = x (1 - x) F, so F = 1 / (1 - x).
        if (x < 0.5)
        {
            EXPECT_LT(RelativeError(IncompleteBetaFraction(x, 1.0, 1.0), 1.0L / (1.0L - x)), 1e-15);
        }
    }
    EXPECT_EQ(IncompleteBeta(0.0, 2.0, 3.0), 0.0);
    EXPECT_EQ(IncompleteBeta(-1.0, 2.0, 3.0), 0.0);
    EXPECT_EQ(IncompleteBeta(1.0, 2.0, 3.0), 1.0);
    EXPECT_EQ(IncompleteBeta(2.0, 2.0, 3.0), 1.0);
    for (double a : {0.01, 0.5, 1.0, 7.0, 300.0, 1e5, 1e9})
        EXPECT_NEAR(IncompleteBeta(0.5, a, a), 0.5, 1e-14) << a;
}

TEST(IncompleteBetaTest, HugeParametersNearTheCentre)
{
    // For whole a and b, I_x(a, b) = P(X >= a) with X binomial(a + b - 1, x); references are
    // those binomial sums in mpmath at 40 digits (a sum of terms from the mode outward), and
    // mpmath.betainc for (300, 300).
    struct Case
    {
        double dX, dA, dB;
        long double lower, upper;
    };
    const std::vector<Case> cases = {
        {0.45, 300.0, 300.0, 0.007051586108963159589L, 0.992948413891036840411L},
        {0.49998993769410377, 1e9, 1e9, 0.1840601254123956817723L, 0.8159398745876043182277L},
        {0.0001505251027173897, 3e5, 2e9, 0.9771514067432566167553L, 0.02284859325674338324466L},
        {0.00014956680386732195, 3e5, 2e9, 0.06670848683062305871646L, 0.9332915131693769412835L},
        {0.9999938830915915, 1999999993.0, 12345.0, 0.8413480339637270939502L,
         0.1586519660362729060498L},
        {2.1581138382254747e-08, 40.0, 2e9, 0.7053317835133096238084L, 0.2946682164866903761916L},
    };
    for (const Case& c : cases)
    {
        const TailProbabilities tails = IncompleteBetaTails(c.dX, c.dA, c.dB);
        EXPECT_LT(RelativeError(tails.dLower, c.lower), 1e-12) << c.dA << ", " << c.dB;
        EXPECT_LT(RelativeError(tails.dUpper, c.upper), 1e-12) << c.dA << ", " << c.dB;
    }
}

TEST(IncompleteBetaTest, ParametersBelowOneOnTheSideOfTheLargerTail)
{
    // Where a < 1 and x lies below (a + 1) / (a + b + 2), or b < 1 and x above it, the tail of
    // that side is near 1 and the other one small: the small tail by the series (b x at most 1)
    // and by the continued fraction beyond. References: mpmath.betainc at 50 digits, the upper
    // tail as betainc(b, a, 0, 1 - x).
    struct Case
    {
        double dX, dA, dB;
        long double lower, upper;
    };
    const std::vector<Case> cases = {
        {2.302020479842705e-06, 0.011566776287600486, 343661.67712972075, 0.9963133837918791349771L,
         0.003686616208120865022928L},
        {0.000284021410902663, 1.8762901808313955e-06, 1028.3932915151395,
         0.9999982628952323468658L, 1.737104767653134214194e-6L},
        {1.0005e-05, 0.001, 1e5, 0.9997805755990141378845L, 0.000219424400985862115512L},
        {0.2838341758789528, 4.954527227937891e-06, 0.6721961194414023, 0.9999906846840393285728L,
         9.315315960671427189641e-6L},
        {0.999660626556694, 91.79858253324427, 1.6216086998415725e-06, 4.747469102497340617317e-6L,
         0.9999952525308975026594L},
        {0.9999826067603711, 1454.564471191536, 2.8809960552535954e-05,
         0.00009003403504449231390008L, 0.9999099659649555076861L},
    };
    for (const Case& c : cases)
    {
        const TailProbabilities tails = IncompleteBetaTails(c.dX, c.dA, c.dB);
        EXPECT_LT(RelativeError(tails.dLower, c.lower), 1e-12) << c.dX << ", " << c.dA;
        EXPECT_LT(RelativeError(tails.dUpper, c.upper), 1e-12) << c.dX << ", " << c.dA;
    }
}

// Points around the centre of the distribution and in both tails, for every pair (a, b).
std::vector<double> SamplePoints(double a, double b)
{
    const double mean = a / (a + b);
    const double sd = std::sqrt(a * b / ((a + b) * (a + b) * (a + b + 1.0)));
    std::vector<double> points;
    for (double z : {-30.0, -8.0, -3.0, -1.0, -0.2, 0.0, 0.3, 1.0, 3.0, 8.0, 30.0})
    {
        const double x = mean + z * sd;
        if (x > 0.0 && x < 1.0)
            points.push_back(x);
    }
    for (double x : {1e-12, 1e-4, 0.1, 0.5, 0.9, 0.9999})
        points.push_back(x);
    return points;
}

TEST(IncompleteBetaTest, BothTailsAgreeWithBoostOverAWideGrid)
{
    const std::vector<double> parameters = {0.05, 0.5,   1.0,    1.5,   3.0, 10.0,
                                            37.5, 100.0, 1000.0, 2.5e4, 1e6};
    double worstLower = 0.0;
    double worstUpper = 0.0;
    for (double a : parameters)
        for (double b : parameters)
            for (double x : SamplePoints(a, b))
            {
                const long double xl = x;
                const long double lower = boost::math::ibeta(static_cast<long double>(a),
                                                             static_cast<long double>(b), xl);
                const long double upper = boost::math::ibetac(static_cast<long double>(a),
                                                              static_cast<long double>(b), xl);
                const TailProbabilities tails = IncompleteBetaTails(x, a, b);
                const double lowerError = RelativeError(tails.dLower, lower);
                const double upperError = RelativeError(tails.dUpper, upper);
                EXPECT_LT(lowerError, 1e-12) << "I_" << x << "(" << a << ", " << b << ")";
                EXPECT_LT(upperError, 1e-12) << "1 - I_" << x << "(" << a << ", " << b << ")";
                worstLower = std::max(worstLower, lowerError);
                worstUpper = std::max(worstUpper, upperError);
            }
    std::printf("worst relative errors: lower %.3g, upper %.3g\n", worstLower, worstUpper);
}

} // namespace
} // namespace Brosquin
