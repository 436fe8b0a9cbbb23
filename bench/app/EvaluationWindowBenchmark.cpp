// Opening an evaluation window of ten single plans offscreen, as Plans > Evaluate does: the
// evaluation list with its four plots and three tables, the window, its components and the first
// painting of the page on show.
#include "app/EvaluationWindow.h"
#include "app/ListSamplingPlansWindow.h"
#include "app/MainMDIWindow.h"
#include "app/StartUp.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/SamplingPlanSession.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>

namespace Brosquin
{
namespace
{

// The application with a main window whose session holds ten checked single plans. The user's
// own settings are left alone.
struct OffscreenProgram
{
    OffscreenProgram()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<Application>(argc, argv);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        vdSetUpApplication();
        window = CreateMainWindow({});
        window->resize(1200, 800);
        window->show();
        list = window->findChild<TListSamplingPlansWindow*>();
        for (int plan = 1; plan <= 10; ++plan)
        {
            auto single = std::make_unique<DefectivesSingleSamplingPlan>();
            const std::string n = std::to_string(20 * plan);
            const std::string a = std::to_string(plan / 2);
            single->vdDescribe(n.c_str(), a.c_str(), 0, false, "");
            list->Session().vdAddPlan(std::move(single));
        }
        list->vdRefreshList(1);
    }
    ~OffscreenProgram() { window.reset(); }

    int argc = 1;
    char name[10] = "benchmark";
    char* argv[2] = {name, nullptr};
    QTemporaryDir settings;
    std::unique_ptr<Application> application;
    std::unique_ptr<TMainMDIWindow> window;
    TListSamplingPlansWindow* list = nullptr;
};

OffscreenProgram& Program()
{
    static OffscreenProgram program;
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
