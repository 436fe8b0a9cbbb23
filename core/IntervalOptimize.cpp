#include "core/IntervalOptimize.h"

#include "core/RealOf.h"
#include "core/String.h"

#include <cmath>
#include <new>

namespace Brosquin
{

// One block of the box pool: this header followed by one range per variable.
struct IntervalOptimize::Box
{
    Box* previous = nullptr;
    Box* next = nullptr;
    double lowerBound = 0.0;    // of the function's interval over the box, after negation
    double upperEstimate = 0.0; // the value at the midpoint, else the upper end of the interval
    std::size_t splitIndex = 0; // the coordinate to bisect first

    Interval& Range(std::size_t i)
    {
        return *std::launder(reinterpret_cast<Interval*>(reinterpret_cast<unsigned char*>(this) +
                                                         sizeof(Box) + i * sizeof(Interval)));
    }
};

namespace
{

// The closing messages by reason and outcome: no valid point, no better point, better point.
const char* const FinishingMessages[6][3] = {
    {"Optimization terminated at users request.  No valid point found.",
     "Optimization interrupted at users request.  No better point found.",
     "Optimization interrupted at users request.  Better point found."},
    {"", "Optimization completed.  No better point found.",
     "Optimization completed.  Better point found."},
    {"Optimization reached time limit.  No valid point found.",
     "Optimization reached time limit.  No better point found.",
     "Optimization reached time limit.  Better point found."},
    {"Optimization ran out of memory.  No valid point found.",
     "Optimization ran out of memory.  No better point found.",
     "Optimization ran out of memory.  Better point found."},
    {"Optimization reached precision limit.  No valid point found.",
     "Optimization reached precision limit.  No better point found.",
     "Optimization reached precision limit.  Better point found."},
    {"Unexpected termination.  No valid point found.",
     "Unexpected termination.  No better point found.",
     "Unexpected termination.  Better point found."},
};

// A bound or value in the progress text: 5 significant digits, or infinity when it is beyond the
// range of a Real.
void vdAppendBound(String& text, const Real& value, const char* infinity)
{
    text += IsNumber(value) ? value.Text(5, true) : infinity;
}

} // namespace

IntervalOptimize::IntervalOptimize(OptimizationIntervalFunction intervalFunction,
                                   OptimizationPointFunction pointFunction, void* context1,
                                   void* context2, std::span<OptimizationInput* const> variables,
                                   std::span<Real> bestPoint, Real* bestValue, bool maximise,
                                   bool requireImprovement, OptimizationMonitor* monitor)
    : intervalFunction(intervalFunction), pointFunction(pointFunction), context1(context1),
      context2(context2), variables(variables), bestPoint(bestPoint), bestValue(bestValue),
      maximise(maximise), requireImprovement(requireImprovement), monitor(monitor)
{
    vdSend("Optimization started.", false);
    boxPool = std::make_unique<FixedSizeMemoryManager>(
        static_cast<std::uint32_t>(sizeof(Box) + variables.size() * sizeof(Interval)), 100);

    bool usable = true;
    for (const OptimizationInput* variable : variables)
    {
        if (!IsNumber(variable->value) || variable->value > variable->upper ||
            variable->value < variable->lower)
        {
            usable = false;
            break;
        }
    }
    if (usable)
    {
        startValue = EvaluateAtPoint();
        vdRecordBestPoint();
    }
    else
    {
        startValue.vdSetMessage("No old");
        for (Real& coordinate : bestPoint)
        {
            coordinate = startValue;
        }
    }
    *bestValue = startValue;

    Box* box = NewBox();
    if (box == nullptr)
    {
        vdFinish(Finish::Memory);
        return;
    }
    const Real half = RealOf(0.5);
    for (std::size_t i = 0; i < variables.size(); ++i)
    {
        OptimizationInput& variable = *variables[i];
        box->Range(i).SetEnds(variable.lower, variable.upper);
        variable.range = box->Range(i);
        variable.value = (variable.lower + variable.upper) * half;
    }
    vdEvaluate();
    if (boxValue.IsMessage())
    {
        vdReleaseBox(box);
        vdFailed();
        vdSend("Optimization aborted.  Function not valid over entire domain.", true);
        return;
    }
    vdScoreBox(box);
    front = back = box;
    while (front != nullptr)
    {
        vdStep();
    }
}

IntervalOptimize::~IntervalOptimize() = default;

void RunIntervalOptimize(OptimizationIntervalFunction intervalFunction,
                         OptimizationPointFunction pointFunction, void* context1, void* context2,
                         std::span<OptimizationInput* const> variables, std::span<Real> bestPoint,
                         Real* bestValue, bool maximise, bool requireImprovement,
                         OptimizationMonitor* monitor)
{
    IntervalOptimize search(intervalFunction, pointFunction, context1, context2, variables,
                            bestPoint, bestValue, maximise, requireImprovement, monitor);
}

const Real& IntervalOptimize::EvaluateAtPoint()
{
    pointValue = *pointFunction(context1, context2);
    if (maximise)
    {
        pointValue.Negate();
    }
    return pointValue;
}

void IntervalOptimize::vdEvaluate()
{
    boxValue = *intervalFunction(context1, context2);
    if (maximise)
    {
        boxValue.Negate();
    }
    EvaluateAtPoint();
}

void IntervalOptimize::vdScoreBox(Box* box)
{
    box->lowerBound = boxValue.Lower();
    box->upperEstimate = IsNumber(pointValue) ? pointValue.dValue() : boxValue.Upper();
    if ((!IsNumber(*bestValue) && IsNumber(pointValue)) || pointValue < *bestValue)
    {
        *bestValue = pointValue;
        vdRecordBestPoint();
        // Bounds are compared as doubles: -1e200 stands for an unbounded box, which may still
        // hold the minimum.
        while (back != nullptr && !(back->lowerBound <= bestValue->dValue()))
        {
            Box* pruned = back;
            back = pruned->previous;
            (back != nullptr ? back->next : front) = nullptr;
            vdReleaseBox(pruned);
        }
    }
}

void IntervalOptimize::vdStep()
{
    if (monitor != nullptr && monitor->stopRequested)
    {
        vdFinish(Finish::UserRequest);
        return;
    }
    const Real half = RealOf(0.5);
    for (int pass = 0; pass < 5 && front != nullptr; ++pass)
    {
        ++trials;
        Box* box = front;
        front = box->next;
        (front != nullptr ? front->previous : back) = nullptr;
        box->next = nullptr;

        const double lowerBound = box->lowerBound;
        const double upperEstimate = box->upperEstimate;
        const double magnitude = std::fabs(lowerBound) + std::fabs(upperEstimate);
        if (upperEstimate - lowerBound <= relativePrecision * 0.5 * magnitude ||
            magnitude <= 1e-40 || upperEstimate <= -1e40 || lowerBound >= 1e40)
        {
            vdReleaseBox(box);
            vdFinish(Finish::Completed);
            return;
        }
        if (trials > trialLimit)
        {
            vdReleaseBox(box);
            vdFinish(Finish::TimeLimit);
            return;
        }
        if (monitor != nullptr && trials % 10 == 0)
        {
            vdSendProgress(box);
        }
        Box* other = NewBox();
        if (other == nullptr)
        {
            vdReleaseBox(box);
            vdFinish(Finish::Memory);
            return;
        }
        for (std::size_t i = 0; i < variables.size(); ++i)
        {
            other->Range(i) = box->Range(i);
            variables[i]->range = box->Range(i);
            variables[i]->value = (box->Range(i).Lower() + box->Range(i).Upper()) * 0.5;
        }

        // The first coordinate, from the box's split index on, that is not a single point.
        std::size_t j = 0;
        Real lo;
        Real hi;
        bool found = false;
        for (std::size_t k = 0; k < variables.size() && !found; ++k)
        {
            j = (box->splitIndex + k) % variables.size();
            lo = RealOf(box->Range(j).Lower());
            hi = RealOf(box->Range(j).Upper());
            found = !(lo == hi);
        }
        if (!found)
        {
            vdReleaseBox(box);
            vdReleaseBox(other);
            vdFinish(Finish::PrecisionLimit);
            return;
        }
        const Real mid = (lo + hi) * half;
        box->Range(j).SetEnds(lo, mid);
        other->Range(j).SetEnds(mid, hi);

        variables[j]->range = box->Range(j);
        variables[j]->value = (lo + mid) * half;
        vdEvaluate();
        vdScoreBox(box);
        variables[j]->range = other->Range(j);
        variables[j]->value = (mid + hi) * half;
        vdEvaluate();
        vdScoreBox(other);

        box->splitIndex = other->splitIndex = (j + 1) % variables.size();
        vdInsert(box);
        vdInsert(other);
    }
    if (front == nullptr)
    {
        vdFinish(Finish::Unexpected);
    }
}

void IntervalOptimize::vdInsert(Box* box)
{
    const bool worse = IsNumber(*bestValue) && box->lowerBound > bestValue->dValue();
    if (worse || box->lowerBound >= IntervalInfinityValue)
    {
        vdReleaseBox(box);
        return;
    }
    Box* after = front;
    while (after != nullptr && after->lowerBound < box->lowerBound)
    {
        after = after->next;
    }
    box->next = after;
    box->previous = after != nullptr ? after->previous : back;
    (box->previous != nullptr ? box->previous->next : front) = box;
    (after != nullptr ? after->previous : back) = box;
}

IntervalOptimize::Box* IntervalOptimize::NewBox()
{
    void* block = boxPool->Allocate(boxPool->BlockSize());
    if (block == nullptr)
    {
        return nullptr;
    }
    Box* box = ::new (block) Box;
    for (std::size_t i = 0; i < variables.size(); ++i)
    {
        ::new (&box->Range(i)) Interval;
    }
    return box;
}

void IntervalOptimize::vdReleaseBox(Box* box)
{
    for (std::size_t i = 0; i < variables.size(); ++i)
    {
        box->Range(i).~Interval();
    }
    box->~Box();
    boxPool->Free(box);
}

void IntervalOptimize::vdRecordBestPoint()
{
    for (std::size_t i = 0; i < variables.size() && i < bestPoint.size(); ++i)
    {
        bestPoint[i] = variables[i]->value;
    }
}

void IntervalOptimize::vdSendProgress(const Box* box)
{
    String text("Trial ", 80);
    text += RealOf(trials).Text(0, true);
    if (!IsNumber(*bestValue))
    {
        text += ": no valid points identfied.";
    }
    else
    {
        Real low = RealOf(box->lowerBound);
        Real high = *bestValue;
        if (maximise)
        {
            low = -*bestValue;
            high = -RealOf(box->lowerBound);
        }
        text += ": optimal bounded between ";
        vdAppendBound(text, low, "-infinity");
        text += " and ";
        vdAppendBound(text, high, "infinity");
        text += ".";
    }
    vdSend(text.Text(), false);
}

void IntervalOptimize::vdFinish(Finish reason)
{
    int outcome = 2;
    if (reason != Finish::Completed && !IsNumber(*bestValue))
    {
        outcome = 0;
    }
    else if (requireImprovement && startValue <= *bestValue)
    {
        outcome = 1;
    }
    if (outcome == 2)
    {
        vdCleanUp();
    }
    else
    {
        vdFailed();
    }
    vdSend(FinishingMessages[static_cast<int>(reason)][outcome], true);
}

void IntervalOptimize::vdFailed()
{
    bestValue->vdSetMessage("Optimization failed");
    for (Real& coordinate : bestPoint)
    {
        coordinate = *bestValue;
    }
    vdCleanUp();
}

void IntervalOptimize::vdCleanUp()
{
    while (front != nullptr)
    {
        Box* box = front;
        front = box->next;
        vdReleaseBox(box);
    }
    back = nullptr;
    boxPool.reset();
    if (maximise)
    {
        bestValue->Negate();
    }
}

void IntervalOptimize::vdSend(const char* text, bool final)
{
    if (monitor != nullptr)
    {
        monitor->vdMessage(text, final);
    }
}

} // namespace Brosquin
