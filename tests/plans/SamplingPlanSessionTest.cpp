#include "plans/SamplingPlanSession.h"
#include "plans/SessionBounds.h"

#include "tests/plans/EvaluationTestSupport.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

class SessionTest : public EvaluationTest
{
protected:
    // Defectives single plans n = 10, 20, 30, ... at positions 1, 2, 3, ...
    void vdAddPlans(int count)
    {
        for (int i = 1; i <= count; ++i)
            session.vdAddPlan(Single(std::to_string(10 * i).c_str(), "1"));
    }
};

TEST_F(SessionTest, EvaluatesTheCheckedPlansOfOneCharacteristicOrSaysWhyNot)
{
    String message("untouched");
    const char* noneChecked =
        "No sampling plan is checked.  Check one or more sampling plans and repeat.";
    EXPECT_EQ(session.vdEvaluateCheckedPlans(message), nullptr);
    EXPECT_STREQ(message.Text(), noneChecked);
    EXPECT_FALSE(session.CheckAll());
    EXPECT_FALSE(session.UncheckAll());

    vdAddPlans(5);
    EXPECT_FALSE(session.CheckAll());
    EXPECT_TRUE(session.UncheckAll());
    EXPECT_FALSE(session.UncheckAll());
    EXPECT_EQ(session.vdEvaluateCheckedPlans(message), nullptr);
    EXPECT_STREQ(message.Text(), noneChecked);

    message = "untouched";
    session.Plan(5)->vdSetChecked(true);
    session.Plan(2)->vdSetChecked(true);
    auto list = session.vdEvaluateCheckedPlans(message);
    ASSERT_NE(list, nullptr);
    EXPECT_STREQ(message.Text(), "untouched");
    EXPECT_EQ(Indexes(*list), (std::vector<std::uint32_t>{2, 5}));
    EXPECT_EQ(session.ListenerCount(), 1u);
    list.reset();
    EXPECT_EQ(session.ListenerCount(), 0u);

    session.vdAddPlan(Single<DefectsPerUnitSingleSamplingPlan>("20", "1"));
    EXPECT_EQ(session.vdEvaluateCheckedPlans(message), nullptr);
    EXPECT_STREQ(message.Text(), "The checked sampling plans have different characteristics and "
                                 "cannot be plotted together.");
}

TEST_F(SessionTest, EvaluationsStayWithinTheBoundsOfAWindowAndOfAllWindows)
{
    // Plans without parameters: enough of them cost little.
    for (std::uint32_t plan = 0; plan <= LargestEvaluationPlans; ++plan)
        session.vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
    String message;
    EXPECT_EQ(session.vdEvaluateCheckedPlans(message), nullptr);
    EXPECT_STREQ(message.Text(), TooManyPlansToEvaluate);

    SamplingPlanSession one;
    one.vdAddPlan(Single("10", "1"));
    std::vector<std::unique_ptr<SamplingPlanEvaluationList>> lists;
    for (std::uint32_t window = 1; window <= LargestEvaluationWindows; ++window)
        lists.push_back(one.vdEvaluateCheckedPlans(message));
    EXPECT_NE(lists.back(), nullptr);
    EXPECT_EQ(one.vdEvaluateCheckedPlans(message), nullptr);
    EXPECT_STREQ(message.Text(),
                 "Too many evaluation windows are open.  Close one or more and repeat.");
    EXPECT_EQ(one.PlanRows(), LargestEvaluationWindows * 11u);
    lists.pop_back();
    EXPECT_NE(one.vdEvaluateCheckedPlans(message), nullptr);
}

