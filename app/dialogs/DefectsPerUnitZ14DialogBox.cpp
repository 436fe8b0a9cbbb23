#include "app/dialogs/DefectsPerUnitZ14DialogBox.h"

#include "standards/Z14ParametersReport.h"

namespace Brosquin
{

TDefectsPerUnitZ14DialogBox::TDefectsPerUnitZ14DialogBox(QWidget* owner,
                                                         const DefectsPerUnitZ14SamplingPlan* plan)
    : TStandardPlanDialogBox(owner,
                             {"ANSI Z1.4 for Defects Per Unit",
                              kHelpContext,
                              {Z14DefectsPerUnitAqlTexts, Z14LevelTexts, Z14LotSizeTexts,
                               Z14PlanTypeTexts, Z14OptionTexts},
                              &Z14ParametersReport,
                              &Z14ParametersText,
                              &DefectsPerUnitZ14SamplingPlan::CheckParameters},
                             plan)
{
}

} // namespace Brosquin
