#include "app/dialogs/DefectsPerQuantitySingleDialogBox.h"

namespace Brosquin
{

namespace
{

enum Field
{
    SampleSizeField,
    AcceptNumberField
};

} // namespace

TDefectsPerQuantitySingleDialogBox::TDefectsPerQuantitySingleDialogBox(
    QWidget* owner, const DefectsPerQuantitySingleSamplingPlan* plan)
    : TAttributePlanDialogBox(owner, {"Single Sampling Plan for Defects Per Quantity",
                                      kHelpContext,
                                      {{"SampleSizeEditBox", "&Sample Size (n):"},
                                       {"AcceptNumberEditBox", "&Accept Number (a):"}},
                                      true,
                                      "&Method ofCurtailing:",
                                      {"No Curtailing", "Curtail on Rejection"}})
{
    if (plan)
        vdShowPlan({&plan->SampleSizeText(), &plan->AcceptNumberText()}, plan->QuantityUnitsText(),
                   plan->Method(), plan->IsLotSizeGiven(), plan->LotSizeText());
}

void TDefectsPerQuantitySingleDialogBox::vdDescribe(
    DefectsPerQuantitySingleSamplingPlan& plan) const
{
    plan.vdDescribe(ParameterText(SampleSizeField).constData(),
                    ParameterText(AcceptNumberField).constData(), UnitsText().constData(),
                    CurtailingIndex(), IsLotSizeGiven(), LotSizeText().constData());
}

int TDefectsPerQuantitySingleDialogBox::Validate(String& message) const
{
    return DefectsPerQuantitySingleSamplingPlan::SetFromText(
        ParameterText(SampleSizeField).constData(), ParameterText(AcceptNumberField).constData(),
        UnitsText().constData(), CurtailingIndex(), IsLotSizeGiven(), LotSizeText().constData(),
        message);
}

} // namespace Brosquin
