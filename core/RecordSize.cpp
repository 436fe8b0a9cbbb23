#include "core/RecordSize.h"

#include "core/Real.h"

#include <locale>

namespace Brosquin
{

namespace
{

// Writes, and on a stream counting at the widest counts at least widest bytes for it.
template <class Write> void vdWriteAtLeast(std::ostream& out, std::uint32_t widest, Write write)
{
    auto* size = dynamic_cast<RecordSize*>(&out);
    if (size == nullptr || !size->CountsAtWidest())
    {
        write();
        return;
    }
    const std::uint64_t before = size->Bytes();
    write();
    const std::uint64_t written = size->Bytes() - before;
    if (written < widest)
        size->vdAddBytes(widest - written);
}

} // namespace

RecordSize::Counter::Counter()
{
    setp(buffer.data(), buffer.data() + buffer.size());
}

std::uint64_t RecordSize::Counter::Bytes() const
{
    return counted + static_cast<std::uint64_t>(pptr() - pbase());
}

RecordSize::Counter::int_type RecordSize::Counter::overflow(int_type character)
{
    counted += static_cast<std::uint64_t>(pptr() - pbase());
    setp(buffer.data(), buffer.data() + buffer.size());
    if (!traits_type::eq_int_type(character, traits_type::eof()))
    {
        *pptr() = traits_type::to_char_type(character);
        pbump(1);
    }
    return traits_type::not_eof(character);
}

std::streamsize RecordSize::Counter::xsputn(const char*, std::streamsize count)
{
    counted += static_cast<std::uint64_t>(count);
    return count;
}

RecordSize::RecordSize(Values values) : std::ostream(&counter), values(values)
{
    // As the files are written.
    imbue(std::locale::classic());
}

void vdWriteMoving(std::ostream& out, std::int64_t value, std::uint32_t widest)
{
    vdWriteAtLeast(out, widest, [&] { out << value; });
}

void vdWriteMoving(std::ostream& out, const Real& value)
{
    vdWriteAtLeast(out, WidestNumberText, [&] { out << value; });
}

} // namespace Brosquin
