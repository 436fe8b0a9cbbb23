#pragma once

#include "core/Real.h"

// The terms a variables plan and its form conversion share.

namespace Brosquin
{

// The value of a Cp text, parsed and evaluated as a formula: a message when it is no formula or
// has no value (no variable is bound).
Real CapabilityOf(const char* text);

// v = sqrt(n / (n - 1)): with SD known, the estimate of the percent beyond a limit at quality
// index Q is 100 Phi(-Q v).
double VariablesV(double n);

// The Form 1 constant k of the Form 2 plan (n, M), M in percent: with SD unknown the k whose
// estimate beyond one limit is M; with SD known -z(M / 100) / v for one limit, and for two
// limits 6 Cp apart the k that leaves M outside both, (z + D) / v where D = 6 v Cp and z is the
// farther limit's position for that fraction.
double FormOneConstant(double n, double M, bool sdKnown, bool twoLimits, double cp);
// The Form 2 M (percent) of the Form 1 plan (n, k): the inverse of the above.
double FormTwoPercent(double n, double k, bool sdKnown, bool twoLimits, double cp);

} // namespace Brosquin
