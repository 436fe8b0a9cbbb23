#include "graphics/Canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Brosquin
{

PenStyle PenStyleOfLineStyle(std::int8_t lineStyle)
{
    static constexpr std::array<PenStyle, 7> table = {
        PenStyle::Null,    PenStyle::InsideFrame, PenStyle::Dash,  PenStyle::Dot,
        PenStyle::DashDot, PenStyle::DashDotDot,  PenStyle::Solid,
    };
    if (lineStyle < 0 || static_cast<std::size_t>(lineStyle) >= table.size())
        return PenStyle::Solid;
    return table[static_cast<std::size_t>(lineStyle)];
}

std::span<const double> DashPattern(PenStyle style)
{
    static constexpr std::array<double, 2> dash = {18, 6};
    static constexpr std::array<double, 2> dot = {3, 3};
    static constexpr std::array<double, 4> dashDot = {9, 6, 3, 6};
    static constexpr std::array<double, 6> dashDotDot = {9, 3, 3, 3, 3, 3};
    switch (style)
    {
    case PenStyle::Dash:
        return dash;
    case PenStyle::Dot:
        return dot;
    case PenStyle::DashDot:
        return dashDot;
    case PenStyle::DashDotDot:
        return dashDotDot;
    case PenStyle::Null:
    case PenStyle::InsideFrame:
    case PenStyle::Solid:
        break;
    }
    return {};
}

OutlineBox OutlineBoxOf(int left, int top, int right, int bottom, const Pen& pen)
{
    OutlineBox box{
        static_cast<double>(std::min(left, right)), static_cast<double>(std::min(top, bottom)),
        static_cast<double>(std::max(left, right)), static_cast<double>(std::max(top, bottom))};
    if (pen.style != PenStyle::InsideFrame || pen.StrokeWidth() <= 1)
        return box;
    // A pen wider than the figure shrinks it to its centre line.
    const double inset = std::min(
        {pen.StrokeWidth() * 0.5, (box.right - box.left) * 0.5, (box.bottom - box.top) * 0.5});
    return {box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
}

int TruncatedPixel(double value)
{
    constexpr double limit = 1e9;
    if (std::isnan(value))
        return 0;
    if (value > limit)
        return static_cast<int>(limit);
    if (value < -limit)
        return -static_cast<int>(limit);
    return static_cast<int>(value);
}

void Canvas::vdLineTo(int x, int y)
{
    const DevicePoint to{x, y};
    vdDrawLine(penPosition, to);
    penPosition = to;
}

void Canvas::vdTextOutWithin(int x, int y, std::string_view text, int)
{
    vdTextOut(x, y, text);
}

} // namespace Brosquin
