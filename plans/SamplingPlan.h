#pragma once

#include "core/Real.h"
#include "core/String.h"
#include "stats/UnimodalMaximum.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>

namespace Brosquin
{

// The abstract base of every acceptance sampling plan. The rest of the program asks every question
// about a plan through the virtual operations below, which are kept in this fixed order. Every
// number-valued operation writes its answer into the plan's one scratch Real and returns a
// reference to it: a caller copies the value before it makes the next call on the same plan.
class SamplingPlan
{
public:
    // Quality characteristics; plans of different characteristics are never evaluated together.
    enum : std::uint8_t
    {
        DefectiveUnits = 0,
        DefectsPerUnit = 1,
        DefectsPerQuantity = 2,
        CharacteristicCount = 3
    };
    static constexpr int PlanTypeCount = 15;

    virtual ~SamplingPlan();
    virtual SamplingPlan* Clone() const = 0;
    virtual std::uint8_t CharacteristicId() const = 0;
    virtual const char* CharacteristicName() const = 0;
    virtual std::uint8_t PlanTypeId() const = 0;
    virtual const char* PlanTypeName() const = 0;
    virtual bool IsAOQDefined() const;
    virtual bool IsPaSingleValued() const;
    virtual Real& dMinQualityLevel();
    virtual Real& dMaxQualityLevel();
    virtual bool IsPaDecreasing() const;
    virtual bool IsFiniteLot() const;
    virtual Real& dQualityLevelStep();
    virtual Real& dQualityLevelAtPa(const Real& pa);
    virtual Real& dPa(const Real& p) = 0;
    virtual Real& dRangeUpper();
    virtual Real& dRangeLower();
    virtual Real& dPaMaximum(const Real& p);
    virtual Real& dPaMinimum(const Real& p);
    virtual Real& dPaUpperEnvelope(const Real& p);
    virtual Real& dPaLowerEnvelope(const Real& p);
    virtual Real& dASN(const Real& p) = 0;
    virtual Real& dMaxASN();
    virtual Real& dExpectedStages(const Real& p);
    virtual Real& dCost(const Real& p);
    virtual Real& dMaxCost();
    virtual Real& dAOQ(const Real& p);
    virtual Real& dAOQL();
    // Writes the base part of the plan record; each class then writes its own fields.
    virtual void vdWriteToStream(std::ostream& out) const;
    // Reads one plan record and creates the plan of the class its characteristic and plan type
    // codes name, owned by the caller. Null, with the read-error flag set, when the base part is
    // bad or names no class; a plan whose own fields were bad comes back with the flag set.
    static std::unique_ptr<SamplingPlan> ReadPlanFromStream(std::istream& in, double fileVersion);
    // Lets ReadPlanFromStream create a class that lives above the plan model, such as the plans
    // chosen from a standard's tables, for its characteristic and plan type codes; a class added
    // again for the same codes takes the place of the one before.
    static void vdAddPlanClass(std::uint8_t characteristic, std::uint8_t planType,
                               std::unique_ptr<SamplingPlan> (*create)());
    // Reads the class's own fields (the base part has been read by then) and applies them.
    virtual void vdReadFromStream(std::istream& in, double fileVersion) = 0;
    // Re-expresses the plan in another row of its family's units; plans whose family has no
    // units rows (defects per quantity) ignore it.
    virtual void vdSetUnits(std::uint8_t unitsIndex);

    // Recomputes the summary (AQL and LTPD points, AOQL, default range, maxima, Pa at the points)
    // after any change of the plan, its units, the definitions or the cost parameters.
    void vdUpdateSummary();
    // Checks a quality-level range typed by the user: 0 when valid, else 1 (minimum), 2 (maximum)
    // or 3 (number of intervals), with the reason in message.
    int ValidateRange(const Real& minimum, const Real& maximum, const Real& intervals,
                      String& message);
    // Curves for plot lines: plan is the plan, input the curve input (an OptimizationInput) whose
    // value holds the quality level; each gives the plan's measure there.
    static const Real* PaCurve(void* plan, void* input);
    static const Real* PaMaximumCurve(void* plan, void* input);
    static const Real* PaMinimumCurve(void* plan, void* input);
    static const Real* ASNCurve(void* plan, void* input);
    static const Real* CostCurve(void* plan, void* input);
    static const Real* AOQCurve(void* plan, void* input);

