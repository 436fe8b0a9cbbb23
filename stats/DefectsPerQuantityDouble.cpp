#include "stats/DefectsPerQuantityDouble.h"

#include "stats/DefectsPerQuantitySingle.h"
#include "stats/DefectsPerUnitDouble.h"
#include "stats/StagedInspection.h"

namespace Brosquin
{

namespace
{

using Stages = TwoStages<double>;
constexpr StageCurtailing none = {};

} // namespace

double DefectsPerQuantityDoubleProbabilityAcceptance(double lambda, double s1, int a1, int r1,
                                                     double s2, int a2)
{
    return EvaluateStages(DefectsAnyLot{lambda}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectsPerQuantityDoubleProbabilityAcceptanceFiniteLot(int T, double s1, int a1, int r1,
                                                              double s2, int a2, double L)
{
    return ProbabilityInUnitRange(EvaluateStages(DefectsGivenLot{T, L},
                                                 Stages(s1, a1, r1, s2, a2).Plan(),
                                                 StagedMeasure::probabilityAcceptance, none));
}

double DefectsPerQuantityDoubleAverageSampleNumber(double lambda, double s1, int a1, int r1,
                                                   double s2, int a2, std::uint8_t method)
{
    return EvaluateStages(DefectsAnyLot{lambda}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::averageSampleNumber, DefectsDoubleStageCurtailing(method));
}

double DefectsPerQuantityDoubleAverageSampleNumberFiniteLot(int T, double s1, int a1, int r1,
                                                            double s2, int a2, double L,
                                                            std::uint8_t method)
{
    return EvaluateStages(DefectsGivenLot{T, L}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::averageSampleNumber, DefectsDoubleStageCurtailing(method));
}

double DefectsPerQuantityDoubleExpectedStages(double lambda, double s1, int a1, int r1, double s2,
                                              int a2)
{
    return EvaluateStages(DefectsAnyLot{lambda}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::expectedStages, none);
}

double DefectsPerQuantityDoubleExpectedStagesFiniteLot(int T, double s1, int a1, int r1, double s2,
                                                       int a2, double L)
{
    return EvaluateStages(DefectsGivenLot{T, L}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::expectedStages, none);
}

void DefectsPerQuantityDoubleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                             double p0, double C0, double C1, double& s1, int& a1,
                                             int& r1, double& s2, int& a2, std::uint8_t method)
{
    int n1 = 0;
    int n2 = 0;
    DefectsPerUnitDoubleDesignTwoLevels(AQL / quantityThousandths, LTPD / quantityThousandths,
                                        PaAQL, PaLTPD, p0 / quantityThousandths, C0, C1, n1, a1, r1,
                                        n2, a2, method);
    s1 = n1 / quantityThousandths;
    s2 = n2 / quantityThousandths;
}

void DefectsPerQuantityDoubleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double p0, double C0,
                                               double C1, double& s1, int& a1, int& r1, double& s2,
                                               int& a2, std::uint8_t method)
{
    int n1 = 0;
    int n2 = 0;
    DefectsPerUnitDoubleDesignThreeLevels(
        AQL / quantityThousandths, maximumAQL / quantityThousandths, LTPD / quantityThousandths,
        PaAQL, PaLTPD, p0 / quantityThousandths, C0, C1, n1, a1, r1, n2, a2, method);
    s1 = n1 / quantityThousandths;
    s2 = n2 / quantityThousandths;
}

} // namespace Brosquin
