#pragma once

#include "plans/DefectsPerQuantitySamplingPlan.h"

#include <cstdint>

namespace Brosquin
{

// Inspect an amount n of material and accept the lot when it holds at most a defects.
class DefectsPerQuantitySingleSamplingPlan : public DefectsPerQuantitySamplingPlan
{
public:
    DefectsPerQuantitySingleSamplingPlan() = default;
    ~DefectsPerQuantitySingleSamplingPlan() override;
    DefectsPerQuantitySingleSamplingPlan* Clone() const override;
    std::uint8_t PlanTypeId() const override;
    const char* PlanTypeName() const override;
    Real& dPa(const Real& p) override;
    Real& dASN(const Real& p) override;
    Real& dMaxASN() override;
    void vdWriteToStream(std::ostream& out) const override;
    void vdReadFromStream(std::istream& in, double fileVersion) override;

    // Checks the entry texts: 0, or the number of the first offending field with its message.
    // Methods of curtailing: 0 none, 1 on rejection.
    static int SetFromText(const char* sampleSize, const char* acceptNumber, const char* unitsText,
                           std::int8_t method, bool lotSizeGiven, const char* lotSize,
                           String& message);
    // Sets the plan from texts; a plan they do not make is left not valid, described by the
    // reason. The summary is recomputed either way.
    void vdDescribe(const char* sampleSize, const char* acceptNumber, const char* unitsText,
                    std::int8_t method, bool lotSizeGiven, const char* lotSize);
    // The smallest plan meeting the levels, in defects per unit of quantity, with the sample
    // amount in thousandths of the unit; null with the reason in message when there is none. p,
    // C0 and C1 are not used by single plans.
    static DefectsPerQuantitySingleSamplingPlan* DesignFromTwoLevels(double aql, double ltpd,
                                                                     double p, double c0, double c1,
                                                                     const char* unitsText,
                                                                     String& message);
    static DefectsPerQuantitySingleSamplingPlan*
    DesignFromThreeLevels(double aql, double maximumAQL, double ltpd, double p, double c0,
                          double c1, const char* unitsText, String& message);

    const String& SampleSizeText() const { return sampleSizeText; }
    const String& AcceptNumberText() const { return acceptNumberText; }
    double dSampleAmount() const { return sampleAmount; }
    std::int32_t AcceptNumber() const { return acceptNumber; }

private:
    DefectsPerQuantitySingleSamplingPlan(const DefectsPerQuantitySingleSamplingPlan& other) =
        default;
    static DefectsPerQuantitySingleSamplingPlan* Designed(double amount, int acceptNumber,
                                                          const char* unitsText, String& message);

    String sampleSizeText;
    double sampleAmount = 0;
    String acceptNumberText;
    std::int32_t acceptNumber = 0;
};

} // namespace Brosquin
