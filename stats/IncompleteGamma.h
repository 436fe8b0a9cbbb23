#pragma once

// The regularised incomplete gamma functions P(a, z) = gamma(a, z) / Gamma(a) and
// Q(a, z) = 1 - P(a, z) for a > 0 and z >= 0, from the continued fractions on either side of a
// and, for a large shape, Temme's uniform expansion.

namespace Brosquin
{

// Continued fraction K of the lower regularised gamma function, P(a, z) = z^a e^-z / Gamma(a) K:
// the limit b -> infinity of the incomplete beta fraction (DLMF 8.17.22) at x = z / b, written
// with the deviation a - z. Converges quickly for z < a.
double LowerGammaFraction(double a, double z, double deviation);

// Legendre's continued fraction of the upper regularised gamma function,
// Q(a, z) = z^a e^-z / Gamma(a) K; converges quickly for z > a.
double UpperGammaFraction(double a, double deviation);

// ln P(a, z), ln Q(a, z) and ln(z^a e^-z / Gamma(a)), z times the gamma density at z: in
// logarithms, to about 1e-13 absolute, so that tails far below the doubles' range still compare.
struct GammaLogTails
{
    double dLower;
    double dUpper;
    double dLogTerm;
};

// deviation = a - z, computed without cancellation.
GammaLogTails IncompleteGammaLogTails(double a, double z, double deviation);

} // namespace Brosquin
