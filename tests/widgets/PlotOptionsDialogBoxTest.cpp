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
#include <QButtonGroup>
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

#include <functional>
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

// Every setting of the Plot that the dialog may write, as one text to compare.
std::string Settings(const Plot& plot)
{
    std::ostringstream out;
    out << plot.MainTitle() << '|' << plot.dMainTitleSize() << '|' << plot.MainTitleColor() << '|'
        << plot.SubTitle() << '|' << plot.dSubTitleSize() << '|' << plot.SubTitleColor() << '|'
        << int(plot.AxisStyle()) << '|' << int(plot.TicStyle()) << '|' << plot.dTicSizeNumber()
        << '|' << plot.dTicSizeBetween() << '|' << plot.dAxisRatio() << '|' << plot.YAxisLabel()
        << '|' << plot.dYAxisLabelSize() << '|' << plot.bYAxisLabelVertical() << '|'
        << plot.YAxisMinimum().Text(15, true) << '|' << plot.YAxisMaximum().Text(15, true) << '|'
        << plot.dYAxisScaleSize() << '|' << plot.YAxisNumberValues() << '|'
        << plot.YAxisNumberTics() << '|' << plot.XAxisLabel() << '|' << plot.dXAxisLabelSize()
        << '|' << plot.XAxisMinimum().Text(15, true) << '|' << plot.XAxisMaximum().Text(15, true)
        << '|' << plot.dXAxisScaleSize() << '|' << plot.XAxisNumberValues() << '|'
        << plot.XAxisNumberTics() << '|' << plot.XAxisMinimumLabel() << '|'
        << plot.XAxisMaximumLabel() << '|' << plot.XAxisNumberLabels() << '|' << plot.KeyTitle()
        << '|' << plot.dKeyTitleSize() << '|' << plot.dKeyLineSize() << '|' << plot.KeyTitleColor()
        << '|' << plot.bDisplayKey() << '|' << plot.dOffAxisSize() << '|' << plot.bDisplayOffAxis()
        << '|' << plot.dCommentsSize() << '|' << plot.bDisplayComments() << '|' << plot.bAutoScale()
        << '|' << plot.Resolution();
    for (std::uint32_t i = 1; i <= plot.LineCount(); ++i)
    {
        const LineInfo& line = *plot.Line(i);
        out << "\nline " << line.label << '|' << line.colour << '|' << int(line.style) << '|'
            << line.thickness << '|' << line.valueText << '|' << int(line.pointStyle) << '|'
            << line.pointSize << '|' << line.connectPoints;
    }
    for (std::uint32_t j = 1; j <= plot.OffAxisCount(); ++j)
        out << "\nvariable " << plot.OffAxisVariable(j)->name << '|'
            << plot.OffAxisVariable(j)->valueText;
    for (std::uint32_t c = 1; c <= plot.CommentCount(); ++c)
        out << "\ncomment " << *plot.Comment(c);
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
    static QLineEdit& Edit(QDialog& dialog, const char* name)
    {
        return Find<QLineEdit>(dialog, name);
    }
    static QComboBox& List(QDialog& dialog, const char* name)
    {
        return Find<QComboBox>(dialog, name);
    }
    static int Page(QDialog& dialog)
    {
        return Find<QTabWidget>(dialog, "PageControl").currentIndex();
    }
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
        const char* bar;
        int tab;
        const char* edit;
        const char* shown;
    };
    const Case cases[] = {
        {0, Dialog::TitlePage, nullptr, 0, "MainTitleEditControl", "Test Plot"},
        {1, Dialog::TitlePage, nullptr, 0, nullptr, nullptr},
        {2, Dialog::YAxisPage, nullptr, 0, nullptr, nullptr},
        {3, Dialog::XAxisPage, nullptr, 0, nullptr, nullptr},
        {4, Dialog::AxisStylePage, nullptr, 0, nullptr, nullptr},
        {5, Dialog::KeyPage, nullptr, 0, nullptr, nullptr},
        {1002, Dialog::LinePage, "LinesTabControl", 1, "LineLabelEdit", "Line B"},
        {2001, Dialog::OffAxisPage, "OffAxisTabControl", 0, "OffAxisNameEdit", "n"},
        {2002, Dialog::OffAxisPage, "OffAxisTabControl", 1, "OffAxisNameEdit", "c"},
        {3001, Dialog::CommentsPage, "CommentsTabControl", 0, "CommentsTextEdit", "First comment"},
        // Codes that name nothing shown open the Title page.
        {7, Dialog::TitlePage, nullptr, 0, nullptr, nullptr},
        {1000, Dialog::TitlePage, nullptr, 0, nullptr, nullptr},
        {1004, Dialog::TitlePage, nullptr, 0, nullptr, nullptr},
        {2000, Dialog::TitlePage, nullptr, 0, nullptr, nullptr},
        {3003, Dialog::TitlePage, nullptr, 0, nullptr, nullptr},
        {4000000000u, Dialog::TitlePage, nullptr, 0, nullptr, nullptr},
    };
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
    EXPECT_EQ(List(*dialog, "MainTitleSizeComboBox").count(), 11);
    EXPECT_EQ(List(*dialog, "MainTitleColorComboBox").currentText(), "Blue");
    EXPECT_EQ(Edit(*dialog, "YAxisScaleMaximumValueEdit").text(), "1");
    EXPECT_EQ(List(*dialog, "ResolutionComboBox").currentText(),
              "Medium               (100 points)");
    EXPECT_TRUE(Find<QGroupBox>(*dialog, "NumberLinesGroupBox").isHidden());

    // Five labels: the labelled form of the X axis.
    EXPECT_TRUE(Find<QGroupBox>(*dialog, "XAxisScaleGroupBox1").isHidden());
    EXPECT_FALSE(Find<QGroupBox>(*dialog, "XAxisScaleGroupBox2").isHidden());
    QComboBox& minimumLabel = List(*dialog, "XAxisScaleMinimumLabelComboBox");
    ASSERT_EQ(minimumLabel.count(), 5);
    EXPECT_EQ(minimumLabel.itemText(0), "1:  Jan");
    EXPECT_EQ(minimumLabel.currentIndex(), 0);
    EXPECT_EQ(List(*dialog, "XAxisScaleMaximumLabelComboBox").currentIndex(), 4);

    // The tabs "&1" to "&3", and each line with its own point settings.
    QTabBar& lines = Find<QTabBar>(*dialog, "LinesTabControl");
    ASSERT_EQ(lines.count(), 3);
    EXPECT_EQ(QStringList({lines.tabText(0), lines.tabText(1), lines.tabText(2)}),
              QStringList({"&1", "&2", "&3"}));
    struct LineShown
    {
        const char* label;
        const char* colour;
        const char* thickness;
        const char* value;
        bool points;
        int pointStyle;
        const char* pointSize;
    };
    const LineShown shown[] = {
        {"Line A", "Red", "0.4", "1", false, 0, ""},
        {"Line B", "Blue", "Hairline", "2", true, 9, "1.5 x"},
        // Its colour and thickness have no item: the lists show none.
        {"Line C", "", "", "3", true, 0, ""},
    };
    for (int tab = 0; tab < 3; ++tab)
    {
        const LineShown& line = shown[tab];
        lines.setCurrentIndex(tab);
        EXPECT_EQ(Edit(*dialog, "LineLabelEdit").text(), line.label);
        EXPECT_EQ(List(*dialog, "LineColorComboBox").currentText(), line.colour) << tab;
        EXPECT_EQ(List(*dialog, "LineThicknessComboBox").currentText(), line.thickness) << tab;
        EXPECT_FALSE(Find<QGroupBox>(*dialog, "LineValueGroupBox").isHidden());
        EXPECT_EQ(Edit(*dialog, "LineValueEdit").text(), line.value);
        EXPECT_EQ(Find<QGroupBox>(*dialog, "LinePointGroupBox").isHidden(), !line.points) << tab;
        if (!line.points)
            continue;
        EXPECT_EQ(List(*dialog, "LinePointStyleComboBox").currentIndex(), line.pointStyle);
        EXPECT_EQ(List(*dialog, "LinePointSizeComboBox").currentText(), line.pointSize);
    }
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
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QComboBox& size = List(*dialog, "MainTitleSizeComboBox");
    QLineEdit& elsewhere = Edit(*dialog, "MainTitleEditControl");
    for (const auto& [typed, shown] :
         {std::pair{"3", "3 x"}, std::pair{"1", "Normal"}, std::pair{" 1.50 x", "1.5 x"},
          std::pair{"2X", "2X"}, std::pair{"-1", "-1"}, std::pair{"abc", "abc"},
          std::pair{"0.75", "0.75 x"}})
    {
        size.setFocus();
        size.setEditText(QLatin1String(typed));
        elsewhere.setFocus();
        EXPECT_EQ(size.currentText(), shown) << typed;
    }
}

