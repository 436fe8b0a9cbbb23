#pragma once

#include "app/dialogs/MultiplePlanDialogBox.h"
#include "plans/DefectivesMultipleSamplingPlan.h"

namespace Brosquin
{

class TDefectivesMultipleDialogBox : public TMultiplePlanDialogBox<DefectivesMultipleSamplingPlan>
{
public:
    static constexpr int kHelpContext = 403;

    TDefectivesMultipleDialogBox(QWidget* owner, const DefectivesMultipleSamplingPlan* plan);
};

} // namespace Brosquin
