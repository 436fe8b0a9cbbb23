#include "stats/IncompleteGamma.h"

#include "stats/ContinuedFraction.h"
#include "stats/GammaUniformExpansion.h"
#include "stats/NormalConstants.h"
#include "stats/SaddlePoint.h"

#include <cmath>
#include <limits>
#include <optional>

namespace Brosquin
{

namespace
{

constexpr long maxFractionTerms = 1000000;

} // namespace

double LowerGammaFraction(double a, double z, double deviation)
{
    const double first = a * (deviation + 1.0) / (a + 1.0);
    return 1.0 / EvaluateContinuedFraction(
                     first,
                     [&](long m, double& numerator, double& partial)
                     {
                         const double k = static_cast<double>(m);
                         const double shifted = a + 2.0 * k - 1.0;
                         numerator = k * (a + k - 1.0) * (z / shifted) * (z / shifted);
                         partial = k + k * z / shifted +
                                   (a + k) * (deviation + 1.0 + 2.0 * k) / (shifted + 2.0);
                     },
                     maxFractionTerms);
}

double UpperGammaFraction(double a, double deviation)
{
    return 1.0 / EvaluateContinuedFraction(
                     1.0 - deviation,
                     [&](long m, double& numerator, double& partial)
                     {
                         const double k = static_cast<double>(m);
                         numerator = k * (a - k);
                         partial = 2.0 * k + 1.0 - deviation;
                     },
                     maxFractionTerms);
}

GammaLogTails IncompleteGammaLogTails(double a, double z, double deviation)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (!(z > 0.0))
        return {-infinity, 0.0, -infinity};
    if (z == infinity)
        return {0.0, -infinity, -infinity};
    // z^a e^-z / Gamma(a) = a z^a e^-z / Gamma(a + 1), in its saddle-point form.
    const double logTerm =
        0.5 * std::log(a) - StirlingError(a) - Deviance(a, z, deviation) - logSqrtTwoPi;
    if (const std::optional<ScaledGammaTail> tail = GammaSmallerTailForLargeShape(a, z, deviation))
    {
        const double smaller = std::log(tail->dFactor) - tail->dExponent;
        const double larger = std::log1p(-std::exp(smaller));
        return tail->upper ? GammaLogTails{larger, smaller, logTerm}
                           : GammaLogTails{smaller, larger, logTerm};
    }
    // Each fraction on its own side of a gives a tail of at most 0.69 there for a >= 1/2, so that
    // the other loses no digits as 1 minus it.
    if (deviation > 0.0)
    {
        const double lower = logTerm + std::log(LowerGammaFraction(a, z, deviation));
        return {lower, std::log1p(-std::exp(lower)), logTerm};
    }
    const double upper = logTerm + std::log(UpperGammaFraction(a, deviation));
    return {std::log1p(-std::exp(upper)), upper, logTerm};
}

} // namespace Brosquin
