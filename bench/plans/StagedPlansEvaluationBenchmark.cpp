#include "bench/LargeStagedPlans.h"
#include "bench/plans/FirstBuild.h"
#include "graphics/Plot.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesMultipleSamplingPlan.h"
#include "plans/SamplingPlanSession.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace Brosquin
{
namespace
{

struct DoubleEntry
{
    const char* texts[5];
    std::int8_t method;
    const char* lotSize; // empty: lots of any size
};

struct MultipleEntry
{
    std::vector<String> n, a, r;
    std::int8_t method;
    const char* lotSize;
};

// The evaluation window's first build for five double and five multiple plans for defective
// units, curtailed or not, on lots of any size and of a given size, the seven-stage plan among
// them: the list with its three tables, and one drawing of each of the four plots at Extra High
// resolution (1000 points).
void EvaluateTenDoubleAndMultiplePlans(benchmark::State& state)
{
    const DoubleEntry doubles[] = {{{"50", "1", "4", "100", "4"}, 0, ""},
                                   {{"50", "1", "4", "100", "4"}, 1, "1000"},
                                   {{"80", "2", "5", "80", "6"}, 3, ""},
                                   {{"125", "2", "5", "125", "6"}, 4, "5000"},
                                   {{"50", "2", "7", "100", "6"}, 2, ""}};
    const std::vector<String> fifty(7, String("50"));
    const std::vector<String> seven[2] = {{"0", "1", "3", "5", "7", "10", "13"},
                                          {"4", "6", "8", "10", "11", "12", "14"}};
    const MultipleEntry multiples[] = {
        {fifty, seven[0], seven[1], 0, ""},
        {fifty, seven[0], seven[1], 1, "1000"},
        {fifty, seven[0], seven[1], 3, ""},
        {{"20", "20", "20"}, {"#", "1", "3"}, {"2", "3", "4"}, 1, ""},
        {{"32", "32", "32", "32", "32"},
         {"#", "1", "2", "4", "6"},
         {"3", "4", "5", "7", "7"},
         1,
         "2000"}};
    SamplingPlanSession session;
    for (const DoubleEntry& entry : doubles)
    {
        auto plan = std::make_unique<DefectivesDoubleSamplingPlan>();
        const auto& t = entry.texts;
        plan->vdDescribe(t[0], t[1], t[2], t[3], t[4], entry.method, *entry.lotSize != 0,
                         entry.lotSize);
        session.vdAddPlan(std::move(plan));
    }
    for (const MultipleEntry& entry : multiples)
    {
        auto plan = std::make_unique<DefectivesMultipleSamplingPlan>();
        plan->vdDescribe(static_cast<int>(entry.n.size()), entry.n.data(), entry.a.data(),
                         entry.r.data(), entry.method, *entry.lotSize != 0, entry.lotSize);
        session.vdAddPlan(std::move(plan));
    }
    vdMeasureFirstBuild(state, session, Plot::ResolutionCount - 1);
}
BENCHMARK(EvaluateTenDoubleAndMultiplePlans)->Unit(benchmark::kMillisecond);

// The goals for the large staged plans (bench/LargeStagedPlans.h): the summary, computed as the
// entry dialog's OK builds the plan, within 1 s; the evaluation of Plans > Evaluate (the list, its
// tables and the four plots at the default resolution) within 2 s. The second argument is the
// number of units a stage, the third the method of curtailing.
void SummaryOfLargeStagedPlan(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LargeStagedPlanOf(state));
}
BENCHMARK(SummaryOfLargeStagedPlan)
    ->ArgsProduct({{0, 1, 2}, {100, 300, 1000}, {0, 1}})
    ->Args({0, 3000, 0})
    ->Args({2, 3000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void EvaluationOfLargeStagedPlan(benchmark::State& state)
{
    SamplingPlanSession session;
    session.vdAddPlan(LargeStagedPlanOf(state));
    vdMeasureFirstBuild(state, session);
}
BENCHMARK(EvaluationOfLargeStagedPlan)
    ->ArgsProduct({{0, 1, 2}, {100, 300, 1000}, {0, 1}})
    ->Args({0, 3000, 0})
    ->Args({2, 3000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The goals for wide plans (bench/LargeStagedPlans.h), by the counts a band: the summary of bands
// of 10,000 within 0.5 s, and of 30,000 and 95,000 within 3 s.
void SummaryOfWideStagedPlan(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(WideStagedPlan(static_cast<int>(state.range(0))));
}
BENCHMARK(SummaryOfWideStagedPlan)
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(60000)
    ->Arg(95000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void EvaluationOfWideStagedPlan(benchmark::State& state)
{
    SamplingPlanSession session;
    session.vdAddPlan(WideStagedPlan(static_cast<int>(state.range(0))));
    vdMeasureFirstBuild(state, session);
}
BENCHMARK(EvaluationOfWideStagedPlan)
    ->Arg(10000)
    ->Arg(30000)
    ->Arg(95000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The goal for the plan that accepts only at its last stage (bench/LargeStagedPlans.h): its
// summary within about 1.5 s, as its bands allow.
void SummaryOfLateAcceptancePlan(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LateAcceptancePlan());
}
BENCHMARK(SummaryOfLateAcceptancePlan)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace Brosquin
