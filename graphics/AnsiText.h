#pragma once

#include <string>
#include <string_view>

namespace Brosquin
{

// The program keeps its texts in the Windows-1252 character set; these turn them into Unicode for
// the devices that draw them.

// The Unicode code point of one Windows-1252 character. The five codes that Windows-1252 leaves
// undefined map to the control characters of the same number, as Windows maps them.
char32_t CodePointOfAnsi(unsigned char c);

// Appends the UTF-8 form of a code point.
void vdAppendUtf8(std::string& out, char32_t codePoint);

// The UTF-8 form of a Windows-1252 text.
std::string Utf8OfAnsi(std::string_view text);

} // namespace Brosquin
