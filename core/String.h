#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>

namespace Brosquin
{

// The program's own growable text: a NUL-terminated buffer of 8-bit characters with a length and
// a capacity. Without a buffer of its own (capacity 0) it points at one shared, static empty text.
class String
{
public:
    String(const char* text = nullptr, std::uint32_t minimumCapacity = 0);
    String(const String& other);
    String(String&& other) noexcept;
    virtual ~String();

    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;
    // Each leaves the String unchanged when its buffer cannot be made large enough.
    String& operator=(const char* text);
    String& operator+=(const char* text);
    String& operator+=(char character);

    void vdReserve(std::uint32_t n);
    void vdShrinkToFit();
    void vdTrim();
    void vdRemoveLastCharacter();

    // 1-based; positions 1..Length() are valid and are not checked.
    char* CharacterAt(std::uint32_t position) { return buffer + position - 1; }
    const char* CharacterAt(std::uint32_t position) const { return buffer + position - 1; }

    // Printed width of the text in units of the font size.
    double dWidth() const;

    // The session file's text form: the text in double quotes, inner quotes doubled, one blank.
    void vdWriteQuoted(std::ostream& out) const;
    // The same without the blank.
    void vdWriteQuotedText(std::ostream& out) const;
    // A text longer than LongestToken is a read error, met as soon as the limit is passed.
    void vdReadQuoted(std::istream& in);

    std::uint32_t Length() const { return length; }
    std::uint32_t Capacity() const { return capacity; }
    const char* Text() const { return buffer; }

private:
    // Moves the text to a new buffer of that many bytes; nothing changes when none can be had.
    void vdMoveToBuffer(std::uint32_t size);
    // Copies count bytes of text (which may lie inside this String's own buffer) in place of the
    // text from offset on; false, with nothing changed, when the buffer cannot be made large
    // enough.
    bool Replace(std::uint32_t offset, const char* text, std::size_t count);

    std::uint32_t length = 0;
    std::uint32_t capacity = 0;
    char* buffer;
};

// The longest text or number a session file holds in one token, far beyond what any session
// needs: the readers refuse a longer one as damaged before they have read it whole, and the entry
// fields take no more.
inline constexpr std::uint32_t LongestToken = 4096;

// Writes the text unchanged, without quotes or separator.
std::ostream& operator<<(std::ostream& out, const String& text);

// The one process-wide flag through which the readers of a session file report a bad value. It is
// sticky: readers only set it; the reader of the whole file clears it first and tests it after.
void ClearReadError();
void SetReadError();
bool ReadErrorOccurred();

} // namespace Brosquin
