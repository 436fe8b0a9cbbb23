#pragma once

#include "core/FixedSizeMemoryManager.h"
#include "core/Interval.h"
#include "core/OptimizationInput.h"
#include "core/Real.h"

#include <cstdint>
#include <memory>
#include <span>

namespace Brosquin
{

// The function to optimise, at the variables' current values and over their current ranges. The
// result lives in the callee and stays valid until the next call; a message means the function is
// not defined there. The two contexts are handed on unchanged.
using OptimizationPointFunction = const Real* (*)(void* context1, void* context2);
using OptimizationIntervalFunction = const Interval* (*)(void* context1, void* context2);

// Watches a search: receives its messages and may ask it to stop.
class OptimizationMonitor
{
public:
    virtual ~OptimizationMonitor() = default;
    // final is false for "Optimization started." and the "Trial " progress lines, true for the
    // closing message.
    virtual void vdMessage(const char* text, bool final) = 0;

    // Set by the owner to stop the search at its next pass.
    bool stopRequested = false;
};

// Finds the global minimum (or maximum) of a function of bounded variables by interval branch
// and bound. The constructor runs the whole search; bestValue and bestPoint receive the result,
// or "Optimization failed". The variables are left at the last point and box evaluated.
class IntervalOptimize
{
public:
    IntervalOptimize(OptimizationIntervalFunction intervalFunction,
                     OptimizationPointFunction pointFunction, void* context1, void* context2,
                     std::span<OptimizationInput* const> variables, std::span<Real> bestPoint,
                     Real* bestValue, bool maximise, bool requireImprovement,
                     OptimizationMonitor* monitor);
    IntervalOptimize(const IntervalOptimize&) = delete;
    IntervalOptimize& operator=(const IntervalOptimize&) = delete;
    ~IntervalOptimize();

    // Process-wide settings shared by every run: the relative gap between bound and value at
    // which a box counts as converged (initially 1e-6), and the most boxes a run examines
    // (initially 10000).
    static double dRelativePrecision() { return relativePrecision; }
    static void vdSetRelativePrecision(double precision) { relativePrecision = precision; }
    static std::uint32_t TrialLimit() { return trialLimit; }
    static void vdSetTrialLimit(std::uint32_t limit) { trialLimit = limit; }

    // Boxes taken from the work list.
    std::uint32_t Trials() const { return trials; }

private:
    struct Box;
    enum class Finish
    {
        UserRequest,
        Completed,
        TimeLimit,
        Memory,
        PrecisionLimit,
        Unexpected,
    };

    void vdStep();
    const Real& EvaluateAtPoint();
    // The function over the variables' current ranges into boxValue and at their current values
    // into pointValue, both negated when maximising.
    void vdEvaluate();
    // Gives the box the bound and estimate just evaluated, and keeps the point as the best one
    // when it is better.
    void vdScoreBox(Box* box);
    void vdInsert(Box* box);
    Box* NewBox();
    void vdReleaseBox(Box* box);
    void vdRecordBestPoint();
    void vdSendProgress(const Box* box);
    void vdFinish(Finish reason);
    void vdFailed();
    void vdCleanUp();
    void vdSend(const char* text, bool final);

    static inline double relativePrecision = 1e-6;
    static inline std::uint32_t trialLimit = 10000;

    OptimizationIntervalFunction intervalFunction;
    OptimizationPointFunction pointFunction;
    void* context1;
    void* context2;
    std::span<OptimizationInput* const> variables;
    std::span<Real> bestPoint;
    Real* bestValue;
    bool maximise;
    bool requireImprovement;
    OptimizationMonitor* monitor;
    std::unique_ptr<FixedSizeMemoryManager> boxPool;
    Real pointValue;
    Interval boxValue;
    std::uint32_t trials = 0;
    Box* front = nullptr;
    Box* back = nullptr;
    Real startValue;
};

// Runs one search (see IntervalOptimize). Before the call the caller sets each variable's lower
// and upper, and may set its value as a starting point.
void RunIntervalOptimize(OptimizationIntervalFunction intervalFunction,
                         OptimizationPointFunction pointFunction, void* context1, void* context2,
                         std::span<OptimizationInput* const> variables, std::span<Real> bestPoint,
                         Real* bestValue, bool maximise, bool requireImprovement,
                         OptimizationMonitor* monitor);

} // namespace Brosquin
