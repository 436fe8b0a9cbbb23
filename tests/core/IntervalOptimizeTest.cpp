#include "core/IntervalOptimize.h"
#include "core/RealOf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// A test function of up to two variables with its interval extension, both given as doubles:
// point(x, y) and box(xlo, xhi, ylo, yhi) -> [lo, hi]. A box result with lo > hi stands for a
// message (not defined over the box); a NaN point value for a message at the point.
struct TestFunction
{
    using PointFormula = double (*)(const TestFunction& f, double x, double y);
    using BoxFormula = void (*)(const TestFunction& f, double xlo, double xhi, double ylo,
                                double yhi, double& lo, double& hi);
    TestFunction(PointFormula point, BoxFormula box) : point(point), box(box) {}

    PointFormula point;
    BoxFormula box;
    // Parameters of the formulas.
    double centre = 0.0;
    double shift = 0.0;
    std::vector<OptimizationInput*> variables;
    Real pointResult;
    Interval boxResult;
    int pointCalls = 0;
};

double Coordinate(const TestFunction& f, std::size_t i)
{
    return i < f.variables.size() ? f.variables[i]->value.dValue() : 0.0;
}

const Real* PointCallback(void* context1, void* context2)
{
    auto& f = *static_cast<TestFunction*>(context1);
    EXPECT_EQ(context2, &f.variables);
    ++f.pointCalls;
    const double value = f.point(f, Coordinate(f, 0), Coordinate(f, 1));
    if (std::isnan(value))
    {
        f.pointResult.vdSetMessage("undefined");
    }
    else
    {
        f.pointResult = value;
    }
    return &f.pointResult;
}

const Interval* BoxCallback(void* context1, void*)
{
    auto& f = *static_cast<TestFunction*>(context1);
    double ends[4] = {};
    for (std::size_t i = 0; i < f.variables.size(); ++i)
    {
        ends[2 * i] = f.variables[i]->range.Lower();
        ends[2 * i + 1] = f.variables[i]->range.Upper();
    }
    double lo = 0.0;
    double hi = 0.0;
    f.box(f, ends[0], ends[1], ends[2], ends[3], lo, hi);
    if (lo > hi)
    {
        f.boxResult.SetMessage("not defined");
    }
    else
    {
        f.boxResult.SetEnds(lo, hi);
    }
    return &f.boxResult;
}

// Range of (x - c)^2 over [a, b].
void SquareRange(double a, double b, double c, double& lo, double& hi)
{
    const double da = (a - c) * (a - c);
    const double db = (b - c) * (b - c);
    lo = (a <= c && c <= b) ? 0.0 : std::min(da, db);
    hi = std::max(da, db);
}

// (x - centre)^2 + shift.
TestFunction Parabola(double centre, double shift)
{
    TestFunction f(
        [](const TestFunction& f, double x, double)
        { return (x - f.centre) * (x - f.centre) + f.shift; },
        [](const TestFunction& f, double a, double b, double, double, double& lo, double& hi)
        {
            SquareRange(a, b, f.centre, lo, hi);
            lo += f.shift;
            hi += f.shift;
        });
    f.centre = centre;
    f.shift = shift;
    return f;
}

// x, which never converges towards its minimum 0 on [0, 1] by the relative test.
TestFunction Identity()
{
    return TestFunction(
        [](const TestFunction&, double x, double) { return x; },
        [](const TestFunction&, double a, double b, double, double, double& lo, double& hi)
        {
            lo = a;
            hi = b;
        });
}

TestFunction Constant(double value)
{
    TestFunction f([](const TestFunction& f, double, double) { return f.shift; },
                   [](const TestFunction& f, double, double, double, double, double& lo, double& hi)
                   { lo = hi = f.shift; });
    f.shift = value;
    return f;
}

