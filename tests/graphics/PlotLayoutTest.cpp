#include "graphics/Plot.h"

#include "graphics/Drawing.h"
#include "graphics/SvgCanvas.h"
#include "tests/graphics/PlotTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace Brosquin
{
namespace
{

constexpr int LineType = 1;
constexpr int RectType = 2;
constexpr int EllipType = 3;
constexpr int PolyType = 4;
constexpr int PolyLineType = 5;
constexpr int TextType = 10;
constexpr int VerticalTextType = 12;

// What a test needs to know of one drawing object.
struct Placed
{
    int type;
    std::uint32_t id;
    double left;
    double top;
    double right;
    double bottom;
    std::string text;
    const DrawingObject* object;

    double dCentreX() const { return (left + right) / 2; }
    double dCentreY() const { return (top + bottom) / 2; }
};

void ExpectTic(const std::pair<double, double>& tic, double from, double to)
{
    EXPECT_NEAR(tic.first, from, 1e-12);
    EXPECT_NEAR(tic.second, to, 1e-12);
}

class PlotLayout : public ::testing::Test
{
protected:
    void vdLayOut()
    {
        drawing.reset(plot.GetDrawing());
        placed.clear();
        for (std::uint32_t i = 1; i <= drawing->Count(); ++i)
        {
            const DrawingObject& o = *drawing->Object(i);
            const bool text = o.uType() == TextType || o.uType() == VerticalTextType;
            placed.push_back({o.uType(), o.uID, o.dLeft(), o.dTop(), o.dRight(), o.dBottom(),
                              text ? PaintedBy(o).text : "", &o});
        }
    }

    std::vector<Placed> Where(const std::function<bool(const Placed&)>& test) const
    {
        std::vector<Placed> found;
        std::copy_if(placed.begin(), placed.end(), std::back_inserter(found), test);
        return found;
    }

    std::vector<Placed> Texts(std::uint32_t id) const
    {
        return Where([id](const Placed& p) { return p.type == TextType && p.id == id; });
    }

    const Placed& Text(const std::string& text) const
    {
        const auto found = std::find_if(placed.begin(), placed.end(),
                                        [&](const Placed& p) { return p.text == text; });
        if (found != placed.end())
            return *found;
        ADD_FAILURE() << "no text " << text;
        return placed.front();
    }

    // The short tic lines (uID 0) across the Y axis line at x, as (left, right) relative to x, or
    // across the X axis line at y, as (top, bottom) relative to y.
    std::vector<std::pair<double, double>> Tics(bool acrossY, double at) const
    {
        std::vector<std::pair<double, double>> tics;
        for (const Placed& p : placed)
        {
            const double from = acrossY ? p.left : p.top;
            const double to = acrossY ? p.right : p.bottom;
            if (p.type == LineType && p.id == 0 &&
                (acrossY ? p.top == p.bottom : p.left == p.right) && from <= at + 1e-12 &&
                at - 1e-12 <= to && to - from < 1)
                tics.emplace_back(from - at, to - at);
        }
        return tics;
    }
    std::vector<std::pair<double, double>> TicsAcrossY(double x) const { return Tics(true, x); }
    std::vector<std::pair<double, double>> TicsAcrossX(double y) const { return Tics(false, y); }

    OptimizationInput variable;
    Plot plot{&variable, 0};
    std::unique_ptr<Drawing> drawing;
    std::vector<Placed> placed;
};

TEST_F(PlotLayout, DefaultLayoutCoordinates)
{
    plot.vdSetMainTitle("OC Curve");
    plot.vdAddBlankLine("plan", nullptr, 0.2, 0x0000FF, 1);
    vdLayOut();

    const std::vector<Placed> yLabels = Texts(2);
    ASSERT_EQ(yLabels.size(), 3u);
    const char* yTexts[] = {"1", "0.5", "0"};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(yLabels[i].text, yTexts[i]);
        EXPECT_NEAR(yLabels[i].right, -0.9, 1e-12);
        EXPECT_NEAR(yLabels[i].top, 5.0 * i - 0.5, 1e-12);
        EXPECT_NEAR(yLabels[i].bottom, 5.0 * i + 0.5, 1e-12);
    }
    const Placed& yAxisLabel = Text("Y-Axis");
    EXPECT_EQ(yAxisLabel.type, VerticalTextType);
    EXPECT_EQ(yAxisLabel.id, 2u);
    EXPECT_NEAR(yAxisLabel.left, -0.9 - 3 * 0.5 - 1.5 * 1.2, 1e-12);
    EXPECT_NEAR(yAxisLabel.dCentreY(), 5.0, 1e-12);

    const std::vector<Placed> xTexts = Texts(3);
    ASSERT_EQ(xTexts.size(), 4u);
    const char* xLabels[] = {"0", "0.5", "1"};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(xTexts[i].text, xLabels[i]);
        EXPECT_NEAR(xTexts[i].dCentreX(), 5.0 * i, 1e-12);
        EXPECT_NEAR(xTexts[i].top, 10.9, 1e-12);
    }
    EXPECT_EQ(xTexts[3].text, "X-Axis");
    EXPECT_NEAR(xTexts[3].dCentreX(), 5.0, 1e-12);
    EXPECT_NEAR(xTexts[3].top, 11.9, 1e-12);
    EXPECT_NEAR(xTexts[3].bottom, 13.4, 1e-12);

    const Placed& title = Text("OC Curve");
    EXPECT_EQ(title.id, 1u);
    EXPECT_NEAR(title.top, -2.5, 1e-12);
    EXPECT_NEAR(title.bottom, -0.5, 1e-12);
    EXPECT_NEAR(title.dCentreX(), 5.0, 1e-12);

    // The axes, and the two lines closing the box on the right and at the top.
    auto lineFrom = [&](double x1, double y1, double x2, double y2, std::uint32_t id)
    {
        return Where(
                   [=](const Placed& p)
                   {
                       return p.type == LineType && p.id == id && p.left == x1 && p.top == y1 &&
                              p.right == x2 && p.bottom == y2;
                   })
            .size();
    };
    EXPECT_EQ(lineFrom(0, 0, 0, 10, 2), 1u);
    EXPECT_EQ(lineFrom(0, 10, 10, 10, 3), 1u);
    EXPECT_EQ(lineFrom(10, 0, 10, 10, 0), 1u);
    EXPECT_EQ(lineFrom(0, 0, 10, 0, 0), 1u);

    // Outside tics: major at the values, four minor between each two.
    const auto yTics = TicsAcrossY(0.0);
    ASSERT_EQ(yTics.size(), 11u);
    for (int m = 0; m <= 10; ++m)
    {
        const double length = m % 5 == 0 ? 0.4 : 0.2;
        EXPECT_NEAR(yTics[m].first, -length, 1e-12);
        EXPECT_EQ(yTics[m].second, 0.0);
    }
    const auto xTics = TicsAcrossX(10.0);
    ASSERT_EQ(xTics.size(), 11u);
    EXPECT_EQ(xTics[0].first, 0.0);
    EXPECT_NEAR(xTics[0].second, 0.4, 1e-12);
    EXPECT_NEAR(xTics[1].second, 0.2, 1e-12);

    // The key: the line's label, and its sample drawn in its style beside it.
    const Placed& key = Text("plan");
    EXPECT_EQ(key.id, 1001u);
    EXPECT_NEAR(key.left, 16.0, 1e-12);
    EXPECT_EQ(key.top, 0.0);
    EXPECT_EQ(lineFrom(12, 0.5, 15, 0.5, 1001), 1u);
}

