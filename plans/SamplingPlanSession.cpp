#include "plans/SamplingPlanSession.h"

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"

#include <algorithm>
#include <limits>

namespace Brosquin
{

SamplingPlanSession::~SamplingPlanSession()
{
    // An evaluation window may still be open: its list lets go of the plans before they go.
    for (SamplingPlanEvaluationList* list : evaluationLists)
        list->vdForgetSession();
    while (!plans.empty())
        plans.pop_back();
}

SamplingPlan* SamplingPlanSession::Plan(std::uint32_t position) const
{
    return position >= 1 && position <= Count() ? plans[position - 1].get() : nullptr;
}

void SamplingPlanSession::vdAddPlan(std::unique_ptr<SamplingPlan> plan)
{
    // Positions are 32-bit; a session can never come near that many plans, but its count must
    // stay one.
    if (plan && plans.size() < std::numeric_limits<std::uint32_t>::max())
        plans.push_back(std::move(plan));
}

void SamplingPlanSession::vdDeletePlan(std::uint32_t position)
{
    // Lists renumber the plans above a deleted one, so a position that names no plan (0 above
    // all) must reach none of them.
    if (!Plan(position))
        return;
    vdTellEvaluationLists([position](SamplingPlanEvaluationList& list)
                          { list.PlanDeleted(position); });
    plans.erase(plans.begin() + (position - 1));
}

void SamplingPlanSession::vdMovePlan(std::uint32_t from, std::uint32_t to)
{
    if (!Plan(from) || !Plan(to) || from == to)
        return;
    // A move is told as a delete, an insert and, to the lists that showed the plan, an add.
    std::vector<bool> showed;
    showed.reserve(evaluationLists.size());
    for (SamplingPlanEvaluationList* list : evaluationLists)
        showed.push_back(list->PlanDeleted(from));
    std::unique_ptr<SamplingPlan> moved = std::move(plans[from - 1]);
    plans.erase(plans.begin() + (from - 1));
    plans.insert(plans.begin() + (to - 1), std::move(moved));
    vdTellEvaluationLists([to](SamplingPlanEvaluationList& list) { list.vdPlanInserted(to); });
    for (std::size_t i = 0; i < evaluationLists.size(); ++i)
        if (showed[i])
            evaluationLists[i]->vdAddPlan(to);
}

void SamplingPlanSession::vdReplacePlan(std::uint32_t position)
{
    if (Plan(position))
        vdTellEvaluationLists([position](SamplingPlanEvaluationList& list)
                              { list.vdPlanReplaced(position); });
}

void SamplingPlanSession::vdApplyDefinitions()
{
    for (const auto& plan : plans)
        plan->vdUpdateSummary();
    vdTellEvaluationLists([](SamplingPlanEvaluationList& list) { list.vdDefinitionsChanged(); });
}

void SamplingPlanSession::vdSetUnits()
{
    for (const auto& plan : plans)
    {
        // Defects per quantity have no units rows: their unit is the user's own.
        if (plan->CharacteristicId() == SamplingPlan::DefectiveUnits)
            plan->vdSetUnits(
                static_cast<std::uint8_t>(DefectivesSamplingPlan::Units().CurrentIndex()));
        else if (plan->CharacteristicId() == SamplingPlan::DefectsPerUnit)
            plan->vdSetUnits(
                static_cast<std::uint8_t>(DefectsPerUnitSamplingPlan::Units().CurrentIndex()));
    }
    vdTellEvaluationLists([](SamplingPlanEvaluationList& list) { list.vdUnitsChanged(); });
}

void SamplingPlanSession::vdApplyCostParameters()
{
    for (const auto& plan : plans)
        plan->vdUpdateSummary();
    vdTellEvaluationLists([](SamplingPlanEvaluationList& list) { list.vdCostParametersChanged(); });
}

bool SamplingPlanSession::CheckAll()
{
    return SetAllChecks(true);
}

bool SamplingPlanSession::UncheckAll()
{
    return SetAllChecks(false);
}

bool SamplingPlanSession::SetAllChecks(bool on)
{
    bool changed = false;
    for (const auto& plan : plans)
    {
        changed = changed || plan->IsChecked() != on;
        plan->vdSetChecked(on);
    }
    return changed;
}

std::unique_ptr<SamplingPlanEvaluationList>
SamplingPlanSession::vdEvaluateCheckedPlans(String& message)
{
    std::vector<std::uint32_t> positions;
    for (std::uint32_t position = 1; position <= Count(); ++position)
    {
        const SamplingPlan& plan = *plans[position - 1];
        if (!plan.IsChecked())
            continue;
        if (!positions.empty() &&
            plan.CharacteristicId() != plans[positions.front() - 1]->CharacteristicId())
        {
            message = "The checked sampling plans have different characteristics and cannot be "
                      "plotted together.";
            return nullptr;
        }
        positions.push_back(position);
    }
    if (positions.empty())
    {
        message = "No sampling plan is checked.  Check one or more sampling plans and repeat.";
        return nullptr;
    }
    return std::make_unique<SamplingPlanEvaluationList>(*this, std::move(positions));
}

void SamplingPlanSession::vdRegisterEvaluationList(SamplingPlanEvaluationList* list)
{
    evaluationLists.push_back(list);
}

void SamplingPlanSession::vdUnregisterEvaluationList(SamplingPlanEvaluationList* list)
{
    std::erase(evaluationLists, list);
}

template <class Notification>
void SamplingPlanSession::vdTellEvaluationLists(Notification notification)
{
    for (SamplingPlanEvaluationList* list : evaluationLists)
        notification(*list);
}

} // namespace Brosquin
