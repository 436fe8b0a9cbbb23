#include "app/EvaluationWindow.h"

#include "graphics/Plot.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SessionFile.h"
#include "tests/app/EvaluationRoadTest.h"
#include "tests/plans/EvaluationTestSupport.h"
#include "tests/support/Pixels.h"
#include "widgets/DrawingControl.h"
#include "widgets/PlotControl.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace Brosquin
{
namespace
{

// A single plan whose Pa is known only between bounds and whose AOQ is not defined, as some
// standard-table and variables plans are.
class BoundedPlan : public DefectivesSingleSamplingPlan
{
public:
    bool IsAOQDefined() const override { return false; }
    bool IsPaSingleValued() const override { return false; }
    Real& dPaMaximum(const Real& p) override { return dPa(p); }
    Real& dPaMinimum(const Real& p) override { return dPa(p); }
};

std::unique_ptr<SamplingPlan> Bounded(const char* n, const char* a)
{
    auto plan = std::make_unique<BoundedPlan>();
    plan->vdDescribe(n, a, 0, false, "");
    return plan;
}

class EvaluationWindowTest : public EvaluationRoadTest
{
protected:
    // Two single plans for defective units, entered, checked and evaluated.
    TEvaluationWindow* EvaluateTwoPlans()
    {
        vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
        vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
        return Evaluate();
    }

    static QStringList VisibleTabs(const TEvaluationWindow& evaluation)
    {
        QStringList captions;
        const QTabWidget* pages = evaluation.PageControl();
        for (int page = 0; page < pages->count(); ++page)
            if (pages->isTabVisible(page))
                captions.append(pages->tabText(page));
        return captions;
    }

    static QStringList MenuCaptions(const TEvaluationWindow& evaluation, int page)
    {
        QStringList captions;
        for (const QAction* item : evaluation.Component(page)->PopupMenu()->actions())
            captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        return captions;
    }

    static std::uint32_t OCLines(const TEvaluationWindow& evaluation)
    {
        return evaluation.EvaluationList()->OCPlot()->LineCount();
    }

    static void vdShowPage(TEvaluationWindow& evaluation, int page)
    {
        evaluation.PageControl()->setCurrentIndex(page);
    }
};

// Quality levels in percent defective at which single plans for defective units of lots of any
// size accept with probability 99%, 95%, ..., 1%: the root p of P(X <= a) = Pa for X binomial
// with n trials, found by bisection to 40 digits with mpmath.
constexpr double kPercentilesN50A1[9] = {
    0.29967672616138145, 0.71537195312938048, 1.0686800185840292,
    1.9233707029124059,  3.3340240924180823,  5.2948612236165237,
    7.5580598845327929,  9.1398130719697391,  12.552371645855272};
constexpr double kPercentilesN125A3[9] = {
    0.66441289451601825, 1.1002904476335979, 1.4029131337182339,
    2.0320867277006186,  2.9297651497219932, 4.0531036574022506,
    5.2663189730876117,  6.0858582889572805, 7.8126267716322034};

// Every digit shown is right: the shown value is the reference rounded to five significant
// digits.
void vdExpectShownDigits(const QString& shown, double reference)
{
    bool number = false;
    const double value = shown.toDouble(&number);
    ASSERT_TRUE(number) << shown.toStdString();
    const double halfDigit = 0.5 * std::pow(10.0, std::floor(std::log10(reference)) - 4);
    EXPECT_LE(std::abs(value - reference), halfDigit * (1 + 1e-9))
        << shown.toStdString() << " for " << reference;
    QString digits = shown;
    digits.remove(QLatin1Char('.'));
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    EXPECT_LE(digits.size(), 5) << shown.toStdString();
}

TEST_F(EvaluationWindowTest, TwoSinglePlansGoTheWholeRoad)
{
    TEvaluationWindow* evaluation = EvaluateTwoPlans();
    ASSERT_NE(evaluation, nullptr);
    EXPECT_TRUE(evaluation->SubWindow()->isVisible());
    EXPECT_EQ(VisibleTabs(*evaluation),
              (QStringList{"OC Cur&ve", "AS&N Curve", "Cost C&urve", "AO&Q Curve", "&Summary Info",
                           "P&ercentiles", "&Table"}));
    // The components own and show the list's plots and tables.
    const auto* oc = static_cast<TPlotControl*>(evaluation->Component(0));
    EXPECT_EQ(oc->ShownPlot(), evaluation->EvaluationList()->OCPlot());
    EXPECT_EQ(oc->ShownPlot()->LineCount(), 2u);
    for (int page = TEvaluationWindow::SummaryPage; page < TEvaluationWindow::PageCount; ++page)
        EXPECT_NE(evaluation->Component(page)->ShownDrawing(), nullptr) << page;

    // The percentiles as copied: every value of both plans agrees with the binomial roots.
    vdShowPage(*evaluation, TEvaluationWindow::PercentilesPage);
    Item("FileCopyItem")->trigger();
    const QStringList lines = Clipboard().text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "\t\t\tPercentiles in Percent Defective");
    EXPECT_EQ(lines[1], "\t\t\tInspection for Defective Units");
    EXPECT_EQ(lines[2], "Sampling Plans\t99%\t95%\t90%\t75%\t50%\t25%\t10%\t5%\t1%");
    for (const auto& [line, description, reference] :
         {std::tuple{lines[3], "Single: n=50, a=1", kPercentilesN50A1},
          std::tuple{lines[4], "Single: n=125, a=3", kPercentilesN125A3}})
    {
        const QStringList cells = line.split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), 10);
        EXPECT_EQ(cells[0], description);
        for (int column = 1; column < 10; ++column)
            vdExpectShownDigits(cells[column], reference[column - 1]);
    }
    EXPECT_TRUE(Clipboard().hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_TRUE(Clipboard().hasImage());
}

