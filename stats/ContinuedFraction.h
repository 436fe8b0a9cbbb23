#pragma once

#include <cmath>

namespace Brosquin
{

// Value of b0 + a1/(b1 + a2/(b2 + ...)) by the modified Lentz method. terms(m, a, b) sets the
// partial numerator a_m and denominator b_m for m = 1, 2, ...; the evaluation stops when a step
// changes the value by at most two units in the last place (by which the rounding of a step alone
// may keep it from 1 where the partial denominators are huge), or after maxTerms terms.
template <class Terms> double EvaluateContinuedFraction(double b0, Terms terms, long maxTerms)
{
    constexpr double tiny = 1e-300;
    constexpr double tolerance = 4.5e-16;
    double value = b0 == 0.0 ? tiny : b0;
    double c = value;
    double d = 0.0;
    for (long m = 1; m <= maxTerms; ++m)
    {
        double a = 0.0;
        double b = 0.0;
        terms(m, a, b);
        d = b + a * d;
        if (d == 0.0)
            d = tiny;
        c = b + a / c;
        if (c == 0.0)
            c = tiny;
        d = 1.0 / d;
        const double step = c * d;
        value *= step;
        if (!(std::fabs(step - 1.0) > tolerance))
            break;
    }
    return value;
}

} // namespace Brosquin
