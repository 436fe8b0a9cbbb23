#include "app/dialogs/DefectivesZ14DialogBox.h"
#include "app/dialogs/DefectivesZ19DialogBox.h"
#include "app/dialogs/DefectsPerUnitZ14DialogBox.h"
#include "standards/Z14ParametersReport.h"
#include "standards/Z19ParametersReport.h"
#include "tests/app/EvaluationRoadTest.h"
#include "tests/app/OpenDialogTest.h"
#include "tests/plans/EvaluationTestSupport.h"
#include "tests/support/Pixels.h"
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
using Dialog = std::unique_ptr<TStandardPlanDialogBox>;

const char* const kLists[5] = {"AQLComboBox", "LevelOfInspectionComboBox", "LotSizeComboBox",
                               "TypeComboBox", "OptionComboBox"};

// The dialog of class D for a new plan, or for a plan of class P with the choices.
template <class D, class P> Dialog Opened(const Choices* choices)
{
    if (choices == nullptr)
        return std::make_unique<D>(nullptr, nullptr);
    P plan;
    plan.SetParameters((*choices)[0], (*choices)[1], (*choices)[2], (*choices)[3], (*choices)[4]);
    return std::make_unique<D>(nullptr, &plan);
}

// One dialog of the family and the standard's report it previews.
struct Standard
{
    const char* caption;
    Dialog (*open)(const Choices*);
    std::array<int, 5> counts;
    int helpContext;
    TStandardPlanDialogBox::Report report;
    TStandardPlanDialogBox::ReportText reportText;
};

const Standard kZ14Defectives = {"ANSI Z1.4 for Defective Units",
                                 &Opened<TDefectivesZ14DialogBox, DefectivesZ14SamplingPlan>,
                                 {16, 7, 15, 3, 6},
                                 405,
                                 &Z14ParametersReport,
                                 &Z14ParametersText};
const Standard kZ14DefectsPerUnit = {
    "ANSI Z1.4 for Defects Per Unit",
    &Opened<TDefectsPerUnitZ14DialogBox, DefectsPerUnitZ14SamplingPlan>,
    {24, 7, 15, 3, 6},
    425,
    &Z14ParametersReport,
    &Z14ParametersText};
const Standard kZ19 = {"ANSI Z1.9 for Defective Units",
                       &Opened<TDefectivesZ19DialogBox, DefectivesZ19SamplingPlan>,
                       {11, 5, 16, 6, 5},
                       407,
                       &Z19ParametersReport,
                       &Z19ParametersText};

std::vector<std::string> Texts(const Drawing& drawing)
{
    std::vector<std::string> texts;
    for (const TableContents::Text& text : TableContents(drawing).texts)
        texts.push_back(text.text);
    return texts;
}

class StandardPlanDialogsTest : public OpenDialogTest<EvaluationRoadTest, TStandardPlanDialogBox>
{
protected:
    TDrawingControl* Preview() const { return Find<TDrawingControl>("DrawingControl"); }
    QComboBox* List(int i) const { return Find<QComboBox>(kLists[i]); }

    // The preview shows the report of the choices, its longest line whole: the last column of the
    // preview holds no ink.
    void vdExpectPreviewOf(const Standard& standard) const
    {
        const Choices c = dialog->ItemIndexes();
        EXPECT_EQ(Texts(*Preview()->ShownDrawing()),
                  Texts(*standard.report(c[0], c[1], c[2], c[3], c[4])));
        const QImage shot = Preview()->grab().toImage();
        const QImage lastColumn = shot.copy(shot.width() - 1, 0, 1, shot.height());
        EXPECT_EQ(PixelsOf(lastColumn, lastColumn.pixel(0, 0)), shot.height());
    }

    // Copy from the preview's menu, as the open function opens it, puts a picture and exactly the
    // text of the report of the choices on the clipboard.
    void vdExpectCopy(const Standard& standard, const std::function<void()>& open) const
    {
        QMenu* menu = Preview()->PopupMenu();
        QGuiApplication::clipboard()->clear();
        open();
        ASSERT_TRUE(menu->isVisible());
        menu->hide();
        for (QAction* item : menu->actions())
            if (item->text() == "&Copy to Clipboard")
                item->trigger();
        EXPECT_TRUE(Clipboard().hasImage());
        const Choices c = dialog->ItemIndexes();
        String text;
        standard.reportText(c[0], c[1], c[2], c[3], c[4], text);
        EXPECT_EQ(Clipboard().text(), QString::fromLatin1(text.Text()));
    }

    // Enters the standard's plan at the type row of the add-plan dialog with the choices, then
    // edits it, choosing the item of one list, and expects the plan list's rows.
    void vdEnterAndEdit(int characteristic, int typeRow, Choices choices, const char* entered,
                        int editedList, int editedItem, const char* edited, const char* pa)
    {
        vdQueueAddPlan(characteristic, typeRow);
        driver.vdQueue(
            [choices](QDialog& entry)
            {
                for (int i = 0; i < 5; ++i)
                    In<QComboBox>(entry, kLists[i]).setCurrentIndex(static_cast<int>(choices[i]));
                In<QPushButton>(entry, "OKButton").click();
            });
        Item("PlansEnterNewItem")->trigger();
        const int row = table->rowCount() - 1;
        ASSERT_EQ(Session().Count(), static_cast<std::uint32_t>(row + 1));
        EXPECT_EQ(Row(row).at(1), entered);

        table->selectRow(row);
        driver.vdQueue(
            [=](QDialog& entry)
            {
                EXPECT_EQ(static_cast<TStandardPlanDialogBox&>(entry).ItemIndexes(), choices);
                In<QComboBox>(entry, kLists[editedList]).setCurrentIndex(editedItem);
                In<QPushButton>(entry, "OKButton").click();
            });
        Item("PlansEditItem")->trigger();
        EXPECT_EQ(Row(row).at(1), edited);
        EXPECT_EQ(Row(row).at(6), pa) << edited;
    }
};

