#pragma once

#include "core/ExpressionInput.h"
#include "core/Real.h"

namespace Brosquin
{

// One variable of a function being evaluated or optimised: the point callbacks read value, the
// interval callbacks read range, and lower and upper bound the search domain. A formula's
// variables can be bound to it as to any input record.
class OptimizationInput : public ExpressionInput
{
public:
    Real lower;
    Real upper;
};

} // namespace Brosquin
