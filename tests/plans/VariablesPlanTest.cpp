#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace Brosquin
{
namespace
{

using Plan = DefectivesVariablesSingleSamplingPlan;

// The entry of a plan: Form 1, n, k or M, SD known, two specs, Cp, band.
struct Entry
{
    bool form1;
    const char* n;
    const char* constant;
    bool sdKnown;
    bool twoSpecs;
    const char* cp;
    bool band = false;
};

std::unique_ptr<Plan> PlanOf(const Entry& e)
{
    auto plan = std::make_unique<Plan>();
    plan->vdDescribe(e.form1, e.n, e.constant, e.sdKnown, e.twoSpecs, e.cp, e.band);
    return plan;
}

class VariablesPlanTest : public PlanTest
{
protected:
    String message;
};

TEST_F(VariablesPlanTest, EntryChecksLetThroughWhatMakesAPlan)
{
    const char* const prompt = "(USL - LSL) / (6 * SD)";
    struct Case
    {
        Entry entry;
        int code;
        const char* message;
    };
    // Every message with the field it names is checked through the entry dialog; here the
    // entries that pass, a sample size beyond what a count holds and the bounds of k: 7 either
    // way, for an M the k it makes (1e-11 % and 100 - 1e-11 % give k = 7.31 and -7.31 with n 100).
    const Case cases[] = {
        {{true, "10", "7", true, false, ""}, 0, ""},
        {{true, "10", "-7", false, true, prompt}, 0, ""},
        {{true, "10", "7.0000001", true, false, ""}, 2, "Accept constant is too large."},
        {{true, "10", "-1e15", false, false, ""}, 2, "Accept constant is too small."},
        {{false, "100", "1e-10", true, false, ""}, 0, ""},
        {{false, "100", "1e-11", true, false, ""}, 2, "M is too small."},
        {{false, "100", "99.99999999999", true, true, "1"}, 2, "M is too large."},
        {{true, "10", "-3", true, false, prompt}, 0, ""},
        {{true, "2.0", "1", false, true, prompt}, 0, ""},
        {{false, "5", "50", false, true, prompt}, 0, ""},
        {{true, "5", "3.999", true, true, "4/3"}, 0, ""},
        {{true, "1e12", "1", true, false, ""}, 1, "Sample size is too large."},
    };
    for (const Case& c : cases)
    {
        message = "";
        const Entry& e = c.entry;
        EXPECT_EQ(Plan::SetFromText(e.form1, e.n, e.constant, e.sdKnown, e.twoSpecs, e.cp, false,
                                    message),
                  c.code)
            << c.message;
        EXPECT_STREQ(message.Text(), c.message);
    }
}

TEST_F(VariablesPlanTest, DescriptionsAndDerivedConstants)
{
    struct Case
    {
        Entry entry;
        const char* description;
        bool singleValued;
    };
    const Case cases[] = {
        {{true, " 10 ", "2", true, false, ""},
         "Variables Single - Known SD - 1 Spec: n=10, k=2",
         true},
        {{false, "10", "1.750749", true, false, ""},
         "Variables Single - Known SD - 1 Spec: n=10, M=1.750749, v=1.054",
         true},
        {{true, "10", "2", true, true, "4/3"},
         "Variables Single - Known SD - 2 Specs: n=10, k=2, Cp=1.333333",
         true},
        {{false, "10", "2", true, true, "1", true},
         "Variables Single - Known SD - 2 Specs: n=10, M=2, Cp=1, v=1.054",
         false},
        {{false, "10", "5.874729", false, false, ""},
         "Variables Single - Unknown SD - 1 Spec: n=10, M=5.874729",
         true},
        {{true, "10", "1.5", false, true, ""},
         "Variables Single - Unknown SD - 2 Specs: n=10, k=1.5, MSD=28.59284%",
         false},
        // No MSD for n <= 2 or k <= 0.
        {{true, "2", "1.5", false, true, ""},
         "Variables Single - Unknown SD - 2 Specs: n=2, k=1.5",
         false},
        {{true, "10", "-1", false, true, ""},
         "Variables Single - Unknown SD - 2 Specs: n=10, k=-1",
         false},
    };
    for (const Case& c : cases)
    {
        const auto plan = PlanOf(c.entry);
        EXPECT_TRUE(plan->IsValid());
        EXPECT_STREQ(plan->Description().Text(), c.description);
        EXPECT_EQ(plan->IsPaSingleValued(), c.singleValued) << c.description;
    }
    // Form 2 plans evaluate through the equivalent k.
    EXPECT_NEAR(PlanOf({false, "10", "1.750749", true, false, ""})->K(), 2.0, 1e-6);
    EXPECT_NEAR(PlanOf({false, "10", "5.874729", false, false, ""})->K(), 1.5, 1e-6);
    EXPECT_STREQ(PlanOf({true, "2", "1.5", false, true, ""})->MSDText().Text(), "0");
    // Texts that make no plan keep the last plan's numbers.
    const auto plan = PlanOf({true, "10", "2", true, false, ""});
    plan->vdDescribe(true, "10", "x", true, false, "", false);
    EXPECT_FALSE(plan->IsValid());
    EXPECT_STREQ(plan->Description().Text(), "Accept constant is not a valid number.");
    EXPECT_EQ(plan->K(), 2.0);
}

TEST_F(VariablesPlanTest, EvaluatesInTheCurrentUnitsWithTheBandRules)
{
    // Percent defective: 1 is the fraction 0.01.
    const auto oneLimit = PlanOf({true, "20", "1.9", false, false, ""});
    ExpectClose(oneLimit->dPa(RealOf(1.0)), 0.881723295389511);
    EXPECT_EQ(MessageOf(oneLimit->dPa(RealOf(-1.0))), "Percent Defective is less than 0");
    EXPECT_EQ(MessageOf(oneLimit->dASN(RealOf(101.0))), "Percent Defective is greater than 100");
    EXPECT_EQ(oneLimit->dASN(RealOf(3.0)).dValue(), 20.0);
    EXPECT_EQ(oneLimit->dMaxASN().dValue(), 20.0);

    // SD unknown, two limits: the band's bounds are the centred and the one-sided Pa.
    const auto twoLimits = PlanOf({true, "10", "1.5", false, true, ""});
    ExpectClose(twoLimits->dPaMaximum(RealOf(5.0)), 0.67795336046537, 1e-11);
    ExpectClose(twoLimits->dPaMinimum(RealOf(5.0)), 0.65872155772735, 1e-11);
    EXPECT_EQ(twoLimits->dPa(RealOf(5.0)).dValue(), twoLimits->dPaMinimum(RealOf(5.0)).dValue());
    EXPECT_EQ(twoLimits->dPa(RealOf(7.5)).dValue(), 0.5);
    EXPECT_EQ(twoLimits->dPaLowerEnvelope(RealOf(7.5)).dValue(),
              twoLimits->dPaMinimum(RealOf(7.5)).dValue());

    // SD known, two limits: no process with Cp 1 has less than 0.27% outside.
    const auto known = PlanOf({true, "19", "1.9535", true, true, "1"});
    for (double p : {0.0, 0.2})
    {
        EXPECT_EQ(MessageOf(known->dPa(RealOf(p))), "Parameter out of range.");
        EXPECT_EQ(MessageOf(known->dASN(RealOf(p))), "Parameter out of range.");
        EXPECT_EQ(MessageOf(known->dExpectedStages(RealOf(p))), "Parameter out of range.");
    }
    // With the band flag: the process centred up to the fraction Cp 1 allows; the end of the
    // band farther from 0.5, exactly 0.5 where it straddles it.
    const auto band = PlanOf({true, "19", "1.9535", true, true, "1", true});
    const auto oneLimit19 = PlanOf({true, "19", "1.9535", true, false, ""});
    const double oneSided = oneLimit19->dPa(RealOf(0.2)).dValue();
    EXPECT_EQ(band->dPaMinimum(RealOf(0.2)).dValue(), oneSided);
    EXPECT_GT(band->dPaMaximum(RealOf(0.2)).dValue(), oneSided);
    EXPECT_EQ(band->dPa(RealOf(0.2)).dValue(), band->dPaMaximum(RealOf(0.2)).dValue());
    EXPECT_EQ(band->dPa(RealOf(6.0)).dValue(), band->dPaMinimum(RealOf(6.0)).dValue());
    // Just above the level where the one-limit Pa is 0.5 the band straddles 0.5.
    const Real straddle = oneLimit19->dQualityLevelAtPa(RealOf(0.5)) + RealOf(0.001);
    EXPECT_GT(band->dPaMaximum(straddle).dValue(), 0.5);
    EXPECT_LT(band->dPaMinimum(straddle).dValue(), 0.5);
    EXPECT_EQ(band->dPa(straddle).dValue(), 0.5);
    EXPECT_EQ(MessageOf(band->dPa(RealOf(0.0))), "Parameter out of range.");
}

TEST_F(VariablesPlanTest, QualityLevelsInvertTheCurves)
{
    for (const Entry& e :
         {Entry{true, "10", "2", true, false, ""}, Entry{true, "19", "1.9535", true, true, "1"},
          Entry{false, "10", "5", false, false, ""}, Entry{false, "5", "3", false, true, ""}})
    {
        const auto plan = PlanOf(e);
        for (double pa : {0.99, 0.7, 0.1, 0.001})
        {
            const Real level = plan->dQualityLevelAtPa(RealOf(pa));
            ExpectClose(plan->dPa(level), pa, 1e-9);
        }
    }
    const auto known = PlanOf({true, "19", "1.9535", true, true, "1"});
    EXPECT_EQ(MessageOf(known->dQualityLevelAtPa(RealOf(0.999999))), "Parameter out of range.");
    EXPECT_EQ(MessageOf(PlanOf({true, "10", "2", true, false, ""})->dQualityLevelAtPa(RealOf(1))),
              "Probability of acceptance greater than or equal to 1.0");
    // The AOQL of a two-limit plan with SD known is searched above the smallest fraction.
    double largest = 0.0;
    for (double p = 0.27; p < 100; p += 0.01)
        largest = std::fmax(largest, known->dAOQ(RealOf(p)).dValue());
    EXPECT_GE(known->AOQLValue().dValue(), largest);
    EXPECT_LT(known->AOQLValue().dValue(), largest * (1 + 1e-4));
    EXPECT_EQ(known->RangeLower().dValue(), 0.0);
    EXPECT_EQ(known->RangeUpper().dValue(), known->LTPDPoint().dValue());
}

TEST_F(VariablesPlanTest, AOQLOfTwoLimitsWithSdUnknownIsTheHigherPeakOfTheBand)
{
    // With SD unknown and two limits the AOQ of the band's Pa peaks twice, before the band
    // straddles 0.5 and where it leaves it, and either peak can be the higher. In percent, from
    // tests/stats/variables_references.py aoql with the form, n, k or M and the range of p
    // given (40 levels, the bends solved for and the peaks narrowed by golden section, mpmath at
    // 30 digits).
    const std::pair<Entry, double> cases[] = {
        // Where the band leaves 0.5: aoql 1 20 1.3 0.02 0.2.
        {{true, "20", "1.3", false, true, ""}, 5.2804861675173578431},
        // Before it straddles 0.5: aoql 1 75 2.2 0.003 0.03.
        {{true, "75", "2.2", false, true, ""}, 0.74705314742660478459},
        // Where it leaves 0.5 a hair below 100%, the LTPD within a few ulps of 100%:
        // aoql 1 3 -0.4 0.13 0.999.
        {{true, "3", "-0.4", false, true, ""}, 47.790843121529425571},
        // Form 2: aoql 2 30 2.111 0.003 0.09.
        {{false, "30", "2.111", false, true, ""}, 1.2736474628698756061},
    };
    for (const auto& [entry, aoql] : cases)
        ExpectClose(PlanOf(entry)->AOQLValue(), aoql);
}

TEST_F(VariablesPlanTest, RecordsCopiesAndConversions)
{
    // The record of n 10, k 0, SD known, one limit, Cp "x", band off.
    const std::string record = "0 6 1  1 \"10\"  \"0\"  1 0 \"x\"  0 ";
    const auto plan = PlanOf({true, "10", "0", true, false, "x"});
    EXPECT_EQ(RecordOf(*plan), record);
    const std::unique_ptr<SamplingPlan> read = ReadRecord(record);
    EXPECT_FALSE(ReadErrorOccurred());
    ASSERT_NE(dynamic_cast<Plan*>(read.get()), nullptr);
    EXPECT_EQ(RecordOf(*read), record);
    // A flag that is no number, a text where a flag is due, texts that make no plan.
    for (const char* bad :
         {"0 6 1  1 \"10\"  \"0\"  x 0 \"x\"  0 ", "0 6 1  1 \"10\"  \"0\"  \"1\" 0 \"x\"  0 ",
          "0 6 1  1 \"1\"  \"0\"  0 0 \"\"  0 "})
    {
        ReadRecord(bad);
        EXPECT_TRUE(ReadErrorOccurred()) << bad;
    }

    // The copy taken before an edit puts every value back.
    const auto edited = PlanOf({false, "10", "5", false, true, ""});
    const std::unique_ptr<Plan> before(edited->Clone());
    edited->vdDescribe(true, "40", "2", true, true, "1.2", false);
    before->vdCopyTo(*edited);
    EXPECT_STREQ(edited->Description().Text(),
                 "Variables Single - Unknown SD - 2 Specs: n=10, M=5");
    EXPECT_STREQ(edited->AQLPointText().Text(), before->AQLPointText().Text());

    struct Conversion
    {
        Entry entry;
        const char* message;
        double value;
    };
    const Conversion conversions[] = {
        {{true, "10", "2", true, false, ""},
         "Equivalent to Form 2 Plan with n=10 and M=1.750749",
         1.750749},
        {{false, "10", "5.874729", false, true, ""},
         "Similar to Form 1 Plan with n=10 and k=1.5, MSD=28.59284%",
         1.5},
        {{true, "2", "0.5", false, false, ""}, "No Form 2 (M) plan for n=2", -100000},
        {{true, "10", "2.85", false, false, ""},
         "No Form 2 (M) plan for k >= (n-1)/sqrt(n)",
         -100000},
        {{true, "10", "-2.85", false, true, ""},
         "No Form 2 (M) plan for k <= -(n-1)/sqrt(n)",
         -100000},
        {{true, "10", "0", false, true, ""}, "No Form 2 (M) plan available for k <= 0", -100000},
        {{false, "10", "50", false, true, ""},
         "No Form 2 (M) plan available for M >= 50%",
         -100000},
        {{false, "2", "5", false, true, ""},
         "For SD Unknown - Form 2, sample size must be at least 3.",
         -200000},
    };
    for (const Conversion& c : conversions)
    {
        double n = 0.0;
        double value = 0.0;
        const Entry& e = c.entry;
        Plan::ConvertForm(e.form1, e.n, e.constant, e.sdKnown, e.twoSpecs, e.cp, message, n, value);
        EXPECT_STREQ(message.Text(), c.message);
        EXPECT_EQ(value, c.value) << c.message;
    }
    // Two limits with SD known: there and back.
    double n = 0.0;
    double M = 0.0;
    Plan::ConvertForm(true, "19", "1.9535", true, true, "1", message, n, M);
    double k = 0.0;
    Plan::ConvertForm(false, "19", RealOf(M).Text(), true, true, "1", message, n, k);
    EXPECT_NEAR(k, 1.9535, 1e-6);
}

TEST_F(VariablesPlanTest, DesignsInTheCurrentUnits)
{
    struct Case
    {
        bool sdKnown, twoSpecs;
        const char* description;
    };
    // AQL 1 and LTPD 5 percent defective; each case's design is checked in the statistics.
    for (const Case& c :
         {Case{true, true, "Variables Single - Known SD - 2 Specs: n=19, k=1.9535, Cp=1"},
          Case{false, true,
               "Variables Single - Unknown SD - 2 Specs: n=60, k=1.9663, MSD=22.4235%"}})
    {
        const std::unique_ptr<Plan> plan(
            Plan::DesignFromTwoLevels(1.0, 5.0, 0, 0, 0, c.sdKnown, c.twoSpecs, "1", message));
        ASSERT_NE(plan, nullptr) << c.description;
        EXPECT_STREQ(plan->Description().Text(), c.description);
        EXPECT_TRUE(plan->IsForm1());
    }
    EXPECT_EQ(Plan::DesignFromTwoLevels(0.2, 5.0, 0, 0, 0, true, true, "1", message), nullptr);
    EXPECT_STREQ(message.Text(),
                 "No variables sampling plan with known standard deviation and 2 spec limits is "
                 "possible since the specified AQL is less than the minimum possible defective "
                 "rate of 0.27% for Cp = 1.");
}

} // namespace
} // namespace Brosquin
