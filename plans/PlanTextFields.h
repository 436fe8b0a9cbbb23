#pragma once

#include "core/String.h"

#include <cstdint>
#include <iosfwd>

namespace Brosquin
{

// Texts and record fields that the plans of several types share.

// The fields that end the record of a single, double or multiple plan: the method of curtailing,
// the lot-size choice and the lot size text, each after one blank.
void vdWriteMethodAndLot(std::ostream& out, std::int8_t method, bool lotSizeGiven,
                         const String& lotSize);
// Reads them: false, with the read-error flag set, when one is missing or bad. A method code
// beyond the 8 bits it is kept in is as bad as a missing one.
bool ReadMethodAndLot(std::istream& in, std::int8_t& method, bool& lotSizeGiven, String& lotSize);

// Ends a plan's description with ", N=" and the lot size when it is given, then the suffix of
// the method of curtailing (none for a code outside the list from 0 to lastMethod).
void vdAppendLotAndMethod(String& description, bool lotSizeGiven, const String& lotSize,
                          std::int8_t method, std::int8_t lastMethod,
                          const char* const* methodSuffixes);

// The text form a plan keeps of a number typed by the user: 15 significant digits with " 10^"
// exponents, or the message of a text that is not a number.
String NormalisedText(const char* text);
// The text of a designed count or amount, as the plan's entry texts hold it.
String DesignedText(double value);

} // namespace Brosquin
