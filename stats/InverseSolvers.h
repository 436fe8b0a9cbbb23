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

// With F(e) = I(y - e; a, a) + I(y + e; a, a), where I is 0 below 0 and 1 above 1: the largest
// e >= 0 with F(e) <= P, or 0 when there is none (0 < P < 1, a > 0).
double BetaAcceptanceHalfWidth(double y, double P, double a);

// The smallest e >= 0 with F(e) <= P, 0 when F(0) <= P or when there is none. Above 0 only for
// a < 1, where F first falls with e: the acceptance half-widths are then those between this
// one and BetaAcceptanceHalfWidth.
double BetaAcceptanceInnerHalfWidth(double y, double P, double a);

} // namespace Brosquin
