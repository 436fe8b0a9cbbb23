#include "stats/DefectsPerQuantitySingle.h"

#include "stats/DefectsPerUnitSingle.h"
#include "stats/DiscreteDistributions.h"

namespace Brosquin
{

namespace
{

constexpr std::uint8_t curtailOnRejection = 1;

} // namespace

double DefectsPerQuantitySingleProbabilityAcceptance(double lambda, double s, int c)
{
    return PoissonCumulative(c, s * lambda);
}

double DefectsPerQuantitySingleProbabilityAcceptanceFiniteLot(int T, double s, int c, double L)
{
    return BinomialCumulative(c, T, s / L);
}

double DefectsPerQuantitySingleAverageSampleNumber(double lambda, double s, int c,
                                                   std::uint8_t method)
{
    if (method != curtailOnRejection || lambda == 0.0)
        return s;
    // The (c + 1)-th defect comes after (c + 1) / lambda on average.
    const double mean = s * lambda;
    return s * PoissonCumulative(c, mean) +
           (c + 1.0) / lambda * PoissonTails(c + std::int64_t{1}, mean).dUpper;
}

double DefectsPerQuantitySingleAverageSampleNumberFiniteLot(int T, double s, int c, double L,
                                                            std::uint8_t method)
{
    if (method != curtailOnRejection || T <= c)
        return s;
    const double share = s / L;
    const std::int64_t defects = T;
    return s * BinomialCumulative(c, defects, share) +
           (c + 1.0) * L / (static_cast<double>(defects) + 1.0) *
               BinomialTails(c + std::int64_t{1}, defects + 1, share).dUpper;
}

void DefectsPerQuantitySingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                             double& s, int& c)
{
    int n = 0;
    DefectsPerUnitSingleDesignTwoLevels(AQL / quantityThousandths, LTPD / quantityThousandths,
                                        PaAQL, PaLTPD, n, c);
    s = n / quantityThousandths;
}

void DefectsPerQuantitySingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double& s, int& c)
{
    int n = 0;
    DefectsPerUnitSingleDesignThreeLevels(AQL / quantityThousandths,
                                          maximumAQL / quantityThousandths,
                                          LTPD / quantityThousandths, PaAQL, PaLTPD, n, c);
    s = n / quantityThousandths;
}

} // namespace Brosquin
