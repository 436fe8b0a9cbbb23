#include "graphics/DrawingObject.h"

#include <algorithm>

namespace Brosquin
{

DrawingObject* DrawingObject::HitTest(double x, double y)
{
    if (dLeft() <= x && x <= dRight() && dTop() <= y && y <= dBottom())
        return this;
    return nullptr;
}

DevicePoint DevicePointOf(double x, double y, double sx, double ox, double sy, double oy)
{
    return {TruncatedPixel(x * sx + ox), TruncatedPixel(y * sy + oy)};
}

Pen Stroke::PenOf(const Canvas& canvas, double sx, double sy) const
{
    const double pixelsPerInchX = canvas.dPixelsPerInchX();
    const double pixelsPerInchY = canvas.dPixelsPerInchY();
    const double aspect =
        pixelsPerInchX > 0 && pixelsPerInchY > 0 ? pixelsPerInchX / pixelsPerInchY : 1;
    return Pen{PenStyleOfLineStyle(style), colour,
               TruncatedPixel(std::min(widthX * sx, widthY * sy * aspect))};
}

void Stroke::vdSelectForLine(Canvas& canvas, double sx, double sy, Colour background) const
{
    canvas.vdSetPen(PenOf(canvas, sx, sy));
    canvas.vdSetBrush(Brush{canvas.CurrentBrush().hollow, background});
}

void Stroke::vdSelectForFigure(Canvas& canvas, double sx, double sy, bool filled,
                               Colour fillColour) const
{
    canvas.vdSetPen(PenOf(canvas, sx, sy));
    canvas.vdSetBrush(Brush{!filled, fillColour});
}

} // namespace Brosquin
