#pragma once

#include "stats/Tails.h"

// The noncentral t distribution: T = (Z + delta) / sqrt(V / df), Z standard normal and V
// chi-square with df degrees of freedom, independent. Both tails are computed to about 1e-12
// relative (below 1e-300 to 1e-300 absolute) for df >= 1, which need not be whole, and every
// finite t and delta.

namespace Brosquin
{

// P(T <= t) and P(T > t) for df > 0; NaN for a NaN argument or df <= 0.
TailProbabilities NoncentralTCumulativeSeries(double t, double df, double delta);

// P(T <= t).
double NoncentralTCumulative(double t, double df, double delta);

} // namespace Brosquin
