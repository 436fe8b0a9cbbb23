#include "stats/DefectivesSingle.h"

#include "stats/DiscreteDistributions.h"

#include <cmath>

namespace Brosquin
{

namespace
{

enum Curtailing : std::uint8_t
{
    full = 1,
    acceptanceOnly = 2,
    rejectionOnly = 3,
};

double BinomialPa(std::int64_t c, std::int64_t n, double q)
{
    return BinomialCumulative(c, n, q);
}

// Estimate of the smallest n with (1 - q)^n <= target.
double ZeroAcceptanceSize(double q, double target)
{
    return q >= 1.0 ? 1.0 : std::ceil(std::log(target) / std::log1p(-q));
}

constexpr SinglePlanModel binomialModel = {BinomialPa, ZeroAcceptanceSize, 1.0, false};

// The tail of the ASN formulas: with "untilAccepted" and "untilRejected" the expected units
// inspected until acceptance or rejection is certain, on the paths that end that way.
template <class Accepted, class Rejected>
double CurtailedSampleNumber(std::uint8_t method, double sample, TailProbabilities pa,
                             Accepted untilAccepted, Rejected untilRejected)
{
    switch (method)
    {
    case full:
        return untilAccepted() + untilRejected();
    case acceptanceOnly:
        return untilAccepted() + sample * pa.dUpper;
    default:
        return untilRejected() + sample * pa.dLower;
    }
}

} // namespace

const SinglePlanModel& BinomialSinglePlanModel()
{
    return binomialModel;
}

double DefectivesSingleProbabilityAcceptance(double p, int n, int c)
{
    return BinomialCumulative(c, n, p);
}

double DefectivesSingleProbabilityAcceptanceFiniteLot(std::int64_t D, int n, int c, int N)
{
    return HypergeometricCumulative(c, n, D, N);
}

double DefectivesSingleAverageSampleNumber(double p, int n, int c, std::uint8_t method)
{
    if (method != full && method != acceptanceOnly && method != rejectionOnly)
        return n;
    const std::int64_t size = n;
    const double sample = n;
    const double accept = c;
    if (method == full && p == 0.0)
        return sample - accept;
    if ((method == full || method == acceptanceOnly) && p == 1.0)
        return method == full ? accept + 1.0 : sample;
    if (method == rejectionOnly && p == 0.0)
        return sample;
    // Expected units inspected until n - c good ones (acceptance) and until c + 1 defective ones
    // (rejection), each on the paths that end that way.
    const auto untilAccepted = [&]
    { return (sample - accept) / (1.0 - p) * BinomialCumulative(c, size + 1, p); };
    const auto untilRejected = [&]
    { return (accept + 1.0) / p * BinomialTails(c + std::int64_t{1}, size + 1, p).dUpper; };
    return CurtailedSampleNumber(method, sample, BinomialTails(c, size, p), untilAccepted,
                                 untilRejected);
}

double DefectivesSingleAverageSampleNumberFiniteLot(std::int64_t D, int n, int c, int N,
                                                    std::uint8_t method)
{
    if (method != full && method != acceptanceOnly && method != rejectionOnly)
        return n;
    // The products are formed in floating point: (n - c)(N + 1) overflows 32 bits for lots of
    // ten million.
    const std::int64_t size = n;
    const std::int64_t lot = N;
    const double sample = n;
    const double accept = c;
    const auto untilAccepted = [&]
    {
        return (sample - accept) * (static_cast<double>(lot) + 1.0) /
               (static_cast<double>(lot - D) + 1.0) *
               HypergeometricCumulative(c, size + 1, D, lot + 1);
    };
    const auto untilRejected = [&]
    {
        return (accept + 1.0) * (static_cast<double>(lot) + 1.0) / (static_cast<double>(D) + 1.0) *
               HypergeometricTails(c + std::int64_t{1}, size + 1, D + 1, lot + 1).dUpper;
    };
    return CurtailedSampleNumber(method, sample, HypergeometricTails(c, size, D, lot),
                                 untilAccepted, untilRejected);
}

void DefectivesSingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD, int& n,
                                     int& c)
{
    DesignSinglePlanTwoLevels(binomialModel, AQL, LTPD, PaAQL, PaLTPD, n, c);
}

void DefectivesSingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                       double PaLTPD, int& n, int& c)
{
    DesignSinglePlanThreeLevels(binomialModel, AQL, maximumAQL, LTPD, PaAQL, PaLTPD, n, c);
}

std::int64_t DefectivesSingleMinimumSampleSize(std::int64_t c, double q, double target,
                                               std::int64_t lo, std::int64_t hi)
{
    return ModelSampleSize(binomialModel, c, q, target, std::nullopt, 0.0, lo, hi);
}

std::int64_t DefectivesSingleMinimumSampleSizeTwoConditions(std::int64_t c, double q1,
                                                            double target1, double q2,
                                                            double target2, std::int64_t lo,
                                                            std::int64_t hi)
{
    return ModelSampleSize(binomialModel, c, q1, target1, q2, target2, lo, hi);
}

} // namespace Brosquin
