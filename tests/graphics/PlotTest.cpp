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

// The settings a setter changes are checked against their defaults by the setter table below.
TEST(PlotDefaults, WhatNoSetterChecks)
{
    OptimizationInput variable;
    Plot plot(&variable, 2);
    EXPECT_EQ(Str(plot.XAxisMinimum()), "0");
    EXPECT_EQ(Str(plot.XAxisMaximum()), "1");
    EXPECT_EQ(plot.XLabelCount(), 0u);
    EXPECT_EQ(plot.XAxisNumberLabels(), 2u);
    EXPECT_EQ(plot.Resolution(), 2);
    EXPECT_EQ(plot.LineCount() + plot.OffAxisCount() + plot.CommentCount() +
                  plot.ShadedRegionCount() + plot.SegmentCount(),
              0u);
    EXPECT_FALSE(plot.bAutoScale() || plot.bScaleChanged() || plot.bRebuild() ||
                 plot.bDrawingOutOfDate() || plot.bModified() || plot.bVariableNumberOfLines());
    // A resolution outside the table is low.
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

TEST(PlotSizeText, ReadAndWritten)
{
    EXPECT_EQ(Plot::dSizeFromText("  Normal \t\r\n"), 1.0);
    EXPECT_EQ(Plot::dSizeFromText("1.5 x"), 1.5);
    EXPECT_EQ(Plot::dSizeFromText("2"), 2.0);
    EXPECT_EQ(Plot::dSizeFromText("0.75x"), 0.75);
    for (const char* bad : {"big", "0 x", "-1", "2 X", "x", ""})
        EXPECT_EQ(Plot::dSizeFromText(bad), -1.0) << bad;

    String out("old");
    for (const auto& [size, text] : {std::pair{1.0, "Normal"},
                                     {2.5, "2.5 x"},
                                     {0.75, "0.75 x"},
                                     {0.0, ""},
                                     {-3.0, ""},
                                     {std::nan(""), ""}})
    {
        Plot::vdSizeToText(size, out);
        EXPECT_EQ(Str(out), text) << size;
    }
}

// One setter applied to a plot whose drawing is up to date: with a new value it marks the
// drawing out of date and sets the further flags named; with the value already held it sets
// nothing. Apart from the axis ends and labels that the prepared labels set, the value `same`
// sets is the default of a new plot, so the table checks the defaults too.
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

// SETTER(name, new arguments, arguments of the value held, scale changed, rebuild).
// clang-format off
#define SETTER(name, change, same, scaleChanged, rebuild) \
    {#name, [](Plot& p) { p.vdSet##name change; }, [](Plot& p) { p.vdSet##name same; }, \
     scaleChanged, rebuild}
// clang-format on

const SetterCase setterCases[] = {
    SETTER(MainTitle, ("OC Curve"), (""), false, false),
    SETTER(MainTitleSize, (3.0), (2.0), false, false),
    SETTER(MainTitleColor, (0), (0xFF0000), false, false),
    SETTER(SubTitle, ("sub"), (""), false, false),
    SETTER(SubTitleSize, (0.8), (1.5), false, false),
    SETTER(SubTitleColor, (0xFF), (0), false, false),
    SETTER(YAxisLabel, ("Pa"), ("Y-Axis"), false, false),
    SETTER(YAxisLabelSize, (2.0), (1.5), false, false),
    SETTER(YAxisLabelVertical, (false), (true), false, false),
    SETTER(YAxisMinimum, (RealOf(-1.0)), (RealOf(0.0)), false, true),
    SETTER(YAxisMaximum, (RealOf(2.0)), (RealOf(1.0 + 1e-16)), false, true),
    SETTER(YAxisScaleSize, (2.0), (1.0), false, false),
    SETTER(YAxisNumberValues, (5), (3), false, false),
    SETTER(YAxisNumberTics, (1), (4), false, false),
    SETTER(XAxisLabel, ("p"), ("X-Axis"), false, false),
    SETTER(XAxisLabelSize, (2.0), (1.5), false, false),
    SETTER(XAxisMinimum, (RealOf(0.5)), (RealOf(1.0)), true, true),
    SETTER(XAxisMaximum, (RealOf(5.0)), (RealOf(3.0)), true, true),
    SETTER(XAxisScaleSize, (2.0), (1.0), false, false),
    SETTER(XAxisNumberValues, (5), (3), false, false),
    SETTER(XAxisNumberTics, (0), (4), false, false),
    SETTER(XAxisMinimumLabel, (1), (0), true, true),
    SETTER(XAxisMaximumLabel, (1), (2), true, true),
    SETTER(XAxisNumberLabels, (2), (1), false, false),
    SETTER(AxisStyle, (3), (1), false, false),
    SETTER(TicStyle, (0), (2), false, false),
    SETTER(TicSizeNumber, (0.5), (0.4), false, false),
    SETTER(TicSizeBetween, (0.1), (0.2), false, false),
    SETTER(AxisRatio, (1.5), (1.0), false, false),
    SETTER(KeyLineSize, (0.8), (1.0), false, false),
    SETTER(KeyTitle, ("Defective Units"), (""), false, false),
    SETTER(KeyTitleSize, (1.2), (1.0), false, false),
    SETTER(KeyTitleColor, (0xFF), (0), false, false),
    SETTER(DisplayKey, (false), (true), false, false),
    SETTER(DisplayOffAxis, (false), (true), false, false),
    SETTER(DisplayComments, (false), (true), false, false),
    SETTER(OffAxisSize, (2.0), (1.0), false, false),
    SETTER(CommentsSize, (2.0), (1.0), false, false),
    SETTER(Resolution, (3), (7), false, true),
    SETTER(OffAxisVariableName, (1, "N"), (1, "n"), false, false),
    SETTER(OffAxisVariableValue, (1, "60"), (1, "50.0"), true, true),
    SETTER(Comment, (1, "other"), (2, "other"), false, false),
    SETTER(LineLabel, (1, "plan"), (1, "line"), false, false),
    SETTER(LineValueText, (1, "2"), (1, "1"), false, true),
    SETTER(LineValue, (1, 0.01), (1, 0.0), false, true),
    SETTER(LineThickness, (1, 0.4), (1, 0.2), false, false),
    SETTER(LinePointSize, (1, 0.4), (2, 0.4), false, false),
    SETTER(LineColor, (1, 0xFF), (1, 0), false, false),
    SETTER(LineStyle, (1, 2), (1, 1), false, false),
    SETTER(LinePointStyle, (1, 9), (1, 0), false, false),
    SETTER(LineConnectPoints, (1, false), (1, true), false, false),
    SETTER(DisplayShadedRegions, (false), (true), false, false),
    SETTER(KeyShowsValues, (true), (false), false, false),
};
#undef SETTER

INSTANTIATE_TEST_SUITE_P(EverySetter, PlotSetters, ::testing::ValuesIn(setterCases),
                         [](const ::testing::TestParamInfo<SetterCase>& info)
                         { return std::string(info.param.name); });

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

TEST(PlotSetterRules, AxisEndsHoldNumbersOnly)
{
    Plot plot(nullptr, 0);
    Real message;
    message.vdSetMessage("Overflow");
    delete plot.GetDrawing();
    plot.vdSetYAxisMaximum(message);
    EXPECT_EQ(Str(plot.YAxisMaximum()), "1");
    EXPECT_FALSE(plot.bDrawingOutOfDate() || plot.bModified());
    plot.vdSetYAxisMaximum(RealOf(0.25));
    EXPECT_EQ(Str(plot.YAxisMaximum()), "0.25");
}

TEST(PlotLines, AddedLinesTakeTheirValuesAndDefaults)
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
    EXPECT_EQ(Str(first.stepValue), "0");
    EXPECT_EQ(Str(first.value), "0");
    EXPECT_TRUE(first.connectPoints);
    EXPECT_EQ(first.pointStyle, 0);
    EXPECT_EQ(first.pointSize, 0.0);
    EXPECT_EQ(first.PointCount(), 0u);
    const LineInfo& second = *plot.Line(2);
    EXPECT_EQ(Str(second.stepValue), "0.02");
    EXPECT_EQ(Str(second.valueText), "");
    EXPECT_EQ(Str(second.value), "0");
    const LineInfo& third = *plot.Line(3);
    EXPECT_EQ(third.pointFunction, nullptr);
    EXPECT_EQ(Str(third.value), "1.5");
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
