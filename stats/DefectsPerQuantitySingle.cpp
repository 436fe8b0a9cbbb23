#include "stats/DefectsPerQuantitySingle.h"

#include "stats/PoissonSingle.h"

namespace Brosquin
{

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
    PoissonSingleDesignTwoLevels(AQL / quantityThousandths, LTPD / quantityThousandths, PaAQL,
                                 PaLTPD, n, c);
    s = n / quantityThousandths;
}

void DefectsPerQuantitySingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double& s, int& c)
{
    int n = 0;
    PoissonSingleDesignThreeLevels(AQL / quantityThousandths, maximumAQL / quantityThousandths,
                                   LTPD / quantityThousandths, PaAQL, PaLTPD, n, c);
    s = n / quantityThousandths;
}

} // namespace Brosquin
