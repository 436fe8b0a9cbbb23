#include "graphics/Plot.h"

#include "graphics/Drawing.h"
#include "tests/graphics/PlotTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace Brosquin
{
namespace
{

std::string Str(const Real& r)
{
    return r.Text(0, true);
}

double Identity(const TestCurve&, double x)
{
    return x;
}
double Constant(const TestCurve& curve, double)
{
    return curve.parameter;
}
// A tent rising from 0 at x = 0 to 2 at x = 0.5 and back to 0 at x = 1: straight between
// samples on either side, so interpolated crossings of y = 1 are exact (at 0.25 and 0.75).
double Tent(const TestCurve&, double x)
{
    return 2.0 - 4.0 * std::fabs(x - 0.5);
}

class PlotCurves : public ::testing::Test
{
protected:
    // The x and y of every point of segment i, in plot units.
    std::vector<double> Xs(std::uint32_t i) const { return Coordinates(i, 0); }
    std::vector<double> Ys(std::uint32_t i) const { return Coordinates(i, 1); }
    std::vector<double> Coordinates(std::uint32_t i, int which) const
    {
        std::span<const double> segment = plot.Segment(i);
        std::vector<double> values;
        for (std::size_t j = 2 + which; j < segment.size(); j += 2)
        {
            values.push_back(segment[j]);
        }
        return values;
    }

    void vdAdd(TestCurve& curve, double step = 0.0)
    {
        plot.vdAddLineWithValue(TestCurve::Point, curve.extension ? TestCurve::Range : nullptr,
                                &curve, &variable, step, "line", nullptr, 0.2, 0, 1, true, 0, 0.0);
    }

    OptimizationInput variable;
    Plot plot{&variable, 1};
};

TEST_F(PlotCurves, ResolutionSamplingSpansTheRangeInEqualSteps)
{
    TestCurve curve(Constant, nullptr, 0.5);
    vdAdd(curve);
    plot.vdSetXAxisMinimum(RealOf(0.1));
    plot.vdSetXAxisMaximum(RealOf(0.4));
    plot.vdCalculateLines();
    EXPECT_FALSE(plot.bRebuild());
    ASSERT_EQ(curve.calls, 101);
    EXPECT_EQ(curve.xSeen.front(), 0.1);
    // Summing the step 0.003 a hundred times overshoots 0.4; the last sample is X maximum itself.
    EXPECT_EQ(curve.xSeen.back(), 0.4);
    for (int i = 0; i < 101; ++i)
    {
        EXPECT_NEAR(curve.xSeen[i], 0.1 + 0.003 * i, 1e-15);
    }
    ASSERT_EQ(plot.SegmentCount(), 1u);
    const std::span<const double> segment = plot.Segment(1);
    EXPECT_EQ(segment[0], 101);
    EXPECT_EQ(segment[1], 1);
    EXPECT_EQ(Xs(1).back(), 10.0);
    EXPECT_NEAR(Xs(1)[50], 5.0, 1e-12);
    EXPECT_NEAR(Ys(1)[0], 5.0, 1e-12);
    EXPECT_FALSE(plot.Line(1)->tooDense);
}

// A line with a step is sampled at the multiples of the step within the X range, unless more than
// 500 of them would be needed; a step of zero or below, or none, means no step.
TEST_F(PlotCurves, StepSamplingTakesTheMultiplesOfTheStepUnlessTooFine)
{
    const struct
    {
        double step;
        int calls;
        bool tooDense;
    } cases[] = {
        {0.01, 101, false},  {0.002, 501, false},        {0.001, 101, true},
        {-0.01, 101, false}, {std::nan(""), 101, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.step);
        TestCurve curve(Constant, nullptr, 0.5);
        Plot stepped(&variable, 1);
        stepped.vdAddLineWithValue(TestCurve::Point, nullptr, &curve, &variable, c.step, "line",
                                   nullptr, 0.2, 0, 1, true, 0, 0.0);
        stepped.vdCalculateLines();
        ASSERT_EQ(curve.calls, c.calls);
        EXPECT_EQ(stepped.Line(1)->tooDense, c.tooDense);
        for (int i = 0; c.step > 0 && !c.tooDense && i < c.calls; ++i)
            EXPECT_NEAR(curve.xSeen[i], i * c.step, 1e-15);
    }

    // Multiples of 0.3 within [0.1, 1]: 0.3, 0.6, 0.9.
    TestCurve coarse(Constant, nullptr, 0.5);
    vdAdd(coarse, 0.3);
    plot.vdSetXAxisMinimum(RealOf(0.1));
    plot.vdCalculateLines();
    ASSERT_EQ(coarse.xSeen.size(), 3u);
    EXPECT_NEAR(coarse.xSeen[0], 0.3, 1e-15);
    EXPECT_NEAR(coarse.xSeen[2], 0.9, 1e-15);
}

TEST_F(PlotCurves, CurveLeavingThroughTheTopGivesTwoSegmentsWithExactCrossings)
{
    plot.vdSetResolution(0); // samples 0.02 apart, none at 0.25 or 0.75
    TestCurve curve(Tent);
    vdAdd(curve);
    plot.vdCalculateLines();
    ASSERT_EQ(plot.SegmentCount(), 2u);
    EXPECT_EQ(plot.Segment(1)[1], 1);
    EXPECT_EQ(plot.Segment(2)[1], 1);
    // First: samples 0 .. 0.24 (13 points) and the exit on the top edge at x = 0.25.
    EXPECT_EQ(plot.Segment(1)[0], 14);
    EXPECT_NEAR(Xs(1).back(), 2.5, 1e-12);
    EXPECT_EQ(Ys(1).back(), 0.0);
    EXPECT_NEAR(Ys(1).front(), 10.0, 1e-12);
    // Second: the entry on the top edge at x = 0.75, then samples 0.76 .. 1.
    EXPECT_EQ(plot.Segment(2)[0], 14);
    EXPECT_NEAR(Xs(2).front(), 7.5, 1e-12);
    EXPECT_EQ(Ys(2).front(), 0.0);
    EXPECT_NEAR(Xs(2)[1], 7.6, 1e-12);
    EXPECT_EQ(Xs(2).back(), 10.0);
}

TEST_F(PlotCurves, CrossingsOfTheBottomEdgeAndGapsWithoutValues)
{
    plot.vdSetResolution(0);
    plot.vdSetYAxisMinimum(RealOf(0.5));
    plot.vdSetYAxisMaximum(RealOf(3.0));
    // The tent enters through the bottom at 0.125 and leaves at 0.875; no value near the top.
    TestCurve curve([](const TestCurve& c, double x)
                    { return std::fabs(x - 0.5) < 0.05 ? std::nan("") : Tent(c, x); });
    vdAdd(curve);
    plot.vdCalculateLines();
    ASSERT_EQ(plot.SegmentCount(), 2u);
    EXPECT_NEAR(Xs(1).front(), 1.25, 1e-12);
    EXPECT_EQ(Ys(1).front(), 10.0);
    // The first run ends at the last value before the gap, with no crossing.
    EXPECT_NEAR(Xs(1).back(), 4.4, 1e-12);
    EXPECT_NEAR(Ys(1).back(), 10.0 - (2.0 - 4.0 * 0.06 - 0.5) * 10.0 / 2.5, 1e-12);
    EXPECT_NEAR(Xs(2).front(), 5.6, 1e-12);
    EXPECT_NEAR(Xs(2).back(), 8.75, 1e-12);
    EXPECT_EQ(Ys(2).back(), 10.0);
}

TEST_F(PlotCurves, CurveAboveTheRangeGivesNoSegment)
{
    TestCurve curve(Constant, nullptr, 1.5);
    vdAdd(curve);
    plot.vdCalculateLines();
    EXPECT_EQ(plot.SegmentCount(), 0u);
}

TEST_F(PlotCurves, DegenerateRangesDrawNothing)
{
    TestCurve curve(Identity);
    vdAdd(curve);
    plot.vdSetXAxisMinimum(RealOf(1.0));
    plot.vdCalculateLines();
    EXPECT_EQ(plot.SegmentCount(), 0u);
    EXPECT_EQ(curve.calls, 0);
    plot.vdSetXAxisMinimum(RealOf(0.0));
    plot.vdSetYAxisMinimum(RealOf(2.0));
    std::unique_ptr<Drawing> drawing(plot.GetDrawing());
    EXPECT_EQ(plot.SegmentCount(), 0u);
    for (std::uint32_t i = 1; i <= drawing->Count(); ++i)
    {
        const DrawingObject& object = *drawing->Object(i);
        EXPECT_TRUE(std::isfinite(object.dLeft() + object.dTop()));
        EXPECT_TRUE(std::isfinite(object.dRight() + object.dBottom()));
    }
}

TEST_F(PlotCurves, AttachedPointsWithinTheXRange)
{
    plot.vdAddBlankLine("data", nullptr, 0.2, 0, 1);
    const Real x[] = {RealOf(-1), RealOf(0.25), RealOf(0.5), RealOf(1.0), RealOf(2.0)};
    const Real y[] = {RealOf(0.5), RealOf(0.25), RealOf(0.5), RealOf(0.75), RealOf(0.5)};
    plot.vdSetLinePoints(1, x, y);
    EXPECT_EQ(plot.Line(1)->PointCount(), 5u);
    plot.vdCalculateLines();
    ASSERT_EQ(plot.SegmentCount(), 1u);
    EXPECT_EQ((std::vector<double>{2.5, 5.0, 10.0}), Xs(1));
    EXPECT_EQ((std::vector<double>{7.5, 5.0, 2.5}), Ys(1));
}

TEST_F(PlotCurves, OffAxisValuesReachTheirRecordsFirst)
{
    OptimizationInput sampleSize;
    plot.vdAddOffAxisVariable("n", "50", &sampleSize);
    TestCurve curve(Constant, nullptr, 0.5);
    vdAdd(curve);
    plot.vdCalculateLines();
    EXPECT_EQ(Str(sampleSize.value), "50");
}

TEST_F(PlotCurves, MovingALineCarriesItsSegments)
{
    TestCurve low(Constant, nullptr, 0.25);
    TestCurve high(Constant, nullptr, 0.75);
    plot.vdAddBlankLine("blank", nullptr, 0.2, 0, 1);
    vdAdd(low);
    vdAdd(high);
    delete plot.GetDrawing();
    ASSERT_EQ(plot.SegmentCount(), 2u);
    plot.vdMoveLine(3, 1);
    EXPECT_FALSE(plot.bRebuild());
    // Line 1 is now the high curve, line 3 the low one.
    for (std::uint32_t i = 1; i <= 2; ++i)
    {
        EXPECT_EQ(plot.Segment(i)[1], Ys(i)[0] < 5.0 ? 1 : 3);
    }
    plot.vdMoveLine(1, 2);
    for (std::uint32_t i = 1; i <= 2; ++i)
    {
        EXPECT_EQ(plot.Segment(i)[1], Ys(i)[0] < 5.0 ? 2 : 3);
    }
}

// Automatic scaling from points attached to a line, whose values are its only candidates.
class PlotAutoScale : public PlotCurves
{
protected:
    static void vdScaleAround(Plot& plot, const std::vector<double>& values)
    {
        std::vector<Real> x;
        std::vector<Real> y;
        for (double v : values)
        {
            x.push_back(RealOf(static_cast<double>(x.size()) / (values.size() - 1)));
            y.push_back(RealOf(v));
        }
        plot.vdAddBlankLine("data", nullptr, 0.2, 0, 1);
        plot.vdSetLinePoints(plot.LineCount(), x, y);
        plot.vdAutoScale();
    }
    static std::string Range(const Plot& plot)
    {
        return Str(plot.YAxisMinimum()) + " .. " + Str(plot.YAxisMaximum());
    }
    std::string Range() const { return Range(plot); }
};

TEST_F(PlotAutoScale, DecimalBoundsAroundTheValues)
{
    const std::pair<std::vector<double>, const char*> cases[] = {
        {{0.03, 0.5, 0.97}, "0 .. 1"},
        {{5, 5}, "4 .. 6"},                   // a constant gets one each side
        {{103, 110, 117}, "103 .. 117"},      // a finer step where the coarse one wastes space
        {{-0.0123, 0.0456}, "-0.02 .. 0.05"}, // small values across zero
    };
    for (const auto& [values, range] : cases)
    {
        Plot scaled(&variable, 1);
        vdScaleAround(scaled, values);
        EXPECT_EQ(Range(scaled), range);
        EXPECT_FALSE(scaled.bScaleChanged());
        EXPECT_TRUE(scaled.bRebuild());
    }
}

TEST_F(PlotAutoScale, StepLinesAreSampledAndPlainCurvesIgnored)
{
    TestCurve plain(Identity);
    vdAdd(plain);
    plot.vdSetXAxisMaximum(RealOf(10.0));
    plot.vdAutoScale();
    EXPECT_EQ(Range(), "0 .. 1");
    EXPECT_EQ(plain.calls, 0);

    TestCurve stepped(Identity);
    vdAdd(stepped, 2.0);
    plot.vdAutoScale();
    EXPECT_EQ(stepped.calls, 6);
    EXPECT_EQ(Range(), "0 .. 10");
}

TEST_F(PlotAutoScale, IntervalLinesUseTheOptimiser)
{
    // x^2 - 1 over [-1, 2]: from -1 at 0 to 3 at 2.
    TestCurve square([](const TestCurve&, double x) { return x * x - 1; },
                     [](const TestCurve&, double lo, double hi, double& low, double& high)
                     {
                         low = (lo <= 0 && 0 <= hi) ? 0 : std::min(lo * lo, hi * hi);
                         high = std::max(lo * lo, hi * hi);
                         low -= 1;
                         high -= 1;
                     });
    vdAdd(square);
    plot.vdSetXAxisMinimum(RealOf(-1.0));
    plot.vdSetXAxisMaximum(RealOf(2.0));
    plot.vdAutoScale();
    EXPECT_EQ(Range(), "-1 .. 3");
    EXPECT_EQ(IntervalOptimize::dRelativePrecision(), 0.01);
    EXPECT_EQ(IntervalOptimize::TrialLimit(), 100u);
    IntervalOptimize::vdSetRelativePrecision(1e-6);
    IntervalOptimize::vdSetTrialLimit(10000);
}

TEST_F(PlotAutoScale, NothingToScaleLeavesTheRange)
{
    plot.vdSetYAxisMaximum(RealOf(2.0));
    plot.vdSetXAxisMaximum(RealOf(2.0));
    plot.vdAutoScale();
    EXPECT_EQ(Range(), "0 .. 2");
    EXPECT_FALSE(plot.bScaleChanged());
    TestCurve none(Constant, nullptr, std::nan(""));
    vdAdd(none, 0.5);
    plot.vdAutoScale();
    EXPECT_EQ(Range(), "0 .. 2");
    // A constant too large for +-1 to widen it has no decimal range.
    vdScaleAround(plot, {1e20, 1e20});
    EXPECT_EQ(Range(), "0 .. 2");
}

TEST_F(PlotAutoScale, GetDrawingScalesWhenTheScaleChanged)
{
    TestCurve stepped(Identity);
    vdAdd(stepped, 1.0);
    plot.vdSetAutoScale(true);
    plot.vdSetXAxisMaximum(RealOf(20.0));
    delete plot.GetDrawing();
    EXPECT_EQ(Range(), "0 .. 20");
    EXPECT_FALSE(plot.bScaleChanged());
    EXPECT_FALSE(plot.bDrawingOutOfDate());
    ASSERT_EQ(plot.SegmentCount(), 1u);
    EXPECT_EQ(plot.Segment(1)[0], 21);
}

} // namespace
} // namespace Brosquin
