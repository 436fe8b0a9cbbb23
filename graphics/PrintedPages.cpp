#include "graphics/PrintedPages.h"

#include "graphics/Drawing.h"
#include "graphics/Line.h"
#include "graphics/Text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

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
// A column narrowed to its texts keeps two fifths of a line between them and its rules, some
// three and a half points at the least readable size: little enough that the Summary Info of five
// double plans with the largest lot and a curtailing option fits a Letter page turned.
constexpr double labelRoom = 0.4;
constexpr double nowhere = std::numeric_limits<double>::infinity();

struct Extent
{
    double from;
    double to;
};

double Length(const std::vector<Extent>& pieces)
{
    double length = 0;
    for (const Extent& piece : pieces)
        length += piece.to - piece.from;
    return length;
}

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
            const double unsplit = Unsplit(furthest);
            // A text longer than a page is cut on a rule of the page where it has one, or else
            // where the page ends.
            const bool bSplit = unsplit <= start + touching;
            double cut = bSplit ? furthest : unsplit;
            for (double earliest : {start + 0.5 * length, start + touching})
                if (std::optional<double> rule = RuleBefore(cut, earliest, bSplit))
                {
                    cut = *rule;
                    break;
                }
            cuts.push_back(cut);
            start = cut;
        }
        cuts.push_back(to);
        return cuts;
    }

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

    // The pieces of the stretch from `from` to `to` that are left when each space beside a text,
    // up to the rule or text next to it, is narrowed to `room`, half of it kept on either side.
    std::vector<Extent> Narrowed(double from, double to, double room) const
    {
        struct Obstacle
        {
            Extent extent;
            bool bText;
        };
        std::vector<Obstacle> obstacles{{{from, from}, false}, {{to, to}, false}};
        for (const Extent& run : texts)
            if (run.to > from + touching && run.from < to - touching)
                obstacles.push_back({{std::max(run.from, from), std::min(run.to, to)}, true});
        for (const Rule& rule : rules)
            if (rule.at > from && rule.at < to)
                obstacles.push_back({{rule.at, rule.at}, false});
        std::sort(obstacles.begin(), obstacles.end(),
                  [](const Obstacle& a, const Obstacle& b)
                  { return a.extent.from < b.extent.from; });
        std::vector<Extent> pieces;
        double start = from;
        double reached = from;
        bool bTextReached = false;
        for (const Obstacle& obstacle : obstacles)
        {
            if ((bTextReached || obstacle.bText) &&
                obstacle.extent.from - reached > room + touching)
            {
                pieces.push_back({start, reached + 0.5 * room});
                start = obstacle.extent.from - 0.5 * room;
            }
            if (obstacle.extent.to >= reached)
            {
                reached = obstacle.extent.to;
                bTextReached = obstacle.bText;
            }
        }
        pieces.push_back({start, to});
        return pieces;
    }

    // Whether the texts from `from` to `to` all stand between the same two neighbouring rules.
    bool bOneColumn(double from, double to) const
    {
        std::vector<double> bounds{from};
        for (auto rule = std::upper_bound(rules.begin(), rules.end(), from + touching,
                                          [](double at, const Rule&r) { return at < r.at; });
             rule != rules.end() && rule->at < to - touching; ++rule)
            bounds.push_back(rule->at);
        bounds.push_back(to);
        int columns = 0;
        for (std::size_t i = 1; i < bounds.size(); ++i)
            if (bounds[i] - bounds[i - 1] > touching && bTextBetween(bounds[i - 1], bounds[i]))
                ++columns;
        return columns == 1;
    }

