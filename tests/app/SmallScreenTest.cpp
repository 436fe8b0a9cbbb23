// Every window and dialog of the program on a screen of 1024 x 700 pixels: each one's frame lies
// inside the screen's available area, and each child window inside the main window's area.
#include "app/EvaluationWindow.h"
#include "app/PlanEntryRoute.h"
#include "app/SplashWindow.h"
#include "app/dialogs/DefectivesVariablesSelectDialogBox.h"
#include "plans/DefectivesChainSamplingPlan.h"
#include "platform/HelpWindow.h"
#include "platform/ProgressDialogs.h"
#include "platform/QtUserInteraction.h"
#include "tests/app/PlanListTest.h"
#include "tests/plans/SessionFileText.h"
#include "widgets/DisplayControl.h"

#include <QDebug>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QScreen>

namespace Brosquin
{
namespace
{

class SmallScreenTest : public PlanListTest
{
protected:
    // Where a window may go: the screen less what panels keep for themselves.
    static QRect Area() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    static std::string TextOf(const QRect& rect)
    {
        QString text;
        QDebug(&text) << rect;
        return text.toStdString();
    }

    static testing::AssertionResult Inside(const QWidget& window)
    {
        const QRect frame = window.frameGeometry();
        if (window.isVisible() && Area().contains(frame))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << window.windowTitle().toStdString() << (window.isVisible() ? "" : " hidden")
               << " at " << TextOf(frame) << " outside " << TextOf(Area());
    }

    testing::AssertionResult InsideTheArea(const QMdiSubWindow& child) const
    {
        const QRect room = window->MdiArea()->viewport()->rect();
        if (child.isVisible() && room.contains(child.geometry()))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << child.windowTitle().toStdString() << " at " << TextOf(child.geometry())
               << " outside " << TextOf(room);
    }

    // Checks the dialog that shows next, then closes it.
    void vdQueueCheck(const QString& title)
    {
        driver.vdQueue(
            [title](QDialog& dialog)
            {
                EXPECT_EQ(dialog.windowTitle(), title);
                EXPECT_TRUE(Inside(dialog));
                dialog.reject();
            });
    }

    // Opens the dialog of every type as a new plan, and the chain plan's as it is edited.
    void vdCheckEntryDialogs()
    {
        for (int characteristic = 0; characteristic < SamplingPlan::CharacteristicCount;
             ++characteristic)
            for (const int* type = SamplingPlan::EnterablePlanTypes(characteristic); *type >= 0;
                 ++type)
            {
                driver.vdQueue(
                    [](QDialog& dialog)
                    {
                        EXPECT_TRUE(Inside(dialog));
                        // Moved down to the bottom of the area, and grown there as it shows its
                        // advanced entries, where it has them, it still fits.
                        if (auto* more = dialog.findChild<QPushButton*>("ShowAdvancedButton"))
                        {
                            dialog.move(dialog.x(),
                                        Area().bottom() + 1 - dialog.frameGeometry().height());
                            ASSERT_TRUE(Inside(dialog));
                            more->click();
                            QCoreApplication::processEvents();
                            EXPECT_TRUE(Inside(dialog)) << "advanced";
                        }
                        dialog.reject();
                    });
                EXPECT_EQ(PlanEntryRoute::Find(characteristic, *type)->EnterNew(window.get()),
                          nullptr);
            }
        DefectivesChainSamplingPlan chain;
        chain.vdDescribe("20", "0", "2", "3", "1");
        vdQueueCheck("Chain Sampling Plan for Number of Defective Units");
        EXPECT_FALSE(PlanEntryRoute::Find(SamplingPlan::DefectiveUnits, chain.PlanTypeId())
                         ->Edit(window.get(), chain, [](SamplingPlan&) { return true; }));
    }
};

TEST_F(SmallScreenTest, EveryWindowAndDialogFitsTheScreen)
{
    ASSERT_EQ(Area(), QRect(0, 0, 1024, 700)) << "the offscreen screen of this program";
    // A main window asked for larger than the screen fits it; maximized, as it starts, it fills
    // the area.
    window->hide();
    window->resize(1280, 900);
    window->show();
    EXPECT_TRUE(Inside(*window));
    window->showMaximized();
    QTest::qWait(20);
    EXPECT_TRUE(Inside(*window));
    EXPECT_TRUE(InsideTheArea(*list->SubWindow()));

    // The splash window goes when it closes.
    auto* splash = new TSplashWindow;
    splash->show();
    EXPECT_TRUE(Inside(*splash));
    splash->close();

    // The help window at its own size, then shown again after it was moved off the screen.
    HelpWindow help(QStringLiteral(":/help"));
    help.show();
    EXPECT_TRUE(Inside(help));
    help.hide();
    help.move(600, 500);
    help.show();
    EXPECT_TRUE(Inside(help));
    help.close();

    // The dialogs of the menus, and the plan-entry dialogs.
    for (const auto& [item, title] :
         {std::pair{"HelpAboutItem", "About"},
          {"OptionsDefinitionsItem", "Definitions of AQL and LTPD"},
          {"OptionsUnitsItem", "Units For Defective Units and Defects Per Unit"},
          {"OptionsCostsItem", "Cost Parameters"},
          {"PlansSelectItem", "Select New/Matching Sampling Plans"},
          {"PlansEnterNewItem", "Enter New Sampling Plan"}})
    {
        vdQueueCheck(title);
        Item(item)->trigger();
    }
    vdQueueCheck("Select Variables Plans for Defective Units");
    for (QDialog* dialog : window->findChildren<QDialog*>())
        if (dynamic_cast<TDefectivesVariablesSelectDialogBox*>(dialog))
            dialog->exec();
    vdCheckEntryDialogs();

    // An evaluation window of two of three plans, the dialogs it opens, and those of its plots.
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"80", "2"});
    list->Session().Plan(3)->vdSetChecked(false);
    Item("PlansEvaluateItem")->trigger();
    auto* evaluation = window->findChild<TEvaluationWindow*>();
    ASSERT_NE(evaluation, nullptr);
    EXPECT_TRUE(InsideTheArea(*evaluation->SubWindow()));
    for (const auto& [button, title] : {std::pair{"AddPlanButton", "Add Selected Sampling Plans"},
                                        {"RemovePlanButton", "Remove Selected Sampling Plans"}})
    {
        vdQueueCheck(title);
        evaluation->findChild<QPushButton*>(button)->click();
    }
    for (const auto& [page, item, title] :
         {std::tuple{TEvaluationWindow::TablePage, "&Table Range...", "Table Range"},
          {TEvaluationWindow::OCCurvePage, "Plot &Options...", "Plot Options"}})
        for (QAction* action : evaluation->Component(page)->PopupMenu()->actions())
            if (action->text() == item)
            {
                vdQueueCheck(title);
                action->trigger();
            }
    EXPECT_TRUE(user.Messages().empty()) << MessageTexts().join('\n').toStdString();

