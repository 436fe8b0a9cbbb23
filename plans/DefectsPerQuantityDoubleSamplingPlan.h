#pragma once

#include "plans/DefectsPerQuantitySamplingPlan.h"
#include "plans/DoubleSamplingPlan.h"

namespace Brosquin
{

// A double plan on the count of defects in amounts s1 and s2 of material.
class DefectsPerQuantityDoubleSamplingPlan
    : public DoubleSamplingPlan<DefectsPerQuantitySamplingPlan>
{
public:
    DefectsPerQuantityDoubleSamplingPlan();
    ~DefectsPerQuantityDoubleSamplingPlan() override;
    DefectsPerQuantityDoubleSamplingPlan* Clone() const override;

    // Checks the entry texts: 0, or the number of the first offending field (1 n1, 2 a1, 3 r1,
    // 4 n2, 5 a2, 6 units, 7 method, 8 lot size) with its message. Methods of curtailing: 0 none,
    // 1 on rejection at both stages, 2 on rejection at the second stage only.
    static int SetFromText(const char* n1, const char* a1, const char* r1, const char* n2,
                           const char* a2, const char* unitsText, std::int8_t method,
                           bool lotSizeGiven, const char* lotSize, String& message);
    // Sets the plan from texts; a plan they do not make is left not valid, described by the
    // reason. The summary is recomputed either way.
    void vdDescribe(const char* n1, const char* a1, const char* r1, const char* n2, const char* a2,
                    const char* unitsText, std::int8_t method, bool lotSizeGiven,
                    const char* lotSize);
    // The double plan of least cost C0 ASN(p) + C1 E{#Stages}(p) meeting the levels, in defects
    // per unit of quantity, with amounts in thousandths of the unit; null with the reason in
    // message when no double plan beats the single plan. The search reports to progress, as for
    // defective units.
    static DefectsPerQuantityDoubleSamplingPlan*
    DesignFromTwoLevels(double aql, double ltpd, double p, double c0, double c1,
                        const char* unitsText, String& message,
                        const DesignProgress& progress = {});
    static DefectsPerQuantityDoubleSamplingPlan*
    DesignFromThreeLevels(double aql, double maximumAQL, double ltpd, double p, double c0,
                          double c1, const char* unitsText, String& message,
                          const DesignProgress& progress = {});

private:
    DefectsPerQuantityDoubleSamplingPlan(const DefectsPerQuantityDoubleSamplingPlan& other) =
        default;
};

} // namespace Brosquin
