#include "plans/SessionFile.h"
#include "plans/DefectivesChainSamplingPlan.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesMultipleSamplingPlan.h"
#include "plans/DefectsPerQuantityDoubleSamplingPlan.h"
#include "plans/DefectsPerQuantityMultipleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/DefectsPerUnitDoubleSamplingPlan.h"
#include "plans/DefectsPerUnitMultipleSamplingPlan.h"
#include "plans/SessionBounds.h"
#include "plans/SessionFileInput.h"
#include "tests/plans/EvaluationTestSupport.h"
#include "tests/plans/SessionFileText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace Brosquin
{
namespace
{

// A single plan read under a plan type code of its own that counts every question for its
// characteristic.
class CountingPlan final : public DefectivesSingleSamplingPlan
{
public:
    static constexpr std::uint8_t code = 14;
    static inline std::uint64_t questions = 0;

    std::uint8_t CharacteristicId() const override
    {
        ++questions;
        return DefectivesSingleSamplingPlan::CharacteristicId();
    }
    std::uint8_t PlanTypeId() const override { return code; }
};

class SessionFileTest : public EvaluationTest
{
protected:
    // Reads a whole file; null when it was refused, and then nothing in force has changed.
    static std::unique_ptr<SessionFileContents> Read(const std::string& file)
    {
        const std::string before = DefinitionsText();
        std::istringstream in(file);
        double version = 0;
        if (ReadSessionFileHeader(in, version) != SessionFileHeader::Valid)
            return nullptr;
        auto contents = ReadSessionFile(in, version);
        EXPECT_TRUE(contents != nullptr || DefinitionsText() == before) << file;
        return contents;
    }

    // The plans of a file to merge; null when they were refused.
    static std::unique_ptr<SamplingPlanSession> Merged(const std::string& file)
    {
        std::istringstream in(file);
        double version = 0;
        if (ReadSessionFileHeader(in, version) != SessionFileHeader::Valid)
            return nullptr;
        return ReadSessionFilePlans(in, version);
    }

    static PlanListRecord DesignListRecord()
    {
        return {{0, 20, 20, 348, 922}, {20, 120, 372, 75, 75, 60, 120, 70}};
    }

    // Plans of every kind with other definitions, units and costs, and two evaluation windows
    // with settings of their own: the file, after which a new session's settings are back.
    std::string RichFile()
    {
        EXPECT_EQ(SamplingPlan::ValidateRiskLevels("0.99", "0.05", 3, message), 0);
        DefectivesSamplingPlan::Units().SetCurrentIndex(2);
        DefectsPerUnitSamplingPlan::Units().SetCurrentIndex(0);
        EXPECT_EQ(SamplingPlan::SetCostParameters("Cost \"\xE9t\xE9\"", "2.5", "10", message), 0);
        session.vdAddPlan(Single("50", "2"));
        session.vdAddPlan(Single<DefectsPerUnitSingleSamplingPlan>("13", "1"));
        auto quantity = std::make_unique<DefectsPerQuantitySingleSamplingPlan>();
        quantity->vdDescribe("2.5", "1", "Board \"Foot\" \xC6", 1, true, "10");
        quantity->vdSetChecked(false);
        session.vdAddPlan(std::move(quantity));
        session.vdAddPlan(Single("1,000", "5"));
        // Plans 5 to 11: double, multiple and chain plans.
        const String n[] = {"20", "20", "20"}, a[] = {"#", "1", "3"}, r[] = {"2", "3", "4"};
        const String amounts[] = {"2.5", "1"}, accept[] = {"#", "3"}, reject[] = {"3", "4"};
        vdAdd<DefectivesDoubleSamplingPlan>("50", "1", "4", "100", "4", 1, true, "1000");
        vdAdd<DefectsPerUnitDoubleSamplingPlan>("5", "0", "2", "5", "1", 2, false, "");
        vdAdd<DefectsPerQuantityDoubleSamplingPlan>("2.5", "0", "2", "0.5", "1", "Foot", 1, true,
                                                    "4");
        vdAdd<DefectivesMultipleSamplingPlan>(3, n, a, r, 1, true, "100");
        vdAdd<DefectsPerUnitMultipleSamplingPlan>(3, n, a, r, 0, false, "");
        vdAdd<DefectsPerQuantityMultipleSamplingPlan>(2, amounts, accept, reject, "M\xE8tre", 2,
                                                      false, "");
        vdAdd<DefectivesChainSamplingPlan>("20", "0", "2", "4.0", "1");

        EvaluationWindowRecord first{{{2, 0, 0, 400, 600}, 6, {}, {}}, List({4, 1})};
        first.layout.plotSizes = {SizeMode::Size400, SizeMode::SizeToFit, SizeMode::Size50,
                                  SizeMode::FixedSizeNormal};
        first.layout.tableSizes = {SizeMode::Size75, SizeMode::FixedSizeNormal, SizeMode::Size300};
        first.list->vdSetWorstCaseCurves(false);
        EXPECT_EQ(first.list->SetRange("0.5", "1e5", "7", message), 0) << message.Text();
        first.list->OCPlot()->vdSetMainTitle("Lots \"A\" & \xE9");
        first.list->ASNPlot()->vdSetAutoScale(true);
        std::vector<WindowRecord> windows;
        windows.emplace_back(std::move(first));
        windows.emplace_back(PlanListRecord{{1, 1, 2, 3, 4}, {0, 1, 2, 3, 4, 5, 6, 7}});
        windows.emplace_back(EvaluationWindowRecord{{{0, -5, 30, 300, 500}, 3, {}, {}}, List({3})});
        windows.emplace_back(EvaluationWindowRecord{{}, List({11, 5, 8})});
        const std::string file = SessionFileText(session, windows);
        SamplingPlanDefinitions::vdReset();
        return file;
    }

    template <class Plan, class... Texts> void vdAdd(const Texts&... texts)
    {
        auto plan = std::make_unique<Plan>();
        plan->vdDescribe(texts...);
        EXPECT_TRUE(plan->IsValid()) << plan->Description().Text();
        session.vdAddPlan(std::move(plan));
    }

    // A small file of two evaluation windows, so that every end of it can be tried.
    std::string SmallFile()
    {
        session.vdAddPlan(Single("5", "0"));
        std::vector<WindowRecord> windows;
        windows.emplace_back(EvaluationWindowRecord{{}, List({1})});
        windows.emplace_back(DesignListRecord());
        windows.emplace_back(EvaluationWindowRecord{{{0, 1, 2, 3, 4}, 3, {}, {}}, List({1})});
        return SessionFileText(session, windows);
    }

    String message;
};

TEST_F(SessionFileTest, AnUntitledSessionIsSevenLinesAndAWindowItsLines)
{
    std::vector<WindowRecord> windows;
    windows.emplace_back(DesignListRecord());
    EXPECT_EQ(SessionFileText(session, windows), "\"Veltrame\" 2.0 \n"
                                                 "\"0.95\" \"0.10\" 0\n"
                                                 "1 1\n"
                                                 "\"E{#Stages}\" \"0\" \"1\" \n"
                                                 "0\n"
                                                 "1 0 20 20 348 922 20 120 372 75 75 60 120 70\n"
                                                 "0\n");

    for (const char* n : {"50", "80", "20"})
        session.vdAddPlan(Single(n, "0"));
    auto list = List({1, 3});
    list->vdSetWorstCaseCurves(false);
    std::ostringstream record;
    vdWriteEvaluationWindowRecord(record, {{2, 0, 0, 400, 600}, 0, {}, {}}, *list);
    std::istringstream in(record.str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 8u) << "four plots, then three tables";
    EXPECT_EQ(lines[0], "2 2 0 0 400 600 0 2 1 3   0");
    EXPECT_EQ(lines[1].substr(0, 23), "  0 0 2 \"OC Curve\" 2 16");
    EXPECT_EQ(lines[5], "  0");
    std::ostringstream range;
    range << "  0 " << list->TableMinimum() << ' ' << list->TableMaximum() << " 10";
    EXPECT_EQ(lines[7], range.str());
}

TEST_F(SessionFileTest, ThePlanFactoryCreatesTheClassOfTheCodesOrRefusesTheRecord)
{
    auto plan = ReadRecord("0 0 0 \"50\"  \"2\"  0 0 \"\" ");
    ASSERT_NE(dynamic_cast<DefectivesSingleSamplingPlan*>(plan.get()), nullptr);
    EXPECT_FALSE(ReadErrorOccurred());
    EXPECT_FALSE(plan->IsChecked());
    plan = ReadRecord("2 0 1 \"Board \"\"Foot\"\"\"  \"2.5\"  \"1\"  1 1 \"10\" ");
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(plan->IsChecked());
    EXPECT_STREQ(plan->UnitsName().Text(), "Defects per Board \"Foot\"");
    // A bad class part: the plan comes back for the reader to stop at.
    EXPECT_NE(ReadRecord("1 0 1 \"0\" \"2\" 0 0 \"\""), nullptr);
    EXPECT_TRUE(ReadErrorOccurred());

    for (const char* refused : {"1 9 1 \"50\" \"2\" 0 0 \"\"", "0.7 0 0 \"50\" \"2\" 0 0 \"\"",
                                "0 5 1", "256 0 1", "-1 0 1", "0 0 2 \"50\" \"2\" 0 0 \"\"",
                                "0 0 \"1\" \"50\"", "0 \"0\" 1", "2 0 1 Foot", "0 0", ""})
    {
        EXPECT_EQ(ReadRecord(refused), nullptr) << refused;
        EXPECT_TRUE(ReadErrorOccurred()) << refused;
    }

    // The plan list: its count, then as many records.
    const auto list = [this](const std::string& text)
    {
        ClearReadError();
        std::istringstream in(text);
        session.vdReadFromStream(in, 2.0);
        return !ReadErrorOccurred();
    };
    EXPECT_TRUE(list("0"));
    for (const char* bad : {"1.5", "-1", "\"2\"", "1e300", ""})
        EXPECT_FALSE(list(bad)) << bad;
    EXPECT_FALSE(list("2\n0 0 1 \"50\"  \"2\"  0 0 \"\" \n"));
    EXPECT_EQ(session.Count(), 1u) << "the plan read before the end stays";
}

TEST_F(SessionFileTest, ASessionWithItsWindowsComesBackAsItWasWritten)
{
    const std::string file = RichFile();
    auto contents = Read(file);
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(SessionFileText(*contents->session, contents->windows), file)
        << "the file's definitions, units and costs are in force, and every record came back";
    ASSERT_EQ(contents->windows.size(), 4u);
    const auto& first = std::get<EvaluationWindowRecord>(contents->windows[0]);
    EXPECT_EQ(Indexes(*first.list), (std::vector<std::uint32_t>{4, 1}));
    EXPECT_EQ(first.layout.tableSizes[2], SizeMode::Size300);
    EXPECT_EQ(contents->session->ListenerCount(), 3u);

    // A file of an earlier version reads with the same layout; a later one is refused.
    std::string older = file;
    EXPECT_NE(Read(older.replace(older.find("2.0"), 3, "1.5")), nullptr);
    const auto header = [](const std::string& text)
    {
        std::istringstream in(text);
        double version = 0;
        return ReadSessionFileHeader(in, version);
    };
    EXPECT_EQ(header("\"Veltrame\" 2.1"), SessionFileHeader::NewerVersion);
    for (const char* other :
         {"\"VELTRAME\" 2.0", "\"Veltrame\" \"2.0\"", "Veltrame 2.0", "\"Veltrame\"", "\x89PNG"})
        EXPECT_EQ(header(other), SessionFileHeader::NotDataFile) << other;

    // A merge takes the plans alone, and only when they are all good.
    std::istringstream merged(file);
    double version = 0;
    ASSERT_EQ(ReadSessionFileHeader(merged, version), SessionFileHeader::Valid);
    const std::string settings = DefinitionsText();
    const auto plans = ReadSessionFilePlans(merged, version);
    ASSERT_NE(plans, nullptr);
    EXPECT_EQ(plans->Count(), 11u);
    EXPECT_EQ(DefinitionsText(), settings);
    std::istringstream cut(file.substr(0, file.find("\n1 0 1 \"13\"")));
    ASSERT_EQ(ReadSessionFileHeader(cut, version), SessionFileHeader::Valid);
    EXPECT_EQ(ReadSessionFilePlans(cut, version), nullptr);
}

TEST_F(SessionFileTest, AWindowsPlansAreCheckedWithOneQuestionEach)
{
    SamplingPlan::vdAddPlanClass(SamplingPlan::DefectiveUnits, CountingPlan::code,
                                 []() -> std::unique_ptr<SamplingPlan>
                                 { return std::make_unique<CountingPlan>(); });
    constexpr std::uint32_t plans = 1000;
    std::ostringstream file;
    vdWriteSessionFileHead(file);
    file << plans << '\n';
    for (std::uint32_t plan = 0; plan < plans; ++plan)
        file << "0 " << int{CountingPlan::code} << " 1 \"5\" \"0\" 0 0 \"\"\n";
    // A window of every plan but the first, backwards, and then the first again of them: refused
    // once the last is read.
    file << "2 0 0 0 400 600 0 " << plans;
    for (std::uint32_t plan = plans; plan >= 2; --plan)
        file << ' ' << plan;
    file << ' ' << plans << "   0\n";
    CountingPlan::questions = 0;
    EXPECT_EQ(Read(file.str()), nullptr);
    EXPECT_GE(CountingPlan::questions, plans);
    // Two of them as each plan's record is measured when it joins the session.
    EXPECT_LE(CountingPlan::questions, 4 * plans) << "not each plan against every one before";
}

TEST_F(SessionFileTest, AFileBeyondTheBoundsIsRefusedForItsSizeBeforeItsRecords)
{
    const std::string file = SmallFile();
    // Read, refused for its size, or refused for damage.
    const auto verdict = [](const std::string& text)
    {
        const bool read = Read(text) != nullptr;
        return read ? 'r' : SizeRefused() ? 's' : 'd';
    };
    const auto replaced = [&file](const std::string& piece, const std::string& replacement)
    {
        std::string changed = file;
        const std::size_t at = changed.find(piece);
        EXPECT_NE(at, std::string::npos) << piece;
        return changed.replace(at, piece.size(), replacement);
    };
    EXPECT_EQ(verdict(file), 'r');
    EXPECT_EQ(verdict(replaced(" \n1\n", " \n100001\n")), 's') << "more plans than a session";
    EXPECT_EQ(verdict(replaced(" \n1\n", " \n100000\n")), 'd') << "the records are missing";
    EXPECT_EQ(verdict(replaced(" 0 1 1   1", " 0 10001 1   1")), 's') << "more than a window";
    EXPECT_EQ(verdict(replaced(" 0 1 1   1", " 0 10000 1   1")), 'd') << "more than the plans";

    // The windows of the file after its plan list record, the first one, as often as given.
    const std::size_t first = file.find("\n2 ") + 1;
    const std::size_t list = file.find("\n1 0 20 20 348 922") + 1;
    const std::size_t second = file.find("\n2 ", list) + 1;
    const std::string window = file.substr(first, list - first);
    const auto windows = [&](int count)
    {
        std::string many = file.substr(0, second);
        for (int i = 0; i < count; ++i)
            many += window;
        return many + "0\n";
    };
    EXPECT_EQ(verdict(windows(LargestEvaluationWindows - 1)), 'r') << "with the one before";
    EXPECT_EQ(verdict(windows(LargestEvaluationWindows)), 's');
}

// 550 plans at 1000 rows each fill the curves tables' 550,000 plan rows: the command stops one row
// short of more, and the reader takes what the command allows and nothing beyond. Only the reader
// builds the largest table: the file is written with 10 intervals, and given 999.
TEST_F(SessionFileTest, TheMostTableRowsTheCommandsAllowAreReadBackWhole)
{
    std::vector<std::uint32_t> all;
    for (std::uint32_t plan = 1; plan <= 550; ++plan)
    {
        session.vdAddPlan(Single(std::to_string(5 + plan % 20).c_str(), "0"));
        all.push_back(plan);
    }
    std::vector<WindowRecord> windows;
    windows.emplace_back(EvaluationWindowRecord{{}, List(all)});
    SamplingPlanEvaluationList& list = *std::get<EvaluationWindowRecord>(windows[0]).list;
    EXPECT_EQ(list.SetRange("0", "50", "1000", message), 3);
    EXPECT_STREQ(message.Text(), "Number of intervals cannot be above 999.");
    ASSERT_EQ(list.SetRange("0", "50", "10", message), 0) << message.Text();
    windows.emplace_back(DesignListRecord());
    const std::string atDefault = SessionFileText(session, windows);
    windows.clear();
    const std::size_t range = atDefault.rfind(" 0 50 10\n");
    ASSERT_NE(range, std::string::npos);
    const auto withIntervals = [&](const char* intervals)
    { return std::string(atDefault).replace(range, 9, std::string(" 0 50 ") + intervals + "\n"); };

    const std::string file = withIntervals("999");
    const auto contents = Read(file);
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(SessionFileText(*contents->session, contents->windows), file);
    EXPECT_EQ(contents->session->PlanRows(), LargestPlanRows);
    EXPECT_EQ(Read(withIntervals("1000")), nullptr);
    EXPECT_TRUE(SizeRefused());
}

TEST_F(SessionFileTest, AFileIsReadNoFurtherThanItsLimitWhateverItsSize)
{
    const std::string file = SmallFile();
    const std::string path = testing::TempDir() + "limited.vlx";
    std::ofstream(path, std::ios::binary) << file;
    // Whether the whole file was read, and whether a byte stood beyond the limit.
    const auto read = [&path](std::uint64_t limit)
    {
        SessionFileInput in(path, limit);
        double version = 0;
        const bool whole = ReadSessionFileHeader(in, version) == SessionFileHeader::Valid &&
                           ReadSessionFile(in, version) != nullptr;
        return std::pair{whole, in.ReachedLimit()};
    };
    EXPECT_EQ(read(file.size()), std::pair(true, false));
    EXPECT_EQ(read(1u << 30), std::pair(true, false));
    // As if the file had grown after its size was taken.
    EXPECT_EQ(read(file.size() - 2), std::pair(false, true)) << "the terminator is beyond";
    EXPECT_EQ(read(100), std::pair(false, true));
    EXPECT_FALSE(SessionFileInput(path + ".missing").IsOpen());
    std::remove(path.c_str());
}

TEST_F(SessionFileTest, CostsBeyondTheNumbersSaveAFileThatReadsBack)
{
    // Every cost is "Overflow", which no scale of the cost plot takes.
    ASSERT_EQ(SamplingPlan::SetCostParameters("E{#Stages}", "1e153", "1", message), 0);
    session.vdAddPlan(Single("50", "2"));
    std::vector<WindowRecord> windows;
    windows.emplace_back(EvaluationWindowRecord{{}, List({1})});
    windows.emplace_back(DesignListRecord());
    const std::string file = SessionFileText(session, windows);
    SamplingPlanDefinitions::vdReset();
    const auto contents = Read(file);
    ASSERT_NE(contents, nullptr) << file;
    EXPECT_EQ(SessionFileText(*contents->session, contents->windows), file);
}

// The plots of a window read from a file are built first, with ends of their own that the Real
// takes for the same as the file's when they differ in the last digit only.
TEST_F(SessionFileTest, ASavedSessionReopenedSavesToTheSameBytes)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single("80", "1", "500"));
    auto list = List({1, 2});
    const double aboveOne = std::nextafter(1.0, 2.0);
    const double belowOne = std::nextafter(1.0, 0.0);
    // Each end through a number far from it, as the plot options would set it.
    const auto set = [](Plot& plot, void (Plot::*setter)(const Real&), double value)
    {
        (plot.*setter)(RealOf(5));
        (plot.*setter)(RealOf(value));
    };
    set(*list->OCPlot(), &Plot::vdSetYAxisMaximum, aboveOne);
    set(*list->OCPlot(), &Plot::vdSetXAxisMaximum, belowOne);
    set(*list->CostPlot(), &Plot::vdSetXAxisMinimum, 0.1 + 0.2);
    set(*list->AOQPlot(), &Plot::vdSetYAxisMaximum, belowOne);
    // A Y range the plot fits to its curves itself.
    Plot& asn = *list->ASNPlot();
    asn.vdSetAutoScale(true);
    asn.vdSetXAxisMaximum(RealOf(0.7));
    delete asn.GetDrawing();
    const Real fitted = asn.YAxisMaximum();
    std::vector<WindowRecord> windows;
    windows.emplace_back(EvaluationWindowRecord{{}, std::move(list)});
    windows.emplace_back(DesignListRecord());
    const std::string saved = SessionFileText(session, windows);
    SamplingPlanDefinitions::vdReset();

    const auto reopened = Read(saved);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(SessionFileText(*reopened->session, reopened->windows), saved);
    const auto& read = std::get<EvaluationWindowRecord>(reopened->windows[0]);
    EXPECT_EQ(read.list->OCPlot()->YAxisMaximum().dValue(), aboveOne);
    EXPECT_EQ(read.list->OCPlot()->XAxisMaximum().dValue(), belowOne);
    EXPECT_EQ(read.list->AOQPlot()->YAxisMaximum().dValue(), belowOne);
    EXPECT_EQ(read.list->ASNPlot()->YAxisMaximum().dValue(), fitted.dValue());
    EXPECT_NE(fitted.dValue(), 1.0) << "the fit gave the ASN curves a range of their own";
}

