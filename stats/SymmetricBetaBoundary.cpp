#include "stats/SymmetricBetaBoundary.h"

#include "stats/InverseSolvers.h"
#include "stats/RootSearch.h"
#include "stats/SpecialFunctions.h"

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

constexpr double pi = 3.14159265358979323846264338;
constexpr int maxDepth = 12;
// Of a half-width, which lies below 1/2.
constexpr double halfWidthTolerance = 4e-16;

} // namespace

SymmetricBetaBoundary::SymmetricBetaBoundary(double a, double P, double T)
    : a(a), P(P), rootT(std::sqrt(T))
{
    vdFit(0.0, rootT, 0);
}

double SymmetricBetaBoundary::Exact(double w) const
{
    return InverseIncompleteBeta(P - IncompleteBeta(w * w, a, a), a, a);
}

void SymmetricBetaBoundary::vdFit(double low, double high, int depth)
{
    const double middle = (low + high) / 2;
    const double half = (high - low) / 2;
    std::array<double, degree> values;
    for (int j = 0; j < degree; ++j)
        values[j] = Exact(middle + half * std::cos(pi * (j + 0.5) / degree));
    Piece piece{low, high, {}};
    for (int k = 0; k < degree; ++k)
    {
        double sum = 0.0;
        for (int j = 0; j < degree; ++j)
            sum += values[j] * std::cos(pi * k * (j + 0.5) / degree);
        piece.coefficients[k] = 2.0 * sum / degree;
    }
    const double tail =
        std::fabs(piece.coefficients[degree - 1]) + std::fabs(piece.coefficients[degree - 2]);
    if (tail > 1e-15 * std::fabs(piece.coefficients[0]) && depth < maxDepth)
    {
        vdFit(low, middle, depth + 1);
        vdFit(middle, high, depth + 1);
        return;
    }
    pieces.push_back(piece);
}

double SymmetricBetaBoundary::Partner(double w) const
{
    // Pieces are stored from the lowest up.
    auto piece = std::lower_bound(pieces.begin(), pieces.end(), w,
                                  [](const Piece& p, double value) { return p.dHigh < value; });
    if (piece == pieces.end())
        --piece;
    const double t = (2.0 * w - piece->dLow - piece->dHigh) / (piece->dHigh - piece->dLow);
    double next = 0.0;
    double current = 0.0;
    for (int k = degree - 1; k >= 1; --k)
    {
        const double previous = 2.0 * t * current - next + piece->coefficients[k];
        next = current;
        current = previous;
    }
    return t * current - next + piece->coefficients[0] / 2;
}

double SymmetricBetaBoundary::MeanSlope(double w) const
{
    // The ratio of the two densities: their normalising constants cancel.
    const double x = w * w;
    const double partner = Partner(w);
    const double ratio = std::pow(x * (1.0 - x) / (partner * (1.0 - partner)), a - 1.0);
    return w * (1.0 - ratio);
}

double SymmetricBetaHalfWidth(double y, double P, double a, double xP)
{
    // The beta density, x^(a-1) (1-x)^(a-1) / B(a, a); symmetric about 1/2.
    const auto density = [a](double x)
    { return BetaPowerTerm(std::fmin(x, 1.0 - x), a, a) / (x * (1.0 - x)); };
    const auto f = [&](double d) -> ValueSlope
    {
        return {IncompleteBeta(y - d, a, a) + IncompleteBeta(y + d, a, a) - P,
                density(y + d) - density(y - d)};
    };
    const bool rising = a > 1.0;
    const double hi = rising ? xP - y : y;
    return BracketedNewtonRoot(f, 0.0, hi, hi / 2, halfWidthTolerance, rising);
}

} // namespace Brosquin
