#pragma once

#include "app/dialogs/StandardPlanDialogBox.h"
#include "standards/DefectsPerUnitZ14SamplingPlan.h"

namespace Brosquin
{

class TDefectsPerUnitZ14DialogBox : public TStandardPlanDialogBox
{
public:
    static constexpr int kHelpContext = 425;

    TDefectsPerUnitZ14DialogBox(QWidget* owner, const DefectsPerUnitZ14SamplingPlan* plan);
};

} // namespace Brosquin
