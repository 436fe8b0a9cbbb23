#include "app/PlanEntryRoute.h"

#include "app/dialogs/DefectivesSingleDialogBox.h"
#include "app/dialogs/DefectivesZ14DialogBox.h"
#include "app/dialogs/DefectsPerQuantitySingleDialogBox.h"
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
    static const DialogRoute<TDefectsPerUnitSingleDialogBox, DefectsPerUnitSingleSamplingPlan>
        defectsPerUnitSingle;
    static const DialogRoute<TDefectsPerQuantitySingleDialogBox,
                             DefectsPerQuantitySingleSamplingPlan>
        defectsPerQuantitySingle;
    static const DialogRoute<TDefectivesZ14DialogBox, DefectivesZ14SamplingPlan> defectivesZ14;
    static const DialogRoute<TDefectsPerUnitZ14DialogBox, DefectsPerUnitZ14SamplingPlan>
        defectsPerUnitZ14;
    static const std::array<RouteEntry, 5> routes = {{
        {SamplingPlan::DefectiveUnits, 0, &defectivesSingle},
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
