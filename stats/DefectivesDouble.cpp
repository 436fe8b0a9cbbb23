#include "stats/DefectivesDouble.h"

#include "stats/DefectivesSingle.h"
#include "stats/DiscreteDistributions.h"
#include "stats/DoubleDesignSearch.h"
#include "stats/StagedInspection.h"

namespace Brosquin
{

namespace
{

using Stages = TwoStages<int>;
constexpr StageCurtailing none = {};

double FirstSamplePoint(std::int64_t x, std::int64_t n, double p)
{
    return BinomialProbability(x, n, p);
}

double FirstSampleCumulative(std::int64_t x, std::int64_t n, double p)
{
    return BinomialCumulative(x, n, p);
}

constexpr DoublePlanModel binomialModel = {
    FirstSamplePoint,
    FirstSampleCumulative,
    BinomialPointRatio,
    DefectivesDoubleProbabilityAcceptance,
    DefectivesDoubleAverageSampleNumber,
    DefectivesDoubleExpectedStages,
    DefectivesSingleDesignTwoLevels,
    DefectivesSingleDesignThreeLevels,
    DefectivesSingleAverageSampleNumber,
    true,
};

} // namespace

double DefectivesDoubleProbabilityAcceptance(double p, int n1, int a1, int r1, int n2, int a2)
{
    return EvaluateStages(DefectivesAnyLot{p}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectivesDoubleProbabilityAcceptanceFiniteLot(int D, int n1, int a1, int r1, int n2, int a2,
                                                      int N)
{
    return ProbabilityInUnitRange(EvaluateStages(DefectivesGivenLot{D, N},
                                                 Stages(n1, a1, r1, n2, a2).Plan(),
                                                 StagedMeasure::probabilityAcceptance, none));
}

double DefectivesDoubleAverageSampleNumber(double p, int n1, int a1, int r1, int n2, int a2,
                                           std::uint8_t method)
{
    return EvaluateStages(DefectivesAnyLot{p}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::averageSampleNumber, DefectivesStageCurtailing(method));
}

double DefectivesDoubleAverageSampleNumberFiniteLot(int D, int n1, int a1, int r1, int n2, int a2,
                                                    int N, std::uint8_t method)
{
    return EvaluateStages(DefectivesGivenLot{D, N}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::averageSampleNumber, DefectivesStageCurtailing(method));
}

double DefectivesDoubleExpectedStages(double p, int n1, int a1, int r1, int n2, int a2)
{
    return EvaluateStages(DefectivesAnyLot{p}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::expectedStages, none);
}

double DefectivesDoubleExpectedStagesFiniteLot(int D, int n1, int a1, int r1, int n2, int a2, int N)
{
    return EvaluateStages(DefectivesGivenLot{D, N}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::expectedStages, none);
}

void DefectivesDoubleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                     double p0, double C0, double C1, int& n1, int& a1, int& r1,
                                     int& n2, int& a2, std::uint8_t method)
{
    vdDesignDoublePlan(binomialModel, {AQL, std::nullopt, LTPD, PaAQL, PaLTPD, p0, C0, C1, method},
                       n1, a1, r1, n2, a2);
}

void DefectivesDoubleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                       double PaLTPD, double p0, double C0, double C1, int& n1,
                                       int& a1, int& r1, int& n2, int& a2, std::uint8_t method)
{
    vdDesignDoublePlan(binomialModel, {AQL, maximumAQL, LTPD, PaAQL, PaLTPD, p0, C0, C1, method},
                       n1, a1, r1, n2, a2);
}

} // namespace Brosquin
