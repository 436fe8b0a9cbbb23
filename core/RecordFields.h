#pragma once

#include "core/String.h"

#include <iosfwd>

namespace Brosquin
{

// Readers of the fields of a session-file record. Each reads one token (Real::vdRead, or a quoted
// text) and returns false with the read-error flag set when the token is missing or bad, when a
// quoted text stands where a number is due, or when the value lies outside what the field takes;
// the value is then left alone. Ranges are checked on the double, before any conversion.
bool ReadNumber(std::istream& in, double& value);
// A whole number within [lowest, highest] ("3" or "3.0"): a count, an index, a code, a tag, a
// place or size in pixels. A fraction ("2.7", "0.5", "1e-1") and "-0" are refused.
bool ReadWhole(std::istream& in, double lowest, double highest, double& value);
// Any number; true when it is not 0.
bool ReadFlag(std::istream& in, bool& value);
bool ReadText(std::istream& in, String& text);
// For a value that was read but that the field does not take: sets the read-error flag and
// returns false.
bool RefuseField();

// The integer form of ReadWhole.
template <class Integer>
bool ReadWhole(std::istream& in, Integer lowest, Integer highest, Integer& value)
{
    double number = 0;
    if (!ReadWhole(in, static_cast<double>(lowest), static_cast<double>(highest), number))
        return false;
    value = static_cast<Integer>(number);
    return true;
}

// Ends a record's line: a line feed, then a flush.
std::ostream& EndLine(std::ostream& out);

} // namespace Brosquin