TEST_F(EvaluationWindowTest, PlansWithoutAOQHaveNoAOQPage)
{
    Session().vdAddPlan(Bounded("80", "2"));
    list->vdRefreshList(1);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    EXPECT_EQ(VisibleTabs(*evaluation), (QStringList{"OC Cur&ve", "AS&N Curve", "Cost C&urve",
                                                     "&Summary Info", "P&ercentiles", "&Table"}));
    EXPECT_EQ(static_cast<TPlotControl*>(evaluation->Component(3))->ShownPlot(), nullptr);

    // The worst-case switch adds and takes away the bounds of a plan whose Pa varies.
    QAction* worstCase = evaluation->WorstCaseOcCurvesItem();
    EXPECT_EQ(MenuCaptions(*evaluation, 0).first(), "&Display Worst-Case OC Curves");
    EXPECT_TRUE(worstCase->isChecked());
    EXPECT_EQ(OCLines(*evaluation), 3u);
    worstCase->trigger();
    EXPECT_FALSE(worstCase->isChecked());
    EXPECT_FALSE(evaluation->EvaluationList()->WorstCaseCurves());
    EXPECT_EQ(OCLines(*evaluation), 1u);
    worstCase->trigger();
    EXPECT_TRUE(worstCase->isChecked());
    EXPECT_EQ(OCLines(*evaluation), 3u);
}

