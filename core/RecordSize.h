#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <streambuf>

namespace Brosquin
{

class Real;

// A stream that keeps nothing of what is written to it and counts its bytes: the size of a record
// without the record. Counting at the widest, it counts each value written by vdWriteMoving as
// wide as that value can ever be written, so that the count holds whatever those values become.
class RecordSize : public std::ostream
{
public:
    enum class Values : std::uint8_t
    {
        AsWritten,
        AtWidest
    };

    explicit RecordSize(Values values = Values::AsWritten);
    RecordSize(const RecordSize&) = delete;
    RecordSize& operator=(const RecordSize&) = delete;

    std::uint64_t Bytes() const { return counter.Bytes(); }
    bool CountsAtWidest() const { return values == Values::AtWidest; }
    // Counts bytes that were not written.
    void vdAddBytes(std::uint64_t count) { counter.vdAdd(count); }

private:
    class Counter : public std::streambuf
    {
    public:
        Counter();
        std::uint64_t Bytes() const;
        void vdAdd(std::uint64_t count) { counted += count; }

    protected:
        int_type overflow(int_type character) override;
        // Counted, not copied.
        std::streamsize xsputn(const char* text, std::streamsize count) override;

    private:
        std::array<char, 256> buffer{};
        std::uint64_t counted = 0;
    };

    Counter counter;
    Values values;
};

// The characters of a whole number in decimal, its sign included.
constexpr std::uint32_t DecimalWidth(std::int64_t value)
{
    std::uint32_t width = value < 0 ? 2 : 1;
    for (std::int64_t rest = value / 10; rest != 0; rest /= 10)
        ++width;
    return width;
}

// More than the widest text form of a number ("-0.000000" and 17 digits are 26 characters).
inline constexpr std::uint32_t WidestNumberText = 32;

// A value that changes without a command of the user's: a scale or a table range that the plans'
// evaluation sets anew, a window's place and size that the user drags, a plan's position that
// moves when plans before it go, a line's colour that a plan takes anew when it is shown again.
// It is written as any other; a RecordSize that counts at the widest counts it as widest bytes at
// the least (a Real: WidestNumberText).
void vdWriteMoving(std::ostream& out, std::int64_t value, std::uint32_t widest);
void vdWriteMoving(std::ostream& out, const Real& value);

// The bytes that write(out) writes to a RecordSize counting so.
template <class Write>
std::uint64_t BytesWritten(Write write, RecordSize::Values values = RecordSize::Values::AsWritten)
{
    RecordSize size(values);
    write(static_cast<std::ostream&>(size));
    return size.Bytes();
}

} // namespace Brosquin
