#include "core/Interval.h"
#include "core/OutwardRounding.h"

#include "stats/SpecialFunctions.h"

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

constexpr double inf = IntervalInfinityValue;
// Where ln Gamma has its least value on the positive axis, and a double just below that value.
constexpr double leastGammaPoint = 1.4616321449683622;
constexpr double leastLogGamma = -0.12148629053584961;
// The error bounds of the statistics' special functions, with a wide margin over what they show
// against 50-digit values (ln Gamma and Phi within 6e-16 relative, ln B within 1e-15 relative
// and 1e-16 absolute near its zeros); Phi is 1e-300 absolute below 1e-300.
constexpr double specialRelative = 1e-13;
constexpr double logBetaAbsolute = 1e-15;
constexpr double normalAbsolute = 1e-300;

// ln Gamma(1) and ln Gamma(2) are 0 exactly.
double LogGammaBelow(double x)
{
    return x == 1.0 || x == 2.0 ? 0.0 : ErrorDown(Brosquin::LogGamma(x), specialRelative, 0.0);
}

double LogGammaAbove(double x)
{
    return x == 1.0 || x == 2.0 ? 0.0 : ErrorUp(Brosquin::LogGamma(x), specialRelative, 0.0);
}

// ln B(1, 1) = ln Gamma(1) + ln Gamma(1) - ln Gamma(2) is 0 exactly.
double LogBetaBelow(double a, double b)
{
    return a == 1.0 && b == 1.0
               ? 0.0
               : ErrorDown(Brosquin::LogBeta(a, b), specialRelative, logBetaAbsolute);
}

double LogBetaAbove(double a, double b)
{
    return a == 1.0 && b == 1.0
               ? 0.0
               : ErrorUp(Brosquin::LogBeta(a, b), specialRelative, logBetaAbsolute);
}

// Phi(z) within its limits 0 and 1. Beyond the range of a Real the tail is 0 or 1 to every digit,
// and the tail function is not asked about arguments whose square would overflow.
double Phi(double z)
{
    return NormalTailArea(std::clamp(z, -IntervalInfinityBound, IntervalInfinityBound), false);
}

double PhiBelow(double z)
{
    return std::max(0.0, ErrorDown(Phi(z), specialRelative, normalAbsolute));
}

double PhiAbove(double z)
{
    return std::min(1.0, ErrorUp(Phi(z), specialRelative, normalAbsolute));
}

// A bound of the fraction outside the limits -1 and 1 of a normal population with mean x and
// standard deviation 2s > 0, P(x, s) = Phi((x - 1) / (2s)) + Phi((-1 - x) / (2s)); its arguments
// are rounded the same way, Phi being increasing.
double FractionOutside(double x, double s, bool upward)
{
    const double twice = 2.0 * s;
    if (upward)
        return std::min(1.0, SumUp(PhiAbove(QuotientUp(DifferenceUp(x, 1.0), twice)),
                                   PhiAbove(QuotientUp(DifferenceUp(-1.0, x), twice))));
    return std::max(0.0, SumDown(PhiBelow(QuotientDown(DifferenceDown(x, 1.0), twice)),
                                 PhiBelow(QuotientDown(DifferenceDown(-1.0, x), twice))));
}

// For |x| > 1 the spread at which P(x, s) is least, sqrt(|x / (2 ln((x + 1) / (x - 1)))|), the
// logarithm written as ln(1 + 2 / (|x| - 1)) to stay exact far from the limits. Being a minimum,
// P hardly changes with a rounding of this spread.
double LeastFractionSpread(double x)
{
    const double magnitude = std::fabs(x);
    return std::sqrt(magnitude / (2.0 * std::log1p(2.0 / (magnitude - 1.0))));
}

} // namespace

// ln Gamma falls to its least value at leastGammaPoint and rises after it; it goes to infinity at
// 0 and at infinity. Only the positive part of the argument counts.
Interval& Interval::LogGamma()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::LogGamma))
        return *this;
    const double a = Lower(), b = Upper();
    if (b <= 0.0)
        SetError(10);
    else if (b >= leastGammaPoint)
    {
        const double top = HasUpperEnd() ? LogGammaAbove(b) : inf;
        SetEnds(a > leastGammaPoint ? LogGammaBelow(a) : leastLogGamma,
                a > leastGammaPoint ? top
                : a > 0.0           ? std::max(LogGammaAbove(a), top)
                                    : inf);
    }
    else
        SetEnds(LogGammaBelow(b), a > 0.0 ? LogGammaAbove(a) : inf);
    return *this;
}

Interval& Interval::Gamma()
{
    return LogGamma().Exponential();
}

// ln B(x, y) falls in both arguments: its least value comes from the upper ends and its largest
// from the lower ends. An argument reaching 0 sends it to infinity, one without an upper end to
// -infinity.
Interval& Interval::LogBeta(const Interval& other)
{
    if (TookMessage(other) || AppliedToPiecePairs(other, &Interval::LogBeta))
        return *this;
    const double a = Lower(), b = Upper(), c = other.Lower(), d = other.Upper();
    if (b <= 0.0 || d <= 0.0)
        SetError(11);
    else
        SetEnds(HasUpperEnd() && other.HasUpperEnd() ? LogBetaBelow(b, d) : -inf,
                a > 0.0 && c > 0.0 ? LogBetaAbove(a, c) : inf);
    return *this;
}

Interval& Interval::Beta(const Interval& other)
{
    return LogBeta(other).Exponential();
}

Interval& Interval::NormalDistribution()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::NormalDistribution))
        return *this;
    SetEnds(HasLowerEnd() ? PhiBelow(lower) : 0.0, HasUpperEnd() ? PhiAbove(upper) : 1.0);
    return *this;
}

// P(x, s) is even in x and grows with |x|. For |x| <= 1 it grows with s from 0 (0.5 at |x| = 1)
// as s goes to 0; for |x| > 1 it is least at LeastFractionSpread and goes to 1 as s goes to 0 or
// to infinity. So the least value comes from the point of x nearest to 0 and the largest from the
// point farthest from 0, each at the spread that makes it least or largest.
Interval& Interval::NormalFractionDefective(const Interval& spread)
{
    if (TookMessage(spread) || AppliedToPiecePairs(spread, &Interval::NormalFractionDefective))
        return *this;
    const double a = Lower(), b = Upper();
    // Spreads count from above 0 only; 0 stands for spreads reaching down to 0.
    const double least = spread.HasLowerEnd() && spread.lower > 0.0 ? spread.lower : 0.0;
    const double most = spread.Upper();
    if (most <= 0.0)
    {
        SetError(12);
        return *this;
    }
    const double nearest = std::fabs(a > 0.0 ? a : b < 0.0 ? b : 0.0);
    double low;
    if (nearest > 1.0)
        low =
            FractionOutside(nearest, std::clamp(LeastFractionSpread(nearest), least, most), false);
    else if (least > 0.0)
        low = FractionOutside(nearest, least, false);
    else
        low = nearest < 1.0 ? 0.0 : 0.5;
    double high = 1.0;
    if (kind == IntervalBounded && spread.HasUpperEnd())
    {
        const double farthest = std::max(-a, b);
        if (least > 0.0)
            high = std::max(FractionOutside(farthest, least, true),
                            FractionOutside(farthest, most, true));
        else if (a >= -1.0 && b <= 1.0)
            high = FractionOutside(farthest, most, true);
    }
    SetEnds(low, high);
    return *this;
}

} // namespace Brosquin
