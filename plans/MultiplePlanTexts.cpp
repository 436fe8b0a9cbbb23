#include "plans/MultiplePlanTexts.h"

#include "core/RealOf.h"
#include "core/RecordFields.h"
#include "plans/PlanTextFields.h"
#include "plans/TextValidation.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>

namespace Brosquin
{

namespace
{

// "Stage 3 sample size ..." and the like: the pieces around the stage number.
String StageMessage(const char* before, int stage, const char* after)
{
    String message(before);
    message += std::to_string(stage).c_str();
    message += after;
    return message;
}

} // namespace

bool IsNoAcceptance(const String& acceptText)
{
    String trimmed(acceptText);
    trimmed.vdTrim();
    return std::strcmp(trimmed.Text(), "#") == 0;
}

int ValidateMultiplePlanTexts(const MultiplePlanRules& rules, int S, const String n[],
                              const String a[], const String r[], const char* unitsText,
                              std::int8_t method, bool lotSizeGiven, const char* lotSize,
                              String& message)
{
    const bool counted = !rules.amounts;
    const Real zero = RealOf(0.0);
    const Real one = RealOf(1.0);
    TextValidation check(message);
    if (S < 2)
        return check.Require(false, 1, "Number of stages must be an integer between 2 to 1000.")
            .Result();
    Real previousAccept = RealOf(-1.0);
    Real previousReject = one;
    Real inspected = zero;
    String failure;
    for (int k = 1; k <= S && check.Result() == 0; ++k)
    {
        const int field = 3 * (k - 1);
        const bool last = k == S;
        const auto about = [&](const char* before, const char* after)
        {
            failure = StageMessage(before, k, after);
            return failure.Text();
        };
        Real sample, accept, reject;
        check.Parse(n[k - 1].Text(), sample, field + 1,
                    about("Stage ", " sample size is not a valid number."));
        if (counted)
            check.Require(TextValidation::IsWhole(sample), field + 1,
                          about("Stage ", " sample size is not an integer."));
        check.Require(sample > zero, field + 1,
                      about("Stage ", " sample size must be greater than 0."));
        if (counted)
            check.Require(TextValidation::IsCountSize(sample), field + 1,
                          about("Stage ", " sample size is too large."));
        if (IsNoAcceptance(a[k - 1]))
            accept = RealOf(-1.0);
        else
            check.Parse(a[k - 1].Text(), accept, field + 2,
                        about("Stage ", " accept number is not a valid number."));
        check
            .Require(TextValidation::IsWhole(accept), field + 2,
                     about("Stage ", " accept number is not an integer."))
            .Require(!(accept < previousAccept), field + 2,
                     k == 1 ? "Accept number for stage 1 is less than -1."
                            : about("Accept number for stage ",
                                    " is less than that for previous stage."))
            .Require(TextValidation::IsCountSize(accept), field + 2,
                     about("Stage ", " accept number is too large."))
            .Parse(r[k - 1].Text(), reject, field + 3,
                   about("Stage ", " reject number is not a valid number."))
            .Require(TextValidation::IsWhole(reject), field + 3,
                     about("Stage ", " reject number is not an integer."))
            .Require(!(reject < previousReject), field + 3,
                     k == 1 ? "Reject number for stage 1 is less than 1."
                            : about("Reject number for stage ",
                                    " is less than that for previous stage."))
            .Require(last || reject > accept + one, field + 3,
                     about("Reject number for stage ", " must exceed accept number by at least 2."))
            .Require(!last || reject == accept + one, field + 3,
                     "Reject number for last stage must be equal to accept number plus 1.");
        inspected += sample;
        if (rules.countsWithinSample)
            check
                .Require(!(reject > inspected + one), field + 3,
                         about("Reject number for stage ",
                               " exceeeds cumulative sample size by more than 1."))
                .Require(!last || !(reject > inspected), field + 3,
                         "Reject number for last stage exceeeds cumulative sample size.");
        check.Require(TextValidation::IsCountSize(reject), field + 3,
                      about("Stage ", " reject number is too large."));
        previousAccept = accept;
        previousReject = reject;
    }
    int field = 3 * S + 1;
    if (rules.amounts)
    {
        String units(unitsText != nullptr ? unitsText : "");
        units.vdTrim();
        check.Require(units.Length() > 0, field++, "Units not specified.");
    }
    check.Require(method >= 0 && method <= rules.lastMethod, field++,
                  "Illegal method of curtailing.");
    if (lotSizeGiven)
    {
        Real lot;
        check.Parse(lotSize, lot, field, "Lot size is not a valid number.");
        if (counted)
            check.Require(TextValidation::IsWhole(lot), field, "Lot size must be an integer.");
        // The defects of a larger amount could not be counted.
        check.Require(TextValidation::IsCountSize(lot), field, "Lot size is too large.");
        check.Require(!(lot < inspected), field, "Lot size cannot be less sum of sample sizes.");
    }
    return check.Result();
}

MultiplePlanTexts NormalisedMultiplePlanTexts(int S, const String n[], const String a[],
                                              const String r[], std::int8_t method,
                                              bool lotSizeGiven, const char* lotSize)
{
    MultiplePlanTexts texts;
    // Kept with the plan: exactly as long as its stages, in a session of many plans.
    const auto stages = static_cast<std::size_t>(std::max(S, 0));
    texts.n.reserve(stages);
    texts.a.reserve(stages);
    texts.r.reserve(stages);
    for (int k = 0; k < S; ++k)
    {
        texts.n.push_back(NormalisedText(n[k].Text()));
        texts.a.push_back(IsNoAcceptance(a[k]) ? String("#") : NormalisedText(a[k].Text()));
        texts.r.push_back(NormalisedText(r[k].Text()));
    }
    texts.method = method;
    texts.lotSizeGiven = lotSizeGiven;
    texts.lotSize = lotSize != nullptr ? lotSize : "";
    texts.lotSize.vdTrim();
    return texts;
}

String MultiplePlanDescription(const MultiplePlanRules& rules, const MultiplePlanTexts& texts,
                               const String& unitsText)
{
    String description("Multiple: S=");
    description += std::to_string(texts.Stages()).c_str();
    for (int k = 0; k < 2; ++k)
    {
        const std::string stage = std::to_string(k + 1);
        description += (", n" + stage + "=").c_str();
        description += texts.n[k].Text();
        if (rules.amounts)
        {
            description += " ";
            description += unitsText.Text();
        }
        description += (", a" + stage + "=").c_str();
        description += texts.a[k].Text();
        description += (", r" + stage + "=").c_str();
        description += texts.r[k].Text();
    }
    description += ", ...";
    vdAppendLotAndMethod(description, texts.lotSizeGiven, texts.lotSize, texts.method,
                         rules.lastMethod, rules.methodSuffixes);
    return description;
}

void vdWriteMultiplePlanTexts(std::ostream& out, const MultiplePlanTexts& texts)
{
    out << texts.Stages() << ' ';
    for (int k = 0; k < texts.Stages(); ++k)
        for (const String* text : {&texts.n[k], &texts.a[k], &texts.r[k]})
        {
            text->vdWriteQuoted(out);
            out << ' ';
        }
    vdWriteMethodAndLot(out, texts.method, texts.lotSizeGiven, texts.lotSize);
}

bool ReadMultiplePlanTexts(std::istream& in, MultiplePlanTexts& texts)
{
    std::size_t S = 0;
    if (!ReadWhole<std::size_t>(in, 2, largestStageCount, S))
        return false;
    texts.n.assign(S, String());
    texts.a.assign(S, String());
    texts.r.assign(S, String());
    for (std::size_t k = 0; k < S; ++k)
        for (String* text : {&texts.n[k], &texts.a[k], &texts.r[k]})
            text->vdReadQuoted(in);
    return ReadMethodAndLot(in, texts.method, texts.lotSizeGiven, texts.lotSize);
}

} // namespace Brosquin
