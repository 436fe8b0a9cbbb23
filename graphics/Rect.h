#pragma once

#include "core/PooledObject.h"
#include "graphics/DrawingObject.h"

namespace Brosquin
{

// A figure given by the corners of its box, outlined with a pen and filled or hollow.
class BoxFigure : public DrawingObject
{
public:
    BoxFigure(double left, double top, double right, double bottom, std::int8_t style,
              Colour penColour, double width, bool filled, Colour fillColour, std::uint32_t uID);

    // The box whichever way round its corners were given.
    double dLeft() const override { return corners.dLeft(); }
    double dTop() const override { return corners.dTop(); }
    double dRight() const override { return corners.dRight(); }
    double dBottom() const override { return corners.dBottom(); }
    void vdScale(double sx, double ox, double sy, double oy) override;
    void vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                      Colour background) const override;
    // Outlined or filled; without either it draws nothing.
    bool bInked() const override { return stroke.style != 0 || filled; }

protected:
    virtual void vdDrawFigure(Canvas& canvas, DevicePoint topLeft,
                              DevicePoint bottomRight) const = 0;

private:
    PointPair corners;
    Stroke stroke;
    bool filled;
    Colour fillColour;
};

class Rect final : public BoxFigure, public PooledObject<Rect>
{
public:
    static constexpr int type = 2;
    using BoxFigure::BoxFigure;
    int uType() const override { return type; }

protected:
    void vdDrawFigure(Canvas& canvas, DevicePoint topLeft, DevicePoint bottomRight) const override;
};

// The ellipse inscribed in its box.
class Ellip final : public BoxFigure, public PooledObject<Ellip>
{
public:
    static constexpr int type = 3;
    using BoxFigure::BoxFigure;
    int uType() const override { return type; }

protected:
    void vdDrawFigure(Canvas& canvas, DevicePoint topLeft, DevicePoint bottomRight) const override;
};

} // namespace Brosquin
