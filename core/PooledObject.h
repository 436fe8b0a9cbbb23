#pragma once

#include "core/FixedSizeMemoryManager.h"

#include <cstddef>
#include <type_traits>

namespace Brosquin
{

// The block pools of one class, one per object size, each made at its first allocation with 100
// blocks per chunk and never released. A class derived from a pooled class may be larger than its
// base; with a pool of its own it can never overflow a block sized for the base.
class ClassPools
{
public:
    void* Allocate(std::size_t size) noexcept;
    void vdFree(void* block, std::size_t size) noexcept;

private:
    struct Pool;
    Pool* first = nullptr;
};

// Derive a class from PooledObject<Class> to draw its objects from pools of its own. The allocation
// operator returns null when memory is exhausted (no exception), so a new-expression gives null.
template <class Class> class PooledObject
{
public:
    static void* operator new(std::size_t size) noexcept { return pools.Allocate(size); }
    static void operator delete(void* block, std::size_t size) noexcept
    {
        pools.vdFree(block, size);
    }

private:
    static inline ClassPools pools;
};

} // namespace Brosquin
