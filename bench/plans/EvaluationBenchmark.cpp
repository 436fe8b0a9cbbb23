#include "bench/plans/FirstBuild.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace Brosquin
{
namespace
{

// The first build for ten single plans on lots of 10 000 units.
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
    vdMeasureFirstBuild(state, session);
}
BENCHMARK(EvaluateTenFiniteLotPlans)->Unit(benchmark::kMillisecond);

// The same for ten variables plans of every case and form: the standard deviation known (with the
// band of two limits once) or unknown, one or two limits, Form 1 and Form 2. The goal is under
// 100 ms.
void EvaluateTenVariablesPlans(benchmark::State& state)
{
    struct Entry
    {
        bool form1;
        const char* n;
        const char* constant;
        bool sdKnown, twoSpecs;
        const char* cp;
        bool band;
    };
    const Entry entries[] = {{true, "20", "1.9", true, false, "", false},
                             {false, "20", "2", true, false, "", false},
                             {true, "19", "1.9535", true, true, "1", false},
                             {false, "19", "2", true, true, "1.2", false},
                             {true, "19", "1.9535", true, true, "1", true},
                             {true, "21", "1.7607", false, false, "", false},
                             {false, "21", "3", false, false, "", false},
                             {true, "10", "1.5", false, true, "", false},
                             {false, "10", "5.874729", false, true, "", false},
                             {false, "3", "5", false, true, "", false}};
    SamplingPlanSession session;
    for (const Entry& e : entries)
    {
        auto plan = std::make_unique<DefectivesVariablesSingleSamplingPlan>();
        plan->vdDescribe(e.form1, e.n, e.constant, e.sdKnown, e.twoSpecs, e.cp, e.band);
        session.vdAddPlan(std::move(plan));
    }
    vdMeasureFirstBuild(state, session);
}
BENCHMARK(EvaluateTenVariablesPlans)->Unit(benchmark::kMillisecond);

// Entering a variables plan of two limits with the standard deviation unknown: validation, the
// derived constants and the summary (AQL and LTPD points, AOQL, range, maxima).
void DescribeTwoLimitVariablesPlan(benchmark::State& state)
{
    const bool form1 = state.range(0) != 0;
    for (auto _ : state)
    {
        DefectivesVariablesSingleSamplingPlan plan;
        plan.vdDescribe(form1, "10", form1 ? "1.5" : "5.874729", false, true, "", false);
        benchmark::DoNotOptimize(plan.AOQLValue());
    }
}
BENCHMARK(DescribeTwoLimitVariablesPlan)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
