#pragma once

#include "app/dialogs/AttributePlanDialogBox.h"

namespace Brosquin
{

// The entry dialog of a single plan that counts units (defective units or defects per unit):
// sample size and accept number. Plan is the plan class, which validates and takes the entries.
template <class Plan> class TCountedSingleDialogBox : public TAttributePlanDialogBox
{
public:
    enum Field
    {
        SampleSizeField,
        AcceptNumberField
    };

    // The plan to edit, or null for a new plan; only read.
    TCountedSingleDialogBox(QWidget* owner, const Plan* plan, const Design& design)
        : TAttributePlanDialogBox(owner, design)
    {
        if (plan)
            vdShowPlan({&plan->SampleSizeText(), &plan->AcceptNumberText()}, String(),
                       plan->Method(), plan->IsLotSizeGiven(), plan->LotSizeText());
    }

    // Hands the entries to the plan.
    void vdDescribe(Plan& plan) const
    {
        plan.vdDescribe(ParameterText(SampleSizeField).constData(),
                        ParameterText(AcceptNumberField).constData(), CurtailingIndex(),
                        IsLotSizeGiven(), LotSizeText().constData());
    }

protected:
    int Validate(String& message) const override
    {
        return Plan::SetFromText(ParameterText(SampleSizeField).constData(),
                                 ParameterText(AcceptNumberField).constData(), CurtailingIndex(),
                                 IsLotSizeGiven(), LotSizeText().constData(), message);
    }
};

} // namespace Brosquin
