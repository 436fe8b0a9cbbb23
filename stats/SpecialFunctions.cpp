#include "stats/SpecialFunctions.h"

#include "stats/BetaUniformExpansion.h"
#include "stats/ContinuedFraction.h"
#include "stats/NormalConstants.h"
#include "stats/SaddlePoint.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace Brosquin
{

namespace
{

constexpr double pi = 3.14159265358979323846264338;

// (zeta(k) - 1) / k for k = 2 ... 31, computed with mpmath at 40 digits.
constexpr std::array<double, 30> zetaSeries = {
    0.32246703342411321824,    0.067352301053198095133,    0.020580808427784547879,
    0.0073855510286739852663,  0.0028905103307415232858,   0.0011927539117032609771,
    0.00050966952474304242234, 0.00022315475845357937976,  0.000099457512781808533715,
    0.0000449262367381331417,  0.000020507212775670691553, 9.439488275268395904e-6,
    4.3748667899074878042e-6,  2.0392157538013662368e-6,   9.5514121304074198329e-7,
    4.4924691987645660433e-7,  2.1207184805554665869e-7,   1.0043224823968099609e-7,
    4.7698101693639805658e-8,  2.271109460894316491e-8,    1.0838659214896954091e-8,
    5.1834750419700466551e-9,  2.4836745438024783172e-9,   1.1921401405860912074e-9,
    5.7313672416788620133e-10, 2.7595228851242331452e-10,  1.3304764374244489481e-10,
    6.4229645638381000221e-11, 3.1044247747322272762e-11,  1.5021384080754142171e-11,
};

// ln Gamma(2 + z) for |z| <= 1/2 from its Taylor series at 2,
// z (1 - gamma) + sum over k >= 2 of (-1)^k (zeta(k) - 1) / k z^k, which has no cancellation
// near the zero at z = 0.
double LogGammaNearTwo(double z)
{
    constexpr double oneMinusEuler = 1.0 - 0.5772156649015328606065121;
    const double w = -z;
    double sum = 0.0;
    for (std::size_t i = zetaSeries.size(); i-- > 0;)
        sum = zetaSeries[i] + w * sum;
    return z * (oneMinusEuler + z * sum);
}

constexpr long maxFractionTerms = 1000000;

// The continued fraction K of DLMF 8.17.22 with I_x(a, b) = x^a (1 - x)^b / B(a, b) * K.
// Its denominators are written with deviation = a - (a + b) x, which is passed in exactly;
// written with x alone they would cancel near the mean and lose digits when a and b are large.
double BetaFraction(double x, double a, double b, double deviation)
{
    const double first = a * (deviation + 1.0) / (a + 1.0);
    const double denominator = EvaluateContinuedFraction(
        first,
        [&](long m, double& numerator, double& partial)
        {
            const double k = static_cast<double>(m);
            const double shifted = a + 2.0 * k - 1.0;
            // a + (k - 1) is exact at k = 1, where a + k - 1 would lose the digits of a small a.
            numerator = (a + (k - 1.0)) * (a + b + (k - 1.0)) * (k * (b - k)) * (x / shifted) *
                        (x / shifted);
            partial = k + k * (b - k) * x / shifted +
                      (a + k) * (deviation + 1.0 + k * (2.0 - x)) / (shifted + 2.0);
        },
        maxFractionTerms);
    return 1.0 / denominator;
}

// a ln(a / (s x)) + b ln(b / (s y)) with s = a + b, where y = 1 - x and deviationA = a - s x
// are passed in as computed without cancellation: ln of x^a y^b against its largest value over x.
double PowerExponent(double x, double y, double a, double b, double deviationA)
{
    const double s = a + b;
    return Deviance(a, s * x, deviationA) + Deviance(b, s * y, -deviationA);
}

// x^a y^b / B(a, b) in saddle-point form, from the exponent above.
double PowerTerm(double a, double b, double exponent)
{
    const double s = a + b;
    return std::sqrt(a * b / (2.0 * pi * s)) *
           std::exp(StirlingError(s) - StirlingError(a) - StirlingError(b) - exponent);
}

// ln Gamma(1 + a) for 0 < a < 1 from the series at 2, relative to its size.
double LogGammaOfOnePlus(double a)
{
    return a <= 0.5 ? LogGammaNearTwo(a) - std::log1p(a) : LogGammaNearTwo(a - 1.0);
}

// ln Gamma(b + a) - ln Gamma(b) for 0 < a < 1, b > 0, to a few units in the last place of a
// however small a is: up to 10 by ln Gamma(x + 1) = ln Gamma(x) + ln x, and there in Stirling's
// form, where the errors of Stirling's formula differ by terms c ((b + a)^-m - b^-m), each
// c b^-m expm1(-m ln(1 + a / b)).
double LogGammaIncrease(double a, double b)
{
    constexpr std::array<double, 8> stirlingSeries = {1.0 / 12,    -1.0 / 360,      1.0 / 1260,
                                                      -1.0 / 1680, 1.0 / 1188,      -691.0 / 360360,
                                                      1.0 / 156,   -3617.0 / 122400};
    double steps = 0.0;
    for (; b < 10.0; b += 1.0)
        steps += std::log1p(a / b);
    const double t = std::log1p(a / b);
    const double v = 1.0 / (b * b);
    double power = 1.0 / b;
    double errors = 0.0;
    for (std::size_t k = 0; k < stirlingSeries.size(); ++k, power *= v)
        errors += stirlingSeries[k] * power * std::expm1(-static_cast<double>(2 * k + 1) * t);
    return (b - 0.5) * t + a * std::log(b + a) - a + errors - steps;
}

// 1 - I_x(a, b) for a < 1 where I_x(a, b) is above 1/2, so that it is not formed as 1 minus
// that. I_x(a, b) = C x^a (1 + a T) with C = Gamma(a + b) / (Gamma(1 + a) Gamma(b)) and T the sum
// over n >= 1 of (1 - b)_n x^n / (n! (n + a)) (DLMF 8.17.7), so 1 - I_x = -expm1(E) - a e^E T with
// E = ln C + a ln x, both parts of the order of a and computed as such. Up to b x = 1 they cancel
// to at most a few bits and the terms of T fall like (b x)^n / n! while n < b and at least like
// x^n beyond; past it the complement comes from `fraction`, whose continued fraction converges
// quickly there.
template <class Fraction>
double SmallParameterComplement(double x, double a, double b, Fraction fraction)
{
    if (b * x > 1.0)
        return fraction();
    const double exponent = LogGammaIncrease(a, b) - LogGammaOfOnePlus(a) + a * std::log(x);
    double term = 1.0;
    double sum = 0.0;
    for (double n = 1.0;; n += 1.0)
    {
        term *= (n - b) * x / n;
        const double next = sum + term / (n + a);
        if (next == sum)
            break;
        sum = next;
    }
    return -std::expm1(exponent) - a * std::exp(exponent) * sum;
}

} // namespace

double LogGamma(double x)
{
    if (x < 0.5)
    {
        if (x + 1.0 == 1.0)
            return -std::log(x);
        // ln Gamma(x) = ln Gamma(2 + x) - ln(1 + x) - ln x
        return LogGammaNearTwo(x) - std::log1p(x) - std::log(x);
    }
    if (x < 1.5)
        return LogGammaNearTwo(x - 1.0) - std::log1p(x - 1.0);
    if (x < 2.5)
        return LogGammaNearTwo(x - 2.0);
    if (x < 10.0)
    {
        double product = 1.0;
        double y = x;
        while (y >= 2.5)
        {
            y -= 1.0;
            product *= y;
        }
        return LogGammaNearTwo(y - 2.0) + std::log(product);
    }
    return (x - 0.5) * std::log(x) - x + logSqrtTwoPi + StirlingError(x);
}

double LogBeta(double a, double b)
{
    if (a > b)
        std::swap(a, b);
    const double s = a + b;
    if (a >= 10.0)
    {
        // Stirling's form of all three terms: the large parts combine into logarithms of the
        // ratios a/s and b/s, which stay moderate.
        return (a - 0.5) * std::log(a / s) + (b - 0.5) * std::log1p(-a / s) - 0.5 * std::log(s) +
               logSqrtTwoPi + StirlingError(a) + StirlingError(b) - StirlingError(s);
    }
    if (b >= 10.0)
    {
        // ln Gamma(b) - ln Gamma(a + b) in Stirling's form, with a small beside b.
        return LogGamma(a) - (b - 0.5) * std::log1p(a / b) - a * std::log(s) + a +
               StirlingError(b) - StirlingError(s);
    }
    return LogGamma(a) + LogGamma(b) - LogGamma(s);
}

double NormalTailArea(double x, bool upper)
{
    // erfc keeps full relative precision far into the tail; what is left is the rounding of
    // x / sqrt(2), corrected to first order with d ln erfc(w) / dw = -g(w), which lies between
    // |w| + sqrt(w^2 + 4 / pi) and |w| + sqrt(w^2 + 2) for w < 0 (Mills' ratio bounds): the first
    // is close enough for a correction of a few units in the last place.
    constexpr double rootHalf = 0.7071067811865476;
    constexpr double rootHalfError = -4.8336466567264565186e-17; // 1/sqrt(2) - rootHalf
    const double z = x * rootHalf;
    const double zError = std::fma(x, rootHalf, -z) + x * rootHalfError;
    const double w = upper ? -z : z;
    const double wError = upper ? -zError : zError;
    double tail = std::erfc(-w);
    if (w < -1.0 && tail > 0.0)
    {
        constexpr double fourOverPi = 1.2732395447351626862;
        tail *= 1.0 + (std::sqrt(w * w + fourOverPi) - w) * wError;
    }
    return 0.5 * tail;
}

double NormalIntervalProbability(double lo, double hi)
{
    if (!(hi > lo))
        return 0.0;
    // Both ends on one side: a difference of two tails on that side; across 0: two central
    // pieces, each Phi(x) - 1/2 = erf(x / sqrt 2) / 2.
    if (lo >= 0.0)
        return NormalTailArea(lo, true) - NormalTailArea(hi, true);
    if (hi <= 0.0)
        return NormalTailArea(hi, false) - NormalTailArea(lo, false);
    constexpr double rootHalf = 0.7071067811865475244;
    return 0.5 * (std::erf(hi * rootHalf) - std::erf(lo * rootHalf));
}

double IncompleteBetaFraction(double x, double a, double b)
{
    return a * BetaFraction(x, a, b, Deviation(a, b, x));
}

TailProbabilities IncompleteBetaTails(double x, double a, double b)
{
    if (x <= 0.0)
        return {0.0, 1.0};
    if (x >= 1.0)
        return {1.0, 0.0};
    if (std::isnan(x) || std::isnan(a) || std::isnan(b))
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan};
    }
    // y = 1 - x is exact for x >= 1/2; below, y is rounded and yError = (1 - x) - y exactly.
    const double y = 1.0 - x;
    const double yError = (1.0 - y) - x;
    const double s = a + b;
    const double deviationA = x <= 0.5 ? Deviation(a, b, x) : -Deviation(b, a, y);
    const double exponent = PowerExponent(x, y, a, b, deviationA);
    if (const std::optional<TailProbabilities> expanded =
            BetaTailsForLargeParameters(a, b, exponent, deviationA > 0.0))
        return *expanded;
    const double power = PowerTerm(a, b, exponent);
    const auto lowerFraction = [&] { return power * BetaFraction(x, a, b, deviationA); };
    // The upper tail is I_y(b, a). The fraction is taken at the rounded y and corrected to first
    // order for yError, using d ln K / dy = 1 / (x y K) - b / y + a / x.
    const auto upperFraction = [&]
    {
        double fraction = BetaFraction(y, b, a, -deviationA + s * yError);
        if (yError != 0.0)
            fraction *= 1.0 + (1.0 / (x * y * fraction) - b / y + a / x) * yError;
        return power * fraction;
    };
    // Each fraction converges quickly on its side of (a + 1) / (s + 2), where its tail is the
    // smaller one unless the parameter of that side is below 1.
    if (x < (a + 1.0) / (s + 2.0))
    {
        const double lower = lowerFraction();
        if (lower > 0.5 && a < 1.0)
            return {lower, SmallParameterComplement(x, a, b, upperFraction)};
        return {lower, 1.0 - lower};
    }
    const double upper = upperFraction();
    if (upper > 0.5 && b < 1.0)
        return {SmallParameterComplement(y, b, a, lowerFraction), upper};
    return {1.0 - upper, upper};
}

double BetaPowerTerm(double x, double a, double b)
{
    if (!(x > 0.0 && x < 1.0))
        return 0.0;
    const double y = 1.0 - x;
    return PowerTerm(
        a, b, PowerExponent(x, y, a, b, x <= 0.5 ? Deviation(a, b, x) : -Deviation(b, a, y)));
}

double IncompleteBeta(double x, double a, double b)
{
    const double lower = IncompleteBetaTails(x, a, b).dLower;
    return lower < 0.0 ? 0.0 : (lower > 1.0 ? 1.0 : lower);
}

} // namespace Brosquin
