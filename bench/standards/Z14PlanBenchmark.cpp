#include "bench/standards/PlanCurves.h"
#include "standards/DefectivesZ14SamplingPlan.h"

namespace Brosquin
{
namespace
{

// The curves of a plan of the choices under "Switching - Full" over the plan's default range.
void vdEvaluateFullSwitchingCurves(benchmark::State& state, std::uint32_t aql, std::uint32_t level,
                                   std::uint32_t lotSize, std::uint32_t planType)
{
    DefectivesZ14SamplingPlan plan;
    plan.SetParameters(aql, level, lotSize, planType, 3);
    const double upper = plan.RangeUpper().dValue();
    for (auto _ : state)
        vdEvaluateCurves(plan, upper);
}

// Multiple plans at AQL 1.0, letter K.
void SwitchingMultiplePlanCurves(benchmark::State& state)
{
    vdEvaluateFullSwitchingCurves(state, 10, 6, 8, 2);
}
BENCHMARK(SwitchingMultiplePlanCurves)->Unit(benchmark::kMillisecond);

// Double plans whose switch to reduced inspection asks for runs of lots without a nonconforming
// unit (AQL 0.025, letter Q).
void SwitchingCleanRunPlanCurves(benchmark::State& state)
{
    vdEvaluateFullSwitchingCurves(state, 2, 5, 14, 1);
}
BENCHMARK(SwitchingCleanRunPlanCurves)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
