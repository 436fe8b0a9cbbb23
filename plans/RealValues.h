#pragma once

#include "core/Real.h"

namespace Brosquin
{

// Small builders of the Reals the plans compute with.

inline bool HasMessage(const Real& value)
{
    return value.Message() != nullptr;
}

inline Real Number(double value)
{
    Real real;
    real = value;
    return real;
}

inline Real MessageValue(const char* text)
{
    Real real;
    real.vdSetMessage(text);
    return real;
}

} // namespace Brosquin
