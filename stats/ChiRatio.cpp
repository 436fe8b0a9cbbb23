#include "stats/ChiRatio.h"

#include "stats/RootSearch.h"

namespace Brosquin
{

double ChiRatio::Edge(double drop, double side) const
{
    const double target = drop / m;
    // e^v - 1 - v exceeds the target at these ends: it passes 1 + v + v^2 / 2 for v > 0 and
    // -1 - v for v < 0.
    const double end = side > 0.0 ? std::sqrt(2.0 * target) + 1.0 : -target - 2.0;
    const auto f = [&](double v) -> ValueSlope {
        return {std::expm1(v) - v - target, std::expm1(v)};
    };
    const double v = side > 0.0 ? BracketedNewtonRoot(f, 0.0, end, end / 2, 1e-12, true)
                                : BracketedNewtonRoot(f, end, 0.0, end / 2, 1e-12, false);
    return std::exp(v / 2);
}

} // namespace Brosquin
