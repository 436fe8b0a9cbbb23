// Laying out the four plots of an evaluation window at the finest resolution.

#include "core/OptimizationInput.h"
#include "core/RealOf.h"
#include "graphics/Drawing.h"
#include "graphics/Plot.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace Brosquin
{
namespace
{

// The probability of acceptance of the single plan (n, c) at fraction defective p, summed term
// by term as a plan would compute it.
struct SinglePlan
{
    int n;
    int c;
    Real result;
};

const Real* AcceptanceCurve(void* context1, void* context2)
{
    auto& plan = *static_cast<SinglePlan*>(context1);
    const double p = static_cast<const OptimizationInput*>(context2)->value.dValue();
    double term = std::pow(1.0 - p, plan.n);
    double sum = term;
    for (int k = 1; k <= plan.c; ++k)
    {
        term *= (plan.n - k + 1.0) / k * p / (1.0 - p);
        sum += term;
    }
    plan.result = sum;
    return &plan.result;
}

void BM_FourPlotsOfTenCurves(benchmark::State& state)
{
    OptimizationInput variable;
    std::vector<SinglePlan> plans;
    for (int i = 0; i < 10; ++i)
    {
        plans.push_back({20 + 10 * i, i / 2, Real()});
    }
    std::vector<std::unique_ptr<Plot>> plots;
    for (int k = 0; k < 4; ++k)
    {
        auto plot = std::make_unique<Plot>(&variable, 3);
        plot->vdSetMainTitle("OC Curve");
        plot->vdSetKeyTitle("Defective Units");
        plot->vdSetAxisRatio(1.5);
        plot->vdSetXAxisMaximum(RealOf(0.2));
        for (SinglePlan& plan : plans)
        {
            plot->vdAddLine(AcceptanceCurve, nullptr, &plan, &variable, "Single", "0", 0.2,
                            Plot::DefaultLineColors[&plan - plans.data()], 1);
        }
        plots.push_back(std::move(plot));
    }
    for (auto _ : state)
    {
        for (std::unique_ptr<Plot>& plot : plots)
        {
            plot->vdMarkCurvesOutOfDate();
            std::unique_ptr<Drawing> drawing(plot->GetDrawing());
            benchmark::DoNotOptimize(drawing.get());
        }
    }
}
BENCHMARK(BM_FourPlotsOfTenCurves)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
