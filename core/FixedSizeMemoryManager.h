#pragma once

#include <cstddef>
#include <cstdint>

namespace Brosquin
{

// A pool of equal-sized, zero-filled blocks carved out of chunks of blocksPerChunk blocks. A block
// finds its chunk by address arithmetic alone; a chunk goes back to the system as soon as its last
// used block is returned.
class FixedSizeMemoryManager
{
public:
    FixedSizeMemoryManager(std::uint32_t blockSize, std::uint32_t blocksPerChunk);
    FixedSizeMemoryManager(const FixedSizeMemoryManager&) = delete;
    FixedSizeMemoryManager& operator=(const FixedSizeMemoryManager&) = delete;
    // Releases no chunk: pools live as long as the program.
    virtual ~FixedSizeMemoryManager() = default;

    // A block of the pool's size whatever the size asked for; null when memory is exhausted.
    void* Allocate(std::uint32_t size);
    // Returns a block of this pool; a null block is ignored. Always true.
    bool Free(void* block);

    std::uint32_t BlockSize() const { return blockSize; }

private:
    struct Chunk;

    static const std::size_t headerSize;

    unsigned char* SlotBlock(Chunk* chunk, std::uint32_t slot) const;
    Chunk* ChunkOf(void* block, std::uint32_t& slot) const;
    void vdUnlink(Chunk* chunk);

    Chunk* available = nullptr;
    std::uint32_t blockSize;
    std::uint32_t blocksPerChunk;
    std::size_t slotSize;  // link word and block, rounded up to keep every block aligned
    std::size_t chunkSize; // header and slots
};

} // namespace Brosquin
