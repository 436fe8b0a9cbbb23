#pragma once

#include <cstdint>

namespace Brosquin
{

class SamplingPlan;

// What a session tells each view open on its plans (an evaluation list) as the plans, the
// definitions, the units or the cost parameters change. Positions are the session's 1-based
// plan positions, as they are at the time of the call.
class SessionListener
{
public:
    // The plan at the position is about to be deleted; true when the listener showed it.
    virtual bool PlanDeleted(std::uint32_t position) = 0;
    // A plan now stands at the position; those that stood there and above moved up by one.
    virtual void vdPlanInserted(std::uint32_t position) = 0;
    // After a move told as a delete and an insert: the plan at the position, which the listener
    // showed, is shown again.
    virtual void vdAddPlan(std::uint32_t position) = 0;
    // The plan at the position was edited in place.
    virtual void vdPlanReplaced(std::uint32_t position) = 0;
    virtual void vdDefinitionsChanged() = 0;
    virtual void vdUnitsChanged() = 0;
    virtual void vdCostParametersChanged() = 0;
    // The session is going away: the listener lets go of its plans and of the session.
    virtual void vdSessionClosed() = 0;

    // What the session asks, to keep its evaluation windows within bounds: the rows of the
    // listener's plans in its table of curve values (SessionBounds.h).
    virtual std::uint64_t PlanRows() const = 0;

    // What the session asks, to keep its file within what a session file holds (SessionFile.h):
    // the most bytes the listener's record takes, and the most it gains when the plan at the
    // position is shown again as the plan given (after an edit of it, or a move), when the cost
    // titles follow the cost parameters in force, or when its units labels follow the units in
    // force.
    virtual std::uint64_t RecordBytes() const = 0;
    virtual std::uint64_t RebuildGrowth(std::uint32_t position, SamplingPlan& plan) const = 0;
    virtual std::uint64_t CostTitlesGrowth() const = 0;
    virtual std::uint64_t UnitsGrowth() const = 0;

protected:
    ~SessionListener() = default;
};

} // namespace Brosquin
