#pragma once

#include "app/dialogs/StandardPlanDialogBox.h"
#include "standards/DefectivesZ14SamplingPlan.h"

namespace Brosquin
{

class TDefectivesZ14DialogBox : public TStandardPlanDialogBox
{
public:
    static constexpr int kHelpContext = 405;

    TDefectivesZ14DialogBox(QWidget* owner, const DefectivesZ14SamplingPlan* plan);
};

} // namespace Brosquin
