#pragma once

#include "app/dialogs/CountedSingleDialogBox.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"

namespace Brosquin
{

class TDefectsPerUnitSingleDialogBox
    : public TCountedSingleDialogBox<DefectsPerUnitSingleSamplingPlan>
{
public:
    static constexpr int kHelpContext = 421;

    TDefectsPerUnitSingleDialogBox(QWidget* owner, const DefectsPerUnitSingleSamplingPlan* plan);
};

} // namespace Brosquin
