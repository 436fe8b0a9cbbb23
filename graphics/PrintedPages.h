#pragma once

#include "graphics/Canvas.h"

#include <vector>

namespace Brosquin
{

class Drawing;

// The part of a page that is printed on, in device pixels, with the device's resolution.
struct PageArea
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    double pixelsPerInchX = 0;
    double pixelsPerInchY = 0;
};

// One page of a drawing printed over several: the part of the drawing it shows (world units)
// and the mapping device = world * scale + offset that puts that part on the page.
struct PrintedPage
{
    double left;
    double top;
    double right;
    double bottom;
    double sx;
    double ox;
    double sy;
    double oy;
};

// How a table goes onto paper: whole on one page as large as it fits (no pages listed), or over
// the pages listed, across and then down; on the page as the printer has it or turned a quarter.
struct PrintedPages
{
    bool bTurned = false;
    std::vector<PrintedPage> pages;
};

// A table, whose world unit is one line of its text, is printed with its lines at least
// linePoints high (in points of 1/72 inch). It prints whole on one page when it can, on the
// page as set or else turned; otherwise at that line height over as many pages as it needs, on
// whichever page way needs fewer, cut between its texts (on a rule where one stands in the
// second half of a page). A part narrower than the page stands in the middle across it. A table
// that would need more than a thousand pages prints whole on one page.
PrintedPages TablePages(const Drawing& drawing, const PageArea& asSet, const PageArea& turned,
                        double linePoints);

// Draws the objects of the drawing that reach into the page's part, with the page's mapping;
// the caller keeps the device to the page's area.
void vdDrawPage(const Drawing& drawing, Canvas& canvas, const PrintedPage& page, Colour background);

} // namespace Brosquin
