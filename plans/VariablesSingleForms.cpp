#include "plans/DefectivesVariablesSingleSamplingPlan.h"

#include "core/RealOf.h"
#include "plans/DesignedPlan.h"
#include "plans/PlanTextFields.h"
#include "plans/TextValidation.h"
#include "plans/VariablesPlanTerms.h"
#include "stats/SpecialFunctions.h"
#include "stats/VariablesKnownSd.h"
#include "stats/VariablesUnknownSdOneSpec.h"
#include "stats/VariablesUnknownSdTwoSpecs.h"

#include <cmath>

namespace Brosquin
{

namespace
{

constexpr double noPlan = -100000;
constexpr double invalidEntry = -200000;

} // namespace

void DefectivesVariablesSingleSamplingPlan::ConvertForm(bool form1, const char* sampleSize,
                                                        const char* acceptConstant, bool sdKnown,
                                                        bool twoSpecs, const char* cp,
                                                        String& message, double& n, double& value)
{
    // The numbers are read first: a text may live in the buffer of Real::Text, which the checks
    // write over.
    n = TextValidation::dNumberOf(sampleSize);
    const double constant = TextValidation::dNumberOf(acceptConstant);
    const double capability = CapabilityOf(cp).dValue();
    if (SetFromText(form1, sampleSize, acceptConstant, sdKnown, twoSpecs, cp, false, message) != 0)
    {
        value = invalidEntry;
        return;
    }
    const auto refuse = [&](const char* reason)
    {
        message = reason;
        value = noPlan;
    };
    // Beyond +-(n - 1) / sqrt(n) a quality index puts the estimate's point outside (0, 1).
    const double widest = (n - 1) / std::sqrt(n);
    if (!sdKnown && n == 2)
        return refuse("No Form 2 (M) plan for n=2");
    if (!sdKnown && form1 && constant <= -widest)
        return refuse("No Form 2 (M) plan for k <= -(n-1)/sqrt(n)");
    if (!sdKnown && form1 && constant >= widest)
        return refuse("No Form 2 (M) plan for k >= (n-1)/sqrt(n)");
    if (!sdKnown && twoSpecs && form1 && constant <= 0)
        return refuse("No Form 2 (M) plan available for k <= 0");
    if (!sdKnown && twoSpecs && !form1 && constant >= 50)
        return refuse("No Form 2 (M) plan available for M >= 50%");
    if (sdKnown && n == 1)
        return refuse("No Form 2 (M) plan for n=1");
    const double converted = form1 ? FormTwoPercent(n, constant, sdKnown, twoSpecs, capability)
                                   : FormOneConstant(n, constant, sdKnown, twoSpecs, capability);
    const String convertedText(RealOf(converted).Text(7, true));
    message = !sdKnown && twoSpecs ? "Similar to " : "Equivalent to ";
    message += form1 ? "Form 2 Plan with n=" : "Form 1 Plan with n=";
    message += RealOf(n).Text(0, true);
    message += form1 ? " and M=" : " and k=";
    message += convertedText.Text();
    if (!sdKnown && twoSpecs && !form1)
    {
        message += ", MSD=";
        message += RealOf(VariablesUnknownSdMaximumStandardDeviation(n, constant)).Text(7, true);
        message += "%";
    }
    value = TextValidation::dNumberOf(convertedText.Text());
}

DefectivesVariablesSingleSamplingPlan*
DefectivesVariablesSingleSamplingPlan::DesignFromTwoLevels(double aql, double ltpd, double, double,
                                                           double, bool sdKnown, bool twoSpecs,
                                                           const char* cp, String& message)
{
    const double factor = Units().dFactor(Units().CurrentIndex());
    const double paAql = PaAtAQL().dValue();
    const double paLtpd = PaAtLTPD().dValue();
    const double fractionAql = aql / factor;
    const double fractionLtpd = ltpd / factor;
    int n = 0;
    double k = 0.0;
    String notFound("No variables sampling plan meets the requirements.");
    if (!sdKnown && twoSpecs)
        VariablesUnknownSdTwoSpecsDesign(fractionAql, fractionLtpd, paAql, paLtpd, n, k);
    else if (!sdKnown)
        VariablesUnknownSdOneSpecDesign(fractionAql, fractionLtpd, paAql, paLtpd, n, k);
    else if (!twoSpecs)
        VariablesKnownSdOneSpecDesign(fractionAql, fractionLtpd, paAql, paLtpd, n, k);
    else
    {
        const Real capability = CapabilityOf(cp);
        if (!IsNumber(capability) || !(capability > RealOf(0.0)))
        {
            message = IsNumber(capability) ? "Cp must be positive." : "Cp is not a valid number.";
            return nullptr;
        }
        const double Cp = capability.dValue();
        VariablesKnownSdTwoSpecsDesign(fractionAql, fractionLtpd, paAql, paLtpd, Cp, n, k);
        const double smallest = 2 * NormalTailArea(-3 * Cp, false);
        if (fractionAql < smallest)
        {
            notFound = "No variables sampling plan with known standard deviation and 2 spec limits "
                       "is possible since the specified AQL is less than the minimum possible "
                       "defective rate of ";
            notFound += RealOf(100 * smallest).Text(4, true);
            notFound += "% for Cp = ";
            notFound += capability.Text(4, true);
            notFound += ".";
        }
    }
    return DesignedPlan<DefectivesVariablesSingleSamplingPlan>(
        n != 0, notFound.Text(), message,
        [&](DefectivesVariablesSingleSamplingPlan& plan)
        {
            plan.vdDescribe(true, DesignedText(n).Text(), DesignedText(k).Text(), sdKnown, twoSpecs,
                            cp, false);
        });
}

} // namespace Brosquin
