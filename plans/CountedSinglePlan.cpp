#include "plans/CountedSinglePlan.h"

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/TextValidation.h"

namespace Brosquin
{

template <class Family> Real& CountedSinglePlan<Family>::dMaxASN()
{
    return this->IsValidOrMessage() ? this->Result(sampleSize) : this->result;
}

template <class Family> void CountedSinglePlan<Family>::vdWriteToStream(std::ostream& out) const
{
    SamplingPlan::vdWriteToStream(out);
    vdWriteSinglePlanTexts(out, sampleSizeText, acceptNumberText, this->method, this->lotSizeGiven,
                           this->lotSizeText);
}

template <class Family> void CountedSinglePlan<Family>::vdReadFromStream(std::istream& in, double)
{
    SinglePlanTexts texts;
    if (!ReadSinglePlanTexts(in, texts))
        return;
    vdDescribe(texts.sampleSize.Text(), texts.acceptNumber.Text(), texts.method, texts.lotSizeGiven,
               texts.lotSize.Text());
    if (!this->valid)
        SetReadError();
}

template <class Family>
void CountedSinglePlan<Family>::vdDescribe(const char* sampleSize, const char* acceptNumber,
                                           std::int8_t method, bool lotSizeGiven,
                                           const char* lotSize)
{
    // The texts are copied first: they may be this plan's own.
    const SinglePlanTexts texts =
        TrimmedSinglePlanTexts(sampleSize, acceptNumber, method, lotSizeGiven, lotSize);
    sampleSizeText = texts.sampleSize;
    acceptNumberText = texts.acceptNumber;
    this->method = method;
    this->lotSizeGiven = lotSizeGiven;
    this->lotSizeText = texts.lotSize;
    this->valid =
        ValidateSinglePlanTexts(*rules, texts.sampleSize.Text(), texts.acceptNumber.Text(), nullptr,
                                method, lotSizeGiven, texts.lotSize.Text(), this->description) == 0;
    if (this->valid)
    {
        this->sampleSize = TextValidation::CountOf(texts.sampleSize.Text());
        this->acceptNumber = TextValidation::CountOf(texts.acceptNumber.Text());
        if (lotSizeGiven)
            this->lotSize = TextValidation::CountOf(texts.lotSize.Text());
        this->description = SinglePlanDescription(*rules, texts, this->quantityUnitsText);
    }
    this->vdUpdateSummary();
}

template class CountedSinglePlan<DefectivesSamplingPlan>;
template class CountedSinglePlan<DefectsPerUnitSamplingPlan>;

} // namespace Brosquin
