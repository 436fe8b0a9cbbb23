#include "plans/SamplingPlanSession.h"

#include "tests/plans/EvaluationTestSupport.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

class SessionTest : public PlanTest
{
protected:
    // Session plans 1..count: defectives single plans n=10, 20, 30, ...
    void vdAddDefectivesPlans(int count)
    {
        for (int i = 1; i <= count; ++i)
            session.vdAddPlan(DefectivesSingle(std::to_string(10 * i).c_str(), "1"));
    }
    std::unique_ptr<SamplingPlanEvaluationList> List(std::vector<std::uint32_t> positions)
    {
        return std::make_unique<SamplingPlanEvaluationList>(session, std::move(positions));
    }
    static std::vector<std::uint32_t> Indexes(const SamplingPlanEvaluationList& list)
    {
        std::vector<std::uint32_t> indexes;
        for (std::uint32_t i = 1; i <= list.Count(); ++i)
            indexes.push_back(list.PlanIndex(i));
        return indexes;
    }
    std::string Description(std::uint32_t position) const
    {
        return session.Plan(position)->Description().Text();
    }

    SamplingPlanSession session;
};

TEST_F(SessionTest, EvaluatingRefusesWhenNoPlanIsCheckedOrCharacteristicsDiffer)
{
    String message("untouched");
    EXPECT_EQ(session.vdEvaluateCheckedPlans(message), nullptr);
    EXPECT_STREQ(message.Text(),
                 "No sampling plan is checked.  Check one or more sampling plans and repeat.");

    vdAddDefectivesPlans(2);
    EXPECT_TRUE(session.UncheckAll());
    EXPECT_EQ(session.vdEvaluateCheckedPlans(message), nullptr);
    EXPECT_STREQ(message.Text(),
                 "No sampling plan is checked.  Check one or more sampling plans and repeat.");

    session.vdAddPlan(DefectsPerUnitSingle("20", "1"));
    session.Plan(1)->vdSetChecked(true);
    EXPECT_EQ(session.vdEvaluateCheckedPlans(message), nullptr);
    EXPECT_STREQ(message.Text(), "The checked sampling plans have different characteristics and "
                                 "cannot be plotted together.");
    EXPECT_EQ(session.EvaluationListCount(), 0u);
}

TEST_F(SessionTest, EvaluatingTheCheckedPlansListsThemInSessionOrder)
{
    vdAddDefectivesPlans(5);
    session.UncheckAll();
    session.Plan(5)->vdSetChecked(true);
    session.Plan(2)->vdSetChecked(true);
    String message("untouched");
    auto list = session.vdEvaluateCheckedPlans(message);
    ASSERT_NE(list, nullptr);
    EXPECT_STREQ(message.Text(), "untouched");
    EXPECT_EQ(Indexes(*list), (std::vector<std::uint32_t>{2, 5}));
    EXPECT_EQ(list->GetPlan(2), session.Plan(5));
    EXPECT_EQ(session.EvaluationListCount(), 1u);
    list.reset();
    EXPECT_EQ(session.EvaluationListCount(), 0u);
}

TEST_F(SessionTest, CheckAllAndUncheckAllReportWhetherAMarkChanged)
{
    EXPECT_FALSE(session.CheckAll());
    EXPECT_FALSE(session.UncheckAll());
    vdAddDefectivesPlans(3);
    EXPECT_FALSE(session.CheckAll());
    session.Plan(2)->vdSetChecked(false);
    EXPECT_TRUE(session.CheckAll());
    EXPECT_TRUE(session.Plan(2)->IsChecked());
    EXPECT_TRUE(session.UncheckAll());
    EXPECT_FALSE(session.UncheckAll());
    EXPECT_FALSE(session.Plan(1)->IsChecked());
}

