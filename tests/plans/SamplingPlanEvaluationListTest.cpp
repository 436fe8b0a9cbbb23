#include "plans/SamplingPlanEvaluationList.h"

#include "plans/QualityLevelRange.h"
#include "tests/plans/EvaluationTestSupport.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

class EvaluationListTest : public PlanTest
{
protected:
    std::unique_ptr<SamplingPlanEvaluationList> List(std::vector<std::uint32_t> positions)
    {
        return std::make_unique<SamplingPlanEvaluationList>(session, std::move(positions));
    }
    std::string Description(std::uint32_t position) const
    {
        return session.Plan(position)->Description().Text();
    }

    SamplingPlanSession session;
};

TEST(PlanColourTest, TwelveColoursTheTwelfthBlack)
{
    const std::vector<Colour> expected = {0x0000FF, 0xFF0000, 0x00FF00, 0x00FFFF,
                                          0xFFFF00, 0xFF00FF, 0x800080, 0x000080,
                                          0x008000, 0x800000, 0x808080, 0x000000};
    for (std::uint32_t n = 1; n <= 12; ++n)
    {
        EXPECT_EQ(SamplingPlanEvaluationList::LineColour(n), expected[n - 1]) << n;
        EXPECT_EQ(SamplingPlanEvaluationList::LineColour(n + 12), expected[n - 1]) << n + 12;
    }
}

TEST_F(EvaluationListTest, BuildsFourPlotsWithOneLinePerPlan)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    session.vdAddPlan(DefectivesSingle("125", "3"));
    auto list = List({1, 2});
    const std::vector<std::string> labels = {Description(1), Description(2)};
    struct Expected
    {
        Plot* plot;
        const char* title;
        const char* yLabel;
    };
    for (const Expected& e :
         {Expected{list->OCPlot(), "OC Curve", "Pa"}, Expected{list->ASNPlot(), "ASN Curve", "ASN"},
          Expected{list->CostPlot(), "E{#Stages} Curve", "E{#Stages}"},
          Expected{list->AOQPlot(), "AOQ Curve", "AOQ"}})
    {
        ASSERT_NE(e.plot, nullptr);
        EXPECT_STREQ(e.plot->MainTitle().Text(), e.title);
        EXPECT_STREQ(e.plot->YAxisLabel().Text(), e.yLabel);
        EXPECT_STREQ(e.plot->XAxisLabel().Text(), "Percent Defective");
        EXPECT_STREQ(e.plot->KeyTitle().Text(), "Defective Units");
        EXPECT_EQ(e.plot->dAxisRatio(), 1.5);
        EXPECT_EQ(LineLabels(*e.plot), labels);
        EXPECT_EQ(LineColours(*e.plot), (std::vector<Colour>{red, blue}));
        for (std::uint32_t i = 1; i <= 2; ++i)
        {
            const LineInfo& line = *e.plot->Line(i);
            EXPECT_EQ(line.style, 1);
            EXPECT_EQ(line.thickness, 0.2);
            EXPECT_TRUE(line.connectPoints);
            EXPECT_EQ(line.pointStyle, 0);
            EXPECT_EQ(line.stepValue.dValue(), 0);
            EXPECT_EQ(line.context1, session.Plan(i));
        }
    }
    EXPECT_STREQ(list->CostPlot()->SubTitle().Text(), "C0 = 0, C1 = 1");
    EXPECT_EQ(list->CostPlot()->dSubTitleSize(), 0.8);
    EXPECT_STREQ(list->OCPlot()->Line(1)->valueText.Text(), "0");
    EXPECT_STREQ(list->ASNPlot()->Line(1)->valueText.Text(), "");
    EXPECT_FALSE(list->Changed());
}

TEST_F(EvaluationListTest, TheCurvesAreThePlansOwnValues)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    auto list = List({1});
    SamplingPlan& plan = *session.Plan(1);
    for (Plot* plot : {list->OCPlot(), list->ASNPlot(), list->CostPlot(), list->AOQPlot()})
    {
        const LineInfo& line = *plot->Line(1);
        auto& input = *static_cast<OptimizationInput*>(line.context2);
        input.value = Number(3.5);
        const Real value = *line.pointFunction(line.context1, line.context2);
        const Real expected = plot == list->OCPlot()     ? Real(plan.dPa(Number(3.5)))
                              : plot == list->ASNPlot()  ? Real(plan.dASN(Number(3.5)))
                              : plot == list->CostPlot() ? Real(plan.dCost(Number(3.5)))
                                                         : Real(plan.dAOQ(Number(3.5)));
        EXPECT_EQ(value.dValue(), expected.dValue()) << plot->MainTitle().Text();
    }
}

