#pragma once

#include "app/MdiChild.h"

#include <QWidget>
#include <array>
#include <memory>

class QAction;
class QMdiSubWindow;
class QMenu;
class QPushButton;
class QTabWidget;

namespace Brosquin
{

class SamplingPlan;
class SamplingPlanEvaluationList;
class TDisplayControl;
class TDrawingControl;
class TListSamplingPlansWindow;
class TMainMDIWindow;
class TPlotControl;

// A child window of the main window that compares plans of one characteristic: the OC, ASN,
// cost and AOQ plots and the summary, percentiles and curves tables of its evaluation list, one
// to a tab page. It owns the list, follows every change of the session's plans, and closes itself
// when the session has taken all of them away.
class TEvaluationWindow : public QWidget, public EvaluationChild
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 30;
    static constexpr int kPlotHelpContext = 600;
    static constexpr int kAddPlansHelpContext = 31;
    static constexpr int kRemovePlansHelpContext = 32;
    // The pages, in tab order.
    enum Page
    {
        OCCurvePage,
        ASNCurvePage,
        CostCurvePage,
        AOQCurvePage,
        SummaryPage,
        PercentilesPage,
        TablePage,
        PageCount
    };

    // A window on a new evaluation, taking the list over; it joins the main window's child
    // windows and is shown by the caller. The plan list window is where plans are dragged from.
    TEvaluationWindow(TMainMDIWindow& mainWindow, TListSamplingPlansWindow& planList,
                      std::unique_ptr<SamplingPlanEvaluationList> list);
    // A window rebuilt from its record in a session file, shown in its saved state and place,
    // with its saved page on show and the saved size modes of its components.
    TEvaluationWindow(TMainMDIWindow& mainWindow, TListSamplingPlansWindow& planList,
                      EvaluationWindowRecord record);
    ~TEvaluationWindow() override;

    QMdiSubWindow* SubWindow() const { return pSubWindow; }
    // Null once the window has closed.
    SamplingPlanEvaluationList* EvaluationList() const { return pList.get(); }
    QTabWidget* PageControl() const { return pPageControl; }
    // The component shown on a page.
    TDisplayControl* Component(int page) const { return components[page]; }
    QAction* WorstCaseOcCurvesItem() const { return pWorstCaseItem; }

    int HelpContext() const override { return kHelpContext; }
    void vdUpdateAfterChange() override;
    void vdSetTabsAtBottom(bool bAtBottom) override;
    void vdWriteToStream(std::ostream& out) const override;
    // Every component shows its object afresh; the session counts as modified.
    void vdRedraw();

    void MenuButtonClick();
    void AddPlanButtonClick();
    void RemovePlanButtonClick();
    void PrintButtonClick() override;
    void CopyButtonClick() override;
    void TableOptionsItemClicked();
    void CostParametersItemClicked();
    void WorstCaseOcCurvesItemClicked();
    // Only a plan dragged from the plan list's rows is taken; dropping adds the plan selected
    // there when it has the characteristic of this window's plans.
    bool FormDragOver(const QObject* source) const;
    void FormDragDrop(const QObject* source);
    void Change();

protected:
    // The list goes before the components that show its objects.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A window in that place and size.
    TEvaluationWindow(TMainMDIWindow& mainWindow, TListSamplingPlansWindow& planList,
                      std::unique_ptr<SamplingPlanEvaluationList> list, const WindowPlace& place);
    void vdBuildPages();
    void vdBuildButtons(QWidget* panel);
    void vdInitializeControls();
    // The plan whose characteristic every plan of the window has; null once none is left.
    const SamplingPlan* FirstPlan() const;

    TMainMDIWindow& mainWindow;
    TListSamplingPlansWindow& planList;
    std::unique_ptr<SamplingPlanEvaluationList> pList;
    QMdiSubWindow* pSubWindow = nullptr;
    QTabWidget* pPageControl = nullptr;
    std::array<TDisplayControl*, PageCount> components{};
    std::array<TPlotControl*, 4> plotControls{};
    std::array<TDrawingControl*, 3> drawingControls{};
    QAction* pWorstCaseItem = nullptr;
};

} // namespace Brosquin
