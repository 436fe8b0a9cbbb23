#include "stats/DefectivesDouble.h"
#include "stats/DefectivesMultiple.h"
#include "stats/DefectivesSingle.h"
#include "stats/DefectsPerQuantityDouble.h"
#include "stats/DefectsPerQuantityMultiple.h"
#include "stats/DefectsPerUnitMultiple.h"
#include "stats/DefectsPerUnitSingle.h"
#include "stats/DiscreteDistributions.h"
#include "stats/NoncentralT.h"
#include "stats/VariablesUnknownSdTwoSpecs.h"

#include <benchmark/benchmark.h>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/poisson.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace Brosquin
{
namespace
{

// Every exact cumulative beside Boost.Math's on the same arguments: the loop times ours; then
// Boost's and ours are timed alike, each in batches doubled until one takes 0.2 s, and the
// counters give Boost's time a call and the ratio of ours to it. The arguments pass through a
// volatile on every call, so that no call can be hoisted out of its loop.
template <class Function> double NanosecondsPerCall(Function function)
{
    for (std::int64_t batch = 1;; batch *= 2)
    {
        const auto start = std::chrono::steady_clock::now();
        for (std::int64_t i = 0; i < batch; ++i)
            benchmark::DoNotOptimize(function());
        const std::chrono::duration<double, std::nano> elapsed =
            std::chrono::steady_clock::now() - start;
        if (elapsed.count() >= 2e8)
            return elapsed.count() / static_cast<double>(batch);
    }
}

template <class Ours, class Reference>
void BesideBoost(benchmark::State& state, Ours ours, Reference reference)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ours());
    const double boost = NanosecondsPerCall(reference);
    state.counters["boost_ns"] = boost;
    state.counters["ratio"] = NanosecondsPerCall(ours) / boost;
}

// The value as the compiler cannot know it.
template <class T> T Opaque(T value)
{
    volatile T copy = value;
    return copy;
}

// The argument is (n, c, k) with p = c / n: the cumulative at c + k standard deviations, rounded
// and kept within 0 ... n. At the centre (k = 0) the terms fall off soonest; three deviations
// below or above, one tail is small and the other near 1.
void BM_BinomialCumulative(benchmark::State& state)
{
    const std::int64_t n = state.range(0);
    const double p = static_cast<double>(state.range(1)) / static_cast<double>(n);
    const double deviation = std::sqrt(static_cast<double>(n) * p * (1.0 - p));
    const std::int64_t c =
        std::clamp<std::int64_t>(std::llround(static_cast<double>(state.range(1)) +
                                              static_cast<double>(state.range(2)) * deviation),
                                 0, n);
    BesideBoost(
        state, [&] { return BinomialCumulative(Opaque(c), n, Opaque(p)); },
        [&]
        {
            return boost::math::cdf(
                boost::math::binomial_distribution<>(static_cast<double>(n), Opaque(p)),
                static_cast<double>(Opaque(c)));
        });
}
BENCHMARK(BM_BinomialCumulative)
    ->ArgsProduct({{20}, {4}, {-3, 0, 3}})
    ->ArgsProduct({{1000}, {50}, {-3, 0, 3}})
    ->ArgsProduct({{100000}, {1000}, {-3, 0, 3}})
    ->ArgsProduct({{1000000}, {100000}, {-3, 0, 3}})
    ->ArgsProduct({{1000000}, {10}, {-3, 0, 3}})
    ->ArgsProduct({{100}, {10}, {-3, 0, 3}})
    ->ArgsProduct({{10000000}, {5000000}, {-3, 0, 3}})
    ->ArgsProduct({{1000000000}, {1000000}, {-3, 0, 3}});

// The argument is (c, ten times the mean).
void BM_PoissonCumulative(benchmark::State& state)
{
    const std::int64_t c = state.range(0);
    const double lambda = static_cast<double>(state.range(1)) / 10;
    BesideBoost(
        state, [&] { return PoissonCumulative(Opaque(c), Opaque(lambda)); },
        [&]
        {
            return boost::math::cdf(boost::math::poisson_distribution<>(Opaque(lambda)),
                                    static_cast<double>(Opaque(c)));
        });
}
BENCHMARK(BM_PoissonCumulative)
    ->Args({4, 45})
    ->Args({10, 100})
    ->Args({2, 5})
    ->Args({50, 505})
    ->Args({99, 995})
    ->Args({1000, 10005})
    ->Args({100000, 1000005})
    ->Args({3000000, 30000005});