TEST_F(EvaluationListTest, AFiniteLotIsDrawnAsPointsAtItsAttainableLevels)
{
    session.vdAddPlan(DefectivesSingle("50", "2", "200"));
    auto list = List({1});
    for (Plot* plot : {list->OCPlot(), list->ASNPlot(), list->CostPlot(), list->AOQPlot()})
    {
        const LineInfo& line = *plot->Line(1);
        EXPECT_EQ(line.stepValue.dValue(), 0.5);
        EXPECT_FALSE(line.connectPoints);
        EXPECT_EQ(line.pointStyle, 9);
        EXPECT_EQ(line.pointSize, 0.4);
        EXPECT_EQ(line.thickness, 0.2);
    }
}

TEST_F(EvaluationListTest, PlansWithPaBetweenBoundsGetMaximumAndMinimumLines)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    session.vdAddPlan(BoundedSingle("80", "2"));
    auto list = List({1, 2});
    const Plot& oc = *list->OCPlot();
    EXPECT_EQ(LineLabels(oc), (std::vector<std::string>{Description(1), Description(2),
                                                        "Maximum Probability of Acceptance",
                                                        "Minimum Probability of Acceptance"}));
    EXPECT_EQ(LineColours(oc), (std::vector<Colour>{red, blue, blue, blue}));
    EXPECT_EQ(oc.Line(2)->style, 1);
    EXPECT_EQ(oc.Line(2)->thickness, 0.2);
    EXPECT_EQ(oc.Line(3)->style, 2);
    EXPECT_EQ(oc.Line(3)->thickness, 0);
    EXPECT_STREQ(oc.Line(3)->valueText.Text(), "1");
    EXPECT_EQ(oc.Line(4)->style, 3);
    EXPECT_EQ(list->ASNPlot()->LineCount(), 2u);

    list->vdSetWorstCaseCurves(false);
    EXPECT_FALSE(list->WorstCaseCurves());
    EXPECT_EQ(LineLabels(oc), (std::vector<std::string>{Description(1), Description(2)}));
    list->vdSetWorstCaseCurves(false);
    EXPECT_EQ(oc.LineCount(), 2u);
    list->vdSetWorstCaseCurves(true);
    EXPECT_EQ(LineColours(oc), (std::vector<Colour>{red, blue, blue, blue}));
    EXPECT_EQ(oc.Line(4)->label.Text(), std::string("Minimum Probability of Acceptance"));

    // Removing the first plan keeps the second's three lines together; adding it back puts its
    // line in front of them.
    list->vdRemovePlan(1);
    EXPECT_EQ(oc.LineCount(), 3u);
    list->vdAddPlan(1);
    EXPECT_EQ(LineLabels(oc), (std::vector<std::string>{Description(1), Description(2),
                                                        "Maximum Probability of Acceptance",
                                                        "Minimum Probability of Acceptance"}));
    list->vdRemovePlan(2);
    EXPECT_EQ(LineLabels(oc), (std::vector<std::string>{Description(1)}));
}

TEST_F(EvaluationListTest, ABoundedPlanAddedInFrontOfAnotherKeepsTheLinesInOrder)
{
    session.vdAddPlan(BoundedSingle("40", "1"));
    session.vdAddPlan(BoundedSingle("80", "2"));
    auto list = List({2});
    list->vdAddPlan(1);
    const Plot& oc = *list->OCPlot();
    ASSERT_EQ(oc.LineCount(), 6u);
    EXPECT_EQ(oc.Line(1)->label.Text(), Description(1));
    EXPECT_EQ(oc.Line(4)->label.Text(), Description(2));
    // Plan 2 kept red; plan 1 took blue, the first free colour, with its bound lines.
    EXPECT_EQ(LineColours(oc), (std::vector<Colour>{blue, blue, blue, red, red, red}));
    EXPECT_EQ(LineColours(*list->ASNPlot()), (std::vector<Colour>{blue, red}));
}

