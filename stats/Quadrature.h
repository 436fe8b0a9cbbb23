#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <span>

// Integrals of positive functions, to about 1e-13 relative.

namespace Brosquin
{

// The integral over the whole line of exp(psi(u) - peak), where psi is smooth with its one peak
// psi(mode) = peak, and falls off at least like a log-concave function; width is its scale at
// the peak. The trapezoid rule converges geometrically on such functions, the error about
// squaring with each halving of the step: the step starts at width and is halved until two sums
// agree to 1e-8, which leaves the last one good to about 1e-13. Nodes run out from the mode
// until psi is 38 below the peak.
template <class F> double IntegrateFromPeak(F psi, double mode, double peak, double width)
{
    constexpr double drop = 38.0;
    constexpr double agreement = 1e-8;
    constexpr int maxHalvings = 6;
    constexpr int maxNodes = 5000;
    double h = width;
    double sum = 1.0;
    // The outermost nodes on each side, counted in steps of h.
    int below = 0;
    int above = 0;
    for (int side : {1, -1})
    {
        int& reach = side > 0 ? above : below;
        while (reach < maxNodes)
        {
            const double value = psi(mode + side * (reach + 1) * h);
            if (!(value > peak - drop))
                break;
            sum += std::exp(value - peak);
            ++reach;
        }
    }
    double estimate = h * sum;
    for (int halving = 0; halving < maxHalvings; ++halving)
    {
        for (int i = -below - 1; i <= above; ++i)
            sum += std::exp(psi(mode + (i + 0.5) * h) - peak);
        h /= 2;
        below = 2 * below + 1;
        above = 2 * above + 1;
        const double refined = h * sum;
        const bool agrees = std::fabs(refined - estimate) <= agreement * refined;
        estimate = refined;
        if (agrees)
            break;
    }
    return estimate;
}

// The integral of f over the pieces between consecutive breakpoints (at least two, rising), f
// smooth inside each piece: the 8-point Gauss-Legendre rule on each piece and on its halves,
// the piece whose two values differ most being halved again until the differences add up to
// less than 1e-13 of the whole, or 500 pieces are reached. Place a breakpoint where f has a
// narrow peak or a kink; an end where f has an integrable singularity costs extra halvings.
template <class F> double IntegrateAdaptively(F f, std::span<const double> breakpoints)
{
    constexpr double relativeTolerance = 1e-13;
    constexpr std::size_t maxPieces = 500;
    constexpr std::array<double, 4> nodes = {0.18343464249564980494, 0.52553240991632898582,
                                             0.79666647741362673959, 0.96028985649753623168};
    constexpr std::array<double, 4> weights = {0.36268378337836198297, 0.31370664587788728734,
                                               0.22238103445337447054, 0.10122853629037625915};
    const auto rule = [&](double a, double b)
    {
        const double centre = (a + b) / 2;
        const double half = (b - a) / 2;
        double sum = 0.0;
        for (std::size_t i = 0; i < nodes.size(); ++i)
            sum += weights[i] * (f(centre - half * nodes[i]) + f(centre + half * nodes[i]));
        return half * sum;
    };
    // A piece with the rule's values on its two halves; its error is their difference from
    // the value on the whole piece.
    struct Piece
    {
        double a, b, left, right, error;
    };
    const auto split = [&](double a, double b, double whole)
    {
        const double middle = (a + b) / 2;
        const double left = rule(a, middle);
        const double right = rule(middle, b);
        const bool divisible = middle > a && middle < b;
        return Piece{a, b, left, right, divisible ? std::fabs(left + right - whole) : 0.0};
    };
    std::array<Piece, maxPieces> pieces;
    std::size_t count = 0;
    for (std::size_t i = 1; i < breakpoints.size() && count < maxPieces; ++i)
        pieces[count++] =
            split(breakpoints[i - 1], breakpoints[i], rule(breakpoints[i - 1], breakpoints[i]));
    while (true)
    {
        double total = 0.0;
        double error = 0.0;
        std::size_t worst = 0;
        for (std::size_t i = 0; i < count; ++i)
        {
            total += pieces[i].left + pieces[i].right;
            error += pieces[i].error;
            if (pieces[i].error > pieces[worst].error)
                worst = i;
        }
        if (!(error > relativeTolerance * std::fabs(total)) || count == maxPieces)
            return total;
        const Piece piece = pieces[worst];
        const double middle = (piece.a + piece.b) / 2;
        pieces[worst] = split(piece.a, middle, piece.left);
        pieces[count++] = split(middle, piece.b, piece.right);
    }
}

} // namespace Brosquin
