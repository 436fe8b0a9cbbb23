// The plan factory: the class of every plan a session file can hold, by its characteristic and
// plan type codes.
#include "core/RealOf.h"
#include "core/RecordFields.h"
#include "plans/DefectivesChainSamplingPlan.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesMultipleSamplingPlan.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "plans/DefectsPerQuantityDoubleSamplingPlan.h"
#include "plans/DefectsPerQuantityMultipleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/DefectsPerUnitDoubleSamplingPlan.h"
#include "plans/DefectsPerUnitMultipleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "plans/SamplingPlan.h"

#include <iterator>
#include <span>
#include <vector>

namespace Brosquin
{

namespace
{

struct Creator
{
    double characteristic;
    double planType;
    std::unique_ptr<SamplingPlan> (*create)();
};

template <class Plan> std::unique_ptr<SamplingPlan> Create()
{
    return std::make_unique<Plan>();
}

// One row per class: characteristic, plan type code, class.
constexpr Creator creators[] = {
    {SamplingPlan::DefectiveUnits, 0, &Create<DefectivesSingleSamplingPlan>},
    {SamplingPlan::DefectiveUnits, 1, &Create<DefectivesDoubleSamplingPlan>},
    {SamplingPlan::DefectiveUnits, 2, &Create<DefectivesMultipleSamplingPlan>},
    {SamplingPlan::DefectiveUnits, 6, &Create<DefectivesVariablesSingleSamplingPlan>},
    {SamplingPlan::DefectiveUnits, 12, &Create<DefectivesChainSamplingPlan>},
    {SamplingPlan::DefectsPerUnit, 0, &Create<DefectsPerUnitSingleSamplingPlan>},
    {SamplingPlan::DefectsPerUnit, 1, &Create<DefectsPerUnitDoubleSamplingPlan>},
    {SamplingPlan::DefectsPerUnit, 2, &Create<DefectsPerUnitMultipleSamplingPlan>},
    {SamplingPlan::DefectsPerQuantity, 0, &Create<DefectsPerQuantitySingleSamplingPlan>},
    {SamplingPlan::DefectsPerQuantity, 1, &Create<DefectsPerQuantityDoubleSamplingPlan>},
    {SamplingPlan::DefectsPerQuantity, 2, &Create<DefectsPerQuantityMultipleSamplingPlan>},
};

// The classes added from above the plan model.
std::vector<Creator>& AddedCreators()
{
    static std::vector<Creator> added;
    return added;
}

// The codes are compared as the numbers read, so that no value can wrap into a valid code.
std::unique_ptr<SamplingPlan> CreatePlan(double characteristic, double planType)
{
    for (const auto& list :
         {std::span<const Creator>(creators), std::span<const Creator>(AddedCreators())})
        for (const Creator& creator : list)
            if (creator.characteristic == characteristic && creator.planType == planType)
                return creator.create();
    return nullptr;
}

} // namespace

void SamplingPlan::vdAddPlanClass(std::uint8_t characteristic, std::uint8_t planType,
                                  std::unique_ptr<SamplingPlan> (*create)())
{
    std::vector<Creator>& added = AddedCreators();
    std::erase_if(
        added, [&](const Creator& creator)
        { return creator.characteristic == characteristic && creator.planType == planType; });
    added.push_back({static_cast<double>(characteristic), static_cast<double>(planType), create});
}

std::unique_ptr<SamplingPlan> SamplingPlan::ReadPlanFromStream(std::istream& in, double fileVersion)
{
    double characteristic = 0, planType = 0, checked = 0;
    if (!ReadWhole(in, 0, CharacteristicCount - 1, characteristic) ||
        !ReadWhole(in, 0, PlanTypeCount - 1, planType))
        return nullptr;
    std::unique_ptr<SamplingPlan> plan = CreatePlan(characteristic, planType);
    if (!plan)
    {
        // A record the program cannot place leaves the rest of the file unreadable.
        RefuseField();
        return nullptr;
    }
    if (!ReadNumber(in, checked) ||
        (RealOf(checked) != RealOf(0.0) && RealOf(checked) != RealOf(1.0) && !RefuseField()))
        return nullptr;
    plan->checked = RealOf(checked) == RealOf(1.0);
    if (HasQuantityUnits(plan->CharacteristicId()))
    {
        String units;
        if (!ReadText(in, units))
            return nullptr;
        plan->vdSetUnitsText(units.Text());
    }
    plan->vdReadFromStream(in, fileVersion);
    return plan;
}

} // namespace Brosquin
