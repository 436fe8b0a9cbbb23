#include "app/PlanEntryRoute.h"

#include "app/DialogRoute.h"
#include "app/dialogs/DefectivesSingleDialogBox.h"
#include "app/dialogs/DefectivesVariablesSingleDialogBox.h"
#include "app/dialogs/DefectsPerQuantitySingleDialogBox.h"
#include "app/dialogs/DefectsPerUnitSingleDialogBox.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "plans/SamplingPlan.h"

#include <array>

namespace Brosquin
{

namespace
{

struct RouteEntry
{
    int characteristic;
    int planType;
    const PlanEntryRoute* route;
};

} // namespace

const PlanEntryRoute* PlanEntryRoute::Find(int characteristic, int planType)
{
    static const DialogRoute<TDefectivesSingleDialogBox, DefectivesSingleSamplingPlan>
        defectivesSingle;
    static const DialogRoute<TDefectsPerUnitSingleDialogBox, DefectsPerUnitSingleSamplingPlan>
        defectsPerUnitSingle;
    static const DialogRoute<TDefectsPerQuantitySingleDialogBox,
                             DefectsPerQuantitySingleSamplingPlan>
        defectsPerQuantitySingle;
    static const GuardedDialogRoute<TDefectivesVariablesSingleDialogBox,
                                    DefectivesVariablesSingleSamplingPlan>
        defectivesVariablesSingle;
    static const std::array<RouteEntry, 4> routes = {{
        {SamplingPlan::DefectiveUnits, 0, &defectivesSingle},
        {SamplingPlan::DefectiveUnits, 6, &defectivesVariablesSingle},
        {SamplingPlan::DefectsPerUnit, 0, &defectsPerUnitSingle},
        {SamplingPlan::DefectsPerQuantity, 0, &defectsPerQuantitySingle},
    }};
    for (const RouteEntry& entry : routes)
        if (entry.characteristic == characteristic && entry.planType == planType)
            return entry.route;
    return nullptr;
}

} // namespace Brosquin
