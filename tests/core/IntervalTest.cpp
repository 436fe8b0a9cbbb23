#include "core/Interval.h"
#include "core/Real.h"
#include "core/RealOf.h"
#include "core/ReferenceString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

namespace Brosquin
{
namespace
{

// A compact picture of an interval: "[1, 2]", "[-inf, 5]", "{[1, 2] [3, 4]}", "msg:text".
std::string Describe(const Interval& interval)
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
        {
            out << (i > 1 ? " " : "") << Describe(*interval.Piece(i));
        }
        out << "}";
        break;
    }
    return out.str();
}

Interval Ends(double lo, double hi)
{
    Interval interval;
    interval.SetEnds(lo, hi);
    return interval;
}

Real MessageReal(const char* text)
{
    Real r;
    r.vdSetMessage(text);
    return r;
}

Interval UnionOf(std::initializer_list<Interval> parts)
{
    Interval result;
    result.SetMessage("start");
    for (const Interval& part : parts)
    {
        result.Union(part);
    }
    return result;
}

constexpr double inf = IntervalInfinityValue;

TEST(IntervalEnds, NewIntervalIsZeroPoint)
{
    EXPECT_EQ(Describe(Interval()), "[0, 0]");
}

TEST(IntervalEnds, ReversedEndsGiveTheMessage)
{
    EXPECT_EQ(Describe(Ends(3, 2)), "msg:Lower end of interval exceeds upper end");
    EXPECT_EQ(Describe(Ends(2, 2)), "[2, 2]");
}

TEST(IntervalEnds, InfiniteAndOutOfRangeEnds)
{
    EXPECT_EQ(Describe(Ends(-inf, 5)), "[-inf, 5]");
    EXPECT_EQ(Describe(Ends(-inf, inf)), "[-inf, inf]");
    EXPECT_EQ(Describe(Ends(2e155, 3e155)), "[1e+154, inf]");
    EXPECT_EQ(Describe(Ends(-3e155, -2e155)), "[-inf, -1e+154]");
    EXPECT_EQ(Ends(-inf, 5).Lower(), -1e200);
    EXPECT_EQ(Ends(2e155, 3e155).Upper(), 1e200);
    EXPECT_EQ(Ends(1e154, 1e154).Kind(), IntervalBounded);
}

TEST(IntervalEnds, TinyEndsAreRoundedOutward)
{
    EXPECT_EQ(Describe(Ends(1e-160, 1)), "[0, 1]");
    EXPECT_EQ(Describe(Ends(-1, -1e-160)), "[-1, 0]");
    EXPECT_EQ(Describe(Ends(-1e-160, 1e-160)), "[-2e-154, 2e-154]");
    EXPECT_EQ(Describe(Ends(2e-154, 2e-154)), "[2e-154, 2e-154]");
}

TEST(IntervalEnds, NanEndsAreTakenAsInfinite)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Describe(Ends(nan, 1)), "[-inf, 1]");
    EXPECT_EQ(Describe(Ends(1, nan)), "[1, inf]");
    Interval x;
    x = nan;
    EXPECT_EQ(x.Kind(), IntervalWhole);
}

TEST(IntervalAssign, FromDouble)
{
    Interval x;
    x = -1e-160;
    EXPECT_EQ(Describe(x), "[-2e-154, 0]");
    x = 1e-160;
    EXPECT_EQ(Describe(x), "[0, 2e-154]");
    x = 0.0;
    EXPECT_EQ(Describe(x), "[0, 0]");
    x = 2e155;
    EXPECT_EQ(Describe(x), "[1e+154, inf]");
    x = -2e155;
    EXPECT_EQ(Describe(x), "[-inf, -1e+154]");
    x = 0.25;
    EXPECT_EQ(Describe(x), "[0.25, 0.25]");
}

TEST(IntervalAssign, FromRealSharesItsMessage)
{
    Real overflow;
    overflow = 1e300;
    Interval x;
    x = overflow;
    EXPECT_EQ(Describe(x), "msg:Overflow");
    EXPECT_EQ(overflow.Message()->ReferenceCount(), 2u);
    x = RealOf(-3.5);
    EXPECT_EQ(Describe(x), "[-3.5, -3.5]");
    EXPECT_EQ(overflow.Message()->ReferenceCount(), 1u);
}

TEST(IntervalAssign, EndsFromReals)
{
    Interval x;
    x.SetEnds(RealOf(1), RealOf(2));
    EXPECT_EQ(Describe(x), "[1, 2]");
    x.SetEnds(MessageReal("first"), MessageReal("second"));
    EXPECT_EQ(Describe(x), "msg:first");
    x.SetEnds(RealOf(1), MessageReal("second"));
    EXPECT_EQ(Describe(x), "msg:second");
    x.SetEnds(RealOf(2), RealOf(1));
    EXPECT_EQ(Describe(x), "msg:Lower end of interval exceeds upper end");
    // Ends equal within 1e-15 relative are accepted as they stand.
    x.SetEnds(RealOf(1 + 4e-16), RealOf(1));
    EXPECT_EQ(x.Kind(), IntervalBounded);
    EXPECT_EQ(x.Lower(), 1 + 4e-16);
}

