#pragma once

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlan.h"
#include "plans/SessionFile.h"

#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace Brosquin
{

// The file of a session with its windows, written as the main window writes it.
inline std::string SessionFileText(const SamplingPlanSession& plans,
                                   const std::vector<WindowRecord>& windows)
{
    std::ostringstream out;
    vdWriteSessionFileHead(out);
    plans.vdWriteToStream(out);
    for (const WindowRecord& window : windows)
    {
        if (const auto* list = std::get_if<PlanListRecord>(&window))
            vdWritePlanListRecord(out, *list);
        else
        {
            const auto& evaluation = std::get<EvaluationWindowRecord>(window);
            vdWriteEvaluationWindowRecord(out, evaluation.layout, *evaluation.list);
        }
    }
    vdWriteSessionFileEnd(out);
    return out.str();
}

// The definitions, units and cost parameters in force, as one text.
inline std::string DefinitionsText()
{
    return std::string(SamplingPlan::PaAtAQLText().Text()) + "|" +
           SamplingPlan::PaAtLTPDText().Text() + "|" +
           SamplingPlan::SymbolName(SamplingPlan::SymbolIndex()) + "|" +
           std::to_string(DefectivesSamplingPlan::Units().CurrentIndex()) + "|" +
           std::to_string(DefectsPerUnitSamplingPlan::Units().CurrentIndex()) + "|" +
           SamplingPlan::CostTitle().Text() + "|" + SamplingPlan::C0Text().Text() + "|" +
           SamplingPlan::C1Text().Text();
}

} // namespace Brosquin