TEST_F(PlotLayout, TitlesStackAboveTheFrame)
{
    plot.vdSetMainTitle("main");
    plot.vdSetSubTitle("C0 = 0, C1 = 1");
    plot.vdSetSubTitleSize(0.8);
    vdLayOut();
    EXPECT_NEAR(Text("C0 = 0, C1 = 1").top, -1.3, 1e-12);
    EXPECT_NEAR(Text("main").top, -3.3, 1e-12);

    // Outside tics on top of the plot push the titles up by their length.
    plot.vdSetAxisStyle(2);
    vdLayOut();
    EXPECT_NEAR(Text("main").top, -3.7, 1e-12);

    plot.vdSetMainTitle("");
    plot.vdSetSubTitle("");
    vdLayOut();
    EXPECT_TRUE(Texts(1).empty());
}

// A title wider than the picture the rest of the plot takes (at the default ratio and without a
// key, from the Y axis label at -4.2 to the edge of the last X value label at 10.245) is cut short
// with "..." to the longest beginning that fits and moved aside to stay within it, so that the
// drawing keeps its extent; the plot keeps the whole title.
TEST_F(PlotLayout, TitlesWiderThanThePictureAreCutShort)
{
    vdLayOut();
    const double left = drawing->dLeft();
    const double right = drawing->dRight();
    EXPECT_NEAR(left, -4.2, 1e-12);
    EXPECT_NEAR(right, 10.245, 1e-12);
    const std::string main = "Operating characteristic " + std::string(4000, 'W');
    const std::string sub = std::string(40, 'i') + " C0 = 0, C1 = 1 " + std::string(400, 'm');
    plot.vdSetMainTitle(main.c_str());
    plot.vdSetSubTitle(sub.c_str());
    vdLayOut();
    const std::vector<Placed> titles = Texts(1);
    ASSERT_EQ(titles.size(), 2u);
    // The main title stands above the sub title.
    const double mainTop = std::min(titles[0].top, titles[1].top);
    for (const Placed& title : titles)
    {
        const bool bMain = title.top == mainTop;
        const std::string& whole = bMain ? main : sub;
        const double size = bMain ? plot.dMainTitleSize() : plot.dSubTitleSize();
        ASSERT_GT(title.text.size(), 3u);
        const std::string kept = title.text.substr(0, title.text.size() - 3);
        EXPECT_EQ(title.text.substr(kept.size()), "...");
        EXPECT_EQ(whole.substr(0, kept.size()), kept);
        EXPECT_GE(title.left, left - 1e-12);
        EXPECT_LE(title.right, right + 1e-12);
        const String longer((whole.substr(0, kept.size() + 1) + "...").c_str());
        EXPECT_GT(longer.dWidth() * size, right - left) << title.text;
    }
    EXPECT_EQ(drawing->dLeft(), left);
    EXPECT_EQ(drawing->dRight(), right);
    EXPECT_EQ(plot.MainTitle().Text(), main);
}

