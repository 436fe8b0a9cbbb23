#pragma once

#include "app/PlanEntryRoute.h"
#include "platform/UserInteraction.h"
#include "platform/WaitCursor.h"

#include <QDialog>
#include <memory>
#include <type_traits>

namespace Brosquin
{

// The road through an entry dialog of class Dialog to a plan of class Plan, which takes the
// dialog's entries through dialog.vdDescribe(plan). An edited plan takes them only once a copy
// that took them first was found to fit the session.
//
// Guarded, for a plan type whose computations may fail numerically: a failure while the plan
// takes the entries, in whatever form it comes, leaves the session as it was. A new plan is not
// added; an edited plan gets back the values of a copy taken before (Plan::vdCopyTo), and the
// updates of an edit still run. The person is told either way.
template <class Dialog, class Plan, bool guarded = false> class DialogRoute : public PlanEntryRoute
{
public:
    std::unique_ptr<SamplingPlan> EnterNew(QWidget* owner) const override
    {
        Dialog dialog(owner, nullptr);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        auto plan = std::make_unique<Plan>();
        if (Applied(dialog, *plan))
            return plan;
        UserInteraction::Current().MessageBox(
            QDialog::tr("Parameters entered resulted in numerical problems.  Plan not added."));
        return nullptr;
    }

    bool Edit(QWidget* owner, SamplingPlan& plan, const Fits& fits) const override
    {
        // Routes are found by the plan's own characteristic and type, which its class fixes.
        auto* typed = dynamic_cast<Plan*>(&plan);
        if (typed == nullptr)
            return false;
        Dialog dialog(owner, typed);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        // What the entries make of the plan is tried on a copy; one that fails to take them is
        // told of below, as the plan itself fails too.
        {
            const std::unique_ptr<SamplingPlan> trial(typed->Clone());
            auto* typedTrial = dynamic_cast<Plan*>(trial.get());
            if (typedTrial != nullptr && Applied(dialog, *typedTrial) && !fits(*typedTrial))
                return false;
        }
        if constexpr (guarded)
        {
            const std::unique_ptr<std::remove_pointer_t<decltype(typed->Clone())>> copy(
                typed->Clone());
            if (!Applied(dialog, *typed))
            {
                copy->vdCopyTo(*typed);
                UserInteraction::Current().MessageBox(QDialog::tr(
                    "Parameters entered resulted in numerical problems.  Plan not changed."));
            }
        }
        else
            Applied(dialog, *typed);
        return true;
    }

private:
    // False when taking the entries failed.
    static bool Applied(const Dialog& dialog, Plan& plan)
    {
        const WaitCursor hourglass;
        if constexpr (!guarded)
        {
            dialog.vdDescribe(plan);
            return true;
        }
        else
        {
            try
            {
                dialog.vdDescribe(plan);
                return true;
            }
            catch (...)
            {
                return false;
            }
        }
    }
};

template <class Dialog, class Plan> using GuardedDialogRoute = DialogRoute<Dialog, Plan, true>;

} // namespace Brosquin
