#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace Brosquin
{
namespace
{

// Reference values were computed with mpmath at 40 digits from the defining sums: binomial,
// hypergeometric and Poisson probabilities summed term by term, curtailed ASNs summed over the
// stopping unit (for defectives) or integrated as the expected stopping point of the inspected
// amount (for defects), points found by bisection to full precision and maxima by golden-section
// search.

class SinglePlanEvaluationTest : public PlanTest
{
};

TEST_F(SinglePlanEvaluationTest, DefectivesAnyLotInPercent)
{
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 0, false, "");
    ExpectClose(plan.dPa(RealOf(1)), 0.98618272916939960489);
    ExpectClose(plan.dPa(RealOf(5)), 0.54053312271951524388);
    EXPECT_EQ(plan.dPa(RealOf(0.0)).dValue(), 1);
    EXPECT_EQ(plan.dPa(RealOf(100)).dValue(), 0);
    ExpectClose(plan.dAOQ(RealOf(5)), 5 * 0.54053312271951524388);
    ExpectClose(plan.dASN(RealOf(4)), 50);
    ExpectClose(plan.dExpectedStages(RealOf(4)), 1);
    ExpectClose(plan.dCost(RealOf(4)), 1);

    const double curtailed[] = {50, 44.270509527403101841, 49.447534385192717663,
                                44.822975142210384178};
    for (std::int8_t method = 1; method <= 3; ++method)
    {
        plan.vdDescribe("50", "2", method, false, "");
        ExpectClose(plan.dASN(RealOf(4)), curtailed[method]);
    }
    EXPECT_EQ(MessageOf(plan.dPa(RealOf(100.5))), "Percent Defective is greater than 100");
    EXPECT_EQ(MessageOf(plan.dASN(RealOf(-0.5))), "Percent Defective is less than 0");
    EXPECT_EQ(MessageOf(plan.dAOQ(RealOf(101))), "Percent Defective is greater than 100");
    EXPECT_EQ(MessageOf(plan.dCost(RealOf(-1))), "Percent Defective is less than 0");
    EXPECT_EQ(MessageOf(plan.dExpectedStages(RealOf(-1))), "Percent Defective is less than 0");
    EXPECT_EQ(MessageOf(plan.dPa(MessageValue("Overflow"))), "Overflow");
}

TEST_F(SinglePlanEvaluationTest, DefectivesPointsAndSummaryInEveryUnitsRow)
{
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 0, false, "");
    ExpectClose(plan.AQLPoint(), 1.6551859189231354312);
    ExpectClose(plan.LTPDPoint(), 10.29592085367192725);
    ExpectClose(plan.AOQLValue(), 2.7353476666662630436);
    ExpectClose(plan.dQualityLevelAtPa(RealOf(0.99)), 0.88607614458725463);
    ExpectClose(plan.dQualityLevelAtPa(RealOf(0.5)), 5.3122268479286557);
    ExpectClose(plan.dQualityLevelAtPa(RealOf(0.01)), 15.770404761479477);
    EXPECT_STREQ(plan.AQLPointText().Text(), "1.6552");
    EXPECT_STREQ(plan.LTPDPointText().Text(), "10.296");
    EXPECT_STREQ(plan.AOQLText().Text(), "2.7353");
    EXPECT_STREQ(plan.PaAtAQLPointText().Text(), "0.95");
    EXPECT_STREQ(plan.PaAtLTPDPointText().Text(), "0.10");
    EXPECT_STREQ(plan.PercentAtAQLPointText().Text(), "100.0");
    EXPECT_STREQ(plan.PercentAtLTPDPointText().Text(), "100.0");
    EXPECT_EQ(plan.RangeLower().dValue(), 0);
    ExpectClose(plan.RangeUpper(), 10.29592085367192725);
    EXPECT_EQ(plan.MaximumASN().dValue(), 50);
    EXPECT_EQ(plan.MaximumCost().dValue(), 1);

    plan.vdSetUnits(0);
    EXPECT_STREQ(plan.UnitsName().Text(), "Fraction Defective");
    ExpectClose(plan.AQLPoint(), 0.016551859189231354312);
    EXPECT_STREQ(plan.AQLPointText().Text(), "0.016552");
    EXPECT_STREQ(plan.LTPDPointText().Text(), "0.10296");
    EXPECT_STREQ(plan.AOQLText().Text(), "0.027353");
    EXPECT_EQ(MessageOf(plan.dPa(RealOf(1.5))), "Fraction Defective is greater than 1");
    plan.vdSetUnits(2);
    EXPECT_STREQ(plan.AQLPointText().Text(), "16552");
    EXPECT_STREQ(plan.LTPDPointText().Text(), "102960");
    EXPECT_STREQ(plan.AOQLText().Text(), "27353");
    ExpectClose(plan.dPa(RealOf(10000)), 0.98618272916939960489);
    EXPECT_EQ(MessageOf(plan.dPa(RealOf(1000001))),
              "Defectives per Million is greater than 1000000");
}

