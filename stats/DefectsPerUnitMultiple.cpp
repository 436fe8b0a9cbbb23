#include "stats/DefectsPerUnitMultiple.h"

#include "stats/StagedInspection.h"

namespace Brosquin
{

namespace
{

using Plan = StagedPlan<int, int>;
constexpr StageCurtailing none = {};

} // namespace

double DefectsPerUnitMultipleProbabilityAcceptance(double u, int k, const int n[], const int a[],
                                                   const int r[])
{
    return EvaluateStages(DefectsAnyLot{u}, Plan{k, n, a, r}, StagedMeasure::probabilityAcceptance,
                          none);
}

double DefectsPerUnitMultipleProbabilityAcceptanceFiniteLot(std::int64_t T, int k, const int n[],
                                                            const int a[], const int r[], int N)
{
    return EvaluateStages(DefectsGivenLot{T, static_cast<double>(N)}, Plan{k, n, a, r},
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectsPerUnitMultipleAverageSampleNumber(double u, int k, const int n[], const int a[],
                                                 const int r[], std::uint8_t method)
{
    return EvaluateStages(DefectsAnyLot{u}, Plan{k, n, a, r}, StagedMeasure::averageSampleNumber,
                          DefectsMultipleStageCurtailing(method));
}

double DefectsPerUnitMultipleAverageSampleNumberFiniteLot(std::int64_t T, int k, const int n[],
                                                          const int a[], const int r[], int N,
                                                          std::uint8_t method)
{
    return EvaluateStages(DefectsGivenLot{T, static_cast<double>(N)}, Plan{k, n, a, r},
                          StagedMeasure::averageSampleNumber,
                          DefectsMultipleStageCurtailing(method));
}

double DefectsPerUnitMultipleExpectedStages(double u, int k, const int n[], const int a[],
                                            const int r[])
{
    return EvaluateStages(DefectsAnyLot{u}, Plan{k, n, a, r}, StagedMeasure::expectedStages, none);
}

double DefectsPerUnitMultipleExpectedStagesFiniteLot(std::int64_t T, int k, const int n[],
                                                     const int a[], const int r[], int N)
{
    return EvaluateStages(DefectsGivenLot{T, static_cast<double>(N)}, Plan{k, n, a, r},
                          StagedMeasure::expectedStages, none);
}

StagedMeasures DefectsPerUnitMultipleMeasures(double u, int k, const int n[], const int a[],
                                              const int r[], std::uint8_t method,
                                              StagedMeasure wanted,
                                              const StagedConditionals* prepared)
{
    return EvaluateStagedMeasures(DefectsAnyLot{u}, Plan{k, n, a, r},
                                  DefectsMultipleStageCurtailing(method), wanted, prepared);
}

StagedMeasures DefectsPerUnitMultipleMeasuresFiniteLot(std::int64_t T, int k, const int n[],
                                                       const int a[], const int r[], int N,
                                                       std::uint8_t method, StagedMeasure wanted,
                                                       const StagedConditionals* prepared)
{
    return EvaluateStagedMeasures(DefectsGivenLot{T, static_cast<double>(N)}, Plan{k, n, a, r},
                                  DefectsMultipleStageCurtailing(method), wanted, prepared);
}

} // namespace Brosquin
