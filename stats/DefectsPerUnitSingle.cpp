#include "stats/DefectsPerUnitSingle.h"

#include "stats/PoissonSingle.h"

namespace Brosquin
{

// A sample of n units is an amount n of a lot of N units.

double DefectsPerUnitSingleProbabilityAcceptance(double u, int n, int c)
{
    return PoissonSingleProbabilityAcceptance(u, n, c);
}

double DefectsPerUnitSingleProbabilityAcceptanceFiniteLot(std::int64_t T, int n, int c, int N)
{
    return PoissonSingleProbabilityAcceptanceFiniteLot(T, n, c, N);
}

double DefectsPerUnitSingleAverageSampleNumber(double u, int n, int c, std::uint8_t method)
{
    return PoissonSingleAverageSampleNumber(u, n, c, method);
}

double DefectsPerUnitSingleAverageSampleNumberFiniteLot(std::int64_t T, int n, int c, int N,
                                                        std::uint8_t method)
{
    return PoissonSingleAverageSampleNumberFiniteLot(T, n, c, N, method);
}

void DefectsPerUnitSingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                         int& n, int& c)
{
    PoissonSingleDesignTwoLevels(AQL, LTPD, PaAQL, PaLTPD, n, c);
}

void DefectsPerUnitSingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                           double PaLTPD, int& n, int& c)
{
    PoissonSingleDesignThreeLevels(AQL, maximumAQL, LTPD, PaAQL, PaLTPD, n, c);
}

std::int64_t DefectsPerUnitSingleMinimumSampleSize(std::int64_t c, double q, double target,
                                                   std::int64_t lo, std::int64_t hi)
{
    return PoissonSingleMinimumSampleSize(c, q, target, lo, hi);
}

std::int64_t DefectsPerUnitSingleMinimumSampleSizeTwoConditions(std::int64_t c, double q1,
                                                                double target1, double q2,
                                                                double target2, std::int64_t lo,
                                                                std::int64_t hi)
{
    return PoissonSingleMinimumSampleSizeTwoConditions(c, q1, target1, q2, target2, lo, hi);
}

} // namespace Brosquin