TEST_F(PlotLayout, TicStylesOnAllFourAxes)
{
    plot.vdSetAxisStyle(2);
    plot.vdSetTicStyle(1);
    vdLayOut();
    ExpectTic(TicsAcrossY(0.0)[0], 0.0, 0.4);
    ExpectTic(TicsAcrossY(10.0)[0], -0.4, 0.0);
    ExpectTic(TicsAcrossX(10.0)[0], -0.4, 0.0);
    ExpectTic(TicsAcrossX(0.0)[0], 0.0, 0.4);
    EXPECT_NEAR(Text("0.5").right, -0.5, 1e-12);
    EXPECT_NEAR(Texts(3)[0].top, 10.5, 1e-12);

    plot.vdSetTicStyle(2);
    vdLayOut();
    ExpectTic(TicsAcrossY(0.0)[0], -0.4, 0.0);
    ExpectTic(TicsAcrossY(10.0)[0], 0.0, 0.4);
    ExpectTic(TicsAcrossX(10.0)[0], 0.0, 0.4);
    ExpectTic(TicsAcrossX(0.0)[0], -0.4, 0.0);

    plot.vdSetTicStyle(0);
    vdLayOut();
    ExpectTic(TicsAcrossY(0.0)[0], -0.4, 0.4);
    ExpectTic(TicsAcrossX(0.0)[1], -0.2, 0.2);

    // Axis style 0 has neither a second pair of axes nor lines closing the box.
    plot.vdSetAxisStyle(0);
    vdLayOut();
    EXPECT_TRUE(TicsAcrossX(0.0).empty());
    EXPECT_TRUE(TicsAcrossY(10.0).empty());
    EXPECT_TRUE(
        Where([](const Placed& p) { return p.type == LineType && p.bottom == 0 && p.right == 10; })
            .empty());
}

