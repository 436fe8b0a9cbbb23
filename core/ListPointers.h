#pragma once

#include <cstdint>

namespace Brosquin
{

// An ordered list of untyped pointers with 1-based positions, growing by 50 slots, or by half its
// size once it holds more than 100. It never owns what it points to: whoever puts an object in
// takes it out and deletes it. Copies copy the pointers, not the objects.
class ListPointers
{
public:
    explicit ListPointers(std::uint32_t initialCapacity);
    ListPointers(const ListPointers& other);
    ListPointers(ListPointers&& other) noexcept;
    virtual ~ListPointers();

    ListPointers& operator=(const ListPointers& other);
    ListPointers& operator=(ListPointers&& other) noexcept;

    // Position 0 means the front, a position beyond Count() + 1 the end.
    void vdInsert(std::uint32_t position, void* pointer);
    // Position of the first slot holding the pointer, 0 when absent.
    std::uint32_t Index(const void* pointer) const;
    // Takes the item out; null (list unchanged) when the position is 0 or beyond Count().
    void* Remove(std::uint32_t position);
    // Null when the position is 0 or beyond Count().
    void* Item(std::uint32_t position) const;
    // Frees the slots, not the objects.
    void vdClear();

    std::uint32_t Count() const { return count; }
    std::uint32_t Capacity() const { return capacity; }

private:
    void** storage = nullptr; // slot k - 1 holds position k
    std::uint32_t capacity = 0;
    std::uint32_t count = 0;
};

} // namespace Brosquin
