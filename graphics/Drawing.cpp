#include "graphics/Drawing.h"

#include "graphics/Line.h"
#include "graphics/Poly.h"
#include "graphics/PolyLine.h"
#include "graphics/Rect.h"

#include <cmath>
#include <limits>
#include <new>

namespace Brosquin
{

namespace
{

constexpr double noRepeatedPart = -std::numeric_limits<double>::infinity();

} // namespace

Drawing::Drawing()
    : DrawingObject(0), objects(50), headingsBottom(noRepeatedPart), labelsRight(noRepeatedPart)
{
}

Drawing::~Drawing()
{
    Clear();
}

void Drawing::vdAppend(DrawingObject* object)
{
    if (object == nullptr)
        throw std::bad_alloc();
    try
    {
        objects.vdInsert(objects.Count() + 1, object);
    }
    catch (...)
    {
        delete object;
        throw;
    }
}

void Drawing::AddLine(double x1, double y1, double x2, double y2, std::int8_t style, Colour colour,
                      double width, double tolerance, std::uint32_t uID)
{
    vdAppend(new Line(x1, y1, x2, y2, style, colour, width, tolerance, uID));
}

void Drawing::AddRect(double left, double top, double right, double bottom, std::int8_t style,
                      Colour penColour, double width, bool filled, Colour fillColour,
                      std::uint32_t uID)
{
    vdAppend(new Rect(left, top, right, bottom, style, penColour, width, filled, fillColour, uID));
}

void Drawing::AddEllip(double left, double top, double right, double bottom, std::int8_t style,
                       Colour penColour, double width, bool filled, Colour fillColour,
                       std::uint32_t uID)
{
    vdAppend(new Ellip(left, top, right, bottom, style, penColour, width, filled, fillColour, uID));
}

void Drawing::AddPoly(const double* points, int count, std::int8_t style, Colour penColour,
                      double width, bool filled, Colour fillColour, std::uint32_t uID)
{
    vdAppend(new Poly(points, count, style, penColour, width, filled, fillColour, uID));
}

void Drawing::AddPolyLine(const double* points, int count, std::int8_t style, Colour colour,
                          double width, double tolerance, std::uint32_t uID)
{
    vdAppend(new PolyLine(points, count, style, colour, width, tolerance, uID));
}

void Drawing::AddText(const char* text, double x, double y, double size, TextAlignment alignment,
                      Colour colour, bool bold, bool italic, std::uint32_t uID)
{
    vdAppend(new Text(text, x, y, size, alignment, colour, bold, italic, uID));
}

void Drawing::AddVerticalText(const char* text, double x, double y, double size,
                              TextAlignment alignment, Colour colour, bool bold, bool italic,
                              std::uint32_t uID)
{
    vdAppend(new VerticalText(text, x, y, size, alignment, colour, bold, italic, uID));
}

void Drawing::Clear()
{
    while (objects.Count() > 0)
        delete static_cast<DrawingObject*>(objects.Remove(objects.Count()));
    vdSetRepeatedParts(noRepeatedPart, noRepeatedPart);
}

void Drawing::vdSetRepeatedParts(double bottom, double right)
{
    headingsBottom = bottom;
    labelsRight = right;
}

DrawingObject* Drawing::Object(std::uint32_t position) const
{
    return static_cast<DrawingObject*>(objects.Item(position));
}

Drawing::Box Drawing::Bounds() const
{
    const DrawingObject* first = Object(1);
    if (first == nullptr)
        return {0, 0, 0, 0};
    Box box{first->dLeft(), first->dTop(), first->dRight(), first->dBottom()};
    for (std::uint32_t i = 2; const DrawingObject* object = Object(i); ++i)
    {
        if (object->dLeft() < box.left)
            box.left = object->dLeft();
        if (object->dTop() < box.top)
            box.top = object->dTop();
        if (object->dRight() > box.right)
            box.right = object->dRight();
        if (object->dBottom() > box.bottom)
            box.bottom = object->dBottom();
    }
    return box;
}

double Drawing::dLeft() const
{
    return Bounds().left;
}
double Drawing::dTop() const
{
    return Bounds().top;
}
double Drawing::dRight() const
{
    return Bounds().right;
}
double Drawing::dBottom() const
{
    return Bounds().bottom;
}

void Drawing::vdScale(double sx, double ox, double sy, double oy)
{
    for (std::uint32_t i = 1; DrawingObject* object = Object(i); ++i)
        object->vdScale(sx, ox, sy, oy);
}

void Drawing::vdDrawScaled(Canvas& canvas, double sx, double ox, double sy, double oy,
                           Colour background) const
{
    const std::uint32_t count = objects.Count();
    for (std::uint32_t i = 1; i <= count; ++i)
        Object(i)->vdDrawScaled(canvas, sx, ox, sy, oy, background);
}

DrawingObject* Drawing::HitTest(double x, double y)
{
    for (std::uint32_t i = objects.Count(); i >= 1; --i)
        if (DrawingObject* hit = Object(i)->HitTest(x, y))
            return hit;
    return nullptr;
}

std::optional<Drawing::Mapping> Drawing::MappingOnto(const Box& box, double left, double top,
                                                     double right, double bottom, double yPerX)
{
    if (!(left < right && top < bottom))
        return std::nullopt;
    const double width = box.right - box.left;
    const double height = box.bottom - box.top;
    Mapping mapping{};
    if (width > 0)
    {
        mapping.sx = (right - left) / width;
        mapping.ox = right - box.right * mapping.sx;
    }
    if (height > 0)
    {
        mapping.sy = (bottom - top) / height;
        mapping.oy = bottom - box.bottom * mapping.sy;
    }
    if (width > 0 && height == 0)
    {
        mapping.sy = mapping.sx * yPerX;
        mapping.oy = (top + bottom) * 0.5 - box.top * mapping.sy;
    }
    else if (height > 0 && width == 0)
    {
        mapping.sx = mapping.sy / yPerX;
        mapping.ox = (left + right) * 0.5 - box.left * mapping.sx;
    }
    const bool usable = mapping.sx > 0 && mapping.sy > 0 && std::isfinite(mapping.sx) &&
                        std::isfinite(mapping.sy) && std::isfinite(mapping.ox) &&
                        std::isfinite(mapping.oy);
    if (!usable)
        return std::nullopt;
    return mapping;
}

std::optional<Drawing::Mapping> Drawing::FittedMapping(const Canvas& canvas, double left,
                                                       double top, double right,
                                                       double bottom) const
{
    if (!(left < right && top < bottom))
        return std::nullopt;
    double pixelsPerInchX = canvas.dPixelsPerInchX();
    double pixelsPerInchY = canvas.dPixelsPerInchY();
    if (!(pixelsPerInchX > 0 && pixelsPerInchY > 0))
        pixelsPerInchX = pixelsPerInchY = 1;
    const Box box = Bounds();
    const double width = box.right - box.left;
    const double height = box.bottom - box.top;
    if (width > 0 && height > 0)
    {
        const double aspect = width / height;
        const double target = ((right - left) / pixelsPerInchX) / ((bottom - top) / pixelsPerInchY);
        if (target >= aspect)
        {
            const double used = ((bottom - top) / pixelsPerInchY) * aspect * pixelsPerInchX;
            const double spare = ((right - left) - used) * 0.5;
            left += spare;
            right -= spare;
        }
        else
        {
            const double used = ((right - left) / pixelsPerInchX) / aspect * pixelsPerInchY;
            const double spare = ((bottom - top) - used) * 0.5;
            top += spare;
            bottom -= spare;
        }
    }
    return MappingOnto(box, left, top, right, bottom, pixelsPerInchY / pixelsPerInchX);
}

void Drawing::vdDraw(Canvas& canvas, double left, double top, double right, double bottom,
                     Colour background) const
{
    if (const auto mapping = FittedMapping(canvas, left, top, right, bottom))
        vdDrawScaled(canvas, mapping->sx, mapping->ox, mapping->sy, mapping->oy, background);
}

void Drawing::vdDrawStretched(Canvas& canvas, double left, double top, double right, double bottom,
                              Colour background) const
{
    if (const auto mapping = MappingOnto(Bounds(), left, top, right, bottom, 1))
        vdDrawScaled(canvas, mapping->sx, mapping->ox, mapping->sy, mapping->oy, background);
}

DrawingObject* Drawing::ObjectAtMapped(const std::optional<Mapping>& mapping, int px, int py,
                                       double* x, double* y)
{
    if (!mapping)
        return nullptr;
    *x = (px - mapping->ox) / mapping->sx;
    *y = (py - mapping->oy) / mapping->sy;
    return HitTest(*x, *y);
}

DrawingObject* Drawing::ObjectAt(const Canvas& canvas, double left, double top, double right,
                                 double bottom, int px, int py, double* x, double* y)
{
    return ObjectAtMapped(FittedMapping(canvas, left, top, right, bottom), px, py, x, y);
}

DrawingObject* Drawing::ObjectAtStretched(double left, double top, double right, double bottom,
                                          int px, int py, double* x, double* y)
{
    return ObjectAtMapped(MappingOnto(Bounds(), left, top, right, bottom, 1), px, py, x, y);
}

} // namespace Brosquin
