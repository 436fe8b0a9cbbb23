#pragma once

#include "core/PooledObject.h"
#include "graphics/DrawingObject.h"

namespace Brosquin
{

// Whether the world point (x, y) lies within the tolerance of the segment from (x0, y0) to
// (x1, y1). Vertical and horizontal segments take the tolerance across them only; any other
// segment is hit when the foot of the perpendicular from the point lies between its ends.
bool SegmentHit(double x0, double y0, double x1, double y1, double tolerance, double x, double y);

class Line final : public DrawingObject, public PooledObject<Line>
{
public:
    static constexpr int type = 1;

    Line(double x1, double y1, double x2, double y2, std::int8_t style, Colour colour, double width,
         double tolerance, std::uint32_t uID);

    int uType() const override { return type; }
    double dLeft() const override { return ends.dLeft(); }
    double dTop() const override { return ends.dTop(); }
    double dRight() const override { return ends.dRight(); }
    double dBottom() const override { return ends.dBottom(); }
    void vdScale(double sx, double ox, double sy, double oy) override;
    void vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                      Colour background) const override;
    DrawingObject* HitTest(double x, double y) override;

private:
    PointPair ends;
    Stroke stroke;
    double tolerance;
};

} // namespace Brosquin
