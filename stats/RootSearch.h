#pragma once

#include <cmath>

namespace Brosquin
{

// A function's value and slope at one point.
struct ValueSlope
{
    double dValue;
    double dSlope;
};

// The root of f in [lo, hi], where f changes sign once: f <= 0 at lo and >= 0 at hi when
// rising, the other way round otherwise. Newton steps from start, each kept inside the bracket
// that the values have narrowed; a step that would leave it, or that is not below half the step
// before the last, is replaced by bisection. Ends when a step or the bracket is below tolerance
// relative to the root (absolute below 1), after at most 300 steps.
template <class F>
double BracketedNewtonRoot(F f, double lo, double hi, double start, double tolerance, bool rising)
{
    constexpr int maxSteps = 300;
    double x = start > lo && start < hi ? start : lo + (hi - lo) / 2;
    double lastStep = hi - lo;
    double stepBefore = lastStep;
    for (int step = 0; step < maxSteps; ++step)
    {
        const ValueSlope at = f(x);
        if (at.dValue == 0.0)
            return x;
        if ((at.dValue < 0.0) == rising)
            lo = x;
        else
            hi = x;
        if (!(hi - lo > std::fmax(std::fabs(x), 1.0) * tolerance))
            return x;
        double next = x - at.dValue / at.dSlope;
        if (!(next > lo && next < hi) || !(std::fabs(next - x) <= std::fabs(stepBefore) / 2))
            next = lo + (hi - lo) / 2;
        stepBefore = lastStep;
        lastStep = next - x;
        if (!(std::fabs(lastStep) > std::fmax(std::fabs(next), 1.0) * tolerance))
            return next;
        x = next;
    }
    return x;
}

// The root of f between lo and hi, where f(lo) = fLo and f(hi) = fHi differ in sign, without
// slopes: regula falsi with the Illinois rule (the value kept at an end that stays twice running
// is halved), and bisection when two steps have not halved the bracket. Ends when the bracket
// is below tolerance relative to its ends (absolute below 1), after at most 300 steps.
template <class F>
double BracketedSecantRoot(F f, double lo, double hi, double fLo, double fHi, double tolerance)
{
    constexpr int maxSteps = 300;
    int kept = 0; // -1: lo was kept last step, +1: hi was
    double widthBefore = hi - lo;
    for (int step = 0; step < maxSteps; ++step)
    {
        if (!(hi - lo > std::fmax(std::fmax(std::fabs(lo), std::fabs(hi)), 1.0) * tolerance))
            break;
        double x = (lo * fHi - hi * fLo) / (fHi - fLo);
        if (step % 2 == 1)
        {
            if (hi - lo > widthBefore / 2)
                x = lo + (hi - lo) / 2;
            widthBefore = hi - lo;
        }
        if (!(x > lo && x < hi))
            x = lo + (hi - lo) / 2;
        const double fx = f(x);
        if (fx == 0.0)
            return x;
        if ((fx > 0.0) == (fHi > 0.0))
        {
            hi = x;
            fHi = fx;
            if (kept == -1)
                fLo /= 2;
            kept = -1;
        }
        else
        {
            lo = x;
            fLo = fx;
            if (kept == 1)
                fHi /= 2;
            kept = 1;
        }
    }
    return std::fabs(fLo) < std::fabs(fHi) ? lo : hi;
}

} // namespace Brosquin
