#include "app/dialogs/DefectsPerUnitSingleDialogBox.h"

namespace Brosquin
{

TDefectsPerUnitSingleDialogBox::TDefectsPerUnitSingleDialogBox(
    QWidget* owner, const DefectsPerUnitSingleSamplingPlan* plan)
    : TCountedSingleDialogBox(owner, plan,
                              {"Single Sampling Plan for Defects Per Unit",
                               kHelpContext,
                               {{"SampleSizeEditBox", "&Sample Size (n):"},
                                {"AcceptNumberEditBox", "&Accept Number (a):"}},
                               false,
                               "&Method ofCurtailing:",
                               {"No Curtailing", "Curtail on Rejection"}})
{
}

} // namespace Brosquin
