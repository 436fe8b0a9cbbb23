#pragma once

#include "core/Real.h"
#include "core/String.h"
#include "graphics/Canvas.h"

#include <QDialog>
#include <cstdint>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QTabBar;
class QTabWidget;

namespace Brosquin
{

class Plot;
class TDrawingControl;
class TPlotControl;
class TStyleComboBox;

// Every presentation setting of one Plot on nine pages: the titles, the axis and tic styles, both
// axes, the key, each line, each off-axis variable, each comment, and auto scaling and the
// resolution of the lines. The lines, the off-axis variables and the comments each share one set
// of controls, chosen by a tab bar; meanwhile their values wait in working arrays.
//
// Nothing reaches the Plot before OK, which checks every entry in a fixed order and stops at the
// first it refuses: a box captioned "ERROR" says why, and the entry is shown and given the focus.
// Only when all pass are they written, in a fixed order, and the control redraws the Plot.
// Cancel, Escape and the close box leave the Plot as it was.
class TPlotOptionsDialogBox : public QDialog
{
public:
    // The pages in tab order. A page's help topic is the control's help base + page + 1.
    enum Page
    {
        TitlePage,
        AxisStylePage,
        YAxisPage,
        XAxisPage,
        KeyPage,
        LinePage,
        OffAxisPage,
        CommentsPage,
        OtherPage,
        PageCount
    };

    // code chooses the page shown first: the tag of the part of the plot that was clicked (1
    // titles, 2 Y axis, 3 X axis, 4 axis style, 5 key, 1001 + i line i, 2001 + i off-axis variable
    // i, 3001 + i comment i, i from 0), the Title page for 0 and for any code that names nothing
    // shown.
    TPlotOptionsDialogBox(TPlotControl& owner, std::uint32_t code, Plot& plot);
    ~TPlotOptionsDialogBox() override;

    // The help topic of the page on show; 0 when the control has no help base.
    int HelpContext() const { return helpContext; }

    void OkButtonClick();
    void PageControlChange();
    // A size field that is left shows a size entered the way sizes are shown ("3" becomes "3 x",
    // "1" "Normal"); anything else stays as typed, for OK to refuse.
    void SizeComboBoxExit(QComboBox& combo);
    // Changing keeps the shared controls in the element they show; Change shows the element of
    // the tab now selected.
    void LineTabControlChanging();
    void LineTabControlChange();
    void OffAxisTabControlChanging();
    void OffAxisTabControlChange();
    void CommentsTabControlChanging();
    void CommentsTabControlChange();
    // A broken line style is drawn only as a hairline, a thicker line only solid, and a line
    // always has points or connections.
    void LineInfoStyleComboBoxChange();
    void LineThicknessComboBoxChange();
    void LinePointStyleComboBoxChange();
    void LinePointConnectPointsCheckBoxClick();
    // A click on a sample of a preview chooses its style.
    void AxisStyleDrawingControlMouseClickObject(std::uint32_t tag);
    void TicStyleDrawingControlMouseClickObject(std::uint32_t tag);

protected:
    void showEvent(QShowEvent* event) override;

private:
    using Handler = void (TPlotOptionsDialogBox::*)();

    // The values OK writes, read from the entries by the checks.
    struct Values
    {
        double mainTitleSize = 0;
        double subTitleSize = 0;
        double ticSizeNumber = 0;
        double ticSizeBetween = 0;
        Real ratio;
        double yLabelSize = 0;
        Real yMinimum;
        Real yMaximum;
        double yScaleSize = 0;
        std::int32_t yNumberValues = 0;
        std::int32_t yNumberTics = 0;
        double xLabelSize = 0;
        Real xMinimum;
        Real xMaximum;
        double xScaleSize = 0;
        std::int32_t xNumberValues = 0;
        std::int32_t xNumberTics = 0;
        std::int32_t xNumberLabels = 0;
        double keySize = 0;
        double keyLineSize = 0;
        double offAxisSize = 0;
        double commentsSize = 0;
    };

    // The pages, each built and loaded from the Plot.
    void vdBuildTitlePage(QWidget* page);
    void vdBuildAxisStylePage(QWidget* page);
    void vdBuildYAxisPage(QWidget* page);
    void vdBuildXAxisPage(QWidget* page);
    void vdBuildKeyPage(QWidget* page);
    void vdBuildLinePage(QWidget* page);
    void vdBuildOffAxisPage(QWidget* page);
    void vdBuildCommentsPage(QWidget* page);
    void vdBuildOtherPage(QWidget* page);
    // A size field holding the text of the size.
    QComboBox* NewSizeComboBox(const char* name, double size, QWidget* parent);
    // A tab bar with the tabs "&1" to "&count", whose changes run the two handlers.
    QTabBar* NewTabBar(const char* name, std::uint32_t count, Handler changing, Handler change,
                       QWidget* parent);
    // Selects a tab and shows its element, leaving the element shown before as it is.
    void vdSelectTab(QTabBar* bar, Handler change, int tab);

    // The checks of OK, in order; false after a refusal.
    bool EntriesAccepted(Values& values);
    // Says why an entry is refused and shows it: its page, its element's tab (when a bar is
    // given) and the control. True when refused.
    bool Refused(bool accepted, const char* message, Page page, QWidget* focus,
                 QTabBar* bar = nullptr, Handler change = nullptr, int tab = 0);
    void vdWriteEntries(const Values& values);

