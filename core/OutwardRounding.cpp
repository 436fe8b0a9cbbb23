#include "core/OutwardRounding.h"

#include <cmath>
#include <limits>

namespace Brosquin
{

namespace
{

constexpr double infinity = std::numeric_limits<double>::infinity();
// Below this magnitude the error terms of a product or a quotient may underflow and can no longer
// tell an exact result; such results are moved one step outward unconditionally.
constexpr double tinyResult = 1e-290;
constexpr int libraryUlps = 4;

double Down(double x)
{
    return std::nextafter(x, -infinity);
}

double Up(double x)
{
    return std::nextafter(x, infinity);
}

// The rounding error of a + b, exactly (Knuth's two-sum): a + b = sum + error.
double SumError(double a, double b, double sum)
{
    const double bPart = sum - a;
    return (a - (sum - bPart)) + (b - bPart);
}

// a * b = product + error exactly, unless the product is tiny.
double ProductError(double a, double b, double product)
{
    return std::fma(a, b, -product);
}

// The sign of a / b - quotient: the remainder a - quotient * b is exact unless the quotient is
// tiny, and a / b - quotient = remainder / b.
double QuotientErrorSign(double a, double b, double quotient)
{
    const double remainder = std::fma(-quotient, b, a);
    return b > 0.0 ? remainder : -remainder;
}

} // namespace

double SumDown(double a, double b)
{
    const double sum = a + b;
    return SumError(a, b, sum) < 0.0 ? Down(sum) : sum;
}

double SumUp(double a, double b)
{
    const double sum = a + b;
    return SumError(a, b, sum) > 0.0 ? Up(sum) : sum;
}

double DifferenceDown(double a, double b)
{
    return SumDown(a, -b);
}

double DifferenceUp(double a, double b)
{
    return SumUp(a, -b);
}

double ProductDown(double a, double b)
{
    const double product = a * b;
    if (a == 0.0 || b == 0.0)
        return product;
    if (std::fabs(product) < tinyResult || ProductError(a, b, product) < 0.0)
        return Down(product);
    return product;
}

double ProductUp(double a, double b)
{
    const double product = a * b;
    if (a == 0.0 || b == 0.0)
        return product;
    if (std::fabs(product) < tinyResult || ProductError(a, b, product) > 0.0)
        return Up(product);
    return product;
}

double QuotientDown(double a, double b)
{
    const double quotient = a / b;
    if (a == 0.0)
        return quotient;
    if (std::fabs(quotient) < tinyResult || QuotientErrorSign(a, b, quotient) < 0.0)
        return Down(quotient);
    return quotient;
}

double QuotientUp(double a, double b)
{
    const double quotient = a / b;
    if (a == 0.0)
        return quotient;
    if (std::fabs(quotient) < tinyResult || QuotientErrorSign(a, b, quotient) > 0.0)
        return Up(quotient);
    return quotient;
}

double SquareRootDown(double x)
{
    const double root = std::sqrt(x);
    return std::fma(-root, root, x) < 0.0 ? Down(root) : root;
}

double SquareRootUp(double x)
{
    const double root = std::sqrt(x);
    return std::fma(-root, root, x) > 0.0 ? Up(root) : root;
}

double LibraryDown(double value, bool exact)
{
    if (!exact)
        for (int i = 0; i < libraryUlps; ++i)
            value = Down(value);
    return value;
}

double LibraryUp(double value, bool exact)
{
    if (!exact)
        for (int i = 0; i < libraryUlps; ++i)
            value = Up(value);
    return value;
}

double ErrorDown(double value, double relative, double absolute)
{
    const double error = std::fabs(value) * relative + absolute;
    return error == 0.0 ? value : Down(value - error);
}

double ErrorUp(double value, double relative, double absolute)
{
    const double error = std::fabs(value) * relative + absolute;
    return error == 0.0 ? value : Up(value + error);
}

} // namespace Brosquin
