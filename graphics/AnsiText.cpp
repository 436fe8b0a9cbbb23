#include "graphics/AnsiText.h"

#include <array>

namespace Brosquin
{

char32_t CodePointOfAnsi(unsigned char c)
{
    // 0x80 to 0x9F; the rest of the set is Latin-1.
    static constexpr std::array<char32_t, 32> high = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    if (c >= 0x80 && c <= 0x9F)
        return high[c - 0x80u];
    return c;
}

void vdAppendUtf8(std::string& out, char32_t codePoint)
{
    const auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
    if (codePoint < 0x80)
    {
        byte(codePoint);
    }
    else if (codePoint < 0x800)
    {
        byte(0xC0 | (codePoint >> 6));
        byte(0x80 | (codePoint & 0x3F));
    }
    else if (codePoint < 0x10000)
    {
        byte(0xE0 | (codePoint >> 12));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    }
    else
    {
        byte(0xF0 | (codePoint >> 18));
        byte(0x80 | ((codePoint >> 12) & 0x3F));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    }
}

std::string Utf8OfAnsi(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        vdAppendUtf8(out, CodePointOfAnsi(static_cast<unsigned char>(c)));
    return out;
}

} // namespace Brosquin
