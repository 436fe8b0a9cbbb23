#pragma once

#include "core/PooledObject.h"
#include "graphics/DrawingObject.h"
#include "graphics/PointPath.h"

namespace Brosquin
{

// A closed polygon through its points, outlined and filled or hollow.
class Poly final : public DrawingObject, public PooledObject<Poly>
{
public:
    static constexpr int type = 4;

    // points holds count (x, y) pairs, copied.
    Poly(const double* points, int count, std::int8_t style, Colour penColour, double width,
         bool filled, Colour fillColour, std::uint32_t uID);

    int uType() const override { return type; }
    double dLeft() const override { return path.dLeft(); }
    double dTop() const override { return path.dTop(); }
    double dRight() const override { return path.dRight(); }
    double dBottom() const override { return path.dBottom(); }
    void vdScale(double sx, double ox, double sy, double oy) override;
    void vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                      Colour background) const override;
    // A polygon without points is never hit.
    DrawingObject* HitTest(double x, double y) override;

private:
    PointPath path;
    Stroke stroke;
    bool filled;
    Colour fillColour;
};

} // namespace Brosquin
