#include "app/dialogs/DefectsPerUnitDoubleDialogBox.h"

namespace Brosquin
{

TDefectsPerUnitDoubleDialogBox::TDefectsPerUnitDoubleDialogBox(
    QWidget* owner, const DefectsPerUnitDoubleSamplingPlan* plan)
    : TDoubleDialogBox(
          owner, plan, "Double Sampling Plan for Defects Per Unit", kHelpContext,
          {"No Curtailing", "Curtail on Rejection", "Curtail on Second Stage Rejection Only"})
{
}

} // namespace Brosquin
