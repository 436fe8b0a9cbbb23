#include "standards/DefectivesZ14SamplingPlan.h"

#include "stats/DiscreteDistributions.h"

#include <algorithm>
#include <cmath>

namespace Brosquin
{

DefectivesZ14SamplingPlan::DefectivesZ14SamplingPlan() = default;

DefectivesZ14SamplingPlan::~DefectivesZ14SamplingPlan() = default;

DefectivesZ14SamplingPlan* DefectivesZ14SamplingPlan::Clone() const
{
    return new DefectivesZ14SamplingPlan(*this);
}

double DefectivesZ14SamplingPlan::LimitProbability(std::int32_t limit, double units,
                                                   const Real& p) const
{
    // The units of the lots counted, whole, within the counts the binomial takes.
    const double whole = units >= 0 ? std::min(std::trunc(units), 0x1p53) : 0;
    return BinomialCumulative(limit, static_cast<std::int64_t>(whole), dFractionOf(p));
}

} // namespace Brosquin
