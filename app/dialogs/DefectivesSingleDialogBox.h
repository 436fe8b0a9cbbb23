#pragma once

#include "app/dialogs/CountedSingleDialogBox.h"
#include "plans/DefectivesSingleSamplingPlan.h"

namespace Brosquin
{

class TDefectivesSingleDialogBox : public TCountedSingleDialogBox<DefectivesSingleSamplingPlan>
{
public:
    static constexpr int kHelpContext = 401;

    TDefectivesSingleDialogBox(QWidget* owner, const DefectivesSingleSamplingPlan* plan);
};

} // namespace Brosquin
