#include "app/EvaluationWindow.h"

#include "app/CommandPanel.h"
#include "app/ListSamplingPlansWindow.h"
#include "app/MainMDIWindow.h"
#include "app/SubWindowPlace.h"
#include "app/dialogs/SelectSamplingPlanDialog.h"
#include "app/dialogs/TableOptionsDialogBox.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"
#include "plans/SessionBounds.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"
#include "platform/WaitCursor.h"
#include "widgets/DrawingControl.h"
#include "widgets/PlotControl.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Brosquin
{

namespace
{

// A new window's place and size: normal, top 158, left 261, height 480, width 857.
constexpr WindowPlace kDesignPlace{0, 158, 261, 480, 857};
constexpr int kPanelHeight = 51;

struct PageSpec
{
    const char* tabSheet;
    const char* caption;
    const char* scrollBox;
    const char* component;
};

constexpr std::array<PageSpec, TEvaluationWindow::PageCount> kPages = {{
    {"OCCurveTabSheet", "OC Cur&ve", "OCCurveScrollBox", "OCCurvePlotControl"},
    {"ASNCurveTabSheet", "AS&N Curve", "ASNCurveScrollBox", "ASNCurvePlotControl"},
    {"CostCurveTabSheet", "Cost C&urve", "CostCurveScrollBox", "CostCurvePlotControl"},
    {"AOQCurveTabSheet", "AO&Q Curve", "AOQCurveScrollBox", "AOQCurvePlotControl"},
    {"SummaryTabSheet", "&Summary Info", "SummaryScrollBox", "SummaryDrawingControl"},
    {"PercentilesTabSheet", "P&ercentiles", "PercentilesScrollBox", "PercentilesDrawingControl"},
    {"TableTabSheet", "&Table", "TableScrollBox", "TableDrawingControl"},
}};

constexpr int kFirstTablePage = TEvaluationWindow::SummaryPage;

// Inserts a new item at the top of a component's menu.
QAction* InsertTopItem(QMenu* menu, const QString& caption)
{
    auto* item = new QAction(caption, menu);
    menu->insertAction(menu->actions().value(0), item);
    return item;
}

bool Shows(const SamplingPlanEvaluationList& list, std::uint32_t sessionIndex)
{
    for (std::uint32_t position = 1; position <= list.Count(); ++position)
        if (list.PlanIndex(position) == sessionIndex)
            return true;
    return false;
}

} // namespace

TEvaluationWindow::TEvaluationWindow(TMainMDIWindow& owner, TListSamplingPlansWindow& plans,
                                     std::unique_ptr<SamplingPlanEvaluationList> list)
    : TEvaluationWindow(owner, plans, std::move(list), kDesignPlace)
{
}

TEvaluationWindow::TEvaluationWindow(TMainMDIWindow& owner, TListSamplingPlansWindow& plans,
                                     std::unique_ptr<SamplingPlanEvaluationList> list,
                                     const WindowPlace& place)
    : mainWindow(owner), planList(plans), pList(std::move(list))
{
    setObjectName(QStringLiteral("EvaluationWindow"));
    setWindowTitle(tr("Evaluation Window"));
    setAcceptDrops(true);

    pPageControl = new QTabWidget(this);
    pPageControl->setObjectName(QStringLiteral("PageControl"));
    vdBuildPages();
    vdBuildButtons(AddCommandPanel(*this, pPageControl, kPanelHeight));

    vdSetTabsAtBottom(owner.AreTabsAtBottom());
    vdInitializeControls();
    connect(pPageControl, &QTabWidget::currentChanged, this, &TEvaluationWindow::Change);

    // Only a window that was built takes its place among the child windows.
    pSubWindow = owner.MdiArea()->addSubWindow(this);
    pSubWindow->setObjectName(QStringLiteral("EvaluationSubWindow"));
    pSubWindow->setAttribute(Qt::WA_DeleteOnClose);
    // Placed once: every move and resize of a shown window lays its title out again.
    vdApplyPlace(*pSubWindow, place);
    owner.vdSetSessionModified();
}

TEvaluationWindow::TEvaluationWindow(TMainMDIWindow& owner, TListSamplingPlansWindow& plans,
                                     EvaluationWindowRecord record)
    : TEvaluationWindow(owner, plans, std::move(record.list), record.layout.place)
{
    const EvaluationWindowLayout& layout = record.layout;
    for (std::size_t plot = 0; plot < plotControls.size(); ++plot)
        plotControls[plot]->vdSetSizeMode(layout.plotSizes[plot]);
    for (std::size_t table = 0; table < drawingControls.size(); ++table)
        drawingControls[table]->vdSetSizeMode(layout.tableSizes[table]);
    pPageControl->setCurrentIndex(layout.page);
}

TEvaluationWindow::~TEvaluationWindow()
{
    // The components own the plots and drawings the list still points to.
    pList.reset();
}

void TEvaluationWindow::vdBuildPages()
{
    for (int page = 0; page < PageCount; ++page)
    {
        const PageSpec& spec = kPages[page];
        auto* tabSheet = new QWidget();
        tabSheet->setObjectName(QLatin1String(spec.tabSheet));
        auto* scrollBox = new QScrollArea(tabSheet);
        scrollBox->setObjectName(QLatin1String(spec.scrollBox));
        scrollBox->setFrameShape(QFrame::NoFrame);
        auto* sheetLayout = new QVBoxLayout(tabSheet);
        sheetLayout->setContentsMargins(0, 0, 0, 0);
        sheetLayout->addWidget(scrollBox);

        TDisplayControl* component = nullptr;
        if (page < kFirstTablePage)
        {
            auto* plot = new TPlotControl();
            plotControls[page] = plot;
            component = plot;
        }
        else
        {
            auto* drawing = new TDrawingControl();
            drawingControls[page - kFirstTablePage] = drawing;
            component = drawing;
        }
        component->setObjectName(QLatin1String(spec.component));
        scrollBox->setWidget(component);
        components[page] = component;
        pPageControl->addTab(tabSheet, tr(spec.caption));
    }
}

void TEvaluationWindow::vdBuildButtons(QWidget* panel)
{
    struct Button
    {
        const char* name;
        const char* caption;
        int left;
        const char* hint;
        void (TEvaluationWindow::*handler)();
    };
    // In tab order.
    const std::array<Button, 6> buttons = {{
        {"MenuButton", "Popup &Menu", 20,
         "Displays popup menu for displayed tab same as a right mouse click.",
         &TEvaluationWindow::MenuButtonClick},
        {"AddPlanButton", "&Add Plan", 158,
         "Add additional plan from List Sampling Plans window to plots.",
         &TEvaluationWindow::AddPlanButtonClick},
        {"RemovePlanButton", "&Remove Plan", 295, "Remove plans from plots.",
         &TEvaluationWindow::RemovePlanButtonClick},
        {"PrintButton", "&Print", 433, "Print plot or table on displayed tab.",
         &TEvaluationWindow::PrintButtonClick},
        {"CopyButton", "&Copy", 571, "Copy plot or table on displayed tab to clipboard.",
         &TEvaluationWindow::CopyButtonClick},
        {"HelpButton", "Help", 709, "Displays help.", nullptr},
    }};
    for (const Button& spec : buttons)
        AddCommandButton(panel, spec.name, QIcon(), tr(spec.caption), QRect(spec.left, 15, 120, 31),
                         tr(spec.hint),
                         spec.handler ? std::function<void()>([this, handler = spec.handler]
                                                              { (this->*handler)(); })
                                      : nullptr,
                         kHelpContext);
}

void TEvaluationWindow::vdInitializeControls()
{
    for (TPlotControl* plot : plotControls)
    {
        plot->HelpContext = kPlotHelpContext;
        plot->vdSetMargin(0.05);
        // The settings are in the session's file from now on.
        plot->AcceptsOptions = [this] { return planList.FileHasRoomFor(0); };
    }
    for (TDrawingControl* drawing : drawingControls)
        drawing->vdSetSizeMode(SizeMode::FixedSizeNormal);
    for (int page = 0; page < PageCount; ++page)
    {
        TDisplayControl* component = components[page];
        auto* scrollBox = qobject_cast<QScrollArea*>(component->parentWidget()->parentWidget());
        scrollBox->viewport()->setAutoFillBackground(true);
        scrollBox->viewport()->setBackgroundRole(QPalette::Base);
        QPalette white = scrollBox->viewport()->palette();
        white.setColor(QPalette::Base, Qt::white);
        scrollBox->viewport()->setPalette(white);
        component->setPalette(white);
        component->setBackgroundRole(QPalette::Base);

        // A right click anywhere on the page opens the component's menu.
        QWidget* tabSheet = pPageControl->widget(page);
        tabSheet->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(tabSheet, &QWidget::customContextMenuRequested, this,
                [component, tabSheet](const QPoint& at)
                { component->PopupMenu()->popup(tabSheet->mapToGlobal(at)); });
        component->OnChange = [this](QObject*) { Change(); };
    }

    pWorstCaseItem =
        InsertTopItem(components[OCCurvePage]->PopupMenu(), tr("&Display Worst-Case OC Curves"));
    pWorstCaseItem->setCheckable(true);
    pWorstCaseItem->setChecked(pList->WorstCaseCurves());
    connect(pWorstCaseItem, &QAction::triggered, this,
            &TEvaluationWindow::WorstCaseOcCurvesItemClicked);
    connect(InsertTopItem(components[CostCurvePage]->PopupMenu(), tr("C&ost Parameters...")),
            &QAction::triggered, this, &TEvaluationWindow::CostParametersItemClicked);
    QMenu* tableMenu = components[TablePage]->PopupMenu();
    QAction* tableRange = InsertTopItem(tableMenu, tr("&Table Range..."));
    connect(tableRange, &QAction::triggered, this, &TEvaluationWindow::TableOptionsItemClicked);
    tableMenu->insertSeparator(tableMenu->actions().value(1));

    // A table's own Copy to Clipboard copies its text with its picture.
    for (int page = kFirstTablePage; page < PageCount; ++page)
        components[page]->vdSetCopyAction([this] { CopyButtonClick(); });

    // Released first: should a layout fail part way, nothing is deleted twice.
    pList->vdReleaseDisplayObjects();
    drawingControls[0]->vdSetDrawing(pList->PlansTable());
    drawingControls[1]->vdSetDrawing(pList->PercentilesTable());
    drawingControls[2]->vdSetDrawing(pList->CurvesTable());
    plotControls[OCCurvePage]->vdSetPlot(pList->OCPlot());
    plotControls[ASNCurvePage]->vdSetPlot(pList->ASNPlot());
    plotControls[CostCurvePage]->vdSetPlot(pList->CostPlot());
    plotControls[AOQCurvePage]->vdSetPlot(pList->AOQPlot());
    pPageControl->setTabVisible(AOQCurvePage, pList->AOQPlot() != nullptr);
    vdRedraw();
}

const SamplingPlan* TEvaluationWindow::FirstPlan() const
{
    return pList ? pList->GetPlan(1) : nullptr;
}

void TEvaluationWindow::vdSetTabsAtBottom(bool bAtBottom)
{
    pPageControl->setTabPosition(bAtBottom ? QTabWidget::South : QTabWidget::North);
}

void TEvaluationWindow::vdWriteToStream(std::ostream& out) const
{
    // A window that closed has nothing left to keep.
    if (!pList)
        return;
    EvaluationWindowLayout layout{PlaceOf(*pSubWindow), pPageControl->currentIndex(), {}, {}};
    for (std::size_t plot = 0; plot < plotControls.size(); ++plot)
        layout.plotSizes[plot] = plotControls[plot]->Size();
    for (std::size_t table = 0; table < drawingControls.size(); ++table)
        layout.tableSizes[table] = drawingControls[table]->Size();
    vdWriteEvaluationWindowRecord(out, layout, *pList);
}

void TEvaluationWindow::vdRedraw()
{
    for (TDrawingControl* drawing : drawingControls)
        drawing->vdRedraw();
    for (TPlotControl* plot : plotControls)
        plot->vdRedraw();
    mainWindow.vdSetSessionModified();
}

void TEvaluationWindow::vdUpdateAfterChange()
{
    if (!pList || !pList->Changed())
        return;
    if (pList->Count() == 0)
    {
        pSubWindow->close();
        return;
    }
    const WaitCursor hourglass;
    vdRedraw();
    pList->vdClearChanged();
}

void TEvaluationWindow::MenuButtonClick()
{
    components[pPageControl->currentIndex()]->PopupMenu()->popup(
        pPageControl->mapToGlobal(pPageControl->rect().center()));
}

void TEvaluationWindow::AddPlanButtonClick()
{
    const SamplingPlan* first = FirstPlan();
    if (first == nullptr)
        return;
    const SamplingPlanSession& session = planList.Session();
    std::vector<std::uint32_t> candidates;
    for (std::uint32_t index = 1; index <= session.Count(); ++index)
        if (session.Plan(index)->CharacteristicId() == first->CharacteristicId() &&
            !Shows(*pList, index))
            candidates.push_back(index);
    if (candidates.empty())
    {
        UserInteraction::Current().MessageBox(
            tr("No sampling plans of same characteristic that can be added."), tr("Error"));
        return;
    }
    TSelectSamplingPlanDialog dialog(this, true, candidates, session, kAddPlansHelpContext);
    dialog.setWindowTitle(tr("Add Selected Sampling Plans"));
    if (dialog.exec() != QDialog::Accepted || dialog.CheckedCount() == 0 || !pList)
        return;
    std::uint32_t wanted = pList->Count();
    bool roomInFile = true;
    {
        const WaitCursor hourglass;
        for (std::size_t k = 0; k < candidates.size() && roomInFile; ++k)
            if (dialog.IsChecked(static_cast<int>(k)))
            {
                ++wanted;
                roomInFile =
                    planList.FileHasRoomFor(pList->AdditionGrowth(*session.Plan(candidates[k])));
                if (roomInFile)
                    pList->vdAddPlan(candidates[k]);
            }
        vdRedraw();
    }
    if (roomInFile && pList->Count() < wanted)
        UserInteraction::Current().MessageBox(tr(TooManyPlansToEvaluate), tr("Error"));
}

void TEvaluationWindow::RemovePlanButtonClick()
{
    if (!pList)
        return;
    if (pList->Count() <= 1)
    {
        UserInteraction::Current().MessageBox(tr("Cannot remove last sampling plan."), tr("Error"));
        return;
    }
    std::vector<std::uint32_t> shown;
    for (std::uint32_t position = 1; position <= pList->Count(); ++position)
        shown.push_back(pList->PlanIndex(position));
    TSelectSamplingPlanDialog dialog(this, false, shown, planList.Session(),
                                     kRemovePlansHelpContext);
    dialog.setWindowTitle(tr("Remove Selected Sampling Plans"));
    if (dialog.exec() != QDialog::Accepted || !pList)
        return;
    const int checked = dialog.CheckedCount();
    if (checked == static_cast<int>(shown.size()))
    {
        UserInteraction::Current().MessageBox(tr("Cannot remove all sampling plans."), tr("Error"));
        return;
    }
    if (checked == 0)
        return;
    const WaitCursor hourglass;
    // From the last to the first, so the positions still to remove stay valid.
    for (auto position = static_cast<std::uint32_t>(shown.size()); position >= 1; --position)
        if (dialog.IsChecked(static_cast<int>(position) - 1))
            pList->vdRemovePlan(position);
    vdRedraw();
}

void TEvaluationWindow::PrintButtonClick()
{
    const WaitCursor hourglass;
    components[pPageControl->currentIndex()]->vdPrint();
}

void TEvaluationWindow::CopyButtonClick()
{
    if (!pList)
        return;
    const int page = pPageControl->currentIndex();
    components[page]->vdClipboard(
        [this, page]
        {
            String text;
            switch (page)
            {
            case SummaryPage:
                pList->GetPlansTableText(text);
                break;
            case PercentilesPage:
                pList->GetPercentilesTableText(text);
                break;
            case TablePage:
                pList->GetCurvesTableText(text);
                break;
            default:
                break;
            }
            return QStringOfAnsi(text.Text());
        });
}

void TEvaluationWindow::TableOptionsItemClicked()
{
    if (!pList)
        return;
    TTableOptionsDialogBox dialog(this, *pList);
    if (dialog.exec() != QDialog::Accepted)
        return;
    drawingControls[TablePage - kFirstTablePage]->vdRedraw();
    mainWindow.vdSetSessionModified();
}

void TEvaluationWindow::CostParametersItemClicked()
{
    mainWindow.OptionsCostParameters();
}

void TEvaluationWindow::WorstCaseOcCurvesItemClicked()
{
    if (!pList)
        return;
    if (planList.FileHasRoomFor(pList->WorstCaseGrowth()))
    {
        pList->vdSetWorstCaseCurves(!pList->WorstCaseCurves());
        vdRedraw();
    }
    pWorstCaseItem->setChecked(pList->WorstCaseCurves());
}

bool TEvaluationWindow::FormDragOver(const QObject* source) const
{
    return source != nullptr &&
           source == planList.findChild<QObject*>(QStringLiteral("ListSamplingPlans"));
}

void TEvaluationWindow::FormDragDrop(const QObject* source)
{
    const SamplingPlan* first = FirstPlan();
    if (first == nullptr || !FormDragOver(source))
        return;
    const std::uint32_t index = planList.SelectedPlanIndex();
    SamplingPlan* plan = planList.Session().Plan(index);
    if (plan == nullptr || plan->CharacteristicId() != first->CharacteristicId())
        return;
    if (Shows(*pList, index) || !planList.FileHasRoomFor(pList->AdditionGrowth(*plan)))
        return;
    {
        const WaitCursor hourglass;
        pList->vdAddPlan(index);
        vdRedraw();
    }
    if (!Shows(*pList, index))
        UserInteraction::Current().MessageBox(tr(TooManyPlansToEvaluate), tr("Error"));
}

void TEvaluationWindow::Change()
{
    mainWindow.vdSetSessionModified();
}

void TEvaluationWindow::closeEvent(QCloseEvent* event)
{
    pList.reset();
    mainWindow.vdSetSessionModified();
    event->accept();
}

void TEvaluationWindow::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void TEvaluationWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (!FormDragOver(event->source()))
    {
        event->ignore();
        return;
    }
    // The plan is shown here as well: a move would have the list clear the dragged row.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TEvaluationWindow::dropEvent(QDropEvent* event)
{
    if (!FormDragOver(event->source()))
    {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    FormDragDrop(event->source());
}

} // namespace Brosquin
