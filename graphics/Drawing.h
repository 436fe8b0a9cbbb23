#pragma once

#include "core/ListPointers.h"
#include "core/PooledObject.h"
#include "graphics/DrawingObject.h"
#include "graphics/Text.h"

#include <optional>

namespace Brosquin
{

// A resolution-independent picture: an ordered list of drawing objects that it owns, painted
// first to last. Tables, reports and plots are built as Drawings and then mapped onto a window,
// a printer page or a picture.
class Drawing final : public DrawingObject, public PooledObject<Drawing>
{
public:
    static constexpr int type = 13;

    Drawing();
    ~Drawing() override;

    // Each appends a new object made from the arguments (point arrays and texts are copied).
    void AddLine(double x1, double y1, double x2, double y2, std::int8_t style, Colour colour,
                 double width, double tolerance, std::uint32_t uID);
    void AddRect(double left, double top, double right, double bottom, std::int8_t style,
                 Colour penColour, double width, bool filled, Colour fillColour, std::uint32_t uID);
    // The ellipse inscribed in the rectangle.
    void AddEllip(double left, double top, double right, double bottom, std::int8_t style,
                  Colour penColour, double width, bool filled, Colour fillColour,
                  std::uint32_t uID);
    // points holds count (x, y) pairs.
    void AddPoly(const double* points, int count, std::int8_t style, Colour penColour, double width,
                 bool filled, Colour fillColour, std::uint32_t uID);
    void AddPolyLine(const double* points, int count, std::int8_t style, Colour colour,
                     double width, double tolerance, std::uint32_t uID);
    // (x, y) is the anchor on the top edge; size is the height of the line.
    void AddText(const char* text, double x, double y, double size, TextAlignment alignment,
                 Colour colour, bool bold, bool italic, std::uint32_t uID);
    // x is the left edge, y the anchor along the vertical; the text runs upward.
    void AddVerticalText(const char* text, double x, double y, double size, TextAlignment alignment,
                         Colour colour, bool bold, bool italic, std::uint32_t uID);

    // Deletes every object, the last first, and forgets the repeated parts; the Drawing can be
    // filled again.
    void Clear();
    std::uint32_t Count() const { return objects.Count(); }
    // The object at a 1-based position, null beyond the count.
    DrawingObject* Object(std::uint32_t position) const;

    // A table printed over several pages shows on each its heading rows, from its top down to
    // y = headingsBottom, and its label columns, from its left across to x = labelsRight, in
    // world units. A drawing without them (a plot, a report) leaves both at minus infinity.
    void vdSetRepeatedParts(double headingsBottom, double labelsRight);
    double dHeadingsBottom() const { return headingsBottom; }
    double dLabelsRight() const { return labelsRight; }

    int uType() const override { return type; }
    // The box of all objects; 0 on every side for an empty Drawing.
    double dLeft() const override;
    double dTop() const override;
    double dRight() const override;
    double dBottom() const override;
    void vdScale(double sx, double ox, double sy, double oy) override;
    void vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                      Colour background) const override;
    // The innermost object hit, asking the last-drawn first.
    DrawingObject* HitTest(double x, double y) override;

    // Draws the Drawing as large as fits into the device rectangle with its physical
    // proportions kept, centred along the axis with room to spare.
    void vdDraw(Canvas& canvas, double left, double top, double right, double bottom,
                Colour background) const;
    // Draws the Drawing with its box mapped exactly onto the device rectangle.
    void vdDrawStretched(Canvas& canvas, double left, double top, double right, double bottom,
                         Colour background) const;
    // For a device pixel of a rectangle the Drawing was drawn into with vdDraw: stores the
    // world point in *x and *y and returns the object hit there. Stores nothing and returns
    // null when the Drawing was not drawn there (an empty rectangle, a Drawing without extent).
    DrawingObject* ObjectAt(const Canvas& canvas, double left, double top, double right,
                            double bottom, int px, int py, double* x, double* y);
    // The same for vdDrawStretched.
    DrawingObject* ObjectAtStretched(double left, double top, double right, double bottom, int px,
                                     int py, double* x, double* y);

private:
    // device = world * scale + offset on each axis.
    struct Mapping
    {
        double sx;
        double ox;
        double sy;
        double oy;
    };
    struct Box
    {
        double left;
        double top;
        double right;
        double bottom;
    };

    Box Bounds() const;
    std::optional<Mapping> FittedMapping(const Canvas& canvas, double left, double top,
                                         double right, double bottom) const;
    // The box mapped exactly onto the device rectangle. An axis along which the Drawing has no
    // extent takes the scale of the other one, times yPerX for y, and is centred.
    static std::optional<Mapping> MappingOnto(const Box& box, double left, double top, double right,
                                              double bottom, double yPerX);
    DrawingObject* ObjectAtMapped(const std::optional<Mapping>& mapping, int px, int py, double* x,
                                  double* y);
    // Appends an object just made; a failed allocation is reported as std::bad_alloc.
    void vdAppend(DrawingObject* object);

    ListPointers objects;
    double headingsBottom;
    double labelsRight;
};

} // namespace Brosquin
