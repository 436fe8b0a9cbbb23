#pragma once

// Inverses of the normal and beta distributions and the solvers of the variables plans built on
// them. Each returns its mathematical value to about 1e-14 relative (the conditioning of the
// problem permitting), ends in a bounded number of steps and never throws.

namespace Brosquin
{

// z with Phi(z) = p (algorithm AS 241, PPND16); -infinity for p <= 0, +infinity for p >= 1,
// NaN for NaN.
double InverseNormal(double p);

// For two limits d > 0 process standard deviations apart: the position z <= -d/2 of the farther
// limit, relative to the process mean, at which Phi(z) + 1 - Phi(z + d) = p; the nearer limit
// is then at z + d. 0 when p is below 2 Phi(-d/2), the fraction of a centred process, or NaN;
// -infinity for p >= 1.
double NearerSpecZFromFraction(double p, double d);

// x with I_x(a, b) = P for a, b > 0: 0 for P <= 0, 1 for P >= 1, NaN for NaN.
double InverseIncompleteBeta(double P, double a, double b);

// The half-width d >= 0 of an interval about y whose ends hold P of the symmetric beta
// distribution of parameters a, a: I(y - d) + I(y + d) = P with I(x) = I_x(a, a), 0 below 0 and
// 1 above 1. For y < 1/2 and 2 I(y) <= P < 1 there is one such d (for a < 1 the one where the
// sum rises); 0 when P is below 2 I(y), that is for y >= 1/2 whenever P < 1; for P >= 1 the
// least d at which the sum reaches 1, max(y, 1 - y). NaN for NaN or a <= 0.
double BetaAcceptanceHalfWidth(double y, double P, double a);

} // namespace Brosquin
