// The design of plans from protection requirements: the check of the requirements as they are
// typed, and the design of one plan from requirements that passed it.
#include "plans/SamplingPlanSession.h"

#include "core/Expression.h"
#include "core/RealOf.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "plans/DefectsPerQuantityDoubleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/DefectsPerUnitDoubleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "plans/SessionBounds.h"
#include "plans/SessionFile.h"
#include "plans/TextValidation.h"

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <optional>

namespace Brosquin
{

namespace
{

// The names under which p may use the LTPD, whatever the symbol in force.
const char* const ltpdNames[] = {"LTPD", "UQL", "RQL", "LQ"};

String Trimmed(const char* text)
{
    String trimmed(text != nullptr ? text : "");
    trimmed.vdTrim();
    return trimmed;
}

bool IsEmpty(const char* text)
{
    return Trimmed(text).Length() == 0;
}

Real Parsed(const char* text)
{
    return RealOf(text != nullptr ? text : "");
}

// The text form of a number, copied out of the buffer that the next Text call reuses.
String TextOf(const Real& value)
{
    return String(value.Text());
}

String Joined(std::initializer_list<const char*> parts)
{
    String joined;
    for (const char* part : parts)
        joined += part;
    return joined;
}

// The largest quality level of the characteristic in its current units: defective units only.
std::optional<Real> UnitsMaximum(int characteristic)
{
    if (characteristic != SamplingPlan::DefectiveUnits)
        return std::nullopt;
    const UnitsTable& units = DefectivesSamplingPlan::Units();
    return RealOf(units.dFactor(units.CurrentIndex()));
}

// The bounds the design is asked for: the AQL lowered and the LTPD raised by the adjustment (a
// percentage), the LTPD kept within the units maximum. The statuses show these very values.
double dLoweredAQL(double aql, int adjustment)
{
    return std::max(0.0, aql - aql * adjustment / 100.0);
}

double dRaisedLTPD(double ltpd, int adjustment, const std::optional<Real>& maximum)
{
    const double raised = ltpd + ltpd * adjustment / 100.0;
    return maximum ? std::min(raised, maximum->dValue()) : raised;
}

// A formula of the requirements, judged in this order: not a formula, a variable that is not
// bound, no number.
enum class FormulaProblem
{
    None,
    NotValid,
    IllegalVariable,
    NotNumber
};

struct FormulaValue
{
    FormulaProblem problem;
    Real value;
};

// Max AQL binds the AQL only; p binds the LTPD too (ltpd not null) under each of its names.
FormulaValue Evaluated(const char* text, const Real& aql, const Real* ltpd)
{
    Expression formula(text);
    formula.vdSetVariable("AQL", &aql);
    if (ltpd != nullptr)
        for (const char* name : ltpdNames)
            formula.vdSetVariable(name, ltpd);
    if (!formula.IsValid())
        return {FormulaProblem::NotValid, Real()};
    if (formula.UndefinedVariable() != nullptr)
        return {FormulaProblem::IllegalVariable, Real()};
    const Real value = formula.Evaluate();
    return {IsNumber(value) ? FormulaProblem::None : FormulaProblem::NotNumber, value};
}

// The statuses of the three groups of inputs and the first problem among them. A group's checks
// stop at its first problem, which writes the group's status; only the first problem of all
// writes the message and the code.
class SelectionCheck
{
public:
    SelectionCheck(int characteristic, const char* aqlText, const char* ltpdText, int adjustment,
                   String& message)
        : first(message), maximum(UnitsMaximum(characteristic)), aql(Parsed(aqlText)),
          ltpd(Parsed(ltpdText)), adjustment(adjustment)
    {
        if (maximum)
            maximumText = TextOf(*maximum);
    }

