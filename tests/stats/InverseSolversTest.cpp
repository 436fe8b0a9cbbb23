#include "stats/InverseSolvers.h"
#include "stats/SpecialFunctions.h"
#include "tests/stats/Accuracy.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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

} // namespace
} // namespace Brosquin
