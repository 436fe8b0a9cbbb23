#include "app/PlanEntryRoute.h"

#include "app/DialogRoute.h"
#include "app/dialogs/DefectivesChainDialogBox.h"
#include "app/dialogs/DefectivesDoubleDialogBox.h"
#include "app/dialogs/DefectivesMultipleDialogBox.h"
#include "app/dialogs/DefectivesSingleDialogBox.h"
#include "app/dialogs/DefectivesVariablesSingleDialogBox.h"
#include "app/dialogs/DefectivesZ14DialogBox.h"
#include "app/dialogs/DefectivesZ19DialogBox.h"
#include "app/dialogs/DefectsPerQuantityDoubleDialogBox.h"
#include "app/dialogs/DefectsPerQuantityMultipleDialogBox.h"
#include "app/dialogs/DefectsPerQuantitySingleDialogBox.h"
#include "app/dialogs/DefectsPerUnitDoubleDialogBox.h"
#include "app/dialogs/DefectsPerUnitMultipleDialogBox.h"
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
    static const DialogRoute<TDefectivesDoubleDialogBox, DefectivesDoubleSamplingPlan>
        defectivesDouble;
    static const DialogRoute<TDefectivesMultipleDialogBox, DefectivesMultipleSamplingPlan>
        defectivesMultiple;
    static const DialogRoute<TDefectivesChainDialogBox, DefectivesChainSamplingPlan>
        defectivesChain;
    static const DialogRoute<TDefectsPerUnitSingleDialogBox, DefectsPerUnitSingleSamplingPlan>
        defectsPerUnitSingle;
    static const DialogRoute<TDefectsPerUnitDoubleDialogBox, DefectsPerUnitDoubleSamplingPlan>
        defectsPerUnitDouble;
    static const DialogRoute<TDefectsPerUnitMultipleDialogBox, DefectsPerUnitMultipleSamplingPlan>
        defectsPerUnitMultiple;
    static const DialogRoute<TDefectsPerQuantitySingleDialogBox,
                             DefectsPerQuantitySingleSamplingPlan>
        defectsPerQuantitySingle;
    static const DialogRoute<TDefectsPerQuantityDoubleDialogBox,
                             DefectsPerQuantityDoubleSamplingPlan>
        defectsPerQuantityDouble;
    static const DialogRoute<TDefectsPerQuantityMultipleDialogBox,
                             DefectsPerQuantityMultipleSamplingPlan>
        defectsPerQuantityMultiple;
    static const DialogRoute<TDefectivesZ14DialogBox, DefectivesZ14SamplingPlan> defectivesZ14;
    static const DialogRoute<TDefectsPerUnitZ14DialogBox, DefectsPerUnitZ14SamplingPlan>
        defectsPerUnitZ14;
    static const GuardedDialogRoute<TDefectivesVariablesSingleDialogBox,
                                    DefectivesVariablesSingleSamplingPlan>
        defectivesVariablesSingle;
    static const GuardedDialogRoute<TDefectivesZ19DialogBox, DefectivesZ19SamplingPlan>
        defectivesZ19;
    // Chain plans come only from session files: they are edited, never entered new.
    static const std::array<RouteEntry, 14> routes = {{
        {SamplingPlan::DefectiveUnits, 0, &defectivesSingle},
        {SamplingPlan::DefectiveUnits, 1, &defectivesDouble},
        {SamplingPlan::DefectiveUnits, 2, &defectivesMultiple},
        {SamplingPlan::DefectiveUnits, 4, &defectivesZ14},
        {SamplingPlan::DefectiveUnits, 6, &defectivesVariablesSingle},
        {SamplingPlan::DefectiveUnits, 9, &defectivesZ19},
        {SamplingPlan::DefectiveUnits, 12, &defectivesChain},
        {SamplingPlan::DefectsPerUnit, 0, &defectsPerUnitSingle},
        {SamplingPlan::DefectsPerUnit, 1, &defectsPerUnitDouble},
        {SamplingPlan::DefectsPerUnit, 2, &defectsPerUnitMultiple},
        {SamplingPlan::DefectsPerUnit, 4, &defectsPerUnitZ14},
        {SamplingPlan::DefectsPerQuantity, 0, &defectsPerQuantitySingle},
        {SamplingPlan::DefectsPerQuantity, 1, &defectsPerQuantityDouble},
        {SamplingPlan::DefectsPerQuantity, 2, &defectsPerQuantityMultiple},
    }};
    for (const RouteEntry& entry : routes)
        if (entry.characteristic == characteristic && entry.planType == planType)
            return entry.route;
    return nullptr;
}

} // namespace Brosquin
