#include "app/ListSamplingPlansWindow.h"

#include "app/CommandPanel.h"
#include "app/MainMDIWindow.h"
#include "app/PlanEntryRoute.h"
#include "app/PlanListView.h"
#include "app/SubWindowPlace.h"
#include "app/ToolBarGlyphs.h"
#include "app/dialogs/AddPlanDialogBox.h"
#include "app/dialogs/SelectPlanDialogBox.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanSession.h"
#include "plans/SessionBounds.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"
#include "platform/WaitCursor.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <array>
#include <ostream>

namespace Brosquin
{

namespace
{

// Normal, top 20, left 20, height 348, width 922.
constexpr WindowPlace kDesignPlace{0, 20, 20, 348, 922};
constexpr std::array<int, TListSamplingPlansWindow::ColumnCount> kColumnWidths = {20, 120, 372, 75,
                                                                                  75, 60,  120, 70};
constexpr int kPanelHeight = 90;

} // namespace

TListSamplingPlansWindow::TListSamplingPlansWindow(TMainMDIWindow& owner)
    : mainWindow(owner), pSession(std::make_unique<SamplingPlanSession>()),
      pListSamplingPlans(new PlanListView(*this, this)),
      pAddPlanDialogBox(new TAddPlanDialogBox(this)),
      pSelectPlanDialogBox(new TSelectPlanDialogBox(*this, owner))
{
    setObjectName(QStringLiteral("ListSamplingPlansWindow"));
    setWindowTitle(tr("List Sampling Plans"));

    pListSamplingPlans->setObjectName(QStringLiteral("ListSamplingPlans"));
    pListSamplingPlans->setColumnCount(ColumnCount);
    pListSamplingPlans->setHorizontalHeaderLabels({QString(), tr("Characteristic"),
                                                   tr("Sampling Plans"), tr("AQL"), tr("LTPD"),
                                                   tr("AOQL"), tr("Units"), tr("Protection")});
    pListSamplingPlans->verticalHeader()->hide();
    pListSamplingPlans->setFrameShape(QFrame::NoFrame);
    pListSamplingPlans->setShowGrid(true);
    pListSamplingPlans->setSelectionBehavior(QAbstractItemView::SelectRows);
    pListSamplingPlans->setSelectionMode(QAbstractItemView::SingleSelection);
    pListSamplingPlans->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pListSamplingPlans->horizontalHeader()->setSectionsClickable(false);
    pListSamplingPlans->horizontalHeader()->setHighlightSections(false);
    // The check box column is narrower than the style's least column.
    pListSamplingPlans->horizontalHeader()->setMinimumSectionSize(kColumnWidths[CheckColumn]);
    pListSamplingPlans->setWordWrap(false);
    pListSamplingPlans->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(pListSamplingPlans, &QTableWidget::itemChanged, this,
            &TListSamplingPlansWindow::ListSamplingPlansChange);
    connect(pListSamplingPlans, &QTableWidget::itemDoubleClicked, this,
            &TListSamplingPlansWindow::ListSamplingPlansDblClick);

    QWidget* panel1 = AddCommandPanel(*this, pListSamplingPlans, kPanelHeight);

    struct Button
    {
        const char* name;
        const char* caption;
        int left;
        int top;
        ToolBarGlyph glyph;
        const char* hint;
        void (TListSamplingPlansWindow::*handler)();
    };
    // In tab order.
    const std::array<Button, 12> buttons = {{
        {"EnterNewPlanBitBtn", "Enter &New Plan", 10, 10, ToolBarGlyph::EnterPlan,
         "Enter new sampling plan by entering type and parameters",
         &TListSamplingPlansWindow::EnterNewPlanButtonClick},
        {"SelectPlanBitBtn", "&Select New Plan", 167, 10, ToolBarGlyph::SelectPlans,
         "Select new sampling plan by specifying type, AQL and LTPD",
         &TListSamplingPlansWindow::SelectPlanButtonClick},
        {"EvaluateBitBtn", "E&valute (OC, ASN)", 325, 10, ToolBarGlyph::Evaluate,
         "Evaluate protection provided by checked sampling plans",
         &TListSamplingPlansWindow::EvaluateButtonClick},
        {"MatchProtectionBitBtn", "&Match Protection", 482, 10, ToolBarGlyph::MatchProtection,
         "Find sampling plan(s) that match protection of selected sampling plan",
         &TListSamplingPlansWindow::MatchProtectionButtonClick},
        {"EditPlanBitBtn", "&Edit Plan", 640, 10, ToolBarGlyph::Edit,
         "Edit the parameters of the selected sampling plan",
         &TListSamplingPlansWindow::EditPlanButtonClick},
        {"CheckAllBitBtn", nullptr, 798, 10, ToolBarGlyph::CheckAll,
         "Check boxes of all sampling plans so that they are included in plots.",
         &TListSamplingPlansWindow::CheckAllButtonClick},
        {"DuplicateBitBtn", "D&uplicate Plan", 10, 49, ToolBarGlyph::Duplicate,
         "Duplicate selected sampling plan", &TListSamplingPlansWindow::DuplicateButtonClick},
        {"DeletePlanBitBtn", "&Delete Plan", 167, 49, ToolBarGlyph::Delete,
         "Delete selected sampling plan", &TListSamplingPlansWindow::DeletePlanButtonClick},
        {"PrintBitBtn", "&Print", 325, 49, ToolBarGlyph::Print,
         "Print table of sampling plans shown above", &TListSamplingPlansWindow::PrintButtonClick},
        {"CopyBitBtn", "&Copy", 482, 49, ToolBarGlyph::Copy,
         "Copy table of sampling plans shown above to clipboard",
         &TListSamplingPlansWindow::CopyButtonClick},
        {"HelpBitBtn", "Help", 640, 49, ToolBarGlyph::HelpContents,
         "Display help on using List of Sampling Plans Window", nullptr},
        {"UncheckAllBitBtn", nullptr, 798, 49, ToolBarGlyph::UncheckAll,
         "Uncheck boxes of all sampling plans so that they are not included in plots.",
         &TListSamplingPlansWindow::UncheckAllButtonClick},
    }};
    for (const Button& spec : buttons)
        AddCommandButton(
            panel1, spec.name, ToolBarIcon(spec.glyph), spec.caption ? tr(spec.caption) : QString(),
            QRect(spec.left, spec.top, spec.caption ? 149 : 30, 31), tr(spec.hint),
            spec.handler
                ? std::function<void()>([this, handler = spec.handler] { (this->*handler)(); })
                : nullptr,
            kHelpContext);

    pSubWindow = owner.MdiArea()->addSubWindow(this);
    pSubWindow->setObjectName(QStringLiteral("ListSamplingPlansSubWindow"));
    // The window lives for the whole run: closing it only minimises it.
    pSubWindow->installEventFilter(this);
    vdSetDesignGeometry();
    vdRebuildDefinitionCaptions();
    owner.vdSetPlanList(this);
}

TListSamplingPlansWindow::~TListSamplingPlansWindow()
{
    // The rows destroyed with the list report nothing to the plans.
    disconnect(pListSamplingPlans, nullptr, this, nullptr);
}

bool TListSamplingPlansWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pSubWindow && event->type() == QEvent::Close)
    {
        event->ignore();
        pSubWindow->showMinimized();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TListSamplingPlansWindow::vdSetDesignGeometry()
{
    vdApplyPlace(*pSubWindow, kDesignPlace);
    for (int column = 0; column < ColumnCount; ++column)
        pListSamplingPlans->setColumnWidth(column, kColumnWidths[column]);
}

void TListSamplingPlansWindow::vdWriteToStream(std::ostream& out) const
{
    PlanListRecord record{PlaceOf(*pSubWindow), {}};
    for (int column = 0; column < ColumnCount; ++column)
        record.columnWidths[static_cast<std::size_t>(column)] =
            pListSamplingPlans->columnWidth(column);
    vdWritePlanListRecord(out, record);
}

void TListSamplingPlansWindow::vdWritePlansToStream(std::ostream& out) const
{
    pSession->vdWriteToStream(out);
}

void TListSamplingPlansWindow::vdApplyRecord(const PlanListRecord& record)
{
    vdApplyPlace(*pSubWindow, record.place);
    for (int column = 0; column < ColumnCount; ++column)
        pListSamplingPlans->setColumnWidth(column,
                                           record.columnWidths[static_cast<std::size_t>(column)]);
}

void TListSamplingPlansWindow::vdSetSession(std::unique_ptr<SamplingPlanSession> session)
{
    pSession = std::move(session);
    vdRefreshList(1);
}

void TListSamplingPlansWindow::vdAppendPlans(const SamplingPlanSession& merged)
{
    if (merged.Count() > LargestSessionPlans - pSession->Count())
    {
        UserInteraction::Current().MessageBox(
            tr("Merging would give more sampling plans than Veltrame can show."));
        return;
    }
    std::uint64_t bytes = 0;
    for (std::uint32_t position = 1; position <= merged.Count(); ++position)
        bytes += merged.PlanBytes(position);
    if (!FileHasRoomFor(bytes))
        return;
    const WaitCursor hourglass;
    for (std::uint32_t position = 1; position <= merged.Count(); ++position)
        vdAppendCopy(*merged.Plan(position));
    if (merged.Count() > 0)
        vdRefreshList(1);
}

void TListSamplingPlansWindow::vdRebuildDefinitionCaptions()
{
    const QString symbol = QLatin1String(SamplingPlan::SymbolName(SamplingPlan::SymbolIndex()));
    pListSamplingPlans->horizontalHeaderItem(AQLColumn)->setText(
        QStringLiteral("AQL (") + QStringOfAnsi(SamplingPlan::PaAtAQLText().Text()) +
        QLatin1Char(')'));
    pListSamplingPlans->horizontalHeaderItem(LTPDColumn)
        ->setText(symbol + QStringLiteral(" (") +
                  QStringOfAnsi(SamplingPlan::PaAtLTPDText().Text()) + QLatin1Char(')'));
}

void TListSamplingPlansWindow::vdRefreshList(std::uint32_t selectIndex)
{
    const WaitCursor hourglass;
    bRefreshing = true;
    pListSamplingPlans->setUpdatesEnabled(false);
    pListSamplingPlans->clearSelection();
    pListSamplingPlans->setRowCount(0);
    const std::uint32_t count = pSession->Count();
    pListSamplingPlans->setRowCount(static_cast<int>(count));
    for (std::uint32_t index = 1; index <= count; ++index)
    {
        SamplingPlan& plan = *pSession->Plan(index);
        const int row = static_cast<int>(index - 1);
        auto* check = new QTableWidgetItem();
        check->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable |
                        Qt::ItemIsDragEnabled);
        check->setCheckState(plan.IsChecked() ? Qt::Checked : Qt::Unchecked);
        pListSamplingPlans->setItem(row, CheckColumn, check);
        const std::array<QString, ColumnCount - 1> texts = {
            tr(plan.CharacteristicName()),
            QStringOfAnsi(plan.Description().Text()),
            QStringOfAnsi(plan.AQLPointText().Text()),
            QStringOfAnsi(plan.LTPDPointText().Text()),
            QStringOfAnsi(plan.AOQLText().Text()),
            QStringOfAnsi(plan.UnitsName().Text()),
            plan.IsPaSingleValued() ? tr("Constant") : tr("Varies")};
        for (int column = CharacteristicColumn; column < ColumnCount; ++column)
        {
            auto* item = new QTableWidgetItem(texts[static_cast<std::size_t>(column - 1)]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled);
            pListSamplingPlans->setItem(row, column, item);
        }
    }
    if (selectIndex > 0 && selectIndex <= count)
    {
        const int row = static_cast<int>(selectIndex - 1);
        pListSamplingPlans->selectRow(row);
        pListSamplingPlans->scrollToItem(pListSamplingPlans->item(row, CharacteristicColumn));
    }
    pListSamplingPlans->setUpdatesEnabled(true);
    bRefreshing = false;
    mainWindow.vdSetSessionModified();
}

