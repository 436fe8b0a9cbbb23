#include "standards/DefectivesZ19SamplingPlan.h"

#include "core/RealOf.h"
#include "core/RecordFields.h"
#include "plans/UnitsTable.h"
#include "standards/SwitchingShares.h"
#include "standards/Z19Tables.h"

#include <ostream>

namespace Brosquin
{

namespace
{

// The number of accepted lots in a row that takes normal inspection to reduced.
constexpr double reducedAfterLots = 10;

// A number of the tables as the text a user would type: 15 significant digits at most, no
// trailing zeros.
String Text(double number)
{
    return String(RealOf(number).Text(0, true));
}

std::unique_ptr<DefectivesVariablesSingleSamplingPlan>
CloneOf(const std::unique_ptr<DefectivesVariablesSingleSamplingPlan>& plan)
{
    return std::unique_ptr<DefectivesVariablesSingleSamplingPlan>(plan ? plan->Clone() : nullptr);
}

} // namespace

DefectivesZ19SamplingPlan::~DefectivesZ19SamplingPlan() = default;

DefectivesZ19SamplingPlan* DefectivesZ19SamplingPlan::Clone() const
{
    auto copy = std::make_unique<DefectivesZ19SamplingPlan>();
    vdCopyTo(*copy);
    return copy.release();
}

std::uint8_t DefectivesZ19SamplingPlan::PlanTypeId() const
{
    return 9;
}

const char* DefectivesZ19SamplingPlan::PlanTypeName() const
{
    return "ANSI Z1.9";
}

bool DefectivesZ19SamplingPlan::IsPaSingleValued() const
{
    // With two limits Pa depends on where the process mean lies.
    return !IsSwitching() && (!valid || RegimePlan().IsPaSingleValued());
}

int DefectivesZ19SamplingPlan::CheckParameters(std::uint32_t aql, std::uint32_t level,
                                               std::uint32_t lotSize, std::uint32_t planType,
                                               std::uint32_t option, String& message)
{
    return CheckStandardChoice({aql, level, lotSize, planType, option}, Z19ChoiceCounts, message);
}

void DefectivesZ19SamplingPlan::SetParameters(std::uint32_t aql, std::uint32_t level,
                                              std::uint32_t lotSize, std::uint32_t planType,
                                              std::uint32_t option)
{
    choice = {aql, level, lotSize, planType, option};
    vdForgetPas();
    reducedPlan.reset();
    normalPlan.reset();
    tightenedPlan.reset();
    String message;
    valid = CheckParameters(aql, level, lotSize, planType, option, message) == 0;
    if (!valid)
    {
        description = "Invalid plan";
        vdUpdateSummary();
        return;
    }

    const std::uint32_t letter = Z19Letter(lotSize, level);
    const Z19PlanKind kind = Z19KindOf(planType);
    // With SD known and two limits the plan holds the Cp of the largest SD the AQL allows, and
    // its Pa is known only between bounds.
    const bool band = kind.sdKnown && kind.twoSpecs;
    const String cp = band ? Text(Z19MinimumCp(aql)) : String("0");
    for (InspectionRegime regime :
         {InspectionRegime::Normal, InspectionRegime::Tightened, InspectionRegime::Reduced})
    {
        if (!Z19OptionUses(option, regime))
            continue;
        const Z19Plan& cell = Z19PlanOf(aql, letter, planType, regime);
        auto plan = std::make_unique<DefectivesVariablesSingleSamplingPlan>();
        plan->vdDescribe(kind.form1, Text(cell.n).Text(), Text(cell.v).Text(), kind.sdKnown,
                         kind.twoSpecs, cp.Text(), band);
        // The regime plans read quality levels in this plan's units.
        if (plan->UnitsIndex() != unitsIndex)
            plan->vdSetUnits(unitsIndex);
        valid = valid && plan->IsValid();
        Part& place = regime == InspectionRegime::Normal      ? normalPlan
                      : regime == InspectionRegime::Tightened ? tightenedPlan
                                                              : reducedPlan;
        place = std::move(plan);
    }

    description = StandardPlanDescription("Z1.9", Z19ChoiceTextsOf(choice));
    vdUpdateSummary();
}

void DefectivesZ19SamplingPlan::vdCopyTo(DefectivesZ19SamplingPlan& target) const
{
    if (&target == this)
        return;
    Part reduced = CloneOf(reducedPlan);
    Part normal = CloneOf(normalPlan);
    Part tightened = CloneOf(tightenedPlan);
    target.DefectivesSamplingPlan::operator=(*this);
    target.choice = choice;
    target.reducedPlan = std::move(reduced);
    target.normalPlan = std::move(normal);
    target.tightenedPlan = std::move(tightened);
    target.vdForgetPas();
}

void DefectivesZ19SamplingPlan::Z19SwitchingShares(double PaR, double PaN, double PaT, double m,
                                                   double e, double& sR, double& sN, double& sT)
{
    // The Z1.4 rules where the limit-number condition always holds (e = 1) or reduced inspection
    // is never reached (e = 0), and a lot on reduced keeps inspection there when it is accepted.
    const SwitchingShares shares = Z14SwitchingShares(PaR, PaN, PaT, m, e);
    sR = shares.reduced;
    sN = shares.normal;
    sT = shares.tightened;
}

bool DefectivesZ19SamplingPlan::IsSwitching() const
{
    return choice.option == Z19OptionSwitchingFull ||
           choice.option == Z19OptionSwitchingNoReducedPlan;
}

bool DefectivesZ19SamplingPlan::SwitchesToReduced() const
{
    return choice.option == Z19OptionSwitchingFull;
}

DefectivesVariablesSingleSamplingPlan& DefectivesZ19SamplingPlan::RegimePlan() const
{
    if (choice.option == Z19OptionNormal)
        return *normalPlan;
    return choice.option == Z19OptionTightened ? *tightenedPlan : *reducedPlan;
}

void DefectivesZ19SamplingPlan::vdForgetPas()
{
    recentPas.clear();
}

DefectivesZ19SamplingPlan::Regimes DefectivesZ19SamplingPlan::RegimePasAt(const Real& p)
{
    const auto known = recentPas.find(p.dValue());
    if (known != recentPas.end())
        return {RealOf(known->second[0]), RealOf(known->second[1]), RealOf(known->second[2])};
    Regimes pas{SwitchesToReduced() ? reducedPlan->dPa(p) : RealOf(0.0), normalPlan->dPa(p),
                tightenedPlan->dPa(p)};
    if (IsNumber(pas.reduced) && IsNumber(pas.normal) && IsNumber(pas.tightened))
    {
        // A bound on what is held; a plot asks for a few thousand levels at most.
        if (recentPas.size() >= 8192)
            recentPas.clear();
        recentPas[p.dValue()] = {pas.reduced.dValue(), pas.normal.dValue(), pas.tightened.dValue()};
    }
    return pas;
}

DefectivesZ19SamplingPlan::Regimes DefectivesZ19SamplingPlan::RegimeValuesAt(const Real& p,
                                                                             Measure measure)
{
    const bool bound = measure == &SamplingPlan::dPaMaximum || measure == &SamplingPlan::dPaMinimum;
    if (measure == &SamplingPlan::dPa || (bound && normalPlan->IsPaSingleValued()))
        return RegimePasAt(p);
    Regimes values;
    values.reduced = SwitchesToReduced() ? Real((reducedPlan.get()->*measure)(p)) : RealOf(0.0);
    values.normal = (normalPlan.get()->*measure)(p);
    values.tightened = (tightenedPlan.get()->*measure)(p);
    return values;
}

Real& DefectivesZ19SamplingPlan::dRegimeOrMixture(const Real& p, Measure measure)
{
    if (!IsEvaluableAt(p))
        return result;
    if (!IsSwitching())
        return result = (RegimePlan().*measure)(p);
    const Regimes pas = RegimePasAt(p);
    // A message held by a Pa reads as 0 here and reaches the result through the arithmetic.
    double reduced = 0;
    double normal = 0;
    double tightened = 0;
    Z19SwitchingShares(pas.reduced.dValue(), pas.normal.dValue(), pas.tightened.dValue(),
                       reducedAfterLots, SwitchesToReduced() ? 1 : 0, reduced, normal, tightened);
    const Regimes values = measure == &SamplingPlan::dPa ? pas : RegimeValuesAt(p, measure);
    return result = (RealOf(reduced) * values.reduced + RealOf(normal) * values.normal) +
                    RealOf(tightened) * values.tightened;
}

Real& DefectivesZ19SamplingPlan::dPa(const Real& p)
{
    return dRegimeOrMixture(p, &SamplingPlan::dPa);
}

Real& DefectivesZ19SamplingPlan::dASN(const Real& p)
{
    return dRegimeOrMixture(p, &SamplingPlan::dASN);
}

Real& DefectivesZ19SamplingPlan::dExpectedStages(const Real& p)
{
    return dRegimeOrMixture(p, &SamplingPlan::dExpectedStages);
}

Real& DefectivesZ19SamplingPlan::dBound(const Real& p, Measure measure, bool largest)
{
    if (!IsEvaluableAt(p))
        return result;
    if (!IsSwitching())
        return result = (RegimePlan().*measure)(p);
    // A value holding a message is neither larger nor smaller than another.
    const auto replaces = [largest](const Real& candidate, const Real& kept)
    { return largest ? candidate > kept : candidate < kept; };
    const Regimes values = RegimeValuesAt(p, measure);
    result = replaces(values.normal, values.tightened) ? values.normal : values.tightened;
    if (SwitchesToReduced() && replaces(values.reduced, result))
        result = values.reduced;
    return result;
}

Real& DefectivesZ19SamplingPlan::dPaMaximum(const Real& p)
{
    return dBound(p, &SamplingPlan::dPaMaximum, true);
}

Real& DefectivesZ19SamplingPlan::dPaMinimum(const Real& p)
{
    return dBound(p, &SamplingPlan::dPaMinimum, false);
}

// Where reduced inspection accepts best, the acceptance of a period on reduced that ends with the
// lot that returns inspection to normal.
Real& DefectivesZ19SamplingPlan::dPaUpperEnvelope(const Real& p)
{
    if (!SwitchesToReduced())
        return dPaMaximum(p);
    if (!IsEvaluableAt(p))
        return result;
    const Regimes m = RegimeValuesAt(p, &SamplingPlan::dPaMaximum);
    if (m.reduced >= m.normal && m.reduced >= m.tightened)
        return result = m.reduced * m.reduced + m.normal * (RealOf(1) - m.reduced);
    return result = m.normal > m.tightened ? m.normal : m.tightened;
}

Real& DefectivesZ19SamplingPlan::dPaLowerEnvelope(const Real& p)
{
    return dPaMinimum(p);
}

void DefectivesZ19SamplingPlan::vdSetUnits(std::uint8_t unitsIndex)
{
    if (!UnitsTable::IsRow(unitsIndex))
        return;
    for (const Part* plan : {&normalPlan, &tightenedPlan, &reducedPlan})
        if (*plan)
            (*plan)->vdSetUnits(unitsIndex);
    vdForgetPas();
    DefectivesSamplingPlan::vdSetUnits(unitsIndex);
}

void DefectivesZ19SamplingPlan::vdWriteToStream(std::ostream& out) const
{
    SamplingPlan::vdWriteToStream(out);
    out << choice.aql << ' ' << choice.level << ' ' << choice.lotSize << ' ' << choice.planType
        << ' ' << choice.option;
}

void DefectivesZ19SamplingPlan::vdReadFromStream(std::istream& in, double)
{
    StandardChoice read{};
    if (!ReadStandardChoice(in, Z19ChoiceCounts, read))
        return;
    SetParameters(read.aql, read.level, read.lotSize, read.planType, read.option);
    if (!valid)
        SetReadError();
}

} // namespace Brosquin