TEST_F(PlotLayout, AxesThroughTheOrigin)
{
    plot.vdSetAxisStyle(3);
    plot.vdSetXAxisMinimum(RealOf(1.0));
    plot.vdSetXAxisMaximum(RealOf(3.0));
    vdLayOut();
    // Y minimum 0 puts the X axis on the bottom edge; X minimum 1 keeps the Y axis on the left.
    EXPECT_EQ(Where([](const Placed& p) { return p.type == LineType && p.id == 3; })[0].top, 10.0);
    EXPECT_EQ(Where([](const Placed& p) { return p.type == LineType && p.id == 2; })[0].left, 0.0);

    plot.vdSetXAxisMinimum(RealOf(-1.0));
    plot.vdSetXAxisMaximum(RealOf(1.0));
    plot.vdSetYAxisMinimum(RealOf(-2.0));
    plot.vdSetYAxisMaximum(RealOf(2.0));
    vdLayOut();
    EXPECT_EQ(Where([](const Placed& p) { return p.type == LineType && p.id == 3; })[0].top, 5.0);
    EXPECT_EQ(Where([](const Placed& p) { return p.type == LineType && p.id == 2; })[0].left, 5.0);
    // Tics cross the axes; the value labels stay outside the plot area.
    ExpectTic(TicsAcrossY(5.0)[0], -0.4, 0.4);
    EXPECT_NEAR(Text("-2").right, -0.5, 1e-12);
    EXPECT_NEAR(Text("-1").top, 10.5, 1e-12);
}

TEST_F(PlotLayout, NumberOfValuesOnTheXAxis)
{
    plot.vdSetXAxisNumberValues(5);
    vdLayOut();
    const std::vector<Placed> labels = Texts(3);
    ASSERT_EQ(labels.size(), 6u);
    const char* expected[] = {"0", "0.25", "0.5", "0.75", "1"};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(labels[i].text, expected[i]);
        EXPECT_NEAR(labels[i].dCentreX(), 2.5 * i, 1e-12);
    }
    EXPECT_EQ(TicsAcrossX(10.0).size(), 4u * 5 + 1);
}

TEST_F(PlotLayout, AxisCountsBeyondWhatADrawingShowsAreClamped)
{
    plot.vdSetXAxisNumberValues(2000000000);
    vdLayOut();
    // 101 values, of whose labels every twentieth stays: "0", "0.2", ... "1" (1.23 wide, the
    // widest) a blank (0.25) apart at least, where every tenth would be 1 apart. Then the axis
    // label.
    const std::vector<Placed> labels = Texts(3);
    ASSERT_EQ(labels.size(), 7u);
    EXPECT_EQ(labels[1].text, "0.2");
    EXPECT_EQ(TicsAcrossX(10.0).size(), 100u * 5 + 1) << "every value keeps its tic";
}

