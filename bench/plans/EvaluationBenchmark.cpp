#include "graphics/Drawing.h"
#include "graphics/Plot.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace Brosquin
{
namespace
{

// The evaluation window's whole first build for ten single plans on lots of 10 000 units: the
// list with its three tables, and one drawing of each of the four plots at the default
// resolution.
void EvaluateTenFiniteLotPlans(benchmark::State& state)
{
    SamplingPlanSession session;
    for (int i = 0; i < 10; ++i)
    {
        auto plan = std::make_unique<DefectivesSingleSamplingPlan>();
        plan->vdDescribe(std::to_string(50 + 25 * i).c_str(), std::to_string(1 + i / 2).c_str(), 0,
                         true, "10000");
        session.vdAddPlan(std::move(plan));
    }
    String message;
    for (auto _ : state)
    {
        auto list = session.vdEvaluateCheckedPlans(message);
        for (Plot* plot : {list->OCPlot(), list->ASNPlot(), list->CostPlot(), list->AOQPlot()})
            delete plot->GetDrawing();
        benchmark::DoNotOptimize(list->CurvesTable());
    }
}
BENCHMARK(EvaluateTenFiniteLotPlans)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