// Sample n of a lot of 10 n units with c / n defective.
void BM_HypergeometricCumulative(benchmark::State& state)
{
    const std::int64_t n = state.range(0);
    const std::int64_t c = state.range(1);
    const std::int64_t N = 10 * n;
    const std::int64_t D = 10 * c;
    BesideBoost(
        state, [&] { return HypergeometricCumulative(Opaque(c), n, Opaque(D), N); },
        [&]
        {
            return boost::math::cdf(boost::math::hypergeometric_distribution<>(
                                        static_cast<unsigned>(Opaque(D)), static_cast<unsigned>(n),
                                        static_cast<unsigned>(N)),
                                    static_cast<unsigned>(Opaque(c)));
        });
}
BENCHMARK(BM_HypergeometricCumulative)
    ->Args({20, 4})
    ->Args({1000, 50})
    ->Args({100000, 1000})
    ->Args({1000000, 100000});

// The noncentral t at (t, df, delta), each argument in hundredths: both tails of positive and
// negative t with positive and negative noncentrality, as variables plans ask for them. At 1 to 5
// degrees of freedom: lower tails near 1e-3 and below, deep lower tails, tiny noncentrality with
// a far t, and moderate tails of either sign.
void BM_NoncentralTCumulativeBesideBoost(benchmark::State& state)
{
    const double t = static_cast<double>(state.range(0)) / 100;
    const double df = static_cast<double>(state.range(1)) / 100;
    const double delta = static_cast<double>(state.range(2)) / 100;
    BesideBoost(
        state, [&] { return NoncentralTCumulative(Opaque(t), df, Opaque(delta)); },
        [&] { return boost::math::cdf(boost::math::non_central_t(df, Opaque(delta)), Opaque(t)); });
}
BENCHMARK(BM_NoncentralTCumulativeBesideBoost)
    ->Args({-100, 900, 50})
    ->Args({-100, 900, -50})
    ->Args({-300, 1900, 200})
    ->Args({-894, 1900, 1382})
    ->Args({100, 900, 50})
    ->Args({335, 400, 691})
    ->Args({894, 1900, 1382})
    ->Args({2000, 9900, 2576})
    ->Args({200, 2900, -100});
BENCHMARK(BM_NoncentralTCumulativeBesideBoost)
    ->Name("BM_NoncentralTCumulativeBesideBoost/FewDegrees")
    ->ArgsProduct({{-300}, {100, 200, 300, 400, 500}, {200}})
    ->ArgsProduct({{1000}, {100, 200, 300, 400, 500}, {-100}})
    ->ArgsProduct({{-50}, {100, 200, 300, 400, 500}, {800}})
    ->ArgsProduct({{-4000}, {100, 200, 300, 400, 500}, {20}})
    ->ArgsProduct({{-100}, {100, 200, 300, 400, 500}, {100}})
    ->ArgsProduct({{300}, {100, 200, 300, 400, 500}, {200}});

// Noncentralities beyond the series' reach at t = 0.99 delta, where the step of Q(t S - delta)
// is far narrower than the density of S and the integral goes over Z.
void BM_NoncentralTCumulativeLargeNoncentrality(benchmark::State& state)
{
    const double df = static_cast<double>(state.range(0));
    const double delta = static_cast<double>(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(NoncentralTCumulative(Opaque(0.99 * delta), df, Opaque(delta)));
}
BENCHMARK(BM_NoncentralTCumulativeLargeNoncentrality)
    ->ArgsProduct({{1, 2, 30, 1000}, {1000, 3000, 10000, 1000000}});

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

// One evaluation of the double plan (50, 1, 4, 100, 4) at 2 %: argument 0 for lots of any size,
// 1 for a lot of 1000 units; the method of curtailing is full.
void BM_DefectivesDoubleAverageSampleNumber(benchmark::State& state)
{
    const bool finite = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            finite ? DefectivesDoubleAverageSampleNumberFiniteLot(20, 50, 1, 4, 100, 4, 1000, 1)
                   : DefectivesDoubleAverageSampleNumber(0.02, 50, 1, 4, 100, 4, 1));
}
BENCHMARK(BM_DefectivesDoubleAverageSampleNumber)->Arg(0)->Arg(1);

