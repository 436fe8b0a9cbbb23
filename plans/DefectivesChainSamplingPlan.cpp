#include "plans/DefectivesChainSamplingPlan.h"

#include "core/RealOf.h"
#include "plans/PlanTextFields.h"
#include "plans/TextValidation.h"
#include "stats/DefectivesChain.h"
#include "stats/DiscreteDistributions.h"

#include <istream>
#include <ostream>

namespace Brosquin
{

DefectivesChainSamplingPlan::~DefectivesChainSamplingPlan() = default;

DefectivesChainSamplingPlan* DefectivesChainSamplingPlan::Clone() const
{
    return new DefectivesChainSamplingPlan(*this);
}

std::uint8_t DefectivesChainSamplingPlan::PlanTypeId() const
{
    return 12;
}

const char* DefectivesChainSamplingPlan::PlanTypeName() const
{
    return "Chain";
}

bool DefectivesChainSamplingPlan::IsPaSingleValued() const
{
    return false;
}

template <class Curve> Real& DefectivesChainSamplingPlan::dEvaluate(const Real& p, Curve curve)
{
    return IsEvaluableAt(p) ? Result(curve(dFractionOf(p))) : result;
}

Real& DefectivesChainSamplingPlan::dPa(const Real& p)
{
    return dEvaluate(p, [&](double f)
                     { return DefectivesChainProbabilityAcceptance(f, n, a1, r1, i, a2); });
}

Real& DefectivesChainSamplingPlan::dPaMaximum(const Real& p)
{
    return dEvaluate(p, [&](double f) { return BinomialCumulative(r1 - std::int64_t{1}, n, f); });
}

Real& DefectivesChainSamplingPlan::dPaMinimum(const Real& p)
{
    return dEvaluate(p, [&](double f) { return BinomialCumulative(a1, n, f); });
}

Real& DefectivesChainSamplingPlan::dPaUpperEnvelope(const Real& p)
{
    return dEvaluate(p,
                     [&](double f) { return DefectivesChainUpperEnvelope(f, n, a1, r1, i, a2); });
}

Real& DefectivesChainSamplingPlan::dPaLowerEnvelope(const Real& p)
{
    return dEvaluate(p,
                     [&](double f) { return DefectivesChainLowerEnvelope(f, n, a1, r1, i, a2); });
}

Real& DefectivesChainSamplingPlan::dASN(const Real& p)
{
    return dEvaluate(p, [&](double) { return static_cast<double>(n); });
}

void DefectivesChainSamplingPlan::vdWriteToStream(std::ostream& out) const
{
    SamplingPlan::vdWriteToStream(out);
    for (int field = 0; field < 5; ++field)
    {
        if (field > 0)
            out << ' ';
        texts[field].vdWriteQuoted(out);
    }
}

void DefectivesChainSamplingPlan::vdReadFromStream(std::istream& in, double)
{
    String read[5];
    for (String& text : read)
        text.vdReadQuoted(in);
    if (ReadErrorOccurred())
        return;
    vdDescribe(read[0].Text(), read[1].Text(), read[2].Text(), read[3].Text(), read[4].Text());
    if (!valid)
        SetReadError();
}

int DefectivesChainSamplingPlan::SetFromText(const char* n, const char* a1, const char* r1,
                                             const char* i, const char* a2, String& message)
{
    const Real zero = RealOf(0.0);
    const Real one = RealOf(1.0);
    const Real two = RealOf(2.0);
    Real size, accept, reject, chain, second;
    TextValidation check(message);
    check.Parse(a1, accept, 2, "a1 is not a valid number.")
        .Require(TextValidation::IsWhole(accept), 2, "a1 must be an integer.")
        .Require(!(accept < zero), 2, "Restriction a1>=0 violated.")
        .Require(TextValidation::IsCountSize(accept), 2, "a1 is too large.")
        .Parse(r1, reject, 3, "r1 is not a valid number.")
        .Require(TextValidation::IsWhole(reject), 3, "r1 must be an integer.")
        .Require(!(reject < accept + two), 3, "Restriction r1>=a1+2 violated.")
        .Require(TextValidation::IsCountSize(reject), 3, "r1 is too large.")
        .Parse(n, size, 1, "n is not a valid number.")
        .Require(TextValidation::IsWhole(size), 1, "n must be an integer.")
        .Require(!(reject > size), 1, "Restriction n>=r1 violated.")
        .Require(TextValidation::IsCountSize(size), 1, "n is too large.")
        .Parse(i, chain, 4, "i is not a valid number.")
        .Require(TextValidation::IsWhole(chain), 4, "i must be an integer.")
        .Require(chain > one, 4, "Restriction i>=2 violated.")
        // The i - 1 neighbouring samples are one binomial count of (i - 1) n units.
        .Require(TextValidation::IsCountSize(chain) &&
                     !((chain - one) * size > RealOf(static_cast<double>(LargestExactCount))),
                 4, "i is too large.")
        .Parse(a2, second, 5, "a2 is not a valid number.")
        .Require(TextValidation::IsWhole(second), 5, "a2 must be an integer.")
        .Require(!(second < reject - one), 5, "Restriction a2>=r1-1 violated.")
        .Require(second < size * (chain - one) + accept + one, 5,
                 "Restriction a2<n*(i-1)+a1+1 violated.")
        .Require(TextValidation::IsCountSize(second), 5, "a2 is too large.");
    return check.Result();
}

void DefectivesChainSamplingPlan::vdDescribe(const char* nText, const char* a1Text,
                                             const char* r1Text, const char* iText,
                                             const char* a2Text)
{
    // The texts are copied first: they may be this plan's own.
    const String given[5] = {String(nText), String(a1Text), String(r1Text), String(iText),
                             String(a2Text)};
    for (int field = 0; field < 5; ++field)
        texts[field] = NormalisedText(given[field].Text());
    valid = SetFromText(given[0].Text(), given[1].Text(), given[2].Text(), given[3].Text(),
                        given[4].Text(), description) == 0;
    if (valid)
    {
        int* const numbers[5] = {&n, &a1, &r1, &i, &a2};
        const char* const names[5] = {"Chain: n=", ", a1=", ", r1=", ", i=", ", a2="};
        description = "";
        for (int field = 0; field < 5; ++field)
        {
            *numbers[field] = TextValidation::CountOf(given[field].Text());
            description += names[field];
            description += texts[field].Text();
        }
    }
    vdUpdateSummary();
}

} // namespace Brosquin
