#pragma once

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DoubleSamplingPlan.h"

namespace Brosquin
{

// A double plan on the count of defective units.
class DefectivesDoubleSamplingPlan : public DoubleSamplingPlan<DefectivesSamplingPlan>
{
public:
    DefectivesDoubleSamplingPlan();
    ~DefectivesDoubleSamplingPlan() override;
    DefectivesDoubleSamplingPlan* Clone() const override;

    // Checks the entry texts: 0, or the number of the first offending field (1 n1, 2 a1, 3 r1,
    // 4 n2, 5 a2, 6 method, 7 lot size) with its message. Methods of curtailing: 0 none, 1 full,
    // 2 on acceptance only, 3 on rejection only, 4 on the second stage only, 5 on its acceptance
    // only, 6 on its rejection only.
    static int SetFromText(const char* n1, const char* a1, const char* r1, const char* n2,
                           const char* a2, std::int8_t method, bool lotSizeGiven,
                           const char* lotSize, String& message);
    // Sets the plan from texts; a plan they do not make is left not valid, described by the
    // reason. The summary is recomputed either way.
    void vdDescribe(const char* n1, const char* a1, const char* r1, const char* n2, const char* a2,
                    std::int8_t method, bool lotSizeGiven, const char* lotSize);
    // The double plan of least cost C0 ASN(p) + C1 E{#Stages}(p) meeting the levels, all in the
    // current units; null with the reason in message when no double plan beats the single plan.
    // The search tells progress how far it has come, and stops when it says so (the message
    // then says that the search was cut short).
    static DefectivesDoubleSamplingPlan* DesignFromTwoLevels(double aql, double ltpd, double p,
                                                             double c0, double c1, String& message,
                                                             const DesignProgress& progress = {});
    static DefectivesDoubleSamplingPlan*
    DesignFromThreeLevels(double aql, double maximumAQL, double ltpd, double p, double c0,
                          double c1, String& message, const DesignProgress& progress = {});

private:
    DefectivesDoubleSamplingPlan(const DefectivesDoubleSamplingPlan& other) = default;
};

} // namespace Brosquin
