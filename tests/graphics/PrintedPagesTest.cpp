#include "graphics/PrintedPages.h"

#include "graphics/Drawing.h"
#include "graphics/Text.h"
#include "tests/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace Brosquin
{
namespace
{

// A table of `rows` rows of one line and columns `width` units wide between rules, `columns` of
// them, each cell's text "row:column" in its middle; its top left-hand corner at (left, top).
std::unique_ptr<Drawing> Table(int rows, int columns, double left = 0, double top = 0,
                               double width = 20)
{
    auto table = std::make_unique<Drawing>();
    for (int column = 0; column <= columns; ++column)
        table->AddLine(left + width * column, top, left + width * column, top + rows, 1, 0, 0, 0,
                       0);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            table->AddText((std::to_string(row) + ":" + std::to_string(column)).c_str(),
                           left + width * column + width / 2, top + row, 1, TextAlignment::Middle,
                           0, false, false, 0);
    return table;
}

// A page printed on 8 x 10 inches inside margins of 20 pixels, at 72 pixels per inch.
constexpr PageArea upright{20, 20, 596, 740, 72, 72};
constexpr PageArea turned{20, 20, 740, 596, 72, 72};

void ExpectPart(const PagePart& part, double left, double top, double right, double bottom,
                double ox, double oy, bool bRepeated = false)
{
    EXPECT_DOUBLE_EQ(part.left, left);
    EXPECT_DOUBLE_EQ(part.top, top);
    EXPECT_DOUBLE_EQ(part.right, right);
    EXPECT_DOUBLE_EQ(part.bottom, bottom);
    // Lines of 10 points are 10 pixels at 72 pixels per inch.
    EXPECT_DOUBLE_EQ(part.sx, 10);
    EXPECT_DOUBLE_EQ(part.sy, 10);
    EXPECT_DOUBLE_EQ(part.ox, ox);
    EXPECT_DOUBLE_EQ(part.oy, oy);
    EXPECT_EQ(part.bRepeated, bRepeated);
}

// A page of a table without headings or labels is one part of it.
void ExpectPage(const PrintedPage& page, double left, double top, double right, double bottom,
                double ox, double oy)
{
    ASSERT_EQ(page.parts.size(), 1u);
    ExpectPart(page.parts[0], left, top, right, bottom, ox, oy);
}

// The texts drawn on a page, each part drawn as the printer draws it.
std::multiset<std::string> PageTexts(const Drawing& drawing, const PrintedPage& page)
{
    RecordingCanvas canvas(72, 72);
    const PartPainter parts(drawing);
    for (const PagePart& part : page.parts)
        parts.vdDraw(canvas, part, 0xFFFFFF);
    std::multiset<std::string> texts;
    for (const RecordingCanvas::Painted& painted : canvas.painted)
        if (painted.kind == RecordingCanvas::Kind::Text)
            texts.insert(painted.text);
    return texts;
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

    // At 10 points it fits neither way as drawn, but whole upright with every column narrowed to
    // its texts: the pieces side by side in the middle across the page, each text on it once.
    const PrintedPages narrowed = TablePages(*table, upright, turned, 10);
    EXPECT_FALSE(narrowed.bTurned);
    ASSERT_EQ(narrowed.pages.size(), 1u);
    const std::vector<PagePart>& parts = narrowed.pages[0].parts;
    ASSERT_GT(parts.size(), 5u);
    for (std::size_t i = 1; i < parts.size(); ++i)
        EXPECT_NEAR(parts[i].left * parts[i].sx + parts[i].ox,
                    parts[i - 1].right * parts[i - 1].sx + parts[i - 1].ox, 1e-9);
    const double left = parts.front().left * parts.front().sx + parts.front().ox;
    const double right = parts.back().right * parts.back().sx + parts.back().ox;
    EXPECT_GE(left, upright.left);
    EXPECT_NEAR(left - upright.left, upright.right - right, 1e-9);
    EXPECT_GT(parts[0].sx, 10);
    const std::multiset<std::string> texts = PageTexts(*table, narrowed.pages[0]);
    EXPECT_EQ(texts.size(), 50u);
    EXPECT_EQ(texts.count("9:4"), 1u);
}

// Cuts between columns fall on the last rule in the second half of a page, cuts between rows
// between two rows; of the two page ways the one that needs fewer pages is taken, across and
// then down, each part of the table at the page's top left-hand corner.
TEST(PrintedPages, PagesCutBetweenColumnsAndRows)
{
    // Upright: columns 0-40, 40-80, 80-100 and one band of rows, against 0-60, 60-100 and rows
    // 0-57, 57-60 turned; a text nearly as wide as its column in each keeps the table from
    // fitting whole with its columns narrowed.
    const auto short_ = Table(60, 5);
    for (int column = 0; column < 5; ++column)
        short_->AddText(std::string(22, 'M').c_str(), 20.0 * column + 10, 30, 1,
                        TextAlignment::Middle, 0, false, false, 0);
    ASSERT_GT(short_->Object(short_->Count())->dRight() - short_->Object(short_->Count())->dLeft(),
              14);
    ASSERT_LT(short_->Object(short_->Count())->dRight(), 100);
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

    // Of the rules in the second half of a page, one that reaches higher ends a group of columns
    // under one heading: the cut falls on it rather than on a later rule.
    tall->AddLine(40, -2, 40, 0, 1, 0, 0, 0, 0);
    const PrintedPages grouped = TablePages(*tall, upright, turned, 10);
    EXPECT_TRUE(grouped.bTurned);
    ASSERT_EQ(grouped.pages.size(), 8u);
    EXPECT_DOUBLE_EQ(grouped.pages[0].parts[0].right, 40);
    EXPECT_DOUBLE_EQ(grouped.pages[1].parts[0].left, 40);
    EXPECT_DOUBLE_EQ(grouped.pages[1].parts[0].right, 100);
    // One in the first half does not: the cut falls on the last rule of the second half, at 60,
    // where cutting at 20 would take three pages across.
    const auto early = Table(200, 5);
    early->AddLine(20, -2, 20, 0, 1, 0, 0, 0, 0);
    const PrintedPages late = TablePages(*early, upright, turned, 10);
    EXPECT_TRUE(late.bTurned);
    ASSERT_EQ(late.pages.size(), 8u);
    EXPECT_DOUBLE_EQ(late.pages[0].parts[0].right, 60);

    // A table as narrow as a page stands in the middle across it: (576 - 400) / 2 = 88.
    const auto narrow = Table(100, 2);
    const PrintedPages two = TablePages(*narrow, upright, turned, 10);
    EXPECT_FALSE(two.bTurned);
    ASSERT_EQ(two.pages.size(), 2u);
    ExpectPage(two.pages[0], 0, 0, 40, 72, 20 + 88, 20);
    ExpectPage(two.pages[1], 0, 72, 40, 100, 20 + 88, 20 - 720);
}

// A text longer than a page leaves no place between texts: the page ends where it must, on a
// rule where the page has one.
TEST(PrintedPages, ATextLongerThanAPageIsCut)
{
    const auto table = Table(60, 5);
    table->AddText(std::string(300, 'W').c_str(), 50, -2, 1, TextAlignment::Middle, 0, false, false,
                   0);
    const PrintedPages pages = TablePages(*table, upright, turned, 10);
    ASSERT_FALSE(pages.pages.empty());
    ASSERT_EQ(pages.pages[0].parts.size(), 1u);
    const PagePart& first = pages.pages[0].parts[0];
    EXPECT_LT(first.left, 0);
    EXPECT_DOUBLE_EQ(first.right - first.left, pages.bTurned ? 72 : 57.6);

    // A heading of 73 units over the five columns, longer than a page either way: upright, the
    // pages end on the rules at 40 and 80, not at 57.6 in the middle of a column.
    const auto headed = Table(60, 5);
    headed->AddText(std::string(100, 'M').c_str(), 0, -2, 1, TextAlignment::Start, 0, false, false,
                    0);
    ASSERT_GT(headed->Object(headed->Count())->dRight(), 72);
    const PrintedPages cut = TablePages(*headed, upright, turned, 10);
    EXPECT_FALSE(cut.bTurned);
    ASSERT_EQ(cut.pages.size(), 3u);
    ExpectPage(cut.pages[0], 0, -2, 40, 60, 20, 40);
    ExpectPage(cut.pages[1], 40, -2, 80, 60, 20 - 400, 40);
    ExpectPage(cut.pages[2], 80, -2, 100, 60, 20 - 800, 40);
}

// A table's blank margins take no room of a page, which has margins of its own: a table 80 units
// wide in margins of 10 before it and 20 beyond prints on two pages across at 10 points, not
// three, from its left-hand rule. Fitted whole, 100 units wide in margins of 10 it takes lines of
// 7.2 points turned, against 6 with its margins.
TEST(PrintedPages, TheMarginsTakeNoRoomOfAPage)
{
    const auto table = Table(100, 4);
    table->AddRect(-10, -10, 100, 110, 0, 0, 0, false, 0, 0);
    const PrintedPages pages = TablePages(*table, upright, turned, 10);
    EXPECT_FALSE(pages.bTurned);
    ASSERT_EQ(pages.pages.size(), 4u);
    ExpectPage(pages.pages[0], 0, 0, 40, 72, 20, 20);
    ExpectPage(pages.pages[1], 40, 0, 80, 72, 20 - 400, 20);
    ExpectPage(pages.pages[3], 40, 72, 80, 100, 20 - 400, 20 - 720);

    const auto wide = Table(10, 5);
    wide->AddRect(-10, -10, 110, 20, 0, 0, 0, false, 0, 0);
    const PrintedPages whole = TablePages(*wide, upright, turned, 6.5);
    EXPECT_TRUE(whole.bTurned);
    ASSERT_EQ(whole.pages.size(), 1u);
    ASSERT_EQ(whole.pages[0].parts.size(), 1u);
    const PagePart& part = whole.pages[0].parts[0];
    EXPECT_DOUBLE_EQ(part.left, 0);
    EXPECT_DOUBLE_EQ(part.right, 100);
    EXPECT_DOUBLE_EQ(part.top, 0);
    EXPECT_DOUBLE_EQ(part.bottom, 10);
    EXPECT_DOUBLE_EQ(part.sx, 7.2);
    EXPECT_DOUBLE_EQ(part.ox, 20);
    EXPECT_DOUBLE_EQ(part.oy, (20 + 596 - 72) / 2.0);
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

// A page draws the texts that reach into its part and no others, not those that only touch it.
TEST(PrintedPages, APageDrawsWhatReachesIntoIt)
{
    const auto table = Table(200, 5);
    const PrintedPages pages = TablePages(*table, upright, turned, 10);
    ASSERT_EQ(pages.pages.size(), 8u);
    const std::multiset<std::string> texts = PageTexts(*table, pages.pages[2]);
    // Rows 57 to 113 of columns 0 to 2.
    for (const char* shown : {"57:0", "85:1", "113:2"})
        EXPECT_EQ(texts.count(shown), 1u) << shown;
    for (const char* hidden : {"56:0", "114:2", "55:0", "115:0", "85:3", "60:4"})
        EXPECT_EQ(texts.count(hidden), 0u) << hidden;
    EXPECT_EQ(texts.size(), 3u * 57u);
}

constexpr const char* subtitle = "subtitle subtitle subtitle subtitle subtitle";

// The table above with a column of labels `labels` units wide before its columns (by default 10,
// so 110 units wide, from 0) and headings from y -3 to 2 above its rows (from 2 to 202): a title
// over the columns, a subtitle from x 4 to about 21, the labels' heading and a heading over each
// column.
std::unique_ptr<Drawing> LabelledTable(int rows, int columns, double labels = 10, double width = 20)
{
    auto table = Table(rows, columns, labels, 2, width);
    const double right = labels + width * columns;
    table->AddText("Title", right / 2, -3, 1, TextAlignment::Middle, 0, false, false, 0);
    table->AddText(subtitle, 4, -1.5, 1, TextAlignment::Start, 0, false, false, 0);
    for (double y : {0.0, 2.0})
        table->AddLine(0, y, right, y, 1, 0, 0, 0, 0);
    table->AddText("labels", labels / 2, 0.5, 1, TextAlignment::Middle, 0, false, false, 0);
    for (int column = 0; column < columns; ++column)
        table->AddText(("heading " + std::to_string(column)).c_str(),
                       labels + width * column + width / 2, 0.5, 1, TextAlignment::Middle, 0, false,
                       false, 0);
    for (int row = 0; row < rows; ++row)
        table->AddText(("row " + std::to_string(row)).c_str(), labels / 2, 2 + row, 1,
                       TextAlignment::Middle, 0, false, false, 0);
    table->vdSetRepeatedParts(2, labels);
    return table;
}

double Overlap(double from1, double to1, double from2, double to2)
{
    return std::max(0.0, std::min(to1, to2) - std::max(from1, from2));
}

// The page's titles: the rows above the table's rules, down to halfway to the top rule, in the
// middle over the page's parts from pageLeft to pageRight but within the page, on the whole
// printed width of the page (turned, from 20 to 740).
void ExpectTitles(const Drawing& table, const PagePart& part, double pageLeft, double pageRight)
{
    // The title and the subtitle, the first two texts after the table's own.
    double from = 0;
    double to = 0;
    for (std::uint32_t i = 1; const DrawingObject* object = table.Object(i); ++i)
        if (object->dBottom() <= 0 && object->uType() == Text::type)
        {
            from = from < to ? std::min(from, object->dLeft()) : object->dLeft();
            to = std::max(to, object->dRight());
        }
    ASSERT_LT(from, to);
    EXPECT_DOUBLE_EQ(part.top, -3);
    EXPECT_DOUBLE_EQ(part.bottom, -0.25);
    EXPECT_DOUBLE_EQ(part.oy, 50);
    EXPECT_DOUBLE_EQ(part.left * part.sx + part.ox, 20);
    EXPECT_DOUBLE_EQ(part.right * part.sx + part.ox, 740);
    // Wider than the parts of the last two columns, they start at the page's left there.
    EXPECT_DOUBLE_EQ(from * part.sx + part.ox,
                     std::max(20.0, (pageLeft + pageRight - (to - from) * part.sx) * 0.5));
    EXPECT_FALSE(part.bRepeated);
}

// Every page shows the titles and the headings at its top and the labels at its left, where the
// first page has them, beside its own part of the body; the body is cut so that they fit
// (turned, a page leaves 72 - 10 units across and 57.6 - 5 down to it) and each piece of it is on
// one page only.
TEST(PrintedPages, EveryPageShowsTheHeadingsAndLabels)
{
    const auto table = LabelledTable(200, 5);
    const PrintedPages pages = TablePages(*table, upright, turned, 10);
    // Columns cut at the rule at 70 and rows at 54, 106 and 158, between two rows: 2 x 4 pages
    // turned, against 3 x 3 upright.
    EXPECT_TRUE(pages.bTurned);
    ASSERT_EQ(pages.pages.size(), 8u);
    const std::vector<PagePart>& first = pages.pages[0].parts;
    ASSERT_EQ(first.size(), 2u);
    ExpectTitles(*table, first[0], 20, 720);
    ExpectPart(first[1], 0, -0.25, 70, 54, 20, 50);
    const std::vector<PagePart>& right = pages.pages[1].parts;
    ASSERT_EQ(right.size(), 3u);
    ExpectTitles(*table, right[0], 20, 520);
    ExpectPart(right[1], 0, -0.25, 10, 54, 20, 50, true);
    ExpectPart(right[2], 70, -0.25, 110, 54, 20 + 100 - 700, 50);
    const std::vector<PagePart>& lower = pages.pages[2].parts;
    ASSERT_EQ(lower.size(), 3u);
    ExpectTitles(*table, lower[0], 20, 720);
    ExpectPart(lower[1], 0, -0.25, 70, 2, 20, 50, true);
    ExpectPart(lower[2], 0, 54, 70, 106, 20, 20 + 50 - 540);
    const std::vector<PagePart>& last = pages.pages[7].parts;
    ASSERT_EQ(last.size(), 5u);
    ExpectTitles(*table, last[0], 20, 520);
    ExpectPart(last[1], 0, -0.25, 10, 2, 20, 50, true);
    ExpectPart(last[2], 70, -0.25, 110, 2, -580, 50, true);
    ExpectPart(last[3], 0, 158, 10, 202, 20, 20 + 50 - 1580, true);
    ExpectPart(last[4], 70, 158, 110, 202, -580, -1510);

    // The body, from (10, 2) to (110, 202), is shown once, on parts that are not repeated.
    double bodyShown = 0;
    std::vector<const PagePart*> bodyParts;
    for (const PrintedPage& page : pages.pages)
        for (const PagePart& part : page.parts)
        {
            const double shown =
                Overlap(part.left, part.right, 10, 110) * Overlap(part.top, part.bottom, 2, 202);
            if (shown == 0)
                continue;
            EXPECT_FALSE(part.bRepeated);
            for (const PagePart* other : bodyParts)
                EXPECT_EQ(Overlap(part.left, part.right, other->left, other->right) *
                              Overlap(part.top, part.bottom, other->top, other->bottom),
                          0);
            bodyParts.push_back(&part);
            bodyShown += shown;
        }
    EXPECT_DOUBLE_EQ(bodyShown, 100.0 * 200.0);

    // The last page: the titles, the headings of columns 3 and 4 and the labels' heading above
    // the rows from 156, each with its label.
    const std::multiset<std::string> texts = PageTexts(*table, pages.pages[7]);
    for (const char* shown : {"Title", subtitle, "labels", "heading 3", "heading 4", "row 156",
                              "row 199", "156:3", "199:4", "177:4"})
        EXPECT_EQ(texts.count(shown), 1u) << shown;
    for (const char* hidden : {"heading 2", "row 155", "154:3", "177:2"})
        EXPECT_EQ(texts.count(hidden), 0u) << hidden;
}

// Labels reach as far as a text of a body row that starts in them, and where they leave the body
// too little room, they are narrowed to their texts; headings that leave no line of the page to
// the body either way print the table whole on one page.
TEST(PrintedPages, LabelsHoldTheirTextsAndLeaveRoomForTheBody)
{
    const auto table = LabelledTable(200, 5);
    table->AddText("a label that runs on further", 2, 40, 1, TextAlignment::Start, 0, false, false,
                   0);
    const double labelEnd = table->Object(table->Count())->dRight();
    ASSERT_GT(labelEnd, 12);
    ASSERT_LT(labelEnd, 30);
    const PrintedPages pages = TablePages(*table, upright, turned, 10);
    ASSERT_GT(pages.pages.size(), 1u);
    ASSERT_EQ(pages.pages[1].parts.size(), 3u);
    EXPECT_DOUBLE_EQ(pages.pages[1].parts[1].right, labelEnd);
    EXPECT_DOUBLE_EQ(pages.pages[1].parts[2].ox,
                     20 + 10 * labelEnd - 10 * pages.pages[1].parts[2].left);

    // Labels to 71.5 leave half a line of a page turned as drawn; their columns narrowed leave
    // room for the body, and the labels stand on every page in pieces that hold their texts.
    table->vdSetRepeatedParts(2, 71.5);
    const PrintedPages narrowed = TablePages(*table, upright, turned, 10);
    ASSERT_GT(narrowed.pages.size(), 1u);
    for (const PrintedPage& page : narrowed.pages)
    {
        const std::multiset<std::string> texts = PageTexts(*table, page);
        for (const char* shown : {"Title", "labels", "heading 0", "heading 2"})
            EXPECT_EQ(texts.count(shown), 1u) << shown;
    }

    table->vdSetRepeatedParts(71.5, 10);
    EXPECT_TRUE(TablePages(*table, upright, turned, 10).pages.empty());
}

// Labels 16 units wide and five columns of 14: cut as drawn, turned, the last column would stand
// alone on a page (four across, then one) in as many pages, four, as with the labels narrowed to
// their texts upright (three across, then two), which is how the table is printed.
TEST(PrintedPages, NoPageHoldsAColumnAlone)
{
    const auto table = LabelledTable(100, 5, 16, 14);
    const PrintedPages pages = TablePages(*table, upright, turned, 10);
    EXPECT_FALSE(pages.bTurned);
    ASSERT_EQ(pages.pages.size(), 4u);
    for (std::size_t p = 0; p < pages.pages.size(); ++p)
    {
        const std::multiset<std::string> texts = PageTexts(*table, pages.pages[p]);
        const auto headings =
            std::count_if(texts.begin(), texts.end(),
                          [](const std::string& text) { return text.starts_with("heading "); });
        EXPECT_EQ(headings, p % 2 == 0 ? 3 : 2) << p;
    }
}
} // namespace
} // namespace Brosquin
