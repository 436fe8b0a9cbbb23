#pragma once

#include <functional>

// The largest value of a unimodal measure (rising to one peak, then falling), such as the ASN,
// the cost or the AOQ of a plan over the quality levels. Plain doubles; the caller maps values
// it cannot compute onto NaN, which loses every comparison.

namespace Brosquin
{

struct MaximumResult
{
    // Where the largest value was found, and that value.
    double level;
    double value;
};

// The maximum over [lowest, highest] (both finite), searched from the points first <= second
// between which it is expected. Of three levels (first, their midpoint and second to begin
// with) the largest is kept, and the bracket narrows to its neighbours (to the middle's, where
// an end is above the middle by rounding alone). The next three are the kept level and the
// points halfway to the bracket's ends, unless the bracket has halved since the three before
// and the kept level was their middle: then, where their values are equal to
// rounding, the points beside it as close as ends the search, else the vertex of the parabola
// through them and as far again beyond it. The search ends when the bracket is no wider than
// tolerance x (|lower end| + |upper end|), or than tolerance x epsilon x (|first| + |second|)
// (a bracket closing on 0), or after limit steps.
MaximumResult MaximumOfUnimodal(const std::function<double(double)>& measure, double lowest,
                                double highest, double first, double second, double tolerance,
                                int limit);

// The maximum over the whole numbers k in [lowest, highest], for a measure of the whole numbers
// only, such as a measure on the levels a finite lot can have: the search above on the measure
// at the nearest whole number, then a climb from where it ended to neighbouring whole numbers
// while they are larger (at most limit steps each way), so that the maximum is one that a whole
// number reaches. level is that whole number.
MaximumResult MaximumOfUnimodalOnWholeNumbers(const std::function<double(double)>& measure,
                                              double lowest, double highest, double first,
                                              double second, double tolerance, int limit);

} // namespace Brosquin
