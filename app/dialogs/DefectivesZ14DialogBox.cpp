#include "app/dialogs/DefectivesZ14DialogBox.h"

#include "standards/Z14ParametersReport.h"

namespace Brosquin
{

TDefectivesZ14DialogBox::TDefectivesZ14DialogBox(QWidget* owner,
                                                 const DefectivesZ14SamplingPlan* plan)
    : TStandardPlanDialogBox(owner,
                             {"ANSI Z1.4 for Defective Units",
                              kHelpContext,
                              {Z14DefectivesAqlTexts, Z14LevelTexts, Z14LotSizeTexts,
                               Z14PlanTypeTexts, Z14OptionTexts},
                              &Z14ParametersReport,
                              &Z14ParametersText,
                              &DefectivesZ14SamplingPlan::CheckParameters},
                             plan)
{
}

} // namespace Brosquin
