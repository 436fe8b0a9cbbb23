// Opening and saving sessions far larger than any user keeps, offscreen through the main window
// as File > Open and File > Save do: 10 000 plans with one evaluation window of all of them, 22
// plans with 1000 evaluation windows, and 100 000 plans with the plan list alone; and the reading
// alone of the first, the file's verdict before any window is built, whole and cut short after
// the window's plan positions. Then the largest sessions a session file holds: plans whose unit
// is the longest text an entry field takes, as many as the file holds, and three such plans in as
// many evaluation windows as it holds. Each is measured once, from an empty session, with the
// process's peak memory in the run (peak_MB) and before it (before_MB), and the file's size
// (file_MB); and the check a command makes of them before it lengthens the file. Goals: the
// 10 000-plan window read under 0.1 s, the 1000 windows opened under 3 s, the peak under 2 GB,
// and the check within a few milliseconds. And a session of staged plans opened both ways a
// session opens: named on the command line, into a main window not yet shown, and by File > Open;
// the two should cost the same.
#include "bench/LargeStagedPlans.h"
#include "bench/app/OffscreenProgram.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SessionFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <numeric>
#include <sstream>

namespace Brosquin
{
namespace
{

// The resident memory of the process in MB: the peak since the last reset, or now.
double dResidentMB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::string(field).size())) / 1024;
    return 0;
}

// From now on the peak counts from the memory in use now.
void vdResetPeakMemory()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Tiny single plans for defective units, all checked: n = 5 to 24, a = 0 or 1.
void vdAddTinyPlans(SamplingPlanSession& session, std::uint32_t count)
{
    for (std::uint32_t plan = 0; plan < count; ++plan)
    {
        auto single = std::make_unique<DefectivesSingleSamplingPlan>();
        const std::string n = std::to_string(5 + plan % 20);
        const std::string a = std::to_string(plan % 2);
        single->vdDescribe(n.c_str(), a.c_str(), 0, false, "");
        session.vdAddPlan(std::move(single));
    }
}

// The head of a session file and that many tiny plans.
std::string PlansText(std::uint32_t plans)
{
    SamplingPlanSession session;
    vdAddTinyPlans(session, plans);
    std::ostringstream out;
    vdWriteSessionFileHead(out);
    session.vdWriteToStream(out);
    return out.str();
}

// The file of that many tiny plans, the plan list window at the back and that many evaluation
// windows in front, each of the first plansPerWindow plans; written by the program's writers.
std::string SessionText(std::uint32_t plans, std::uint32_t windows, std::uint32_t plansPerWindow)
{
    SamplingPlanSession session;
    vdAddTinyPlans(session, plans);
    std::ostringstream out;
    vdWriteSessionFileHead(out);
    session.vdWriteToStream(out);
    vdWritePlanListRecord(out, {{0, 20, 20, 348, 922}, {20, 120, 372, 75, 75, 60, 120, 70}});
    if (windows > 0)
    {
        std::vector<std::uint32_t> positions(plansPerWindow);
        std::iota(positions.begin(), positions.end(), 1u);
        const SamplingPlanEvaluationList list(session, std::move(positions));
        EvaluationWindowLayout layout{{0, 158, 261, 480, 857}, 0, {}, {}};
        layout.tableSizes.fill(SizeMode::FixedSizeNormal);
        for (std::uint32_t window = 0; window < windows; ++window)
            vdWriteEvaluationWindowRecord(out, layout, list);
    }
    vdWriteSessionFileEnd(out);
    return out.str();
}

// A checked single plan for defects per quantity whose unit is 4096 characters long.
std::unique_ptr<SamplingPlan> LongUnitsPlan(std::uint32_t n)
{
    const std::string units(LongestToken, 'u');
    auto plan = std::make_unique<DefectsPerQuantitySingleSamplingPlan>();
    plan->vdDescribe(std::to_string(n).c_str(), "1", units.c_str(), 0, false, "");
    return plan;
}

