#include "core/RecordSize.h"

#include "core/Real.h"
#include "core/RealOf.h"
#include "core/String.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <string>

namespace Brosquin
{
namespace
{

// Every write of a record as one text and as its count, as written and at the widest.
struct Counts
{
    std::string text;
    std::uint64_t asWritten;
    std::uint64_t atWidest;
};

template <class Write> Counts CountsOf(Write write)
{
    std::ostringstream out;
    write(static_cast<std::ostream&>(out));
    return {out.str(), BytesWritten(write), BytesWritten(write, RecordSize::Values::AtWidest)};
}

// The quoted form of a text by its definition: every quote doubled.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

TEST(RecordSizeTest, CountsWhatIsWrittenAndWhatMovesAtItsWidest)
{
    const std::string longText(1000, 'x');
    const Counts plain = CountsOf(
        [&longText](std::ostream& out)
        {
            out << 12 << ' ' << -3.5 << " text" << longText;
            out.put('\n').flush();
            out.write(longText.data(), 300);
        });
    EXPECT_EQ(plain.asWritten, plain.text.size());
    EXPECT_EQ(plain.atWidest, plain.text.size());

    // A moving value counts its widest, or what it takes when that is more.
    const Counts moving = CountsOf(
        [](std::ostream& out)
        {
            vdWriteMoving(out, 7, 6);
            vdWriteMoving(out, -1234567, 3);
            vdWriteMoving(out, RealOf(0.5));
        });
    EXPECT_EQ(moving.text, "7-12345670.5");
    EXPECT_EQ(moving.asWritten, moving.text.size());
    EXPECT_EQ(moving.atWidest, 6 + 8 + WidestNumberText);

    // Texts written by runs between their quotes, each quote doubled.
    for (const std::string& sample : {std::string("\"x"), std::string("x\""), std::string("\"\"\""),
                                      std::string("a\"\"b\"c"), longText + "\"" + longText})
    {
        const Counts quoted = CountsOf([&sample](std::ostream& out)
                                       { String(sample.c_str()).vdWriteQuotedText(out); });
        EXPECT_EQ(quoted.text, Quoted(sample));
        EXPECT_EQ(quoted.asWritten, quoted.text.size());
    }
}

TEST(RecordSizeTest, TheWidestNumberTextHoldsEveryNumber)
{
    for (std::int64_t value :
         {std::int64_t{0}, std::int64_t{9}, std::int64_t{10}, std::int64_t{-1}, std::int64_t{-10},
          std::int64_t{1000000}, std::int64_t{-1000000}, std::int64_t{16777215},
          std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()})
        EXPECT_EQ(DecimalWidth(value), std::to_string(value).size()) << value;

    // The longest forms: 17 digits after "-0.000000", and after a sign with an exponent.
    std::size_t widest = 0;
    const auto vdTry = [&widest](double value)
    {
        std::ostringstream out;
        out << RealOf(value);
        widest = std::max(widest, out.str().size());
        EXPECT_LE(out.str().size(), WidestNumberText) << out.str();
    };
    for (double value : {-1.2345678901234567e-7, -9.999999999999999e-7, -1.2345678901234567e-154,
                         -1.7976931348623157e154, -2.2250738585072014e-154, 1e154, -123456789.0,
                         -0.30000000000000004, std::nextafter(-1e-6, 0.0)})
        vdTry(value);
    std::mt19937_64 random(37);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-154, 153);
    for (int i = 0; i < 100000; ++i)
        vdTry((i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random)));
    EXPECT_GE(widest, 24u) << "the bound is met, not far above";
}

} // namespace
} // namespace Brosquin
