#pragma once

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlan.h"

namespace Brosquin
{

// Puts the plan classes' definitions and units, which live for the whole program, back to their
// built-in values, so that no test sees what another one read.
inline void vdResetPlanDefaults()
{
    SamplingPlan::SetRiskLevels("0.95", "0.10", 0);
    SamplingPlan::vdSetRiskTexts();
    for (UnitsTable* table :
         {&DefectivesSamplingPlan::Units(), &DefectsPerUnitSamplingPlan::Units()})
    {
        table->SetDefaultIndex(1);
        table->SetCurrentIndex(1);
    }
}

} // namespace Brosquin
