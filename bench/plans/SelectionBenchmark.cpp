#include "plans/SamplingPlanSession.h"

#include <benchmark/benchmark.h>

namespace Brosquin
{
namespace
{

// The design of one plan from three levels through the session (AQL 1, Max AQL "2*AQL", LTPD 5
// percent defective, ASN at the AQL), as the design dialog asks for it; the plan type index is
// the benchmark's argument (0 single, 1 double).
void SelectFromThreeLevels(benchmark::State& state)
{
    const int typeIndex = static_cast<int>(state.range(0));
    String message;
    for (auto _ : state)
    {
        SamplingPlanSession session;
        if (!session.vdSelectPlans(SamplingPlan::DefectiveUnits, typeIndex, 0, "1", "5", "2*AQL",
                                   "AQL", "1", "0", "", message))
            state.SkipWithError(message.Text());
        benchmark::DoNotOptimize(session.Plan(1));
    }
}
BENCHMARK(SelectFromThreeLevels)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
