#pragma once

#include "core/PooledObject.h"
#include "core/String.h"
#include "graphics/DrawingObject.h"

#include <optional>

namespace Brosquin
{

// Which point of a text its anchor is. Values beyond End count as End.
enum class TextAlignment : std::uint8_t
{
    Start = 0,
    Middle = 1,
    End = 2
};

// A one-line text in "Arial" whose size is the height of its line in world units. Its width is
// the program's own width table (String::dWidth) times that size, and a device whose font is
// wider draws it within that width.
class TextObject : public DrawingObject
{
public:
    TextObject(const char* text, double x, double y, double size, TextAlignment alignment,
               Colour colour, bool bold, bool italic, std::uint32_t uID);

    void vdScale(double sx, double ox, double sy, double oy) override;

protected:
    // The height of a line: the smaller of the two sizes.
    double dSize() const { return sizeX < sizeY ? sizeX : sizeY; }
    // The width of the text in world units.
    double dLength() const { return text.dWidth() * dSize(); }
    // The share of the text's length that lies before the anchor: 0, one half or all of it.
    double dShareBeforeAnchor() const;
    // The same share of a length in pixels, halved in whole pixels.
    int PixelsBeforeAnchor(int width) const;
    // Selects the font at this scale, with the escapement, and a hollow brush, and answers the
    // width in pixels the text takes when written within its length along the scale (the
    // device's own width where that is less); nothing when the scaled height is under one pixel
    // and the text is not to be drawn.
    std::optional<int> SelectFont(Canvas& canvas, double sx, double sy, int escapement,
                                  int room) const;

    String text;
    double x;
    double y;
    double sizeY;
    TextAlignment alignment;
    Colour colour;
    bool bold;
    bool italic;
    double sizeX;
};

// A horizontal text: (x, y) is the anchor on the top edge of its line.
class Text final : public TextObject, public PooledObject<Text>
{
public:
    static constexpr int type = 10;
    using TextObject::TextObject;

    int uType() const override { return type; }
    double dLeft() const override;
    double dTop() const override;
    double dRight() const override;
    double dBottom() const override;
    void vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                      Colour background) const override;
};

// A text running upward, turned a quarter counter-clockwise: x is its left edge and y the
// position of the anchor along the vertical.
class VerticalText final : public TextObject, public PooledObject<VerticalText>
{
public:
    static constexpr int type = 12;
    using TextObject::TextObject;

    int uType() const override { return type; }
    double dLeft() const override;
    double dTop() const override;
    double dRight() const override;
    double dBottom() const override;
    void vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                      Colour background) const override;
};

} // namespace Brosquin
