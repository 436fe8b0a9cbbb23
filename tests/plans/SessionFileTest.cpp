#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/SessionFile.h"
#include "tests/plans/EvaluationTestSupport.h"
#include "tests/plans/SessionFileText.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

namespace Brosquin
{
namespace
{

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

    static std::unique_ptr<SamplingPlan> ReadPlan(const std::string& record)
    {
        ClearReadError();
        std::istringstream in(record);
        return SamplingPlan::ReadPlanFromStream(in, 2.0);
    }

    static PlanListRecord DesignListRecord()
    {
        return {{0, 20, 20, 348, 922}, {20, 120, 372, 75, 75, 60, 120, 70}};
    }

    // Plans of every kind, every field set, and two evaluation windows on them.
    std::vector<WindowRecord> BuildRichSession()
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

        std::vector<WindowRecord> windows;
        EvaluationWindowRecord first{{{2, 0, 0, 400, 600}, 6, {}, {}}, List({4, 1})};
        first.layout.plotSizes = {SizeMode::Size400, SizeMode::SizeToFit, SizeMode::Size50,
                                  SizeMode::FixedSizeNormal};
        first.layout.tableSizes = {SizeMode::Size75, SizeMode::FixedSizeNormal, SizeMode::Size300};
        first.list->vdSetWorstCaseCurves(false);
        EXPECT_EQ(first.list->SetRange("0.5", "1e5", "7", message), 0) << message.Text();
        first.list->OCPlot()->vdSetMainTitle("Lots \"A\" & \xE9");
        first.list->CostPlot()->vdSetYAxisMaximum(RealOf(123.456789));
        first.list->ASNPlot()->vdSetLineStyle(2, 4);
        first.list->ASNPlot()->vdSetAutoScale(true);
        EvaluationWindowRecord second{{{0, -5, 30, 300, 500}, 3, {}, {}}, List({3})};
        windows.emplace_back(std::move(first));
        windows.emplace_back(PlanListRecord{{1, 1, 2, 3, 4}, {0, 1, 2, 3, 4, 5, 6, 7}});
        windows.emplace_back(std::move(second));
        return windows;
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

TEST_F(SessionFileTest, AnUntitledSessionIsSevenLines)
{
    std::vector<WindowRecord> windows;
    windows.emplace_back(DesignListRecord());
    EXPECT_EQ(SessionFileText(session, windows),
              "\"Veltrame\" 2.0 \n"
              "\"0.95\" \"0.10\" 0\n"
              "1 1\n"
              "\"E{#Stages}\" \"0\" \"1\" \n"
              "0\n"
              "1 0 20 20 348 922 20 120 372 75 75 60 120 70\n"
              "0\n");
}

TEST_F(SessionFileTest, AnEvaluationWindowWritesItsPlacePlansPlotsAndRange)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single("80", "2"));
    session.vdAddPlan(Single("20", "0"));
    auto list = List({1, 3});
    std::ostringstream part;
    list->vdWriteToStream(part);
    EXPECT_EQ(part.str(), "2 1 3   1");
    list->vdSetWorstCaseCurves(false);
    EvaluationWindowLayout layout{{2, 0, 0, 400, 600}, 0, {}, {}};
    layout.tableSizes = {SizeMode::FixedSizeNormal, SizeMode::FixedSizeNormal, SizeMode::Size125};
    std::ostringstream out;
    vdWriteEvaluationWindowRecord(out, layout, *list);
    std::istringstream lines(out.str());
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line))
        all.push_back(line);
    ASSERT_EQ(all.size(), 8u);
    EXPECT_EQ(all[0], "2 2 0 0 400 600 0 2 1 3   0");
    EXPECT_EQ(all[1].substr(0, 23), "  0 0 2 \"OC Curve\" 2 16");
    EXPECT_EQ(all[5], "  1");
    std::ostringstream range;
    range << "  5 " << list->TableMinimum() << ' ' << list->TableMaximum() << " 10";
    EXPECT_EQ(all[7], range.str());
}

TEST_F(SessionFileTest, ThePlanFactoryCreatesTheClassOfTheCodesOrRefusesTheRecord)
{
    auto plan = ReadPlan("0 0 1 \"50\"  \"2\"  0 0 \"\" ");
    ASSERT_NE(plan, nullptr);
    EXPECT_FALSE(ReadErrorOccurred());
    EXPECT_NE(dynamic_cast<DefectivesSingleSamplingPlan*>(plan.get()), nullptr);
    EXPECT_TRUE(plan->IsChecked());
    plan = ReadPlan("0.7 0 0 \"50\" \"2\" 0 0 \"\"");
    ASSERT_NE(plan, nullptr) << "codes are truncated";
    EXPECT_FALSE(plan->IsChecked());
    plan = ReadPlan("2 0 1 \"Board \"\"Foot\"\"\"  \"2.5\"  \"1\"  1 1 \"10\" ");
    ASSERT_NE(plan, nullptr);
    EXPECT_STREQ(plan->UnitsName().Text(), "Defects per Board \"Foot\"");
    // A bad class part: the plan comes back for the reader to stop at.
    plan = ReadPlan("1 0 1 \"0\" \"2\" 0 0 \"\"");
    EXPECT_NE(plan, nullptr);
    EXPECT_TRUE(ReadErrorOccurred());

    for (const char* refused : {"1 9 1 \"50\" \"2\" 0 0 \"\"", "0 5 1", "256 0 1", "-1 0 1",
                                "0 0 2 \"50\" \"2\" 0 0 \"\"", "0 0 \"1\" \"50\"", "0 \"0\" 1",
                                "2 0 1 Foot", "0 0", ""})
    {
        EXPECT_EQ(ReadPlan(refused), nullptr) << refused;
        EXPECT_TRUE(ReadErrorOccurred()) << refused;
    }
}