TEST_F(PlotOptionsTest, LinkedChoicesAndPreviewClicks)
{
    const auto dialog = Open(1001);
    QComboBox& style = List(*dialog, "LineInfoStyleComboBox");
    QComboBox& thickness = List(*dialog, "LineThicknessComboBox");
    // A broken line is a hairline; a thick line is solid.
    style.setCurrentIndex(3);
    EXPECT_EQ(thickness.currentIndex(), 0);
    thickness.setCurrentIndex(5);
    EXPECT_EQ(style.currentIndex(), 1);
    // A line without points is connected; unconnected points show.
    vdSelectTab(*dialog, "LinesTabControl", 1);
    QComboBox& pointStyle = List(*dialog, "LinePointStyleComboBox");
    QCheckBox& connect = Find<QCheckBox>(*dialog, "LinePointConnectPointsCheckBox");
    connect.setChecked(false);
    pointStyle.setCurrentIndex(0);
    EXPECT_TRUE(connect.isChecked());
    connect.setChecked(false);
    EXPECT_EQ(pointStyle.currentIndex(), 5);

    // The samples of the previews choose their styles.
    const auto chosen = [&](const char* group)
    { return Find<QGroupBox>(*dialog, group).findChild<QButtonGroup*>()->checkedId(); };
    auto& axes = Find<TDrawingControl>(*dialog, "AxisStyleDrawingControl");
    auto& tics = Find<TDrawingControl>(*dialog, "TicStyleDrawingControl");
    for (const auto& [tag, axis, tic] :
         {std::tuple{3u, 2, 2}, std::tuple{6u, 2, 1}, std::tuple{1u, 0, 1}, std::tuple{5u, 0, 0}})
        (tag <= 4 ? axes : tics).OnMouseClickObject(nullptr, tag, 0);
    EXPECT_EQ(chosen("StyleAxisRadioGroup"), 0);
    EXPECT_EQ(chosen("StyleTicRadioGroup"), 0);
    tics.OnMouseClickObject(nullptr, 7, 0);
    EXPECT_EQ(chosen("StyleTicRadioGroup"), 2);
    EXPECT_EQ(dialog->focusWidget(),
              Find<QGroupBox>(*dialog, "StyleTicRadioGroup").findChildren<QRadioButton*>()[2]);
}

