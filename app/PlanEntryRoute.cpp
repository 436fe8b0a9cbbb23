#include "app/PlanEntryRoute.h"

#include "app/DialogRoute.h"
#include "app/dialogs/DefectivesSingleDialogBox.h"
#include "app/dialogs/DefectivesVariablesSingleDialogBox.h"
#include "app/dialogs/DefectivesZ14DialogBox.h"
#include "app/dialogs/DefectsPerQuantitySingleDialogBox.h"
#include "app/dialogs/DefectsPerUnitSingleDialogBox.h"
#include "app/dialogs/DefectsPerUnitZ14DialogBox.h"
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
    static const DialogRoute<TDefectivesZ14DialogBox, DefectivesZ14SamplingPlan> defectivesZ14;
    static const DialogRoute<TDefectsPerUnitZ14DialogBox, DefectsPerUnitZ14SamplingPlan>
        defectsPerUnitZ14;
    static const GuardedDialogRoute<TDefectivesVariablesSingleDialogBox,
                                    DefectivesVariablesSingleSamplingPlan>
        defectivesVariablesSingle;
    static const std::array<RouteEntry, 6> routes = {{
        {SamplingPlan::DefectiveUnits, 0, &defectivesSingle},
        {SamplingPlan::DefectiveUnits, 6, &defectivesVariablesSingle},
        {SamplingPlan::DefectsPerUnit, 0, &defectsPerUnitSingle},
        {SamplingPlan::DefectsPerQuantity, 0, &defectsPerQuantitySingle},
        {SamplingPlan::DefectiveUnits, 4, &defectivesZ14},
        {SamplingPlan::DefectsPerUnit, 4, &defectsPerUnitZ14},
    }};
    for (const RouteEntry& entry : routes)
        if (entry.characteristic == characteristic && entry.planType == planType)
            return entry.route;
    return nullptr;
}

} // namespace Brosquin