// The seven stages of 50 units at 2 %: Pa for lots of any size and a lot of 1000, and the fully
// curtailed ASN on that lot.
void BM_DefectivesMultiple(benchmark::State& state)
{
    const int n[] = {50, 50, 50, 50, 50, 50, 50};
    const int a[] = {0, 1, 3, 5, 7, 10, 13};
    const int r[] = {4, 6, 8, 10, 11, 12, 14};
    for (auto _ : state)
        switch (state.range(0))
        {
        case 0:
            benchmark::DoNotOptimize(DefectivesMultipleProbabilityAcceptance(0.02, 7, n, a, r));
            break;
        case 1:
            benchmark::DoNotOptimize(
                DefectivesMultipleProbabilityAcceptanceFiniteLot(20, 7, n, a, r, 1000));
            break;
        default:
            benchmark::DoNotOptimize(
                DefectivesMultipleAverageSampleNumberFiniteLot(20, 7, n, a, r, 1000, 1));
        }
}
BENCHMARK(BM_DefectivesMultiple)->Arg(0)->Arg(1)->Arg(2);

// Multiple plans whose bands are very wide but carry a chance at no more than a few thousand
// counts each: the 98 evaluations of a summary, Pa alone and the ASN at each of 49 levels where
// its summary's levels lie, stage by stage (second argument 0) and from its chances of going on,
// prepared first (1). Plan 0, defects per unit: fifteen stages whose last five bands reach 102,758
// but carry a chance of going on at a few thousand counts each; levels 0.004 ... 0.02 a unit.
// Plan 1, defects per quantity: eight stages of 40.8 ... 175.1 units of material that go on at
// every count below 95,105 and accept only at the last, at 95,104, whose counts at or above 95,105
// can have reached a stage up to some 600,000, but not at a level at which Pa can be above 1/4;
// levels 142 ... 146 a unit. The goal: preparing and the prepared evaluations cost at most about
// twice those stage by stage.
void BM_WideLastBandsSummary(benchmark::State& state)
{
    const bool prepared = state.range(1) != 0;
    const auto summary = [&](auto prepare, auto measures, int k, const auto* n, const int* a,
                             const int* r, double lowest, double highest)
    {
        for (auto _ : state)
        {
            const auto chances = prepared ? prepare(k, n, a, r) : nullptr;
            for (int i = 0; i < 49; ++i)
                for (StagedMeasure wanted :
                     {StagedMeasure::probabilityAcceptance, StagedMeasure::averageSampleNumber})
                    benchmark::DoNotOptimize(measures(lowest + (highest - lowest) * i / 48, k, n, a,
                                                      r, 0, wanted, chances.get()));
        }
    };
    if (state.range(0) == 0)
    {
        const int n[] = {544,  615, 443,  686,  1283, 748,  2081, 299,
                         1810, 765, 2185, 1429, 2151, 1920, 1901};
        const int a[] = {-1, 5, 5, 5, 14, 14, 14, 38, 38, 38, 38, 64, 75, 100, 102758};
        const int r[] = {17,  17,     387,    387,    387,    387,    387,   387,
                         387, 102759, 102759, 102759, 102759, 102759, 102759};
        summary([](int k, const int* n, const int* a, const int* r)
                { return PrepareDefectsConditionals(k, n, a, r); },
                DefectsPerUnitMultipleMeasures, 15, n, a, r, 0.004, 0.02);
        return;
    }
    const double s[] = {40.8, 209.1, 25.75, 7, 48, 13.75, 141.1, 175.1};
    const int a[] = {-1, -1, -1, -1, -1, -1, -1, 95104};
    const int r[] = {95105, 95105, 95105, 95105, 95105, 95105, 95105, 95105};
    summary([](int k, const double* s, const int* a, const int* r)
            { return PrepareDefectsConditionals(k, s, a, r); },
            DefectsPerQuantityMultipleMeasures, 8, s, a, r, 142.0, 146.0);
}
BENCHMARK(BM_WideLastBandsSummary)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

