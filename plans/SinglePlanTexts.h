#pragma once

#include "core/String.h"
#include "plans/DesignedPlan.h"
#include "plans/PlanTextFields.h"

#include <cstdint>
#include <iosfwd>

namespace Brosquin
{

// What the single plans of the three characteristics share: the rules their entry texts follow,
// their description and the fields of their session-file record.
struct SinglePlanRules
{
    bool wholeSampleSize;              // false: the sample is an amount of material
    const char* sampleSizeSignFailure; // the message for a sample size that is not positive
    bool acceptBelowSampleSize;
    bool hasUnits;                     // the quantity-units text is field 3
    std::int8_t lastMethod;            // the highest code of a method of curtailing
    const char* const* methodSuffixes; // the description's suffix of each method code, from 0
    bool wholeLotSize;
};

// The texts of a single plan as the user entered them, with the method and lot-size choice.
struct SinglePlanTexts
{
    String sampleSize;
    String acceptNumber;
    std::int8_t method = 0;
    bool lotSizeGiven = false;
    String lotSize;
};

// Checks the texts in the fixed order of the rules: 0, or the first failing field with its message.
int ValidateSinglePlanTexts(const SinglePlanRules& rules, const char* sampleSize,
                            const char* acceptNumber, const char* unitsText, std::int8_t method,
                            bool lotSizeGiven, const char* lotSize, String& message);

// The texts trimmed, as a plan keeps them.
SinglePlanTexts TrimmedSinglePlanTexts(const char* sampleSize, const char* acceptNumber,
                                       std::int8_t method, bool lotSizeGiven, const char* lotSize);

// "Single: n=..., a=..." with the lot size when given and the method's suffix.
String SinglePlanDescription(const SinglePlanRules& rules, const SinglePlanTexts& texts,
                             const String& unitsText);

// The record's fields after its base part, and their reader: false, with the read-error flag set,
// when a field is missing or bad.
void vdWriteSinglePlanTexts(std::ostream& out, const String& sampleSize, const String& acceptNumber,
                            std::int8_t method, bool lotSizeGiven, const String& lotSize);
bool ReadSinglePlanTexts(std::istream& in, SinglePlanTexts& texts);

// The message of a design that finds no plan.
extern const char* const NoSinglePlanFound;

// The plan a single-plan design found, described by describe(plan, n text, a text) with the
// design's numbers; null with the reason in message when the design found none or the plan does
// not accept them.
template <class Plan, class Describe>
Plan* DesignedSinglePlan(double sampleSize, int acceptNumber, String& message, Describe describe)
{
    return DesignedPlan<Plan>(
        sampleSize > 0, NoSinglePlanFound, message,
        [&](Plan& plan)
        { describe(plan, DesignedText(sampleSize).Text(), DesignedText(acceptNumber).Text()); });
}

} // namespace Brosquin
