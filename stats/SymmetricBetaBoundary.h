#pragma once

#include <array>
#include <vector>

namespace Brosquin
{

// The points (x, X(x)) with I(x) + I(X(x)) = P, I(x) = I(x; a, a), for 0 <= x <= T where
// I(T) = P / 2 (so that X(T) = T and X(0) = I^-1(P)). Written in w = sqrt x, in which X is
// analytic for whole and half-whole a, and held as pieces of Chebyshev series fitted to about
// 1e-15, each point then costing a few dozen operations instead of an inverse beta.
class SymmetricBetaBoundary
{
public:
    SymmetricBetaBoundary(double a, double P, double T);

    double SquareRootOfT() const { return rootT; }
    // X(w^2).
    double Partner(double w) const;
    // d/dw of the mean (w^2 + X(w^2)) / 2 of the two points, w (1 - g(w^2) / g(X)) with g the
    // density of the beta distribution.
    double MeanSlope(double w) const;

private:
    static constexpr int degree = 16;
    struct Piece
    {
        double dLow;
        double dHigh;
        std::array<double, degree> coefficients;
    };

    void vdFit(double low, double high, int depth);
    double Exact(double w) const;

    double a;
    double P;
    double rootT;
    std::vector<Piece> pieces;
};

// The same boundary by the mean y of its two points: the half-width d, 0 < d < y, with
// I(y - d) + I(y + d) = P, for y strictly between xP / 2 and I^-1(P / 2), xP = I^-1(P). There
// the sum rises with d for a > 1, and the root lies below xP - y, where the upper point alone
// would hold P; for a < 1 the sum falls while y - d > 0.
double SymmetricBetaHalfWidth(double y, double P, double a, double xP);

} // namespace Brosquin
