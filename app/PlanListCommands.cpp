// The plan list window's commands on the checked plans, on the selected plan and on the table of
// all plans.
#include "app/EvaluationWindow.h"
#include "app/ListSamplingPlansWindow.h"
#include "app/MainMDIWindow.h"
#include "app/dialogs/SelectPlanDialogBox.h"
#include "graphics/Drawing.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"
#include "plans/SamplingPlanTable.h"
#include "plans/SessionBounds.h"
#include "plans/SessionFile.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"
#include "platform/WaitCursor.h"
#include "widgets/DrawingControl.h"

#include <QMdiSubWindow>
#include <new>

namespace Brosquin
{

namespace
{

// The hidden component that prints and copies the plan table: one per window, made on first use.
TDrawingControl& PlanTableControl(QWidget& window)
{
    const QString name = QStringLiteral("DrawingControl");
    if (auto* control = window.findChild<TDrawingControl*>(name))
        return *control;
    auto* control = new TDrawingControl(&window);
    control->setObjectName(name);
    control->vdSetSizeMode(SizeMode::FixedSizeNormal);
    control->hide();
    return *control;
}

} // namespace

bool TListSamplingPlansWindow::HasRoomForPlan() const
{
    if (pSession->Count() < LargestSessionPlans)
        return true;
    UserInteraction::Current().MessageBox(tr(NoRoomForPlans));
    return false;
}

bool TListSamplingPlansWindow::FileHasRoomFor(std::uint64_t moreBytes) const
{
    if (HasRoomFor(*pSession, moreBytes))
        return true;
    UserInteraction::Current().MessageBox(tr(SessionFileWouldBeTooLarge));
    return false;
}

void TListSamplingPlansWindow::SelectPlanButtonClick()
{
    if (HasRoomForPlan())
        pSelectPlanDialogBox->exec();
}

void TListSamplingPlansWindow::MatchProtectionButtonClick()
{
    const std::uint32_t index = SelectedPlanIndex();
    if (index == 0)
    {
        vdShowSelectPlanFirst();
        return;
    }
    if (!HasRoomForPlan())
        return;
    pSelectPlanDialogBox->vdMatchProtection(*pSession->Plan(index));
    pSelectPlanDialogBox->exec();
}

void TListSamplingPlansWindow::EvaluateButtonClick()
{
    String message;
    std::unique_ptr<SamplingPlanEvaluationList> list;
    {
        const WaitCursor hourglass;
        list = pSession->vdEvaluateCheckedPlans(message);
    }
    if (!list)
    {
        UserInteraction::Current().MessageBox(QStringOfAnsi(message.Text()));
        return;
    }
    // The list is among the session's now, and counts in its file.
    if (!FileHasRoomFor(0))
        return;
    TEvaluationWindow* window = nullptr;
    {
        const WaitCursor hourglass;
        window = new TEvaluationWindow(mainWindow, *this, std::move(list));
    }
    window->SubWindow()->show();
}

void TListSamplingPlansWindow::vdOpenEvaluationWindow(EvaluationWindowRecord record)
{
    const WaitCursor hourglass;
    new TEvaluationWindow(mainWindow, *this, std::move(record));
}

void TListSamplingPlansWindow::vdAppendCopy(const SamplingPlan& plan)
{
    std::unique_ptr<SamplingPlan> copy(plan.Clone());
    if (!copy)
        throw std::bad_alloc();
    pSession->vdAddPlan(std::move(copy));
}

void TListSamplingPlansWindow::DuplicateButtonClick()
{
    const std::uint32_t index = SelectedPlanIndex();
    if (index == 0)
    {
        vdShowSelectPlanFirst();
        return;
    }
    if (!HasRoomForPlan() || !FileHasRoomFor(pSession->PlanBytes(index)))
        return;
    vdAppendCopy(*pSession->Plan(index));
    vdRefreshList(pSession->Count());
}

void TListSamplingPlansWindow::DeletePlanButtonClick()
{
    std::uint32_t index = SelectedPlanIndex();
    if (index == 0)
    {
        vdShowSelectPlanFirst();
        return;
    }
    if (UserInteraction::Current().MessageBox(tr("Are you sure you want to delete this plan?"),
                                              tr("Please Confirm"), MessageIcon::None,
                                              MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    pSession->vdDeletePlan(index);
    mainWindow.vdUpdateEvaluationWindows();
    if (index > pSession->Count())
        --index;
    vdRefreshList(index);
}

void TListSamplingPlansWindow::CheckAllButtonClick()
{
    if (pSession->CheckAll())
        vdRefreshList(SelectedPlanIndex());
}

void TListSamplingPlansWindow::UncheckAllButtonClick()
{
    if (pSession->UncheckAll())
        vdRefreshList(SelectedPlanIndex());
}

void TListSamplingPlansWindow::PrintButtonClick()
{
    const WaitCursor hourglass;
    TDrawingControl& control = PlanTableControl(*this);
    control.vdSetDrawing(GetPlansTableDrawing(*pSession).release());
    control.vdPrint();
}

void TListSamplingPlansWindow::CopyButtonClick()
{
    TDrawingControl& control = PlanTableControl(*this);
    control.vdSetDrawing(GetPlansTableDrawing(*pSession).release());
    control.vdClipboard(
        [this]
        {
            String text;
            vdCopyAsText(*pSession, text);
            return QStringOfAnsi(text.Text());
        });
}

} // namespace Brosquin
