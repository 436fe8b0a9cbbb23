#pragma once

// Building blocks of the saddle-point form of the binomial, Poisson and beta terms (Loader 2000):
// probabilities are written as exp(-(sum of small, accurately computed pieces)) instead of
// differences of large logarithms, which keeps full relative precision for any count.

namespace Brosquin
{

// Error of Stirling's formula: ln Gamma(x + 1) - ((x + 1/2) ln x - x + ln sqrt(2 pi)), x > 0.
double StirlingError(double x);

// The deviance term x ln(x/m) + m - x >= 0 of a count x >= 0 from a mean m > 0, where
// deviation = x - m is passed as computed without cancellation (m itself is used only where it
// is far from x).
double Deviance(double x, double m, double deviation);

// a - (a + b) x, rounded once: the distance of a from the mean (a + b) x.
double Deviation(double a, double b, double x);

// lambda^x e^-lambda / Gamma(x + 1) for x >= 0, lambda >= 0; x need not be whole.
double PoissonTerm(double x, double lambda);

// erfc(sqrt(exponent)) for exponent >= 0, as the normal tails of the uniform expansions need it:
// erfc at the rounded root, taken back to the exact one by e^(root^2 - exponent) to first order,
// since erfc(y) e^(y^2) barely changes with y.
double ErfcOfSquareRoot(double exponent);

} // namespace Brosquin
