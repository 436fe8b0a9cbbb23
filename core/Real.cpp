#include "core/Real.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <istream>
#include <limits>
#include <new>
#include <ostream>
#include <string>
#include <string_view>

namespace Brosquin
{

const char* const RealErrorMessages[17] = {
    "Illegal string",
    "Overflow",
    "Underflow",
    "Divide by zero",
    "Power not defined at specified values",
    "Log of zero",
    "Log of negative number",
    "Square root of negative number",
    "Trig functions limited to domain (-1000,1000)",
    "Tangent not defined at specified value",
    "ArcSine not defined at specified value",
    "ArcCosine not defined at specified value",
    "Gamma of zero or negative",
    "Beta of zero or negative parameter",
    "Beta parameters limited to domain <= 10^8",
    "Gamma distribution parameter error",
    "Normal fraction defective parameter error",
};

namespace
{

constexpr double largest = 1e154;
constexpr double smallest = 2e-154;
// Messages are cut to this many characters in the text forms.
constexpr std::size_t shownMessageLength = 200;

bool IsBlank(char character)
{
    return character == ' ' || character == '\t' || character == '\n' || character == '\r';
}

// Significant decimal digits of a magnitude and the position of the decimal point relative to the
// first of them: the number is 0.d1d2d3... x 10^point.
struct DecimalDigits
{
    char digits[40];
    int count = 0;
    int point = 0;
};

// From std::to_chars in scientific form: the exact rounding of printf's "%.*e", whatever the C
// locale. Without a precision the digits are the fewest that read back to the same double.
DecimalDigits Decimal(double magnitude, int precision)
{
    char text[64];
    const std::to_chars_result written =
        precision < 0
            ? std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific)
            : std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                            precision);
    DecimalDigits decimal;
    const char* character = text;
    for (; *character != 'e'; ++character)
        if (*character != '.')
            decimal.digits[decimal.count++] = *character;
    int exponent = 0;
    std::from_chars(character + (character[1] == '+' ? 2 : 1), written.ptr, exponent);
    decimal.point = exponent + 1;
    return decimal;
}

// Lays digits out as the text form: fixed notation while the point lies within -6..9 digits, else
// one digit before the point and an exponent; trailing zeros and a trailing point are dropped.
void vdLayOut(const DecimalDigits& decimal, bool negative, bool exponentFlag, char* out)
{
    // Digits beyond those computed are zeros.
    auto digit = [&decimal](int i) { return i < decimal.count ? decimal.digits[i] : '0'; };
    const int shown = std::max(decimal.count, 15);
    int exponent = 0;
    if (negative)
        *out++ = '-';
    if (decimal.point >= -6 && decimal.point <= 0)
    {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -decimal.point, '0');
        for (int i = 0; i < shown; ++i)
            *out++ = digit(i);
    }
    else
    {
        const int before = decimal.point >= 1 && decimal.point <= 9 ? decimal.point : 1;
        exponent = decimal.point - before;
        for (int i = 0; i < before; ++i)
            *out++ = digit(i);
        *out++ = '.';
        for (int i = before; i < shown; ++i)
            *out++ = digit(i);
    }
    while (out[-1] == '0')
        --out;
    if (out[-1] == '.')
        --out;
    if (exponent != 0)
    {
        const char* mark = exponentFlag ? " 10^" : "e";
        out = std::copy(mark, mark + std::strlen(mark), out);
        out = std::to_chars(out, out + 8, exponent).ptr;
    }
    *out = '\0';
}

// Writes a message between double quotes, cut to the characters that are shown; in the session
// file inner quotes are doubled so that the text reads back whole.
void vdQuoteMessage(const ReferenceString& message, bool doubleQuotes, std::string& out)
{
    const std::size_t shown =
        std::min<std::size_t>(shownMessageLength, std::strlen(message.Text()));
    out += '"';
    for (std::size_t i = 0; i < shown; ++i)
    {
        if (doubleQuotes && message.Text()[i] == '"')
            out += '"';
        out += message.Text()[i];
    }
    out += '"';
}

// A decimal number token checked against the number grammar (optional sign, digits with an
// optional point, optional exponent), so that no other form (hex, "inf", "nan", a decimal comma)
// is ever converted.
struct DecimalNumber
{
    bool negative = false;
    std::string_view mantissa; // digits with at most one point
    long long exponent = 0;    // saturated far beyond the range of a double
    int leadingPower = 0;      // power of ten of the first nonzero mantissa digit
    bool zero = true;
};

constexpr long long exponentLimit = 1000000000;

bool IsDigit(char character)
{
    return character >= '0' && character <= '9';
}

