#pragma once

#include "core/Real.h"
#include "plans/SinglePlanTexts.h"

#include <cstdint>
#include <iosfwd>

namespace Brosquin
{

// The part of a single plan that counts units (defectives or defects per unit): one sample of n
// units with accept number a, set from the user's texts and saved as them.
template <class Family> class CountedSinglePlan : public Family
{
public:
    Real& dMaxASN() override;
    void vdWriteToStream(std::ostream& out) const override;
    void vdReadFromStream(std::istream& in, double fileVersion) override;

    // Sets the plan from texts; a plan they do not make is left not valid, described by the
    // reason, with the numbers of the last valid plan. The summary is recomputed either way.
    void vdDescribe(const char* sampleSize, const char* acceptNumber, std::int8_t method,
                    bool lotSizeGiven, const char* lotSize);

    const String& SampleSizeText() const { return sampleSizeText; }
    const String& AcceptNumberText() const { return acceptNumberText; }
    std::int32_t SampleSize() const { return sampleSize; }
    std::int32_t AcceptNumber() const { return acceptNumber; }

protected:
    explicit CountedSinglePlan(const SinglePlanRules& rules) : rules(&rules) {}
    CountedSinglePlan(const CountedSinglePlan& other) = default;

    String sampleSizeText;
    std::int32_t sampleSize = 0;
    String acceptNumberText;
    std::int32_t acceptNumber = 0;

private:
    const SinglePlanRules* rules;
};

} // namespace Brosquin
