#include "core/FixedSizeMemoryManager.h"
#include "core/PooledObject.h"
#include "core/ReferenceString.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace Brosquin
{
namespace
{

bool IsAligned(const void* block)
{
    return reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t) == 0;
}

bool IsZero(const void* block, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(block);
    return std::all_of(bytes, bytes + size, [](unsigned char b) { return b == 0; });
}

TEST(FixedSizeMemoryManagerTest, HundredBlocksShareAChunkAndTheNextStartsAnother)
{
    constexpr std::uint32_t size = 13; // odd, so alignment comes from the pool, not the size
    FixedSizeMemoryManager pool(size, 100);
    std::vector<unsigned char*> blocks;
    for (int i = 0; i < 101; ++i)
    {
        auto* block = static_cast<unsigned char*>(pool.Allocate(size));
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(IsAligned(block));
        EXPECT_TRUE(IsZero(block, size));
        std::memset(block, i + 1, size);
        blocks.push_back(block);
    }
    // The first hundred lie in order in one allocation, evenly spaced.
    const std::ptrdiff_t stride = blocks[1] - blocks[0];
    EXPECT_GE(stride, static_cast<std::ptrdiff_t>(size + sizeof(std::uint32_t)));
    for (int i = 1; i < 100; ++i)
        EXPECT_EQ(blocks[i] - blocks[i - 1], stride);
    EXPECT_TRUE(blocks[100] < blocks[0] || blocks[100] > blocks[99] + stride);
    // No block overran its neighbours.
    for (int i = 0; i < 101; ++i)
        EXPECT_TRUE(
            std::all_of(blocks[i], blocks[i] + size, [i](unsigned char b) { return b == i + 1; }));
    for (unsigned char* block : blocks)
        EXPECT_TRUE(pool.Free(block));
}

TEST(FixedSizeMemoryManagerTest, FreedBlockOfAFullChunkIsServedFirstAndZeroed)
{
    FixedSizeMemoryManager pool(24, 4);
    void* blocks[8];
    for (void*& block : blocks)
        block = pool.Allocate(24);
    std::memset(blocks[2], 0xAB, 24);
    pool.Free(blocks[2]);
    void* again = pool.Allocate(0); // the size asked for does not matter
    EXPECT_EQ(again, blocks[2]);
    EXPECT_TRUE(IsZero(again, 24));

    // Last freed, first reused within a chunk.
    pool.Free(blocks[5]);
    pool.Free(blocks[6]);
    EXPECT_EQ(pool.Allocate(24), blocks[6]);
    EXPECT_EQ(pool.Allocate(24), blocks[5]);
    for (void* block : blocks)
        pool.Free(block);
}

TEST(FixedSizeMemoryManagerTest, EmptiedChunkIsReleasedAndPoolStaysUsable)
{
    FixedSizeMemoryManager pool(8, 2);
    void* a = pool.Allocate(8);
    void* b = pool.Allocate(8);
    void* c = pool.Allocate(8); // second chunk
    pool.Free(a);
    pool.Free(b); // first chunk released
    pool.Free(c); // second chunk released
    EXPECT_TRUE(pool.Free(nullptr));
    void* d = pool.Allocate(8); // a new chunk
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(IsZero(d, 8));
    pool.Free(d);

    FixedSizeMemoryManager single(16, 1);
    void* only = single.Allocate(16);
    void* second = single.Allocate(16);
    EXPECT_NE(only, second);
    single.Free(only);
    single.Free(second);
}

struct PooledBase : PooledObject<PooledBase>
{
    virtual ~PooledBase() = default;
    std::uint64_t marker = 0x1111111111111111u;
};

struct PooledDerived : PooledBase
{
    unsigned char payload[200];
};

TEST(FixedSizeMemoryManagerTest, DerivedClassNeverOverflowsBlocksOfItsBase)
{
    std::vector<PooledBase*> objects;
    for (int i = 0; i < 30; ++i)
    {
        objects.push_back(new PooledBase);
        auto* derived = new PooledDerived;
        std::memset(derived->payload, 0xEE, sizeof derived->payload);
        objects.push_back(derived);
    }
    for (PooledBase* object : objects)
        EXPECT_EQ(object->marker, 0x1111111111111111u);
    for (PooledBase* object : objects)
        delete object; // the virtual destructor passes the object's own size back
}

TEST(ReferenceStringTest, SharedTextLivesUntilItsLastHolderLetsGo)
{
    ReferenceString* message = new ReferenceString("Overflow", 80);
    EXPECT_EQ(message->ReferenceCount(), 1u);
    EXPECT_STREQ(message->Text(), "Overflow");
    EXPECT_GE(message->Capacity(), 81u);

    ReferenceString* second = message;
    second->vdAddReference();
    message = message->vdRelease();
    EXPECT_EQ(message, nullptr);
    EXPECT_EQ(second->ReferenceCount(), 1u);
    EXPECT_STREQ(second->Text(), "Overflow");
    *second = "Divide by zero"; // its text can be set in place
    EXPECT_STREQ(second->Text(), "Divide by zero");
    EXPECT_EQ(second->vdRelease(), nullptr); // destroyed here; the sanitizers check it

    ReferenceString* empty = new ReferenceString(nullptr, 0);
    EXPECT_STREQ(empty->Text(), "");
    empty->vdRelease();
}

} // namespace
} // namespace Brosquin
