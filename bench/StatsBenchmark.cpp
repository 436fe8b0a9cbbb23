#include "stats/DefectivesSingle.h"
#include "stats/DefectsPerUnitSingle.h"
#include "stats/DiscreteDistributions.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <iterator>

namespace Brosquin
{
namespace
{

// Cumulatives at the centre of the distribution, where they cost the most: the argument is
// (n, c) with p = c / n.
void BM_BinomialCumulative(benchmark::State& state)
{
    const std::int64_t n = state.range(0);
    const std::int64_t c = state.range(1);
    const double p = static_cast<double>(c) / n;
    for (auto _ : state)
        benchmark::DoNotOptimize(BinomialCumulative(c, n, p));
}
BENCHMARK(BM_BinomialCumulative)
    ->Args({20, 4})
    ->Args({1000, 50})
    ->Args({100000, 1000})
    ->Args({1000000, 100000})
    ->Args({1000000, 10});

void BM_PoissonCumulative(benchmark::State& state)
{
    const std::int64_t c = state.range(0);
    const double lambda = static_cast<double>(c) + 0.5;
    for (auto _ : state)
        benchmark::DoNotOptimize(PoissonCumulative(c, lambda));
}
BENCHMARK(BM_PoissonCumulative)->Arg(4)->Arg(50)->Arg(1000)->Arg(100000);

// Sample n of a lot of 10 n units with c / n defective.
void BM_HypergeometricCumulative(benchmark::State& state)
{
    const std::int64_t n = state.range(0);
    const std::int64_t c = state.range(1);
    const std::int64_t N = 10 * n;
    const std::int64_t D = 10 * c;
    for (auto _ : state)
        benchmark::DoNotOptimize(HypergeometricCumulative(c, n, D, N));
}
BENCHMARK(BM_HypergeometricCumulative)
    ->Args({20, 4})
    ->Args({1000, 50})
    ->Args({100000, 1000})
    ->Args({1000000, 100000});

// Designs for AQL and LTPD given in parts per billion.
void BM_DefectivesSingleDesignTwoLevels(benchmark::State& state)
{
    const double aql = state.range(0) * 1e-9;
    const double ltpd = state.range(1) * 1e-9;
    for (auto _ : state)
    {
        int n = 0;
        int c = 0;
        DefectivesSingleDesignTwoLevels(aql, ltpd, 0.95, 0.10, n, c);
        benchmark::DoNotOptimize(n + c);
    }
}
BENCHMARK(BM_DefectivesSingleDesignTwoLevels)
    ->Args({10000000, 50000000})
    ->Args({1000000, 2000000})
    ->Args({1000, 1050})
    ->Args({0, 1})
    ->Unit(benchmark::kMicrosecond);

void BM_DefectsPerUnitSingleDesignThreeLevels(benchmark::State& state)
{
    const double aql = state.range(0) * 1e-9;
    const double ltpd = state.range(1) * 1e-9;
    for (auto _ : state)
    {
        int n = 0;
        int c = 0;
        DefectsPerUnitSingleDesignThreeLevels(aql, 1.2 * aql, ltpd, 0.95, 0.10, n, c);
        benchmark::DoNotOptimize(n + c);
    }
}
BENCHMARK(BM_DefectsPerUnitSingleDesignThreeLevels)
    ->Args({10000000, 50000000})
    ->Args({1000000, 2000000})
    ->Unit(benchmark::kMicrosecond);

// Levels or probabilities so close that accept numbers in the millions are needed: every design
// ends in bounded time (the goal is under 50 ms each).
struct CloseRequirements
{
    bool defectives;
    double aql;
    double maximumAql; // 0: two levels
    double ltpd;
    double paAql;
    double paLtpd;
};

constexpr CloseRequirements closeRequirements[] = {
    {false, 0.5, 0, 0.5000001, 0.5, 0.4999},
    {false, 0.5, 0.50000005, 0.5000001, 0.5, 0.4999},
    {true, 0.5, 0, 0.5000001, 0.5, 0.4999},
    {true, 0.5, 0.50000005, 0.5000001, 0.5, 0.4999},
    {false, 2.0, 0, 2.004, 0.95, 0.10},
    {true, 0.5, 0, 0.501, 0.95, 0.10},
    {false, 0.3, 0.30000001, 0.3000001, 0.5, 0.4999}};

void BM_DesignForCloseRequirements(benchmark::State& state)
{
    const CloseRequirements& r = closeRequirements[state.range(0)];
    for (auto _ : state)
    {
        int n = 0;
        int c = 0;
        if (r.defectives && r.maximumAql > 0)
            DefectivesSingleDesignThreeLevels(r.aql, r.maximumAql, r.ltpd, r.paAql, r.paLtpd, n, c);
        else if (r.defectives)
            DefectivesSingleDesignTwoLevels(r.aql, r.ltpd, r.paAql, r.paLtpd, n, c);
        else if (r.maximumAql > 0)
            DefectsPerUnitSingleDesignThreeLevels(r.aql, r.maximumAql, r.ltpd, r.paAql, r.paLtpd, n,
                                                  c);
        else
            DefectsPerUnitSingleDesignTwoLevels(r.aql, r.ltpd, r.paAql, r.paLtpd, n, c);
        benchmark::DoNotOptimize(n + c);
    }
}
BENCHMARK(BM_DesignForCloseRequirements)
    ->DenseRange(0, std::size(closeRequirements) - 1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