// The double design for AQL 1 % and LTPD 5 % with the least ASN at 1 %.
void BM_DefectivesDoubleDesignTwoLevels(benchmark::State& state)
{
    for (auto _ : state)
    {
        int n1 = 0, a1 = 0, r1 = 0, n2 = 0, a2 = 0;
        DefectivesDoubleDesignTwoLevels(0.01, 0.05, 0.95, 0.10, 0.01, 1.0, 0.0, n1, a1, r1, n2, a2,
                                        0);
        benchmark::DoNotOptimize(n1 + n2);
    }
}
BENCHMARK(BM_DefectivesDoubleDesignTwoLevels)->Unit(benchmark::kMillisecond);

// The double design for AQL 0.5 and LTPD 2 defects per quantity unit, on thousandths.
void BM_DefectsPerQuantityDoubleDesignTwoLevels(benchmark::State& state)
{
    for (auto _ : state)
    {
        double s1 = 0.0, s2 = 0.0;
        int a1 = 0, r1 = 0, a2 = 0;
        DefectsPerQuantityDoubleDesignTwoLevels(0.5, 2.0, 0.95, 0.10, 0.5, 1.0, 0.0, s1, a1, r1, s2,
                                                a2, 0);
        benchmark::DoNotOptimize(s1 + s2);
    }
}
BENCHMARK(BM_DefectsPerQuantityDoubleDesignTwoLevels)->Unit(benchmark::kMillisecond);

// Double designs for levels in parts per million: AQL 1 % with LTPD 2 % and 1.5 %, and the
// close levels 50 % and 50.1 %, where the search ends after its most steps.
void BM_DefectivesDoubleDesignCloseLevels(benchmark::State& state)
{
    const double aql = state.range(0) * 1e-6;
    const double ltpd = state.range(1) * 1e-6;
    for (auto _ : state)
    {
        int n1 = 0, a1 = 0, r1 = 0, n2 = 0, a2 = 0;
        DefectivesDoubleDesignTwoLevels(aql, ltpd, 0.95, 0.10, aql, 1.0, 0.0, n1, a1, r1, n2, a2,
                                        0);
        benchmark::DoNotOptimize(n1 + n2);
    }
}
BENCHMARK(BM_DefectivesDoubleDesignCloseLevels)
    ->Args({10000, 20000})
    ->Args({10000, 15000})
    ->Args({500000, 501000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

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

// The noncentral t as an OC curve of a one-limit plan (n, k) with the standard deviation unknown
// asks for it: t = k sqrt n, n - 1 degrees of freedom, noncentrality -z_p sqrt n over a curve of
// levels p; the argument is n (k 1.5 for n = 5, else 2). Some levels take the series, others
// the integral. The goal is under 5 us a call.
void BM_NoncentralTCumulative(benchmark::State& state)
{
    const double n = static_cast<double>(state.range(0));
    const double k = n < 10 ? 1.5 : 2.0;
    // z_p for p = 0.001, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.35, 0.5, 0.65.
    constexpr double quantiles[] = {-3.0902323061678132, -2.5758293035489004,  -2.3263478740408408,
                                    -2.0537489106318225, -1.6448536269514722,  -1.2815515655446004,
                                    -0.8416212335729143, -0.38532046640756773, 0.0,
                                    0.38532046640756773};
    for (auto _ : state)
        for (double z : quantiles)
            benchmark::DoNotOptimize(
                NoncentralTCumulative(k * std::sqrt(n), n - 1, -z * std::sqrt(n)));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(quantiles)));
}
BENCHMARK(BM_NoncentralTCumulative)->Arg(5)->Arg(20)->Arg(100)->Arg(1000);

// The band of a two-limit plan with the standard deviation unknown over the same levels: both
// bounds, Form 1 (n, 1.5) and Form 2 (n, M = 5).
void BM_TwoLimitBand(benchmark::State& state)
{
    const double n = static_cast<double>(state.range(0));
    const bool formTwo = state.range(1) != 0;
    constexpr double levels[] = {0.001, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2};
    for (auto _ : state)
        for (double p : levels)
            benchmark::DoNotOptimize(
                formTwo ? VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm2(p, n, 5.0)
                        : VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1(p, n, 1.5));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::size(levels)));
}
BENCHMARK(BM_TwoLimitBand)->ArgsProduct({{3, 10, 50}, {0, 1}})->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace Brosquin