bool ParseDecimal(std::string_view token, DecimalNumber& number)
{
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        number.negative = token[i++] == '-';
    const std::size_t start = i;
    std::size_t digits = 0;
    long long integerDigits = 0;
    long long zerosAfterPoint = 0;
    bool point = false;
    for (; i < token.size(); ++i)
    {
        const char character = token[i];
        if (character == '.' && !point)
            point = true;
        else if (IsDigit(character))
        {
            ++digits;
            if (number.zero && character != '0')
                number.zero = false;
            else if (number.zero && point)
                zerosAfterPoint = std::min(zerosAfterPoint + 1, exponentLimit);
            if (!point && !number.zero)
                integerDigits = std::min(integerDigits + 1, exponentLimit);
        }
        else
            break;
    }
    if (digits == 0)
        return false;
    number.mantissa = token.substr(start, i - start);
    number.leadingPower =
        static_cast<int>(integerDigits > 0 ? integerDigits - 1 : -zerosAfterPoint - 1);
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E'))
    {
        ++i;
        bool negativeExponent = false;
        if (i < token.size() && (token[i] == '+' || token[i] == '-'))
            negativeExponent = token[i++] == '-';
        const std::size_t exponentStart = i;
        for (; i < token.size() && IsDigit(token[i]); ++i)
            number.exponent = std::min(number.exponent * 10 + (token[i] - '0'), exponentLimit);
        if (i == exponentStart)
            return false;
        if (negativeExponent)
            number.exponent = -number.exponent;
    }
    return i == token.size();
}

// The double nearest to the number times 10^extraPower; beyond the range of a double, infinity or
// zero with the number's sign.
double NearestDouble(const DecimalNumber& number, long long extraPower)
{
    const long long power = number.exponent + extraPower;
    std::string text(number.negative ? "-" : "");
    text.append(number.mantissa);
    text += 'e';
    text += std::to_string(power);
    double result = 0.0;
    const std::from_chars_result read =
        std::from_chars(text.data(), text.data() + text.size(), result);
    if (read.ec == std::errc::result_out_of_range)
    {
        const bool tooLarge = !number.zero && number.leadingPower + power > 0;
        result = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
        if (number.negative)
            result = -result;
    }
    return result;
}

// Removes the thousands separators of a number token: commas every four characters back from the
// end of the integer part, each behind a digit, reaching to the front or to a leading sign. Any
// other comma stays, and the token is then no number.
std::string WithoutThousandsSeparators(std::string_view token)
{
    const std::size_t end = std::min(token.find_first_of(".eE"), token.size());
    std::string result(token);
    if (end < 5 || token[end - 4] != ',' || !IsDigit(token[end - 5]))
        return result;
    std::size_t comma = end - 4;
    while (comma > 4)
    {
        comma -= 4;
        if (token[comma] != ',' || !IsDigit(token[comma - 1]))
            return result;
    }
    if (comma == 4 && token[0] != '+' && token[0] != '-')
        return result;
    for (std::size_t separator = end - 4; separator >= comma; separator -= 4)
    {
        result.erase(separator, 1);
        if (separator < 4)
            break;
    }
    return result;
}

bool ParseNumberToken(std::string_view token, DecimalNumber& number, std::string& storage)
{
    storage = WithoutThousandsSeparators(token);
    return ParseDecimal(storage, number);
}

} // namespace

Real::Real(const Real& other) : message(other.message), value(other.value)
{
    if (message != nullptr)
        message->vdAddReference();
}

Real::Real(Real&& other) noexcept : message(other.message), value(other.value)
{
    other.message = nullptr;
    other.value = 0.0;
}

Real::~Real()
{
    vdReleaseMessage();
}

void Real::vdReleaseMessage()
{
    if (message != nullptr)
        message = message->vdRelease();
}

Real& Real::operator=(const Real& other)
{
    if (this != &other)
        vdShareMessage(other.message);
    if (other.message == nullptr)
        value = other.value;
    return *this;
}

Real& Real::operator=(Real&& other) noexcept
{
    if (this != &other)
    {
        vdReleaseMessage();
        message = other.message;
        value = other.value;
        other.message = nullptr;
        other.value = 0.0;
    }
    return *this;
}

Real& Real::operator=(double x)
{
    if (std::isnan(x) || x < -largest || x > largest)
        vdSetError(Overflow);
    else
        vdStore(x);
    return *this;
}

void Real::vdStore(double x)
{
    vdReleaseMessage();
    value = std::fabs(x) < smallest ? 0.0 : x;
}

void Real::vdSetError(int code)
{
    if (code == Underflow)
        vdStore(0.0);
    else
    {
        vdReleaseMessage();
        value = 0.0;
        const bool known = code >= 0 && code < static_cast<int>(std::size(RealErrorMessages));
        message = NewMessage(RealErrorMessages[known ? code : IllegalString]);
    }
}

void Real::vdSetMessage(const char* text)
{
    vdReleaseMessage();
    value = 0.0;
    message = NewMessage(text != nullptr ? text : "");
}

