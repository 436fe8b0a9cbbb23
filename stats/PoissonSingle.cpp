#include "stats/PoissonSingle.h"

#include "stats/DiscreteDistributions.h"

#include <cmath>
#include <limits>

namespace Brosquin
{

namespace
{

constexpr std::uint8_t curtailOnRejection = 1;

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

const SinglePlanModel& PoissonSinglePlanModel()
{
    return poissonModel;
}

double PoissonSingleProbabilityAcceptance(double rate, double amount, int c)
{
    return PoissonCumulative(c, amount * rate);
}

double PoissonSingleProbabilityAcceptanceFiniteLot(std::int64_t T, double amount, int c, double lot)
{
    return BinomialCumulative(c, T, amount / lot);
}

double PoissonSingleAverageSampleNumber(double rate, double amount, int c, std::uint8_t method)
{
    if (method != curtailOnRejection || rate == 0.0)
        return amount;
    // The (c + 1)-th defect comes after (c + 1) / rate on average.
    const double mean = amount * rate;
    return amount * PoissonCumulative(c, mean) +
           (c + 1.0) / rate * PoissonTails(c + std::int64_t{1}, mean).dUpper;
}

double PoissonSingleAverageSampleNumberFiniteLot(std::int64_t T, double amount, int c, double lot,
                                                 std::uint8_t method)
{
    if (method != curtailOnRejection || T <= c)
        return amount;
    const double share = amount / lot;
    return amount * BinomialCumulative(c, T, share) +
           (c + 1.0) * lot / (static_cast<double>(T) + 1.0) *
               BinomialTails(c + std::int64_t{1}, T + 1, share).dUpper;
}

void PoissonSingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD, int& n,
                                  int& c)
{
    DesignSinglePlanTwoLevels(poissonModel, AQL, LTPD, PaAQL, PaLTPD, n, c);
}

void PoissonSingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                    double PaLTPD, int& n, int& c)
{
    DesignSinglePlanThreeLevels(poissonModel, AQL, maximumAQL, LTPD, PaAQL, PaLTPD, n, c);
}

std::int64_t PoissonSingleMinimumSampleSize(std::int64_t c, double q, double target,
                                            std::int64_t lo, std::int64_t hi)
{
    return ModelSampleSize(poissonModel, c, q, target, std::nullopt, 0.0, lo, hi);
}

std::int64_t PoissonSingleMinimumSampleSizeTwoConditions(std::int64_t c, double q1, double target1,
                                                         double q2, double target2, std::int64_t lo,
                                                         std::int64_t hi)
{
    return ModelSampleSize(poissonModel, c, q1, target1, q2, target2, lo, hi);
}

} // namespace Brosquin
