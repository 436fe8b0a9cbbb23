// Saving and opening a session of a thousand plans offscreen through the main window, as File >
// Save and File > Open do: the whole file written and replaced, or read, checked and shown in
// the plan list with an evaluation window of ten of its plans.
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

} // namespace
} // namespace Brosquin
