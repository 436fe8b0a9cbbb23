#include "standards/Z14SamplingPlan.h"

#include "core/RealOf.h"
#include "core/RecordFields.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesMultipleSamplingPlan.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectsPerUnitDoubleSamplingPlan.h"
#include "plans/DefectsPerUnitMultipleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "plans/UnitsTable.h"
#include "standards/DefectivesZ14SamplingPlan.h"
#include "standards/DefectsPerUnitZ14SamplingPlan.h"
#include "standards/SwitchingShares.h"
#include "standards/Z14LimitNumbers.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>
#include <string>

namespace Brosquin
{

namespace
{

std::unique_ptr<SamplingPlan> CloneOf(const std::unique_ptr<SamplingPlan>& plan)
{
    return std::unique_ptr<SamplingPlan>(plan ? plan->Clone() : nullptr);
}

// A plan's number as the text a user would type.
String Text(std::int32_t number)
{
    return String(std::to_string(number).c_str());
}

} // namespace

template <class Parts> Z14SamplingPlan<Parts>::~Z14SamplingPlan() = default;

template <class Parts>
Z14SamplingPlan<Parts>::Z14SamplingPlan(const Z14SamplingPlan& other)
    : Parts::Family(other), choice(other.choice), cleanRunLots(other.cleanRunLots),
      cleanSample(other.cleanSample), reducedStayPlan(CloneOf(other.reducedStayPlan)),
      reducedPlan(CloneOf(other.reducedPlan)), normalPlan(CloneOf(other.normalPlan)),
      tightenedPlan(CloneOf(other.tightenedPlan))
{
}

template <class Parts> std::uint8_t Z14SamplingPlan<Parts>::PlanTypeId() const
{
    return 4;
}

template <class Parts> const char* Z14SamplingPlan<Parts>::PlanTypeName() const
{
    return "ANSI Z1.4";
}

template <class Parts> bool Z14SamplingPlan<Parts>::IsPaSingleValued() const
{
    return choice.option < Z14OptionSwitchingFull;
}

template <class Parts>
void Z14SamplingPlan<Parts>::SetParameters(std::uint32_t aql, std::uint32_t level,
                                           std::uint32_t lotSize, std::uint32_t planType,
                                           std::uint32_t option)
{
    choice = {aql, level, lotSize, planType, option};
    cleanRunLots = 0;
    reducedStayPlan.reset();
    reducedPlan.reset();
    normalPlan.reset();
    tightenedPlan.reset();
    String message;
    this->valid = CheckParameters(aql, level, lotSize, planType, option, message) == 0;
    if (!this->valid)
    {
        this->description = "Invalid plan";
        this->vdUpdateSummary();
        return;
    }

    // The plans read quality levels in this plan's units, whatever the units are now.
    const std::uint8_t units = this->UnitsIndex();
    if (Z14OptionUses(option, Z14Regime::Normal))
    {
        const Z14Plan normal = PlanInEffect(Z14Regime::Normal);
        normalPlan = NewPlan(normal, units);
        if (option == Z14OptionSwitchingFull)
        {
            cleanRunLots =
                Z14CleanRunLots(Z14AqlTableRow(Parts::Characteristic, choice.aql), normal);
            cleanSample = normal.CleanSample();
        }
    }
    if (Z14OptionUses(option, Z14Regime::Tightened))
        tightenedPlan = NewPlan(PlanInEffect(Z14Regime::Tightened), units);
    if (Z14OptionUses(option, Z14Regime::Reduced))
    {
        const Z14Plan reduced = PlanInEffect(Z14Regime::Reduced);
        reducedPlan = NewPlan(reduced, units);
        if (RunsReducedPlan())
            reducedStayPlan = NewStayPlan(reduced, units);
    }

    this->description = StandardPlanDescription("Z1.4", Z14ChoiceTextsOf(choice));
    this->vdUpdateSummary();
}

template <class Parts>
int Z14SamplingPlan<Parts>::CheckParameters(std::uint32_t aql, std::uint32_t level,
                                            std::uint32_t lotSize, std::uint32_t planType,
                                            std::uint32_t option, String& message)
{
    return CheckStandardChoice({aql, level, lotSize, planType, option},
                               Z14ChoiceCounts(Parts::Characteristic), message);
}

template <class Parts>
template <class Plan>
std::unique_ptr<Plan> Z14SamplingPlan<Parts>::NewPart(std::uint8_t units)
{
    auto plan = std::make_unique<Plan>();
    if (plan->UnitsIndex() != units)
        plan->vdSetUnits(units);
    return plan;
}

template <class Parts>
std::unique_ptr<SamplingPlan> Z14SamplingPlan<Parts>::NewSingle(std::int32_t n, std::int32_t accept,
                                                                std::uint8_t units)
{
    auto plan = NewPart<typename Parts::Single>(units);
    plan->vdDescribe(Text(n).Text(), Text(accept).Text(), 0, false, "");
    return plan;
}

template <class Parts>
std::unique_ptr<SamplingPlan>
Z14SamplingPlan<Parts>::NewDouble(std::int32_t n, std::int32_t accept1, std::int32_t reject1,
                                  std::int32_t accept2, std::uint8_t units)
{
    auto plan = NewPart<typename Parts::Double>(units);
    plan->vdDescribe(Text(n).Text(), Text(accept1).Text(), Text(reject1).Text(), Text(n).Text(),
                     Text(accept2).Text(), 0, false, "");
    if (plan->IsValid())
        return plan;
    const std::int32_t accept[2] = {accept1, accept2};
    const std::int32_t reject[2] = {reject1, accept2 + 1};
    return NewMultiple(2, n, accept, reject, units);
}

template <class Parts>
std::unique_ptr<SamplingPlan>
Z14SamplingPlan<Parts>::NewMultiple(int stages, std::int32_t n, const std::int32_t* accept,
                                    const std::int32_t* reject, std::uint8_t units)
{
    String sizes[7];
    String accepts[7];
    String rejects[7];
    for (int k = 0; k < stages; ++k)
    {
        sizes[k] = Text(n);
        accepts[k] = Text(accept[k]);
        rejects[k] = Text(reject[k]);
    }
    auto plan = NewPart<typename Parts::Multiple>(units);
    plan->vdDescribe(stages, sizes, accepts, rejects, 0, false, "");
    return plan;
}

template <class Parts>
std::unique_ptr<SamplingPlan> Z14SamplingPlan<Parts>::NewPlan(const Z14Plan& plan,
                                                              std::uint8_t units)
{
    switch (plan.planType)
    {
    case Z14Single:
        return NewSingle(plan.n, plan.accept[0], units);
    case Z14Double:
        return NewDouble(plan.n, plan.accept[0], plan.reject[0], plan.accept[1], units);
    default:
        return NewMultiple(plan.Stages(), plan.n, plan.accept, plan.reject, units);
    }
}

template <class Parts>
std::unique_ptr<SamplingPlan> Z14SamplingPlan<Parts>::NewStayPlan(const Z14Plan& plan,
                                                                  std::uint8_t units)
{
    const std::int32_t leave = plan.stayAccept + 1;
    if (plan.planType == Z14Single)
        return NewSingle(plan.n, plan.stayAccept, units);
    if (plan.planType == Z14Double)
    {
        const std::int32_t reject1 = std::min(plan.reject[0], leave);
        if (reject1 - 1 == plan.accept[0])
            return NewSingle(plan.n, plan.accept[0], units);
        return NewDouble(plan.n, plan.accept[0], reject1, plan.stayAccept, units);
    }
    std::int32_t accept[7];
    std::int32_t reject[7];
    int stages = plan.Stages();
    for (int k = 0; k < stages; ++k)
    {
        accept[k] = k + 1 < stages ? plan.accept[k] : plan.stayAccept;
        reject[k] = std::min(plan.reject[k], leave);
    }
    // A stage whose reject number is one above its accept number decides every lot.
    while (stages >= 2 && reject[stages - 2] == accept[stages - 2] + 1)
        --stages;
    if (stages == 1)
        return NewSingle(plan.n, accept[0], units);
    return NewMultiple(stages, plan.n, accept, reject, units);
}

template <class Parts> Z14Plan Z14SamplingPlan<Parts>::PlanInEffect(Z14Regime regime) const
{
    const auto letter =
        static_cast<std::uint32_t>(Z14CodeLetterTable[choice.lotSize][choice.level]);
    return Z14PlanInEffect(Z14AqlTableRow(Parts::Characteristic, choice.aql), letter,
                           choice.planType, regime);
}

template <class Parts> bool Z14SamplingPlan<Parts>::RunsReducedPlan() const
{
    return choice.option == Z14OptionSwitchingFull ||
           choice.option == Z14OptionSwitchingNoLimitNumbers;
}

template <class Parts> bool Z14SamplingPlan<Parts>::IsReadyAt(const Real& p)
{
    if (!this->IsEvaluableAt(p))
        return false;
    for (const auto* plan : {&reducedStayPlan, &reducedPlan, &normalPlan, &tightenedPlan})
        if (*plan && !(*plan)->IsValid())
        {
            this->result.vdSetMessage("Invalid plan");
            return false;
        }
    return true;
}

template <class Parts> SamplingPlan& Z14SamplingPlan<Parts>::RegimePlan() const
{
    if (choice.option == Z14OptionNormal)
        return *normalPlan;
    return choice.option == Z14OptionTightened ? *tightenedPlan : *reducedPlan;
}

template <class Parts>
bool Z14SamplingPlan<Parts>::RegimePasAt(const Real& p, bool stayPa, Switching& switching)
{
    switching.normalPa = normalPlan->dPa(p);
    switching.tightenedPa = tightenedPlan->dPa(p);
    // Without reduced inspection neither reduced value takes part.
    switching.reducedPa = RealOf(0.0);
    switching.stayPa = RealOf(0.0);
    if (RunsReducedPlan())
    {
        if (stayPa)
            switching.stayPa = reducedStayPlan->dPa(p);
        switching.reducedPa = reducedPlan->dPa(p);
    }
    return IsNumberOrMessage(
        {&switching.normalPa, &switching.tightenedPa, &switching.stayPa, &switching.reducedPa});
}

template <class Parts> bool Z14SamplingPlan<Parts>::SwitchingAt(const Real& p, Switching& switching)
{
    if (!RegimePasAt(p, true, switching))
        return false;
    SwitchingShares shares{};
    if (choice.option == Z14OptionSwitchingFull)
    {
        if (!FullSwitchingShares(p, switching, shares))
            return false;
    }
    else
    {
        // Without limit numbers every run of 10 accepted lots switches; without reduced
        // inspection none does.
        const double limitProbability = choice.option == Z14OptionSwitchingNoLimitNumbers ? 1 : 0;
        shares = Z14SwitchingShares(switching.stayPa.dValue(), switching.normalPa.dValue(),
                                    switching.tightenedPa.dValue(), 10, limitProbability);
    }
    switching.reduced = RealOf(shares.reduced);
    switching.normal = RealOf(shares.normal);
    switching.tightened = RealOf(shares.tightened);
    return true;
}

// Where the limit number asks just for lots accepted without a nonconforming unit, the rule
// exactly, with the chance that a lot is: that the samples up to the first stage that can accept
// find none. Elsewhere the closed form, with the chance that the run meets its limit number.
template <class Parts>
bool Z14SamplingPlan<Parts>::FullSwitchingShares(const Real& p, Switching& switching,
                                                 SwitchingShares& shares)
{
    const double normalPa = switching.normalPa.dValue();
    if (cleanRunLots > 0)
    {
        const double clean = std::fmin(LimitProbability(0, cleanSample, p), normalPa);
        shares = Z14CleanRunSwitchingShares(switching.stayPa.dValue(), clean, normalPa,
                                            switching.tightenedPa.dValue(), cleanRunLots);
        return true;
    }
    // The units of a normal lot: its average sample number at this level.
    switching.normalASN = normalPlan->dASN(p);
    if (!IsNumberOrMessage({&switching.normalASN}))
        return false;
    switching.normalASNKnown = true;
    const double units = switching.normalASN.dValue();
    std::int32_t limit = 0;
    std::int32_t lots = 0;
    Z14ReducedLots(Z14AqlTableRow(Parts::Characteristic, choice.aql), units, limit, lots);
    shares = Z14SwitchingShares(switching.stayPa.dValue(), normalPa, switching.tightenedPa.dValue(),
                                lots, LimitProbability(limit, units * lots, p));
    return true;
}

template <class Parts>
bool Z14SamplingPlan<Parts>::IsNumberOrMessage(std::initializer_list<const Real*> values)
{
    for (const Real* value : values)
        if (!IsNumber(*value))
        {
            this->result = *value;
            return false;
        }
    return true;
}

template <class Parts> Real& Z14SamplingPlan<Parts>::dPa(const Real& p)
{
    if (!IsReadyAt(p))
        return this->result;
    if (IsPaSingleValued())
        return this->result = RegimePlan().dPa(p);
    Switching s;
    if (!SwitchingAt(p, s))
        return this->result;
    return this->result =
               (s.reduced * s.reducedPa + s.normal * s.normalPa) + s.tightened * s.tightenedPa;
}

template <class Parts>
Real Z14SamplingPlan<Parts>::Mixture(const Real& p, const Switching& switching,
                                     Measure measure) const
{
    // The switching found the normal plan's ASN already where it needed it.
    const bool known = measure == &SamplingPlan::dASN && switching.normalASNKnown;
    const Real normal = known ? switching.normalASN : Real((normalPlan.get()->*measure)(p));
    const Real tightened = (tightenedPlan.get()->*measure)(p);
    const Real reduced = RunsReducedPlan() ? Real((reducedPlan.get()->*measure)(p)) : RealOf(0.0);
    return (switching.reduced * reduced + switching.normal * normal) +
           switching.tightened * tightened;
}

template <class Parts> Real& Z14SamplingPlan<Parts>::dMixture(const Real& p, Measure measure)
{
    if (!IsReadyAt(p))
        return this->result;
    if (IsPaSingleValued())
        return this->result = (RegimePlan().*measure)(p);
    Switching s;
    if (!SwitchingAt(p, s))
        return this->result;
    return this->result = Mixture(p, s, measure);
}

template <class Parts> Real& Z14SamplingPlan<Parts>::dASN(const Real& p)
{
    return dMixture(p, &SamplingPlan::dASN);
}

template <class Parts> Real& Z14SamplingPlan<Parts>::dExpectedStages(const Real& p)
{
    return dMixture(p, &SamplingPlan::dExpectedStages);
}

// Both measures of the cost from one switching.
template <class Parts> Real& Z14SamplingPlan<Parts>::dCost(const Real& p)
{
    if (IsPaSingleValued())
        return Parts::Family::dCost(p);
    if (!IsReadyAt(p))
        return this->result;
    Switching s;
    if (!SwitchingAt(p, s))
        return this->result;
    return this->result = this->CostOf(Mixture(p, s, &SamplingPlan::dASN),
                                       Mixture(p, s, &SamplingPlan::dExpectedStages));
}

template <class Parts> Real& Z14SamplingPlan<Parts>::dLargestOrSmallest(const Real& p, bool largest)
{
    if (!IsReadyAt(p))
        return this->result;
    if (IsPaSingleValued())
        return dPa(p);
    Switching s;
    if (!RegimePasAt(p, false, s))
        return this->result;
    // Equal values keep the earlier regime.
    const auto replaces = [largest](const Real& candidate, const Real& kept)
    { return largest ? kept < candidate : kept > candidate; };
    Real kept = s.normalPa;
    if (replaces(s.tightenedPa, kept))
        kept = s.tightenedPa;
    if (RunsReducedPlan() && replaces(s.reducedPa, kept))
        kept = s.reducedPa;
    return this->result = kept;
}

template <class Parts> Real& Z14SamplingPlan<Parts>::dPaMaximum(const Real& p)
{
    return dLargestOrSmallest(p, true);
}

template <class Parts> Real& Z14SamplingPlan<Parts>::dPaMinimum(const Real& p)
{
    return dLargestOrSmallest(p, false);
}

// Where reduced inspection accepts best, the acceptance of a period on reduced that ends with
// the lot that returns inspection to normal.
template <class Parts> Real& Z14SamplingPlan<Parts>::dPaUpperEnvelope(const Real& p)
{
    if (!RunsReducedPlan())
        return IsPaSingleValued() ? dPa(p) : dPaMaximum(p);
    if (!IsReadyAt(p))
        return this->result;
    Switching s;
    if (!RegimePasAt(p, true, s))
        return this->result;
    if (s.reducedPa >= s.normalPa && s.reducedPa >= s.tightenedPa)
        return this->result = s.reducedPa * s.stayPa + s.normalPa * (RealOf(1) - s.stayPa);
    return this->result = s.normalPa > s.tightenedPa ? s.normalPa : s.tightenedPa;
}

template <class Parts> Real& Z14SamplingPlan<Parts>::dPaLowerEnvelope(const Real& p)
{
    return dPaMinimum(p);
}

template <class Parts> void Z14SamplingPlan<Parts>::vdSetUnits(std::uint8_t unitsIndex)
{
    if (!UnitsTable::IsRow(unitsIndex))
        return;
    for (const auto* plan : {&normalPlan, &tightenedPlan, &reducedPlan, &reducedStayPlan})
        if (*plan)
            (*plan)->vdSetUnits(unitsIndex);
    Parts::Family::vdSetUnits(unitsIndex);
}

template <class Parts> void Z14SamplingPlan<Parts>::vdWriteToStream(std::ostream& out) const
{
    SamplingPlan::vdWriteToStream(out);
    out << choice.aql << ' ' << choice.level << ' ' << choice.lotSize << ' ' << choice.planType
        << ' ' << choice.option;
}

template <class Parts> void Z14SamplingPlan<Parts>::vdReadFromStream(std::istream& in, double)
{
    StandardChoice read{};
    if (!ReadStandardChoice(in, Z14ChoiceCounts(Parts::Characteristic), read))
        return;
    SetParameters(read.aql, read.level, read.lotSize, read.planType, read.option);
    if (!this->valid)
        SetReadError();
}

template class Z14SamplingPlan<DefectivesZ14Parts>;
template class Z14SamplingPlan<DefectsPerUnitZ14Parts>;

} // namespace Brosquin
