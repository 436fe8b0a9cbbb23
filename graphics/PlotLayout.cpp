// Laying a Plot out into a Drawing, in plot units.

#include "graphics/Plot.h"

#include "core/RealOf.h"
#include "graphics/Drawing.h"

#include <algorithm>
#include <string>
#include <vector>

namespace Brosquin
{

namespace
{

constexpr Colour Black = 0;
constexpr std::int8_t Solid = 1;

// What the options dialog opens when an object is clicked: 1 the titles, 2 the Y axis, 3 the X
// axis, 5 the key title, 1000 + n line n, 2000 + n off-axis variable n, 3000 + n comment n.
constexpr std::uint32_t TitleId = 1;
constexpr std::uint32_t YAxisId = 2;
constexpr std::uint32_t XAxisId = 3;
constexpr std::uint32_t KeyTitleId = 5;
constexpr std::uint32_t LineIds = 1000;
constexpr std::uint32_t OffAxisIds = 2000;
constexpr std::uint32_t CommentIds = 3000;

// Each list has 999 codes; an item beyond them does not react to the mouse.
std::uint32_t ItemId(std::uint32_t base, std::uint32_t n)
{
    return n <= 999 ? base + n : 0;
}

// Axes keep at least their two end values and no tics below zero; beyond a hundred values or
// tics between two the labels and tics would merge into a block, so no more are drawn.
int ValuesOnAxis(std::int32_t n)
{
    return std::clamp(n, 2, 101);
}
int TicsBetweenValues(std::int32_t n)
{
    return std::clamp(n, 0, 99);
}

// The extent of a label along its axis, from its first edge to its last.
struct LabelBox
{
    double first;
    double last;
};

// The step between the labels drawn along an axis, so that no two drawn labels meet: the least
// that divides the gaps between the values evenly (the last value keeps its label) and leaves at
// least the gap between the boxes of neighbouring labels drawn. When even the two ends would
// meet, the step passes the last label and the first stands alone.
std::size_t LabelStep(const std::vector<LabelBox>& boxes, double gap)
{
    const std::size_t n = boxes.size();
    for (std::size_t step = 1; step < n; ++step)
    {
        if ((n - 1) % step != 0)
            continue;
        bool bApart = true;
        for (std::size_t i = 0; i + step < n && bApart; i += step)
            bApart = boxes[i].last + gap <= boxes[i + step].first;
        if (bApart)
            return step;
    }
    return std::max<std::size_t>(n, 1);
}

// The extent of a tic across its axis, as offsets from the axis line.
struct TicExtent
{
    double majorFrom;
    double majorTo;
    double minorFrom;
    double minorTo;
};

// A title cut short with "..." to the longest beginning that fits the width, where it is wider.
String Shortened(const String& title, double size, double width)
{
    if (title.dWidth() * size <= width)
        return title;
    const std::string text(title.Text(), title.Length());
    const auto shortened = [&](std::uint32_t kept)
    { return String((text.substr(0, kept) + "...").c_str()); };
    // The longest beginning that fits with the dots; widths only grow as characters are added.
    std::uint32_t fits = 0;
    std::uint32_t tooLong = title.Length();
    while (tooLong - fits > 1)
    {
        const std::uint32_t middle = fits + (tooLong - fits) / 2;
        if (shortened(middle).dWidth() * size <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    const String result = shortened(fits);
    return result.dWidth() * size <= width ? result : String();
}

// A title stands in the middle over the plot, moved aside as far as it must to stay within the
// picture the rest of the plot takes, from left to right, and is cut short only where it is wider
// than that picture: drawn wider it would widen the drawing, and a drawing fitted into its window
// would shrink the plot to make room.
void vdAddTitle(Drawing& d, const String& title, double size, Colour colour, double top,
                double middle, double left, double right)
{
    const String shown = Shortened(title, size, right - left);
    const double half = 0.5 * shown.dWidth() * size;
    d.AddText(shown.Text(), std::max(left + half, std::min(middle, right - half)), top, size,
              TextAlignment::Middle, colour, true, false, TitleId);
}

} // namespace

double Plot::dXShareOfOrigin() const
{
    if (!HasXRange())
    {
        return 0.0;
    }
    return (0.0 - xMinimum.dValue()) / (xMaximum.dValue() - xMinimum.dValue());
}

double Plot::dYShareOfOrigin() const
{
    if (!HasYRange())
    {
        return 1.0;
    }
    return 1.0 - (0.0 - yMinimum.dValue()) / (yMaximum.dValue() - yMinimum.dValue());
}

std::vector<std::pair<std::uint32_t, double>> Plot::ShownXLabels() const
{
    std::vector<std::pair<std::uint32_t, double>> shown;
    if (!HasXRange())
    {
        return shown;
    }
    const std::uint32_t first = xMinimumLabel;
    const std::uint32_t last = std::max(xMaximumLabel, xMinimumLabel);
    const std::uint32_t n = std::min(last - first + 1, xNumberLabels);
    // With one label to show (or the ends reversed) there is no step between labels.
    const std::uint32_t step = n >= 2 ? (last - first) / (n - 1) : last - first + 1;
    for (std::uint32_t j = first; j <= last && j < XLabelCount(); j += step)
    {
        const Real share = (xLabelValues[j] - xMinimum) / (xMaximum - xMinimum);
        if (share >= RealOf(0.0) && share <= RealOf(1.0))
        {
            shown.emplace_back(j, share.dValue());
        }
    }
    return shown;
}

void Plot::vdDrawShadedRegions(Drawing& d) const
{
    if (!displayShadedRegions || !HasXRange() || !HasYRange())
    {
        return;
    }
    const double width = dWidth();
    auto acrossX = [&](const Real& x)
    { return ((x - xMinimum) / (xMaximum - xMinimum)).dValue() * width; };
    auto downY = [&](const Real& y)
    { return (1.0 - ((y - yMinimum) / (yMaximum - yMinimum)).dValue()) * 10.0; };
    for (const ShadedRegion& region : shadedRegions)
    {
        if (region.leftX > xMaximum || region.rightX < xMinimum || region.lowerY > yMaximum ||
            region.upperY < yMinimum)
        {
            continue;
        }
        const double left =
            !IsNumber(region.leftX) || region.leftX < xMinimum ? 0.0 : acrossX(region.leftX);
        const double right =
            !IsNumber(region.rightX) || region.rightX > xMaximum ? width : acrossX(region.rightX);
        const double bottom =
            !IsNumber(region.lowerY) || region.lowerY < yMinimum ? 10.0 : downY(region.lowerY);
        const double top =
            !IsNumber(region.upperY) || region.upperY > yMaximum ? 0.0 : downY(region.upperY);
        if (right < left || bottom < top)
        {
            continue;
        }
        d.AddRect(left, bottom, right, top, Solid, region.colour, 0.0, true, region.colour, 0);
    }
}

void Plot::vdDrawFrame(Drawing& d) const
{
    const double width = dWidth();
    const double ticSize = ticSizeNumber;
    double base = 0.0;
    if (axisStyle == 3)
    {
        base = std::min(std::max(dYShareOfOrigin() * 10.0, 0.0) - ticSize, 0.0) - xScaleSize * 0.5;
    }
    else if (axisStyle <= 1 || ticStyle == 1)
    {
        base = -(xScaleSize * 0.5);
    }
    else
    {
        base = -(xScaleSize * 0.5) - ticSize;
    }
    vdDrawYAxisLabels(d);
    vdDrawXAxisLabels(d);
    switch (axisStyle)
    {
    case 2:
        vdDrawYAxis(d, 0.0, true);
        vdDrawXAxis(d, 10.0, true);
        vdDrawYAxis(d, width, false);
        vdDrawXAxis(d, 0.0, false);
        break;
    case 3:
        vdDrawYAxis(d, std::clamp(dXShareOfOrigin(), 0.0, 1.0) * width, false);
        vdDrawXAxis(d, std::clamp(dYShareOfOrigin(), 0.0, 1.0) * 10.0, false);
        break;
    default:
        vdDrawYAxis(d, 0.0, true);
        vdDrawXAxis(d, 10.0, true);
        if (axisStyle == 1)
        {
            d.AddLine(width, 0.0, width, 10.0, Solid, Black, 0.0, 0.0, 0);
            d.AddLine(0.0, 0.0, width, 0.0, Solid, Black, 0.0, 0.0, 0);
        }
        break;
    }
    vdDrawKeyColumn(d);
    // The titles come last, over the picture the rest has made.
    const double left = d.dLeft();
    const double right = d.dRight();
    if (subTitle.Length() > 0)
    {
        base -= subTitleSize;
        vdAddTitle(d, subTitle, subTitleSize, subTitleColor, base, width * 0.5, left, right);
    }
    if (mainTitle.Length() > 0)
        vdAddTitle(d, mainTitle, mainTitleSize, mainTitleColor, base - mainTitleSize, width * 0.5,
                   left, right);
}

void Plot::vdDrawKeyColumn(Drawing& d) const
{
    const double left = dWidth() + 2.0;
    const bool showKey = LineCount() > 0 && displayKey;
    const bool showOffAxis = OffAxisCount() > 0 && displayOffAxis;
    const bool showComments = CommentCount() > 0 && displayComments;
    double cursor = 0.0;
    if (keyTitle.Length() > 0 && (showKey || showOffAxis || showComments))
    {
        d.AddText(keyTitle.Text(), left, 0.0, keyTitleSize, TextAlignment::Start, keyTitleColor,
                  true, false, KeyTitleId);
        cursor = keyTitleSize + 0.25;
    }
    if (showKey)
    {
        for (std::uint32_t k = 1; k <= LineCount(); ++k)
        {
            const LineInfo& line = *lines[k - 1];
            if (!((line.connectPoints && line.style != 0) || line.pointStyle != 0))
            {
                continue;
            }
            const std::uint32_t id = ItemId(LineIds, k);
            String text(line.label.Text());
            if (keyShowsValues && line.valueText.Length() > 0)
            {
                text += " = ";
                text += line.valueText.Text();
            }
            d.AddText(text.Text(), left + 4.0, cursor, keyLineSize, TextAlignment::Start, Black,
                      false, false, id);
            cursor += keyLineSize * 0.5;
            if (line.connectPoints)
            {
                d.AddLine(left, cursor, left + 3.0, cursor, static_cast<std::int8_t>(line.style),
                          line.colour, line.thickness, 0.5, id);
            }
            vdAddPointMarker(d, line.pointStyle, left + 1.5, cursor, 0.5, line.colour, id);
            cursor += keyLineSize * 0.5;
        }
        cursor += keyLineSize * 0.5;
    }
    if (showOffAxis)
    {
        for (std::uint32_t i = 1; i <= OffAxisCount(); ++i)
        {
            String text(offAxis[i - 1]->name.Text());
            text += " = ";
            text += offAxis[i - 1]->valueText.Text();
            d.AddText(text.Text(), left, cursor, offAxisSize, TextAlignment::Start, Black, false,
                      false, ItemId(OffAxisIds, i));
            cursor += offAxisSize;
        }
        cursor += offAxisSize * 0.5;
    }
    if (showComments)
    {
        for (std::uint32_t i = 1; i <= CommentCount(); ++i)
        {
            d.AddText(comments[i - 1].Text(), left, cursor, commentsSize, TextAlignment::Start,
                      Black, false, false, ItemId(CommentIds, i));
            cursor += commentsSize;
        }
    }
}

void Plot::vdDrawYAxisLabels(Drawing& d) const
{
    double right = 0.0;
    if (axisStyle == 3)
    {
        right = std::min(std::max(dXShareOfOrigin() * dWidth(), 0.0) - ticSizeNumber, 0.0) -
                yScaleSize * 0.5;
    }
    else if (ticStyle == 1)
    {
        right = -(yScaleSize * 0.5);
    }
    else
    {
        right = -(yScaleSize * 0.5) - ticSizeNumber;
    }
    const int n = ValuesOnAxis(yNumberValues);
    std::uint32_t longest = 0;
    std::vector<String> texts;
    std::vector<LabelBox> boxes;
    for (int i = 0; i < n; ++i)
    {
        const double share = static_cast<double>(i) / (n - 1);
        // The top label is the maximum.
        const Real value = RealOf(share) * yMinimum + RealOf(1.0 - share) * yMaximum;
        texts.emplace_back(value.Text(5, true));
        longest = std::max(longest, texts.back().Length());
        const double top = i * 10.0 / (n - 1) - yScaleSize * 0.5;
        boxes.push_back({top, top + yScaleSize});
    }
    // Lines of text may stand one under the other.
    const std::size_t step = LabelStep(boxes, 0.0);
    for (std::size_t i = 0; i < texts.size(); i += step)
        d.AddText(texts[i].Text(), right, boxes[i].first, yScaleSize, TextAlignment::End, Black,
                  false, false, YAxisId);
    const double labelRight = right - static_cast<double>(longest) * yScaleSize * 0.5;
    if (yAxisLabelVertical)
    {
        d.AddVerticalText(yAxisLabel.Text(), labelRight - yAxisLabelSize * 1.2, 5.0, yAxisLabelSize,
                          TextAlignment::Middle, Black, true, false, YAxisId);
    }
    else
    {
        d.AddText(yAxisLabel.Text(), labelRight - yAxisLabelSize * 0.5, 5.0 - yAxisLabelSize * 0.5,
                  yAxisLabelSize, TextAlignment::End, Black, true, false, YAxisId);
    }
}

void Plot::vdDrawXAxisLabels(Drawing& d) const
{
    const double width = dWidth();
    double top = 0.0;
    if (axisStyle == 3)
    {
        top = std::max(std::min(dYShareOfOrigin() * 10.0, 10.0) + ticSizeNumber, 10.0) +
              xScaleSize * 0.5;
    }
    else if (ticStyle == 1)
    {
        top = 10.0 + xScaleSize * 0.5;
    }
    else
    {
        top = 10.0 + xScaleSize * 0.5 + ticSizeNumber;
    }
    std::vector<String> texts;
    std::vector<double> places;
    if (XLabelCount() == 0)
    {
        const int n = ValuesOnAxis(xNumberValues);
        for (int i = 0; i < n; ++i)
        {
            const double share = static_cast<double>(i) / (n - 1);
            const Real value = RealOf(share) * xMaximum + RealOf(1.0 - share) * xMinimum;
            texts.emplace_back(value.Text(5, true));
            places.push_back(i * width / (n - 1));
        }
    }
    else
    {
        for (const auto& [j, share] : ShownXLabels())
        {
            texts.emplace_back(xLabelTexts[j].Text());
            places.push_back(share * width);
        }
    }
    std::vector<LabelBox> boxes;
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const double half = texts[i].dWidth() * xScaleSize * 0.5;
        boxes.push_back({places[i] - half, places[i] + half});
    }
    // Numbers side by side keep a blank between them, or they read as one.
    const std::size_t step = LabelStep(boxes, String(" ").dWidth() * xScaleSize);
    for (std::size_t i = 0; i < texts.size(); i += step)
        d.AddText(texts[i].Text(), places[i], top, xScaleSize, TextAlignment::Middle, Black, false,
                  false, XAxisId);
    d.AddText(xAxisLabel.Text(), width * 0.5, top + xScaleSize, xAxisLabelSize,
              TextAlignment::Middle, Black, true, false, XAxisId);
}

namespace
{

// Which way the tics of an axis point from its line: across it (both sides, and on axes through
// the origin), towards larger coordinates, or towards smaller ones.
TicExtent TicsOf(std::uint8_t ticStyle, std::uint8_t axisStyle, bool towardsLarger, double major,
                 double minor)
{
    if (ticStyle == 0 || axisStyle == 3)
    {
        return {-major, major, -minor, minor};
    }
    if (towardsLarger)
    {
        return {0.0, major, 0.0, minor};
    }
    return {-major, 0.0, -minor, 0.0};
}

// Calls tic(position, major) for every tic along an axis of the given length: a major tic at each
// of the values and the minor ones evenly between them.
template <class Tic>
void vdForEachTic(double length, std::int32_t values, std::int32_t tics, Tic tic)
{
    const int gaps = ValuesOnAxis(values) - 1;
    const int perGap = TicsBetweenValues(tics) + 1;
    const int count = gaps * perGap;
    for (int m = 0; m <= count; ++m)
    {
        tic(m * length / count, m % perGap == 0);
    }
}

} // namespace

void Plot::vdDrawYAxis(Drawing& d, double x, bool primary) const
{
    d.AddLine(x, 0.0, x, 10.0, Solid, Black, 0.0, 0.5, YAxisId);
    // The left axis points its inside tics to the right, the right axis its outside ones.
    const bool towardsLarger = (ticStyle == 1 && primary) || (ticStyle == 2 && !primary);
    const TicExtent extent =
        TicsOf(ticStyle, axisStyle, towardsLarger, ticSizeNumber, ticSizeBetween);
    vdForEachTic(10.0, yNumberValues, yNumberTics,
                 [&](double y, bool major)
                 {
                     d.AddLine(x + (major ? extent.majorFrom : extent.minorFrom), y,
                               x + (major ? extent.majorTo : extent.minorTo), y, Solid, Black, 0.0,
                               0.0, 0);
                 });
}

void Plot::vdDrawXAxis(Drawing& d, double y, bool primary) const
{
    const double width = dWidth();
    d.AddLine(0.0, y, width, y, Solid, Black, 0.0, 0.5, XAxisId);
    // The bottom axis points its inside tics upward, the top axis its outside ones.
    const bool upward = (ticStyle == 1 && primary) || (ticStyle == 2 && !primary);
    const TicExtent extent = TicsOf(ticStyle, axisStyle, !upward, ticSizeNumber, ticSizeBetween);
    auto tic = [&](double x, bool major)
    {
        d.AddLine(x, y + (major ? extent.majorFrom : extent.minorFrom), x,
                  y + (major ? extent.majorTo : extent.minorTo), Solid, Black, 0.0, 0.0, 0);
    };
    if (XLabelCount() == 0)
    {
        vdForEachTic(width, xNumberValues, xNumberTics, tic);
    }
    else
    {
        for (const auto& label : ShownXLabels())
        {
            tic(label.second * width, true);
        }
    }
}

void Plot::vdDrawLines(Drawing& d) const
{
    // A segment names its line by number; one read from a file may name none.
    auto lineOf = [this](std::span<const double> segment) -> const LineInfo*
    {
        const double k = segment[1];
        return k >= 1 && k <= LineCount() && k == static_cast<std::uint32_t>(k)
                   ? lines[static_cast<std::uint32_t>(k) - 1].get()
                   : nullptr;
    };
    std::vector<double> points;
    for (const std::vector<double>& segment : segments)
    {
        const LineInfo* line = lineOf(segment);
        const std::size_t n = (segment.size() - 2) / 2;
        if (line == nullptr || !((line->connectPoints || line->tooDense) && line->style != 0) ||
            n < 2)
        {
            continue;
        }
        points.assign(segment.begin() + 2, segment.begin() + 2 + 2 * n);
        for (std::size_t i = 0; i < points.size(); i += 2)
        {
            points[i] *= axisRatio;
        }
        d.AddPolyLine(points.data(), static_cast<int>(n), static_cast<std::int8_t>(line->style),
                      line->colour, line->thickness, 0.2,
                      ItemId(LineIds, static_cast<std::uint32_t>(segment[1])));
    }
    for (const std::vector<double>& segment : segments)
    {
        const LineInfo* line = lineOf(segment);
        if (line == nullptr || line->pointStyle == 0 || line->tooDense)
        {
            continue;
        }
        const std::uint32_t id = ItemId(LineIds, static_cast<std::uint32_t>(segment[1]));
        for (std::size_t i = 2; i + 1 < segment.size(); i += 2)
        {
            vdAddPointMarker(d, line->pointStyle, segment[i] * axisRatio, segment[i + 1],
                             line->pointSize, line->colour, id);
        }
    }
}

void Plot::vdAddPointMarker(Drawing& d, std::uint8_t style, double x, double y, double size,
                            Colour colour, std::uint32_t uID)
{
    const double h = size * 0.5;
    const double a = size / 6.0;
    const bool filled = style >= 5;
    switch (style)
    {
    case 1:
    case 5:
        d.AddEllip(x - h, y - h, x + h, y + h, Solid, colour, 0.0, filled, colour, uID);
        break;
    case 2:
    case 6:
        d.AddRect(x - h, y - h, x + h, y + h, Solid, colour, 0.0, filled, colour, uID);
        break;
    case 3:
    case 7:
    {
        const double diamond[] = {x, y - h, x + h, y, x, y + h, x - h, y, x, y - h};
        d.AddPoly(diamond, 5, Solid, colour, 0.0, filled, colour, uID);
        break;
    }
    case 4:
    case 8:
    {
        const double triangle[] = {x, y - h, x + h, y + h, x - h, y + h, x, y - h};
        d.AddPoly(triangle, 4, Solid, colour, 0.0, filled, colour, uID);
        break;
    }
    case 9:
    {
        const double plus[] = {x - a, y + h, x + a, y + h, x + a, y + a, x + h, y + a, x + h,
                               y - a, x + a, y - a, x + a, y - h, x - a, y - h, x - a, y - a,
                               x - h, y - a, x - h, y + a, x - a, y + a, x - a, y + h};
        d.AddPoly(plus, 13, Solid, colour, 0.0, true, colour, uID);
        break;
    }
    default:
        break;
    }
}

} // namespace Brosquin
