#include "plans/QualityLevelRange.h"

#include "core/RealOf.h"

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

// Tolerance of the whole-number tests: x t is taken as whole when floor(x t) / (x t) is 1 within
// it, so that the rounding errors of k x unit do not spoil the score of a round end.
constexpr double wholeTolerance = 1e-5;
constexpr int mostRoundness = 10;

bool IsWhole(double x)
{
    return std::fabs(std::floor(x) / x - 1) < wholeTolerance;
}

// The window of ten units of size m x scale that starts at the unit at or below lo (one unit
// lower still for a negative lo).
struct Window
{
    Window(double lo, double m, double scale) : unit(m * scale)
    {
        a = std::floor(lo / unit) * unit;
        if (lo < 0)
            a -= unit;
        b = a + 10 * unit;
    }
    void vdShiftDown()
    {
        a -= unit;
        b -= unit;
    }
    double Score() const { return std::max(Roundness(a), Roundness(b)); }

    double unit;
    double a;
    double b;
};

} // namespace

double Roundness(double x)
{
    if (x == 0)
        return 20;
    double e = 0;
    if (IsWhole(x))
    {
        e = 1;
        for (double t = 10; e < mostRoundness && IsWhole(x / t); t *= 10)
            e += 1;
    }
    else
    {
        e = -1;
        for (double t = 10; e > -mostRoundness && !IsWhole(x * t); t *= 10)
            e -= 1;
    }
    return e;
}

void RoundRange(Real& lo, Real& hi)
{
    if (lo == hi)
    {
        hi = lo + RealOf(1);
        return;
    }
    if (!IsNumber(lo) || !IsNumber(hi) || hi < lo)
        return;
    const double low = lo.dValue();
    const double high = hi.dValue();

    // The range is eight units of d x scale with 1 < d <= 10.
    double d = (high - low) * 0.125;
    double scale = 1;
    while (d > 10)
    {
        d *= 0.1;
        scale *= 10;
    }
    while (d <= 1)
    {
        d *= 10;
        scale *= 0.1;
    }
    double m = d <= 2 ? 2 : d <= 5 ? 5 : 10;
    Window window(low, m, scale);
    if (window.b < high)
    {
        m = m == 2 ? 5 : m == 5 ? 10 : 20;
        window = Window(low, m, scale);
    }

    // Ten shifts take the window's top down to where its bottom was, below hi; the bound also
    // ends the walk where a unit is too small to move the window at all.
    Window best = window;
    double bestScore = best.Score();
    for (int shift = 0; shift < 10; ++shift)
    {
        window.vdShiftDown();
        if (window.b < high)
            break;
        const double score = window.Score();
        if (score > bestScore)
        {
            best = window;
            bestScore = score;
        }
    }
    lo = RealOf(best.a);
    hi = RealOf(best.b);
}

} // namespace Brosquin
