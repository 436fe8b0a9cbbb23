#pragma once

#include "core/Real.h"
#include "core/String.h"
#include "plans/UnitsTable.h"

namespace Brosquin
{

// What every plan of a session shares: the protection definitions (Pa required at the AQL and
// allowed at the LTPD, the symbol of the second level) with the defaults a new session starts
// from, the cost parameters, and the units of the families that have units rows. The program
// runs on one set, Current(); SamplingPlan's class-wide operations forward to it. Every setter
// checks all its inputs first and changes nothing on failure.
class SamplingPlanDefinitions
{
public:
    static constexpr int SymbolCount = 4;

    static SamplingPlanDefinitions& Current();
    // Puts the current set back to the values of program start, so that what one session or
    // test set does not reach the next.
    static void vdReset();

    // The name of a symbol of the second level: "LTPD", "LQ", "RQL" or "UQL"; null outside them.
    static const char* SymbolName(int symbolIndex);

    // The checks of one probability; true with the confidence sentence in message, else false
    // with the error.
    static bool CheckAQLProbability(const Real& pa, String& message);
    static bool CheckLTPDProbability(const Real& pa, int symbolIndex, String& message);
    // 0 and the texts made current; 1 (AQL field) or 2 (LTPD field) with the reason.
    int ValidateRiskLevels(const char* aqlText, const char* ltpdText, int symbolIndex,
                           String& message);
    // Stores the texts as the defaults of new sessions when they would pass ValidateRiskLevels.
    bool SetRiskLevels(const char* aqlText, const char* ltpdText, int symbolIndex);
    // Makes the defaults current; false when the defaults do not form valid definitions.
    bool vdSetRiskTexts();

    const String& PaAtAQLText() const { return aqlText; }
    const Real& PaAtAQL() const { return aql; }
    const String& PaAtLTPDText() const { return ltpdText; }
    const Real& PaAtLTPD() const { return ltpd; }
    int SymbolIndex() const { return symbolIndex; }
    const String& DefaultPaAtAQLText() const { return defaultAQLText; }
    const String& DefaultPaAtLTPDText() const { return defaultLTPDText; }
    int DefaultSymbolIndex() const { return defaultSymbolIndex; }
    const String& AQLConfidenceSentence() const { return aqlSentence; }
    const String& LTPDConfidenceSentence() const { return ltpdSentence; }

    // Cost parameters: C0 per unit inspected, C1 per stage. 0 when stored, else 1 (C0) or 2 (C1).
    int SetCostParameters(const char* title, const char* c0Text, const char* c1Text,
                          String& message);
    // The cost parameters of a new session, under which the cost counts the stages.
    void vdSetStagesLabel();
    const String& CostTitle() const { return costTitle; }
    const String& C0Text() const { return c0Text; }
    const Real& C0() const { return c0; }
    const String& C1Text() const { return c1Text; }
    const Real& C1() const { return c1; }

    UnitsTable& DefectivesUnits() { return defectivesUnits; }
    UnitsTable& DefectsPerUnitUnits() { return defectsPerUnitUnits; }

private:
    SamplingPlanDefinitions();

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
    String costTitle;
    String c0Text;
    Real c0;
    String c1Text;
    Real c1;
    UnitsTable defectivesUnits{"Fraction Defective", "Percent Defective", "Defectives per Million"};
    UnitsTable defectsPerUnitUnits{"Defects per Unit", "Defects per Hundred Units",
                                   "Defects per Million Units"};
};

} // namespace Brosquin