// Room left for each window's or plan's numbers to grow: places, scales and colours.
constexpr std::uint64_t numbersRoom = 1024;

// The file of as many long-unit plans as a session file holds.
std::string LargestSessionOfPlans()
{
    SamplingPlanSession session;
    session.vdAddPlan(LongUnitsPlan(10));
    const std::uint64_t plan = PlansText(0).size(); // the head and an empty plan list
    std::ostringstream one;
    session.Plan(1)->vdWriteToStream(one);
    const std::uint64_t record = one.str().size() + 1;
    const std::uint64_t count = (LargestSessionFile - plan - numbersRoom) / record;
    for (std::uint64_t k = 1; k < count; ++k)
        session.vdAddPlan(std::unique_ptr<SamplingPlan>(session.Plan(1)->Clone()));
    std::ostringstream out;
    vdWriteSessionFileHead(out);
    session.vdWriteToStream(out);
    vdWritePlanListRecord(out, {{0, 20, 20, 348, 922}, {20, 120, 372, 75, 75, 60, 120, 70}});
    vdWriteSessionFileEnd(out);
    return out.str();
}

// The file of three long-unit plans in as many evaluation windows of all three as it holds.
std::string LargestSessionOfWindows()
{
    SamplingPlanSession session;
    for (std::uint32_t n : {10, 20, 30})
        session.vdAddPlan(LongUnitsPlan(n));
    const SamplingPlanEvaluationList list(session, {1, 2, 3});
    EvaluationWindowLayout layout{{0, 158, 261, 480, 857}, 0, {}, {}};
    layout.tableSizes.fill(SizeMode::FixedSizeNormal);
    std::ostringstream window;
    vdWriteEvaluationWindowRecord(window, layout, list);
    std::ostringstream out;
    vdWriteSessionFileHead(out);
    session.vdWriteToStream(out);
    vdWritePlanListRecord(out, {{0, 20, 20, 348, 922}, {20, 120, 372, 75, 75, 60, 120, 70}});
    const std::uint64_t windows =
        (LargestSessionFile - out.str().size() - numbersRoom) / (window.str().size() + numbersRoom);
    for (std::uint64_t k = 0; k < windows; ++k)
        out << window.str();
    vdWriteSessionFileEnd(out);
    return out.str();
}

OffscreenProgram& Program()
{
    static OffscreenProgram program(0);
    return program;
}

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

QString FileOf(const char* name, const std::string& text)
{
    const QString path = Folder().filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()))
        std::abort();
    return path;
}

// The program back to an empty session, its memory given back. A modified session is saved
// first, so that no one is asked.
void vdEmptySession(OffscreenProgram& program)
{
    if (program.window->IsSessionModified())
        program.window->SaveSessionFile(Folder().filePath(QStringLiteral("scratch.vlx")));
    program.window->NewSession();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void vdReportMemory(benchmark::State& state, double before)
{
    state.counters["before_MB"] = before;
    state.counters["peak_MB"] = dResidentMB("VmHWM:");
}

void vdReportFile(benchmark::State& state, const QString& path)
{
    state.counters["file_MB"] = static_cast<double>(QFileInfo(path).size()) / (1024 * 1024);
}

void vdMeasureOpening(benchmark::State& state, const QString& path)
{
    OffscreenProgram& program = Program();
    double before = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        vdEmptySession(program);
        vdResetPeakMemory();
        before = dResidentMB("VmRSS:");
        state.ResumeTiming();
        program.window->vdOpenSessionFile(path);
    }
    vdReportMemory(state, before);
    vdReportFile(state, path);
    vdEmptySession(program);
}

void vdMeasureSaving(benchmark::State& state, const QString& path)
{
    OffscreenProgram& program = Program();
    vdEmptySession(program);
    program.window->vdOpenSessionFile(path);
    const QString copy = path + QStringLiteral(".saved");
    vdResetPeakMemory();
    const double before = dResidentMB("VmRSS:");
    for (auto _ : state)
        benchmark::DoNotOptimize(program.window->SaveSessionFile(copy));
    vdReportMemory(state, before);
    vdReportFile(state, copy);
    vdEmptySession(program);
}

