#include "graphics/Canvas.h"
#include "graphics/AnsiText.h"
#include "tests/graphics/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace Brosquin
{
namespace
{

TEST(LineStyle, MapsTheSevenCodesAndDrawsStrayCodesSolid)
{
    const PenStyle styles[] = {PenStyle::Null, PenStyle::InsideFrame, PenStyle::Dash,
                               PenStyle::Dot,  PenStyle::DashDot,     PenStyle::DashDotDot,
                               PenStyle::Solid};
    for (int code = 0; code < 7; ++code)
        EXPECT_EQ(PenStyleOfLineStyle(code), styles[code]) << code;
    for (int stray : {7, -1, -128})
        EXPECT_EQ(PenStyleOfLineStyle(stray), PenStyle::Solid) << stray;
}

TEST(TruncatedPixel, TruncatesTowardZeroAndStaysInRange)
{
    EXPECT_EQ(TruncatedPixel(2.99), 2);
    EXPECT_EQ(TruncatedPixel(-2.99), -2);
    EXPECT_EQ(TruncatedPixel(-0.5), 0);
    EXPECT_EQ(TruncatedPixel(0.0), 0);
    EXPECT_EQ(TruncatedPixel(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TruncatedPixel(1e300), 1000000000);
    EXPECT_EQ(TruncatedPixel(-std::numeric_limits<double>::infinity()), -1000000000);
}

TEST(OutlineBox, OrdersCornersAndKeepsWideInsideFramePensInside)
{
    const OutlineBox plain = OutlineBoxOf(30, 40, 10, 20, Pen{PenStyle::Solid, 0, 6});
    EXPECT_EQ(plain.left, 10);
    EXPECT_EQ(plain.top, 20);
    EXPECT_EQ(plain.right, 30);
    EXPECT_EQ(plain.bottom, 40);

    const OutlineBox inside = OutlineBoxOf(10, 20, 30, 40, Pen{PenStyle::InsideFrame, 0, 6});
    EXPECT_EQ(inside.left, 13);
    EXPECT_EQ(inside.top, 23);
    EXPECT_EQ(inside.right, 27);
    EXPECT_EQ(inside.bottom, 37);

    // A one-pixel pen is never drawn in.
    const OutlineBox thin = OutlineBoxOf(10, 20, 30, 40, Pen{PenStyle::InsideFrame, 0, 0});
    EXPECT_EQ(thin.left, 10);
    EXPECT_EQ(thin.bottom, 40);

    // A pen wider than the figure collapses it onto its centre line.
    const OutlineBox narrow = OutlineBoxOf(10, 20, 14, 40, Pen{PenStyle::InsideFrame, 0, 10});
    EXPECT_EQ(narrow.left, 12);
    EXPECT_EQ(narrow.right, 12);
    EXPECT_EQ(narrow.top, 22);
    EXPECT_EQ(narrow.bottom, 38);
}

TEST(CanvasPenPosition, LineToDrawsFromThePenPositionAndMovesIt)
{
    RecordingCanvas canvas;
    canvas.vdMoveTo(1, 2);
    canvas.vdLineTo(3, 4);
    canvas.vdLineTo(5, 6);
    canvas.vdMoveTo(7, 8);
    canvas.vdLineTo(9, 10);
    ASSERT_EQ(canvas.painted.size(), 3u);
    EXPECT_EQ(canvas.painted[0].points, (std::vector<DevicePoint>{{1, 2}, {3, 4}}));
    EXPECT_EQ(canvas.painted[1].points, (std::vector<DevicePoint>{{3, 4}, {5, 6}}));
    EXPECT_EQ(canvas.painted[2].points, (std::vector<DevicePoint>{{7, 8}, {9, 10}}));
    EXPECT_EQ(canvas.PenPosition(), (DevicePoint{9, 10}));
}

TEST(AnsiText, DecodesWindows1252IntoUtf8)
{
    EXPECT_EQ(Utf8OfAnsi("Pa = 0.95"), "Pa = 0.95");
    // Latin-1 range: e acute, micro sign, no-break space.
    EXPECT_EQ(Utf8OfAnsi("\xE9\xB5\xA0"), "\xC3\xA9\xC2\xB5\xC2\xA0");
    // The Windows block: euro sign, en dash, trade mark, Y diaeresis.
    EXPECT_EQ(Utf8OfAnsi("\x80\x96\x99\x9F"), "\xE2\x82\xAC\xE2\x80\x93\xE2\x84\xA2\xC5\xB8");
    // Undefined codes keep their number.
    EXPECT_EQ(CodePointOfAnsi(0x81), 0x81u);
    EXPECT_EQ(CodePointOfAnsi(0x9D), 0x9Du);
    EXPECT_EQ(Utf8OfAnsi(""), "");
}

TEST(AnsiText, EncodesEveryUtf8Length)
{
    std::string out;
    vdAppendUtf8(out, 0x41);
    vdAppendUtf8(out, 0x7FF);
    vdAppendUtf8(out, 0xFFFD);
    vdAppendUtf8(out, 0x1F600);
    EXPECT_EQ(out, "A\xDF\xBF\xEF\xBF\xBD\xF0\x9F\x98\x80");
}

} // namespace
} // namespace Brosquin
