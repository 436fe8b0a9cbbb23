#include "standards/SwitchingShares.h"

#include <cmath>

namespace Brosquin
{

namespace
{

// 1 - p^k for 0 <= p < 1 and k >= 0, without the cancellation of the plain difference as p nears
// 1 (p - 1 is exact there).
double OneMinusPower(double p, double k)
{
    if (p < 0.5)
        return 1 - std::pow(p, k);
    return -std::expm1(k * std::log1p(p - 1));
}

// 1 + p + ... + p^(k-1), the expected number of lots in a run that ends after k successes or at
// the first failure.
double RunLength(double p, double k)
{
    return OneMinusPower(p, k) / (1 - p);
}

} // namespace

SwitchingShares Z14SwitchingShares(double A, double P, double T, double K, double G)
{
    // Inspection that never leaves a regime: reduced when it can be reached, else normal.
    if (P == 1 || T == 1 || A == 1)
        return G != 0 ? SwitchingShares{1, 0, 0} : SwitchingShares{0, 1, 0};
    const double tightenedExit = std::pow(T, 5);
    if (tightenedExit < 1e-100)
        return {0, 0, 1};

    // Every term is a sum of non-negative parts, so the shares keep their digits as P nears 1.
    const double pK = std::pow(P, K);
    const double restartRun = OneMinusPower(P, K - 7);
    const double d = G + (1 - G) * restartRun;
    const double x = (2 - std::pow(P, 4)) * d / (G * OneMinusPower(P, K) + (1 - G) * restartRun);
    const double normal = x * (RunLength(P, 7) + std::pow(P, 7) * RunLength(P, K - 7) / d);
    const double tightened = RunLength(T, 5) * OneMinusPower(P, 4) / tightenedExit;
    const double reduced = G * pK * x / (d * (1 - A));
    const double sum = reduced + normal + tightened;
    return {reduced / sum, normal / sum, tightened / sum};
}

} // namespace Brosquin