TEST_F(SessionTest, DeletingRenumbersTheListsAndEmptiesTheOneThatShowedThePlan)
{
    vdAddPlans(3);
    auto outer = List({1, 3});
    auto middle = List({2});
    const std::string third = Description(3);
    // A position that names no plan reaches no list: 0 would shift every position.
    for (std::uint32_t nowhere : {0u, 4u, 4000000000u})
    {
        session.vdDeletePlan(nowhere);
        EXPECT_FALSE(outer->PlanDeleted(nowhere));
    }
    EXPECT_EQ(session.Count(), 3u);
    EXPECT_EQ(Indexes(*outer), (std::vector<std::uint32_t>{1, 3}));
    EXPECT_FALSE(outer->Changed());

    session.vdDeletePlan(2);
    EXPECT_EQ(session.Count(), 2u);
    EXPECT_EQ(Indexes(*outer), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(outer->GetPlan(2)->Description().Text(), third);
    ExpectLinesFollowPlans(*outer);
    // The emptied list reads no plan: no lines, no texts.
    EXPECT_TRUE(middle->Changed());
    EXPECT_EQ(middle->Count(), 0u);
    EXPECT_EQ(middle->GetPlan(1), nullptr);
    EXPECT_EQ(middle->OCPlot()->LineCount() + middle->AOQPlot()->LineCount(), 0u);
    String text("stale");
    middle->GetCurvesTableText(text);
    EXPECT_STREQ(text.Text(), "");
}

TEST_F(SessionTest, MovingAPlanIsADeleteAnInsertAndAnAdd)
{
    vdAddPlans(3);
    const std::string a = Description(1), b = Description(2), c = Description(3);
    auto showsAC = List({1, 3});
    auto showsB = List({2});
    for (auto [from, to] : {std::pair{0u, 2u}, {1u, 4u}, {2u, 2u}})
        session.vdMovePlan(from, to);
    EXPECT_FALSE(showsAC->Changed());

    session.vdMovePlan(1, 3);
    EXPECT_EQ(Description(1), b);
    EXPECT_EQ(Description(3), a);
    // A and C stand at 3 and 2 now: C keeps its blue, A comes back with the first free colour.
    EXPECT_EQ(Indexes(*showsAC), (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(Labels(*showsAC->OCPlot()), (std::vector<std::string>{c, a}));
    EXPECT_EQ(Colours(*showsAC->CostPlot()), (std::vector<Colour>{blue, red}));
    EXPECT_TRUE(showsAC->Changed());
    ExpectLinesFollowPlans(*showsAC);
    EXPECT_EQ(Indexes(*showsB), (std::vector<std::uint32_t>{1}));
    EXPECT_FALSE(showsB->Changed());

    session.vdMovePlan(3, 1);
    EXPECT_EQ(Indexes(*showsAC), (std::vector<std::uint32_t>{1, 3}));
    EXPECT_EQ(Labels(*showsAC->ASNPlot()), (std::vector<std::string>{a, c}));
    EXPECT_EQ(Indexes(*showsB), (std::vector<std::uint32_t>{2}));
    ExpectLinesFollowPlans(*showsB);
}

TEST_F(SessionTest, EditedAndDuplicatedPlans)
{
    vdAddPlans(2);
    auto list = List({1, 2});
    static_cast<DefectivesSingleSamplingPlan&>(*session.Plan(1))
        .vdDescribe("80", "2", 0, true, "500");
    session.vdReplacePlan(1);
    EXPECT_TRUE(list->Changed());
    EXPECT_EQ(Labels(*list->OCPlot())[0], "Single: n=80, a=2, N=500");
    EXPECT_EQ(list->OCPlot()->Line(1)->stepValue.dValue(), 0.2);
    EXPECT_EQ(Colours(*list->OCPlot()), (std::vector<Colour>{red, blue}));
    ExpectLinesFollowPlans(*list);

    // A copy joins the session only; the list shows it when asked.
    session.vdAddPlan(std::unique_ptr<SamplingPlan>(session.Plan(2)->Clone()));
    EXPECT_EQ(Description(3), Description(2));
    EXPECT_EQ(list->Count(), 2u);
    list->vdAddPlan(3);
    EXPECT_EQ(Colours(*list->AOQPlot()), (std::vector<Colour>{red, blue, green}));
    ExpectLinesFollowPlans(*list);
}

TEST_F(SessionTest, NewUnitsDefinitionsAndCostsReachThePlansAndTheLists)
{
    session.vdAddPlan(Single("50", "2", "200"));
    session.vdAddPlan(Single<DefectsPerUnitSingleSamplingPlan>("50", "2"));
    auto defectives = List({1});
    auto defects = List({2});
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(0));
    session.vdSetUnits();
    EXPECT_STREQ(session.Plan(2)->UnitsName().Text(), "Defects per Hundred Units");
    EXPECT_STREQ(defectives->AOQPlot()->XAxisLabel().Text(), "Fraction Defective");
    // A lot of 200 units: one defective more is 1/200 of a fraction.
    EXPECT_EQ(defectives->CostPlot()->Line(1)->stepValue.dValue(), 0.005);
    EXPECT_TRUE(defectives->Changed() && defects->Changed());

    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.90", "0.05", 2, message), 0);
    session.vdApplyDefinitions();
    String text;
    defects->GetPlansTableText(text);
    EXPECT_NE(std::string(text.Text()).find("Max OC(RQL)"), std::string::npos);

    Plot& cost = *defects->CostPlot();
    delete cost.GetDrawing();
    // A cost of 1.5 a lot keeps the cost scale of 0 to 2 that a cost of 1 had: the curves must
    // still be recalculated.
    ASSERT_EQ(SamplingPlan::SetCostParameters("Cost per lot", "0", "1.5", message), 0);
    session.vdApplyCostParameters();
    EXPECT_STREQ(cost.MainTitle().Text(), "Cost per lot Curve");
    EXPECT_STREQ(cost.SubTitle().Text(), "C0 = 0, C1 = 1.5");
    EXPECT_STREQ(cost.YAxisLabel().Text(), "Cost per lot");
    EXPECT_EQ(cost.YAxisMaximum().dValue(), 2);
    EXPECT_TRUE(cost.bRebuild());
}

TEST_F(SessionTest, ListsOutlivingTheirSessionAreLeftEmpty)
{
    auto owned = std::make_unique<SamplingPlanSession>();
    owned->vdAddPlan(Single("50", "2"));
    auto list = std::make_unique<SamplingPlanEvaluationList>(*owned, std::vector<std::uint32_t>{1});
    owned.reset();
    EXPECT_EQ(list->Count(), 0u);
    EXPECT_TRUE(list->Changed());
    EXPECT_EQ(list->OCPlot()->LineCount(), 0u);
}

} // namespace
} // namespace Brosquin