TEST_F(SinglePlanEvaluationTest, MaximaFollowTheCurtailedASNAndTheCosts)
{
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 1, false, "");
    String message;
    ASSERT_EQ(SamplingPlan::SetCostParameters("Units", "1", "0", message), 0);
    plan.vdUpdateSummary();
    // A single plan's largest ASN is its sample size; the cost follows the curtailed ASN, whose
    // maximum lies below the AQL point.
    EXPECT_EQ(plan.MaximumASN().dValue(), 50);
    ExpectClose(plan.MaximumCost(), 48.294414316062158);
    ASSERT_EQ(SamplingPlan::SetCostParameters("Units", "2", "10", message), 0);
    ExpectClose(plan.dMaxCost(), 2 * 48.294414316062158 + 10);
}

TEST_F(SinglePlanEvaluationTest, DefectivesGivenLotSnapsToWholeDefectives)
{
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("20", "1", 0, true, "200");
    EXPECT_TRUE(plan.IsFiniteLot());
    EXPECT_EQ(plan.dQualityLevelStep().dValue(), 0.5);
    // 1.3 percent of 200 units is nearest to 3 defectives.
    ExpectClose(plan.dPa(RealOf(1.3)), 0.97309273640931932);
    const double curtailed[] = {20, 19.095477386934673, 19.25995888533577, 19.835518501598904};
    for (std::int8_t method = 0; method <= 3; ++method)
    {
        plan.vdDescribe("20", "1", method, true, "200");
        ExpectClose(plan.dASN(RealOf(1.3)), curtailed[method]);
    }
    // The points are attainable levels on the safe side: Pa(3 defectives) = 0.9731 >= 0.95 >
    // Pa(4) = 0.9494, and Pa(34) = 0.1098 >= 0.10 > Pa(35) = 0.0995.
    EXPECT_EQ(plan.AQLPoint().dValue(), 1.5);
    EXPECT_EQ(plan.LTPDPoint().dValue(), 17.5);
    // The AOQL is the largest AOQ the lot can have: 15 defectives, 7.5 percent.
    ExpectClose(plan.AOQLValue(), 4.0763491713429466);
    EXPECT_STREQ(plan.AOQLText().Text(), "4.0763");

    plan.vdDescribe("10", "1", 0, true, "50");
    EXPECT_EQ(plan.dQualityLevelStep().dValue(), 2);
    plan.vdDescribe("10", "1", 0, false, "50");
    EXPECT_FALSE(plan.IsFiniteLot());
    EXPECT_EQ(plan.dQualityLevelStep().dValue(), 0);
}

