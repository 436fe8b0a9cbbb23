#include "stats/SaddlePoint.h"

#include "stats/NormalConstants.h"
#include "stats/SpecialFunctions.h"

#include <array>
#include <cmath>

namespace Brosquin
{

namespace
{

constexpr double twoPi = 6.28318530717958647692528677;

// StirlingError(n) for n = 1 ... 9, computed with mpmath at 40 digits.
constexpr std::array<double, 9> stirlingErrorTable = {
    0.08106146679532725822,  0.041340695955409294094, 0.027677925684998339149,
    0.020790672103765093112, 0.016644691189821192163, 0.013876128823070747999,
    0.011896709945891770095, 0.010411265261972096497, 0.0092554621827127329177,
};

} // namespace

double StirlingError(double x)
{
    if (x >= 10.0)
    {
        // Stirling's series, sum of B(2k) / (2k (2k - 1) x^(2k - 1)); the first term left out is
        // below 2e-18 for x >= 10.
        const double v = 1.0 / (x * x);
        return (1.0 / 12 -
                v * (1.0 / 360 -
                     v * (1.0 / 1260 -
                          v * (1.0 / 1680 -
                               v * (1.0 / 1188 - v * (691.0 / 360360 -
                                                      v * (1.0 / 156 - v * 3617.0 / 122400))))))) /
               x;
    }
    const double whole = std::floor(x);
    if (whole == x && x >= 1.0)
        return stirlingErrorTable[static_cast<int>(x) - 1];
    return LogGamma(x) - (x - 0.5) * std::log(x) + x - logSqrtTwoPi;
}

double Deviance(double x, double m, double deviation)
{
    if (x == 0.0)
        return m;
    const double v = deviation / (x + m);
    if (std::fabs(v) < 0.5)
    {
        // x ln(x/m) = 2x atanh(v) expanded in odd powers of v; the terms barely cancel, where
        // x ln(x/m) and m - x would cancel to a few digits.
        const double v2 = v * v;
        double power = v * v2;
        double sum = 0.0;
        for (int j = 3;; j += 2)
        {
            const double next = sum + power / j;
            if (next == sum)
                break;
            sum = next;
            power *= v2;
        }
        return deviation * v + 2.0 * x * sum;
    }
    return x * std::log(x / m) - deviation;
}

double Deviation(double a, double b, double x)
{
    // The sum a + b and the product by x each carry their rounding error along (two-sum and
    // fused multiply-add), so the result is a - (a + b) x rounded only once.
    const double s = a + b;
    const double sumError = (a - (s - (s - a))) + (b - (s - a));
    const double product = s * x;
    const double productError = std::fma(s, x, -product);
    return ((a - product) - productError) - sumError * x;
}

double PoissonTerm(double x, double lambda)
{
    if (x == 0.0)
        return std::exp(-lambda);
    return std::exp(-StirlingError(x) - Deviance(x, lambda, x - lambda)) / std::sqrt(twoPi * x);
}

double ErfcOfSquareRoot(double exponent)
{
    // y^2 is split exactly into square + squareError.
    const double y = std::sqrt(exponent);
    const double square = y * y;
    const double squareError = std::fma(y, y, -square);
    return std::erfc(y) * (1.0 + ((square - exponent) + squareError));
}

} // namespace Brosquin
