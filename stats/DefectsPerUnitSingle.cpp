#include "stats/DefectsPerUnitSingle.h"

#include "stats/DefectsPerQuantitySingle.h"
#include "stats/DiscreteDistributions.h"
#include "stats/SingleDesignSearch.h"

#include <cmath>
#include <limits>

namespace Brosquin
{

namespace
{

double PoissonPa(std::int64_t c, std::int64_t n, double q)
{
    return PoissonCumulative(c, static_cast<double>(n) * q);
}

// Estimate of the smallest n with exp(-n q) <= target.
double ZeroAcceptanceSize(double q, double target)
{
    return q == 0.0 ? 1.0 : std::ceil(std::log(target) / -q);
}

constexpr SinglePlanModel poissonModel = {PoissonPa, ZeroAcceptanceSize,
                                          std::numeric_limits<double>::max(), true};

} // namespace

// A sample of n units is an amount n of a lot of N units: the evaluation is that of defects
// per quantity.

double DefectsPerUnitSingleProbabilityAcceptance(double u, int n, int c)
{
    return DefectsPerQuantitySingleProbabilityAcceptance(u, n, c);
}

double DefectsPerUnitSingleProbabilityAcceptanceFiniteLot(int T, int n, int c, int N)
{
    return DefectsPerQuantitySingleProbabilityAcceptanceFiniteLot(T, n, c, N);
}

double DefectsPerUnitSingleAverageSampleNumber(double u, int n, int c, std::uint8_t method)
{
    return DefectsPerQuantitySingleAverageSampleNumber(u, n, c, method);
}

double DefectsPerUnitSingleAverageSampleNumberFiniteLot(int T, int n, int c, int N,
                                                        std::uint8_t method)
{
    return DefectsPerQuantitySingleAverageSampleNumberFiniteLot(T, n, c, N, method);
}

void DefectsPerUnitSingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                         int& n, int& c)
{
    DesignSinglePlanTwoLevels(poissonModel, AQL, LTPD, PaAQL, PaLTPD, n, c);
}

void DefectsPerUnitSingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                           double PaLTPD, int& n, int& c)
{
    DesignSinglePlanThreeLevels(poissonModel, AQL, maximumAQL, LTPD, PaAQL, PaLTPD, n, c);
}

std::int64_t DefectsPerUnitSingleMinimumSampleSize(std::int64_t c, double q, double target,
                                                   std::int64_t lo, std::int64_t hi)
{
    return ModelSampleSize(poissonModel, c, q, target, std::nullopt, 0.0, lo, hi);
}

std::int64_t DefectsPerUnitSingleMinimumSampleSizeTwoConditions(std::int64_t c, double q1,
                                                                double target1, double q2,
                                                                double target2, std::int64_t lo,
                                                                std::int64_t hi)
{
    return ModelSampleSize(poissonModel, c, q1, target1, q2, target2, lo, hi);
}

} // namespace Brosquin
