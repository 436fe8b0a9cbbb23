#include "stats/DefectivesMultiple.h"

#include "stats/StagedInspection.h"

namespace Brosquin
{

namespace
{

using Plan = StagedPlan<int, int>;
constexpr StageCurtailing none = {};

} // namespace

double DefectivesMultipleProbabilityAcceptance(double p, int k, const int n[], const int a[],
                                               const int r[])
{
    return EvaluateStages(DefectivesAnyLot{p}, Plan{k, n, a, r},
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectivesMultipleProbabilityAcceptanceFiniteLot(std::int64_t D, int k, const int n[],
                                                        const int a[], const int r[], int N)
{
    return EvaluateStages(DefectivesGivenLot{D, N}, Plan{k, n, a, r},
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectivesMultipleAverageSampleNumber(double p, int k, const int n[], const int a[],
                                             const int r[], std::uint8_t method)
{
    return EvaluateStages(DefectivesAnyLot{p}, Plan{k, n, a, r}, StagedMeasure::averageSampleNumber,
                          DefectivesStageCurtailing(method));
}

double DefectivesMultipleAverageSampleNumberFiniteLot(std::int64_t D, int k, const int n[],
                                                      const int a[], const int r[], int N,
                                                      std::uint8_t method)
{
    return EvaluateStages(DefectivesGivenLot{D, N}, Plan{k, n, a, r},
                          StagedMeasure::averageSampleNumber, DefectivesStageCurtailing(method));
}

double DefectivesMultipleExpectedStages(double p, int k, const int n[], const int a[],
                                        const int r[])
{
    return EvaluateStages(DefectivesAnyLot{p}, Plan{k, n, a, r}, StagedMeasure::expectedStages,
                          none);
}

double DefectivesMultipleExpectedStagesFiniteLot(std::int64_t D, int k, const int n[],
                                                 const int a[], const int r[], int N)
{
    return EvaluateStages(DefectivesGivenLot{D, N}, Plan{k, n, a, r}, StagedMeasure::expectedStages,
                          none);
}

StagedMeasures DefectivesMultipleMeasures(double p, int k, const int n[], const int a[],
                                          const int r[], std::uint8_t method, StagedMeasure wanted,
                                          const StagedConditionals* prepared)
{
    return EvaluateStagedMeasures(DefectivesAnyLot{p}, Plan{k, n, a, r},
                                  DefectivesStageCurtailing(method), wanted, prepared);
}

StagedMeasures DefectivesMultipleMeasuresFiniteLot(std::int64_t D, int k, const int n[],
                                                   const int a[], const int r[], int N,
                                                   std::uint8_t method, StagedMeasure wanted,
                                                   const StagedConditionals* prepared)
{
    return EvaluateStagedMeasures(DefectivesGivenLot{D, N}, Plan{k, n, a, r},
                                  DefectivesStageCurtailing(method), wanted, prepared);
}

} // namespace Brosquin