// Each refusal says why in an "ERROR" box without an icon, shows its page, tab and field, and
// leaves the Plot as it was.
TEST_F(PlotOptionsTest, RefusalsShowTheEntryAndWriteNothing)
{
    struct Case
    {
        std::function<void(QDialog&)> enter;
        const char* message;
        int page;
        const char* focus;
        int lineTab;
    };
    const auto type = [](const char* name, const char* text)
    {
        return [name, text](QDialog& dialog)
        {
            if (auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(name)))
                edit->setText(QLatin1String(text));
            else
                Find<QComboBox>(dialog, name).setEditText(QLatin1String(text));
        };
    };
    // Line C has points but no size for them, which OK refuses before the later pages.
    const auto sizingLineC = [](std::function<void(QDialog&)> enter)
    {
        return [enter](QDialog& dialog)
        {
            vdSelectTab(dialog, "LinesTabControl", 2);
            List(dialog, "LinePointSizeComboBox").setEditText("0.5");
            enter(dialog);
        };
    };
    const Case cases[] = {
        {type("MainTitleSizeComboBox", "0"),
         "Illegal size for main title.  Must be number greater than 0.  Please correct.",
         Dialog::TitlePage, "MainTitleSizeComboBox", 0},
        {type("SubTitleSizeComboBox", ""),
         "Illegal size for sub title.  Must be number greater than 0.  Please correct.",
         Dialog::TitlePage, "SubTitleSizeComboBox", 0},
        {type("StyleRatioEdit", "0.5"),
         "Illegal value for ratio.  Must be real number greater than 0.5.  Please correct.",
         Dialog::AxisStylePage, "StyleRatioEdit", 0},
        {type("YAxisScaleMaximumValueEdit", "0"),
         "Y-axis minimum must be less than maximum.  Please correct.", Dialog::YAxisPage,
         "YAxisScaleMinimumValueEdit", 0},
        {type("YAxisLayoutNumberValuesEdit", "2.5"),
         "Illegal value for y-axis number of values.  Must be integer of at least 2.  Please "
         "correct.",
         Dialog::YAxisPage, "YAxisLayoutNumberValuesEdit", 0},
        {type("YAxisLayoutNumberValuesEdit", "1"),
         "Illegal value for y-axis number of values.  Must be integer of at least 2.  Please "
         "correct.",
         Dialog::YAxisPage, "YAxisLayoutNumberValuesEdit", 0},
        {type("YAxisLayoutNumberValuesEdit", "1e10"),
         "Illegal value for y-axis number of values.  Must be integer of at least 2.  Please "
         "correct.",
         Dialog::YAxisPage, "YAxisLayoutNumberValuesEdit", 0},
        {type("YAxisLayoutNumberTicsEdit", "3e9"),
         "Illegal value for y-axis number of tics.  Must be integer of at least 0.  Please "
         "correct.",
         Dialog::YAxisPage, "YAxisLayoutNumberTicsEdit", 0},
        {[](QDialog& dialog) { List(dialog, "XAxisScaleMaximumLabelComboBox").setCurrentIndex(0); },
         "X-axis minimum label must be before maximum label.  Please correct.", Dialog::XAxisPage,
         "XAxisScaleMinimumLabelComboBox", 0},
        // The line on show is line 1: line 2's blank label opens its tab.
        {[](QDialog& dialog)
         {
             vdSelectTab(dialog, "LinesTabControl", 1);
             Edit(dialog, "LineLabelEdit").setText("   ");
             vdSelectTab(dialog, "LinesTabControl", 0);
         },
         "Must enter label for line.  Please correct.", Dialog::LinePage, "LineLabelEdit", 1},
        {type("LineValueEdit", "one"),
         "Illegal input for value.  Must be real number.  Please correct.", Dialog::LinePage,
         "LineValueEdit", 0},
        {[](QDialog& dialog)
         {
             vdSelectTab(dialog, "LinesTabControl", 2);
             List(dialog, "LinePointSizeComboBox").setEditText("-1");
         },
         "Illegal size for point.  Must be number greater than 0.  Please correct.",
         Dialog::LinePage, "LinePointSizeComboBox", 2},
        {sizingLineC(type("OffAxisValueEdit", "x")),
         "Illegal value for off-axis variable.  Must be real number.  Please correct.",
         Dialog::OffAxisPage, "OffAxisValueEdit", 0},
        {sizingLineC(type("CommentsSizeComboBox", "abc")),
         "Illegal size for comments.  Must be number greater than 0.  Please correct.",
         Dialog::CommentsPage, "CommentsSizeComboBox", 0},
    };
    const std::string before = Settings(*plot);
    for (const Case& c : cases)
    {
        const auto dialog = Open(0);
        c.enter(*dialog);
        Find<QPushButton>(*dialog, "OkButton").click();
        ASSERT_EQ(person.Messages().size(), 1u) << c.message;
        EXPECT_EQ(person.Messages().front().text, c.message);
        EXPECT_EQ(person.Messages().front().caption, "ERROR");
        EXPECT_EQ(person.Messages().front().icon, MessageIcon::None);
        EXPECT_EQ(Page(*dialog), c.page) << c.message;
        EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QWidget*>(QLatin1String(c.focus)))
            << c.message;
        if (c.page == Dialog::LinePage)
        {
            EXPECT_EQ(Find<QTabBar>(*dialog, "LinesTabControl").currentIndex(), c.lineTab);
        }
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

