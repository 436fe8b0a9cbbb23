#include "core/Interval.h"
#include "core/OutwardRounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Brosquin
{

namespace
{

// A negative base is raised to each whole exponent in range; beyond this many the whole line is
// the answer. Beyond 2^52 doubles no longer step through every whole number.
constexpr double mostWholeExponents = 100.0;
constexpr double largestCountedExponent = 4503599627370496.0;

// The pieces of an interval: those of a union, or the interval itself.
std::uint32_t PieceTotal(const Interval& interval)
{
    return interval.Kind() == IntervalUnion ? interval.PieceCount() : 1;
}

const Interval& PieceAt(const Interval& interval, std::uint32_t position)
{
    return interval.Kind() == IntervalUnion ? *interval.Piece(position) : interval;
}

bool IsExactly(const Interval& interval, double value)
{
    return interval.Kind() == IntervalBounded && interval.Lower() == value &&
           interval.Upper() == value;
}

} // namespace

bool Interval::TookMessage(const Interval& other)
{
    if (kind == IntervalMessage)
        return true;
    if (other.kind != IntervalMessage)
        return false;
    *this = other;
    return true;
}

void Interval::vdGatherPiece(const Interval& result)
{
    if (result.kind != IntervalMessage)
        Union(result);
    else if (kind == IntervalMessage && message == nullptr)
        *this = result;
}

bool Interval::AppliedToPieces(UnaryOperation operation)
{
    if (kind != IntervalUnion)
        return false;
    // Moving the union out leaves this as the empty message, which the first result replaces.
    const Interval source(std::move(*this));
    for (std::uint32_t i = 1; i <= source.PieceCount(); ++i)
    {
        Interval piece(*source.Piece(i));
        (piece.*operation)();
        vdGatherPiece(piece);
    }
    return true;
}

bool Interval::AppliedToPiecePairs(const Interval& other, BinaryOperation operation)
{
    if (kind != IntervalUnion && other.kind != IntervalUnion)
        return false;
    const Interval right(other);
    const Interval left(std::move(*this));
    for (std::uint32_t i = 1; i <= PieceTotal(left); ++i)
        for (std::uint32_t j = 1; j <= PieceTotal(right); ++j)
        {
            Interval piece(PieceAt(left, i));
            (piece.*operation)(PieceAt(right, j));
            vdGatherPiece(piece);
        }
    return true;
}

void Interval::vdSetWhole()
{
    vdSetKind(IntervalWhole, 0.0, 0.0);
}

bool Interval::HandledAsWholeOrPieces(const Interval& other, BinaryOperation operation)
{
    if (kind == IntervalWhole)
        return true;
    if (other.kind == IntervalWhole)
    {
        vdSetWhole();
        return true;
    }
    return AppliedToPiecePairs(other, operation);
}

// Sums and differences of any two single pieces follow from the ends as numbers, an infinite end
// standing as +-1e200: it stays beyond the range whatever finite end is added.
Interval& Interval::operator+=(const Interval& other)
{
    if ((kind != IntervalBounded || other.kind != IntervalBounded) &&
        (TookMessage(other) || HandledAsWholeOrPieces(other, &Interval::operator+=)))
        return *this;
    SetEnds(SumDown(Lower(), other.Lower()), SumUp(Upper(), other.Upper()));
    return *this;
}

Interval& Interval::operator-=(const Interval& other)
{
    if ((kind != IntervalBounded || other.kind != IntervalBounded) &&
        (TookMessage(other) || HandledAsWholeOrPieces(other, &Interval::operator-=)))
        return *this;
    SetEnds(DifferenceDown(Lower(), other.Upper()), DifferenceUp(Upper(), other.Lower()));
    return *this;
}

Interval& Interval::operator*=(const Interval& other)
{
    if (kind == IntervalBounded && other.kind == IntervalBounded)
    {
        const double a = lower, b = upper, c = other.lower, d = other.upper;
        SetEnds(
            std::min({ProductDown(a, c), ProductDown(a, d), ProductDown(b, c), ProductDown(b, d)}),
            std::max({ProductUp(a, c), ProductUp(a, d), ProductUp(b, c), ProductUp(b, d)}));
        return *this;
    }
    // [0, 0] times anything, the whole line and unions included, is [0, 0].
    if (TookMessage(other) || IsExactly(*this, 0.0))
        return *this;
    if (IsExactly(other, 0.0))
        SetEnds(0.0, 0.0);
    else if (!HandledAsWholeOrPieces(other, &Interval::operator*=))
        vdMultiplyHalfLines(other);
    return *this;
}

// Products of single pieces at least one of which is a half-line, by the signs of the ends.
void Interval::vdMultiplyHalfLines(const Interval& other)
{
    constexpr double inf = IntervalInfinityValue;
    const double a = Lower(), b = Upper(), c = other.Lower(), d = other.Upper();
    if (kind == IntervalBounded || other.kind == IntervalBounded)
    {
        // One bounded factor [p, q] and a half-line whose finite end is e.
        const bool thisBounded = kind == IntervalBounded;
        const double p = thisBounded ? a : c, q = thisBounded ? b : d;
        const Interval& line = thisBounded ? other : *this;
        const bool upwardLine = line.kind == IntervalNoUpper;
        const double e = upwardLine ? line.Lower() : line.Upper();
        if (q > 0.0 && p < 0.0)
            vdSetWhole();
        else if ((q > 0.0) == upwardLine)
            SetEnds(std::min(ProductDown(p, e), ProductDown(q, e)), inf);
        else
            SetEnds(-inf, std::max(ProductUp(p, e), ProductUp(q, e)));
        return;
    }
    if (kind == IntervalNoLower && other.kind == IntervalNoLower)
    {
        if (b > 0.0 || d > 0.0)
            vdSetWhole();
        else
            SetEnds(ProductDown(b, d), inf);
    }
    else if (kind == IntervalNoUpper && other.kind == IntervalNoUpper)
    {
        if (a < 0.0 || c < 0.0)
            vdSetWhole();
        else
            SetEnds(ProductDown(a, c), inf);
    }
    else
    {
        // [-inf, e] times [f, inf]: the end of the downward line and that of the upward one.
        const double e = kind == IntervalNoLower ? b : d;
        const double f = kind == IntervalNoLower ? c : a;
        if (e > 0.0 || f < 0.0)
            vdSetWhole();
        else
            SetEnds(-inf, ProductUp(e, f));
    }
}

Interval& Interval::Reciprocal()
{
    constexpr double inf = IntervalInfinityValue;
    if (kind == IntervalMessage || kind == IntervalWhole || AppliedToPieces(&Interval::Reciprocal))
        return *this;
    const double a = Lower(), b = Upper();
    if (kind == IntervalNoUpper)
    {
        if (a > 0.0)
            SetEnds(0.0, QuotientUp(1.0, a));
        else if (a == 0.0)
            SetEnds(0.0, inf);
        else
            vdSetOutsidePieces(QuotientUp(1.0, a), 0.0);
    }
    else if (kind == IntervalNoLower)
    {
        if (b < 0.0)
            SetEnds(QuotientDown(1.0, b), 0.0);
        else if (b == 0.0)
            SetEnds(-inf, 0.0);
        else
            vdSetOutsidePieces(0.0, QuotientDown(1.0, b));
    }
    else if (a > 0.0 || b < 0.0)
        SetEnds(QuotientDown(1.0, b), QuotientUp(1.0, a));
    else if (a == 0.0 && b == 0.0)
        SetError(2);
    else if (a == 0.0)
        SetEnds(QuotientDown(1.0, b), inf);
    else if (b == 0.0)
        SetEnds(-inf, QuotientUp(1.0, a));
    else
        vdSetOutsidePieces(QuotientUp(1.0, a), QuotientDown(1.0, b));
    return *this;
}

void Interval::vdSetOutsidePieces(double below, double above)
{
    Interval upperPiece;
    upperPiece.SetEnds(above, IntervalInfinityValue);
    SetEnds(-IntervalInfinityValue, below);
    Union(upperPiece);
}

Interval& Interval::operator/=(const Interval& other)
{
    Interval reciprocal(other);
    reciprocal.Reciprocal();
    return *this *= reciprocal;
}

Interval& Interval::Power(const Interval& exponent)
{
    constexpr double inf = IntervalInfinityValue;
    if (kind == IntervalBounded && exponent.kind == IntervalBounded)
    {
        vdRaiseBounded(exponent);
        return *this;
    }
    if (TookMessage(exponent) || AppliedToPiecePairs(exponent, &Interval::Power))
        return *this;
    const double a = Lower(), b = Upper();
    const IntervalKind exponentKind = exponent.kind;
    switch (kind)
    {
    case IntervalBounded:
        if (exponentKind == IntervalWhole)
        {
            if (IsExactly(*this, -1.0))
            {
                Interval one;
                one.SetEnds(1.0, 1.0);
                Union(one);
            }
            else if (!IsExactly(*this, 0.0) && !IsExactly(*this, 1.0))
                SetEnds(a >= 0.0 ? 0.0 : -inf, inf);
        }
        else
        {
            // Whole exponents without end: a negative base then takes every large value.
            vdRaiseNonnegativePart(a, b, exponent);
            if (a < 0.0)
                vdSetWhole();
        }
        break;
    case IntervalNoLower:
        if (exponentKind == IntervalBounded)
        {
            vdRaiseNonnegativePart(-inf, b, exponent);
            vdRaiseNegativePart(std::max(-b, 0.0), inf, exponent);
        }
        else
            vdSetWhole();
        break;
    case IntervalNoUpper:
        if (exponentKind == IntervalWhole)
        {
            if (a < 0.0)
                vdSetWhole();
            else
                SetEnds(0.0, inf);
            break;
        }
        vdRaiseNonnegativePart(a, inf, exponent);
        if (a < 0.0)
        {
            if (exponentKind == IntervalBounded)
                vdRaiseNegativePart(0.0, -a, exponent);
            else
                vdSetWhole();
        }
        break;
    default: // the whole line
        if (exponentKind != IntervalBounded)
            break;
        if (IsExactly(exponent, 0.0))
            SetEnds(1.0, 1.0);
        else
        {
            SetEnds(-inf, 0.0);
            Power(exponent);
            Interval upperPart;
            upperPart.SetEnds(0.0, inf);
            Union(upperPart);
        }
        break;
    }
    return *this;
}

void Interval::vdRaiseBounded(const Interval& exponent)
{
    const double a = lower, b = upper;
    vdRaiseNonnegativePart(a, b, exponent);
    if (a < 0.0)
        vdRaiseNegativePart(-std::min(b, 0.0), -a, exponent);
}

// This becomes [max(base, 0), top] ^ exponent, top 1e200 standing for infinity, by the logarithm
// and the exponential; with nothing positive in the base, 0 when the exponent is positive, else
// the error.
void Interval::vdRaiseNonnegativePart(double base, double top, const Interval& exponent)
{
    if (top < 0.0 || (top == 0.0 && exponent.Upper() <= 0.0))
    {
        SetError(3);
        return;
    }
    if (top == 0.0)
    {
        SetEnds(0.0, 0.0);
        return;
    }
    SetEnds(std::max(base, 0.0), top);
    Log();
    *this *= exponent;
    Exponential();
    if (kind == IntervalMessage)
        SetError(3);
}

// Unites into this -m^k or m^k for every whole k in the bounded exponent, m being the magnitudes
// [magnitudeLower, magnitudeUpper] of the negative part of the base.
void Interval::vdRaiseNegativePart(double magnitudeLower, double magnitudeUpper,
                                   const Interval& exponent)
{
    const double first = std::ceil(exponent.lower);
    const double last = std::floor(exponent.upper);
    if (last - first + 1.0 > mostWholeExponents || std::fabs(first) > largestCountedExponent ||
        std::fabs(last) > largestCountedExponent)
    {
        vdSetWhole();
        return;
    }
    for (double k = first; k <= last; k += 1.0)
    {
        Interval term;
        term.SetEnds(magnitudeLower, magnitudeUpper);
        term.Log();
        Interval power;
        power = k;
        term *= power;
        term.Exponential();
        if (std::fmod(k, 2.0) != 0.0)
            term.Negate();
        // A message left by the nonnegative part gives way to the first value.
        Union(term);
    }
}

} // namespace Brosquin
