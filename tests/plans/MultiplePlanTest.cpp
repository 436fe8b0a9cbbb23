#include "plans/DefectivesMultipleSamplingPlan.h"
#include "plans/DefectsPerQuantityMultipleSamplingPlan.h"
#include "plans/DefectsPerUnitMultipleSamplingPlan.h"
#include "stats/DefectivesMultiple.h"
#include "stats/DefectsPerQuantityMultiple.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace Brosquin
{
namespace
{

// The texts of a plan, one string per kind with the stages' texts separated by '|'.
struct Stages
{
    std::vector<String> n, a, r;
    Stages(const std::string& sizes, const std::string& accepts, const std::string& rejects)
        : n(Split(sizes)), a(Split(accepts)), r(Split(rejects))
    {
    }
    int S() const { return static_cast<int>(n.size()); }
    static std::vector<String> Split(const std::string& texts)
    {
        std::vector<String> split;
        std::istringstream in(texts);
        for (std::string text; std::getline(in, text, '|');)
            split.emplace_back(text.c_str());
        return split;
    }
};

class MultiplePlanTest : public PlanTest
{
protected:
    int Check(const Stages& stages, std::int8_t method = 0, bool lotSizeGiven = false,
              const char* lotSize = "")
    {
        message = "";
        return DefectivesMultipleSamplingPlan::SetFromText(stages.S(), stages.n.data(),
                                                           stages.a.data(), stages.r.data(), method,
                                                           lotSizeGiven, lotSize, message);
    }
    String message;
};

TEST_F(MultiplePlanTest, DefectivesChecksNameTheStageAndTheCell)
{
    struct Case
    {
        Stages stages;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {{"20|20|20", " # |1|3", "2|3|4"}, 0, ""},
        {{"20|20", "0|#", "2|3"},
         5,
         "Accept number for stage 2 is less than that for previous stage."},
        {{"20|20", "-2|1", "2|3"}, 2, "Accept number for stage 1 is less than -1."},
        {{"20|20", "#|1", "0|3"}, 3, "Reject number for stage 1 is less than 1."},
        {{"20|20|20", "0|1|3", "2|2|4"},
         6,
         "Reject number for stage 2 must exceed accept number by at least 2."},
        {{"20|20", "0|1", "2|2"}, 0, ""},
        {{"20|20", "0|1", "2|4"},
         6,
         "Reject number for last stage must be equal to accept number plus 1."},
        {{"20|20", "0|40", "2|41"},
         6,
         "Reject number for last stage exceeeds cumulative sample size."},
        {{"20|20", "0|41", "2|42"},
         6,
         "Reject number for stage 2 exceeeds cumulative sample size by more than 1."},
        {{"20|20|20", "0|1|3", "22|22|4"},
         3,
         "Reject number for stage 1 exceeeds cumulative sample size by more than 1."},
        {{"20|20", "19|20", "21|21"}, 0, ""},
        {{"20|2.5", "0|1", "2|2"}, 4, "Stage 2 sample size is not an integer."},
        {{"20|0", "0|1", "2|2"}, 4, "Stage 2 sample size must be greater than 0."},
        {{"20|3e9", "0|1", "2|2"}, 4, "Stage 2 sample size is too large."},
        {{"20|x", "0|1", "2|2"}, 4, "Stage 2 sample size is not a valid number."},
        {{"20|20", "0|##", "2|2"}, 5, "Stage 2 accept number is not a valid number."},
        {{"20|20", "0|1", "2|2.5"}, 6, "Stage 2 reject number is not an integer."},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(Check(c.stages), c.code) << c.message;
        EXPECT_STREQ(message.Text(), c.message);
    }
    const Stages plan({"20|20"}, {"0|1"}, {"2|2"});
    EXPECT_EQ(Check(plan, 7), 7);
    EXPECT_STREQ(message.Text(), "Illegal method of curtailing.");
    EXPECT_EQ(Check(plan, -3), 7);
    EXPECT_EQ(Check(plan, 0, false, "not checked"), 0);
    EXPECT_EQ(Check(plan, 0, true, "40"), 0);
    EXPECT_EQ(Check(plan, 0, true, "39"), 8);
    EXPECT_STREQ(message.Text(), "Lot size cannot be less sum of sample sizes.");
    EXPECT_EQ(Check(plan, 0, true, "4e9"), 8);
    EXPECT_STREQ(message.Text(), "Lot size is too large.");

    // Defects may outnumber the units; amounts need units.
    const Stages defects({"2.5|1"}, {"#|30"}, {"30|31"});
    message = "";
    EXPECT_EQ(DefectsPerUnitMultipleSamplingPlan::SetFromText(
                  2, defects.n.data(), defects.a.data(), defects.r.data(), 2, true, "3", message),
              1);
    EXPECT_STREQ(message.Text(), "Stage 1 sample size is not an integer.");
    EXPECT_EQ(DefectsPerQuantityMultipleSamplingPlan::SetFromText(
                  2, defects.n.data(), defects.a.data(), defects.r.data(), "Foot", 2, true, "3.5",
                  message),
              0);
    EXPECT_EQ(
        DefectsPerQuantityMultipleSamplingPlan::SetFromText(
            2, defects.n.data(), defects.a.data(), defects.r.data(), " ", 3, true, "1", message),
        7);
    EXPECT_STREQ(message.Text(), "Units not specified.");
    EXPECT_EQ(DefectsPerQuantityMultipleSamplingPlan::SetFromText(
                  2, defects.n.data(), defects.a.data(), defects.r.data(), "Foot", 0, true, "1e12",
                  message),
              9);
    EXPECT_STREQ(message.Text(), "Lot size is too large.");
}

TEST_F(MultiplePlanTest, KeepsNormalisedTextsInDescriptionsAndRecords)
{
    const Stages stages({"020|20.0|2e1"}, {" # |1|3"}, {"2|3|4"});
    DefectivesMultipleSamplingPlan plan;
    plan.vdDescribe(3, stages.n.data(), stages.a.data(), stages.r.data(), 1, true, "100");
    ASSERT_TRUE(plan.IsValid());
    EXPECT_STREQ(
        plan.Description().Text(),
        "Multiple: S=3, n1=20, a1=#, r1=2, n2=20, a2=1, r2=3, ..., N=100, Full Curtailing");
    EXPECT_EQ(plan.AcceptNumbers(), (std::vector<int>{-1, 1, 3}));
    const std::string record = "0 2 1 3 \"20\"  \"#\"  \"2\"  \"20\"  \"1\"  \"3\"  \"20\"  \"3\"  "
                               "\"4\"   1 1 \"100\" ";
    EXPECT_EQ(RecordOf(plan), record);
    EXPECT_EQ(RecordOf(*std::unique_ptr<SamplingPlan>(plan.Clone())), record);

    for (const char* bad : {"1 \"20\"  \"1\"  \"2\"   0 0 \"\" ", "2000000000 \"20\"",
                            "2 \"20\"  \"0\"  \"2\"  \"20\"  \"1\"  \"2\"   262 0 \"\" ",
                            "2 \"20\"  \"0\"  \"2\"  \"20\"  \"1\"  \"3\"   0 0 \"\" "})
    {
        ReadClassPart<DefectivesMultipleSamplingPlan>(bad);
        EXPECT_TRUE(ReadErrorOccurred()) << bad;
    }

    // Failing texts leave every number 0 and describe the reason.
    plan.vdDescribe(3, stages.n.data(), stages.a.data(), Stages::Split("2|3|5").data(), 0, false,
                    "");
    EXPECT_FALSE(plan.IsValid());
    EXPECT_STREQ(plan.Description().Text(),
                 "Reject number for last stage must be equal to accept number plus 1.");
    EXPECT_EQ(plan.RejectNumbers(), (std::vector<int>{0, 0, 0}));

    const Stages amounts({"2.5|1"}, {"#|3"}, {"3|4"});
    DefectsPerQuantityMultipleSamplingPlan quantity;
    quantity.vdDescribe(2, amounts.n.data(), amounts.a.data(), amounts.r.data(), "Foot", 2, false,
                        "");
    EXPECT_STREQ(quantity.Description().Text(),
                 "Multiple: S=2, n1=2.5 Foot, a1=#, r1=3, n2=1 Foot, a2=3, r2=4, ..., Curtail on "
                 "Rejection Except First Stage");
}

// The plan's evaluation (its conditional chances of going on prepared once) and the statistics'
// (a convolution a stage) agree to rounding.
#define EXPECT_SAME(computed, reference) EXPECT_NEAR(computed, reference, 1e-13 * (reference))

TEST_F(MultiplePlanTest, EvaluatesInThePlansUnitsAndLots)
{
    const Stages stages({"20|20|20"}, {"#|1|3"}, {"2|3|4"});
    DefectivesMultipleSamplingPlan plan;
    plan.vdDescribe(3, stages.n.data(), stages.a.data(), stages.r.data(), 4, true, "100");
    const int n[] = {20, 20, 20};
    const int a[] = {-1, 1, 3};
    const int r[] = {2, 3, 4};
    EXPECT_SAME(plan.dPa(RealOf(5.0)).dValue(),
                DefectivesMultipleProbabilityAcceptanceFiniteLot(5, 3, n, a, r, 100));
    EXPECT_SAME(plan.dASN(RealOf(5.0)).dValue(),
                DefectivesMultipleAverageSampleNumberFiniteLot(5, 3, n, a, r, 100, 4));
    // What the plan keeps of one evaluation goes with a change of the plan.
    const Stages accepting({"20|20|20"}, {"0|1|3"}, {"2|3|4"});
    plan.vdDescribe(3, accepting.n.data(), accepting.a.data(), accepting.r.data(), 4, true, "100");
    const int a0[] = {0, 1, 3};
    EXPECT_SAME(plan.dPa(RealOf(5.0)).dValue(),
                DefectivesMultipleProbabilityAcceptanceFiniteLot(5, 3, n, a0, r, 100));
    const double s[] = {2.5, 1.0};
    const int aq[] = {-1, 3};
    const int rq[] = {3, 4};
    const Stages amounts({"2.5|1"}, {"#|3"}, {"3|4"});
    DefectsPerQuantityMultipleSamplingPlan quantity;
    quantity.vdDescribe(2, amounts.n.data(), amounts.a.data(), amounts.r.data(), "Foot", 1, false,
                        "");
    EXPECT_SAME(quantity.dExpectedStages(RealOf(0.7)).dValue(),
                DefectsPerQuantityMultipleExpectedStages(0.7, 2, s, aq, rq));
}

} // namespace
} // namespace Brosquin
