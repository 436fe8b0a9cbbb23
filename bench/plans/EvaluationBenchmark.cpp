#include "bench/plans/FirstBuild.h"
#include "graphics/PrintedPages.h"
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

// A device that takes every figure and draws nothing: what a print costs short of the printer.
class NoDevice : public Canvas
{
public:
    void vdRectangle(int, int, int, int) override {}
    void vdEllipse(int, int, int, int) override {}
    void vdPolygon(std::span<const DevicePoint>) override {}
    void vdPolyline(std::span<const DevicePoint>) override {}
    int TextWidth(std::string_view text) override { return 50 * static_cast<int>(text.size()); }
    void vdTextOut(int, int, std::string_view) override {}
    double dPixelsPerInchX() const override { return 1200; }
    double dPixelsPerInchY() const override { return 1200; }

protected:
    void vdDrawLine(DevicePoint, DevicePoint) override {}
};

// The table of curve values of ten single plans at 1000 intervals (40 000 values) printed on A4
// at 1200 pixels per inch: drawn whole on one page (0), or with its lines 9.3 points high over
// the pages it needs, which are planned and each drawn (1).
void PrintTheLargestCurvesTable(benchmark::State& state)
{
    SamplingPlanSession session;
    for (int i = 0; i < 10; ++i)
    {
        auto plan = std::make_unique<DefectivesSingleSamplingPlan>();
        plan->vdDescribe(std::to_string(50 + 25 * i).c_str(), std::to_string(1 + i / 2).c_str(), 0,
                         false, "");
        session.vdAddPlan(std::move(plan));
    }
    String message;
    auto list = session.vdEvaluateCheckedPlans(message);
    list->SetRange("0", "10", "1000", message);
    const Drawing& table = *list->CurvesTable();
    const PageArea upright{0, 0, 9354, 13323, 1200, 1200};
    const PageArea turned{0, 0, 13323, 9354, 1200, 1200};
    NoDevice device;
    for (auto _ : state)
    {
        if (state.range(0) == 0)
            table.vdDraw(device, upright.left, upright.top, upright.right, upright.bottom,
                         0xFFFFFF);
        else
        {
            const PartPainter parts(table);
            for (const PrintedPage& page : TablePages(table, upright, turned, 9.3).pages)
                for (const PagePart& part : page.parts)
                    parts.vdDraw(device, part, 0xFFFFFF);
        }
    }
}
BENCHMARK(PrintTheLargestCurvesTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
