#include "graphics/Line.h"

#include <algorithm>

namespace Brosquin
{

bool SegmentHit(double x0, double y0, double x1, double y1, double tolerance, double x, double y)
{
    const auto between = [](double value, double a, double b)
    { return std::min(a, b) <= value && value <= std::max(a, b); };
    if (x0 == x1)
        return x0 - tolerance <= x && x <= x0 + tolerance && between(y, y0, y1);
    if (y0 == y1)
        return y0 - tolerance <= y && y <= y0 + tolerance && between(x, x0, x1);
    const double m = (y0 - y1) / (x0 - x1);
    const double xf = ((y - y1) + x / m + x1 * m) / (1 / m + m);
    const double yf = (xf - x1) * m + y1;
    return between(xf, x0, x1) &&
           tolerance * tolerance >= (x - xf) * (x - xf) + (y - yf) * (y - yf);
}

Line::Line(double x1, double y1, double x2, double y2, std::int8_t style, Colour colour,
           double width, double tolerance, std::uint32_t uID)
    : DrawingObject(uID), ends{x1, y1, x2, y2}, stroke(style, colour, width), tolerance(tolerance)
{
}

void Line::vdScale(double sx, double ox, double sy, double oy)
{
    ends.vdScale(sx, ox, sy, oy);
    stroke.vdScale(sx, sy);
    tolerance *= std::max(sx, sy);
}

void Line::vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                        Colour background) const
{
    stroke.vdSelectForLine(canvas, sx, sy, background);
    const DevicePoint from = DevicePointOf(ends.x1, ends.y1, sx, ox, sy, oy);
    const DevicePoint to = DevicePointOf(ends.x2, ends.y2, sx, ox, sy, oy);
    canvas.vdMoveTo(from.x, from.y);
    canvas.vdLineTo(to.x, to.y);
}

DrawingObject* Line::HitTest(double x, double y)
{
    return SegmentHit(ends.x1, ends.y1, ends.x2, ends.y2, tolerance, x, y) ? this : nullptr;
}

} // namespace Brosquin
