#pragma once

#include "stats/Tails.h"

// Special functions beneath the distributions. All are stateless, allocate nothing and return
// their mathematical value to about 1e-14 relative (values below 1e-300 to 1e-300 absolute).

namespace Brosquin
{

// ln Gamma(x) for x > 0; for x so small that x + 1 rounds to 1 it is -ln x.
double LogGamma(double x);

// ln B(a, b) = ln Gamma(a) + ln Gamma(b) - ln Gamma(a + b) for a > 0, b > 0, without the
// cancellation of the three logarithms when a or b is large.
double LogBeta(double a, double b);

// Standard normal tail area: P(Z > x) when upper is true, Phi(x) = P(Z < x) when it is false.
double NormalTailArea(double x, bool upper);

// P(lo < Z < hi) for Z standard normal, to full relative precision; 0 when hi <= lo.
double NormalIntervalProbability(double lo, double hi);

// Regularised incomplete beta function I_x(a, b) for a > 0, b > 0: 0 for x <= 0, 1 for x >= 1.
double IncompleteBeta(double x, double a, double b);

// The continued fraction F of the incomplete beta function, defined by
// I_x(a, b) = x^a (1 - x)^b / B(a, b) * F / a; it converges quickly for
// 0 < x < (a + 1) / (a + b + 2), where IncompleteBeta uses it.
double IncompleteBetaFraction(double x, double a, double b);

// x^a (1 - x)^b / B(a, b), the factor in front of the incomplete beta's series and fractions;
// 0 outside 0 < x < 1. Pass the smaller of x and 1 - x as x where it matters: the other is
// formed as 1 minus it.
double BetaPowerTerm(double x, double a, double b);

// I_x(a, b) and 1 - I_x(a, b), each to full relative precision.
TailProbabilities IncompleteBetaTails(double x, double a, double b);

} // namespace Brosquin
