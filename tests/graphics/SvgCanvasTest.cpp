#include "graphics/SvgCanvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace Brosquin
{
namespace
{

using testing::HasSubstr;
using testing::Not;

TEST(SvgCanvas, WritesAStandaloneDocumentOfTheGivenSize)
{
    SvgCanvas canvas(600, 400);
    const std::string document = canvas.Document();
    EXPECT_EQ(document.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"", 0), 0u);
    EXPECT_THAT(document, HasSubstr("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                                    "width=\"600\" height=\"400\" viewBox=\"0 0 600 400\">"));
    EXPECT_THAT(document, HasSubstr("</svg>\n"));
    EXPECT_THAT(SvgCanvas(-5, -1).Document(), HasSubstr("width=\"0\" height=\"0\""));
    EXPECT_DOUBLE_EQ(canvas.dPixelsPerInchX(), 96);
    EXPECT_DOUBLE_EQ(SvgCanvas(1, 1, 300, 150).dPixelsPerInchY(), 150);
}

TEST(SvgCanvas, StrokesWithThePenInRgbOrder)
{
    SvgCanvas canvas(100, 100);
    canvas.vdSetPen(Pen{PenStyle::Solid, 0x0000FF, 3});
    canvas.vdMoveTo(1, 2);
    canvas.vdLineTo(30, 40);
    canvas.vdSetPen(Pen{PenStyle::Dash, 0xFF8000, 2});
    canvas.vdLineTo(50, 40);
    canvas.vdSetPen(Pen{PenStyle::Null, 0, 1});
    canvas.vdLineTo(60, 60);
    const std::string document = canvas.Document();
    EXPECT_THAT(document,
                HasSubstr("<line x1=\"1\" y1=\"2\" x2=\"30\" y2=\"40\" stroke=\"#ff0000\" "
                          "stroke-width=\"3\" stroke-linecap=\"round\""));
    // The dash pattern grows with the pen.
    EXPECT_THAT(document,
                HasSubstr("<line x1=\"30\" y1=\"40\" x2=\"50\" y2=\"40\" stroke=\"#0080ff\" "
                          "stroke-width=\"2\" stroke-linecap=\"butt\" "
                          "stroke-dasharray=\"36,12\"/>"));
    EXPECT_THAT(document, HasSubstr("x2=\"60\" y2=\"60\" stroke=\"none\"/>"));
}

TEST(SvgCanvas, FillsFiguresWithTheBrushUnlessHollow)
{
    SvgCanvas canvas(100, 100);
    canvas.vdSetPen(Pen{PenStyle::InsideFrame, 0x000000, 4});
    canvas.vdSetBrush(Brush{false, 0x00FF00});
    canvas.vdRectangle(10, 10, 50, 30);
    canvas.vdSetBrush(Brush{true, 0x00FF00});
    canvas.vdEllipse(50, 30, 10, 10);
    const std::string document = canvas.Document();
    // The wide inside-frame pen keeps within the corners.
    EXPECT_THAT(document, HasSubstr("<rect x=\"12\" y=\"12\" width=\"36\" height=\"16\" "
                                    "fill=\"#00ff00\" fill-rule=\"evenodd\" stroke=\"#000000\""));
    EXPECT_THAT(document,
                HasSubstr("<ellipse cx=\"30\" cy=\"20\" rx=\"18\" ry=\"8\" fill=\"none\""));
}

TEST(SvgCanvas, WritesPolygonsAndPolylinesButNothingForNoPoints)
{
    SvgCanvas canvas(100, 100);
    const std::vector<DevicePoint> points = {{0, 0}, {10, 5}, {-3, 7}};
    canvas.vdPolygon(points);
    canvas.vdPolyline(points);
    canvas.vdPolygon({});
    canvas.vdPolyline({});
    const std::string document = canvas.Document();
    EXPECT_THAT(document, HasSubstr("<polygon points=\"0,0 10,5 -3,7\" fill=\"#ffffff\""));
    EXPECT_THAT(document, HasSubstr("<polyline points=\"0,0 10,5 -3,7\" fill=\"none\""));
    EXPECT_EQ(document.find("<polygon"), document.rfind("<polygon"));
    EXPECT_EQ(document.find("<polyline"), document.rfind("<polyline"));
}

TEST(SvgCanvas, MeasuresTextWithTheArialWidthTable)
{
    SvgCanvas canvas(100, 100);
    Font font;
    font.height = 100;
    canvas.vdSetFont(font);
    // "1" and "0" are 0.49 of the cell each.
    EXPECT_EQ(canvas.TextWidth("10"), 98);
    EXPECT_EQ(canvas.TextWidth(""), 0);
    font.height = 10;
    canvas.vdSetFont(font);
    EXPECT_EQ(canvas.TextWidth("10"), 9);
}

TEST(SvgCanvas, WritesTextByItsCellTopAtItsMeasuredWidth)
{
    SvgCanvas canvas(200, 100);
    Font font;
    font.height = 100;
    font.bold = true;
    font.colour = 0x0000FF;
    canvas.vdSetFont(font);
    canvas.vdTextOut(5, 10, "10");
    const std::string document = canvas.Document();
    // Baseline 0.81 of the cell below its top, em 0.895 of the cell.
    // Anchored by its middle, 49 pixels right of the cell's left edge.
    EXPECT_THAT(document, HasSubstr("<text x=\"54\" y=\"91.03146853146853\" "
                                    "text-anchor=\"middle\" font-family=\"Arial\" "
                                    "font-size=\"89.5104895104895\" font-weight=\"bold\" "
                                    "fill=\"#ff0000\" textLength=\"98\" "
                                    "lengthAdjust=\"spacingAndGlyphs\" xml:space=\"preserve\">10"
                                    "</text>"));
    EXPECT_THAT(document, Not(HasSubstr("font-style")));
    EXPECT_THAT(document, Not(HasSubstr("rotate")));
}

TEST(SvgCanvas, TurnsTextWithAnEscapementAboutItsCorner)
{
    SvgCanvas canvas(200, 200);
    Font font;
    font.height = 20;
    font.italic = true;
    font.escapement = 900;
    canvas.vdSetFont(font);
    canvas.vdTextOut(40, 150, "Pa");
    const std::string document = canvas.Document();
    EXPECT_THAT(document, HasSubstr("font-style=\"italic\""));
    EXPECT_THAT(document, HasSubstr("transform=\"rotate(-90 40 150)\""));
}

TEST(SvgCanvas, EscapesTextAndWritesItAsUtf8)
{
    SvgCanvas canvas(200, 200);
    canvas.vdTextOut(0, 0, "a<b & \"c\" 'd' > \x80\x01\xE9");
    EXPECT_THAT(canvas.Document(), HasSubstr(">a&lt;b &amp; &quot;c&quot; &apos;d&apos; &gt; "
                                             "\xE2\x82\xAC\xEF\xBF\xBD\xC3\xA9</text>"));
    // An empty text writes no element.
    SvgCanvas empty(10, 10);
    empty.vdTextOut(0, 0, "");
    EXPECT_THAT(empty.Document(), Not(HasSubstr("<text")));
}

} // namespace
} // namespace Brosquin
