#include "core/Real.h"
#include "tests/core/RealTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace Brosquin
{
namespace
{

Real Message(const char* text)
{
    Real real;
    real.vdSetMessage(text);
    return real;
}

TEST(RealArithmeticTest, FourOperationsAssignTheirResults)
{
    EXPECT_TRUE(IsNumber(RealOf(2) + RealOf(3), 5.0));
    EXPECT_TRUE(IsNumber(RealOf(2) - RealOf(3), -1.0));
    EXPECT_TRUE(IsNumber(RealOf(2) * RealOf(3), 6.0));
    EXPECT_TRUE(IsNumber(RealOf(1) / RealOf(4), 0.25));
    EXPECT_TRUE(IsNumber(-RealOf(4), -4.0));
    Real sum = RealOf(0.5);
    sum += RealOf(0.25);
    sum -= RealOf(1);
    sum *= RealOf(8);
    sum /= RealOf(-2);
    EXPECT_TRUE(IsNumber(sum, 1.0));

    // Results pass the range rules of assignment.
    EXPECT_EQ(MessageOf(RealOf(1e154) + RealOf(1e154)), "Overflow");
    EXPECT_EQ(MessageOf(RealOf(-1e154) - RealOf(1e154)), "Overflow");
    EXPECT_EQ(MessageOf(RealOf(1e100) * RealOf(1e100)), "Overflow");
    EXPECT_EQ(MessageOf(RealOf(1e154) / RealOf(1e-10)), "Overflow");
    EXPECT_TRUE(IsNumber(RealOf(1e-100) * RealOf(1e-100), 0.0));
    EXPECT_TRUE(IsNumber(RealOf(1e-150) / RealOf(1e10), 0.0));
    EXPECT_EQ(MessageOf(RealOf(1) / RealOf(0.0)), "Divide by zero");
    EXPECT_EQ(MessageOf(RealOf(0.0) / RealOf(0.0)), "Divide by zero");
    EXPECT_TRUE(IsNumber(RealOf(0.0) / RealOf(3), 0.0));
}

TEST(RealArithmeticTest, TheFirstMessageIsPassedOn)
{
    const Real first = Message("first");
    const Real second = Message("second");
    EXPECT_EQ(MessageOf(first + second), "first");
    EXPECT_EQ(MessageOf(second * first), "second");
    EXPECT_EQ(MessageOf(RealOf(1) / second), "second");
    EXPECT_EQ(MessageOf(first / RealOf(0.0)), "first");
    EXPECT_EQ(MessageOf(-first), "first");

    Real shared = RealOf(7);
    shared -= second; // the other's message is shared, not copied
    EXPECT_EQ(shared.Message(), second.Message());
    EXPECT_EQ(shared.dValue(), 0.0);
    shared += RealOf(1); // an operation on a message changes nothing
    EXPECT_EQ(shared.Message(), second.Message());

    Real power = RealOf(2);
    power.Power(first);
    EXPECT_EQ(power.Message(), first.Message());
    Real base = Message("base");
    base.Power(second);
    EXPECT_EQ(MessageOf(base), "base");
    base.PowerOfTen();
    EXPECT_EQ(MessageOf(base), "base");
}

Real Power(double x, double y)
{
    Real result = RealOf(x);
    result.Power(RealOf(y));
    return result;
}

TEST(RealArithmeticTest, PowerCoversEverySign)
{
    EXPECT_TRUE(IsNumber(Power(2, 10), 1024.0));
    EXPECT_TRUE(IsNumber(Power(-8, 3), -512.0));
    EXPECT_TRUE(IsNumber(Power(-8, 2), 64.0));
    EXPECT_TRUE(IsNumber(Power(-2, -2), 0.25));
    EXPECT_TRUE(IsNumber(Power(0, 2), 0.0));
    EXPECT_TRUE(IsNear(Power(1.7, -2.3), 0.29509882538342092137, 1e-15)); // mpmath
    EXPECT_TRUE(IsNumber(Power(1, 1e150), 1.0));
    const char* undefined = "Power not defined at specified values";
    EXPECT_EQ(MessageOf(Power(-8, 1.0 / 3.0)), undefined);
    EXPECT_EQ(MessageOf(Power(0, 0)), undefined);
    EXPECT_EQ(MessageOf(Power(0, -1)), undefined);
    EXPECT_EQ(MessageOf(Power(10, 400)), "Overflow");
    EXPECT_EQ(MessageOf(Power(-10, 401)), "Overflow");
    EXPECT_EQ(MessageOf(Power(10, 155)), "Overflow"); // cut by the range of a Real
    EXPECT_TRUE(IsNumber(Power(10, -400), 0.0));
    EXPECT_TRUE(IsNumber(Power(-2, -1075), 0.0));
    EXPECT_TRUE(IsNumber(Power(10, -160), 0.0));
}

TEST(RealArithmeticTest, PowerOfTenCutsAtFourHundredOverLnTen)
{
    Real real = RealOf(2);
    EXPECT_TRUE(IsNumber(real.PowerOfTen(), 100.0));
    EXPECT_TRUE(IsNear(RealOf(-2.5).PowerOfTen(), 0.0031622776601683793320, 1e-15)); // mpmath
    EXPECT_EQ(MessageOf(RealOf(173.7).PowerOfTen()), "Overflow");
    EXPECT_EQ(MessageOf(RealOf(174).PowerOfTen()), "Overflow");
    EXPECT_TRUE(IsNumber(RealOf(-174).PowerOfTen(), 0.0));
    EXPECT_TRUE(IsNumber(RealOf(-160).PowerOfTen(), 0.0));
    EXPECT_TRUE(IsNumber(RealOf(154).PowerOfTen(), 1e154));
}

// The comparisons that hold between a and b, of == != < <= > >=.
std::string Relations(const Real& a, const Real& b)
{
    const std::pair<const char*, bool> relations[] = {
        {"==", a == b}, {"!=", a != b}, {"<", a < b}, {"<=", a <= b}, {">", a > b}, {">=", a >= b}};
    std::string held;
    for (const auto& [name, holds] : relations)
        if (holds)
            held += held.empty() ? name : std::string(" ") + name;
    return held;
}

TEST(RealComparisonTest, EqualWithinRelativeTolerance)
{
    const Real one = RealOf(1);
    const Real near = RealOf(1 + 4.5e-16); // two units in the last place
    const Real apart = RealOf(1 + 2e-15);
    EXPECT_EQ(Relations(one, near), "== <= >=");
    EXPECT_EQ(Relations(near, one), "== <= >=");
    EXPECT_EQ(Relations(one, apart), "!= < <=");
    EXPECT_EQ(Relations(apart, one), "!= > >=");
    EXPECT_EQ(Relations(RealOf(-3), RealOf(-3 * (1 + 4.5e-16))), "== <= >=");
    EXPECT_EQ(Relations(RealOf(0.0), RealOf(-0.0)), "== <= >=");
    EXPECT_EQ(Relations(RealOf(0.0), RealOf(2e-154)), "!= < <=");
    EXPECT_EQ(Relations(RealOf(2e-154), RealOf(0.0)), "!= > >=");
    EXPECT_EQ(Relations(RealOf(-1e154), RealOf(1e154)), "!= < <=");
}

TEST(RealComparisonTest, MessagesCompareWithNothing)
{
    const Real message = Message("x");
    EXPECT_EQ(Relations(message, message), "");
    EXPECT_EQ(Relations(message, RealOf(0.0)), "");
    EXPECT_EQ(Relations(RealOf(0.0), message), "");
}

} // namespace
} // namespace Brosquin
