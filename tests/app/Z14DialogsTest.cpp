#include "app/dialogs/DefectivesZ14DialogBox.h"
#include "app/dialogs/DefectsPerUnitZ14DialogBox.h"
#include "standards/Z14ParametersReport.h"
#include "tests/app/EvaluationRoadTest.h"
#include "tests/plans/EvaluationTestSupport.h"
#include "widgets/DrawingControl.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

namespace Brosquin
{
namespace
{

using Choices = TStandardPlanDialogBox::Choices;

// The two dialogs driven as a person does, shown but not modal, and on the road from the plan
// list to an evaluation.
class Z14DialogsTest : public EvaluationRoadTest
{
protected:
    void vdOpen(std::unique_ptr<TStandardPlanDialogBox> opened)
    {
        dialog = std::move(opened);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    template <class Control = QWidget> Control* Find(const char* name) const
    {
        auto* control = dialog->findChild<Control*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
    TDrawingControl* Preview() const { return Find<TDrawingControl>("DrawingControl"); }

    // The texts of a report drawing, in the order drawn.
    static std::vector<std::string> Texts(const Drawing& drawing)
    {
        std::vector<std::string> texts;
        for (const TableContents::Text& text : TableContents(drawing).texts)
            texts.push_back(text.text);
        return texts;
    }
    static std::vector<std::string> ReportTexts(const Choices& c)
    {
        return Texts(*Z14ParametersReport(c[0], c[1], c[2], c[3], c[4]));
    }
    static QString ReportText(const Choices& c)
    {
        String text;
        Z14ParametersText(c[0], c[1], c[2], c[3], c[4], text);
        return QString::fromLatin1(text.Text());
    }

    // Copy from the preview's menu, opened as given; the menu must have shown.
    void vdCopyFromMenu(const std::function<void()>& open) const
    {
        QMenu* menu = Preview()->PopupMenu();
        QGuiApplication::clipboard()->clear();
        open();
        ASSERT_TRUE(menu->isVisible());
        menu->hide();
        for (QAction* item : menu->actions())
            if (item->text() == "&Copy to Clipboard")
                item->trigger();
    }

    void vdQueueZ14Entry(int characteristic, const Choices& choices)
    {
        vdQueueAddPlan(characteristic, 3);
        driver.vdQueue(
            [choices](QDialog& dialog)
            {
                const char* lists[] = {"AQLComboBox", "LevelOfInspectionComboBox",
                                       "LotSizeComboBox", "TypeComboBox", "OptionComboBox"};
                for (int i = 0; i < 5; ++i)
                    In<QComboBox>(dialog, lists[i]).setCurrentIndex(static_cast<int>(choices[i]));
                In<QPushButton>(dialog, "OKButton").click();
            });
    }

    std::unique_ptr<TStandardPlanDialogBox> dialog;
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
    auto* scrollBox = Find<QScrollArea>("SamplingPlanScrollBox");
    QScrollBar* vertical = scrollBox->verticalScrollBar();
    QScrollBar* horizontal = scrollBox->horizontalScrollBar();
    ASSERT_GT(vertical->maximum(), 0);
    vertical->setValue(vertical->maximum());
    horizontal->setValue(horizontal->maximum());
    List("LotSizeComboBox")->setCurrentIndex(8);
    EXPECT_EQ(vertical->value(), 0);
    EXPECT_EQ(horizontal->value(), 0);
    EXPECT_EQ(Texts(*Preview()->ShownDrawing()), ReportTexts({16, 0, 8, 2, 3}));
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(Z14DialogsTest, CopyPutsThePictureAndTheTextOfTheReport)
{
    DefectivesZ14SamplingPlan plan;
    plan.SetParameters(10, 6, 8, 1, 3);
    vdOpen(std::make_unique<TDefectivesZ14DialogBox>(nullptr, &plan));
    const Choices choices{10, 6, 8, 1, 3};
    EXPECT_EQ(dialog->ItemIndexes(), choices);
    QWidget* viewport = Find<QScrollArea>("SamplingPlanScrollBox")->viewport();
    vdCopyFromMenu(
        [viewport]
        {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(30, 40),
                                    viewport->mapToGlobal(QPoint(30, 40)));
            QCoreApplication::sendEvent(viewport, &click);
        });
    EXPECT_TRUE(Clipboard().hasImage());
    EXPECT_EQ(Clipboard().text(), ReportText(choices));

    List("TypeComboBox")->setCurrentIndex(0);
    vdCopyFromMenu([this] { Find<QPushButton>("MenuButton")->click(); });
    EXPECT_TRUE(Clipboard().hasImage());
    EXPECT_EQ(Clipboard().text(), ReportText({10, 6, 8, 0, 3}));
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(Z14DialogsTest, EnteredEditedAndEvaluatedFromThePlanList)
{
    vdQueueZ14Entry(SamplingPlan::DefectiveUnits, {10, 5, 8, 1, 3});
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

    vdQueueZ14Entry(SamplingPlan::DefectsPerUnit, {16, 6, 8, 0, 0});
    Item("PlansEnterNewItem")->trigger();
    EXPECT_EQ(Description(2), "Z1.4: AQL=25, L-III, 501 to 1200, K, Normal, Single");
    EXPECT_EQ(Row(1).at(6), "Constant");

    // A switching plan's OC curve between its largest and smallest.
    table->item(1, 0)->setCheckState(Qt::Unchecked);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    if (!evaluation->EvaluationList()->WorstCaseCurves())
        evaluation->WorstCaseOcCurvesItem()->trigger();
    const Plot& oc = *evaluation->EvaluationList()->OCPlot();
    ASSERT_EQ(oc.LineCount(), 3u);
    EXPECT_STREQ(oc.Line(2)->label.Text(), "Maximum Probability of Acceptance");
    EXPECT_STREQ(oc.Line(3)->label.Text(), "Minimum Probability of Acceptance");
    evaluation->SubWindow()->showMaximized();
    QTest::qWait(50);
    EXPECT_TRUE(evaluation->grab().save(
        QStringLiteral(VELTRAME_ARTIFACT_DIR "/z14-switching-oc-curves.png")));
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
