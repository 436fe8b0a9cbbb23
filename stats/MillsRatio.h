#pragma once

namespace Brosquin
{

// Mills' ratio R(x) = Q(x) / phi(x) of the standard normal, Q its upper tail and phi its density,
// for x >= 0, to a few units in the last place; 1 / R(x) is the hazard phi(x) / Q(x). Two
// rational functions, so that Q(x) = phi(x) R(x) far into the tail costs one exponential.
double NormalMillsRatio(double x);

} // namespace Brosquin
