#include "core/Interval.h"
#include "core/OutwardRounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Brosquin
{

namespace
{

constexpr double inf = IntervalInfinityValue;
// The doubles nearest to pi, pi/2 and e lie below them; the enclosing ends are these and the
// doubles just above.
constexpr double piBelow = std::numbers::pi;
constexpr double halfPiBelow = std::numbers::pi / 2.0;
const double piAbove = std::nextafter(piBelow, inf);
const double halfPiAbove = std::nextafter(halfPiBelow, inf);
constexpr double eBelow = std::numbers::e;
const double eAbove = std::nextafter(eBelow, inf);
constexpr double inversePi = std::numbers::inv_pi;
// Beyond this the exponential functions leave the range of a Real by far.
constexpr double exponentCut = 400.0;
// Beyond this magnitude of an end, the position of an argument within the period of sine,
// cosine and tangent is no longer known well enough to trust.
constexpr double periodicLimit = 1e8;

// The bounds of a library value f(x), exact where the caller says so.
double Below(double (*function)(double), double x, bool exact)
{
    return LibraryDown(function(x), exact);
}

double Above(double (*function)(double), double x, bool exact)
{
    return LibraryUp(function(x), exact);
}

// How far the computed place of an argument within the period may lie from the true one, with a
// wide margin: the rounding of x / pi and of k pi grows with the magnitude of x.
double PeriodMargin(double a, double b)
{
    return 1e-14 * (std::fabs(a) + std::fabs(b) + 1.0);
}

double Exp(double x)
{
    return std::exp(x);
}

double Sinh(double x)
{
    return std::sinh(x);
}

double Cosh(double x)
{
    return std::cosh(x);
}

// Bounds of e^v, of sinh v and of cosh v, cut at +-400 beyond which they lie outside the range.
double ExponentialBelow(double v)
{
    return v > exponentCut    ? IntervalInfinityBound
           : v < -exponentCut ? 0.0
                              : Below(Exp, v, v == 0.0);
}

double ExponentialAbove(double v)
{
    return v > exponentCut ? inf : v < -exponentCut ? IntervalTinyBound : Above(Exp, v, v == 0.0);
}

double HyperbolicSineBelow(double v)
{
    return v > exponentCut    ? IntervalInfinityBound
           : v < -exponentCut ? -inf
                              : Below(Sinh, v, v == 0.0);
}

double HyperbolicSineAbove(double v)
{
    return v > exponentCut    ? inf
           : v < -exponentCut ? -IntervalInfinityBound
                              : Above(Sinh, v, v == 0.0);
}

// cosh of a magnitude m >= 0.
double HyperbolicCosineBelow(double m)
{
    return m > exponentCut ? IntervalInfinityBound : Below(Cosh, m, m == 0.0);
}

double HyperbolicCosineAbove(double m)
{
    return m > exponentCut ? inf : Above(Cosh, m, m == 0.0);
}

} // namespace

void Interval::vdLogarithm(double (*function)(double))
{
    if (kind == IntervalMessage || kind == IntervalWhole)
        return;
    const double a = Lower(), b = Upper();
    if (b <= 0.0)
        SetError(4);
    else
        SetEnds(a > 0.0 ? Below(function, a, a == 1.0) : -inf,
                kind == IntervalNoUpper ? inf : Above(function, b, b == 1.0));
}

Interval& Interval::Log()
{
    if (!AppliedToPieces(&Interval::Log))
        vdLogarithm([](double x) { return std::log(x); });
    return *this;
}

Interval& Interval::Log10()
{
    if (!AppliedToPieces(&Interval::Log10))
        vdLogarithm([](double x) { return std::log10(x); });
    return *this;
}

Interval& Interval::Exponential()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::Exponential))
        return *this;
    SetEnds(HasLowerEnd() ? ExponentialBelow(lower) : 0.0,
            HasUpperEnd() ? ExponentialAbove(upper) : inf);
    return *this;
}

Interval& Interval::SquareRoot()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::SquareRoot))
        return *this;
    const double a = Lower(), b = Upper();
    if (b < 0.0)
        SetError(5);
    else
        SetEnds(a > 0.0 ? SquareRootDown(a) : 0.0, HasUpperEnd() ? SquareRootUp(b) : inf);
    return *this;
}

// Sine (offset 1/2) or cosine (offset 0), whose extrema lie at (m + offset) pi, a maximum for
// even m and a minimum for odd m. Their places are tested with a margin on both sides, so that an
// extremum close to an end is counted rather than missed.
void Interval::vdPeriodic(double (*function)(double), double offset)
{
    if (kind != IntervalBounded || std::fabs(lower) > periodicLimit ||
        std::fabs(upper) > periodicLimit)
    {
        SetEnds(-1.0, 1.0);
        return;
    }
    const double a = lower, b = upper;
    const double margin = PeriodMargin(a, b);
    // t + offset pi is the first extremum at or above a - margin.
    const double k = std::ceil((a - margin) * inversePi - offset);
    const double t = k * piBelow;
    const double reach = b + margin - offset * piBelow;
    const double low =
        std::max(-1.0, std::min(Below(function, a, a == 0.0), Below(function, b, b == 0.0)));
    const double high =
        std::min(1.0, std::max(Above(function, a, a == 0.0), Above(function, b, b == 0.0)));
    if (reach >= t + piBelow)
        SetEnds(-1.0, 1.0);
    else if (reach < t)
        SetEnds(low, high);
    else if (std::fmod(k, 2.0) != 0.0)
        SetEnds(-1.0, high);
    else
        SetEnds(low, 1.0);
}

