#pragma once

#include "tests/plans/EvaluationTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace Brosquin
{

// The rules every switching option of a report states, as text.
inline const std::string switchingStart =
    "  Start using Normal.\r\n"
    "  N to T: If 2 of 5 consecutive lots not accepted while on normal.\r\n"
    "  T to N: If 5 consecutive lots accepted while on tightened.\r\n";

// The text form of a report of the five choices, which replaces what the string held.
template <void (*Write)(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                        String&)>
std::string ReportText(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                       std::uint32_t planType, std::uint32_t option)
{
    String text("left over");
    Write(aql, level, lotSize, planType, option, text);
    return text.Text();
}

inline bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A text of a report's drawing at its column x, row y and size.
struct Placed
{
    const char* text;
    double x, y, size;
};

// Expects each text where it is placed, in the default colour.
inline void ExpectPlaced(const TableContents& report, std::initializer_list<Placed> places)
{
    for (const Placed& p : places)
    {
        const auto& text = report.Find(p.text);
        EXPECT_TRUE(text.x == p.x && text.y == p.y && text.size == p.size && text.colour == 0)
            << p.text << " at " << text.x << ", " << text.y << " size " << text.size;
    }
}

} // namespace Brosquin