// OK writes every page's entries; Cancel and Escape write none. The control redraws the plot and
// tells of the change.
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
    driver.vdQueue(
        [](QDialog& dialog)
        {
            Edit(dialog, "KeyTitleEdit").setText("Changed");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
    control->vdOptionsDialogBox();
    control->vdMouseAction(5);
    EXPECT_EQ(Settings(*plot), before);
    EXPECT_EQ(changes, 0);

    driver.vdQueue(
        [](QDialog& dialog)
        {
            Edit(dialog, "MainTitleEditControl").setText("  New title ");
            List(dialog, "MainTitleColorComboBox").setCurrentIndex(13);
            List(dialog, "SubTitleSizeComboBox").setEditText("3");
            Find<QGroupBox>(dialog, "StyleAxisRadioGroup")
                .findChildren<QRadioButton*>()[3]
                ->click();
            Edit(dialog, "StyleRatioEdit").setText("0.51");
            Edit(dialog, "YAxisScaleMinimumValueEdit").setText("-0.25");
            Edit(dialog, "YAxisLayoutNumberValuesEdit").setText("2");
            Edit(dialog, "YAxisLayoutNumberTicsEdit").setText("0");
            List(dialog, "XAxisScaleMinimumLabelComboBox").setCurrentIndex(1);
            Edit(dialog, "XAxisLayoutNumberLabelsEdit").setText("9");
            Find<QCheckBox>(dialog, "KeyDisplayCheckBox").setChecked(false);
            // Line 1's thickness, line 2's label and point size, line 3's point size alone.
            List(dialog, "LineThicknessComboBox").setCurrentIndex(6);
            vdSelectTab(dialog, "LinesTabControl", 1);
            Edit(dialog, "LineLabelEdit").setText("Renamed");
            List(dialog, "LinePointSizeComboBox").setEditText("2");
            vdSelectTab(dialog, "LinesTabControl", 2);
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
    expected->vdSetAxisRatio(0.51);
    expected->vdSetYAxisMinimum(RealOf(-0.25));
    expected->vdSetYAxisNumberValues(2);
    expected->vdSetYAxisNumberTics(0);
    expected->vdSetXAxisMinimumLabel(1);
    expected->vdSetDisplayKey(false);
    expected->vdSetLineThickness(1, 0.6);
    expected->vdSetLineLabel(2, "Renamed");
    expected->vdSetLinePointSize(2, 2.0);
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
