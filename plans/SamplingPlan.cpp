#include "plans/SamplingPlan.h"
#include "core/RealOf.h"

#include "plans/SamplingPlanDefinitions.h"
#include "stats/DiscreteDistributions.h"

#include <cmath>
#include <limits>
#include <ostream>

namespace Brosquin
{

namespace
{

const char* const characteristicListNames[SamplingPlan::CharacteristicCount] = {
    "Defective Units", "Defects Per Unit", "Defects Per Quantity"};

const char* const planTypeNames[SamplingPlan::PlanTypeCount] = {"Single",
                                                                "Double",
                                                                "Multiple",
                                                                "Sequential",
                                                                "ANSI Z1.4",
                                                                "ANSI Q3",
                                                                "Variables Single",
                                                                "Variables Double",
                                                                "Variables Sequential",
                                                                "ANSI Z1.9",
                                                                "Narrow Limit Gaging",
                                                                "Mixed",
                                                                "Chain",
                                                                "Skip Lot",
                                                                "Quick Switching System"};

const char* const defaultUnitsNames[SamplingPlan::CharacteristicCount] = {
    "Percent Defective", "Defects per Hundred Units", "Defects per "};

const int enterableTypes[SamplingPlan::CharacteristicCount][7] = {
    {0, 1, 2, 4, 6, 9, -1}, {0, 1, 2, 4, -1}, {0, 1, 2, -1}};

const int designableTypes[SamplingPlan::CharacteristicCount][4] = {
    {0, 1, 6, -1}, {0, 1, -1}, {0, 1, -1}};

bool IsCharacteristic(int characteristic)
{
    return characteristic >= 0 && characteristic < SamplingPlan::CharacteristicCount;
}

} // namespace

SamplingPlan::SamplingPlan() : description("No plan entered.") {}

SamplingPlan::SamplingPlan(const SamplingPlan& other)
    : valid(other.valid), description(other.description), unitsName(other.unitsName),
      quantityUnitsText(other.quantityUnitsText), checked(other.checked), aqlPoint(other.aqlPoint),
      aqlPointText(other.aqlPointText), ltpdPoint(other.ltpdPoint),
      ltpdPointText(other.ltpdPointText), aoql(other.aoql), aoqlText(other.aoqlText),
      rangeLower(other.rangeLower), rangeUpper(other.rangeUpper), maximumASN(other.maximumASN),
      maximumCost(other.maximumCost), paAtAQLPoint(other.paAtAQLPoint),
      paAtAQLPointText(other.paAtAQLPointText), percentAtAQLPoint(other.percentAtAQLPoint),
      percentAtAQLPointText(other.percentAtAQLPointText), paAtLTPDPoint(other.paAtLTPDPoint),
      paAtLTPDPointText(other.paAtLTPDPointText), percentAtLTPDPoint(other.percentAtLTPDPoint),
      percentAtLTPDPointText(other.percentAtLTPDPointText)
{
}

SamplingPlan::~SamplingPlan() = default;

bool SamplingPlan::IsAOQDefined() const
{
    return false;
}

bool SamplingPlan::IsPaSingleValued() const
{
    return true;
}

Real& SamplingPlan::dMinQualityLevel()
{
    result.vdSetMessage("-inf");
    return result;
}

Real& SamplingPlan::dMaxQualityLevel()
{
    result.vdSetMessage("+inf");
    return result;
}

bool SamplingPlan::IsPaDecreasing() const
{
    return true;
}

bool SamplingPlan::IsFiniteLot() const
{
    return false;
}

Real& SamplingPlan::dQualityLevelStep()
{
    return Result(0);
}

Real& SamplingPlan::dPaMaximum(const Real& p)
{
    return dPa(p);
}

Real& SamplingPlan::dPaMinimum(const Real& p)
{
    return dPa(p);
}

Real& SamplingPlan::dPaUpperEnvelope(const Real& p)
{
    return dPa(p);
}

Real& SamplingPlan::dPaLowerEnvelope(const Real& p)
{
    return dPa(p);
}

void SamplingPlan::vdWriteToStream(std::ostream& out) const
{
    out << static_cast<int>(CharacteristicId()) << ' ' << static_cast<int>(PlanTypeId()) << ' '
        << (checked ? 1 : 0) << ' ';
    if (HasQuantityUnits(CharacteristicId()))
    {
        quantityUnitsText.vdWriteQuoted(out);
        out << ' ';
    }
}

void SamplingPlan::vdSetUnits(std::uint8_t) {}

void SamplingPlan::vdSetUnitsText(const char* text)
{
    if (!HasQuantityUnits(CharacteristicId()))
        return;
    quantityUnitsText = text != nullptr ? text : "";
    quantityUnitsText.vdTrim();
    unitsName = defaultUnitsNames[CharacteristicId()];
    unitsName += quantityUnitsText.Text();
}

const char* SamplingPlan::CharacteristicListName(int characteristic)
{
    return IsCharacteristic(characteristic) ? characteristicListNames[characteristic] : nullptr;
}

const char* SamplingPlan::PlanTypeNameOf(int planType)
{
    return planType >= 0 && planType < PlanTypeCount ? planTypeNames[planType] : nullptr;
}

const char* SamplingPlan::SymbolName(int symbolIndex)
{
    return SamplingPlanDefinitions::SymbolName(symbolIndex);
}

bool SamplingPlan::HasQuantityUnits(int characteristic)
{
    return characteristic == DefectsPerQuantity;
}

const int* SamplingPlan::EnterablePlanTypes(int characteristic)
{
    return IsCharacteristic(characteristic) ? enterableTypes[characteristic] : nullptr;
}

const int* SamplingPlan::DesignablePlanTypes(int characteristic)
{
    return IsCharacteristic(characteristic) ? designableTypes[characteristic] : nullptr;
}

const char* SamplingPlan::CurrentUnitsName(int characteristic)
{
    SamplingPlanDefinitions& definitions = SamplingPlanDefinitions::Current();
    if (characteristic == DefectiveUnits)
        return definitions.DefectivesUnits().Name(definitions.DefectivesUnits().CurrentIndex());
    if (characteristic == DefectsPerUnit)
        return definitions.DefectsPerUnitUnits().Name(
            definitions.DefectsPerUnitUnits().CurrentIndex());
    return IsCharacteristic(characteristic) ? defaultUnitsNames[characteristic] : nullptr;
}

bool SamplingPlan::CheckAQLProbability(const Real& pa, String& message)
{
    return SamplingPlanDefinitions::CheckAQLProbability(pa, message);
}

bool SamplingPlan::CheckLTPDProbability(const Real& pa, int symbolIndex, String& message)
{
    return SamplingPlanDefinitions::CheckLTPDProbability(pa, symbolIndex, message);
}

int SamplingPlan::ValidateRiskLevels(const char* aqlText, const char* ltpdText, int symbolIndex,
                                     String& message)
{
    return SamplingPlanDefinitions::Current().ValidateRiskLevels(aqlText, ltpdText, symbolIndex,
                                                                 message);
}

bool SamplingPlan::SetRiskLevels(const char* aqlText, const char* ltpdText, int symbolIndex)
{
    return SamplingPlanDefinitions::Current().SetRiskLevels(aqlText, ltpdText, symbolIndex);
}

bool SamplingPlan::vdSetRiskTexts()
{
    return SamplingPlanDefinitions::Current().vdSetRiskTexts();
}

const String& SamplingPlan::PaAtAQLText()
{
    return SamplingPlanDefinitions::Current().PaAtAQLText();
}

const Real& SamplingPlan::PaAtAQL()
{
    return SamplingPlanDefinitions::Current().PaAtAQL();
}

const String& SamplingPlan::PaAtLTPDText()
{
    return SamplingPlanDefinitions::Current().PaAtLTPDText();
}

const Real& SamplingPlan::PaAtLTPD()
{
    return SamplingPlanDefinitions::Current().PaAtLTPD();
}

int SamplingPlan::SymbolIndex()
{
    return SamplingPlanDefinitions::Current().SymbolIndex();
}

const String& SamplingPlan::DefaultPaAtAQLText()
{
    return SamplingPlanDefinitions::Current().DefaultPaAtAQLText();
}

const String& SamplingPlan::DefaultPaAtLTPDText()
{
    return SamplingPlanDefinitions::Current().DefaultPaAtLTPDText();
}

int SamplingPlan::DefaultSymbolIndex()
{
    return SamplingPlanDefinitions::Current().DefaultSymbolIndex();
}

const String& SamplingPlan::AQLConfidenceSentence()
{
    return SamplingPlanDefinitions::Current().AQLConfidenceSentence();
}

const String& SamplingPlan::LTPDConfidenceSentence()
{
    return SamplingPlanDefinitions::Current().LTPDConfidenceSentence();
}

int SamplingPlan::SetCostParameters(const char* title, const char* c0Text, const char* c1Text,
                                    String& message)
{
    return SamplingPlanDefinitions::Current().SetCostParameters(title, c0Text, c1Text, message);
}

void SamplingPlan::vdSetStagesLabel()
{
    SamplingPlanDefinitions::Current().vdSetStagesLabel();
}

const String& SamplingPlan::CostTitle()
{
    return SamplingPlanDefinitions::Current().CostTitle();
}

const String& SamplingPlan::C0Text()
{
    return SamplingPlanDefinitions::Current().C0Text();
}

const Real& SamplingPlan::C0()
{
    return SamplingPlanDefinitions::Current().C0();
}

const String& SamplingPlan::C1Text()
{
    return SamplingPlanDefinitions::Current().C1Text();
}

const Real& SamplingPlan::C1()
{
    return SamplingPlanDefinitions::Current().C1();
}

Real& SamplingPlan::Result(double value)
{
    result = value;
    return result;
}

bool SamplingPlan::IsValidOrMessage()
{
    if (!valid)
        result.vdSetMessage("Invalid plan");
    return valid;
}

bool SamplingPlan::IsEvaluableAt(const Real& p)
{
    if (!IsNumber(p))
    {
        result = p;
        return false;
    }
    if (!IsValidOrMessage())
        return false;
    Real lowest = dMinQualityLevel();
    Real highest = dMaxQualityLevel();
    const bool belowLowest = p < lowest;
    if (!belowLowest && !(p > highest))
        return true;
    // The message is built only here: the summary's searches ask this thousands of times.
    String message(unitsName.Text());
    if (belowLowest)
        message += " is less than 0";
    else
    {
        message += " is greater than ";
        message += highest.Text(0, true);
    }
    result.vdSetMessage(message.Text());
    return false;
}

bool SamplingPlan::LotCountAt(const Real& p, std::int64_t& count)
{
    Real step = dQualityLevelStep();
    double nearest = HUGE_VAL;
    if (IsNumber(step) && step.dValue() > 0)
    {
        // A level halfway between two counts, as typed or as a table row, arrives a few units in
        // the last place off the half; it is taken as the half, which rounds upward.
        const double ratio = p.dValue() / step.dValue();
        nearest = std::floor(ratio + 0.5 + 16 * std::numeric_limits<double>::epsilon() * ratio);
    }
    // Defects in a lot of units or an amount may number more than the lot's units.
    if (!(nearest <= static_cast<double>(LargestExactCount)))
    {
        result.vdSetError(1);
        return false;
    }
    count = static_cast<std::int64_t>(nearest);
    return true;
}

} // namespace Brosquin
