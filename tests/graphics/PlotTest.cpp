#include "graphics/Plot.h"

#include "graphics/Drawing.h"
#include "tests/graphics/PlotTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace Brosquin
{
namespace
{

std::string Str(const String& s)
{
    return s.Text();
}
std::string Str(const Real& r)
{
    return r.Text(0, true);
}

TEST(PlotDefaults, EveryFieldAsConstructed)
{
    OptimizationInput variable;
    Plot plot(&variable, 2);
    EXPECT_EQ(Str(plot.MainTitle()), "");
    EXPECT_EQ(plot.dMainTitleSize(), 2.0);
    EXPECT_EQ(plot.MainTitleColor(), 0xFF0000u);
    EXPECT_EQ(Str(plot.SubTitle()), "");
    EXPECT_EQ(plot.dSubTitleSize(), 1.5);
    EXPECT_EQ(plot.SubTitleColor(), 0u);
    EXPECT_EQ(Str(plot.YAxisLabel()), "Y-Axis");
    EXPECT_EQ(plot.dYAxisLabelSize(), 1.5);
    EXPECT_TRUE(plot.bYAxisLabelVertical());
    EXPECT_EQ(Str(plot.YAxisMinimum()), "0");
    EXPECT_EQ(Str(plot.YAxisMaximum()), "1");
    EXPECT_EQ(plot.dYAxisScaleSize(), 1.0);
    EXPECT_EQ(plot.YAxisNumberValues(), 3);
    EXPECT_EQ(plot.YAxisNumberTics(), 4);
    EXPECT_EQ(Str(plot.XAxisLabel()), "X-Axis");
    EXPECT_EQ(plot.dXAxisLabelSize(), 1.5);
    EXPECT_EQ(plot.XLabelCount(), 0u);
    EXPECT_EQ(plot.XAxisNumberLabels(), 2u);
    EXPECT_EQ(Str(plot.XAxisMinimum()), "0");
    EXPECT_EQ(Str(plot.XAxisMaximum()), "1");
    EXPECT_EQ(plot.XAxisNumberValues(), 3);
    EXPECT_EQ(plot.XAxisNumberTics(), 4);
    EXPECT_EQ(plot.dXAxisScaleSize(), 1.0);
    EXPECT_EQ(plot.AxisStyle(), 1);
    EXPECT_EQ(plot.TicStyle(), 2);
    EXPECT_EQ(plot.dTicSizeNumber(), 0.4);
    EXPECT_EQ(plot.dTicSizeBetween(), 0.2);
    EXPECT_EQ(plot.dAxisRatio(), 1.0);
    EXPECT_FALSE(plot.bAutoScale());
    EXPECT_FALSE(plot.bScaleChanged());
    EXPECT_FALSE(plot.bRebuild());
    EXPECT_EQ(plot.LineCount(), 0u);
    EXPECT_EQ(plot.dKeyLineSize(), 1.0);
    EXPECT_FALSE(plot.bKeyShowsValues());
    EXPECT_TRUE(plot.bDisplayKey());
    EXPECT_EQ(Str(plot.KeyTitle()), "");
    EXPECT_EQ(plot.dKeyTitleSize(), 1.0);
    EXPECT_EQ(plot.KeyTitleColor(), 0u);
    EXPECT_EQ(plot.OffAxisCount(), 0u);
    EXPECT_EQ(plot.dOffAxisSize(), 1.0);
    EXPECT_TRUE(plot.bDisplayOffAxis());
    EXPECT_EQ(plot.CommentCount(), 0u);
    EXPECT_EQ(plot.dCommentsSize(), 1.0);
    EXPECT_TRUE(plot.bDisplayComments());
    EXPECT_EQ(plot.ShadedRegionCount(), 0u);
    EXPECT_TRUE(plot.bDisplayShadedRegions());
    EXPECT_EQ(plot.Resolution(), 2);
    EXPECT_EQ(plot.SegmentCount(), 0u);
    EXPECT_FALSE(plot.bDrawingOutOfDate());
    EXPECT_FALSE(plot.bModified());
    EXPECT_FALSE(plot.bVariableNumberOfLines());
}

TEST(PlotDefaults, ResolutionOutsideTheTableIsLow)
{
    EXPECT_EQ(Plot(nullptr, 4).Resolution(), 0);
    EXPECT_EQ(Plot(nullptr, -1).Resolution(), 0);
}

TEST(PlotOptionTables, AsTheDialogShowsThem)
{
    Plot plot(nullptr, 0);
    const char* const* names = plot.GetLineResolutionList();
    EXPECT_STREQ(names[0], "Low          (50 pts)");
    EXPECT_STREQ(names[3], "Extra High (1000 pts)");
    EXPECT_EQ(names[Plot::ResolutionCount], nullptr);
    EXPECT_EQ(Plot::ResolutionPoints[0], 50);
    EXPECT_EQ(Plot::ResolutionPoints[3], 1000);

    EXPECT_EQ(Plot::ColorNames[Plot::ColorCount], nullptr);
    EXPECT_STREQ(Plot::ColorNames[10], "Orange");
    EXPECT_EQ(Plot::ColorValues[10], 0x0040FFu); // red 255, green 64, blue 0
    EXPECT_STREQ(Plot::ColorNames[12], "Purple");
    EXPECT_EQ(Plot::ColorValues[12], 0xFF0080u); // red 128, green 0, blue 255
    EXPECT_STREQ(Plot::ColorNames[16], "Yellow");
    EXPECT_EQ(Plot::ColorValues[16], 0x00FFFFu);

    EXPECT_EQ(Plot::DefaultLineColors[0], 0x000000u);
    EXPECT_EQ(Plot::DefaultLineColors[9], 0xC0C0C0u);
    EXPECT_STREQ(Plot::SizeChoices[0], "4 x");
    EXPECT_STREQ(Plot::SizeChoices[6], "Normal");
    EXPECT_STREQ(Plot::SizeChoices[10], "0.2 x");
    EXPECT_EQ(Plot::SizeChoices[11], nullptr);
}

TEST(PlotSizeText, FromText)
{
    EXPECT_EQ(Plot::dSizeFromText("  Normal \t\r\n"), 1.0);
    EXPECT_EQ(Plot::dSizeFromText("1.5 x"), 1.5);
    EXPECT_EQ(Plot::dSizeFromText("2"), 2.0);
    EXPECT_EQ(Plot::dSizeFromText("0.75x"), 0.75);
    EXPECT_EQ(Plot::dSizeFromText("big"), -1.0);
    EXPECT_EQ(Plot::dSizeFromText("0 x"), -1.0);
    EXPECT_EQ(Plot::dSizeFromText("-1"), -1.0);
    EXPECT_EQ(Plot::dSizeFromText("2 X"), -1.0);
    EXPECT_EQ(Plot::dSizeFromText("x"), -1.0);
    EXPECT_EQ(Plot::dSizeFromText(""), -1.0);
}

TEST(PlotSizeText, ToText)
{
    String out("old");
    Plot::vdSizeToText(1.0, out);
    EXPECT_EQ(Str(out), "Normal");
    Plot::vdSizeToText(2.5, out);
    EXPECT_EQ(Str(out), "2.5 x");
    Plot::vdSizeToText(0.75, out);
    EXPECT_EQ(Str(out), "0.75 x");
    Plot::vdSizeToText(0.0, out);
    EXPECT_EQ(Str(out), "");
    Plot::vdSizeToText(-3.0, out);
    EXPECT_EQ(Str(out), "");
    Plot::vdSizeToText(std::nan(""), out);
    EXPECT_EQ(Str(out), "");
}

// One setter applied to a plot whose drawing is up to date: with a new value it marks the
// drawing out of date and sets the further flags named; with the value already held it sets
// nothing.
struct SetterCase
{
    const char* name;
    std::function<void(Plot&)> change;
    std::function<void(Plot&)> same;
    bool scaleChanged;
    bool rebuild;
};

// A plot with one item of every list, drawn, so that every flag but modified is clear.
void vdPrepare(Plot& plot)
{
    plot.vdAddBlankLine("line", "1", 0.2, 0, 1);
    plot.vdAddOffAxisVariable("n", "50", nullptr);
    plot.vdAddComment("note");
    const char* texts[] = {"a", "b", "c"};
    const Real values[] = {RealOf(1.0), RealOf(2.0), RealOf(3.0)};
    plot.vdSetXAxisLabels(texts, values);
    plot.vdSetAutoScale(true);
    delete plot.GetDrawing();
}

class PlotSetters : public ::testing::TestWithParam<SetterCase>
{
};

TEST_P(PlotSetters, FlagsOnChangeOnly)
{
    const SetterCase& setter = GetParam();
    Plot unchanged(nullptr, 0);
    vdPrepare(unchanged);
    ASSERT_FALSE(unchanged.bDrawingOutOfDate() || unchanged.bScaleChanged() ||
                 unchanged.bRebuild());
    setter.same(unchanged);
    EXPECT_FALSE(unchanged.bDrawingOutOfDate());
    EXPECT_FALSE(unchanged.bScaleChanged());
    EXPECT_FALSE(unchanged.bRebuild());

    Plot plot(nullptr, 0);
    vdPrepare(plot);
    setter.change(plot);
    EXPECT_TRUE(plot.bDrawingOutOfDate());
    EXPECT_TRUE(plot.bModified());
    EXPECT_EQ(plot.bScaleChanged(), setter.scaleChanged);
    EXPECT_EQ(plot.bRebuild(), setter.rebuild);
}

const SetterCase setterCases[] = {
    {"MainTitle", [](Plot& p) { p.vdSetMainTitle("OC Curve"); },
     [](Plot& p) { p.vdSetMainTitle(""); }, false, false},
    {"MainTitleSize", [](Plot& p) { p.vdSetMainTitleSize(3.0); },
     [](Plot& p) { p.vdSetMainTitleSize(2.0); }, false, false},
    {"MainTitleColor", [](Plot& p) { p.vdSetMainTitleColor(0); },
     [](Plot& p) { p.vdSetMainTitleColor(0xFF0000); }, false, false},
    {"SubTitle", [](Plot& p) { p.vdSetSubTitle("sub"); }, [](Plot& p) { p.vdSetSubTitle(""); },
     false, false},
    {"SubTitleSize", [](Plot& p) { p.vdSetSubTitleSize(0.8); },
     [](Plot& p) { p.vdSetSubTitleSize(1.5); }, false, false},
    {"SubTitleColor", [](Plot& p) { p.vdSetSubTitleColor(0xFF); },
     [](Plot& p) { p.vdSetSubTitleColor(0); }, false, false},
    {"YAxisLabel", [](Plot& p) { p.vdSetYAxisLabel("Pa"); },
     [](Plot& p) { p.vdSetYAxisLabel("Y-Axis"); }, false, false},
    {"YAxisLabelSize", [](Plot& p) { p.vdSetYAxisLabelSize(2.0); },
     [](Plot& p) { p.vdSetYAxisLabelSize(1.5); }, false, false},
    {"YAxisLabelVertical", [](Plot& p) { p.vdSetYAxisLabelVertical(false); },
     [](Plot& p) { p.vdSetYAxisLabelVertical(true); }, false, false},
    {"YAxisMinimum", [](Plot& p) { p.vdSetYAxisMinimum(RealOf(-1.0)); },
     [](Plot& p) { p.vdSetYAxisMinimum(RealOf(0.0)); }, false, true},
    {"YAxisMaximum", [](Plot& p) { p.vdSetYAxisMaximum(RealOf(2.0)); },
     [](Plot& p) { p.vdSetYAxisMaximum(RealOf(1.0 + 1e-16)); }, false, true},
    {"YAxisScaleSize", [](Plot& p) { p.vdSetYAxisScaleSize(2.0); },
     [](Plot& p) { p.vdSetYAxisScaleSize(1.0); }, false, false},
    {"YAxisNumberValues", [](Plot& p) { p.vdSetYAxisNumberValues(5); },
     [](Plot& p) { p.vdSetYAxisNumberValues(3); }, false, false},
    {"YAxisNumberTics", [](Plot& p) { p.vdSetYAxisNumberTics(1); },
     [](Plot& p) { p.vdSetYAxisNumberTics(4); }, false, false},
    {"XAxisLabel", [](Plot& p) { p.vdSetXAxisLabel("p"); },
     [](Plot& p) { p.vdSetXAxisLabel("X-Axis"); }, false, false},
    {"XAxisLabelSize", [](Plot& p) { p.vdSetXAxisLabelSize(2.0); },
     [](Plot& p) { p.vdSetXAxisLabelSize(1.5); }, false, false},
    {"XAxisMinimum", [](Plot& p) { p.vdSetXAxisMinimum(RealOf(0.5)); },
     [](Plot& p) { p.vdSetXAxisMinimum(RealOf(1.0)); }, true, true},
    {"XAxisMaximum", [](Plot& p) { p.vdSetXAxisMaximum(RealOf(5.0)); },
     [](Plot& p) { p.vdSetXAxisMaximum(RealOf(3.0)); }, true, true},
    {"XAxisScaleSize", [](Plot& p) { p.vdSetXAxisScaleSize(2.0); },
     [](Plot& p) { p.vdSetXAxisScaleSize(1.0); }, false, false},
    {"XAxisNumberValues", [](Plot& p) { p.vdSetXAxisNumberValues(5); },
     [](Plot& p) { p.vdSetXAxisNumberValues(3); }, false, false},
    {"XAxisNumberTics", [](Plot& p) { p.vdSetXAxisNumberTics(0); },
     [](Plot& p) { p.vdSetXAxisNumberTics(4); }, false, false},
    {"XAxisMinimumLabel", [](Plot& p) { p.vdSetXAxisMinimumLabel(1); },
     [](Plot& p) { p.vdSetXAxisMinimumLabel(0); }, true, true},
    {"XAxisMaximumLabel", [](Plot& p) { p.vdSetXAxisMaximumLabel(1); },
     [](Plot& p) { p.vdSetXAxisMaximumLabel(2); }, true, true},
    {"XAxisNumberLabels", [](Plot& p) { p.vdSetXAxisNumberLabels(2); },
     [](Plot& p) { p.vdSetXAxisNumberLabels(1); }, false, false},
    {"AxisStyle", [](Plot& p) { p.vdSetAxisStyle(3); }, [](Plot& p) { p.vdSetAxisStyle(1); }, false,
     false},
    {"TicStyle", [](Plot& p) { p.vdSetTicStyle(0); }, [](Plot& p) { p.vdSetTicStyle(2); }, false,
     false},
    {"TicSizeNumber", [](Plot& p) { p.vdSetTicSizeNumber(0.5); },
     [](Plot& p) { p.vdSetTicSizeNumber(0.4); }, false, false},
    {"TicSizeBetween", [](Plot& p) { p.vdSetTicSizeBetween(0.1); },
     [](Plot& p) { p.vdSetTicSizeBetween(0.2); }, false, false},
    {"AxisRatio", [](Plot& p) { p.vdSetAxisRatio(1.5); }, [](Plot& p) { p.vdSetAxisRatio(1.0); },
     false, false},
    {"KeyLineSize", [](Plot& p) { p.vdSetKeyLineSize(0.8); },
     [](Plot& p) { p.vdSetKeyLineSize(1.0); }, false, false},
    {"KeyTitle", [](Plot& p) { p.vdSetKeyTitle("Defective Units"); },
     [](Plot& p) { p.vdSetKeyTitle(""); }, false, false},
    {"KeyTitleSize", [](Plot& p) { p.vdSetKeyTitleSize(1.2); },
     [](Plot& p) { p.vdSetKeyTitleSize(1.0); }, false, false},
    {"KeyTitleColor", [](Plot& p) { p.vdSetKeyTitleColor(0xFF); },
     [](Plot& p) { p.vdSetKeyTitleColor(0); }, false, false},
    {"DisplayKey", [](Plot& p) { p.vdSetDisplayKey(false); },
     [](Plot& p) { p.vdSetDisplayKey(true); }, false, false},
    {"DisplayOffAxis", [](Plot& p) { p.vdSetDisplayOffAxis(false); },
     [](Plot& p) { p.vdSetDisplayOffAxis(true); }, false, false},
    {"DisplayComments", [](Plot& p) { p.vdSetDisplayComments(false); },
     [](Plot& p) { p.vdSetDisplayComments(true); }, false, false},
    {"OffAxisSize", [](Plot& p) { p.vdSetOffAxisSize(2.0); },
     [](Plot& p) { p.vdSetOffAxisSize(1.0); }, false, false},
    {"CommentsSize", [](Plot& p) { p.vdSetCommentsSize(2.0); },
     [](Plot& p) { p.vdSetCommentsSize(1.0); }, false, false},
    {"Resolution", [](Plot& p) { p.vdSetResolution(3); }, [](Plot& p) { p.vdSetResolution(7); },
     false, true},
    {"OffAxisVariableName", [](Plot& p) { p.vdSetOffAxisVariableName(1, "N"); },
     [](Plot& p) { p.vdSetOffAxisVariableName(1, "n"); }, false, false},
    {"OffAxisVariableValue", [](Plot& p) { p.vdSetOffAxisVariableValue(1, "60"); },
     [](Plot& p) { p.vdSetOffAxisVariableValue(1, "50.0"); }, true, true},
    {"Comment", [](Plot& p) { p.vdSetComment(1, "other"); },
     [](Plot& p) { p.vdSetComment(2, "other"); }, false, false},
    {"LineLabel", [](Plot& p) { p.vdSetLineLabel(1, "plan"); },
     [](Plot& p) { p.vdSetLineLabel(1, "line"); }, false, false},
    {"LineValueText", [](Plot& p) { p.vdSetLineValueText(1, "2"); },
     [](Plot& p) { p.vdSetLineValueText(1, "1"); }, false, true},
    {"LineValue", [](Plot& p) { p.vdSetLineValue(1, 0.01); },
     [](Plot& p) { p.vdSetLineValue(1, 0.0); }, false, true},
    {"LineThickness", [](Plot& p) { p.vdSetLineThickness(1, 0.4); },
     [](Plot& p) { p.vdSetLineThickness(1, 0.2); }, false, false},
    {"LinePointSize", [](Plot& p) { p.vdSetLinePointSize(1, 0.4); },
     [](Plot& p) { p.vdSetLinePointSize(2, 0.4); }, false, false},
    {"LineColor", [](Plot& p) { p.vdSetLineColor(1, 0xFF); },
     [](Plot& p) { p.vdSetLineColor(1, 0); }, false, false},
    {"LineStyle", [](Plot& p) { p.vdSetLineStyle(1, 2); }, [](Plot& p) { p.vdSetLineStyle(1, 1); },
     false, false},
    {"LinePointStyle", [](Plot& p) { p.vdSetLinePointStyle(1, 9); },
     [](Plot& p) { p.vdSetLinePointStyle(1, 0); }, false, false},
    {"LineConnectPoints", [](Plot& p) { p.vdSetLineConnectPoints(1, false); },
     [](Plot& p) { p.vdSetLineConnectPoints(1, true); }, false, false},
    {"DisplayShadedRegions", [](Plot& p) { p.vdSetDisplayShadedRegions(false); },
     [](Plot& p) { p.vdSetDisplayShadedRegions(true); }, false, false},
    {"KeyShowsValues", [](Plot& p) { p.vdSetKeyShowsValues(true); },
     [](Plot& p) { p.vdSetKeyShowsValues(false); }, false, false},
};

INSTANTIATE_TEST_SUITE_P(EverySetter, PlotSetters, ::testing::ValuesIn(setterCases),
                         [](const ::testing::TestParamInfo<SetterCase>& info)
                         { return std::string(info.param.name); });

TEST(PlotSetterRules, ATitleSetToItsTextLeavesTheFlagsClear)
{
    Plot plot(nullptr, 0);
    plot.vdSetMainTitle("");
    plot.vdSetYAxisLabel("Y-Axis");
    EXPECT_FALSE(plot.bModified());
    EXPECT_FALSE(plot.bDrawingOutOfDate());
    plot.vdSetMainTitle("OC Curve");
    EXPECT_TRUE(plot.bModified());
    EXPECT_TRUE(plot.bDrawingOutOfDate());
}

TEST(PlotSetterRules, OffAxisValueIsReadAndRewrittenWithFiveDigits)
{
    Plot plot(nullptr, 0);
    plot.vdAddOffAxisVariable("C0", "1", nullptr);
    plot.vdSetOffAxisVariableValue(1, "0.123456");
    EXPECT_EQ(Str(plot.OffAxisVariable(1)->value), "0.123456");
    EXPECT_EQ(Str(plot.OffAxisVariable(1)->valueText), "0.12346");
    plot.vdSetOffAxisVariableValue(1, "not a number");
    EXPECT_EQ(Str(plot.OffAxisVariable(1)->value), "0.123456");
    EXPECT_EQ(Str(plot.OffAxisVariable(1)->valueText), "0.12346");
    plot.vdSetOffAxisVariableValue(1, "1.5 10^-8");
    EXPECT_EQ(Str(plot.OffAxisVariable(1)->valueText), "1.5 10^-8");
    EXPECT_EQ(plot.OffAxisVariable(2), nullptr);

    // A variable that starts without a number can still be given one.
    plot.vdAddOffAxisVariable("C1", "none", nullptr);
    EXPECT_EQ(Str(plot.OffAxisVariable(2)->value), "\"Illegal string\"");
    plot.vdSetOffAxisVariableValue(2, "2");
    EXPECT_EQ(Str(plot.OffAxisVariable(2)->value), "2");
}

TEST(PlotSetterRules, LabelsOfTheXAxis)
{
    Plot plot(nullptr, 0);
    const char* texts[] = {"Jan", "Feb", "Mar", "Apr", "May"};
    const Real values[] = {RealOf(1), RealOf(2), RealOf(3), RealOf(4), RealOf(5)};
    plot.vdSetXAxisLabels(texts, values);
    EXPECT_EQ(plot.XLabelCount(), 5u);
    EXPECT_EQ(Str(plot.XAxisMinimum()), "1");
    EXPECT_EQ(Str(plot.XAxisMaximum()), "5");
    plot.vdSetXAxisNumberLabels(1);
    EXPECT_EQ(plot.XAxisNumberLabels(), 5u);
    plot.vdSetXAxisNumberLabels(6);
    EXPECT_EQ(plot.XAxisNumberLabels(), 5u);
    plot.vdSetXAxisNumberLabels(3);
    EXPECT_EQ(plot.XAxisNumberLabels(), 3u);
    plot.vdSetXAxisMinimumLabel(1);
    EXPECT_EQ(Str(plot.XAxisMinimum()), "2");
    plot.vdSetXAxisMaximumLabel(5);
    EXPECT_EQ(plot.XAxisMaximumLabel(), 4u);
    EXPECT_EQ(Str(plot.XLabelText(2)), "Mar");

    // One label alone cannot make an axis; none makes it numeric again.
    plot.vdSetXAxisLabels(std::span<const char* const>(texts, 1), std::span<const Real>(values, 1));
    EXPECT_EQ(plot.XLabelCount(), 5u);
    plot.vdSetXAxisLabels({}, {});
    EXPECT_EQ(plot.XLabelCount(), 0u);
}

TEST(PlotSetterRules, AutoScaleFlag)
{
    Plot plot(nullptr, 0);
    plot.vdSetAutoScale(true);
    EXPECT_TRUE(plot.bModified());
    EXPECT_FALSE(plot.bDrawingOutOfDate());
    Plot scaled(nullptr, 0);
    scaled.vdSetXAxisMaximum(RealOf(2.0));
    delete scaled.GetDrawing();
    ASSERT_TRUE(scaled.bScaleChanged());
    scaled.vdSetAutoScale(true);
    EXPECT_TRUE(scaled.bDrawingOutOfDate());
    delete scaled.GetDrawing();
    EXPECT_FALSE(scaled.bScaleChanged());
}

TEST(PlotSetterRules, CurvesMarkedOutOfDateAreRecalculated)
{
    Plot plot(nullptr, 0);
    delete plot.GetDrawing();
    plot.vdMarkCurvesOutOfDate();
    EXPECT_TRUE(plot.bRebuild());
    EXPECT_TRUE(plot.bDrawingOutOfDate());
    EXPECT_FALSE(plot.bModified());
}

TEST(PlotSetterRules, BadIndexesAndNullTextsChangeNothing)
{
    Plot plot(nullptr, 0);
    plot.vdSetLineLabel(1, "x");
    plot.vdSetLineStyle(0, 2);
    plot.vdSetOffAxisVariableValue(1, "3");
    plot.vdSetComment(1, "x");
    plot.vdSetMainTitle(nullptr);
    plot.vdDeleteLine(1);
    plot.vdMoveLine(1, 2);
    plot.vdSetXAxisMinimumLabel(0);
    EXPECT_FALSE(plot.bModified());
    EXPECT_FALSE(plot.bDrawingOutOfDate());
    EXPECT_EQ(plot.Line(0), nullptr);
    EXPECT_EQ(plot.Line(1), nullptr);
    EXPECT_EQ(plot.Comment(1), nullptr);
    EXPECT_TRUE(plot.Segment(1).empty());
}

TEST(PlotSetterRules, MessageAxisEndsCanBeReplaced)
{
    Plot plot(nullptr, 0);
    Real message;
    message.vdSetMessage("Illegal string");
    plot.vdSetYAxisMinimum(message);
    EXPECT_EQ(Str(plot.YAxisMinimum()), "\"Illegal string\"");
    delete plot.GetDrawing();
    plot.vdSetYAxisMinimum(message);
    EXPECT_FALSE(plot.bDrawingOutOfDate());
    plot.vdSetYAxisMinimum(RealOf(0.25));
    EXPECT_EQ(Str(plot.YAxisMinimum()), "0.25");
}

TEST(PlotLines, AddedLinesCarryTheirAttributes)
{
    OptimizationInput variable;
    TestCurve curve([](const TestCurve&, double x) { return x; });
    Plot plot(&variable, 0);
    plot.vdAddLine(TestCurve::Point, nullptr, &curve, &variable, "Single: n=50, a=1", "0", 0.2,
                   0xFF, 1);
    plot.vdAddLineWithValue(TestCurve::Point, nullptr, &curve, &variable, 0.02, "finite", nullptr,
                            0.2, 0x00FF00, 1, false, 9, 0.4);
    plot.vdAddBlankLine("blank", "1.5", 0.1, 0, 3);
    ASSERT_EQ(plot.LineCount(), 3u);
    EXPECT_TRUE(plot.bRebuild());
    EXPECT_TRUE(plot.bModified());
    EXPECT_FALSE(plot.bScaleChanged());

    const LineInfo& first = *plot.Line(1);
    EXPECT_EQ(first.pointFunction, &TestCurve::Point);
    EXPECT_EQ(first.context1, &curve);
    EXPECT_EQ(first.context2, &variable);
    EXPECT_EQ(Str(first.stepValue), "0");
    EXPECT_EQ(Str(first.label), "Single: n=50, a=1");
    EXPECT_EQ(Str(first.valueText), "0");
    EXPECT_EQ(Str(first.value), "0");
    EXPECT_EQ(first.thickness, 0.2);
    EXPECT_EQ(first.colour, 0xFFu);
    EXPECT_EQ(first.style, 1);
    EXPECT_TRUE(first.connectPoints);
    EXPECT_EQ(first.pointStyle, 0);
    EXPECT_EQ(first.pointSize, 0.0);
    EXPECT_EQ(first.PointCount(), 0u);

    const LineInfo& second = *plot.Line(2);
    EXPECT_EQ(Str(second.stepValue), "0.02");
    EXPECT_EQ(Str(second.valueText), "");
    EXPECT_EQ(Str(second.value), "0");
    EXPECT_FALSE(second.connectPoints);
    EXPECT_EQ(second.pointStyle, 9);
    EXPECT_EQ(second.pointSize, 0.4);

    const LineInfo& third = *plot.Line(3);
    EXPECT_EQ(third.pointFunction, nullptr);
    EXPECT_EQ(third.context1, nullptr);
    EXPECT_EQ(Str(third.value), "1.5");
    EXPECT_EQ(third.style, 3);
}

TEST(PlotLines, DeleteAndMove)
{
    OptimizationInput variable;
    TestCurve curve([](const TestCurve&, double x) { return x; });
    Plot plot(&variable, 0);
    plot.vdAddBlankLine("a", nullptr, 0, 0, 1);
    plot.vdAddBlankLine("b", nullptr, 0, 0, 1);
    plot.vdAddLine(TestCurve::Point, nullptr, &curve, &variable, "c", nullptr, 0, 0, 1);
    delete plot.GetDrawing();

    plot.vdMoveLine(3, 1);
    EXPECT_EQ(Str(plot.Line(1)->label), "c");
    EXPECT_EQ(Str(plot.Line(2)->label), "a");
    EXPECT_EQ(Str(plot.Line(3)->label), "b");
    EXPECT_TRUE(plot.bDrawingOutOfDate());
    EXPECT_FALSE(plot.bRebuild());
    plot.vdMoveLine(1, 3);
    EXPECT_EQ(Str(plot.Line(3)->label), "c");
    plot.vdMoveLine(2, 2);
    plot.vdMoveLine(2, 4);
    EXPECT_EQ(Str(plot.Line(1)->label), "a");
    EXPECT_EQ(Str(plot.Line(2)->label), "b");

    // A line without a point function leaves the scale as it was; one with a point function
    // changes it.
    plot.vdDeleteLine(1);
    EXPECT_FALSE(plot.bScaleChanged());
    EXPECT_TRUE(plot.bRebuild());
    EXPECT_EQ(plot.LineCount(), 2u);
    plot.vdDeleteLine(2);
    EXPECT_TRUE(plot.bScaleChanged());
    EXPECT_EQ(Str(plot.Line(1)->label), "b");
}

} // namespace
} // namespace Brosquin