TEST_F(SessionFileTest, ARecordThatCannotBePlacedRefusesTheWholeFile)
{
    const std::string file = RichFile();
    // Each replaces the first occurrence of a piece of the good file.
    const std::pair<std::string, std::string> refusals[] = {
        {"\"0.99\" \"0.05\" 3", "\"0.99\" \"0.05\" 4"}, // a fifth symbol
        {"\"0.99\" \"0.05\" 3", "\"0.05\" \"0.99\" 3"}, // Pa at the AQL not above
        {"\n2 0\n", "\n3 0\n"},                         // a fourth units row
        {"\"2.5\" \"10\" ", "\"-1\" \"10\" "},          // a negative cost
        {"\n11\n", "\n\"11\"\n"},                       // a quoted plan count
        {"\n0 0 1 \"50\"", "\n0 12 1 \"50\""},          // a chain holding a single plan
        {"\n0 0 1 \"50\"", "\n0 0 3 \"50\""},           // a checked flag of 3
        {"6 2 4 1   0", "6 2 1 1   0"},                 // a plan twice
        {"6 2 4 1   0", "6 2 0 1   0"},                 // plan 0
        {"6 2 4 1   0", "6 2 12 1   0"},                // beyond the plans
        {"6 2 4 1   0", "6 2 4 2   0"},                 // two characteristics
        {"6 2 4 1   0", "6 0 4 1   0"},                 // no plan
        {"6 2 4 1   0", "6 1.5 4 1   0"},               // half a count
        {"400 600 6", "400 600 7"},                     // an eighth page
        {"2 2 0 0 400", "2 3 0 0 400"},                 // a fourth window state
        {"1 1 1 2 3 4", "1 1 1 2 -3 4"},                // a negative height
        {"1 1 1 2 3 4", "7 1 1 2 3 4"},                 // an unknown window
        {"\n  11 ", "\n  12 "},                         // a thirteenth size mode
        {"a=5\" \"0\"", "a=5\" \"1\""},                 // a Pa line marked a bound
        {" 7\n", " 0\n"},                               // no interval in the range
        {" 7\n", " \"7\"\n"},                           //
        {"\n0\n", "\n"},                                // no terminator
    };
    for (const auto& [piece, replacement] : refusals)
    {
        std::string bad = file;
        const std::size_t at = bad.find(piece);
        ASSERT_NE(at, std::string::npos) << piece;
        EXPECT_EQ(Read(bad.replace(at, piece.size(), replacement)), nullptr) << replacement;
    }
}

