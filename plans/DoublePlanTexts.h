#pragma once

#include "core/String.h"

#include <cstdint>
#include <iosfwd>

namespace Brosquin
{

// What the double plans of the three characteristics share: the rules their entry texts follow,
// the normalised texts they keep, their description and the fields of their session-file record.
struct DoublePlanRules
{
    // Defective units: no count exceeds its sample, so a1 <= n1 - 2, r1 <= n1,
    // n2 > r1 - a1 - 2, a2 < n2 + a1 + 1, and n1 >= 2.
    bool countsWithinSample;
    // Defects per quantity: the samples and the lot are amounts of material, and a units text
    // stands after a2 (field 6).
    bool amounts;
    std::int8_t lastMethod;            // the highest code of a method of curtailing
    const char* const* methodSuffixes; // the description's suffix of each method code, from 0
};

// The texts of a double plan with the method and the lot-size choice.
struct DoublePlanTexts
{
    String n1;
    String a1;
    String r1;
    String n2;
    String a2;
    std::int8_t method = 0;
    bool lotSizeGiven = false;
    String lotSize;
};

// Checks the texts in the fixed order of the rules: 0, or the number of the first offending field
// (1 n1, 2 a1, 3 r1, 4 n2, 5 a2, then units, method and lot size) with its message.
int ValidateDoublePlanTexts(const DoublePlanRules& rules, const DoublePlanTexts& texts,
                            const char* unitsText, String& message);

// The texts as a plan keeps them: each number in its text form (15 digits, " 10^" exponents),
// whether or not it parses; the lot size only trimmed.
DoublePlanTexts NormalisedDoublePlanTexts(const char* n1, const char* a1, const char* r1,
                                          const char* n2, const char* a2, std::int8_t method,
                                          bool lotSizeGiven, const char* lotSize);

// "Double: n1=..., a1=..., r1=..., n2=..., a2=..." with the lot size when given and the method's
// suffix; amounts are followed by the units text.
String DoublePlanDescription(const DoublePlanRules& rules, const DoublePlanTexts& texts,
                             const String& unitsText);

// The record's fields after its base part, and their reader: false, with the read-error flag set,
// when a field is missing or bad.
void vdWriteDoublePlanTexts(std::ostream& out, const DoublePlanTexts& texts);
bool ReadDoublePlanTexts(std::istream& in, DoublePlanTexts& texts);

// The message of a design that finds no double plan.
extern const char* const NoDoublePlanFound;
// The messages of a design whose search was stopped before it proved its plan the best: with
// the best plan found, and with none.
extern const char* const DoubleSearchCutShort;
extern const char* const DoubleSearchCutShortNoPlan;

} // namespace Brosquin
