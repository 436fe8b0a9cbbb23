#pragma once

#include "app/dialogs/StandardPlanDialogBox.h"
#include "standards/DefectivesZ19SamplingPlan.h"

namespace Brosquin
{

class TDefectivesZ19DialogBox : public TStandardPlanDialogBox
{
public:
    static constexpr int kHelpContext = 407;

    TDefectivesZ19DialogBox(QWidget* owner, const DefectivesZ19SamplingPlan* plan);
};

} // namespace Brosquin
