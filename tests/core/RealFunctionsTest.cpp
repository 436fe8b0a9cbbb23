#include "core/Real.h"
#include "tests/core/RealTestSupport.h"

#include <gtest/gtest.h>

#include <numbers>

namespace Brosquin
{
namespace
{

using Function = Real& (Real::*)();

Real Apply(Function function, double x)
{
    Real real = RealOf(x);
    (real.*function)();
    return real;
}

// References computed with mpmath at 40 digits.
TEST(RealFunctionsTest, ElementaryFunctionsAgreeWithReferences)
{
    struct Case
    {
        Function function;
        double x;
        double reference;
    };
    const Case cases[] = {
        {&Real::Log, 2.5, 0.91629073187415506518},
        {&Real::Log10, 2.5, 0.39794000867203760957},
        {&Real::Exponential, -3.7, 0.024723526470339391203},
        {&Real::Exponential, 354, 5.4985299346971414072e153},
        {&Real::SquareRoot, 2, 1.4142135623730950488},
        {&Real::Sine, 1000, 0.82687954053200256026},
        {&Real::Cosine, -1000, 0.56237907629070299108},
        {&Real::Tangent, 1.2, 2.5721516221263189354},
        {&Real::ArcSine, 0.3, 0.30469265401539750797},
        {&Real::ArcCosine, -0.7, 2.346193823405649683},
        {&Real::ArcTangent, 5, 1.3734007669450158609},
        {&Real::HyperbolicSine, 3, 10.017874927409901899},
        {&Real::HyperbolicCosine, -2, 3.7621956910836314596},
        {&Real::HyperbolicCosine, 354, 2.7492649673485707036e153},
        {&Real::HyperbolicTangent, 0.5, 0.4621171572600097585},
        {&Real::AbsoluteValue, -2.5, 2.5},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(IsNear(Apply(c.function, c.x), c.reference, 1e-14)) << "x = " << c.x;
    EXPECT_TRUE(IsNumber(Apply(&Real::SquareRoot, 0), 0.0));
    EXPECT_TRUE(IsNumber(Apply(&Real::ArcSine, 1), std::numbers::pi / 2));
    EXPECT_TRUE(IsNumber(Apply(&Real::ArcCosine, -1), std::numbers::pi));
}

TEST(RealFunctionsTest, DomainErrorsGiveTheirMessages)
{
    EXPECT_EQ(MessageOf(Apply(&Real::Log, 0)), "Log of zero");
    EXPECT_EQ(MessageOf(Apply(&Real::Log, -1)), "Log of negative number");
    EXPECT_EQ(MessageOf(Apply(&Real::Log10, 0)), "Log of zero");
    EXPECT_EQ(MessageOf(Apply(&Real::Log10, -1e-100)), "Log of negative number");
    EXPECT_EQ(MessageOf(Apply(&Real::SquareRoot, -2e-154)), "Square root of negative number");

    const char* trigonometric = "Trig functions limited to domain (-1000,1000)";
    EXPECT_EQ(Apply(&Real::Sine, 1000).Message(), nullptr);
    EXPECT_EQ(Apply(&Real::Cosine, -1000).Message(), nullptr);
    EXPECT_EQ(MessageOf(Apply(&Real::Sine, 1000.0001)), trigonometric);
    EXPECT_EQ(MessageOf(Apply(&Real::Cosine, -1000.0001)), trigonometric);
    EXPECT_EQ(MessageOf(Apply(&Real::Tangent, 1e6)), trigonometric);
    EXPECT_EQ(MessageOf(Apply(&Real::Tangent, std::numbers::pi / 2)),
              "Tangent not defined at specified value");
    EXPECT_EQ(MessageOf(Apply(&Real::Tangent, -std::numbers::pi / 2)),
              "Tangent not defined at specified value");
    EXPECT_EQ(MessageOf(Apply(&Real::ArcSine, 1.0001)), "ArcSine not defined at specified value");
    EXPECT_EQ(MessageOf(Apply(&Real::ArcCosine, -1.5)), "ArcCosine not defined at specified value");

    EXPECT_EQ(MessageOf(Apply(&Real::Exponential, 400)), "Overflow");
    EXPECT_EQ(MessageOf(Apply(&Real::Exponential, 355)), "Overflow");
    EXPECT_TRUE(IsNumber(Apply(&Real::Exponential, -401), 0.0));
    EXPECT_TRUE(IsNumber(Apply(&Real::Exponential, -400), 0.0));
    EXPECT_EQ(MessageOf(Apply(&Real::HyperbolicSine, 401)), "Overflow");
    EXPECT_EQ(MessageOf(Apply(&Real::HyperbolicSine, -400)), "Overflow");
    EXPECT_EQ(MessageOf(Apply(&Real::HyperbolicSine, 356)), "Overflow");
    EXPECT_EQ(MessageOf(Apply(&Real::HyperbolicCosine, -356)), "Overflow");
    EXPECT_TRUE(IsNear(Apply(&Real::HyperbolicSine, 355), 7.4732770023626700694e153, 1e-14));
    EXPECT_TRUE(IsNumber(Apply(&Real::HyperbolicTangent, 400), 1.0));
}

Real Apply(Real& (Real::*function)(const Real&), double a, double b)
{
    Real real = RealOf(a);
    (real.*function)(RealOf(b));
    return real;
}

// References computed with mpmath at 40 digits.
TEST(RealFunctionsTest, GammaAndBetaFunctions)
{
    EXPECT_TRUE(IsNear(Apply(&Real::LogGamma, 0.5), 0.57236494292470008707, 1e-14));
    EXPECT_TRUE(IsNear(Apply(&Real::LogGamma, 12), 17.502307845873885839, 1e-14));
    EXPECT_TRUE(IsNear(Apply(&Real::LogGamma, 3.25), 0.93580193110872535826, 1e-14));
    EXPECT_TRUE(IsNear(Apply(&Real::LogGamma, 300), 1409.2020674704117875, 1e-14));
    EXPECT_TRUE(IsNear(Apply(&Real::LogGamma, 1e-20), 46.05170185988091368, 1e-14));
    EXPECT_TRUE(IsNear(Apply(&Real::Gamma, 5), 24.0, 1e-13));
    EXPECT_TRUE(IsNear(Apply(&Real::Gamma, 0.5), 1.7724538509055160273, 1e-13));
    EXPECT_TRUE(IsNear(Apply(&Real::Gamma, 10.5), 1133278.3889487855673, 1e-12));
    // The exponential amplifies the rounding of a logarithm near 350.
    EXPECT_TRUE(IsNear(Apply(&Real::Gamma, 98), 9.6192759682482119853e151, 1e-13));
    EXPECT_TRUE(IsNear(Apply(&Real::Gamma, 0.001), 999.4237724845954453, 1e-13));    // mpmath
    EXPECT_TRUE(IsNear(Apply(&Real::Gamma, 25.3), 1.6227771176708765749e24, 1e-13)); // mpmath
    EXPECT_TRUE(IsNear(Apply(&Real::LogBeta, 2.5, 3.5), -3.3018352699620526098, 1e-13));
    EXPECT_TRUE(IsNear(Apply(&Real::Beta, 2.5, 3.5), 0.036815538909255389513, 1e-13));
    EXPECT_TRUE(IsNear(Apply(&Real::Beta, 2, 3), 1.0 / 12.0, 1e-13));
    EXPECT_TRUE(IsNear(Apply(&Real::Beta, 0.5, 0.5), std::numbers::pi, 1e-13));
    EXPECT_TRUE(IsNear(Apply(&Real::LogBeta, 1000, 2000), -1911.8746142144515688, 1e-14));
    // A small parameter beside a large one: the three log-gammas would cancel to 1e-9 (mpmath).
    EXPECT_TRUE(IsNear(Apply(&Real::Beta, 1, 1e6), 1e-6, 1e-13));
    EXPECT_TRUE(IsNear(Apply(&Real::LogBeta, 0.5, 1e8), -8.637975427801482649, 1e-14));
    EXPECT_TRUE(IsNear(Apply(&Real::LogBeta, 30, 1e10), -619.51848897454569615, 1e-14));

    EXPECT_EQ(MessageOf(Apply(&Real::Gamma, 0)), "Gamma of zero or negative");
    EXPECT_EQ(MessageOf(Apply(&Real::LogGamma, -2.5)), "Gamma of zero or negative");
    EXPECT_EQ(MessageOf(Apply(&Real::Gamma, 200)), "Overflow");
    EXPECT_TRUE(IsNear(Apply(&Real::Gamma, 99), 9.426890448883248e153, 1e-13)); // 98! exactly
    EXPECT_EQ(MessageOf(Apply(&Real::Gamma, 100)), "Overflow"); // 99! is beyond 1e154
    EXPECT_EQ(MessageOf(Apply(&Real::Beta, 0, 1)), "Beta of zero or negative parameter");
    EXPECT_EQ(MessageOf(Apply(&Real::LogBeta, 1, -1)), "Beta of zero or negative parameter");
    EXPECT_TRUE(IsNumber(Apply(&Real::Beta, 1000, 2000), 0.0)); // e^-1912 is below any Real
}

TEST(RealFunctionsTest, NormalFunctionsUseTheExactTail)
{
    EXPECT_TRUE(IsNear(Apply(&Real::NormalDistribution, 1.96), 0.97500210485177956379, 1e-14));
    EXPECT_TRUE(IsNear(Apply(&Real::NormalDistribution, -8), 6.2209605742717841235e-16, 1e-13));
    EXPECT_TRUE(IsNumber(Apply(&Real::NormalDistribution, -30), 0.0)); // below 2e-154
    EXPECT_TRUE(IsNumber(Apply(&Real::NormalDistribution, 0), 0.5));
    EXPECT_TRUE(IsNumber(Apply(&Real::NormalDistribution, 40), 1.0));

    EXPECT_TRUE(
        IsNear(Apply(&Real::NormalFractionDefective, 0, 0.5), 0.31731050786291410283, 1e-14));
    EXPECT_TRUE(
        IsNear(Apply(&Real::NormalFractionDefective, 0.3, 0.2), 0.040636181906207857462, 1e-13));
    EXPECT_TRUE(
        IsNear(Apply(&Real::NormalFractionDefective, 0, 0.05), 1.5239706048321052132e-23, 1e-12));
    // Standardised limits far beyond the range of a Real.
    EXPECT_TRUE(IsNumber(Apply(&Real::NormalFractionDefective, 1e154, 2e-154), 1.0));
    EXPECT_TRUE(IsNumber(Apply(&Real::NormalFractionDefective, 0, 2e-154), 0.0));
    EXPECT_EQ(MessageOf(Apply(&Real::NormalFractionDefective, 0, 0)),
              "Normal fraction defective parameter error");
    EXPECT_EQ(MessageOf(Apply(&Real::NormalFractionDefective, 0, -1)),
              "Normal fraction defective parameter error");
}

TEST(RealFunctionsTest, MessagesStayThroughFunctionsButPiAndE)
{
    const Function functions[] = {
        &Real::Log,
        &Real::Log10,
        &Real::Exponential,
        &Real::SquareRoot,
        &Real::Sine,
        &Real::Cosine,
        &Real::Tangent,
        &Real::ArcSine,
        &Real::ArcCosine,
        &Real::ArcTangent,
        &Real::HyperbolicSine,
        &Real::HyperbolicCosine,
        &Real::HyperbolicTangent,
        &Real::AbsoluteValue,
        &Real::PowerOfTen,
        &Real::Negate,
        &Real::LogGamma,
        &Real::Gamma,
        &Real::NormalDistribution,
    };
    Real message;
    message.vdSetMessage("kept");
    for (Function function : functions)
    {
        Real real(message);
        (real.*function)();
        EXPECT_EQ(real.Message(), message.Message());
        EXPECT_EQ(real.dValue(), 0.0);
    }
    // Of two operands the first message is passed on.
    Real other;
    other.vdSetMessage("other");
    for (auto function : {&Real::Beta, &Real::LogBeta, &Real::NormalFractionDefective,
                          &Real::Minimum, &Real::Maximum})
    {
        Real both(message);
        EXPECT_EQ((both.*function)(other).Message(), message.Message());
        Real number = RealOf(2);
        EXPECT_EQ((number.*function)(other).Message(), other.Message());
    }
    Real real(message);
    EXPECT_TRUE(IsNumber(real.Pi(), std::numbers::pi));
    real = message;
    EXPECT_TRUE(IsNumber(real.E(), std::numbers::e));
}

TEST(RealFunctionsTest, MinimumMaximumAndTheValueReturningForms)
{
    Real real = RealOf(3);
    EXPECT_TRUE(IsNumber(real.Minimum(RealOf(2)), 2.0));
    EXPECT_TRUE(IsNumber(real.Minimum(RealOf(5)), 2.0));
    EXPECT_TRUE(IsNumber(real.Maximum(RealOf(-1)), 2.0));
    EXPECT_TRUE(IsNumber(real.Maximum(RealOf(7.5)), 7.5));

    const Real four = RealOf(4);
    EXPECT_TRUE(IsNumber(SquareRoot(four), 2.0));
    EXPECT_TRUE(IsNumber(four, 4.0));
    EXPECT_EQ(MessageOf(SquareRoot(RealOf(-4))), "Square root of negative number");
    EXPECT_TRUE(IsNumber(AbsoluteValue(RealOf(-1e154)), 1e154));
}

} // namespace
} // namespace Brosquin
