#include "plans/SinglePlanTexts.h"

#include "core/RealOf.h"
#include "plans/PlanTextFields.h"
#include "plans/TextValidation.h"

#include <cmath>
#include <istream>
#include <limits>
#include <ostream>

namespace Brosquin
{

const char* const NoSinglePlanFound = "No single sampling plan meets the requirements.";

int ValidateSinglePlanTexts(const SinglePlanRules& rules, const char* sampleSize,
                            const char* acceptNumber, const char* unitsText, std::int8_t method,
                            bool lotSizeGiven, const char* lotSize, String& message)
{
    const int methodField = rules.hasUnits ? 4 : 3;
    const int lotField = methodField + 1;
    Real n;
    Real a;
    Real lot;
    String units(unitsText != nullptr ? unitsText : "");
    units.vdTrim();
    TextValidation check(message);
    check.Parse(sampleSize, n, 1, "Sample size is not a valid number.")
        .Require(!rules.wholeSampleSize || TextValidation::IsWhole(n), 1,
                 "Sample size must be an integer.")
        .Require(n > RealOf(0.0), 1, rules.sampleSizeSignFailure)
        .Require(!rules.wholeSampleSize || TextValidation::IsCountSize(n), 1,
                 "Sample size is too large.")
        .Parse(acceptNumber, a, 2, "Accept number is not a valid number.")
        .Require(TextValidation::IsWhole(a), 2, "Accept number must be an integer.")
        .Require(!(a < RealOf(0.0)), 2, "Accept number cannot be negative.")
        .Require(!rules.acceptBelowSampleSize || a < n, 2,
                 "Accept number must be less than sample size.")
        .Require(TextValidation::IsCountSize(a), 2, "Accept number is too large.")
        .Require(!rules.hasUnits || units.Length() > 0, 3, "Units not specified.")
        .Require(method <= rules.lastMethod, methodField, "Illegal method of curtailing.");
    if (lotSizeGiven)
        check.Parse(lotSize, lot, lotField, "Lot size is not a valid number.")
            .Require(!rules.wholeLotSize || TextValidation::IsWhole(lot), lotField,
                     "Lot size must be an integer.")
            .Require(!(lot < RealOf(0.0)), lotField, "Lot size cannot be negative.")
            // An amount too: the defects of a larger lot could not be counted.
            .Require(TextValidation::IsCountSize(lot), lotField, "Lot size is too large.")
            .Require(!(lot < n), lotField, "Lot size cannot be less than sample size.");
    return check.Result();
}

SinglePlanTexts TrimmedSinglePlanTexts(const char* sampleSize, const char* acceptNumber,
                                       std::int8_t method, bool lotSizeGiven, const char* lotSize)
{
    SinglePlanTexts texts{String(sampleSize), String(acceptNumber), method, lotSizeGiven,
                          String(lotSize)};
    texts.sampleSize.vdTrim();
    texts.acceptNumber.vdTrim();
    texts.lotSize.vdTrim();
    return texts;
}

String SinglePlanDescription(const SinglePlanRules& rules, const SinglePlanTexts& texts,
                             const String& unitsText)
{
    String description("Single: n=");
    description += texts.sampleSize.Text();
    if (rules.hasUnits)
    {
        description += " ";
        description += unitsText.Text();
    }
    description += ", a=";
    description += texts.acceptNumber.Text();
    vdAppendLotAndMethod(description, texts.lotSizeGiven, texts.lotSize, texts.method,
                         rules.lastMethod, rules.methodSuffixes);
    return description;
}

void vdWriteSinglePlanTexts(std::ostream& out, const String& sampleSize, const String& acceptNumber,
                            std::int8_t method, bool lotSizeGiven, const String& lotSize)
{
    sampleSize.vdWriteQuoted(out);
    out << ' ';
    acceptNumber.vdWriteQuoted(out);
    vdWriteMethodAndLot(out, method, lotSizeGiven, lotSize);
}

bool ReadSinglePlanTexts(std::istream& in, SinglePlanTexts& texts)
{
    texts.sampleSize.vdReadQuoted(in);
    texts.acceptNumber.vdReadQuoted(in);
    return ReadMethodAndLot(in, texts.method, texts.lotSizeGiven, texts.lotSize);
}

} // namespace Brosquin
