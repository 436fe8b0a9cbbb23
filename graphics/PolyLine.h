#pragma once

#include "core/PooledObject.h"
#include "graphics/DrawingObject.h"
#include "graphics/PointPath.h"

namespace Brosquin
{

// An open line through its points.
class PolyLine final : public DrawingObject, public PooledObject<PolyLine>
{
public:
    static constexpr int type = 5;

    // points holds count (x, y) pairs, copied.
    PolyLine(const double* points, int count, std::int8_t style, Colour colour, double width,
             double tolerance, std::uint32_t uID);

    int uType() const override { return type; }
    double dLeft() const override { return path.dLeft(); }
    double dTop() const override { return path.dTop(); }
    double dRight() const override { return path.dRight(); }
    double dBottom() const override { return path.dBottom(); }
    void vdScale(double sx, double ox, double sy, double oy) override;
    void vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                      Colour background) const override;
    // Only a point strictly inside the box can hit; then the segments are tried in order.
    DrawingObject* HitTest(double x, double y) override;

private:
    PointPath path;
    Stroke stroke;
    double tolerance;
};

} // namespace Brosquin
