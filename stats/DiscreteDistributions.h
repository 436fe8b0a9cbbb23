#pragma once

#include "stats/Tails.h"

#include <cstdint>

// The binomial, hypergeometric and Poisson distributions: cumulative probabilities P(X <= c),
// point probabilities P(X = x) and both tails at once. Every value is the mathematical one to
// about 1e-13 relative (1e-300 absolute below 1e-300). The Poisson's cost does not grow with
// the counts; near the centre of a binomial the continued fraction takes more terms as the
// counts grow, and the hypergeometric sums grow with the standard deviation.
// Counts are exact integers; binomial and Poisson counts up to 2^53 and hypergeometric lot
// sizes up to 2^31 are in the domain, beyond it and for a NaN the result is NaN.

namespace Brosquin
{

// The largest binomial or Poisson count in the domain.
inline constexpr std::int64_t LargestExactCount = std::int64_t{1} << 53;

// X binomial with n trials of probability p. P(X <= c): 1 when n <= c, else 0 when c < 0,
// else 1 when p = 0 and 0 when p = 1.
double BinomialCumulative(std::int64_t c, std::int64_t n, double p);
// P(X = x): 0 when x < 0 or x > n; at p = 0 and p = 1 all mass is on 0 and n.
double BinomialProbability(std::int64_t x, std::int64_t n, double p);
// P(X <= c) and P(X > c).
TailProbabilities BinomialTails(std::int64_t c, std::int64_t n, double p);

// X the number of defectives in a sample of n drawn without replacement from a lot of N units
// of which D are defective. P(X <= c): 1 when c >= n or c >= D, 0 when c < 0.
double HypergeometricCumulative(std::int64_t c, std::int64_t n, std::int64_t D, std::int64_t N);
// P(X = x): 0 when x < 0, x > n, x > D or x < n + D - N.
double HypergeometricProbability(std::int64_t x, std::int64_t n, std::int64_t D, std::int64_t N);
// P(X <= c) and P(X > c).
TailProbabilities HypergeometricTails(std::int64_t c, std::int64_t n, std::int64_t D,
                                      std::int64_t N);

// Ratios of point probabilities that the staged recursion weighs counts by, without the underflow
// of either: h(x; n, D, N) / b(x; n, D / N), the hypergeometric against the binomial of the same
// mean (0 <= x <= n <= N, 0 <= D <= N), and b(x; n, q) / P(x; n q), the binomial against the
// Poisson of the same mean (0 <= x <= n, 0 <= q < 1).
double HypergeometricOverBinomial(std::int64_t x, std::int64_t n, std::int64_t D, std::int64_t N);
double BinomialOverPoisson(std::int64_t x, std::int64_t n, double q);

// X Poisson with mean lambda >= 0. P(X <= c): 0 when c < 0, 1 when lambda = 0.
double PoissonCumulative(std::int64_t c, double lambda);
// P(X = x): 0 when x < 0; at lambda = 0 all mass is on 0.
double PoissonProbability(std::int64_t x, double lambda);
// P(X <= c) and P(X > c).
TailProbabilities PoissonTails(std::int64_t c, double lambda);

} // namespace Brosquin
