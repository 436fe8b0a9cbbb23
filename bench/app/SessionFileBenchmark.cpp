// Saving and opening a session of a thousand plans offscreen through the main window, as File >
// Save and File > Open do: the whole file written and replaced, or read, checked and shown in
// the plan list with an evaluation window of ten of its plans; and opening a session of one large
// staged plan with its evaluation window.
#include "bench/LargeStagedPlans.h"
#include "bench/app/OffscreenProgram.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace Brosquin
{
namespace
{

struct SessionOnDisk
{
    SessionOnDisk() : program(1000)
    {
        program.list->Session().UncheckAll();
        for (std::uint32_t plan = 1; plan <= 10; ++plan)
            program.list->Session().Plan(plan)->vdSetChecked(true);
        program.list->EvaluateButtonClick();
        path = folder.filePath(QStringLiteral("thousand plans.vlx"));
        program.window->SaveSessionFile(path);
    }

    OffscreenProgram program;
    QTemporaryDir folder;
    QString path;
};

SessionOnDisk& Disk()
{
    static SessionOnDisk disk;
    return disk;
}

void SaveSessionOfAThousandPlans(benchmark::State& state)
{
    SessionOnDisk& disk = Disk();
    for (auto _ : state)
        benchmark::DoNotOptimize(disk.program.window->SaveSessionFile(disk.path));
}
BENCHMARK(SaveSessionOfAThousandPlans)->Unit(benchmark::kMillisecond);

void OpenSessionOfAThousandPlans(benchmark::State& state)
{
    SessionOnDisk& disk = Disk();
    for (auto _ : state)
    {
        disk.program.window->vdOpenSessionFile(disk.path);
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(OpenSessionOfAThousandPlans)->Unit(benchmark::kMillisecond);

// The multiple plan for defective units of 1000 stages of 100 units saved alone with its
// evaluation window; the session on disk makes way for it (its own benchmarks open their file
// anew).
void OpenSessionOfLargeStagedPlan(benchmark::State& state)
{
    SessionOnDisk& disk = Disk();
    SamplingPlanSession& session = disk.program.list->Session();
    while (session.Count() > 0)
        session.vdDeletePlan(session.Count());
    disk.program.window->vdUpdateEvaluationWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    session.vdAddPlan(LargeStagedPlan(LargePlan::defectivesMultiple, 100, 0));
    disk.program.list->EvaluateButtonClick();
    const QString path = disk.folder.filePath(QStringLiteral("large staged plan.vlx"));
    disk.program.window->SaveSessionFile(path);
    disk.program.window->vdOpenSessionFile(path);
    for (auto _ : state)
    {
        disk.program.window->vdOpenSessionFile(path);
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(OpenSessionOfLargeStagedPlan)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace Brosquin
