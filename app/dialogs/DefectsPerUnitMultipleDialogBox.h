#pragma once

#include "app/dialogs/MultiplePlanDialogBox.h"
#include "plans/DefectsPerUnitMultipleSamplingPlan.h"

namespace Brosquin
{

class TDefectsPerUnitMultipleDialogBox
    : public TMultiplePlanDialogBox<DefectsPerUnitMultipleSamplingPlan>
{
public:
    static constexpr int kHelpContext = 423;

    TDefectsPerUnitMultipleDialogBox(QWidget* owner,
                                     const DefectsPerUnitMultipleSamplingPlan* plan);
};

} // namespace Brosquin