TEST_F(EvaluationListTest, ColoursAreReusedAndTheThirteenthPlanIsRed)
{
    for (int i = 1; i <= 14; ++i)
        session.vdAddPlan(DefectivesSingle(std::to_string(10 + i).c_str(), "1"));
    std::vector<std::uint32_t> first12;
    for (std::uint32_t i = 1; i <= 12; ++i)
        first12.push_back(i);
    auto list = List(first12);
    list->vdAddPlan(13);
    EXPECT_EQ(list->OCPlot()->Line(13)->colour, red);
    // Once both red plans are gone, the next plan is red again.
    list->vdRemovePlan(13);
    list->vdRemovePlan(1);
    list->vdAddPlan(14);
    ASSERT_EQ(list->Count(), 12u);
    EXPECT_EQ(list->OCPlot()->Line(12)->colour, red);
    EXPECT_EQ(list->AOQPlot()->Line(12)->colour, red);
}

TEST_F(EvaluationListTest, DeletingSessionPlansRenumbersOrRemoves)
{
    for (int i = 1; i <= 4; ++i)
        session.vdAddPlan(DefectivesSingle(std::to_string(10 * i).c_str(), "1"));
    auto list = List({1, 3, 4});
    const std::string third = Description(3);
    const std::string fourth = Description(4);
    session.vdDeletePlan(2);
    ASSERT_EQ(list->Count(), 3u);
    EXPECT_EQ(list->PlanIndex(2), 2u);
    EXPECT_EQ(list->PlanIndex(3), 3u);
    EXPECT_EQ(list->ASNPlot()->LineCount(), 3u);
    session.vdDeletePlan(2);
    ASSERT_EQ(list->Count(), 2u);
    EXPECT_EQ(list->PlanIndex(2), 2u);
    EXPECT_EQ(LineLabels(*list->ASNPlot())[1], fourth);
    EXPECT_EQ(LineColours(*list->OCPlot()), (std::vector<Colour>{red, green}));
}

TEST_F(EvaluationListTest, PositionsThatCannotBeShownAreLeftOut)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    session.vdAddPlan(DefectsPerUnitSingle("50", "2"));
    session.vdAddPlan(DefectivesSingle("80", "2"));
    auto list = List({3, 0, 2, 3, 7, 1});
    ASSERT_EQ(list->Count(), 2u);
    EXPECT_EQ(list->PlanIndex(1), 3u);
    EXPECT_EQ(list->PlanIndex(2), 1u);
    list->vdAddPlan(2);
    list->vdAddPlan(3);
    list->vdRemovePlan(0);
    list->vdRemovePlan(3);
    EXPECT_EQ(list->Count(), 2u);

    auto empty = List({});
    EXPECT_EQ(empty->Count(), 0u);
    EXPECT_EQ(empty->PlansTable(), nullptr);
    String message;
    EXPECT_NE(empty->SetRange("0", "1", "10", message), 0);
    empty->vdRecompute();
    empty->vdSetWorstCaseCurves(false);
    empty->vdAddPlan(2);
    EXPECT_EQ(empty->Count(), 1u);
    EXPECT_STREQ(empty->OCPlot()->XAxisLabel().Text(), "Defects per Hundred Units");
    EXPECT_STREQ(empty->ASNPlot()->KeyTitle().Text(), "Defects per Unit");
}

