#include "plans/SamplingPlanSession.h"

#include "core/RecordFields.h"
#include "core/RecordSize.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SessionBounds.h"

#include <algorithm>
#include <limits>
#include <ostream>

namespace Brosquin
{

namespace
{

void vdWriteCount(std::ostream& out, std::uint32_t count)
{
    vdWriteMoving(out, count, DecimalWidth(LargestSessionPlans));
    out << EndLine;
}

void vdWritePlanLine(std::ostream& out, const SamplingPlan& plan)
{
    plan.vdWriteToStream(out);
    out << EndLine;
}

} // namespace

SamplingPlanSession::SamplingPlanSession()
    : countLineBytes(BytesWritten([](std::ostream& out) { vdWriteCount(out, 0); },
                                  RecordSize::Values::AtWidest))
{
}

SamplingPlanSession::~SamplingPlanSession()
{
    // An evaluation window may still be open: its list lets go of the plans before they go.
    for (SessionListener* listener : listeners)
        listener->vdSessionClosed();
    while (!plans.empty())
        plans.pop_back();
}

SamplingPlan* SamplingPlanSession::Plan(std::uint32_t position) const
{
    return position >= 1 && position <= Count() ? plans[position - 1].get() : nullptr;
}

void SamplingPlanSession::vdAddPlan(std::unique_ptr<SamplingPlan> plan)
{
    if (!plan || Count() >= LargestSessionPlans)
        return;
    const std::uint64_t bytes = PlanLineBytes(*plan);
    plans.push_back(std::move(plan));
    lineBytes.push_back(bytes);
    planBytes += bytes;
}

std::uint64_t SamplingPlanSession::PlanLineBytes(const SamplingPlan& plan)
{
    return BytesWritten([&plan](std::ostream& out) { vdWritePlanLine(out, plan); });
}

std::uint64_t SamplingPlanSession::PlanBytes(std::uint32_t position) const
{
    return Plan(position) ? lineBytes[position - 1] : 0;
}

std::uint64_t SamplingPlanSession::ViewBytes() const
{
    std::uint64_t bytes = 0;
    for (const SessionListener* listener : listeners)
        bytes += listener->RecordBytes();
    return bytes;
}

std::uint64_t SamplingPlanSession::RebuildGrowth(std::uint32_t position, SamplingPlan& plan) const
{
    std::uint64_t bytes = 0;
    for (const SessionListener* listener : listeners)
        bytes += listener->RebuildGrowth(position, plan);
    return bytes;
}

std::uint64_t SamplingPlanSession::CostTitlesGrowth() const
{
    std::uint64_t bytes = 0;
    for (const SessionListener* listener : listeners)
        bytes += listener->CostTitlesGrowth();
    return bytes;
}

std::uint64_t SamplingPlanSession::UnitsGrowth() const
{
    std::uint64_t bytes = 0;
    for (const SessionListener* listener : listeners)
        bytes += listener->UnitsGrowth();
    return bytes;
}

void SamplingPlanSession::vdDeletePlan(std::uint32_t position)
{
    // Lists renumber the plans above a deleted one, so a position that names no plan (0 above
    // all) must reach none of them.
    if (!Plan(position))
        return;
    vdTellListeners([position](SessionListener& list) { list.PlanDeleted(position); });
    plans.erase(plans.begin() + (position - 1));
    planBytes -= lineBytes[position - 1];
    lineBytes.erase(lineBytes.begin() + (position - 1));
}

void SamplingPlanSession::vdMovePlan(std::uint32_t from, std::uint32_t to)
{
    if (!Plan(from) || !Plan(to) || from == to)
        return;
    // A move is told as a delete, an insert and, to the lists that showed the plan, an add.
    std::vector<bool> showed;
    showed.reserve(listeners.size());
    for (SessionListener* listener : listeners)
        showed.push_back(listener->PlanDeleted(from));
    std::unique_ptr<SamplingPlan> moved = std::move(plans[from - 1]);
    plans.erase(plans.begin() + (from - 1));
    plans.insert(plans.begin() + (to - 1), std::move(moved));
    const std::uint64_t bytes = lineBytes[from - 1];
    lineBytes.erase(lineBytes.begin() + (from - 1));
    lineBytes.insert(lineBytes.begin() + (to - 1), bytes);
    vdTellListeners([to](SessionListener& list) { list.vdPlanInserted(to); });
    for (std::size_t i = 0; i < listeners.size(); ++i)
        if (showed[i])
            listeners[i]->vdAddPlan(to);
}

void SamplingPlanSession::vdReplacePlan(std::uint32_t position)
{
    if (!Plan(position))
        return;
    const std::uint64_t bytes = PlanLineBytes(*plans[position - 1]);
    planBytes += bytes - lineBytes[position - 1];
    lineBytes[position - 1] = bytes;
    vdTellListeners([position](SessionListener& list) { list.vdPlanReplaced(position); });
}

void SamplingPlanSession::vdApplyDefinitions()
{
    for (const auto& plan : plans)
        plan->vdUpdateSummary();
    vdTellListeners([](SessionListener& list) { list.vdDefinitionsChanged(); });
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
    vdTellListeners([](SessionListener& list) { list.vdUnitsChanged(); });
}

void SamplingPlanSession::vdApplyCostParameters()
{
    for (const auto& plan : plans)
        plan->vdUpdateSummary();
    vdTellListeners([](SessionListener& list) { list.vdCostParametersChanged(); });
}

void SamplingPlanSession::vdWriteToStream(std::ostream& out) const
{
    vdWriteCount(out, Count());
    for (const auto& plan : plans)
        vdWritePlanLine(out, *plan);
}

void SamplingPlanSession::vdReadFromStream(std::istream& in, double fileVersion)
{
    double count = 0;
    if (!ReadWhole(in, 0, std::numeric_limits<double>::max(), count) ||
        (count > LargestSessionPlans - Count() && !RefuseSize()))
        return;
    for (double read = 0; read < count; ++read)
    {
        std::unique_ptr<SamplingPlan> plan = SamplingPlan::ReadPlanFromStream(in, fileVersion);
        vdAddPlan(std::move(plan));
        if (ReadErrorOccurred())
            return;
    }
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
    if (ListenerCount() >= LargestEvaluationWindows)
    {
        message = "Too many evaluation windows are open.  Close one or more and repeat.";
        return nullptr;
    }
    if (positions.size() > LargestEvaluationPlans ||
        PlanRows() + positions.size() * LeastPlanRows > LargestPlanRows)
    {
        message = TooManyPlansToEvaluate;
        return nullptr;
    }
    return std::make_unique<SamplingPlanEvaluationList>(*this, std::move(positions));
}

void SamplingPlanSession::vdAddListener(SessionListener& listener)
{
    listeners.push_back(&listener);
}

void SamplingPlanSession::vdRemoveListener(SessionListener& listener)
{
    std::erase(listeners, &listener);
}

std::uint64_t SamplingPlanSession::PlanRows(const SessionListener* except) const
{
    std::uint64_t rows = 0;
    for (const SessionListener* listener : listeners)
        if (listener != except)
            rows += listener->PlanRows();
    return rows;
}

template <class Notification> void SamplingPlanSession::vdTellListeners(Notification notification)
{
    for (SessionListener* listener : listeners)
        notification(*listener);
}

void SamplingPlanSession::vdSetVariablesSelection(bool sdKnown, bool twoSpecs, const char* cpText)
{
    variablesSdKnown = sdKnown;
    variablesTwoSpecs = twoSpecs;
    variablesCpText = cpText != nullptr ? cpText : "";
}

} // namespace Brosquin
