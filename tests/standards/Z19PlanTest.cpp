#include "core/RealOf.h"
#include "standards/DefectivesZ19SamplingPlan.h"
#include "standards/StandardPlanClasses.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace Brosquin
{
namespace
{

using Plan = DefectivesZ19SamplingPlan;

class Z19PlanTest : public PlanTest
{
protected:
    // AQL 1.0, level L-II, lots of 501 to 1200: letter J.
    static std::unique_ptr<Plan> Z19(std::uint32_t planType, std::uint32_t option)
    {
        auto plan = std::make_unique<Plan>();
        plan->SetParameters(5, 3, 9, planType, option);
        return plan;
    }
    static double Of(const DefectivesVariablesSingleSamplingPlan* part,
                     Real& (SamplingPlan::*measure)(const Real&), const Real& p)
    {
        return NumberOf((const_cast<DefectivesVariablesSingleSamplingPlan*>(part)->*measure)(p));
    }
};

const Real one = RealOf(1);
const Real two = RealOf(2);

// Percent defective at 1 and 2: z19_plan_values.py beside this test, with mpmath; the noncentral
// t by quadrature.
TEST_F(Z19PlanTest, ValuesAgainstExactReferences)
{
    auto plan = Z19(0, 0);
    ExpectClose(plan->dPa(one), 0.93897118617694394);
    ExpectClose(plan->dPa(two), 0.72637428304126425);
    plan = Z19(1, 0);
    ExpectClose(plan->dPa(one), 0.93973537504906923);
    plan = Z19(1, 3);
    ExpectClose(plan->dPa(one), 0.947421213815728);
    ExpectClose(plan->dASN(one), 8.3585285484015789);
    ExpectClose(plan->dPaUpperEnvelope(one), 0.95676265740805607);
    plan = Z19(1, 4);
    ExpectClose(plan->dPa(one), 0.93218948490049709);
    ExpectClose(plan->dASN(one), 11.916502947969185);

    plan = Z19(3, 0);
    ExpectClose(plan->dPa(one), 0.94167248473924459, 1e-10);
    ExpectClose(plan->dPa(two), 0.73606804634167508, 1e-10);
    plan = Z19(4, 3);
    ExpectClose(plan->dPa(one), 0.94687101636123055, 1e-10);
}

// The shares themselves are checked against the switching chain with those of Z1.4.
TEST_F(Z19PlanTest, SwitchingAtTheEndsOfQuality)
{
    // Perfect quality stays on reduced inspection, or on normal without it.
    const Real zero = RealOf(0.0);
    auto full = Z19(1, 3);
    EXPECT_EQ(NumberOf(full->dPa(zero)), 1);
    EXPECT_EQ(NumberOf(full->dASN(zero)), 6);
    EXPECT_EQ(NumberOf(Z19(1, 4)->dASN(zero)), 12);
    // Where tightened inspection lets almost no lot pass, every lot is inspected there.
    const Real bad = RealOf(80);
    const double tightened = Of(full->TightenedPlan(), &SamplingPlan::dPa, bad);
    EXPECT_LT(std::pow(tightened, 5), 1e-100);
    EXPECT_EQ(NumberOf(full->dPa(bad)), tightened);
    EXPECT_EQ(NumberOf(full->dASN(bad)), 11);
}

TEST_F(Z19PlanTest, PlansOfTheChoices)
{
    auto plan = Z19(3, 0);
    EXPECT_STREQ(plan->Description().Text(),
                 "Z1.9: AQL=1.0, L-II, 501 to 1200, J, Normal, SD Unknown, 1 Spec, k (Form 1)");
    EXPECT_TRUE(plan->IsPaSingleValued());
    EXPECT_STREQ(plan->NormalPlan()->Description().Text(),
                 "Variables Single - Unknown SD - 1 Spec: n=35, k=1.89");
    EXPECT_EQ(NumberOf(plan->dPa(one)), Of(plan->NormalPlan(), &SamplingPlan::dPa, one));

    // The regimes each option runs; Pa with two limits is known only between bounds.
    const bool present[5][3] = {{true, false, false},
                                {false, true, false},
                                {false, false, true},
                                {true, true, true},
                                {true, true, false}};
    for (std::uint32_t option = 0; option < 5; ++option)
    {
        plan->SetParameters(5, 3, 9, 1, option);
        EXPECT_EQ(plan->NormalPlan() != nullptr, present[option][0]) << option;
        EXPECT_EQ(plan->TightenedPlan() != nullptr, present[option][1]) << option;
        EXPECT_EQ(plan->ReducedPlan() != nullptr, present[option][2]) << option;
        EXPECT_EQ(plan->IsPaSingleValued(), option < 3) << option;
        for (std::uint32_t type : {2u, 5u})
            EXPECT_FALSE(Z19(type, option)->IsPaSingleValued());
    }

    // SD known with two limits: the Cp of the largest SD the AQL allows.
    plan = Z19(2, 3);
    for (const auto* part : {plan->NormalPlan(), plan->TightenedPlan(), plan->ReducedPlan()})
    {
        EXPECT_STREQ(part->CpText().Text(), "0.905797101449275");
        EXPECT_TRUE(part->HasBand());
        EXPECT_FALSE(part->IsForm1());
    }
    auto unknown = Z19(5, 0);
    EXPECT_STREQ(unknown->NormalPlan()->CpText().Text(), "0");
    EXPECT_FALSE(unknown->NormalPlan()->HasBand());

    // The bounds of a switching plan are those of its regimes.
    const auto regimes = [&plan](Real& (SamplingPlan::*measure)(const Real&))
    {
        return std::array{Of(plan->NormalPlan(), measure, two),
                          Of(plan->TightenedPlan(), measure, two),
                          Of(plan->ReducedPlan(), measure, two)};
    };
    const auto maxima = regimes(&SamplingPlan::dPaMaximum);
    const auto minima = regimes(&SamplingPlan::dPaMinimum);
    EXPECT_EQ(NumberOf(plan->dPaMaximum(two)), std::ranges::max(maxima));
    EXPECT_EQ(NumberOf(plan->dPaMinimum(two)), std::ranges::min(minima));
    EXPECT_EQ(NumberOf(plan->dPaLowerEnvelope(two)), std::ranges::min(minima));
    const double pa = NumberOf(plan->dPa(two));
    EXPECT_TRUE(pa > std::ranges::min(minima) && pa < std::ranges::max(maxima));
    EXPECT_EQ(NumberOf(Z19(2, 4)->dPaUpperEnvelope(two)), std::max(maxima[0], maxima[1]));
    auto normal = Z19(2, 0);
    EXPECT_EQ(NumberOf(normal->dPaMaximum(two)), maxima[0]);
    EXPECT_EQ(NumberOf(normal->dPaMinimum(two)), minima[0]);

    // A copy has plans of its own, which new units reach; vdCopyTo puts values back.
    auto copy = std::unique_ptr<Plan>(plan->Clone());
    plan->SetParameters(0, 0, 0, 0, 0);
    EXPECT_STREQ(copy->Description().Text(),
                 "Z1.9: AQL=1.0, L-II, 501 to 1200, J, Switching - Full, SD Known, 2 Specs, M "
                 "(Form 2)");
    EXPECT_EQ(NumberOf(copy->dPa(two)), pa);
    copy->vdSetUnits(0);
    EXPECT_EQ(NumberOf(copy->dPa(RealOf(0.02))), pa);
    copy->vdSetUnits(1);
    copy->vdCopyTo(*plan);
    EXPECT_EQ(plan->OptionIndex(), 3u);
    EXPECT_EQ(NumberOf(plan->dPa(two)), pa);
    EXPECT_NE(plan->NormalPlan(), copy->NormalPlan());
}

TEST_F(Z19PlanTest, RecordsAndBadValues)
{
    auto plan = Z19(3, 0);
    EXPECT_EQ(RecordOf(*plan), "0 9 1 5 3 9 3 0");

    vdAddStandardPlanClasses();
    auto back = ReadRecord("0 9 1 5 3 9 3 0");
    ASSERT_NE(dynamic_cast<Plan*>(back.get()), nullptr);
    EXPECT_FALSE(ReadErrorOccurred());
    EXPECT_EQ(back->Description().Text(), std::string(plan->Description().Text()));
    back = ReadRecord("0 9 0 10 4 15 5 4");
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(ReadErrorOccurred());
    EXPECT_FALSE(back->IsChecked());
    // Each choice a whole number within its list.
    for (const char* bad :
         {"0 9 1 5.5 3 9 3 0", "0 9 1 5 3 9.99 3 0", "0 9 1 5 3 9 3 0.5", "0 9 1 11 0 0 0 0",
          "0 9 1 5 3 9 -1 0", "0 9 1 5 3 9 3 1e300", "0 9 1 5 3 9 3 \"x\"", "0 9 1 5 5 0 0 0",
          "0 9 1 5 0 16 0 0", "0 9 1 5 0 0 6 0", "0 9 1 5 0 0 0 5", "0 9 1 5 0 0 6.5 0",
          "0 9 1 5 0 0 0"})
    {
        back = ReadRecord(bad);
        EXPECT_TRUE(ReadErrorOccurred()) << bad;
    }

    // Quality levels out of range or not numbers come back as messages.
    auto full = Z19(4, 3);
    for (auto measure : {&SamplingPlan::dPa, &SamplingPlan::dASN, &SamplingPlan::dPaMinimum,
                         &SamplingPlan::dPaUpperEnvelope})
        for (Plan* each : {plan.get(), full.get()})
        {
            EXPECT_EQ(MessageOf((each->*measure)(RealOf(150))),
                      "Percent Defective is greater than 100");
            EXPECT_EQ(MessageOf((each->*measure)(RealOf(-1))), "Percent Defective is less than 0");
            EXPECT_EQ(MessageOf((each->*measure)(MessageValue("Overflow"))), "Overflow");
        }
    // Plans never set, or set from choices outside the lists, have no values.
    Plan unset;
    EXPECT_STREQ(unset.Description().Text(), "No plan entered.");
    EXPECT_EQ(MessageOf(unset.dPa(one)), "Invalid plan");
    unset.SetParameters(0, 0, 0, 6, 0);
    EXPECT_TRUE(unset.IsPaSingleValued());
    unset.SetParameters(0, 0, 0, 0, 5);
    EXPECT_FALSE(unset.IsValid());
    // The check takes the last item of every list and names the first index beyond its list.
    String message("kept");
    EXPECT_EQ(Plan::CheckParameters(10, 4, 15, 5, 4, message), 0);
    EXPECT_STREQ(message.Text(), "kept");
    EXPECT_EQ(Plan::CheckParameters(10, 4, 15, 6, 5, message), 4);
    EXPECT_STREQ(message.Text(), "Type is not one of the choices.");
    EXPECT_EQ(unset.NormalPlan(), nullptr);
    EXPECT_EQ(MessageOf(unset.dPaUpperEnvelope(one)), "Invalid plan");
}

} // namespace
} // namespace Brosquin
