#pragma once

#include "core/String.h"

namespace Brosquin
{

// The new plan a design found, set up by describe(plan); null with the reason in message when
// the design found none or the plan does not accept what it found.
template <class Plan, class Describe>
Plan* DesignedPlan(bool found, const char* notFound, String& message, Describe describe)
{
    if (!found)
    {
        message = notFound;
        return nullptr;
    }
    auto* plan = new Plan;
    describe(*plan);
    if (plan->IsValid())
        return plan;
    message = plan->Description();
    delete plan;
    return nullptr;
}

} // namespace Brosquin
