#include "stats/DiscreteDistributions.h"
#include "tests/stats/Accuracy.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace Brosquin
{
namespace
{

struct TailReference
{
    std::int64_t c, n, D, N;
    long double lower, upper;
};

TEST(BinomialTest, SpecialCasesAndShortcuts)
{
    EXPECT_EQ(BinomialCumulative(5, 5, 0.3), 1.0);
    EXPECT_EQ(BinomialCumulative(0, 0, 0.3), 1.0);
    EXPECT_EQ(BinomialCumulative(-1, 10, 0.3), 0.0);
    EXPECT_EQ(BinomialCumulative(3, 10, 0.0), 1.0);
    EXPECT_EQ(BinomialCumulative(3, 10, 1.0), 0.0);
    EXPECT_EQ(BinomialCumulative(9, 10, 1.0), 0.0);
    EXPECT_EQ(BinomialProbability(0, 10, 0.0), 1.0);
    EXPECT_EQ(BinomialProbability(1, 10, 0.0), 0.0);
    EXPECT_EQ(BinomialProbability(10, 10, 1.0), 1.0);
    EXPECT_EQ(BinomialProbability(9, 10, 1.0), 0.0);
    EXPECT_EQ(BinomialProbability(11, 10, 0.5), 0.0);
    EXPECT_EQ(BinomialProbability(-1, 10, 0.5), 0.0);
    EXPECT_TRUE(std::isnan(BinomialCumulative(5, 10, std::nan(""))));

    // Closed forms, and the exact values where the old normal approximation was off
    // (B(4; 20, 0.1) from mpmath at 40 digits).
    EXPECT_LT(RelativeError(BinomialCumulative(3, 20, 0.1), 0.86704667656566490238L), 1e-14);
    EXPECT_LT(RelativeError(BinomialCumulative(4, 20, 0.1), 0.9568255047155366099L), 1e-14);
    for (double p : {0.01, 0.3, 0.5, 0.9, 0.999})
        EXPECT_LT(RelativeError(BinomialCumulative(29, 30, p),
                                1.0L - std::pow(static_cast<long double>(p), 30.0L)),
                  1e-15);
    // Far upper accept numbers with p close to 1: the complement of the closed form would lose
    // every digit here; (1 - p)^10 + 10 p (1 - p)^9 + 45 p^2 (1 - p)^8 + ...
    const long double q = 1e-3L;
    const long double p = 1.0L - q;
    long double exact = 0.0L;
    long double binomial = 1.0L;
    for (int k = 0; k <= 6; ++k)
    {
        exact += binomial * std::pow(p, static_cast<long double>(k)) *
                 std::pow(q, static_cast<long double>(10 - k));
        binomial = binomial * (10 - k) / (k + 1);
    }
    EXPECT_LT(RelativeError(BinomialCumulative(6, 10, 0.999), exact), 1e-13);
}

// Accept numbers spread over the distribution: the small counts of the closed forms, both
// tails and the centre, and the counts just below n.
std::vector<std::int64_t> AcceptNumbers(std::int64_t n, double mean, double sd)
{
    std::vector<std::int64_t> numbers = {0, 1, 2, 3, 4, 5, n - 6, n - 5, n - 4, n - 2, n - 1};
    for (double z : {-25.0, -6.0, -2.0, -0.5, 0.0, 0.5, 2.0, 6.0, 25.0})
        numbers.push_back(static_cast<std::int64_t>(std::floor(mean + z * sd)));
    std::vector<std::int64_t> valid;
    for (std::int64_t c : numbers)
        if (c >= 0 && c < n)
            valid.push_back(c);
    return valid;
}

TEST(BinomialTest, AgreesWithBoostOverAWideGrid)
{
    double worst = 0.0;
    for (std::int64_t n : {1, 2, 5, 9, 20, 50, 132, 1000, 12345, 100000, 1000000})
        for (double p : {1e-12, 1e-6, 1e-3, 0.01, 0.1, 0.3, 0.5, 0.7, 0.99, 1.0 - 1e-9})
        {
            const boost::math::binomial_distribution<long double> reference(
                static_cast<long double>(n), static_cast<long double>(p));
            const double mean = static_cast<double>(n) * p;
            const double sd = std::sqrt(mean * (1.0 - p)) + 1.0;
            for (std::int64_t c : AcceptNumbers(n, mean, sd))
            {
                const long double k = static_cast<long double>(c);
                const long double lower = boost::math::cdf(reference, k);
                const long double upper = boost::math::cdf(boost::math::complement(reference, k));
                const TailProbabilities tails = BinomialTails(c, n, p);
                const double errors[] = {
                    RelativeError(BinomialCumulative(c, n, p), lower),
                    RelativeError(tails.dLower, lower),
                    RelativeError(tails.dUpper, upper),
                    RelativeError(BinomialProbability(c, n, p), boost::math::pdf(reference, k)),
                };
                for (double error : errors)
                {
                    EXPECT_LT(error, 1e-12) << "c = " << c << ", n = " << n << ", p = " << p;
                    worst = std::max(worst, error);
                }
            }
        }
    std::printf("binomial: worst relative error %.3g\n", worst);
}

TEST(PoissonTest, SpecialCasesAndExactValues)
{
    EXPECT_EQ(PoissonCumulative(-1, 3.0), 0.0);
    EXPECT_EQ(PoissonCumulative(0, 0.0), 1.0);
    EXPECT_EQ(PoissonCumulative(50, 0.0), 1.0);
    EXPECT_EQ(PoissonProbability(0, 0.0), 1.0);
    EXPECT_EQ(PoissonProbability(3, 0.0), 0.0);
    EXPECT_EQ(PoissonProbability(-1, 2.0), 0.0);
    EXPECT_EQ(PoissonProbability(0, 2.5), std::exp(-2.5));
    EXPECT_TRUE(std::isnan(PoissonCumulative(5, std::nan(""))));

    // Sums in mpmath at 45 digits.
    const std::vector<TailReference> references = {
        {2, 0, 0, 0, 0.9196986029286058039888L, 0.08030139707139419601119L},
        {4, 0, 0, 0, 0.947346982656288843258L, 0.052653017343711156742L},
        {50, 0, 0, 0, 6.815847235588000790925e-37L, 1.0L},
        {400, 0, 0, 0, 1.0L, 5.525962083726679725783e-36L},
        {120000, 0, 0, 0, 1.0L, 7.948245847567511385483e-819L},
        {1000020000, 0, 0, 0, 0.7364615687941875743517L, 0.2635384312058124256483L},
    };
    const std::vector<double> means = {1.0, 2.0, 200.0, 200.0, 1e5, 1e9};
    for (std::size_t i = 0; i < references.size(); ++i)
    {
        const TailReference& r = references[i];
        const TailProbabilities tails = PoissonTails(r.c, means[i]);
        EXPECT_LT(RelativeError(tails.dLower, r.lower), 1e-13) << r.c;
        EXPECT_LT(RelativeError(tails.dUpper, r.upper), 1e-13) << r.c;
        EXPECT_LT(RelativeError(PoissonCumulative(r.c, means[i]), r.lower), 1e-13) << r.c;
    }
}

TEST(PoissonTest, AgreesWithBoostOverAWideGrid)
{
    double worst = 0.0;
    for (double lambda : {1e-10, 1e-4, 0.05, 0.8177, 1.0, 5.3223, 17.5, 100.0, 2500.0, 1e5, 3e6})
    {
        const boost::math::poisson_distribution<long double> reference(lambda);
        const double sd = std::sqrt(lambda) + 1.0;
        for (std::int64_t c : AcceptNumbers(std::llround(10.0 * lambda) + 1000, lambda, sd))
        {
            const long double k = static_cast<long double>(c);
            const long double lower = boost::math::cdf(reference, k);
            const long double upper = boost::math::cdf(boost::math::complement(reference, k));
            const TailProbabilities tails = PoissonTails(c, lambda);
            const double errors[] = {
                RelativeError(PoissonCumulative(c, lambda), lower),
                RelativeError(tails.dLower, lower),
                RelativeError(tails.dUpper, upper),
                RelativeError(PoissonProbability(c, lambda), boost::math::pdf(reference, k)),
            };
            for (double error : errors)
            {
                EXPECT_LT(error, 1e-12) << "c = " << c << ", lambda = " << lambda;
                worst = std::max(worst, error);
            }
        }
    }
    std::printf("Poisson: worst relative error %.3g\n", worst);
}

TEST(HypergeometricTest, SpecialCasesAndExactValues)
{
    EXPECT_EQ(HypergeometricCumulative(5, 5, 10, 100), 1.0);
    EXPECT_EQ(HypergeometricCumulative(10, 50, 10, 100), 1.0);
    EXPECT_EQ(HypergeometricCumulative(300, 1000, 300, 5000), 1.0);
    EXPECT_EQ(HypergeometricCumulative(-1, 50, 10, 100), 0.0);
    // Fewer than n - x good units in the lot.
    EXPECT_EQ(HypergeometricProbability(2, 95, 10, 100), 0.0);
    EXPECT_EQ(HypergeometricCumulative(4, 95, 10, 100), 0.0);
    EXPECT_GT(HypergeometricProbability(5, 95, 10, 100), 0.0);
    EXPECT_EQ(HypergeometricProbability(11, 50, 10, 100), 0.0);
    EXPECT_EQ(HypergeometricProbability(-1, 50, 10, 100), 0.0);
    EXPECT_EQ(HypergeometricProbability(10, 10, 10, 10), 1.0);
    EXPECT_EQ(HypergeometricProbability(0, 0, 10, 10), 1.0);
    EXPECT_TRUE(std::isnan(HypergeometricCumulative(1, 50, 10, 40)));

    // Sums in mpmath at 45 digits.
    const std::vector<TailReference> references = {
        {0, 40, 3, 100, 0.2116264687693259121831L, 0.7883735312306740878169L},
        {2, 40, 3, 100, 0.9388991960420531849103L, 0.06110080395794681508967L},
        {30, 1000, 100, 2000, 0.0000256977013210278055421L, 0.9999743022986789721945L},
        {1000, 100000, 30000000, 2000000000, 9.248973317656062100028e-44L, 1.0L},
        {1450, 100000, 30000000, 2000000000, 0.09841180789777084521704L, 0.901588192102229154783L},
        {1600, 100000, 30000000, 2000000000, 0.9952127930876736532631L,
         0.004787206912326346736926L},
        {4, 2147483647, 5, 2147483648, 2.328306436538696289062e-9L, 0.9999999976716935634613L},
    };
    for (const TailReference& r : references)
    {
        const TailProbabilities tails = HypergeometricTails(r.c, r.n, r.D, r.N);
        EXPECT_LT(RelativeError(tails.dLower, r.lower), 1e-13) << r.c << " " << r.n;
        EXPECT_LT(RelativeError(tails.dUpper, r.upper), 1e-13) << r.c << " " << r.n;
        EXPECT_LT(RelativeError(HypergeometricCumulative(r.c, r.n, r.D, r.N), r.lower), 1e-13);
    }
}

TEST(HypergeometricTest, AgreesWithBoostOverAWideGrid)
{
    double worst = 0.0;
    for (std::int64_t N : {10, 137, 9999, 10000, 10001, 60000})
        for (double sampleShare : {0.01, 0.2, 0.5, 0.97})
            for (double defectShare : {0.0, 0.003, 0.05, 0.5, 0.9, 1.0})
            {
                const std::int64_t n = std::max<std::int64_t>(1, std::llround(sampleShare * N));
                const std::int64_t D = std::llround(defectShare * N);
                const boost::math::hypergeometric_distribution<long double> reference(
                    static_cast<unsigned>(D), static_cast<unsigned>(n), static_cast<unsigned>(N));
                const double mean = static_cast<double>(n) * D / N;
                const double sd = std::sqrt(mean) + 1.0;
                for (std::int64_t c : AcceptNumbers(n, mean, sd))
                {
                    if (c < n + D - N || c > D)
                        continue;
                    const unsigned k = static_cast<unsigned>(c);
                    const long double lower = boost::math::cdf(reference, k);
                    const long double upper =
                        boost::math::cdf(boost::math::complement(reference, k));
                    const TailProbabilities tails = HypergeometricTails(c, n, D, N);
                    const double errors[] = {
                        RelativeError(HypergeometricCumulative(c, n, D, N), lower),
                        RelativeError(tails.dLower, lower),
                        RelativeError(tails.dUpper, upper),
                        RelativeError(HypergeometricProbability(c, n, D, N),
                                      boost::math::pdf(reference, k)),
                    };
                    for (double error : errors)
                    {
                        EXPECT_LT(error, 1e-12)
                            << "c = " << c << ", n = " << n << ", D = " << D << ", N = " << N;
                        worst = std::max(worst, error);
                    }
                }
            }
    std::printf("hypergeometric: worst relative error %.3g\n", worst);
}

} // namespace
} // namespace Brosquin
