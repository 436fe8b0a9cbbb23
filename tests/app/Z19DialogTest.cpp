#include "app/DialogRoute.h"
#include "app/dialogs/DefectivesZ19DialogBox.h"
#include "standards/Z19ParametersReport.h"
#include "tests/app/FailingPlan.h"
#include "tests/app/StandardPlanDialogTest.h"

#include <algorithm>

namespace Brosquin
{
namespace
{

// The dialog of the Z1.9 plans, sixth in the add-plan dialog's list for defective units.
class Z19DialogTest : public StandardPlanDialogTest
{
protected:
    Z19DialogTest() : StandardPlanDialogTest(&Z19ParametersReport, &Z19ParametersText, 5) {}

    bool PreviewShows(const std::string& text) const
    {
        const std::vector<std::string> texts = Texts(*Preview()->ShownDrawing());
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
};

TEST_F(Z19DialogTest, ItsListsAndTheReportOfTheChoice)
{
    vdOpen(std::make_unique<TDefectivesZ19DialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "ANSI Z1.9 for Defective Units");
    EXPECT_EQ(dialog->size(), QSize(387, 454));
    EXPECT_EQ(dialog->focusWidget(), List("AQLComboBox"));
    const int counts[5] = {11, 5, 16, 6, 5};
    const char* lists[5] = {"AQLComboBox", "LevelOfInspectionComboBox", "LotSizeComboBox",
                            "TypeComboBox", "OptionComboBox"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(List(lists[i])->count(), counts[i]) << lists[i];
    EXPECT_EQ(List("TypeComboBox")->itemText(5), "SD Unknown, 2 Spec, M (Form 2)");
    // A new plan: AQL 0.10, S-3, lots of 2 to 8, SD known with k, normal inspection; its k is
    // one derived from the Form 2 tables.
    EXPECT_EQ(dialog->ItemIndexes(), (Choices{0, 0, 0, 0, 0}));
    EXPECT_EQ(Texts(*Preview()->ShownDrawing()), ReportTexts({0, 0, 0, 0, 0}));
    EXPECT_TRUE(PreviewShows("Letter Code = B"));
    EXPECT_TRUE(PreviewShows("n=4, k=2.39"));
    Find<QPushButton>("HelpButton")->click();
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().at(0).context, 407);

    List("TypeComboBox")->setCurrentIndex(2);
    List("OptionComboBox")->setCurrentIndex(3);
    EXPECT_TRUE(PreviewShows("or equivalently minimum Cp = 1.1338"));
    vdExpectChangeShowsTopLeft("LotSizeComboBox", 9);
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(Z19DialogTest, CopyPutsThePictureAndTheTextOfTheReport)
{
    DefectivesZ19SamplingPlan plan;
    plan.SetParameters(5, 3, 9, 2, 3);
    vdOpen(std::make_unique<TDefectivesZ19DialogBox>(nullptr, &plan));
    EXPECT_EQ(dialog->ItemIndexes(), (Choices{5, 3, 9, 2, 3}));
    vdExpectCopyByRightClick();
    EXPECT_TRUE(dialog->grab().save(
        QStringLiteral(VELTRAME_ARTIFACT_DIR "/z19-defectives-two-limits-switching.png")));
    List("TypeComboBox")->setCurrentIndex(4);
    vdExpectCopyByMenuButton();
    EXPECT_TRUE(user.Messages().empty());
}

using Failing = FailingPlan<DefectivesZ19SamplingPlan>;

TEST_F(Z19DialogTest, EnteredEditedAndEvaluatedFromThePlanList)
{
    vdQueueStandardEntry(SamplingPlan::DefectiveUnits, {5, 3, 9, 3, 0});
    Item("PlansEnterNewItem")->trigger();
    ASSERT_EQ(Session().Count(), 1u);
    EXPECT_EQ(Description(1),
              "Z1.9: AQL=1.0, L-II, 501 to 1200, J, Normal, SD Unknown, 1 Spec, k (Form 1)");
    EXPECT_EQ(Row(0).at(6), "Constant");

    // Editing opens on the plan's choices.
    table->selectRow(0);
    driver.vdQueue(
        [](QDialog& dialog)
        {
            EXPECT_EQ(static_cast<TStandardPlanDialogBox&>(dialog).ItemIndexes(),
                      (Choices{5, 3, 9, 3, 0}));
            In<QComboBox>(dialog, "OptionComboBox").setCurrentIndex(3);
            In<QPushButton>(dialog, "OKButton").click();
        });
    Item("PlansEditItem")->trigger();
    EXPECT_EQ(Description(1), "Z1.9: AQL=1.0, L-II, 501 to 1200, J, Switching - Full, SD Unknown, "
                              "1 Spec, k (Form 1)");
    EXPECT_EQ(Row(0).at(6), "Varies");
    vdExpectWorstCaseCurves("z19-switching-oc-curves.png");

    // A failure while a new plan takes its entries: nothing is added.
    const GuardedDialogRoute<TDefectivesZ19DialogBox, AlwaysFailingPlan<DefectivesZ19SamplingPlan>>
        failing;
    driver.vdQueue([](QDialog& entry) { In<QPushButton>(entry, "OKButton").click(); });
    user.vdClearRecords();
    EXPECT_EQ(failing.EnterNew(nullptr), nullptr);
    EXPECT_EQ(MessageTexts(),
              QStringList{"Parameters entered resulted in numerical problems.  Plan not added."});

    // A failure while a plan is edited: its former choices, plans and summary come back.
    Failing plan;
    plan.SetParameters(5, 3, 9, 1, 4);
    const std::string before = plan.Description().Text();
    const std::string aqlBefore = plan.AQLPointText().Text();
    plan.failing = true;
    driver.vdQueue(
        [](QDialog& entry)
        {
            In<QComboBox>(entry, "OptionComboBox").setCurrentIndex(2);
            In<QPushButton>(entry, "OKButton").click();
        });
    user.vdClearRecords();
    const GuardedDialogRoute<TDefectivesZ19DialogBox, Failing> route;
    EXPECT_TRUE(route.Edit(nullptr, plan));
    EXPECT_EQ(plan.Description().Text(), before);
    EXPECT_EQ(plan.AQLPointText().Text(), aqlBefore);
    EXPECT_EQ(plan.OptionIndex(), 4u);
    EXPECT_NE(plan.TightenedPlan(), nullptr);
    EXPECT_EQ(plan.ReducedPlan(), nullptr);
    EXPECT_EQ(MessageTexts(),
              QStringList{"Parameters entered resulted in numerical problems.  Plan not changed."});
}

} // namespace
} // namespace Brosquin
