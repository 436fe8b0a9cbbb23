#include "plans/DefectivesChainSamplingPlan.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectsPerQuantityMultipleSamplingPlan.h"
#include "tests/app/PlanListTest.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QTableWidget>

namespace Brosquin
{
namespace
{

// Double, multiple and chain plans entered and edited through their dialogs, as a person does.
class StagedPlanDialogsTest : public PlanListTest
{
protected:
    // Types the texts into the named edit boxes, in order.
    static void vdType(QDialog& dialog, const std::vector<const char*>& names,
                       const QStringList& texts)
    {
        for (std::size_t i = 0; i < names.size(); ++i)
            In<QLineEdit>(dialog, names[i]).setText(texts.at(static_cast<int>(i)));
    }
    // Presses OK and expects the message and the field with the focus (none: the dialog closes).
    void vdExpectOk(QDialog& dialog, const QString& message, const QString& focus)
    {
        user.vdClearRecords();
        In<QPushButton>(dialog, "OKButton").click();
        EXPECT_EQ(MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        EXPECT_EQ(dialog.isVisible(), !focus.isEmpty());
        if (!focus.isEmpty())
        {
            EXPECT_EQ(dialog.focusWidget()->objectName(), focus);
        }
    }
    static void vdSaveShot(QDialog& dialog, const char* name)
    {
        EXPECT_TRUE(dialog.grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/") +
                                       QLatin1String(name) + ".png"));
    }
    // The stage count as typed.
    static void vdSetStages(QDialog& dialog, const QString& text)
    {
        In<QAbstractSpinBox>(dialog, "NumberStagesEdit").findChild<QLineEdit*>()->setText(text);
    }
    // The focus enters the grid, as a click in it or Tab does (whether or not the offscreen
    // window is the active one).
    static void vdEnter(QTableWidget& grid)
    {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&grid, &focusIn);
    }
    // A cell of the grid (row and column from 1).
    static void vdSetCell(QTableWidget& grid, int row, int column, const QString& text)
    {
        grid.setItem(row - 1, column, new QTableWidgetItem(text));
    }
    // Fills the grid's first stages: sample size, accept and reject number of each.
    static void vdFill(QTableWidget& grid, const std::vector<QStringList>& stages)
    {
        for (std::size_t stage = 0; stage < stages.size(); ++stage)
            for (int column = 1; column <= 3; ++column)
                vdSetCell(grid, static_cast<int>(stage) + 1, column, stages[stage].at(column - 1));
    }

