#include "stats/UnimodalMaximum.h"
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

TEST(UnimodalMaximumTest, PeaksInsideAndOutsideTheStartingPointsAndAtAnEnd)
{
    // x^a (1 - x)^b peaks at a / (a + b) with the value a^a b^b / (a + b)^(a + b).
    for (auto [a, b] : {std::pair{1.0, 9.0}, std::pair{3.0, 2.0}, std::pair{20.0, 0.5}})
    {
        const auto measure = [a, b](double x) { return std::pow(x, a) * std::pow(1 - x, b); };
        const double peak = a / (a + b);
        const double value = std::pow(a, a) * std::pow(b, b) / std::pow(a + b, a + b);
        // Started around 0.2 and 0.3, whether or not the peak lies between them.
        const MaximumResult found = MaximumOfUnimodal(measure, 0, 1, 0.2, 0.3, tolerance, limit);
        EXPECT_NEAR(found.value, value, 1e-14 * value) << a << " " << b;
        EXPECT_NEAR(found.level, peak, 1e-6) << a << " " << b;
    }
    // A narrow peak far outside the starting points, a peak the starting points straddle
    // closely, and a measure equal everywhere (any level is its maximum).
    const auto narrow = [](double x) { return std::exp(-std::pow((x - 0.8125) / 1e-3, 2)); };
    const MaximumResult far = MaximumOfUnimodal(narrow, 0, 1, 0.7, 0.9, tolerance, limit);
    EXPECT_NEAR(far.value, 1, 1e-15);
    EXPECT_NEAR(far.level, 0.8125, 1e-9);
    const auto hill = [](double x) { return 2 - (x - 1) * (x - 1); };
    const MaximumResult close = MaximumOfUnimodal(hill, -5, 5, 1 - 1e-9, 1 + 3e-9, tolerance, limit);
    EXPECT_EQ(close.value, 2);
    const MaximumResult level =
        MaximumOfUnimodal([](double) { return 0.25; }, 0, 1, 0.2, 0.3, tolerance, limit);
    EXPECT_EQ(level.value, 0.25);
    EXPECT_GE(level.level, 0.2);
    EXPECT_LE(level.level, 0.3);
    // A rising measure peaks at the upper end.
    const MaximumResult end =
        MaximumOfUnimodal([](double x) { return x; }, 0, 8, 1, 2, tolerance, limit);
    EXPECT_NEAR(end.value, 8, 1e-14);
    // A measure that cannot be evaluated anywhere ends without a value.
    const MaximumResult none =
        MaximumOfUnimodal([](double) { return std::numeric_limits<double>::quiet_NaN(); }, 0, 1,
                          0.2, 0.3, tolerance, limit);
    EXPECT_TRUE(std::isnan(none.value));
}

TEST(UnimodalMaximumTest, OnWholeNumbersTheLargestValueAWholeNumberReaches)
{
    // The binomial probabilities peak at their mode; every whole number is compared.
    for (auto [n, p] : {std::pair{50, 0.3}, std::pair{7, 0.5}, std::pair{1000, 0.0123}})
    {
        const auto measure = [n, p](double k)
        { return BinomialProbability(static_cast<std::int64_t>(k), n, p); };
        double bestLevel = 0;
        double best = measure(0);
        for (int k = 1; k <= n; ++k)
            if (measure(k) > best)
            {
                best = measure(k);
                bestLevel = k;
            }
        const MaximumResult found =
            MaximumOfUnimodalOnWholeNumbers(measure, 0, n, 0.1 * n, 0.2 * n, tolerance, limit);
        EXPECT_EQ(found.level, bestLevel) << n << " " << p;
        EXPECT_EQ(found.value, best) << n << " " << p;
    }
    // The climb stays within the bounds, here the whole numbers 2 to 4 of [1.5, 4.7].
    const MaximumResult clamped = MaximumOfUnimodalOnWholeNumbers([](double k) { return k; }, 1.5,
                                                                  4.7, 2, 3, tolerance, limit);
    EXPECT_EQ(clamped.level, 4);
}

} // namespace
} // namespace Brosquin
