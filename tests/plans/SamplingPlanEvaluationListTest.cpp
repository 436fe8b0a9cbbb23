#include "plans/SamplingPlanEvaluationList.h"

#include "plans/QualityLevelRange.h"
#include "tests/plans/EvaluationTestSupport.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

using EvaluationListTest = EvaluationTest;

TEST_F(EvaluationListTest, FourPlotsWithALinePerPlanInItsColour)
{
    const std::vector<Colour> colours = {0x0000FF, 0xFF0000, 0x00FF00, 0x00FFFF,
                                         0xFFFF00, 0xFF00FF, 0x800080, 0x000080,
                                         0x008000, 0x800000, 0x808080, 0x000000};
    for (std::uint32_t n = 1; n <= 24; ++n)
        EXPECT_EQ(SamplingPlanEvaluationList::LineColour(n), colours[(n - 1) % 12]) << n;

    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single("125", "3", "1000"));
    auto list = List({1, 2});
    for (auto [plot, title, yLabel] : {std::tuple{list->OCPlot(), "OC Curve", "Pa"},
                                       {list->ASNPlot(), "ASN Curve", "ASN"},
                                       {list->CostPlot(), "E{#Stages} Curve", "E{#Stages}"},
                                       {list->AOQPlot(), "AOQ Curve", "AOQ"}})
    {
        EXPECT_STREQ(plot->MainTitle().Text(), title);
        EXPECT_STREQ(plot->YAxisLabel().Text(), yLabel);
        EXPECT_STREQ(plot->XAxisLabel().Text(), "Percent Defective");
        EXPECT_STREQ(plot->KeyTitle().Text(), "Defective Units");
        EXPECT_EQ(plot->dAxisRatio(), 1.5);
        EXPECT_EQ(Labels(*plot), (std::vector<std::string>{Description(1), Description(2)}));
        EXPECT_EQ(Colours(*plot), (std::vector<Colour>{colours[0], colours[1]}));
        const LineInfo& any = *plot->Line(1);
        EXPECT_TRUE(any.style == 1 && any.thickness == 0.2 && any.connectPoints &&
                    any.pointStyle == 0 && any.stepValue.dValue() == 0);
        // A given lot: points at the attainable levels, 100 / 1000 percent apart.
        const LineInfo& lot = *plot->Line(2);
        EXPECT_TRUE(lot.stepValue.dValue() == 0.1 && !lot.connectPoints && lot.pointStyle == 9 &&
                    lot.pointSize == 0.4 && lot.thickness == 0.2);
    }
    EXPECT_STREQ(list->CostPlot()->SubTitle().Text(), "C0 = 0, C1 = 1");
    EXPECT_EQ(list->CostPlot()->dSubTitleSize(), 0.8);
    ExpectLinesFollowPlans(*list);
    EXPECT_FALSE(list->Changed());

    // The lines evaluate the plan's own measures at the curve input's quality level.
    const LineInfo& aoq = *list->AOQPlot()->Line(1);
    static_cast<OptimizationInput*>(aoq.context2)->value = RealOf(3.5);
    const Real expected = session.Plan(1)->dAOQ(RealOf(3.5));
    EXPECT_EQ(aoq.pointFunction(aoq.context1, aoq.context2)->dValue(), expected.dValue());
}

TEST_F(EvaluationListTest, PlansWithPaBetweenBoundsGetMaximumAndMinimumLines)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single<BoundedSinglePlan>("80", "2"));
    auto list = List({2});
    list->vdAddPlan(1);
    const Plot& oc = *list->OCPlot();
    const std::vector<std::string> withBounds = {Description(1), Description(2),
                                                 "Maximum Probability of Acceptance",
                                                 "Minimum Probability of Acceptance"};
    EXPECT_EQ(Labels(oc), withBounds);
    EXPECT_EQ(Colours(oc), (std::vector<Colour>{blue, red, red, red}));
    EXPECT_TRUE(oc.Line(3)->style == 2 && oc.Line(3)->thickness == 0);
    EXPECT_TRUE(oc.Line(4)->style == 3 && oc.Line(4)->thickness == 0);
    ExpectLinesFollowPlans(*list);

    list->vdSetWorstCaseCurves(false);
    EXPECT_EQ(Labels(oc), (std::vector<std::string>{Description(1), Description(2)}));
    list->vdSetWorstCaseCurves(false);
    EXPECT_EQ(oc.LineCount(), 2u);
    list->vdSetWorstCaseCurves(true);
    EXPECT_EQ(Labels(oc), withBounds);
    EXPECT_EQ(Colours(oc), (std::vector<Colour>{blue, red, red, red}));

    list->vdRemovePlan(2);
    EXPECT_EQ(Labels(oc), (std::vector<std::string>{Description(1)}));
    list->vdRemovePlan(0);
    list->vdRemovePlan(2);
    EXPECT_EQ(list->Count(), 1u);
}

