#include "core/PooledObject.h"

#include <cstdint>
#include <limits>
#include <new>

namespace Brosquin
{

struct ClassPools::Pool
{
    FixedSizeMemoryManager manager;
    Pool* next;
};

void* ClassPools::Allocate(std::size_t size) noexcept
{
    if (size > std::numeric_limits<std::uint32_t>::max())
        return nullptr;
    const auto blockSize = static_cast<std::uint32_t>(size);
    Pool* pool = first;
    while (pool != nullptr && pool->manager.BlockSize() != blockSize)
        pool = pool->next;
    if (pool == nullptr)
    {
        pool = new (std::nothrow) Pool{FixedSizeMemoryManager(blockSize, 100), first};
        if (pool == nullptr)
            return nullptr;
        first = pool;
    }
    return pool->manager.Allocate(blockSize);
}

void ClassPools::vdFree(void* block, std::size_t size) noexcept
{
    for (Pool* pool = first; pool != nullptr; pool = pool->next)
        if (pool->manager.BlockSize() == size)
        {
            pool->manager.Free(block);
            return;
        }
}

} // namespace Brosquin
