#include "plans/DefectivesSingleSamplingPlan.h"

#include "core/RealOf.h"
#include "plans/SinglePlanTexts.h"
#include "stats/DefectivesSingle.h"

namespace Brosquin
{

namespace
{

const char* const methodSuffixes[] = {"", ", Full Curtailing", ", Curtail on Acceptance Only",
                                      ", Curtail on Rejection Only"};

const SinglePlanRules planRules{
    true, "Sample size must be positive integer.", true, false, 3, methodSuffixes, true};

void Describe(DefectivesSingleSamplingPlan& plan, const char* sampleSize, const char* acceptNumber)
{
    plan.vdDescribe(sampleSize, acceptNumber, 0, false, "");
}

} // namespace

DefectivesSingleSamplingPlan::DefectivesSingleSamplingPlan() : CountedSinglePlan(planRules) {}

DefectivesSingleSamplingPlan::~DefectivesSingleSamplingPlan() = default;

DefectivesSingleSamplingPlan* DefectivesSingleSamplingPlan::Clone() const
{
    return new DefectivesSingleSamplingPlan(*this);
}

std::uint8_t DefectivesSingleSamplingPlan::PlanTypeId() const
{
    return 0;
}

const char* DefectivesSingleSamplingPlan::PlanTypeName() const
{
    return "Single";
}

Real& DefectivesSingleSamplingPlan::dPa(const Real& p)
{
    return dEvaluateAt(
        p, dFractionOf(p),
        [&](double fraction)
        { return DefectivesSingleProbabilityAcceptance(fraction, sampleSize, acceptNumber); },
        [&](std::int64_t defectives)
        {
            return DefectivesSingleProbabilityAcceptanceFiniteLot(defectives, sampleSize,
                                                                  acceptNumber, lotSize);
        });
}

Real& DefectivesSingleSamplingPlan::dASN(const Real& p)
{
    return dEvaluateAt(
        p, dFractionOf(p),
        [&](double fraction)
        {
            return DefectivesSingleAverageSampleNumber(fraction, sampleSize, acceptNumber,
                                                       static_cast<std::uint8_t>(method));
        },
        [&](std::int64_t defectives)
        {
            return DefectivesSingleAverageSampleNumberFiniteLot(
                defectives, sampleSize, acceptNumber, lotSize, static_cast<std::uint8_t>(method));
        });
}

int DefectivesSingleSamplingPlan::SetFromText(const char* sampleSize, const char* acceptNumber,
                                              std::int8_t method, bool lotSizeGiven,
                                              const char* lotSize, String& message)
{
    return ValidateSinglePlanTexts(planRules, sampleSize, acceptNumber, nullptr, method,
                                   lotSizeGiven, lotSize, message);
}

DefectivesSingleSamplingPlan* DefectivesSingleSamplingPlan::DesignFromTwoLevels(double aql,
                                                                                double ltpd, double,
                                                                                double, double,
                                                                                String& message)
{
    const double factor = Units().dFactor(Units().CurrentIndex());
    int n = 0;
    int c = 0;
    DefectivesSingleDesignTwoLevels(aql / factor, ltpd / factor, PaAtAQL().dValue(),
                                    PaAtLTPD().dValue(), n, c);
    return DesignedSinglePlan<DefectivesSingleSamplingPlan>(n, c, message, Describe);
}

DefectivesSingleSamplingPlan*
DefectivesSingleSamplingPlan::DesignFromThreeLevels(double aql, double maximumAQL, double ltpd,
                                                    double, double, double, String& message)
{
    const double factor = Units().dFactor(Units().CurrentIndex());
    int n = 0;
    int c = 0;
    DefectivesSingleDesignThreeLevels(aql / factor, maximumAQL / factor, ltpd / factor,
                                      PaAtAQL().dValue(), PaAtLTPD().dValue(), n, c);
    return DesignedSinglePlan<DefectivesSingleSamplingPlan>(n, c, message, Describe);
}

} // namespace Brosquin
