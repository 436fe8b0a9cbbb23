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
    return p == 1 ? k : OneMinusPower(p, k) / (1 - p);
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

SwitchingShares Z14CleanRunSwitchingShares(double A, double P0, double P, double T, double K)
{
    // Every lot is clean: inspection reaches reduced and, as near perfect quality, stays there.
    if (P0 == 1)
        return {1, 0, 0};

    // A period on normal starts afresh and ends on reduced or on tightened. Each lot is accepted
    // clean (P0), accepted with a nonconforming unit (D), which starts the clean run again, or
    // not accepted (Q), after which a second one within 4 lots tightens; those 4 lots, all
    // accepted, end in c = 0..4 clean lots in a row with chance w[c]. From a fresh start or from
    // the end of those 4 lots the clean run goes on; the chances and lengths below add up its
    // outcomes over them, every term a sum of non-negative parts.
    const double D = std::fmax(P - P0, 0.0);
    const double Q = 1 - P;
    const double fresh = std::pow(P0, K);
    double w[5];
    for (int c = 0; c < 4; ++c)
        w[c] = std::pow(P, 3 - c) * D * std::pow(P0, c);
    w[4] = std::pow(P0, 4);
    double reachedAfterFour = 0;
    double runAfterFour = 0;
    double lostAfterFour = 0;
    for (int c = 0; c <= 4; ++c)
    {
        const double reach = std::pow(P0, K - c);
        reachedAfterFour += w[c] * reach;
        runAfterFour += w[c] * RunLength(P0, K - c);
        lostAfterFour += w[c] * reach * RunLength(P0, c);
    }
    const double run = RunLength(P0, K);
    const double fourAccepted = OneMinusPower(P, 4);
    // The chance that a clean run, from a fresh start or from a lot not accepted, ends the
    // period rather than starting again.
    const double ends = fresh + Q * (run * fourAccepted + lostAfterFour);
    if (ends == 0)
        return {0, 1, 0};
    const double toReduced = fresh + run * (D * fresh + Q * reachedAfterFour) / ends;
    const double toTightened = run * Q * fourAccepted / ends;
    const double normal = run * (1 + (D * run + Q * (RunLength(P, 4) + runAfterFour)) / ends);

    // Inspection that never leaves a regime it reaches: reduced first, as in the closed form.
    if (toReduced > 0 && A == 1)
        return {1, 0, 0};
    const double tightenedExit = std::pow(T, 5);
    if (toTightened > 0 && tightenedExit < 1e-100)
        return {0, 0, 1};
    const double reduced = toReduced > 0 ? toReduced / (1 - A) : 0;
    const double tightened = toTightened > 0 ? toTightened * RunLength(T, 5) / tightenedExit : 0;
    const double sum = reduced + normal + tightened;
    return {reduced / sum, normal / sum, tightened / sum};
}

} // namespace Brosquin