    // The forms of the platform: progress, messages, files and the printer.
    {
        ProgressShown<TPrintingDialog> printing(window.get());
        for (QWidget* form : QApplication::topLevelWidgets())
            EXPECT_TRUE(!dynamic_cast<TPrintingDialog*>(form) || Inside(*form));
    }
    {
        ShownWorkProgress work({"Designing ...", "Searching for the best double sampling plan"}, 0);
        ASSERT_TRUE(work.Continues(0.5));
        ASSERT_NE(work.Form(), nullptr);
        EXPECT_TRUE(Inside(*work.Form()));
    }
    QtUserInteraction real;
    vdQueueCheck("Veltrame");
    real.MessageBox(
        QStringLiteral("A message as long as a line of a message can be. ").repeated(40));
    vdQueueCheck("Open");
    EXPECT_FALSE(real.OpenFileName({"Open", "*.vlx", "Veltrame files (*.vlx)", "vlx"}));
    QPrinter printer;
    vdQueueCheck("Print Setup");
    EXPECT_FALSE(real.PrinterSetup(printer));
}

// A session saved on a larger screen opens with each child window inside the area, made
// smaller where it was larger than the area.
TEST_F(SmallScreenTest, WindowsOfASessionFromALargerScreenFitTheArea)
{
    window->showMaximized();
    QTest::qWait(20);
    {
        QFile file(settingsFolder.filePath("large.vlx"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(
            OnePlanSessionFileText({0, 1500, 1800, 348, 1700}, {0, 300, 900, 1100, 1500})));
    }
    window->vdOpenSessionFile(settingsFolder.filePath("large.vlx"));
    ASSERT_TRUE(user.Messages().empty()) << MessageTexts().join('\n').toStdString();
    const QList<QMdiSubWindow*> children = window->MdiArea()->subWindowList();
    ASSERT_EQ(children.size(), 2);
    const QSize room = window->MdiArea()->viewport()->size();
    for (const QMdiSubWindow* child : children)
        EXPECT_TRUE(InsideTheArea(*child));
    EXPECT_EQ(children[0]->size(), QSize(room.width(), 348));
    EXPECT_EQ(children[1]->size(), room);
}

} // namespace
} // namespace Brosquin
