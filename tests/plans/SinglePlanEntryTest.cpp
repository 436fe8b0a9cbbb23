#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace Brosquin
{
namespace
{

// One entry of the plan dialog and what its check must answer.
struct Entry
{
    const char* sampleSize;
    const char* acceptNumber;
    std::int8_t method;
    bool lotSizeGiven;
    const char* lotSize;
    int code;
    const char* message;
};

class SinglePlanEntryTest : public PlanTest
{
protected:
    String message;
};

TEST_F(SinglePlanEntryTest, DefectivesChecksRunInOrderAndStopAtTheFirstFailure)
{
    const Entry entries[] = {
        {"50", "2", 0, false, "", 0, ""},
        {" 1,000 ", "\t5e1 ", 3, true, "2 10^3", 0, ""},
        {"", "2", 0, false, "", 1, "Sample size is not a valid number."},
        {"50 units", "2", 0, false, "", 1, "Sample size is not a valid number."},
        {"2.5", "2", 0, false, "", 1, "Sample size must be an integer."},
        {"0", "2", 0, false, "", 1, "Sample size must be positive integer."},
        {"-5", "x", 9, true, "x", 1, "Sample size must be positive integer."},
        {"1e10", "2", 0, false, "", 1, "Sample size is too large."},
        {"2147483647", "2", 0, false, "", 1, "Sample size is too large."},
        {"2147483646", "2", 0, false, "", 0, ""},
        {"50", "abc", 0, false, "", 2, "Accept number is not a valid number."},
        {"50", "1.5", 0, false, "", 2, "Accept number must be an integer."},
        {"50", "-1", 0, false, "", 2, "Accept number cannot be negative."},
        {"50", "50", 0, false, "", 2, "Accept number must be less than sample size."},
        {"50", "2", 4, false, "", 3, "Illegal method of curtailing."},
        {"50", "2", -1, false, "", 0, ""},
        {"50", "2", 0, false, "not checked", 0, ""},
        {"50", "2", 0, true, "", 4, "Lot size is not a valid number."},
        {"50", "2", 0, true, "100.5", 4, "Lot size must be an integer."},
        {"50", "2", 0, true, "-100", 4, "Lot size cannot be negative."},
        {"50", "2", 0, true, "3e9", 4, "Lot size is too large."},
        {"50", "2", 0, true, "49", 4, "Lot size cannot be less than sample size."},
        {"50", "2", 0, true, "50", 0, ""},
    };
    for (const Entry& entry : entries)
    {
        message = "";
        EXPECT_EQ(DefectivesSingleSamplingPlan::SetFromText(entry.sampleSize, entry.acceptNumber,
                                                            entry.method, entry.lotSizeGiven,
                                                            entry.lotSize, message),
                  entry.code)
            << entry.sampleSize << " / " << entry.acceptNumber << " / " << entry.lotSize;
        EXPECT_STREQ(message.Text(), entry.message) << entry.sampleSize;
    }
}

TEST_F(SinglePlanEntryTest, DefectsPerUnitAllowsMoreDefectsThanUnits)
{
    const Entry entries[] = {
        {"50", "50", 1, false, "", 0, ""},
        {"5", "120", 0, true, "5", 0, ""},
        {"2.5", "1", 0, false, "", 1, "Sample size must be an integer."},
        {"0", "1", 0, false, "", 1, "Sample size must be positive integer."},
        {"50", "1e10", 0, false, "", 2, "Accept number is too large."},
        {"50", "2", 2, false, "", 3, "Illegal method of curtailing."},
        {"50", "2", 1, true, "1e12", 4, "Lot size is too large."},
        {"50", "2", 1, true, "10", 4, "Lot size cannot be less than sample size."},
    };
    for (const Entry& entry : entries)
    {
        message = "";
        EXPECT_EQ(DefectsPerUnitSingleSamplingPlan::SetFromText(
                      entry.sampleSize, entry.acceptNumber, entry.method, entry.lotSizeGiven,
                      entry.lotSize, message),
                  entry.code)
            << entry.sampleSize << " / " << entry.acceptNumber;
        EXPECT_STREQ(message.Text(), entry.message) << entry.sampleSize;
    }
}

TEST_F(SinglePlanEntryTest, DefectsPerQuantityTakesAmountsAndNeedsUnits)
{
    struct QuantityEntry
    {
        const char* sampleSize;
        const char* acceptNumber;
        const char* units;
        std::int8_t method;
        bool lotSizeGiven;
        const char* lotSize;
        int code;
        const char* message;
    };
    const QuantityEntry entries[] = {
        {"2.5", "1", "Foot", 1, true, "3.75", 0, ""},
        {"1e10", "1", "Foot", 0, false, "", 0, ""},
        {"x", "1", "Foot", 0, false, "", 1, "Sample size is not a valid number."},
        {"0", "1", "Foot", 0, false, "", 1, "Sample size must be positive."},
        {"-0.5", "1", "Foot", 0, false, "", 1, "Sample size must be positive."},
        {"2.5", "0.5", "Foot", 0, false, "", 2, "Accept number must be an integer."},
        {"2.5", "1e10", "Foot", 0, false, "", 2, "Accept number is too large."},
        {"2.5", "1", " \t ", 5, false, "", 3, "Units not specified."},
        {"2.5", "1", "Foot", 2, false, "", 4, "Illegal method of curtailing."},
        {"2.5", "1", "Foot", 0, true, "abc", 5, "Lot size is not a valid number."},
        {"2.5", "1", "Foot", 0, true, "-3", 5, "Lot size cannot be negative."},
        {"2.5", "1", "Foot", 0, true, "2.25", 5, "Lot size cannot be less than sample size."},
        // The defects of a larger amount could not be counted.
        {"2.5", "1", "Foot", 0, true, "2147483646", 0, ""},
        {"2.5", "1", "Foot", 0, true, "2147483647", 5, "Lot size is too large."},
        {"2.5", "1", "Foot", 0, true, "1e12", 5, "Lot size is too large."},
    };
    for (const QuantityEntry& entry : entries)
    {
        message = "";
        EXPECT_EQ(DefectsPerQuantitySingleSamplingPlan::SetFromText(
                      entry.sampleSize, entry.acceptNumber, entry.units, entry.method,
                      entry.lotSizeGiven, entry.lotSize, message),
                  entry.code)
            << entry.sampleSize << " / " << entry.acceptNumber << " / " << entry.units;
        EXPECT_STREQ(message.Text(), entry.message) << entry.sampleSize;
    }
}

TEST_F(SinglePlanEntryTest, DescriptionsShowTheTextsLotSizeAndCurtailing)
{
    DefectivesSingleSamplingPlan defectives;
    EXPECT_STREQ(defectives.Description().Text(), "No plan entered.");
    EXPECT_FALSE(defectives.IsValid());
    EXPECT_TRUE(defectives.IsChecked());
    const char* const defectivesDescriptions[] = {
        "Single: n=50, a=2, N=1,000", "Single: n=50, a=2, N=1,000, Full Curtailing",
        "Single: n=50, a=2, N=1,000, Curtail on Acceptance Only",
        "Single: n=50, a=2, N=1,000, Curtail on Rejection Only"};
    for (std::int8_t method = 0; method <= 3; ++method)
    {
        defectives.vdDescribe(" 50 ", "2\t", method, true, " 1,000 ");
        EXPECT_TRUE(defectives.IsValid());
        EXPECT_STREQ(defectives.Description().Text(), defectivesDescriptions[method]);
    }
    EXPECT_EQ(defectives.LotSize(), 1000);
    EXPECT_STREQ(defectives.SampleSizeText().Text(), "50");
    defectives.vdDescribe("50", "2", -3, false, "ignored");
    EXPECT_STREQ(defectives.Description().Text(), "Single: n=50, a=2");

    DefectsPerUnitSingleSamplingPlan perUnit;
    perUnit.vdDescribe("13", "21", 1, false, "");
    EXPECT_STREQ(perUnit.Description().Text(), "Single: n=13, a=21, Curtail on Rejection");
    EXPECT_STREQ(perUnit.UnitsName().Text(), "Defects per Hundred Units");

    DefectsPerQuantitySingleSamplingPlan quantity;
    quantity.vdDescribe("2.5", "1", " Square Foot ", 1, true, "10");
    EXPECT_TRUE(quantity.IsValid());
    EXPECT_STREQ(quantity.Description().Text(),
                 "Single: n=2.5 Square Foot, a=1, N=10, Curtail on  Rejection");
    EXPECT_STREQ(quantity.UnitsName().Text(), "Defects per Square Foot");
    EXPECT_EQ(quantity.dSampleAmount(), 2.5);
    EXPECT_EQ(quantity.dLotAmount(), 10);
}

TEST_F(SinglePlanEntryTest, RefusedTextsLeaveThePlanInvalidWithItsNumbers)
{
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 1, true, "200");
    ASSERT_TRUE(plan.IsValid());
    plan.vdDescribe("80", "80", 0, false, "");
    EXPECT_FALSE(plan.IsValid());
    EXPECT_STREQ(plan.Description().Text(), "Accept number must be less than sample size.");
    // The texts are kept for the dialog; the numbers stay those of the last valid plan.
    EXPECT_STREQ(plan.SampleSizeText().Text(), "80");
    EXPECT_EQ(plan.SampleSize(), 50);
    EXPECT_EQ(plan.AcceptNumber(), 2);
    EXPECT_EQ(MessageOf(plan.dPa(RealOf(1))), "Invalid plan");
    EXPECT_EQ(MessageOf(plan.dASN(RealOf(1))), "Invalid plan");
    EXPECT_EQ(MessageOf(plan.dMaxASN()), "Invalid plan");
    EXPECT_EQ(MessageOf(plan.AQLPoint()), "Invalid plan");
    EXPECT_EQ(MessageOf(plan.MaximumCost()), "Invalid plan");
    EXPECT_EQ(MessageOf(plan.PercentAtLTPDPoint()), "Invalid plan");
    EXPECT_STREQ(plan.AQLPointText().Text(), "");
    EXPECT_STREQ(plan.AOQLText().Text(), "");
    EXPECT_STREQ(plan.PaAtAQLPointText().Text(), "");

    // A plan described again from its own texts reads them before it replaces them.
    plan.vdDescribe("60", "3", 2, false, "");
    plan.vdDescribe(plan.SampleSizeText().Text(), plan.AcceptNumberText().Text(), 3, false,
                    plan.LotSizeText().Text());
    EXPECT_STREQ(plan.Description().Text(), "Single: n=60, a=3, Curtail on Rejection Only");
}

TEST_F(SinglePlanEntryTest, NewPlansTakeTheCurrentUnits)
{
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(2));
    ASSERT_TRUE(DefectsPerUnitSamplingPlan::Units().SetCurrentIndex(0));
    EXPECT_FALSE(DefectivesSamplingPlan::Units().SetCurrentIndex(3));
    DefectivesSingleSamplingPlan defectives;
    DefectsPerUnitSingleSamplingPlan perUnit;
    EXPECT_EQ(defectives.UnitsIndex(), 2);
    EXPECT_STREQ(defectives.UnitsName().Text(), "Defectives per Million");
    EXPECT_STREQ(perUnit.UnitsName().Text(), "Defects per Unit");
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(0), "Defectives per Million");
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(1), "Defects per Unit");
}

} // namespace
} // namespace Brosquin
