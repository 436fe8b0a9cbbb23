#include "standards/DefectsPerUnitZ14SamplingPlan.h"

#include "stats/DiscreteDistributions.h"

#include <cmath>

namespace Brosquin
{

DefectsPerUnitZ14SamplingPlan::DefectsPerUnitZ14SamplingPlan() = default;

DefectsPerUnitZ14SamplingPlan::~DefectsPerUnitZ14SamplingPlan() = default;

DefectsPerUnitZ14SamplingPlan* DefectsPerUnitZ14SamplingPlan::Clone() const
{
    return new DefectsPerUnitZ14SamplingPlan(*this);
}

double DefectsPerUnitZ14SamplingPlan::LimitProbability(std::int32_t limit, double units,
                                                       const Real& p) const
{
    return PoissonCumulative(limit, units * p.dValue() / dUnitsFactor());
}

} // namespace Brosquin
