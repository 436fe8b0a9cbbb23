#include "bench/standards/PlanCurves.h"
#include "standards/DefectivesZ19SamplingPlan.h"

namespace Brosquin
{
namespace
{

// The curves of a plan that switches among variables plans with SD unknown (AQL 1.0, letter P,
// "Switching - Full") over the plan's default range. Each round starts from a plan just set,
// which has evaluated no level yet.
void SwitchingVariablesPlanCurves(benchmark::State& state)
{
    DefectivesZ19SamplingPlan plan;
    plan.SetParameters(5, 3, 14, 3, 3);
    const double upper = plan.RangeUpper().dValue();
    for (auto _ : state)
    {
        state.PauseTiming();
        plan.SetParameters(5, 3, 14, 3, 3);
        state.ResumeTiming();
        vdEvaluateCurves(plan, upper);
    }
}
BENCHMARK(SwitchingVariablesPlanCurves)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