    // The AQL and the Max AQL; true when both passed, the status then telling the AQL asked for.
    bool CheckAQL(const char* aqlText, const char* maxAQLText, String& status)
    {
        if (IsEmpty(aqlText))
            return Problem(status, "AQL Required", 1, "AQL is required.");
        if (!IsNumber(aql))
            return Problem(status, "AQL not valid number", 1, "AQL is not a valid number.");
        if (aql < Real())
            return Problem(status, "AQL cannot be < 0", 1,
                           "AQL must be greater than or equal to zero.");
        if (maximum && aql >= *maximum)
            return Problem(status, Joined({"AQL cannot be >= ", maximumText.Text()}), 1,
                           Joined({"AQL must be less than ", maximumText.Text(), "."}));
        const String lowered = TextOf(RealOf(dLoweredAQL(aql.dValue(), adjustment)));
        if (IsEmpty(maxAQLText))
        {
            status = Joined({lowered.Text(), " <= AQL"});
            return true;
        }
        const FormulaValue maxAQL = Evaluated(maxAQLText, aql, nullptr);
        const char* notValid = "Max AQL not valid";
        switch (maxAQL.problem)
        {
        case FormulaProblem::NotValid:
            return Problem(status, notValid, 2,
                           "Max AQL must be must be blank or a valid expression or number.");
        case FormulaProblem::IllegalVariable:
            return Problem(status, notValid, 2, "Max AQL references illegal variable.");
        case FormulaProblem::NotNumber:
            return Problem(status, notValid, 2, "Max AQL must evaluate to a valid number.");
        case FormulaProblem::None:
            break;
        }
        if (maxAQL.value <= aql)
            return Problem(status, "Max AQL not > AQL", 2, "Max AQL must be greater than AQL.");
        if (maximum && maxAQL.value > *maximum)
            return Problem(status, Joined({"Max AQL cannot be > ", maximumText.Text()}), 2,
                           Joined({"Max AQL cannot exceed ", maximumText.Text(), "."}));
        status = Joined({lowered.Text(), " <= AQL <= ", TextOf(maxAQL.value).Text()});
        return true;
    }

    // The LTPD under its symbol; true when it passed, the status then telling the LTPD asked for.
    bool CheckLTPD(const char* ltpdText, String& status)
    {
        const char* symbol = SamplingPlan::SymbolName(SamplingPlan::SymbolIndex());
        if (IsEmpty(ltpdText))
            return Problem(status, Joined({symbol, " Required"}), 3,
                           Joined({symbol, " is required."}));
        if (!IsNumber(ltpd))
            return Problem(status, Joined({symbol, " not valid number"}), 3,
                           Joined({symbol, " is not a valid number."}));
        if (maximum && ltpd > *maximum)
            return Problem(
                status, Joined({symbol, " cannot be > ", maximumText.Text()}), 3,
                Joined({symbol, " must be less than or equal to ", maximumText.Text(), "."}));
        if (aql >= ltpd)
            return Problem(status, Joined({symbol, " not > AQL"}), 3,
                           Joined({symbol, " must be greater than AQL."}));
        status = Joined({symbol, " <= ",
                         TextOf(RealOf(dRaisedLTPD(ltpd.dValue(), adjustment, maximum))).Text()});
        return true;
    }

    // p, then C0 when p passed, then C1 when C0 passed; true when all passed, the status then
    // telling the quantity minimised.
    bool CheckCost(const char* pText, const char* c0Text, const char* c1Text, String& status)
    {
        const FormulaValue p = Evaluated(pText, aql, &ltpd);
        const char* notValid = "p not valid";
        if (IsEmpty(pText))
            return Problem(status, "p Required", 4, "Point to minimize cost at (p) is required.");
        switch (p.problem)
        {
        case FormulaProblem::NotValid:
            return Problem(status, notValid, 4, "p must be a valid expression or number.");
        case FormulaProblem::IllegalVariable:
            return Problem(status, notValid, 4, "p references illegal variable.");
        case FormulaProblem::NotNumber:
            return Problem(status, notValid, 4, "p must evaluate to a valid number.");
        case FormulaProblem::None:
            break;
        }
        if (p.value < Real())
            return Problem(status, "p cannot be < 0", 4,
                           "p must be greater than or equal to zero.");
        if (maximum && p.value >= *maximum)
            return Problem(status, Joined({"p cannot be >= ", maximumText.Text()}), 4,
                           Joined({"p must be less than ", maximumText.Text(), "."}));
        const Real c0 = Parsed(c0Text);
        if (IsEmpty(c0Text))
            return Problem(status, "C0 Required", 5, "C0 is required.");
        if (!IsNumber(c0))
            return Problem(status, "C0 not valid", 5, "C0 must be a valid number.");
        if (c0 <= Real())
            return Problem(status, "C0 cannot be <= 0", 5, "C0 must be greater than zero.");
        const Real c1 = Parsed(c1Text);
        if (IsEmpty(c1Text))
            return Problem(status, "C1 Required", 6, "C1 is required.");
        if (!IsNumber(c1))
            return Problem(status, "C1 not valid", 6, "C1 must be a valid number.");
        if (c1 < Real())
            return Problem(status, "C1 cannot be < 0", 6,
                           "C1 must be greater than or equal to zero.");
        status = Objective(c0, c1, TextOf(p.value));
        return true;
    }

