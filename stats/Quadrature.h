#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>

// Integrals of positive functions, to about 1e-13 relative.

namespace Brosquin
{

// The most nodes IntegrateFromPeak asks for at once.
inline constexpr int peakBatch = 4;

// The integral over the whole line of f(u) / f(mode), for f smooth and positive with one peak at
// mode, given as ratios(first, spacing, values), which puts f(u) / f(mode) at
// u = first + i spacing into each values[i] (at most peakBatch of them): nodes come in runs, so
// that the processor can work on several together. The trapezoid rule with nodes at multiples of
// step from the mode, out on each side until the ratio falls below e^-38; its error falls at
// least like e^(-a / h) with the step h (like e^(-a / h^2) for a Gaussian). The sums at h, 2h
// and 4h come from the same nodes; with their differences d2 = |T(h) - T(2h)| and
// d4 = |T(h) - T(4h)|, that law puts the error of T(h) at d2^3 / d4^2 (the faster law lower
// still). The step is halved until that is below 1e-15 of the sum and d2 below 1e-4 of it, so
// that the law is applied only where the rule has converged; a step near the largest that
// suffices costs about no halving.
template <class F> double IntegrateFromPeak(F ratios, double mode, double step)
{
    constexpr double negligible = 3.1e-17; // e^-38
    constexpr double tolerance = 1e-15;
    constexpr double converged = 1e-4;
    constexpr int maxHalvings = 6;
    constexpr int maxNodes = 5000;
    double h = step;
    // Sums of the ratio over the nodes mode + k h for k = -below ... above, over the even k and
    // over the k divisible by 4.
    double all = 1.0;
    double even = 1.0;
    double fourth = 1.0;
    int below = 0;
    int above = 0;
    std::array<double, peakBatch> values;
    // The next run on one side, added up to the first negligible ratio.
    const auto extend = [&](int& reach, double direction)
    {
        ratios(mode + direction * (reach + 1) * h, direction * h, std::span<double>(values));
        for (const double value : values)
        {
            if (!(value > negligible) || reach == maxNodes)
                return false;
            ++reach;
            all += value;
            if (reach % 2 == 0)
                even += value;
            if (reach % 4 == 0)
                fourth += value;
        }
        return true;
    };
    for (bool right = true, left = true; right || left;)
    {
        if (right)
            right = extend(above, 1.0);
        if (left)
            left = extend(below, -1.0);
    }
    for (int halving = 0;; ++halving)
    {
        const double estimate = h * all;
        const double d2 = std::fabs(estimate - 2 * h * even);
        const double d4 = std::fabs(estimate - 4 * h * fourth);
        if ((d2 <= converged * estimate && d2 * d2 * d2 <= tolerance * estimate * d4 * d4) ||
            halving == maxHalvings)
            return estimate;
        double odd = 0.0;
        for (int i = -below - 1; i <= above; i += peakBatch)
        {
            const std::span<double> run(
                values.data(), static_cast<std::size_t>(std::min(peakBatch, above + 1 - i)));
            ratios(mode + (i + 0.5) * h, h, run);
            for (const double value : run)
                odd += value;
        }
        fourth = even;
        even = all;
        all += odd;
        h /= 2;
        below = 2 * below + 1;
        above = 2 * above + 1;
    }
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