// On a given lot the AQL point is the largest attainable level with Pa at or above the AQL
// probability and the LTPD point the smallest with Pa at or below the LTPD probability, whatever
// the definitions: checked against every attainable level in turn.
void ExpectPointsOnTheirSides(SamplingPlan& plan, const char* aqlText, const char* ltpdText)
{
    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels(aqlText, ltpdText, 0, message), 0) << aqlText;
    plan.vdUpdateSummary();
    const double step = plan.dQualityLevelStep().dValue();
    const double aql = SamplingPlan::PaAtAQL().dValue();
    const double ltpd = SamplingPlan::PaAtLTPD().dValue();
    double largestAtLeast = -1;
    double smallestAtMost = -1;
    for (int k = 0; smallestAtMost < 0; ++k)
    {
        ASSERT_LT(k, 100000) << "Pa never falls to the LTPD probability";
        const double pa = plan.dPa(RealOf(k * step)).dValue();
        if (pa >= aql)
            largestAtLeast = k * step;
        if (pa <= ltpd)
            smallestAtMost = k * step;
    }
    EXPECT_EQ(plan.AQLPoint().dValue(), largestAtLeast) << aqlText << " " << ltpdText;
    EXPECT_EQ(plan.LTPDPoint().dValue(), smallestAtMost) << aqlText << " " << ltpdText;
}

TEST_F(SinglePlanEvaluationTest, GivenLotPointsKeepTheirSideUnderAnyDefinitions)
{
    // n = 50, c = 2 on 200 units, in percent (steps of 0.5).
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 0, true, "200");
    // The percentiles keep rounding by the probability: 0.98 is above one half.
    EXPECT_EQ(plan.dQualityLevelAtPa(RealOf(0.98)).dValue(), 1.5);

    // A lot of 10 with n = 5, c = 2: five defectives give Pa = 1/2 exactly, which is at or
    // above and at or below a probability of one half.
    DefectivesSingleSamplingPlan tiny;
    tiny.vdDescribe("5", "2", 0, true, "10");
    ASSERT_EQ(tiny.dPa(RealOf(50)).dValue(), 0.5);
    DefectsPerUnitSingleSamplingPlan perUnit;
    perUnit.vdDescribe("30", "3", 0, true, "120");
    DefectsPerQuantitySingleSamplingPlan perQuantity;
    perQuantity.vdDescribe("2.5", "1", "Foot", 0, true, "10");
    for (SamplingPlan* lotPlan :
         std::initializer_list<SamplingPlan*>{&plan, &tiny, &perUnit, &perQuantity})
        for (const char* aql : {"0.999", "0.99", "0.95", "0.75", "0.5", "0.2"})
            for (const char* ltpd : {"0.998", "0.98", "0.5", "0.25", "0.1", "0.01"})
                if (std::stod(ltpd) < std::stod(aql))
                    ExpectPointsOnTheirSides(*lotPlan, aql, ltpd);
}

TEST_F(SinglePlanEvaluationTest, DefectsPerUnitAnyLotAndGivenLot)
{
    DefectsPerUnitSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 0, false, "");
    ExpectClose(plan.dPa(RealOf(2)), 0.9196986029286058);
    ExpectClose(plan.AQLPoint(), 1.6353828943279067);
    ExpectClose(plan.LTPDPoint(), 10.64464067566842);
    ExpectClose(plan.AOQLValue(), 2.7422032098006172);
    EXPECT_STREQ(plan.AQLPointText().Text(), "1.6354");
    EXPECT_STREQ(plan.LTPDPointText().Text(), "10.645");
    EXPECT_EQ(plan.RangeLower().dValue(), 0);
    ExpectClose(plan.RangeUpper(), 10.64464067566842);
    EXPECT_EQ(MessageOf(plan.dMaxQualityLevel()), "+inf");
    EXPECT_FALSE(!IsNumber(plan.dPa(RealOf(1e6))));
    EXPECT_EQ(MessageOf(plan.dPa(RealOf(-1))), "Defects per Hundred Units is less than 0");
    plan.vdDescribe("50", "2", 1, false, "");
    ExpectClose(plan.dASN(RealOf(3)), 47.006586964747916);
    ExpectClose(plan.dASN(RealOf(0.0)), 50);

    plan.vdSetUnits(2);
    EXPECT_STREQ(plan.UnitsName().Text(), "Defects per Million Units");
    EXPECT_STREQ(plan.AQLPointText().Text(), "16354");
    ExpectClose(plan.dPa(RealOf(20000)), 0.9196986029286058);
    plan.vdSetUnits(0);
    ExpectClose(plan.dPa(RealOf(0.02)), 0.9196986029286058);

    // 500 units, 2.38 defects per hundred: 11.9, nearest to 12 defects in the lot.
    plan.vdSetUnits(1);
    plan.vdDescribe("50", "2", 1, true, "500");
    EXPECT_EQ(plan.dQualityLevelStep().dValue(), 0.2);
    ExpectClose(plan.dPa(RealOf(2.38)), 0.889130022255);
    ExpectClose(plan.dASN(RealOf(2.38)), 48.398122757711538);
}

