#pragma once

#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesMultipleSamplingPlan.h"
#include "plans/DefectsPerUnitMultipleSamplingPlan.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Brosquin
{

// The largest staged plans the entry dialogs accept, which must evaluate as fast as small ones:
// 1000 stages of `units` each on a lot of 2147483646, no acceptance before the last stage,
// rejection at 101 defectives (defects) at every stage and acceptance at 100 at the last; as a
// multiple plan for defective units, as the double plan of two stages of 500 x units each
// (a1 = 0, r1 = 101, a2 = 100), and as a multiple plan for defects per unit.
enum class LargePlan
{
    defectivesMultiple,
    defectivesDouble,
    defectsPerUnitMultiple,
};

inline constexpr const char* largeLot = "2147483646";

inline std::unique_ptr<SamplingPlan> LargeStagedPlan(LargePlan kind, int units, std::int8_t method)
{
    if (kind == LargePlan::defectivesDouble)
    {
        const std::string half = std::to_string(500 * units);
        auto plan = std::make_unique<DefectivesDoubleSamplingPlan>();
        plan->vdDescribe(half.c_str(), "0", "101", half.c_str(), "100", method, true, largeLot);
        return plan;
    }
    constexpr int stages = 1000;
    const std::vector<String> n(stages, String(std::to_string(units).c_str()));
    std::vector<String> a(stages, String("#"));
    a.back() = "100";
    const std::vector<String> r(stages, String("101"));
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

} // namespace Brosquin