    const std::vector<const char*> doubleFields = {
        "FirstSampleSizeEditBox", "FirstAcceptNumberEditBox", "FirstRejectNumberEditBox",
        "SecondSampleSizeEditBox", "SecondAcceptNumberEditBox"};
};

TEST_F(StagedPlanDialogsTest, EntersADoublePlanOfEachCharacteristic)
{
    // Each characteristic's dialog: a refusal with its message and field, then the plan.
    const auto vdEnter = [this](int characteristic, const QString& caption, const QStringList& bad,
                                const QString& message, const QString& focus,
                                const QStringList& good, const char* picture)
    {
        vdQueueAddPlan(characteristic, 1);
        driver.vdQueue(
            [&](QDialog& dialog)
            {
                EXPECT_EQ(dialog.windowTitle(), caption);
                vdType(dialog, doubleFields, bad);
                vdExpectOk(dialog, message, focus);
                vdType(dialog, doubleFields, good);
                if (characteristic == SamplingPlan::DefectsPerQuantity)
                    In<QLineEdit>(dialog, "UnitsEditBox").setText("Foot");
                vdSaveShot(dialog, picture);
                vdExpectOk(dialog, "", "");
            });
        Item("PlansEnterNewItem")->trigger();
    };
    vdEnter(SamplingPlan::DefectiveUnits, "Double Sampling Plan for Defective Units",
            {"50", "1", "4", "100", "102"}, "Restriction a2<n2+a1+1 violated.",
            "SecondAcceptNumberEditBox", {"50", "1", "4", "100", "4"}, "double-defectives-dialog");
    vdEnter(SamplingPlan::DefectsPerUnit, "Double Sampling Plan for Defects Per Unit",
            {"5", "0", "2", "0", "1"}, "Restriction n2>0 violated.", "SecondSampleSizeEditBox",
            {"5", "0", "2", "5", "1"}, "double-defects-per-unit-dialog");
    // Code 6 is the units here, not the method of curtailing.
    const QStringList perQuantity = {"2.5", "0", "2", "0.5", "1"};
    vdEnter(SamplingPlan::DefectsPerQuantity, "Double Sampling Plan for Defects Per Quantity",
            perQuantity, "Units not specified.", "UnitsEditBox", perQuantity,
            "double-defects-per-quantity-dialog");
    EXPECT_EQ(Order(), (QStringList{"Double: n1=50, a1=1, r1=4, n2=100, a2=4",
                                    "Double: n1=5, a1=0, r1=2, n2=5, a2=1",
                                    "Double: n1=2.5 Foot, a1=0, r1=2, n2=0.5 Foot, a2=1"}));

    // Editing shows the plan's texts; a method of curtailing opens the advanced section.
    dynamic_cast<DefectivesDoubleSamplingPlan&>(*list->Session().Plan(1))
        .vdDescribe("50", "1", "4", "100", "4", 3, true, "1000");
    table->selectRow(0);
    driver.vdQueue(
        [&](QDialog& dialog)
        {
            EXPECT_EQ(In<QLineEdit>(dialog, "SecondSampleSizeEditBox").text(), "100");
            EXPECT_EQ(In<QComboBox>(dialog, "CurtailingComboBox").currentText(),
                      "Curtail on Rejection Only");
            EXPECT_EQ(In<QLineEdit>(dialog, "LotSizeEditBox").text(), "1000");
            In<QComboBox>(dialog, "CurtailingComboBox").setCurrentIndex(6);
            vdExpectOk(dialog, "", "");
        });
    Button("EditPlanBitBtn")->click();
    EXPECT_EQ(Description(1), "Double: n1=50, a1=1, r1=4, n2=100, a2=4, N=1000, Curtail on "
                              "Second Stage Rejection Only");
}

TEST_F(StagedPlanDialogsTest, EntersAMultiplePlanStageByStage)
{
    vdQueueAddPlan(SamplingPlan::DefectiveUnits, 2);
    driver.vdQueue(
        [&](QDialog& dialog)
        {
            EXPECT_EQ(dialog.windowTitle(), "Multiple Sampling Plan for Defective Units");
            auto& grid = In<QTableWidget>(dialog, "ParametersStringGrid");
            EXPECT_EQ(dialog.focusWidget()->objectName(), "NumberStagesEdit");
            ASSERT_EQ(grid.rowCount(), 5);
            EXPECT_EQ(grid.item(4, 0)->text(), "5");
            // A stage count that is none is refused as the grid is entered.
            for (const char* stages : {"1", "1001", "2.5"})
            {
                user.vdClearRecords();
                vdSetStages(dialog, stages);
                vdEnter(grid);
                EXPECT_EQ(MessageTexts(), QStringList{"Number of stages must be an integer "
                                                      "between 2 to 1000."});
                EXPECT_EQ(dialog.focusWidget()->objectName(), "NumberStagesEdit");
                EXPECT_EQ(grid.rowCount(), 5) << stages;
            }
            // Typed with Tab alone, from the number of stages through every cell of the grid.
            for (const char* text :
                 {"4", "20", "#", "3", "20", "1", "4", "20", "3", "5", "20", "", "6"})
            {
                QWidget* focus = QApplication::focusWidget();
                ASSERT_TRUE(focus != nullptr && focus->window() == &dialog);
                QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(focus, QLatin1String(text));
                const auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                EXPECT_TRUE(!field || field->maxLength() == int{LongestToken}) << text;
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QStringList typed;
            for (int row = 0; row < grid.rowCount(); ++row)
                for (int column = 0; column < 4; ++column)
                    typed.append(grid.item(row, column) ? grid.item(row, column)->text() : "");
            ASSERT_EQ(typed.join('|'), "1|20|#|3|2|20|1|4|3|20|3|5|4|20||6");
            // Code 11: the accept number of stage 4.
            vdExpectOk(dialog, "Stage 4 accept number is not a valid number.",
                       "ParametersStringGrid");
            EXPECT_EQ(grid.currentRow(), 3);
            EXPECT_EQ(grid.currentColumn(), 2);
            vdSetCell(grid, 4, 2, "5");
            // OK follows a changed stage count too.
            vdSetStages(dialog, "3");
            vdSetCell(grid, 3, 3, "4");
            vdSaveShot(dialog, "multiple-defectives-dialog");
            vdExpectOk(dialog, "", "");
        });
    Item("PlansEnterNewItem")->trigger();

    // Defects per quantity: the units follow the stages (code 3S + 1), the lot size is 3S + 3.
    vdQueueAddPlan(SamplingPlan::DefectsPerQuantity, 2);
    driver.vdQueue(
        [&](QDialog& dialog)
        {
            auto& grid = In<QTableWidget>(dialog, "ParametersStringGrid");
            vdSetStages(dialog, "2");
            vdEnter(grid);
            vdFill(grid, {{"2.5", "#", "3"}, {"1", "3", "4"}});
            vdExpectOk(dialog, "Units not specified.", "UnitsEditBox");
            // Tab from the last cell goes on to the units; Shift+Tab from the first cell goes
            // back to the number of stages.
            grid.setFocus();
            grid.setCurrentCell(1, 3);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), "UnitsEditBox");
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Foot"));
            EXPECT_EQ(grid.item(1, 3)->text(), "4");
            EXPECT_EQ(In<QLineEdit>(dialog, "UnitsEditBox").text(), "Foot");
            grid.setFocus();
            grid.setCurrentCell(0, 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), "NumberStagesEdit");
            EXPECT_EQ(grid.item(0, 1)->text(), "2.5");
            In<QPushButton>(dialog, "ShowAdvancedButton").click();
            In<QGroupBox>(dialog, "LotSizeRadioGroup").findChildren<QRadioButton*>().at(1)->click();
            In<QLineEdit>(dialog, "LotSizeEditBox").setText("3");
            vdExpectOk(dialog, "Lot size cannot be less sum of sample sizes.", "LotSizeEditBox");
            In<QLineEdit>(dialog, "LotSizeEditBox").setText("3.5");
            vdSaveShot(dialog, "multiple-defects-per-quantity-dialog");
            // Expanded, it fits a screen of 1024 x 700 with its buttons inside.
            EXPECT_LE(dialog.frameGeometry().height(), 700);
            EXPECT_LE(dialog.frameGeometry().width(), 1024);
            for (const char* name : {"OKButton", "CancelButton", "HelpButton"})
                EXPECT_TRUE(bWithin(In<QPushButton>(dialog, name), dialog)) << name;
            vdExpectOk(dialog, "", "");
        });
    Item("PlansEnterNewItem")->trigger();

    // Defects may outnumber the units; Escape in the grid's cell editor cancels the dialog.
    vdQueueAddPlan(SamplingPlan::DefectsPerUnit, 2);
    driver.vdQueue(
        [&](QDialog& dialog)
        {
            auto& grid = In<QTableWidget>(dialog, "ParametersStringGrid");
            vdSetStages(dialog, "2");
            vdFill(grid, {{"2", "3", "9"}, {"2", "8", "9"}});
            vdSaveShot(dialog, "multiple-defects-per-unit-dialog");
            vdExpectOk(dialog, "", "");
        });
    Item("PlansEnterNewItem")->trigger();
    EXPECT_EQ(Order(), (QStringList{"Multiple: S=3, n1=20, a1=#, r1=3, n2=20, a2=1, r2=4, ...",
                                    "Multiple: S=2, n1=2.5 Foot, a1=#, r1=3, n2=1 Foot, a2=3, "
                                    "r2=4, ..., N=3.5",
                                    "Multiple: S=2, n1=2, a1=3, r1=9, n2=2, a2=8, r2=9, ..."}));
    vdQueueAddPlan(SamplingPlan::DefectsPerUnit, 2);
    driver.vdQueue(
        [&](QDialog& dialog)
        {
            auto& grid = In<QTableWidget>(dialog, "ParametersStringGrid");
            vdSetCell(grid, 1, 1, "20");
            grid.editItem(grid.item(0, 1));
            auto* editor = grid.findChild<QLineEdit*>();
            ASSERT_NE(editor, nullptr);
            QTest::keyClick(editor, Qt::Key_Escape);
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
            EXPECT_FALSE(dialog.isVisible());
        });
    Item("PlansEnterNewItem")->trigger();
    EXPECT_EQ(list->Session().Count(), 3u);
}

