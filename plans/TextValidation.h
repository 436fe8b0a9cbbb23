#pragma once

#include "core/Real.h"
#include "core/String.h"

#include <cstdint>

namespace Brosquin
{

// The checks of a plan's entry texts, run in a fixed order: the first check that fails records
// its field code and message, and every later check is then passed over, so a chain of checks
// reads like the table of rules it implements.
class TextValidation
{
public:
    // The largest whole count a plan keeps: the statistics add one to sample and lot sizes.
    static constexpr double MaximumCount = 2147483646;

    explicit TextValidation(String& message) : message(message) {}

    // Parses the text (null reads as empty) into value; fails when it is not a number.
    TextValidation& Parse(const char* text, Real& value, int field, const char* failure);
    TextValidation& Require(bool condition, int field, const char* failure);

    // 0 while every check has passed, else the field code of the first failure.
    int Result() const { return result; }

    static bool IsWhole(const Real& value);
    // A number small enough to be held as a count.
    static bool IsCountSize(const Real& value);
    // The count of a text that has passed the checks of a count, truncated.
    static std::int32_t CountOf(const char* text);
    // The number of a text that has passed the checks of a number.
    static double dNumberOf(const char* text);

private:
    String& message;
    int result = 0;
};

} // namespace Brosquin
