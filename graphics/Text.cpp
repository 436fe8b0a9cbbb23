#include "graphics/Text.h"

#include <algorithm>

namespace Brosquin
{

TextObject::TextObject(const char* text, double x, double y, double size, TextAlignment alignment,
                       Colour colour, bool bold, bool italic, std::uint32_t uID)
    : DrawingObject(uID), text(text), x(x), y(y), sizeY(size), alignment(alignment), colour(colour),
      bold(bold), italic(italic), sizeX(size)
{
}

void TextObject::vdScale(double sx, double ox, double sy, double oy)
{
    x = x * sx + ox;
    y = y * sy + oy;
    sizeY *= sy;
    sizeX *= sx;
}

double TextObject::dShareBeforeAnchor() const
{
    switch (alignment)
    {
    case TextAlignment::Start:
        return 0;
    case TextAlignment::Middle:
        return 0.5;
    default:
        return 1;
    }
}

int TextObject::PixelsBeforeAnchor(int width) const
{
    switch (alignment)
    {
    case TextAlignment::Start:
        return 0;
    case TextAlignment::Middle:
        return width / 2;
    default:
        return width;
    }
}

std::optional<int> TextObject::SelectFont(Canvas& canvas, double sx, double sy, int escapement,
                                          int room) const
{
    const double scaledX = sizeX * sx;
    const double scaledY = sizeY * sy;
    const int height = TruncatedPixel(scaledX < scaledY ? scaledX : scaledY);
    if (height <= 0)
        return std::nullopt;
    Font font;
    font.height = height;
    font.colour = colour;
    font.bold = bold;
    font.italic = italic;
    font.escapement = escapement;
    canvas.vdSetFont(font);
    canvas.vdSetBrush(Brush{true, canvas.CurrentBrush().colour});
    const int width = canvas.TextWidth(text.Text());
    return room > 0 ? std::min(width, room) : width;
}

double Text::dLeft() const
{
    return x - dShareBeforeAnchor() * dLength();
}
double Text::dTop() const
{
    return y;
}
double Text::dRight() const
{
    return x + (1 - dShareBeforeAnchor()) * dLength();
}
double Text::dBottom() const
{
    return y + dSize();
}

void Text::vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy, Colour) const
{
    const int room = TruncatedPixel(dLength() * sx);
    const std::optional<int> width = SelectFont(canvas, sx, sy, 0, room);
    if (!width)
        return;
    const DevicePoint anchor = DevicePointOf(x, y, sx, ox, sy, oy);
    canvas.vdTextOutWithin(anchor.x - PixelsBeforeAnchor(*width), anchor.y, text.Text(), room);
}

double VerticalText::dLeft() const
{
    return x;
}
double VerticalText::dTop() const
{
    return y - (1 - dShareBeforeAnchor()) * dLength();
}
double VerticalText::dRight() const
{
    return x + dSize();
}
double VerticalText::dBottom() const
{
    return y + dShareBeforeAnchor() * dLength();
}

void VerticalText::vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                                Colour) const
{
    constexpr int upward = 900;
    const int room = TruncatedPixel(dLength() * sy);
    const std::optional<int> width = SelectFont(canvas, sx, sy, upward, room);
    if (!width)
        return;
    const DevicePoint anchor = DevicePointOf(x, y, sx, ox, sy, oy);
    canvas.vdTextOutWithin(anchor.x, anchor.y + PixelsBeforeAnchor(*width), text.Text(), room);
}

} // namespace Brosquin