TEST_F(SessionFileTest, APlanListReadsItsCountOfRecordsAndStopsAtTheFirstBadOne)
{
    std::ostringstream empty;
    session.vdWriteToStream(empty);
    EXPECT_EQ(empty.str(), "0\n");
    const auto read = [this](const std::string& text)
    {
        ClearReadError();
        std::istringstream in(text);
        session.vdReadFromStream(in, 2.0);
        return !ReadErrorOccurred();
    };
    EXPECT_TRUE(read("0"));
    EXPECT_EQ(session.Count(), 0u);
    for (const char* bad : {"1.5", "-1", "\"2\"", "1e300", ""})
        EXPECT_FALSE(read(bad)) << bad;
    EXPECT_FALSE(read("2\n0 0 1 \"50\"  \"2\"  0 0 \"\" \n"));
    EXPECT_EQ(session.Count(), 1u) << "the plan read before the end stays";
    EXPECT_TRUE(read("1 1 0 1 \"13\" \"1\" 0 0 \"\""));
    EXPECT_EQ(session.Count(), 2u) << "appended";
}

TEST_F(SessionFileTest, ASessionWithItsWindowsComesBackAsItWasWritten)
{
    const std::vector<WindowRecord> windows = BuildRichSession();
    const std::string file = SessionFileText(session, windows);
    const std::string settings = DefinitionsText();
    SamplingPlanDefinitions::vdReset();
    auto contents = Read(file);
    ASSERT_NE(contents, nullptr);
    EXPECT_EQ(DefinitionsText(), settings) << "the file's definitions, units and costs are in force";
    EXPECT_EQ(SessionFileText(*contents->session, contents->windows), file);

    ASSERT_EQ(contents->session->Count(), 4u);
    EXPECT_FALSE(contents->session->Plan(3)->IsChecked());
    EXPECT_STREQ(contents->session->Plan(3)->Description().Text(),
                 session.Plan(3)->Description().Text());
    ASSERT_EQ(contents->windows.size(), 3u);
    const auto& first = std::get<EvaluationWindowRecord>(contents->windows[0]);
    EXPECT_EQ(Indexes(*first.list), (std::vector<std::uint32_t>{4, 1}));
    EXPECT_FALSE(first.list->WorstCaseCurves());
    EXPECT_EQ(first.list->TableMaximum().dValue(), 1e5);
    EXPECT_EQ(first.layout.page, 6);
    EXPECT_EQ(first.layout.plotSizes[0], SizeMode::Size400);
    EXPECT_EQ(first.layout.tableSizes[2], SizeMode::Size300);
    EXPECT_STREQ(first.list->OCPlot()->MainTitle().Text(), "Lots \"A\" & \xE9");
    EXPECT_EQ(first.list->CostPlot()->YAxisMaximum().dValue(), 123.456789);
    EXPECT_TRUE(first.list->ASNPlot()->bAutoScale());
    EXPECT_EQ(std::get<PlanListRecord>(contents->windows[1]).place.left, 2);
    EXPECT_EQ(std::get<EvaluationWindowRecord>(contents->windows[2]).layout.place.top, -5);
    EXPECT_EQ(contents->session->ListenerCount(), 2u);

    // A file of an earlier version reads with the same layout.
    std::string older = file;
    older.replace(older.find("2.0"), 3, "1.5");
    EXPECT_NE(Read(older), nullptr);
}

TEST_F(SessionFileTest, AHeaderNamesTheProductAndAVersionNotAfterThisOne)
{
    const auto header = [](const std::string& text)
    {
        std::istringstream in(text);
        double version = 0;
        return ReadSessionFileHeader(in, version);
    };
    EXPECT_EQ(header("\"Veltrame\" 1.5"), SessionFileHeader::Valid);
    EXPECT_EQ(header("\"Veltrame\" 2.1"), SessionFileHeader::NewerVersion);
    for (const char* other : {"\"VELTRAME\" 2.0", "\"Veltrame\" \"2.0\"", "Veltrame 2.0",
                              "\"Veltrame\"", "", "\x89PNG\r\n"})
        EXPECT_EQ(header(other), SessionFileHeader::NotDataFile) << other;
}

