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
    // The w at which the mean (w^2 + X(w^2)) / 2 of the two points is y, for y between X(0) / 2
    // and T (the mean rises with w for a > 1 and falls for a < 1).
    double At(double y) const;
    // d/dw of that mean, w (1 - g(w^2) / g(X)) with g the density of the beta distribution.
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

} // namespace Brosquin