const QString& TenThousandPlansInOneWindow()
{
    static const QString path = FileOf("10000 plans in a window.vlx", SessionText(10000, 1, 10000));
    return path;
}

const QString& AThousandWindows()
{
    static const QString path = FileOf("1000 windows.vlx", SessionText(22, 1000, 22));
    return path;
}

const QString& AHundredThousandPlans()
{
    static const QString path = FileOf("100000 plans.vlx", SessionText(100000, 0, 0));
    return path;
}

void vdMeasureReading(benchmark::State& state, const std::string& content)
{
    vdResetPeakMemory();
    const double before = dResidentMB("VmRSS:");
    for (auto _ : state)
    {
        std::istringstream in(content);
        double version = 0;
        ReadSessionFileHeader(in, version);
        benchmark::DoNotOptimize(ReadSessionFile(in, version));
    }
    vdReportMemory(state, before);
}

// The reader's verdict on the file of 10 000 plans in one window: the plans, the evaluation list
// with its plots and tables, no window.
void ReadSessionOfTenThousandPlansInOneWindow(benchmark::State& state)
{
    Program();
    std::ifstream file(QFile::encodeName(TenThousandPlansInOneWindow()).toStdString());
    std::stringstream text;
    text << file.rdbuf();
    vdMeasureReading(state, text.str());
}
BENCHMARK(ReadSessionOfTenThousandPlansInOneWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

// The verdict on a file of 10 000 plans whose window lists them all and then ends: the plans
// and the window's positions are read, and the file is refused.
void ReadWindowOfTenThousandPlansCutShort(benchmark::State& state)
{
    std::string content = PlansText(10000) + "2 0 158 261 480 857 0 10000";
    for (int plan = 1; plan <= 10000; ++plan)
        content += ' ' + std::to_string(plan);
    vdMeasureReading(state, content + "   0\n0\n");
}
BENCHMARK(ReadWindowOfTenThousandPlansCutShort)->Unit(benchmark::kMillisecond)->Iterations(1);

void OpenSessionOfTenThousandPlansInOneWindow(benchmark::State& state)
{
    vdMeasureOpening(state, TenThousandPlansInOneWindow());
}
BENCHMARK(OpenSessionOfTenThousandPlansInOneWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

void SaveSessionOfTenThousandPlansInOneWindow(benchmark::State& state)
{
    vdMeasureSaving(state, TenThousandPlansInOneWindow());
}
BENCHMARK(SaveSessionOfTenThousandPlansInOneWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

void OpenSessionOfAThousandWindows(benchmark::State& state)
{
    vdMeasureOpening(state, AThousandWindows());
}
BENCHMARK(OpenSessionOfAThousandWindows)->Unit(benchmark::kMillisecond)->Iterations(1);

void SaveSessionOfAThousandWindows(benchmark::State& state)
{
    vdMeasureSaving(state, AThousandWindows());
}
BENCHMARK(SaveSessionOfAThousandWindows)->Unit(benchmark::kMillisecond)->Iterations(1);

void OpenSessionOfAHundredThousandPlans(benchmark::State& state)
{
    vdMeasureOpening(state, AHundredThousandPlans());
}
BENCHMARK(OpenSessionOfAHundredThousandPlans)->Unit(benchmark::kMillisecond)->Iterations(1);

void SaveSessionOfAHundredThousandPlans(benchmark::State& state)
{
    vdMeasureSaving(state, AHundredThousandPlans());
}
BENCHMARK(SaveSessionOfAHundredThousandPlans)->Unit(benchmark::kMillisecond)->Iterations(1);

const QString& TheLargestSessionOfPlans()
{
    static const QString path = FileOf("largest of plans.vlx", LargestSessionOfPlans());
    return path;
}

const QString& TheLargestSessionOfWindows()
{
    static const QString path = FileOf("largest of windows.vlx", LargestSessionOfWindows());
    return path;
}

void OpenTheLargestSessionOfPlans(benchmark::State& state)
{
    vdMeasureOpening(state, TheLargestSessionOfPlans());
}
BENCHMARK(OpenTheLargestSessionOfPlans)->Unit(benchmark::kMillisecond)->Iterations(1);

void SaveTheLargestSessionOfPlans(benchmark::State& state)
{
    vdMeasureSaving(state, TheLargestSessionOfPlans());
}
BENCHMARK(SaveTheLargestSessionOfPlans)->Unit(benchmark::kMillisecond)->Iterations(1);

void OpenTheLargestSessionOfWindows(benchmark::State& state)
{
    vdMeasureOpening(state, TheLargestSessionOfWindows());
}
BENCHMARK(OpenTheLargestSessionOfWindows)->Unit(benchmark::kMillisecond)->Iterations(1);

void SaveTheLargestSessionOfWindows(benchmark::State& state)
{
    vdMeasureSaving(state, TheLargestSessionOfWindows());
}
BENCHMARK(SaveTheLargestSessionOfWindows)->Unit(benchmark::kMillisecond)->Iterations(1);

// Twenty plans of 1000 stages (bench/LargeStagedPlans.h) of 1 to 5 units, one curtailing method
// after another, as a user's session of large staged plans holds them.
const QString& TwentyStagedPlans()
{
    static const QString path = []
    {
        SamplingPlanSession session;
        for (int plan = 0; plan < 20; ++plan)
            session.vdAddPlan(LargeStagedPlan(LargePlan::defectivesMultiple, 1 + plan % 5,
                                              static_cast<std::int8_t>(plan % 7)));
        std::ostringstream out;
        vdWriteSessionFileHead(out);
        session.vdWriteToStream(out);
        vdWritePlanListRecord(out, {{0, 20, 20, 348, 922}, {20, 120, 372, 75, 75, 60, 120, 70}});
        vdWriteSessionFileEnd(out);
        return FileOf("twenty staged plans.vlx", out.str());
    }();
    return path;
}

// As a double click opens the file: the main window made for it, which opens the file before it
// is shown.
void OpenStagedPlansOnTheCommandLine(benchmark::State& state)
{
    Program();
    const QString& path = TwentyStagedPlans();
    vdResetPeakMemory();
    const double before = dResidentMB("VmRSS:");
    for (auto _ : state)
    {
        std::unique_ptr<TMainMDIWindow> window = CreateMainWindow({path});
        state.PauseTiming();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    vdReportMemory(state, before);
    vdReportFile(state, path);
}
BENCHMARK(OpenStagedPlansOnTheCommandLine)->Unit(benchmark::kMillisecond)->Iterations(3);

void OpenStagedPlansThroughFileOpen(benchmark::State& state)
{
    vdMeasureOpening(state, TwentyStagedPlans());
}
BENCHMARK(OpenStagedPlansThroughFileOpen)->Unit(benchmark::kMillisecond)->Iterations(3);

// What a command asks before it lengthens the file of the largest sessions: the bytes the file
// would take, from the sizes kept of its plans and windows.
void vdMeasureTheCheck(benchmark::State& state, const QString& path)
{
    OffscreenProgram& program = Program();
    vdEmptySession(program);
    program.window->vdOpenSessionFile(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(HasRoomFor(program.list->Session(), 0));
    vdEmptySession(program);
}

void CheckTheLargestSessionOfPlans(benchmark::State& state)
{
    vdMeasureTheCheck(state, TheLargestSessionOfPlans());
}
BENCHMARK(CheckTheLargestSessionOfPlans)->Unit(benchmark::kMillisecond);

void CheckTheLargestSessionOfWindows(benchmark::State& state)
{
    vdMeasureTheCheck(state, TheLargestSessionOfWindows());
}
BENCHMARK(CheckTheLargestSessionOfWindows)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Brosquin
