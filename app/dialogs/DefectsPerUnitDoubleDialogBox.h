#pragma once

#include "app/dialogs/DoubleDialogBox.h"
#include "plans/DefectsPerUnitDoubleSamplingPlan.h"

namespace Brosquin
{

class TDefectsPerUnitDoubleDialogBox : public TDoubleDialogBox<DefectsPerUnitDoubleSamplingPlan>
{
public:
    static constexpr int kHelpContext = 422;

    TDefectsPerUnitDoubleDialogBox(QWidget* owner, const DefectsPerUnitDoubleSamplingPlan* plan);
};

} // namespace Brosquin