// A count lower than the plans leaves plan records where the window records should begin: the
// first of them must not pass for the terminator or for a window, in an open or a merge.
TEST_F(SessionFileTest, APlanCountBelowThePlansRefusesTheFile)
{
    const std::string file = RichFile();
    const std::size_t count = file.find("\n11\n") + 1;
    ASSERT_NE(Merged(file), nullptr);
    // The plans of every characteristic and type follow one another in the file.
    for (int lower = 0; lower < 11; ++lower)
    {
        const std::string lying =
            file.substr(0, count) + std::to_string(lower) + file.substr(count + 2);
        EXPECT_EQ(Read(lying), nullptr) << lower;
        EXPECT_EQ(Merged(lying), nullptr) << lower;
        EXPECT_FALSE(SizeRefused());
    }
    // A file of plans without windows merges.
    SamplingPlanSession plans;
    plans.vdAddPlan(Single("50", "2"));
    const auto merged = Merged(SessionFileText(plans, {}));
    ASSERT_NE(merged, nullptr);
    EXPECT_EQ(merged->Count(), 1u);
}

TEST_F(SessionFileTest, OnlyBlanksAndLineEndsFollowTheTerminator)
{
    const std::string file = SmallFile();
    // A merge reads the terminator where no window record stands before it.
    SamplingPlanSession plans;
    plans.vdAddPlan(Single("5", "0"));
    const std::string plansOnly = SessionFileText(plans, {});
    for (const char* end : {" ", "\r\n", "\n\n\t \r\n", "        "})
    {
        const auto contents = Read(file + end);
        ASSERT_NE(contents, nullptr);
        EXPECT_EQ(SessionFileText(*contents->session, contents->windows), file);
        EXPECT_NE(Merged(plansOnly + end), nullptr);
    }
    const std::size_t list = file.find("\n1 0 20 20 348 922") + 1;
    const std::string listRecord = file.substr(list, file.find('\n', list) + 1 - list);
    const std::string planRecord = "0 0 1 \"5\"  \"0\"  0 0 \"\" \n";
    for (const std::string& after :
         {std::string("0\n"), listRecord, planRecord, std::string("rubbish \"\n"),
          std::string("\x1A"), std::string(1, '\0'), std::string("\n\n7")})
    {
        EXPECT_EQ(Read(file + after), nullptr) << after;
        EXPECT_EQ(Merged(plansOnly + after), nullptr) << after;
    }
}

