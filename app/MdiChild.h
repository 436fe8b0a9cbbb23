#pragma once

#include "plans/SessionFile.h"

#include <cstdint>
#include <iosfwd>
#include <memory>

namespace Brosquin
{

class SamplingPlanSession;

// What the main window asks of the widget inside each of its child windows. The tag tells the
// kinds apart: 1 the plan list window, 2 an evaluation window.
class MdiChild
{
public:
    enum Tag
    {
        PlanListTag = 1,
        EvaluationTag = 2
    };

    virtual ~MdiChild() = default;

    virtual int Tag() const = 0;
    virtual int HelpContext() const = 0;
    virtual void PrintButtonClick() = 0;
    virtual void CopyButtonClick() = 0;
    // The window's record of the session file.
    virtual void vdWriteToStream(std::ostream& out) const = 0;
};

// An evaluation window, as the main window updates it.
class EvaluationChild : public MdiChild
{
public:
    int Tag() const override { return EvaluationTag; }

    // Brings the window up to date after a change of plans, definitions, units or costs; a
    // window whose plans all went away closes itself.
    virtual void vdUpdateAfterChange() = 0;
    virtual void vdSetTabsAtBottom(bool bAtBottom) = 0;
};

// The one plan list window: the main window's Plans commands and the updates after the
// definitions, units or costs changed are passed to it.
class PlanListChild : public MdiChild
{
public:
    int Tag() const override { return PlanListTag; }

    virtual void EnterNewPlanButtonClick() = 0;
    virtual void SelectPlanButtonClick() = 0;
    virtual void EvaluateButtonClick() = 0;
    virtual void MatchProtectionButtonClick() = 0;
    virtual void EditPlanButtonClick() = 0;
    virtual void DuplicateButtonClick() = 0;
    virtual void DeletePlanButtonClick() = 0;
    virtual void CheckAllButtonClick() = 0;
    virtual void UncheckAllButtonClick() = 0;

    // A new, empty session in place of the old one, the window back at its first place and size.
    virtual void vdReset() = 0;
    // The captions of the AQL and LTPD columns follow the current definitions.
    virtual void vdRebuildDefinitionCaptions() = 0;
    // The session takes the current definitions, units or costs; the list shows them and keeps
    // its selection.
    virtual void vdApplyDefinitions() = 0;
    virtual void vdApplyUnits() = 0;
    virtual void vdApplyCostParameters() = 0;
    // After a change of the units rows (before and after): the numbers typed for a design
    // follow.
    virtual void vdConvertUnits(int oldDefectives, int newDefectives, int oldDefects,
                                int newDefects) = 0;

    // The session the window shows.
    virtual const SamplingPlanSession& Session() const = 0;
    // Whether the session's file takes that many bytes more (SessionFile.h); the user is told
    // when not.
    virtual bool FileHasRoomFor(std::uint64_t moreBytes) const = 0;

    // The session file's side: the plan list is written; after an open the window takes the
    // session read, its own record and the evaluation windows; a merge appends copies of the
    // plans and selects the first plan, or appends none, telling the user, when the session
    // cannot take them all.
    virtual void vdWritePlansToStream(std::ostream& out) const = 0;
    virtual void vdSetSession(std::unique_ptr<SamplingPlanSession> session) = 0;
    virtual void vdApplyRecord(const PlanListRecord& record) = 0;
    virtual void vdAppendPlans(const SamplingPlanSession& merged) = 0;
    // The window is shown as the record says.
    virtual void vdOpenEvaluationWindow(EvaluationWindowRecord record) = 0;
};

} // namespace Brosquin
