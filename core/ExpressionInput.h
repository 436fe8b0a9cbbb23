#pragma once

#include "core/Interval.h"
#include "core/Real.h"

namespace Brosquin
{

// An input record that formula variables and properties can be bound to: the point evaluation
// reads value, the interval evaluation reads range.
class ExpressionInput
{
public:
    virtual ~ExpressionInput() = default;

    Real value;
    Interval range;
};

} // namespace Brosquin
