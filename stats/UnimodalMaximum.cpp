#include "stats/UnimodalMaximum.h"

#include <algorithm>
#include <cmath>

namespace Brosquin
{

MaximumResult MaximumOfUnimodal(const std::function<double(double)>& measure, double lowest,
                                double highest, double first, double second, double tolerance,
                                int limit)
{
    double a = lowest;
    double b = highest;
    double x1 = first;
    double x3 = second;
    double x2 = (x1 + x3) / 2;
    double g1 = measure(x1);
    double g2 = measure(x2);
    double g3 = measure(x3);
    for (int i = 0; i < limit; ++i)
    {
        if (g2 >= g1 && g2 >= g3)
        {
            a = x1;
            b = x3;
        }
        else if (g1 > g3)
        {
            b = x2;
            x2 = x1;
            g2 = g1;
        }
        else
        {
            a = x2;
            x2 = x3;
            g2 = g3;
        }
        x1 = (a + x2) / 2;
        g1 = measure(x1);
        x3 = (x2 + b) / 2;
        g3 = measure(x3);
        if (!(b - a > tolerance * (std::fabs(a) + std::fabs(b))))
            break;
    }
    return {x2, g2};
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
