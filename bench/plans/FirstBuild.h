#pragma once

#include "graphics/Drawing.h"
#include "graphics/Plot.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>

namespace Brosquin
{

// The evaluation window's whole first build for the session's checked plans: the list with its
// three tables, and one drawing of each of the four plots at the default resolution, or at the
// one given.
inline void vdMeasureFirstBuild(benchmark::State& state, SamplingPlanSession& session,
                                std::optional<std::int32_t> resolution = std::nullopt)
{
    String message;
    for (auto _ : state)
    {
        auto list = session.vdEvaluateCheckedPlans(message);
        for (Plot* plot : {list->OCPlot(), list->ASNPlot(), list->CostPlot(), list->AOQPlot()})
        {
            if (resolution)
                plot->vdSetResolution(*resolution);
            delete plot->GetDrawing();
        }
        benchmark::DoNotOptimize(list->CurvesTable());
    }
}

} // namespace Brosquin
