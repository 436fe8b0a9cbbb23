#pragma once

#include "graphics/Drawing.h"

namespace Brosquin
{

// A drawing 30 units wide and 20 high with every kind of object, laid out like a small plot.
inline void vdFillSampleDrawing(Drawing& drawing)
{
    constexpr Colour black = 0x000000;
    constexpr Colour red = 0x0000FF;
    constexpr Colour blue = 0xFF0000;
    constexpr Colour green = 0x008000;
    // An invisible frame fixes the margins.
    drawing.AddRect(0, 0, 30, 20, 0, black, 0, false, 0, 0);
    drawing.AddRect(6, 3, 12, 15, 1, 0xE0E0E0, 0, true, 0xE0E0E0, 0);
    drawing.AddText("Operating Characteristic & <Curves>", 15, 0.5, 1.5, TextAlignment::Middle,
                    blue, true, false, 1);
    drawing.AddLine(4, 3, 4, 15, 1, black, 0, 0.5, 2);
    drawing.AddLine(4, 15, 26, 15, 1, black, 0, 0.5, 3);
    drawing.AddLine(4, 3, 26, 3, 2, black, 0, 0, 0);
    drawing.AddLine(26, 3, 26, 15, 3, black, 0.1, 0, 0);
    for (int i = 0; i <= 4; ++i)
    {
        const double y = 3 + i * 3.0;
        drawing.AddLine(3.6, y, 4, y, 1, black, 0, 0, 0);
        const char* labels[] = {"1", "0.75", "0.5", "0.25", "0"};
        drawing.AddText(labels[i], 3.4, y - 0.4, 0.8, TextAlignment::End, black, false, false, 2);
    }
    drawing.AddVerticalText("Probability of Acceptance", 1, 9, 1, TextAlignment::Middle, black,
                            true, false, 2);
    drawing.AddText("Fraction Defective", 15, 16, 1, TextAlignment::Middle, black, true, true, 3);
    const double curve[] = {4, 3, 8, 3.5, 12, 6, 16, 10, 20, 13.5, 26, 14.8};
    drawing.AddPolyLine(curve, 6, 1, red, 0.15, 0.2, 1001);
    const double falling[] = {4, 3, 10, 8, 16, 13, 26, 14.9};
    drawing.AddPolyLine(falling, 4, 4, green, 0.1, 0.2, 1002);
    drawing.AddEllip(11.5, 5.5, 12.5, 6.5, 1, red, 0, true, red, 1001);
    drawing.AddRect(15.5, 9.5, 16.5, 10.5, 1, red, 0.05, false, red, 1001);
    const double diamond[] = {20, 13, 20.5, 13.5, 20, 14, 19.5, 13.5, 20, 13};
    drawing.AddPoly(diamond, 5, 1, green, 0, true, green, 1002);
    drawing.AddText("Single: n=50, a=2", 17, 4, 0.8, TextAlignment::Start, black, false, false,
                    1001);
}

} // namespace Brosquin
