#pragma once

#include "core/Interval.h"
#include "core/Real.h"

namespace Brosquin
{

// One variable of a function being evaluated or optimised: the point callbacks read value, the
// interval callbacks read range, and lower and upper bound the search domain.
class OptimizationInput
{
public:
    virtual ~OptimizationInput() = default;

    Real value;
    Interval range;
    Real lower;
    Real upper;
};

} // namespace Brosquin
