#include "widgets/PlotOptionsDialogBox.h"

#include "core/RealOf.h"
#include "graphics/Drawing.h"
#include "graphics/Plot.h"
#include "tests/app/ModalDialogDriver.h"
#include "tests/support/ScriptedUserInteraction.h"
#include "widgets/DrawingControl.h"
#include "widgets/PlotControl.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <sstream>

namespace Brosquin
{
namespace
{

using Dialog = TPlotOptionsDialogBox;

constexpr Colour red = 0x0000FF;
constexpr Colour blue = 0xFF0000;
// A colour that none of the 17 choices has, as a session file may hold.
constexpr Colour teal = 0x123456;

// Every setting of the Plot that the dialog may write: its session record, which holds all but
// the range of X labels.
std::string Settings(Plot& plot)
{
    std::ostringstream out;
    plot.vdWriteToStream(out, RealOf(2.1), false);
    out << ' ' << plot.XAxisMinimumLabel() << ' ' << plot.XAxisMaximumLabel();
    return out.str();
}

// A plot with three lines whose key shows their values: A plain, B stepped with plus signs of
// size 1.5, C with points of no size in a colour and a thickness the lists have no item for; two
// off-axis variables, two comments and five X labels.
Plot* NewTestPlot(OptimizationInput& variable)
{
    auto* built = new Plot(&variable, 1);
    built->vdSetMainTitle("Test Plot");
    built->vdSetMainTitleSize(1.0);
    built->vdSetSubTitleSize(2.5);
    built->vdSetKeyTitleSize(0.75);
    built->vdSetYAxisMinimum(RealOf(0.0));
    built->vdSetYAxisMaximum(RealOf(1.0));
    built->vdAddBlankLine("Line A", "1", 0.4, red, 1);
    built->vdAddLineWithValue(nullptr, nullptr, nullptr, nullptr, 0.5, "Line B", "2", 0.0, blue, 2,
                              true, 9, 1.5);
    built->vdAddBlankLine("Line C", "3", 0.9, teal, 1);
    const Real x[] = {RealOf(0.2), RealOf(0.4)};
    const Real y[] = {RealOf(0.5), RealOf(0.7)};
    built->vdSetLinePoints(3, x, y);
    built->vdSetKeyShowsValues(true);
    built->vdAddOffAxisVariable("n", "50", &variable);
    built->vdAddOffAxisVariable("c", "1", &variable);
    built->vdAddComment("First comment");
    built->vdAddComment("Second comment");
    const char* const labels[] = {"Jan", "Feb", "Mar", "Apr", "May"};
    const Real values[] = {RealOf(1.0), RealOf(2.0), RealOf(3.0), RealOf(4.0), RealOf(5.0)};
    built->vdSetXAxisLabels(labels, values);
    return built;
}

// The test plot in a plot control whose help base is that of the evaluation plots.
class PlotOptionsTest : public testing::Test
{
protected:
    QWidget container;
    TPlotControl* control = nullptr;
    Plot* plot = nullptr;
    OptimizationInput variable;
    ScriptedUserInteraction person;

    void SetUp() override
    {
        container.resize(640, 480);
        control = new TPlotControl(&container);
        control->HelpContext = 600;
        control->vdSetPlot(NewTestPlot(variable));
        plot = control->ShownPlot();
        container.show();
    }

    std::unique_ptr<Dialog> Open(std::uint32_t code) const
    {
        auto dialog = std::make_unique<Dialog>(*control, code, *plot);
        dialog->show();
        return dialog;
    }