TEST_F(PlotLayout, LabelledXAxis)
{
    const char* texts[] = {"Jan", "Feb", "Mar", "Apr", "May"};
    const Real values[] = {RealOf(1), RealOf(2), RealOf(3), RealOf(4), RealOf(5)};
    plot.vdSetXAxisLabels(texts, values);
    plot.vdSetXAxisNumberLabels(3);
    plot.vdSetAxisRatio(1.5);
    vdLayOut();
    const std::vector<Placed> labels = Texts(3);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0].text, "Jan");
    EXPECT_EQ(labels[1].text, "Mar");
    EXPECT_EQ(labels[2].text, "May");
    EXPECT_NEAR(labels[1].dCentreX(), 7.5, 1e-12);
    EXPECT_NEAR(labels[2].dCentreX(), 15.0, 1e-12);
    const auto tics = TicsAcrossX(10.0);
    ASSERT_EQ(tics.size(), 3u);

    // The ends taken from labels inside the list; those beyond the range are not shown.
    // Four labels to Apr, three asked for: the index step (3 / 2) is 1, so all four show.
    plot.vdSetXAxisMaximumLabel(3);
    vdLayOut();
    EXPECT_EQ(Texts(3).size(), 5u);
    plot.vdSetXAxisMinimumLabel(3);
    plot.vdSetXAxisMaximum(RealOf(5.0));
    vdLayOut();
    EXPECT_EQ(Texts(3)[0].text, "Apr");
}

TEST_F(PlotLayout, KeyOffAxisVariablesAndComments)
{
    plot.vdSetKeyTitle("Defective Units");
    plot.vdAddBlankLine("hidden", nullptr, 0.2, 0, 0);
    plot.vdAddBlankLine("shown", "0.02", 0.2, 0xFF, 2);
    plot.vdAddOffAxisVariable("n", "50", nullptr);
    plot.vdAddComment("note");
    plot.vdAddComment("second");
    vdLayOut();
    const Placed& title = Text("Defective Units");
    EXPECT_EQ(title.id, 5u);
    EXPECT_EQ(title.left, 12.0);
    EXPECT_EQ(title.top, 0.0);
    // A line neither drawn nor marked has no entry but keeps its number.
    EXPECT_TRUE(Where([](const Placed& p) { return p.text == "hidden"; }).empty());
    EXPECT_EQ(Text("shown").id, 1002u);
    EXPECT_EQ(Text("shown").top, 1.25);
    EXPECT_EQ(Where([](const Placed& p) { return p.type == LineType && p.id == 1002; })[0].top,
              1.75);
    EXPECT_EQ(Text("n = 50").id, 2001u);
    EXPECT_EQ(Text("n = 50").top, 2.75);
    EXPECT_EQ(Text("note").id, 3001u);
    EXPECT_EQ(Text("note").top, 4.25);
    EXPECT_EQ(Text("second").id, 3002u);
    EXPECT_EQ(Text("second").top, 5.25);

    plot.vdSetKeyShowsValues(true);
    plot.vdSetDisplayOffAxis(false);
    plot.vdSetDisplayComments(false);
    vdLayOut();
    EXPECT_EQ(Text("shown = 0.02").id, 1002u);
    EXPECT_TRUE(Texts(2001).empty());
    EXPECT_TRUE(Texts(3001).empty());

    plot.vdSetDisplayKey(false);
    vdLayOut();
    EXPECT_TRUE(Texts(5).empty());
    EXPECT_TRUE(Texts(1002).empty());
}

TEST_F(PlotLayout, ItemsBeyondTheDialogsCodesDoNotReactToTheMouse)
{
    for (int i = 0; i < 1000; ++i)
    {
        plot.vdAddBlankLine(i == 998 ? "last coded" : "line", nullptr, 0, 0, 1);
    }
    vdLayOut();
    EXPECT_EQ(Text("last coded").id, 1999u);
    EXPECT_EQ(placed.back().type, LineType);
    EXPECT_EQ(placed.back().id, 0u);
}

