#include "stats/UnimodalMaximum.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Brosquin
{

namespace
{

// Three levels l < m < r with their values.
struct Triple
{
    double l, m, r;
    double gl, gm, gr;
};

// Where the parabola through a triple whose middle value is the largest peaks.
double Vertex(const Triple& t)
{
    const double left = (t.m - t.l) * (t.gm - t.gr);
    const double right = (t.m - t.r) * (t.gm - t.gl);
    return t.m - 0.5 * ((t.m - t.l) * left - (t.m - t.r) * right) / (left - right);
}

} // namespace

MaximumResult MaximumOfUnimodal(const std::function<double(double)>& measure, double lowest,
                                double highest, double first, double second, double tolerance,
                                int limit)
{
    constexpr double rounding = 4 * std::numeric_limits<double>::epsilon();
    // A bracket closing on a level of 0 never gets narrow relative to its ends: it would halve
    // about a thousand times, until it underflows. It ends once it is within rounding of 0 at
    // the scale of the starting points.
    const double narrowest =
        tolerance * std::numeric_limits<double>::epsilon() * (std::fabs(first) + std::fabs(second));
    double a = lowest;
    double b = highest;
    const double middle = (first + second) / 2;
    Triple t{first, middle, second, measure(first), measure(middle), measure(second)};
    double widthBefore = HUGE_VAL;
    double best = middle;
    double value = t.gm;
    for (int i = 0; i < limit; ++i)
    {
        // Of the triple the largest is kept; by unimodality the peak lies between its
        // neighbours (ties go to the middle, then to the right). An end above the middle by no
        // more than rounding (as two levels close to an end of the range can be) does not place
        // the peak on its side: the bracket then keeps the middle's other neighbour.
        const bool peaked = t.gm >= t.gl && t.gm >= t.gr;
        const auto ties = [](double x, double y) { return x - y <= rounding * std::fabs(y); };
        if (peaked)
        {
            a = t.l;
            b = t.r;
            best = t.m;
            value = t.gm;
        }
        else if (t.gl > t.gr)
        {
            b = ties(t.gl, t.gm) ? t.r : t.m;
            best = t.l;
            value = t.gl;
        }
        else
        {
            a = ties(t.gr, t.gm) ? t.l : t.m;
            best = t.r;
            value = t.gr;
        }
        const double width = b - a;
        if (!(width > tolerance * (std::fabs(a) + std::fabs(b))) || !(width > narrowest))
            break;
        // The next triple (see the header). The vertex and as far again beyond it straddle the
        // peak once the parabola fits it, and the bracket then shrinks to about the vertex's
        // error; where the values are equal to rounding the peak cannot be placed closer, and
        // the closest points beside the best level end the search. A vertex that would leave
        // the bracket, or none, gives way to the halfway points.
        const double closest = tolerance * (std::fabs(a) + std::fabs(b)) / 4;
        const bool halved = width <= widthBefore / 2;
        widthBefore = width;
        double l = (a + best) / 2;
        double r = (best + b) / 2;
        if (halved && peaked)
        {
            const bool flat = std::fabs(t.gm - t.gl) <= rounding * std::fabs(t.gm) &&
                              std::fabs(t.gm - t.gr) <= rounding * std::fabs(t.gm);
            const double step = Vertex(t) - best;
            if (flat || std::fabs(step) <= closest)
            {
                l = std::max(l, best - closest);
                r = std::min(r, best + closest);
            }
            else if (step > 0 && best + 2 * step < b)
            {
                t = {best,  best + step,          best + 2 * step,
                     value, measure(best + step), measure(best + 2 * step)};
                continue;
            }
            else if (step < 0 && best + 2 * step > a)
            {
                t = {best + 2 * step,          best + step,          best,
                     measure(best + 2 * step), measure(best + step), value};
                continue;
            }
        }
        t = {l, best, r, measure(l), value, measure(r)};
    }
    return {best, value};
}

MaximumResult MaximumOfUnimodalOnWholeNumbers(const std::function<double(double)>& measure,
                                              double lowest, double highest, double first,
                                              double second, double tolerance, int limit)
{
    const auto nearest = [](double x) { return std::floor(x + 0.5); };
    const MaximumResult found = MaximumOfUnimodal([&](double x) { return measure(nearest(x)); },
                                                  lowest, highest, first, second, tolerance, limit);
    const double least = std::ceil(lowest);
    const double most = std::floor(highest);
    double k = std::clamp(nearest(found.level), least, most);
    double best = measure(k);
    for (int direction : {1, -1})
    {
        for (int i = 0; i < limit; ++i)
        {
            const double next = k + direction;
            if (next < least || next > most)
                break;
            const double value = measure(next);
            if (!(value > best))
                break;
            best = value;
            k = next;
        }
    }
    return {k, best};
}

} // namespace Brosquin