TEST_F(EvaluationListTest, DefaultScalesAreRoundAndWithinThePlansLevels)
{
    session.vdAddPlan(DefectivesSingle("20", "0"));
    session.vdAddPlan(DefectivesSingle("125", "3"));
    auto list = List({1, 2});
    const SamplingPlan& loose = *session.Plan(1);
    Real lo = loose.RangeLower();
    Real hi = loose.RangeUpper();
    RoundRange(lo, hi);
    for (Plot* plot : {list->OCPlot(), list->ASNPlot(), list->CostPlot(), list->AOQPlot()})
    {
        EXPECT_EQ(plot->XAxisMinimum().dValue(), 0);
        EXPECT_EQ(plot->XAxisMaximum().dValue(), hi.dValue());
    }
    EXPECT_EQ(list->OCPlot()->YAxisMinimum().dValue(), 0);
    EXPECT_EQ(list->OCPlot()->YAxisMaximum().dValue(), 1);
    // The ASN of the larger plan is 125: ten units of 20.
    EXPECT_EQ(list->ASNPlot()->YAxisMinimum().dValue(), 0);
    EXPECT_EQ(list->ASNPlot()->YAxisMaximum().dValue(), 200);
    EXPECT_EQ(list->CostPlot()->YAxisMaximum().dValue(), 2);
    EXPECT_EQ(list->TableMinimum().dValue(), 0);
    EXPECT_EQ(list->TableMaximum().dValue(), hi.dValue());
    EXPECT_EQ(list->TableIntervals().dValue(), 10);

    // A plan of one unit per sample reaches far: percent defective never goes beyond 100.
    session.vdAddPlan(DefectivesSingle("1", "0"));
    list->vdAddPlan(3);
    EXPECT_EQ(list->OCPlot()->XAxisMaximum().dValue(), 100);
}

TEST_F(EvaluationListTest, AValueAPlanCannotGiveTakesNoPartInTheScales)
{
    session.vdAddPlan(DefectivesSingle("20", "30"));
    session.vdAddPlan(DefectivesSingle("125", "3"));
    ASSERT_TRUE(HasMessage(session.Plan(1)->RangeUpper()));
    auto list = List({1, 2});
    Real lo = session.Plan(2)->RangeLower();
    Real hi = session.Plan(2)->RangeUpper();
    RoundRange(lo, hi);
    EXPECT_EQ(list->OCPlot()->XAxisMaximum().dValue(), hi.dValue());
    EXPECT_EQ(list->TableMaximum().dValue(), hi.dValue());
    EXPECT_EQ(list->ASNPlot()->YAxisMaximum().dValue(), 200);
}

TEST_F(EvaluationListTest, DefectsPerUnitHaveNoUpperClipping)
{
    session.vdAddPlan(DefectsPerUnitSingle("1", "4"));
    auto list = List({1});
    Real lo = session.Plan(1)->RangeLower();
    Real hi = session.Plan(1)->RangeUpper();
    RoundRange(lo, hi);
    EXPECT_GT(hi.dValue(), 100);
    EXPECT_EQ(list->OCPlot()->XAxisMaximum().dValue(), hi.dValue());
}

TEST_F(EvaluationListTest, ARangeTheUserSetLastsUntilTheNextRecompute)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    auto list = List({1});
    String message;
    ASSERT_EQ(list->SetRange("0", "10", "4", message), 0);
    EXPECT_EQ(list->TableMaximum().dValue(), 10);
    list->vdSetWorstCaseCurves(false);
    EXPECT_EQ(list->TableIntervals().dValue(), 10);
    EXPECT_NE(list->TableMaximum().dValue(), 10);
}

TEST_F(EvaluationListTest, DisplayObjectsStayWhereTheyAreAcrossRebuilds)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    session.vdAddPlan(DefectivesSingle("80", "2"));
    auto list = List({1});
    Drawing* plans = list->PlansTable();
    Drawing* percentiles = list->PercentilesTable();
    Drawing* curves = list->CurvesTable();
    ASSERT_NE(plans, nullptr);
    list->vdAddPlan(2);
    EXPECT_EQ(list->PlansTable(), plans);
    EXPECT_EQ(list->PercentilesTable(), percentiles);
    EXPECT_EQ(list->CurvesTable(), curves);

    // Once the window's components own them, the list leaves them alone when it goes.
    std::unique_ptr<Plot> oc(list->OCPlot());
    std::unique_ptr<Plot> asn(list->ASNPlot());
    std::unique_ptr<Plot> cost(list->CostPlot());
    std::unique_ptr<Plot> aoq(list->AOQPlot());
    std::unique_ptr<Drawing> plansOwned(plans);
    std::unique_ptr<Drawing> percentilesOwned(percentiles);
    std::unique_ptr<Drawing> curvesOwned(curves);
    list->vdReleaseDisplayObjects();
    list.reset();
    EXPECT_EQ(session.EvaluationListCount(), 0u);
}

} // namespace
} // namespace Brosquin
