// What a session's file takes, and the rule that keeps every session within what Save may write
// and Open reads back: the measure counts what can change without a command at its widest, and
// each command that makes the file longer knows by how much before it runs.
#include "core/RecordSize.h"
#include "plans/DefectivesChainSamplingPlan.h"
#include "plans/DefectsPerQuantityMultipleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/SessionBounds.h"
#include "plans/SessionFile.h"
#include "tests/plans/EvaluationTestSupport.h"
#include "tests/plans/SessionFileText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace Brosquin
{
namespace
{

// A text of the longest an entry field takes, every character a quote that the file doubles.
const std::string quotes(LongestToken, '"');

std::unique_ptr<SamplingPlan> QuantityPlan(const char* n, const std::string& units)
{
    auto plan = std::make_unique<DefectsPerQuantitySingleSamplingPlan>();
    plan->vdDescribe(n, "1", units.c_str(), 0, false, "");
    EXPECT_TRUE(plan->IsValid());
    return plan;
}

// A plan of the most stages, each at its own numbers.
std::unique_ptr<SamplingPlan> StagedPlan(const std::string& units)
{
    std::vector<String> n, a, r;
    // Two counts go on at each stage, which keeps its evaluation short.
    for (int stage = 1; stage <= largestStageCount; ++stage)
    {
        const bool last = stage == largestStageCount;
        n.emplace_back("1");
        a.emplace_back(stage == 1 ? "#" : std::to_string(stage - (last ? 1 : 2)).c_str());
        r.emplace_back(std::to_string(stage + (last ? 0 : 1)).c_str());
    }
    auto plan = std::make_unique<DefectsPerQuantityMultipleSamplingPlan>();
    plan->vdDescribe(largestStageCount, n.data(), a.data(), r.data(), units.c_str(), 0, false, "");
    EXPECT_TRUE(plan->IsValid()) << plan->Description().Text();
    return plan;
}

class SessionFileSizeTest : public EvaluationTest
{
protected:
    // The session's file as the main window writes it: the plan list window in the layout given,
    // then a window of each list in its layout.
    std::string File(const PlanListRecord& planList = {},
                     const EvaluationWindowLayout& layout = {}) const
    {
        std::ostringstream out;
        vdWriteFile(out, planList, layout);
        return out.str();
    }
    void vdWriteFile(std::ostream& out, const PlanListRecord& planList,
                     const EvaluationWindowLayout& layout) const
    {
        vdWriteSessionFileHead(out);
        session.vdWriteToStream(out);
        vdWritePlanListRecord(out, planList);
        for (const auto& list : lists)
            vdWriteEvaluationWindowRecord(out, layout, *list);
        vdWriteSessionFileEnd(out);
    }
    // The measure of the whole file, every value that moves at its widest, taken afresh.
    std::uint64_t FreshMeasure() const
    {
        return BytesWritten([this](std::ostream& out) { vdWriteFile(out, {}, {}); },
                            RecordSize::Values::AtWidest);
    }
    // The measure the commands ask, which must be the fresh one.
    std::uint64_t Measure() const
    {
        const std::uint64_t bytes = SessionFileBytes(session);
        EXPECT_EQ(bytes, FreshMeasure());
        return bytes;
    }
    void vdEvaluate(std::vector<std::uint32_t> positions)
    {
        lists.push_back(List(std::move(positions)));
    }

    // A file read back whole within largest, which Save writes again byte for byte; and refused
    // for its size one byte below what its session takes.
    static void ExpectReadBackWithin(const std::string& file, std::uint64_t largest)
    {
        EXPECT_LE(file.size(), largest);
        std::istringstream in(file);
        double version = 0;
        ASSERT_EQ(ReadSessionFileHeader(in, version), SessionFileHeader::Valid);
        const auto contents = ReadSessionFile(in, version, largest);
        ASSERT_NE(contents, nullptr);
        EXPECT_EQ(SessionFileText(*contents->session, contents->windows), file);
        const std::uint64_t bytes = SessionFileBytes(*contents->session);
        EXPECT_LE(bytes, largest);
        std::istringstream again(file);
        ASSERT_EQ(ReadSessionFileHeader(again, version), SessionFileHeader::Valid);
        EXPECT_EQ(ReadSessionFile(again, version, bytes - 1), nullptr);
        EXPECT_TRUE(SizeRefused());
    }

    std::vector<std::unique_ptr<SamplingPlanEvaluationList>> lists;
};

TEST_F(SessionFileSizeTest, WhatMovesWithoutACommandIsCountedAtItsWidest)
{
    session.vdAddPlan(Single("5", "0"));
    session.vdAddPlan(QuantityPlan("2.5", quotes));
    session.vdAddPlan(Single("50", "2", "200"));
    // A plan whose Pa is known only between bounds.
    auto chain = std::make_unique<DefectivesChainSamplingPlan>();
    chain->vdDescribe("20", "0", "2", "4.0", "1");
    session.vdAddPlan(std::move(chain));
    vdEvaluate({3, 4});
    vdEvaluate({2});
    const std::uint64_t measure = Measure();

    // Narrow places, the widest the reader takes, and places beyond it, which are written as the
    // nearest it takes: all within the measure, and all counted as it.
    const EvaluationWindowLayout narrow{};
    EvaluationWindowLayout wide{{2, -1000000, -1000000, 1000000, 1000000}, 6, {}, {}};
    wide.plotSizes.fill(SizeMode::Size400);
    wide.tableSizes.fill(SizeMode::Size400);
    const EvaluationWindowLayout beyond{{1, -5000000, 3000000, 2000000, -4}, 3, {}, {}};
    const PlanListRecord wideList{{2, -1000000, 1000000, 1000000, 1000000}, {}};
    const PlanListRecord beyondList{{0, 1 << 30, 0, 0, 0}, {-1, 1 << 30, 0, 0, 0, 0, 0, 0}};
    for (const std::string& file :
         {File({}, narrow), File(wideList, wide), File(beyondList, beyond)})
    {
        EXPECT_LE(file.size(), measure);
        std::istringstream in(file);
        double version = 0;
        ASSERT_EQ(ReadSessionFileHeader(in, version), SessionFileHeader::Valid);
        const auto contents = ReadSessionFile(in, version);
        ASSERT_NE(contents, nullptr) << "what is written is read";
        EXPECT_EQ(SessionFileBytes(*contents->session), measure);
    }

    // New scales and table ranges, auto-scaled Y ranges, and positions that move down as a plan
    // before them goes: the measure holds, and the plan's line is all the file loses.
    session.vdApplyDefinitions();
    String message;
    ASSERT_EQ(lists[0]->SetRange("0.000123456789012345", "98.7654321098765", "1000", message), 0)
        << message.Text();
    lists[0]->ASNPlot()->vdSetAutoScale(true);
    delete lists[0]->ASNPlot()->GetDrawing();
    EXPECT_EQ(Measure(), measure);
    const std::uint64_t first = session.PlanBytes(1);
    session.vdDeletePlan(1);
    EXPECT_EQ(Indexes(*lists[0]), (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(Indexes(*lists[1]), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(Measure(), measure - first);
    // A move brings its lines back in their first look and another colour.
    session.vdMovePlan(3, 1);
    EXPECT_EQ(Measure(), measure - first);
}

TEST_F(SessionFileSizeTest, EveryCommandThatLengthensTheFileKnowsByHowMuchBeforeItRuns)
{
    session.vdAddPlan(Single("5", "0"));
    session.vdAddPlan(QuantityPlan("2.5", "m"));
    session.vdAddPlan(QuantityPlan("4", quotes));
    auto bounded = std::make_unique<BoundedSinglePlan>();
    bounded->vdDescribe("13", "1", 0, true, "90");
    session.vdAddPlan(std::move(bounded));
    vdEvaluate({1});
    vdEvaluate({2});
    lists[0]->vdSetWorstCaseCurves(false);
    std::uint64_t before = Measure();
    const auto grown = [&before, this]
    {
        const std::uint64_t now = Measure();
        const auto growth = static_cast<std::int64_t>(now) - static_cast<std::int64_t>(before);
        before = now;
        return growth;
    };

    // Duplicate and Merge: the lines of the plans copied.
    const std::uint64_t copied = session.PlanBytes(3);
    EXPECT_GT(copied, 2 * LongestToken);
    session.vdAddPlan(std::unique_ptr<SamplingPlan>(session.Plan(3)->Clone()));
    EXPECT_EQ(grown(), copied);
    // Add Plans and a drop on a window, with the worst-case curves off and on.
    std::int64_t predicted = lists[0]->AdditionGrowth(*session.Plan(4));
    lists[0]->vdAddPlan(4);
    EXPECT_EQ(grown(), predicted);
    predicted = lists[0]->WorstCaseGrowth();
    EXPECT_GT(predicted, 0);
    lists[0]->vdSetWorstCaseCurves(true);
    EXPECT_EQ(grown(), predicted);
    EXPECT_EQ(lists[0]->WorstCaseGrowth(), 0u);
    predicted = lists[1]->AdditionGrowth(*session.Plan(3));
    lists[1]->vdAddPlan(3);
    EXPECT_EQ(grown(), predicted);

    // An edit: the plan's line, and its lines in the windows, which take their first look again.
    lists[1]->OCPlot()->vdSetLineLabel(1, "m");
    lists[1]->OCPlot()->vdSetLineThickness(1, 1);
    before = Measure();
    std::unique_ptr<SamplingPlan> edited(session.Plan(2)->Clone());
    static_cast<DefectsPerQuantitySingleSamplingPlan&>(*edited).vdDescribe(
        "2.5", "1", quotes.c_str(), 1, true, "100");
    predicted = static_cast<std::int64_t>(SamplingPlanSession::PlanLineBytes(*edited)) -
                static_cast<std::int64_t>(session.PlanBytes(2)) +
                static_cast<std::int64_t>(session.RebuildGrowth(2, *edited));

    static_cast<DefectsPerQuantitySingleSamplingPlan&>(*session.Plan(2))
        .vdDescribe("2.5", "1", quotes.c_str(), 1, true, "100");
    session.vdReplacePlan(2);
    EXPECT_EQ(grown(), predicted);

    // A move: the plan's lines in their first look again, and a window of it alone its titles.
    lists[0]->vdRemovePlan(2);
    lists[0]->OCPlot()->vdSetXAxisLabel("x");
    lists[0]->CostPlot()->vdSetKeyTitle("");
    lists[0]->ASNPlot()->vdSetLineColor(1, 0);
    before = Measure();
    predicted = session.RebuildGrowth(1, *session.Plan(1));
    EXPECT_GT(predicted, 0);
    session.vdMovePlan(1, 5);
    EXPECT_EQ(grown(), predicted);
    EXPECT_STREQ(lists[0]->OCPlot()->XAxisLabel().Text(), "Percent Defective");

    // New costs and units: the head of the file, and the titles and labels of every window.
    String message;
    ASSERT_EQ(SamplingPlan::SetCostParameters(quotes.c_str(), "2", "10", message), 0);
    const std::uint64_t head = Measure();
    predicted = static_cast<std::int64_t>(head - before + session.CostTitlesGrowth());
    session.vdApplyCostParameters();
    EXPECT_EQ(grown(), predicted);
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(2));
    predicted = static_cast<std::int64_t>(session.UnitsGrowth());
    EXPECT_GT(predicted, 0);
    session.vdSetUnits();
    EXPECT_LE(grown(), predicted) << "at most the longest name of the units";
    // New definitions: the head alone.
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels(("0.9" + std::string(4000, '0')).c_str(), "0.05", 2,
                                               message),
              0);
    const std::uint64_t definitions = Measure();
    session.vdApplyDefinitions();
    EXPECT_EQ(Measure(), definitions);
    before = definitions;

    // An evaluation counts in the file as soon as it is made, and no more once it goes.
    session.UncheckAll();
    session.Plan(3)->vdSetChecked(true);
    session.Plan(5)->vdSetChecked(true);
    lists.push_back(session.vdEvaluateCheckedPlans(message));
    ASSERT_NE(lists.back(), nullptr) << message.Text();
    const auto evaluation = static_cast<std::int64_t>(lists.back()->RecordBytes());
    EXPECT_EQ(grown(), evaluation);
    lists.pop_back();
    EXPECT_EQ(grown(), -evaluation);
}

TEST_F(SessionFileSizeTest, NoDesignTakesMoreThanSelectFindsRoomFor)
{
    // Units of quotes, and the longest Cp the variables selection takes.
    String message;
    const std::string cp = "1.3" + std::string(LongestToken - 3, '0');
    session.vdSetVariablesSelection(true, true, cp.c_str());
    for (const auto& [characteristic, type] : {std::pair{SamplingPlan::DefectsPerQuantity, 0},
                                               {SamplingPlan::DefectiveUnits, 1},
                                               {SamplingPlan::DefectiveUnits, 2}})
        ASSERT_TRUE(session.vdSelectPlans(characteristic, type, 0, "1", "5", "", "", "1", "0",
                                          quotes.c_str(), message))
            << message.Text();
    EXPECT_GT(session.PlanBytes(1), 2 * LongestToken);
    EXPECT_GT(session.PlanBytes(3), LongestToken) << session.Plan(3)->Description().Text();
    for (std::uint32_t plan = 1; plan <= session.Count(); ++plan)
        EXPECT_LE(session.PlanBytes(plan), SamplingPlanSession::LargestDesignedPlanBytes);
}

TEST_F(SessionFileSizeTest, TheLargestSessionOfEachKindIsWrittenAndReadBackWhole)
{
    // Plans whose units are texts of quotes, as many as a file of a given size takes.
    std::unique_ptr<SamplingPlan> plan = QuantityPlan("4", quotes);
    const auto vdFill = [this, &plan](std::uint64_t largest)
    {
        while (HasRoomFor(session, SamplingPlanSession::PlanLineBytes(*plan), largest))
            session.vdAddPlan(std::unique_ptr<SamplingPlan>(plan->Clone()));
    };
    vdFill(100000);
    EXPECT_GT(session.Count(), 10u);
    ExpectReadBackWithin(File(), 100000);

    // Windows of them, the one that did not fit closed again.
    for (std::uint32_t window = 1; window <= LargestEvaluationWindows; ++window)
    {
        vdEvaluate({window % session.Count() + 1, 1});
        if (!HasRoomFor(session, 0, 500000))
            break;
    }
    lists.pop_back();
    EXPECT_GT(lists.size(), 3u);
    ExpectReadBackWithin(File(), 500000);

    // Plans of the most stages.
    lists.clear();
    while (session.Count() > 0)
        session.vdDeletePlan(1);
    plan = StagedPlan(quotes);
    vdFill(80000);
    EXPECT_GT(session.Count(), 1u);
    ExpectReadBackWithin(File(), 80000);
}

TEST_F(SessionFileSizeTest, AFileWrittenTighterThanSaveWritesIsRefusedWhenItsSessionIsNot)
{
    session.vdAddPlan(QuantityPlan("2.5", quotes));
    session.vdAddPlan(Single("50", "2"));
    vdEvaluate({1});
    const std::string file = File();
    // One blank wherever the writers put several: the same session in fewer bytes.
    std::string tight;
    for (char c : file)
        if (c != ' ' || tight.empty() || tight.back() != ' ')
            tight += c;
    ASSERT_LT(tight.size(), file.size());
    const std::uint64_t measure = Measure();
    const auto read = [](const std::string& text, std::uint64_t largest)
    {
        std::istringstream in(text);
        double version = 0;
        EXPECT_EQ(ReadSessionFileHeader(in, version), SessionFileHeader::Valid);
        return ReadSessionFile(in, version, largest) != nullptr;
    };
    EXPECT_TRUE(read(tight, measure));
    EXPECT_FALSE(read(tight, measure - 1)) << "its bytes fit, but what Save writes of it not";
    EXPECT_TRUE(SizeRefused());
    EXPECT_FALSE(read(tight, tight.size()));
}

} // namespace
} // namespace Brosquin