void TListSamplingPlansWindow::vdShowSelectPlanFirst()
{
    UserInteraction::Current().MessageBox(
        tr("You must select a plan first by clicking on it above."));
}

std::uint32_t TListSamplingPlansWindow::SelectedPlanIndex() const
{
    const QModelIndexList rows = pListSamplingPlans->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : static_cast<std::uint32_t>(rows.constFirst().row()) + 1;
}

void TListSamplingPlansWindow::ListSamplingPlansChange(QTableWidgetItem* item)
{
    if (bRefreshing || item->column() != CheckColumn)
        return;
    SamplingPlan* plan = pSession->Plan(static_cast<std::uint32_t>(item->row()) + 1);
    const bool bChecked = item->checkState() == Qt::Checked;
    if (plan == nullptr || plan->IsChecked() == bChecked)
        return;
    plan->vdSetChecked(bChecked);
    // Check marks are kept in the session file.
    mainWindow.vdSetSessionModified();
}

void TListSamplingPlansWindow::ListSamplingPlansDblClick()
{
    if (SelectedPlanIndex() > 0)
        EditPlanButtonClick();
}

void TListSamplingPlansWindow::OnStartDrag()
{
    bDragging = true;
}

void TListSamplingPlansWindow::OnEndDrag()
{
    bDragging = false;
}

