#include "standards/StandardPlanClasses.h"

#include "standards/DefectivesZ14SamplingPlan.h"
#include "standards/DefectivesZ19SamplingPlan.h"
#include "standards/DefectsPerUnitZ14SamplingPlan.h"

namespace Brosquin
{

namespace
{

template <class Plan> std::unique_ptr<SamplingPlan> Create()
{
    return std::make_unique<Plan>();
}

} // namespace

void vdAddStandardPlanClasses()
{
    SamplingPlan::vdAddPlanClass(SamplingPlan::DefectiveUnits, 4,
                                 &Create<DefectivesZ14SamplingPlan>);
    SamplingPlan::vdAddPlanClass(SamplingPlan::DefectsPerUnit, 4,
                                 &Create<DefectsPerUnitZ14SamplingPlan>);
    SamplingPlan::vdAddPlanClass(SamplingPlan::DefectiveUnits, 9,
                                 &Create<DefectivesZ19SamplingPlan>);
}

} // namespace Brosquin
