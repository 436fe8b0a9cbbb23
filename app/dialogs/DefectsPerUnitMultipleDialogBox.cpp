#include "app/dialogs/DefectsPerUnitMultipleDialogBox.h"

namespace Brosquin
{

TDefectsPerUnitMultipleDialogBox::TDefectsPerUnitMultipleDialogBox(
    QWidget* owner, const DefectsPerUnitMultipleSamplingPlan* plan)
    : TMultiplePlanDialogBox(owner, plan, "Multiple Sampling Plan for Defects Per Unit",
                             kHelpContext,
                             {"No Curtailing", "Curtail on Rejection All Stages",
                              "Curtail on Rejection Except First Stage"})
{
}

} // namespace Brosquin
