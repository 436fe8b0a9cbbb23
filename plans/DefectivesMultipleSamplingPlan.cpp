#include "plans/DefectivesMultipleSamplingPlan.h"

#include "stats/DefectivesMultiple.h"

namespace Brosquin
{

namespace
{

// The two blanks of code 5 are the suffix as it has always been written.
const char* const methodSuffixes[] = {"",
                                      ", Full Curtailing",
                                      ", Curtail on Acceptance All Stages",
                                      ", Curtail on Rejection All Stages",
                                      ", Curtail Except First Stage",
                                      ", Curtail on  Acceptance Except First Stage",
                                      ", Curtail on Rejection Except First Stage"};

const MultiplePlanRules planRules{true, false, 6, methodSuffixes};

const DefectivesMultipleSamplingPlan::Statistics planStatistics{
    DefectivesMultipleMeasures, DefectivesMultipleMeasuresFiniteLot, PrepareDefectivesConditionals};

} // namespace

DefectivesMultipleSamplingPlan::DefectivesMultipleSamplingPlan()
    : MultipleSamplingPlan(planRules, planStatistics)
{
}

DefectivesMultipleSamplingPlan::~DefectivesMultipleSamplingPlan() = default;

DefectivesMultipleSamplingPlan* DefectivesMultipleSamplingPlan::Clone() const
{
    return new DefectivesMultipleSamplingPlan(*this);
}

int DefectivesMultipleSamplingPlan::SetFromText(int S, const String n[], const String a[],
                                                const String r[], std::int8_t method,
                                                bool lotSizeGiven, const char* lotSize,
                                                String& message)
{
    return ValidateMultiplePlanTexts(planRules, S, n, a, r, nullptr, method, lotSizeGiven, lotSize,
                                     message);
}

void DefectivesMultipleSamplingPlan::vdDescribe(int S, const String n[], const String a[],
                                                const String r[], std::int8_t method,
                                                bool lotSizeGiven, const char* lotSize)
{
    vdApply(S, n, a, r, nullptr, method, lotSizeGiven, lotSize);
}

} // namespace Brosquin
