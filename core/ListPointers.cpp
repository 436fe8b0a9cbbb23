#include "core/ListPointers.h"

#include <algorithm>
#include <limits>
#include <new>
#include <utility>

namespace Brosquin
{

namespace
{
// Slots a full list grows by: 50, or half its size once it holds more than 100, so that a list of
// many items is filled in time in proportion to their number.
constexpr std::uint32_t leastGrowth = 50;

std::uint32_t Growth(std::uint32_t capacity)
{
    return std::max(leastGrowth, capacity / 2);
}
} // namespace

ListPointers::ListPointers(std::uint32_t initialCapacity)
    : storage(initialCapacity > 0 ? new void*[initialCapacity] : nullptr), capacity(initialCapacity)
{
}

ListPointers::ListPointers(const ListPointers& other)
    : storage(other.capacity > 0 ? new void*[other.capacity] : nullptr), capacity(other.capacity),
      count(other.count)
{
    std::copy(other.storage, other.storage + count, storage);
}

ListPointers::ListPointers(ListPointers&& other) noexcept
    : storage(std::exchange(other.storage, nullptr)), capacity(std::exchange(other.capacity, 0)),
      count(std::exchange(other.count, 0))
{
}

ListPointers::~ListPointers()
{
    delete[] storage;
}

ListPointers& ListPointers::operator=(const ListPointers& other)
{
    if (this != &other)
        *this = ListPointers(other);
    return *this;
}

ListPointers& ListPointers::operator=(ListPointers&& other) noexcept
{
    if (this != &other)
    {
        delete[] storage;
        storage = std::exchange(other.storage, nullptr);
        capacity = std::exchange(other.capacity, 0);
        count = std::exchange(other.count, 0);
    }
    return *this;
}

void ListPointers::vdInsert(std::uint32_t position, void* pointer)
{
    const std::uint32_t slot = std::min(position == 0 ? 0 : position - 1, count);
    if (count == capacity)
    {
        const std::uint32_t growth = Growth(capacity);
        if (capacity > std::numeric_limits<std::uint32_t>::max() - growth)
            throw std::bad_alloc();
        void** larger = new void*[capacity + growth];
        std::copy(storage, storage + slot, larger);
        std::copy(storage + slot, storage + count, larger + slot + 1);
        delete[] storage;
        storage = larger;
        capacity += growth;
    }
    else
        std::copy_backward(storage + slot, storage + count, storage + count + 1);
    storage[slot] = pointer;
    ++count;
}

std::uint32_t ListPointers::Index(const void* pointer) const
{
    const auto found = std::find(storage, storage + count, pointer);
    return found == storage + count ? 0 : static_cast<std::uint32_t>(found - storage) + 1;
}

void* ListPointers::Remove(std::uint32_t position)
{
    if (position == 0 || position > count)
        return nullptr;
    void* pointer = storage[position - 1];
    std::copy(storage + position, storage + count, storage + position - 1);
    --count;
    return pointer;
}

void* ListPointers::Item(std::uint32_t position) const
{
    return position == 0 || position > count ? nullptr : storage[position - 1];
}

void ListPointers::vdClear()
{
    delete[] storage;
    storage = nullptr;
    capacity = 0;
    count = 0;
}

} // namespace Brosquin