TEST_F(EvaluationListTest, ColoursAreReusedAndTheThirteenthPlanIsRed)
{
    std::vector<std::uint32_t> twelve;
    for (std::uint32_t i = 1; i <= 14; ++i)
    {
        session.vdAddPlan(Single(std::to_string(10 + i).c_str(), "1"));
        if (i <= 12)
            twelve.push_back(i);
    }
    auto list = List(twelve);
    list->vdAddPlan(13);
    EXPECT_EQ(list->OCPlot()->Line(13)->colour, red);
    list->vdRemovePlan(13);
    list->vdRemovePlan(1);
    list->vdAddPlan(14);
    EXPECT_EQ(list->AOQPlot()->Line(12)->colour, red);
}

TEST_F(EvaluationListTest, PositionsThatCannotBeShownAreLeftOut)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single<DefectsPerUnitSingleSamplingPlan>("50", "2"));
    session.vdAddPlan(Single("80", "2"));
    auto list = List({3, 0, 2, 3, 7, 1});
    EXPECT_EQ(Indexes(*list), (std::vector<std::uint32_t>{3, 1}));
    list->vdAddPlan(2);
    EXPECT_EQ(list->Count(), 2u);

    auto empty = List({});
    EXPECT_EQ(empty->PlansTable(), nullptr);
    String message;
    EXPECT_NE(empty->SetRange("0", "1", "10", message), 0);
    empty->vdSetWorstCaseCurves(false);
    empty->vdAddPlan(2);
    EXPECT_STREQ(empty->OCPlot()->XAxisLabel().Text(), "Defects per Hundred Units");
    EXPECT_STREQ(empty->ASNPlot()->KeyTitle().Text(), "Defects per Unit");
}

TEST_F(EvaluationListTest, DefaultScalesAreRoundAndWithinThePlansLevels)
{
    session.vdAddPlan(Single("20", "30")); // not valid: it takes no part in the scales
    session.vdAddPlan(Single("20", "0"));
    session.vdAddPlan(Single("125", "3"));
    auto list = List({1, 2, 3});
    Real lo = session.Plan(2)->RangeLower();
    Real hi = session.Plan(2)->RangeUpper();
    RoundRange(lo, hi);
    for (Plot* plot : {list->OCPlot(), list->ASNPlot(), list->CostPlot(), list->AOQPlot()})
    {
        EXPECT_EQ(plot->XAxisMinimum().dValue(), 0);
        EXPECT_EQ(plot->XAxisMaximum().dValue(), hi.dValue());
    }
    EXPECT_EQ(list->OCPlot()->YAxisMaximum().dValue(), 1);
    // The largest ASN, 125, takes ten units of 20; the cost of one stage two units of 0.2.
    EXPECT_EQ(list->ASNPlot()->YAxisMaximum().dValue(), 200);
    EXPECT_EQ(list->CostPlot()->YAxisMaximum().dValue(), 2);
    EXPECT_EQ(list->TableMaximum().dValue(), hi.dValue());
    EXPECT_EQ(list->TableIntervals().dValue(), 10);

    // A range the user set lasts until the next recompute.
    String message;
    ASSERT_EQ(list->SetRange("0", "10", "4", message), 0);
    // One unit a sample reaches 90 percent at Pa 0.10: the scale stops at 100.
    session.vdAddPlan(Single("1", "0"));
    list->vdAddPlan(4);
    EXPECT_EQ(list->OCPlot()->XAxisMaximum().dValue(), 100);
    EXPECT_EQ(list->TableMaximum().dValue(), 100);
    EXPECT_EQ(list->TableIntervals().dValue(), 10);

    // Defects per unit have no upper limit: 799 per hundred units at Pa 0.10 gives 0 to 1000.
    session.vdAddPlan(Single<DefectsPerUnitSingleSamplingPlan>("1", "4"));
    auto defects = List({5});
    EXPECT_EQ(defects->OCPlot()->XAxisMaximum().dValue(), 1000);
}

TEST_F(EvaluationListTest, DisplayObjectsStayAtTheirAddressesAndCanBeHandedOver)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single("80", "2"));
    auto list = List({1});
    Drawing* curves = list->CurvesTable();
    ASSERT_NE(curves, nullptr);
    list->vdAddPlan(2);
    EXPECT_EQ(list->CurvesTable(), curves);

    std::vector<std::unique_ptr<Plot>> plots;
    for (Plot* plot : {list->OCPlot(), list->ASNPlot(), list->CostPlot(), list->AOQPlot()})
        plots.emplace_back(plot);
    std::vector<std::unique_ptr<Drawing>> tables;
    for (Drawing* table : {list->PlansTable(), list->PercentilesTable(), curves})
        tables.emplace_back(table);
    list->vdReleaseDisplayObjects();
    list.reset();
    EXPECT_EQ(session.ListenerCount(), 0u);
}

} // namespace
} // namespace Brosquin
