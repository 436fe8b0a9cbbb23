#include "core/String.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <limits>
#include <new>
#include <ostream>
#include <string>

namespace Brosquin
{

namespace
{

// Shared by every String without a buffer of its own; never written, never freed.
char sharedEmptyText[1] = "";

bool readError = false;

// The largest length whose buffer size (length + 1) still fits the capacity field.
constexpr std::uint32_t maximumLength = std::numeric_limits<std::uint32_t>::max() - 1;

bool IsBlank(int character)
{
    return character == ' ' || character == '\t' || character == '\n' || character == '\r';
}

// Printed widths of the 256 character codes, in hundredths of the font size.
constexpr unsigned char characterWidths[256] = {
    67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, // 0-15
    67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 67, 8,  67, // 16-31
    25, 28, 32, 49, 49, 79, 59, 17, 30, 30, 35, 52, 25, 30, 25, 25, // 32-47
    49, 49, 49, 49, 49, 49, 49, 49, 49, 49, 25, 25, 52, 52, 52, 49, // 48-63
    90, 59, 59, 64, 64, 59, 54, 69, 64, 25, 45, 59, 49, 73, 64, 69, // 64-79
    59, 69, 64, 59, 54, 64, 59, 89, 60, 58, 54, 25, 25, 25, 41, 49, // 80-95
    30, 49, 49, 45, 49, 49, 26, 49, 49, 20, 20, 45, 20, 74, 49, 49, // 96-111
    49, 49, 30, 45, 25, 49, 45, 63, 45, 43, 43, 30, 23, 30, 52, 67, // 112-127
    67, 67, 20, 49, 30, 89, 49, 49, 30, 90, 59, 30, 89, 67, 67, 67, // 128-143
    67, 20, 20, 30, 30, 31, 49, 89, 28, 89, 45, 30, 84, 67, 67, 59, // 144-159
    25, 28, 49, 49, 49, 49, 23, 49, 30, 66, 33, 49, 52, 30, 66, 49, // 160-175
    36, 49, 30, 30, 30, 51, 48, 25, 30, 30, 33, 49, 74, 74, 74, 54, // 176-191
    59, 59, 59, 59, 59, 59, 89, 64, 59, 59, 59, 59, 25, 25, 25, 25, // 192-207
    64, 64, 69, 69, 69, 69, 69, 52, 69, 64, 64, 64, 64, 59, 59, 54, // 208-223
    49, 49, 49, 49, 49, 49, 79, 45, 49, 49, 49, 49, 25, 25, 25, 25, // 224-239
    49, 49, 49, 49, 49, 49, 49, 49, 54, 49, 49, 49, 49, 45, 49, 45, // 240-255
};

} // namespace

String::String(const char* text, std::uint32_t minimumCapacity) : buffer(sharedEmptyText)
{
    if (text == nullptr)
        text = "";
    const std::size_t textLength = std::strlen(text);
    if (textLength > maximumLength)
        return;
    if (textLength > 0 || minimumCapacity > 0)
        vdReserve(std::max(static_cast<std::uint32_t>(textLength), minimumCapacity));
    Replace(0, text, textLength);
}

String::String(const String& other) : buffer(sharedEmptyText)
{
    Replace(0, other.buffer, other.length);
}

String::String(String&& other) noexcept
    : length(other.length), capacity(other.capacity), buffer(other.buffer)
{
    other.length = 0;
    other.capacity = 0;
    other.buffer = sharedEmptyText;
}

String::~String()
{
    if (capacity > 0)
        delete[] buffer;
}

String& String::operator=(const String& other)
{
    if (this != &other)
        Replace(0, other.buffer, other.length);
    return *this;
}

String& String::operator=(String&& other) noexcept
{
    if (this != &other)
    {
        if (capacity > 0)
            delete[] buffer;
        length = other.length;
        capacity = other.capacity;
        buffer = other.buffer;
        other.length = 0;
        other.capacity = 0;
        other.buffer = sharedEmptyText;
    }
    return *this;
}

String& String::operator=(const char* text)
{
    if (text == nullptr)
        text = "";
    Replace(0, text, std::strlen(text));
    return *this;
}

String& String::operator+=(const char* text)
{
    if (text != nullptr)
        Replace(length, text, std::strlen(text));
    return *this;
}

String& String::operator+=(char character)
{
    if (length + 1 >= capacity && length <= maximumLength - 21)
        vdReserve(length + 21);
    if (length + 1 < capacity)
    {
        buffer[length] = character;
        buffer[++length] = '\0';
    }
    return *this;
}

bool String::Replace(std::uint32_t offset, const char* text, std::size_t count)
{
    if (count > maximumLength - offset)
        return false;
    const std::uint32_t newLength = offset + static_cast<std::uint32_t>(count);
    if (newLength == 0 && capacity == 0)
        return true; // the shared empty text already says it
    if (newLength >= capacity)
    {
        // A fresh buffer is filled before the old one is freed, so the text may come from it.
        char* larger = new (std::nothrow) char[newLength + 1];
        if (larger == nullptr)
            return false;
        std::memcpy(larger, buffer, offset);
        std::memcpy(larger + offset, text, count);
        if (capacity > 0)
            delete[] buffer;
        buffer = larger;
        capacity = newLength + 1;
    }
    else
        std::memmove(buffer + offset, text, count);
    length = newLength;
    buffer[length] = '\0';
    return true;
}

void String::vdReserve(std::uint32_t n)
{
    if (n > 0 && n >= capacity && n <= maximumLength)
        vdMoveToBuffer(n + 1);
}

void String::vdMoveToBuffer(std::uint32_t size)
{
    char* fresh = new (std::nothrow) char[size];
    if (fresh == nullptr)
        return;
    std::memcpy(fresh, buffer, length + 1);
    if (capacity > 0)
        delete[] buffer;
    buffer = fresh;
    capacity = size;
}

void String::vdShrinkToFit()
{
    if (capacity == 0)
        return;
    if (length == 0)
    {
        delete[] buffer;
        buffer = sharedEmptyText;
        capacity = 0;
        return;
    }
    if (capacity > length + 1)
        vdMoveToBuffer(length + 1);
}

void String::vdTrim()
{
    if (capacity == 0)
        return;
    std::uint32_t first = 0;
    while (first < length && IsBlank(static_cast<unsigned char>(buffer[first])))
        ++first;
    std::uint32_t end = length;
    while (end > first && IsBlank(static_cast<unsigned char>(buffer[end - 1])))
        --end;
    std::memmove(buffer, buffer + first, end - first);
    buffer[end - first] = '\0';
    length = static_cast<std::uint32_t>(std::strlen(buffer));
}

void String::vdRemoveLastCharacter()
{
    if (length > 0)
        buffer[--length] = '\0';
}

double String::dWidth() const
{
    unsigned long hundredths = 0;
    for (std::uint32_t i = 0; i < length; ++i)
        hundredths += characterWidths[static_cast<unsigned char>(buffer[i])];
    return static_cast<double>(hundredths) * 0.01;
}

void String::vdWriteQuoted(std::ostream& out) const
{
    vdWriteQuotedText(out);
    out.put(' ');
}

void String::vdWriteQuotedText(std::ostream& out) const
{
    out.put('"');
    // The runs between quotes go whole: a session of long texts is written, and measured, at the
    // speed of copying them.
    const char* run = buffer;
    const char* const end = buffer + length;
    while (run < end)
    {
        const char* quote = std::find(run, end, '"');
        if (quote < end)
            ++quote;
        out.write(run, quote - run);
        if (quote[-1] == '"')
            out.put('"');
        run = quote;
    }
    out.put('"');
}

void String::vdReadQuoted(std::istream& in)
{
    std::string text;
    bool complete = false;
    int character = in.get();
    while (IsBlank(character))
        character = in.get();
    if (character == '"')
    {
        // A text that outgrows the limit ends the read unclosed.
        while (text.size() <= LongestToken &&
               (character = in.get()) != std::char_traits<char>::eof())
        {
            if (character == '"')
            {
                if (in.peek() != '"')
                {
                    complete = true;
                    break;
                }
                in.get();
            }
            text.push_back(static_cast<char>(character));
        }
    }
    if (!complete || !Replace(0, text.data(), text.size()))
    {
        Replace(0, "", 0);
        SetReadError();
    }
    vdShrinkToFit();
}

std::ostream& operator<<(std::ostream& out, const String& text)
{
    return out.write(text.Text(), text.Length());
}

void ClearReadError()
{
    readError = false;
}

void SetReadError()
{
    readError = true;
}

bool ReadErrorOccurred()
{
    return readError;
}

} // namespace Brosquin
