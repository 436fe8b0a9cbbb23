#include "app/PlanEntryRoute.h"

#include "app/dialogs/DefectivesChainDialogBox.h"
#include "app/dialogs/DefectivesDoubleDialogBox.h"
#include "app/dialogs/DefectivesMultipleDialogBox.h"
#include "app/dialogs/DefectivesSingleDialogBox.h"
#include "app/dialogs/DefectivesZ14DialogBox.h"
#include "app/dialogs/DefectsPerQuantityDoubleDialogBox.h"
#include "app/dialogs/DefectsPerQuantityMultipleDialogBox.h"
#include "app/dialogs/DefectsPerQuantitySingleDialogBox.h"
#include "app/dialogs/DefectsPerUnitDoubleDialogBox.h"
#include "app/dialogs/DefectsPerUnitMultipleDialogBox.h"
#include "app/dialogs/DefectsPerUnitSingleDialogBox.h"
#include "app/dialogs/DefectsPerUnitZ14DialogBox.h"
#include "plans/SamplingPlan.h"
#include "platform/WaitCursor.h"

#include <array>

namespace Brosquin
{

namespace
{

template <class Dialog, class Plan> class DialogRoute : public PlanEntryRoute
{
public:
    std::unique_ptr<SamplingPlan> EnterNew(QWidget* owner) const override
    {
        Dialog dialog(owner, nullptr);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        const WaitCursor hourglass;
        auto plan = std::make_unique<Plan>();
        dialog.vdDescribe(*plan);
        return plan;
    }

    bool Edit(QWidget* owner, SamplingPlan& plan) const override
    {
        // Routes are found by the plan's own characteristic and type, which its class fixes.
        auto* typed = dynamic_cast<Plan*>(&plan);
        if (typed == nullptr)
            return false;
        Dialog dialog(owner, typed);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        const WaitCursor hourglass;
        dialog.vdDescribe(*typed);
        return true;
    }
};

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
    // Chain plans come only from session files: they are edited, never entered new.
    static const std::array<RouteEntry, 12> routes = {{
        {SamplingPlan::DefectiveUnits, 0, &defectivesSingle},
        {SamplingPlan::DefectiveUnits, 1, &defectivesDouble},
        {SamplingPlan::DefectiveUnits, 2, &defectivesMultiple},
        {SamplingPlan::DefectiveUnits, 4, &defectivesZ14},
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