class Recorder : public OptimizationMonitor
{
public:
    void vdMessage(const char* text, bool final) override
    {
        messages.push_back(text);
        finals.push_back(final);
        if (stopAfter >= 0 && static_cast<int>(messages.size()) > stopAfter)
        {
            stopRequested = true;
        }
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
            input.lower = RealOf(0.0);
            input.upper = RealOf(1.0);
            input.value.vdSetMessage("no start");
        }
    }
    void TearDown() override
    {
        IntervalOptimize::vdSetRelativePrecision(1e-6);
        IntervalOptimize::vdSetTrialLimit(10000);
    }

    void vdUse(TestFunction& f, std::size_t n)
    {
        f.variables.clear();
        for (std::size_t i = 0; i < n; ++i)
        {
            f.variables.push_back(&inputs[i]);
        }
    }

    std::uint32_t Run(TestFunction& f, bool maximise, bool requireImprovement = false)
    {
        IntervalOptimize search(BoxCallback, PointCallback, &f, &f.variables, f.variables,
                                std::span<Real>(bestPoint, f.variables.size()), &bestValue,
                                maximise, requireImprovement, &monitor);
        return search.Trials();
    }

    OptimizationInput inputs[2];
    Real bestPoint[2];
    Real bestValue;
    Recorder monitor;
};

// (x - 0.3)^2 + 1 on [0, 1]: minimum 1 at 0.3, maximum 1.49 at 1.
TEST_F(IntervalOptimizeTest, MinimumAndMaximumOfAParabola)
{
    TestFunction f = Parabola(0.3, 1.0);
    vdUse(f, 1);
    Run(f, false);
    EXPECT_NEAR(bestValue.dValue(), 1.0, 1e-6);
    EXPECT_NEAR(bestPoint[0].dValue(), 0.3, 1e-3);
    EXPECT_EQ(monitor.messages.front(), "Optimization started.");
    EXPECT_FALSE(monitor.finals.front());
    EXPECT_EQ(monitor.Closing(), "Optimization completed.  Better point found.");
    EXPECT_TRUE(monitor.finals.back());

    Run(f, true);
    EXPECT_NEAR(bestValue.dValue(), 1.49, 1.49e-6);
    EXPECT_NEAR(bestPoint[0].dValue(), 1.0, 1e-3);
    EXPECT_EQ(monitor.Closing(), "Optimization completed.  Better point found.");
}

// (x - 1)^2 + (y + 0.5)^2 + 2 on [-2, 2] x [-2, 2]: minimum 2 at (1, -0.5).
TEST_F(IntervalOptimizeTest, MinimumOverATwoDimensionalBox)
{
    TestFunction f{
        [](const TestFunction&, double x, double y)
        { return (x - 1) * (x - 1) + (y + 0.5) * (y + 0.5) + 2; },
        [](const TestFunction&, double a, double b, double c, double d, double& lo, double& hi)
        {
            double lx = 0, hx = 0, ly = 0, hy = 0;
            SquareRange(a, b, 1.0, lx, hx);
            SquareRange(c, d, -0.5, ly, hy);
            lo = lx + ly + 2;
            hi = hx + hy + 2;
        }};
    vdUse(f, 2);
    for (OptimizationInput& input : inputs)
    {
        input.lower = RealOf(-2.0);
        input.upper = RealOf(2.0);
    }
    Run(f, false);
    EXPECT_NEAR(bestValue.dValue(), 2.0, 2e-6);
    EXPECT_NEAR(bestPoint[0].dValue(), 1.0, 1e-2);
    EXPECT_NEAR(bestPoint[1].dValue(), -0.5, 1e-2);
    EXPECT_EQ(monitor.Closing(), "Optimization completed.  Better point found.");
}

TEST_F(IntervalOptimizeTest, ConstantFunctionCompletesAtTheFirstTrial)
{
    TestFunction f = Constant(7.0);
    vdUse(f, 1);
    EXPECT_EQ(Run(f, false), 1u);
    EXPECT_EQ(TextOf(bestValue), "7");
    EXPECT_EQ(TextOf(bestPoint[0]), "0.5");
    EXPECT_EQ(monitor.Closing(), "Optimization completed.  Better point found.");
}

