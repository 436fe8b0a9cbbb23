#pragma once

#include "app/dialogs/AttributePlanDialogBox.h"
#include "plans/DefectsPerQuantitySamplingPlan.h"
#include "plans/DoublePlanTexts.h"

#include <array>
#include <type_traits>

namespace Brosquin
{

// The entry dialog of a double plan: n1, a1, r1, n2 and a2 (and, for amounts of material, the
// units). Plan is the plan class, which validates and takes the entries.
template <class Plan> class TDoubleDialogBox : public TAttributePlanDialogBox
{
public:
    // The plan to edit, or null for a new plan; only read.
    TDoubleDialogBox(QWidget* owner, const Plan* plan, const char* caption, int helpContext,
                     std::vector<const char*> curtailingMethods)
        : TAttributePlanDialogBox(owner,
                                  {caption,
                                   helpContext,
                                   {{"FirstSampleSizeEditBox", "&First Sample Size (n1):"},
                                    {"FirstAcceptNumberEditBox", "First &Accept Number (a1):"},
                                    {"FirstRejectNumberEditBox", "First &Reject Number (r1):"},
                                    {"SecondSampleSizeEditBox", "&Second Sample Size (n2):"},
                                    {"SecondAcceptNumberEditBox", "S&econd Accept Number (a2):"}},
                                   hasUnits,
                                   "&Method of Curtailing:",
                                   std::move(curtailingMethods)})
    {
        if (!plan)
            return;
        const DoublePlanTexts& texts = plan->Texts();
        vdShowPlan({&texts.n1, &texts.a1, &texts.r1, &texts.n2, &texts.a2},
                   plan->QuantityUnitsText(), plan->Method(), plan->IsLotSizeGiven(),
                   plan->LotSizeText());
    }

    // Hands the entries to the plan.
    void vdDescribe(Plan& plan) const
    {
        const Entries t = ParameterTexts();
        if constexpr (hasUnits)
            plan.vdDescribe(t[0].constData(), t[1].constData(), t[2].constData(), t[3].constData(),
                            t[4].constData(), UnitsText().constData(), CurtailingIndex(),
                            IsLotSizeGiven(), LotSizeText().constData());
        else
            plan.vdDescribe(t[0].constData(), t[1].constData(), t[2].constData(), t[3].constData(),
                            t[4].constData(), CurtailingIndex(), IsLotSizeGiven(),
                            LotSizeText().constData());
    }

protected:
    int Validate(String& message) const override
    {
        const Entries t = ParameterTexts();
        if constexpr (hasUnits)
            return Plan::SetFromText(t[0].constData(), t[1].constData(), t[2].constData(),
                                     t[3].constData(), t[4].constData(), UnitsText().constData(),
                                     CurtailingIndex(), IsLotSizeGiven(), LotSizeText().constData(),
                                     message);
        else
            return Plan::SetFromText(t[0].constData(), t[1].constData(), t[2].constData(),
                                     t[3].constData(), t[4].constData(), CurtailingIndex(),
                                     IsLotSizeGiven(), LotSizeText().constData(), message);
    }

private:
    static constexpr bool hasUnits = std::is_base_of_v<DefectsPerQuantitySamplingPlan, Plan>;
    using Entries = std::array<QByteArray, 5>;

    Entries ParameterTexts() const
    {
        return {ParameterText(0), ParameterText(1), ParameterText(2), ParameterText(3),
                ParameterText(4)};
    }
};

} // namespace Brosquin
