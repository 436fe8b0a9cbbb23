#include "plans/DefectsPerUnitDoubleSamplingPlan.h"

#include "stats/DefectsPerUnitDouble.h"

namespace Brosquin
{

namespace
{

const char* const methodSuffixes[] = {"", ", Curtail on Rejection",
                                      ", Curtail on Second Stage Rejection Only"};

const DoublePlanRules planRules{false, false, 2, methodSuffixes};

const DefectsPerUnitDoubleSamplingPlan::Statistics planStatistics{
    DefectsPerUnitDoubleProbabilityAcceptance, DefectsPerUnitDoubleProbabilityAcceptanceFiniteLot,
    DefectsPerUnitDoubleAverageSampleNumber,   DefectsPerUnitDoubleAverageSampleNumberFiniteLot,
    DefectsPerUnitDoubleExpectedStages,        DefectsPerUnitDoubleExpectedStagesFiniteLot};

} // namespace

DefectsPerUnitDoubleSamplingPlan::DefectsPerUnitDoubleSamplingPlan()
    : DoubleSamplingPlan(planRules, planStatistics)
{
}

DefectsPerUnitDoubleSamplingPlan::~DefectsPerUnitDoubleSamplingPlan() = default;

DefectsPerUnitDoubleSamplingPlan* DefectsPerUnitDoubleSamplingPlan::Clone() const
{
    return new DefectsPerUnitDoubleSamplingPlan(*this);
}

int DefectsPerUnitDoubleSamplingPlan::SetFromText(const char* n1, const char* a1, const char* r1,
                                                  const char* n2, const char* a2,
                                                  std::int8_t method, bool lotSizeGiven,
                                                  const char* lotSize, String& message)
{
    return ValidateDoublePlanTexts(planRules, {n1, a1, r1, n2, a2, method, lotSizeGiven, lotSize},
                                   nullptr, message);
}

void DefectsPerUnitDoubleSamplingPlan::vdDescribe(const char* n1, const char* a1, const char* r1,
                                                  const char* n2, const char* a2,
                                                  std::int8_t method, bool lotSizeGiven,
                                                  const char* lotSize)
{
    vdApply(n1, a1, r1, n2, a2, nullptr, method, lotSizeGiven, lotSize);
}

DefectsPerUnitDoubleSamplingPlan*
DefectsPerUnitDoubleSamplingPlan::DesignFromTwoLevels(double aql, double ltpd, double p, double c0,
                                                      double c1, String& message,
                                                      const DesignProgress& progress)
{
    const double factor = Units().dFactor(Units().CurrentIndex());
    return Designed<DefectsPerUnitDoubleSamplingPlan>(
        [&](int& n1, int& a1, int& r1, int& n2, int& a2)
        {
            return DefectsPerUnitDoubleDesignTwoLevels(aql / factor, ltpd / factor,
                                                       PaAtAQL().dValue(), PaAtLTPD().dValue(),
                                                       p / factor, c0, c1, n1, a1, r1, n2, a2, 0,
                                                       progress);
        },
        nullptr, message);
}

DefectsPerUnitDoubleSamplingPlan* DefectsPerUnitDoubleSamplingPlan::DesignFromThreeLevels(
    double aql, double maximumAQL, double ltpd, double p, double c0, double c1, String& message,
    const DesignProgress& progress)
{
    const double factor = Units().dFactor(Units().CurrentIndex());
    return Designed<DefectsPerUnitDoubleSamplingPlan>(
        [&](int& n1, int& a1, int& r1, int& n2, int& a2)
        {
            return DefectsPerUnitDoubleDesignThreeLevels(
                aql / factor, maximumAQL / factor, ltpd / factor, PaAtAQL().dValue(),
                PaAtLTPD().dValue(), p / factor, c0, c1, n1, a1, r1, n2, a2, 0, progress);
        },
        nullptr, message);
}

} // namespace Brosquin