private:
    bool bTextBetween(double from, double to) const
    {
        auto run = std::upper_bound(texts.begin(), texts.end(), from + touching,
                                    [](double at, const Extent& r) { return at < r.to; });
        return run != texts.end() && run->from < to - touching;
    }

    // Of the rules from earliest to the cut that split no text (any, with bSplitting), the last
    // of those that reach furthest into the headings, so that a heading stands over all its
    // columns; none where there is none.
    std::optional<double> RuleBefore(double cut, double earliest, bool bSplitting) const
    {
        const Rule* best = nullptr;
        for (auto rule = std::upper_bound(rules.begin(), rules.end(), cut + touching,
                                          [](double at, const Rule&r) { return at < r.at; });
             rule != rules.begin() && (rule - 1)->at >= earliest; --rule)
            if ((bSplitting || Unsplit((rule - 1)->at) == (rule - 1)->at) &&
                (best == nullptr || (rule - 1)->start < best->start - touching))
                best = &*(rule - 1);
        return best ? std::optional<double>(best->at) : std::nullopt;
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

// The points of one world unit when a drawing of this size is fitted whole into the area.
double FittedPoints(const PageArea& area, double width, double height)
{
    return pointsPerInch * std::min((area.right - area.left) / area.pixelsPerInchX / width,
                                    (area.bottom - area.top) / area.pixelsPerInchY / height);
}

// Where a table's parts stand, found once for every way of laying it out on pages.
struct Table
{
    Extent x;
    Extent y;
    Axis across;
    Axis down;
    // The label columns end across at labelsRight; the heading rows stand down from below the
    // titles.
    double labelsRight;
    Extent headings;
    // Where the titles above the table's rules stand across; none when from is not below to.
    Extent titles;
};

// Where the text reaches along the axis past the end of the repeated part when it starts in it.
double ReachPast(double end, double from, double to)
{
    return from < end - touching && to > end + touching ? to : end;
}

bool bText(const DrawingObject& object)
{
    return object.uType() == Text::type || object.uType() == VerticalText::type;
}

// Where the objects of a drawing that put anything on paper stand: a table's margins, which only
// widen its extent, take no room of a page, which has margins of its own. None without any.
std::optional<std::pair<Extent, Extent>> InkedExtent(const Drawing& drawing)
{
    Extent x{nowhere, -nowhere};
    Extent y{nowhere, -nowhere};
    for (std::uint32_t i = 1; const DrawingObject* object = drawing.Object(i); ++i)
        if (object->bInked())
        {
            x = {std::min(x.from, object->dLeft()), std::max(x.to, object->dRight())};
            y = {std::min(y.from, object->dTop()), std::max(y.to, object->dBottom())};
        }
    if (!(x.from < x.to && y.from < y.to))
        return std::nullopt;
    return std::pair{x, y};
}

Table Analysed(const Drawing& drawing, const Extent& x, const Extent& y)
{
    // Headings and labels the drawing does not have, or that lie beyond it, take none of it.
    const auto reach = [](double end, const Extent& extent)
    { return end > extent.from ? std::min(end, extent.to) : extent.from; };
    const double labelsRight = reach(drawing.dLabelsRight(), x);
    const double headingsBottom = reach(drawing.dHeadingsBottom(), y);
    Table table{x, y, {}, {}, labelsRight, {y.from, headingsBottom}, {nowhere, -nowhere}};
    double topRule = nowhere;
    for (std::uint32_t i = 1; const DrawingObject* object = drawing.Object(i); ++i)
        if (bText(*object))
            table.down.vdAddText(object->dTop(), object->dBottom());
        else if (object->uType() == Line::type)
        {
            topRule = std::min(topRule, object->dTop());
            if (object->dLeft() == object->dRight())
                table.across.vdAddRule(object->dLeft(), object->dTop());
            else if (object->dTop() == object->dBottom())
                table.down.vdAddRule(object->dTop(), object->dLeft());
        }
    table.down.vdMerge();
    // The texts of the headings above every rule are the table's titles.
    const double titlesBottom =
        topRule < nowhere ? std::min(headingsBottom, table.down.Unsplit(topRule)) : y.from;
    double titlesEnd = -nowhere;
    double belowTitles = topRule;
    for (std::uint32_t i = 1; const DrawingObject* object = drawing.Object(i); ++i)
    {
        if (!bText(*object))
            continue;
        if (object->dBottom() <= titlesBottom + touching)
        {
            table.titles = {std::min(table.titles.from, object->dLeft()),
                            std::max(table.titles.to, object->dRight())};
            titlesEnd = std::max(titlesEnd, object->dBottom());
            continue;
        }
        belowTitles = std::min(belowTitles, object->dTop());
        table.across.vdAddText(object->dLeft(), object->dRight());
        // A text of the body that starts in the labels or headings is theirs to the end.
        if (object->dTop() >= headingsBottom - touching)
            table.labelsRight = std::max(table.labelsRight,
                                         ReachPast(labelsRight, object->dLeft(), object->dRight()));
        if (object->dLeft() >= labelsRight - touching)
            table.headings.to = std::max(
                table.headings.to, ReachPast(headingsBottom, object->dTop(), object->dBottom()));
    }
    table.across.vdMerge();
    // The titles' rows end halfway to what stands below them, which so reaches into none of
    // their parts, nor they into its.
    if (titlesEnd > -nowhere)
        table.headings.from = 0.5 * (titlesEnd + std::min(belowTitles, table.headings.to));
    return table;
}

// Where a page's parts stand along one axis: the part of the drawing and the offset that maps it.
struct Span
{
    double from;
    double to;
    double offset;
    bool bRepeated;
};

// The spans of a page along one axis, laid from `start` on the device at `scale`: the pieces of
// the repeated part side by side, then the page's piece of the body. On the first page along the
// axis nothing is repeated, and the last piece runs on into the body as in the table.
std::vector<Span> Spans(const std::vector<Extent>& repeated, const Extent& piece, bool bFirst,
                        double start, double scale)
{
    std::vector<Span> spans;
    double at = start;
    const auto vdAdd = [&](double from, double to, bool bRepeated)
    {
        spans.push_back({from, to, at - from * scale, bRepeated});
        at += (to - from) * scale;
    };
    for (std::size_t i = 0; i + 1 < repeated.size(); ++i)
        vdAdd(repeated[i].from, repeated[i].to, !bFirst);
    if (bFirst)
        vdAdd(repeated.back().from, piece.to, false);
    else
    {
        if (repeated.back().to > repeated.back().from)
            vdAdd(repeated.back().from, repeated.back().to, true);
        vdAdd(piece.from, piece.to, false);
    }
    return spans;
}

// The titles at the top of a page, in the middle over its parts of the table, but inside the
// page where they are wider than those.
PagePart TitlesPart(const PageArea& area, const Table& table, const std::vector<Span>& across,
                    double sx, double sy, double top)
{
    const double partsLeft = across.front().from * sx + across.front().offset;
    const double partsRight = std::min(area.right, across.back().to * sx + across.back().offset);
    const double width = (table.titles.to - table.titles.from) * sx;
    const double left =
        std::max(area.left, std::min(0.5 * (partsLeft + partsRight - width), area.right - width));
    const double ox = left - table.titles.from * sx;
    const double oy = top - table.y.from * sy;
    const Extent shown{(area.left - ox) / sx, (area.right - ox) / sx};
    return {shown.from, table.y.from, shown.to, table.headings.from, sx, ox, sy, oy, false};
}

// A page of the table: the titles at its top, where the table has them, then the parts where each
// span down meets each span across.
PrintedPage PageOf(const PageArea& area, const Table& table, const std::vector<Span>& across,
                   const std::vector<Span>& down, double sx, double sy, double top)
{
    PrintedPage page;
    if (table.titles.from < table.titles.to)
        page.parts.push_back(TitlesPart(area, table, across, sx, sy, top));
    for (const Span& d : down)
        for (const Span& a : across)
            page.parts.push_back({a.from, d.from, a.to, d.to, sx, a.offset, sy, d.offset,
                                  a.bRepeated || d.bRepeated});
    return page;
}

// The spans down a page of the rows from `from` to `to`, its table's top at `top` on the device.
std::vector<Span> DownSpans(const Table& table, double from, double to, bool bFirst, double top,
                            double sy)
{
    return Spans({table.headings}, {from, to}, bFirst,
                 top + (table.headings.from - table.y.from) * sy, sy);
}

// The table whole on one page of the area as large as it fits, shown across as the pieces given
// side by side, the last running on to the table's end, in the middle of the page both ways; none
// where its lines would be less than linePoints high.
std::optional<PrintedPage> WholePage(const PageArea& area, const Table& table,
                                     const std::vector<Extent>& pieces, double linePoints)
{
    const double width = Length(pieces);
    const double height = table.y.to - table.y.from;
    const double points = FittedPoints(area, width, height);
    if (points < linePoints)
        return std::nullopt;
    const double sx = points / pointsPerInch * area.pixelsPerInchX;
    const double sy = points / pointsPerInch * area.pixelsPerInchY;
    const double left = 0.5 * (area.left + area.right - width * sx);
    const double top = 0.5 * (area.top + area.bottom - height * sy);
    return PageOf(area, table, Spans(pieces, {table.x.to, table.x.to}, true, left, sx),
                  DownSpans(table, table.headings.to, table.y.to, true, top, sy), sx, sy, top);
}

// Pages of a table, and whether one of them holds a single column of its body alone.
struct Layout
{
    std::vector<PrintedPage> pages;
    bool bOneColumnAlone = false;
};

// The table on pages of the area with its lines `points` high, its labels shown as the pieces
// given. None when the headings or labels leave no line of a page to the body, or the table
// would need too many.
std::optional<Layout> PagesOn(const PageArea& area, const Table& table,
                              const std::vector<Extent>& labels, double points)
{
    const double sx = points / pointsPerInch * area.pixelsPerInchX;
    const double sy = points / pointsPerInch * area.pixelsPerInchY;
    const double width = (area.right - area.left) / sx;
    const double height = (area.bottom - area.top) / sy;
    const double bodyWidth = width - Length(labels);
    const double bodyHeight = height - (table.headings.to - table.y.from);
    if (bodyWidth < 1 || bodyHeight < 1)
        return std::nullopt;
    const std::vector<double> columns = table.across.Cuts(table.labelsRight, table.x.to, bodyWidth);
    const std::vector<double> rows = table.down.Cuts(table.headings.to, table.y.to, bodyHeight);
    if ((columns.size() - 1) * (rows.size() - 1) > mostPages)
        return std::nullopt;
    // A table as narrow as a page stands in the middle across it, and one on a single page in
    // its middle down it too, as a table printed whole does.
    const double left =
        area.left + (columns.size() == 2
                         ? std::max(0.0, bodyWidth - (table.x.to - table.labelsRight)) * 0.5 * sx
                         : 0);
    const double top =
        area.top + (columns.size() == 2 && rows.size() == 2
                        ? std::max(0.0, height - (table.y.to - table.y.from)) * 0.5 * sy
                        : 0);
    Layout layout;
    for (std::size_t r = 1; r < rows.size(); ++r)
    {
        const std::vector<Span> downSpans = DownSpans(table, rows[r - 1], rows[r], r == 1, top, sy);
        for (std::size_t c = 1; c < columns.size(); ++c)
            layout.pages.push_back(
                PageOf(area, table, Spans(labels, {columns[c - 1], columns[c]}, c == 1, left, sx),
                       downSpans, sx, sy, top));
    }
    for (std::size_t c = 1; columns.size() > 2 && c < columns.size(); ++c)
        layout.bOneColumnAlone =
            layout.bOneColumnAlone || table.across.bOneColumn(columns[c - 1], columns[c]);
    return layout;
}

struct Choice
{
    bool bTurned;
    Layout layout;
};

// Of the layouts on the page as set and turned, the one with fewer pages, the page as set when
// they need as many; with bAloneFirst, one without a page that holds a column alone before that.
std::optional<Choice> Fewer(std::optional<Layout> upright, std::optional<Layout> sideways,
                            bool bAloneFirst)
{
    const auto rank = [bAloneFirst](const Layout& layout) {
        return std::pair{bAloneFirst && layout.bOneColumnAlone, layout.pages.size()};
    };
    if (sideways && (!upright || rank(*sideways) < rank(*upright)))
        return Choice{true, std::move(*sideways)};
    if (upright)
        return Choice{false, std::move(*upright)};
    return std::nullopt;
}

} // namespace

