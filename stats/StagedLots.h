#pragma once

#include "stats/DiscreteDistributions.h"
#include "stats/LogConcaveSequence.h"
#include "stats/ProbableCounts.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// The four lot models of inspection in stages, as the staged recursion (StagedInspection.h) uses
// them: for lots of any size the count of a stage does not depend on the counts before it; for a
// given lot it does, through the defectives (defects) left.
//
// The recursion carries the counts in a reference measure in which it is a plain convolution:
// each stage's count independent of the ones before, binomial (or Poisson) at the lot's overall
// share t of defectives (defects per amount). For a given lot this is exact, since given the
// count y after m units every order of the defectives among them is equally likely in both: the
// probability of a path is its reference probability times the weight of its count,
// h(y; m, D, N) / b(y; m, t) (b(y; T, m / L) / P(y; t m) for defects), which does not depend on
// the path. For lots of any size the reference measure is the lot itself and there are no
// weights.
//
// Each model gives, for a stage of `size` inspected after `before`:
//   Kernel(size): the count of the stage in the reference measure (Point, Ratio, Last);
//   Weights(after): the weights of the counts after that many, where the model has them;
//   Marginal(after): the count after that many in the lot itself;
//   Added(size, before): counts the stage adds with a probability that is not negligible, whatever
//     the count entered with;
//   Counted(size, before, k0): the diagonal (LogConcaveSequence.h) of the stage's count entered
//     with count x, with tails at k0 - x;
//   RejectionDiagonal, RejectionFactor (and for defective units AcceptanceDiagonal,
//     AcceptanceFactor): the expected units of curtailed inspection, as diagonals of tails times
//     factors per count x entered with.

