#include "core/Interval.h"

#include "core/ListPointers.h"
#include "core/Real.h"
#include "core/ReferenceString.h"

#include <cmath>
#include <new>
#include <utility>

namespace Brosquin
{

const char* const IntervalErrorMessages[13] = {
    "",
    "Lower end of interval exceeds upper end",
    "Divide by zero",
    "Power not defined at specified values",
    "Log of zero or negative number",
    "Square root of negative number",
    "",
    "",
    "ArcSine not defined at specified value",
    "ArcCosine not defined at specified value",
    "Gamma of zero or negative",
    "Beta of zero or negative parameter",
    "Normal fraction defective second parameter 0 or negative",
};

namespace
{

// Union pieces come from the Interval pool, whose allocation gives null when memory is exhausted.
Interval* NewPiece(const Interval& source)
{
    Interval* piece = new Interval(source);
    if (piece == nullptr)
    {
        throw std::bad_alloc();
    }
    return piece;
}

ListPointers* NewPieceList()
{
    return new ListPointers(50);
}

Interval* PieceOf(const ListPointers& list, std::uint32_t position)
{
    return static_cast<Interval*>(list.Item(position));
}

} // namespace

Interval::Interval(const Interval& other)
    : kind(other.kind), lower(other.lower), upper(other.upper), message(other.message)
{
    if (message != nullptr)
    {
        message->vdAddReference();
    }
    if (other.pieces != nullptr)
    {
        pieces = NewPieceList();
        for (std::uint32_t i = 1; i <= other.pieces->Count(); ++i)
        {
            pieces->vdInsert(i, NewPiece(*PieceOf(*other.pieces, i)));
        }
    }
}

Interval::Interval(Interval&& other) noexcept
    : kind(other.kind), lower(other.lower), upper(other.upper), message(other.message),
      pieces(other.pieces)
{
    other.kind = IntervalMessage;
    other.message = nullptr;
    other.pieces = nullptr;
}

Interval::~Interval()
{
    Clear();
}

Interval& Interval::operator=(const Interval& other)
{
    if (this != &other)
    {
        // Copy first: other may be one of this union's own pieces.
        *this = Interval(other);
    }
    return *this;
}

Interval& Interval::operator=(Interval&& other) noexcept
{
    if (this != &other)
    {
        Interval taken(static_cast<Interval&&>(other));
        Clear();
        kind = taken.kind;
        lower = taken.lower;
        upper = taken.upper;
        message = taken.message;
        pieces = taken.pieces;
        taken.message = nullptr;
        taken.pieces = nullptr;
    }
    return *this;
}

Interval& Interval::operator=(const Real& r)
{
    if (r.Message() != nullptr)
    {
        SetMessage(r.Message());
    }
    else
    {
        vdSetKind(IntervalBounded, r.dValue(), r.dValue());
    }
    return *this;
}

Interval& Interval::operator=(double x)
{
    if (std::isnan(x))
    {
        vdSetKind(IntervalWhole, 0.0, 0.0);
    }
    else if (x < -IntervalInfinityBound)
    {
        vdSetKind(IntervalNoLower, 0.0, -IntervalInfinityBound);
    }
    else if (x > IntervalInfinityBound)
    {
        vdSetKind(IntervalNoUpper, IntervalInfinityBound, 0.0);
    }
    else if (-IntervalTinyBound < x && x < 0.0)
    {
        vdSetKind(IntervalBounded, -IntervalTinyBound, 0.0);
    }
    else if (0.0 < x && x < IntervalTinyBound)
    {
        vdSetKind(IntervalBounded, 0.0, IntervalTinyBound);
    }
    else
    {
        vdSetKind(IntervalBounded, x, x);
    }
    return *this;
}

void Interval::SetEnds(const Real& a, const Real& b)
{
    if (a.Message() != nullptr)
    {
        SetMessage(a.Message());
    }
    else if (b.Message() != nullptr)
    {
        SetMessage(b.Message());
    }
    else if (a > b)
    {
        SetError(1);
    }
    else
    {
        vdSetKind(IntervalBounded, a.dValue(), b.dValue());
    }
}

void Interval::SetEnds(double lo, double hi)
{
    if (std::isnan(lo))
    {
        lo = -IntervalInfinityValue;
    }
    if (std::isnan(hi))
    {
        hi = IntervalInfinityValue;
    }
    if (lo > hi)
    {
        SetError(1);
        return;
    }
    double roundedUpper = hi;
    if (hi < -IntervalInfinityBound)
    {
        roundedUpper = -IntervalInfinityBound;
    }
    else if (-IntervalTinyBound < hi && hi < 0.0)
    {
        roundedUpper = 0.0;
    }
    else if (0.0 < hi && hi < IntervalTinyBound)
    {
        roundedUpper = IntervalTinyBound;
    }
    double roundedLower = lo;
    if (lo > IntervalInfinityBound)
    {
        roundedLower = IntervalInfinityBound;
    }
    else if (-IntervalTinyBound < lo && lo < 0.0)
    {
        roundedLower = -IntervalTinyBound;
    }
    else if (0.0 < lo && lo < IntervalTinyBound)
    {
        roundedLower = 0.0;
    }
    const bool noLower = lo < -IntervalInfinityBound;
    const bool noUpper = hi > IntervalInfinityBound;
    if (noLower && noUpper)
    {
        vdSetKind(IntervalWhole, 0.0, 0.0);
    }
    else if (noLower)
    {
        vdSetKind(IntervalNoLower, 0.0, roundedUpper);
    }
    else if (noUpper)
    {
        vdSetKind(IntervalNoUpper, roundedLower, 0.0);
    }
    else
    {
        vdSetKind(IntervalBounded, roundedLower, roundedUpper);
    }
}

void Interval::SetMessage(ReferenceString* shared)
{
    // Count the new holder in before letting go of the old message: they may be the same.
    if (shared != nullptr)
    {
        shared->vdAddReference();
    }
    vdSetKind(IntervalMessage, 0.0, 0.0);
    message = shared;
}

void Interval::SetMessage(const char* text)
{
    vdSetKind(IntervalMessage, 0.0, 0.0);
    message = NewMessage(text);
}

void Interval::SetError(int n)
{
    SetMessage(n >= 0 && n < 13 ? IntervalErrorMessages[n] : "");
}

void Interval::AppendMessage(const char* text)
{
    if (kind != IntervalMessage)
    {
        return;
    }
    if (message == nullptr)
    {
        message = NewMessage(text);
    }
    else
    {
        *message += text;
    }
}

const char* Interval::MessageText() const
{
    if (kind != IntervalMessage)
    {
        return nullptr;
    }
    return message != nullptr ? message->Text() : "";
}

void Interval::Union(const Interval& other)
{
    if (&other == this || other.kind == IntervalMessage)
    {
        return;
    }
    if (kind == IntervalMessage)
    {
        *this = other;
    }
    else if (kind == IntervalWhole || other.kind == IntervalWhole)
    {
        vdSetKind(IntervalWhole, 0.0, 0.0);
    }
    else if (other.kind == IntervalUnion)
    {
        for (std::uint32_t i = 1; i <= other.pieces->Count(); ++i)
        {
            Union(*PieceOf(*other.pieces, i));
        }
    }
    else if (kind == IntervalUnion)
    {
        vdUniteIntoUnion(other);
    }
    else
    {
        vdUniteSingle(other);
    }
}

void Interval::vdUniteSingle(const Interval& other)
{
    const double thisLower = Lower();
    const double thisUpper = Upper();
    const double otherLower = other.Lower();
    const double otherUpper = other.Upper();
    if (otherLower <= thisUpper && thisLower <= otherUpper)
    {
        const bool noLower = kind == IntervalNoLower || other.kind == IntervalNoLower;
        const bool noUpper = kind == IntervalNoUpper || other.kind == IntervalNoUpper;
        vdSetHull(noLower, noUpper, otherLower < thisLower ? otherLower : thisLower,
                  otherUpper > thisUpper ? otherUpper : thisUpper);
        return;
    }
    ListPointers* list = NewPieceList();
    Interval* first = NewPiece(*this);
    Interval* second = NewPiece(other);
    if (otherUpper < thisLower)
    {
        std::swap(first, second);
    }
    list->vdInsert(1, first);
    list->vdInsert(2, second);
    Clear();
    kind = IntervalUnion;
    pieces = list;
}

void Interval::vdUniteIntoUnion(const Interval& piece)
{
    ListPointers& list = *pieces;
    // Joins the pieces behind position i into it while they overlap or touch it.
    auto absorbFollowing = [&list](std::uint32_t i)
    {
        while (i < list.Count() && PieceOf(list, i)->Upper() >= PieceOf(list, i + 1)->Lower())
        {
            PieceOf(list, i)->vdUniteSingle(*PieceOf(list, i + 1));
            delete static_cast<Interval*>(list.Remove(i + 1));
        }
    };
    switch (piece.kind)
    {
    case IntervalNoLower:
        if (PieceOf(list, 1)->kind == IntervalNoLower)
        {
            PieceOf(list, 1)->vdUniteSingle(piece);
        }
        else
        {
            list.vdInsert(1, NewPiece(piece));
        }
        absorbFollowing(1);
        break;
    case IntervalNoUpper:
        if (PieceOf(list, list.Count())->kind == IntervalNoUpper)
        {
            PieceOf(list, list.Count())->vdUniteSingle(piece);
        }
        else
        {
            list.vdInsert(list.Count() + 1, NewPiece(piece));
        }
        while (list.Count() >= 2 &&
               PieceOf(list, list.Count() - 1)->Upper() >= PieceOf(list, list.Count())->Lower())
        {
            PieceOf(list, list.Count())->vdUniteSingle(*PieceOf(list, list.Count() - 1));
            delete static_cast<Interval*>(list.Remove(list.Count() - 1));
        }
        break;
    default:
    {
        std::uint32_t i = 1;
        while (i <= list.Count() && PieceOf(list, i)->Upper() < piece.lower)
        {
            ++i;
        }
        if (i > list.Count())
        {
            list.vdInsert(i, NewPiece(piece));
        }
        else if (PieceOf(list, i)->Lower() <= piece.upper)
        {
            PieceOf(list, i)->vdUniteSingle(piece);
            absorbFollowing(i);
        }
        else
        {
            list.vdInsert(i, NewPiece(piece));
        }
        break;
    }
    }
    if (pieces->Count() > IntervalPieceLimit)
    {
        vdCollapseToHull();
    }
    else
    {
        vdCollapseSinglePiece();
    }
}

void Interval::vdCollapseToHull()
{
    vdSetHull(PieceOf(*pieces, 1)->kind == IntervalNoLower,
              PieceOf(*pieces, pieces->Count())->kind == IntervalNoUpper, Lower(), Upper());
}

void Interval::vdSetHull(bool noLower, bool noUpper, double hullLower, double hullUpper)
{
    if (noLower && noUpper)
    {
        vdSetKind(IntervalWhole, 0.0, 0.0);
    }
    else if (noLower)
    {
        vdSetKind(IntervalNoLower, 0.0, hullUpper);
    }
    else if (noUpper)
    {
        vdSetKind(IntervalNoUpper, hullLower, 0.0);
    }
    else
    {
        vdSetKind(IntervalBounded, hullLower, hullUpper);
    }
}

void Interval::vdCollapseSinglePiece()
{
    if (pieces->Count() != 1)
    {
        return;
    }
    Interval* only = static_cast<Interval*>(pieces->Remove(1));
    delete pieces;
    pieces = nullptr;
    kind = only->kind;
    lower = only->lower;
    upper = only->upper;
    delete only;
}

void Interval::Negate()
{
    switch (kind)
    {
    case IntervalBounded:
    {
        const double oldLower = lower;
        lower = -upper;
        upper = -oldLower;
        break;
    }
    case IntervalNoLower:
        kind = IntervalNoUpper;
        lower = -upper;
        break;
    case IntervalNoUpper:
        kind = IntervalNoLower;
        upper = -lower;
        break;
    case IntervalUnion:
    {
        // Taking the pieces from the front and inserting each at the front keeps them ascending.
        ListPointers* negated = NewPieceList();
        while (pieces->Count() > 0)
        {
            Interval* piece = static_cast<Interval*>(pieces->Remove(1));
            piece->Negate();
            negated->vdInsert(1, piece);
        }
        delete pieces;
        pieces = negated;
        break;
    }
    default:
        break;
    }
}

double Interval::Lower() const
{
    switch (kind)
    {
    case IntervalMessage:
        return IntervalInfinityValue;
    case IntervalBounded:
    case IntervalNoUpper:
        return lower;
    case IntervalUnion:
        return PieceOf(*pieces, 1)->Lower();
    default:
        return -IntervalInfinityValue;
    }
}

double Interval::Upper() const
{
    switch (kind)
    {
    case IntervalMessage:
        return -IntervalInfinityValue;
    case IntervalBounded:
    case IntervalNoLower:
        return upper;
    case IntervalUnion:
        return PieceOf(*pieces, pieces->Count())->Upper();
    default:
        return IntervalInfinityValue;
    }
}

std::uint32_t Interval::PieceCount() const
{
    return kind == IntervalUnion ? pieces->Count() : 0;
}

const Interval* Interval::Piece(std::uint32_t position) const
{
    return kind == IntervalUnion ? PieceOf(*pieces, position) : nullptr;
}

void Interval::Clear()
{
    if (message != nullptr)
    {
        message = message->vdRelease();
    }
    if (pieces != nullptr)
    {
        while (pieces->Count() > 0)
        {
            delete static_cast<Interval*>(pieces->Remove(pieces->Count()));
        }
        delete pieces;
        pieces = nullptr;
    }
}

void Interval::vdSetKind(IntervalKind newKind, double newLower, double newUpper)
{
    Clear();
    kind = newKind;
    lower = newLower;
    upper = newUpper;
}

} // namespace Brosquin
