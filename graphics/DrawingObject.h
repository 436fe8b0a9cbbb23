#pragma once

#include "graphics/Canvas.h"

#include <cstdint>

namespace Brosquin
{

// One element of a resolution-independent picture, placed in world coordinates (x to the right,
// y downward) and mapped onto a device by a scale and an offset per axis: device x = x * sx + ox,
// device y = y * sy + oy.
class DrawingObject
{
public:
    // Reported when the object is clicked; 0 means the object does not react to the mouse. For a
    // Drawing it is the graphic ID.
    std::uint32_t uID;

    explicit DrawingObject(std::uint32_t uID) : uID(uID) {}
    DrawingObject(const DrawingObject&) = delete;
    DrawingObject& operator=(const DrawingObject&) = delete;
    virtual ~DrawingObject() = default;

    virtual int uType() const = 0;
    // The bounding box: dTop is the smallest y, dBottom the largest.
    virtual double dLeft() const = 0;
    virtual double dTop() const = 0;
    virtual double dRight() const = 0;
    virtual double dBottom() const = 0;
    // Transforms the object's own coordinates in place; lengths take the factor of their axis.
    virtual void vdScale(double sx, double ox, double sy, double oy) = 0;
    virtual void vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                              Colour background) const = 0;
    // The object hit at the world point, or null: by default the object itself when the point
    // lies in its bounding box, edges included.
    virtual DrawingObject* HitTest(double x, double y);
    // Whether the object puts anything on a device; one that does not only widens its drawing's
    // extent, as a table's margins.
    virtual bool bInked() const { return true; }
};

// The device pixel of a world point.
DevicePoint DevicePointOf(double x, double y, double sx, double ox, double sy, double oy);

// The two points that place a line or a box figure; the box is spanned by them whichever way
// round they were given.
struct PointPair
{
    double x1;
    double y1;
    double x2;
    double y2;

    double dLeft() const { return x1 < x2 ? x1 : x2; }
    double dTop() const { return y1 < y2 ? y1 : y2; }
    double dRight() const { return x1 < x2 ? x2 : x1; }
    double dBottom() const { return y1 < y2 ? y2 : y1; }
    void vdScale(double sx, double ox, double sy, double oy)
    {
        x1 = x1 * sx + ox;
        y1 = y1 * sy + oy;
        x2 = x2 * sx + ox;
        y2 = y2 * sy + oy;
    }
};

// The outline of the pen-drawn objects: a line style code, a colour and a pen width kept once in
// x units and once in y units, so that a scale that differs between the axes keeps both.
struct Stroke
{
    std::int8_t style;
    Colour colour;
    double widthX;
    double widthY;

    Stroke(std::int8_t style, Colour colour, double width)
        : style(style), colour(colour), widthX(width), widthY(width)
    {
    }
    void vdScale(double sx, double sy)
    {
        widthX *= sx;
        widthY *= sy;
    }
    // The pen at this scale, its width measured in horizontal pixels of the canvas.
    Pen PenOf(const Canvas& canvas, double sx, double sy) const;
    // Selects the pen of a line; the brush takes the background colour and keeps its style.
    void vdSelectForLine(Canvas& canvas, double sx, double sy, Colour background) const;
    // Selects the pen of a figure and a brush that fills it, or a hollow one.
    void vdSelectForFigure(Canvas& canvas, double sx, double sy, bool filled,
                           Colour fillColour) const;
};

} // namespace Brosquin
