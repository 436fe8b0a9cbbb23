#include "app/dialogs/DefectivesDoubleDialogBox.h"

namespace Brosquin
{

TDefectivesDoubleDialogBox::TDefectivesDoubleDialogBox(QWidget* owner,
                                                       const DefectivesDoubleSamplingPlan* plan)
    : TDoubleDialogBox(owner, plan, "Double Sampling Plan for Defective Units", kHelpContext,
                       {"No Curtailing", "Full Curtailing", "Curtail on Acceptance Only",
                        "Curtail on Rejection Only", "Curtail on Second Stage Only",
                        "Curtail on Second Stage Acceptance Only",
                        "Curtail on Second Stage Rejection Only"})
{
}

} // namespace Brosquin
