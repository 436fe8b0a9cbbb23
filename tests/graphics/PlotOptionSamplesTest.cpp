#include "core/RealOf.h"
#include "graphics/Drawing.h"
#include "graphics/DrawingObject.h"
#include "graphics/PlotItems.h"
#include "graphics/PlotOptionEntries.h"
#include "graphics/StyleSamples.h"
#include "tests/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace Brosquin
{
namespace
{

using Kind = RecordingCanvas::Kind;
using Corners = std::vector<DevicePoint>;

// The plus sign's corners clockwise from the top left of its upper arm, given its box and the
// thirds of the box, worked out by hand for each case.
Corners PlusSign(int x0, int y0, int x1, int y1, int xa, int xb, int ya, int yb)
{
    return {{xa, y0}, {xb, y0}, {xb, ya}, {x1, ya}, {x1, yb}, {xb, yb}, {xb, y1},
            {xa, y1}, {xa, yb}, {x0, yb}, {x0, ya}, {xa, ya}, {xa, y0}};
}

// Boxes whose sides are not multiples of 3 (the point list's box, a multiple, is drawn below): the
// thirds are truncated toward zero.
TEST(PlotOptionSamples, ThePlusSignHasTwelveCornersAtTheThirdsOfItsBox)
{
    for (const auto& [x0, y0, x1, y1, xa, xb, ya, yb] :
         {std::array{0, 0, 10, 10, 3, 6, 3, 6}, std::array{-10, -10, 0, 0, -6, -3, -6, -3}})
    {
        const auto corners = PlusSignCorners(x0, y0, x1, y1);
        EXPECT_EQ(Corners(corners.begin(), corners.end()), PlusSign(x0, y0, x1, y1, xa, xb, ya, yb))
            << x0 << ", " << y0;
    }
}

// The item (0, 0)-(100, 17): its point box is (5, 2)-(17, 14), centred at (11, 8).
TEST(PlotOptionSamples, ListItemsDrawTheirStyles)
{
    const ItemRect rect{0, 0, 100, 17};
    struct Case
    {
        int item;
        Kind kind;
        Corners corners;
        bool filledWithPen;
    };
    const Case points[] = {
        {0, Kind::Text, {{5, 0}}, false},
        {1, Kind::Ellipse, {{5, 2}, {17, 14}}, false},
        {2, Kind::Rectangle, {{5, 2}, {17, 14}}, false},
        {3, Kind::Polyline, {{11, 2}, {17, 8}, {11, 14}, {5, 8}, {11, 2}}, false},
        {4, Kind::Polyline, {{11, 2}, {17, 14}, {5, 14}, {11, 2}}, false},
        {6, Kind::Rectangle, {{5, 2}, {17, 14}}, true},
        {8, Kind::Polygon, {{11, 2}, {17, 14}, {5, 14}, {11, 2}}, true},
        {9, Kind::Polygon, PlusSign(5, 2, 17, 14, 9, 13, 6, 10), true},
    };
    for (const bool focused : {false, true})
    {
        // The background: the item filled, and for the focused one a dotted yellow frame.
        const Colour ink = focused ? 0xFFFFFF : 0x000000;
        const Colour paper = focused ? 0x800000 : 0xFFFFFF;
        RecordingCanvas background;
        vdDrawItemBackground(background, rect, focused);
        ASSERT_EQ(background.painted.size(), focused ? 5u : 1u);
        EXPECT_EQ(background.painted.front().kind, Kind::Rectangle);
        EXPECT_EQ(background.painted.front().brush.colour, paper);
        if (focused)
        {
            EXPECT_EQ(background.painted[1].pen, (Pen{PenStyle::Dot, 0x00FFFF, 1}));
        }
        for (const Case& c : points)
        {
            RecordingCanvas canvas = background;
            vdDrawPointStyleItem(canvas, c.item, rect);
            ASSERT_EQ(canvas.painted.size(), background.painted.size() + 1) << c.item;
            const RecordingCanvas::Painted& shape = canvas.painted.back();
            EXPECT_EQ(shape.kind, c.kind) << c.item;
            EXPECT_EQ(shape.points, c.corners) << c.item;
            EXPECT_EQ(shape.pen.colour, ink) << c.item;
            if (c.kind == Kind::Text)
            {
                EXPECT_EQ(shape.text, "Not Visible");
            }
            else
            {
                EXPECT_EQ(shape.brush.colour, c.filledWithPen ? ink : paper) << c.item;
            }
        }
    }

    // A line style is a line across the middle of the item with that style's pen.
    for (int item = 1; item <= 5; ++item)
    {
        RecordingCanvas canvas;
        vdDrawItemBackground(canvas, rect, false);
        vdDrawLineStyleItem(canvas, item, rect);
        const RecordingCanvas::Painted& line = canvas.painted.back();
        EXPECT_EQ(line.kind, Kind::Line);
        EXPECT_EQ(line.points, (Corners{{3, 8}, {97, 8}})) << item;
        EXPECT_EQ(line.pen.style, PenStyleOfLineStyle(static_cast<std::int8_t>(item))) << item;
    }
}

// Every sample of a preview has a click area tagged with its style; everything else is untagged.
TEST(PlotOptionSamples, PreviewSamplesCarryTheTagsOfTheirStyles)
{
    struct Case
    {
        Drawing* (*preview)();
        std::uint32_t objects;
        std::vector<std::uint32_t> tags;
        double bottom;
    };
    const Case cases[] = {
        {NewAxisStylePreview, 13 + 15 + 25 + 13, {1, 2, 3, 4}, 56},
        {NewTicStylePreview, 3 * 9, {5, 6, 7}, 54},
    };
    for (const Case& c : cases)
    {
        const std::unique_ptr<Drawing> preview(c.preview());
        ASSERT_NE(preview, nullptr);
        ASSERT_EQ(preview->Count(), c.objects);
        std::vector<std::uint32_t> tags;
        for (std::uint32_t i = 1; i <= preview->Count(); ++i)
            if (preview->Object(i)->uID != 0)
                tags.push_back(preview->Object(i)->uID);
        EXPECT_EQ(tags, c.tags);
        EXPECT_DOUBLE_EQ(preview->dBottom(), c.bottom);
    }
}

TEST(PlotOptionEntries, CountsAreWholeNumbersWithinTheirRange)
{
    struct Case
    {
        const char* text;
        std::int32_t least;
        bool accepted;
        std::int32_t count;
    };
    const Case cases[] = {{"2", 2, true, 2},          {"0", 0, true, 0},
                          {"1", 2, false, 0},         {"2.5", 2, false, 0},
                          {"abc", 0, false, 0},       {"\"Overflow\"", 0, false, 0},
                          {"3e9", 0, false, 0},       {"1e10", 2, false, 0},
                          {"-3e9", 0, false, 0},      {"2147483647", 2, true, 2147483647},
                          {"2147483648", 2, false, 0}};
    for (const Case& c : cases)
    {
        std::int32_t count = -7;
        EXPECT_EQ(ReadCount(c.text, c.least, count), c.accepted) << c.text;
        if (c.accepted)
        {
            EXPECT_EQ(count, c.count) << c.text;
        }
    }
}

TEST(PlotOptionEntries, ChoicesStandForTheValuesTheyName)
{
    // Item k stands for k tenths; a thickness no item stands for has none.
    for (int item = 0; item <= 6; ++item)
        EXPECT_EQ(ThicknessItem(ThicknessOfItem(item)), item);
    EXPECT_DOUBLE_EQ(ThicknessOfItem(6), 0.6);
    for (const double thickness : {0.65, 0.9, -0.1, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(ThicknessItem(thickness), -1) << thickness;

    EXPECT_EQ(ColorChoiceIndex(0x000000), 0);
    EXPECT_EQ(ColorChoiceIndex(0x0040FF), 10) << "orange";
    EXPECT_EQ(ColorChoiceIndex(0x00FFFF), 16) << "yellow";
    EXPECT_EQ(ColorChoiceIndex(0x123456), -1);

    // Points are shown for a line with points or with a step other than 0.
    LineInfo line;
    EXPECT_FALSE(ShowsPoints(line));
    line.stepValue = RealOf(0.5);
    EXPECT_TRUE(ShowsPoints(line));
    line.stepValue.vdSetMessage("No step");
    EXPECT_FALSE(ShowsPoints(line));
    line.xValues.push_back(RealOf(1.0));
    EXPECT_TRUE(ShowsPoints(line));
}

} // namespace
} // namespace Brosquin
