#include "plans/DoublePlanTexts.h"

#include "core/RealOf.h"
#include "plans/PlanTextFields.h"
#include "plans/TextValidation.h"

#include <ostream>

namespace Brosquin
{

const char* const NoDoublePlanFound =
    "No double sampling plan better than corresponding single sampling plan.";
const char* const DoubleSearchCutShort =
    "The search for the best double sampling plan was cut short: the plan added to the list is "
    "the best it found.";
const char* const DoubleSearchCutShortNoPlan =
    "The search for a double sampling plan was cut short before it found one better than the "
    "corresponding single sampling plan.";

int ValidateDoublePlanTexts(const DoublePlanRules& rules, const DoublePlanTexts& texts,
                            const char* unitsText, String& message)
{
    const bool counted = !rules.amounts;
    const bool bounded = rules.countsWithinSample;
    const Real zero = RealOf(0.0);
    const Real one = RealOf(1.0);
    const Real two = RealOf(2.0);
    Real n1, a1, r1, n2, a2, lot;
    TextValidation check(message);
    // Each field's rules, then (for counts) the count range, before the next field is read.
    check.Parse(texts.n1.Text(), n1, 1, "n1 is not a valid number.");
    if (counted)
        check.Require(TextValidation::IsWhole(n1), 1, "n1 must be an integer.");
    check.Require(bounded ? !(n1 < two) : n1 > zero, 1,
                  bounded ? "Restriction n1>=2 violated." : "Restriction n1>0 violated.");
    if (counted)
        check.Require(TextValidation::IsCountSize(n1), 1, "n1 is too large.");
    check.Parse(texts.a1.Text(), a1, 2, "a1 is not a valid number.")
        .Require(TextValidation::IsWhole(a1), 2, "a1 must be an integer.")
        .Require(!(a1 < zero), 2, "Restriction a1>=0 violated.")
        .Require(!bounded || !(a1 > n1 - two), 2, "Restriction a1<=n1-2 violated.")
        .Require(TextValidation::IsCountSize(a1), 2, "a1 is too large.");
    check.Parse(texts.r1.Text(), r1, 3, "r1 is not a valid number.")
        .Require(TextValidation::IsWhole(r1), 3, "r1 must be an integer.")
        .Require(!(r1 < a1 + two), 3, "Restriction r1>=a1+2 violated.")
        .Require(!bounded || !(r1 > n1), 3, "Restriction r1<=n1 violated.")
        .Require(TextValidation::IsCountSize(r1), 3, "r1 is too large.");
    check.Parse(texts.n2.Text(), n2, 4, "n2 is not a valid number.");
    if (counted)
        check.Require(TextValidation::IsWhole(n2), 4, "n2 must be an integer.");
    check.Require(bounded ? n2 > r1 - a1 - two : n2 > zero, 4,
                  bounded ? "Restriction n2>r1-a1-2 violated." : "Restriction n2>0 violated.");
    if (counted)
        check.Require(TextValidation::IsCountSize(n2), 4, "n2 is too large.");
    check.Parse(texts.a2.Text(), a2, 5, "a2 is not a valid number.")
        .Require(TextValidation::IsWhole(a2), 5, "a2 must be an integer.")
        .Require(!(a2 < r1 - one), 5, "Restriction a2>=r1-1 violated.")
        .Require(!bounded || a2 < n2 + a1 + one, 5, "Restriction a2<n2+a1+1 violated.")
        .Require(TextValidation::IsCountSize(a2), 5, "a2 is too large.");
    int field = 6;
    if (rules.amounts)
    {
        String units(unitsText != nullptr ? unitsText : "");
        units.vdTrim();
        check.Require(units.Length() > 0, field++, "Units not specified.");
    }
    check.Require(texts.method >= 0 && texts.method <= rules.lastMethod, field++,
                  "Illegal method of curtailing.");
    if (texts.lotSizeGiven)
    {
        check.Parse(texts.lotSize.Text(), lot, field, "Lot size is not a valid number.");
        if (counted)
            check.Require(TextValidation::IsWhole(lot), field, "Lot size must be an integer.");
        // An amount too is a count of the defects a unit of quantity can hold, so no larger
        // one can be evaluated.
        check.Require(!(lot < zero), field, "Lot size cannot be negative.")
            .Require(TextValidation::IsCountSize(lot), field, "Lot size is too large.");
        check.Require(!(lot < n1 + n2), field, "Lot size cannot be less than n1 + n2.");
    }
    return check.Result();
}

DoublePlanTexts NormalisedDoublePlanTexts(const char* n1, const char* a1, const char* r1,
                                          const char* n2, const char* a2, std::int8_t method,
                                          bool lotSizeGiven, const char* lotSize)
{
    DoublePlanTexts texts{NormalisedText(n1), NormalisedText(a1),
                          NormalisedText(r1), NormalisedText(n2),
                          NormalisedText(a2), method,
                          lotSizeGiven,       String(lotSize != nullptr ? lotSize : "")};
    texts.lotSize.vdTrim();
    return texts;
}

String DoublePlanDescription(const DoublePlanRules& rules, const DoublePlanTexts& texts,
                             const String& unitsText)
{
    const auto amount = [&](String text)
    {
        if (rules.amounts)
        {
            text += " ";
            text += unitsText.Text();
        }
        return text;
    };
    String description("Double: n1=");
    description += amount(texts.n1).Text();
    description += ", a1=";
    description += texts.a1.Text();
    description += ", r1=";
    description += texts.r1.Text();
    description += ", n2=";
    description += amount(texts.n2).Text();
    description += ", a2=";
    description += texts.a2.Text();
    vdAppendLotAndMethod(description, texts.lotSizeGiven, texts.lotSize, texts.method,
                         rules.lastMethod, rules.methodSuffixes);
    return description;
}

void vdWriteDoublePlanTexts(std::ostream& out, const DoublePlanTexts& texts)
{
    for (const String* text : {&texts.n1, &texts.a1, &texts.r1, &texts.n2})
    {
        text->vdWriteQuoted(out);
        out << ' ';
    }
    texts.a2.vdWriteQuoted(out);
    vdWriteMethodAndLot(out, texts.method, texts.lotSizeGiven, texts.lotSize);
}

bool ReadDoublePlanTexts(std::istream& in, DoublePlanTexts& texts)
{
    for (String* text : {&texts.n1, &texts.a1, &texts.r1, &texts.n2, &texts.a2})
        text->vdReadQuoted(in);
    return ReadMethodAndLot(in, texts.method, texts.lotSizeGiven, texts.lotSize);
}

} // namespace Brosquin
