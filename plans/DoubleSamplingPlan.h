#pragma once

#include "core/Real.h"
#include "plans/DesignedPlan.h"
#include "plans/DoublePlanTexts.h"
#include "plans/PlanTextFields.h"
#include "stats/DoubleDesignSearch.h"

#include <cstdint>
#include <iosfwd>

namespace Brosquin
{

// The part of a double plan that the three characteristics share: inspect n1; accept at a count
// of at most a1, reject at r1 or more, otherwise inspect n2 more and accept at a total of at most
// a2. Samples count units, or are amounts of material (Family::Number). The plan keeps
// the user's texts, normalised, and the numbers they stand for.
template <class Family> class DoubleSamplingPlan : public Family
{
public:
    using Sample = typename Family::Number;

    // The statistics of the characteristic, for lots of any size (at the quality level as the
    // statistics take it) and for a given lot (at the count in the lot).
    struct Statistics
    {
        double (*pa)(double, Sample, int, int, Sample, int);
        double (*paGivenLot)(std::int64_t, Sample, int, int, Sample, int, Sample);
        double (*asn)(double, Sample, int, int, Sample, int, std::uint8_t);
        double (*asnGivenLot)(std::int64_t, Sample, int, int, Sample, int, Sample, std::uint8_t);
        double (*stages)(double, Sample, int, int, Sample, int);
        double (*stagesGivenLot)(std::int64_t, Sample, int, int, Sample, int, Sample);
    };

    std::uint8_t PlanTypeId() const override;
    const char* PlanTypeName() const override;
    Real& dPa(const Real& p) override;
    Real& dASN(const Real& p) override;
    Real& dExpectedStages(const Real& p) override;
    void vdWriteToStream(std::ostream& out) const override;
    void vdReadFromStream(std::istream& in, double fileVersion) override;

    // The texts as the plan keeps them.
    const DoublePlanTexts& Texts() const { return texts; }
    Sample N1() const { return n1; }
    int A1() const { return a1; }
    int R1() const { return r1; }
    Sample N2() const { return n2; }
    int A2() const { return a2; }

protected:
    DoubleSamplingPlan(const DoublePlanRules& rules, const Statistics& statistics)
        : rules(&rules), statistics(&statistics)
    {
    }
    DoubleSamplingPlan(const DoubleSamplingPlan& other) = default;

    // Sets the plan from texts (and, for amounts of material, their units text); a plan they do
    // not make is left not valid, described by the reason, with the numbers of the last valid
    // plan. The summary is recomputed either way.
    void vdApply(const char* n1Text, const char* a1Text, const char* r1Text, const char* n2Text,
                 const char* a2Text, const char* unitsText, std::int8_t method, bool lotSizeGiven,
                 const char* lotSize);

    // The plan of class Plan with the numbers that design(n1, a1, r1, n2, a2) writes, without
    // curtailing or lot size; null with the reason in message when the design found no double
    // plan (n2 = 0) or the plan does not accept the numbers. Where design returns false (its
    // search was stopped through its progress), message says so, with the plan or without one.
    template <class Plan, class Design>
    static Plan* Designed(Design design, const char* unitsText, String& message)
    {
        Sample n1 = 0, n2 = 0;
        int a1 = 0, r1 = 0, a2 = 0;
        const bool complete = design(n1, a1, r1, n2, a2);
        const String units(unitsText);
        Plan* plan = DesignedPlan<Plan>(
            n2 > 0, complete ? NoDoublePlanFound : DoubleSearchCutShortNoPlan, message,
            [&](Plan& designed)
            {
                designed.vdApply(DesignedText(n1).Text(), DesignedText(a1).Text(),
                                 DesignedText(r1).Text(), DesignedText(n2).Text(),
                                 DesignedText(a2).Text(), units.Text(), 0, false, "");
            });
        if (plan != nullptr && !complete)
            message = DoubleSearchCutShort;
        return plan;
    }

private:
    const DoublePlanRules* rules;
    const Statistics* statistics;
    DoublePlanTexts texts;
    Sample n1 = 0;
    int a1 = 0;
    int r1 = 0;
    Sample n2 = 0;
    int a2 = 0;
};

} // namespace Brosquin
