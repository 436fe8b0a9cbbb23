#include "plans/DefectivesVariablesSingleSamplingPlan.h"

#include "core/RealOf.h"
#include "core/RecordFields.h"
#include "plans/TextValidation.h"
#include "plans/VariablesPlanTerms.h"
#include "stats/InverseSolvers.h"
#include "stats/SpecialFunctions.h"
#include "stats/VariablesUnknownSdTwoSpecs.h"

#include <cmath>
#include <istream>
#include <ostream>

namespace Brosquin
{

namespace
{

// The smallest sample size of each case, and the message of one below it.
struct SmallestSize
{
    double n;
    const char* message;
};

SmallestSize SmallestSizeOf(bool form1, bool sdKnown)
{
    if (sdKnown)
        return form1 ? SmallestSize{1, "For SD Known - Form 1, sample size must be at least 1."}
                     : SmallestSize{2, "For SD Known - Form 2, sample size must be at least 2."};
    return form1 ? SmallestSize{2, "For SD Unknown - Form 1, sample size must be at least 2."}
                 : SmallestSize{3, "For SD Unknown - Form 2, sample size must be at least 3."};
}

// "Cp must be greater than " the bound and the reason.
String CpBoundMessage(double bound, const char* reason)
{
    String message("Cp must be greater than ");
    message += RealOf(bound).Text(7, true);
    message += reason;
    return message;
}

String Trimmed(const char* text)
{
    String trimmed(text != nullptr ? text : "");
    trimmed.vdTrim();
    return trimmed;
}

} // namespace

DefectivesVariablesSingleSamplingPlan::~DefectivesVariablesSingleSamplingPlan() = default;

DefectivesVariablesSingleSamplingPlan* DefectivesVariablesSingleSamplingPlan::Clone() const
{
    return new DefectivesVariablesSingleSamplingPlan(*this);
}

std::uint8_t DefectivesVariablesSingleSamplingPlan::PlanTypeId() const
{
    return 6;
}

const char* DefectivesVariablesSingleSamplingPlan::PlanTypeName() const
{
    return "Variables Single";
}

int DefectivesVariablesSingleSamplingPlan::SetFromText(bool form1, const char* sampleSize,
                                                       const char* acceptConstant, bool sdKnown,
                                                       bool twoSpecs, const char* cp, bool band,
                                                       String& message)
{
    Real size;
    Real constant;
    const Real capability = CapabilityOf(cp);
    const SmallestSize smallest = SmallestSizeOf(form1, sdKnown);
    TextValidation check(message);
    check.Parse(sampleSize, size, 1, "Sample size is not a valid number.")
        .Require(TextValidation::IsWhole(size), 1, "Sample size must be an integer.")
        .Require(TextValidation::IsCountSize(size), 1, "Sample size is too large.")
        .Require(!(size < RealOf(smallest.n)), 1, smallest.message)
        .Parse(acceptConstant, constant, 2, "Accept constant is not a valid number.");
    if (!form1)
        check.Require(constant > RealOf(0.0), 2, "M must be > 0% defective.")
            .Require(constant < RealOf(100), 2, "M must be < 100% defective.");
    if (sdKnown && twoSpecs)
    {
        check.Require(IsNumber(capability), 3, "Cp is not a valid number.")
            .Require(capability > RealOf(0.0), 3, "Cp must be positive.");
        if (check.Result() != 0)
            return check.Result();
        if (form1)
        {
            const String bound =
                CpBoundMessage(constant.dValue() / 3, " else acceptance limits cross.");
            check.Require(constant < RealOf(3) * capability, 3, bound.Text());
        }
        else
        {
            // The centred process, the best there is, must meet M.
            const double v = VariablesV(size.dValue());
            const double percent = constant.dValue();
            const String bound = CpBoundMessage(-InverseNormal(0.005 * percent) / (3 * v),
                                                " else impossible to accept.");
            const double centred = 200 * NormalTailArea(-3 * capability.dValue() * v, false);
            check.Require(constant > RealOf(centred), 3, bound.Text());
        }
    }
    if (check.Result() != 0)
        return check.Result();
    // A k further than this from 0 puts the plan's quality levels within Phi(-7) = 1.3e-12 of 0%
    // or 100%. Near 100% the summary's searches then run out of a double's digits (k = -8 with
    // n = 10^6 already gives a wrong AOQL); no plan of any use comes near.
    const double k = form1 ? constant.dValue()
                           : FormOneConstant(size.dValue(), constant.dValue(), sdKnown,
                                             twoSpecs && !band, capability.dValue());
    return check
        .Require(!(k > LargestConstant), 2,
                 form1 ? "Accept constant is too large." : "M is too small.")
        .Require(!(k < -LargestConstant), 2,
                 form1 ? "Accept constant is too small." : "M is too large.")
        .Result();
}

void DefectivesVariablesSingleSamplingPlan::vdDescribe(bool form1, const char* sampleSize,
                                                       const char* acceptConstant, bool sdKnown,
                                                       bool twoSpecs, const char* cp, bool band)
{
    // The texts are copied first: they may be this plan's own.
    sampleSizeText = Trimmed(sampleSize);
    acceptConstantText = Trimmed(acceptConstant);
    cpText = Trimmed(cp);
    this->form1 = form1;
    this->sdKnown = sdKnown;
    this->twoSpecs = twoSpecs;
    this->band = band;
    valid = SetFromText(form1, sampleSizeText.Text(), acceptConstantText.Text(), sdKnown, twoSpecs,
                        cpText.Text(), band, description) == 0;
    if (valid)
        vdDerive();
    vdUpdateSummary();
}

void DefectivesVariablesSingleSamplingPlan::vdDerive()
{
    n = TextValidation::CountOf(sampleSizeText.Text());
    acceptConstant = TextValidation::dNumberOf(acceptConstantText.Text());
    const Real capability = CapabilityOf(cpText.Text());
    if (IsNumber(capability))
        cp = capability.dValue();
    const double size = n;
    kText = form1 ? acceptConstantText : String();
    mText = form1 ? String() : acceptConstantText;
    if (form1)
        k = acceptConstant;
    else
    {
        m = acceptConstant;
        k = FormOneConstant(size, m, sdKnown, twoSpecs && !band, cp);
    }
    msdText = "0";
    msd = 0;
    // The MSD of a Form 1 plan with SD unknown and two limits: the largest s with which a
    // centred sample meets the equivalent M.
    const bool msdKnown = !sdKnown && twoSpecs && form1 && n > 2 && k > 0 &&
                          0.5 - 0.5 * k * std::sqrt(size) / (size - 1) > 0;
    if (msdKnown)
    {
        m = VariablesUnknownSdEquivalentPercent(size, k);
        msdText = RealOf(VariablesUnknownSdMaximumStandardDeviation(size, m)).Text(7, true);
        msd = TextValidation::dNumberOf(msdText.Text());
    }
    description = "Variables Single - ";
    description += sdKnown ? "Known SD - " : "Unknown SD - ";
    description += twoSpecs ? "2 Specs: n=" : "1 Spec: n=";
    description += sampleSizeText.Text();
    description += form1 ? ", k=" : ", M=";
    description += acceptConstantText.Text();
    if (sdKnown && twoSpecs)
    {
        description += ", Cp=";
        description += RealOf(cp).Text(7, true);
    }
    if (sdKnown && !form1)
    {
        description += ", v=";
        description += RealOf(VariablesV(size)).Text(4, true);
    }
    if (msdKnown)
    {
        description += ", MSD=";
        description += msdText.Text();
        description += "%";
    }
}

void DefectivesVariablesSingleSamplingPlan::vdCopyTo(
    DefectivesVariablesSingleSamplingPlan& other) const
{
    other = *this;
}

void DefectivesVariablesSingleSamplingPlan::vdWriteToStream(std::ostream& out) const
{
    SamplingPlan::vdWriteToStream(out);
    out << ' ' << (form1 ? 1 : 0) << ' ';
    sampleSizeText.vdWriteQuoted(out);
    out << ' ';
    acceptConstantText.vdWriteQuoted(out);
    out << ' ' << (sdKnown ? 1 : 0) << ' ' << (twoSpecs ? 1 : 0) << ' ';
    cpText.vdWriteQuoted(out);
    out << ' ' << (band ? 1 : 0) << ' ';
}

void DefectivesVariablesSingleSamplingPlan::vdReadFromStream(std::istream& in, double)
{
    bool formFlag = false;
    String size;
    String constant;
    bool knownFlag = false;
    bool twoFlag = false;
    String capability;
    bool bandFlag = false;
    if (!ReadFlag(in, formFlag) || !ReadText(in, size) || !ReadText(in, constant) ||
        !ReadFlag(in, knownFlag) || !ReadFlag(in, twoFlag) || !ReadText(in, capability) ||
        !ReadFlag(in, bandFlag))
        return;
    vdDescribe(formFlag, size.Text(), constant.Text(), knownFlag, twoFlag, capability.Text(),
               bandFlag);
    if (!valid)
        SetReadError();
}

} // namespace Brosquin
