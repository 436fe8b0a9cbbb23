#include "stats/DefectsPerQuantityMultiple.h"

#include "stats/StagedInspection.h"

namespace Brosquin
{

namespace
{

using Plan = StagedPlan<double, int>;
constexpr StageCurtailing none = {};

} // namespace

double DefectsPerQuantityMultipleProbabilityAcceptance(double lambda, int k, const double s[],
                                                       const int a[], const int r[])
{
    return EvaluateStages(DefectsAnyLot{lambda}, Plan{k, s, a, r},
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectsPerQuantityMultipleProbabilityAcceptanceFiniteLot(std::int64_t T, int k,
                                                                const double s[], const int a[],
                                                                const int r[], double L)
{
    return EvaluateStages(DefectsGivenLot{T, L}, Plan{k, s, a, r},
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectsPerQuantityMultipleAverageSampleNumber(double lambda, int k, const double s[],
                                                     const int a[], const int r[],
                                                     std::uint8_t method)
{
    return EvaluateStages(DefectsAnyLot{lambda}, Plan{k, s, a, r},
                          StagedMeasure::averageSampleNumber,
                          DefectsMultipleStageCurtailing(method));
}

double DefectsPerQuantityMultipleAverageSampleNumberFiniteLot(std::int64_t T, int k,
                                                              const double s[], const int a[],
                                                              const int r[], double L,
                                                              std::uint8_t method)
{
    return EvaluateStages(DefectsGivenLot{T, L}, Plan{k, s, a, r},
                          StagedMeasure::averageSampleNumber,
                          DefectsMultipleStageCurtailing(method));
}

double DefectsPerQuantityMultipleExpectedStages(double lambda, int k, const double s[],
                                                const int a[], const int r[])
{
    return EvaluateStages(DefectsAnyLot{lambda}, Plan{k, s, a, r}, StagedMeasure::expectedStages,
                          none);
}

double DefectsPerQuantityMultipleExpectedStagesFiniteLot(std::int64_t T, int k, const double s[],
                                                         const int a[], const int r[], double L)
{
    return EvaluateStages(DefectsGivenLot{T, L}, Plan{k, s, a, r}, StagedMeasure::expectedStages,
                          none);
}

StagedMeasures DefectsPerQuantityMultipleMeasures(double lambda, int k, const double s[],
                                                  const int a[], const int r[], std::uint8_t method,
                                                  StagedMeasure wanted,
                                                  const StagedConditionals* prepared)
{
    return EvaluateStagedMeasures(DefectsAnyLot{lambda}, Plan{k, s, a, r},
                                  DefectsMultipleStageCurtailing(method), wanted, prepared);
}

StagedMeasures DefectsPerQuantityMultipleMeasuresFiniteLot(std::int64_t T, int k, const double s[],
                                                           const int a[], const int r[], double L,
                                                           std::uint8_t method,
                                                           StagedMeasure wanted,
                                                           const StagedConditionals* prepared)
{
    return EvaluateStagedMeasures(DefectsGivenLot{T, L}, Plan{k, s, a, r},
                                  DefectsMultipleStageCurtailing(method), wanted, prepared);
}

} // namespace Brosquin
