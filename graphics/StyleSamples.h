#pragma once

#include "graphics/Canvas.h"

#include <array>

namespace Brosquin
{

class Drawing;

// What the plot options show of the styles a Plot offers: two previews to click on, whose samples
// carry the tags 1 to 4 (the axis styles) and 5 to 7 (the tic styles: both sides, inside,
// outside), and the items of the lists of line styles and point styles, which draw themselves.

// New Drawings, owned by the caller; null when memory is exhausted.
Drawing* NewAxisStylePreview();
Drawing* NewTicStylePreview();

// The rectangle of a list item in pixels.
struct ItemRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The background of an item: navy inside a yellow dotted frame for the item with the focus, white
// for the others. It leaves the pen and the brush for the item's picture: white on navy, black on
// white.
void vdDrawItemBackground(Canvas& canvas, const ItemRect& rect, bool focused);
// Line style 0 is the text "Not Visible"; styles 1 to 5 are a line across the item in that style.
void vdDrawLineStyleItem(Canvas& canvas, int item, const ItemRect& rect);
// Point style 0 is the text "Not Visible"; styles 1 to 9 are the point's shape in a square box at
// the left of the item, hollow ones filled with the background, solid ones with the pen's colour.
void vdDrawPointStyleItem(Canvas& canvas, int item, const ItemRect& rect);

// The plus sign filling the box (x0, y0)-(x1, y1) with arms a third of its side wide: its 12
// corners clockwise from the top left of the upper arm, and that corner again to close it.
std::array<DevicePoint, 13> PlusSignCorners(int x0, int y0, int x1, int y1);

} // namespace Brosquin
