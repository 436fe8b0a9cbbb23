#pragma once

#include "core/Real.h"
#include "plans/SamplingPlan.h"
#include "standards/Z14Tables.h"

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <memory>

namespace Brosquin
{

struct SwitchingShares;

// A plan chosen from the Z1.4 tables by five choices: the AQL (of the characteristic's list), the
// inspection level, the lot-size range, the plan type and the inspection option. It holds the
// plans of its characteristic that the option runs, one per regime, and answers every question
// from them: a one-regime option as that regime's plan, a switching option as the mixture of the
// regimes by their long-run shares. Lots are taken as unlimited; the session file keeps only the
// five choices. Parts names the characteristic (Characteristic), its base class (Family) and its
// plan classes (Single, Double, Multiple).
template <class Parts> class Z14SamplingPlan : public Parts::Family
{
public:
    ~Z14SamplingPlan() override;

    std::uint8_t PlanTypeId() const override;
    const char* PlanTypeName() const override;
    bool IsPaSingleValued() const override;
    Real& dPa(const Real& p) override;
    Real& dPaMaximum(const Real& p) override;
    Real& dPaMinimum(const Real& p) override;
    Real& dPaUpperEnvelope(const Real& p) override;
    Real& dPaLowerEnvelope(const Real& p) override;
    Real& dASN(const Real& p) override;
    Real& dExpectedStages(const Real& p) override;
    Real& dCost(const Real& p) override;
    void vdWriteToStream(std::ostream& out) const override;
    void vdReadFromStream(std::istream& in, double fileVersion) override;
    void vdSetUnits(std::uint8_t unitsIndex) override;

    // 0 for every choice within the lists of the characteristic, which every combination of
    // the dialog's items is; otherwise the number (1 to 5) of the first choice outside its list,
    // with a message.
    static int CheckParameters(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                               std::uint32_t planType, std::uint32_t option, String& message);
    // Builds the plans of the choices, in this plan's units. Choices that CheckParameters
    // refuses leave the plan not valid, without plans.
    void SetParameters(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                       std::uint32_t planType, std::uint32_t option);

    std::uint32_t AqlIndex() const { return choice.aql; }
    std::uint32_t LevelIndex() const { return choice.level; }
    std::uint32_t LotSizeIndex() const { return choice.lotSize; }
    std::uint32_t PlanTypeIndex() const { return choice.planType; }
    std::uint32_t OptionIndex() const { return choice.option; }
    // The plan of a regime; ReducedStayPlan accepts only the lots that keep inspection on
    // reduced. Null where the option runs no such plan.
    const SamplingPlan* NormalPlan() const { return normalPlan.get(); }
    const SamplingPlan* TightenedPlan() const { return tightenedPlan.get(); }
    const SamplingPlan* ReducedPlan() const { return reducedPlan.get(); }
    const SamplingPlan* ReducedStayPlan() const { return reducedStayPlan.get(); }

    // The plan of the characteristic that a plan of the tables makes, in effect for a regime, in
    // the units of that index.
    static std::unique_ptr<SamplingPlan> NewPlan(const Z14Plan& plan, std::uint8_t units);
    // The plan that a reduced plan of the tables makes for the lots that keep inspection on
    // reduced: every reject number comes down to one above the table's last accept number, and
    // stages that can no longer be reached go.
    static std::unique_ptr<SamplingPlan> NewStayPlan(const Z14Plan& plan, std::uint8_t units);

protected:
    Z14SamplingPlan() = default;
    // Copies the choices and clones the plans.
    Z14SamplingPlan(const Z14SamplingPlan& other);

    // The probability of at most limit nonconformities in the given number of sample units at
    // quality level p of the plan's units (a number).
    virtual double LimitProbability(std::int32_t limit, double units, const Real& p) const = 0;

private:
    // The values that weight the regimes of a switching option at one quality level.
    struct Switching
    {
        Real normalPa;
        Real tightenedPa;
        Real reducedPa;
        Real stayPa;
        // Found only where the shares need it.
        Real normalASN;
        bool normalASNKnown = false;
        Real reduced;
        Real normal;
        Real tightened;
    };
    using Measure = Real& (SamplingPlan::*)(const Real&);

    // A new plan of the class in the units of that index, not yet set.
    template <class Plan> static std::unique_ptr<Plan> NewPart(std::uint8_t units);
    // New plans of the characteristic, set from their numbers: stages samples of n units with
    // accept and reject numbers by stage.
    static std::unique_ptr<SamplingPlan> NewSingle(std::int32_t n, std::int32_t accept,
                                                   std::uint8_t units);
    // A double plan that its class refuses (the restrictions for defective units refuse some
    // that reduced inspection makes) becomes the same plan as a multiple plan of two stages.
    static std::unique_ptr<SamplingPlan> NewDouble(std::int32_t n, std::int32_t accept1,
                                                   std::int32_t reject1, std::int32_t accept2,
                                                   std::uint8_t units);
    static std::unique_ptr<SamplingPlan> NewMultiple(int stages, std::int32_t n,
                                                     const std::int32_t* accept,
                                                     const std::int32_t* reject,
                                                     std::uint8_t units);
    // The plan of the tables in effect for a regime under the choices.
    Z14Plan PlanInEffect(Z14Regime regime) const;
    // False, with "Invalid plan" in the scratch result, unless p can be evaluated on plans that
    // are all valid.
    bool IsReadyAt(const Real& p);
    SamplingPlan& RegimePlan() const;
    // The Pa of every regime the option runs (0 for reduced inspection where it runs none), and
    // when asked that of the plan that keeps inspection on reduced; false with the message in the
    // scratch result when one holds a message.
    bool RegimePasAt(const Real& p, bool stayPa, Switching& switching);
    // With the regimes' shares, which the switching needs only once every Pa and, where the
    // shares take it, the normal plan's ASN are numbers: false with the message in the scratch
    // result otherwise.
    bool SwitchingAt(const Real& p, Switching& switching);
    // The shares of "Switching - Full" at p, given the regimes' Pa; false with the message in the
    // scratch result when the normal plan's ASN, which the closed form takes, holds one.
    bool FullSwitchingShares(const Real& p, Switching& switching, SwitchingShares& shares);
    // False with the first message in the scratch result.
    bool IsNumberOrMessage(std::initializer_list<const Real*> values);
    // The regimes' values of a measure weighted by their shares.
    Real Mixture(const Real& p, const Switching& switching, Measure measure) const;
    Real& dMixture(const Real& p, Measure measure);
    Real& dLargestOrSmallest(const Real& p, bool largest);
    bool RunsReducedPlan() const;

    StandardChoice choice{};
    // Under "Switching - Full" where the switch to reduced inspection asks just for a run of lots
    // accepted without a nonconforming unit: the lots of that run and the units of such a lot;
    // 0 lots elsewhere.
    std::int32_t cleanRunLots = 0;
    std::int32_t cleanSample = 0;
    std::unique_ptr<SamplingPlan> reducedStayPlan;
    std::unique_ptr<SamplingPlan> reducedPlan;
    std::unique_ptr<SamplingPlan> normalPlan;
    std::unique_ptr<SamplingPlan> tightenedPlan;
};

} // namespace Brosquin
