#pragma once

#include "core/Real.h"
#include "plans/MultiplePlanTexts.h"
#include "stats/StagedConditionals.h"
#include "stats/StagedMeasures.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <unordered_map>
#include <vector>

namespace Brosquin
{

// The part of a multiple plan that the three characteristics share: stage k inspects n_k more
// and accepts at a running count of at most a_k (-1: not at all), rejects at r_k or more, and
// otherwise goes on; the last stage decides. Samples count units, or are amounts of material
// (Family::Number). The plan keeps the user's texts, normalised, and the numbers they stand
// for.
template <class Family> class MultipleSamplingPlan : public Family
{
public:
    using Sample = typename Family::Number;

    // The statistics of the characteristic: Pa, ASN and E{#Stages} together, for lots of any
    // size (at the quality level as the statistics take it) and for a given lot (at the count in
    // the lot), as many as asked for; and the plan's conditional chances of going on, which
    // make every level cost a pass over the counts.
    struct Statistics
    {
        StagedMeasures (*measures)(double, int, const Sample[], const int[], const int[],
                                   std::uint8_t, StagedMeasure, const StagedConditionals*);
        StagedMeasures (*measuresGivenLot)(std::int64_t, int, const Sample[], const int[],
                                           const int[], Sample, std::uint8_t, StagedMeasure,
                                           const StagedConditionals*);
        std::unique_ptr<StagedConditionals> (*prepare)(int, const Sample[], const int[],
                                                       const int[]);
    };

    std::uint8_t PlanTypeId() const override;
    const char* PlanTypeName() const override;
    Real& dPa(const Real& p) override;
    Real& dASN(const Real& p) override;
    Real& dExpectedStages(const Real& p) override;
    void vdWriteToStream(std::ostream& out) const override;
    void vdReadFromStream(std::istream& in, double fileVersion) override;

    // The texts as the plan keeps them; the number of stages is theirs.
    const MultiplePlanTexts& Texts() const { return texts; }
    int Stages() const { return texts.Stages(); }
    const std::vector<Sample>& SampleSizes() const { return n; }
    const std::vector<int>& AcceptNumbers() const { return a; }
    const std::vector<int>& RejectNumbers() const { return r; }

protected:
    MultipleSamplingPlan(const MultiplePlanRules& rules, const Statistics& statistics)
        : rules(&rules), statistics(&statistics)
    {
    }
    MultipleSamplingPlan(const MultipleSamplingPlan& other) = default;

    // Sets the plan from the texts of S >= 2 stages (and, for amounts of material, their units
    // text); texts that do not make a plan leave it not valid, described by the reason, with
    // every number 0. The summary is recomputed either way.
    void vdApply(int S, const String nTexts[], const String aTexts[], const String rTexts[],
                 const char* unitsText, std::int8_t method, bool lotSizeGiven, const char* lotSize);

private:
    // The wanted measure at quality level p: the value that member holds.
    Real& dMeasureAt(const Real& p, StagedMeasure wanted, double StagedMeasures::*value);
    // The measures at a quality level, or at a count in a given lot: computed on first asking and
    // kept while the plan stays as it is (but for those its summary asked for). A summary's
    // searches and an evaluation's curves and tables ask for one measure at a time, for the same
    // levels many times over (on a given lot every level between two attainable ones is the same
    // count), and one pass over the stages gives all three; the conditional chances of going on,
    // the same at every level, are prepared once.
    const StagedMeasures& MeasuresAt(double level, bool givenLot, StagedMeasure wanted);

    struct KeptMeasures
    {
        StagedMeasures measures;
        StagedMeasure computed;
    };

    const MultiplePlanRules* rules;
    const Statistics* statistics;
    std::unordered_map<double, KeptMeasures> kept;
    // Prepared on the first evaluation (null where it would not pay); shared by the copies.
    std::shared_ptr<const StagedConditionals> conditionals;
    bool conditionalsTried = false;
    MultiplePlanTexts texts;
    std::vector<Sample> n;
    std::vector<int> a;
    std::vector<int> r;
};

} // namespace Brosquin
