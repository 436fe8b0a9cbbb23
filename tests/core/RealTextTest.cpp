#include "core/Real.h"
#include "tests/core/RealTestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale>
#include <random>
#include <sstream>
#include <string>

namespace Brosquin
{
namespace
{

Real Parsed(const char* text)
{
    Real real;
    real = text;
    return real;
}

std::string StreamForm(const Real& real)
{
    std::ostringstream out;
    out << real;
    return out.str();
}

TEST(RealTest, AssignmentKeepsNumbersWithinRange)
{
    EXPECT_TRUE(IsNumber(Real(), 0.0));
    EXPECT_TRUE(IsNumber(RealOf(1e154), 1e154));
    EXPECT_TRUE(IsNumber(RealOf(-1e154), -1e154));
    EXPECT_TRUE(IsNumber(RealOf(2e-154), 2e-154));
    EXPECT_TRUE(IsNumber(RealOf(-2e-154), -2e-154));
    EXPECT_TRUE(IsNumber(RealOf(1e-160), 0.0));
    EXPECT_TRUE(IsNumber(RealOf(std::nextafter(2e-154, 0.0)), 0.0));
    EXPECT_TRUE(IsNumber(RealOf(-std::numeric_limits<double>::denorm_min()), 0.0));
    for (double wrong :
         {1.0000001e154, -1.0000001e154, std::nextafter(1e154, 2e154),
          std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
    {
        const Real real = RealOf(wrong);
        EXPECT_EQ(MessageOf(real), "Overflow") << wrong;
        EXPECT_EQ(real.dValue(), 0.0);
    }
}

TEST(RealTest, ErrorCodesGiveTheirTexts)
{
    Real real;
    for (int code = 0; code < 17; ++code)
    {
        real = 5.0;
        real.vdSetError(code);
        if (code == Real::Underflow)
            EXPECT_TRUE(IsNumber(real, 0.0));
        else
        {
            EXPECT_EQ(MessageOf(real), RealErrorMessages[code]);
            EXPECT_EQ(real.dValue(), 0.0);
        }
    }
    EXPECT_STREQ(RealErrorMessages[0], "Illegal string");
    EXPECT_STREQ(RealErrorMessages[7], "Square root of negative number");
    EXPECT_STREQ(RealErrorMessages[16], "Normal fraction defective parameter error");
    real.vdSetError(17); // not a code: never read past the table
    EXPECT_EQ(MessageOf(real), "Illegal string");
    real.vdSetError(-1);
    EXPECT_EQ(MessageOf(real), "Illegal string");
}

TEST(RealTest, CopiesShareOneMessageAndReleaseItOnce)
{
    Real first;
    first.vdSetMessage("no plan");
    ReferenceString* message = first.Message();
    EXPECT_GE(message->Capacity(), 81u);
    {
        Real copy(first);
        Real assigned;
        assigned = first;
        EXPECT_EQ(copy.Message(), message);
        EXPECT_EQ(assigned.Message(), message);
        EXPECT_EQ(message->ReferenceCount(), 3u);
        copy = assigned; // both hold the same text already
        assigned = assigned;
        EXPECT_EQ(message->ReferenceCount(), 3u);
        copy.vdShareMessage(copy.Message());
        EXPECT_EQ(message->ReferenceCount(), 3u);
        assigned.vdAppendMessage(" found"); // seen by every holder
        EXPECT_EQ(MessageOf(first), "no plan found");
        EXPECT_EQ(MessageOf(first + copy), "no plan found");
    }
    EXPECT_EQ(message->ReferenceCount(), 1u);

    Real moved(std::move(first));
    EXPECT_EQ(moved.Message(), message);
    EXPECT_EQ(first.Message(), nullptr);
    Real target = RealOf(4.0);
    target = std::move(moved);
    EXPECT_EQ(target.Message(), message);
    EXPECT_EQ(message->ReferenceCount(), 1u);

    target = 2.5; // a number drops the message
    EXPECT_TRUE(IsNumber(target, 2.5));
    target.vdAppendMessage("ignored");
    EXPECT_TRUE(IsNumber(target, 2.5));

    Real alone;
    alone.vdSetMessage("alone");
    alone.vdShareMessage(alone.Message()); // its only holder shares with itself
    EXPECT_EQ(MessageOf(alone), "alone");
    alone.vdShareMessage(nullptr);
    EXPECT_TRUE(IsNumber(alone, 0.0));
    alone.vdSetMessage(nullptr);
    EXPECT_NE(alone.Message(), nullptr);
    EXPECT_EQ(MessageOf(alone), "");
}

TEST(RealTest, NextNonBlankSkipsBlanksAndStopsAtTheEnd)
{
    const char* text = " \t\r\nx y";
    EXPECT_EQ(Real::NextNonBlank(&text), 'x');
    EXPECT_STREQ(text, " y");
    EXPECT_EQ(Real::NextNonBlank(&text), 'y');
    EXPECT_EQ(Real::NextNonBlank(&text), '\0');
    EXPECT_EQ(text, nullptr);
}

// The digits themselves are checked against printf below; these are the forms around them.
TEST(RealTextTest, FormsOfTheDocumentedExamples)
{
    EXPECT_STREQ(RealOf(1.5e-8).Text(0, true), "1.5 10^-8");
    EXPECT_STREQ(RealOf(1.5e-8).Text(0, false), "1.5e-8");
    EXPECT_STREQ(RealOf(2e9).Text(0, true), "2 10^9");
    EXPECT_STREQ(RealOf(2e9).Text(0, false), "2e9");
    EXPECT_STREQ(RealOf(-0.25).Text(0, true), "-0.25");
    EXPECT_STREQ(RealOf(0.0).Text(0, true), "0");
    EXPECT_STREQ(RealOf(-0.0).Text(0, true), "0");
    EXPECT_STREQ(RealOf(125).Text(), "125");
    EXPECT_STREQ(RealOf(1234567890).Text(0, true), "1.23456789 10^9");
    EXPECT_STREQ(RealOf(1.0 / 3.0).Text(0, true), "0.333333333333333");
    EXPECT_STREQ(RealOf(1e154).Text(0, true), "1 10^154");
    EXPECT_STREQ(RealOf(-2e-154).Text(0, false), "-2e-154");
    // The edges of fixed notation: 1e-7 and just below 1e9, also after rounding.
    EXPECT_STREQ(RealOf(1e-7).Text(0, true), "0.0000001");
    EXPECT_STREQ(RealOf(9.9e-8).Text(0, true), "9.9 10^-8");
    EXPECT_STREQ(RealOf(999999999).Text(0, true), "999999999");
    EXPECT_STREQ(RealOf(999999999.5).Text(9, true), "1 10^9");
    EXPECT_STREQ(RealOf(9.9999996e-8).Text(7, true), "0.0000001");
}

TEST(RealTextTest, MessagesAreQuotedAndCutToTwoHundredCharacters)
{
    Real real;
    real.vdSetError(Real::DivideByZero);
    EXPECT_STREQ(real.Text(0, true), "\"Divide by zero\"");
    const std::string longText(250, 'm');
    real.vdSetMessage(longText.c_str());
    EXPECT_EQ(std::string(real.Text(5, false)), "\"" + longText.substr(0, 200) + "\"");
}

// The digits of Text are those of printf's "%.*e": both texts name one decimal number, so both
// read back to one double.
TEST(RealTextTest, SignificantDigitsRoundLikePrintf)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> power(-160, 154);
    for (int sample = 0; sample < 20000; ++sample)
    {
        const double x = (sample % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, power(random));
        const Real real = RealOf(x);
        if (real.Message() != nullptr || real.dValue() == 0.0)
            continue;
        const int digits = 1 + sample % 15;
        char reference[64];
        std::snprintf(reference, sizeof reference, "%.*e", digits - 1, real.dValue());
        const std::string text = real.Text(digits, false);
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(reference, nullptr))
            << text << " against " << reference;
        // Fixed notation exactly from 1e-7 up to 1e9 of the rounded value.
        const double rounded = std::fabs(std::strtod(reference, nullptr));
        EXPECT_EQ(text.find('e') == std::string::npos, rounded >= 1e-7 && rounded < 1e9) << text;
        EXPECT_NE(text.back(), '.');
        if (text.find('.') != std::string::npos && text.find('e') == std::string::npos)
        {
            EXPECT_NE(text.back(), '0') << text;
        }
        // The exponent form with " 10^" reads back as the same number.
        const Real again = Parsed(real.Text(digits, true));
        EXPECT_TRUE(IsNumber(again, std::strtod(reference, nullptr))) << real.Text(digits, true);
    }
}

TEST(RealTextTest, ParsesNumbersOfTheGrammar)
{
    const std::pair<const char*, double> numbers[] = {
        {"  12.5 \t\r\n", 12.5},
        {"-7", -7.0},
        {"+7", 7.0},
        {"5.", 5.0},
        {".5", 0.5},
        {"1E3", 1000.0},
        {"1e+3", 1000.0},
        {"-2.5e-3", -0.0025},
        {"0.1", 0.1},
        {"000123.4500", 123.45},
        {"1.5 10^-8", 1.5e-8},
        {"2.5 10^+3", 2500.0},
        {"1.23456789 10^9", 1234567890.0},
        {"1e-400", 0.0},
        {"1 10^-400", 0.0},
        {"0e999999999999999999", 0.0},
        {"1e154", 1e154},
        {"0.000000000000000000001e175", 1e154},
        // Thousands separators in groups of three.
        {"1,234", 1234.0},
        {"-1,234,567.5", -1234567.5},
        {"123,456e3", 123456000.0},
        {"12,345,678,901", 12345678901.0},
    };
    for (const auto& [text, value] : numbers)
        EXPECT_TRUE(IsNumber(Parsed(text), value)) << text;

    const Real fractionalPower = Parsed("3 10^2.5");
    ASSERT_EQ(fractionalPower.Message(), nullptr);
    EXPECT_NEAR(fractionalPower.dValue(), 948.68329805051379960, 948.7 * 2e-16);

    for (const char* overflow : {"2 10^400", "1e400", "-1e155", "1.0000001e154", "2 10^1,000",
                                 "1e99999999999999999999", "1 10^1e200", "1e300 10^-200"})
        EXPECT_EQ(MessageOf(Parsed(overflow)), "Overflow") << overflow;
}

TEST(RealTextTest, EveryOtherTextIsIllegal)
{
    for (const char* refused :
         {"",           "   ",    "\t\r\n",       "abc",    "12.5 word", "1 2",     "1.2.3",
          "0x10",       "0x1p3",  "inf",          "-inf",   "nan",       "NAN",     "infinity",
          "1,5",        "1e",     "1e+",          "e5",     ".",         "+",       "-",
          "--1",        "+-1",    "1e+-5",        "1e5.5",  "1d5",       "1 10^",   "1 10^x",
          "1 10^2 x",   "1 10e2", "1 x 10^2",     "12.5\"", "\"abc",     "\"",      "  \"  ",
          "\"a\" b",    "１",     "1234,567",     "12,34",  ",123",      "1,1,234", "1,234.5,6",
          "1,2345,678", "-,123",  "1234,567,890", "1,234,", "1.234,5",   "a,bcd",   "1 10^2.5.1"})
        EXPECT_EQ(MessageOf(Parsed(refused)), "Illegal string") << "[" << refused << "]";
    Real real;
    real = static_cast<const char*>(nullptr);
    EXPECT_EQ(MessageOf(real), "Illegal string");
}

TEST(RealTextTest, QuotedTextsBecomeMessages)
{
    EXPECT_EQ(MessageOf(Parsed("\"hello\"")), "hello");
    EXPECT_EQ(MessageOf(Parsed("  \" \t hello \"  \n")), "hello ");
    EXPECT_EQ(MessageOf(Parsed("\"a\"\"b\"")), "a\"\"b");
    EXPECT_EQ(MessageOf(Parsed("\"\"")), "");
    EXPECT_NE(Parsed("\"\"").Message(), nullptr);
    // What Text writes for a message reads back as the same message.
    Real real;
    real.vdSetError(Real::TrigonometricDomain);
    EXPECT_EQ(MessageOf(Parsed(real.Text())), RealErrorMessages[Real::TrigonometricDomain]);
}

TEST(RealStreamTest, EveryDoubleInRangeReadsBackUnchanged)
{
    std::mt19937_64 random(7);
    std::ostringstream out;
    std::vector<double> written;
    for (double edge : {1e154, -1e154, 2e-154, -2e-154, 0.0, 0.1, 1.0 / 3.0, 1e-7, 9.999999999e8,
                        1e9, std::nextafter(1e154, 0.0), std::nextafter(2e-154, 1.0), 123456789.0})
        written.push_back(edge);
    while (written.size() < 50000)
    {
        const double x = std::bit_cast<double>(random());
        if (std::isfinite(x) && std::fabs(x) <= 1e154 && std::fabs(x) >= 2e-154)
            written.push_back(x);
    }
    for (double x : written)
        out << RealOf(x) << ' ';
    const std::string text = out.str();
    EXPECT_EQ(text.find_first_of(",\"i"), std::string::npos);
    std::istringstream in(text);
    ClearReadError();
    for (double x : written)
    {
        Real real;
        real.vdRead(in);
        ASSERT_TRUE(IsNumber(real, x));
    }
    EXPECT_FALSE(ReadErrorOccurred());
}

TEST(RealStreamTest, StreamFormIsOneTokenWithTheLetterE)
{
    EXPECT_EQ(StreamForm(RealOf(1.5e-8)), "1.5e-8");
    EXPECT_EQ(StreamForm(RealOf(2e9)), "2e9");
    EXPECT_EQ(StreamForm(RealOf(-0.25)), "-0.25");
    EXPECT_EQ(StreamForm(RealOf(1e8)), "100000000");
    // All seventeen digits where fifteen would not read back.
    EXPECT_EQ(StreamForm(RealOf(0.1 + 0.2)), "0.30000000000000004");
    Real message;
    message.vdSetError(Real::Overflow);
    EXPECT_EQ(StreamForm(message), "\"Overflow\"");
    message.vdSetMessage("a \"quoted\" word");
    EXPECT_EQ(StreamForm(message), "\"a \"\"quoted\"\" word\"");
}

TEST(RealStreamTest, ReadsNumbersAndMessagesInTurn)
{
    std::istringstream in("2.5e-9 \"Log of zero\"\t-1,234  \"say \"\"hi\"\"\"\n7");
    ClearReadError();
    Real real;
    real.vdRead(in);
    EXPECT_TRUE(IsNumber(real, 2.5e-9));
    real.vdRead(in);
    EXPECT_EQ(MessageOf(real), "Log of zero");
    real.vdRead(in);
    EXPECT_TRUE(IsNumber(real, -1234.0));
    real.vdRead(in);
    EXPECT_EQ(MessageOf(real), "say \"hi\"");
    real.vdRead(in); // a token followed directly by the end of input
    EXPECT_TRUE(IsNumber(real, 7.0));
    EXPECT_FALSE(ReadErrorOccurred());
    real.vdRead(in); // at the end of input
    EXPECT_EQ(MessageOf(real), "Illegal string");
    EXPECT_TRUE(ReadErrorOccurred());
}

TEST(RealStreamTest, BadValuesSetTheReadErrorFlag)
{
    Real real;
    for (const auto& [text, message] :
         {std::pair{"1e999 ", "Overflow"}, std::pair{"  \"no end", "Illegal string"}})
    {
        std::istringstream in(text);
        ClearReadError();
        real.vdRead(in);
        EXPECT_EQ(MessageOf(real), message) << text;
        EXPECT_TRUE(ReadErrorOccurred()) << text;
    }

    std::istringstream word("abc 5");
    ClearReadError();
    real.vdRead(word);
    EXPECT_EQ(MessageOf(real), "Illegal string");
    EXPECT_TRUE(ReadErrorOccurred());
    ClearReadError();
    real.vdRead(word); // the bad token was consumed with its blank
    EXPECT_TRUE(IsNumber(real, 5.0));

    // A good quoted message leaves the flag as it was: set stays set.
    std::istringstream quoted("\"fine\" \"fine\"");
    SetReadError();
    real.vdRead(quoted);
    EXPECT_EQ(MessageOf(real), "fine");
    EXPECT_TRUE(ReadErrorOccurred());
    ClearReadError();
    real.vdRead(quoted);
    EXPECT_FALSE(ReadErrorOccurred());

    // A number token as long as the longest token reads; one longer is refused unread.
    std::istringstream longest(std::string(LongestToken - 1, '0') + "7 " +
                               std::string(LongestToken, '0') + std::string(100000, '1'));
    ClearReadError();
    real.vdRead(longest);
    EXPECT_TRUE(IsNumber(real, 7.0));
    EXPECT_FALSE(ReadErrorOccurred());
    real.vdRead(longest);
    EXPECT_EQ(MessageOf(real), "Illegal string");
    EXPECT_TRUE(ReadErrorOccurred());
    EXPECT_LE(static_cast<std::size_t>(longest.tellg()), 2 * LongestToken + 2);
}

// A decimal comma in the stream's locale must change neither the written nor the read form.
struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(RealStreamTest, StreamLocaleDoesNotChangeTheForm)
{
    const std::locale comma(std::locale::classic(), new CommaDecimal);
    const std::locale previous = std::locale::global(comma);
    std::stringstream file;
    file.imbue(comma);
    file << RealOf(1234.5) << ' ' << RealOf(-2.5e-9);
    EXPECT_EQ(file.str(), "1234.5 -2.5e-9");
    Real first, second;
    first.vdRead(file);
    second.vdRead(file);
    EXPECT_TRUE(IsNumber(first, 1234.5));
    EXPECT_TRUE(IsNumber(second, -2.5e-9));
    EXPECT_STREQ(RealOf(1234.5).Text(), "1234.5");
    std::locale::global(previous);
}

} // namespace
} // namespace Brosquin
