#pragma once

#include "core/RealOf.h"
#include "plans/SamplingPlan.h"

#include <benchmark/benchmark.h>

namespace Brosquin
{

// Every curve the evaluation window draws for a plan whose Pa has bounds, at 1001 quality levels
// from 0 to upper, curve by curve as the plots ask for them.
inline void vdEvaluateCurves(SamplingPlan& plan, double upper)
{
    for (auto curve : {&SamplingPlan::dPa, &SamplingPlan::dPaMaximum, &SamplingPlan::dPaMinimum,
                       &SamplingPlan::dASN, &SamplingPlan::dCost, &SamplingPlan::dAOQ})
        for (int i = 0; i <= 1000; ++i)
            benchmark::DoNotOptimize((plan.*curve)(RealOf(upper * i / 1000)).dValue());
}

} // namespace Brosquin
