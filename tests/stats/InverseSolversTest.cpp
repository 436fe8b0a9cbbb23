#include "stats/InverseSolvers.h"
#include "stats/SpecialFunctions.h"
#include "stats/SymmetricBetaBoundary.h"
#include "tests/stats/Accuracy.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

namespace Brosquin
{
namespace
{

TEST(InverseNormalTest, MatchesHighPrecisionQuantilesInEveryBranch)
{
    // mpmath at 40 digits, the root of ncdf(z) = p for the double p.
    EXPECT_LT(RelativeError(InverseNormal(0.975), 1.9599639845400538556L), 1e-15);
    EXPECT_LT(RelativeError(InverseNormal(1e-10), -6.3613409024040561991L), 1e-15);
    EXPECT_LT(RelativeError(InverseNormal(1e-300), -37.047096299361199237L), 1e-15);
    EXPECT_LT(RelativeError(InverseNormal(1.0 - 0x1p-53), 8.2095361516013868556L), 1e-15);
    EXPECT_EQ(InverseNormal(0.5), 0.0);

    // Boost's quantile in long double as a second source, over all three regions.
    const boost::math::normal_distribution<long double> normal;
    double worst = 0.0;
    for (double p = 1e-305; p < 0.5; p *= 1.37)
    {
        const double q = 1.0 - p;
        for (double x : {p, q})
            if (x < 1.0)
                worst = std::max(worst,
                                 RelativeError(InverseNormal(x), boost::math::quantile(normal, x)));
    }
    EXPECT_LT(worst, 1e-15);

    EXPECT_EQ(InverseNormal(0.0), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(InverseNormal(1.0), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(InverseNormal(std::nan(""))));
}

TEST(NearerSpecZFromFractionTest, SolvesTheFractionOutsideBothLimitsToFullPrecision)
{
    // mpmath.findroot at 30 digits.
    EXPECT_LT(RelativeError(NearerSpecZFromFraction(0.01, 6.0), -3.6690606248130987837L), 1e-14);
    EXPECT_LT(RelativeError(NearerSpecZFromFraction(0.3, 2.5), -1.8888268680041131163L), 1e-14);
    for (double d : {0.5, 2.0, 6.0, 12.0})
        for (double p : {1e-12, 1e-6, 0.003, 0.05, 0.4, 0.9})
        {
            const double z = NearerSpecZFromFraction(p, d);
            if (p < 2.0 * NormalTailArea(-d / 2, false))
            {
                EXPECT_EQ(z, 0.0) << p << ", " << d;
                continue;
            }
            EXPECT_LE(z, -d / 2);
            const double fraction = NormalTailArea(z, false) + NormalTailArea(z + d, true);
            EXPECT_LT(RelativeError(fraction, p), 1e-14) << p << ", " << d;
        }
    // At the fraction of a centred process the root is the middle, to the square root of the
    // rounding there (the fraction is flat in z).
    EXPECT_NEAR(NearerSpecZFromFraction(2.0 * NormalTailArea(-3.0, false), 6.0), -3.0, 1e-7);
}

TEST(InverseIncompleteBetaTest, InvertsTheIncompleteBetaToFullPrecision)
{
    // mpmath.findroot of betainc at 30 digits.
    EXPECT_LT(RelativeError(InverseIncompleteBeta(0.8, 4.0, 4.0), 0.64990643432287658L), 1e-15);
    double worst = 0.0;
    for (double a : {0.5, 1.0, 3.5, 49.0, 300.0})
        for (double b : {0.5, 4.0, 49.0})
            for (double P : {1e-30, 1e-9, 1e-4, 0.025, 0.5, 0.9, 0.999999})
            {
                const long double reference =
                    boost::math::ibeta_inv(static_cast<long double>(a), static_cast<long double>(b),
                                           static_cast<long double>(P));
                if (reference > 1e-300L)
                    worst =
                        std::max(worst, RelativeError(InverseIncompleteBeta(P, a, b), reference));
            }
    EXPECT_LT(worst, 1e-13);
    EXPECT_EQ(InverseIncompleteBeta(0.0, 2.0, 3.0), 0.0);
    EXPECT_EQ(InverseIncompleteBeta(-1.0, 2.0, 3.0), 0.0);
    EXPECT_EQ(InverseIncompleteBeta(1.0, 2.0, 3.0), 1.0);
    // A root far below the smallest normal double (0.6^2000) ends after bounded work.
    EXPECT_LT(InverseIncompleteBeta(0.3, 0.0005, 0.0005), 1e-300);
}

// The d >= 0 with I(y - d; a, a) + I(y + d; a, a) = P. References: mpmath at 50 digits on the
// exact doubles y and P, I = betainc(a, a, 0, x, regularized=True) (0 below 0, 1 above 1), d by
// 400 bisections of that equation, or xP - y with xP = I^-1(P) likewise where y - d <= 0. The
// interior cases lie at fractions 0.2 and 0.97 of the way from xP / 2 to I^-1(P / 2), where the
// sum has to be solved; near its upper end d = 0 is a root of the sum's slope too, which makes
// d's relative condition 12 to 65 there.
TEST(BetaAcceptanceHalfWidthTest, SolvesTheSymmetricIntervalToFullPrecision)
{
    const std::tuple<double, double, double, long double> cases[] = {
        {0.0037008788648931067, 0.001, 1.5, 0.0032626557241517568024L},
        {0.2063106635793856, 0.3, 1.5, 0.035315802064787759552L},
        {0.12693894714099568, 0.05, 4.0, 0.098353347836021599188L},
        {0.3141553090052868, 0.3, 4.0, 0.036776722344752170935L},
        {0.23061096680715476, 0.001, 16.5, 0.01221533801047935621L},
        {0.26361321563405765, 0.3, 16.5, 0.19049388721831325279L},
        {0.26279261858382935, 0.05, 99.0, 0.1788861413545041651L},
        {0.4565004902275803, 0.3, 99.0, 0.021310940902890833866L},
        // The lower end outside the distribution: d = xP - y.
        {0.0017592196684205223, 0.001, 1.5, 0.0052776590052615672919L},
        {0.11352677571531052, 0.3, 16.5, 0.34058032714593153441L},
        {-0.25, 0.05, 4.0, 0.47532158403244773371L},
        {0.1, 0.3, 1.0, 0.19999999999999998335L},
        {0.05, 0.3, 0.5, 0.15610737385376341853L},
    };
    for (const auto& [y, P, a, d] : cases)
        EXPECT_LT(RelativeError(BetaAcceptanceHalfWidth(y, P, a), d), 1e-13)
            << y << " " << P << " " << a;
    // Where even d = 0 leaves more than P beyond the two ends: below 1/2 when P < 2 I(y), and
    // from 1/2 on whenever P < 1.
    for (const auto& [y, P, a] :
         {std::array{0.2, 0.05, 4.0}, std::array{0.3, 0.3, 1.0}, std::array{0.2, 0.05, 0.5},
          std::array{0.5, 0.99, 16.5}, std::array{0.8, 0.5, 4.0}})
        EXPECT_EQ(BetaAcceptanceHalfWidth(y, P, a), 0.0) << y << " " << P << " " << a;
    EXPECT_EQ(BetaAcceptanceHalfWidth(0.3, 1.0, 4.0), 0.7);
    EXPECT_TRUE(std::isnan(BetaAcceptanceHalfWidth(0.3, 0.5, 0.0)));
    // For a < 1 the sum falls while y - d > 0; the root there, by the same bisection.
    EXPECT_LT(RelativeError(SymmetricBetaHalfWidth(0.0023096239923257903, 0.05, 0.5,
                                                   InverseIncompleteBeta(0.05, 0.5, 0.5)),
                            0.0021772542407514110718L),
              1e-13);
}

} // namespace
} // namespace Brosquin
