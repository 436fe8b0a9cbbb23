#include "standards/Z19ParametersReport.h"

#include "core/RealOf.h"
#include "graphics/Drawing.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "plans/VariablesPlanTerms.h"
#include "standards/ReportForm.h"
#include "standards/Z19Tables.h"

#include <stdexcept>
#include <string>

namespace Brosquin
{

namespace
{

// Text columns of the drawn lines and the blanks that stand for them in the text form.
constexpr double ruleColumn = 1;
constexpr const char* ruleIndent = "  ";
constexpr double planColumn = 5;
constexpr const char* planIndent = "     ";

// digits significant digits; 0 for the default 15, with trailing zeros dropped.
std::string NumberText(double number, int digits = 0)
{
    return RealOf(number).Text(digits, true);
}

// The Form 1 plan that a Form 2 plan of the tables stands for, as the form conversion states it.
// With two limits and SD known the limits are put so far apart that only the nearer one counts.
std::string ConversionLine(const Z19PlanKind& kind, const std::string& n, const std::string& M)
{
    String message;
    double size = 0;
    double k = 0;
    DefectivesVariablesSingleSamplingPlan::ConvertForm(
        false, n.c_str(), M.c_str(), kind.sdKnown, kind.twoSpecs,
        kind.sdKnown && kind.twoSpecs ? "100.0" : "", message, size, k);
    return message.Text();
}

void vdPlanLines(ReportForm& form, const Z19PlanKind& kind, const Z19Plan& plan)
{
    const std::string typeLine =
        std::string("Standard Deviation ") + (kind.sdKnown ? "Known, " : "Unknown, ") +
        (kind.twoSpecs ? "2 Specs, " : "1 Spec, ") + (kind.form1 ? "Form 1 (k):" : "Form 2 (M):");
    const std::string n = NumberText(plan.n);
    const std::string value = NumberText(plan.v);
    if (kind.form1)
    {
        // The text form keeps the plan on the type's line.
        form.vdAdd({{ruleColumn, typeLine}}, 1, ruleIndent + typeLine + "    ");
        const std::string planLine = "n=" + n + ", k=" + value;
        form.vdAdd({{planColumn, planLine}}, 1, planLine + "\r\n");
    }
    else
    {
        form.vdLine(ruleColumn, ruleIndent, typeLine);
        std::string planLine = "n=" + n + ", M=" + value;
        if (kind.sdKnown)
            planLine += ", v=" + NumberText(VariablesV(plan.n), 4);
        form.vdLine(planColumn, planIndent, planLine);
        form.vdLine(planColumn, planIndent, ConversionLine(kind, n, value));
    }
    form.vdEmptyLine();
}

StandardChoice CheckedChoice(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                             std::uint32_t planType, std::uint32_t option)
{
    const StandardChoice choice{aql, level, lotSize, planType, option};
    if (ChoiceOutsideItsList(choice, Z19ChoiceCounts) != 0)
        throw std::out_of_range("ANSI Z1.9 choice outside its list");
    return choice;
}

void vdWriteReport(ReportForm& form, const StandardChoice& choice)
{
    const std::uint32_t letter = Z19Letter(choice.lotSize, choice.level);
    const Z19PlanKind kind = Z19KindOf(choice.planType);

    form.vdChoiceLines("ANSI Z1.9 Parameters", Z19ChoiceTextsOf(choice));

    if (kind.sdKnown && kind.twoSpecs)
    {
        form.vdLine(ruleColumn, ruleIndent,
                    "Maximum standard deviation = " + NumberText(Z19MpsdFactors[choice.aql]) +
                        " x (USL - LSL)");
        form.vdLine(ruleColumn, ruleIndent,
                    "or equivalently minimum Cp = " + NumberText(Z19MinimumCp(choice.aql), 5));
        form.vdEmptyLine();
    }

    for (InspectionRegime regime :
         {InspectionRegime::Normal, InspectionRegime::Tightened, InspectionRegime::Reduced})
    {
        if (!Z19OptionUses(choice.option, regime))
            continue;
        form.vdRegimeTitle(regime);
        vdPlanLines(form, kind, Z19PlanOf(choice.aql, letter, choice.planType, regime));
    }

    if (choice.option < Z19OptionSwitchingFull)
        return;
    form.vdSwitchingStart(std::string(Z19OptionTexts[choice.option]) + ":");
    if (choice.option == Z19OptionSwitchingFull)
    {
        form.vdLine(ruleColumn, ruleIndent,
                    "N to R: If accept 10 consecutive lots while on normal.");
        form.vdLine(ruleColumn, ruleIndent, "R to N: If lot not accepted.");
    }
}

} // namespace

std::unique_ptr<Drawing> Z19ParametersReport(std::uint32_t aql, std::uint32_t level,
                                             std::uint32_t lotSize, std::uint32_t planType,
                                             std::uint32_t option)
{
    return ReportDrawing(&vdWriteReport, CheckedChoice(aql, level, lotSize, planType, option));
}

void Z19ParametersText(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                       std::uint32_t planType, std::uint32_t option, String& text)
{
    vdReportText(&vdWriteReport, CheckedChoice(aql, level, lotSize, planType, option), text);
}

} // namespace Brosquin