TEST_F(IntervalOptimizeTest, SinglePointDomain)
{
    TestFunction f{
        [](const TestFunction&, double x, double) { return x * x + 1; },
        [](const TestFunction&, double a, double b, double, double, double& lo, double& hi)
        {
            lo = a * a + 1;
            hi = b * b + 1;
        }};
    vdUse(f, 1);
    inputs[0].lower = RealOf(2.0);
    inputs[0].upper = RealOf(2.0);
    EXPECT_EQ(Run(f, false), 1u);
    EXPECT_EQ(TextOf(bestValue), "5");
    EXPECT_EQ(monitor.Closing(), "Optimization completed.  Better point found.");

    // An interval extension wider than the point value over a single point cannot be bisected.
    f.box = [](const TestFunction&, double a, double, double, double, double& lo, double& hi)
    {
        lo = a * a;
        hi = a * a + 2;
    };
    EXPECT_EQ(Run(f, false), 1u);
    EXPECT_EQ(TextOf(bestValue), "5");
    EXPECT_EQ(monitor.Closing(), "Optimization reached precision limit.  Better point found.");
}

// x on [0, 1] never converges towards its minimum 0 by the relative test, so it shows the trial
// limit and the progress lines.
TEST_F(IntervalOptimizeTest, TrialLimitAndProgressLines)
{
    TestFunction f = Identity();
    vdUse(f, 1);
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
    f.point = [](const TestFunction&, double x, double) { return -x; };
    f.box = [](const TestFunction&, double a, double b, double, double, double& lo, double& hi)
    {
        lo = -b;
        hi = -a;
    };
    monitor.messages.clear();
    inputs[0].value.vdSetMessage("no start");
    EXPECT_EQ(Run(f, true), 101u);
    EXPECT_EQ(monitor.messages[1], "Trial 10: optimal bounded between -0.00097656 and 0.");
    EXPECT_EQ(bestValue.dValue(), -std::ldexp(1.0, -101));
    EXPECT_EQ(bestPoint[0].dValue(), std::ldexp(1.0, -101));
    EXPECT_EQ(monitor.Closing(), "Optimization reached time limit.  Better point found.");
}

TEST_F(IntervalOptimizeTest, NoValidPointAnywhere)
{
    TestFunction f{
        [](const TestFunction&, double, double) { return std::nan(""); },
        [](const TestFunction&, double a, double b, double, double, double& lo, double& hi)
        {
            lo = a;
            hi = b;
        }};
    vdUse(f, 1);
    IntervalOptimize::vdSetTrialLimit(100);
    Run(f, false);
    EXPECT_EQ(monitor.messages[1], "Trial 10: no valid points identfied.");
    EXPECT_EQ(monitor.Closing(), "Optimization reached time limit.  No valid point found.");
    EXPECT_EQ(TextOf(bestValue), "\"Optimization failed\"");
    EXPECT_EQ(TextOf(bestPoint[0]), "\"Optimization failed\"");
}

TEST_F(IntervalOptimizeTest, FunctionNotValidOverTheDomainAborts)
{
    TestFunction f{[](const TestFunction&, double x, double) { return std::log(x); },
                   [](const TestFunction&, double, double, double, double, double& lo, double& hi)
                   {
                       lo = 1.0;
                       hi = 0.0;
                   }};
    vdUse(f, 1);
    inputs[0].lower = RealOf(-2.0);
    inputs[0].upper = RealOf(-1.0);
    Run(f, true);
    EXPECT_EQ(monitor.Closing(), "Optimization aborted.  Function not valid over entire domain.");
    EXPECT_TRUE(monitor.finals.back());
    EXPECT_EQ(TextOf(bestValue), "\"Optimization failed\"");
    EXPECT_EQ(TextOf(bestPoint[0]), "\"Optimization failed\"");
}

