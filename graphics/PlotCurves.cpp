// Sampling the lines of a Plot into segments, and fitting its Y range around them.

#include "graphics/Plot.h"

#include "core/IntervalOptimize.h"
#include "core/RealOf.h"

#include <cmath>

namespace Brosquin
{

namespace
{

// Step sampling is used up to this many steps over the X range; a finer step is drawn at the
// plot's resolution instead.
constexpr double MostSteps = 500.0;

bool HasStep(const LineInfo& line)
{
    // A step of 0 or below (or not a number) means none: such a step could never advance.
    return line.stepValue > RealOf(0.0);
}

} // namespace

bool Plot::HasXRange() const
{
    return xMinimum < xMaximum;
}

bool Plot::HasYRange() const
{
    return yMinimum < yMaximum;
}

void Plot::vdPushOffAxisValues(bool withRanges)
{
    for (const std::unique_ptr<OffAxisVariableInfo>& info : offAxis)
    {
        if (info->variable != nullptr)
        {
            info->variable->value = info->value;
            if (withRanges)
            {
                info->variable->range = info->value;
            }
        }
    }
}

bool Plot::SampleLine(LineInfo& line, std::vector<Real>& x, std::vector<Real>& y)
{
    x.clear();
    y.clear();
    line.tooDense = false;
    if (line.pointFunction == nullptr)
    {
        // The attached points from the first at or right of X minimum up to X maximum.
        std::size_t first = 0;
        while (first < line.xValues.size() && !(line.xValues[first] >= xMinimum))
        {
            ++first;
        }
        for (std::size_t i = first; i < line.xValues.size() && !(line.xValues[i] > xMaximum); ++i)
        {
            x.push_back(line.xValues[i]);
            y.push_back(line.yValues[i]);
        }
        return !x.empty();
    }
    if (variable == nullptr)
    {
        return false;
    }
    auto sample = [&](const Real& at)
    {
        x.push_back(at);
        variable->value = at;
        y.push_back(*line.pointFunction(line.context1, line.context2));
    };
    const double low = xMinimum.dValue();
    const double high = xMaximum.dValue();
    const bool stepped = HasStep(line);
    const double step = line.stepValue.dValue();
    if (stepped && (high - low) / step <= MostSteps)
    {
        // The multiples of the step within the range, each computed afresh so that rounding
        // does not accumulate.
        const double firstMultiple = std::ceil(low / step);
        for (int k = 0; k <= MostSteps + 1; ++k)
        {
            const Real at = RealOf(step * (firstMultiple + k));
            if (!(at <= xMaximum))
            {
                break;
            }
            sample(at);
        }
        return true;
    }
    line.tooDense = stepped;
    const int n = ResolutionPoints[resolution];
    for (int i = 0; i < n; ++i)
    {
        sample(RealOf(low + (high - low) * i / n));
    }
    // The last sample is X maximum itself, never a rounding beyond it.
    sample(xMaximum);
    return true;
}

void Plot::vdCutIntoSegments(std::uint32_t k, const std::vector<Real>& x,
                             const std::vector<Real>& y)
{
    const double xLow = xMinimum.dValue();
    const double xSpan = xMaximum.dValue() - xLow;
    const double yLow = yMinimum.dValue();
    const double ySpan = yMaximum.dValue() - yLow;
    auto inside = [&](std::size_t i)
    { return IsNumber(x[i]) && y[i] >= yMinimum && y[i] <= yMaximum; };
    auto add = [&](std::vector<double>& segment, double atX, double atY)
    {
        segment.push_back((atX - xLow) * 10.0 / xSpan);
        segment.push_back(10.0 - (atY - yLow) * 10.0 / ySpan);
    };
    // The point where the chord from an outside sample to an inside one meets the edge that
    // the outside sample lies beyond; none when the outside sample is not a number.
    auto addCrossing = [&](std::vector<double>& segment, std::size_t outside, std::size_t in)
    {
        if (!IsNumber(x[outside]) || !IsNumber(y[outside]))
        {
            return;
        }
        const double edge = y[outside] < yMinimum ? yLow : yMaximum.dValue();
        const double yOut = y[outside].dValue();
        const double share = (edge - yOut) / (y[in].dValue() - yOut);
        const double xOut = x[outside].dValue();
        add(segment, xOut + (x[in].dValue() - xOut) * share, edge);
    };
    std::size_t a = 0;
    while (a < x.size())
    {
        if (!inside(a))
        {
            ++a;
            continue;
        }
        std::size_t b = a;
        while (b + 1 < x.size() && inside(b + 1))
        {
            ++b;
        }
        std::vector<double> segment{0.0, static_cast<double>(k)};
        segment.reserve(2 * (b - a + 4));
        if (a > 0)
        {
            addCrossing(segment, a - 1, a);
        }
        for (std::size_t i = a; i <= b; ++i)
        {
            add(segment, x[i].dValue(), y[i].dValue());
        }
        if (b + 1 < x.size())
        {
            addCrossing(segment, b + 1, b);
        }
        segment[0] = static_cast<double>((segment.size() - 2) / 2);
        segments.push_back(std::move(segment));
        a = b + 2;
    }
}

void Plot::vdCalculateLines()
{
    segments.clear();
    // A degenerate range has no plot units to map into: nothing is drawn.
    if (HasXRange() && HasYRange())
    {
        vdPushOffAxisValues(false);
        std::vector<Real> x;
        std::vector<Real> y;
        x.reserve(ResolutionPoints[ResolutionCount - 1] + 1);
        y.reserve(x.capacity());
        for (std::uint32_t k = 1; k <= LineCount(); ++k)
        {
            if (SampleLine(*lines[k - 1], x, y))
            {
                vdCutIntoSegments(k, x, y);
            }
        }
    }
    rebuild = false;
}

void Plot::vdAutoScale()
{
    if (LineCount() > 0 && HasXRange())
    {
        Real lowest;
        Real highest;
        lowest.vdSetMessage("No lines");
        highest = lowest;
        auto lowCandidate = [&](const Real& v)
        {
            if (IsNumber(v) && (!IsNumber(lowest) || v < lowest))
            {
                lowest = v;
            }
        };
        auto highCandidate = [&](const Real& v)
        {
            if (IsNumber(v) && (!IsNumber(highest) || v > highest))
            {
                highest = v;
            }
        };
        vdPushOffAxisValues(true);
        std::vector<Real> x;
        std::vector<Real> y;
        for (const std::unique_ptr<LineInfo>& line : lines)
        {
            const bool function = line->pointFunction != nullptr;
            if (function && line->intervalFunction != nullptr && !HasStep(*line))
            {
                if (variable == nullptr)
                {
                    continue;
                }
                variable->lower = xMinimum;
                variable->upper = xMaximum;
                IntervalOptimize::vdSetRelativePrecision(0.01);
                IntervalOptimize::vdSetTrialLimit(100);
                OptimizationInput* const variables[1] = {variable};
                Real bestPoint[1];
                Real low;
                Real high;
                RunIntervalOptimize(line->intervalFunction, line->pointFunction, line->context1,
                                    line->context2, variables, bestPoint, &low, false, false,
                                    nullptr);
                RunIntervalOptimize(line->intervalFunction, line->pointFunction, line->context1,
                                    line->context2, variables, bestPoint, &high, true, false,
                                    nullptr);
                lowCandidate(low);
                highCandidate(high);
            }
            else if ((!function || HasStep(*line)) && SampleLine(*line, x, y))
            {
                for (const Real& v : y)
                {
                    lowCandidate(v);
                    highCandidate(v);
                }
            }
        }
        if (IsNumber(lowest) && IsNumber(highest))
        {
            vdFitYRange(lowest, highest);
        }
    }
    scaleChanged = false;
}

void Plot::vdFitYRange(const Real& lowest, const Real& highest)
{
    double low = lowest.dValue();
    double high = highest.dValue();
    if (lowest == highest)
    {
        low -= 1.0;
        high += 1.0;
    }
    const double range = high - low;
    // A constant beyond the reach of +-1 has no decimal range to round to.
    if (!(range > 0.0) || !std::isfinite(range))
    {
        return;
    }
    double step = std::pow(10.0, std::floor(std::log10(range)));
    for (int tries = 0; tries < 40; ++tries, step *= 0.1)
    {
        const double bottom = std::floor(low / step) * step;
        const double top = std::ceil(high / step) * step;
        if (bottom >= low - 0.2 * range && top <= high + 0.2 * range)
        {
            const Real newMinimum = RealOf(bottom);
            const Real newMaximum = RealOf(top);
            if (IsNumber(newMinimum) && IsNumber(newMaximum))
            {
                yMinimum = newMinimum;
                yMaximum = newMaximum;
                rebuild = true;
                vdChanged();
            }
            return;
        }
    }
}

} // namespace Brosquin
