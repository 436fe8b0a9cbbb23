#pragma once

// The constants of the standard normal density, phi(x) = e^(-x^2 / 2) / sqrt(2 pi), that the
// distributions share.

namespace Brosquin
{

inline constexpr double inverseSqrtTwoPi = 0.3989422804014326779399461;
inline constexpr double logSqrtTwoPi = 0.9189385332046727417803297;

} // namespace Brosquin