// Each dialog: its caption, size, lists and help, a new plan on the first item of every list and
// a plan on its own choices, each with the report of the choices in the preview.
TEST_F(StandardPlanDialogsTest, EachDialogOffersItsStandardsListsAndPreviewsTheChoice)
{
    const struct
    {
        const Standard& standard;
        Choices choices;
        const char* picture;
    } dialogs[] = {{kZ14Defectives, {10, 6, 8, 2, 3}, "z14-defectives.png"},
                   {kZ14DefectsPerUnit, {20, 5, 10, 0, 4}, "z14-defects-per-unit.png"},
                   {kZ19, {5, 3, 9, 2, 3}, "z19-defectives-two-limits-switching.png"}};
    for (const auto& [standard, choices, picture] : dialogs)
    {
        SCOPED_TRACE(standard.caption);
        vdOpen(standard.open(nullptr));
        EXPECT_EQ(dialog->windowTitle(), standard.caption);
        EXPECT_EQ(dialog->size(), QSize(387, 454));
        EXPECT_EQ(dialog->focusWidget(), List(0));
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(List(i)->count(), standard.counts[i]) << kLists[i];
        EXPECT_EQ(dialog->ItemIndexes(), Choices{});
        vdExpectPreviewOf(standard);
        user.vdClearRecords();
        Find<QPushButton>("HelpButton")->click();
        ASSERT_EQ(user.HelpRequests().size(), 1u);
        EXPECT_EQ(user.HelpRequests().front().context, standard.helpContext);

        vdOpen(standard.open(&choices));
        EXPECT_EQ(dialog->ItemIndexes(), choices);
        vdExpectPreviewOf(standard);
        EXPECT_TRUE(dialog->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/") + picture));
    }
    EXPECT_TRUE(user.Messages().empty());
}

// The preview's menu, opened by a right click in the preview or by the Menu button, copies; a
// change of the lists shows the new report from its top left-hand corner.
TEST_F(StandardPlanDialogsTest, ThePreviewCopiesAndShowsEachNewReportFromItsTop)
{
    const Choices choices{5, 3, 9, 2, 3};
    vdOpen(kZ19.open(&choices));
    vdExpectCopy(kZ19,
                 [this]
                 {
                     QWidget* viewport = Find<QScrollArea>("SamplingPlanScrollBox")->viewport();
                     QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(30, 40),
                                             viewport->mapToGlobal(QPoint(30, 40)));
                     QCoreApplication::sendEvent(viewport, &click);
                 });
    List(3)->setCurrentIndex(4);
    vdExpectCopy(kZ19, [this] { Find<QPushButton>("MenuButton")->click(); });

    auto* scrollBox = Find<QScrollArea>("SamplingPlanScrollBox");
    QScrollBar* vertical = scrollBox->verticalScrollBar();
    QScrollBar* horizontal = scrollBox->horizontalScrollBar();
    ASSERT_GT(vertical->maximum(), 0);
    vertical->setValue(vertical->maximum());
    horizontal->setValue(horizontal->maximum());
    List(2)->setCurrentIndex(8);
    EXPECT_EQ(vertical->value(), 0);
    EXPECT_EQ(horizontal->value(), 0);
    vdExpectPreviewOf(kZ19);
    EXPECT_TRUE(user.Messages().empty());
}

// Each standard's plan entered from the plan list and edited there.
TEST_F(StandardPlanDialogsTest, PlansAreEnteredAndEditedFromThePlanList)
{
    vdEnterAndEdit(SamplingPlan::DefectiveUnits, 3, {10, 5, 8, 1, 3},
                   "Z1.4: AQL=1.0, L-II, 501 to 1200, J, Switching - Full, Double", 3, 2,
                   "Z1.4: AQL=1.0, L-II, 501 to 1200, J, Switching - Full, Multiple", "Varies");
    vdEnterAndEdit(SamplingPlan::DefectsPerUnit, 3, {16, 6, 8, 0, 0},
                   "Z1.4: AQL=25, L-III, 501 to 1200, K, Normal, Single", 3, 1,
                   "Z1.4: AQL=25, L-III, 501 to 1200, K, Normal, Double", "Constant");
    vdEnterAndEdit(
        SamplingPlan::DefectiveUnits, 5, {5, 3, 9, 3, 0},
        "Z1.9: AQL=1.0, L-II, 501 to 1200, J, Normal, SD Unknown, 1 Spec, k (Form 1)", 4, 3,
        "Z1.9: AQL=1.0, L-II, 501 to 1200, J, Switching - Full, SD Unknown, 1 Spec, k (Form 1)",
        "Varies");

    EXPECT_TRUE(user.Messages().empty());
}

} // namespace
} // namespace Brosquin
