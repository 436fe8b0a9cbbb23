#include "core/RealOf.h"
#include "standards/DefectivesZ14SamplingPlan.h"

#include <benchmark/benchmark.h>

namespace Brosquin
{
namespace
{

// Every curve the evaluation window draws for a plan that switches among multiple plans (AQL 1.0,
// letter K, "Switching - Full"), at 1001 quality levels over the plan's default range, curve by
// curve as the plots ask for them.
void SwitchingMultiplePlanCurves(benchmark::State& state)
{
    DefectivesZ14SamplingPlan plan;
    plan.SetParameters(10, 6, 8, 2, 3);
    const double upper = plan.RangeUpper().dValue();
    for (auto _ : state)
        for (auto curve : {&SamplingPlan::dPa, &SamplingPlan::dPaMaximum, &SamplingPlan::dPaMinimum,
                           &SamplingPlan::dASN, &SamplingPlan::dCost, &SamplingPlan::dAOQ})
            for (int i = 0; i <= 1000; ++i)
                benchmark::DoNotOptimize((plan.*curve)(RealOf(upper * i / 1000)).dValue());
}
BENCHMARK(SwitchingMultiplePlanCurves)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
