#include "core/Real.h"
#include "core/String.h"
#include "tests/core/RealTestSupport.h"

#include <gtest/gtest.h>

#include <new>

// The value types draw their memory through the non-throwing forms of operator new. These forms
// are replaced here so that a test can make them fail; otherwise they forward to the usual ones.
namespace
{
bool failAllocations = false;
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (failAllocations)
        return nullptr;
    try
    {
        return ::operator new(size);
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    if (failAllocations)
        return nullptr;
    try
    {
        return ::operator new[](size);
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}

namespace Brosquin
{
namespace
{

struct MemoryExhausted
{
    MemoryExhausted() { failAllocations = true; }
    ~MemoryExhausted() { failAllocations = false; }
};

TEST(OutOfMemoryTest, RealKeepsAMessageWithoutMemoryForItsOwn)
{
    Real errors[3];
    {
        MemoryExhausted exhausted;
        errors[0].vdSetError(Real::DivideByZero);
        errors[1].vdSetMessage("user text");
        errors[2] = "not a number";
    }
    for (const Real& error : errors)
    {
        ASSERT_NE(error.Message(), nullptr);
        EXPECT_EQ(MessageOf(error), "Out of memory");
        EXPECT_EQ(error.dValue(), 0.0);
    }
    // The shared text outlives its holders and keeps working afterwards.
    for (Real& error : errors)
        error = 1.0;
    Real later;
    later.vdSetError(Real::Overflow);
    EXPECT_EQ(MessageOf(later), "Overflow");
}

TEST(OutOfMemoryTest, StringStaysUnchangedWhenItCannotGrow)
{
    String text("short");
    String empty;
    {
        MemoryExhausted exhausted;
        text += " and a longer tail";
        text = "a text that needs a larger buffer";
        for (int i = 0; i < 5; ++i)
            text += '!';
        empty = "x";
        empty.vdReserve(10);
    }
    EXPECT_STREQ(text.Text(), "short");
    EXPECT_EQ(text.Length(), 5u);
    EXPECT_STREQ(empty.Text(), "");
    EXPECT_EQ(empty.Capacity(), 0u);
}

} // namespace
} // namespace Brosquin