    // For a plan whose characteristic has quantity units: sets that unit's name (trimmed) and the
    // units name built from it. Does not recompute the summary.
    void vdSetUnitsText(const char* text);

    bool IsValid() const { return valid; }
    bool IsChecked() const { return checked; }
    void vdSetChecked(bool on) { checked = on; }
    const String& Description() const { return description; }
    const String& UnitsName() const { return unitsName; }
    const String& QuantityUnitsText() const { return quantityUnitsText; }

    // The summary kept by vdUpdateSummary.
    const Real& AQLPoint() const { return aqlPoint; }
    const String& AQLPointText() const { return aqlPointText; }
    const Real& LTPDPoint() const { return ltpdPoint; }
    const String& LTPDPointText() const { return ltpdPointText; }
    const Real& AOQLValue() const { return aoql; }
    const String& AOQLText() const { return aoqlText; }
    const Real& RangeLower() const { return rangeLower; }
    const Real& RangeUpper() const { return rangeUpper; }
    const Real& MaximumASN() const { return maximumASN; }
    const Real& MaximumCost() const { return maximumCost; }
    const Real& PaAtAQLPoint() const { return paAtAQLPoint; }
    const String& PaAtAQLPointText() const { return paAtAQLPointText; }
    const Real& PercentAtAQLPoint() const { return percentAtAQLPoint; }
    const String& PercentAtAQLPointText() const { return percentAtAQLPointText; }
    const Real& PaAtLTPDPoint() const { return paAtLTPDPoint; }
    const String& PaAtLTPDPointText() const { return paAtLTPDPointText; }
    const Real& PercentAtLTPDPoint() const { return percentAtLTPDPoint; }
    const String& PercentAtLTPDPointText() const { return percentAtLTPDPointText; }

    // Vocabulary shared by lists and dialogs. Each gives null for a code outside its table.
    static const char* CharacteristicListName(int characteristic);
    static const char* PlanTypeNameOf(int planType);
    static const char* SymbolName(int symbolIndex);
    static bool HasQuantityUnits(int characteristic);
    // The plan types that can be entered, and that can be designed, for a characteristic: their
    // codes in list order, ended by -1.
    static const int* EnterablePlanTypes(int characteristic);
    static const int* DesignablePlanTypes(int characteristic);
    // The name of the current units of a characteristic ("Defects per " for defects per quantity).
    static const char* CurrentUnitsName(int characteristic);

    // The protection definitions and the cost parameters of the session: each forwards to
    // SamplingPlanDefinitions::Current(), where they are described.
    static bool CheckAQLProbability(const Real& pa, String& message);
    static bool CheckLTPDProbability(const Real& pa, int symbolIndex, String& message);
    static int ValidateRiskLevels(const char* aqlText, const char* ltpdText, int symbolIndex,
                                  String& message);
    static bool SetRiskLevels(const char* aqlText, const char* ltpdText, int symbolIndex);
    static bool vdSetRiskTexts();
    static const String& PaAtAQLText();
    static const Real& PaAtAQL();
    static const String& PaAtLTPDText();
    static const Real& PaAtLTPD();
    static int SymbolIndex();
    static const String& DefaultPaAtAQLText();
    static const String& DefaultPaAtLTPDText();
    static int DefaultSymbolIndex();
    static const String& AQLConfidenceSentence();
    static const String& LTPDConfidenceSentence();
    static int SetCostParameters(const char* title, const char* c0Text, const char* c1Text,
                                 String& message);
    static void vdSetStagesLabel();
    static const String& CostTitle();
    static const String& C0Text();
    static const Real& C0();
    static const String& C1Text();
    static const Real& C1();

protected:
    SamplingPlan();
    // Copies everything but the scratch result, as Clone needs.
    SamplingPlan(const SamplingPlan& other);
    // For a class that copies its values into a plan of its own class (never through the base).
    SamplingPlan& operator=(const SamplingPlan& other) = default;

