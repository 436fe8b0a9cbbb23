#pragma once

#include "core/Real.h"

namespace Brosquin
{

// Widens [lo, hi] in place to a window of exactly ten units of a round size (1, 2 or 5 times a
// power of ten) that covers it, choosing among the windows that do the one whose ends are
// roundest (the higher one on a tie). Equal ends become lo to lo + 1; a pair with an end that
// holds a message, or with reversed ends, is left alone.
void RoundRange(Real& lo, Real& hi);

// How round a number looks on an axis: 20 for 0; for a whole number 1 + its trailing decimal
// zeros (at most 10); otherwise minus its number of decimals (at least -10).
double Roundness(double x);

} // namespace Brosquin