TEST(IntervalMessages, ErrorsAppendAndLimits)
{
    Interval x;
    x.SetError(5);
    EXPECT_EQ(Describe(x), "msg:Square root of negative number");
    x.SetError(12);
    EXPECT_EQ(Describe(x), "msg:Normal fraction defective second parameter 0 or negative");
    x.SetMessage("No value specified for variable: ");
    x.AppendMessage("p");
    EXPECT_EQ(Describe(x), "msg:No value specified for variable: p");
    EXPECT_EQ(x.Lower(), 1e200);
    EXPECT_EQ(x.Upper(), -1e200);
    Interval bounded = Ends(1, 2);
    bounded.AppendMessage("ignored");
    EXPECT_EQ(Describe(bounded), "[1, 2]");
    EXPECT_EQ(bounded.MessageText(), nullptr);
}

TEST(IntervalMessages, EmptyMessageIsSafeToCopyAppendAndRead)
{
    Interval source = Ends(1, 2);
    Interval taken(std::move(source));
    EXPECT_EQ(Describe(taken), "[1, 2]");
    // The moved-from interval holds a message without any text, like a zero-filled block.
    EXPECT_EQ(Describe(source), "msg:");
    Interval copy = source;
    EXPECT_EQ(Describe(copy), "msg:");
    EXPECT_EQ(copy.Lower(), 1e200);
    copy.AppendMessage("late text");
    EXPECT_EQ(Describe(copy), "msg:late text");
    EXPECT_EQ(Describe(source), "msg:");
}

TEST(IntervalCopy, SharesMessagesAndCopiesPieces)
{
    Interval message;
    message.SetMessage("shared");
    {
        Interval copy = message;
        Interval assigned;
        assigned = copy;
        EXPECT_EQ(Describe(assigned), "msg:shared");
    }
    EXPECT_EQ(Describe(message), "msg:shared");

    Interval pieces = UnionOf({Ends(1, 2), Ends(3, 4)});
    Interval copy = pieces;
    copy.Union(Ends(2, 3));
    EXPECT_EQ(Describe(copy), "[1, 4]");
    EXPECT_EQ(Describe(pieces), "{[1, 2] [3, 4]}");
    copy = pieces;
    copy.Negate();
    EXPECT_EQ(Describe(pieces), "{[1, 2] [3, 4]}");
    EXPECT_EQ(Describe(copy), "{[-4, -3] [-2, -1]}");
}

TEST(IntervalCopy, SelfAssignmentAndAssigningOwnPiece)
{
    Interval pieces = UnionOf({Ends(1, 2), Ends(3, 4)});
    Interval& same = pieces;
    pieces = same;
    EXPECT_EQ(Describe(pieces), "{[1, 2] [3, 4]}");
    pieces = *pieces.Piece(2);
    EXPECT_EQ(Describe(pieces), "[3, 4]");
    Interval again = UnionOf({Ends(1, 2), Ends(3, 4)});
    again = std::move(again);
    EXPECT_EQ(Describe(again), "{[1, 2] [3, 4]}");
    EXPECT_EQ(again.Piece(3), nullptr);
    EXPECT_EQ(again.Piece(0), nullptr);
}

TEST(IntervalUnion, TwoSinglePieces)
{
    Interval x = Ends(1, 2);
    x.Union(Ends(2, 3));
    EXPECT_EQ(Describe(x), "[1, 3]");
    x = Ends(1, 2);
    x.Union(Ends(3, 4));
    EXPECT_EQ(Describe(x), "{[1, 2] [3, 4]}");
    x = Ends(3, 4);
    x.Union(Ends(1, 2));
    EXPECT_EQ(Describe(x), "{[1, 2] [3, 4]}");
    x = Ends(1, 5);
    x.Union(Ends(2, 3));
    EXPECT_EQ(Describe(x), "[1, 5]");
    x = Ends(-inf, 0);
    x.Union(Ends(-1, inf));
    EXPECT_EQ(Describe(x), "[-inf, inf]");
    x = Ends(-inf, 0);
    x.Union(Ends(-5, 2));
    EXPECT_EQ(Describe(x), "[-inf, 2]");
    x = Ends(3, inf);
    x.Union(Ends(-inf, 1));
    EXPECT_EQ(Describe(x), "{[-inf, 1] [3, inf]}");
}

