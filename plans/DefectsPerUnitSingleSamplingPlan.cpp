#include "plans/DefectsPerUnitSingleSamplingPlan.h"

#include "core/RealOf.h"
#include "plans/SinglePlanTexts.h"
#include "stats/DefectsPerUnitSingle.h"

namespace Brosquin
{

namespace
{

const char* const methodSuffixes[] = {"", ", Curtail on Rejection"};

const SinglePlanRules planRules{
    true, "Sample size must be positive integer.", false, false, 1, methodSuffixes, true};

void Describe(DefectsPerUnitSingleSamplingPlan& plan, const char* sampleSize,
              const char* acceptNumber)
{
    plan.vdDescribe(sampleSize, acceptNumber, 0, false, "");
}

} // namespace

DefectsPerUnitSingleSamplingPlan::DefectsPerUnitSingleSamplingPlan() : CountedSinglePlan(planRules)
{
}

DefectsPerUnitSingleSamplingPlan::~DefectsPerUnitSingleSamplingPlan() = default;

DefectsPerUnitSingleSamplingPlan* DefectsPerUnitSingleSamplingPlan::Clone() const
{
    return new DefectsPerUnitSingleSamplingPlan(*this);
}

std::uint8_t DefectsPerUnitSingleSamplingPlan::PlanTypeId() const
{
    return 0;
}

const char* DefectsPerUnitSingleSamplingPlan::PlanTypeName() const
{
    return "Single";
}

Real& DefectsPerUnitSingleSamplingPlan::dPa(const Real& p)
{
    return dEvaluateAt(
        p, p.dValue() / dUnitsFactor(),
        [&](double perUnit)
        { return DefectsPerUnitSingleProbabilityAcceptance(perUnit, sampleSize, acceptNumber); },
        [&](std::int64_t defects)
        {
            return DefectsPerUnitSingleProbabilityAcceptanceFiniteLot(defects, sampleSize,
                                                                      acceptNumber, lotSize);
        });
}

Real& DefectsPerUnitSingleSamplingPlan::dASN(const Real& p)
{
    return dEvaluateAt(
        p, p.dValue() / dUnitsFactor(),
        [&](double perUnit)
        {
            return DefectsPerUnitSingleAverageSampleNumber(perUnit, sampleSize, acceptNumber,
                                                           static_cast<std::uint8_t>(method));
        },
        [&](std::int64_t defects)
        {
            return DefectsPerUnitSingleAverageSampleNumberFiniteLot(
                defects, sampleSize, acceptNumber, lotSize, static_cast<std::uint8_t>(method));
        });
}

int DefectsPerUnitSingleSamplingPlan::SetFromText(const char* sampleSize, const char* acceptNumber,
                                                  std::int8_t method, bool lotSizeGiven,
                                                  const char* lotSize, String& message)
{
    return ValidateSinglePlanTexts(planRules, sampleSize, acceptNumber, nullptr, method,
                                   lotSizeGiven, lotSize, message);
}

DefectsPerUnitSingleSamplingPlan*
DefectsPerUnitSingleSamplingPlan::DesignFromTwoLevels(double aql, double ltpd, double, double,
                                                      double, String& message)
{
    const double factor = Units().dFactor(Units().CurrentIndex());
    int n = 0;
    int c = 0;
    DefectsPerUnitSingleDesignTwoLevels(aql / factor, ltpd / factor, PaAtAQL().dValue(),
                                        PaAtLTPD().dValue(), n, c);
    return DesignedSinglePlan<DefectsPerUnitSingleSamplingPlan>(n, c, message, Describe);
}

DefectsPerUnitSingleSamplingPlan*
DefectsPerUnitSingleSamplingPlan::DesignFromThreeLevels(double aql, double maximumAQL, double ltpd,
                                                        double, double, double, String& message)
{
    const double factor = Units().dFactor(Units().CurrentIndex());
    int n = 0;
    int c = 0;
    DefectsPerUnitSingleDesignThreeLevels(aql / factor, maximumAQL / factor, ltpd / factor,
                                          PaAtAQL().dValue(), PaAtLTPD().dValue(), n, c);
    return DesignedSinglePlan<DefectsPerUnitSingleSamplingPlan>(n, c, message, Describe);
}

} // namespace Brosquin