// No writer writes a fraction, or a zero with a minus sign, where a count, an index, a code or a
// tag stands.
TEST_F(SessionFileTest, AFractionOrAMinusZeroCountIsRefused)
{
    std::vector<WindowRecord> windows;
    windows.emplace_back(DesignListRecord());
    const std::string empty = SessionFileText(session, windows);
    const std::string file = SmallFile();
    const auto replaced =
        [](std::string text, const std::string& piece, const std::string& replacement)
    {
        const std::size_t at = text.find(piece);
        EXPECT_NE(at, std::string::npos) << piece;
        return text.replace(at, piece.size(), replacement);
    };
    const auto withZero = [&](const std::string& z) -> std::vector<std::string>
    {
        return {replaced(empty, " \n0\n", " \n" + z + "\n"),                      // the plan count
                replaced(empty, "70\n0\n", "70\n" + z + "\n"),                    // the terminator
                replaced(file, "\n1 1\n", "\n1 " + z + "\n"),                     // a units index
                replaced(file, "\n2 0 0 0 0 0 0 1", "\n2 " + z + " 0 0 0 0 0 1"), // a state
                replaced(file, "   1\n  0 0 1", "   1\n  0 " + z + " 1"), // a plot's resolution
                replaced(file, "\"5\"  \"0\"  0 0", "\"5\"  \"0\"  " + z + " 0")}; // a method
    };
    ASSERT_NE(Read(empty), nullptr);
    for (const char* zero : {"-0", "-0.0", "-0e5", "-0.000e-3", "-0.5", "0.7", "1e-1", "0.0000001"})
    {
        const std::vector<std::string> files = withZero(zero);
        for (const std::string& bad : files)
            EXPECT_EQ(Read(bad), nullptr) << bad;
        EXPECT_EQ(Merged(files[0]), nullptr);
        EXPECT_EQ(Merged(files[5]), nullptr);
    }
    EXPECT_EQ(Read(replaced(file, "\n2 0 0 0 0 0 0 1", "\n2.5 0 0 0 0 0 0 1")), nullptr) << "a tag";
    // A whole number in another form is one still, and blanks and line ends may be any.
    for (const char* zero : {"0.0", "0e5"})
        for (const std::string& good : withZero(zero))
            EXPECT_NE(Read(good), nullptr) << good;
    std::string loose;
    for (const char c : file)
        loose += c == ' ' ? "\t" : c == '\n' ? "\r\n" : std::string(1, c);
    EXPECT_NE(Read(loose), nullptr);
}