TEST(IntervalUnion, MessagesAreDroppedAndWholeLineWins)
{
    Interval message;
    message.SetMessage("bad");
    Interval x = message;
    x.Union(Ends(1, 2));
    EXPECT_EQ(Describe(x), "[1, 2]");
    x.Union(message);
    EXPECT_EQ(Describe(x), "[1, 2]");
    Interval pieces = UnionOf({Ends(1, 2), Ends(3, 4)});
    pieces.Union(Ends(-inf, inf));
    EXPECT_EQ(Describe(pieces), "[-inf, inf]");
    x.Union(x);
    EXPECT_EQ(Describe(x), "[1, 2]");
}

TEST(IntervalUnion, InsertionKeepsPiecesAscending)
{
    Interval x = UnionOf({Ends(10, 11), Ends(1, 2), Ends(5, 6), Ends(20, 21), Ends(-3, -2)});
    EXPECT_EQ(Describe(x), "{[-3, -2] [1, 2] [5, 6] [10, 11] [20, 21]}");
    x.Union(Ends(7, 8));
    EXPECT_EQ(Describe(x), "{[-3, -2] [1, 2] [5, 6] [7, 8] [10, 11] [20, 21]}");
    x.Union(Ends(30, 31));
    EXPECT_EQ(Describe(x), "{[-3, -2] [1, 2] [5, 6] [7, 8] [10, 11] [20, 21] [30, 31]}");
}

TEST(IntervalUnion, MergingAbsorbsEveryPieceItReaches)
{
    Interval x = UnionOf({Ends(0, 1), Ends(2, 3), Ends(4, 5), Ends(6, 7)});
    x.Union(Ends(0.5, 4.5));
    EXPECT_EQ(Describe(x), "{[0, 5] [6, 7]}");
    x.Union(Ends(5, 6));
    EXPECT_EQ(Describe(x), "[0, 7]");
    EXPECT_EQ(x.PieceCount(), 0u);
}

TEST(IntervalUnion, HalfLinesJoinTheEnds)
{
    Interval x = UnionOf({Ends(-inf, -1), Ends(1, inf)});
    EXPECT_EQ(Describe(x), "{[-inf, -1] [1, inf]}");
    Interval withZero = x;
    withZero.Union(Ends(0, 0));
    EXPECT_EQ(Describe(withZero), "{[-inf, -1] [0, 0] [1, inf]}");
    Interval collapsed = x;
    collapsed.Union(Ends(-1, 1));
    EXPECT_EQ(Describe(collapsed), "[-inf, inf]");

    Interval y = UnionOf({Ends(0, 1), Ends(2, 3), Ends(5, 6)});
    y.Union(Ends(-inf, 2.5));
    EXPECT_EQ(Describe(y), "{[-inf, 3] [5, 6]}");
    y.Union(Ends(-inf, -10));
    EXPECT_EQ(Describe(y), "{[-inf, 3] [5, 6]}");
    y.Union(Ends(4, inf));
    EXPECT_EQ(Describe(y), "{[-inf, 3] [4, inf]}");
    y.Union(Ends(10, inf));
    EXPECT_EQ(Describe(y), "{[-inf, 3] [4, inf]}");
    y.Union(Ends(3, inf));
    EXPECT_EQ(Describe(y), "[-inf, inf]");

    Interval z = UnionOf({Ends(0, 1), Ends(2, 3), Ends(5, 6)});
    z.Union(Ends(0.5, inf));
    EXPECT_EQ(Describe(z), "[0, inf]");
}

TEST(IntervalUnion, UnionOfUnions)
{
    Interval x = UnionOf({Ends(0, 1), Ends(4, 5)});
    x.Union(UnionOf({Ends(2, 3), Ends(5, 6), Ends(8, 9)}));
    EXPECT_EQ(Describe(x), "{[0, 1] [2, 3] [4, 6] [8, 9]}");
    EXPECT_EQ(x.Lower(), 0);
    EXPECT_EQ(x.Upper(), 9);
    Interval halfLines = UnionOf({Ends(-inf, -1), Ends(1, inf)});
    EXPECT_EQ(halfLines.Lower(), -1e200);
    EXPECT_EQ(halfLines.Upper(), 1e200);
}

TEST(IntervalNegate, EveryKind)
{
    Interval x = UnionOf({Ends(-inf, -1), Ends(2, 3)});
    x.Negate();
    EXPECT_EQ(Describe(x), "{[-3, -2] [1, inf]}");
    x = Ends(-1, 4);
    x.Negate();
    EXPECT_EQ(Describe(x), "[-4, 1]");
    x = Ends(-inf, inf);
    x.Negate();
    EXPECT_EQ(Describe(x), "[-inf, inf]");
    x.SetMessage("kept");
    x.Negate();
    EXPECT_EQ(Describe(x), "msg:kept");
}

} // namespace
} // namespace Brosquin
