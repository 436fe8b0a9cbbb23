#include "graphics/Drawing.h"
#include "graphics/Line.h"
#include "graphics/Rect.h"
#include "tests/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace Brosquin
{
namespace
{

using Kind = RecordingCanvas::Kind;
using Points = std::vector<DevicePoint>;

void ExpectBounds(const Drawing& drawing, double left, double top, double right, double bottom)
{
    EXPECT_DOUBLE_EQ(drawing.dLeft(), left);
    EXPECT_DOUBLE_EQ(drawing.dTop(), top);
    EXPECT_DOUBLE_EQ(drawing.dRight(), right);
    EXPECT_DOUBLE_EQ(drawing.dBottom(), bottom);
}

// A drawing of one hollow rectangle with the given box.
void vdAddBox(Drawing& drawing, double left, double top, double right, double bottom,
              std::uint32_t uID = 0)
{
    drawing.AddRect(left, top, right, bottom, 1, 0, 0, false, 0, uID);
}

// An empty drawing, one without any extent, and an empty target rectangle: nothing is painted and
// no pixel finds an object or a world point.
TEST(Drawing, DrawsAndFindsNothingWithoutAnAreaOnEitherSide)
{
    Drawing empty;
    EXPECT_EQ(empty.uType(), 13);
    ExpectBounds(empty, 0, 0, 0, 0);
    EXPECT_EQ(empty.HitTest(0, 0), nullptr);
    Drawing point;
    vdAddBox(point, 3, 3, 3, 3, 1);
    Drawing box;
    vdAddBox(box, 0, 0, 2, 1, 1);
    const struct
    {
        Drawing* drawing;
        int left, top, right, bottom;
    } cases[] = {{&empty, 0, 0, 100, 100},
                 {&point, 0, 0, 100, 100},
                 {&box, 10, 10, 10, 50},
                 {&box, 10, 10, 50, 10}};
    for (const auto& c : cases)
    {
        RecordingCanvas canvas;
        c.drawing->vdDraw(canvas, c.left, c.top, c.right, c.bottom, 0);
        c.drawing->vdDrawStretched(canvas, c.left, c.top, c.right, c.bottom, 0);
        EXPECT_TRUE(canvas.painted.empty());
        const int px = (c.left + c.right) / 2;
        const int py = (c.top + c.bottom) / 2;
        double x = -1;
        double y = -1;
        EXPECT_EQ(c.drawing->ObjectAt(canvas, c.left, c.top, c.right, c.bottom, px, py, &x, &y),
                  nullptr);
        EXPECT_EQ(c.drawing->ObjectAtStretched(c.left, c.top, c.right, c.bottom, px, py, &x, &y),
                  nullptr);
        EXPECT_EQ(x, -1);
        EXPECT_EQ(y, -1);
    }
}

TEST(Drawing, BoundsSpanAllObjects)
{
    Drawing drawing;
    drawing.AddLine(2, 3, 4, 1, 1, 0, 0, 0, 0);
    vdAddBox(drawing, -1, 2, 3, 2.5);
    drawing.AddText("Wmmw", 1, 5, 1, TextAlignment::Start, 0, false, false, 0);
    ExpectBounds(drawing, -1, 1, 4, 6);
    EXPECT_EQ(drawing.Count(), 3u);
    EXPECT_EQ(drawing.Object(1)->uType(), Line::type);
    EXPECT_EQ(drawing.Object(4), nullptr);
}

TEST(Drawing, PassesItsArgumentsToEachObject)
{
    Drawing drawing;
    const double points[] = {0, 0, 1, 1, 2, 0};
    drawing.AddLine(0, 0, 1, 1, 2, 0x0000FF, 0.1, 0.2, 11);
    vdAddBox(drawing, 0, 0, 1, 1, 12);
    drawing.AddEllip(0, 0, 1, 1, 1, 0, 0, true, 0x00FF00, 13);
    drawing.AddPoly(points, 3, 1, 0, 0, true, 0, 14);
    drawing.AddPolyLine(points, 3, 1, 0, 0, 0.2, 15);
    drawing.AddText("Pa", 0, 0, 1, TextAlignment::Start, 0, false, false, 16);
    drawing.AddVerticalText("Pa", 0, 0, 1, TextAlignment::Start, 0, false, false, 17);
    const std::vector<int> types = {1, 2, 3, 4, 5, 10, 12};
    ASSERT_EQ(drawing.Count(), types.size());
    for (std::uint32_t i = 1; i <= drawing.Count(); ++i)
    {
        EXPECT_EQ(drawing.Object(i)->uType(), types[i - 1]);
        EXPECT_EQ(drawing.Object(i)->uID, 10 + i);
    }
}

TEST(Drawing, PaintsFirstToLastWithTheSameMapping)
{
    Drawing drawing;
    vdAddBox(drawing, 0, 0, 2, 1);
    drawing.AddLine(0, 0, 2, 1, 1, 0, 0, 0, 0);
    RecordingCanvas canvas;
    drawing.vdDrawScaled(canvas, 10, 5, 20, 1, 0);
    ASSERT_EQ(canvas.painted.size(), 2u);
    EXPECT_EQ(canvas.painted[0].kind, Kind::Rectangle);
    EXPECT_EQ(canvas.painted[0].points, (Points{{5, 1}, {25, 21}}));
    EXPECT_EQ(canvas.painted[1].kind, Kind::Line);
    EXPECT_EQ(canvas.painted[1].points, (Points{{5, 1}, {25, 21}}));
}

TEST(Drawing, HitsTheObjectAddedLastAndIncludesEdges)
{
    Drawing drawing;
    vdAddBox(drawing, 0, 0, 10, 10, 1);
    vdAddBox(drawing, 5, 5, 15, 15, 2);
    EXPECT_EQ(drawing.HitTest(7, 7)->uID, 2u);
    EXPECT_EQ(drawing.HitTest(2, 2)->uID, 1u);
    EXPECT_EQ(drawing.HitTest(15, 15)->uID, 2u);
    EXPECT_EQ(drawing.HitTest(0, 10)->uID, 1u);
    EXPECT_EQ(drawing.HitTest(16, 7), nullptr);
}

// Fitted, a drawing is as large as fits with its physical proportions, centred along the axis
// with room to spare.
TEST(Drawing, FitsIntoTheRectangleKeepingPhysicalProportions)
{
    const struct
    {
        double boxLeft, boxTop, boxRight, boxBottom;
        double pixelsPerInchX, pixelsPerInchY;
        int left, top;
        Points expected;
    } cases[] = {
        {0, 0, 2, 1, 96, 96, 0, 0, {{0, 25}, {100, 75}}},
        {0, 0, 2, 1, 96, 96, 10, 20, {{10, 45}, {110, 95}}},
        {3, 1, 4, 3, 96, 96, 0, 0, {{25, 0}, {75, 100}}},
        // 200 pixels per inch across, 100 down: the square target is half an inch wide and one
        // inch tall, so the picture is 0.5 x 0.25 inch, 100 x 25 pixels, 37.5 below the top.
        {0, 0, 2, 1, 200, 100, 0, 0, {{0, 37}, {100, 62}}},
        // 100 across, 400 down: the target is 1 x 0.25 inch; the picture 0.5 x 0.25 inch takes 50
        // pixels across, 25 from the left.
        {0, 0, 2, 1, 100, 400, 0, 0, {{25, 0}, {75, 100}}},
    };
    for (const auto& c : cases)
    {
        Drawing drawing;
        vdAddBox(drawing, c.boxLeft, c.boxTop, c.boxRight, c.boxBottom);
        RecordingCanvas canvas(c.pixelsPerInchX, c.pixelsPerInchY);
        drawing.vdDraw(canvas, c.left, c.top, c.left + 100, c.top + 100, 0xFFFFFF);
        ASSERT_EQ(canvas.painted.size(), 1u);
        EXPECT_EQ(canvas.painted[0].points, c.expected);
    }
}

TEST(Drawing, StretchesItsBoxOntoTheRectangle)
{
    Drawing drawing;
    vdAddBox(drawing, 1, 2, 5, 4);
    drawing.AddLine(3, 2, 3, 4, 1, 0, 0, 0, 0);
    RecordingCanvas canvas;
    drawing.vdDrawStretched(canvas, 0, 0, 400, 100, 0);
    EXPECT_EQ(canvas.painted[0].points, (Points{{0, 0}, {400, 100}}));
    EXPECT_EQ(canvas.painted[1].points, (Points{{200, 0}, {200, 100}}));
}

TEST(Drawing, FindsTheWorldPointAndObjectUnderAPixel)
{
    Drawing drawing;
    vdAddBox(drawing, 0, 0, 2, 1, 5);
    drawing.AddLine(1, 0, 1, 1, 1, 0, 0, 0.05, 6);
    RecordingCanvas canvas;
    double x = 0;
    double y = 0;
    // Drawn into (0, 0, 100, 100): 50 pixels per unit, 25 pixels down.
    EXPECT_EQ(drawing.ObjectAt(canvas, 0, 0, 100, 100, 10, 50, &x, &y)->uID, 5u);
    EXPECT_DOUBLE_EQ(x, 0.2);
    EXPECT_DOUBLE_EQ(y, 0.5);
    EXPECT_EQ(drawing.ObjectAt(canvas, 0, 0, 100, 100, 51, 30, &x, &y)->uID, 6u);
    EXPECT_DOUBLE_EQ(x, 1.02);
    EXPECT_DOUBLE_EQ(y, 0.1);
    EXPECT_EQ(drawing.ObjectAt(canvas, 0, 0, 100, 100, 50, 10, &x, &y), nullptr);
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, -0.3);

    // Stretched onto (0, 0, 400, 100): 200 pixels per unit across, 100 down.
    EXPECT_EQ(drawing.ObjectAtStretched(0, 0, 400, 100, 300, 60, &x, &y)->uID, 5u);
    EXPECT_DOUBLE_EQ(x, 1.5);
    EXPECT_DOUBLE_EQ(y, 0.6);
}

TEST(Drawing, FitsADrawingWithoutHeightCentredAcrossTheFullWidth)
{
    Drawing drawing;
    drawing.AddLine(0, 5, 10, 5, 1, 0, 0.1, 0.5, 3);
    RecordingCanvas canvas;
    drawing.vdDraw(canvas, 0, 0, 100, 50, 0);
    ASSERT_EQ(canvas.painted.size(), 1u);
    EXPECT_EQ(canvas.painted[0].points, (Points{{0, 25}, {100, 25}}));
    EXPECT_EQ(canvas.painted[0].pen.width, 1);
    double x = 0;
    double y = 0;
    EXPECT_EQ(drawing.ObjectAt(canvas, 0, 0, 100, 50, 50, 27, &x, &y)->uID, 3u);
    EXPECT_DOUBLE_EQ(x, 5);
    EXPECT_DOUBLE_EQ(y, 5.2);

    // Stretched, the height takes the scale of the width.
    RecordingCanvas stretched;
    drawing.vdDrawStretched(stretched, 0, 0, 100, 50, 0);
    EXPECT_EQ(stretched.painted[0].points, (Points{{0, 25}, {100, 25}}));
}

TEST(Drawing, FitsADrawingWithoutWidthCentredAcrossTheFullHeight)
{
    Drawing drawing;
    drawing.AddLine(2, 0, 2, 4, 1, 0, 0, 0.5, 3);
    RecordingCanvas canvas(200, 100);
    drawing.vdDraw(canvas, 0, 0, 100, 40, 0);
    // 10 pixels per unit down, 20 across on the denser axis.
    EXPECT_EQ(canvas.painted[0].points, (Points{{50, 0}, {50, 40}}));
    double x = 0;
    double y = 0;
    EXPECT_EQ(drawing.ObjectAt(canvas, 0, 0, 100, 40, 55, 20, &x, &y)->uID, 3u);
    EXPECT_DOUBLE_EQ(x, 2.25);
    EXPECT_DOUBLE_EQ(y, 2);
}

TEST(Drawing, ScalesEveryObject)
{
    Drawing drawing;
    vdAddBox(drawing, 0, 0, 2, 1);
    drawing.AddLine(1, 1, 3, 2, 1, 0, 0, 0, 0);
    drawing.vdScale(10, 5, 2, -1);
    ExpectBounds(drawing, 5, -1, 35, 3);
}

TEST(Drawing, ClearEmptiesItForRefilling)
{
    // Another line keeps the pool's chunk alive, so a freed block is handed out again.
    Drawing other;
    other.AddLine(0, 0, 1, 1, 1, 0, 0, 0, 0);
    Drawing drawing;
    drawing.AddLine(0, 0, 1, 1, 1, 0, 0, 0, 0);
    const double points[] = {0, 0, 1, 1};
    drawing.AddPolyLine(points, 2, 1, 0, 0, 0, 0);
    drawing.AddText("Pa", 0, 0, 1, TextAlignment::Start, 0, false, false, 0);
    const DrawingObject* line = drawing.Object(1);
    drawing.Clear();
    EXPECT_EQ(drawing.Count(), 0u);
    ExpectBounds(drawing, 0, 0, 0, 0);
    drawing.AddLine(5, 5, 6, 6, 1, 0, 0, 0, 0);
    EXPECT_EQ(drawing.Count(), 1u);
    ExpectBounds(drawing, 5, 5, 6, 6);
    // The block went back to the Line pool and is handed out again.
    EXPECT_EQ(drawing.Object(1), line);
}

TEST(Drawing, HoldsMoreObjectsThanItFirstHasRoomFor)
{
    auto* drawing = new Drawing;
    for (int i = 0; i < 260; ++i)
        drawing->AddText("row", 0, i, 1, TextAlignment::Start, 0, false, false, i);
    EXPECT_EQ(drawing->Count(), 260u);
    EXPECT_EQ(drawing->HitTest(0, 100.5)->uID, 100u);
    ExpectBounds(*drawing, 0, 0, drawing->Object(1)->dRight(), 260);
    delete drawing;
}

} // namespace
} // namespace Brosquin
