#pragma once

#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/MultipleSamplingPlan.h"

namespace Brosquin
{

// A multiple plan on the running count of defects in units.
class DefectsPerUnitMultipleSamplingPlan : public MultipleSamplingPlan<DefectsPerUnitSamplingPlan>
{
public:
    DefectsPerUnitMultipleSamplingPlan();
    ~DefectsPerUnitMultipleSamplingPlan() override;
    DefectsPerUnitMultipleSamplingPlan* Clone() const override;

    // Checks the texts of S >= 2 stages (an accept number "#": no acceptance at that stage): 0,
    // or the code of the first offending field (3(k - 1) + 1, + 2, + 3 for stage k's sample
    // size, accept and reject number, 3S + 1 the method, 3S + 2 the lot size) with its message.
    // Methods of curtailing: 0 none, 1 on rejection at every
    // stage, 2 on rejection at every stage but the first.
    static int SetFromText(int S, const String n[], const String a[], const String r[],
                           std::int8_t method, bool lotSizeGiven, const char* lotSize,
                           String& message);
    // Sets the plan from texts; texts that do not make a plan leave it not valid, described by
    // the reason. The summary is recomputed either way.
    void vdDescribe(int S, const String n[], const String a[], const String r[], std::int8_t method,
                    bool lotSizeGiven, const char* lotSize);

private:
    DefectsPerUnitMultipleSamplingPlan(const DefectsPerUnitMultipleSamplingPlan& other) = default;
};

} // namespace Brosquin