bool TListSamplingPlansWindow::OnDragOver() const
{
    return bDragging;
}

void TListSamplingPlansWindow::OnDragDrop(int targetRow)
{
    const std::uint32_t from = SelectedPlanIndex();
    if (targetRow < 0 || from == 0)
        return;
    const auto to = static_cast<std::uint32_t>(targetRow) + 1;
    if (to == from || to > pSession->Count() ||
        !FileHasRoomFor(pSession->RebuildGrowth(from, *pSession->Plan(from))))
        return;
    pSession->vdMovePlan(from, to);
    mainWindow.vdUpdateEvaluationWindows();
    vdRefreshList(to);
}

void TListSamplingPlansWindow::EnterNewPlanButtonClick()
{
    if (!HasRoomForPlan() || pAddPlanDialogBox->exec() != QDialog::Accepted)
        return;
    const PlanEntryRoute* route =
        PlanEntryRoute::Find(pAddPlanDialogBox->Characteristic(), pAddPlanDialogBox->PlanType());
    if (route == nullptr)
        return;
    std::unique_ptr<SamplingPlan> plan = route->EnterNew(this);
    if (!plan || !FileHasRoomFor(SamplingPlanSession::PlanLineBytes(*plan)))
        return;
    const WaitCursor hourglass;
    pSession->vdAddPlan(std::move(plan));
    vdRefreshList(pSession->Count());
}

