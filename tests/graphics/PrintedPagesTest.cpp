#include "graphics/PrintedPages.h"

#include "graphics/Drawing.h"
#include "tests/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace Brosquin
{
namespace
{

// A table of `rows` rows of one line and columns 20 units wide between rules, `columns` of them,
// each cell's text "row:column" in its middle.
std::unique_ptr<Drawing> Table(int rows, int columns)
{
    auto table = std::make_unique<Drawing>();
    for (int column = 0; column <= columns; ++column)
        table->AddLine(20.0 * column, 0, 20.0 * column, rows, 1, 0, 0, 0, 0);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            table->AddText((std::to_string(row) + ":" + std::to_string(column)).c_str(),
                           20.0 * column + 10, row, 1, TextAlignment::Middle, 0, false, false, 0);
    return table;
}

// A page printed on 8 x 10 inches inside margins of 20 pixels, at 72 pixels per inch.
constexpr PageArea upright{20, 20, 596, 740, 72, 72};
constexpr PageArea turned{20, 20, 740, 596, 72, 72};

void ExpectPage(const PrintedPage& page, double left, double top, double right, double bottom,
                double ox, double oy)
{
    EXPECT_DOUBLE_EQ(page.left, left);
    EXPECT_DOUBLE_EQ(page.top, top);
    EXPECT_DOUBLE_EQ(page.right, right);
    EXPECT_DOUBLE_EQ(page.bottom, bottom);
    // Lines of 10 points are 10 pixels at 72 pixels per inch.
    EXPECT_DOUBLE_EQ(page.sx, 10);
    EXPECT_DOUBLE_EQ(page.sy, 10);
    EXPECT_DOUBLE_EQ(page.ox, ox);
    EXPECT_DOUBLE_EQ(page.oy, oy);
}

// A table 100 units wide fitted on the page has lines of 576 / 100 / 72 inches = 5.76 points
// upright and 7.2 points turned; at 10 points a page holds 57.6 x 72 units upright and 72 x 57.6
// turned.
TEST(PrintedPages, AWholePageWhereTheTextIsLargeEnough)
{
    const auto table = Table(10, 5);
    const PrintedPages asSet = TablePages(*table, upright, turned, 5.7);
    EXPECT_FALSE(asSet.bTurned);
    EXPECT_TRUE(asSet.pages.empty());
    const PrintedPages sideways = TablePages(*table, upright, turned, 7.1);
    EXPECT_TRUE(sideways.bTurned);
    EXPECT_TRUE(sideways.pages.empty());
}

// Cuts between columns fall on the last rule in the second half of a page, cuts between rows
// between two rows; of the two page ways the one that needs fewer pages is taken, across and
// then down, each part of the table at the page's top left-hand corner.
TEST(PrintedPages, PagesCutBetweenColumnsAndRows)
{
    // Upright: columns 0-40, 40-80, 80-100 and one band of rows, against 0-60, 60-100 and rows
    // 0-57, 57-60 turned.
    const auto short_ = Table(60, 5);
    const PrintedPages three = TablePages(*short_, upright, turned, 10);
    EXPECT_FALSE(three.bTurned);
    ASSERT_EQ(three.pages.size(), 3u);
    ExpectPage(three.pages[0], 0, 0, 40, 60, 20, 20);
    ExpectPage(three.pages[1], 40, 0, 80, 60, 20 - 400, 20);
    ExpectPage(three.pages[2], 80, 0, 100, 60, 20 - 800, 20);

    // Upright 3 x 3 pages (rows 0-72, 72-144, 144-200), turned 2 x 4 (rows cut at 57, 114, 171).
    const auto tall = Table(200, 5);
    const PrintedPages eight = TablePages(*tall, upright, turned, 10);
    EXPECT_TRUE(eight.bTurned);
    ASSERT_EQ(eight.pages.size(), 8u);
    ExpectPage(eight.pages[0], 0, 0, 60, 57, 20, 20);
    ExpectPage(eight.pages[1], 60, 0, 100, 57, 20 - 600, 20);
    ExpectPage(eight.pages[2], 0, 57, 60, 114, 20, 20 - 570);
    ExpectPage(eight.pages[7], 60, 171, 100, 200, 20 - 600, 20 - 1710);

    // A table as narrow as a page stands in the middle across it: (576 - 400) / 2 = 88.
    const auto narrow = Table(100, 2);
    const PrintedPages two = TablePages(*narrow, upright, turned, 10);
    EXPECT_FALSE(two.bTurned);
    ASSERT_EQ(two.pages.size(), 2u);
    ExpectPage(two.pages[0], 0, 0, 40, 72, 20 + 88, 20);
    ExpectPage(two.pages[1], 0, 72, 40, 100, 20 + 88, 20 - 720);
}

// A text longer than a page leaves no place between texts: the page ends where it must.
TEST(PrintedPages, ATextLongerThanAPageIsCut)
{
    const auto table = Table(60, 5);
    table->AddText(std::string(300, 'W').c_str(), 50, -2, 1, TextAlignment::Middle, 0, false, false,
                   0);
    const PrintedPages pages = TablePages(*table, upright, turned, 10);
    ASSERT_FALSE(pages.pages.empty());
    EXPECT_LT(pages.pages[0].left, 0);
    EXPECT_DOUBLE_EQ(pages.pages[0].right - pages.pages[0].left, pages.bTurned ? 72 : 57.6);
}

// A table that would need more than a thousand pages either way prints whole on one page: at
// lines of 40 points a page holds 14.4 x 18 units, so 1200 x 220 units take 90 x 13 pages
// upright and 72 x 16 turned, its cuts kept clear of the texts.
TEST(PrintedPages, AThousandPagesAtMost)
{
    const auto table = Table(220, 60);
    const PrintedPages pages = TablePages(*table, upright, turned, 40);
    EXPECT_FALSE(pages.bTurned);
    EXPECT_TRUE(pages.pages.empty());
}

// A page draws the texts that reach into its part and no others.
TEST(PrintedPages, APageDrawsWhatReachesIntoIt)
{
    const auto table = Table(200, 5);
    const PrintedPages pages = TablePages(*table, upright, turned, 10);
    ASSERT_EQ(pages.pages.size(), 8u);
    RecordingCanvas canvas(72, 72);
    vdDrawPage(*table, canvas, pages.pages[2], 0xFFFFFF);
    std::set<std::string> texts;
    for (const RecordingCanvas::Painted& painted : canvas.painted)
        if (painted.kind == RecordingCanvas::Kind::Text)
            texts.insert(painted.text);
    // Rows 57 to 113 of columns 0 to 2, and the rows that touch the page's edges.
    for (const char* shown : {"57:0", "85:1", "113:2", "56:0", "114:2"})
        EXPECT_EQ(texts.count(shown), 1u) << shown;
    for (const char* hidden : {"55:0", "115:0", "85:3", "60:4"})
        EXPECT_EQ(texts.count(hidden), 0u) << hidden;
    EXPECT_EQ(texts.size(), 3u * 59u);
}

} // namespace
} // namespace Brosquin
