#include "app/dialogs/DefectivesSingleDialogBox.h"

namespace Brosquin
{

TDefectivesSingleDialogBox::TDefectivesSingleDialogBox(QWidget* owner,
                                                       const DefectivesSingleSamplingPlan* plan)
    : TCountedSingleDialogBox(owner, plan,
                              {"Single Sampling Plan for Defective Units",
                               kHelpContext,
                               {{"SampleSizeEditBox", "&Sample Size (n):"},
                                {"AcceptNumberEditBox", "&Accept Number (a):"}},
                               false,
                               "&Method of Curtailing:",
                               {"No Curtailing", "Full Curtailing", "Curtail on Acceptance Only",
                                "Curtail on Rejection Only"}})
{
}

} // namespace Brosquin
