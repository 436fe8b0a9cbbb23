#pragma once

#include "app/dialogs/StandardPlanDialogBox.h"
#include "tests/app/EvaluationRoadTest.h"
#include "tests/plans/EvaluationTestSupport.h"
#include "widgets/DrawingControl.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <functional>
#include <string>
#include <vector>

namespace Brosquin
{

// The entry dialogs of a standard's plans, driven as a person does, shown but not modal, and on
// the road from the plan list to an evaluation.
class StandardPlanDialogTest : public EvaluationRoadTest
{
protected:
    using Choices = TStandardPlanDialogBox::Choices;

    // The standard's report in its two forms, and the row of its plan type in the add-plan
    // dialog.
    StandardPlanDialogTest(TStandardPlanDialogBox::Report report,
                           TStandardPlanDialogBox::ReportText reportText, int typeRow)
        : report(report), reportText(reportText), typeRow(typeRow)
    {
    }

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
    std::vector<std::string> ReportTexts(const Choices& c) const
    {
        return Texts(*report(c[0], c[1], c[2], c[3], c[4]));
    }
    QString ReportText(const Choices& c) const
    {
        String text;
        reportText(c[0], c[1], c[2], c[3], c[4], text);
        return QString::fromLatin1(text.Text());
    }

    // Copy from the preview's menu, opened by a right click in the preview or by the Menu
    // button, puts a picture and exactly the text of the report of the choices on the clipboard.
    void vdExpectCopyByRightClick() const
    {
        vdExpectCopyFromMenu(
            [this]
            {
                QWidget* viewport = Find<QScrollArea>("SamplingPlanScrollBox")->viewport();
                QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(30, 40),
                                        viewport->mapToGlobal(QPoint(30, 40)));
                QCoreApplication::sendEvent(viewport, &click);
            });
    }
    void vdExpectCopyByMenuButton() const
    {
        vdExpectCopyFromMenu([this] { Find<QPushButton>("MenuButton")->click(); });
    }

    // With the preview scrolled to its far corner, choosing an item of a list shows the new
    // report from its top left corner.
    void vdExpectChangeShowsTopLeft(const char* list, int item) const
    {
        auto* scrollBox = Find<QScrollArea>("SamplingPlanScrollBox");
        QScrollBar* vertical = scrollBox->verticalScrollBar();
        QScrollBar* horizontal = scrollBox->horizontalScrollBar();
        ASSERT_GT(vertical->maximum(), 0);
        vertical->setValue(vertical->maximum());
        horizontal->setValue(horizontal->maximum());
        List(list)->setCurrentIndex(item);
        EXPECT_EQ(vertical->value(), 0);
        EXPECT_EQ(horizontal->value(), 0);
        EXPECT_EQ(Texts(*Preview()->ShownDrawing()), ReportTexts(dialog->ItemIndexes()));
    }

    // The next plan entered from the add-plan dialog: the standard's plan of the characteristic
    // with these choices.
    void vdQueueStandardEntry(int characteristic, const Choices& choices)
    {
        vdQueueAddPlan(characteristic, typeRow);
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

    // A switching plan's OC curve between its largest and smallest, on the evaluation of the
    // checked plans, and its picture.
    void vdExpectWorstCaseCurves(const char* picture)
    {
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
        EXPECT_TRUE(evaluation->grab().save(QString(VELTRAME_ARTIFACT_DIR "/") + picture));
    }

    std::unique_ptr<TStandardPlanDialogBox> dialog;

private:
    void vdExpectCopyFromMenu(const std::function<void()>& open) const
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
        EXPECT_EQ(Clipboard().text(), ReportText(dialog->ItemIndexes()));
    }

    TStandardPlanDialogBox::Report report;
    TStandardPlanDialogBox::ReportText reportText;
    int typeRow;
};

} // namespace Brosquin