    TPlotControl& PlotControl;
    Plot& EditedPlot;
    int helpContext = 0;
    const bool linesCarryValues;
    const bool labelledXAxis;

    QTabWidget* PageControl = nullptr;
    QLineEdit* MainTitleEditControl = nullptr;
    QComboBox* MainTitleSizeComboBox = nullptr;
    QComboBox* MainTitleColorComboBox = nullptr;
    QLineEdit* SubTitleEditControl = nullptr;
    QComboBox* SubTitleSizeComboBox = nullptr;
    QComboBox* SubTitleColorComboBox = nullptr;
    QButtonGroup* StyleAxisRadioGroup = nullptr;
    QButtonGroup* StyleTicRadioGroup = nullptr;
    TDrawingControl* AxisStyleDrawingControl = nullptr;
    TDrawingControl* TicStyleDrawingControl = nullptr;
    QComboBox* StyleTicSizeNumberComboBox = nullptr;
    QComboBox* StyleTicSizeBetweenComboBox = nullptr;
    QLineEdit* StyleRatioEdit = nullptr;
    QLineEdit* YAxisLabelTextEdit = nullptr;
    QComboBox* YAxisLabelSizeComboBox = nullptr;
    QCheckBox* YAxisLabelVerticalCheckBox = nullptr;
    QLineEdit* YAxisScaleMinimumValueEdit = nullptr;
    QLineEdit* YAxisScaleMaximumValueEdit = nullptr;
    QComboBox* YAxisScaleSizeComboBox = nullptr;
    QLineEdit* YAxisLayoutNumberValuesEdit = nullptr;
    QLineEdit* YAxisLayoutNumberTicsEdit = nullptr;
    QLineEdit* XAxisLabelTextEdit = nullptr;
    QComboBox* XAxisLabelSizeComboBox = nullptr;
    QLineEdit* XAxisScaleMinimumValueEdit = nullptr;
    QLineEdit* XAxisScaleMaximumValueEdit = nullptr;
    QComboBox* XAxisScaleValueSizeComboBox = nullptr;
    QLineEdit* XAxisLayoutNumberValuesEdit = nullptr;
    QLineEdit* XAxisLayoutNumberTicsEdit = nullptr;
    QComboBox* XAxisScaleMinimumLabelComboBox = nullptr;
    QComboBox* XAxisScaleMaximumLabelComboBox = nullptr;
    QComboBox* XAxisScaleLabelSizeComboBox = nullptr;
    QLineEdit* XAxisLayoutNumberLabelsEdit = nullptr;
    QLineEdit* KeyTitleEdit = nullptr;
    QComboBox* KeySizeComboBox = nullptr;
    QComboBox* KeyColorComboBox = nullptr;
    QCheckBox* KeyDisplayCheckBox = nullptr;
    QComboBox* LineSizeComboBox = nullptr;
    QTabBar* LinesTabControl = nullptr;
    QLineEdit* LineLabelEdit = nullptr;
    QComboBox* LineColorComboBox = nullptr;
    TStyleComboBox* LineInfoStyleComboBox = nullptr;
    QComboBox* LineThicknessComboBox = nullptr;
    QGroupBox* LineValueGroupBox = nullptr;
    QLineEdit* LineValueEdit = nullptr;
    QGroupBox* LinePointGroupBox = nullptr;
    TStyleComboBox* LinePointStyleComboBox = nullptr;
    QComboBox* LinePointSizeComboBox = nullptr;
    QCheckBox* LinePointConnectPointsCheckBox = nullptr;
    QComboBox* OffAxisSizeComboBox = nullptr;
    QCheckBox* OffAxisDisplayCheckBox = nullptr;
    QTabBar* OffAxisTabControl = nullptr;
    QLineEdit* OffAxisNameEdit = nullptr;
    QLineEdit* OffAxisValueEdit = nullptr;
    QComboBox* CommentsSizeComboBox = nullptr;
    QCheckBox* CommentsDisplayCheckBox = nullptr;
    QTabBar* CommentsTabControl = nullptr;
    QLineEdit* CommentsTextEdit = nullptr;
    QCheckBox* AutoScaleCheckBox = nullptr;
    QComboBox* ResolutionComboBox = nullptr;

    // The working arrays: element i belongs to tab i and to item i + 1 of the Plot's list.
    // LineValues is empty unless the lines carry values.
    std::vector<String> OffAxisNames;
    std::vector<String> OffAxisValues;
    std::vector<String> CommentTexts;
    std::vector<String> LineLabels;
    std::vector<Colour> LineColors;
    std::vector<std::uint8_t> LineStyles;
    std::vector<double> LineThicknesses;
    std::vector<String> LineValues;
    std::vector<std::uint8_t> LinePointStyles;
    std::vector<String> LinePointSizes;
    std::vector<std::uint8_t> LineConnectPoints;
    // The elements the shared controls show; -1 before the first is shown.
    int shownLine = -1;
    int shownOffAxisVariable = -1;
    int shownComment = -1;
};

} // namespace Brosquin
