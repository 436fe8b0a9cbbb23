#include "app/dialogs/DefectivesZ19DialogBox.h"

#include "standards/Z19ParametersReport.h"
#include "standards/Z19Tables.h"

namespace Brosquin
{

TDefectivesZ19DialogBox::TDefectivesZ19DialogBox(QWidget* owner,
                                                 const DefectivesZ19SamplingPlan* plan)
    : TStandardPlanDialogBox(
          owner,
          {"ANSI Z1.9 for Defective Units",
           kHelpContext,
           {Z19AqlTexts, Z19LevelTexts, Z19LotSizeTexts, Z19PlanTypeTexts, Z19OptionTexts},
           &Z19ParametersReport,
           &Z19ParametersText,
           &DefectivesZ19SamplingPlan::CheckParameters},
          plan)
{
}

} // namespace Brosquin
