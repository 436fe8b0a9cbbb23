#include "core/FixedSizeMemoryManager.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace Brosquin
{

namespace
{

// Blocks hold objects of any type, so each one starts on the strictest fundamental alignment.
constexpr std::size_t blockAlignment = alignof(std::max_align_t);
static_assert(blockAlignment <= __STDCPP_DEFAULT_NEW_ALIGNMENT__,
              "chunks come from operator new and must be aligned for any block");

constexpr std::size_t RoundUp(std::size_t size)
{
    return (size + blockAlignment - 1) / blockAlignment * blockAlignment;
}

// The link word sits just before its block, at the end of a space that keeps the block aligned.
constexpr std::size_t linkSpace = RoundUp(sizeof(std::uint32_t));

} // namespace

struct FixedSizeMemoryManager::Chunk
{
    std::uint32_t freeCount;
    std::uint32_t firstFree; // index of the first free slot
    Chunk* next;
    Chunk* previous;
};

const std::size_t FixedSizeMemoryManager::headerSize = RoundUp(sizeof(Chunk));

FixedSizeMemoryManager::FixedSizeMemoryManager(std::uint32_t blockSize,
                                               std::uint32_t blocksPerChunk)
    : blockSize(blockSize), blocksPerChunk(std::max<std::uint32_t>(blocksPerChunk, 1)),
      slotSize(RoundUp(linkSpace + blockSize))
{
    const std::size_t maximum = std::numeric_limits<std::size_t>::max();
    const bool fits = this->blocksPerChunk <= (maximum - headerSize) / slotSize;
    // A chunk too large to be addressed can never be allocated: Allocate then returns null.
    chunkSize = fits ? headerSize + slotSize * this->blocksPerChunk : 0;
}

namespace
{

std::uint32_t& LinkWord(unsigned char* block)
{
    return *reinterpret_cast<std::uint32_t*>(block - sizeof(std::uint32_t));
}

} // namespace

unsigned char* FixedSizeMemoryManager::SlotBlock(Chunk* chunk, std::uint32_t slot) const
{
    return reinterpret_cast<unsigned char*>(chunk) + headerSize + slot * slotSize + linkSpace;
}

void* FixedSizeMemoryManager::Allocate(std::uint32_t)
{
    if (available == nullptr)
    {
        if (chunkSize == 0)
            return nullptr;
        void* memory = ::operator new(chunkSize, std::nothrow);
        if (memory == nullptr)
            return nullptr;
        Chunk* chunk = ::new (memory) Chunk{blocksPerChunk, 0, nullptr, nullptr};
        for (std::uint32_t slot = 0; slot < blocksPerChunk; ++slot)
            ::new (SlotBlock(chunk, slot) - sizeof(std::uint32_t)) std::uint32_t(slot + 1);
        available = chunk;
    }
    Chunk* chunk = available;
    const std::uint32_t slot = chunk->firstFree;
    unsigned char* block = SlotBlock(chunk, slot);
    chunk->firstFree = LinkWord(block);
    LinkWord(block) = slot;
    if (--chunk->freeCount == 0)
    {
        available = chunk->next;
        if (available != nullptr)
            available->previous = nullptr;
        chunk->next = nullptr;
    }
    std::memset(block, 0, blockSize);
    return block;
}

FixedSizeMemoryManager::Chunk* FixedSizeMemoryManager::ChunkOf(void* block,
                                                               std::uint32_t& slot) const
{
    unsigned char* bytes = static_cast<unsigned char*>(block);
    slot = LinkWord(bytes);
    return reinterpret_cast<Chunk*>(bytes - linkSpace - slot * slotSize - headerSize);
}

void FixedSizeMemoryManager::vdUnlink(Chunk* chunk)
{
    if (chunk->previous != nullptr)
        chunk->previous->next = chunk->next;
    else
        available = chunk->next;
    if (chunk->next != nullptr)
        chunk->next->previous = chunk->previous;
    chunk->next = chunk->previous = nullptr;
}

bool FixedSizeMemoryManager::Free(void* block)
{
    if (block == nullptr)
        return true;
    std::uint32_t slot;
    Chunk* chunk = ChunkOf(block, slot);
    const bool wasListed = chunk->freeCount > 0;
    LinkWord(static_cast<unsigned char*>(block)) = chunk->firstFree;
    chunk->firstFree = slot;
    ++chunk->freeCount;
    if (chunk->freeCount == blocksPerChunk)
    {
        if (wasListed)
            vdUnlink(chunk);
        chunk->~Chunk();
        ::operator delete(chunk);
    }
    else if (!wasListed)
    {
        // A chunk that was full is served first again.
        chunk->next = available;
        if (available != nullptr)
            available->previous = chunk;
        available = chunk;
    }
    return true;
}

} // namespace Brosquin
