#pragma once

#include "app/dialogs/DoubleDialogBox.h"
#include "plans/DefectivesDoubleSamplingPlan.h"

namespace Brosquin
{

class TDefectivesDoubleDialogBox : public TDoubleDialogBox<DefectivesDoubleSamplingPlan>
{
public:
    static constexpr int kHelpContext = 402;

    TDefectivesDoubleDialogBox(QWidget* owner, const DefectivesDoubleSamplingPlan* plan);
};

} // namespace Brosquin
