#include "stats/DefectsPerUnitDouble.h"

#include "stats/DefectsPerUnitSingle.h"
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

double FirstSamplePoint(std::int64_t x, std::int64_t n, double u)
{
    return PoissonProbability(x, static_cast<double>(n) * u);
}

double FirstSampleCumulative(std::int64_t x, std::int64_t n, double u)
{
    return PoissonCumulative(x, static_cast<double>(n) * u);
}

PointRatio FirstSampleRatio(std::int64_t n, double u)
{
    return {static_cast<double>(n) * u, 0.0};
}

LikelihoodSlope FirstSampleSlope(double u, double reference)
{
    // t log(u / r) - N (u - r).
    return {std::log(u / reference), reference - u};
}

constexpr DoublePlanModel poissonModel = {
    FirstSamplePoint,
    FirstSampleCumulative,
    FirstSampleRatio,
    FirstSampleSlope,
    DefectsPerUnitDoubleProbabilityAcceptance,
    DefectsPerUnitDoubleAverageSampleNumber,
    DefectsPerUnitDoubleExpectedStages,
    DefectsPerUnitSingleDesignTwoLevels,
    DefectsPerUnitSingleDesignThreeLevels,
    DefectsPerUnitSingleAverageSampleNumber,
    false,
};

} // namespace

const DoublePlanModel& PoissonDoublePlanModel()
{
    return poissonModel;
}

double DefectsPerUnitDoubleProbabilityAcceptance(double u, int n1, int a1, int r1, int n2, int a2)
{
    return EvaluateStages(DefectsAnyLot{u}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectsPerUnitDoubleProbabilityAcceptanceFiniteLot(std::int64_t T, int n1, int a1, int r1,
                                                          int n2, int a2, int N)
{
    return ProbabilityInUnitRange(EvaluateStages(DefectsGivenLot{T, static_cast<double>(N)},
                                                 Stages(n1, a1, r1, n2, a2).Plan(),
                                                 StagedMeasure::probabilityAcceptance, none));
}

double DefectsPerUnitDoubleAverageSampleNumber(double u, int n1, int a1, int r1, int n2, int a2,
                                               std::uint8_t method)
{
    return EvaluateStages(DefectsAnyLot{u}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::averageSampleNumber, DefectsDoubleStageCurtailing(method));
}

double DefectsPerUnitDoubleAverageSampleNumberFiniteLot(std::int64_t T, int n1, int a1, int r1,
                                                        int n2, int a2, int N, std::uint8_t method)
{
    return EvaluateStages(DefectsGivenLot{T, static_cast<double>(N)},
                          Stages(n1, a1, r1, n2, a2).Plan(), StagedMeasure::averageSampleNumber,
                          DefectsDoubleStageCurtailing(method));
}

double DefectsPerUnitDoubleExpectedStages(double u, int n1, int a1, int r1, int n2, int a2)
{
    return EvaluateStages(DefectsAnyLot{u}, Stages(n1, a1, r1, n2, a2).Plan(),
                          StagedMeasure::expectedStages, none);
}

double DefectsPerUnitDoubleExpectedStagesFiniteLot(std::int64_t T, int n1, int a1, int r1, int n2,
                                                   int a2, int N)
{
    return EvaluateStages(DefectsGivenLot{T, static_cast<double>(N)},
                          Stages(n1, a1, r1, n2, a2).Plan(), StagedMeasure::expectedStages, none);
}

bool DefectsPerUnitDoubleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                         double p0, double C0, double C1, int& n1, int& a1, int& r1,
                                         int& n2, int& a2, std::uint8_t method,
                                         const DesignProgress& progress)
{
    return vdDesignDoublePlan(
        poissonModel, {AQL, std::nullopt, LTPD, PaAQL, PaLTPD, p0, C0, C1, method, progress}, n1,
        a1, r1, n2, a2);
}

bool DefectsPerUnitDoubleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                           double PaLTPD, double p0, double C0, double C1, int& n1,
                                           int& a1, int& r1, int& n2, int& a2, std::uint8_t method,
                                           const DesignProgress& progress)
{
    return vdDesignDoublePlan(
        poissonModel, {AQL, maximumAQL, LTPD, PaAQL, PaLTPD, p0, C0, C1, method, progress}, n1, a1,
        r1, n2, a2);
}

} // namespace Brosquin
