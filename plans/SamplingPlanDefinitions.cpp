#include "plans/SamplingPlanDefinitions.h"

#include "core/RealOf.h"
#include "plans/TextValidation.h"

namespace Brosquin
{

namespace
{

const char* const symbolNames[SamplingPlanDefinitions::SymbolCount] = {"LTPD", "LQ", "RQL", "UQL"};

String Trimmed(const char* text)
{
    String trimmed(text != nullptr ? text : "");
    trimmed.vdTrim();
    return trimmed;
}

Real Parsed(const char* text)
{
    Real value;
    value = text != nullptr ? text : "";
    return value;
}

// The checks of both probabilities and their order; 0, 1 or 2 as ValidateRiskLevels.
int CheckRiskLevels(const Real& aql, const Real& ltpd, int symbolIndex, String& aqlSentence,
                    String& ltpdSentence, String& message)
{
    if (!SamplingPlanDefinitions::CheckAQLProbability(aql, aqlSentence))
    {
        message = aqlSentence.Text() + 6;
        return 1;
    }
    if (!SamplingPlanDefinitions::CheckLTPDProbability(ltpd, symbolIndex, ltpdSentence))
    {
        message = ltpdSentence.Text() + 6;
        return 2;
    }
    if (ltpd >= aql)
    {
        message = "Probability of acceptance at AQL must be greater than at ";
        message += SamplingPlanDefinitions::SymbolName(symbolIndex);
        message += ".";
        return 1;
    }
    return 0;
}

} // namespace

SamplingPlanDefinitions::SamplingPlanDefinitions()
{
    aql = 0.95;
    ltpd = 0.1;
    vdSetStagesLabel();
}

SamplingPlanDefinitions& SamplingPlanDefinitions::Current()
{
    static SamplingPlanDefinitions definitions;
    return definitions;
}

void SamplingPlanDefinitions::vdReset()
{
    Current() = SamplingPlanDefinitions();
}

const char* SamplingPlanDefinitions::SymbolName(int symbolIndex)
{
    return symbolIndex >= 0 && symbolIndex < SymbolCount ? symbolNames[symbolIndex] : nullptr;
}

bool SamplingPlanDefinitions::CheckAQLProbability(const Real& pa, String& message)
{
    if (!IsNumber(pa))
        message = "Error: AQL probability of acceptance is not a number.";
    else if (pa <= Real())
        message = "Error: AQL probability of acceptance must be greater than zero.";
    else if (pa >= RealOf(1))
        message = "Error: AQL probability of acceptance must be less than one.";
    else
    {
        message = "Failing the sampling plan results in ";
        message += (RealOf(100) * pa).Text(0, true);
        message += "% confidence that the lot is worse than the AQL.";
        return true;
    }
    return false;
}

bool SamplingPlanDefinitions::CheckLTPDProbability(const Real& pa, int symbolIndex, String& message)
{
    const char* symbol = SamplingPlanDefinitions::SymbolName(symbolIndex);
    if (symbol == nullptr)
    {
        message = "Error: The symbol of the second quality level is not known.";
        return false;
    }
    message = "Error: ";
    message += symbol;
    if (!IsNumber(pa))
        message += " probability of acceptance is not a number.";
    else if (pa <= Real())
        message += " probability of acceptance must be greater than zero.";
    else if (pa >= RealOf(1))
        message += " probability of acceptance must be less than one.";
    else
    {
        message = "Passing the sampling plan results in ";
        message += (RealOf(100) * (RealOf(1) - pa)).Text(0, true);
        message += "% confidence that the lot is better than the ";
        message += symbol;
        message += ".";
        return true;
    }
    return false;
}

int SamplingPlanDefinitions::ValidateRiskLevels(const char* aqlEntry, const char* ltpdEntry,
                                                int symbol, String& message)
{
    Real newAql = Parsed(aqlEntry);
    Real newLtpd = Parsed(ltpdEntry);
    String newAqlSentence;
    String newLtpdSentence;
    int code = CheckRiskLevels(newAql, newLtpd, symbol, newAqlSentence, newLtpdSentence, message);
    if (code != 0)
        return code;
    aqlText = Trimmed(aqlEntry);
    ltpdText = Trimmed(ltpdEntry);
    aql = newAql;
    ltpd = newLtpd;
    symbolIndex = symbol;
    aqlSentence = newAqlSentence;
    ltpdSentence = newLtpdSentence;
    return 0;
}

bool SamplingPlanDefinitions::SetRiskLevels(const char* aqlEntry, const char* ltpdEntry, int symbol)
{
    String newAqlSentence;
    String newLtpdSentence;
    String message;
    if (CheckRiskLevels(Parsed(aqlEntry), Parsed(ltpdEntry), symbol, newAqlSentence,
                        newLtpdSentence, message) != 0)
        return false;
    defaultAQLText = Trimmed(aqlEntry);
    defaultLTPDText = Trimmed(ltpdEntry);
    defaultSymbolIndex = symbol;
    return true;
}

bool SamplingPlanDefinitions::vdSetRiskTexts()
{
    aqlText = defaultAQLText;
    ltpdText = defaultLTPDText;
    aql = Parsed(aqlText.Text());
    ltpd = Parsed(ltpdText.Text());
    symbolIndex = defaultSymbolIndex;
    CheckAQLProbability(aql, aqlSentence);
    return CheckLTPDProbability(ltpd, symbolIndex, ltpdSentence);
}

int SamplingPlanDefinitions::SetCostParameters(const char* title, const char* c0Entry,
                                               const char* c1Entry, String& message)
{
    Real newC0;
    Real newC1;
    TextValidation check(message);
    check.Parse(c0Entry, newC0, 1, "Error: Cost parameter C0 is not a valid number.")
        .Require(!(newC0 < Real()), 1, "Error: Cost parameter C0 is negative.")
        .Parse(c1Entry, newC1, 2, "Error: Cost parameter C1 is not a valid number.")
        .Require(!(newC1 < Real()), 2, "Error: Cost parameter C1 is negative.");
    if (check.Result() != 0)
        return check.Result();
    costTitle = Trimmed(title);
    c0Text = Trimmed(c0Entry);
    c0 = newC0;
    c1Text = Trimmed(c1Entry);
    c1 = newC1;
    return 0;
}

void SamplingPlanDefinitions::vdSetStagesLabel()
{
    costTitle = "E{#Stages}";
    c0Text = "0";
    c0 = 0.0;
    c1Text = "1";
    c1 = 1.0;
}

} // namespace Brosquin
