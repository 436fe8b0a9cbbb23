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

// Where the texts of a drawing stand along one axis, and the rules that cross it, each with where
// it starts across the axis: a rule that reaches further into the headings ends a group of
// columns (or rows) under one heading.
class Axis
{
public:
    void vdAddText(double from, double to) { texts.push_back({from, to}); }
    void vdAddRule(double at, double start) { rules.push_back({at, start}); }

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
        std::sort(rules.begin(), rules.end(),
                  [](const Rule& a, const Rule& b) { return a.at < b.at; });
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

    // Of the rules from earliest to the cut that split no text, the last of those that reach
    // furthest into the headings, so that a heading stands over all its columns; or the cut.
    double RuleBefore(double cut, double earliest) const
    {
        const Rule* best = nullptr;
        for (auto rule = std::upper_bound(rules.begin(), rules.end(), cut + touching,
                                          [](double at, const Rule&r) { return at < r.at; });
             rule != rules.begin() && (rule - 1)->at >= earliest; --rule)
            if (Unsplit((rule - 1)->at) == (rule - 1)->at &&
                (best == nullptr || (rule - 1)->start < best->start - touching))
                best = &*(rule - 1);
        return best ? best->at : cut;
    }

    struct Rule
    {
        double at;
        double start;
    };
    std::vector<Extent> texts;
    std::vector<Rule> rules;
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

// Where a page's parts stand along one axis: the part of the drawing and the offset that maps it.
struct Span
{
    double from;
    double to;
    double offset;
    bool bRepeated;
};

// The spans of a page along one axis, laid from `start` on the device at `scale`: on the first
// page along it the repeated part and its piece of the body, side by side as in the table, as
// one span; on later pages the repeated part, when there is one, then the piece.
std::vector<Span> Spans(const Extent& repeated, const Extent& piece, bool bFirst, double start,
                        double scale)
{
    if (bFirst)
        return {{repeated.from, piece.to, start - repeated.from * scale, false}};
    std::vector<Span> spans;
    if (repeated.to > repeated.from)
        spans.push_back({repeated.from, repeated.to, start - repeated.from * scale, true});
    spans.push_back(
        {piece.from, piece.to, start + (repeated.to - repeated.from - piece.from) * scale, false});
    return spans;
}

// The table's repeated parts along the two axes: its labels across and its headings down.
struct Repeated
{
    Extent labels;
    Extent headings;
};

std::vector<PrintedPage> PagesOn(const PageArea& area, const Axis& across, const Axis& down,
                                 const Extent& x, const Extent& y, const Repeated& repeated,
                                 double linePoints)
{
    const double sx = linePoints / pointsPerInch * area.pixelsPerInchX;
    const double sy = linePoints / pointsPerInch * area.pixelsPerInchY;
    // The room a page leaves to the body beside the labels and below the headings; a page that
    // does not hold a line of it cannot be cut into.
    const double bodyWidth =
        (area.right - area.left) / sx - (repeated.labels.to - repeated.labels.from);
    const double bodyHeight =
        (area.bottom - area.top) / sy - (repeated.headings.to - repeated.headings.from);
    if (bodyWidth < 1 || bodyHeight < 1)
        return {};
    const std::vector<double> columns = across.Cuts(repeated.labels.to, x.to, bodyWidth);
    const std::vector<double> rows = down.Cuts(repeated.headings.to, y.to, bodyHeight);
    if ((columns.size() - 1) * (rows.size() - 1) > mostPages)
        return {};
    const double centring =
        columns.size() == 2 ? 0.5 * (area.right - area.left - (x.to - x.from) * sx) : 0;
    std::vector<PrintedPage> pages;
    for (std::size_t r = 1; r < rows.size(); ++r)
    {
        const std::vector<Span> downSpans =
            Spans(repeated.headings, {rows[r - 1], rows[r]}, r == 1, area.top, sy);
        for (std::size_t c = 1; c < columns.size(); ++c)
        {
            const std::vector<Span> acrossSpans = Spans(
                repeated.labels, {columns[c - 1], columns[c]}, c == 1, area.left + centring, sx);
            PrintedPage& page = pages.emplace_back();
            for (const Span& d : downSpans)
                for (const Span& a : acrossSpans)
                    page.parts.push_back({a.from, d.from, a.to, d.to, sx, a.offset, sy, d.offset,
                                          a.bRepeated || d.bRepeated});
        }
    }
    return pages;
}

// Where the text reaches along the axis past the end of the repeated part when it starts in it.
double ReachPast(double end, double from, double to)
{
    return from < end - touching && to > end + touching ? to : end;
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

    // Headings and labels the drawing does not have, or that lie beyond it, take none of it.
    const auto reach = [](double end, const Extent& extent)
    { return end > extent.from ? std::min(end, extent.to) : extent.from; };
    const double labelsRight = reach(drawing.dLabelsRight(), x);
    const double headingsBottom = reach(drawing.dHeadingsBottom(), y);
    Repeated repeated{{x.from, labelsRight}, {y.from, headingsBottom}};
    Axis across;
    Axis down;
    for (std::uint32_t i = 1; const DrawingObject* object = drawing.Object(i); ++i)
    {
        const int type = object->uType();
        if (type == Text::type || type == VerticalText::type)
        {
            across.vdAddText(object->dLeft(), object->dRight());
            down.vdAddText(object->dTop(), object->dBottom());
            // A text of the body that starts in the labels or headings is theirs to the end.
            if (object->dTop() >= headingsBottom - touching)
                repeated.labels.to = std::max(
                    repeated.labels.to, ReachPast(labelsRight, object->dLeft(), object->dRight()));
            if (object->dLeft() >= labelsRight - touching)
                repeated.headings.to =
                    std::max(repeated.headings.to,
                             ReachPast(headingsBottom, object->dTop(), object->dBottom()));
        }
        else if (type == Line::type && object->dLeft() == object->dRight())
            across.vdAddRule(object->dLeft(), object->dTop());
        else if (type == Line::type && object->dTop() == object->dBottom())
            down.vdAddRule(object->dTop(), object->dLeft());
    }
    across.vdMerge();
    down.vdMerge();
    std::vector<PrintedPage> upright = PagesOn(asSet, across, down, x, y, repeated, linePoints);
    std::vector<PrintedPage> sideways = PagesOn(turned, across, down, x, y, repeated, linePoints);
    if (!sideways.empty() && (upright.empty() || sideways.size() < upright.size()))
        return {true, std::move(sideways)};
    return {false, std::move(upright)};
}

PartPainter::PartPainter(const Drawing& drawing)
{
    objects.reserve(drawing.Count());
    for (std::uint32_t i = 1; const DrawingObject* object = drawing.Object(i); ++i)
        objects.push_back({object, object->dLeft(), object->dTop(), object->dRight(),
                           object->dBottom(),
                           object->uType() == Text::type || object->uType() == VerticalText::type});
}

void PartPainter::vdDraw(Canvas& canvas, const PagePart& part, Colour background) const
{
    for (const Placed& placed : objects)
    {
        if (!(placed.right >= part.left && placed.left <= part.right && placed.bottom >= part.top &&
              placed.top <= part.bottom))
            continue;
        if (part.bRepeated && placed.bText &&
            !(placed.left >= part.left - touching && placed.right <= part.right + touching &&
              placed.top >= part.top - touching && placed.bottom <= part.bottom + touching))
            continue;
        placed.object->vdDrawScaled(canvas, part.sx, part.ox, part.sy, part.oy, background);
    }
}

} // namespace Brosquin
