#pragma once

#include <cstdint>

// The counts that can carry probability: outside [lo, hi] a distribution holds less than the
// smallest positive double in all (Bernstein's inequality for each tail), so sums over counts
// may stop there whatever numbers a plan was given.

namespace Brosquin
{

struct ProbableCounts
{
    std::int64_t lo;
    std::int64_t hi;
};

// Binomial with n trials of probability p.
ProbableCounts BinomialProbableCounts(std::int64_t n, double p);
// Defectives in a sample of n from a lot of N units holding D defectives.
ProbableCounts HypergeometricProbableCounts(std::int64_t n, std::int64_t D, std::int64_t N);
// Poisson with the given mean.
ProbableCounts PoissonProbableCounts(double mean);

} // namespace Brosquin
