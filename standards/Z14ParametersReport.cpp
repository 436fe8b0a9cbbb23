#include "standards/Z14ParametersReport.h"

#include "graphics/Drawing.h"
#include "plans/SamplingPlan.h"
#include "standards/ReportForm.h"
#include "standards/Z14LimitNumbers.h"
#include "standards/Z14Tables.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace Brosquin
{

namespace
{

// Text columns of the drawn lines and the blanks that stand for them in the text form.
constexpr double ruleColumn = 1;
constexpr const char* ruleIndent = "  ";
constexpr double continuedColumn = 4;
constexpr const char* continuedIndent = "          ";
constexpr double stageColumn = 5;
constexpr const char* stageIndent = "             ";
constexpr std::string::size_type labelWidth = 13;
constexpr double sampleSizeColumn = 8;
constexpr double limitNumberColumn = 16;
constexpr const char* tableGap = "          ";

std::string NumberText(std::int32_t number)
{
    return std::to_string(number);
}

// An acceptance number; -1 allows no acceptance at the stage.
std::string AcceptText(std::int32_t accept)
{
    return accept == -1 ? "#" : NumberText(accept);
}

void vdPlanLines(ReportForm& form, const Z14Plan& plan)
{
    const int stages = plan.Stages();
    for (int k = 0; k < stages; ++k)
    {
        const std::string index = stages > 1 ? NumberText(k + 1) : "";
        const std::string values = "n" + index + "=" + NumberText(plan.n) + ", a" + index + "=" +
                                   AcceptText(plan.accept[k]) + ", r" + index + "=" +
                                   NumberText(plan.reject[k]);
        if (k > 0)
        {
            form.vdLine(stageColumn, stageIndent, values);
            continue;
        }
        const std::string label = std::string(Z14PlanTypeTexts[plan.planType]) + ":";
        std::string writtenLabel = ruleIndent + label;
        writtenLabel.resize(std::max(labelWidth, writtenLabel.size()), ' ');
        form.vdAdd({{ruleColumn, label}, {stageColumn, values}}, 1, writtenLabel + values + "\r\n");
    }
    form.vdEmptyLine();
}

void vdTableLine(ReportForm& form, const std::string& drawnLeft, const std::string& writtenLeft,
                 const std::string& right, const char* lineEnd)
{
    form.vdAdd({{sampleSizeColumn, drawnLeft, 1, TextAlignment::Middle},
                {limitNumberColumn, right, 1, TextAlignment::Middle}},
               1, stageIndent + writtenLeft + tableGap + right + lineEnd);
}

// The rule for a normal plan of two or more stages, whose sample varies: the limit numbers of
// every total of sample units the AQL has one for.
void vdLimitNumberRule(ReportForm& form, std::uint32_t aqlPosition)
{
    form.vdLine(ruleColumn, ruleIndent,
                "N to R: If accept 10 consecutive lots while on normal and");
    for (const char* line : {"the total number of nonconformities in those 10",
                             "samples does not exceed the matching limit number",
                             "given below.  If the sample size is below the",
                             "minimum number, additional lots must be accepted",
                             "until the required number of samples is obtained."})
        form.vdLine(continuedColumn, continuedIndent, line);
    form.vdEmptyLine();
    vdTableLine(form, "Sample Size", "Sample Size", "Limit Number", "\r\n");
    vdTableLine(form, "___________", "___________", "____________", "\r\n\r\n");
    for (std::size_t row = 0; row < std::size(Z14LimitNumberRowTexts); ++row)
    {
        const std::int32_t limit = Z14LimitNumberTable[row][aqlPosition];
        if (limit < 0)
            continue;
        std::string rowText = Z14LimitNumberRowTexts[row];
        const std::string drawnText = rowText.substr(0, rowText.find_last_not_of(' ') + 1);
        vdTableLine(form, drawnText, rowText, NumberText(limit), "\r\n\r\n");
    }
    // The text's last row already ends with an empty line.
    form.vdAdd({}, 1, "");
}

void vdSwitchingRules(ReportForm& form, const StandardChoice& choice, std::uint32_t aqlPosition,
                      const Z14Plan& normal, const Z14Plan& reduced)
{
    form.vdSwitchingStart(std::string(Z14OptionTexts[choice.option]) + ":");
    if (choice.option == Z14OptionSwitchingNoReducedPlan)
        return;
    if (choice.option == Z14OptionSwitchingNoLimitNumbers)
        form.vdLine(ruleColumn, ruleIndent,
                    "N to R: If accept 10 consecutive lots while on normal.");
    else if (normal.planType == Z14Single)
    {
        std::int32_t limit = 0;
        std::int32_t lots = 0;
        Z14ReducedLots(aqlPosition, normal.n, limit, lots);
        form.vdLine(ruleColumn, ruleIndent,
                    "N to R: If accept " + NumberText(lots) +
                        " consecutive lots while on normal and");
        form.vdLine(continuedColumn, continuedIndent,
                    "the total number of nonconformities in those " + NumberText(lots) +
                        " samples");
        form.vdLine(continuedColumn, continuedIndent, "does not exceed " + NumberText(limit) + ".");
    }
    else
        vdLimitNumberRule(form, aqlPosition);

    const int last = reduced.Stages() - 1;
    if (reduced.reject[last] - 1 == reduced.stayAccept)
        form.vdLine(ruleColumn, ruleIndent, "R to N: If lot not accepted.");
    else
    {
        form.vdLine(ruleColumn, ruleIndent,
                    "R to N: If lot not accepted or if accepted but the number of");
        form.vdLine(continuedColumn, continuedIndent,
                    "nonconformities is from " + NumberText(reduced.stayAccept + 1) + " to " +
                        NumberText(reduced.reject[last] - 1) + ".");
    }
}

StandardChoice CheckedChoice(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                             std::uint32_t planType, std::uint32_t option)
{
    const StandardChoice choice{aql, level, lotSize, planType, option};
    if (ChoiceOutsideItsList(choice, Z14ChoiceCounts(SamplingPlan::DefectsPerUnit)) != 0)
        throw std::out_of_range("ANSI Z1.4 choice outside its list");
    return choice;
}

void vdWriteReport(ReportForm& form, const StandardChoice& choice)
{
    const std::uint32_t aqlPosition = Z14AqlTableRow(SamplingPlan::DefectsPerUnit, choice.aql);
    const std::uint32_t letter =
        static_cast<std::uint32_t>(Z14CodeLetterTable[choice.lotSize][choice.level]);

    form.vdChoiceLines("ANSI Z1.4 Parameters", Z14ChoiceTextsOf(choice));

    Z14Plan plans[3];
    std::int32_t largestSample = 0;
    for (Z14Regime regime : {Z14Regime::Normal, Z14Regime::Tightened, Z14Regime::Reduced})
    {
        const auto r = static_cast<std::uint32_t>(regime);
        plans[r] = Z14PlanInEffect(aqlPosition, letter, choice.planType, regime);
        if (!Z14OptionUses(choice.option, regime))
            continue;
        form.vdRegimeTitle(regime);
        vdPlanLines(form, plans[r]);
        largestSample = std::max(largestSample, plans[r].TotalSample());
    }
    if (largestSample > Z14LotSizeLowerBounds[choice.lotSize])
    {
        form.vdLine(0, "", "If sample size exceeds lot size, 100% inspect.");
        form.vdEmptyLine();
    }
    if (choice.option >= Z14OptionSwitchingFull)
        vdSwitchingRules(form, choice, aqlPosition, plans[0], plans[2]);
}

} // namespace

std::unique_ptr<Drawing> Z14ParametersReport(std::uint32_t aql, std::uint32_t level,
                                             std::uint32_t lotSize, std::uint32_t planType,
                                             std::uint32_t option)
{
    return ReportDrawing(&vdWriteReport, CheckedChoice(aql, level, lotSize, planType, option));
}

void Z14ParametersText(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                       std::uint32_t planType, std::uint32_t option, String& text)
{
    vdReportText(&vdWriteReport, CheckedChoice(aql, level, lotSize, planType, option), text);
}

} // namespace Brosquin
