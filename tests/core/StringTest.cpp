#include "core/String.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

namespace Brosquin
{
namespace
{

std::string Quoted(const String& text)
{
    std::ostringstream out;
    text.vdWriteQuoted(out);
    return out.str();
}

// Reads one quoted text and says whether the read-error flag came up.
bool ReadQuoted(std::istream& in, String& text)
{
    ClearReadError();
    text.vdReadQuoted(in);
    return ReadErrorOccurred();
}

TEST(StringTest, ConstructionFromNullEmptyAndText)
{
    String none(nullptr, 0);
    EXPECT_EQ(none.Length(), 0u);
    EXPECT_EQ(none.Capacity(), 0u);
    EXPECT_STREQ(none.Text(), "");

    String reserved(nullptr, 10);
    EXPECT_EQ(reserved.Length(), 0u);
    EXPECT_EQ(reserved.Capacity(), 11u);

    String text("plan", 2);
    EXPECT_STREQ(text.Text(), "plan");
    EXPECT_EQ(text.Length(), 4u);
    EXPECT_EQ(text.Capacity(), 5u);

    String wide("ab", 40);
    EXPECT_STREQ(wide.Text(), "ab");
    EXPECT_EQ(wide.Capacity(), 41u);
}

TEST(StringTest, AppendingCharactersGrowsByTwentyOne)
{
    String text;
    std::string expected;
    for (int i = 0; i < 64; ++i)
    {
        text += static_cast<char>('a' + i % 26);
        expected += static_cast<char>('a' + i % 26);
        const std::uint32_t expectedCapacity = i < 21 ? 22 : i < 42 ? 43 : i < 63 ? 64 : 85;
        EXPECT_EQ(text.Capacity(), expectedCapacity) << "after " << i + 1 << " characters";
    }
    EXPECT_EQ(text.Text(), expected);
    EXPECT_EQ(text.Length(), 64u);
}

TEST(StringTest, AssignAppendAndReserve)
{
    String text("Single: n=");
    text += "50";
    text += ", a=";
    text += '2';
    EXPECT_STREQ(text.Text(), "Single: n=50, a=2");

    text = "x";
    EXPECT_STREQ(text.Text(), "x");
    EXPECT_EQ(text.Length(), 1u);

    text.vdReserve(1000);
    EXPECT_EQ(text.Capacity(), 1001u);
    EXPECT_STREQ(text.Text(), "x");
    text.vdReserve(10); // never shrinks
    EXPECT_EQ(text.Capacity(), 1001u);

    text.vdShrinkToFit();
    EXPECT_EQ(text.Capacity(), 2u);
    text.vdRemoveLastCharacter();
    text.vdRemoveLastCharacter(); // nothing left to drop
    EXPECT_STREQ(text.Text(), "");
    text.vdShrinkToFit();
    EXPECT_EQ(text.Capacity(), 0u);

    text += nullptr; // a null text appends nothing
    text = nullptr;  // and assigns the empty text
    EXPECT_STREQ(text.Text(), "");
}

TEST(StringTest, OwnTextAsSourceOfAssignmentAndAppend)
{
    String text("abc");
    text += text.Text(); // must read the old buffer before it is freed
    EXPECT_STREQ(text.Text(), "abcabc");
    text += text.Text();
    text += text.Text();
    EXPECT_STREQ(text.Text(), "abcabcabcabcabcabcabcabc");

    text = text.CharacterAt(22); // a tail of itself
    EXPECT_STREQ(text.Text(), "abc");
    text = text;
    EXPECT_STREQ(text.Text(), "abc");
}

TEST(StringTest, CopiesAreIndependentAndMovesEmptyTheSource)
{
    String original("lot");
    String copy(original);
    *copy.CharacterAt(1) = 'L';
    EXPECT_STREQ(original.Text(), "lot");
    EXPECT_STREQ(copy.Text(), "Lot");

    String assigned;
    assigned = original;
    original = "changed";
    EXPECT_STREQ(assigned.Text(), "lot");

    String moved(std::move(original));
    EXPECT_STREQ(moved.Text(), "changed");
    EXPECT_STREQ(original.Text(), "");
    EXPECT_EQ(original.Capacity(), 0u);

    assigned = std::move(moved);
    EXPECT_STREQ(assigned.Text(), "changed");
    EXPECT_EQ(moved.Length(), 0u);
    original = "usable again";
    EXPECT_STREQ(original.Text(), "usable again");

    String empty;
    String emptyCopy(empty);
    EXPECT_EQ(emptyCopy.Capacity(), 0u);
}

TEST(StringTest, TrimRemovesBlanksTabsAndLineEnds)
{
    String text("  \t a b \r\n");
    text.vdTrim();
    EXPECT_STREQ(text.Text(), "a b");
    EXPECT_EQ(text.Length(), 3u);

    String blanks("    ");
    blanks.vdTrim();
    EXPECT_STREQ(blanks.Text(), "");
    EXPECT_EQ(blanks.Length(), 0u);

    String none;
    none.vdTrim();
    EXPECT_EQ(none.Capacity(), 0u);
}

TEST(StringTest, WidthSumsTheCharacterTable)
{
    EXPECT_DOUBLE_EQ(String("10").dWidth(), 0.98);
    EXPECT_EQ(String().dWidth(), 0.0);
    // Codes above 127 index the table as unsigned bytes: 0xFF is 45, 0x80 is 67, 30 is 8.
    EXPECT_DOUBLE_EQ(String("\xFF\x80\x1E").dWidth(), 1.20);
    EXPECT_DOUBLE_EQ(String("W i").dWidth(), (89 + 25 + 20) * 0.01);
}

TEST(StringTest, QuotedFormDoublesInnerQuotes)
{
    EXPECT_EQ(Quoted(String("a\"b")), "\"a\"\"b\" ");
    EXPECT_EQ(Quoted(String()), "\"\" ");
    EXPECT_EQ(Quoted(String("two\r\nlines")), "\"two\r\nlines\" ");

    std::ostringstream plain;
    plain << String("a\"b");
    EXPECT_EQ(plain.str(), "a\"b");
}

TEST(StringTest, QuotedFormReadsBackWhatWasWritten)
{
    const char* samples[] = {"a\"b", "", "\"", "\"\"", "line\nbreak\r\n", " padded ", "\xE9t\xE9"};
    std::ostringstream out;
    for (const char* sample : samples)
        String(sample).vdWriteQuoted(out);
    std::istringstream in(out.str());
    for (const char* sample : samples)
    {
        String text("previous");
        EXPECT_FALSE(ReadQuoted(in, text)) << sample;
        EXPECT_STREQ(text.Text(), sample);
    }
}

TEST(StringTest, QuotedReadStopsRightAfterTheClosingQuote)
{
    std::istringstream in(" \t\r\n\"\" \"\"\"x\"\"\" 42");
    String text;
    EXPECT_FALSE(ReadQuoted(in, text));
    EXPECT_STREQ(text.Text(), "");
    EXPECT_EQ(text.Capacity(), 0u);
    EXPECT_FALSE(ReadQuoted(in, text));
    EXPECT_STREQ(text.Text(), "\"x\"");
    int next = 0;
    in >> next;
    EXPECT_EQ(next, 42);
}

TEST(StringTest, QuotedReadFailuresSetTheStickyFlag)
{
    String text("kept?");
    std::istringstream word("x \"ok\"");
    EXPECT_TRUE(ReadQuoted(word, text));
    EXPECT_STREQ(text.Text(), "");
    // The flag stays set through a later good read until it is cleared.
    text.vdReadQuoted(word);
    EXPECT_STREQ(text.Text(), "ok");
    EXPECT_TRUE(ReadErrorOccurred());

    std::istringstream empty("   ");
    EXPECT_TRUE(ReadQuoted(empty, text));
    EXPECT_STREQ(text.Text(), "");

    std::istringstream unclosed("\"never closed");
    text = "something";
    EXPECT_TRUE(ReadQuoted(unclosed, text));
    EXPECT_STREQ(text.Text(), "");
    EXPECT_EQ(text.Capacity(), 0u);

    SetReadError();
    EXPECT_TRUE(ReadErrorOccurred());
    ClearReadError();
    EXPECT_FALSE(ReadErrorOccurred());
}

TEST(StringTest, QuotedTextsEndAtTheLongestToken)
{
    // Doubled quotes count once; a text one longer is refused before the reader takes the rest.
    const std::string longest = std::string(LongestToken - 1, 'q') + "\"";
    std::istringstream in("\"" + std::string(LongestToken - 1, 'q') + "\"\"\" 7");
    String text;
    EXPECT_FALSE(ReadQuoted(in, text));
    EXPECT_EQ(text.Text(), longest);
    const std::string tail(100000, 'q');
    std::istringstream tooLong("\"" + std::string(LongestToken, 'q') + tail + "\"");
    EXPECT_TRUE(ReadQuoted(tooLong, text));
    EXPECT_EQ(text.Length(), 0u);
    EXPECT_GE(static_cast<std::size_t>(tooLong.tellg()), LongestToken + 1);
    EXPECT_LE(static_cast<std::size_t>(tooLong.tellg()), LongestToken + 2);
}

} // namespace
} // namespace Brosquin
