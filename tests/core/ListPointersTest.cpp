#include "core/ListPointers.h"

#include <gtest/gtest.h>

#include <utility>

namespace Brosquin
{
namespace
{

int objects[200];

void* At(int i)
{
    return &objects[i];
}

void ExpectOrder(const ListPointers& list, std::initializer_list<int> order)
{
    ASSERT_EQ(list.Count(), order.size());
    std::uint32_t position = 1;
    for (int i : order)
        EXPECT_EQ(list.Item(position++), At(i)) << "position " << position - 1;
}

TEST(ListPointersTest, InsertsAtOneBasedPositions)
{
    ListPointers list(0);
    EXPECT_EQ(list.Capacity(), 0u);
    list.vdInsert(1, At(1));
    EXPECT_EQ(list.Capacity(), 50u);
    list.vdInsert(0, At(0));    // 0 is the front
    list.vdInsert(1000, At(3)); // beyond the end appends
    list.vdInsert(3, At(2));    // before the third
    ExpectOrder(list, {0, 1, 2, 3});
    list.vdInsert(5, At(4)); // count + 1 appends
    ExpectOrder(list, {0, 1, 2, 3, 4});
    EXPECT_EQ(list.Item(0), nullptr);
    EXPECT_EQ(list.Item(6), nullptr);
}

TEST(ListPointersTest, GrowsByFiftyThenByHalfKeepingTheOrder)
{
    ListPointers list(50);
    for (int i = 0; i < 50; ++i)
        list.vdInsert(list.Count() + 1, At(i + 1));
    EXPECT_EQ(list.Capacity(), 50u);
    list.vdInsert(0, At(0)); // the 51st, at the front
    EXPECT_EQ(list.Capacity(), 100u);
    ASSERT_EQ(list.Count(), 51u);
    for (std::uint32_t position = 1; position <= 51; ++position)
        EXPECT_EQ(list.Item(position), At(position - 1));
    for (int i = 51; i < 101; ++i)
        list.vdInsert(26, At(i)); // growth in the middle
    EXPECT_EQ(list.Capacity(), 150u);
    EXPECT_EQ(list.Item(26), At(100));
    EXPECT_EQ(list.Item(75), At(51));
    EXPECT_EQ(list.Item(76), At(25));
    // Beyond 100 by half, so that filling a long list copies each item a few times, not once for
    // every 50 items after it.
    for (int i = 101; i < 151; ++i)
        list.vdInsert(list.Count() + 1, At(i));
    EXPECT_EQ(list.Capacity(), 225u);
    EXPECT_EQ(list.Item(151), At(150));
    EXPECT_EQ(list.Item(1), At(0));
}

TEST(ListPointersTest, IndexRemoveAndClear)
{
    ListPointers list(5);
    for (int i : {7, 8, 7, 9})
        list.vdInsert(list.Count() + 1, At(i));
    list.vdInsert(list.Count() + 1, nullptr);
    EXPECT_EQ(list.Index(At(7)), 1u); // the first of two
    EXPECT_EQ(list.Index(At(9)), 4u);
    EXPECT_EQ(list.Index(nullptr), 5u);
    EXPECT_EQ(list.Index(At(100)), 0u);

    EXPECT_EQ(list.Remove(0), nullptr);
    EXPECT_EQ(list.Remove(6), nullptr);
    EXPECT_EQ(list.Count(), 5u);
    EXPECT_EQ(list.Remove(1), At(7));
    EXPECT_EQ(list.Remove(4), nullptr); // the stored null itself
    ExpectOrder(list, {8, 7, 9});

    list.vdClear();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Capacity(), 0u);
    EXPECT_EQ(list.Item(1), nullptr);
    list.vdInsert(1, At(5));
    ExpectOrder(list, {5});
}

TEST(ListPointersTest, CopiesHoldTheSamePointersInSlotsOfTheirOwn)
{
    ListPointers list(2);
    list.vdInsert(1, At(1));
    list.vdInsert(2, At(2));
    ListPointers copy(list);
    copy.vdInsert(0, At(0));
    ExpectOrder(list, {1, 2});
    ExpectOrder(copy, {0, 1, 2});

    list = copy;
    list = list;
    ExpectOrder(list, {0, 1, 2});

    ListPointers moved(std::move(copy));
    ExpectOrder(moved, {0, 1, 2});
    EXPECT_EQ(copy.Count(), 0u);
    copy.vdInsert(1, At(9)); // a moved-from list is empty and usable
    ExpectOrder(copy, {9});

    list = std::move(moved);
    ExpectOrder(list, {0, 1, 2});
    ListPointers empty(0);
    list = empty;
    EXPECT_EQ(list.Count(), 0u);
}

} // namespace
} // namespace Brosquin
