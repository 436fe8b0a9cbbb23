#include "graphics/Rect.h"

namespace Brosquin
{

BoxFigure::BoxFigure(double left, double top, double right, double bottom, std::int8_t style,
                     Colour penColour, double width, bool filled, Colour fillColour,
                     std::uint32_t uID)
    : DrawingObject(uID), corners{left, top, right, bottom}, stroke(style, penColour, width),
      filled(filled), fillColour(fillColour)
{
}

void BoxFigure::vdScale(double sx, double ox, double sy, double oy)
{
    corners.vdScale(sx, ox, sy, oy);
    stroke.vdScale(sx, sy);
}

void BoxFigure::vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                             Colour) const
{
    stroke.vdSelectForFigure(canvas, sx, sy, filled, fillColour);
    vdDrawFigure(canvas, DevicePointOf(corners.x1, corners.y1, sx, ox, sy, oy),
                 DevicePointOf(corners.x2, corners.y2, sx, ox, sy, oy));
}

void Rect::vdDrawFigure(Canvas& canvas, DevicePoint topLeft, DevicePoint bottomRight) const
{
    canvas.vdRectangle(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

void Ellip::vdDrawFigure(Canvas& canvas, DevicePoint topLeft, DevicePoint bottomRight) const
{
    canvas.vdEllipse(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

} // namespace Brosquin
