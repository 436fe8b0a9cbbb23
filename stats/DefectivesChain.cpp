#include "stats/DefectivesChain.h"

#include "stats/DiscreteDistributions.h"
#include "stats/ProbableCounts.h"

#include <algorithm>
#include <cstdint>

namespace Brosquin
{

namespace
{

// B(a1; n, p) + the sum over counts k between a1 and r1 of b(k; n, p) times the chance that the
// neighbours keep the total within a2, neighbours(k); only the counts that can carry probability
// are summed.
template <class Neighbours>
double ChainPa(double p, int n, int a1, int r1, Neighbours neighbours)
{
    const ProbableCounts probable = BinomialProbableCounts(n, p);
    double pa = BinomialCumulative(a1, n, p);
    const std::int64_t last = std::min<std::int64_t>(r1 - std::int64_t{1}, probable.hi);
    for (std::int64_t k = std::max<std::int64_t>(a1 + std::int64_t{1}, probable.lo); k <= last;
         ++k)
        pa += BinomialProbability(k, n, p) * neighbours(k);
    return pa;
}

} // namespace

double DefectivesChainProbabilityAcceptance(double p, int n, int a1, int r1, int i, int a2)
{
    const std::int64_t neighbours = (i - std::int64_t{1}) * n;
    return ChainPa(p, n, a1, r1,
                   [&](std::int64_t k) { return BinomialCumulative(a2 - k, neighbours, p); });
}

double DefectivesChainUpperEnvelope(double p, int n, int a1, int r1, int, int a2)
{
    return ChainPa(p, n, a1, r1, [&](std::int64_t k) { return BinomialCumulative(a2 - k, n, p); });
}

double DefectivesChainLowerEnvelope(double p, int n, int a1, int r1, int i, int a2)
{
    // The wholly defective samples take (i - 2) n of what a2 allows.
    const std::int64_t defective = (i - std::int64_t{2}) * n;
    return ChainPa(p, n, a1, r1,
                   [&](std::int64_t k) { return BinomialCumulative(a2 - k - defective, n, p); });
}

} // namespace Brosquin
