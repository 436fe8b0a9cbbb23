#include "app/MainMDIWindow.h"
#include "app/MdiChild.h"
#include "plans/SamplingPlanSession.h"
#include "tests/app/AppTest.h"
#include "tests/app/ModalDialogDriver.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace Brosquin
{
namespace
{

// Child windows that record what the main window asks of them.
class FakeEvaluationWindow : public QWidget, public EvaluationChild
{
public:
    explicit FakeEvaluationWindow(QStringList& log, QString name = QStringLiteral("evaluation"))
        : log(log), name(std::move(name))
    {
    }
    int HelpContext() const override { return 30; }
    void PrintButtonClick() override { log.append(name + " print"); }
    void CopyButtonClick() override { log.append(name + " copy"); }
    void vdUpdateAfterChange() override
    {
        log.append(name + " update");
        if (bCloseOnUpdate)
            parentWidget()->close();
    }
    void vdSetTabsAtBottom(bool bAtBottom) override
    {
        log.append(name + (bAtBottom ? " tabs bottom" : " tabs top"));
    }
    void vdWriteToStream(std::ostream&) const override {}

    QStringList& log;
    QString name;
    bool bCloseOnUpdate = false;
};

class FakePlanListWindow : public QWidget, public PlanListChild
{
public:
    explicit FakePlanListWindow(QStringList& log) : log(log) {}
    int HelpContext() const override { return 20; }
    void PrintButtonClick() override { log.append("list print"); }
    void CopyButtonClick() override { log.append("list copy"); }
    void EnterNewPlanButtonClick() override { log.append("enter"); }
    void SelectPlanButtonClick() override { log.append("select"); }
    void EvaluateButtonClick() override { log.append("evaluate"); }
    void MatchProtectionButtonClick() override { log.append("match"); }
    void EditPlanButtonClick() override { log.append("edit"); }
    void DuplicateButtonClick() override { log.append("duplicate"); }
    void DeletePlanButtonClick() override { log.append("delete"); }
    void CheckAllButtonClick() override { log.append("check all"); }
    void UncheckAllButtonClick() override { log.append("uncheck all"); }
    void vdReset() override { log.append("reset"); }
    void vdRebuildDefinitionCaptions() override { log.append("captions"); }
    void vdApplyDefinitions() override { log.append("definitions"); }
    void vdApplyUnits() override { log.append("units"); }
    void vdApplyCostParameters() override { log.append("costs"); }
    void vdConvertUnits(int, int newDefectives, int, int newDefects) override
    {
        log.append(QStringLiteral("convert to %1 %2").arg(newDefectives).arg(newDefects));
    }
    void vdWriteToStream(std::ostream&) const override {}
    const SamplingPlanSession& Session() const override { return session; }
    bool FileHasRoomFor(std::uint64_t) const override { return true; }
    void vdWritePlansToStream(std::ostream&) const override {}
    void vdSetSession(std::unique_ptr<SamplingPlanSession>) override {}
    void vdApplyRecord(const PlanListRecord&) override {}
    void vdAppendPlans(const SamplingPlanSession&) override {}
    void vdOpenEvaluationWindow(EvaluationWindowRecord) override {}

    QStringList& log;
    SamplingPlanSession session;
};

class MainMDIWindowTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        window = std::make_unique<TMainMDIWindow>();
        window->resize(900, 600);
        window->show();
        user.vdClearRecords();
    }

    QAction* Item(const char* name) const
    {
        QAction* item = window->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(item, nullptr) << name;
        return item;
    }

    QMenu* Menu(const char* name) const
    {
        return window->menuBar()->findChild<QMenu*>(QLatin1String(name));
    }

    QMdiSubWindow* AddChild(QWidget* child, const QString& title)
    {
        child->setWindowTitle(title);
        QMdiSubWindow* sub = window->MdiArea()->addSubWindow(child);
        sub->resize(300, 200);
        sub->show();
        return sub;
    }

    void vdPressF1() const
    {
        auto* help = window->findChild<QShortcut*>();
        ASSERT_NE(help, nullptr);
        ASSERT_EQ(help->key(), QKeySequence(Qt::Key_F1));
        emit help->activated();
    }

    std::unique_ptr<TMainMDIWindow> window;
    QStringList log;
};

