#pragma once

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "standards/StandardChoice.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <unordered_map>

namespace Brosquin
{

// A plan chosen from the Z1.9 tables by five choices: the AQL, the inspection level, the
// lot-size range, the plan type (SD known or not, one or two limits, Form 1 or 2) and the
// inspection option. It holds a variables single plan for each regime the option runs and
// answers every question from them: a one-regime option as that regime's plan, a switching
// option as the mixture of the regimes by their long-run shares. Lots are taken as unlimited; the
// session file keeps only the five choices.
class DefectivesZ19SamplingPlan : public DefectivesSamplingPlan
{
public:
    DefectivesZ19SamplingPlan() = default;
    ~DefectivesZ19SamplingPlan() override;
    DefectivesZ19SamplingPlan* Clone() const override;
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
    void vdWriteToStream(std::ostream& out) const override;
    void vdReadFromStream(std::istream& in, double fileVersion) override;
    void vdSetUnits(std::uint8_t unitsIndex) override;

    // 0 for every choice within the lists, which every combination of the dialog's items is;
    // otherwise the number (1 to 5) of the first choice outside its list, with a message.
    static int CheckParameters(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                               std::uint32_t planType, std::uint32_t option, String& message);
    // Builds the plans of the choices. Choices that CheckParameters refuses leave the plan not
    // valid, without plans. The variables plans' computations may throw.
    void SetParameters(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                       std::uint32_t planType, std::uint32_t option);
    // Copies every value of this plan into target, the regime plans as clones.
    void vdCopyTo(DefectivesZ19SamplingPlan& target) const;

    // The long-run shares of lots on reduced, normal and tightened inspection under the
    // switching rules, from the Pa of each regime's plan, the number m of accepted lots that
    // takes normal to reduced and e: 1 when reduced inspection takes part, else 0.
    static void Z19SwitchingShares(double PaR, double PaN, double PaT, double m, double e,
                                   double& sR, double& sN, double& sT);

    std::uint32_t AqlIndex() const { return choice.aql; }
    std::uint32_t LevelIndex() const { return choice.level; }
    std::uint32_t LotSizeIndex() const { return choice.lotSize; }
    std::uint32_t PlanTypeIndex() const { return choice.planType; }
    std::uint32_t OptionIndex() const { return choice.option; }
    // The plan of a regime; null where the option runs none.
    const DefectivesVariablesSingleSamplingPlan* NormalPlan() const { return normalPlan.get(); }
    const DefectivesVariablesSingleSamplingPlan* TightenedPlan() const
    {
        return tightenedPlan.get();
    }
    const DefectivesVariablesSingleSamplingPlan* ReducedPlan() const { return reducedPlan.get(); }

private:
    using Part = std::unique_ptr<DefectivesVariablesSingleSamplingPlan>;

    // A value for each regime; 0 for reduced inspection where the option does not switch to it.
    struct Regimes
    {
        Real reduced;
        Real normal;
        Real tightened;
    };

    bool IsSwitching() const;
    bool SwitchesToReduced() const;
    DefectivesVariablesSingleSamplingPlan& RegimePlan() const;
    // The regimes' Pa at p, which p must be evaluable at.
    Regimes RegimePasAt(const Real& p);
    // The regimes' values of a measure of p; for plans of one Pa, whose bounds are their Pa, the
    // bounds are the Pa.
    Regimes RegimeValuesAt(const Real& p, Measure measure);
    // A one-regime option's value, or the switching options' mixture of the regimes by their
    // shares.
    Real& dRegimeOrMixture(const Real& p, Measure measure);
    // A one-regime option's bound, or the largest (smallest) of the regimes' bounds.
    Real& dBound(const Real& p, Measure measure, bool largest);
    void vdForgetPas();

    StandardChoice choice{};
    Part reducedPlan;
    Part normalPlan;
    Part tightenedPlan;
    // The regimes' Pa at the quality levels asked for lately, the ones that are numbers: every
    // curve of a switching plan needs all three at each level. Held for these regime plans only.
    std::unordered_map<double, std::array<double, 3>> recentPas;
};

} // namespace Brosquin
