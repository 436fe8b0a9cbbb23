#include "plans/DefectsPerQuantityDoubleSamplingPlan.h"

#include "stats/DefectsPerQuantityDouble.h"

namespace Brosquin
{

namespace
{

const char* const methodSuffixes[] = {"", ", Curtail on Rejection",
                                      ", Curtail on Second Stage Rejection Only"};

const DoublePlanRules planRules{false, true, 2, methodSuffixes};

const DefectsPerQuantityDoubleSamplingPlan::Statistics planStatistics{
    DefectsPerQuantityDoubleProbabilityAcceptance,
    DefectsPerQuantityDoubleProbabilityAcceptanceFiniteLot,
    DefectsPerQuantityDoubleAverageSampleNumber,
    DefectsPerQuantityDoubleAverageSampleNumberFiniteLot,
    DefectsPerQuantityDoubleExpectedStages,
    DefectsPerQuantityDoubleExpectedStagesFiniteLot};

} // namespace

DefectsPerQuantityDoubleSamplingPlan::DefectsPerQuantityDoubleSamplingPlan()
    : DoubleSamplingPlan(planRules, planStatistics)
{
}

DefectsPerQuantityDoubleSamplingPlan::~DefectsPerQuantityDoubleSamplingPlan() = default;

DefectsPerQuantityDoubleSamplingPlan* DefectsPerQuantityDoubleSamplingPlan::Clone() const
{
    return new DefectsPerQuantityDoubleSamplingPlan(*this);
}

int DefectsPerQuantityDoubleSamplingPlan::SetFromText(const char* n1, const char* a1,
                                                      const char* r1, const char* n2,
                                                      const char* a2, const char* unitsText,
                                                      std::int8_t method, bool lotSizeGiven,
                                                      const char* lotSize, String& message)
{
    return ValidateDoublePlanTexts(planRules, {n1, a1, r1, n2, a2, method, lotSizeGiven, lotSize},
                                   unitsText, message);
}

void DefectsPerQuantityDoubleSamplingPlan::vdDescribe(const char* n1, const char* a1,
                                                      const char* r1, const char* n2,
                                                      const char* a2, const char* unitsText,
                                                      std::int8_t method, bool lotSizeGiven,
                                                      const char* lotSize)
{
    vdApply(n1, a1, r1, n2, a2, unitsText, method, lotSizeGiven, lotSize);
}

DefectsPerQuantityDoubleSamplingPlan* DefectsPerQuantityDoubleSamplingPlan::DesignFromTwoLevels(
    double aql, double ltpd, double p, double c0, double c1, const char* unitsText, String& message,
    const DesignProgress& progress)
{
    return Designed<DefectsPerQuantityDoubleSamplingPlan>(
        [&](double& s1, int& a1, int& r1, double& s2, int& a2)
        {
            return DefectsPerQuantityDoubleDesignTwoLevels(aql, ltpd, PaAtAQL().dValue(),
                                                           PaAtLTPD().dValue(), p, c0, c1, s1, a1,
                                                           r1, s2, a2, 0, progress);
        },
        unitsText, message);
}

DefectsPerQuantityDoubleSamplingPlan* DefectsPerQuantityDoubleSamplingPlan::DesignFromThreeLevels(
    double aql, double maximumAQL, double ltpd, double p, double c0, double c1,
    const char* unitsText, String& message, const DesignProgress& progress)
{
    return Designed<DefectsPerQuantityDoubleSamplingPlan>(
        [&](double& s1, int& a1, int& r1, double& s2, int& a2)
        {
            return DefectsPerQuantityDoubleDesignThreeLevels(
                aql, maximumAQL, ltpd, PaAtAQL().dValue(), PaAtLTPD().dValue(), p, c0, c1, s1, a1,
                r1, s2, a2, 0, progress);
        },
        unitsText, message);
}

} // namespace Brosquin