    template <class Control> static Control& Find(QDialog& dialog, const char* name)
    {
        return ModalDialogDriver::ControlOf<Control>(dialog, name);
    }
    static QLineEdit& Edit(QDialog& d, const char* name) { return Find<QLineEdit>(d, name); }
    static QComboBox& List(QDialog& d, const char* name) { return Find<QComboBox>(d, name); }
    static int Page(QDialog& d) { return Find<QTabWidget>(d, "PageControl").currentIndex(); }
    static void vdSelectTab(QDialog& dialog, const char* bar, int tab)
    {
        Find<QTabBar>(dialog, bar).setCurrentIndex(tab);
    }
};

TEST_F(PlotOptionsTest, CodesOpenThePageAndTabOfWhatWasClicked)
{
    struct Case
    {
        std::uint32_t code;
        int page;
        const char* bar = nullptr;
        int tab = 0;
        const char* edit = nullptr;
        const char* shown = nullptr;
    };
    const Case cases[] = {
        {0, Dialog::TitlePage, nullptr, 0, "MainTitleEditControl", "Test Plot"},
        {1002, Dialog::LinePage, "LinesTabControl", 1, "LineLabelEdit", "Line B"},
        {2002, Dialog::OffAxisPage, "OffAxisTabControl", 1, "OffAxisNameEdit", "c"},
        {3001, Dialog::CommentsPage, "CommentsTabControl", 0, "CommentsTextEdit", "First comment"},
        {1, Dialog::TitlePage},
        {2, Dialog::YAxisPage},
        {3, Dialog::XAxisPage},
        {4, Dialog::AxisStylePage},
        {5, Dialog::KeyPage},
        // Codes that name nothing shown open the Title page.
        {1000, Dialog::TitlePage},
        {1004, Dialog::TitlePage},
        {3003, Dialog::TitlePage},
        {4000000000u, Dialog::TitlePage}};
    for (const Case& c : cases)
    {
        const auto dialog = Open(c.code);
        EXPECT_EQ(Page(*dialog), c.page) << c.code;
        EXPECT_EQ(dialog->HelpContext(), 600 + c.page + 1) << c.code;
        if (c.bar)
        {
            EXPECT_EQ(Find<QTabBar>(*dialog, c.bar).currentIndex(), c.tab) << c.code;
        }
        if (c.edit)
        {
            EXPECT_EQ(Edit(*dialog, c.edit).text(), c.shown) << c.code;
        }
    }

    // The help follows the page; Help opens it.
    const auto dialog = Open(0);
    Find<QTabWidget>(*dialog, "PageControl").setCurrentIndex(Dialog::OtherPage);
    Find<QPushButton>(*dialog, "HelpButton").click();
    ASSERT_EQ(person.HelpRequests().size(), 1u);
    EXPECT_EQ(person.HelpRequests().front().context, 609);
}

TEST_F(PlotOptionsTest, LoadsEveryPageFromThePlot)
{
    const auto dialog = Open(0);
    EXPECT_EQ(dialog->windowTitle(), "Plot Options");
    EXPECT_EQ(List(*dialog, "MainTitleSizeComboBox").currentText(), "Normal");
    EXPECT_EQ(List(*dialog, "SubTitleSizeComboBox").currentText(), "2.5 x");
    EXPECT_EQ(List(*dialog, "KeySizeComboBox").currentText(), "0.75 x");
    EXPECT_EQ(List(*dialog, "MainTitleColorComboBox").currentText(), "Blue");
    EXPECT_EQ(Edit(*dialog, "YAxisScaleMaximumValueEdit").text(), "1");
    EXPECT_EQ(List(*dialog, "ResolutionComboBox").currentText(),
              "Medium               (100 points)");
    EXPECT_TRUE(Find<QGroupBox>(*dialog, "NumberLinesGroupBox").isHidden());
    EXPECT_FALSE(Find<QGroupBox>(*dialog, "LineValueGroupBox").isHidden());

    // Five labels: the labelled form of the X axis.
    EXPECT_TRUE(Find<QGroupBox>(*dialog, "XAxisScaleGroupBox1").isHidden());
    EXPECT_FALSE(Find<QGroupBox>(*dialog, "XAxisScaleGroupBox2").isHidden());
    QComboBox& minimumLabel = List(*dialog, "XAxisScaleMinimumLabelComboBox");
    ASSERT_EQ(minimumLabel.count(), 5);
    EXPECT_EQ(minimumLabel.itemText(0), "1:  Jan");
    EXPECT_EQ(minimumLabel.currentIndex(), 0);
    EXPECT_EQ(List(*dialog, "XAxisScaleMaximumLabelComboBox").currentIndex(), 4);

    // Each line's tab caption and settings, and its point settings when it has points.
    QTabBar& lines = Find<QTabBar>(*dialog, "LinesTabControl");
    ASSERT_EQ(lines.count(), 3);
    const auto line = [&](int tab)
    {
        lines.setCurrentIndex(tab);
        QStringList shown = {lines.tabText(tab), Edit(*dialog, "LineLabelEdit").text(),
                             List(*dialog, "LineColorComboBox").currentText(),
                             List(*dialog, "LineThicknessComboBox").currentText(),
                             Edit(*dialog, "LineValueEdit").text()};
        if (!Find<QGroupBox>(*dialog, "LinePointGroupBox").isHidden())
            shown << QString::number(List(*dialog, "LinePointStyleComboBox").currentIndex())
                  << List(*dialog, "LinePointSizeComboBox").currentText();
        return shown.join('|');
    };
    EXPECT_EQ(line(0), "&1|Line A|Red|0.4|1");
    EXPECT_EQ(line(1), "&2|Line B|Blue|Hairline|2|9|1.5 x");
    // Its colour and thickness have no item: the lists show none.
    EXPECT_EQ(line(2), "&3|Line C|||3|0|");
    // The Lines page on the line with plus signs, and the list of point styles drawn open.
    lines.setCurrentIndex(1);
    QComboBox& pointStyles = List(*dialog, "LinePointStyleComboBox");
    Find<QTabWidget>(*dialog, "PageControl").setCurrentIndex(Dialog::LinePage);
    pointStyles.showPopup();
    QWidget* popup = pointStyles.view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    EXPECT_GE(pointStyles.view()->height(), 9 * 16);
    EXPECT_TRUE(
        popup->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/plot-options-point-styles.png")));
    pointStyles.hidePopup();
    for (int page = Dialog::TitlePage; page < Dialog::PageCount; ++page)
    {
        Find<QTabWidget>(*dialog, "PageControl").setCurrentIndex(page);
        EXPECT_TRUE(dialog->grab().save(
            QStringLiteral(VELTRAME_ARTIFACT_DIR "/plot-options-%1.png").arg(page + 1)));
    }
}

// A plot without lines, variables or comments has none of their pages; the value and point
// groups follow the plot.
TEST_F(PlotOptionsTest, PagesAndGroupsFollowThePlot)
{
    OptimizationInput input;
    Plot bare(&input, 0);
    bare.vdAddBlankLine("Only", nullptr, 0, 0, 1);
    const Dialog dialog(*control, 2001, bare);
    const auto& pages = *dialog.findChild<QTabWidget*>("PageControl");
    EXPECT_EQ(pages.currentIndex(), Dialog::TitlePage);
    EXPECT_TRUE(pages.isTabVisible(Dialog::LinePage));
    EXPECT_FALSE(pages.isTabVisible(Dialog::OffAxisPage));
    EXPECT_FALSE(pages.isTabVisible(Dialog::CommentsPage));
    EXPECT_TRUE(dialog.findChild<QGroupBox*>("LineValueGroupBox")->isHidden());
    EXPECT_TRUE(dialog.findChild<QGroupBox*>("LinePointGroupBox")->isHidden());
    EXPECT_TRUE(dialog.findChild<QGroupBox*>("XAxisScaleGroupBox2")->isHidden());
}

TEST_F(PlotOptionsTest, SizesEnteredAreShownAsSizesWhenLeft)
{
    const auto dialog = Open(0);
    ASSERT_TRUE(ModalDialogDriver::Activated(*dialog));
    QComboBox& size = List(*dialog, "MainTitleSizeComboBox");
    QLineEdit& elsewhere = Edit(*dialog, "MainTitleEditControl");
    // Reading and writing sizes is the Plot's; here, that a size is rewritten and no other text.
    for (const auto& [typed, shown] :
         {std::pair{"3", "3 x"}, std::pair{" 1.50 x", "1.5 x"}, std::pair{"-1", "-1"}})
    {
        size.setFocus();
        size.setEditText(QLatin1String(typed));
        elsewhere.setFocus();
        EXPECT_EQ(size.currentText(), shown) << typed;
    }
}

// Each refusal says why in an "ERROR" box without an icon, shows its page, tab and field, and
// leaves the Plot as it was. Each case types into one field on one line's tab and goes back to
// line 1; line C's points are first given the size they lack, which OK would refuse first.
TEST_F(PlotOptionsTest, RefusalsShowTheEntryAndWriteNothing)
{
    struct Case
    {
        int lineTab;
        const char* field;
        const char* text;
        const char* message;
        int page;
        const char* focus = nullptr; // the field typed in when none
    };
    const Case cases[] = {
        {0, "MainTitleSizeComboBox", "0",
         "Illegal size for main title.  Must be number greater than 0.  Please correct.",
         Dialog::TitlePage},
        {0, "SubTitleSizeComboBox", "",
         "Illegal size for sub title.  Must be number greater than 0.  Please correct.",
         Dialog::TitlePage},
        {0, "StyleRatioEdit", "0.5",
         "Illegal value for ratio.  Must be real number greater than 0.5.  Please correct.",
         Dialog::AxisStylePage},
        {0, "YAxisScaleMaximumValueEdit", "0",
         "Y-axis minimum must be less than maximum.  Please correct.", Dialog::YAxisPage,
         "YAxisScaleMinimumValueEdit"},
        // Counts beyond the 32-bit range; the reading of counts is tested on its own.
        {0, "YAxisLayoutNumberValuesEdit", "1e10",
         "Illegal value for y-axis number of values.  Must be integer of at least 2.  Please "
         "correct.",
         Dialog::YAxisPage},
        {0, "YAxisLayoutNumberTicsEdit", "3e9",
         "Illegal value for y-axis number of tics.  Must be integer of at least 0.  Please "
         "correct.",
         Dialog::YAxisPage},
        {0, "XAxisScaleMaximumLabelComboBox", "1:  Jan",
         "X-axis minimum label must be before maximum label.  Please correct.", Dialog::XAxisPage,
         "XAxisScaleMinimumLabelComboBox"},
        {1, "LineLabelEdit", "   ", "Must enter label for line.  Please correct.",
         Dialog::LinePage},
        {0, "LineValueEdit", "one",
         "Illegal input for value.  Must be real number.  Please correct.", Dialog::LinePage},
        {2, "LinePointSizeComboBox", "-1",
         "Illegal size for point.  Must be number greater than 0.  Please correct.",
         Dialog::LinePage},
        {0, "OffAxisValueEdit", "x",
         "Illegal value for off-axis variable.  Must be real number.  Please correct.",
         Dialog::OffAxisPage},
        {0, "CommentsSizeComboBox", "abc",
         "Illegal size for comments.  Must be number greater than 0.  Please correct.",
         Dialog::CommentsPage},
    };
    const std::string before = Settings(*plot);
    for (const Case& c : cases)
    {
        const auto dialog = Open(0);
        vdSelectTab(*dialog, "LinesTabControl", 2);
        List(*dialog, "LinePointSizeComboBox").setEditText("0.5");
        vdSelectTab(*dialog, "LinesTabControl", c.lineTab);
        if (auto* edit = dialog->findChild<QLineEdit*>(QLatin1String(c.field)))
            edit->setText(QLatin1String(c.text));
        else
            List(*dialog, c.field).setCurrentText(QLatin1String(c.text));
        vdSelectTab(*dialog, "LinesTabControl", 0);
        Find<QPushButton>(*dialog, "OkButton").click();
        ASSERT_EQ(person.Messages().size(), 1u) << c.message;
        EXPECT_EQ(person.Messages().front().text, c.message);
        EXPECT_EQ(person.Messages().front().caption, "ERROR");
        EXPECT_EQ(person.Messages().front().icon, MessageIcon::None);
        EXPECT_EQ(Page(*dialog), c.page) << c.message;
        EXPECT_EQ(dialog->focusWidget(),
                  dialog->findChild<QWidget*>(QLatin1String(c.focus ? c.focus : c.field)))
            << c.message;
        EXPECT_EQ(Find<QTabBar>(*dialog, "LinesTabControl").currentIndex(), c.lineTab);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(Settings(*plot), before) << c.message;
        person.vdClearRecords();
    }

    // A blank label is shown trimmed; too many labels become all five, as a later refusal shows.
    const auto dialog = Open(0);
    vdSelectTab(*dialog, "LinesTabControl", 1);
    Edit(*dialog, "LineLabelEdit").setText("   ");
    Edit(*dialog, "XAxisLayoutNumberLabelsEdit").setText("9");
    Find<QPushButton>(*dialog, "OkButton").click();
    EXPECT_EQ(Edit(*dialog, "LineLabelEdit").text(), "");
    EXPECT_EQ(Edit(*dialog, "XAxisLayoutNumberLabelsEdit").text(), "5");
    EXPECT_EQ(Settings(*plot), before);
}

// OK writes every page's entries; Cancel writes none. The control redraws the plot and
// tells of the change. Along the way, the samples of the previews choose their styles, and the
// linked choices follow: a broken line is a hairline, a thick line is solid, and a line always has
// points or connections.
TEST_F(PlotOptionsTest, OkWritesTheEntriesAndCancelNothing)
{
    ModalDialogDriver driver;
    int changes = 0;
    control->OnChange = [&changes](QObject*) { ++changes; };
    const std::string before = Settings(*plot);
    driver.vdQueue(
        [](QDialog& dialog)
        {
            Edit(dialog, "MainTitleEditControl").setText("Changed");
            Find<QPushButton>(dialog, "CancelButton").click();
        });
    control->vdOptionsDialogBox();
    EXPECT_EQ(Settings(*plot), before);
    EXPECT_EQ(changes, 0);

    driver.vdQueue(
        [](QDialog& dialog)
        {
            Edit(dialog, "MainTitleEditControl").setText("  New title ");
            List(dialog, "MainTitleColorComboBox").setCurrentIndex(13);
            List(dialog, "SubTitleSizeComboBox").setEditText("3");
            Find<TDrawingControl>(dialog, "AxisStyleDrawingControl")
                .OnMouseClickObject(nullptr, 4, 0);
            Find<TDrawingControl>(dialog, "TicStyleDrawingControl")
                .OnMouseClickObject(nullptr, 7, 0);
            EXPECT_EQ(dialog.focusWidget(),
                      &ModalDialogDriver::ChoiceOf(dialog, "StyleTicRadioGroup", 2));
            Edit(dialog, "StyleRatioEdit").setText("0.51");
            Edit(dialog, "YAxisScaleMinimumValueEdit").setText("-0.25");
            Edit(dialog, "YAxisLayoutNumberValuesEdit").setText("2");
            Edit(dialog, "YAxisLayoutNumberTicsEdit").setText("0");
            List(dialog, "XAxisScaleMinimumLabelComboBox").setCurrentIndex(1);
            Edit(dialog, "XAxisLayoutNumberLabelsEdit").setText("9");
            Find<QCheckBox>(dialog, "KeyDisplayCheckBox").setChecked(false);
            List(dialog, "LineInfoStyleComboBox").setCurrentIndex(3);
            vdSelectTab(dialog, "LinesTabControl", 1);
            Edit(dialog, "LineLabelEdit").setText("Renamed");
            List(dialog, "LineThicknessComboBox").setCurrentIndex(5);
            Find<QCheckBox>(dialog, "LinePointConnectPointsCheckBox").setChecked(false);
            List(dialog, "LinePointStyleComboBox").setCurrentIndex(0);
            List(dialog, "LinePointSizeComboBox").setEditText("2");
            // Line 3's points alone: it keeps the colour and thickness no item stands for.
            vdSelectTab(dialog, "LinesTabControl", 2);
            Find<QCheckBox>(dialog, "LinePointConnectPointsCheckBox").setChecked(false);
            List(dialog, "LinePointSizeComboBox").setEditText("0.5");
            vdSelectTab(dialog, "OffAxisTabControl", 1);
            Edit(dialog, "OffAxisValueEdit").setText("4");
            vdSelectTab(dialog, "CommentsTabControl", 1);
            Edit(dialog, "CommentsTextEdit").setText(" kept as typed ");
            Find<QCheckBox>(dialog, "AutoScaleCheckBox").setChecked(true);
            List(dialog, "ResolutionComboBox").setCurrentIndex(3);
            Find<QPushButton>(dialog, "OkButton").click();
        });
    const Drawing* shown = control->ShownDrawing();
    control->vdOptionsDialogBox();
    EXPECT_EQ(changes, 1);
    EXPECT_NE(control->ShownDrawing(), shown) << "the control redrew the plot";
    EXPECT_FALSE(plot->bDrawingOutOfDate());
    EXPECT_TRUE(person.Messages().empty());

    // The plot holds the new entries and, for the rest, what it held.
    OptimizationInput input;
    const std::unique_ptr<Plot> expected(NewTestPlot(input));
    expected->vdSetMainTitle("New title");
    expected->vdSetMainTitleColor(0x0000FF);
    expected->vdSetSubTitleSize(3.0);
    expected->vdSetAxisStyle(3);
    expected->vdSetTicStyle(2);
    expected->vdSetAxisRatio(0.51);
    expected->vdSetYAxisMinimum(RealOf(-0.25));
    expected->vdSetYAxisNumberValues(2);
    expected->vdSetYAxisNumberTics(0);
    expected->vdSetXAxisMinimumLabel(1);
    expected->vdSetDisplayKey(false);
    expected->vdSetLineStyle(1, 3);
    expected->vdSetLineThickness(1, 0.0);
    expected->vdSetLineLabel(2, "Renamed");
    expected->vdSetLineThickness(2, 0.5);
    expected->vdSetLineStyle(2, 1);
    expected->vdSetLinePointStyle(2, 0);
    expected->vdSetLinePointSize(2, 2.0);
    expected->vdSetLineConnectPoints(3, false);
    expected->vdSetLinePointStyle(3, 5);
    expected->vdSetLinePointSize(3, 0.5);
    expected->vdSetOffAxisVariableValue(2, "4");
    expected->vdSetComment(2, " kept as typed ");
    expected->vdSetAutoScale(true);
    expected->vdSetResolution(3);
    EXPECT_EQ(Settings(*plot), Settings(*expected));
    // Line 3 kept the colour and the thickness the lists have no item for.
    EXPECT_EQ(plot->Line(3)->colour, teal);
    EXPECT_EQ(plot->Line(3)->thickness, 0.9);
}

} // namespace
} // namespace Brosquin
