#include "app/dialogs/DefectivesZ14DialogBox.h"
#include "app/dialogs/DefectsPerUnitZ14DialogBox.h"
#include "standards/Z14ParametersReport.h"
#include "tests/app/StandardPlanDialogTest.h"

namespace Brosquin
{
namespace
{

// The two dialogs of the Z1.4 plans.
class Z14DialogsTest : public StandardPlanDialogTest
{
protected:
    Z14DialogsTest() : StandardPlanDialogTest(&Z14ParametersReport, &Z14ParametersText, 3) {}
};

TEST_F(Z14DialogsTest, TheirListsAndTheReportOfTheChoice)
{
    vdOpen(std::make_unique<TDefectivesZ14DialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "ANSI Z1.4 for Defective Units");
    EXPECT_EQ(dialog->focusWidget(), List("AQLComboBox"));
    EXPECT_EQ(List("AQLComboBox")->count(), 16);
    EXPECT_EQ(List("OptionComboBox")->itemText(5), "Switching - No Reduced Plan");
    EXPECT_EQ(dialog->ItemIndexes(), (Choices{0, 0, 0, 0, 0}));
    EXPECT_EQ(Texts(*Preview()->ShownDrawing()), ReportTexts({0, 0, 0, 0, 0}));
    Find<QPushButton>("HelpButton")->click();

    vdOpen(std::make_unique<TDefectsPerUnitZ14DialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "ANSI Z1.4 for Defects Per Unit");
    EXPECT_EQ(List("AQLComboBox")->count(), 24);
    EXPECT_EQ(List("LevelOfInspectionComboBox")->count(), 7);
    EXPECT_EQ(List("LotSizeComboBox")->count(), 15);
    EXPECT_EQ(List("TypeComboBox")->count(), 3);
    // "25" is the standard's AQL 25, whose single plan for letter A is n 2, Ac 1.
    List("AQLComboBox")->setCurrentIndex(16);
    const std::vector<std::string> texts = Texts(*Preview()->ShownDrawing());
    EXPECT_EQ(texts, ReportTexts({16, 0, 0, 0, 0}));
    EXPECT_EQ(texts.at(1), "AQL = 25");
    EXPECT_EQ(texts.at(8), "n=2, a=1, r=2");
    Find<QPushButton>("HelpButton")->click();
    ASSERT_EQ(user.HelpRequests().size(), 2u);
    EXPECT_EQ(user.HelpRequests().at(0).context, 405);
    EXPECT_EQ(user.HelpRequests().at(1).context, 425);

    // Scrolled down, the preview shows the next report from its top left corner.
    List("OptionComboBox")->setCurrentIndex(3);
    List("TypeComboBox")->setCurrentIndex(2);
    vdExpectChangeShowsTopLeft("LotSizeComboBox", 8);
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(Z14DialogsTest, CopyPutsThePictureAndTheTextOfTheReport)
{
    DefectivesZ14SamplingPlan plan;
    plan.SetParameters(10, 6, 8, 1, 3);
    vdOpen(std::make_unique<TDefectivesZ14DialogBox>(nullptr, &plan));
    const Choices choices{10, 6, 8, 1, 3};
    EXPECT_EQ(dialog->ItemIndexes(), choices);
    vdExpectCopyByRightClick();
    List("TypeComboBox")->setCurrentIndex(0);
    vdExpectCopyByMenuButton();
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(Z14DialogsTest, EnteredEditedAndEvaluatedFromThePlanList)
{
    vdQueueStandardEntry(SamplingPlan::DefectiveUnits, {10, 5, 8, 1, 3});
    Item("PlansEnterNewItem")->trigger();
    ASSERT_EQ(Session().Count(), 1u);
    EXPECT_EQ(Row(0).mid(0, 2),
              (QStringList{"Defective Units",
                           "Z1.4: AQL=1.0, L-II, 501 to 1200, J, Switching - Full, Double"}));
    EXPECT_EQ(Row(0).at(6), "Varies");

    // Editing opens on the plan's choices.
    table->selectRow(0);
    driver.vdQueue(
        [](QDialog& dialog)
        {
            EXPECT_EQ(static_cast<TStandardPlanDialogBox&>(dialog).ItemIndexes(),
                      (Choices{10, 5, 8, 1, 3}));
            In<QComboBox>(dialog, "TypeComboBox").setCurrentIndex(2);
            In<QPushButton>(dialog, "OKButton").click();
        });
    Item("PlansEditItem")->trigger();
    EXPECT_EQ(Description(1), "Z1.4: AQL=1.0, L-II, 501 to 1200, J, Switching - Full, Multiple");

    vdQueueStandardEntry(SamplingPlan::DefectsPerUnit, {16, 6, 8, 0, 0});
    Item("PlansEnterNewItem")->trigger();
    EXPECT_EQ(Description(2), "Z1.4: AQL=25, L-III, 501 to 1200, K, Normal, Single");
    EXPECT_EQ(Row(1).at(6), "Constant");

    // A switching plan's OC curve between its largest and smallest.
    table->item(1, 0)->setCheckState(Qt::Unchecked);
    vdExpectWorstCaseCurves("z14-switching-oc-curves.png");
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(Z14DialogsTest, Screenshots)
{
    DefectivesZ14SamplingPlan defectives;
    defectives.SetParameters(10, 6, 8, 2, 3);
    vdOpen(std::make_unique<TDefectivesZ14DialogBox>(nullptr, &defectives));
    EXPECT_EQ(dialog->size(), QSize(387, 454));
    EXPECT_TRUE(dialog->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/z14-defectives.png")));
    DefectsPerUnitZ14SamplingPlan perUnit;
    perUnit.SetParameters(20, 5, 10, 0, 4);
    vdOpen(std::make_unique<TDefectsPerUnitZ14DialogBox>(nullptr, &perUnit));
    EXPECT_TRUE(
        dialog->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/z14-defects-per-unit.png")));
}

} // namespace
} // namespace Brosquin
