#pragma once

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"
#include "plans/SessionFile.h"

#include <memory>

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

// The file of a session of one single plan (n = 50, a = 1) shown in the plan list and in one
// evaluation window, the two at the places given.
inline std::string OnePlanSessionFileText(const WindowPlace& listPlace,
                                          const WindowPlace& evaluationPlace)
{
    SamplingPlanSession session;
    auto plan = std::make_unique<DefectivesSingleSamplingPlan>();
    plan->vdDescribe("50", "1", 0, false, "");
    session.vdAddPlan(std::move(plan));
    std::vector<WindowRecord> windows;
    windows.emplace_back(PlanListRecord{listPlace, {20, 120, 372, 75, 75, 60, 120, 70}});
    windows.emplace_back(EvaluationWindowRecord{
        {evaluationPlace, 0, {}, {}},
        std::make_unique<SamplingPlanEvaluationList>(session, std::vector<std::uint32_t>{1})});
    return SessionFileText(session, windows);
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
