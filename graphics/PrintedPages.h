#pragma once

#include "graphics/Canvas.h"

#include <vector>

namespace Brosquin
{

class Drawing;
class DrawingObject;

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

// A part of a drawing on a printed page (world units) and the mapping device = world * scale +
// offset that puts it there.
struct PagePart
{
    double left;
    double top;
    double right;
    double bottom;
    double sx;
    double ox;
    double sy;
    double oy;
    // Repeated from the table's headings or labels beside a later part of its body: it shows only
    // the texts that lie wholly within it, no piece of one that runs on beyond it.
    bool bRepeated;
};

// One page of a drawing printed over several, or of a table narrowed to fit on one: its own part
// of the table's body, with the titles, the headings above it and the labels to its left where
// the table has them, as on the first page; the parts stand side by side on the page.
struct PrintedPage
{
    std::vector<PagePart> parts;
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
// page as set or else turned. Otherwise its blank margins (objects that put nothing on paper)
// take no room, as a page has margins of its own, and it prints whole on one page as large as fits
// as it stands, or else with its label columns (Drawing::dLabelsRight) narrowed to their texts, or
// else with every column narrowed to its texts; otherwise at that line height over as many pages
// as it needs, on whichever page way needs fewer, cut on a rule between its texts (of those in the
// second half of a page, or else of those on it, the one that reaches furthest into the
// headings), between its texts where the page has no such rule, and through a text longer than a
// page on a rule where the page has one. Cut, its label columns are narrowed where that leaves no
// page with one column of the body alone and the table as drawn does, or where that needs fewer
// pages. Each page shows the table's heading rows and label columns (Drawing::dHeadingsBottom,
// Drawing::dLabelsRight) with its own part of the body; they reach as far as a text of the body
// that starts in them. The texts of the heading rows above every rule are the table's titles: they
// head each page, in the middle over its parts of the table. A part narrower than the page stands
// in the middle across it. A table that would need more than a thousand pages, or whose headings
// or labels leave no line of a page to the body either way, prints whole on one page.
PrintedPages TablePages(const Drawing& drawing, const PageArea& asSet, const PageArea& turned,
                        double linePoints);

// Draws parts of a drawing on printed pages, with where each of its objects lies found once for
// all of them; the drawing stays as it is meanwhile.
class PartPainter
{
public:
    explicit PartPainter(const Drawing& drawing);

    // Draws the objects that reach into the part (a text only where it overlaps it), with the
    // part's mapping; the caller keeps the device to the part's area.
    void vdDraw(Canvas& canvas, const PagePart& part, Colour background) const;

private:
    struct Placed
    {
        const DrawingObject* object;
        double left;
        double top;
        double right;
        double bottom;
        bool bText;
    };
    std::vector<Placed> objects;
};

} // namespace Brosquin
