#include "graphics/SvgCanvas.h"

#include "core/String.h"
#include "graphics/AnsiText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace Brosquin
{

namespace
{

// Arial's vertical metrics in units of its character cell (ascent + descent = 2288 of 2048 per
// em): SVG sizes a font by its em and places text by its baseline.
constexpr double emPerCell = 2048.0 / 2288.0;
constexpr double baselinePerCell = 1854.0 / 2288.0;

std::string Number(double value)
{
    std::array<char, 32> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return std::string(digits.data(), result.ptr);
}

std::string ColourText(Colour colour)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return text.data();
}

// The Windows-1252 text as XML character data or attribute value in UTF-8. Control characters
// that XML cannot hold become the replacement character.
std::string XmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
    {
        const char32_t codePoint = CodePointOfAnsi(static_cast<unsigned char>(c));
        switch (codePoint)
        {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (codePoint < 0x20 && codePoint != '\t' && codePoint != '\n' && codePoint != '\r')
                vdAppendUtf8(out, 0xFFFD);
            else
                vdAppendUtf8(out, codePoint);
        }
    }
    return out;
}

} // namespace

SvgCanvas::SvgCanvas(int width, int height, double pixelsPerInchX, double pixelsPerInchY)
    : width(std::max(width, 0)), height(std::max(height, 0)), pixelsPerInchX(pixelsPerInchX),
      pixelsPerInchY(pixelsPerInchY)
{
}

std::string SvgCanvas::StrokeAttributes() const
{
    const Pen& pen = CurrentPen();
    if (pen.style == PenStyle::Null)
        return " stroke=\"none\"";
    const int strokeWidth = pen.StrokeWidth();
    std::string out =
        " stroke=\"" + ColourText(pen.colour) + "\" stroke-width=\"" + Number(strokeWidth) + "\"";
    const auto pattern = DashPattern(pen.style);
    if (pattern.empty())
        return out + " stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    out += " stroke-linecap=\"butt\" stroke-dasharray=\"";
    for (std::size_t i = 0; i < pattern.size(); ++i)
    {
        if (i > 0)
            out += ',';
        out += Number(pattern[i] * strokeWidth);
    }
    return out + "\"";
}

std::string SvgCanvas::FillAttributes() const
{
    const Brush& brush = CurrentBrush();
    if (brush.hollow)
        return " fill=\"none\"";
    return " fill=\"" + ColourText(brush.colour) + "\" fill-rule=\"evenodd\"";
}

void SvgCanvas::vdDrawLine(DevicePoint from, DevicePoint to)
{
    body += "<line x1=\"" + Number(from.x) + "\" y1=\"" + Number(from.y) + "\" x2=\"" +
            Number(to.x) + "\" y2=\"" + Number(to.y) + "\"" + StrokeAttributes() + "/>\n";
}

void SvgCanvas::vdRectangle(int left, int top, int right, int bottom)
{
    const OutlineBox box = OutlineBoxOf(left, top, right, bottom, CurrentPen());
    body += "<rect x=\"" + Number(box.left) + "\" y=\"" + Number(box.top) + "\" width=\"" +
            Number(box.right - box.left) + "\" height=\"" + Number(box.bottom - box.top) + "\"" +
            FillAttributes() + StrokeAttributes() + "/>\n";
}

void SvgCanvas::vdEllipse(int left, int top, int right, int bottom)
{
    const OutlineBox box = OutlineBoxOf(left, top, right, bottom, CurrentPen());
    body += "<ellipse cx=\"" + Number((box.left + box.right) * 0.5) + "\" cy=\"" +
            Number((box.top + box.bottom) * 0.5) + "\" rx=\"" +
            Number((box.right - box.left) * 0.5) + "\" ry=\"" +
            Number((box.bottom - box.top) * 0.5) + "\"" + FillAttributes() + StrokeAttributes() +
            "/>\n";
}

void SvgCanvas::vdAppendPoints(std::span<const DevicePoint> points)
{
    body += " points=\"";
    for (std::size_t i = 0; i < points.size(); ++i)
    {
        if (i > 0)
            body += ' ';
        body += Number(points[i].x);
        body += ',';
        body += Number(points[i].y);
    }
    body += "\"";
}

void SvgCanvas::vdPolygon(std::span<const DevicePoint> points)
{
    if (points.empty())
        return;
    body += "<polygon";
    vdAppendPoints(points);
    body += FillAttributes() + StrokeAttributes() + "/>\n";
}

void SvgCanvas::vdPolyline(std::span<const DevicePoint> points)
{
    if (points.empty())
        return;
    body += "<polyline";
    vdAppendPoints(points);
    body += " fill=\"none\"" + StrokeAttributes() + "/>\n";
}

int SvgCanvas::TextWidth(std::string_view text)
{
    const String ansi(std::string(text).c_str());
    return TruncatedPixel(ansi.dWidth() * CurrentFont().height);
}

void SvgCanvas::vdTextOut(int x, int y, std::string_view text)
{
    if (text.empty())
        return;
    const Font& font = CurrentFont();
    const int length = TextWidth(text);
    // Placed by its middle: where a viewer cannot hold the text to its measured width, the text
    // still centres where it should and overhangs its box by half the difference on each side.
    body += "<text x=\"" + Number(x + length * 0.5) + "\" y=\"" +
            Number(y + font.height * baselinePerCell) + "\" text-anchor=\"middle\" font-family=\"" +
            XmlText(font.face) + "\" font-size=\"" + Number(font.height * emPerCell) + "\"";
    if (font.bold)
        body += " font-weight=\"bold\"";
    if (font.italic)
        body += " font-style=\"italic\"";
    body += " fill=\"" + ColourText(font.colour) + "\"";
    if (length > 0)
        body += " textLength=\"" + Number(length) + "\" lengthAdjust=\"spacingAndGlyphs\"";
    if (font.escapement != 0)
        body += " transform=\"rotate(" + Number(-font.escapement / 10.0) + " " + Number(x) + " " +
                Number(y) + ")\"";
    body += " xml:space=\"preserve\">" + XmlText(text) + "</text>\n";
}

std::string SvgCanvas::Document() const
{
    const std::string w = Number(width);
    const std::string h = Number(height);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n" + body + "</svg>\n";
}

} // namespace Brosquin
