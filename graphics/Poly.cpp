#include "graphics/Poly.h"

namespace Brosquin
{

Poly::Poly(const double* points, int count, std::int8_t style, Colour penColour, double width,
           bool filled, Colour fillColour, std::uint32_t uID)
    : DrawingObject(uID), path(points, count), stroke(style, penColour, width), filled(filled),
      fillColour(fillColour)
{
}

void Poly::vdScale(double sx, double ox, double sy, double oy)
{
    path.vdScale(sx, ox, sy, oy);
    stroke.vdScale(sx, sy);
}

void Poly::vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy, Colour) const
{
    if (path.Points().empty())
        return;
    stroke.vdSelectForFigure(canvas, sx, sy, filled, fillColour);
    canvas.vdPolygon(path.DevicePoints(sx, ox, sy, oy));
}

DrawingObject* Poly::HitTest(double x, double y)
{
    return path.Points().empty() ? nullptr : DrawingObject::HitTest(x, y);
}

} // namespace Brosquin
