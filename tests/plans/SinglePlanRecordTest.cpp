#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace Brosquin
{
namespace
{

class SinglePlanRecordTest : public PlanTest
{
protected:
    static std::string Record(const SamplingPlan& plan)
    {
        std::ostringstream out;
        plan.vdWriteToStream(out);
        return out.str();
    }
    // Reads the class part of a record into a new plan, as the plan factory does after the
    // base part; the read-error flag tells whether the record was good.
    template <class Plan> static std::unique_ptr<Plan> Read(const std::string& classPart)
    {
        ClearReadError();
        std::istringstream in(classPart);
        auto plan = std::make_unique<Plan>();
        plan->vdReadFromStream(in, 2.0);
        return plan;
    }
};

TEST_F(SinglePlanRecordTest, WritesTheBasePartAndTheTextsOfEachClass)
{
    DefectivesSingleSamplingPlan defectives;
    defectives.vdDescribe("50", "2", 0, false, "");
    EXPECT_EQ(Record(defectives), "0 0 1 \"50\"  \"2\"  0 0 \"\" ");
    defectives.vdSetChecked(false);
    defectives.vdDescribe(" 1,000 ", "5", 3, true, "2000");
    EXPECT_EQ(Record(defectives), "0 0 0 \"1,000\"  \"5\"  3 1 \"2000\" ");

    DefectsPerUnitSingleSamplingPlan perUnit;
    perUnit.vdDescribe("13", "21", 1, false, "ignored");
    EXPECT_EQ(Record(perUnit), "1 0 1 \"13\"  \"21\"  1 0 \"ignored\" ");

    DefectsPerQuantitySingleSamplingPlan quantity;
    quantity.vdDescribe("2.5", "1", "Foot", 1, true, "10");
    EXPECT_EQ(Record(quantity), "2 0 1 \"Foot\"  \"2.5\"  \"1\"  1 1 \"10\" ");
    quantity.vdDescribe("2.5", "1", "Board \"Foot\"", 0, false, "");
    EXPECT_EQ(Record(quantity), "2 0 1 \"Board \"\"Foot\"\"\"  \"2.5\"  \"1\"  0 0 \"\" ");
}

TEST_F(SinglePlanRecordTest, ReadsBackThePlanItWrote)
{
    auto plan = Read<DefectivesSingleSamplingPlan>("\"1,000\"  \"5\"  3 1 \"2000\" ");
    EXPECT_FALSE(ReadErrorOccurred());
    EXPECT_TRUE(plan->IsValid());
    EXPECT_STREQ(plan->Description().Text(),
                 "Single: n=1,000, a=5, N=2000, Curtail on Rejection Only");
    EXPECT_EQ(plan->LotSize(), 2000);

    // The factory has set the units text from the base part before the class part is read.
    ClearReadError();
    std::istringstream in("\"2.5\"  \"1\"  1 1 \"10\" ");
    DefectsPerQuantitySingleSamplingPlan quantity;
    quantity.vdSetUnitsText("Board \"Foot\"");
    quantity.vdReadFromStream(in, 2.0);
    EXPECT_FALSE(ReadErrorOccurred());
    EXPECT_STREQ(quantity.Description().Text(),
                 "Single: n=2.5 Board \"Foot\", a=1, N=10, Curtail on  Rejection");
    EXPECT_STREQ(quantity.UnitsName().Text(), "Defects per Board \"Foot\"");

    // A negative method, possible only from a file, reads as no curtailing.
    auto perUnit = Read<DefectsPerUnitSingleSamplingPlan>("\"50\" \"2\" -2 0 \"\"");
    EXPECT_FALSE(ReadErrorOccurred());
    EXPECT_STREQ(perUnit->Description().Text(), "Single: n=50, a=2");
    EXPECT_EQ(perUnit->dASN(RealOf(3)).dValue(), 50);
}

TEST_F(SinglePlanRecordTest, BadRecordsSetTheReadError)
{
    const char* const records[] = {
        "\"50\"  \"50\"  0 0 \"\" ",    // a plan the dialog would refuse
        "\"50\"  \"2\"  300 0 \"\" ",   // a method beyond its 8 bits
        "\"50\"  \"2\"  -129 0 \"\" ",  // likewise below
        "\"50\"  \"2\"  \"1\" 0 \"\" ", // a text in place of the method
        "\"50\"  \"2\"  0 \"x\" \"\" ", // a text in place of the flag
        "\"50\"  \"2\"  0 1 \"3e9\" ",  // a lot too large to count
        "\"50\"  \"2\"  0 0 \"",        // the file ends inside a text
        "50  \"2\"  0 0 \"\" ",         // a number in place of a text
        "",
    };
    for (const char* record : records)
    {
        auto plan = Read<DefectivesSingleSamplingPlan>(record);
        EXPECT_TRUE(ReadErrorOccurred()) << record;
        EXPECT_FALSE(plan->IsValid()) << record;
    }
    ClearReadError();
}

TEST_F(SinglePlanRecordTest, CloneCopiesEverythingButStaysApart)
{
    DefectivesSingleSamplingPlan plan;
    plan.vdDescribe("50", "2", 1, true, "200");
    plan.vdSetChecked(false);
    std::unique_ptr<DefectivesSingleSamplingPlan> copy(plan.Clone());
    EXPECT_FALSE(copy->IsChecked());
    EXPECT_EQ(Record(*copy), Record(plan));
    EXPECT_STREQ(copy->AQLPointText().Text(), plan.AQLPointText().Text());
    EXPECT_EQ(copy->dPa(RealOf(3)).dValue(), plan.dPa(RealOf(3)).dValue());
    plan.vdDescribe("80", "3", 0, false, "");
    EXPECT_STREQ(copy->Description().Text(), "Single: n=50, a=2, N=200, Full Curtailing");

    DefectsPerQuantitySingleSamplingPlan quantity;
    quantity.vdDescribe("2.5", "1", "Foot", 0, false, "");
    std::unique_ptr<SamplingPlan> quantityCopy(quantity.Clone());
    EXPECT_STREQ(quantityCopy->UnitsName().Text(), "Defects per Foot");
    EXPECT_EQ(Record(*quantityCopy), Record(quantity));
}

} // namespace
} // namespace Brosquin
