#include "plans/SessionFileInput.h"

#include <algorithm>

namespace Brosquin
{

SessionFileInput::CountingBuffer::CountingBuffer(std::streambuf& source, std::uint64_t limit)
    : source(source), left(limit)
{
}

SessionFileInput::CountingBuffer::int_type SessionFileInput::CountingBuffer::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    if (left == 0)
    {
        // One byte more would be beyond the limit: the file is larger than it may be.
        if (!traits_type::eq_int_type(source.sgetc(), traits_type::eof()))
            reachedLimit = true;
        return traits_type::eof();
    }
    const auto wanted = static_cast<std::streamsize>(std::min<std::uint64_t>(left, chunk.size()));
    const std::streamsize read = source.sgetn(chunk.data(), wanted);
    if (read <= 0)
        return traits_type::eof();
    left -= static_cast<std::uint64_t>(read);
    setg(chunk.data(), chunk.data(), chunk.data() + read);
    return traits_type::to_int_type(*gptr());
}

SessionFileInput::SessionFileInput(const std::string& path, std::uint64_t limit)
    : std::istream(nullptr), counted(file, limit)
{
    rdbuf(&counted);
    if (!file.open(path, std::ios::in | std::ios::binary))
        setstate(std::ios::failbit);
}

} // namespace Brosquin
