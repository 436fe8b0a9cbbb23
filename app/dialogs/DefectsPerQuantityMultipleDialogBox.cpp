#include "app/dialogs/DefectsPerQuantityMultipleDialogBox.h"

namespace Brosquin
{

TDefectsPerQuantityMultipleDialogBox::TDefectsPerQuantityMultipleDialogBox(
    QWidget* owner, const DefectsPerQuantityMultipleSamplingPlan* plan)
    : TMultiplePlanDialogBox(owner, plan, "Multiple Sampling Plan for Defects Per Quantity",
                             kHelpContext,
                             {"No Curtailing", "Curtail on Rejection All Stages",
                              "Curtail on Rejection Except First Stage"})
{
}

} // namespace Brosquin
