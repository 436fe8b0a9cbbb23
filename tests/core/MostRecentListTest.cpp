#include "core/MostRecentList.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace Brosquin
{
namespace
{

// Stored names by position; a position listed in failingWrites refuses to be written.
class MemoryStorage : public MostRecentListStorage
{
public:
    std::optional<String> ReadName(int position) const override
    {
        const auto found = values.find(position);
        if (found == values.end())
            return std::nullopt;
        return String(found->second.c_str());
    }
    bool WriteName(int position, const String& name) override
    {
        if (position == failingWrite)
            return false;
        values[position] = name.Text();
        return true;
    }
    void vdRemoveName(int position) override { values.erase(position); }

    std::map<int, std::string> values;
    int failingWrite = 0;
};

std::vector<std::string> Names(const MostRecentList& list)
{
    std::vector<std::string> names;
    for (const String& name : list.Names())
        names.emplace_back(name.Text());
    return names;
}

using Strings = std::vector<std::string>;

TEST(MostRecentList, LoadsUpToTheFirstEmptyOrMissingValueAndTheMaximum)
{
    const struct
    {
        std::map<int, std::string> stored;
        int maximum;
    } cases[] = {
        {{{1, "A"}, {2, "B"}, {3, ""}, {4, "D"}}, 9},
        {{{1, "A"}, {2, "B"}, {4, "D"}}, 9},
        {{{1, "A"}, {2, "B"}, {3, "C"}}, 2},
    };
    for (const auto& c : cases)
    {
        MemoryStorage storage;
        storage.values = c.stored;
        MostRecentList list(c.maximum, storage);
        EXPECT_EQ(Names(list), (Strings{"A", "B"}));
        EXPECT_STREQ(list.Current().Text(), "");
    }
}

TEST(MostRecentList, MakingAFileCurrentMovesThePreviousOneToTheFront)
{
    MemoryStorage storage;
    storage.values = {{1, "A"}, {2, "B"}, {3, "C"}};
    MostRecentList list(9, storage);
    list.vdSetCurrent("C");
    EXPECT_EQ(Names(list), (Strings{"A", "B"})) << "the current file is not listed";
    list.vdSetCurrent("D");
    EXPECT_EQ(Names(list), (Strings{"C", "A", "B"}));
    EXPECT_STREQ(list.Current().Text(), "D");
    list.vdSetCurrent("");
    EXPECT_EQ(Names(list), (Strings{"D", "C", "A", "B"}));
    list.vdSetCurrent("");
    EXPECT_EQ(Names(list), (Strings{"D", "C", "A", "B"})) << "no current file, nothing moves";
    list.vdSetCurrent("A");
    list.vdSetCurrent("A");
    EXPECT_EQ(Names(list), (Strings{"D", "C", "B"})) << "the same file again is listed nowhere";
}

TEST(MostRecentList, RemovesTheFirstEntryOfTheSameNameInLetterCase)
{
    MemoryStorage storage;
    storage.values = {{1, "/data/Lot.vlx"}, {2, "/data/lot.vlx"}, {3, "/data/Lot.vlx"}};
    MostRecentList list(9, storage);
    list.vdSetCurrent("/data/LOT.vlx");
    EXPECT_EQ(Names(list), (Strings{"/data/Lot.vlx", "/data/lot.vlx", "/data/Lot.vlx"}))
        << "another file on a case-sensitive file system";
    EXPECT_FALSE(list.Remove("/data/LOT.VLX"));
    EXPECT_TRUE(list.Remove("/data/Lot.vlx"));
    EXPECT_EQ(Names(list), (Strings{"/data/lot.vlx", "/data/Lot.vlx"}));
    EXPECT_TRUE(list.Remove("/data/lot.vlx"));
    EXPECT_FALSE(list.Remove("/data/lot.vlx"));
}

TEST(MostRecentList, AFullListDropsItsLastNameForANewCurrentFile)
{
    MemoryStorage storage;
    for (int i = 1; i <= 9; ++i)
        storage.values[i] = "F" + std::to_string(i);
    MostRecentList list(9, storage);
    list.vdSetCurrent("X");
    list.vdSetCurrent("Y");
    EXPECT_EQ(Names(list), (Strings{"X", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8"}));
}

TEST(MostRecentList, SavesTheCurrentFileFirstAndRemovesStaleValues)
{
    MemoryStorage storage;
    storage.values = {{1, "A"}, {2, "B"}, {3, "C"}, {7, "stale"}};
    {
        MostRecentList list(9, storage);
        EXPECT_TRUE(list.Remove("B"));
        list.vdSetCurrent("D");
    }
    EXPECT_EQ(storage.values, (std::map<int, std::string>{{1, "D"}, {2, "A"}, {3, "C"}}));
}

TEST(MostRecentList, AFailingWriteEndsTheSaving)
{
    MemoryStorage storage;
    storage.values = {{1, "A"}, {2, "B"}, {3, "C"}};
    storage.failingWrite = 2;
    {
        MostRecentList list(9, storage);
        list.vdSetCurrent("D");
    }
    EXPECT_EQ(storage.values.at(1), "D");
    EXPECT_EQ(storage.values.at(2), "B") << "positions from the failing one on keep their values";
    EXPECT_EQ(storage.values.at(3), "C");
    EXPECT_EQ(storage.values.count(4), 0u);
}

} // namespace
} // namespace Brosquin
