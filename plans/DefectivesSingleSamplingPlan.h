#pragma once

#include "plans/CountedSinglePlan.h"
#include "plans/DefectivesSamplingPlan.h"

#include <cstdint>

namespace Brosquin
{

// Inspect n units and accept the lot when at most a of them are defective.
class DefectivesSingleSamplingPlan : public CountedSinglePlan<DefectivesSamplingPlan>
{
public:
    DefectivesSingleSamplingPlan();
    ~DefectivesSingleSamplingPlan() override;
    DefectivesSingleSamplingPlan* Clone() const override;
    std::uint8_t PlanTypeId() const override;
    const char* PlanTypeName() const override;
    Real& dPa(const Real& p) override;
    Real& dASN(const Real& p) override;

    // Checks the entry texts: 0, or the number of the first offending field with its message.
    // Methods of curtailing: 0 none, 1 full, 2 on acceptance only, 3 on rejection only.
    static int SetFromText(const char* sampleSize, const char* acceptNumber, std::int8_t method,
                           bool lotSizeGiven, const char* lotSize, String& message);
    // The smallest plan meeting the levels, given in the current units; null with the reason in
    // message when there is none. p, C0 and C1 are not used by single plans.
    static DefectivesSingleSamplingPlan* DesignFromTwoLevels(double aql, double ltpd, double p,
                                                             double c0, double c1, String& message);
    static DefectivesSingleSamplingPlan* DesignFromThreeLevels(double aql, double maximumAQL,
                                                               double ltpd, double p, double c0,
                                                               double c1, String& message);

private:
    DefectivesSingleSamplingPlan(const DefectivesSingleSamplingPlan& other) = default;
};

} // namespace Brosquin
