#include "core/Real.h"

#include <cmath>

namespace Brosquin
{

namespace
{
// Beyond this exponent 10^x lies far outside the range of a Real: 400 / ln 10.
constexpr double largestPowerOfTen = 173.71779276130073;
// Powers whose logarithm lies beyond +-400 are cut off before they are computed.
constexpr double logarithmLimit = 400.0;
} // namespace

bool Real::PassesMessageOn(const Real& other)
{
    if (message != nullptr)
        return true;
    if (other.message == nullptr)
        return false;
    vdShareMessage(other.message);
    return true;
}

Real& Real::operator+=(const Real& other)
{
    if (!PassesMessageOn(other))
        *this = value + other.value;
    return *this;
}

Real& Real::operator-=(const Real& other)
{
    if (!PassesMessageOn(other))
        *this = value - other.value;
    return *this;
}

Real& Real::operator*=(const Real& other)
{
    if (!PassesMessageOn(other))
        *this = value * other.value;
    return *this;
}

Real& Real::operator/=(const Real& other)
{
    if (PassesMessageOn(other))
        return *this;
    if (other.value == 0.0)
        vdSetError(DivideByZero);
    else
        *this = value / other.value;
    return *this;
}

Real& Real::Power(const Real& exponent)
{
    if (PassesMessageOn(exponent))
        return *this;
    const double x = value;
    const double y = exponent.value;
    if (x == 0.0)
    {
        if (y > 0.0)
            vdStore(0.0);
        else
            vdSetError(PowerNotDefined);
        return *this;
    }
    // A negative base has a real power only for a whole exponent; its sign follows the parity.
    if (x < 0.0 && std::floor(y) != y)
    {
        vdSetError(PowerNotDefined);
        return *this;
    }
    return AssignPower(std::log(std::fabs(x)) * y, logarithmLimit, std::pow(x, y));
}

Real& Real::AssignPower(double exponent, double limit, double power)
{
    if (exponent > limit)
        vdSetError(Overflow);
    else if (exponent < -limit)
        vdStore(0.0);
    else
        *this = power;
    return *this;
}

Real& Real::PowerOfTen()
{
    if (message == nullptr)
        AssignPower(value, largestPowerOfTen, std::pow(10.0, value));
    return *this;
}

Real& Real::Negate()
{
    if (message == nullptr)
        value = -value;
    return *this;
}

bool Real::operator==(const Real& other) const
{
    if (message != nullptr || other.message != nullptr)
        return false;
    if (value == 0.0 || other.value == 0.0)
        return value == other.value;
    return std::fabs(value / other.value - 1.0) < 1e-15;
}

bool Real::operator!=(const Real& other) const
{
    return message == nullptr && other.message == nullptr && !(*this == other);
}

bool Real::operator<(const Real& other) const
{
    return value < other.value && *this != other;
}

bool Real::operator<=(const Real& other) const
{
    return (message == nullptr && other.message == nullptr && value < other.value) ||
           *this == other;
}

bool Real::operator>(const Real& other) const
{
    return value > other.value && *this != other;
}

bool Real::operator>=(const Real& other) const
{
    return (message == nullptr && other.message == nullptr && value > other.value) ||
           *this == other;
}

Real operator+(const Real& a, const Real& b)
{
    Real result(a);
    result += b;
    return result;
}

Real operator-(const Real& a, const Real& b)
{
    Real result(a);
    result -= b;
    return result;
}

Real operator*(const Real& a, const Real& b)
{
    Real result(a);
    result *= b;
    return result;
}

Real operator/(const Real& a, const Real& b)
{
    Real result(a);
    result /= b;
    return result;
}

Real operator-(const Real& a)
{
    Real result(a);
    result.Negate();
    return result;
}

} // namespace Brosquin
