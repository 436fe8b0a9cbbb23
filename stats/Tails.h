#pragma once

namespace Brosquin
{

// The two tails of a distribution at one point, each computed to full relative precision,
// so that a tiny tail never has to be formed as 1 minus a value close to 1.
struct TailProbabilities
{
    double dLower; // P(X <= c), or I_x(a, b)
    double dUpper; // P(X > c), or 1 - I_x(a, b)
};

} // namespace Brosquin
