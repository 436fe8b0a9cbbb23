#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanTable.h"
#include "tests/app/EvaluationRoadTest.h"

#include <QImage>
#include <algorithm>

namespace Brosquin
{
namespace
{

class PlanListCommandsTest : public EvaluationRoadTest
{
protected:
    // Marks the rows; a rebuild makes new rows without the mark.
    void vdMarkRows() { table->item(0, 1)->setData(Qt::UserRole, true); }
    bool RowsRebuilt() const { return !table->item(0, 1)->data(Qt::UserRole).toBool(); }
};

TEST_F(PlanListCommandsTest, DuplicateAppendsACopyOfTheSelectedPlanAndSelectsIt)
{
    vdEnterThreePlans();
    user.vdClearRecords();
    table->clearSelection();
    Item("PlansDuplicateItem")->trigger();
    Button("DeletePlanBitBtn")->click();
    EXPECT_EQ(MessageTexts(),
              (QStringList{"You must select a plan first by clicking on it above.",
                           "You must select a plan first by clicking on it above."}));
    EXPECT_EQ(Session().Count(), 3u);

    Session().Plan(2)->vdSetChecked(false);
    table->selectRow(1);
    Button("DuplicateBitBtn")->click();
    ASSERT_EQ(Session().Count(), 4u);
    EXPECT_EQ(Order()[3], Order()[1]);
    EXPECT_NE(Session().Plan(4), Session().Plan(2));
    EXPECT_FALSE(Session().Plan(4)->IsChecked());
    EXPECT_EQ(list->SelectedPlanIndex(), 4u);
}

TEST_F(PlanListCommandsTest, DeleteAsksAndSelectsThePlanThatTookThePlace)
{
    vdEnterThreePlans();
    user.vdClearRecords();
    const QStringList before = Order();

    table->selectRow(0);
    Item("PlansDeleteItem")->trigger(); // answered No
    ASSERT_EQ(user.Messages().size(), 1u);
    const MessageRequest& question = user.Messages().front();
    EXPECT_EQ(question.text, "Are you sure you want to delete this plan?");
    EXPECT_EQ(question.caption, "Please Confirm");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::None);
    EXPECT_EQ(Order(), before);

    user.vdQueueAnswer(MessageAnswer::Yes);
    Item("PlansDeleteItem")->trigger();
    EXPECT_EQ(Order(), before.mid(1));
    EXPECT_EQ(list->SelectedPlanIndex(), 1u);

    // The last plan's row goes to the new last plan; the only plan's to no row.
    table->selectRow(1);
    user.vdQueueAnswer(MessageAnswer::Yes);
    Item("PlansDeleteItem")->trigger();
    EXPECT_EQ(Order(), before.mid(1, 1));
    EXPECT_EQ(list->SelectedPlanIndex(), 1u);
    user.vdQueueAnswer(MessageAnswer::Yes);
    Item("PlansDeleteItem")->trigger();
    EXPECT_EQ(Session().Count(), 0u);
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(list->SelectedPlanIndex(), 0u);
}

TEST_F(PlanListCommandsTest, CheckAllAndUncheckAllRebuildOnlyWhenAMarkChanged)
{
    vdEnterThreePlans();
    user.vdClearRecords();
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"20", "0"});
    for (int row = 1; row < 4; ++row)
        table->item(row, 0)->setCheckState(Qt::Unchecked);
    EXPECT_NE(Evaluate(), nullptr); // an evaluation of the first plan only
    table->selectRow(2);
    vdMarkRows();

    Item("PlansCheckAllItem")->trigger();
    EXPECT_TRUE(RowsRebuilt());
    vdMarkRows();
    EXPECT_EQ(list->SelectedPlanIndex(), 3u);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(table->item(row, 0)->checkState(), Qt::Checked) << row;
    Button("CheckAllBitBtn")->click();
    EXPECT_FALSE(RowsRebuilt());

    Button("UncheckAllBitBtn")->click();
    EXPECT_TRUE(RowsRebuilt());
    vdMarkRows();
    for (std::uint32_t index = 1; index <= 4; ++index)
        EXPECT_FALSE(Session().Plan(index)->IsChecked()) << index;
    Item("PlansUncheckAllItem")->trigger();
    EXPECT_FALSE(RowsRebuilt());
    EXPECT_EQ(list->SelectedPlanIndex(), 3u);

    // The evaluation window keeps its one plan.
    ASSERT_EQ(EvaluationWindows().size(), 1u);
    EXPECT_EQ(EvaluationWindows().front()->EvaluationList()->Count(), 1u);
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(PlanListCommandsTest, PrintAndCopyTakeTheTableOfAllPlans)
{
    vdEnterThreePlans();
    user.vdClearRecords();
    window->MdiArea()->setActiveSubWindow(list->SubWindow());
    Item("FileCopyItem")->trigger();
    String expected;
    vdCopyAsText(Session(), expected);
    EXPECT_EQ(Clipboard().text(), QString::fromLatin1(expected.Text()));
    const QStringList lines = Clipboard().text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Defects per Quantity\t") + Description(3) +
                                    QLatin1Char('\t')));
    EXPECT_TRUE(Clipboard().hasFormat(QStringLiteral("image/svg+xml")));
    ASSERT_TRUE(Clipboard().hasImage());
    // Kept for a person to look at.
    EXPECT_TRUE(qvariant_cast<QImage>(Clipboard().imageData())
                    .save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/plan-table-copy.png")));

    // Too wide for the page upright at a readable size, the table prints on it turned.
    for (bool menu : {false, true})
    {
        const QString pdf =
            PrintToPdf(menu ? QStringLiteral("menu.pdf") : QStringLiteral("button.pdf"));
        (menu ? Item("FilePrintItem")->trigger() : Button("PrintBitBtn")->click());
        const std::vector<double> points = PrintedTextPoints(pdf, 1, true);
        ASSERT_FALSE(points.empty());
        EXPECT_GE(*std::min_element(points.begin(), points.end()), 8.0);
    }
    EXPECT_TRUE(user.Messages().empty());
}

} // namespace
} // namespace Brosquin