TEST_F(SessionFileTest, ARecordThatCannotBePlacedRefusesTheWholeFile)
{
    const std::vector<WindowRecord> windows = BuildRichSession();
    const std::string file = SessionFileText(session, windows);
    SamplingPlanDefinitions::vdReset();
    ASSERT_NE(Read(file), nullptr);
    SamplingPlanDefinitions::vdReset();
    // Each replaces the first occurrence of a piece of the good file.
    const std::pair<std::string, std::string> refusals[] = {
        {"\"0.99\" \"0.05\" 3", "\"0.99\" \"0.05\" 4"},   // a fifth symbol
        {"\"0.99\" \"0.05\" 3", "\"0.05\" \"0.99\" 3"},   // Pa at the AQL not above the LTPD's
        {"\n2 0\n", "\n3 0\n"},                           // a fourth units row
        {"\"2.5\" \"10\" ", "\"-1\" \"10\" "},            // a negative cost
        {"\n4\n", "\n\"4\"\n"},                           // a quoted plan count
        {"\n0 0 1 \"50\"", "\n0 12 1 \"50\""},            // a plan type not built
        {"\n0 0 1 \"50\"", "\n0 0 3 \"50\""},             // a checked flag of 3
        {"2 2 0 0 400 600 6 2 4 1", "2 2 0 0 400 600 6 2 1 1"},  // a plan twice
        {"2 2 0 0 400 600 6 2 4 1", "2 2 0 0 400 600 6 2 0 1"},  // plan 0
        {"2 2 0 0 400 600 6 2 4 1", "2 2 0 0 400 600 6 2 5 1"},  // beyond the plans
        {"2 2 0 0 400 600 6 2 4 1", "2 2 0 0 400 600 6 2 4 2"},  // plans of two characteristics
        {"2 2 0 0 400 600 6 2 4 1", "2 2 0 0 400 600 6 0 4 1"},  // no plan
        {"2 2 0 0 400 600 6 2 4 1", "2 2 0 0 400 600 6 1.5 4 1"}, // half a count
        {"2 2 0 0 400 600 6", "2 2 0 0 400 600 7"},       // an eighth page
        {"2 2 0 0 400 600", "2 3 0 0 400 600"},           // a fourth window state
        {"1 1 1 2 3 4", "1 1 1 2 -3 4"},                  // a negative height
        {"1 1 1 2 3 4", "7 1 1 2 3 4"},                   // an unknown window
        {"\n  11 ", "\n  12 "},                           // a thirteenth size mode
        {"a=5\" \"0\"", "a=5\" \"1\""},                      // a Pa line marked as a bound
        {" 7\n", " 0\n"},                                 // no interval in the table range
        {" 7\n", " \"7\"\n"},                             //
        {"\n0\n", "\n"},                                  // no terminator
    };
    for (const auto& [piece, replacement] : refusals)
    {
        std::string bad = file;
        const std::size_t at = bad.find(piece);
        ASSERT_NE(at, std::string::npos) << piece;
        bad.replace(at, piece.size(), replacement);
        EXPECT_EQ(Read(bad), nullptr) << replacement;
    }
    // Whatever follows the terminator is not read.
    EXPECT_NE(Read(file + "rubbish \"\n"), nullptr);
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
        for (int change = 0; change < 1 + i % 4; ++change)
        {
            const std::size_t at = random() % garbled.size();
            const std::string& piece = pieces[random() % std::size(pieces)];
            switch (random() % 3)
            {
            case 0:
                garbled.erase(at, 1 + random() % 8);
                break;
            case 1:
                garbled.insert(at, piece);
                break;
            default:
                garbled[at] = static_cast<char>(random());
            }
        }
        SamplingPlanDefinitions::vdReset();
        Read(garbled);
    }
}

TEST_F(SessionFileTest, AMergedFileGivesItsPlansOnly)
{
    const std::vector<WindowRecord> windows = BuildRichSession();
    const std::string file = SessionFileText(session, windows);
    SamplingPlanDefinitions::vdReset();
    const std::string settings = DefinitionsText();
    std::istringstream in(file);
    double version = 0;
    ASSERT_EQ(ReadSessionFileHeader(in, version), SessionFileHeader::Valid);
    auto plans = ReadSessionFilePlans(in, version);
    ASSERT_NE(plans, nullptr);
    EXPECT_EQ(plans->Count(), 4u);
    EXPECT_EQ(DefinitionsText(), settings);

    std::istringstream bad(file.substr(0, file.find("\n1 0 1 \"13\"")));
    ASSERT_EQ(ReadSessionFileHeader(bad, version), SessionFileHeader::Valid);
    EXPECT_EQ(ReadSessionFilePlans(bad, version), nullptr);
}

} // namespace
} // namespace Brosquin