TEST_F(IntervalOptimizeTest, RequiredImprovementFromAnOptimalStart)
{
    TestFunction f = Parabola(0.5, 3.0);
    vdUse(f, 1);
    inputs[0].value = RealOf(0.5);
    Run(f, false, true);
    EXPECT_EQ(monitor.Closing(), "Optimization completed.  No better point found.");
    EXPECT_EQ(TextOf(bestValue), "\"Optimization failed\"");
    EXPECT_EQ(TextOf(bestPoint[0]), "\"Optimization failed\"");

    // From a worse start the same search reports the better point.
    inputs[0].value = RealOf(0.9);
    Run(f, false, true);
    EXPECT_EQ(monitor.Closing(), "Optimization completed.  Better point found.");
    EXPECT_EQ(TextOf(bestValue), "3");
}

TEST_F(IntervalOptimizeTest, StopAtTheUsersRequest)
{
    TestFunction f = Identity();
    vdUse(f, 1);
    monitor.stopAfter = 0;
    EXPECT_EQ(Run(f, false), 0u);
    EXPECT_EQ(monitor.Closing(), "Optimization interrupted at users request.  Better point found.");
    EXPECT_EQ(TextOf(bestValue), "0.5");

    f.point = [](const TestFunction&, double, double) { return std::nan(""); };
    monitor.stopRequested = false;
    Run(f, false);
    EXPECT_EQ(monitor.Closing(),
              "Optimization terminated at users request.  No valid point found.");
}

// min(1 - 0.2x, 20|x - 0.05|) + 1 on [0, 1], whose interval extension is the whole line over
// boxes wider than 0.2. The narrow well at 0.05 (minimum 1) lies in a box whose lower bound is
// unbounded while better midpoints turn up elsewhere; that box must never be pruned.
TEST_F(IntervalOptimizeTest, UnboundedBoxIsNeverPruned)
{
    TestFunction f{
        [](const TestFunction&, double x, double)
        { return std::min(1 - 0.2 * x, 20 * std::fabs(x - 0.05)) + 1; },
        [](const TestFunction&, double a, double b, double, double, double& lo, double& hi)
        {
            if (b - a > 0.2)
            {
                lo = -1e200;
                hi = 1e200;
                return;
            }
            const double lowWell = (a <= 0.05 && 0.05 <= b)
                                       ? 0
                                       : 20 * std::min(std::fabs(a - 0.05), std::fabs(b - 0.05));
            const double highWell = 20 * std::max(std::fabs(a - 0.05), std::fabs(b - 0.05));
            lo = std::min(1 - 0.2 * b, lowWell) + 1;
            hi = std::min(1 - 0.2 * a, highWell) + 1;
        }};
    vdUse(f, 1);
    IntervalOptimize::vdSetRelativePrecision(0.01);
    IntervalOptimize::vdSetTrialLimit(100);
    Run(f, false);
    EXPECT_LT(bestValue.dValue(), 1.01);
    EXPECT_NEAR(bestPoint[0].dValue(), 0.05, 5e-4);
    EXPECT_EQ(monitor.Closing(), "Optimization completed.  Better point found.");
    EXPECT_EQ(monitor.messages[1].rfind("Trial 10: optimal bounded between ", 0), 0u);
}

TEST_F(IntervalOptimizeTest, RunLeavesTheVariablesAtTheLastPointEvaluated)
{
    TestFunction f = Constant(7.0);
    vdUse(f, 1);
    inputs[0].lower = RealOf(2.0);
    inputs[0].upper = RealOf(4.0);
    RunIntervalOptimize(BoxCallback, PointCallback, &f, &f.variables, f.variables,
                        std::span<Real>(bestPoint, 1), &bestValue, false, false, nullptr);
    EXPECT_EQ(TextOf(bestValue), "7");
    EXPECT_EQ(TextOf(inputs[0].value), "3");
    EXPECT_EQ(inputs[0].range.Lower(), 2.0);
    EXPECT_EQ(inputs[0].range.Upper(), 4.0);
}

} // namespace
} // namespace Brosquin
