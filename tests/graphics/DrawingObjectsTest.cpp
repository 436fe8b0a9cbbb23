#include "graphics/Line.h"
#include "graphics/Poly.h"
#include "graphics/PolyLine.h"
#include "graphics/Rect.h"
#include "graphics/Text.h"
#include "tests/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace Brosquin
{
namespace
{

using Kind = RecordingCanvas::Kind;

struct Box
{
    double left, top, right, bottom;
};

void ExpectBox(const DrawingObject& object, Box box)
{
    EXPECT_DOUBLE_EQ(object.dLeft(), box.left);
    EXPECT_DOUBLE_EQ(object.dTop(), box.top);
    EXPECT_DOUBLE_EQ(object.dRight(), box.right);
    EXPECT_DOUBLE_EQ(object.dBottom(), box.bottom);
}

bool Hits(DrawingObject& object, double x, double y)
{
    return object.HitTest(x, y) == &object;
}

TEST(Line, HitsHorizontalAndVerticalLinesOnlyAcrossThem)
{
    Line horizontal(0, 0, 10, 0, 1, 0, 0, 1, 0);
    EXPECT_TRUE(Hits(horizontal, 5, 0.8));
    EXPECT_TRUE(Hits(horizontal, 5, -1.0));
    EXPECT_FALSE(Hits(horizontal, 5, 1.2));
    EXPECT_TRUE(Hits(horizontal, 10, 0));
    EXPECT_FALSE(Hits(horizontal, 11, 0));

    Line vertical(3, 10, 3, 0, 1, 0, 0, 0.5, 0);
    EXPECT_TRUE(Hits(vertical, 3.5, 0));
    EXPECT_TRUE(Hits(vertical, 2.5, 10));
    EXPECT_FALSE(Hits(vertical, 3.6, 5));
    EXPECT_FALSE(Hits(vertical, 3, 10.1));
}

TEST(Line, HitsSlantedLinesByTheFootOfThePerpendicular)
{
    Line diagonal(0, 0, 10, 10, 1, 0, 0, 1, 0);
    EXPECT_TRUE(Hits(diagonal, 5, 5.5));
    // Distance 1.4 / sqrt(2) = 0.99 and 1.5 / sqrt(2) = 1.06 from the line.
    EXPECT_TRUE(Hits(diagonal, 5, 6.4));
    EXPECT_FALSE(Hits(diagonal, 5, 6.5));
    // On the line's extension the foot lies beyond an end.
    EXPECT_FALSE(Hits(diagonal, 12, 12));
    EXPECT_FALSE(Hits(diagonal, 10.5, 10.5));
    // Beside an end, the foot still on the line.
    EXPECT_TRUE(Hits(diagonal, -0.5, 0.6));

    Line falling(0, 10, 20, 0, 1, 0, 0, 0.5, 0);
    EXPECT_TRUE(Hits(falling, 10, 5.5));
    EXPECT_FALSE(Hits(falling, 10, 5.6));
    EXPECT_TRUE(Hits(falling, 20, 0));

    // Without tolerance only points on the line hit.
    Line exact(0, 0, 4, 2, 1, 0, 0, 0, 0);
    EXPECT_TRUE(Hits(exact, 2, 1));
    EXPECT_FALSE(Hits(exact, 2, 1.01));
}

TEST(Line, DrawsWithTheTruncatedDeviceCoordinatesAndPen)
{
    const Line line(1, 2, 3, 4, 2, 0x0000FF, 0.5, 0, 0);
    RecordingCanvas canvas;
    canvas.vdSetBrush(Brush{true, 0});
    line.vdDrawScaled(canvas, 10, 0.5, 20, -3.7, 0x123456);
    ASSERT_EQ(canvas.painted.size(), 1u);
    const auto& painted = canvas.painted[0];
    EXPECT_EQ(painted.kind, Kind::Line);
    // x: 10.5 -> 10 and 30.5 -> 30; y: 36.3 -> 36 and 76.3 -> 76.
    EXPECT_EQ(painted.points, (std::vector<DevicePoint>{{10, 36}, {30, 76}}));
    EXPECT_EQ(painted.pen, (Pen{PenStyle::Dash, 0x0000FF, 5}));
    // The brush takes the background colour and keeps its style.
    EXPECT_EQ(painted.brush, (Brush{true, 0x123456}));
}

TEST(Line, MeasuresItsPenInHorizontalPixels)
{
    const Line line(0, 0, 1, 1, 6, 0, 0.5, 0, 0);
    // Pixels twice as tall as wide: a y length counts double in horizontal pixels.
    RecordingCanvas tall(200, 100);
    line.vdDrawScaled(tall, 10, 0, 20, 0, 0);
    EXPECT_EQ(tall.painted[0].pen.width, 5); // min(0.5 * 10, 0.5 * 20 * 2)
    RecordingCanvas wide(100, 200);
    line.vdDrawScaled(wide, 30, 0, 4, 0, 0);
    EXPECT_EQ(wide.painted[0].pen.width, 1); // min(0.5 * 30, 0.5 * 4 * 0.5)
    EXPECT_EQ(wide.painted[0].pen.style, PenStyle::Solid);
}

TEST(Line, ScalesPointsPenAndTolerance)
{
    Line line(1, 1, 3, 2, 1, 0, 1, 0.5, 0);
    line.vdScale(2, 1, 3, -1);
    ExpectBox(line, {3, 2, 7, 5});
    // The tolerance grows by the larger factor, 3.
    EXPECT_TRUE(Hits(line, 5, 3.5 + 1.4 * 1.2));
    RecordingCanvas canvas;
    line.vdDrawScaled(canvas, 1, 0, 1, 0, 0);
    EXPECT_EQ(canvas.painted[0].pen.width, 2); // min(1 * 2, 1 * 3)
}

TEST(Line, WithNoPenStillHitTests)
{
    Line line(0, 0, 10, 0, 0, 0, 1, 1, 5);
    RecordingCanvas canvas;
    line.vdDrawScaled(canvas, 1, 0, 1, 0, 0);
    EXPECT_EQ(canvas.painted[0].pen.style, PenStyle::Null);
    EXPECT_TRUE(Hits(line, 5, 0.5));
}

TEST(RectAndEllip, FillOnlyWhenFilled)
{
    const Rect hollow(1, 1, 3, 2, 1, 0xFF0000, 0, false, 0x00FF00, 0);
    const Rect filled(1, 1, 3, 2, 1, 0xFF0000, 0, true, 0x00FF00, 0);
    const Ellip ellipse(1, 1, 3, 2, 3, 0xFF0000, 0.1, true, 0x00FF00, 0);
    RecordingCanvas canvas;
    hollow.vdDrawScaled(canvas, 10, 0, 10, 0, 0xFFFFFF);
    filled.vdDrawScaled(canvas, 10, 0, 10, 0, 0xFFFFFF);
    ellipse.vdDrawScaled(canvas, 10, 0, 10, 0, 0xFFFFFF);
    ASSERT_EQ(canvas.painted.size(), 3u);
    EXPECT_EQ(canvas.painted[0].kind, Kind::Rectangle);
    EXPECT_EQ(canvas.painted[0].points, (std::vector<DevicePoint>{{10, 10}, {30, 20}}));
    EXPECT_TRUE(canvas.painted[0].brush.hollow);
    EXPECT_EQ(canvas.painted[0].pen, (Pen{PenStyle::InsideFrame, 0xFF0000, 0}));
    EXPECT_EQ(canvas.painted[1].brush, (Brush{false, 0x00FF00}));
    EXPECT_EQ(canvas.painted[2].kind, Kind::Ellipse);
    EXPECT_EQ(canvas.painted[2].brush, (Brush{false, 0x00FF00}));
    EXPECT_EQ(canvas.painted[2].pen, (Pen{PenStyle::Dot, 0xFF0000, 1}));
}

TEST(RectAndEllip, HitTheirBoxEdgesIncludedWhicheverWayTheCornersCame)
{
    Rect rect(10, 8, 2, 4, 1, 0, 0, false, 0, 3);
    ExpectBox(rect, {2, 4, 10, 8});
    EXPECT_TRUE(Hits(rect, 2, 4));
    EXPECT_TRUE(Hits(rect, 10, 8));
    EXPECT_TRUE(Hits(rect, 6, 6));
    EXPECT_FALSE(Hits(rect, 10.001, 6));
    EXPECT_FALSE(Hits(rect, 6, 3.999));
    Ellip ellipse(0, 0, 2, 2, 1, 0, 0, false, 0, 3);
    // The box, not the ellipse itself, answers.
    EXPECT_TRUE(Hits(ellipse, 0, 0));
}

TEST(PolyAndPolyLine, AreBoxedByTheirPointsAndDrawThemClosedOrOpen)
{
    const double points[] = {1, 5, 4, 2, 0, 3, 6, 7};
    const Poly poly(points, 4, 1, 0x0000FF, 0, true, 0xFF0000, 9);
    const PolyLine line(points, 3, 4, 0x00FF00, 0.2, 0.1, 1001);
    ExpectBox(poly, {0, 2, 6, 7});
    ExpectBox(line, {0, 2, 4, 5});
    RecordingCanvas canvas;
    poly.vdDrawScaled(canvas, 10, 1, 10, 2, 0);
    line.vdDrawScaled(canvas, 10, 1, 10, 2, 0xFFFFFF);
    ASSERT_EQ(canvas.painted.size(), 2u);
    EXPECT_EQ(canvas.painted[0].kind, Kind::Polygon);
    EXPECT_EQ(canvas.painted[0].points,
              (std::vector<DevicePoint>{{11, 52}, {41, 22}, {1, 32}, {61, 72}}));
    EXPECT_EQ(canvas.painted[0].brush, (Brush{false, 0xFF0000}));
    EXPECT_EQ(canvas.painted[1].kind, Kind::Polyline);
    EXPECT_EQ(canvas.painted[1].points, (std::vector<DevicePoint>{{11, 52}, {41, 22}, {1, 32}}));
    EXPECT_EQ(canvas.painted[1].pen, (Pen{PenStyle::DashDot, 0x00FF00, 2}));
}

TEST(Poly, CopiesAndScalesItsPoints)
{
    double points[] = {1, 1, 2, 3};
    Poly poly(points, 2, 1, 0, 0, false, 0, 0);
    points[2] = 100;
    ExpectBox(poly, {1, 1, 2, 3});
    poly.vdScale(10, 1, -1, 0);
    // A scale that turns the y axis round leaves a proper box.
    ExpectBox(poly, {11, -3, 21, -1});
    RecordingCanvas canvas;
    poly.vdDrawScaled(canvas, 1, 0, 1, 0, 0);
    EXPECT_EQ(canvas.painted[0].points, (std::vector<DevicePoint>{{11, -1}, {21, -3}}));
}

TEST(PolyAndPolyLine, WithoutPointsDrawNothingAndAreNeverHit)
{
    const double one[] = {5, 5};
    Poly empty(nullptr, 3, 1, 0, 0, true, 0, 1);
    Poly negative(one, -2, 1, 0, 0, true, 0, 1);
    PolyLine emptyLine(nullptr, 4, 1, 0, 0, 1, 1);
    PolyLine noLine(one, 0, 1, 0, 0, 1, 1);
    RecordingCanvas canvas;
    for (DrawingObject* object :
         std::vector<DrawingObject*>{&empty, &negative, &emptyLine, &noLine})
    {
        ExpectBox(*object, {0, 0, 0, 0});
        object->vdDrawScaled(canvas, 1, 0, 1, 0, 0);
        object->vdScale(2, 1, 2, 1);
        EXPECT_EQ(object->HitTest(0, 0), nullptr);
        EXPECT_EQ(object->HitTest(1, 1), nullptr);
    }
    EXPECT_TRUE(canvas.painted.empty());
}

TEST(PolyLine, HitsNearASegmentStrictlyInsideItsBox)
{
    // A step: up, across, down.
    const double points[] = {0, 10, 0, 0, 10, 0, 10, 10};
    PolyLine step(points, 4, 1, 0, 0, 0.5, 0);
    EXPECT_TRUE(Hits(step, 0.3, 5));   // first, vertical
    EXPECT_TRUE(Hits(step, 5, 0.4));   // second, horizontal
    EXPECT_TRUE(Hits(step, 9.6, 5));   // third
    EXPECT_FALSE(Hits(step, 5, 5));    // inside the box, near no segment
    EXPECT_FALSE(Hits(step, 5, -0.2)); // near a segment but outside the box
    EXPECT_FALSE(Hits(step, 0, 5));    // on the box's edge

    const double slanted[] = {0, 0, 10, 10, 20, 0};
    PolyLine vee(slanted, 3, 1, 0, 0, 1, 0);
    EXPECT_TRUE(Hits(vee, 5, 5.5));
    EXPECT_TRUE(Hits(vee, 15, 5.5));
    EXPECT_FALSE(Hits(vee, 10, 5));
}

TEST(PolyLine, WithAllPointsAtOneHeightIsNeverHit)
{
    const double points[] = {0, 3, 5, 3, 10, 3};
    PolyLine flat(points, 3, 1, 0, 0, 1, 0);
    EXPECT_FALSE(Hits(flat, 5, 3));
    EXPECT_FALSE(Hits(flat, 2, 3.2));
}

TEST(PolyLine, ScalesItsToleranceByTheLargerFactor)
{
    const double points[] = {0, 0, 10, 10};
    PolyLine line(points, 2, 1, 0, 0, 0.1, 0);
    EXPECT_FALSE(Hits(line, 5, 5.5));
    line.vdScale(2, 0, 5, 0);
    ExpectBox(line, {0, 0, 20, 50});
    // Tolerance 0.5 now; the line runs from (0, 0) to (20, 50).
    EXPECT_TRUE(Hits(line, 10, 25.5));
    EXPECT_FALSE(Hits(line, 10, 26.5));
}

// "Defectives" is 4.17 lines wide in the Arial width table, "Wmmw" 3 and "WWWmA" 4.
TEST(Text, IsBoxedByItsAlignmentAndTableWidth)
{
    const Text start("Defectives", 10, 20, 2, TextAlignment::Start, 0, false, false, 0);
    const Text middle("Wmmw", 10, 20, 2, TextAlignment::Middle, 0, false, false, 0);
    const Text end("Defectives", 10, 20, 2, TextAlignment::End, 0, false, false, 0);
    ExpectBox(start, {10, 20, 18.34, 22});
    ExpectBox(middle, {7, 20, 13, 22});
    ExpectBox(end, {1.66, 20, 10, 22});
    // An alignment beyond End counts as End.
    const Text beyond("Defectives", 10, 20, 2, static_cast<TextAlignment>(7), 0, false, false, 0);
    ExpectBox(beyond, {1.66, 20, 10, 22});
}

TEST(Text, WritesFromItsAnchorLessItsMeasuredWidth)
{
    RecordingCanvas canvas;
    canvas.vdSetBrush(Brush{false, 0xABCDEF});
    const Text start("Pa", 10, 20, 2, TextAlignment::Start, 0xFF0000, true, false, 1);
    const Text middle("ASN", 10, 20, 2, TextAlignment::Middle, 0, false, true, 1);
    const Text end("ASN", 10, 20, 2, TextAlignment::End, 0, false, false, 1);
    start.vdDrawScaled(canvas, 10, 0.5, 10, -0.5, 0);
    middle.vdDrawScaled(canvas, 10, 0.5, 10, -0.5, 0);
    end.vdDrawScaled(canvas, 10, 0.5, 10, -0.5, 0);
    ASSERT_EQ(canvas.painted.size(), 3u);
    const auto& first = canvas.painted[0];
    EXPECT_EQ(first.kind, Kind::Text);
    EXPECT_EQ(first.text, "Pa");
    EXPECT_EQ(first.points[0], (DevicePoint{100, 199}));
    EXPECT_EQ(first.font.face, "Arial");
    EXPECT_EQ(first.font.height, 20);
    EXPECT_EQ(first.font.colour, 0xFF0000u);
    EXPECT_TRUE(first.font.bold);
    EXPECT_FALSE(first.font.italic);
    EXPECT_EQ(first.font.escapement, 0);
    EXPECT_TRUE(first.brush.hollow);
    // 21 pixels wide: half is 10 in whole pixels.
    EXPECT_EQ(canvas.painted[1].points[0], (DevicePoint{90, 199}));
    EXPECT_TRUE(canvas.painted[1].font.italic);
    EXPECT_EQ(canvas.painted[2].points[0], (DevicePoint{79, 199}));
}

TEST(Text, ShorterThanAPixelIsNotDrawn)
{
    RecordingCanvas canvas;
    const Text text("Pa", 0, 0, 1, TextAlignment::Start, 0, false, false, 0);
    text.vdDrawScaled(canvas, 0.5, 0, 0.5, 0, 0);
    text.vdDrawScaled(canvas, 100, 0, 0.99, 0, 0);
    text.vdDrawScaled(canvas, -10, 0, -10, 0, 0);
    EXPECT_TRUE(canvas.painted.empty());
    text.vdDrawScaled(canvas, 100, 0, 1, 0, 0);
    ASSERT_EQ(canvas.painted.size(), 1u);
    EXPECT_EQ(canvas.painted[0].font.height, 1);
}

TEST(Text, ScalesEachSizeWithItsAxis)
{
    Text text("Wmmw", 1, 2, 1, TextAlignment::Start, 0, false, false, 0);
    text.vdScale(3, 1, 2, -1);
    // Sizes 3 across and 2 down: the line is 2 high and 6 wide.
    ExpectBox(text, {4, 3, 10, 5});
    RecordingCanvas canvas;
    text.vdDrawScaled(canvas, 10, 0, 10, 0, 0);
    EXPECT_EQ(canvas.painted[0].font.height, 20);
    EXPECT_EQ(canvas.painted[0].points[0], (DevicePoint{40, 30}));
}

TEST(VerticalText, IsBoxedUpwardFromItsAnchor)
{
    const VerticalText start("WWWmA", 5, 20, 1, TextAlignment::Start, 0, false, false, 0);
    const VerticalText middle("WWWmA", 5, 20, 1, TextAlignment::Middle, 0, false, false, 0);
    const VerticalText end("WWWmA", 5, 20, 1, TextAlignment::End, 0, false, false, 0);
    ExpectBox(start, {5, 16, 6, 20});
    ExpectBox(middle, {5, 18, 6, 22});
    ExpectBox(end, {5, 20, 6, 24});
}

TEST(VerticalText, WritesUpwardFromItsAnchorPlusItsMeasuredWidth)
{
    RecordingCanvas canvas;
    const VerticalText start("WWWmA", 5, 20, 1, TextAlignment::Start, 0, true, false, 0);
    const VerticalText middle("WWWmA", 5, 20, 1, TextAlignment::Middle, 0, true, false, 0);
    const VerticalText end("WWWmA", 5, 20, 1, TextAlignment::End, 0, true, false, 0);
    for (const VerticalText* text : {&start, &middle, &end})
        text->vdDrawScaled(canvas, 16, 3, 16, 2.9, 0);
    ASSERT_EQ(canvas.painted.size(), 3u);
    // Row trunc(20 * 16 + 2.9) = 322; the text is 35 pixels long.
    EXPECT_EQ(canvas.painted[0].points[0], (DevicePoint{83, 322}));
    EXPECT_EQ(canvas.painted[1].points[0], (DevicePoint{83, 339}));
    EXPECT_EQ(canvas.painted[2].points[0], (DevicePoint{83, 357}));
    for (const auto& painted : canvas.painted)
    {
        EXPECT_EQ(painted.font.escapement, 900);
        EXPECT_EQ(painted.font.height, 16);
        EXPECT_TRUE(painted.font.bold);
        EXPECT_TRUE(painted.brush.hollow);
    }
}

TEST(Text, FromANullPointerIsEmpty)
{
    Text text(nullptr, 3, 4, 2, TextAlignment::Middle, 0, false, false, 0);
    ExpectBox(text, {3, 4, 3, 6});
    RecordingCanvas canvas;
    text.vdDrawScaled(canvas, 1, 0, 1, 0, 0);
    ASSERT_EQ(canvas.painted.size(), 1u);
    EXPECT_EQ(canvas.painted[0].text, "");
}

} // namespace
} // namespace Brosquin
