#include "plans/MultipleSamplingPlan.h"

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerQuantitySamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/TextValidation.h"

#include <algorithm>

namespace Brosquin
{

template <class Family> std::uint8_t MultipleSamplingPlan<Family>::PlanTypeId() const
{
    return 2;
}

template <class Family> const char* MultipleSamplingPlan<Family>::PlanTypeName() const
{
    return "Multiple";
}

template <class Family> Real& MultipleSamplingPlan<Family>::dPa(const Real& p)
{
    return dMeasureAt(p, StagedMeasure::probabilityAcceptance,
                      &StagedMeasures::dProbabilityAcceptance);
}

template <class Family> Real& MultipleSamplingPlan<Family>::dASN(const Real& p)
{
    return dMeasureAt(p, StagedMeasure::averageSampleNumber, &StagedMeasures::dAverageSampleNumber);
}

template <class Family> Real& MultipleSamplingPlan<Family>::dExpectedStages(const Real& p)
{
    return dMeasureAt(p, StagedMeasure::expectedStages, &StagedMeasures::dExpectedStages);
}

template <class Family>
Real& MultipleSamplingPlan<Family>::dMeasureAt(const Real& p, StagedMeasure wanted,
                                               double StagedMeasures::*value)
{
    return this->dEvaluateAt(
        p, this->dLevelOf(p), [&](double level) { return MeasuresAt(level, false, wanted).*value; },
        [&](std::int64_t count) { return MeasuresAt(count, true, wanted).*value; });
}

template <class Family>
const StagedMeasures& MultipleSamplingPlan<Family>::MeasuresAt(double level, bool givenLot,
                                                               StagedMeasure wanted)
{
    // A bound on the storage; a summary or an evaluation asks for far fewer.
    constexpr std::size_t mostKept = 4096;
    const auto found = kept.find(level);
    if (found != kept.end() && Holds(found->second.computed, wanted))
        return found->second.measures;
    if (kept.size() >= mostKept)
        kept.clear();
    const int S = Stages();
    if (!conditionalsTried)
    {
        conditionals = statistics->prepare(S, n.data(), a.data(), r.data());
        conditionalsTried = true;
    }
    const auto method = static_cast<std::uint8_t>(this->method);
    const StagedMeasures measures =
        givenLot ? statistics->measuresGivenLot(static_cast<std::int64_t>(level), S, n.data(),
                                                a.data(), r.data(), this->LotNumber(), method,
                                                wanted, conditionals.get())
                 : statistics->measures(level, S, n.data(), a.data(), r.data(), method, wanted,
                                        conditionals.get());
    KeptMeasures& entry = kept[level];
    entry = {measures, wanted};
    return entry.measures;
}

template <class Family> void MultipleSamplingPlan<Family>::vdWriteToStream(std::ostream& out) const
{
    SamplingPlan::vdWriteToStream(out);
    vdWriteMultiplePlanTexts(out, texts);
}

template <class Family>
void MultipleSamplingPlan<Family>::vdReadFromStream(std::istream& in, double)
{
    MultiplePlanTexts read;
    if (!ReadMultiplePlanTexts(in, read))
        return;
    // The units text came with the base part of the record.
    const String units(this->quantityUnitsText);
    vdApply(read.Stages(), read.n.data(), read.a.data(), read.r.data(), units.Text(), read.method,
            read.lotSizeGiven, read.lotSize.Text());
    if (!this->valid)
        SetReadError();
}

template <class Family>
void MultipleSamplingPlan<Family>::vdApply(int S, const String nTexts[], const String aTexts[],
                                           const String rTexts[], const char* unitsText,
                                           std::int8_t method, bool lotSizeGiven,
                                           const char* lotSize)
{
    S = std::max(S, 0);
    // The texts are copied first: they may be this plan's own.
    MultiplePlanTexts normalised =
        NormalisedMultiplePlanTexts(S, nTexts, aTexts, rTexts, method, lotSizeGiven, lotSize);
    const MultiplePlanTexts given{std::vector<String>(nTexts, nTexts + S),
                                  std::vector<String>(aTexts, aTexts + S),
                                  std::vector<String>(rTexts, rTexts + S),
                                  method,
                                  lotSizeGiven,
                                  String(lotSize)};
    const String units(unitsText);
    kept.clear();
    conditionals.reset();
    conditionalsTried = false;
    texts = std::move(normalised);
    n.assign(given.n.size(), 0);
    a.assign(given.n.size(), 0);
    r.assign(given.n.size(), 0);
    if (rules->amounts)
        this->vdSetUnitsText(units.Text());
    this->method = method;
    this->lotSizeGiven = lotSizeGiven;
    this->lotSizeText = texts.lotSize;
    this->valid = ValidateMultiplePlanTexts(*rules, S, given.n.data(), given.a.data(),
                                            given.r.data(), units.Text(), method, lotSizeGiven,
                                            given.lotSize.Text(), this->description) == 0;
    if (this->valid)
    {
        for (std::size_t k = 0; k < n.size(); ++k)
        {
            n[k] = Family::NumberOf(given.n[k].Text());
            a[k] = IsNoAcceptance(given.a[k]) ? -1 : TextValidation::CountOf(given.a[k].Text());
            r[k] = TextValidation::CountOf(given.r[k].Text());
        }
        if (lotSizeGiven)
            this->vdSetLotNumber(Family::NumberOf(given.lotSize.Text()));
        this->description = MultiplePlanDescription(*rules, texts, this->quantityUnitsText);
    }
    this->vdUpdateSummary();
    // The summary's searches ask for levels that no later evaluation asks for again: a session of
    // many plans keeps each at what it needs.
    std::unordered_map<double, KeptMeasures>().swap(kept);
}

template class MultipleSamplingPlan<DefectivesSamplingPlan>;
template class MultipleSamplingPlan<DefectsPerUnitSamplingPlan>;
template class MultipleSamplingPlan<DefectsPerQuantitySamplingPlan>;

} // namespace Brosquin
