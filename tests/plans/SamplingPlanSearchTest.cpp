#include "core/OptimizationInput.h"
#include "plans/SamplingPlan.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace Brosquin
{
namespace
{

// A plan over the whole real line with a logistic OC curve, 1 / (1 + e^(sign x)), and a parabola
// for its ASN: the generic searches of the base class can be checked against closed forms.
class LogisticPlan : public SamplingPlan
{
public:
    explicit LogisticPlan(bool falling) : falling(falling)
    {
        valid = true;
        unitsName = "Level";
    }
    LogisticPlan* Clone() const override { return new LogisticPlan(falling); }
    std::uint8_t CharacteristicId() const override { return 0; }
    const char* CharacteristicName() const override { return "Logistic"; }
    std::uint8_t PlanTypeId() const override { return 0; }
    const char* PlanTypeName() const override { return "Single"; }
    bool IsPaDecreasing() const override { return falling; }
    Real& dPa(const Real& p) override
    {
        return dEvaluateAt(
            p, p.dValue(), [&](double x) { return 1 / (1 + std::exp(falling ? x : -x)); },
            [](int) { return 0.0; });
    }
    Real& dASN(const Real& p) override
    {
        return dEvaluateAt(
            p, p.dValue(), [](double x) { return 10 - (x - 3) * (x - 3); },
            [](int) { return 0.0; });
    }
    void vdReadFromStream(std::istream&, double) override {}

private:
    bool falling;
};

class SamplingPlanSearchTest : public PlanTest
{
};

TEST_F(SamplingPlanSearchTest, UnboundedLevelsAreSearchedByDoublingBothWays)
{
    LogisticPlan plan(true);
    EXPECT_EQ(MessageOf(plan.dMinQualityLevel()), "-inf");
    EXPECT_EQ(MessageOf(plan.dMaxQualityLevel()), "+inf");
    // Pa = 1 / (1 + e^x) = P at x = ln(1/P - 1).
    for (double pa : {0.999, 0.95, 0.3, 0.1, 1e-9})
        ExpectClose(plan.dQualityLevelAtPa(RealOf(pa)), std::log((1 - pa) / pa), 1e-13);
    LogisticPlan rising(false);
    for (double pa : {0.95, 0.1})
        ExpectClose(rising.dQualityLevelAtPa(RealOf(pa)), -std::log(1 / pa - 1), 1e-13);
}

TEST_F(SamplingPlanSearchTest, SummaryOfAPlanWithoutAOQ)
{
    LogisticPlan plan(true);
    plan.vdUpdateSummary();
    ExpectClose(plan.AQLPoint(), std::log(1 / 0.95 - 1), 1e-13);
    ExpectClose(plan.LTPDPoint(), std::log(9.0), 1e-13);
    EXPECT_STREQ(plan.AQLPointText().Text(), "-2.9444");
    EXPECT_STREQ(plan.LTPDPointText().Text(), "2.1972");
    ExpectClose(plan.RangeUpper(), std::log(9.0), 1e-13);
    ExpectClose(plan.RangeLower(), std::log(1 / 0.95 - 1), 1e-13);
    // The parabola's top at 3 lies beyond the LTPD point: the search walks out to it.
    ExpectClose(plan.MaximumASN(), 10, 1e-14);
    ExpectClose(plan.MaximumCost(), 1, 1e-14);
    EXPECT_EQ(MessageOf(plan.AOQLValue()), "AOQ not defined for this characteric");
    EXPECT_STREQ(plan.AOQLText().Text(), "");
    EXPECT_EQ(MessageOf(plan.dAOQ(RealOf(1))), "AOQ not defined");
    EXPECT_EQ(MessageOf(plan.dAOQL()), "AOQL not defined");
    EXPECT_EQ(plan.dPaMaximum(RealOf(0.0)).dValue(), 0.5);
    EXPECT_EQ(plan.dPaLowerEnvelope(RealOf(0.0)).dValue(), 0.5);

    LogisticPlan rising(false);
    rising.vdUpdateSummary();
    ExpectClose(rising.RangeUpper(), -std::log(1 / 0.95 - 1), 1e-13);
    ExpectClose(rising.RangeLower(), -std::log(9.0), 1e-13);
}

TEST_F(SamplingPlanSearchTest, CurvesGiveTheMeasuresAtTheInputLevel)
{
    LogisticPlan plan(true);
    OptimizationInput input;
    input.value = RealOf(1);
    EXPECT_EQ(SamplingPlan::PaCurve(&plan, &input)->dValue(), 1 / (1 + std::exp(1.0)));
    EXPECT_EQ(SamplingPlan::PaMaximumCurve(&plan, &input)->dValue(), 1 / (1 + std::exp(1.0)));
    EXPECT_EQ(SamplingPlan::PaMinimumCurve(&plan, &input)->dValue(), 1 / (1 + std::exp(1.0)));
    EXPECT_EQ(SamplingPlan::ASNCurve(&plan, &input)->dValue(), 6);
    EXPECT_EQ(SamplingPlan::CostCurve(&plan, &input)->dValue(), 1);
    EXPECT_EQ(MessageOf(*SamplingPlan::AOQCurve(&plan, &input)), "AOQ not defined");
    input.value = MessageValue("Overflow");
    EXPECT_EQ(MessageOf(*SamplingPlan::PaCurve(&plan, &input)), "Overflow");
}

TEST_F(SamplingPlanSearchTest, TheBasePartOfTheRecord)
{
    LogisticPlan plan(true);
    plan.vdSetChecked(false);
    std::ostringstream out;
    plan.vdWriteToStream(out);
    EXPECT_EQ(out.str(), "0 0 0 ");
    // Only characteristics with quantity units take a units text.
    plan.vdSetUnitsText("Foot");
    EXPECT_STREQ(plan.QuantityUnitsText().Text(), "");
    EXPECT_STREQ(plan.UnitsName().Text(), "Level");
}

} // namespace
} // namespace Brosquin
