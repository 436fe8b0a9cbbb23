#pragma once

#include "app/dialogs/DoubleDialogBox.h"
#include "plans/DefectsPerQuantityDoubleSamplingPlan.h"

namespace Brosquin
{

class TDefectsPerQuantityDoubleDialogBox
    : public TDoubleDialogBox<DefectsPerQuantityDoubleSamplingPlan>
{
public:
    static constexpr int kHelpContext = 442;

    TDefectsPerQuantityDoubleDialogBox(QWidget* owner,
                                       const DefectsPerQuantityDoubleSamplingPlan* plan);
};

} // namespace Brosquin
