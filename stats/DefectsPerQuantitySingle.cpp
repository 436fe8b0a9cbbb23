#include "stats/DefectsPerQuantitySingle.h"

#include "stats/PoissonSingle.h"

namespace Brosquin
{

namespace
{

// Thousandths of a quantity unit per unit. Levels and amounts are divided and multiplied by
// it exactly once, so that an amount is the double nearest to its multiple of 0.001.
constexpr double thousandths = 1000.0;

} // namespace

double DefectsPerQuantitySingleProbabilityAcceptance(double lambda, double s, int c)
{
    return PoissonSingleProbabilityAcceptance(lambda, s, c);
}

double DefectsPerQuantitySingleProbabilityAcceptanceFiniteLot(int T, double s, int c, double L)
{
    return PoissonSingleProbabilityAcceptanceFiniteLot(T, s, c, L);
}

double DefectsPerQuantitySingleAverageSampleNumber(double lambda, double s, int c,
                                                   std::uint8_t method)
{
    return PoissonSingleAverageSampleNumber(lambda, s, c, method);
}

double DefectsPerQuantitySingleAverageSampleNumberFiniteLot(int T, double s, int c, double L,
                                                            std::uint8_t method)
{
    return PoissonSingleAverageSampleNumberFiniteLot(T, s, c, L, method);
}

void DefectsPerQuantitySingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                             double& s, int& c)
{
    int n = 0;
    PoissonSingleDesignTwoLevels(AQL / thousandths, LTPD / thousandths, PaAQL, PaLTPD, n, c);
    s = n / thousandths;
}

void DefectsPerQuantitySingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double& s, int& c)
{
    int n = 0;
    PoissonSingleDesignThreeLevels(AQL / thousandths, maximumAQL / thousandths, LTPD / thousandths,
                                   PaAQL, PaLTPD, n, c);
    s = n / thousandths;
}

} // namespace Brosquin