TEST_F(PlotLayout, LinesAndTheirMarkers)
{
    plot.vdSetAxisRatio(1.5);
    TestCurve curve([](const TestCurve&, double x) { return x; });
    plot.vdAddLine(TestCurve::Point, nullptr, &curve, &variable, "connected", nullptr, 0.3, 0xFF,
                   1);
    plot.vdAddLineWithValue(TestCurve::Point, nullptr, &curve, &variable, 0.25, "points", nullptr,
                            0.2, 0xFF00, 1, false, 9, 0.4);
    plot.vdAddLineWithValue(TestCurve::Point, nullptr, &curve, &variable, 0.001, "dense", nullptr,
                            0.2, 0xFF0000, 1, false, 9, 0.4);
    plot.vdAddBlankLine("single", nullptr, 0.2, 0, 1);
    plot.vdSetLinePointStyle(4, 2);
    plot.vdSetLinePointSize(4, 1.0);
    const Real x[] = {RealOf(0.5)};
    const Real y[] = {RealOf(0.5)};
    plot.vdSetLinePoints(4, x, y);
    vdLayOut();

    const auto polylines = Where([](const Placed& p) { return p.type == PolyLineType; });
    ASSERT_EQ(polylines.size(), 2u);
    EXPECT_EQ(polylines[0].id, 1001u);
    EXPECT_EQ(polylines[0].right, 15.0);
    EXPECT_EQ(polylines[0].top, 0.0);
    EXPECT_EQ(PaintedBy(*polylines[0].object).points.size(), 51u);
    // The step line too dense for its step is drawn connected, without markers.
    EXPECT_EQ(polylines[1].id, 1003u);

    const auto markers =
        Where([](const Placed& p) { return p.type == PolyType && p.id == 1002 && p.right < 16; });
    ASSERT_EQ(markers.size(), 5u);
    EXPECT_NEAR(markers[2].dCentreX(), 7.5, 1e-12);
    EXPECT_NEAR(markers[2].dCentreY(), 5.0, 1e-12);
    EXPECT_NEAR(markers[2].right - markers[2].left, 0.4, 1e-12);
    EXPECT_TRUE(Where([](const Placed& p) { return p.type == PolyType && p.id == 1003; }).size() ==
                1u); // the key's marker only

    // A segment of one point has no polyline, only its marker.
    const auto single = Where([](const Placed& p) { return p.id == 1004 && p.type == RectType; });
    ASSERT_EQ(single.size(), 2u); // the key's marker and the point's
    EXPECT_EQ(single[1].left, 7.0);
    EXPECT_EQ(single[1].right, 8.0);
    EXPECT_EQ(single[1].top, 4.5);
}