TEST_F(EvaluationWindowTest, AVariablesPlanWithTwoLimitsShowsItsBandOnTheOCPage)
{
    auto plan = std::make_unique<DefectivesVariablesSingleSamplingPlan>();
    plan->vdDescribe(true, "10", "1.5", false, true, "", false);
    Session().vdAddPlan(std::move(plan));
    list->vdRefreshList(1);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    evaluation->SubWindow()->showMaximized();
    vdShowPage(*evaluation, TEvaluationWindow::OCCurvePage);
    QTest::qWait(50);
    // The plan's curve in red, its maximum and minimum dashed and dotted beside it, and the three
    // in the key: without the bounds the key keeps one red line.
    const QImage band = evaluation->grab().toImage();
    EXPECT_TRUE(band.save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/evaluation-variables-band.png")));
    EXPECT_EQ(OCLines(*evaluation), 3u);
    const QRect key(band.width() * 3 / 8, 0, band.width() * 5 / 8, band.height());
    evaluation->WorstCaseOcCurvesItem()->trigger();
    QTest::qWait(50);
    const int single = PixelsOf(evaluation->grab().toImage().copy(key), Qt::red);
    EXPECT_GT(single, 100);
    EXPECT_GT(PixelsOf(band.copy(key), Qt::red), single + 40);
}

TEST_F(EvaluationWindowTest, TheWindowFollowsDeletionsAndClosesWithItsLastPlan)
{
    TEvaluationWindow* evaluation = EvaluateTwoPlans();
    ASSERT_NE(evaluation, nullptr);
    const QPointer<QMdiSubWindow> sub = evaluation->SubWindow();

    table->selectRow(0);
    user.vdQueueAnswer(MessageAnswer::Yes);
    Item("PlansDeleteItem")->trigger();
    ASSERT_EQ(EvaluationWindows().size(), 1u);
    SamplingPlanEvaluationList& evaluationList = *evaluation->EvaluationList();
    EXPECT_EQ(evaluationList.Count(), 1u);
    EXPECT_EQ(evaluationList.PlanIndex(1), 1u);
    EXPECT_FALSE(evaluationList.Changed());
    EXPECT_EQ(OCLines(*evaluation), 1u);
    vdShowPage(*evaluation, TEvaluationWindow::PercentilesPage);
    evaluation->CopyButtonClick();
    const QStringList lines = Clipboard().text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Single: n=125, a=3\t")));
    EXPECT_FALSE(Clipboard().text().contains(QStringLiteral("n=50")));

    user.vdQueueAnswer(MessageAnswer::Yes);
    Item("PlansDeleteItem")->trigger();
    EXPECT_TRUE(EvaluationWindows().empty());
    EXPECT_TRUE(sub.isNull());
    EXPECT_EQ(Session().ListenerCount(), 0u);
}

TEST_F(EvaluationWindowTest, PlansOfTwoCharacteristicsOrNoneAreRefused)
{
    Item("PlansEvaluateItem")->trigger();
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    vdEnterSinglePlan(SamplingPlan::DefectsPerUnit, {"50", "1"});
    table->selectRow(0);
    Item("PlansEvaluateItem")->trigger();
    EXPECT_EQ(
        MessageTexts(),
        (QStringList{"No sampling plan is checked.  Check one or more sampling plans and repeat.",
                     "The checked sampling plans have different characteristics and cannot be "
                     "plotted together."}));
    EXPECT_TRUE(EvaluationWindows().empty());
    EXPECT_EQ(Session().ListenerCount(), 0u);

    // Unchecking the plan of the other characteristic lets the evaluation through.
    table->item(1, 0)->setCheckState(Qt::Unchecked);
    EXPECT_NE(Evaluate(), nullptr);
}

TEST_F(EvaluationWindowTest, PrintAndCopyActOnThePageOnShow)
{
    TEvaluationWindow* evaluation = EvaluateTwoPlans();
    ASSERT_NE(evaluation, nullptr);
    const SamplingPlanEvaluationList& evaluationList = *evaluation->EvaluationList();
    using Text = void (SamplingPlanEvaluationList::*)(String&) const;
    const std::array<Text, 3> texts = {&SamplingPlanEvaluationList::GetPlansTableText,
                                       &SamplingPlanEvaluationList::GetPercentilesTableText,
                                       &SamplingPlanEvaluationList::GetCurvesTableText};
    ASSERT_EQ(ApplicationPrinter().pageLayout().orientation(), QPageLayout::Portrait);
    for (int page = 0; page < TEvaluationWindow::PageCount; ++page)
    {
        vdShowPage(*evaluation, page);
        const QString pdf = PrintToPdf(QStringLiteral("page%1.pdf").arg(page));
        (page % 2 ? Item("FilePrintItem")->trigger()
                  : ButtonOf(evaluation, "PrintButton")->click());
        // A plot prints whole on the page; a table with its text no smaller than 8 points, on
        // the page turned where its width needs that, the plans' column of the Summary Info and
        // the Percentiles narrowed to their descriptions so that they fit.
        if (page < TEvaluationWindow::SummaryPage)
            vdExpectOnePagePrinted(pdf);
        else
        {
            constexpr int pages = 1;
            const std::vector<double> points = PrintedTextPoints(pdf, pages, true);
            ASSERT_FALSE(points.empty());
            EXPECT_GE(*std::min_element(points.begin(), points.end()), 8.0) << page;
            // Every page names the plans whose values it shows.
            QFile file(pdf);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const std::vector<QStringList> texts = PdfPageTexts(file.readAll());
            EXPECT_EQ(texts.size(), static_cast<std::size_t>(pages));
            for (const QStringList& shown : texts)
                for (const char* plan : {"Single: n=50, a=1", "Single: n=125, a=3"})
                    EXPECT_TRUE(shown.contains(QLatin1String(plan))) << page << plan;
        }

        QGuiApplication::clipboard()->clear();
        (page % 2 ? ButtonOf(evaluation, "CopyButton")->click() : Item("FileCopyItem")->trigger());
        EXPECT_TRUE(Clipboard().hasFormat(QStringLiteral("image/svg+xml"))) << page;
        EXPECT_TRUE(Clipboard().hasImage()) << page;
        // Plots copy their picture alone, tables their text as well.
        String expected;
        if (page >= TEvaluationWindow::SummaryPage)
            (evaluationList.*texts[page - TEvaluationWindow::SummaryPage])(expected);
        EXPECT_EQ(Clipboard().text(), QString::fromLatin1(expected.Text())) << page;
    }
    EXPECT_TRUE(user.Messages().empty());

    // A table's own menu item copies its text too.
    QGuiApplication::clipboard()->clear();
    vdShowPage(*evaluation, TEvaluationWindow::SummaryPage);
    for (QAction* item :
         evaluation->Component(TEvaluationWindow::SummaryPage)->PopupMenu()->actions())
        if (item->text() == "&Copy to Clipboard")
            item->trigger();
    EXPECT_TRUE(Clipboard().text().startsWith(QStringLiteral("\t\t\tSummary Information\n")));
}

// A table's copy keeps the form on the screen, painted, until the copy is on the clipboard: its
// text, which for many plans takes seconds, is built under it too. Then the form goes.
TEST_F(EvaluationWindowTest, CopyingATableShowsThePaintedFormThroughout)
{
    TEvaluationWindow* evaluation = EvaluateTwoPlans();
    ASSERT_NE(evaluation, nullptr);
    vdShowPage(*evaluation, TEvaluationWindow::SummaryPage);
    bool bPainted = false;
    const QMetaObject::Connection copied =
        QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                         [&]
                         {
                             const auto forms = FormsOnScreen<TCopyingDialog>();
                             bPainted = forms.size() == 1 && bPaintedOnScreen(*forms[0]);
                         });
    ButtonOf(evaluation, "CopyButton")->click();
    QObject::disconnect(copied);
    EXPECT_TRUE(bPainted);
    EXPECT_TRUE(Clipboard().text().startsWith(QStringLiteral("\t\t\tSummary Information\n")));
    EXPECT_TRUE(bNothingLeftBehind());
}

