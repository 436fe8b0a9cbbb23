#include "plans/DefectivesDoubleSamplingPlan.h"

#include "stats/DefectivesDouble.h"

namespace Brosquin
{

namespace
{

const char* const methodSuffixes[] = {"",
                                      ", Full Curtailing",
                                      ", Curtail on Acceptance Only",
                                      ", Curtail on Rejection Only",
                                      ", Curtail on Second Stage Only",
                                      ", Curtail on Second Stage Acceptance Only",
                                      ", Curtail on Second Stage Rejection Only"};

const DoublePlanRules planRules{true, false, 6, methodSuffixes};

const DefectivesDoubleSamplingPlan::Statistics planStatistics{
    DefectivesDoubleProbabilityAcceptance, DefectivesDoubleProbabilityAcceptanceFiniteLot,
    DefectivesDoubleAverageSampleNumber,   DefectivesDoubleAverageSampleNumberFiniteLot,
    DefectivesDoubleExpectedStages,        DefectivesDoubleExpectedStagesFiniteLot};

} // namespace

DefectivesDoubleSamplingPlan::DefectivesDoubleSamplingPlan()
    : DoubleSamplingPlan(planRules, planStatistics)
{
}

DefectivesDoubleSamplingPlan::~DefectivesDoubleSamplingPlan() = default;

DefectivesDoubleSamplingPlan* DefectivesDoubleSamplingPlan::Clone() const
{
    return new DefectivesDoubleSamplingPlan(*this);
}

int DefectivesDoubleSamplingPlan::SetFromText(const char* n1, const char* a1, const char* r1,
                                              const char* n2, const char* a2, std::int8_t method,
                                              bool lotSizeGiven, const char* lotSize,
                                              String& message)
{
    return ValidateDoublePlanTexts(planRules, {n1, a1, r1, n2, a2, method, lotSizeGiven, lotSize},
                                   nullptr, message);
}

void DefectivesDoubleSamplingPlan::vdDescribe(const char* n1, const char* a1, const char* r1,
                                              const char* n2, const char* a2, std::int8_t method,
                                              bool lotSizeGiven, const char* lotSize)
{
    vdApply(n1, a1, r1, n2, a2, nullptr, method, lotSizeGiven, lotSize);
}

DefectivesDoubleSamplingPlan*
DefectivesDoubleSamplingPlan::DesignFromTwoLevels(double aql, double ltpd, double p, double c0,
                                                  double c1, String& message,
                                                  const DesignProgress& progress)
{
    const double factor = Units().dFactor(Units().CurrentIndex());
    return Designed<DefectivesDoubleSamplingPlan>(
        [&](int& n1, int& a1, int& r1, int& n2, int& a2)
        {
            return DefectivesDoubleDesignTwoLevels(aql / factor, ltpd / factor, PaAtAQL().dValue(),
                                                   PaAtLTPD().dValue(), p / factor, c0, c1, n1, a1,
                                                   r1, n2, a2, 0, progress);
        },
        nullptr, message);
}

DefectivesDoubleSamplingPlan*
DefectivesDoubleSamplingPlan::DesignFromThreeLevels(double aql, double maximumAQL, double ltpd,
                                                    double p, double c0, double c1, String& message,
                                                    const DesignProgress& progress)
{
    const double factor = Units().dFactor(Units().CurrentIndex());
    return Designed<DefectivesDoubleSamplingPlan>(
        [&](int& n1, int& a1, int& r1, int& n2, int& a2)
        {
            return DefectivesDoubleDesignThreeLevels(
                aql / factor, maximumAQL / factor, ltpd / factor, PaAtAQL().dValue(),
                PaAtLTPD().dValue(), p / factor, c0, c1, n1, a1, r1, n2, a2, 0, progress);
        },
        nullptr, message);
}

} // namespace Brosquin
