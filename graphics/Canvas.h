#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace Brosquin
{

// A colour in the Windows order 0x00BBGGRR: 0x0000FF is red, 0xFFFFFF white. The top byte is
// ignored.
using Colour = std::uint32_t;

inline int RedOf(Colour c)
{
    return static_cast<int>(c & 0xFFu);
}
inline int GreenOf(Colour c)
{
    return static_cast<int>((c >> 8) & 0xFFu);
}
inline int BlueOf(Colour c)
{
    return static_cast<int>((c >> 16) & 0xFFu);
}

// How a pen strokes. InsideFrame is solid, but on rectangles and ellipses a wide pen keeps within
// the figure's corners instead of straddling them.
enum class PenStyle : std::uint8_t
{
    Null,
    InsideFrame,
    Dash,
    Dot,
    DashDot,
    DashDotDot,
    Solid
};

// The pen style of a drawing's line style code 0..6. Codes outside the table draw solid, so a
// stray value never hides a line.
PenStyle PenStyleOfLineStyle(std::int8_t lineStyle);

// A device coordinate computed in double, truncated toward zero to a whole pixel. NaN gives 0 and
// values are held within +-1e9, far beyond any device yet safe for int arithmetic.
int TruncatedPixel(double value);

struct DevicePoint
{
    int x = 0;
    int y = 0;
    bool operator==(const DevicePoint&) const = default;
};

struct Pen
{
    PenStyle style = PenStyle::Solid;
    Colour colour = 0;
    // In device pixels; 1 or less draws the thinnest line the device has.
    int width = 1;
    bool operator==(const Pen&) const = default;
    int StrokeWidth() const { return width < 1 ? 1 : width; }
};

// Dashes and gaps of a patterned pen in units of its stroke width, as Windows draws them with a
// one-pixel pen; empty for solid and null pens.
std::span<const double> DashPattern(PenStyle style);

// The rectangle on whose edges the outline of a rectangle or ellipse is centred: the corners
// put in order and, for a wide InsideFrame pen, drawn in by half the stroke width.
struct OutlineBox
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};
OutlineBox OutlineBoxOf(int left, int top, int right, int bottom, const Pen& pen);

struct Brush
{
    // A hollow brush fills nothing: figures are outlined only. Text never has a background.
    bool hollow = false;
    Colour colour = 0xFFFFFF;
    bool operator==(const Brush&) const = default;
};

struct Font
{
    std::string face = "Arial";
    // Height of the character cell in device pixels.
    int height = 16;
    Colour colour = 0;
    bool bold = false;
    bool italic = false;
    // Angle of the baseline in tenths of a degree counter-clockwise: 900 writes upward.
    int escapement = 0;
    bool operator==(const Font&) const = default;
};

// A device that drawings paint on: screen, printer page, picture or SVG document. It keeps a
// current pen, brush, font and pen position like a Windows device context; the drawing
// operations use them. Texts are in the program's 8-bit character set, Windows-1252.
class Canvas
{
public:
    virtual ~Canvas() = default;

    void vdSetPen(const Pen& pen) { currentPen = pen; }
    void vdSetBrush(const Brush& brush) { currentBrush = brush; }
    void vdSetFont(const Font& font) { currentFont = font; }
    const Pen& CurrentPen() const { return currentPen; }
    const Brush& CurrentBrush() const { return currentBrush; }
    const Font& CurrentFont() const { return currentFont; }

    void vdMoveTo(int x, int y) { penPosition = {x, y}; }
    // A line from the pen position to (x, y) with the pen; (x, y) becomes the pen position.
    void vdLineTo(int x, int y);
    DevicePoint PenPosition() const { return penPosition; }

    // Figures between the corners (left, top) and (right, bottom): outlined with the pen and
    // filled with the brush.
    virtual void vdRectangle(int left, int top, int right, int bottom) = 0;
    virtual void vdEllipse(int left, int top, int right, int bottom) = 0;
    // A closed figure through the points, outlined and filled.
    virtual void vdPolygon(std::span<const DevicePoint> points) = 0;
    // An open line through the points with the pen.
    virtual void vdPolyline(std::span<const DevicePoint> points) = 0;

    // Width in pixels of the text written in the current font, along its baseline.
    virtual int TextWidth(std::string_view text) = 0;
    // Writes the text in the current font and colour with the top-left corner of its character
    // cell at (x, y); with an escapement the cell turns about that corner.
    virtual void vdTextOut(int x, int y, std::string_view text) = 0;
    // Writes the text as vdTextOut does, within room pixels along its baseline (none given: 0):
    // a device whose font writes it wider draws it narrower, so that it keeps to the box a
    // drawing measured for it. Here the text is written as measured.
    virtual void vdTextOutWithin(int x, int y, std::string_view text, int room);

    virtual double dPixelsPerInchX() const = 0;
    virtual double dPixelsPerInchY() const = 0;

protected:
    virtual void vdDrawLine(DevicePoint from, DevicePoint to) = 0;

private:
    Pen currentPen;
    Brush currentBrush;
    Font currentFont;
    DevicePoint penPosition;
};

} // namespace Brosquin
