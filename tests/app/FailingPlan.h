#pragma once

#include "core/Real.h"

#include <stdexcept>

namespace Brosquin
{

// A plan of class Plan whose computations fail from a moment on, as a numerical failure would.
template <class Plan> class FailingPlan : public Plan
{
public:
    Real& dPa(const Real& p) override
    {
        if (failing)
            throw std::overflow_error("numerical failure");
        return Plan::dPa(p);
    }
    bool failing = false;
};

// One that fails from its first evaluation, during its first summary.
template <class Plan> struct AlwaysFailingPlan : FailingPlan<Plan>
{
    AlwaysFailingPlan() { this->failing = true; }
};

} // namespace Brosquin
