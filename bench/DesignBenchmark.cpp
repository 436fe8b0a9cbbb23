// The designs of plans from protection requirements (Pa 0.95 at the AQL, 0.10 at the LTPD), each
// timed once per iteration: the close levels that need single samples of thousands and wide
// levels that need tens.
#include "stats/DefectivesDouble.h"
#include "stats/DefectivesSingle.h"
#include "stats/DefectsPerQuantityDouble.h"
#include "stats/DefectsPerQuantitySingle.h"
#include "stats/DefectsPerUnitDouble.h"
#include "stats/DefectsPerUnitSingle.h"
#include "stats/VariablesKnownSd.h"
#include "stats/VariablesUnknownSdOneSpec.h"

#include <benchmark/benchmark.h>

namespace
{

using namespace Brosquin;

// Double designs with the least ASN at p0: defective units, levels in parts per million.
void BM_DefectivesDoubleDesign(benchmark::State& state)
{
    const double aql = state.range(0) * 1e-6;
    const double ltpd = state.range(1) * 1e-6;
    const double p0 = state.range(2) * 1e-6;
    for (auto _ : state)
    {
        int n1 = 0, a1 = 0, r1 = 0, n2 = 0, a2 = 0;
        DefectivesDoubleDesignTwoLevels(aql, ltpd, 0.95, 0.10, p0, 1.0, 0.0, n1, a1, r1, n2, a2, 0);
        benchmark::DoNotOptimize(n1 + n2);
    }
}
BENCHMARK(BM_DefectivesDoubleDesign)
    ->Args({20000, 25000, 20000}) // single plan n 7510: the close levels
    ->Args({20000, 25000, 25000}) // the same, least ASN at the LTPD
    ->Args({10000, 50000, 10000}) // single plan n 132: wide levels
    ->Unit(benchmark::kMillisecond);

// The least cost C0 ASN + C1 E{#Stages} (C0 1, C1 100) at a level between an AQL and an LTPD
// 1.1 times it: the single plan needs 20003 units; the search proves (12588, 556, 586, 9941,
// 1018), of cost 17302.19, the cheapest double plan.
void BM_CloseLevelCostDesign(benchmark::State& state)
{
    for (auto _ : state)
    {
        int n1 = 0, a1 = 0, r1 = 0, n2 = 0, a2 = 0;
        DefectivesDoubleDesignTwoLevels(0.0428958, 0.04718538, 0.95, 0.10, 0.04504059, 1.0, 100.0,
                                        n1, a1, r1, n2, a2, 0);
        benchmark::DoNotOptimize(n1 + n2);
    }
}
BENCHMARK(BM_CloseLevelCostDesign)->Unit(benchmark::kMillisecond);

// Defective units, run to the proven optimum once per iteration: levels so close that the single
// plan needs about 50,000 units (AQL 1 %, LTPD 1.135 %, single plan (49480, 531)), with the least
// ASN at the AQL and at 1.5 %, beyond the LTPD; AQL 1 % and LTPD 1.07 %, where it needs 178,799
// (the least ASN at the AQL proves (80942, 822, 891, 128988, 2170)); and AQL 1.3271 %, LTPD
// 1.51822 %, PaAQL 0.9775, the least ASN at 1.71782 %, beyond the LTPD (single plan 41,247; it
// proves (11806, 129, 184, 40462, 759)); AQL 1 % and LTPD 1.05 %, where the single plan needs
// 347,178 (the least ASN at the AQL proves (156645, 1584, 1680, 250000, 4165)).
void BM_CloseLevelDoubleDesign(benchmark::State& state)
{
    struct Levels
    {
        double aql;
        double ltpd;
        double paAql;
        double p0;
    };
    constexpr Levels designs[] = {{0.01, 0.01135, 0.95, 0.01},
                                  {0.01, 0.01135, 0.95, 0.015},
                                  {0.01, 0.0107, 0.95, 0.01},
                                  {0.013271, 0.0151822, 0.9775, 0.0171782},
                                  {0.01, 0.0105, 0.95, 0.01}};
    const Levels& d = designs[state.range(0)];
    for (auto _ : state)
    {
        int n1 = 0, a1 = 0, r1 = 0, n2 = 0, a2 = 0;
        DefectivesDoubleDesignTwoLevels(d.aql, d.ltpd, d.paAql, 0.10, d.p0, 1.0, 0.0, n1, a1, r1,
                                        n2, a2, 0);
        benchmark::DoNotOptimize(n1 + n2);
    }
}
BENCHMARK(BM_CloseLevelDoubleDesign)
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Close levels where the samples hold thousands of defectives or defects, run to the proven
// optimum once per iteration (levels in defects per unit or as fractions, Pa at the LTPD 0.10
// unless said):
// 0. defects per unit, AQL 0.741789, maximum AQL 0.745019, LTPD 0.754708, PaLTPD 0.05, the
//    least cost (C1 100) at 0.755048: single plan 48,550, proves (22889, 16897, 17219, 32896,
//    41778);
// 1. defects per unit, AQL 5, LTPD 5.0327, the least ASN at the AQL: single plan 40,173, proves
//    (18083, 90554, 91270, 28949, 235915);
// 2. defects per unit, AQL 0.282285, maximum AQL 0.283823, LTPD 0.288436, PaAQL 0.90, the least
//    ASN at 0.290753: single plan 49,573, proves (19991, 5476, 5755, 40529, 17301);
// 3. defective units, AQL 0.748815, LTPD 0.756499, PaAQL 0.99, PaLTPD 0.05, the least ASN at
//    0.755615: single plan 49,757, proves (28947, 21735, 21862, 25892, 41319);
// 4. defects per unit, AQL 0.784969, LTPD 0.797522, the least cost (C1 100) at 0.8004: single
//    plan 43,008, proves (19664, 15320, 15665, 30418, 39701);
// 5. defects per unit, AQL 3.97401241, LTPD 3.99734173, PaAQL 0.90, the least ASN at the AQL:
//    single plan 48,145, proves (23964, 95316, 95872, 31754, 222002);
// 6. defects per unit, AQL 6.16514932, LTPD 6.19772209, the least cost (C1 100) at the LTPD:
//    single plan 49,899, proves (26364, 162587, 163296, 30386, 350977). Near-cheapest plans of
//    thousands of first samples, each with scores of first accept numbers, come within millionths
//    of the AQL's requirement: the slowest designs of this size;
// 7. defects per unit, AQL 0.728, LTPD 0.740, the least ASN at the LTPD: single plan 43,651,
//    proves (23013, 16768, 16997, 26719, 36561).
void BM_HighCountDoubleDesign(benchmark::State& state)
{
    struct Levels
    {
        bool defectives;
        double aql;
        double maximumAql; // 0 for two levels
        double ltpd;
        double paAql;
        double paLtpd;
        double p0;
        double c1;
    };
    constexpr Levels designs[] = {
        {false, 0.741789, 0.745019, 0.754708, 0.95, 0.05, 0.755048, 100.0},
        {false, 5.0, 0.0, 5.0327, 0.95, 0.10, 5.0, 0.0},
        {false, 0.282285, 0.283823, 0.288436, 0.90, 0.10, 0.290753, 0.0},
        {true, 0.748815, 0.0, 0.756499, 0.99, 0.05, 0.755615, 0.0},
        {false, 0.784969, 0.0, 0.797522, 0.95, 0.10, 0.8004, 100.0},
        {false, 3.97401241, 0.0, 3.99734173, 0.90, 0.10, 3.97401241, 0.0},
        {false, 6.16514932, 0.0, 6.19772209, 0.95, 0.10, 6.19772209, 100.0},
        {false, 0.728, 0.0, 0.740, 0.95, 0.10, 0.740, 0.0}};
    const Levels& d = designs[state.range(0)];
    for (auto _ : state)
    {
        int n1 = 0, a1 = 0, r1 = 0, n2 = 0, a2 = 0;
        if (d.defectives)
            DefectivesDoubleDesignTwoLevels(d.aql, d.ltpd, d.paAql, d.paLtpd, d.p0, 1.0, d.c1, n1,
                                            a1, r1, n2, a2, 0);
        else if (d.maximumAql > 0.0)
            DefectsPerUnitDoubleDesignThreeLevels(d.aql, d.maximumAql, d.ltpd, d.paAql, d.paLtpd,
                                                  d.p0, 1.0, d.c1, n1, a1, r1, n2, a2, 0);
        else
            DefectsPerUnitDoubleDesignTwoLevels(d.aql, d.ltpd, d.paAql, d.paLtpd, d.p0, 1.0, d.c1,
                                                n1, a1, r1, n2, a2, 0);
        benchmark::DoNotOptimize(n1 + n2);
    }
}
BENCHMARK(BM_HighCountDoubleDesign)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->Iterations(1);

// The sweep of a design shared among 1, 2, 4 and 8 searchers: case 0 of BM_HighCountDoubleDesign
// (defects per unit, 0.741789 to 0.754708) and case 0 of BM_CloseLevelDoubleDesign (defective
// units, 1 % and 1.135 %).
void BM_DesignSearchers(benchmark::State& state)
{
    const bool defects = state.range(0) == 0;
    DoubleDesignRequirements required =
        defects
            ? DoubleDesignRequirements{0.741789, 0.745019, 0.754708, 0.95, 0.05,
                                       0.755048, 1.0,      100.0,    0}
            : DoubleDesignRequirements{0.01, std::nullopt, 0.01135, 0.95, 0.10, 0.01, 1.0, 0.0, 0};
    required.searchers = state.range(1);
    for (auto _ : state)
    {
        int n1 = 0, a1 = 0, r1 = 0, n2 = 0, a2 = 0;
        vdDesignDoublePlan(defects ? PoissonDoublePlanModel() : BinomialDoublePlanModel(), required,
                           n1, a1, r1, n2, a2);
        benchmark::DoNotOptimize(n1 + n2);
    }
}
BENCHMARK(BM_DesignSearchers)
    ->ArgsProduct({{0, 1}, {1, 2, 4, 8}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Designs whose answer is known before any search: with C0 = 0 no double plan costs less than
// the single plan, here at p0 = 0, where every double plan costs as much. Defects per unit at 2
// and 2.1 and at 0.5 and 0.6, defective units at 1 % and 2 %.
void BM_KnownAnswerDesign(benchmark::State& state)
{
    for (auto _ : state)
    {
        int n1 = 0, a1 = 0, r1 = 0, n2 = 0, a2 = 0;
        switch (state.range(0))
        {
        case 0:
            DefectsPerUnitDoubleDesignTwoLevels(2.0, 2.1, 0.95, 0.10, 0.0, 0.0, 1.0, n1, a1, r1, n2,
                                                a2, 0);
            break;
        case 1:
            DefectsPerUnitDoubleDesignTwoLevels(0.5, 0.6, 0.95, 0.10, 0.0, 0.0, 1.0, n1, a1, r1, n2,
                                                a2, 0);
            break;
        default:
            DefectivesDoubleDesignTwoLevels(0.01, 0.02, 0.95, 0.10, 0.0, 0.0, 1.0, n1, a1, r1, n2,
                                            a2, 0);
        }
        benchmark::DoNotOptimize(n1 + n2);
    }
}
BENCHMARK(BM_KnownAnswerDesign)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Double designs for defects per unit and per quantity, levels in thousandths: single plans of
// 235 units at 1 and 1.2 per unit, of 468.11 units of quantity at 0.5 and 0.6, and of 134 units
// at 0.01 and 0.05.
void BM_DefectsDoubleDesign(benchmark::State& state)
{
    const double aql = state.range(1) * 1e-3;
    const double ltpd = state.range(2) * 1e-3;
    for (auto _ : state)
    {
        int a1 = 0, r1 = 0, a2 = 0;
        if (state.range(0) == 0)
        {
            int n1 = 0, n2 = 0;
            DefectsPerUnitDoubleDesignTwoLevels(aql, ltpd, 0.95, 0.10, aql, 1.0, 0.0, n1, a1, r1,
                                                n2, a2, 0);
            benchmark::DoNotOptimize(n1 + n2);
        }
        else
        {
            double s1 = 0.0, s2 = 0.0;
            DefectsPerQuantityDoubleDesignTwoLevels(aql, ltpd, 0.95, 0.10, aql, 1.0, 0.0, s1, a1,
                                                    r1, s2, a2, 0);
            benchmark::DoNotOptimize(s1 + s2);
        }
    }
}
BENCHMARK(BM_DefectsDoubleDesign)
    ->Args({0, 1000, 1200})
    ->Args({0, 10, 50})
    ->Args({1, 500, 600})
    ->Unit(benchmark::kMillisecond);

// Single designs: defective units at 2 % and 2.5 %; defects per unit at 100 and 120 per unit,
// where runs of hundreds of accept numbers share a sample size; defects per quantity at 100 and
// 500 per unit.
void BM_SingleDesign(benchmark::State& state)
{
    for (auto _ : state)
    {
        int n = 0, c = 0;
        double s = 0.0;
        switch (state.range(0))
        {
        case 0:
            DefectivesSingleDesignTwoLevels(0.02, 0.025, 0.95, 0.10, n, c);
            break;
        case 1:
            DefectsPerUnitSingleDesignTwoLevels(100.0, 120.0, 0.95, 0.10, n, c);
            break;
        default:
            DefectsPerQuantitySingleDesignTwoLevels(100.0, 500.0, 0.95, 0.10, s, c);
        }
        benchmark::DoNotOptimize(n + c + s);
    }
}
BENCHMARK(BM_SingleDesign)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Variables designs at 1 % and 1.1 %, one limit, the standard deviation known and unknown.
void BM_VariablesDesign(benchmark::State& state)
{
    for (auto _ : state)
    {
        int n = 0;
        double k = 0.0;
        if (state.range(0) == 0)
            VariablesKnownSdOneSpecDesign(0.01, 0.011, 0.95, 0.10, n, k);
        else
            VariablesUnknownSdOneSpecDesign(0.01, 0.011, 0.95, 0.10, n, k);
        benchmark::DoNotOptimize(n + k);
    }
}
BENCHMARK(BM_VariablesDesign)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
