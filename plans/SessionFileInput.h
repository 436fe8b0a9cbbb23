#pragma once

#include "plans/SessionFile.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <istream>
#include <string>

namespace Brosquin
{

// A session file opened for reading, of which no more than a limit of bytes is read: the bytes
// are counted as they are read, so that a file that grows while it is read, or that is larger
// than its size said, ends at the limit as if it were cut there.
class SessionFileInput : public std::istream
{
public:
    explicit SessionFileInput(const std::string& path, std::uint64_t limit = LargestSessionFile);
    SessionFileInput(const SessionFileInput&) = delete;
    SessionFileInput& operator=(const SessionFileInput&) = delete;

    bool IsOpen() const { return file.is_open(); }
    // Whether the file held a byte beyond the limit.
    bool ReachedLimit() const { return counted.ReachedLimit(); }

private:
    class CountingBuffer : public std::streambuf
    {
    public:
        CountingBuffer(std::streambuf& source, std::uint64_t limit);
        bool ReachedLimit() const { return reachedLimit; }

    protected:
        int_type underflow() override;

    private:
        std::streambuf& source;
        std::uint64_t left;
        bool reachedLimit = false;
        std::array<char, 65536> chunk{};
    };

    std::filebuf file;
    CountingBuffer counted;
};

} // namespace Brosquin
