#pragma once

#include <functional>
#include <memory>

class QWidget;

namespace Brosquin
{

class SamplingPlan;

// The road from a plan type to its entry dialog and back: the dialog is made for one use, shown
// modally, and on OK its validated entries are handed to the plan.
class PlanEntryRoute
{
public:
    virtual ~PlanEntryRoute() = default;

    // A new plan built from the entries, or null when the user cancelled.
    virtual std::unique_ptr<SamplingPlan> EnterNew(QWidget* owner) const = 0;
    // Whether the session has room for the plan as the entries make it; the user is told when not.
    using Fits = std::function<bool(SamplingPlan& edited)>;

    // The plan takes the entries in place; false when the user cancelled, or when a copy that took
    // them first did not fit, and the plan is left as it was.
    virtual bool Edit(QWidget* owner, SamplingPlan& plan, const Fits& fits) const = 0;

    // The route of a characteristic and plan type code; null while plans of that type cannot be
    // entered in this version.
    static const PlanEntryRoute* Find(int characteristic, int planType);
};

} // namespace Brosquin