namespace Brosquin
{

// Counts of a binomial sample of n at fraction p whatever was found before.
struct BinomialDiagonal
{
    std::int64_t n;
    double p;
    std::int64_t k0;
    TailProbabilities Tails(std::int64_t x) const { return BinomialTails(k0 - x, n, p); }
    double Point(std::int64_t x) const { return BinomialProbability(k0 - x, n, p); }
    // b(k - 1) / b(k) = k (1 - p) / ((n - k + 1) p) at k = k0 - x
    StepRatio Ratio(std::int64_t x) const
    {
        const double k = static_cast<double>(k0 - x);
        return {PositivePart(k) * (1.0 - p), PositivePart(static_cast<double>(n) - k + 1.0) * p};
    }
    double Coefficient(std::int64_t) const { return 1.0; }
};

// Poisson counts of the given mean whatever was found before.
struct PoissonDiagonal
{
    double mean;
    std::int64_t k0;
    TailProbabilities Tails(std::int64_t x) const { return PoissonTails(k0 - x, mean); }
    double Point(std::int64_t x) const { return PoissonProbability(k0 - x, mean); }
    StepRatio Ratio(std::int64_t x) const
    {
        return {PositivePart(static_cast<double>(k0 - x)), mean};
    }
    double Coefficient(std::int64_t) const { return 1.0; }
};

// A sample of n from the M units left, which hold D0 - x defectives when x were found before.
// Marking one of those defectives: P(X <= k) with D0 - x of them is P(X <= k - 1) with one less
// plus h(k; n, D0 - x - 1, M) times the chance that the marked one is not in the sample.
struct HypergeometricDiagonal
{
    std::int64_t n;
    std::int64_t D0;
    std::int64_t M;
    std::int64_t k0;
    TailProbabilities Tails(std::int64_t x) const
    {
        return HypergeometricTails(k0 - x, n, D0 - x, M);
    }
    double Point(std::int64_t x) const
    {
        return HypergeometricProbability(k0 - x, n, D0 - x - 1, M);
    }
    // h(k - 1; n, d - 1, M) / h(k; n, d, M) = k (M - d + 1) / (d (n - k + 1)) at k = k0 - x,
    // d = D0 - x - 1
    StepRatio Ratio(std::int64_t x) const
    {
        const double k = static_cast<double>(k0 - x);
        const double d = static_cast<double>(D0 - x - 1);
        const double left = static_cast<double>(M);
        return {PositivePart(k) * PositivePart(left - d + 1.0),
                PositivePart(d) * PositivePart(static_cast<double>(n) - k + 1.0)};
    }
    double Coefficient(std::int64_t x) const
    {
        return PositivePart(static_cast<double>(M - D0 - n + k0 + 1)) /
               static_cast<double>(M - D0 + x + 1);
    }
};

// The T0 - x defects left in a lot when x were found before, each in the stage's sample with
// probability q: marking one of them, P(X <= k) is P(X <= k - 1) with one less plus
// b(k; T0 - x - 1, q) times 1 - q.
struct DefectsBinomialDiagonal
{
    std::int64_t T0;
    double q;
    std::int64_t k0;
    TailProbabilities Tails(std::int64_t x) const { return BinomialTails(k0 - x, T0 - x, q); }
    double Point(std::int64_t x) const { return BinomialProbability(k0 - x, T0 - x - 1, q); }
    // b(k - 1; t - 1, q) / b(k; t, q) = k / (t q) at k = k0 - x, t = T0 - x - 1
    StepRatio Ratio(std::int64_t x) const
    {
        return {PositivePart(static_cast<double>(k0 - x)),
                PositivePart(static_cast<double>(T0 - x - 1)) * q};
    }
    double Coefficient(std::int64_t) const { return 1.0 - q; }
};

// Kernels: the count of a stage in the reference measure.
struct BinomialKernel
{
    std::int64_t n;
    double p;
    double Point(std::int64_t j) const { return BinomialProbability(j, n, p); }
    StepRatio Ratio(std::int64_t j) const
    {
        return {PositivePart(static_cast<double>(n - j)) * p,
                static_cast<double>(j + 1) * (1.0 - p)};
    }
    std::int64_t Last() const { return n; }
};

struct PoissonKernel
{
    double mean;
    double Point(std::int64_t j) const { return PoissonProbability(j, mean); }
    StepRatio Ratio(std::int64_t j) const { return {mean, static_cast<double>(j + 1)}; }
    std::int64_t Last() const { return std::numeric_limits<std::int64_t>::max(); }
};

// The defectives in m units of a lot of N holding D.
struct HypergeometricPoints
{
    std::int64_t m;
    std::int64_t D;
    std::int64_t N;
    double Point(std::int64_t y) const { return HypergeometricProbability(y, m, D, N); }
    // (D - y)(m - y) / ((y + 1)(N - D - m + y + 1))
    StepRatio Ratio(std::int64_t y) const
    {
        return {PositivePart(static_cast<double>(D - y)) * PositivePart(static_cast<double>(m - y)),
                static_cast<double>(y + 1) * PositivePart(static_cast<double>(N - D - m + y + 1))};
    }
};

// Weights after m units of a lot of N holding D: h(y; m, D, N) / b(y; m, D / N).
struct HypergeometricWeights
{
    std::int64_t m;
    std::int64_t D;
    std::int64_t N;
    double Point(std::int64_t y) const { return HypergeometricOverBinomial(y, m, D, N); }
    // (D - y)(N - D) / ((N - D - m + y + 1) D)
    StepRatio Ratio(std::int64_t y) const
    {
        return {PositivePart(static_cast<double>(D - y)) * static_cast<double>(N - D),
                PositivePart(static_cast<double>(N - D - m + y + 1)) * static_cast<double>(D)};
    }
};

// Weights after the share q of a lot's amount holding T defects: b(y; T, q) / P(y; T q).
struct DefectsWeights
{
    std::int64_t T;
    double q;
    double Point(std::int64_t y) const { return BinomialOverPoisson(y, T, q); }
    // (T - y) / (T (1 - q))
    StepRatio Ratio(std::int64_t y) const
    {
        return {PositivePart(static_cast<double>(T - y)), static_cast<double>(T) * (1.0 - q)};
    }
};

// Defective units, lots of any size: binomial at the fraction defective p.
struct DefectivesAnyLot
{
    using Size = std::int64_t;
    double p;

    ProbableCounts CountsAfter(Size inspected) const
    {
        return BinomialProbableCounts(inspected, p);
    }
    BinomialKernel Kernel(Size size) const { return {size, p}; }
    BinomialKernel Marginal(Size after) const { return Kernel(after); }
    ProbableCounts Added(Size size, Size) const { return CountsAfter(size); }
    BinomialDiagonal Counted(Size size, Size, std::int64_t k0) const { return {size, p, k0}; }
    // Accepted at the (n - k)-th good unit, k = accept - x: (n - k) / (1 - p) B(k; n + 1, p).
    BinomialDiagonal AcceptanceDiagonal(Size size, Size, std::int64_t accept) const
    {
        return {size + 1, p, accept};
    }
    double AcceptanceFactor(Size, Size, std::int64_t) const
    {
        return p < 1.0 ? 1.0 / (1.0 - p) : 0.0;
    }
    // Rejected at the j-th defective, j = reject - x: j / p P(X > j), X binomial(n + 1, p).
    BinomialDiagonal RejectionDiagonal(Size size, Size, std::int64_t reject) const
    {
        return {size + 1, p, reject};
    }
    double RejectionFactor(Size, Size, std::int64_t) const { return p > 0.0 ? 1.0 / p : 0.0; }
};

// Defective units, a sample drawn from the M = N - before units left of a lot of N holding D.
struct DefectivesGivenLot
{
    using Size = std::int64_t;
    std::int64_t D;
    std::int64_t N;

