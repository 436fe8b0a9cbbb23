#pragma once

#include "core/Real.h"

namespace Brosquin
{

// A Real made by the assignment rules: beyond +-1e154 or NaN gives "Overflow".
inline Real RealOf(double x)
{
    Real r;
    r = x;
    return r;
}

// A Real read from the user's text form: a number, or a message in double quotes.
inline Real RealOf(const char* text)
{
    Real r;
    r = text;
    return r;
}

// A Real holding the message text instead of a number.
inline Real MessageValue(const char* text)
{
    Real r;
    r.vdSetMessage(text);
    return r;
}

inline bool IsNumber(const Real& r)
{
    return r.Message() == nullptr;
}

} // namespace Brosquin
