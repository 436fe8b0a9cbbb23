#pragma once

#include "stats/Tails.h"

#include <optional>

// Temme's uniform asymptotic expansion of the regularised incomplete gamma functions for a large
// shape a (DLMF 8.12): with z / a - 1 = mu and eta^2 / 2 = mu - ln(1 + mu), eta of the sign of
// mu, and y = eta sqrt(a / 2),
//   Q(a, z) = erfc(y) / 2 + e^(-y^2) / sqrt(2 pi a) sum over k of c_k(eta) a^-k,
//   P(a, z) = erfc(-y) / 2 - (the same sum).
// Where z is near a the continued fractions need of the order of sqrt(a) terms; the expansion
// costs the same for any a.

namespace Brosquin
{

// The smaller of P(a, z) and Q(a, z), Q where z lies above a, as e^-exponent times a factor, so
// that it keeps its digits far below the doubles' range.
struct ScaledGammaTail
{
    double dExponent;
    double dFactor;
    bool upper;
};

// The smaller tail to full relative precision for a >= 100 and eta^2 <= 1/2 (|y| <= 5 at
// a = 100; z between about 0.45 a and 1.9 a); nothing elsewhere. deviation = a - z, computed
// without cancellation.
std::optional<ScaledGammaTail> GammaSmallerTailForLargeShape(double a, double z, double deviation);

// P(a, z) as dLower and Q(a, z) as dUpper, each to full relative precision, where the smaller
// tail is given.
std::optional<TailProbabilities> GammaTailsForLargeShape(double a, double z, double deviation);

} // namespace Brosquin