    ProbableCounts CountsAfter(Size inspected) const
    {
        return HypergeometricProbableCounts(inspected, D, N);
    }
    BinomialKernel Kernel(Size size) const
    {
        return {size, static_cast<double>(D) / static_cast<double>(N)};
    }
    HypergeometricWeights Weights(Size after) const { return {after, D, N}; }
    HypergeometricPoints Marginal(Size after) const { return {after, D, N}; }
    // The D - x defectives left are at most D and at most the units left; with fewer the count is
    // smaller still.
    ProbableCounts Added(Size size, Size before) const
    {
        const std::int64_t left = N - before;
        return HypergeometricProbableCounts(size, std::min(D, left), left);
    }
    HypergeometricDiagonal Counted(Size size, Size before, std::int64_t k0) const
    {
        return {size, D, N - before, k0};
    }
    // (M + 1)(n - k) / (M - (D - x) + 1) H(k; n + 1, D - x, M + 1)
    HypergeometricDiagonal AcceptanceDiagonal(Size size, Size before, std::int64_t accept) const
    {
        return {size + 1, D, N - before + 1, accept};
    }
    double AcceptanceFactor(Size, Size before, std::int64_t x) const
    {
        return (static_cast<double>(N - before) + 1.0) /
               static_cast<double>(N - before - D + x + 1);
    }
    // (M + 1) j / (D - x + 1) P(X > j), X hypergeometric(n + 1, D - x + 1, M + 1)
    HypergeometricDiagonal RejectionDiagonal(Size size, Size before, std::int64_t reject) const
    {
        return {size + 1, D + 1, N - before + 1, reject};
    }
    double RejectionFactor(Size, Size before, std::int64_t x) const
    {
        return (static_cast<double>(N - before) + 1.0) / static_cast<double>(D - x + 1);
    }
};

// Defects in an amount of material at lambda defects per unit amount: Poisson. Inspection can
// stop only at a defect, so only rejection is ever curtailed.
struct DefectsAnyLot
{
    using Size = double;
    double lambda;

    ProbableCounts CountsAfter(Size inspected) const
    {
        return PoissonProbableCounts(inspected * lambda);
    }
    PoissonKernel Kernel(Size size) const { return {size * lambda}; }
    PoissonKernel Marginal(Size after) const { return Kernel(after); }
    ProbableCounts Added(Size size, Size) const { return CountsAfter(size); }
    PoissonDiagonal Counted(Size size, Size, std::int64_t k0) const { return {size * lambda, k0}; }
    // The j-th defect lies at j / lambda on average: j / lambda P(X > j).
    PoissonDiagonal RejectionDiagonal(Size size, Size, std::int64_t reject) const
    {
        return {size * lambda, reject};
    }
    double RejectionFactor(Size, Size, std::int64_t) const
    {
        return lambda > 0.0 ? 1.0 / lambda : 0.0;
    }
};

// Defects in an amount of a lot of amount L holding T defects, each in the amount s inspected of
// the L - before left with probability s / (L - before).
struct DefectsGivenLot
{
    using Size = double;
    std::int64_t T;
    double L;

    ProbableCounts CountsAfter(Size inspected) const
    {
        return BinomialProbableCounts(T, Share(inspected, 0.0));
    }
    PoissonKernel Kernel(Size size) const { return {static_cast<double>(T) * size / L}; }
    DefectsWeights Weights(Size after) const { return {T, Share(after, 0.0)}; }
    BinomialKernel Marginal(Size after) const { return {T, Share(after, 0.0)}; }
    // With fewer defects left the count is smaller still.
    ProbableCounts Added(Size size, Size before) const
    {
        return BinomialProbableCounts(T, Share(size, before));
    }
    DefectsBinomialDiagonal Counted(Size size, Size before, std::int64_t k0) const
    {
        return {T, Share(size, before), k0};
    }
    // (L - before) j / (T - x + 1) P(X > j), X binomial(T - x + 1, s / (L - before))
    DefectsBinomialDiagonal RejectionDiagonal(Size size, Size before, std::int64_t reject) const
    {
        return {T + 1, Share(size, before), reject};
    }
    double RejectionFactor(Size, Size before, std::int64_t x) const
    {
        return (L - before) / static_cast<double>(T - x + 1);
    }

private:
    // s of the L - before left, at most all of it (the amounts are sums of typed numbers).
    double Share(Size s, Size before) const
    {
        const double left = L - before;
        return s < left ? s / left : 1.0;
    }
};

} // namespace Brosquin
