#pragma once

#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesMultipleSamplingPlan.h"
#include "plans/DefectsPerQuantityMultipleSamplingPlan.h"
#include "plans/DefectsPerUnitMultipleSamplingPlan.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Brosquin
{

// The largest staged plans the entry dialogs accept, which must evaluate as fast as small ones:
// 1000 stages of `units` each on a lot of 2147483646, no acceptance before the last stage,
// rejection at units + 1 defectives (defects) at every stage, the most the first stage allows,
// and acceptance at units at the last; as a multiple plan for defective units, as the double plan
// of two stages of 500 x units each (a1 = 0, r1 = units + 1, a2 = units), and as a multiple plan
// for defects per unit.
enum class LargePlan
{
    defectivesMultiple,
    defectivesDouble,
    defectsPerUnitMultiple,
};

inline constexpr const char* largeLot = "2147483646";

inline std::unique_ptr<SamplingPlan> LargeStagedPlan(LargePlan kind, int units, std::int8_t method)
{
    const std::string accept = std::to_string(units);
    const std::string reject = std::to_string(units + 1);
    if (kind == LargePlan::defectivesDouble)
    {
        const std::string half = std::to_string(500 * units);
        auto plan = std::make_unique<DefectivesDoubleSamplingPlan>();
        plan->vdDescribe(half.c_str(), "0", reject.c_str(), half.c_str(), accept.c_str(), method,
                         true, largeLot);
        return plan;
    }
    constexpr int stages = 1000;
    const std::vector<String> n(stages, String(accept.c_str()));
    std::vector<String> a(stages, String("#"));
    a.back() = accept.c_str();
    const std::vector<String> r(stages, String(reject.c_str()));
    if (kind == LargePlan::defectivesMultiple)
    {
        auto plan = std::make_unique<DefectivesMultipleSamplingPlan>();
        plan->vdDescribe(stages, n.data(), a.data(), r.data(), method, true, largeLot);
        return plan;
    }
    auto plan = std::make_unique<DefectsPerUnitMultipleSamplingPlan>();
    plan->vdDescribe(stages, n.data(), a.data(), r.data(), method, true, largeLot);
    return plan;
}

// A multiple plan for defective units, lots of any size, whose counts between accept and reject
// numbers are many and far apart: 3 stages of 1,000,000 units, no acceptance at the first stage,
// rejection there at `band` defectives, and after the second stage `band` counts that go on
// (accept at band + 10, reject at 2 band + 11); the last stage accepts at 2.5 band + 11.
inline std::unique_ptr<SamplingPlan> WideStagedPlan(int band)
{
    const auto text = [](long long number) { return String(std::to_string(number).c_str()); };
    const long long w = band;
    const std::vector<String> n(3, String("1000000"));
    const std::vector<String> a = {String("#"), text(w + 10), text(5 * w / 2 + 11)};
    const std::vector<String> r = {text(w), text(2 * w + 11), text(5 * w / 2 + 12)};
    auto plan = std::make_unique<DefectivesMultipleSamplingPlan>();
    plan->vdDescribe(3, n.data(), a.data(), r.data(), 0, false, "");
    return plan;
}

// A multiple plan for defects per quantity, lots of any size, that goes on at every count below
// 95,105 and accepts only at the last stage: 8 stages of 40.8, 209.1, 25.75, 7, 48, 13.75, 141.1
// and 175.1 units, no acceptance before the last, rejection at 95,105 at every stage and
// acceptance at 95,104 at the last. Its counts that reject can have reached a stage far beyond its
// bands, but only at levels at which nearly every lot is rejected.
inline std::unique_ptr<SamplingPlan> LateAcceptancePlan()
{
    const std::vector<String> n = {"40.8", "209.1", "25.75", "7", "48", "13.75", "141.1", "175.1"};
    std::vector<String> a(8, String("#"));
    a.back() = "95104";
    const std::vector<String> r(8, String("95105"));
    auto plan = std::make_unique<DefectsPerQuantityMultipleSamplingPlan>();
    plan->vdDescribe(8, n.data(), a.data(), r.data(), "Foot", 0, false, "");
    return plan;
}

// The plan of a benchmark's arguments: the kind of large plan, the units a stage and the method of
// curtailing.
inline std::unique_ptr<SamplingPlan> LargeStagedPlanOf(const benchmark::State& state)
{
    return LargeStagedPlan(static_cast<LargePlan>(state.range(0)), static_cast<int>(state.range(1)),
                           static_cast<std::int8_t>(state.range(2)));
}

} // namespace Brosquin
