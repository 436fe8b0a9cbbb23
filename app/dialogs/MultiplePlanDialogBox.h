#pragma once

#include "app/dialogs/MultipleDialogBox.h"
#include "plans/DefectsPerQuantitySamplingPlan.h"

#include <type_traits>

namespace Brosquin
{

// The entry dialog of a multiple plan of the class Plan, which validates and takes the entries.
template <class Plan> class TMultiplePlanDialogBox : public TMultipleDialogBox
{
public:
    // The plan to edit, or null for a new plan; only read.
    TMultiplePlanDialogBox(QWidget* owner, const Plan* plan, const char* caption, int helpContext,
                           std::vector<const char*> curtailingMethods)
        : TMultipleDialogBox(owner, {caption,
                                     helpContext,
                                     {},
                                     hasUnits,
                                     "&Method of Curtailing:",
                                     std::move(curtailingMethods)})
    {
        if (plan)
            vdShowPlan(plan->Texts(), plan->QuantityUnitsText(), plan->Method(),
                       plan->IsLotSizeGiven(), plan->LotSizeText());
    }

    // Hands the entries to the plan.
    void vdDescribe(Plan& plan) const
    {
        if constexpr (hasUnits)
            plan.vdDescribe(Stages(), SampleSizes(), AcceptNumbers(), RejectNumbers(),
                            UnitsText().constData(), CurtailingIndex(), IsLotSizeGiven(),
                            LotSizeText().constData());
        else
            plan.vdDescribe(Stages(), SampleSizes(), AcceptNumbers(), RejectNumbers(),
                            CurtailingIndex(), IsLotSizeGiven(), LotSizeText().constData());
    }

protected:
    int Validate(String& message) const override
    {
        if constexpr (hasUnits)
            return Plan::SetFromText(Stages(), SampleSizes(), AcceptNumbers(), RejectNumbers(),
                                     UnitsText().constData(), CurtailingIndex(), IsLotSizeGiven(),
                                     LotSizeText().constData(), message);
        else
            return Plan::SetFromText(Stages(), SampleSizes(), AcceptNumbers(), RejectNumbers(),
                                     CurtailingIndex(), IsLotSizeGiven(), LotSizeText().constData(),
                                     message);
    }

private:
    static constexpr bool hasUnits = std::is_base_of_v<DefectsPerQuantitySamplingPlan, Plan>;
};

} // namespace Brosquin
