#include "plans/DefectivesChainSamplingPlan.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace Brosquin
{
namespace
{

using ChainPlanTest = PlanTest;

TEST_F(ChainPlanTest, ChecksA1AndR1BeforeN)
{
    struct Case
    {
        const char* texts[5]; // n, a1, r1, i, a2
        int code;
        const char* message;
    };
    const Case cases[] = {
        {{"2", "0", "2", "2", "1"}, 0, ""},
        {{"2", "0", "2", "2", "3"}, 5, "Restriction a2<n*(i-1)+a1+1 violated."},
        {{"20.5", "x", "2", "3", "1"}, 2, "a1 is not a valid number."},
        {{"20.5", "0", "2", "3", "1"}, 1, "n must be an integer."},
        {{"1", "0", "2", "3", "1"}, 1, "Restriction n>=r1 violated."},
        {{"20", "0", "1", "3", "1"}, 3, "Restriction r1>=a1+2 violated."},
        {{"20", "0", "2", "1", "1"}, 4, "Restriction i>=2 violated."},
        {{"20", "0", "2", "3", "0"}, 5, "Restriction a2>=r1-1 violated."},
        {{"2000000000", "0", "2", "3", "3000000000"}, 5, "a2 is too large."},
        // The neighbours' (i - 1) n units are one binomial count, at most 2^53.
        {{"20", "0", "2", "2000000000", "1"}, 0, ""},
        {{"67108864", "0", "2", "134217729", "1"}, 0, ""},
        {{"67108864", "0", "2", "134217730", "1"}, 4, "i is too large."},
        {{"2000000000", "0", "2", "2000000000", "1"}, 4, "i is too large."},
    };
    for (const Case& c : cases)
    {
        String message;
        EXPECT_EQ(DefectivesChainSamplingPlan::SetFromText(c.texts[0], c.texts[1], c.texts[2],
                                                           c.texts[3], c.texts[4], message),
                  c.code)
            << c.message;
        EXPECT_STREQ(message.Text(), c.message);
    }
}

TEST_F(ChainPlanTest, BoundsAndEnvelopesOfItsProbabilityOfAcceptance)
{
    DefectivesChainSamplingPlan plan;
    plan.vdDescribe("20", "0", "2", "4.0", "1");
    ASSERT_TRUE(plan.IsValid());
    EXPECT_FALSE(plan.IsPaSingleValued());
    EXPECT_STREQ(plan.Description().Text(), "Chain: n=20, a1=0, r1=2, i=4, a2=1");
    // Dodge's ChSP-1 with three preceding lots: P0 + P1 P0^3 (mpmath).
    ExpectClose(plan.dPa(RealOf(5.0)), 0.375870527024346);
    plan.vdDescribe("5", "0", "3", "3", "6");
    // Exact binomial values (mpmath): Pa, maximum B(2; 5), minimum B(0; 5) and the envelopes.
    ExpectClose(plan.dPa(RealOf(20.0)), 0.93275499266048);
    ExpectClose(plan.dPaMaximum(RealOf(20.0)), 0.94208);
    ExpectClose(plan.dPaMinimum(RealOf(20.0)), 0.32768);
    ExpectClose(plan.dPaUpperEnvelope(RealOf(20.0)), 0.942014464);
    ExpectClose(plan.dPaLowerEnvelope(RealOf(20.0)), 0.461897728);
    EXPECT_EQ(plan.dASN(RealOf(20.0)).dValue(), 5.0);
    EXPECT_EQ(plan.dExpectedStages(RealOf(20.0)).dValue(), 1.0);
    EXPECT_EQ(MessageOf(plan.dPaLowerEnvelope(RealOf(101.0))),
              "Percent Defective is greater than 100");
    for (double p : {0.0, 100.0})
        for (auto curve : {&SamplingPlan::dPa, &SamplingPlan::dPaMaximum, &SamplingPlan::dPaMinimum,
                           &SamplingPlan::dPaUpperEnvelope, &SamplingPlan::dPaLowerEnvelope})
            EXPECT_EQ((plan.*curve)(RealOf(p)).dValue(), p == 0.0 ? 1.0 : 0.0);
    // With i = 2 the envelopes are Pa itself.
    plan.vdDescribe("5", "0", "3", "2", "3");
    const double pa = plan.dPa(RealOf(20.0)).dValue();
    EXPECT_EQ(plan.dPaUpperEnvelope(RealOf(20.0)).dValue(), pa);
    EXPECT_EQ(plan.dPaLowerEnvelope(RealOf(20.0)).dValue(), pa);
}

// Read back with the other plans of a session file.
TEST_F(ChainPlanTest, RecordsItsTexts)
{
    DefectivesChainSamplingPlan plan;
    plan.vdDescribe("20", "0", "2", "3", "1");
    const std::string record = RecordOf(plan);
    EXPECT_EQ(record, "0 12 1 \"20\"  \"0\"  \"2\"  \"3\"  \"1\" ");
    EXPECT_EQ(RecordOf(*std::unique_ptr<SamplingPlan>(plan.Clone())), record);
    ReadClassPart<DefectivesChainSamplingPlan>("\"20\"  \"0\"  \"2\"  \"1\"  \"1\" ");
    EXPECT_TRUE(ReadErrorOccurred());
}

} // namespace
} // namespace Brosquin