TEST_F(StagedPlanDialogsTest, EditsAChainPlanFromASessionFile)
{
    auto chain = std::make_unique<DefectivesChainSamplingPlan>();
    chain->vdDescribe("20", "0", "2", "3", "1");
    list->Session().vdAddPlan(std::move(chain));
    list->vdRefreshList(1);
    driver.vdQueue(
        [&](QDialog& dialog)
        {
            EXPECT_EQ(dialog.windowTitle(), "Chain Sampling Plan for Number of Defective Units");
            EXPECT_EQ(In<QLineEdit>(dialog, "ChainNumberEditBox").text(), "3");
            EXPECT_EQ(dialog.findChild<QComboBox*>(), nullptr) << "no curtailing";
            vdType(dialog,
                   {"SampleSizeEditBox", "FirstAcceptNumberEditBox", "FirstRejectNumberEditBox"},
                   {"20.5", "x", "2"});
            vdExpectOk(dialog, "a1 is not a valid number.", "FirstAcceptNumberEditBox");
            EXPECT_EQ(user.Messages().back().icon, MessageIcon::None);
            In<QLineEdit>(dialog, "FirstAcceptNumberEditBox").setText("0");
            vdExpectOk(dialog, "n must be an integer.", "SampleSizeEditBox");
            // The neighbours' (i - 1) n units are more than a binomial count can hold.
            vdType(dialog, {"SampleSizeEditBox", "ChainNumberEditBox"},
                   {"2000000000", "2000000000"});
            vdExpectOk(dialog, "i is too large.", "ChainNumberEditBox");
            In<QLineEdit>(dialog, "ChainNumberEditBox").setText("3");
            // No help topic of its own: Help opens the contents.
            user.vdClearRecords();
            In<QPushButton>(dialog, "HelpButton").click();
            ASSERT_EQ(user.HelpRequests().size(), 1u);
            EXPECT_EQ(user.HelpRequests().front().command, HelpCommand::Contents);
            In<QLineEdit>(dialog, "SampleSizeEditBox").setText("25");
            vdSaveShot(dialog, "chain-dialog");
            vdExpectOk(dialog, "", "");
        });
    Button("EditPlanBitBtn")->click();
    EXPECT_EQ(Description(1), "Chain: n=25, a1=0, r1=2, i=3, a2=1");
}

} // namespace
} // namespace Brosquin
