#include "plans/DefectsPerUnitMultipleSamplingPlan.h"

#include "stats/DefectsPerUnitMultiple.h"

namespace Brosquin
{

namespace
{

const char* const methodSuffixes[] = {"", ", Curtail on Rejection All Stages",
                                      ", Curtail on Rejection Except First Stage"};

const MultiplePlanRules planRules{false, false, 2, methodSuffixes};

const DefectsPerUnitMultipleSamplingPlan::Statistics planStatistics{
    DefectsPerUnitMultipleMeasures, DefectsPerUnitMultipleMeasuresFiniteLot,
    PrepareDefectsConditionals};

} // namespace

DefectsPerUnitMultipleSamplingPlan::DefectsPerUnitMultipleSamplingPlan()
    : MultipleSamplingPlan(planRules, planStatistics)
{
}

DefectsPerUnitMultipleSamplingPlan::~DefectsPerUnitMultipleSamplingPlan() = default;

DefectsPerUnitMultipleSamplingPlan* DefectsPerUnitMultipleSamplingPlan::Clone() const
{
    return new DefectsPerUnitMultipleSamplingPlan(*this);
}

int DefectsPerUnitMultipleSamplingPlan::SetFromText(int S, const String n[], const String a[],
                                                    const String r[], std::int8_t method,
                                                    bool lotSizeGiven, const char* lotSize,
                                                    String& message)
{
    return ValidateMultiplePlanTexts(planRules, S, n, a, r, nullptr, method, lotSizeGiven, lotSize,
                                     message);
}

void DefectsPerUnitMultipleSamplingPlan::vdDescribe(int S, const String n[], const String a[],
                                                    const String r[], std::int8_t method,
                                                    bool lotSizeGiven, const char* lotSize)
{
    vdApply(S, n, a, r, nullptr, method, lotSizeGiven, lotSize);
}

} // namespace Brosquin
