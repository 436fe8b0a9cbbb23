#pragma once

#include "core/Interval.h"

#include <initializer_list>
#include <sstream>
#include <string>

namespace Brosquin
{

// A compact picture of an interval: "[1, 2]", "[-inf, 5]", "{[1, 2] [3, 4]}", "msg:text".
inline std::string Describe(const Interval& interval)
{
    std::ostringstream out;
    switch (interval.Kind())
    {
    case IntervalMessage:
        out << "msg:" << interval.MessageText();
        break;
    case IntervalBounded:
        out << "[" << interval.Lower() << ", " << interval.Upper() << "]";
        break;
    case IntervalNoLower:
        out << "[-inf, " << interval.Upper() << "]";
        break;
    case IntervalNoUpper:
        out << "[" << interval.Lower() << ", inf]";
        break;
    case IntervalWhole:
        out << "[-inf, inf]";
        break;
    case IntervalUnion:
        out << "{";
        for (std::uint32_t i = 1; i <= interval.PieceCount(); ++i)
            out << (i > 1 ? " " : "") << Describe(*interval.Piece(i));
        out << "}";
        break;
    }
    return out.str();
}

// The interval set through the normalising setter: +-1e200 stands for an infinite end.
inline Interval Ends(double lo, double hi)
{
    Interval interval;
    interval.SetEnds(lo, hi);
    return interval;
}

inline Interval UnionOf(std::initializer_list<Interval> parts)
{
    Interval result;
    result.SetMessage("start");
    for (const Interval& part : parts)
        result.Union(part);
    return result;
}

} // namespace Brosquin
