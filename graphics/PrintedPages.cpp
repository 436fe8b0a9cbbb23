#include "graphics/PrintedPages.h"

#include "graphics/Drawing.h"
#include "graphics/Line.h"
#include "graphics/Text.h"

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

constexpr double pointsPerInch = 72;
// Beyond this many pages a table is printed whole on one page instead: a print of thousands of
// pages would keep the program busy for minutes and is no one's wish.
constexpr std::size_t mostPages = 1000;
// Places closer than this, in world units, are one place: rows of a table touch.
constexpr double touching = 1e-9;

struct Extent
{
    double from;
    double to;
};

// Where the texts of a drawing stand along one axis, and the rules that cross it.
class Axis
{
public:
    void vdAddText(double from, double to) { texts.push_back({from, to}); }
    void vdAddRule(double at) { rules.push_back(at); }

    // Texts that overlap become one run, which no cut may split.
    void vdMerge()
    {
        std::sort(texts.begin(), texts.end(),
                  [](const Extent& a, const Extent& b) { return a.from < b.from; });
        std::vector<Extent> runs;
        for (const Extent& text : texts)
            if (!runs.empty() && text.from < runs.back().to - touching)
                runs.back().to = std::max(runs.back().to, text.to);
            else
                runs.push_back(text);
        texts = std::move(runs);
        std::sort(rules.begin(), rules.end());
    }

    // The places from `from` to `to` where the drawing is cut, no two more than length apart,
    // the ends included.
    std::vector<double> Cuts(double from, double to, double length) const
    {
        std::vector<double> cuts{from};
        double start = from;
        while (to - start > length + touching)
        {
            const double furthest = start + length;
            double cut = Unsplit(furthest);
            // A text longer than a page is cut where the page ends.
            if (cut <= start + touching)
                cut = furthest;
            cut = RuleBefore(cut, start + 0.5 * length);
            cuts.push_back(cut);
            start = cut;
        }
        cuts.push_back(to);
        return cuts;
    }

private:
    // The start of the run a place lies inside, or the place itself.
    double Unsplit(double place) const
    {
        auto after = std::upper_bound(texts.begin(), texts.end(), place,
                                      [](double at, const Extent& run) { return at < run.from; });
        if (after == texts.begin())
            return place;
        const Extent& run = *(after - 1);
        return run.from < place - touching && place + touching < run.to ? run.from : place;
    }

    // The last rule from earliest to the cut that splits no text, or the cut.
    double RuleBefore(double cut, double earliest) const
    {
        for (auto rule = std::upper_bound(rules.begin(), rules.end(), cut + touching);
             rule != rules.begin() && *(rule - 1) >= earliest; --rule)
            if (Unsplit(*(rule - 1)) == *(rule - 1))
                return *(rule - 1);
        return cut;
    }

    std::vector<Extent> texts;
    std::vector<double> rules;
};

bool bHolds(const PageArea& area)
{
    return area.right > area.left && area.bottom > area.top && area.pixelsPerInchX > 0 &&
           area.pixelsPerInchY > 0;
}

// The points of one world unit when the drawing is fitted whole into the area.
double FittedPoints(const PageArea& area, double width, double height)
{
    return pointsPerInch * std::min((area.right - area.left) / area.pixelsPerInchX / width,
                                    (area.bottom - area.top) / area.pixelsPerInchY / height);
}

std::vector<PrintedPage> PagesOn(const PageArea& area, const Axis& across, const Axis& down,
                                 const Extent& x, const Extent& y, double linePoints)
{
    const double sx = linePoints / pointsPerInch * area.pixelsPerInchX;
    const double sy = linePoints / pointsPerInch * area.pixelsPerInchY;
    const double pageWidth = (area.right - area.left) / sx;
    const double pageHeight = (area.bottom - area.top) / sy;
    // A page that does not hold a line of text cannot be cut into.
    if (pageWidth < 1 || pageHeight < 1)
        return {};
    const std::vector<double> columns = across.Cuts(x.from, x.to, pageWidth);
    const std::vector<double> rows = down.Cuts(y.from, y.to, pageHeight);
    if ((columns.size() - 1) * (rows.size() - 1) > mostPages)
        return {};
    std::vector<PrintedPage> pages;
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (std::size_t c = 1; c < columns.size(); ++c)
        {
            const double left = columns[c - 1];
            const double right = columns[c];
            const double centring =
                columns.size() == 2 ? 0.5 * (area.right - area.left - (right - left) * sx) : 0;
            pages.push_back({left, rows[r - 1], right, rows[r], sx,
                             area.left + centring - left * sx, sy, area.top - rows[r - 1] * sy});
        }
    return pages;
}

} // namespace

PrintedPages TablePages(const Drawing& drawing, const PageArea& asSet, const PageArea& turned,
                        double linePoints)
{
    const Extent x{drawing.dLeft(), drawing.dRight()};
    const Extent y{drawing.dTop(), drawing.dBottom()};
    const double width = x.to - x.from;
    const double height = y.to - y.from;
    if (!(width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height) &&
          linePoints > 0 && bHolds(asSet) && bHolds(turned)))
        return {};
    if (FittedPoints(asSet, width, height) >= linePoints)
        return {};
    if (FittedPoints(turned, width, height) >= linePoints)
        return {true, {}};

    Axis across;
    Axis down;
    for (std::uint32_t i = 1; const DrawingObject* object = drawing.Object(i); ++i)
    {
        const int type = object->uType();
        if (type == Text::type || type == VerticalText::type)
        {
            across.vdAddText(object->dLeft(), object->dRight());
            down.vdAddText(object->dTop(), object->dBottom());
        }
        else if (type == Line::type && object->dLeft() == object->dRight())
            across.vdAddRule(object->dLeft());
        else if (type == Line::type && object->dTop() == object->dBottom())
            down.vdAddRule(object->dTop());
    }
    across.vdMerge();
    down.vdMerge();
    std::vector<PrintedPage> upright = PagesOn(asSet, across, down, x, y, linePoints);
    std::vector<PrintedPage> sideways = PagesOn(turned, across, down, x, y, linePoints);
    if (!sideways.empty() && (upright.empty() || sideways.size() < upright.size()))
        return {true, std::move(sideways)};
    return {false, std::move(upright)};
}

void vdDrawPage(const Drawing& drawing, Canvas& canvas, const PrintedPage& page, Colour background)
{
    for (std::uint32_t i = 1; const DrawingObject* object = drawing.Object(i); ++i)
        if (object->dRight() >= page.left && object->dLeft() <= page.right &&
            object->dBottom() >= page.top && object->dTop() <= page.bottom)
            object->vdDrawScaled(canvas, page.sx, page.ox, page.sy, page.oy, background);
}

} // namespace Brosquin