TEST_F(SinglePlanEvaluationTest, DefectsPerQuantityUsesAmounts)
{
    DefectsPerQuantitySingleSamplingPlan plan;
    plan.vdDescribe("2.5", "1", "Foot", 0, false, "");
    ExpectClose(plan.dPa(RealOf(0.4)), 0.73575888234288464);
    ExpectClose(plan.AQLPoint(), 0.14214460427946482);
    ExpectClose(plan.LTPDPoint(), 1.5558880679469716);
    ExpectClose(plan.AOQLValue(), 0.33598483786287004);
    EXPECT_STREQ(plan.AQLPointText().Text(), "0.14214");
    EXPECT_STREQ(plan.LTPDPointText().Text(), "1.5559");
    EXPECT_STREQ(plan.AOQLText().Text(), "0.33598");
    EXPECT_EQ(plan.MaximumASN().dValue(), 2.5);
    EXPECT_EQ(MessageOf(plan.dPa(RealOf(-1))), "Defects per Foot is less than 0");
    plan.vdDescribe("2.5", "1", "Foot", 1, false, "");
    ExpectClose(plan.dASN(RealOf(0.4)), 2.2409041912141826);

    // A lot of 10 feet at 0.37 defects per foot holds 4 defects.
    plan.vdDescribe("2.5", "1", "Foot", 1, true, "10");
    EXPECT_EQ(plan.dQualityLevelStep().dValue(), 0.1);
    ExpectClose(plan.dPa(RealOf(0.37)), 0.73828125);
    ExpectClose(plan.dASN(RealOf(0.37)), 2.259765625);
    plan.vdDescribe("2.5", "1", "Foot", 1, true, "4");
    EXPECT_EQ(plan.dQualityLevelStep().dValue(), 0.25);
}

TEST_F(SinglePlanEvaluationTest, LotsHoldingMoreDefectsThan32BitsCount)
{
    // n 50, a 500 on a lot of 10^9 units (or an amount of 10^9): the points lie near 10^10
    // defects in the lot. Pa at T defects is the binomial P(X <= 500) of T trials at 5e-8, summed
    // term by term in mpmath at 40 digits: 9295208241 is the last count with Pa at least 0.95,
    // 10597812011 the first with Pa at most 0.10, and AOQ = (T / 10^9) Pa peaks at 9108511307.
    DefectsPerUnitSingleSamplingPlan perUnit;
    perUnit.vdDescribe("50", "500", 0, true, "1000000000");
    ExpectClose(perUnit.AQLPoint(), 929.5208241);
    ExpectClose(perUnit.LTPDPoint(), 1059.7812011);
    ExpectClose(perUnit.AOQLValue(), 894.02434870376525);
    EXPECT_STREQ(perUnit.AOQLText().Text(), "894.02");
    DefectsPerQuantitySingleSamplingPlan perQuantity;
    perQuantity.vdDescribe("50", "500", "Meter", 0, true, "1000000000");
    ExpectClose(perQuantity.AQLPoint(), 9.295208241);
    ExpectClose(perQuantity.LTPDPoint(), 10.597812011);
    ExpectClose(perQuantity.AOQLValue(), 8.9402434870376525);
}

TEST_F(SinglePlanEvaluationTest, HugeLevelsOnAGivenLotGiveAMessage)
{
    DefectsPerQuantitySingleSamplingPlan plan;
    plan.vdDescribe("1", "0", "Meter", 0, true, "2000000000");
    EXPECT_EQ(MessageOf(plan.dPa(RealOf(1e100))), "Overflow");
    DefectsPerUnitSingleSamplingPlan perUnit;
    perUnit.vdDescribe("1", "0", 0, true, "2000000000");
    EXPECT_EQ(MessageOf(perUnit.dASN(RealOf(1e10))), "Overflow");
}

