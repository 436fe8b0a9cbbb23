#pragma once

#include "plans/DefectsPerQuantitySamplingPlan.h"
#include "plans/MultipleSamplingPlan.h"

namespace Brosquin
{

// A multiple plan on the running count of defects in amounts of material.
class DefectsPerQuantityMultipleSamplingPlan
    : public MultipleSamplingPlan<DefectsPerQuantitySamplingPlan>
{
public:
    DefectsPerQuantityMultipleSamplingPlan();
    ~DefectsPerQuantityMultipleSamplingPlan() override;
    DefectsPerQuantityMultipleSamplingPlan* Clone() const override;

    // Checks the texts of S >= 2 stages (an accept number "#": no acceptance at that stage): 0,
    // or the code of the first offending field (3(k - 1) + 1, + 2, + 3 for stage k's sample
    // amount, accept and reject number, 3S + 1 the units, 3S + 2 the method, 3S + 3 the lot
    // amount) with its message. Methods of curtailing: 0 none, 1 on rejection at every stage,
    // 2 on rejection at every stage but the first.
    static int SetFromText(int S, const String n[], const String a[], const String r[],
                           const char* unitsText, std::int8_t method, bool lotSizeGiven,
                           const char* lotSize, String& message);
    // Sets the plan from texts; texts that do not make a plan leave it not valid, described by
    // the reason. The summary is recomputed either way.
    void vdDescribe(int S, const String n[], const String a[], const String r[],
                    const char* unitsText, std::int8_t method, bool lotSizeGiven,
                    const char* lotSize);

private:
    DefectsPerQuantityMultipleSamplingPlan(const DefectsPerQuantityMultipleSamplingPlan& other) =
        default;
};

} // namespace Brosquin
