#pragma once

#include <cmath>
#include <limits>

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

// A bracket [lo, hi] about the root of a function, with its values fLo and fHi at the ends
// (NaN where not known), narrowed by regula falsi with the Illinois rule: the value kept at an
// end that stays twice running is halved. The bracket is bisected instead where a value is not
// known, where the step would not fall inside, and when two steps have not halved it, so that
// it never narrows more slowly than by half every two steps.
struct IllinoisBracket
{
    double lo;
    double hi;
    double fLo;
    double fHi;
    int kept = 0; // -1: lo was kept last step, +1: hi was
    int steps = 0;
    double widthBefore = hi - lo;
    // The last level tried just beside an end whose value is 0, and whether the function was
    // found flat there.
    double besideZero = std::numeric_limits<double>::quiet_NaN();
    bool flat = false;

    // The level to try next, at least margin inside either end while the bracket is wider than
    // twice that, so that a root next to an end, which regula falsi approaches from one side
    // only, is closed in from the other at once. An end whose value is 0 is taken as the root
    // (a level margin beside it is tried) until the function proves flat there.
    double Next(double margin = 0.0)
    {
        const double middle = lo + (hi - lo) / 2;
        double x = (lo * fHi - hi * fLo) / (fHi - fLo);
        if (steps++ % 2 == 1)
        {
            if (hi - lo > widthBefore / 2)
                x = middle;
            widthBefore = hi - lo;
        }
        const bool atEnd = x == lo || x == hi;
        if (!(x >= lo && x <= hi) || (atEnd && flat))
            return middle;
        if (hi - lo > 2 * margin)
            x = std::fmin(std::fmax(x, lo + margin), hi - margin);
        if (!(x > lo && x < hi))
            return middle;
        besideZero = atEnd ? x : std::numeric_limits<double>::quiet_NaN();
        return x;
    }

    // x, with the value fx, becomes the lower end when belowRoot is set, else the upper one.
    void Narrow(double x, double fx, bool belowRoot)
    {
        flat = flat || (x == besideZero && fx == 0.0);
        if (belowRoot)
        {
            lo = x;
            fLo = fx;
            if (kept == 1)
                fHi /= 2;
            kept = 1;
        }
        else
        {
            hi = x;
            fHi = fx;
            if (kept == -1)
                fLo /= 2;
            kept = -1;
        }
    }
};

// The root of f between lo and hi, where f(lo) = fLo and f(hi) = fHi differ in sign, without
// slopes, by the Illinois bracket above. Ends when the bracket is below tolerance relative to
// its ends (absolute below 1), after at most 300 steps.
template <class F>
double BracketedSecantRoot(F f, double lo, double hi, double fLo, double fHi, double tolerance)
{
    constexpr int maxSteps = 300;
    IllinoisBracket bracket{lo, hi, fLo, fHi};
    for (int step = 0; step < maxSteps; ++step)
    {
        if (!(bracket.hi - bracket.lo >
              std::fmax(std::fmax(std::fabs(bracket.lo), std::fabs(bracket.hi)), 1.0) * tolerance))
            break;
        const double x = bracket.Next();
        const double fx = f(x);
        if (fx == 0.0)
            return x;
        bracket.Narrow(x, fx, (fx > 0.0) != (bracket.fHi > 0.0));
    }
    return std::fabs(bracket.fLo) < std::fabs(bracket.fHi) ? bracket.lo : bracket.hi;
}

} // namespace Brosquin
