#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace Brosquin
{
namespace
{

// The expected plans are the smallest accept number, with its smallest sample size meeting the
// LTPD condition (and the maximum AQL condition), whose Pa at the AQL is high enough: found by
// brute force over c and n with mpmath at 30 digits from the binomial and Poisson sums.

class SinglePlanDesignTest : public PlanTest
{
protected:
    // The plan meets both protection points, given in its own units.
    static void vdExpectMeets(SamplingPlan& plan, double aql, double ltpd)
    {
        EXPECT_GE(plan.dPa(RealOf(aql)).dValue(), SamplingPlan::PaAtAQL().dValue());
        EXPECT_LE(plan.dPa(RealOf(ltpd)).dValue(), SamplingPlan::PaAtLTPD().dValue());
    }
    String message;
};

TEST_F(SinglePlanDesignTest, DefectivesFromTwoAndThreeLevelsInPercent)
{
    std::unique_ptr<DefectivesSingleSamplingPlan> plan(
        DefectivesSingleSamplingPlan::DesignFromTwoLevels(1, 5, 0, 0, 0, message));
    ASSERT_NE(plan, nullptr) << message.Text();
    EXPECT_STREQ(plan->Description().Text(), "Single: n=132, a=3");
    EXPECT_TRUE(plan->IsChecked());
    EXPECT_FALSE(plan->IsLotSizeGiven());
    EXPECT_EQ(plan->Method(), 0);
    vdExpectMeets(*plan, 1, 5);

    plan.reset(DefectivesSingleSamplingPlan::DesignFromThreeLevels(1, 2, 6, 0, 0, 0, message));
    ASSERT_NE(plan, nullptr) << message.Text();
    EXPECT_STREQ(plan->Description().Text(), "Single: n=110, a=3");
    vdExpectMeets(*plan, 1, 6);
    EXPECT_LE(plan->dPa(RealOf(2)).dValue(), 0.95);
}

TEST_F(SinglePlanDesignTest, DefectivesInFractionsWithOtherDefinitions)
{
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(0));
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.99", "0.05", 0, message), 0);
    std::unique_ptr<DefectivesSingleSamplingPlan> plan(
        DefectivesSingleSamplingPlan::DesignFromTwoLevels(0.02, 0.08, 0, 0, 0, message));
    ASSERT_NE(plan, nullptr) << message.Text();
    EXPECT_EQ(plan->SampleSize(), 193);
    EXPECT_EQ(plan->AcceptNumber(), 9);
    vdExpectMeets(*plan, 0.02, 0.08);
}

TEST_F(SinglePlanDesignTest, DefectsPerUnitFromTwoAndThreeLevelsPerHundred)
{
    std::unique_ptr<DefectsPerUnitSingleSamplingPlan> plan(
        DefectsPerUnitSingleSamplingPlan::DesignFromTwoLevels(1, 5, 0, 0, 0, message));
    ASSERT_NE(plan, nullptr) << message.Text();
    EXPECT_STREQ(plan->Description().Text(), "Single: n=134, a=3");
    vdExpectMeets(*plan, 1, 5);
    plan.reset(DefectsPerUnitSingleSamplingPlan::DesignFromThreeLevels(1, 2, 6, 0, 0, 0, message));
    ASSERT_NE(plan, nullptr) << message.Text();
    EXPECT_STREQ(plan->Description().Text(), "Single: n=112, a=3");
    vdExpectMeets(*plan, 1, 6);
    EXPECT_LE(plan->dPa(RealOf(2)).dValue(), 0.95);
}

TEST_F(SinglePlanDesignTest, DefectsPerQuantityInTheSmallestAmount)
{
    // Where Pa at the LTPD falls to 0.10: P(5; 2 s) at s = 4.6373369466758110438 and P(3; 3 s)
    // at 2.2269276894186212126 yards (mpmath, 40 digits), the text's 15 digits taken a little
    // beyond, so that the plan meets the LTPD in exact arithmetic too.
    std::unique_ptr<DefectsPerQuantitySingleSamplingPlan> plan(
        DefectsPerQuantitySingleSamplingPlan::DesignFromTwoLevels(0.5, 2, 0, 0, 0, "Yard",
                                                                  message));
    ASSERT_NE(plan, nullptr) << message.Text();
    EXPECT_STREQ(plan->Description().Text(), "Single: n=4.63733694667675 Yard, a=5");
    EXPECT_STREQ(plan->UnitsName().Text(), "Defects per Yard");
    vdExpectMeets(*plan, 0.5, 2);
    plan.reset(DefectsPerQuantitySingleSamplingPlan::DesignFromThreeLevels(0.5, 1, 3, 0, 0, 0,
                                                                           "Yard", message));
    ASSERT_NE(plan, nullptr) << message.Text();
    EXPECT_STREQ(plan->Description().Text(), "Single: n=2.22692768941916 Yard, a=3");
    vdExpectMeets(*plan, 0.5, 3);
}

TEST_F(SinglePlanDesignTest, ImpossibleRequirementsGiveNoPlan)
{
    // An LTPD below the AQL has no plan; the design says so instead of making one with n = 0.
    EXPECT_EQ(DefectivesSingleSamplingPlan::DesignFromTwoLevels(5, 1, 0, 0, 0, message), nullptr);
    EXPECT_STREQ(message.Text(), "No single sampling plan meets the requirements.");
    message = "";
    EXPECT_EQ(DefectsPerUnitSingleSamplingPlan::DesignFromTwoLevels(1, 0, 0, 0, 0, message),
              nullptr);
    EXPECT_STREQ(message.Text(), "No single sampling plan meets the requirements.");
    message = "";
    EXPECT_EQ(DefectsPerQuantitySingleSamplingPlan::DesignFromThreeLevels(1, 0.5, 3, 0, 0, 0,
                                                                          "Yard", message),
              nullptr);
    EXPECT_STREQ(message.Text(), "No single sampling plan meets the requirements.");
}

} // namespace
} // namespace Brosquin
