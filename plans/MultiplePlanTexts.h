#pragma once

#include "core/String.h"

#include <cstdint>
#include <iosfwd>
#include <vector>

namespace Brosquin
{

// What the multiple plans of the three characteristics share: the rules their entry texts
// follow, the normalised texts they keep, their description and the fields of their
// session-file record.
struct MultiplePlanRules
{
    // Defective units: no reject number exceeds the cumulative sample size by more than 1, nor
    // at the last stage at all.
    bool countsWithinSample;
    // Defects per quantity: the samples and the lot are amounts of material, and a units text
    // follows the stages.
    bool amounts;
    std::int8_t lastMethod;            // the highest code of a method of curtailing
    const char* const* methodSuffixes; // the description's suffix of each method code, from 0
};

// The texts of a multiple plan, one of each kind per stage, with the method and the lot-size
// choice. An accept number "#" means that the stage cannot accept.
struct MultiplePlanTexts
{
    std::vector<String> n;
    std::vector<String> a;
    std::vector<String> r;
    std::int8_t method = 0;
    bool lotSizeGiven = false;
    String lotSize;

    int Stages() const { return static_cast<int>(n.size()); }
};

// The largest number of stages a session file may give a plan.
inline constexpr int largestStageCount = 1000;

// The accept number of a text: -1 for "#" (blanks around it allowed), else its number.
bool IsNoAcceptance(const String& acceptText);

// Checks the texts of S >= 2 stages in the fixed order of the rules: 0, or the code of the first
// offending field (3(k - 1) + 1, + 2, + 3 for stage k's sample size, accept and reject number;
// then units, method and lot size) with its message.
int ValidateMultiplePlanTexts(const MultiplePlanRules& rules, int S, const String n[],
                              const String a[], const String r[], const char* unitsText,
                              std::int8_t method, bool lotSizeGiven, const char* lotSize,
                              String& message);

// The texts as a plan keeps them: each number in its text form (15 digits, " 10^" exponents),
// whether or not it parses, and "#" as it is; the lot size only trimmed.
MultiplePlanTexts NormalisedMultiplePlanTexts(int S, const String n[], const String a[],
                                              const String r[], std::int8_t method,
                                              bool lotSizeGiven, const char* lotSize);

// "Multiple: S=..., n1=..., a1=..., r1=..., n2=..., a2=..., r2=..., ..." with the lot size when
// given and the method's suffix; amounts are followed by the units text.
String MultiplePlanDescription(const MultiplePlanRules& rules, const MultiplePlanTexts& texts,
                               const String& unitsText);

// The record's fields after its base part, and their reader: false, with the read-error flag
// set, when a field is missing or bad, or the number of stages is below 2 or above
// largestStageCount (checked before anything is allocated).
void vdWriteMultiplePlanTexts(std::ostream& out, const MultiplePlanTexts& texts);
bool ReadMultiplePlanTexts(std::istream& in, MultiplePlanTexts& texts);

} // namespace Brosquin
