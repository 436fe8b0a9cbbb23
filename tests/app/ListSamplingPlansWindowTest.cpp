#include "app/ListSamplingPlansWindow.h"
#include "app/MainMDIWindow.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"
#include "tests/app/PlanListTest.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

namespace Brosquin
{
namespace
{

class ListSamplingPlansWindowTest : public PlanListTest
{
};

// A plan that counts how often its Pa is asked for with and without the hourglass showing.
class HourglassWatchingPlan : public DefectivesSingleSamplingPlan
{
public:
    Real& dPa(const Real& p) override
    {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        ++(cursor != nullptr && cursor->shape() == Qt::WaitCursor ? shown : notShown);
        return DefectivesSingleSamplingPlan::dPa(p);
    }
    int shown = 0;
    int notShown = 0;
};

TEST_F(ListSamplingPlansWindowTest, StartsAsTheEmptyFirstChildWindowOfTheMainWindow)
{
    EXPECT_EQ(list->Tag(), 1);
    EXPECT_EQ(list->SubWindow()->windowTitle(), "List Sampling Plans");
    EXPECT_EQ(list->SubWindow()->geometry(), QRect(20, 20, 922, 348));
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(list->SelectedPlanIndex(), 0u);
    QStringList captions;
    for (int column = 0; column < table->columnCount(); ++column)
        captions.append(table->horizontalHeaderItem(column)->text());
    EXPECT_EQ(captions, (QStringList{"", "Characteristic", "Sampling Plans", "AQL (0.95)",
                                     "LTPD (0.10)", "AOQL", "Units", "Protection"}));
    // Closing it only puts it out of the way.
    list->SubWindow()->close();
    EXPECT_TRUE(list->SubWindow()->isMinimized());
    EXPECT_EQ(window->MdiArea()->subWindowList().size(), 1);
}

TEST_F(ListSamplingPlansWindowTest, EntersASinglePlanOfEachCharacteristic)
{
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
    ASSERT_EQ(list->Session().Count(), 1u);
    EXPECT_EQ(list->SelectedPlanIndex(), 1u);
    EXPECT_TRUE(window->IsSessionModified());
    const SamplingPlan& first = *list->Session().Plan(1);
    EXPECT_TRUE(first.IsChecked());
    EXPECT_EQ(table->item(0, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(Row(0), (QStringList{"Defective Units", Description(1),
                                   QString::fromLatin1(first.AQLPointText().Text()),
                                   QString::fromLatin1(first.LTPDPointText().Text()),
                                   QString::fromLatin1(first.AOQLText().Text()),
                                   "Percent Defective", "Constant"}));
    EXPECT_TRUE(Description(1).startsWith("Single: n=125")) << Description(1).toStdString();

    vdEnterSinglePlan(SamplingPlan::DefectsPerUnit, {"50", "2", {}, {}, 1});
    vdEnterSinglePlan(SamplingPlan::DefectsPerQuantity, {"2.5", "1", "Metre", "400"});
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(list->SelectedPlanIndex(), 3u) << "the new plan's row is selected";
    EXPECT_EQ(Row(1).at(0), "Defects per Unit");
    EXPECT_EQ(Row(1).at(5), "Defects per Hundred Units");
    EXPECT_EQ(Row(2).at(0), "Defects per Quantity");
    EXPECT_EQ(Row(2).at(5), "Defects per Metre");
    EXPECT_EQ(Row(2).at(1), Description(3));
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(ListSamplingPlansWindowTest, ABadEntryIsRefusedInTheDialogUntilItPasses)
{
    vdQueueAddPlan(SamplingPlan::DefectiveUnits);
    driver.vdQueue(
        [this](QDialog& dialog)
        {
            vdFill(dialog, {"10", "1", "", "9"});
            In<QPushButton>(dialog, "OKButton").click();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.focusWidget()->objectName(), "LotSizeEditBox");
            EXPECT_EQ(list->Session().Count(), 0u) << "nothing is added while the dialog is open";
            vdFill(dialog, {"10", "1", "", "10"});
            In<QPushButton>(dialog, "OKButton").click();
        });
    Item("PlansEnterNewItem")->trigger();
    EXPECT_EQ(MessageTexts(), QStringList{"Lot size cannot be less than sample size."});
    ASSERT_EQ(list->Session().Count(), 1u);
    EXPECT_TRUE(list->Session().Plan(1)->IsFiniteLot());
}

TEST_F(ListSamplingPlansWindowTest, CancelInEitherDialogAddsNothing)
{
    driver.vdQueue([](QDialog& dialog) { In<QPushButton>(dialog, "CancelButton").click(); });
    list->EnterNewPlanButtonClick();
    vdQueueAddPlan(SamplingPlan::DefectsPerUnit);
    driver.vdQueue(
        [](QDialog& dialog)
        {
            vdFill(dialog, {"20", "1"});
            In<QPushButton>(dialog, "CancelButton").click();
        });
    Button("EnterNewPlanBitBtn")->click();
    EXPECT_EQ(list->Session().Count(), 0u);
    EXPECT_FALSE(window->IsSessionModified());
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(ListSamplingPlansWindowTest, TheAddPlanDialogTakesADoubleClickAndKeepsTheLastChoice)
{
    QString remembered;
    driver.vdQueue(
        [](QDialog& dialog)
        {
            auto& characteristics = In<QListWidget>(dialog, "CharacteristicListBox");
            EXPECT_EQ(dialog.focusWidget(), &characteristics);
            characteristics.setCurrentRow(SamplingPlan::DefectsPerUnit);
            auto& types = In<QListWidget>(dialog, "TypeSamplingPlanListBox");
            emit types.itemDoubleClicked(types.item(0));
        });
    vdQueueEntry({"80", "2"});
    driver.vdQueue(
        [&remembered](QDialog& dialog)
        {
            remembered = In<QListWidget>(dialog, "CharacteristicListBox").currentItem()->text();
            In<QPushButton>(dialog, "CancelButton").click();
        });
    list->EnterNewPlanButtonClick();
    list->EnterNewPlanButtonClick();
    ASSERT_EQ(list->Session().Count(), 1u);
    EXPECT_EQ(list->Session().Plan(1)->CharacteristicId(), SamplingPlan::DefectsPerUnit);
    EXPECT_EQ(remembered, "Defects Per Unit");
}

TEST_F(ListSamplingPlansWindowTest, EditingChangesThePlanInPlaceAndKeepsItSelected)
{
    vdEnterThreePlans();
    list->Session().Plan(2)->vdSetChecked(false);
    SamplingPlan* edited = list->Session().Plan(2);
    SamplingPlanEvaluationList showing(list->Session(), {2});
    SamplingPlanEvaluationList other(list->Session(), {1});
    showing.vdClearChanged();
    other.vdClearChanged();
    table->selectRow(1);
    driver.vdQueue(
        [](QDialog& dialog)
        {
            EXPECT_EQ(In<QLineEdit>(dialog, "SampleSizeEditBox").text(), "50");
            EXPECT_EQ(In<QComboBox>(dialog, "CurtailingComboBox").currentIndex(), 1)
                << "the plan's curtailing opens the advanced section";
            In<QLineEdit>(dialog, "SampleSizeEditBox").setText("80");
            In<QPushButton>(dialog, "HideAdvancedButton").click();
            In<QPushButton>(dialog, "OKButton").click();
        });
    Item("PlansEditItem")->trigger();
    ASSERT_EQ(list->Session().Count(), 3u);
    EXPECT_TRUE(Description(2).startsWith("Single: n=80")) << Description(2).toStdString();
    EXPECT_EQ(Row(1).at(1), Description(2));
    EXPECT_EQ(list->SelectedPlanIndex(), 2u);
    EXPECT_FALSE(list->Session().Plan(2)->IsChecked()) << "editing keeps the check mark";
    EXPECT_EQ(table->item(1, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list->Session().Plan(2), edited) << "the plan keeps its place";
    EXPECT_TRUE(showing.Changed()) << "an evaluation showing the plan follows it";
    EXPECT_FALSE(other.Changed());

    // Cancel leaves the plan as it was; a double click on a row edits it too.
    const QString before = Description(3);
    table->selectRow(2);
    driver.vdQueue(
        [](QDialog& dialog)
        {
            EXPECT_EQ(In<QLineEdit>(dialog, "UnitsEditBox").text(), "Metre");
            In<QLineEdit>(dialog, "SampleSizeEditBox").setText("7");
            In<QPushButton>(dialog, "CancelButton").click();
        });
    emit table->itemDoubleClicked(table->item(2, 2));
    EXPECT_EQ(Description(3), before);
    EXPECT_TRUE(user.Messages().empty());

    table->clearSelection();
    Button("EditPlanBitBtn")->click();
    EXPECT_EQ(MessageTexts(), QStringList{"You must select a plan first by clicking on it above."});
}

TEST_F(ListSamplingPlansWindowTest, ACheckMarkChangesOnlyItsPlan)
{
    vdEnterThreePlans();
    const auto checks = [this]
    {
        QString marks;
        for (std::uint32_t index = 1; index <= list->Session().Count(); ++index)
            marks += list->Session().Plan(index)->IsChecked() ? 'x' : '-';
        return marks;
    };
    ASSERT_EQ(checks(), "xxx");
    // A click on the box of the second row.
    const QRect box = table->visualItemRect(table->item(1, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box.center());
    if (checks() == "xxx") // the style may want the click on the indicator itself
        table->item(1, 0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(checks(), "x-x");
    table->item(2, 0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(checks(), "x--");
    table->item(1, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(checks(), "xx-");
    // Rebuilding the rows never changes a plan's check mark.
    list->vdRefreshList(4);
    EXPECT_EQ(checks(), "xx-");
    EXPECT_EQ(table->item(2, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list->SelectedPlanIndex(), 0u) << "there is no fourth row to select";
}

TEST_F(ListSamplingPlansWindowTest, ACheckMarkChangedByTheUserMarksTheSessionModified)
{
    // An unmodified session with one plan in its row, as after opening a session file.
    auto plan = std::make_unique<DefectivesSingleSamplingPlan>();
    plan->vdDescribe("20", "1", 0, false, "");
    list->Session().vdAddPlan(std::move(plan));
    auto* box = new QTableWidgetItem();
    box->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    box->setCheckState(Qt::Checked);
    table->setRowCount(1);
    table->setItem(0, 0, box);
    ASSERT_FALSE(window->IsSessionModified());

    // Check marks are saved with the session, so quitting must ask.
    box->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(list->Session().Plan(1)->IsChecked());
    EXPECT_TRUE(window->IsSessionModified());
}

class DragAndDropTest : public ListSamplingPlansWindowTest
{
protected:
    // Drops what is dragged from the selected row on a row (-1: below the last row); true when
    // the list took the drop.
    bool Drop(int row, bool bFromThisList = true)
    {
        if (bFromThisList)
            list->OnStartDrag();
        const std::unique_ptr<QMimeData> data(
            table->model()->mimeData(table->selectionModel()->selectedIndexes()));
        const QPoint at = row >= 0 ? table->visualItemRect(table->item(row, 2)).center()
                                   : QPoint(10, table->viewport()->height() - 2);
        // The application routes the move and the drop to the widget that took the enter.
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table->viewport(), &enter);
        const bool bAccepted = enter.isAccepted();
        if (bAccepted)
        {
            QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(table->viewport(), &move);
            EXPECT_TRUE(move.isAccepted());
            QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(table->viewport(), &drop);
        }
        list->OnEndDrag();
        return bAccepted;
    }
};

TEST_F(DragAndDropTest, ARowDroppedOnAnotherMovesItsPlanThere)
{
    vdEnterThreePlans();
    const QStringList before = Order();
    SamplingPlan* moved = list->Session().Plan(1);
    // An evaluation open on the first plan follows it to its new place.
    SamplingPlanEvaluationList evaluation(list->Session(), {1});
    evaluation.vdClearChanged();
    table->selectRow(0);
    EXPECT_TRUE(Drop(2));
    EXPECT_EQ(evaluation.PlanIndex(1), 3u);
    EXPECT_EQ(evaluation.GetPlan(1), moved);
    EXPECT_TRUE(evaluation.Changed());
    EXPECT_EQ(Order(), (QStringList{before[1], before[2], before[0]}));
    EXPECT_EQ(list->SelectedPlanIndex(), 3u) << "the moved plan stays selected";
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Row(row).at(1), Order().at(row));

    table->selectRow(2);
    EXPECT_TRUE(Drop(1));
    EXPECT_EQ(Order(), (QStringList{before[1], before[0], before[2]}));
    EXPECT_EQ(list->SelectedPlanIndex(), 2u);
}

TEST_F(DragAndDropTest, OtherDropsChangeNothing)
{
    vdEnterThreePlans();
    const QStringList before = Order();
    table->selectRow(1);
    Drop(1);
    Drop(-1);
    EXPECT_EQ(Order(), before);
    EXPECT_EQ(list->SelectedPlanIndex(), 2u);
    // Only drags that began in the list are taken.
    EXPECT_FALSE(Drop(2, false));
    EXPECT_EQ(Order(), before);
}

TEST_F(ListSamplingPlansWindowTest, SummariesWorkedOutAfreshShowTheHourglass)
{
    auto watched = std::make_unique<HourglassWatchingPlan>();
    HourglassWatchingPlan& plan = *watched;
    plan.vdDescribe("125", "3", 0, false, "");
    list->Session().vdAddPlan(std::move(watched));
    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.90", "0.05", 2, message), 0);
    ASSERT_EQ(SamplingPlan::SetCostParameters("Cost", "2", "3", message), 0);
    for (const auto update : {&TMainMDIWindow::vdUpdateDefinitions, &TMainMDIWindow::vdUpdateUnits,
                              &TMainMDIWindow::vdUpdateCostParameters})
    {
        plan.shown = plan.notShown = 0;
        (window.get()->*update)();
        EXPECT_GT(plan.shown, 0);
        EXPECT_EQ(plan.notShown, 0);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ListSamplingPlansWindowTest, RowsAndCaptionsFollowTheDefinitionsUnitsAndANewSession)
{
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
    list->SubWindow()->setGeometry(100, 90, 500, 200);
    table->setColumnWidth(2, 40);
    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.90", "0.05", 2, message), 0);
    window->vdUpdateDefinitions();
    EXPECT_EQ(Item("OptionsDefinitionsItem")->text(), "&Definitions of AQL and RQL...");
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), "AQL (0.90)");
    EXPECT_EQ(table->horizontalHeaderItem(4)->text(), "RQL (0.05)");
    // The plan's points follow the new definitions, and its row stays selected.
    EXPECT_EQ(Row(0).at(2), QString::fromLatin1(list->Session().Plan(1)->AQLPointText().Text()));
    EXPECT_EQ(list->SelectedPlanIndex(), 1u);
    // So do the units.
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(0));
    window->vdUpdateUnits();
    EXPECT_EQ(Row(0).at(5), "Fraction Defective");
    EXPECT_EQ(Row(0).at(2), QString::fromLatin1(list->Session().Plan(1)->AQLPointText().Text()));

    // A new session goes back to the stored definitions, and the window to its first place.
    list->SubWindow()->showMaximized();
    user.vdQueueAnswer(MessageAnswer::No);
    ASSERT_TRUE(window->NewSession());
    EXPECT_EQ(list->SubWindow()->geometry(), QRect(20, 20, 922, 348));
    EXPECT_EQ(table->columnWidth(2), 372);
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), "AQL (0.95)");
    EXPECT_EQ(table->horizontalHeaderItem(4)->text(), "LTPD (0.10)");
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(list->Session().Count(), 0u);
    EXPECT_FALSE(window->IsSessionModified());
}

// The newly selected row of a long list is scrolled into view; a cell too narrow for its text
// shows the whole text as its tool tip, one that holds its text shows none; a button's hint
// also shows in the status line.
TEST_F(ListSamplingPlansWindowTest, ALongListAndItsCutTextsStayReadable)
{
    list->SubWindow()->resize(700, 260);
    QTest::qWait(20);
    for (int plan = 1; plan <= 12; ++plan)
    {
        auto single = std::make_unique<DefectivesSingleSamplingPlan>();
        single->vdDescribe(QByteArray::number(10 * plan).constData(), "1", 0, false, "");
        list->Session().vdAddPlan(std::move(single));
    }
    list->vdRefreshList(12);
    QTest::qWait(20);
    EXPECT_TRUE(table->viewport()->rect().contains(table->visualItemRect(table->item(11, 1))));

    table->setColumnWidth(2, 60);
    const auto tipAt = [this](int column)
    {
        const QPoint at = table->visualItemRect(table->item(11, column)).center();
        QHelpEvent tip(QEvent::ToolTip, at, table->viewport()->mapToGlobal(at));
        QApplication::sendEvent(table->viewport(), &tip);
        return QToolTip::text();
    };
    EXPECT_EQ(tipAt(1), "");
    EXPECT_EQ(tipAt(2), Description(12));

    QPushButton* button = Button("DuplicateBitBtn");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(window->statusBar()->currentMessage(), "Duplicate selected sampling plan");
}

TEST_F(ListSamplingPlansWindowTest, HelpOpensTheTopicOfTheWindow)
{
    Button("HelpBitBtn")->click();
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().front().context, 20);
}

TEST_F(ListSamplingPlansWindowTest, Screenshot)
{
    window->resize(1200, 560);
    vdEnterThreePlans();
    table->selectRow(1);
    table->item(2, 0)->setCheckState(Qt::Unchecked);
    QTest::qWait(50);
    const QImage shot = window->grab().toImage();
    EXPECT_TRUE(shot.save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/plan-list.png")));
    EXPECT_EQ(shot.size(), QSize(1200, 560));
    // The selected plan's row is highlighted, the others are not.
    const auto rowColour = [&](int row)
    {
        const QRect cell = table->visualItemRect(table->item(row, 1));
        return shot.pixel(table->viewport()->mapTo(window.get(), cell.topLeft() + QPoint(3, 3)));
    };
    const QRgb highlight = table->palette().color(QPalette::Highlight).rgb();
    EXPECT_EQ(rowColour(1), highlight);
    EXPECT_NE(rowColour(0), highlight);
    EXPECT_NE(rowColour(2), highlight);
}

} // namespace
} // namespace Brosquin
