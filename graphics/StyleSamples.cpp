#include "graphics/StyleSamples.h"

#include "graphics/Drawing.h"

namespace Brosquin
{

namespace
{

constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;
constexpr Colour navy = 0x800000;
constexpr Colour yellow = 0x00FFFF;
constexpr const char* notVisible = "Not Visible";

// A sample's click area: a rectangle that draws nothing but carries the sample's tag.
void vdAddSampleArea(Drawing& d, double left, double top, double right, double bottom,
                     std::uint32_t tag)
{
    d.AddRect(left, top, right, bottom, 0, 0, 0, false, 0, tag);
}

void vdAddLine(Drawing& d, double x1, double y1, double x2, double y2)
{
    d.AddLine(x1, y1, x2, y2, 1, black, 0, 0, 0);
}

// The five tics of a vertical axis at x, from y to y + 10: long at the ends and the middle.
void vdAddVerticalTics(Drawing& d, double x, double y)
{
    for (int k = 0; k < 5; ++k)
    {
        const double half = k % 2 == 0 ? 1.0 : 0.5;
        vdAddLine(d, x - half, y + 2.5 * k, x + half, y + 2.5 * k);
    }
}

// The five tics of a horizontal axis at y, from x to x + 10.
void vdAddHorizontalTics(Drawing& d, double x, double y)
{
    for (int k = 0; k < 5; ++k)
    {
        const double half = k % 2 == 0 ? 1.0 : 0.5;
        vdAddLine(d, x + 2.5 * k, y - half, x + 2.5 * k, y + half);
    }
}

// The text of item 0 of both lists.
void vdWriteNotVisible(Canvas& canvas, int x, int y)
{
    canvas.vdTextOut(x, y, notVisible);
}

} // namespace

Drawing* NewAxisStylePreview()
{
    Drawing* preview = new Drawing;
    if (preview == nullptr)
        return nullptr;
    Drawing& d = *preview;
    // Samples 1 to 3: a vertical and a horizontal axis meeting at the bottom left, then closed
    // into a box, then with tics on all four sides.
    for (std::uint32_t sample = 1; sample <= 3; ++sample)
    {
        const double top = 15.0 * (sample - 1);
        vdAddSampleArea(d, -1, top - 1, 11, top + 11, sample);
        vdAddLine(d, 0, top, 0, top + 10);
        vdAddLine(d, 0, top + 10, 10, top + 10);
        vdAddVerticalTics(d, 0, top);
        vdAddHorizontalTics(d, 0, top + 10);
        if (sample == 1)
            continue;
        vdAddLine(d, 10, top, 10, top + 10);
        vdAddLine(d, 0, top, 10, top);
        if (sample == 3)
        {
            vdAddVerticalTics(d, 10, top);
            vdAddHorizontalTics(d, 0, top);
        }
    }
    // Sample 4: axes crossing in the middle.
    vdAddSampleArea(d, -1, 44, 11, 56, 4);
    vdAddLine(d, 5, 45, 5, 55);
    vdAddLine(d, 0, 50, 10, 50);
    vdAddVerticalTics(d, 5, 45);
    vdAddHorizontalTics(d, 0, 50);
    return preview;
}

Drawing* NewTicStylePreview()
{
    Drawing* preview = new Drawing;
    if (preview == nullptr)
        return nullptr;
    Drawing& d = *preview;
    // How far the tics reach left of (below) the axis and right of (above) it, for a long tic;
    // a short one reaches half as far.
    struct Reach
    {
        double outside;
        double inside;
    };
    constexpr Reach reaches[3] = {{4, 4}, {0, 4}, {4, 0}};
    for (std::uint32_t sample = 0; sample < 3; ++sample)
    {
        const double top = 20.0 * sample;
        const Reach reach = reaches[sample];
        vdAddSampleArea(d, -4, top, 10, top + 14, 5 + sample);
        vdAddLine(d, 0, top, 0, top + 10);
        vdAddLine(d, 0, top + 10, 10, top + 10);
        for (int k = 0; k < 3; ++k)
        {
            const double share = k == 1 ? 0.5 : 1.0;
            vdAddLine(d, -reach.outside * share, top + 5 * k, reach.inside * share, top + 5 * k);
        }
        for (int k = 0; k < 3; ++k)
        {
            const double share = k == 1 ? 0.5 : 1.0;
            vdAddLine(d, 5.0 * k, top + 10 - reach.inside * share, 5.0 * k,
                      top + 10 + reach.outside * share);
        }
    }
    return preview;
}

void vdDrawItemBackground(Canvas& canvas, const ItemRect& rect, bool focused)
{
    canvas.vdSetPen({PenStyle::Null, black, 1});
    canvas.vdSetBrush({false, focused ? navy : white});
    canvas.vdRectangle(rect.left, rect.top, rect.right, rect.bottom);
    if (focused)
    {
        canvas.vdSetPen({PenStyle::Dot, yellow, 1});
        canvas.vdMoveTo(rect.left, rect.top);
        canvas.vdLineTo(rect.right - 1, rect.top);
        canvas.vdLineTo(rect.right - 1, rect.bottom - 1);
        canvas.vdLineTo(rect.left, rect.bottom - 1);
        canvas.vdLineTo(rect.left, rect.top);
    }
    canvas.vdSetBrush({false, focused ? navy : white});
    canvas.vdSetPen({PenStyle::Solid, focused ? white : black, 1});
    Font font = canvas.CurrentFont();
    font.colour = canvas.CurrentPen().colour;
    canvas.vdSetFont(font);
}

void vdDrawLineStyleItem(Canvas& canvas, int item, const ItemRect& rect)
{
    if (item == 0)
    {
        vdWriteNotVisible(canvas, rect.left, rect.top);
        return;
    }
    Pen pen = canvas.CurrentPen();
    pen.style = PenStyleOfLineStyle(static_cast<std::int8_t>(item));
    canvas.vdSetPen(pen);
    const int y = (rect.top + rect.bottom) / 2;
    canvas.vdMoveTo(rect.left + 3, y);
    canvas.vdLineTo(rect.right - 3, y);
}

std::array<DevicePoint, 13> PlusSignCorners(int x0, int y0, int x1, int y1)
{
    const int xa = (2 * x0 + x1) / 3;
    const int xb = (x0 + 2 * x1) / 3;
    const int ya = (2 * y0 + y1) / 3;
    const int yb = (y0 + 2 * y1) / 3;
    return {{{xa, y0},
             {xb, y0},
             {xb, ya},
             {x1, ya},
             {x1, yb},
             {xb, yb},
             {xb, y1},
             {xa, y1},
             {xa, yb},
             {x0, yb},
             {x0, ya},
             {xa, ya},
             {xa, y0}}};
}

void vdDrawPointStyleItem(Canvas& canvas, int item, const ItemRect& rect)
{
    const int x0 = rect.left + 5;
    const int y0 = rect.top + 2;
    const int y1 = rect.bottom - 3;
    const int x1 = x0 + (y1 - y0);
    const int cx = (x0 + x1) / 2;
    const int cy = (y0 + y1) / 2;
    if (item == 0)
    {
        vdWriteNotVisible(canvas, x0, rect.top);
        return;
    }
    if (item >= 5)
        canvas.vdSetBrush({false, canvas.CurrentPen().colour});
    const std::array<DevicePoint, 5> diamond = {{{cx, y0}, {x1, cy}, {cx, y1}, {x0, cy}, {cx, y0}}};
    const std::array<DevicePoint, 4> triangle = {{{cx, y0}, {x1, y1}, {x0, y1}, {cx, y0}}};
    switch (item)
    {
    case 1:
    case 5:
        canvas.vdEllipse(x0, y0, x1, y1);
        break;
    case 2:
    case 6:
        canvas.vdRectangle(x0, y0, x1, y1);
        break;
    case 3:
        canvas.vdPolyline(diamond);
        break;
    case 4:
        canvas.vdPolyline(triangle);
        break;
    case 7:
        canvas.vdPolygon(diamond);
        break;
    case 8:
        canvas.vdPolygon(triangle);
        break;
    case 9:
        canvas.vdPolygon(PlusSignCorners(x0, y0, x1, y1));
        break;
    default:
        break;
    }
}

} // namespace Brosquin