void TListSamplingPlansWindow::EditPlanButtonClick()
{
    const std::uint32_t index = SelectedPlanIndex();
    if (index == 0)
    {
        vdShowSelectPlanFirst();
        return;
    }
    SamplingPlan& plan = *pSession->Plan(index);
    const PlanEntryRoute* route = PlanEntryRoute::Find(plan.CharacteristicId(), plan.PlanTypeId());
    if (route == nullptr)
    {
        UserInteraction::Current().MessageBox(tr("Sampling plan not available"));
        return;
    }
    // The session's file must hold the plan's record and its lines in the evaluation windows.
    const auto fits = [this, index](SamplingPlan& edited)
    {
        const auto growth = static_cast<std::int64_t>(SamplingPlanSession::PlanLineBytes(edited)) -
                            static_cast<std::int64_t>(pSession->PlanBytes(index)) +
                            static_cast<std::int64_t>(pSession->RebuildGrowth(index, edited));
        return FileHasRoomFor(growth > 0 ? static_cast<std::uint64_t>(growth) : 0);
    };
    if (!route->Edit(this, plan, fits))
        return;
    const WaitCursor hourglass;
    pSession->vdReplacePlan(index);
    mainWindow.vdUpdateEvaluationWindows();
    vdRefreshList(index);
}

void TListSamplingPlansWindow::vdReset()
{
    vdSetDesignGeometry();
    pSession = std::make_unique<SamplingPlanSession>();
    vdRefreshList(1);
}

// Each plan's summary is worked out afresh, which takes seconds for the widest multiple plans.
void TListSamplingPlansWindow::vdApplyDefinitions()
{
    const WaitCursor hourglass;
    pSession->vdApplyDefinitions();
    vdRefreshList(SelectedPlanIndex());
}

void TListSamplingPlansWindow::vdApplyUnits()
{
    const WaitCursor hourglass;
    pSession->vdSetUnits();
    vdRefreshList(SelectedPlanIndex());
}

void TListSamplingPlansWindow::vdApplyCostParameters()
{
    const WaitCursor hourglass;
    pSession->vdApplyCostParameters();
}

void TListSamplingPlansWindow::vdConvertUnits(int oldDefectives, int newDefectives, int oldDefects,
                                              int newDefects)
{
    pSelectPlanDialogBox->vdConvertUnits(oldDefectives, newDefectives, oldDefects, newDefects);
}

} // namespace Brosquin
