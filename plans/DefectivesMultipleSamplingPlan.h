#pragma once

#include "plans/DefectivesSamplingPlan.h"
#include "plans/MultipleSamplingPlan.h"

namespace Brosquin
{

// A multiple plan on the running count of defective units.
class DefectivesMultipleSamplingPlan : public MultipleSamplingPlan<DefectivesSamplingPlan>
{
public:
    DefectivesMultipleSamplingPlan();
    ~DefectivesMultipleSamplingPlan() override;
    DefectivesMultipleSamplingPlan* Clone() const override;

    // Checks the texts of S >= 2 stages (an accept number "#": no acceptance at that stage): 0,
    // or the code of the first offending field (3(k - 1) + 1, + 2, + 3 for stage k's sample
    // size, accept and reject number, 3S + 1 the method, 3S + 2 the lot size) with its message.
    // Methods of curtailing: 0 none, 1 full, 2 on acceptance at every
    // stage, 3 on rejection at every stage, 4 at every stage but the first, 5 on acceptance
    // there, 6 on rejection there.
    static int SetFromText(int S, const String n[], const String a[], const String r[],
                           std::int8_t method, bool lotSizeGiven, const char* lotSize,
                           String& message);
    // Sets the plan from texts; texts that do not make a plan leave it not valid, described by
    // the reason. The summary is recomputed either way.
    void vdDescribe(int S, const String n[], const String a[], const String r[], std::int8_t method,
                    bool lotSizeGiven, const char* lotSize);

private:
    DefectivesMultipleSamplingPlan(const DefectivesMultipleSamplingPlan& other) = default;
};

} // namespace Brosquin
