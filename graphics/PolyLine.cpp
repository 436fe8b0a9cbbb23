#include "graphics/PolyLine.h"

#include "graphics/Line.h"

#include <algorithm>

namespace Brosquin
{

PolyLine::PolyLine(const double* points, int count, std::int8_t style, Colour colour, double width,
                   double tolerance, std::uint32_t uID)
    : DrawingObject(uID), path(points, count), stroke(style, colour, width), tolerance(tolerance)
{
}

void PolyLine::vdScale(double sx, double ox, double sy, double oy)
{
    path.vdScale(sx, ox, sy, oy);
    stroke.vdScale(sx, sy);
    tolerance *= std::max(sx, sy);
}

void PolyLine::vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                            Colour background) const
{
    if (path.Points().empty())
        return;
    stroke.vdSelectForLine(canvas, sx, sy, background);
    canvas.vdPolyline(path.DevicePoints(sx, ox, sy, oy));
}

DrawingObject* PolyLine::HitTest(double x, double y)
{
    if (!(dLeft() < x && x < dRight() && dTop() < y && y < dBottom()))
        return nullptr;
    const auto& points = path.Points();
    for (std::size_t i = 1; i < points.size(); ++i)
        if (SegmentHit(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, tolerance, x, y))
            return this;
    return nullptr;
}

} // namespace Brosquin