    // False, with "Invalid plan" in the scratch result, for a plan that is not valid.
    bool IsValidOrMessage();
    // Puts p's message, "Invalid plan", or the range message of a quality level outside the
    // plan's levels into the scratch result and returns false; true when p can be evaluated.
    bool IsEvaluableAt(const Real& p);
    // The number of defectives (defects) in a finite lot nearest to quality level p; false with
    // "Overflow" in the scratch result when that count is beyond what the statistics can take.
    bool LotCountAt(const Real& p, std::int64_t& count);
    // Evaluates a measure at quality level p, whose value for the statistics is level:
    // anyLot(level) for lots of any size, givenLot(the count in the lot) for a finite lot.
    template <class AnyLot, class GivenLot>
    Real& dEvaluateAt(const Real& p, double level, AnyLot anyLot, GivenLot givenLot)
    {
        if (!IsEvaluableAt(p))
            return result;
        if (!IsFiniteLot())
            return Result(anyLot(level));
        std::int64_t count = 0;
        return LotCountAt(p, count) ? Result(givenLot(count)) : result;
    }
    Real& Result(double value);
    // The cost of inspecting a lot from its ASN and its expected number of stages.
    static Real CostOf(const Real& asn, const Real& expectedStages);

    bool valid = false;
    String description;
    String unitsName;
    String quantityUnitsText;
    bool checked = true;
    Real result;

    using Measure = Real& (SamplingPlan::*)(const Real&);
    // The largest value of a measure over the quality levels [lowest, highest], searched from
    // first <= second, between which it is expected.
    Real dMaximumOver(Measure measure, double lowest, double highest, double first, double second);
    // The same search for a function of the quality level that rises to one peak: where it
    // peaks, and its value there.
    static MaximumResult PeakOf(const std::function<double(double)>& measure, double lowest,
                                double highest, double first, double second);

private:
    static const Real* CurveValue(void* plan, void* input, Measure measure);
    // The measure at quality level x, copied out of the scratch result.
    Real ValueAt(Measure measure, double x);
    // Its number, or NaN for a message.
    double NumberAt(Measure measure, double x);
    // Which attainable level of a finite lot stands for a level found between two of them: by
    // the Pa sought (at or below the level for a Pa above 0.5 on a falling curve, at or above it
    // for one below 0.5, the nearer at 0.5), or the nearest with Pa at least or at most the one
    // sought.
    enum class LotLevelSide : std::uint8_t
    {
        ByProbability,
        AtLeast,
        AtMost
    };
    // The inverse OC search for a Pa strictly between 0 and 1.
    Real dLevelSearch(const Real& pa, LotLevelSide side);
    // A level found on a finite lot, moved to an attainable level on the given side.
    Real SnapToStep(double level, const Real& pa, LotLevelSide side);
    // A summary point: on a finite lot the attainable level on the given side, else
    // dQualityLevelAtPa.
    Real PointAt(const Real& pa, LotLevelSide side);
    // The largest value of a measure over the quality levels (the attainable ones on a finite
    // lot).
    Real dMaximumOf(Measure measure);

    Real aqlPoint;
    String aqlPointText;
    Real ltpdPoint;
    String ltpdPointText;
    Real aoql;
    String aoqlText;
    Real rangeLower;
    Real rangeUpper;
    Real maximumASN;
    Real maximumCost;
    Real paAtAQLPoint;
    String paAtAQLPointText;
    Real percentAtAQLPoint;
    String percentAtAQLPointText;
    Real paAtLTPDPoint;
    String paAtLTPDPointText;
    Real percentAtLTPDPoint;
    String percentAtLTPDPointText;
};

} // namespace Brosquin