// The plan list window is always open: its record stands once among the windows, wherever.
TEST_F(SessionFileTest, AMissingOrRepeatedPlanListRecordIsRefused)
{
    const std::string file = SmallFile();
    const std::size_t list = file.find("\n1 0 20 20 348 922") + 1;
    const std::size_t next = file.find('\n', list) + 1;
    const std::string record = file.substr(list, next - list);
    const std::string without = std::string(file).erase(list, next - list);
    const std::string terminator = "0\n";
    ASSERT_NE(Read(file), nullptr);
    ASSERT_NE(Read(without.substr(0, without.size() - 2) + record + terminator), nullptr)
        << "in front";
    for (const std::string& bad : {without, std::string(file).insert(list, record),
                                   file.substr(0, file.size() - 2) + record + terminator})
    {
        EXPECT_EQ(Read(bad), nullptr) << bad;
        EXPECT_FALSE(SizeRefused());
    }
    // A merge reads no window record beyond the first one's tag and place.
    EXPECT_NE(Merged(without), nullptr);
}

TEST_F(SessionFileTest, EveryTruncatedFileIsRefused)
{
    const std::string file = SmallFile();
    for (std::size_t end = 0; end + 2 < file.size(); ++end)
        EXPECT_EQ(Read(file.substr(0, end)), nullptr) << end;
}

TEST_F(SessionFileTest, GarbledFilesAreReadOrRefusedWithoutHarm)
{
    const std::string file = SmallFile();
    std::mt19937 random(13);
    const std::string pieces[] = {" ", "\"", "0", "-1", "1e300", "\n", "2", "7", "0.5", "\"\""};
    for (int i = 0; i < 300; ++i)
    {
        std::string garbled = file;
        for (int change = 0; change <= i % 4; ++change)
        {
            const std::size_t at = random() % garbled.size();
            const std::uint32_t kind = random() % 3;
            if (kind == 0)
                garbled.erase(at, 1 + random() % 8);
            else if (kind == 1)
                garbled.insert(at, pieces[random() % std::size(pieces)]);
            else
                garbled[at] = static_cast<char>(random());
        }
        SamplingPlanDefinitions::vdReset();
        Read(garbled);
    }
}

} // namespace
} // namespace Brosquin
