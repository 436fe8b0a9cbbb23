// Opening an evaluation window of ten single plans offscreen, as Plans > Evaluate does: the
// evaluation list with its four plots and three tables, the window, its components and the first
// painting of the page on show.
#include "app/EvaluationWindow.h"
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

void OpenEvaluationOfTenSinglePlans(benchmark::State& state)
{
    OffscreenProgram& program = Program();
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
BENCHMARK(OpenEvaluationOfTenSinglePlans)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
