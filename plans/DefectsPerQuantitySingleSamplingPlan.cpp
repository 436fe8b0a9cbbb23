#include "plans/DefectsPerQuantitySingleSamplingPlan.h"

#include "core/RealOf.h"
#include "plans/SinglePlanTexts.h"
#include "plans/TextValidation.h"
#include "stats/DefectsPerQuantitySingle.h"

namespace Brosquin
{

namespace
{

// The two blanks are the suffix as it has always been written.
const char* const methodSuffixes[] = {"", ", Curtail on  Rejection"};

const SinglePlanRules rules{false, "Sample size must be positive.", false, true, 1, methodSuffixes,
                            false};

} // namespace

DefectsPerQuantitySingleSamplingPlan::~DefectsPerQuantitySingleSamplingPlan() = default;

DefectsPerQuantitySingleSamplingPlan* DefectsPerQuantitySingleSamplingPlan::Clone() const
{
    return new DefectsPerQuantitySingleSamplingPlan(*this);
}

std::uint8_t DefectsPerQuantitySingleSamplingPlan::PlanTypeId() const
{
    return 0;
}

const char* DefectsPerQuantitySingleSamplingPlan::PlanTypeName() const
{
    return "Single";
}

Real& DefectsPerQuantitySingleSamplingPlan::dPa(const Real& p)
{
    return dEvaluateAt(
        p, p.dValue(),
        [&](double rate)
        { return DefectsPerQuantitySingleProbabilityAcceptance(rate, sampleAmount, acceptNumber); },
        [&](std::int64_t defects)
        {
            return DefectsPerQuantitySingleProbabilityAcceptanceFiniteLot(defects, sampleAmount,
                                                                          acceptNumber, lotAmount);
        });
}

Real& DefectsPerQuantitySingleSamplingPlan::dASN(const Real& p)
{
    return dEvaluateAt(
        p, p.dValue(),
        [&](double rate)
        {
            return DefectsPerQuantitySingleAverageSampleNumber(rate, sampleAmount, acceptNumber,
                                                               static_cast<std::uint8_t>(method));
        },
        [&](std::int64_t defects)
        {
            return DefectsPerQuantitySingleAverageSampleNumberFiniteLot(
                defects, sampleAmount, acceptNumber, lotAmount, static_cast<std::uint8_t>(method));
        });
}

Real& DefectsPerQuantitySingleSamplingPlan::dMaxASN()
{
    return IsValidOrMessage() ? Result(sampleAmount) : result;
}

void DefectsPerQuantitySingleSamplingPlan::vdWriteToStream(std::ostream& out) const
{
    SamplingPlan::vdWriteToStream(out);
    vdWriteSinglePlanTexts(out, sampleSizeText, acceptNumberText, method, lotSizeGiven,
                           lotSizeText);
}

void DefectsPerQuantitySingleSamplingPlan::vdReadFromStream(std::istream& in, double)
{
    SinglePlanTexts texts;
    if (!ReadSinglePlanTexts(in, texts))
        return;
    // The units text came with the base part of the record.
    const String units(quantityUnitsText);
    vdDescribe(texts.sampleSize.Text(), texts.acceptNumber.Text(), units.Text(), texts.method,
               texts.lotSizeGiven, texts.lotSize.Text());
    if (!valid)
        SetReadError();
}

int DefectsPerQuantitySingleSamplingPlan::SetFromText(const char* sampleSize,
                                                      const char* acceptNumber,
                                                      const char* unitsText, std::int8_t method,
                                                      bool lotSizeGiven, const char* lotSize,
                                                      String& message)
{
    return ValidateSinglePlanTexts(rules, sampleSize, acceptNumber, unitsText, method, lotSizeGiven,
                                   lotSize, message);
}

void DefectsPerQuantitySingleSamplingPlan::vdDescribe(const char* sampleSize,
                                                      const char* acceptNumber,
                                                      const char* unitsText, std::int8_t method,
                                                      bool lotSizeGiven, const char* lotSize)
{
    // The texts are copied first: they may be this plan's own.
    const SinglePlanTexts texts =
        TrimmedSinglePlanTexts(sampleSize, acceptNumber, method, lotSizeGiven, lotSize);
    const String units(unitsText);
    sampleSizeText = texts.sampleSize;
    acceptNumberText = texts.acceptNumber;
    vdSetUnitsText(units.Text());
    this->method = method;
    this->lotSizeGiven = lotSizeGiven;
    lotSizeText = texts.lotSize;
    valid = SetFromText(texts.sampleSize.Text(), texts.acceptNumber.Text(), units.Text(), method,
                        lotSizeGiven, texts.lotSize.Text(), description) == 0;
    if (valid)
    {
        sampleAmount = TextValidation::dNumberOf(texts.sampleSize.Text());
        this->acceptNumber = TextValidation::CountOf(texts.acceptNumber.Text());
        if (lotSizeGiven)
            lotAmount = TextValidation::dNumberOf(texts.lotSize.Text());
        description = SinglePlanDescription(rules, texts, quantityUnitsText);
    }
    vdUpdateSummary();
}

DefectsPerQuantitySingleSamplingPlan* DefectsPerQuantitySingleSamplingPlan::DesignFromTwoLevels(
    double aql, double ltpd, double, double, double, const char* unitsText, String& message)
{
    double amount = 0;
    int c = 0;
    DefectsPerQuantitySingleDesignTwoLevels(aql, ltpd, PaAtAQL().dValue(), PaAtLTPD().dValue(),
                                            amount, c);
    return Designed(amount, c, unitsText, message);
}

DefectsPerQuantitySingleSamplingPlan*
DefectsPerQuantitySingleSamplingPlan::DesignFromThreeLevels(double aql, double maximumAQL,
                                                            double ltpd, double, double, double,
                                                            const char* unitsText, String& message)
{
    double amount = 0;
    int c = 0;
    DefectsPerQuantitySingleDesignThreeLevels(aql, maximumAQL, ltpd, PaAtAQL().dValue(),
                                              PaAtLTPD().dValue(), amount, c);
    return Designed(amount, c, unitsText, message);
}

DefectsPerQuantitySingleSamplingPlan*
DefectsPerQuantitySingleSamplingPlan::Designed(double amount, int acceptNumber,
                                               const char* unitsText, String& message)
{
    const String units(unitsText);
    return DesignedSinglePlan<DefectsPerQuantitySingleSamplingPlan>(
        amount, acceptNumber, message,
        [&](DefectsPerQuantitySingleSamplingPlan& plan, const char* n, const char* a)
        { plan.vdDescribe(n, a, units.Text(), 0, false, ""); });
}

} // namespace Brosquin
