#include "core/IntervalOptimize.h"
#include "core/RealOf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace Brosquin
{
namespace
{

std::string TextOf(const Real& r)
{
    return r.Text(0, true);
}

struct Range
{
    double lo, hi;
};

// A test function of up to two variables: its value at a point (NaN: no value there) and its
// range over a box (lo > hi: not defined over the box).
struct TestFunction
{
    using Point = std::function<double(double x, double y)>;
    using Box = std::function<Range(Range x, Range y)>;
    TestFunction(Point point, Box box) : point(std::move(point)), box(std::move(box)) {}

    Point point;
    Box box;
    std::vector<OptimizationInput*> variables;
    Real pointResult;
    Interval boxResult;
};

const Real* PointCallback(void* context1, void* context2)
{
    auto& f = *static_cast<TestFunction*>(context1);
    EXPECT_EQ(context2, &f.variables);
    const auto at = [&f](std::size_t i)
    { return i < f.variables.size() ? f.variables[i]->value.dValue() : 0.0; };
    const double value = f.point(at(0), at(1));
    if (std::isnan(value))
        f.pointResult.vdSetMessage("undefined");
    else
        f.pointResult = value;
    return &f.pointResult;
}

const Interval* BoxCallback(void* context1, void*)
{
    auto& f = *static_cast<TestFunction*>(context1);
    const auto over = [&f](std::size_t i)
    {
        return i < f.variables.size()
                   ? Range{f.variables[i]->range.Lower(), f.variables[i]->range.Upper()}
                   : Range{0, 0};
    };
    const Range result = f.box(over(0), over(1));
    if (result.lo > result.hi)
        f.boxResult.SetMessage("not defined");
    else
        f.boxResult.SetEnds(result.lo, result.hi);
    return &f.boxResult;
}

// Range of (x - c)^2 + shift over x.
Range SquareRange(Range x, double c, double shift = 0)
{
    const double a = (x.lo - c) * (x.lo - c);
    const double b = (x.hi - c) * (x.hi - c);
    return {((x.lo <= c && c <= x.hi) ? 0.0 : std::min(a, b)) + shift, std::max(a, b) + shift};
}

// (x - centre)^2 + shift.
TestFunction Parabola(double centre, double shift)
{
    return {[=](double x, double) { return (x - centre) * (x - centre) + shift; },
            [=](Range x, Range) { return SquareRange(x, centre, shift); }};
}

// x, which never converges towards its minimum 0 on [0, 1] by the relative test.
TestFunction Identity()
{
    return {[](double x, double) { return x; }, [](Range x, Range) { return x; }};
}

class Recorder : public OptimizationMonitor
{
public:
    void vdMessage(const char* text, bool final) override
    {
        messages.push_back(text);
        finals.push_back(final);
        if (stopAfter >= 0 && static_cast<int>(messages.size()) > stopAfter)
            stopRequested = true;
    }
    std::string Closing() const { return messages.empty() ? "" : messages.back(); }

    std::vector<std::string> messages;
    std::vector<bool> finals;
    int stopAfter = -1;
};

class IntervalOptimizeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (OptimizationInput& input : inputs)
        {
            vdDomain(input, 0.0, 1.0);
            input.value.vdSetMessage("no start");
        }
    }
    void TearDown() override
    {
        IntervalOptimize::vdSetRelativePrecision(1e-6);
        IntervalOptimize::vdSetTrialLimit(10000);
    }

    static void vdDomain(OptimizationInput& input, double lower, double upper)
    {
        input.lower = RealOf(lower);
        input.upper = RealOf(upper);
    }

    // Runs a search of f over the first `dimensions` inputs with a fresh monitor.
    std::uint32_t Run(TestFunction& f, bool maximise, bool requireImprovement = false)
    {
        f.variables.clear();
        for (std::size_t i = 0; i < dimensions; ++i)
            f.variables.push_back(&inputs[i]);
        monitor.messages.clear();
        monitor.finals.clear();
        monitor.stopRequested = false;
        IntervalOptimize search(BoxCallback, PointCallback, &f, &f.variables, f.variables,
                                std::span<Real>(bestPoint, dimensions), &bestValue, maximise,
                                requireImprovement, &monitor);
        return search.Trials();
    }

    void vdExpectFailed() const
    {
        EXPECT_EQ(TextOf(bestValue), "\"Optimization failed\"");
        EXPECT_EQ(TextOf(bestPoint[0]), "\"Optimization failed\"");
    }

    OptimizationInput inputs[2];
    std::size_t dimensions = 1;
    Real bestPoint[2];
    Real bestValue;
    Recorder monitor;
};

const char* const betterPoint = "Optimization completed.  Better point found.";

