#pragma once

#include "core/PooledObject.h"

#include <cstdint>

namespace Brosquin
{

class ListPointers;
class Real;
class ReferenceString;

enum IntervalKind : std::uint32_t
{
    IntervalMessage = 0,
    IntervalBounded = 1, // [lower, upper]
    IntervalNoLower = 2, // [-infinity, upper]
    IntervalNoUpper = 3, // [lower, infinity]
    IntervalWhole = 4,   // [-infinity, infinity]
    IntervalUnion = 5,   // ascending disjoint pieces
};

// Finite ends never lie beyond this (the range of a Real).
inline constexpr double IntervalInfinityBound = 1e154;
// Nonzero ends of smaller magnitude are rounded outward to this or to 0.
inline constexpr double IntervalTinyBound = 2e-154;
// A union of more pieces becomes the one interval that holds them all, so that operations on
// unions, which combine every piece with every other, keep their work bounded.
inline constexpr std::uint32_t IntervalPieceLimit = 32;
// Stands for an infinite end where an end is passed or returned as a number.
inline constexpr double IntervalInfinityValue = 1e200;

// The texts of the interval error numbers 1 to 12 (entries 6 and 7 are not used).
extern const char* const IntervalErrorMessages[13];

// A closed set of extended reals: a bounded interval, a half-line, the whole line, an ordered
// union of disjoint pieces, or a message shared like a Real's. A message without any text (the
// state of a zero-filled block) reads as the empty message.
class Interval : public PooledObject<Interval>
{
public:
    // [0, 0] until its holder assigns a value.
    Interval() = default;
    Interval(const Interval& other);
    // The source is left holding the empty message.
    Interval(Interval&& other) noexcept;
    virtual ~Interval();

    Interval& operator=(const Interval& other);
    Interval& operator=(Interval&& other) noexcept;
    // A message is shared; a number gives [x, x] unclamped.
    Interval& operator=(const Real& r);
    // [x, x], with ends beyond the range made infinite and tiny ends rounded outward.
    Interval& operator=(double x);

    // A message of a or b is shared; a > b gives error 1; otherwise [a, b] unclamped.
    void SetEnds(const Real& a, const Real& b);
    // The normalising setter: +-1e200 (or beyond +-1e154) stands for an infinite end, tiny ends
    // are rounded outward, and lo > hi gives error 1. A NaN end is taken as infinite, so the
    // result still encloses whatever the caller computed.
    void SetEnds(double lo, double hi);
    void SetMessage(ReferenceString* shared);
    void SetMessage(const char* text);
    // Entry n of IntervalErrorMessages.
    void SetError(int n);
    // Appends to the message; other kinds are left as they are.
    void AppendMessage(const char* text);

    // This becomes the union of this and other; a message operand is dropped.
    void Union(const Interval& other);
    // [a, b] becomes [-b, -a], piece by piece.
    void Negate();

    // Arithmetic in place, this being the left operand. Every computed end is rounded outward, so
    // the result holds the exact result for every choice of points in the operands; exact ends
    // stay as they are. A message of this wins, else one of the other is taken; unions are
    // handled piece by piece.
    Interval& operator+=(const Interval& other);
    Interval& operator-=(const Interval& other);
    Interval& operator*=(const Interval& other);
    // Multiplies by the reciprocal of other: a divisor holding 0 gives a union or a half-line.
    Interval& operator/=(const Interval& other);
    Interval& Reciprocal();
    // This raised to the exponent; a negative base counts for the whole exponents in range.
    Interval& Power(const Interval& exponent);

    // The functions of the formula language over an interval, in place: each encloses every value
    // the function takes on the argument, and gives a message only where the argument lies wholly
    // outside the function's domain.
    Interval& Log();
    Interval& Log10();
    Interval& Exponential();
    Interval& SquareRoot();
    Interval& Sine();
    Interval& Cosine();
    Interval& Tangent();
    Interval& ArcSine();
    Interval& ArcCosine();
    Interval& ArcTangent();
    Interval& HyperbolicSine();
    Interval& HyperbolicCosine();
    Interval& HyperbolicTangent();
    Interval& Gamma();
    Interval& LogGamma();
    Interval& Beta(const Interval& other);
    Interval& LogBeta(const Interval& other);
    Interval& AbsoluteValue();
    Interval& Minimum(const Interval& other);
    Interval& Maximum(const Interval& other);
    Interval& Pi();
    Interval& E();
    Interval& NormalDistribution();
    // The fraction of a normal population with mean this and standard deviation 2 spread that
    // lies outside the limits -1 and +1; only positive spreads count.
    Interval& NormalFractionDefective(const Interval& spread);

    // 1e200 for a message, -1e200 for an infinite lower end.
    double Lower() const;
    // -1e200 for a message, 1e200 for an infinite upper end.
    double Upper() const;

    IntervalKind Kind() const { return kind; }
    bool HasLowerEnd() const { return kind == IntervalBounded || kind == IntervalNoUpper; }
    bool HasUpperEnd() const { return kind == IntervalBounded || kind == IntervalNoLower; }
    bool IsMessage() const { return kind == IntervalMessage; }
    // The message text ("" for the empty message); null unless IsMessage().
    const char* MessageText() const;
    // The pieces of a union, 1-based; 0 pieces for every other kind, null for a bad position.
    std::uint32_t PieceCount() const;
    const Interval* Piece(std::uint32_t position) const;

private:
    using UnaryOperation = Interval& (Interval::*)();
    using BinaryOperation = Interval& (Interval::*)(const Interval&);

    // Releases the message or the pieces; the caller sets the new state at once.
    void Clear();
    // The rule of two-operand operations: a message of this stays, else one of other is taken.
    // True when this now holds a message.
    bool TookMessage(const Interval& other);
    // Applies the operation to every piece of a union (true) or does nothing (false).
    bool AppliedToPieces(UnaryOperation operation);
    // Applies the operation to every pair of pieces when either operand is a union (true), or does
    // nothing (false).
    bool AppliedToPiecePairs(const Interval& other, BinaryOperation operation);
    // The whole line, then unions piece by piece, as sums, differences and products take them:
    // true when this now holds the result.
    bool HandledAsWholeOrPieces(const Interval& other, BinaryOperation operation);
    // Unites one piece's result into the result being gathered: a failure is dropped, but the
    // first one is kept in case every piece fails.
    void vdGatherPiece(const Interval& result);
    void vdSetWhole();
    // [-infinity, below] united with [above, infinity].
    void vdSetOutsidePieces(double below, double above);
    void vdMultiplyHalfLines(const Interval& other);
    void vdRaiseBounded(const Interval& exponent);
    void vdRaiseNonnegativePart(double base, double top, const Interval& exponent);
    void vdRaiseNegativePart(double magnitudeLower, double magnitudeUpper,
                             const Interval& exponent);
    void vdPeriodic(double (*function)(double), double offset);
    void vdLogarithm(double (*function)(double));

    void vdSetKind(IntervalKind newKind, double newLower, double newUpper);
    void vdUniteSingle(const Interval& other);
    void vdUniteIntoUnion(const Interval& piece);
    void vdCollapseSinglePiece();
    void vdCollapseToHull();
    // The single interval from hullLower to hullUpper, either end missing when flagged.
    void vdSetHull(bool noLower, bool noUpper, double hullLower, double hullUpper);

    IntervalKind kind = IntervalBounded;
    double lower = 0.0;
    double upper = 0.0;
    ReferenceString* message = nullptr; // IntervalMessage only; null is the empty message
    ListPointers* pieces = nullptr;     // IntervalUnion only: owned pieces from the pool
};

} // namespace Brosquin
