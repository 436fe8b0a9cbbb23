#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectsPerQuantityDoubleSamplingPlan.h"
#include "plans/DefectsPerUnitDoubleSamplingPlan.h"
#include "stats/DefectivesDouble.h"
#include "stats/DefectsPerQuantityDouble.h"
#include "stats/DefectsPerUnitDouble.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

namespace Brosquin
{
namespace
{

// One entry of a double-plan dialog and what its check must answer.
struct Entry
{
    const char* n1;
    const char* a1;
    const char* r1;
    const char* n2;
    const char* a2;
    std::int8_t method;
    bool lotSizeGiven;
    const char* lotSize;
    int code;
    const char* message;
};

class DoublePlanTest : public PlanTest
{
protected:
    String message;
};

TEST_F(DoublePlanTest, DefectivesChecksRunInOrderAndStopAtTheFirstFailure)
{
    const Entry entries[] = {
        {"2", "0", "2", "1", "1", 0, false, "", 0, ""},
        {"50.0", "1", "4", "100", "4", 6, true, "150", 0, ""},
        {"x", "y", "4", "100", "4", 0, false, "", 1, "n1 is not a valid number."},
        {"50.5", "1", "4", "100", "4", 0, false, "", 1, "n1 must be an integer."},
        {"1", "0", "2", "1", "1", 0, false, "", 1, "Restriction n1>=2 violated."},
        {"3e9", "0", "2", "1", "1", 0, false, "", 1, "n1 is too large."},
        {"50", "-1", "4", "100", "4", 0, false, "", 2, "Restriction a1>=0 violated."},
        {"50", "49", "50", "100", "60", 0, false, "", 2, "Restriction a1<=n1-2 violated."},
        {"50", "1", "2", "100", "4", 0, false, "", 3, "Restriction r1>=a1+2 violated."},
        {"50", "1", "51", "100", "60", 0, false, "", 3, "Restriction r1<=n1 violated."},
        {"2", "0", "2", "0", "1", 0, false, "", 4, "Restriction n2>r1-a1-2 violated."},
        {"50", "1", "4", "100", "2", 0, false, "", 5, "Restriction a2>=r1-1 violated."},
        {"50", "1", "4", "100", "3", 0, false, "", 0, ""},
        {"50", "1", "4", "100", "101", 0, false, "", 0, ""},
        {"50", "1", "4", "100", "102", 0, false, "", 5, "Restriction a2<n2+a1+1 violated."},
        {"50", "1e9", "2000000002", "2000000000", "2200000000", 0, false, "", 2,
         "Restriction a1<=n1-2 violated."},
        {"1500000000", "1000000000", "1000000002", "2000000000", "2200000000", 0, false, "", 5,
         "a2 is too large."},
        {"50", "1", "4", "100", "4", 7, false, "", 6, "Illegal method of curtailing."},
        {"50", "1", "4", "100", "4", -1, false, "", 6, "Illegal method of curtailing."},
        {"50", "1", "4", "100", "4", 0, false, "not checked", 0, ""},
        {"50", "1", "4", "100", "4", 0, true, "1000.5", 7, "Lot size must be an integer."},
        {"50", "1", "4", "100", "4", 0, true, "-1", 7, "Lot size cannot be negative."},
        {"50", "1", "4", "100", "4", 0, true, "3e9", 7, "Lot size is too large."},
        {"50", "1", "4", "100", "4", 0, true, "149", 7, "Lot size cannot be less than n1 + n2."},
    };
    for (const Entry& e : entries)
    {
        message = "";
        EXPECT_EQ(DefectivesDoubleSamplingPlan::SetFromText(e.n1, e.a1, e.r1, e.n2, e.a2, e.method,
                                                            e.lotSizeGiven, e.lotSize, message),
                  e.code)
            << e.n1 << " " << e.a1 << " " << e.r1 << " " << e.n2 << " " << e.a2;
        EXPECT_STREQ(message.Text(), e.message) << e.n1 << " " << e.a2;
    }
}

TEST_F(DoublePlanTest, DefectsAllowMoreDefectsThanUnitsAndAmountsNeedUnits)
{
    const Entry perUnit[] = {
        {"5", "10", "20", "1", "40", 2, true, "6", 0, ""},
        {"2.5", "0", "2", "1", "1", 0, false, "", 1, "n1 must be an integer."},
        {"0", "0", "2", "1", "1", 0, false, "", 1, "Restriction n1>0 violated."},
        {"5", "0", "3e9", "1", "3e9", 0, false, "", 3, "r1 is too large."},
        {"5", "0", "2", "0", "1", 0, false, "", 4, "Restriction n2>0 violated."},
        {"5", "0", "2", "1", "1", 3, false, "", 6, "Illegal method of curtailing."},
        {"5", "0", "2", "1", "1", 0, true, "5", 7, "Lot size cannot be less than n1 + n2."},
    };
    for (const Entry& e : perUnit)
    {
        message = "";
        EXPECT_EQ(DefectsPerUnitDoubleSamplingPlan::SetFromText(
                      e.n1, e.a1, e.r1, e.n2, e.a2, e.method, e.lotSizeGiven, e.lotSize, message),
                  e.code)
            << e.n1 << " " << e.r1 << " " << e.n2;
        EXPECT_STREQ(message.Text(), e.message) << e.n1;
    }
    const char* const units[] = {"Foot", "Foot", "Foot", " \t", "Foot", "Foot", "Foot", "Foot"};
    const Entry quantity[] = {
        {"2.5", "0", "2", "0.5", "1", 2, true, "3", 0, ""},
        {"0", "0", "2", "0.5", "1", 0, false, "", 1, "Restriction n1>0 violated."},
        {"2.5", "0", "2", "-1", "1", 0, false, "", 4, "Restriction n2>0 violated."},
        {"2.5", "0", "2", "0.5", "1", 0, false, "", 6, "Units not specified."},
        {"2.5", "0", "2", "0.5", "1", 3, false, "", 7, "Illegal method of curtailing."},
        {"2.5", "0", "2", "0.5", "1", 0, true, "-3", 8, "Lot size cannot be negative."},
        {"2.5", "0", "2", "0.5", "1", 0, true, "2.75", 8, "Lot size cannot be less than n1 + n2."},
        {"2.5", "0", "2", "0.5", "1", 0, true, "1e15", 8, "Lot size is too large."},
    };
    for (std::size_t k = 0; k < std::size(quantity); ++k)
    {
        const Entry& e = quantity[k];
        message = "";
        EXPECT_EQ(DefectsPerQuantityDoubleSamplingPlan::SetFromText(
                      e.n1, e.a1, e.r1, e.n2, e.a2, units[k], e.method, e.lotSizeGiven, e.lotSize,
                      message),
                  e.code)
            << k;
        EXPECT_STREQ(message.Text(), e.message) << k;
    }
}

TEST_F(DoublePlanTest, KeepsNormalisedTextsInDescriptionsAndRecords)
{
    DefectivesDoubleSamplingPlan plan;
    EXPECT_STREQ(plan.Description().Text(), "No plan entered.");
    plan.vdDescribe("050", " 1", "4.0", "1e2", "4", 3, true, " 1000 ");
    ASSERT_TRUE(plan.IsValid());
    EXPECT_STREQ(plan.Description().Text(),
                 "Double: n1=50, a1=1, r1=4, n2=100, a2=4, N=1000, Curtail on Rejection Only");
    const std::string record = "0 1 1 \"50\"  \"1\"  \"4\"  \"100\"  \"4\"  3 1 \"1000\" ";
    EXPECT_EQ(RecordOf(plan), record);
    EXPECT_EQ(plan.LotSize(), 1000);

    const std::unique_ptr<SamplingPlan> copy(plan.Clone());
    EXPECT_EQ(RecordOf(*copy), record);
    EXPECT_STREQ(copy->AQLPointText().Text(), plan.AQLPointText().Text());

    // A method code beyond 8 bits is a bad record, not code 6; texts that make no plan too.
    for (const char* bad :
         {"\"50\"  \"1\"  \"4\"  \"100\"  \"4\"  262 0 \"\" ",
          "\"50\"  \"1\"  \"4\"  \"100\"  \"4\"  -1 0 \"\" ",
          "\"50\"  \"1\"  \"4\"  \"100\"  \"2\"  0 0 \"\" ", "\"50\"  \"1\"  \"4\"  \"100\""})
    {
        EXPECT_FALSE(ReadClassPart<DefectivesDoubleSamplingPlan>(bad)->IsValid()) << bad;
        EXPECT_TRUE(ReadErrorOccurred()) << bad;
    }

    // Texts that fail keep the numbers of the last valid plan and describe the reason.
    plan.vdDescribe("50", "1", "4", "100", "abc", 0, false, "");
    EXPECT_FALSE(plan.IsValid());
    EXPECT_STREQ(plan.Description().Text(), "a2 is not a valid number.");
    EXPECT_EQ(plan.A2(), 4);

    DefectsPerQuantityDoubleSamplingPlan quantity;
    quantity.vdDescribe("2.50", "0", "2", "0.5", "1", " Foot ", 2, false, "");
    EXPECT_STREQ(quantity.Description().Text(),
                 "Double: n1=2.5 Foot, a1=0, r1=2, n2=0.5 Foot, a2=1, Curtail on Second Stage "
                 "Rejection Only");
    EXPECT_EQ(RecordOf(quantity),
              "2 1 1 \"Foot\"  \"2.5\"  \"0\"  \"2\"  \"0.5\"  \"1\"  2 0 \"\" ");
}

TEST_F(DoublePlanTest, EvaluatesInThePlansUnitsAndLots)
{
    DefectivesDoubleSamplingPlan plan;
    plan.vdDescribe("50", "1", "4", "100", "4", 1, false, "");
    EXPECT_EQ(plan.dPa(RealOf(2.0)).dValue(),
              DefectivesDoubleProbabilityAcceptance(0.02, 50, 1, 4, 100, 4));
    EXPECT_EQ(plan.dASN(RealOf(2.0)).dValue(),
              DefectivesDoubleAverageSampleNumber(0.02, 50, 1, 4, 100, 4, 1));
    EXPECT_EQ(plan.dExpectedStages(RealOf(2.0)).dValue(),
              DefectivesDoubleExpectedStages(0.02, 50, 1, 4, 100, 4));

    // A lot of 1000 units: 2.05 % is 20.5 defectives, which counts as 21.
    plan.vdDescribe("50", "1", "4", "100", "4", 1, true, "1000");
    EXPECT_EQ(plan.dPa(RealOf(2.05)).dValue(),
              DefectivesDoubleProbabilityAcceptanceFiniteLot(21, 50, 1, 4, 100, 4, 1000));
    EXPECT_EQ(plan.dASN(RealOf(2.05)).dValue(),
              DefectivesDoubleAverageSampleNumberFiniteLot(21, 50, 1, 4, 100, 4, 1000, 1));

    DefectsPerUnitDoubleSamplingPlan perUnit;
    perUnit.vdDescribe("5", "0", "2", "5", "1", 2, false, "");
    EXPECT_EQ(perUnit.dPa(RealOf(10.0)).dValue(),
              DefectsPerUnitDoubleProbabilityAcceptance(0.1, 5, 0, 2, 5, 1));
    EXPECT_EQ(perUnit.dASN(RealOf(250.0)).dValue(),
              DefectsPerUnitDoubleAverageSampleNumber(2.5, 5, 0, 2, 5, 1, 2));
    DefectsPerQuantityDoubleSamplingPlan quantity;
    quantity.vdDescribe("2.5", "0", "2", "0.5", "1", "Foot", 1, true, "4");
    // 0.3 defects a foot in 4 feet: 1.2, which counts as 1.
    EXPECT_EQ(quantity.dExpectedStages(RealOf(0.3)).dValue(),
              DefectsPerQuantityDoubleExpectedStagesFiniteLot(1, 2.5, 0, 2, 0.5, 1, 4.0));
}

// The defectives design through the session is checked with the selection.
TEST_F(DoublePlanTest, DesignsInTheCurrentUnits)
{
    ASSERT_TRUE(DefectsPerUnitDoubleSamplingPlan::Units().SetCurrentIndex(0));
    std::unique_ptr<DefectsPerUnitDoubleSamplingPlan> perUnit(
        DefectsPerUnitDoubleSamplingPlan::DesignFromThreeLevels(0.01, 0.0101, 0.05, 0.01, 1.0, 0.0,
                                                                message));
    ASSERT_TRUE(perUnit);
    EXPECT_GE(perUnit->dPa(RealOf(0.01)).dValue(), 0.95);
    EXPECT_LE(perUnit->dPa(RealOf(0.0101)).dValue(), 0.95);
    std::unique_ptr<DefectsPerQuantityDoubleSamplingPlan> quantity(
        DefectsPerQuantityDoubleSamplingPlan::DesignFromTwoLevels(0.5, 2.0, 0.5, 1.0, 0.0, "Foot",
                                                                  message));
    ASSERT_TRUE(quantity);
    // On cells of 0.0005 feet, a thousandth of the 9.27 defects that the single plan's sample
    // holds on average at the LTPD.
    EXPECT_STREQ(quantity->Description().Text(),
                 "Double: n1=2.2345 Foot, a1=1, r1=4, n2=2.7675 Foot, a2=5");
}

// A design whose search was stopped says so: with the best plan found, or, when it found none,
// without claiming that no double plan is better.
TEST_F(DoublePlanTest, DesignCutShortSaysSo)
{
    struct Probe : DefectivesDoubleSamplingPlan
    {
        using DoubleSamplingPlan::Designed;
    };
    const auto cutShort = [](int secondSample)
    {
        return [secondSample](int& n1, int& a1, int& r1, int& n2, int& a2)
        {
            std::tie(n1, a1, r1, n2, a2) = std::tuple{60, 0, 4, secondSample, 3};
            return false;
        };
    };
    std::unique_ptr<DefectivesDoubleSamplingPlan> plan(
        Probe::Designed<DefectivesDoubleSamplingPlan>(cutShort(82), nullptr, message));
    ASSERT_TRUE(plan);
    EXPECT_STREQ(plan->Description().Text(), "Double: n1=60, a1=0, r1=4, n2=82, a2=3");
    EXPECT_STREQ(message.Text(), "The search for the best double sampling plan was cut short: the "
                                 "plan added to the list is the best it found.");
    message = "";
    plan.reset(Probe::Designed<DefectivesDoubleSamplingPlan>(cutShort(0), nullptr, message));
    EXPECT_FALSE(plan);
    EXPECT_STREQ(message.Text(), "The search for a double sampling plan was cut short before it "
                                 "found one better than the corresponding single sampling plan.");
}

} // namespace
} // namespace Brosquin
