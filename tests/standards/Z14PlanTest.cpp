#include "core/RealOf.h"
#include "standards/DefectivesZ14SamplingPlan.h"
#include "standards/DefectsPerUnitZ14SamplingPlan.h"
#include "standards/StandardPlanClasses.h"
#include "tests/plans/PlanTestEnvironment.h"
#include "tests/standards/Z14SwitchingSimulation.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace Brosquin
{
namespace
{

class Z14PlanTest : public PlanTest
{
protected:
    template <class Plan>
    static std::unique_ptr<Plan> Z14(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                                     std::uint32_t planType, std::uint32_t option)
    {
        auto plan = std::make_unique<Plan>();
        plan->SetParameters(aql, level, lotSize, planType, option);
        return plan;
    }
    static std::unique_ptr<DefectivesZ14SamplingPlan> Defectives(std::uint32_t planType,
                                                                 std::uint32_t option)
    {
        return Z14<DefectivesZ14SamplingPlan>(10, 6, 8, planType, option);
    }
    static std::string Description(const SamplingPlan* plan)
    {
        return plan ? plan->Description().Text() : "none";
    }
};

const Real one = RealOf(1);
const Real zero = RealOf(0.0);

// AQL 1.0, level L-III, lots of 501 to 1200 (letter K) at 1 percent defective, or 1 defect per
// hundred units: z14_plan_values.py beside this test, exact with mpmath.
TEST_F(Z14PlanTest, SwitchingPlansAgainstExactValues)
{
    auto plan = Defectives(0, 4);
    ExpectClose(plan->dPa(one), 0.97749226762866937);
    ExpectClose(plan->dASN(one), 90.11487325007975);
    // With the limit number 7 for 1250 units, G = B(7; 1250, 0.01) = 0.0688549910612575.
    plan = Defectives(0, 3);
    ExpectClose(plan->dPa(one), 0.96455306316998492);
    ExpectClose(plan->dASN(one), 114.93629090966979);
    ExpectClose(plan->dExpectedStages(one), 1);
    plan = Defectives(1, 3);
    ExpectClose(plan->dPa(one), 0.9785625583962702);
    ExpectClose(plan->dASN(one), 90.150821134737234);
    ExpectClose(plan->dExpectedStages(one), 1.1938473596768584);
    plan = Defectives(2, 3);
    ExpectClose(plan->dPa(one), 0.96665105313793145);
    ExpectClose(plan->dASN(one), 80.851868711861511);
    ExpectClose(plan->dExpectedStages(one), 2.9957747313834357);
    auto perUnit = Z14<DefectsPerUnitZ14SamplingPlan>(10, 6, 8, 0, 3);
    ExpectClose(perUnit->dPa(one), 0.96368036448134584);
    ExpectClose(perUnit->dASN(one), 114.97919957608298);
}

// Plans whose lots without a nonconforming unit reach a limit number of 0 in 10 lots, while no
// run that holds one meets its limit (clean_run_cells.py): the switch to reduced inspection asks
// for 10 lots in a row accepted without one. At letter Q the double plan at AQL 0.025 accepts
// lots with one, the single plan at AQL 0.010 no other lot; at letter G the multiple plan at
// AQL 1.0 decides its clean lots at the third stage. Exact values: z14_plan_values.py beside this
// test. The rules run lot by lot over the real counts (z14_switching_simulation beside this test,
// 4 x 10^8 lots, seeds 1 to 5; standard errors from 100 batches) agree within 2 of their
// standard errors; counting a run of 10 accepted lots as clean with the chance (P0 / P)^10 gave
// the AQL 0.025 plan at 0.025 percent Pa 0.88404 and ASN 1667.2, 35 and 90 of these errors off.
TEST_F(Z14PlanTest, ALimitOfZeroAsksForRunsWithoutNonconformingUnits)
{
    const auto check = [](SamplingPlan& plan, double level, double pa, double asn,
                          SimulatedValue simulatedPa, SimulatedValue simulatedASN)
    {
        const Real p = RealOf(level);
        ExpectClose(plan.dPa(p), pa);
        ExpectClose(plan.dASN(p), asn);
        EXPECT_NEAR(NumberOf(plan.dPa(p)), simulatedPa.value, 2 * simulatedPa.error) << level;
        EXPECT_NEAR(NumberOf(plan.dASN(p)), simulatedASN.value, 2 * simulatedASN.error) << level;
    };
    auto q = Z14<DefectivesZ14SamplingPlan>(2, 5, 14, 1, 3);
    ASSERT_EQ(Description(q.get()),
              "Z1.4: AQL=0.025, L-II, 500,001 and over, Q, Switching - Full, Double");
    check(*q, 0.025, 0.88319098691357199, 1677.1026211671194, {0.883199, 2.4e-5}, {1677.08, 0.11});
    ExpectClose(q->dExpectedStages(RealOf(0.025)), 1.2347346521881597);
    check(*q, 0.01, 0.98787280347397403, 968.85616652158738, {0.987882, 5e-6}, {968.722, 0.088});
    check(*Z14<DefectivesZ14SamplingPlan>(0, 5, 14, 0, 3), 0.01, 0.88595498921243801,
          1222.2846200221594, {0.885963, 2.5e-5}, {1222.31, 0.13});
    auto g = Z14<DefectivesZ14SamplingPlan>(10, 4, 8, 2, 3);
    ASSERT_EQ(Description(g.get()),
              "Z1.4: AQL=1.0, L-I, 501 to 1200, G, Switching - Full, Multiple");
    check(*g, 0.5, 0.99302967100951054, 22.961083799204632, {0.993023, 5.2e-6}, {22.9657, 0.0033});
    ExpectClose(g->dExpectedStages(RealOf(0.5)), 3.2952572459361388);
    check(*Z14<DefectsPerUnitZ14SamplingPlan>(10, 4, 8, 2, 3), 0.5, 0.9927856074951131,
          22.995977795694098, {0.99279, 5.8e-6}, {22.9887, 0.0041});

    // A copy evaluates alike.
    ExpectClose(std::unique_ptr<SamplingPlan>(q->Clone())->dASN(RealOf(0.025)), 1677.1026211671194);

    // A short run of the simulation: the tool the values above come from still agrees.
    const SimulatedSwitching run =
        SimulateZ14Switching(SamplingPlan::DefectiveUnits, 2, 14, 1, 0.025 / 100, 250'000, 7);
    EXPECT_NEAR(NumberOf(q->dPa(RealOf(0.025))), run.pa.value, 4 * run.pa.error);
    EXPECT_NEAR(NumberOf(q->dASN(RealOf(0.025))), run.asn.value, 4 * run.asn.error);
}

TEST_F(Z14PlanTest, RegimesBoundsAndEnvelopes)
{
    // One regime: every Pa is the regime plan's.
    for (std::uint32_t option = 0; option < 3; ++option)
    {
        auto plan = Defectives(2, option);
        EXPECT_TRUE(plan->IsPaSingleValued());
        const double pa = NumberOf(plan->dPa(one));
        for (auto measure : {&SamplingPlan::dPaMaximum, &SamplingPlan::dPaMinimum,
                             &SamplingPlan::dPaUpperEnvelope, &SamplingPlan::dPaLowerEnvelope})
            EXPECT_EQ(NumberOf((plan.get()->*measure)(one)), pa) << option;
    }
    const Real two = RealOf(2);
    auto full = Defectives(1, 3);
    EXPECT_FALSE(full->IsPaSingleValued());
    const double normal = NumberOf(const_cast<SamplingPlan*>(full->NormalPlan())->dPa(two));
    const double tightened = NumberOf(const_cast<SamplingPlan*>(full->TightenedPlan())->dPa(two));
    const double reduced = NumberOf(const_cast<SamplingPlan*>(full->ReducedPlan())->dPa(two));
    EXPECT_EQ(NumberOf(full->dPaMaximum(two)), std::max({normal, tightened, reduced}));
    EXPECT_EQ(NumberOf(full->dPaMinimum(two)), std::min({normal, tightened, reduced}));
    EXPECT_EQ(NumberOf(full->dPaLowerEnvelope(two)), std::min({normal, tightened, reduced}));
    const double pa = NumberOf(full->dPa(two));
    EXPECT_TRUE(tightened < pa && pa < reduced);
    // Reduced inspection accepts best here: a reduced period that ends in a lot returning to
    // normal.
    const double stay = NumberOf(const_cast<SamplingPlan*>(full->ReducedStayPlan())->dPa(two));
    EXPECT_NEAR(NumberOf(full->dPaUpperEnvelope(two)), reduced * stay + normal * (1 - stay), 1e-15);
    auto noReduced = Defectives(1, 5);
    EXPECT_EQ(NumberOf(noReduced->dPaUpperEnvelope(two)), normal);
    EXPECT_EQ(NumberOf(noReduced->dPaMaximum(two)), normal);

    // Perfect quality stays on reduced inspection, or on normal when there is none.
    auto noLimits = Defectives(1, 4);
    EXPECT_EQ(NumberOf(noLimits->dPa(zero)), 1);
    EXPECT_EQ(NumberOf(noLimits->dASN(zero)),
              NumberOf(const_cast<SamplingPlan*>(noLimits->ReducedPlan())->dASN(zero)));
    EXPECT_EQ(NumberOf(full->dASN(zero)), NumberOf(noLimits->dASN(zero)));
    EXPECT_EQ(NumberOf(noReduced->dASN(zero)), 80);
}

TEST_F(Z14PlanTest, ComponentsOfTheOptions)
{
    auto plan = Defectives(0, 3);
    EXPECT_EQ(Description(plan.get()),
              "Z1.4: AQL=1.0, L-III, 501 to 1200, K, Switching - Full, Single");
    const std::vector<std::vector<bool>> present = {
        {true, false, false, false}, {false, true, false, false}, {false, false, true, false},
        {true, true, true, true},    {true, true, true, true},    {true, true, false, false}};
    for (std::uint32_t option = 0; option < 6; ++option)
    {
        plan->SetParameters(10, 6, 8, 0, option);
        EXPECT_EQ(
            (std::vector<bool>{plan->NormalPlan() != nullptr, plan->TightenedPlan() != nullptr,
                               plan->ReducedPlan() != nullptr, plan->ReducedStayPlan() != nullptr}),
            present[option])
            << option;
    }
    // The reduced plans: the lot is accepted below the last reject number, and inspection stays
    // on reduced up to the table's accept number.
    plan->SetParameters(10, 6, 8, 1, 3);
    EXPECT_EQ(Description(plan->ReducedPlan()), "Double: n1=32, a1=0, r1=4, n2=32, a2=4");
    EXPECT_EQ(Description(plan->ReducedStayPlan()), "Double: n1=32, a1=0, r1=2, n2=32, a2=1");
    // Letter H: the first sample decides; letter J: the last stage can no longer be reached.
    plan->SetParameters(10, 6, 6, 1, 3);
    EXPECT_EQ(Description(plan->ReducedStayPlan()), "Single: n=13, a=0");
    plan->SetParameters(10, 5, 8, 2, 3);
    EXPECT_TRUE(Description(plan->ReducedStayPlan())
                    .starts_with("Multiple: S=6, n1=8, a1=-1, r1=2, n2=8, a2=-1, r2=2,"));
    // A reduced multiple plan whose first stage already decides stays on reduced as a single
    // plan.
    Z14Plan decided;
    decided.planType = Z14Multiple;
    decided.n = 5;
    for (int k = 0; k < 7; ++k)
    {
        decided.accept[k] = k < 6 ? 0 : 2;
        decided.reject[k] = 3;
    }
    EXPECT_EQ(Description(DefectivesZ14SamplingPlan::NewStayPlan(decided, 1).get()),
              "Single: n=5, a=0");
    // The double plan for defective units refuses (2; 0, 3; 2; 3), which two stages take.
    plan->SetParameters(15, 6, 2, 1, 2);
    EXPECT_TRUE(Description(plan->ReducedPlan())
                    .starts_with("Multiple: S=2, n1=2, a1=0, r1=3, n2=2, a2=3, r2=4"));
    EXPECT_EQ(Description(Z14<DefectsPerUnitZ14SamplingPlan>(15, 6, 2, 1, 2)->ReducedPlan()),
              "Double: n1=2, a1=0, r1=3, n2=2, a2=3");
    // Where the tables have no double plan the single plan is in effect; the type stays.
    plan->SetParameters(10, 0, 8, 1, 0);
    EXPECT_EQ(Description(plan.get()), "Z1.4: AQL=1.0, S-1, 501 to 1200, C, Normal, Double");
    EXPECT_EQ(Description(plan->NormalPlan()), "Single: n=13, a=0");
    // "25" reads the standard's AQL 25.
    auto perUnit = Z14<DefectsPerUnitZ14SamplingPlan>(16, 0, 0, 0, 0);
    EXPECT_EQ(Description(perUnit.get()), "Z1.4: AQL=25, S-1, 2 to 8, A, Normal, Single");

    // A copy has plans of its own; new units reach every plan, which Pa in them shows.
    auto copy = std::unique_ptr<DefectivesZ14SamplingPlan>(Defectives(2, 3)->Clone());
    EXPECT_EQ(Description(copy.get()),
              "Z1.4: AQL=1.0, L-III, 501 to 1200, K, Switching - Full, Multiple");
    ExpectClose(copy->dPa(one), 0.96665105313793145);
    copy->vdSetUnits(0);
    ExpectClose(copy->dPa(RealOf(0.01)), 0.96665105313793145);
    // Plans set while the current units are others read levels in the plan's own units.
    copy->SetParameters(10, 6, 8, 2, 3);
    ExpectClose(copy->dPa(RealOf(0.01)), 0.96665105313793145);
    auto perHundred = Z14<DefectsPerUnitZ14SamplingPlan>(10, 6, 8, 0, 3);
    perHundred->vdSetUnits(0);
    perHundred->SetParameters(10, 6, 8, 0, 3);
    ExpectClose(perHundred->dPa(RealOf(0.01)), 0.96368036448134584);
}

// Every plan the tables lead to is one its class accepts: for each characteristic, every plan in
// effect of every regime, and the plan that keeps inspection on reduced.
TEST_F(Z14PlanTest, EveryCombinationMakesValidPlans)
{
    for (std::uint8_t characteristic : {0, 1})
        for (std::uint32_t aql = 0; aql < Z14ChoiceCounts(characteristic)[0]; ++aql)
            for (std::uint32_t letter = 0; letter < 16; ++letter)
                for (std::uint32_t type = 0; type < 3; ++type)
                    for (Z14Regime regime :
                         {Z14Regime::Normal, Z14Regime::Tightened, Z14Regime::Reduced})
                    {
                        const Z14Plan cell = Z14PlanInEffect(Z14AqlTableRow(characteristic, aql),
                                                             letter, type, regime);
                        const bool defectives = characteristic == SamplingPlan::DefectiveUnits;
                        for (const auto& plan :
                             {defectives ? DefectivesZ14SamplingPlan::NewPlan(cell, 1)
                                         : DefectsPerUnitZ14SamplingPlan::NewPlan(cell, 1),
                              defectives ? DefectivesZ14SamplingPlan::NewStayPlan(cell, 1)
                                         : DefectsPerUnitZ14SamplingPlan::NewStayPlan(cell, 1)})
                            EXPECT_TRUE(plan->IsValid())
                                << int(characteristic) << " " << aql << " " << letter << " " << type
                                << " " << int(regime) << ": " << Description(plan.get());
                    }
}

TEST_F(Z14PlanTest, RecordsAndBadValues)
{
    auto plan = Z14<DefectivesZ14SamplingPlan>(10, 5, 8, 0, 3);
    EXPECT_EQ(RecordOf(*plan), "0 4 1 10 5 8 0 3");

    // Whole records through the plan factory.
    vdAddStandardPlanClasses();
    auto whole = ReadRecord("0 4 1 10 5 8 0 3");
    ASSERT_NE(whole, nullptr);
    EXPECT_FALSE(ReadErrorOccurred());
    EXPECT_EQ(Description(whole.get()),
              "Z1.4: AQL=1.0, L-II, 501 to 1200, J, Switching - Full, Single");
    whole = ReadRecord("1 4 0 23 6 14 2 5");
    EXPECT_FALSE(ReadErrorOccurred());
    ASSERT_NE(dynamic_cast<DefectsPerUnitZ14SamplingPlan*>(whole.get()), nullptr);
    EXPECT_TRUE(whole->IsValid());
    EXPECT_FALSE(whole->IsChecked());

    // Each choice a whole number within its list, which for the AQL is the characteristic's:
    // 10.5 is neither index 10 nor AQL 1.5.
    for (const char* bad :
         {"10 5 8 0 9", "-1 5 8 0 3", "10 5 8 0 \"x\"", "1e300 5 8 0 3", "16.5 5 8 0 3",
          "10.5 5 8 0 3", "16 5 8 0 3", "10 7 8 0 3", "10 5 15 0 3", "10 5 8 3 3", "10 5 8 0", ""})
    {
        const auto back = ReadClassPart<DefectivesZ14SamplingPlan>(bad);
        EXPECT_TRUE(ReadErrorOccurred()) << bad;
        EXPECT_FALSE(back->IsValid()) << bad;
        EXPECT_EQ(back->NormalPlan(), nullptr) << bad;
    }
    EXPECT_FALSE(ReadClassPart<DefectsPerUnitZ14SamplingPlan>("24 0 0 0 0")->IsValid());
    EXPECT_TRUE(ReadErrorOccurred());

    // Quality levels out of range or not numbers come back as messages.
    for (auto measure : {&SamplingPlan::dPa, &SamplingPlan::dASN, &SamplingPlan::dPaMaximum,
                         &SamplingPlan::dPaUpperEnvelope, &SamplingPlan::dExpectedStages})
    {
        EXPECT_EQ(MessageOf((plan.get()->*measure)(RealOf(150))),
                  "Percent Defective is greater than 100");
        EXPECT_EQ(MessageOf((plan.get()->*measure)(RealOf(-1))),
                  "Percent Defective is less than 0");
        EXPECT_EQ(MessageOf((plan.get()->*measure)(MessageValue("Overflow"))), "Overflow");
    }
    // Plans never set, or set from choices outside the lists, have no values.
    DefectivesZ14SamplingPlan unset;
    EXPECT_EQ(MessageOf(unset.dPa(one)), "Invalid plan");
    unset.SetParameters(99, 0, 0, 0, 0);
    EXPECT_FALSE(unset.IsValid());
    EXPECT_EQ(MessageOf(unset.dASN(one)), "Invalid plan");
}

} // namespace
} // namespace Brosquin