TEST_F(MainMDIWindowTest, MenusHoldTheItemsOfTheProgram)
{
    QStringList menus;
    for (const QAction* menu : window->menuBar()->actions())
        menus.append(menu->text());
    EXPECT_EQ(menus, (QStringList{"&File", "P&lans", "&Window", "&Options", "&Help"}));

    QStringList file;
    for (const QAction* item : Menu("File")->actions())
        file.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(file, (QStringList{"&New", "&Open...", "&Merge...", "&Save", "Save &As...", "-",
                                 "&Print", "P&rint Setup...", "&Copy to Clipboard", "-", "E&xit"}));
    EXPECT_EQ(Item("FileNewItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(Item("FileOpenItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(Item("FileSaveItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(Item("FilePrintItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(Item("FileCopyItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_TRUE(Item("FileMergeItem")->shortcut().isEmpty());
    EXPECT_EQ(Item("FileSaveAsItem")->statusTip(), "Save current file under a new name");
    EXPECT_EQ(Item("PlansEvaluateItem")->text(), "E&valuate (OC, ASN) Sampling Plans");
    EXPECT_EQ(Item("PlansEvaluateItem")->statusTip(),
              "Evaluate checked samping plans (OC, ASN, AQL, LTPD,...)");
    EXPECT_EQ(Item("OptionsUnitsItem")->text(),
              "&Units for Defective Units and Defects Per Unit...");
    EXPECT_EQ(Item("HelpGlossaryItem")->statusTip(), "Display glossary.");
    EXPECT_EQ(Menu("Plans")->actions().size(), 9);
    EXPECT_EQ(Menu("Help")->actions().size(), 10);

    for (QAction* item : window->findChildren<QAction*>())
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
}

TEST_F(MainMDIWindowTest, ToolBarHasNineteenButtonsInThreeGroups)
{
    auto* bar = window->findChild<QToolBar*>(QStringLiteral("SpeedBar"));
    ASSERT_NE(bar, nullptr);
    QList<QAction*> buttons;
    QList<int> groupStarts;
    for (QAction* action : bar->actions())
    {
        if (action->isSeparator() || !bar->widgetForAction(action)->inherits("QToolButton"))
            groupStarts.append(static_cast<int>(buttons.size()));
        else
            buttons.append(action);
    }
    ASSERT_EQ(buttons.size(), 19);
    EXPECT_EQ(groupStarts, (QList<int>{7, 16}));
    EXPECT_EQ(buttons.at(0)->toolTip(), "New");
    EXPECT_EQ(buttons.at(0)->statusTip(), "New");
    EXPECT_EQ(buttons.at(6)->toolTip(), "Copy to Clipboard");
    EXPECT_EQ(buttons.at(6)->statusTip(), "Copy to Clipboard");
    EXPECT_EQ(buttons.at(8)->toolTip(), "Select new samplings plan based on AQL and LTPD");
    EXPECT_EQ(buttons.at(17)->toolTip(), "Search for Help On");
    EXPECT_EQ(buttons.at(17)->statusTip(), "Search for Help On");
    EXPECT_EQ(bar->widgetForAction(buttons.at(3))->size(), QSize(31, 31));
    EXPECT_EQ(bar->height(), 41);
    EXPECT_GT(bar->widgetForAction(buttons.at(16))->x(),
              bar->widgetForAction(buttons.at(15))->x() + 100)
        << "the help buttons stand at the right end";
    for (QAction* button : buttons)
        EXPECT_FALSE(button->icon().isNull());

    // The buttons run the menu items' handlers.
    buttons.at(16)->trigger();
    buttons.at(18)->trigger();
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().front().command, HelpCommand::Contents);
    EXPECT_EQ(user.WebAddresses().size(), 1u);
}

TEST_F(MainMDIWindowTest, ToolBarToggleIsStoredAndReadAtTheNextStart)
{
    EXPECT_TRUE(Item("OptionsShowToolBarItem")->isChecked());
    Item("OptionsShowToolBarItem")->trigger();
    auto* bar = window->findChild<QToolBar*>(QStringLiteral("SpeedBar"));
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(StoredSettings().value("Tool Bar Visible").toInt(), 0);

    window = std::make_unique<TMainMDIWindow>();
    window->show();
    EXPECT_FALSE(Item("OptionsShowToolBarItem")->isChecked());
    EXPECT_FALSE(window->findChild<QToolBar*>(QStringLiteral("SpeedBar"))->isVisible());
    Item("OptionsShowToolBarItem")->trigger();
    EXPECT_TRUE(window->findChild<QToolBar*>(QStringLiteral("SpeedBar"))->isVisible());
    EXPECT_EQ(StoredSettings().value("Tool Bar Visible").toInt(), 1);
    EXPECT_EQ(window->createPopupMenu(), nullptr) << "the tool bar is hidden only by the menu";
}

TEST_F(MainMDIWindowTest, TabsAtBottomToggleReachesEveryEvaluationWindow)
{
    AddChild(new FakePlanListWindow(log), "Plans");
    AddChild(new FakeEvaluationWindow(log, "first"), "E1");
    AddChild(new FakeEvaluationWindow(log, "second"), "E2");
    EXPECT_TRUE(window->AreTabsAtBottom());
    Item("OptionsDisplayTabsAtBottomItem")->trigger();
    EXPECT_FALSE(window->AreTabsAtBottom());
    EXPECT_EQ(StoredSettings().value("Display Tabs Bottom").toBool(), false);
    EXPECT_EQ(log.size(), 2);
    EXPECT_TRUE(log.contains("first tabs top"));
    EXPECT_TRUE(log.contains("second tabs top"));

    window = std::make_unique<TMainMDIWindow>();
    EXPECT_FALSE(Item("OptionsDisplayTabsAtBottomItem")->isChecked());
}

TEST_F(MainMDIWindowTest, NewSessionAsksOnlyWhenTheSessionWasModified)
{
    auto* list = new FakePlanListWindow(log);
    AddChild(list, "Plans");
    window->vdSetPlanList(list);
    QPointer<QMdiSubWindow> evaluation = AddChild(new FakeEvaluationWindow(log), "E1");
    EXPECT_TRUE(window->NewSession());
    EXPECT_TRUE(user.Messages().empty());
    EXPECT_TRUE(evaluation.isNull() || !evaluation->isVisible()) << "evaluation windows close";
    EXPECT_EQ(log, (QStringList{"reset", "captions"}));

    window->vdSetSessionModified();
    user.vdQueueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(window->NewSession());
    ASSERT_EQ(user.Messages().size(), 1u);
    const MessageRequest& question = user.Messages().front();
    EXPECT_EQ(question.caption, "Warning");
    EXPECT_EQ(question.text, "Do you want to save current session first?");
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(window->IsSessionModified());
    EXPECT_EQ(log.size(), 2) << "cancel keeps everything";

    user.vdQueueAnswer(MessageAnswer::No);
    EXPECT_TRUE(window->NewSession());
    EXPECT_FALSE(window->IsSessionModified());
    EXPECT_EQ(window->windowTitle(), "Veltrame - [untitled]");
}

TEST_F(MainMDIWindowTest, NewSessionReturnsToTheStoredDefinitionsUnitsAndCosts)
{
    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.90", "0.05", 3, message), 0);
    ASSERT_TRUE(DefectsPerUnitSamplingPlan::Units().SetCurrentIndex(2));
    ASSERT_EQ(SamplingPlan::SetCostParameters("Cost", "2", "3", message), 0);
    window->vdUpdateDefinitions();
    EXPECT_EQ(Item("OptionsDefinitionsItem")->text(), "&Definitions of AQL and UQL...");

    EXPECT_TRUE(window->NewSession());
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.95");
    EXPECT_EQ(SamplingPlan::SymbolIndex(), 0);
    EXPECT_EQ(DefectsPerUnitSamplingPlan::Units().CurrentIndex(), 1);
    EXPECT_STREQ(SamplingPlan::CostTitle().Text(), "E{#Stages}");
    EXPECT_STREQ(SamplingPlan::C1Text().Text(), "1");
    EXPECT_EQ(Item("OptionsDefinitionsItem")->text(), "&Definitions of AQL and LTPD...");
}

TEST_F(MainMDIWindowTest, ClosingAModifiedSessionCanBeCancelled)
{
    window->vdSetSessionModified();
    user.vdQueueAnswer(MessageAnswer::Cancel);
    Item("FileExitItem")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->IsSessionModified());

    user.vdQueueAnswer(MessageAnswer::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

// The road tests print and copy through the menu with real child windows active.
TEST_F(MainMDIWindowTest, PrintCopyAndHelpWithoutAndWithAChildWindow)
{
    Item("FilePrintItem")->trigger();
    Item("FileCopyItem")->trigger();
    EXPECT_TRUE(log.isEmpty()) << "no child window, nothing happens";
    EXPECT_TRUE(user.Messages().empty());
    Item("FilePrintSetupItem")->trigger();
    EXPECT_EQ(user.PrinterSetups(), 1);

    QMdiSubWindow* list = AddChild(new FakePlanListWindow(log), "Plans");
    AddChild(new FakeEvaluationWindow(log), "E1");
    window->MdiArea()->setActiveSubWindow(list);
    Item("FileCopyItem")->trigger();
    EXPECT_EQ(log, QStringList{"list copy"});
    vdPressF1();
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().front().context, 20) << "help of the active child window";
}

TEST_F(MainMDIWindowTest, UpdatesReachThePlanListAndEveryEvaluationWindow)
{
    auto* list = new FakePlanListWindow(log);
    AddChild(list, "Plans");
    window->vdSetPlanList(list);
    auto* closing = new FakeEvaluationWindow(log, "first");
    closing->bCloseOnUpdate = true;
    AddChild(closing, "E1");
    AddChild(new FakeEvaluationWindow(log, "second"), "E2");

    window->vdUpdateDefinitions();
    EXPECT_EQ(log, (QStringList{"captions", "definitions", "first update", "second update"}));
    log.clear();
    // The units dialog's OK: the plan design's numbers follow the windows.
    ModalDialogDriver driver;
    driver.vdQueue(
        [](QDialog& dialog)
        {
            ModalDialogDriver::ChoiceOf(dialog, "UnitsDefectivesRadioGroup", 0).click();
            ModalDialogDriver::ControlOf<QPushButton>(dialog, "OkButton").click();
        });
    Item("OptionsUnitsItem")->trigger();
    EXPECT_EQ(log, (QStringList{"units", "second update", "convert to 0 1"}))
        << "the closed window is gone";
    log.clear();
    window->vdUpdateCostParameters();
    EXPECT_EQ(log, (QStringList{"costs", "second update"}));
}

TEST_F(MainMDIWindowTest, WindowMenuListsAndArrangesTheChildWindows)
{
    QMdiSubWindow* first = AddChild(new FakePlanListWindow(log), "List Sampling Plans");
    QMdiSubWindow* second = AddChild(new FakeEvaluationWindow(log), "Evaluation & more");
    QMenu* menu = Menu("Window");
    emit menu->aboutToShow();
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(captions, (QStringList{"&Tile", "&Cascade", "&Arrange All", "-",
                                     "&1 List Sampling Plans", "&2 Evaluation && more"}));
    EXPECT_TRUE(menu->actions().at(5)->isChecked());
    menu->actions().at(4)->trigger();
    EXPECT_EQ(window->MdiArea()->activeSubWindow(), first);

    Item("WindowTileItem")->trigger();
    EXPECT_FALSE(first->geometry().intersects(second->geometry()));
    // Cascaded, the windows keep their sizes, and none covers the title bar of one behind it.
    first->resize(600, 300);
    second->resize(300, 200);
    Item("WindowCascadeItem")->trigger();
    EXPECT_EQ(first->size(), QSize(600, 300));
    EXPECT_EQ(second->size(), QSize(300, 200));
    const QList<QMdiSubWindow*> stacked = window->MdiArea()->subWindowList(QMdiArea::StackingOrder);
    for (qsizetype back = 0; back < stacked.size(); ++back)
    {
        const QRect titleBar(stacked[back]->pos(),
                             QSize(stacked[back]->width(), stacked[back]->contentsMargins().top()));
        EXPECT_GT(titleBar.height(), 10);
        EXPECT_TRUE(window->MdiArea()->viewport()->rect().contains(titleBar));
        for (qsizetype front = back + 1; front < stacked.size(); ++front)
            EXPECT_FALSE(stacked[front]->geometry().intersects(titleBar));
    }

    first->showMinimized();
    second->showMinimized();
    first->move(200, 10);
    second->move(40, 60);
    Item("WindowArrangeItem")->trigger();
    const int bottom = window->MdiArea()->viewport()->height();
    EXPECT_EQ(first->geometry().bottom() + 1, bottom);
    EXPECT_EQ(second->geometry().bottom() + 1, bottom);
    EXPECT_EQ(first->x(), 0);
    EXPECT_EQ(second->x(), first->width());

    delete second;
    emit menu->aboutToShow();
    EXPECT_EQ(menu->actions().size(), 5);
}

TEST_F(MainMDIWindowTest, HelpMenuOpensTheHelpAtItsTopicsAndTheHomePage)
{
    for (const char* item :
         {"HelpContentsItem", "HelpGlossaryItem", "HelpSearchItem", "HelpHowToUseItem",
          "HelpTechnicalSupportItem", "HelpVeltrameHomePageItem"})
        Item(item)->trigger();
    const auto& asked = user.HelpRequests();
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(asked[0].command, HelpCommand::Contents);
    EXPECT_EQ(asked[1].context, 100);
    EXPECT_EQ(asked[2].command, HelpCommand::PartialKey);
    EXPECT_TRUE(asked[2].key.isEmpty());
    EXPECT_EQ(asked[3].command, HelpCommand::HelpOnHelp);
    EXPECT_EQ(asked[4].context, 502);
    ASSERT_EQ(user.WebAddresses().size(), 1u);
    EXPECT_EQ(user.WebAddresses().front().scheme(), "https");

    vdPressF1();
    EXPECT_EQ(user.HelpRequests().back().context, 1) << "no child window: the main window's help";
}

// Help > About: OK has the focus, Enter and Escape close the box, and Help opens its topic.
TEST_F(MainMDIWindowTest, AboutBoxClosesWithEnterOrEscape)
{
    ModalDialogDriver driver;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
        driver.vdQueue(
            [key](QDialog& about)
            {
                EXPECT_EQ(about.windowTitle(), "About");
                auto& ok = ModalDialogDriver::ControlOf<QPushButton>(about, "OkButton");
                EXPECT_EQ(about.focusWidget(), &ok);
                if (key == Qt::Key_Return)
                {
                    EXPECT_TRUE(
                        about.grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/about-box.png")));
                    ModalDialogDriver::ControlOf<QPushButton>(about, "HelpButton").click();
                }
                QTest::keyClick(&ok, key);
                EXPECT_FALSE(about.isVisible());
            });
    for (int run = 0; run < 2; ++run)
        Item("HelpAboutItem")->trigger();
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().front().context, 91);
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(MainMDIWindowTest, Screenshot)
{
    QMdiSubWindow* child = AddChild(new FakeEvaluationWindow(log), "Evaluation");
    window->resize(1000, 560);
    QCoreApplication::processEvents();
    const QImage shot = window->grab().toImage();
    EXPECT_TRUE(shot.save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/main-window.png")));
    EXPECT_EQ(shot.size(), QSize(1000, 560));
    // The child window stands out of the area's background in its top left-hand corner.
    QMdiArea* area = window->MdiArea();
    const QRgb background = area->background().color().rgb();
    const QPoint inChild = child->mapTo(window.get(), child->rect().center());
    const QPoint beside = area->viewport()->mapTo(window.get(), area->viewport()->rect().center());
    ASSERT_FALSE(child->geometry().contains(area->viewport()->rect().center()));
    EXPECT_NE(shot.pixel(inChild), background);
    EXPECT_EQ(shot.pixel(beside), background);
}

} // namespace
} // namespace Brosquin
