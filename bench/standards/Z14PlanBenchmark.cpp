#include "bench/standards/PlanCurves.h"
#include "standards/DefectivesZ14SamplingPlan.h"

namespace Brosquin
{
namespace
{

// The curves of a plan that switches among multiple plans (AQL 1.0, letter K, "Switching -
// Full") over the plan's default range.
void SwitchingMultiplePlanCurves(benchmark::State& state)
{
    DefectivesZ14SamplingPlan plan;
    plan.SetParameters(10, 6, 8, 2, 3);
    const double upper = plan.RangeUpper().dValue();
    for (auto _ : state)
        vdEvaluateCurves(plan, upper);
}
BENCHMARK(SwitchingMultiplePlanCurves)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