TEST_F(EvaluationWindowTest, CommandsOfTheWindow)
{
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    vdEnterSinglePlan(SamplingPlan::DefectsPerUnit, {"80", "2"});
    table->item(1, 0)->setCheckState(Qt::Unchecked);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    // A plan of another characteristic is no candidate; the last plan stays.
    ButtonOf(evaluation, "AddPlanButton")->click();
    ButtonOf(evaluation, "RemovePlanButton")->click();
    EXPECT_EQ(MessageTexts(), (QStringList{"No sampling plans of same characteristic that can "
                                           "be added.",
                                           "Cannot remove last sampling plan."}));
    for (const MessageRequest& message : user.Messages())
        EXPECT_TRUE(message.caption == "Error" && message.icon == MessageIcon::Exclamation);

    // The cost parameters are the main window's.
    user.vdClearRecords();
    EXPECT_EQ(MenuCaptions(*evaluation, TEvaluationWindow::TablePage).mid(0, 2),
              (QStringList{"&Table Range...", "-"}));
    QMenu* costMenu = evaluation->Component(TEvaluationWindow::CostCurvePage)->PopupMenu();
    driver.vdQueue(
        [](QDialog& dialog)
        {
            EXPECT_EQ(dialog.windowTitle(), "Cost Parameters");
            dialog.reject();
        });
    costMenu->actions().first()->trigger();
    EXPECT_TRUE(user.Messages().empty());
    ButtonOf(evaluation, "HelpButton")->click();
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().front().context, 30);

    // The menu button opens the menu of the page on show.
    vdShowPage(*evaluation, TEvaluationWindow::CostCurvePage);
    ButtonOf(evaluation, "MenuButton")->click();
    EXPECT_TRUE(costMenu->isVisible());
    costMenu->hide();

    // Tabs at the bottom as set, then at the top, for this window and for new ones.
    ASSERT_TRUE(window->AreTabsAtBottom());
    EXPECT_EQ(evaluation->PageControl()->tabPosition(), QTabWidget::South);
    Item("OptionsDisplayTabsAtBottomItem")->trigger();
    EXPECT_EQ(evaluation->PageControl()->tabPosition(), QTabWidget::North);
    TEvaluationWindow* second = Evaluate();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->PageControl()->tabPosition(), QTabWidget::North);
}

TEST_F(EvaluationWindowTest, PlansDraggedFromTheListAreAdded)
{
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    vdEnterSinglePlan(SamplingPlan::DefectsPerUnit, {"80", "2"});
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"20", "0"});
    Item("PlansUncheckAllItem")->trigger();
    table->item(2, 0)->setCheckState(Qt::Checked);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    const SamplingPlanEvaluationList& evaluationList = *evaluation->EvaluationList();
    ASSERT_EQ(evaluationList.Count(), 1u);

    EXPECT_TRUE(evaluation->FormDragOver(table));
    EXPECT_FALSE(evaluation->FormDragOver(evaluation));

    // No plan selected, a plan of another characteristic, a drag from elsewhere: nothing.
    table->clearSelection();
    evaluation->FormDragDrop(table);
    table->selectRow(1);
    evaluation->FormDragDrop(table);
    table->selectRow(0);
    evaluation->FormDragDrop(evaluation);
    EXPECT_EQ(evaluationList.Count(), 1u);

    // The first plan joins in session order; dropping it again changes nothing.
    evaluation->FormDragDrop(table);
    evaluation->FormDragDrop(table);
    ASSERT_EQ(evaluationList.Count(), 2u);
    EXPECT_EQ(evaluationList.PlanIndex(1), 1u);
    EXPECT_EQ(evaluationList.PlanIndex(2), 3u);
    EXPECT_EQ(OCLines(*evaluation), 2u);
}

TEST_F(EvaluationWindowTest, UnitsChangesRedrawAndClosingUnregisters)
{
    TEvaluationWindow* evaluation = EvaluateTwoPlans();
    ASSERT_NE(evaluation, nullptr);
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(0));
    window->vdUpdateUnits();
    EXPECT_FALSE(evaluation->EvaluationList()->Changed());
    vdShowPage(*evaluation, TEvaluationWindow::PercentilesPage);
    evaluation->CopyButtonClick();
    EXPECT_TRUE(Clipboard().text().startsWith(QStringLiteral("\t\t\tPercentiles in Fraction "
                                                             "Defective\n")));

    // A new session closes the window; one closed by the user leaves the session at once.
    user.vdQueueAnswer(MessageAnswer::No);
    ASSERT_TRUE(window->NewSession());
    EXPECT_TRUE(EvaluationWindows().empty());
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    EXPECT_EQ(Session().ListenerCount(), 1u);
    evaluation->SubWindow()->close();
    EXPECT_TRUE(EvaluationWindows().empty());
    EXPECT_EQ(Session().ListenerCount(), 0u);
}

TEST_F(EvaluationWindowTest, PlansThatCannotBeEvaluatedShowNoValues)
{
    // A plan never entered, and one beyond what a lot of any size makes sensible.
    Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
    auto huge = std::make_unique<DefectivesSingleSamplingPlan>();
    huge->vdDescribe("2000000000", "1000000", 0, false, "");
    Session().vdAddPlan(std::move(huge));
    list->vdRefreshList(1);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    // Every page shows and copies; the plan without values has "none" in every cell.
    for (int page = 0; page < TEvaluationWindow::PageCount; ++page)
    {
        vdShowPage(*evaluation, page);
        evaluation->CopyButtonClick();
        EXPECT_FALSE(evaluation->grab().isNull()) << page;
    }
    const QStringList rows = Clipboard().text().split(QLatin1Char('\n'));
    ASSERT_EQ(rows.size(), 4 + 11);
    EXPECT_TRUE(rows[4].startsWith(QStringLiteral("0\tnone\tnone\tnone\tnone\t")));
    EXPECT_TRUE(user.Messages().empty());
}

