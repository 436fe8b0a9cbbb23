#include "app/dialogs/DefectsPerQuantityDoubleDialogBox.h"

namespace Brosquin
{

TDefectsPerQuantityDoubleDialogBox::TDefectsPerQuantityDoubleDialogBox(
    QWidget* owner, const DefectsPerQuantityDoubleSamplingPlan* plan)
    : TDoubleDialogBox(
          owner, plan, "Double Sampling Plan for Defects Per Quantity", kHelpContext,
          {"No Curtailing", "Curtail on Rejection", "Curtail on Second Stage Rejection Only"})
{
}

} // namespace Brosquin