TEST_F(PlotLayout, PointMarkerShapes)
{
    Drawing d;
    for (std::uint8_t style = 0; style <= 10; ++style)
    {
        Plot::vdAddPointMarker(d, style, 2.0, 3.0, 1.2, 0xFF, 7);
    }
    ASSERT_EQ(d.Count(), 9u);
    const int types[] = {EllipType, RectType, PolyType, PolyType, EllipType,
                         RectType,  PolyType, PolyType, PolyType};
    const std::size_t points[] = {2, 2, 5, 4, 2, 2, 5, 4, 13};
    for (std::uint32_t i = 1; i <= 9; ++i)
    {
        const DrawingObject& marker = *d.Object(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(marker.uType(), types[i - 1]);
        EXPECT_EQ(marker.uID, 7u);
        EXPECT_NEAR(marker.dLeft(), 1.4, 1e-12);
        EXPECT_NEAR(marker.dRight(), 2.6, 1e-12);
        EXPECT_NEAR(marker.dTop(), 2.4, 1e-12);
        EXPECT_NEAR(marker.dBottom(), 3.6, 1e-12);
        const RecordingCanvas::Painted figure = PaintedBy(marker);
        EXPECT_EQ(figure.points.size(), points[i - 1]);
        EXPECT_EQ(figure.brush.hollow, i <= 4);
    }
}

TEST_F(PlotLayout, ShadedRegions)
{
    plot.vdSetXAxisMaximum(RealOf(2.0));
    Real open;
    open.vdSetMessage("open");
    plot.vdAddShadedRegion(RealOf(0.5), open, RealOf(0.25), open, 0xC0C0C0);
    plot.vdAddShadedRegion(open, RealOf(1.0), open, RealOf(0.5), 0x808080);
    plot.vdAddShadedRegion(RealOf(3.0), open, open, open, 0xFF);          // right of the plot
    plot.vdAddShadedRegion(open, open, RealOf(-2.0), RealOf(-1.0), 0xFF); // below it
    plot.vdAddShadedRegion(RealOf(-1.0), RealOf(5.0), RealOf(-1.0), RealOf(5.0), 0xFF00);
    vdLayOut();
    const auto regions = Where([](const Placed& p) { return p.type == RectType && p.id == 0; });
    ASSERT_EQ(regions.size(), 3u);
    EXPECT_EQ(regions[0].left, 2.5);
    EXPECT_EQ(regions[0].right, 10.0);
    EXPECT_EQ(regions[0].top, 0.0);
    EXPECT_EQ(regions[0].bottom, 7.5);
    EXPECT_EQ(regions[1].left, 0.0);
    EXPECT_EQ(regions[1].right, 5.0);
    EXPECT_EQ(regions[1].top, 5.0);
    EXPECT_EQ(regions[1].bottom, 10.0);
    EXPECT_EQ(regions[2].left, 0.0);
    EXPECT_EQ(regions[2].right, 10.0);
    // Regions come first, under everything else.
    EXPECT_EQ(placed[0].type, RectType);

    plot.vdSetDisplayShadedRegions(false);
    vdLayOut();
    EXPECT_TRUE(Where([](const Placed& p) { return p.type == RectType; }).empty());
}

TEST_F(PlotLayout, ReversedRangesLayOutWithoutCurves)
{
    plot.vdSetYAxisMaximum(RealOf(-1));
    plot.vdSetXAxisMinimum(RealOf(1));
    plot.vdSetAxisStyle(3);
    TestCurve curve([](const TestCurve&, double x) { return x; });
    plot.vdAddLine(TestCurve::Point, nullptr, &curve, &variable, "line", nullptr, 0.2, 0, 1);
    vdLayOut();
    EXPECT_EQ(Text("-1").id, 2u);
    EXPECT_EQ(plot.SegmentCount(), 0u);
    for (const Placed& p : placed)
    {
        EXPECT_TRUE(std::isfinite(p.left) && std::isfinite(p.top));
        EXPECT_TRUE(std::isfinite(p.right) && std::isfinite(p.bottom));
    }
}

// The OC curve of the single plan n = 50, c = 1 over p in [0, 0.1], kept as a picture to look at.
TEST_F(PlotLayout, OperatingCharacteristicPicture)
{
    plot.vdSetResolution(3);
    plot.vdSetMainTitle("OC Curve");
    plot.vdSetYAxisLabel("Pa");
    plot.vdSetXAxisLabel("Fraction Defective");
    plot.vdSetKeyTitle("Defective Units");
    plot.vdSetAxisRatio(1.5);
    plot.vdSetXAxisMaximum(RealOf(0.1));
    TestCurve oc([](const TestCurve&, double p)
                 { return std::pow(1 - p, 50) + 50 * p * std::pow(1 - p, 49); });
    plot.vdAddLine(TestCurve::Point, nullptr, &oc, &variable, "Single: n=50, a=1", "0", 0.2,
                   0x0000FF, 1);
    vdLayOut();
    EXPECT_EQ(oc.calls, 1001);

    const double unit = 40.0;
    const double width = (drawing->dRight() - drawing->dLeft()) * unit;
    const double height = (drawing->dBottom() - drawing->dTop()) * unit;
    SvgCanvas canvas(static_cast<int>(width), static_cast<int>(height));
    drawing->vdDraw(canvas, 0, 0, width, height, 0xFFFFFF);
    const std::string svg = canvas.Document();
    EXPECT_NE(svg.find("<polyline"), std::string::npos);
    EXPECT_NE(svg.find("OC Curve"), std::string::npos);
    std::ofstream(std::string(VELTRAME_ARTIFACT_DIR) + "/plot-oc-curve.svg") << svg;
}

} // namespace
} // namespace Brosquin
