#pragma once

#include "app/dialogs/MultiplePlanDialogBox.h"
#include "plans/DefectsPerQuantityMultipleSamplingPlan.h"

namespace Brosquin
{

class TDefectsPerQuantityMultipleDialogBox
    : public TMultiplePlanDialogBox<DefectsPerQuantityMultipleSamplingPlan>
{
public:
    static constexpr int kHelpContext = 443;

    TDefectsPerQuantityMultipleDialogBox(QWidget* owner,
                                         const DefectsPerQuantityMultipleSamplingPlan* plan);
};

} // namespace Brosquin