// (x - 0.3)^2 + 1 on [0, 1]: minimum 1 at 0.3, maximum 1.49 at 1.
TEST_F(IntervalOptimizeTest, MinimumAndMaximumOfAParabola)
{
    TestFunction f = Parabola(0.3, 1.0);
    Run(f, false);
    EXPECT_NEAR(bestValue.dValue(), 1.0, 1e-6);
    EXPECT_NEAR(bestPoint[0].dValue(), 0.3, 1e-3);
    EXPECT_EQ(monitor.messages.front(), "Optimization started.");
    EXPECT_FALSE(monitor.finals.front());
    EXPECT_EQ(monitor.Closing(), betterPoint);
    EXPECT_TRUE(monitor.finals.back());

    Run(f, true);
    EXPECT_NEAR(bestValue.dValue(), 1.49, 1.49e-6);
    EXPECT_NEAR(bestPoint[0].dValue(), 1.0, 1e-3);
    EXPECT_EQ(monitor.Closing(), betterPoint);
}

// (x - 1)^2 + (y + 0.5)^2 + 2 on [-2, 2] x [-2, 2]: minimum 2 at (1, -0.5).
TEST_F(IntervalOptimizeTest, MinimumOverATwoDimensionalBox)
{
    TestFunction f([](double x, double y) { return (x - 1) * (x - 1) + (y + 0.5) * (y + 0.5) + 2; },
                   [](Range x, Range y)
                   {
                       const Range rx = SquareRange(x, 1.0);
                       const Range ry = SquareRange(y, -0.5);
                       return Range{rx.lo + ry.lo + 2, rx.hi + ry.hi + 2};
                   });
    dimensions = 2;
    for (OptimizationInput& input : inputs)
        vdDomain(input, -2.0, 2.0);
    Run(f, false);
    EXPECT_NEAR(bestValue.dValue(), 2.0, 2e-6);
    EXPECT_NEAR(bestPoint[0].dValue(), 1.0, 1e-2);
    EXPECT_NEAR(bestPoint[1].dValue(), -0.5, 1e-2);
    EXPECT_EQ(monitor.Closing(), betterPoint);
}

TEST_F(IntervalOptimizeTest, ConstantFunctionCompletesAtTheFirstTrial)
{
    TestFunction f([](double, double) { return 7.0; }, [](Range, Range) { return Range{7, 7}; });
    vdDomain(inputs[0], 2.0, 4.0);
    EXPECT_EQ(Run(f, false), 1u);
    EXPECT_EQ(TextOf(bestValue), "7");
    EXPECT_EQ(TextOf(bestPoint[0]), "3");
    EXPECT_EQ(monitor.Closing(), betterPoint);

    // Without a monitor the search runs the same; the variable is left at the last point and box.
    bestValue = 0.0;
    RunIntervalOptimize(BoxCallback, PointCallback, &f, &f.variables, f.variables,
                        std::span<Real>(bestPoint, 1), &bestValue, false, false, nullptr);
    EXPECT_EQ(TextOf(bestValue), "7");
    EXPECT_EQ(TextOf(inputs[0].value), "3");
    EXPECT_EQ(inputs[0].range.Lower(), 2.0);
    EXPECT_EQ(inputs[0].range.Upper(), 4.0);
}

TEST_F(IntervalOptimizeTest, SinglePointDomain)
{
    TestFunction f([](double x, double) { return x * x + 1; },
                   [](Range x, Range) {
                       return Range{x.lo * x.lo + 1, x.hi * x.hi + 1};
                   });
    vdDomain(inputs[0], 2.0, 2.0);
    EXPECT_EQ(Run(f, false), 1u);
    EXPECT_EQ(TextOf(bestValue), "5");
    EXPECT_EQ(monitor.Closing(), betterPoint);

    // An interval extension wider than the point value over a single point cannot be bisected.
    f.box = [](Range x, Range) { return Range{x.lo * x.lo, x.lo * x.lo + 2}; };
    EXPECT_EQ(Run(f, false), 1u);
    EXPECT_EQ(TextOf(bestValue), "5");
    EXPECT_EQ(monitor.Closing(), "Optimization reached precision limit.  Better point found.");
}