void Real::vdShareMessage(ReferenceString* shared)
{
    // Counted in before the own reference goes, in case both are one text.
    if (shared != nullptr)
        shared->vdAddReference();
    vdReleaseMessage();
    message = shared;
    value = 0.0;
}

void Real::vdAppendMessage(const char* text)
{
    if (message != nullptr && text != nullptr)
        *message += text;
}

char Real::NextNonBlank(const char** text)
{
    while (IsBlank(**text))
        ++*text;
    const char character = **text;
    if (character == '\0')
        *text = nullptr;
    else
        ++*text;
    return character;
}

Real& Real::operator=(const char* text)
{
    const char* next = text;
    const char first = text != nullptr ? NextNonBlank(&next) : '\0';
    if (text == nullptr || next == nullptr)
    {
        vdSetError(IllegalString);
        return *this;
    }
    const std::string_view rest(next - 1);
    const std::size_t last = rest.find_last_not_of(" \t\n\r");
    if (first == '"')
    {
        if (last == 0 || rest[last] != '"')
            vdSetError(IllegalString);
        else
        {
            std::string_view inside = rest.substr(1, last - 1);
            inside.remove_prefix(std::min(inside.find_first_not_of(" \t\n\r"), inside.size()));
            vdSetMessage(std::string(inside).c_str());
        }
        return *this;
    }

    // The number token, an optional exponent token "10^..." and nothing else.
    const std::string_view blanks(" \t\n\r");
    const std::size_t numberEnd = std::min(rest.find_first_of(blanks), rest.size());
    const std::size_t secondStart =
        std::min(rest.find_first_not_of(blanks, numberEnd), rest.size());
    const std::size_t secondEnd = std::min(rest.find_first_of(blanks, secondStart), rest.size());
    const std::string_view second = rest.substr(secondStart, secondEnd - secondStart);
    const bool hasExponent = second.size() >= 4 && second.starts_with("10^");
    DecimalNumber number, power;
    std::string numberText, powerText;
    if ((!second.empty() && (!hasExponent || last >= secondEnd)) ||
        !ParseNumberToken(rest.substr(0, numberEnd), number, numberText) ||
        (hasExponent && !ParseNumberToken(second.substr(3), power, powerText)))
    {
        vdSetError(IllegalString);
        return *this;
    }
    *this = NearestDouble(number, 0);
    if (!hasExponent || message != nullptr)
        return *this;
    // A whole power of ten is read exactly, as one decimal number; any other goes through 10^t.
    const double t = NearestDouble(power, 0);
    if (t == std::floor(t) && std::fabs(t) <= 400)
        return *this = NearestDouble(number, static_cast<long long>(t));
    Real scale;
    scale = t;
    scale.PowerOfTen();
    return *this *= scale;
}

const char* Real::Text(int digits, bool exponentFlag) const
{
    static char text[256];
    if (message != nullptr)
    {
        std::string quoted;
        vdQuoteMessage(*message, false, quoted);
        std::memcpy(text, quoted.c_str(), quoted.size() + 1);
    }
    else
        vdLayOut(Decimal(std::fabs(value), (digits > 0 ? std::min(digits, 17) : 15) - 1), value < 0,
                 exponentFlag, text);
    return text;
}

std::ostream& operator<<(std::ostream& out, const Real& real)
{
    std::string text;
    if (real.Message() != nullptr)
        vdQuoteMessage(*real.Message(), true, text);
    else
    {
        char number[64];
        vdLayOut(Decimal(std::fabs(real.dValue()), -1), real.dValue() < 0, false, number);
        text = number;
    }
    return out << text;
}

int Real::PeekNonBlank(std::istream& in)
{
    int character = in.peek();
    while (character != std::char_traits<char>::eof() && IsBlank(static_cast<char>(character)))
    {
        in.get();
        character = in.peek();
    }
    return character;
}

void Real::vdRead(std::istream& in)
{
    int character = PeekNonBlank(in);
    if (character == '"')
    {
        // The flag tells this read's own failure; one set before stays set.
        const bool earlierError = ReadErrorOccurred();
        ClearReadError();
        String text;
        text.vdReadQuoted(in);
        if (ReadErrorOccurred())
            vdSetError(IllegalString);
        else
            vdSetMessage(text.Text());
        if (earlierError)
            SetReadError();
        return;
    }
    if (character == std::char_traits<char>::eof())
    {
        vdSetError(IllegalString);
        SetReadError();
        return;
    }
    std::string token;
    while (token.size() <= LongestToken &&
           (character = in.get()) != std::char_traits<char>::eof() &&
           !IsBlank(static_cast<char>(character)))
        token += static_cast<char>(character);
    if (token.size() > LongestToken)
        vdSetError(IllegalString);
    else
        *this = token.c_str();
    if (message != nullptr)
        SetReadError();
}

} // namespace Brosquin