Interval& Interval::Sine()
{
    if (kind != IntervalMessage && !AppliedToPieces(&Interval::Sine))
        vdPeriodic([](double x) { return std::sin(x); }, 0.5);
    return *this;
}

Interval& Interval::Cosine()
{
    if (kind != IntervalMessage && !AppliedToPieces(&Interval::Cosine))
        vdPeriodic([](double x) { return std::cos(x); }, 0.0);
    return *this;
}

// The asymptotes lie at (m + 1/2) pi. They are counted with a margin on both sides, so that one
// close to an end is never missed: the union (or the whole line) is then given.
Interval& Interval::Tangent()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::Tangent))
        return *this;
    const double a = lower, b = upper;
    if (kind != IntervalBounded || std::fabs(a) > periodicLimit || std::fabs(b) > periodicLimit)
    {
        vdSetWhole();
        return *this;
    }
    const double margin = PeriodMargin(a, b);
    const double ka = std::ceil((a - margin) * inversePi - 0.5);
    const double kb = std::ceil((b + margin) * inversePi - 0.5);
    const auto tan = [](double x) { return std::tan(x); };
    if (kb > ka + 1.0)
        vdSetWhole();
    else if (kb == ka + 1.0)
        vdSetOutsidePieces(Above(tan, b, b == 0.0), Below(tan, a, a == 0.0));
    else
        SetEnds(Below(tan, a, a == 0.0), Above(tan, b, b == 0.0));
    return *this;
}

Interval& Interval::ArcSine()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::ArcSine))
        return *this;
    const double a = Lower(), b = Upper();
    const auto asin = [](double x) { return std::asin(x); };
    if (a > 1.0 || b < -1.0)
        SetError(8);
    else
        SetEnds(a > -1.0 ? Below(asin, a, a == 0.0) : -halfPiAbove,
                b < 1.0 ? Above(asin, b, b == 0.0) : halfPiAbove);
    return *this;
}

Interval& Interval::ArcCosine()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::ArcCosine))
        return *this;
    const double a = Lower(), b = Upper();
    const auto acos = [](double x) { return std::acos(x); };
    if (a > 1.0 || b < -1.0)
        SetError(9);
    else
        SetEnds(b < 1.0 ? Below(acos, b, false) : 0.0, a > -1.0 ? Above(acos, a, false) : piAbove);
    return *this;
}

Interval& Interval::ArcTangent()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::ArcTangent))
        return *this;
    const auto atan = [](double x) { return std::atan(x); };
    SetEnds(HasLowerEnd() ? Below(atan, lower, lower == 0.0) : -halfPiAbove,
            HasUpperEnd() ? Above(atan, upper, upper == 0.0) : halfPiAbove);
    return *this;
}

Interval& Interval::HyperbolicSine()
{
    if (kind == IntervalMessage || kind == IntervalWhole ||
        AppliedToPieces(&Interval::HyperbolicSine))
        return *this;
    SetEnds(HasLowerEnd() ? HyperbolicSineBelow(lower) : -inf,
            HasUpperEnd() ? HyperbolicSineAbove(upper) : inf);
    return *this;
}

// cosh is even with its least value 1 at 0: the ends come from the smallest and the largest
// magnitude in the argument.
Interval& Interval::HyperbolicCosine()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::HyperbolicCosine))
        return *this;
    const double a = Lower(), b = Upper();
    const double least = a > 0.0 ? a : b < 0.0 ? -b : 0.0;
    const double most = kind == IntervalBounded ? std::max(-a, b) : inf;
    SetEnds(HyperbolicCosineBelow(least), HyperbolicCosineAbove(most));
    return *this;
}

Interval& Interval::HyperbolicTangent()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::HyperbolicTangent))
        return *this;
    const auto tanh = [](double x) { return std::tanh(x); };
    SetEnds(HasLowerEnd() ? std::max(-1.0, Below(tanh, lower, lower == 0.0)) : -1.0,
            HasUpperEnd() ? std::min(1.0, Above(tanh, upper, upper == 0.0)) : 1.0);
    return *this;
}

Interval& Interval::AbsoluteValue()
{
    if (kind == IntervalMessage || AppliedToPieces(&Interval::AbsoluteValue))
        return *this;
    const double a = Lower(), b = Upper();
    if (a > 0.0)
        return *this;
    if (b < 0.0)
        SetEnds(-b, -a);
    else
        SetEnds(0.0, std::max(-a, b));
    return *this;
}

// The ends compared as numbers, an infinite end standing as +-1e200, below or above every
// finite end.
Interval& Interval::Minimum(const Interval& other)
{
    if (!TookMessage(other) && !AppliedToPiecePairs(other, &Interval::Minimum))
        SetEnds(std::min(Lower(), other.Lower()), std::min(Upper(), other.Upper()));
    return *this;
}

Interval& Interval::Maximum(const Interval& other)
{
    if (!TookMessage(other) && !AppliedToPiecePairs(other, &Interval::Maximum))
        SetEnds(std::max(Lower(), other.Lower()), std::max(Upper(), other.Upper()));
    return *this;
}

Interval& Interval::Pi()
{
    SetEnds(piBelow, piAbove);
    return *this;
}

Interval& Interval::E()
{
    SetEnds(eBelow, eAbove);
    return *this;
}

} // namespace Brosquin
