#include "app/dialogs/DefectivesMultipleDialogBox.h"

namespace Brosquin
{

TDefectivesMultipleDialogBox::TDefectivesMultipleDialogBox(
    QWidget* owner, const DefectivesMultipleSamplingPlan* plan)
    : TMultiplePlanDialogBox(
          owner, plan, "Multiple Sampling Plan for Defective Units", kHelpContext,
          {"No Curtailing", "Full Curtailing", "Curtail on Acceptance All Stages",
           "Curtail on Rejection All Stages", "Curtail Except First Stage",
           "Curtail on  Acceptance Except First Stage", "Curtail on Rejection Except First Stage"})
{
}

} // namespace Brosquin
