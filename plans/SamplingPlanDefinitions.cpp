#include "core/RealOf.h"
#include "plans/SamplingPlan.h"

#include "plans/TextValidation.h"

namespace Brosquin
{

namespace
{

// The protection definitions and cost parameters shared by every plan of a session, with the
// defaults that a new session starts from.
struct Definitions
{
    String defaultAQLText{"0.95"};
    String defaultLTPDText{"0.10"};
    int defaultSymbolIndex = 0;
    String aqlText{"0.95"};
    Real aql;
    String ltpdText{"0.10"};
    Real ltpd;
    int symbolIndex = 0;
    String aqlSentence{
        "Failing the sampling plan results in 95% confidence that the lot is worse than the AQL."};
    String ltpdSentence{"Passing the sampling plan results in 90% confidence that the lot is "
                        "better than the LTPD."};
    String costTitle{"E{#Stages}"};
    String c0Text{"0"};
    Real c0;
    String c1Text{"1"};
    Real c1;

    Definitions()
    {
        aql = 0.95;
        ltpd = 0.1;
        c0 = 0.0;
        c1 = 1.0;
    }
};

Definitions& Current()
{
    static Definitions definitions;
    return definitions;
}

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
    if (!SamplingPlan::CheckAQLProbability(aql, aqlSentence))
    {
        message = aqlSentence.Text() + 6;
        return 1;
    }
    if (!SamplingPlan::CheckLTPDProbability(ltpd, symbolIndex, ltpdSentence))
    {
        message = ltpdSentence.Text() + 6;
        return 2;
    }
    if (ltpd >= aql)
    {
        message = "Probability of acceptance at AQL must be greater than at ";
        message += SamplingPlan::SymbolName(symbolIndex);
        message += ".";
        return 1;
    }
    return 0;
}

} // namespace

bool SamplingPlan::CheckAQLProbability(const Real& pa, String& message)
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

bool SamplingPlan::CheckLTPDProbability(const Real& pa, int symbolIndex, String& message)
{
    const char* symbol = SymbolName(symbolIndex);
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

int SamplingPlan::ValidateRiskLevels(const char* aqlText, const char* ltpdText, int symbolIndex,
                                     String& message)
{
    Real aql = Parsed(aqlText);
    Real ltpd = Parsed(ltpdText);
    String aqlSentence;
    String ltpdSentence;
    int code = CheckRiskLevels(aql, ltpd, symbolIndex, aqlSentence, ltpdSentence, message);
    if (code != 0)
        return code;
    Definitions& current = Current();
    current.aqlText = Trimmed(aqlText);
    current.ltpdText = Trimmed(ltpdText);
    current.aql = aql;
    current.ltpd = ltpd;
    current.symbolIndex = symbolIndex;
    current.aqlSentence = aqlSentence;
    current.ltpdSentence = ltpdSentence;
    return 0;
}

bool SamplingPlan::SetRiskLevels(const char* aqlText, const char* ltpdText, int symbolIndex)
{
    String aqlSentence;
    String ltpdSentence;
    String message;
    if (CheckRiskLevels(Parsed(aqlText), Parsed(ltpdText), symbolIndex, aqlSentence, ltpdSentence,
                        message) != 0)
        return false;
    Definitions& current = Current();
    current.defaultAQLText = Trimmed(aqlText);
    current.defaultLTPDText = Trimmed(ltpdText);
    current.defaultSymbolIndex = symbolIndex;
    return true;
}

bool SamplingPlan::vdSetRiskTexts()
{
    Definitions& current = Current();
    current.aqlText = current.defaultAQLText;
    current.ltpdText = current.defaultLTPDText;
    current.aql = Parsed(current.aqlText.Text());
    current.ltpd = Parsed(current.ltpdText.Text());
    current.symbolIndex = current.defaultSymbolIndex;
    CheckAQLProbability(current.aql, current.aqlSentence);
    return CheckLTPDProbability(current.ltpd, current.symbolIndex, current.ltpdSentence);
}

const String& SamplingPlan::PaAtAQLText()
{
    return Current().aqlText;
}
const Real& SamplingPlan::PaAtAQL()
{
    return Current().aql;
}
const String& SamplingPlan::PaAtLTPDText()
{
    return Current().ltpdText;
}
const Real& SamplingPlan::PaAtLTPD()
{
    return Current().ltpd;
}
int SamplingPlan::SymbolIndex()
{
    return Current().symbolIndex;
}
const String& SamplingPlan::DefaultPaAtAQLText()
{
    return Current().defaultAQLText;
}
const String& SamplingPlan::DefaultPaAtLTPDText()
{
    return Current().defaultLTPDText;
}
int SamplingPlan::DefaultSymbolIndex()
{
    return Current().defaultSymbolIndex;
}
const String& SamplingPlan::AQLConfidenceSentence()
{
    return Current().aqlSentence;
}
const String& SamplingPlan::LTPDConfidenceSentence()
{
    return Current().ltpdSentence;
}

int SamplingPlan::SetCostParameters(const char* title, const char* c0Text, const char* c1Text,
                                    String& message)
{
    Real c0;
    Real c1;
    TextValidation check(message);
    check.Parse(c0Text, c0, 1, "Error: Cost parameter C0 is not a valid number.")
        .Require(!(c0 < Real()), 1, "Error: Cost parameter C0 is negative.")
        .Parse(c1Text, c1, 2, "Error: Cost parameter C1 is not a valid number.")
        .Require(!(c1 < Real()), 2, "Error: Cost parameter C1 is negative.");
    if (check.Result() != 0)
        return check.Result();
    Definitions& current = Current();
    current.costTitle = Trimmed(title);
    current.c0Text = Trimmed(c0Text);
    current.c0 = c0;
    current.c1Text = Trimmed(c1Text);
    current.c1 = c1;
    return 0;
}

void SamplingPlan::vdSetStagesLabel()
{
    Definitions& current = Current();
    current.costTitle = "E{#Stages}";
    current.c0Text = "0";
    current.c0 = 0.0;
    current.c1Text = "1";
    current.c1 = 1.0;
}

const String& SamplingPlan::CostTitle()
{
    return Current().costTitle;
}
const String& SamplingPlan::C0Text()
{
    return Current().c0Text;
}
const Real& SamplingPlan::C0()
{
    return Current().c0;
}
const String& SamplingPlan::C1Text()
{
    return Current().c1Text;
}
const Real& SamplingPlan::C1()
{
    return Current().c1;
}

} // namespace Brosquin