TEST_F(SinglePlanEvaluationTest, InverseOCRefusesProbabilitiesOutsideTheOpenInterval)
{
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 0, false, "");
    EXPECT_EQ(MessageOf(plan.dQualityLevelAtPa(RealOf(0.0))),
              "Probability of acceptance less than or equal to 0");
    EXPECT_EQ(MessageOf(plan.dQualityLevelAtPa(RealOf(1))),
              "Probability of acceptance greater than or equal to 1.0");
    EXPECT_EQ(MessageOf(plan.dQualityLevelAtPa(MessageValue("none"))), "none");
}

TEST_F(SinglePlanEvaluationTest, DefinitionsMoveThePoints)
{
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 0, false, "");
    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.99", "0.01", 1, message), 0);
    plan.vdUpdateSummary();
    ExpectClose(plan.AQLPoint(), 0.88607614458725463);
    ExpectClose(plan.LTPDPoint(), 15.770404761479477);
    EXPECT_STREQ(plan.PaAtAQLPointText().Text(), "0.99");
    EXPECT_STREQ(plan.PaAtLTPDPointText().Text(), "0.01");
}

TEST_F(SinglePlanEvaluationTest, DefaultRangeOfDefectivesStopsAtTheUnitsMaximum)
{
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(0));
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("5", "3", 0, false, "");
    ExpectClose(plan.LTPDPoint(), 0.88776504145414144);
    EXPECT_EQ(plan.RangeUpper().dValue(), 1);
    plan.vdDescribe("5", "4", 0, false, "");
    ExpectClose(plan.AQLPoint(), 0.54928027165305888);
    ExpectClose(plan.RangeLower(), 0.54928027165305888);
}

TEST_F(SinglePlanEvaluationTest, RangeChecksOfTheUserTable)
{
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 0, false, "");
    String message;
    Real text;
    text = "abc";
    EXPECT_EQ(plan.ValidateRange(text, RealOf(5), RealOf(10), message), 1);
    EXPECT_STREQ(message.Text(), "Minimum value not valid.");
    EXPECT_EQ(plan.ValidateRange(RealOf(0.0), text, RealOf(10), message), 2);
    EXPECT_STREQ(message.Text(), "Maximum value not valid.");
    EXPECT_EQ(plan.ValidateRange(RealOf(0.0), RealOf(5), text, message), 3);
    EXPECT_STREQ(message.Text(), "Number of intervals is not valid.");
    EXPECT_EQ(plan.ValidateRange(RealOf(0.0), RealOf(5), RealOf(2.5), message), 3);
    EXPECT_STREQ(message.Text(), "Number of intervals must be integer.");
    EXPECT_EQ(plan.ValidateRange(RealOf(0.0), RealOf(5), RealOf(-3), message), 3);
    EXPECT_STREQ(message.Text(), "Number of intervals must be at least one.");
    EXPECT_EQ(plan.ValidateRange(RealOf(5), RealOf(5), RealOf(10), message), 1);
    EXPECT_STREQ(message.Text(), "Minimum value must be less than maximum value.");
    EXPECT_EQ(plan.ValidateRange(RealOf(-1), RealOf(5), RealOf(10), message), 1);
    EXPECT_STREQ(message.Text(), "Minimum value cannot be below 0.");
    EXPECT_EQ(plan.ValidateRange(RealOf(0.0), RealOf(200), RealOf(10), message), 2);
    EXPECT_STREQ(message.Text(), "Maximum value cannot be above 100.");
    EXPECT_EQ(plan.ValidateRange(RealOf(0.0), RealOf(100), RealOf(10), message), 0);

    DefectsPerUnitSingleSamplingPlan perUnit;
    perUnit.vdDescribe("50", "2", 0, false, "");
    EXPECT_EQ(perUnit.ValidateRange(RealOf(0.0), RealOf(1e9), RealOf(1), message), 0);
}

} // namespace
} // namespace Brosquin
