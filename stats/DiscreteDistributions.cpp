#include "stats/DiscreteDistributions.h"

#include "stats/GammaUniformExpansion.h"
#include "stats/IncompleteGamma.h"
#include "stats/SaddlePoint.h"
#include "stats/SpecialFunctions.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace Brosquin
{

namespace
{

constexpr double twoPi = 6.28318530717958647692528677;
constexpr std::int64_t largestLot = std::int64_t{1} << 31;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr TailProbabilities undefinedTails = {notANumber, notANumber};
constexpr TailProbabilities allBelow = {1.0, 0.0};
constexpr TailProbabilities allAbove = {0.0, 1.0};

// A value held as scale * exp(exponent), so that products of tiny factors do not underflow
// before they are combined.
struct ScaledExponential
{
    double dScale;
    double dExponent;
};

double Value(ScaledExponential term)
{
    return term.dScale * std::exp(term.dExponent);
}

// C(m, k) p^k q^(m - k) in saddle-point form, 0 <= k <= m, where q = 1 - p is passed in as
// computed without cancellation, and deviation = k - m p likewise.
ScaledExponential BinomialTerm(double k, double m, double p, double q, double deviation)
{
    if (m == 0.0)
        return {1.0, 0.0};
    if (k == 0.0)
        return {1.0, m * (p < 0.5 ? std::log1p(-p) : std::log(q))};
    if (k == m)
        return {1.0, m * (q < 0.5 ? std::log1p(-q) : std::log(p))};
    const double rest = m - k;
    return {std::sqrt(m / (twoPi * k * rest)),
            StirlingError(m) - StirlingError(k) - StirlingError(rest) -
                Deviance(k, m * p, deviation) - Deviance(rest, m * q, -deviation)};
}

double Ratio(ScaledExponential numerator, ScaledExponential denominator)
{
    return numerator.dScale / denominator.dScale *
           std::exp(numerator.dExponent - denominator.dExponent);
}

TailProbabilities Swapped(TailProbabilities tails)
{
    return {tails.dUpper, tails.dLower};
}

// The closed form of B(k; n, pi) for k < 4 of the sum of the first k + 1 terms, with
// logKappa = ln(1 - pi).
double SmallCountBinomial(std::int64_t k, double n, double pi, double logKappa)
{
    switch (k)
    {
    case 0:
        return std::exp(n * logKappa);
    case 1:
        return std::exp((n - 1) * logKappa + std::log1p((n - 1) * pi));
    case 2:
        return std::exp((n - 2) * logKappa + std::log1p((n - 2) * pi * (1 + (n - 1) * pi / 2)));
    default:
        return std::exp((n - 3) * logKappa +
                        std::log1p((n - 3) * pi * (1 + (n - 2) * pi * (1 + (n - 1) * pi / 3) / 2)));
    }
}

// P(X <= c) summed from its definition, e^-lambda sum over k <= c of lambda^k / k!, for the
// counts and means below: every term is positive, so the sum keeps full relative precision, and
// for small counts it costs less than any expansion. The terms run in two interleaved chains,
// each stepping two counts at a time, and the sum ends early once the terms fall so fast that
// the rest cannot count.
constexpr std::int64_t largestSummedCount = 100;
// e^-lambda is a normal double up to here.
constexpr double largestSummedMean = 700.0;

constexpr auto reciprocals = []
{
    std::array<double, largestSummedCount + 2> table = {};
    for (std::size_t k = 1; k < table.size(); ++k)
        table[k] = 1.0 / static_cast<double>(k);
    return table;
}();

double PoissonLowerSum(std::int64_t c, double lambda)
{
    constexpr double negligible = 0x1p-56;
    const double square = lambda * lambda;
    double even = 1.0;   // lambda^k / k! for even k
    double odd = lambda; // and for k + 1
    double sumEven = 1.0;
    double sumOdd = 0.0;
    std::int64_t k = 0;
    for (; k + 1 < c; k += 2)
    {
        sumOdd += odd;
        const double step = square * reciprocals[k + 1] * reciprocals[k + 2];
        even *= step;
        odd *= lambda * reciprocals[k + 3] * lambda * reciprocals[k + 2];
        sumEven += even;
        // Past the mode each term is at most lambda / (k + 3) of the one before: the rest is
        // below odd (k + 3) / (k + 3 - lambda).
        const double next = static_cast<double>(k + 3);
        if (odd * next <= negligible * (sumEven + sumOdd) * (next - lambda))
            return std::exp(-lambda) * (sumEven + sumOdd);
    }
    // The last odd count, k + 1 = c, when the loop ran to its end there.
    if (k + 1 == c)
        sumOdd += odd;
    return std::exp(-lambda) * (sumEven + sumOdd);
}

bool IsValidLot(std::int64_t n, std::int64_t D, std::int64_t N)
{
    return n >= 0 && D >= 0 && n <= N && D <= N && N <= largestLot;
}

// h(x; n, D, N) = b(x; D, p) b(n - x; N - D, p) / b(n; N, p) at p = n / N, each binomial term
// in saddle-point form; the deviations k - m n / N are formed from exact integer products.
double HypergeometricTerm(std::int64_t x, std::int64_t n, std::int64_t D, std::int64_t N)
{
    const double lot = static_cast<double>(N);
    const double p = static_cast<double>(n) / lot;
    const double q = static_cast<double>(N - n) / lot;
    const auto deviation = [&](std::int64_t k, std::int64_t m)
    { return static_cast<double>(k * N - m * n) / lot; };
    const ScaledExponential defectives =
        BinomialTerm(static_cast<double>(x), static_cast<double>(D), p, q, deviation(x, D));
    const ScaledExponential goods = BinomialTerm(
        static_cast<double>(n - x), static_cast<double>(N - D), p, q, deviation(n - x, N - D));
    const ScaledExponential sample = BinomialTerm(static_cast<double>(n), lot, p, q, 0.0);
    const double term = Value({defectives.dScale * goods.dScale / sample.dScale,
                               defectives.dExponent + goods.dExponent - sample.dExponent});
    return term > 1.0 ? 1.0 : term;
}

} // namespace

TailProbabilities BinomialTails(std::int64_t c, std::int64_t n, double p)
{
    if (n <= c)
        return allBelow;
    if (c < 0)
        return allAbove;
    if (std::isnan(p) || n > LargestExactCount)
        return undefinedTails;
    if (p <= 0.0)
        return allBelow;
    if (p >= 1.0)
        return allAbove;
    // P(X > c) = I_p(c + 1, n - c).
    return Swapped(IncompleteBetaTails(p, static_cast<double>(c + 1), static_cast<double>(n - c)));
}

double BinomialCumulative(std::int64_t c, std::int64_t n, double p)
{
    if (n <= c)
        return 1.0;
    if (c < 0)
        return 0.0;
    if (p == 0.0)
        return 1.0;
    if (p == 1.0)
        return 0.0;
    if (p > 0.0 && p < 1.0 && n <= LargestExactCount)
    {
        const double trials = static_cast<double>(n);
        if (c < 4)
            return SmallCountBinomial(c, trials, p, std::log1p(-p));
        // Few units above c: one minus the closed form of the complement, where that is the
        // smaller tail (otherwise the subtraction would cost relative precision).
        if (c > n - 5)
        {
            const double complement = SmallCountBinomial(n - c - 1, trials, 1.0 - p, std::log(p));
            if (complement <= 0.5)
                return 1.0 - complement;
        }
    }
    return BinomialTails(c, n, p).dLower;
}

double BinomialProbability(std::int64_t x, std::int64_t n, double p)
{
    if (n < x || x < 0)
        return 0.0;
    if (std::isnan(p) || n > LargestExactCount)
        return notANumber;
    if (p >= 1.0)
        return x == n ? 1.0 : 0.0;
    if (p <= 0.0)
        return x == 0 ? 1.0 : 0.0;
    const double count = static_cast<double>(x);
    const double rest = static_cast<double>(n - x);
    return Value(
        BinomialTerm(count, static_cast<double>(n), p, 1.0 - p, Deviation(count, rest, p)));
}

TailProbabilities HypergeometricTails(std::int64_t c, std::int64_t n, std::int64_t D,
                                      std::int64_t N)
{
    if (!IsValidLot(n, D, N))
        return undefinedTails;
    const std::int64_t lowest = n + D - N > 0 ? n + D - N : 0;
    const std::int64_t highest = n < D ? n : D;
    if (c < lowest)
        return allAbove;
    if (c >= highest)
        return allBelow;
    // Sum a tail from the term at its edge outward. On the far side of the mean the terms fall
    // off geometrically and the sum stops when they no longer count; that tail is the smaller
    // one but where the mean lies within a count of c (a mean below 1 at c = 0 above all), and
    // there the other is summed as well, rather than formed as 1 minus it.
    const double goods = static_cast<double>(N - D);
    const double sample = static_cast<double>(n);
    const double defectives = static_cast<double>(D);
    constexpr double negligible = 0x1p-56;
    const auto lowerSum = [&]
    {
        double term = HypergeometricTerm(c, n, D, N);
        double sum = 0.0;
        for (std::int64_t x = c; term > sum * negligible; --x)
        {
            sum += term;
            if (x == lowest)
                break;
            const double count = static_cast<double>(x);
            term *= count * (goods - sample + count) /
                    ((defectives - count + 1.0) * (sample - count + 1.0));
        }
        return sum;
    };
    const auto upperSum = [&]
    {
        double term = HypergeometricTerm(c + 1, n, D, N);
        double sum = 0.0;
        for (std::int64_t x = c + 1; term > sum * negligible; ++x)
        {
            sum += term;
            if (x == highest)
                break;
            const double count = static_cast<double>(x);
            term *= (defectives - count) * (sample - count) /
                    ((count + 1.0) * (goods - sample + count + 1.0));
        }
        return sum;
    };
    if (static_cast<double>(c) * static_cast<double>(N) < sample * defectives)
    {
        const double lower = lowerSum();
        return {lower, lower <= 0.5 ? 1.0 - lower : upperSum()};
    }
    const double upper = upperSum();
    return {upper <= 0.5 ? 1.0 - upper : lowerSum(), upper};
}

double HypergeometricCumulative(std::int64_t c, std::int64_t n, std::int64_t D, std::int64_t N)
{
    if (c >= n || c >= D)
        return 1.0;
    if (c < 0)
        return 0.0;
    return HypergeometricTails(c, n, D, N).dLower;
}

double HypergeometricProbability(std::int64_t x, std::int64_t n, std::int64_t D, std::int64_t N)
{
    if (n < x || D < x || x < 0 || x < n + D - N)
        return 0.0;
    if (!IsValidLot(n, D, N))
        return notANumber;
    return HypergeometricTerm(x, n, D, N);
}

double HypergeometricOverBinomial(std::int64_t x, std::int64_t n, std::int64_t D, std::int64_t N)
{
    if (x < n + D - N || x > D)
        return 0.0;
    // h(x; n, D, N) = b(x; n, t) b(D - x; N - n, t) / b(D; N, t) for any t; with t = D / N the
    // ratio is the last two, whose deviations from their means are (n D - x N) / N and 0.
    const double lot = static_cast<double>(N);
    const double t = static_cast<double>(D) / lot;
    const double u = static_cast<double>(N - D) / lot;
    return Ratio(BinomialTerm(static_cast<double>(D - x), static_cast<double>(N - n), t, u,
                              static_cast<double>(n * D - x * N) / lot),
                 BinomialTerm(static_cast<double>(D), lot, t, u, 0.0));
}

double BinomialOverPoisson(std::int64_t x, std::int64_t n, double q)
{
    const double count = static_cast<double>(x);
    const double trials = static_cast<double>(n);
    // x - n q, the same for both.
    const double deviation = Deviation(count, trials - count, q);
    const ScaledExponential poisson =
        count == 0.0
            ? ScaledExponential{1.0, -trials * q}
            : ScaledExponential{1.0 / std::sqrt(twoPi * count),
                                -StirlingError(count) - Deviance(count, trials * q, deviation)};
    return Ratio(BinomialTerm(count, trials, q, 1.0 - q, deviation), poisson);
}

TailProbabilities PoissonTails(std::int64_t c, double lambda)
{
    if (c < 0)
        return allAbove;
    if (std::isnan(lambda) || c > LargestExactCount)
        return undefinedTails;
    if (lambda <= 0.0)
        return allBelow;
    if (lambda == std::numeric_limits<double>::infinity())
        return allAbove;
    // With a = c + 1: P(X > c) = P(a, lambda) and P(X <= c) = Q(a, lambda), both
    // lambda^a e^-lambda / c! times a continued fraction.
    const double count = static_cast<double>(c);
    const double a = count + 1.0;
    const double deviation = (count - lambda) + 1.0;
    // Near the mean of a large count the fractions below need about sqrt(c) terms; the uniform
    // expansion costs the same for any count.
    if (const std::optional<TailProbabilities> gamma =
            GammaTailsForLargeShape(a, lambda, deviation))
        return Swapped(*gamma);
    const double factor = lambda * PoissonTerm(count, lambda);
    if (lambda < a)
    {
        const double upper = factor * LowerGammaFraction(a, lambda, deviation);
        return {1.0 - upper, upper};
    }
    const double lower = factor * UpperGammaFraction(a, deviation);
    return {lower, 1.0 - lower};
}

double PoissonCumulative(std::int64_t c, double lambda)
{
    if (c < 0)
        return 0.0;
    if (lambda == 0.0)
        return 1.0;
    if (lambda > 0.0 && lambda <= largestSummedMean && c <= largestSummedCount)
        return PoissonLowerSum(c, lambda);
    return PoissonTails(c, lambda).dLower;
}

double PoissonProbability(std::int64_t x, double lambda)
{
    if (x < 0)
        return 0.0;
    if (std::isnan(lambda) || x > LargestExactCount)
        return notANumber;
    if (lambda <= 0.0)
        return x == 0 ? 1.0 : 0.0;
    return PoissonTerm(static_cast<double>(x), lambda);
}

} // namespace Brosquin