TEST_F(IntervalOptimizeTest, TrialLimitAndProgressLines)
{
    TestFunction f = Identity();
    IntervalOptimize::vdSetRelativePrecision(0.01);
    IntervalOptimize::vdSetTrialLimit(100);
    EXPECT_EQ(Run(f, false), 101u);
    EXPECT_EQ(monitor.Closing(), "Optimization reached time limit.  Better point found.");
    // The best midpoint seen: after trial k the best is 2^-(k + 1).
    EXPECT_EQ(bestValue.dValue(), std::ldexp(1.0, -101));
    ASSERT_GE(monitor.messages.size(), 3u);
    EXPECT_EQ(monitor.messages[1], "Trial 10: optimal bounded between 0 and 0.00097656.");
    EXPECT_FALSE(monitor.finals[1]);
    EXPECT_EQ(std::count_if(monitor.messages.begin(), monitor.messages.end(),
                            [](const std::string& m) { return m.rfind("Trial ", 0) == 0; }),
              10);

    // The maximum of -x is the same search; its bounds are shown as the maximum's.
    f = TestFunction([](double x, double) { return -x; },
                     [](Range x, Range) {
                         return Range{-x.hi, -x.lo};
                     });
    inputs[0].value.vdSetMessage("no start");
    EXPECT_EQ(Run(f, true), 101u);
    EXPECT_EQ(monitor.messages[1], "Trial 10: optimal bounded between -0.00097656 and 0.");
    EXPECT_EQ(bestValue.dValue(), -std::ldexp(1.0, -101));
    EXPECT_EQ(bestPoint[0].dValue(), std::ldexp(1.0, -101));
    EXPECT_EQ(monitor.Closing(), "Optimization reached time limit.  Better point found.");
}

TEST_F(IntervalOptimizeTest, NoValidPointAnywhere)
{
    TestFunction f([](double, double) { return std::nan(""); }, [](Range x, Range) { return x; });
    IntervalOptimize::vdSetTrialLimit(100);
    Run(f, false);
    EXPECT_EQ(monitor.messages[1], "Trial 10: no valid points identfied.");
    EXPECT_EQ(monitor.Closing(), "Optimization reached time limit.  No valid point found.");
    vdExpectFailed();
}

TEST_F(IntervalOptimizeTest, FunctionNotValidOverTheDomainAborts)
{
    TestFunction f([](double x, double) { return std::log(x); },
                   [](Range, Range) {
                       return Range{1.0, 0.0};
                   });
    vdDomain(inputs[0], -2.0, -1.0);
    Run(f, true);
    EXPECT_EQ(monitor.Closing(), "Optimization aborted.  Function not valid over entire domain.");
    EXPECT_TRUE(monitor.finals.back());
    vdExpectFailed();
}

TEST_F(IntervalOptimizeTest, RequiredImprovementFromAnOptimalStart)
{
    TestFunction f = Parabola(0.5, 3.0);
    inputs[0].value = RealOf(0.5);
    Run(f, false, true);
    EXPECT_EQ(monitor.Closing(), "Optimization completed.  No better point found.");
    vdExpectFailed();

    // From a worse start the same search reports the better point.
    inputs[0].value = RealOf(0.9);
    Run(f, false, true);
    EXPECT_EQ(monitor.Closing(), betterPoint);
    EXPECT_EQ(TextOf(bestValue), "3");
}

TEST_F(IntervalOptimizeTest, StopAtTheUsersRequest)
{
    TestFunction f = Identity();
    monitor.stopAfter = 0;
    EXPECT_EQ(Run(f, false), 0u);
    EXPECT_EQ(monitor.Closing(), "Optimization interrupted at users request.  Better point found.");
    EXPECT_EQ(TextOf(bestValue), "0.5");

    f.point = [](double, double) { return std::nan(""); };
    Run(f, false);
    EXPECT_EQ(monitor.Closing(),
              "Optimization terminated at users request.  No valid point found.");
}

// min(1 - 0.2x, 20|x - 0.05|) + 1 on [0, 1], whose interval extension is the whole line over
// boxes wider than 0.2. The narrow well at 0.05 (minimum 1) lies in a box whose lower bound is
// unbounded while better midpoints turn up elsewhere; that box must never be pruned.
TEST_F(IntervalOptimizeTest, UnboundedBoxIsNeverPruned)
{
    TestFunction f(
        [](double x, double) { return std::min(1 - 0.2 * x, 20 * std::fabs(x - 0.05)) + 1; },
        [](Range x, Range)
        {
            if (x.hi - x.lo > 0.2)
                return Range{-1e200, 1e200};
            const double a = std::fabs(x.lo - 0.05);
            const double b = std::fabs(x.hi - 0.05);
            const double lowWell = (x.lo <= 0.05 && 0.05 <= x.hi) ? 0 : 20 * std::min(a, b);
            return Range{std::min(1 - 0.2 * x.hi, lowWell) + 1,
                         std::min(1 - 0.2 * x.lo, 20 * std::max(a, b)) + 1};
        });
    IntervalOptimize::vdSetRelativePrecision(0.01);
    IntervalOptimize::vdSetTrialLimit(100);
    Run(f, false);
    EXPECT_LT(bestValue.dValue(), 1.01);
    EXPECT_NEAR(bestPoint[0].dValue(), 0.05, 5e-4);
    EXPECT_EQ(monitor.Closing(), betterPoint);
    EXPECT_EQ(monitor.messages[1].rfind("Trial 10: optimal bounded between ", 0), 0u);
}

} // namespace
} // namespace Brosquin