PrintedPages TablePages(const Drawing& drawing, const PageArea& asSet, const PageArea& turned,
                        double linePoints)
{
    const double width = drawing.dRight() - drawing.dLeft();
    const double height = drawing.dBottom() - drawing.dTop();
    if (!(width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height) &&
          linePoints > 0 && bHolds(asSet) && bHolds(turned)))
        return {};
    if (FittedPoints(asSet, width, height) >= linePoints)
        return {};
    if (FittedPoints(turned, width, height) >= linePoints)
        return {true, {}};
    const std::optional<std::pair<Extent, Extent>> inked = InkedExtent(drawing);
    if (!inked)
        return {};

    const auto& [x, y] = *inked;
    const Table table = Analysed(drawing, x, y);
    const std::vector<Extent> drawn{{x.from, table.labelsRight}};
    const std::vector<Extent> narrowed =
        table.across.Narrowed(x.from, table.labelsRight, labelRoom);
    const bool bNarrows = narrowed.size() > 1;
    // Without its margins, else with its label columns narrowed to their texts, and else with
    // every column narrowed to its texts, the table may fit whole on one page.
    std::vector<Extent> labelsNarrowed = narrowed;
    labelsNarrowed.back().to = x.to;
    for (const std::vector<Extent>& pieces :
         {std::vector<Extent>{x}, labelsNarrowed, table.across.Narrowed(x.from, x.to, labelRoom)})
        for (const auto& [area, bTurned] : {std::pair{asSet, false}, std::pair{turned, true}})
            if (std::optional<PrintedPage> whole = WholePage(area, table, pieces, linePoints))
                return {bTurned, {std::move(*whole)}};
    // Cut as drawn, or with the label columns narrowed where that leaves no column alone on a
    // page and the drawn table does, or needs fewer pages.
    std::optional<Choice> cut = Fewer(PagesOn(asSet, table, drawn, linePoints),
                                      PagesOn(turned, table, drawn, linePoints), false);
    if (bNarrows)
    {
        std::optional<Choice> narrowedCut =
            Fewer(PagesOn(asSet, table, narrowed, linePoints),
                  PagesOn(turned, table, narrowed, linePoints), true);
        if (narrowedCut &&
            (!cut || (!narrowedCut->layout.bOneColumnAlone &&
                      (cut->layout.bOneColumnAlone ||
                       narrowedCut->layout.pages.size() < cut->layout.pages.size()))))
            cut = std::move(narrowedCut);
    }
    if (!cut)
        return {};
    return {cut->bTurned, std::move(cut->layout.pages)};
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
        // A text that only touches the part shows nothing of itself in it.
        if (placed.bText &&
            !(placed.right > part.left + touching && placed.left < part.right - touching &&
              placed.bottom > part.top + touching && placed.top < part.bottom - touching))
            continue;
        if (part.bRepeated && placed.bText &&
            !(placed.left >= part.left - touching && placed.right <= part.right + touching &&
              placed.top >= part.top - touching && placed.bottom <= part.bottom + touching))
            continue;
        placed.object->vdDrawScaled(canvas, part.sx, part.ox, part.sy, part.oy, background);
    }
}

} // namespace Brosquin
