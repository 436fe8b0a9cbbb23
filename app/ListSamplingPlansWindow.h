#pragma once

#include "app/MdiChild.h"

#include <QWidget>
#include <cstdint>
#include <iosfwd>
#include <memory>

class QMdiSubWindow;
class QTableWidgetItem;

namespace Brosquin
{

class PlanListView;
class SamplingPlan;
class SamplingPlanSession;
class TAddPlanDialogBox;
class TSelectPlanDialogBox;
class TMainMDIWindow;

// The child window that lists the plans of the session, one row per plan with its check mark,
// above the buttons of the plan commands. There is one for the whole run; it owns the session.
class TListSamplingPlansWindow : public QWidget, public PlanListChild
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 20;
    enum Column
    {
        CheckColumn,
        CharacteristicColumn,
        PlansColumn,
        AQLColumn,
        LTPDColumn,
        AOQLColumn,
        UnitsColumn,
        ProtectionColumn,
        ColumnCount
    };

    // Takes its place among the main window's child windows and receives its Plans commands; it
    // is destroyed with the main window.
    explicit TListSamplingPlansWindow(TMainMDIWindow& mainWindow);
    ~TListSamplingPlansWindow() override;

    SamplingPlanSession& Session() const override { return *pSession; }
    bool FileHasRoomFor(std::uint64_t moreBytes) const override;
    QMdiSubWindow* SubWindow() const { return pSubWindow; }

    // Rebuilds every row from the session and selects the plan at the 1-based index (none for 0
    // or beyond the last plan). Marks the session modified.
    void vdRefreshList(std::uint32_t selectIndex);
    // The 1-based index of the selected plan, 0 when none is selected.
    std::uint32_t SelectedPlanIndex() const;

    int HelpContext() const override { return kHelpContext; }
    void PrintButtonClick() override;
    void CopyButtonClick() override;
    void EnterNewPlanButtonClick() override;
    void SelectPlanButtonClick() override;
    void EvaluateButtonClick() override;
    void MatchProtectionButtonClick() override;
    void EditPlanButtonClick() override;
    void DuplicateButtonClick() override;
    void DeletePlanButtonClick() override;
    void CheckAllButtonClick() override;
    void UncheckAllButtonClick() override;
    void vdReset() override;
    void vdRebuildDefinitionCaptions() override;
    void vdApplyDefinitions() override;
    void vdApplyUnits() override;
    void vdApplyCostParameters() override;
    void vdConvertUnits(int oldDefectives, int newDefectives, int oldDefects,
                        int newDefects) override;

    // The window's record of the session file: its tag, state, place, size and column widths.
    void vdWriteToStream(std::ostream& out) const override;
    void vdWritePlansToStream(std::ostream& out) const override;
    void vdApplyRecord(const PlanListRecord& record) override;
    void vdSetSession(std::unique_ptr<SamplingPlanSession> session) override;
    void vdAppendPlans(const SamplingPlanSession& merged) override;
    void vdOpenEvaluationWindow(EvaluationWindowRecord record) override;

    void ListSamplingPlansChange(QTableWidgetItem* item);
    void ListSamplingPlansDblClick();
    // A drag that starts in the list; only such drags may be dropped on it.
    void OnStartDrag();
    void OnEndDrag();
    bool OnDragOver() const;
    // Moves the selected plan to the dropped-on row (from 0); a row below 0 means none.
    void OnDragDrop(int targetRow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void vdSetDesignGeometry();
    void vdShowSelectPlanFirst();
    // False, with the user told, when the session holds as many plans as it can.
    bool HasRoomForPlan() const;
    void vdAppendCopy(const SamplingPlan& plan);

    TMainMDIWindow& mainWindow;
    std::unique_ptr<SamplingPlanSession> pSession;
    QMdiSubWindow* pSubWindow = nullptr;
    PlanListView* pListSamplingPlans;
    TAddPlanDialogBox* pAddPlanDialogBox;
    TSelectPlanDialogBox* pSelectPlanDialogBox;
    bool bRefreshing = false;
    bool bDragging = false;
};

} // namespace Brosquin
