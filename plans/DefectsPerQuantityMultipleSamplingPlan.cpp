#include "plans/DefectsPerQuantityMultipleSamplingPlan.h"

#include "stats/DefectsPerQuantityMultiple.h"

namespace Brosquin
{

namespace
{

const char* const methodSuffixes[] = {"", ", Curtail on Rejection All Stages",
                                      ", Curtail on Rejection Except First Stage"};

const MultiplePlanRules planRules{false, true, 2, methodSuffixes};

const DefectsPerQuantityMultipleSamplingPlan::Statistics planStatistics{
    DefectsPerQuantityMultipleMeasures, DefectsPerQuantityMultipleMeasuresFiniteLot,
    PrepareDefectsConditionals};

} // namespace

DefectsPerQuantityMultipleSamplingPlan::DefectsPerQuantityMultipleSamplingPlan()
    : MultipleSamplingPlan(planRules, planStatistics)
{
}

DefectsPerQuantityMultipleSamplingPlan::~DefectsPerQuantityMultipleSamplingPlan() = default;

DefectsPerQuantityMultipleSamplingPlan* DefectsPerQuantityMultipleSamplingPlan::Clone() const
{
    return new DefectsPerQuantityMultipleSamplingPlan(*this);
}

int DefectsPerQuantityMultipleSamplingPlan::SetFromText(int S, const String n[], const String a[],
                                                        const String r[], const char* unitsText,
                                                        std::int8_t method, bool lotSizeGiven,
                                                        const char* lotSize, String& message)
{
    return ValidateMultiplePlanTexts(planRules, S, n, a, r, unitsText, method, lotSizeGiven,
                                     lotSize, message);
}

void DefectsPerQuantityMultipleSamplingPlan::vdDescribe(int S, const String n[], const String a[],
                                                        const String r[], const char* unitsText,
                                                        std::int8_t method, bool lotSizeGiven,
                                                        const char* lotSize)
{
    vdApply(S, n, a, r, unitsText, method, lotSizeGiven, lotSize);
}

} // namespace Brosquin