TEST_F(SessionTest, DeletingRenumbersTheListsAndDropsTheDeletedPlan)
{
    vdAddDefectivesPlans(3);
    auto outer = List({1, 3});
    auto middle = List({2});
    const std::string third = Description(3);
    session.vdDeletePlan(2);
    EXPECT_EQ(session.Count(), 2u);
    EXPECT_EQ(Indexes(*outer), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(outer->GetPlan(2)->Description().Text(), third);
    EXPECT_TRUE(middle->Changed());
    EXPECT_EQ(middle->Count(), 0u);
    EXPECT_EQ(middle->OCPlot()->LineCount(), 0u);
    EXPECT_EQ(middle->ASNPlot()->LineCount(), 0u);
    EXPECT_EQ(middle->CostPlot()->LineCount(), 0u);
    EXPECT_EQ(middle->AOQPlot()->LineCount(), 0u);
    // The emptied list reads no plan and reports itself empty in every form.
    String text("stale");
    middle->GetCurvesTableText(text);
    EXPECT_STREQ(text.Text(), "");
    EXPECT_EQ(middle->GetPlan(1), nullptr);
}

TEST_F(SessionTest, DeletingAPositionThatNamesNoPlanChangesNothing)
{
    vdAddDefectivesPlans(3);
    auto list = List({2, 3});
    for (std::uint32_t position : {0u, 4u, 4000000000u})
    {
        session.vdDeletePlan(position);
        EXPECT_EQ(session.Count(), 3u);
        EXPECT_EQ(Indexes(*list), (std::vector<std::uint32_t>{2, 3}));
        EXPECT_FALSE(list->Changed());
        // Told directly, a list ignores such a position too.
        EXPECT_FALSE(list->PlanDeleted(position));
        EXPECT_EQ(Indexes(*list), (std::vector<std::uint32_t>{2, 3}));
    }
}

TEST_F(SessionTest, MovingAPlanIsADeleteAnInsertAndAnAdd)
{
    vdAddDefectivesPlans(3);
    const std::string a = Description(1);
    const std::string b = Description(2);
    const std::string c = Description(3);
    auto showsAC = List({1, 3});
    auto showsB = List({2});
    EXPECT_EQ(LineColours(*showsAC->OCPlot()), (std::vector<Colour>{red, blue}));

    session.vdMovePlan(1, 3);
    EXPECT_EQ(Description(1), b);
    EXPECT_EQ(Description(2), c);
    EXPECT_EQ(Description(3), a);
    // A and C now stand at 3 and 2: the list shows C then A. C kept its blue; A came back with
    // the first free colour.
    EXPECT_EQ(Indexes(*showsAC), (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(LineLabels(*showsAC->OCPlot()), (std::vector<std::string>{c, a}));
    EXPECT_EQ(LineLabels(*showsAC->ASNPlot()), (std::vector<std::string>{c, a}));
    EXPECT_EQ(LineLabels(*showsAC->AOQPlot()), (std::vector<std::string>{c, a}));
    EXPECT_EQ(LineColours(*showsAC->OCPlot()), (std::vector<Colour>{blue, red}));
    EXPECT_EQ(LineColours(*showsAC->CostPlot()), (std::vector<Colour>{blue, red}));
    EXPECT_TRUE(showsAC->Changed());
    // B only moved up a place.
    EXPECT_EQ(Indexes(*showsB), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(LineLabels(*showsB->OCPlot()), (std::vector<std::string>{b}));
    EXPECT_FALSE(showsB->Changed());

    // Moving back restores the order of the plans and the list's positions.
    session.vdMovePlan(3, 1);
    EXPECT_EQ(Indexes(*showsAC), (std::vector<std::uint32_t>{1, 3}));
    EXPECT_EQ(LineLabels(*showsAC->OCPlot()), (std::vector<std::string>{a, c}));
    EXPECT_EQ(Indexes(*showsB), (std::vector<std::uint32_t>{2}));
}

TEST_F(SessionTest, MovingTheOnlyPlanOfAListBringsItBack)
{
    vdAddDefectivesPlans(4);
    auto list = List({2});
    session.vdMovePlan(2, 4);
    EXPECT_EQ(Indexes(*list), (std::vector<std::uint32_t>{4}));
    EXPECT_EQ(LineColours(*list->OCPlot()), (std::vector<Colour>{red}));
    EXPECT_EQ(list->GetPlan(1), session.Plan(4));
}

TEST_F(SessionTest, MovesOutOfRangeOrOntoItselfDoNothing)
{
    vdAddDefectivesPlans(3);
    auto list = List({1});
    const std::string first = Description(1);
    for (auto [from, to] : {std::pair{0u, 2u}, {1u, 0u}, {1u, 4u}, {4u, 1u}, {2u, 2u}})
        session.vdMovePlan(from, to);
    EXPECT_EQ(Description(1), first);
    EXPECT_EQ(Indexes(*list), (std::vector<std::uint32_t>{1}));
    EXPECT_FALSE(list->Changed());
}

TEST_F(SessionTest, AnEditedPlanIsRedrawnFromItsNewParameters)
{
    vdAddDefectivesPlans(2);
    auto list = List({1, 2});
    auto& edited = static_cast<DefectivesSingleSamplingPlan&>(*session.Plan(1));
    edited.vdDescribe("80", "2", 0, true, "500");
    session.vdReplacePlan(1);
    EXPECT_TRUE(list->Changed());
    EXPECT_EQ(LineLabels(*list->OCPlot())[0], "Single: n=80, a=2, N=500");
    // A given lot size draws the curves as points at the attainable levels (100 / 500 percent).
    const LineInfo& line = *list->OCPlot()->Line(1);
    EXPECT_FALSE(line.connectPoints);
    EXPECT_EQ(line.pointStyle, 9);
    EXPECT_EQ(line.stepValue.dValue(), 0.2);
    // The edited plan came back with the first free colour, in its place.
    EXPECT_EQ(LineColours(*list->OCPlot()), (std::vector<Colour>{red, blue}));

    list->vdClearChanged();
    session.vdReplacePlan(3);
    session.vdReplacePlan(0);
    EXPECT_FALSE(list->Changed());
}

TEST_F(SessionTest, ADuplicateIsAddedToTheSessionAndToAListOnlyWhenAsked)
{
    vdAddDefectivesPlans(2);
    auto list = List({1, 2});
    session.vdAddPlan(std::unique_ptr<SamplingPlan>(session.Plan(2)->Clone()));
    EXPECT_EQ(session.Count(), 3u);
    EXPECT_EQ(Description(3), Description(2));
    EXPECT_EQ(list->Count(), 2u);
    list->vdAddPlan(3);
    EXPECT_EQ(Indexes(*list), (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(LineColours(*list->OCPlot()), (std::vector<Colour>{red, blue, green}));
}

TEST_F(SessionTest, NewUnitsReachThePlansOfTheirCharacteristicAndTheLists)
{
    session.vdAddPlan(DefectivesSingle("50", "2", "200"));
    session.vdAddPlan(DefectsPerUnitSingle("50", "2"));
    auto defectives = List({1});
    auto defects = List({2});
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(0));
    session.vdSetUnits();
    EXPECT_STREQ(session.Plan(1)->UnitsName().Text(), "Fraction Defective");
    EXPECT_STREQ(session.Plan(2)->UnitsName().Text(), "Defects per Hundred Units");
    EXPECT_STREQ(defectives->OCPlot()->XAxisLabel().Text(), "Fraction Defective");
    EXPECT_STREQ(defectives->AOQPlot()->XAxisLabel().Text(), "Fraction Defective");
    // A lot of 200 units: one defective more is 1/200 of a fraction.
    EXPECT_EQ(defectives->OCPlot()->Line(1)->stepValue.dValue(), 0.005);
    EXPECT_EQ(defectives->CostPlot()->Line(1)->stepValue.dValue(), 0.005);
    EXPECT_TRUE(defectives->Changed());
    EXPECT_TRUE(defects->Changed());
    EXPECT_STREQ(defects->OCPlot()->XAxisLabel().Text(), "Defects per Hundred Units");
}

TEST_F(SessionTest, NewDefinitionsAndCostsReachEveryList)
{
    vdAddDefectivesPlans(1);
    auto list = List({1});
    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.90", "0.05", 2, message), 0);
    session.vdApplyDefinitions();
    EXPECT_TRUE(list->Changed());
    String text;
    list->GetPlansTableText(text);
    EXPECT_NE(std::string(text.Text()).find("Max OC(RQL)"), std::string::npos);

    list->vdClearChanged();
    Plot& cost = *list->CostPlot();
    delete cost.GetDrawing();
    ASSERT_FALSE(cost.bRebuild());
    // A cost of 1.5 a lot keeps the cost scale of 0 to 2 that a cost of 1 had.
    ASSERT_EQ(SamplingPlan::SetCostParameters("Cost per lot", "0", "1.5", message), 0);
    session.vdApplyCostParameters();
    EXPECT_TRUE(list->Changed());
    EXPECT_STREQ(cost.MainTitle().Text(), "Cost per lot Curve");
    EXPECT_STREQ(cost.SubTitle().Text(), "C0 = 0, C1 = 1.5");
    EXPECT_STREQ(cost.YAxisLabel().Text(), "Cost per lot");
    EXPECT_EQ(cost.YAxisMaximum().dValue(), 2);
    // The curves are recalculated although the scale stayed.
    EXPECT_TRUE(cost.bRebuild());
}

TEST_F(SessionTest, ListsOutlivingTheirSessionAreLeftEmpty)
{
    auto owned = std::make_unique<SamplingPlanSession>();
    owned->vdAddPlan(DefectivesSingle("50", "2"));
    auto list = std::make_unique<SamplingPlanEvaluationList>(*owned, std::vector<std::uint32_t>{1});
    owned.reset();
    EXPECT_EQ(list->Count(), 0u);
    EXPECT_TRUE(list->Changed());
    EXPECT_EQ(list->GetPlan(1), nullptr);
    EXPECT_EQ(list->OCPlot()->LineCount(), 0u);
    list.reset();
}

} // namespace
} // namespace Brosquin
