#include "stats/DefectivesDouble.h"

#include "stats/DefectivesSingle.h"
#include "stats/DiscreteDistributions.h"
#include "stats/DoubleDesignSearch.h"
#include "stats/StagedInspection.h"

#include <cmath>

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

PointRatio FirstSampleRatio(std::int64_t n, double p)
{
    // (n - x) p / ((x + 1)(1 - p)); at p = 1 every count but n has probability 0.
    const double odds = p < 1.0 ? p / (1.0 - p) : 0.0;
    return {static_cast<double>(n) * odds, odds};
}

LikelihoodSlope FirstSampleSlope(double p, double reference)
{
    // t log(p / r) + (N - t) log((1 - p) / (1 - r)).
    const double perUnit = std::log1p(-p) - std::log1p(-reference);
    return {std::log(p / reference) - perUnit, perUnit};
}

constexpr DoublePlanModel binomialModel = {
    FirstSamplePoint,
    FirstSampleCumulative,
    FirstSampleRatio,
    FirstSampleSlope,
    DefectivesDoubleProbabilityAcceptance,
    DefectivesDoubleAverageSampleNumber,
    DefectivesDoubleExpectedStages,
    DefectivesSingleDesignTwoLevels,
    DefectivesSingleDesignThreeLevels,
    DefectivesSingleAverageSampleNumber,
    true,
};

} // namespace

const DoublePlanModel& BinomialDoublePlanModel()
{
    return binomialModel;
}

double DefectivesDoubleProbabilityAcceptance(double p, int n1, int a1, int r1, int n2, int a2)
{
    return EvaluateStages(DefectivesAnyLot{p}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectivesDoubleProbabilityAcceptanceFiniteLot(std::int64_t D, int n1, int a1, int r1,
                                                      int n2, int a2, int N)
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

double DefectivesDoubleAverageSampleNumberFiniteLot(std::int64_t D, int n1, int a1, int r1, int n2,
                                                    int a2, int N, std::uint8_t method)
{
    return EvaluateStages(DefectivesGivenLot{D, N}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::averageSampleNumber, DefectivesStageCurtailing(method));
}

double DefectivesDoubleExpectedStages(double p, int n1, int a1, int r1, int n2, int a2)
{
    return EvaluateStages(DefectivesAnyLot{p}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::expectedStages, none);
}

double DefectivesDoubleExpectedStagesFiniteLot(std::int64_t D, int n1, int a1, int r1, int n2,
                                               int a2, int N)
{
    return EvaluateStages(DefectivesGivenLot{D, N}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::expectedStages, none);
}

bool DefectivesDoubleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                     double p0, double C0, double C1, int& n1, int& a1, int& r1,
                                     int& n2, int& a2, std::uint8_t method,
                                     const DesignProgress& progress)
{
    return vdDesignDoublePlan(
        binomialModel, {AQL, std::nullopt, LTPD, PaAQL, PaLTPD, p0, C0, C1, method, progress}, n1,
        a1, r1, n2, a2);
}

bool DefectivesDoubleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                       double PaLTPD, double p0, double C0, double C1, int& n1,
                                       int& a1, int& r1, int& n2, int& a2, std::uint8_t method,
                                       const DesignProgress& progress)
{
    return vdDesignDoublePlan(
        binomialModel, {AQL, maximumAQL, LTPD, PaAQL, PaLTPD, p0, C0, C1, method, progress}, n1,
        a1, r1, n2, a2);
}

} // namespace Brosquin
