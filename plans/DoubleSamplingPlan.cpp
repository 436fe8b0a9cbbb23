#include "plans/DoubleSamplingPlan.h"

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerQuantitySamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/TextValidation.h"

namespace Brosquin
{

template <class Family> std::uint8_t DoubleSamplingPlan<Family>::PlanTypeId() const
{
    return 1;
}

template <class Family> const char* DoubleSamplingPlan<Family>::PlanTypeName() const
{
    return "Double";
}

template <class Family> Real& DoubleSamplingPlan<Family>::dPa(const Real& p)
{
    return this->dEvaluateAt(
        p, this->dLevelOf(p),
        [&](double level) { return statistics->pa(level, n1, a1, r1, n2, a2); },
        [&](std::int64_t count)
        { return statistics->paGivenLot(count, n1, a1, r1, n2, a2, this->LotNumber()); });
}

template <class Family> Real& DoubleSamplingPlan<Family>::dASN(const Real& p)
{
    const auto method = static_cast<std::uint8_t>(this->method);
    return this->dEvaluateAt(
        p, this->dLevelOf(p),
        [&](double level) { return statistics->asn(level, n1, a1, r1, n2, a2, method); },
        [&](std::int64_t count)
        { return statistics->asnGivenLot(count, n1, a1, r1, n2, a2, this->LotNumber(), method); });
}

template <class Family> Real& DoubleSamplingPlan<Family>::dExpectedStages(const Real& p)
{
    return this->dEvaluateAt(
        p, this->dLevelOf(p),
        [&](double level) { return statistics->stages(level, n1, a1, r1, n2, a2); },
        [&](std::int64_t count)
        { return statistics->stagesGivenLot(count, n1, a1, r1, n2, a2, this->LotNumber()); });
}

template <class Family> void DoubleSamplingPlan<Family>::vdWriteToStream(std::ostream& out) const
{
    SamplingPlan::vdWriteToStream(out);
    vdWriteDoublePlanTexts(out, texts);
}

template <class Family> void DoubleSamplingPlan<Family>::vdReadFromStream(std::istream& in, double)
{
    DoublePlanTexts read;
    if (!ReadDoublePlanTexts(in, read))
        return;
    // The units text came with the base part of the record.
    const String units(this->quantityUnitsText);
    vdApply(read.n1.Text(), read.a1.Text(), read.r1.Text(), read.n2.Text(), read.a2.Text(),
            units.Text(), read.method, read.lotSizeGiven, read.lotSize.Text());
    if (!this->valid)
        SetReadError();
}

template <class Family>
void DoubleSamplingPlan<Family>::vdApply(const char* n1Text, const char* a1Text, const char* r1Text,
                                         const char* n2Text, const char* a2Text,
                                         const char* unitsText, std::int8_t method,
                                         bool lotSizeGiven, const char* lotSize)
{
    // The texts are copied first: they may be this plan's own.
    const DoublePlanTexts given{String(n1Text), String(a1Text), String(r1Text), String(n2Text),
                                String(a2Text), method,         lotSizeGiven,   String(lotSize)};
    const String units(unitsText);
    texts = NormalisedDoublePlanTexts(n1Text, a1Text, r1Text, n2Text, a2Text, method, lotSizeGiven,
                                      lotSize);
    if (rules->amounts)
        this->vdSetUnitsText(units.Text());
    this->method = method;
    this->lotSizeGiven = lotSizeGiven;
    this->lotSizeText = texts.lotSize;
    this->valid = ValidateDoublePlanTexts(*rules, given, units.Text(), this->description) == 0;
    if (this->valid)
    {
        n1 = Family::NumberOf(given.n1.Text());
        a1 = TextValidation::CountOf(given.a1.Text());
        r1 = TextValidation::CountOf(given.r1.Text());
        n2 = Family::NumberOf(given.n2.Text());
        a2 = TextValidation::CountOf(given.a2.Text());
        if (lotSizeGiven)
            this->vdSetLotNumber(Family::NumberOf(given.lotSize.Text()));
        this->description = DoublePlanDescription(*rules, texts, this->quantityUnitsText);
    }
    this->vdUpdateSummary();
}

template class DoubleSamplingPlan<DefectivesSamplingPlan>;
template class DoubleSamplingPlan<DefectsPerUnitSamplingPlan>;
template class DoubleSamplingPlan<DefectsPerQuantitySamplingPlan>;

} // namespace Brosquin