    void vdCheckUnits(int characteristic, const char* unitsText)
    {
        if (SamplingPlan::HasQuantityUnits(characteristic) && IsEmpty(unitsText))
            first.Require(false, 7, "Units must be entered.");
    }

    int Code() const { return first.Result(); }

private:
    bool Problem(String& status, const String& statusText, int code, const String& messageText)
    {
        status = statusText;
        first.Require(false, code, messageText.Text());
        return false;
    }

    // "C0 * ASN(p) + C1 * E{#Stages}(p)" with the values, a factor of 1 and a term of factor 0
    // left out.
    static String Objective(const Real& c0, const Real& c1, const String& p)
    {
        const Real one = RealOf(1);
        String objective;
        if (c0 != Real())
        {
            if (c0 != one)
                objective = Joined({TextOf(c0).Text(), " * "});
            objective += Joined({"ASN(", p.Text(), ")"}).Text();
            if (c1 > Real())
                objective += " + ";
        }
        if (c1 != Real())
        {
            if (c1 != one)
                objective += Joined({TextOf(c1).Text(), " * "}).Text();
            objective += Joined({"E{#Stages}(", p.Text(), ")"}).Text();
        }
        return objective;
    }

    TextValidation first;
    std::optional<Real> maximum;
    String maximumText;
    Real aql;
    Real ltpd;
    int adjustment;
};

// The protection and criterion handed to a design factory.
struct DesignInputs
{
    double dAQL;
    bool bMaximumAQL; // the design from three levels, with dMaximumAQL
    double dMaximumAQL;
    double dLTPD;
    double dP;
    double dC0;
    double dC1;
};

// The plan of class Plan from two levels, or from three when a Max AQL is given; the last
// arguments are the factory's own (the units text, the message).
template <class Plan, class... Last> SamplingPlan* DesignedAs(const DesignInputs& in, Last&... last)
{
    if (in.bMaximumAQL)
        return Plan::DesignFromThreeLevels(in.dAQL, in.dMaximumAQL, in.dLTPD, in.dP, in.dC0, in.dC1,
                                           last...);
    return Plan::DesignFromTwoLevels(in.dAQL, in.dLTPD, in.dP, in.dC0, in.dC1, last...);
}

// Plan type codes of the designable types.
constexpr int singleType = 0;
constexpr int doubleType = 1;
constexpr int variablesSingleType = 6;

// The plan designed, null when the design found none (with the reason in message) or the
// characteristic and type have no design. A variables plan is designed from two levels with the
// session's variables selection.
SamplingPlan* Designed(const SamplingPlanSession& session, int characteristic, int planType,
                       const DesignInputs& in, const char* unitsText, String& message,
                       const DesignProgress& progress)
{
    if (planType == variablesSingleType)
        return DefectivesVariablesSingleSamplingPlan::DesignFromTwoLevels(
            in.dAQL, in.dLTPD, in.dP, in.dC0, in.dC1, session.IsVariablesSdKnown(),
            session.HasVariablesTwoSpecs(), session.VariablesCpText().Text(), message);
    if (planType != singleType && planType != doubleType)
        return nullptr;
    const bool bDouble = planType == doubleType;
    switch (characteristic)
    {
    case SamplingPlan::DefectiveUnits:
        return bDouble ? DesignedAs<DefectivesDoubleSamplingPlan>(in, message, progress)
                       : DesignedAs<DefectivesSingleSamplingPlan>(in, message);
    case SamplingPlan::DefectsPerUnit:
        return bDouble ? DesignedAs<DefectsPerUnitDoubleSamplingPlan>(in, message, progress)
                       : DesignedAs<DefectsPerUnitSingleSamplingPlan>(in, message);
    default:
        return bDouble ? DesignedAs<DefectsPerQuantityDoubleSamplingPlan>(in, unitsText, message,
                                                                          progress)
                       : DesignedAs<DefectsPerQuantitySingleSamplingPlan>(in, unitsText, message);
    }
}

// The code of the type at the index of the characteristic's designable types; -1 for none.
int DesignablePlanType(int characteristic, int index)
{
    const int* types = SamplingPlan::DesignablePlanTypes(characteristic);
    if (types == nullptr || index < 0)
        return -1;
    for (int i = 0; types[i] >= 0; ++i)
        if (i == index)
            return types[i];
    return -1;
}

} // namespace

std::int32_t SamplingPlanSession::ValidateSelectionInputs(
    int characteristic, const char* aqlText, const char* ltpdText, const char* maxAQLText,
    int adjustment, const char* pText, const char* c0Text, const char* c1Text,
    const char* unitsText, String& aqlStatus, bool& aqlFlag, String& ltpdStatus, bool& ltpdFlag,
    String& costStatus, bool& costFlag, String& message)
{
    message = "";
    SelectionCheck check(characteristic, aqlText, ltpdText, adjustment, message);
    aqlFlag = !check.CheckAQL(aqlText, maxAQLText, aqlStatus);
    ltpdFlag = !check.CheckLTPD(ltpdText, ltpdStatus);
    costFlag = !check.CheckCost(pText, c0Text, c1Text, costStatus);
    check.vdCheckUnits(characteristic, unitsText);
    return check.Code();
}

bool SamplingPlanSession::vdSelectPlans(int characteristic, int planTypeIndex, int adjustment,
                                        const char* aqlText, const char* ltpdText,
                                        const char* maxAQLText, const char* pText,
                                        const char* c0Text, const char* c1Text,
                                        const char* unitsText, String& message,
                                        const DesignProgress& progress)
{
    const int planType = DesignablePlanType(characteristic, planTypeIndex);
    if (planType < 0)
        return false;
    try
    {
        const Real aql = Parsed(aqlText);
        const Real ltpd = Parsed(ltpdText);
        const FormulaValue maxAQL = Evaluated(maxAQLText, aql, nullptr);
        const FormulaValue p = Evaluated(pText, aql, &ltpd);
        const DesignInputs in{dLoweredAQL(aql.dValue(), adjustment),
                              maxAQL.problem == FormulaProblem::None,
                              maxAQL.value.dValue(),
                              dRaisedLTPD(ltpd.dValue(), adjustment, UnitsMaximum(characteristic)),
                              p.value.dValue(),
                              Parsed(c0Text).dValue(),
                              Parsed(c1Text).dValue()};
        const String units = Trimmed(unitsText);
        std::unique_ptr<SamplingPlan> plan(
            Designed(*this, characteristic, planType, in, units.Text(), message, progress));
        if (!plan)
            return false;
        // Each design of a selection is told of when it cannot be added.
        const char* full = Count() >= LargestSessionPlans             ? NoRoomForPlans
                           : !HasRoomFor(*this, PlanLineBytes(*plan)) ? SessionFileWouldBeTooLarge
                                                                      : nullptr;
        if (full != nullptr)
        {
            message = Joined({"The ", SamplingPlan::PlanTypeNameOf(planType), " plan designed for ",
                              SamplingPlan::CharacteristicListName(characteristic),
                              " was not added.  ", full});
            return false;
        }
        vdAddPlan(std::move(plan));
        return true;
    }
    catch (const std::exception&)
    {
        message = Joined({"Error occured selecting ", SamplingPlan::PlanTypeNameOf(planType),
                          " for ", SamplingPlan::CharacteristicListName(characteristic), "."});
        return false;
    }
}

} // namespace Brosquin
