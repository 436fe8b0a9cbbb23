// Opening an evaluation window offscreen, as Plans > Evaluate does: the evaluation list with its
// four plots and three tables, the window, its components and the first painting of the page on
// show; of ten single plans, and of one of the large staged plans (goal: within 2 s).
#include "app/EvaluationWindow.h"
#include "bench/LargeStagedPlans.h"
#include "bench/app/OffscreenProgram.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <benchmark/benchmark.h>

namespace Brosquin
{
namespace
{

OffscreenProgram& Program()
{
    static OffscreenProgram program(10);
    return program;
}

void vdCloseEvaluationWindows(QMdiArea& area)
{
    for (QMdiSubWindow* window : area.subWindowList())
        if (qobject_cast<TEvaluationWindow*>(window->widget()))
            window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Plans > Evaluate on the checked plans, and the first painting.
void vdMeasureOpening(benchmark::State& state, OffscreenProgram& program)
{
    QMdiArea& area = *program.window->MdiArea();
    for (auto _ : state)
    {
        program.list->EvaluateButtonClick();
        QWidget* evaluation = area.subWindowList(QMdiArea::CreationOrder).constLast()->widget();
        benchmark::DoNotOptimize(evaluation->grab());
        state.PauseTiming();
        vdCloseEvaluationWindows(area);
        state.ResumeTiming();
    }
}

void OpenEvaluationOfTenSinglePlans(benchmark::State& state)
{
    vdMeasureOpening(state, Program());
}
BENCHMARK(OpenEvaluationOfTenSinglePlans)->Unit(benchmark::kMillisecond);

// The arguments: the kind of large plan, the units a stage and the method of curtailing. The plan
// joins the ten single plans, checked alone, for the run.
void OpenEvaluationOfLargeStagedPlan(benchmark::State& state)
{
    OffscreenProgram& program = Program();
    SamplingPlanSession& session = program.list->Session();
    session.vdAddPlan(LargeStagedPlanOf(state));
    const std::uint32_t added = session.Count();
    session.UncheckAll();
    session.Plan(added)->vdSetChecked(true);
    vdMeasureOpening(state, program);
    session.vdDeletePlan(added);
    for (std::uint32_t plan = 1; plan <= session.Count(); ++plan)
        session.Plan(plan)->vdSetChecked(true);
}
BENCHMARK(OpenEvaluationOfLargeStagedPlan)
    ->ArgsProduct({{0, 1, 2}, {100, 300, 1000}, {0}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
} // namespace Brosquin
