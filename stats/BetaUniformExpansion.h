#pragma once

#include "stats/Tails.h"

#include <optional>

// Temme's uniform asymptotic expansion of the regularised incomplete beta function for large a
// and b (DLMF 8.18.9). With s = a + b, x0 = a / s, the substitution
//   -zeta^2 / 2 = x0 ln(t / x0) + (1 - x0) ln((1 - t) / (1 - x0))
// turns I_x(a, b) into an integral of exp(-s zeta^2 / 2) f(zeta) d zeta up to eta = zeta(x);
// f = zeta / (t - x0) is expanded in powers of zeta (its coefficients follow from the
// differential equation of t(zeta), two short recurrences for any x0), and the integrals of
// zeta^n against the Gaussian over the tail beyond eta start from erfc and e^(-s eta^2 / 2). The
// terms fall like (|eta| sqrt(s) / (3.5 sqrt(min(a, b))))^n, so a few terms give full precision
// where the continued fraction would need of the order of sqrt(min(a, b)) of them.

namespace Brosquin
{

// I_x(a, b) as dLower and 1 - I_x(a, b) as dUpper, each to full relative precision, for a and b
// of at least 500 and exponent = s eta^2 / 2 at most 25 (x within about 5 standard deviations of
// x0); nothing elsewhere. exponent is a ln(a / (s x)) + b ln(b / (s (1 - x))), computed without
// cancellation; belowMean tells whether x < x0.
std::optional<TailProbabilities> BetaTailsForLargeParameters(double a, double b, double exponent,
                                                             bool belowMean);

} // namespace Brosquin
