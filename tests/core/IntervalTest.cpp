#include "core/Interval.h"
#include "core/Real.h"
#include "core/RealOf.h"
#include "core/ReferenceString.h"
#include "tests/core/IntervalTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace Brosquin
{
namespace
{

constexpr double inf = IntervalInfinityValue;

TEST(IntervalEnds, EndsAndNumbersAreHeldWithinTheRangeOfAReal)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        double lo, hi;
        const char* expected;
    } ends[] = {
        {3, 2, "msg:Lower end of interval exceeds upper end"},
        {2, 2, "[2, 2]"},
        {-inf, 5, "[-inf, 5]"},
        {-inf, inf, "[-inf, inf]"},
        {2e155, 3e155, "[1e+154, inf]"},
        {-3e155, -2e155, "[-inf, -1e+154]"},
        {1e154, 1e154, "[1e+154, 1e+154]"},
        // Tiny ends are rounded outward.
        {1e-160, 1, "[0, 1]"},
        {-1, -1e-160, "[-1, 0]"},
        {-1e-160, 1e-160, "[-2e-154, 2e-154]"},
        {2e-154, 2e-154, "[2e-154, 2e-154]"},
        // NaN ends are taken as infinite.
        {nan, 1, "[-inf, 1]"},
        {1, nan, "[1, inf]"},
    };
    for (const auto& c : ends)
    {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(Describe(Ends(c.lo, c.hi)), c.expected);
    }
    EXPECT_EQ(Describe(Interval()), "[0, 0]");
    EXPECT_EQ(Ends(-inf, 5).Lower(), -1e200);
    EXPECT_EQ(Ends(2e155, 3e155).Upper(), 1e200);

    const std::pair<double, const char*> numbers[] = {
        {-1e-160, "[-2e-154, 0]"},   {1e-160, "[0, 2e-154]"}, {0.0, "[0, 0]"},
        {2e155, "[1e+154, inf]"},    {0.25, "[0.25, 0.25]"},  {nan, "[-inf, inf]"},
        {-2e155, "[-inf, -1e+154]"},
    };
    for (const auto& [number, expected] : numbers)
    {
        Interval x;
        x = number;
        EXPECT_EQ(Describe(x), expected);
    }
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
    x.SetEnds(MessageValue("first"), MessageValue("second"));
    EXPECT_EQ(Describe(x), "msg:first");
    x.SetEnds(RealOf(1), MessageValue("second"));
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

// Each case is the union of its parts in turn, starting from a message.
TEST(IntervalUnion, PiecesStayAscendingAndMergeWhereTheyMeet)
{
    const struct
    {
        std::vector<Interval> parts;
        const char* expected;
    } cases[] = {
        {{Ends(1, 2), Ends(2, 3)}, "[1, 3]"},
        {{Ends(1, 2), Ends(3, 4)}, "{[1, 2] [3, 4]}"},
        {{Ends(3, 4), Ends(1, 2)}, "{[1, 2] [3, 4]}"},
        {{Ends(1, 5), Ends(2, 3)}, "[1, 5]"},
        {{Ends(-inf, 0), Ends(-1, inf)}, "[-inf, inf]"},
        {{Ends(-inf, 0), Ends(-5, 2)}, "[-inf, 2]"},
        {{Ends(3, inf), Ends(-inf, 1)}, "{[-inf, 1] [3, inf]}"},
        {{Ends(1, 2), Ends(1, 2)}, "[1, 2]"},
        // Insertion keeps the pieces ascending, at the front, inside and at the end.
        {{Ends(10, 11), Ends(1, 2), Ends(5, 6), Ends(20, 21), Ends(-3, -2), Ends(7, 8),
          Ends(30, 31)},
         "{[-3, -2] [1, 2] [5, 6] [7, 8] [10, 11] [20, 21] [30, 31]}"},
        // A piece absorbs every piece it reaches.
        {{Ends(0, 1), Ends(2, 3), Ends(4, 5), Ends(6, 7), Ends(0.5, 4.5)}, "{[0, 5] [6, 7]}"},
        {{Ends(0, 1), Ends(2, 3), Ends(4, 5), Ends(6, 7), Ends(0.5, 4.5), Ends(5, 6)}, "[0, 7]"},
        {{Ends(1, 2), Ends(3, 4), Ends(-inf, inf)}, "[-inf, inf]"},
        // Half lines join the ends.
        {{Ends(-inf, -1), Ends(1, inf), Ends(0, 0)}, "{[-inf, -1] [0, 0] [1, inf]}"},
        {{Ends(-inf, -1), Ends(1, inf), Ends(-1, 1)}, "[-inf, inf]"},
        {{Ends(0, 1), Ends(2, 3), Ends(5, 6), Ends(-inf, 2.5), Ends(-inf, -10)},
         "{[-inf, 3] [5, 6]}"},
        {{Ends(0, 1), Ends(5, 6), Ends(-inf, 3), Ends(4, inf), Ends(10, inf)},
         "{[-inf, 3] [4, inf]}"},
        {{Ends(-inf, 3), Ends(4, inf), Ends(3, inf)}, "[-inf, inf]"},
        {{Ends(0, 1), Ends(2, 3), Ends(5, 6), Ends(0.5, inf)}, "[0, inf]"},
        // Union of unions.
        {{UnionOf({Ends(0, 1), Ends(4, 5)}), UnionOf({Ends(2, 3), Ends(5, 6), Ends(8, 9)})},
         "{[0, 1] [2, 3] [4, 6] [8, 9]}"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.expected);
        Interval x;
        x.SetMessage("start");
        for (const Interval& part : c.parts)
            x.Union(part);
        EXPECT_EQ(Describe(x), c.expected);
    }
    const Interval merged = UnionOf({Ends(0, 1), Ends(1, 7)});
    EXPECT_EQ(merged.PieceCount(), 0u);
    const Interval pieces = UnionOf({Ends(0, 1), Ends(8, 9)});
    EXPECT_EQ(pieces.Lower(), 0);
    EXPECT_EQ(pieces.Upper(), 9);
    const Interval halfLines = UnionOf({Ends(-inf, -1), Ends(1, inf)});
    EXPECT_EQ(halfLines.Lower(), -1e200);
    EXPECT_EQ(halfLines.Upper(), 1e200);
}

TEST(IntervalUnion, MessagesAreDroppedAndSelfUnionChangesNothing)
{
    Interval message;
    message.SetMessage("bad");
    Interval x = message;
    x.Union(Ends(1, 2));
    EXPECT_EQ(Describe(x), "[1, 2]");
    x.Union(message);
    EXPECT_EQ(Describe(x), "[1, 2]");
    x.Union(x);
    EXPECT_EQ(Describe(x), "[1, 2]");
    Interval pieces = UnionOf({Ends(1, 2), Ends(3, 4)});
    pieces.Union(pieces);
    EXPECT_EQ(Describe(pieces), "{[1, 2] [3, 4]}");
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
