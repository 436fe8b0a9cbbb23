#pragma once

#include "app/dialogs/AttributePlanDialogBox.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"

namespace Brosquin
{

// Sample amount, accept number and the name of the unit in which the amount is measured.
class TDefectsPerQuantitySingleDialogBox : public TAttributePlanDialogBox
{
public:
    static constexpr int kHelpContext = 441;

    // The plan to edit, or null for a new plan; only read.
    TDefectsPerQuantitySingleDialogBox(QWidget* owner,
                                       const DefectsPerQuantitySingleSamplingPlan* plan);

    void vdDescribe(DefectsPerQuantitySingleSamplingPlan& plan) const;

protected:
    int Validate(String& message) const override;
};

} // namespace Brosquin
