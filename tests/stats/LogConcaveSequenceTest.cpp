#include "stats/LogConcaveSequence.h"
#include "stats/StagedLots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace Brosquin
{
namespace
{

// The weighted sum that stops past the largest point is the very double of the sum of every
// term, in order, of the points as FillLogConcave fills them: ranges wholly on either side of the
// largest point, across it, and of a single count; weights 1, 0 until far past the largest point,
// and between 0 and 1. Stopping at 2^-53 of the sum instead of 2^-55 changes some of them.
TEST(LogConcaveSequenceTest, WeightedSumIsTheWholeSum)
{
    struct Range
    {
        double from; // in standard deviations from the mean
        std::int64_t width;
    };
    const Range ranges[] = {{-40.0, 4000}, {-3.0, 70}, {0.0, 1}, {0.5, 900}, {2.0, 9}, {30.0, 50}};
    const auto weights = {+[](std::int64_t) { return 1.0; },
                          +[](std::int64_t y) { return y % 7 == 0 ? 1.0 : 0.25 + 0.1 * (y % 5); },
                          +[](std::int64_t y) { return y < 3000 ? 0.0 : 1.0; }};
    std::vector<double> points;
    std::vector<double> filled;
    for (double mean : {0.05, 2.5, 640.0, 1.0e6})
        for (bool binomial : {false, true})
            for (const Range& range : ranges)
                for (auto weight : weights)
                {
                    const double deviation = std::sqrt(mean);
                    const auto first = static_cast<std::int64_t>(
                        std::max(0.0, std::floor(mean + range.from * deviation)));
                    const std::int64_t last = first + range.width - 1;
                    const auto check = [&](const auto& sequence)
                    {
                        FillLogConcave(first, last, sequence, freshEveryUsedOnce, filled);
                        double whole = 0.0;
                        for (std::size_t i = 0; i < filled.size(); ++i)
                            whole += filled[i] * weight(first + static_cast<std::int64_t>(i));
                        const double sum = WeightedSumOfLogConcave(
                            first, last, sequence, freshEveryUsedOnce, weight, points);
                        EXPECT_EQ(sum, whole) << mean << " " << first << " " << last;
                    };
                    if (binomial)
                        check(BinomialKernel{static_cast<std::int64_t>(4.0 * mean) + 10,
                                             mean / (4.0 * mean + 10.0)});
                    else
                        check(PoissonKernel{mean});
                }
}

} // namespace
} // namespace Brosquin