// The OC and ASN curves in the plans' colours, the single plan's red and the double plan's blue
// (on the ASN page the single plan's constant 125 and the double plan's curve below it); the
// percentiles table in black with its title in blue and no curve.
TEST_F(EvaluationWindowTest, Screenshots)
{
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
    auto twoStages = std::make_unique<DefectivesDoubleSamplingPlan>();
    twoStages->vdDescribe("50", "1", "4", "100", "4", 0, false, "");
    Session().vdAddPlan(std::move(twoStages));
    list->vdRefreshList(2);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    evaluation->SubWindow()->showMaximized();
    for (const auto& [page, name, curves] :
         {std::tuple{TEvaluationWindow::OCCurvePage, "evaluation-oc-curve.png", true},
          std::tuple{TEvaluationWindow::ASNCurvePage, "evaluation-asn-curve.png", true},
          std::tuple{TEvaluationWindow::PercentilesPage, "evaluation-percentiles.png", false}})
    {
        vdShowPage(*evaluation, page);
        QTest::qWait(50);
        const QImage shot = evaluation->grab().toImage();
        EXPECT_TRUE(shot.save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/") + QLatin1String(name)));
        EXPECT_EQ(PixelsOf(shot, Qt::red) > 500, curves) << name;
        EXPECT_GT(PixelsOf(shot, Qt::blue), curves ? 500 : 200) << name;
        EXPECT_GT(PixelsOf(shot, Qt::black), 200) << name;
    }
}

// On a 1280 x 900 screen the main window opens at 853 x 600, narrower than the plan list and
// lower than an evaluation window: the area scrolls, so each one's last button can be reached.
TEST_F(EvaluationWindowTest, ChildWindowsScrollIntoViewInASmallMainWindow)
{
    TEvaluationWindow* evaluation = EvaluateTwoPlans();
    ASSERT_NE(evaluation, nullptr);
    window->resize(853, 600);
    QMdiArea* area = window->MdiArea();
    QTest::qWait(20);
    EXPECT_TRUE(window->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/small-screen.png")));

    const auto inView = [area](const QWidget* widget)
    {
        const QRect place(widget->mapTo(area->viewport(), QPoint(0, 0)), widget->size());
        return area->viewport()->rect().contains(place);
    };
    // The bottom right-hand button of each.
    for (const auto& [child, name] : {std::pair<QWidget*, const char*>{list, "UncheckAllBitBtn"},
                                      std::pair<QWidget*, const char*>{evaluation, "HelpButton"}})
    {
        const QPushButton* button = ButtonOf(child, name);
        ASSERT_NE(button, nullptr);
        area->horizontalScrollBar()->setValue(0);
        area->verticalScrollBar()->setValue(0);
        QTest::qWait(20);
        EXPECT_FALSE(inView(button)) << name;
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QTest::qWait(20);
        EXPECT_TRUE(inView(button)) << name;
    }
}

// On a screen of 1024 x 700 pixels a new evaluation window opens with its row of buttons in view.
TEST_F(EvaluationWindowTest, WindowsFitTheScreen)
{
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    window->resize(1024, 700);
    QTest::qWait(20);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    QTest::qWait(20);
    EXPECT_TRUE(
        window->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/main-window-1024x700.png")));
    for (const QPushButton* button : evaluation->findChildren<QPushButton*>())
        EXPECT_TRUE(bWithin(*button, *window->MdiArea()->viewport()))
            << button->objectName().toStdString();
    // Tiled side by side, each window's row of buttons scrolls; every button can be brought into
    // view and none is covered by the scroll bar.
    Item("WindowTileItem")->trigger();
    QTest::qWait(20);
    EXPECT_TRUE(window->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/tiled-1024x700.png")));
    for (QWidget* child : {static_cast<QWidget*>(list), static_cast<QWidget*>(evaluation)})
    {
        auto* strip = child->findChild<QScrollArea*>(QStringLiteral("CommandStrip"));
        ASSERT_NE(strip, nullptr);
        for (QPushButton* button : strip->findChildren<QPushButton*>())
        {
            strip->ensureWidgetVisible(button, 0, 0);
            EXPECT_TRUE(bWithin(*button, *strip->viewport())) << button->objectName().toStdString();
        }
    }
}

// Add Plan offers the other plans of the window's characteristic, all checked, and Remove Plan
// the window's plans, none checked, in session order; neither leaves the window without a plan.
TEST_F(EvaluationWindowTest, AddAndRemovePlanChooseAmongTheSessionsPlans)
{
    // 1, 3 and 4 for defective units, 2 for defects per unit; the window shows 3 alone.
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    vdEnterSinglePlan(SamplingPlan::DefectsPerUnit, {"80", "2"});
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"20", "0"});
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
    Item("PlansUncheckAllItem")->trigger();
    table->item(2, 0)->setCheckState(Qt::Checked);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    const auto shown = [evaluation]
    {
        std::vector<std::uint32_t> indexes;
        for (std::uint32_t position = 1; position <= evaluation->EvaluationList()->Count();
             ++position)
            indexes.push_back(evaluation->EvaluationList()->PlanIndex(position));
        return indexes;
    };
    // Answers the button's dialog: its entries, then the mark button, the entries to check (from
    // 0), Help and the closing button.
    const auto vdChoose =
        [&](const char* button, const char* mark, QList<int> checked, const char* close)
    {
        const bool add = QLatin1String(button) == QLatin1String("AddPlanButton");
        driver.vdQueue(
            [=, this](QDialog& dialog)
            {
                EXPECT_EQ(dialog.windowTitle(),
                          add ? "Add Selected Sampling Plans" : "Remove Selected Sampling Plans");
                auto& entries = In<QListWidget>(dialog, "SamplingPlanCheckListBox");
                QStringList texts;
                for (int k = 0; k < entries.count(); ++k)
                {
                    texts.append(entries.item(k)->text());
                    EXPECT_EQ(entries.item(k)->checkState(), add ? Qt::Checked : Qt::Unchecked);
                }
                EXPECT_EQ(texts, add ? (QStringList{"Single: n=50, a=1 for Defective Units",
                                                    "Single: n=125, a=3 for Defective Units"})
                                     : (QStringList{"Single: n=50, a=1 for Defective Units",
                                                    "Single: n=20, a=0 for Defective Units",
                                                    "Single: n=125, a=3 for Defective Units"}));
                In<QPushButton>(dialog, mark).click();
                for (int k : checked)
                    entries.item(k)->setCheckState(Qt::Checked);
                In<QPushButton>(dialog, "HelpButton").click();
                EXPECT_EQ(user.HelpRequests().back().context, add ? 31 : 32);
                EXPECT_TRUE(dialog.grab().save(
                    QStringLiteral(VELTRAME_ARTIFACT_DIR) +
                    (add ? "/add-plans-dialog.png" : "/remove-plans-dialog.png")));
                In<QPushButton>(dialog, close).click();
            });
        ButtonOf(evaluation, button)->click();
    };

    // Cancel, or nothing checked, adds nothing; the checked plans join in session order.
    vdChoose("AddPlanButton", "UncheckAllBitBtn", {0}, "CancelButton");
    vdChoose("AddPlanButton", "UncheckAllBitBtn", {}, "OkButton");
    EXPECT_EQ(shown(), (std::vector<std::uint32_t>{3}));
    vdChoose("AddPlanButton", "UncheckAllBitBtn", {1, 0}, "OkButton");
    EXPECT_EQ(shown(), (std::vector<std::uint32_t>{1, 3, 4}));
    EXPECT_EQ(OCLines(*evaluation), 3u);
    EXPECT_TRUE(user.Messages().empty());

    // Every plan checked is refused, Cancel changes nothing; the first and the last go.
    vdChoose("RemovePlanButton", "CheckAllBitBtn", {}, "OkButton");
    vdChoose("RemovePlanButton", "UncheckAllBitBtn", {0}, "CancelButton");
    EXPECT_EQ(shown(), (std::vector<std::uint32_t>{1, 3, 4}));
    ASSERT_EQ(user.Messages().size(), 1u);
    EXPECT_EQ(user.Messages().front().text, "Cannot remove all sampling plans.");
    EXPECT_EQ(user.Messages().front().caption, "Error");
    vdChoose("RemovePlanButton", "UncheckAllBitBtn", {0, 2}, "OkButton");
    EXPECT_EQ(shown(), (std::vector<std::uint32_t>{3}));
    EXPECT_EQ(OCLines(*evaluation), 1u);
}

// The range of the curves table: a refusal of each field gives that field the focus and keeps the
// range; OK sets it and the Table page shows it.
TEST_F(EvaluationWindowTest, TableRangeSetsTheRowsOfTheCurvesTable)
{
    TEvaluationWindow* evaluation = EvaluateTwoPlans();
    ASSERT_NE(evaluation, nullptr);
    SamplingPlanEvaluationList& evaluationList = *evaluation->EvaluationList();
    String before;
    evaluationList.GetCurvesTableText(before);
    QAction* tableRange =
        evaluation->Component(TEvaluationWindow::TablePage)->PopupMenu()->actions().first();
    const char* const fields[] = {"MinimumEditControl", "MaximumEditControl", "NumberEditControl"};
    const auto fill = [&fields](QDialog& dialog, const QStringList& texts)
    {
        for (int i = 0; i < 3; ++i)
            In<QLineEdit>(dialog, fields[i]).setText(texts[i]);
    };
    driver.vdQueue(
        [&](QDialog& dialog)
        {
            EXPECT_EQ(dialog.windowTitle(), "Table Range");
            EXPECT_EQ(In<QLabel>(dialog, "UnitsLabel").text(), "In Percent Defective");
            EXPECT_EQ(In<QLineEdit>(dialog, fields[0]).text(),
                      QString::fromLatin1(evaluationList.TableMinimum().Text(15, true)));
            EXPECT_TRUE(
                dialog.grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/table-range.png")));
            for (const auto& [texts, message, field] :
                 {std::tuple{QStringList{"", "10", "5"}, "Minimum value not valid.", 0},
                  {QStringList{"0", "150", "5"}, "Maximum value cannot be above 100.", 1},
                  {QStringList{"0", "10", "2.5"}, "Number of intervals must be integer.", 2}})
            {
                fill(dialog, texts);
                In<QPushButton>(dialog, "OkButton").click();
                ASSERT_FALSE(user.Messages().empty());
                EXPECT_EQ(user.Messages().back().text, message);
                EXPECT_EQ(user.Messages().back().caption, "Error");
                EXPECT_EQ(user.Messages().back().icon, MessageIcon::Exclamation);
                EXPECT_EQ(dialog.focusWidget(), &In<QLineEdit>(dialog, fields[field])) << message;
                EXPECT_TRUE(dialog.isVisible());
            }
            fill(dialog, {"0", "10", "5"});
            In<QPushButton>(dialog, "CancelButton").click();
        });
    tableRange->trigger();
    String unchanged;
    evaluationList.GetCurvesTableText(unchanged);
    EXPECT_STREQ(unchanged.Text(), before.Text());

    driver.vdQueue(
        [&](QDialog& dialog)
        {
            fill(dialog, {"0", "10", "5"});
            In<QPushButton>(dialog, "OkButton").click();
        });
    tableRange->trigger();
    vdShowPage(*evaluation, TEvaluationWindow::TablePage);
    evaluation->CopyButtonClick();
    QStringList levels;
    for (const QString& row : Clipboard().text().split(QLatin1Char('\n')).mid(4))
        levels.append(row.section(QLatin1Char('\t'), 0, 0));
    EXPECT_EQ(levels, (QStringList{"0", "2", "4", "6", "8", "10"}));
    // The drawing shows the same rows.
    const TableContents drawn(*evaluation->Component(TEvaluationWindow::TablePage)->ShownDrawing());
    for (const QString& level : levels)
        EXPECT_TRUE(std::ranges::any_of(drawn.texts, [&](const TableContents::Text& text)
                                        { return text.text == level.toStdString(); }))
            << level.toStdString();
    EXPECT_EQ(user.Messages().size(), 3u);
}

// A curves table of three plans and 200 rows prints over several pages, each headed by the
// table's title and subtitle, with the headings above its rows and the quality levels beside them.
TEST_F(EvaluationWindowTest, EveryPrintedPageOfATableShowsItsHeadingsAndLevels)
{
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"200", "5"});
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    driver.vdQueue(
        [](QDialog& dialog)
        {
            In<QLineEdit>(dialog, "MinimumEditControl").setText("0");
            In<QLineEdit>(dialog, "MaximumEditControl").setText("10");
            In<QLineEdit>(dialog, "NumberEditControl").setText("199");
            In<QPushButton>(dialog, "OkButton").click();
        });
    evaluation->Component(TEvaluationWindow::TablePage)->PopupMenu()->actions().first()->trigger();
    vdShowPage(*evaluation, TEvaluationWindow::TablePage);
    const QString pdf = PrintToPdf(QStringLiteral("table.pdf"));
    ButtonOf(evaluation, "PrintButton")->click();
    const QString kept = QStringLiteral(VELTRAME_ARTIFACT_DIR "/table-pages.pdf");
    QFile::remove(kept);
    QFile::copy(pdf, kept);
    EXPECT_TRUE(user.Messages().empty());

    // A plan to a page across and the rows down three pages: on each the title and subtitle in
    // the middle above the page's columns, within two lines, then the quality levels' heading
    // and the description of every plan whose columns it shows, above them.
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<std::vector<PdfText>> placed = PdfPlacedTexts(file.readAll());
    ASSERT_EQ(placed.size(), 9u);
    std::vector<QStringList> pages;
    for (std::size_t page = 0; page < placed.size(); ++page)
    {
        const auto found = [&](const char* reads)
        {
            const PdfText text = TextReading(placed[page], QLatin1String(reads));
            EXPECT_EQ(text.text, QLatin1String(reads)) << page;
            return text;
        };
        const PdfText title = found("Table of OC, ASN and AOQ Curves");
        const PdfText subtitle = found("Inspection for Defective Units");
        const PdfText levels = found("Percent Defective");
        const PdfText last = found("AOQ");
        EXPECT_LT(title.start.y(), subtitle.start.y()) << page;
        EXPECT_LT(subtitle.start.y(), levels.start.y()) << page;
        const double columnsMiddle = 0.5 * (levels.start.x() + last.lastStart.x());
        EXPECT_NEAR(0.5 * (title.start.x() + title.lastStart.x()), columnsMiddle, 20) << page;
        EXPECT_NEAR(0.5 * (subtitle.start.x() + subtitle.lastStart.x()), columnsMiddle, 20) << page;
        pages.push_back(Readings(placed[page]));
    }
    for (std::size_t page = 0; page < pages.size(); ++page)
    {
        for (const char* once : {"Table of OC, ASN and AOQ Curves",
                                 "Inspection for Defective Units", "Percent Defective", "OC (Pa)"})
            EXPECT_EQ(pages[page].count(QLatin1String(once)), 1) << once << " " << page;
        EXPECT_TRUE(pages[page].contains(QStringLiteral("Single: n=") +
                                         QStringList{"50, a=1", "125, a=3", "200, a=5"}[page % 3]))
            << page;
    }
    // Each quality level of the 200 stands beside each plan's values once.
    for (const char* level : {"0.050251256281407", "5.0251256281407", "9.94974874371859", "10"})
    {
        int shown = 0;
        for (const QStringList& texts : pages)
            shown += static_cast<int>(texts.count(QLatin1String(level)));
        EXPECT_EQ(shown, 3) << level;
    }
}

// The plot options of an evaluation plot show its lines and open at its page's help topic, and OK
// changes the plot the window shows.
TEST_F(EvaluationWindowTest, PlotOptionsChangeTheShownPlot)
{
    TEvaluationWindow* evaluation = EvaluateTwoPlans();
    ASSERT_NE(evaluation, nullptr);
    auto* oc = static_cast<TPlotControl*>(evaluation->Component(TEvaluationWindow::OCCurvePage));
    const Drawing* before = oc->ShownDrawing();
    driver.vdQueue(
        [this](QDialog& dialog)
        {
            EXPECT_EQ(In<QTabBar>(dialog, "LinesTabControl").count(), 2);
            In<QPushButton>(dialog, "HelpButton").click();
            EXPECT_EQ(user.HelpRequests().back().context, 601);
            In<QLineEdit>(dialog, "MainTitleEditControl").setText("Two Plans");
            In<QLineEdit>(dialog, "XAxisScaleMaximumValueEdit").setText("5");
            In<QPushButton>(dialog, "OkButton").click();
        });
    for (QAction* item : oc->PopupMenu()->actions())
        if (item->text() == "Plot &Options...")
            item->trigger();
    const Plot& plot = *oc->ShownPlot();
    EXPECT_STREQ(plot.MainTitle().Text(), "Two Plans");
    EXPECT_EQ(plot.XAxisMaximum().dValue(), 5.0);
    EXPECT_NE(oc->ShownDrawing(), before);
    EXPECT_TRUE(window->IsSessionModified());
    EXPECT_TRUE(user.Messages().empty());
}

// With the session's file as full as it may be, an edit, plot options and costs that would
// lengthen it are refused, each with the word of why, and nothing changes.
TEST_F(EvaluationWindowTest, AtTheFileLimitWhatWouldLengthenTheFileIsRefused)
{
    auto first = std::make_unique<DefectsPerQuantitySingleSamplingPlan>();
    first->vdDescribe("2.5", "1", "m", 0, false, "");
    Session().vdAddPlan(std::move(first));
    list->vdRefreshList(1);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    // Plans in no window, which the plan list does not show: the file holds no more.
    auto filler = std::make_unique<DefectsPerQuantitySingleSamplingPlan>();
    filler->vdDescribe("4", "1", std::string(LongestToken, 'u').c_str(), 0, false, "");
    filler->vdSetChecked(false);
    while (HasRoomFor(Session(), SamplingPlanSession::PlanLineBytes(*filler)))
        Session().vdAddPlan(std::unique_ptr<SamplingPlan>(filler->Clone()));
    const std::uint64_t bytes = SessionFileBytes(Session());
    const QString longest(static_cast<int>(LongestToken), QLatin1Char('v'));
    user.vdClearRecords();

    table->selectRow(0);
    driver.vdQueue(
        [&longest](QDialog& dialog)
        {
            In<QLineEdit>(dialog, "UnitsEditBox").setText(longest);
            In<QPushButton>(dialog, "OKButton").click();
        });
    Item("PlansEditItem")->trigger();
    EXPECT_STREQ(Session().Plan(1)->QuantityUnitsText().Text(), "m");

    auto* oc = static_cast<TPlotControl*>(evaluation->Component(TEvaluationWindow::OCCurvePage));
    driver.vdQueue(
        [&longest](QDialog& dialog)
        {
            In<QLineEdit>(dialog, "MainTitleEditControl").setText(longest);
            In<QPushButton>(dialog, "OkButton").click();
            EXPECT_TRUE(dialog.isVisible()) << "the options stay open";
            dialog.reject();
        });
    oc->vdOptionsDialogBox();
    EXPECT_STREQ(oc->ShownPlot()->MainTitle().Text(), "OC Curve");

    driver.vdQueue(
        [&longest](QDialog& dialog)
        {
            In<QLineEdit>(dialog, "TitleEditBox").setText(longest);
            In<QPushButton>(dialog, "OkButton").click();
            EXPECT_TRUE(dialog.isVisible());
            dialog.reject();
        });
    Item("OptionsCostsItem")->trigger();
    EXPECT_STREQ(SamplingPlan::CostTitle().Text(), "E{#Stages}");
    EXPECT_STREQ(evaluation->EvaluationList()->CostPlot()->YAxisLabel().Text(), "E{#Stages}");

    EXPECT_EQ(MessageTexts(), QStringList(3, QLatin1String(SessionFileWouldBeTooLarge)));
    EXPECT_EQ(SessionFileBytes(Session()), bytes);
}

} // namespace
} // namespace Brosquin
