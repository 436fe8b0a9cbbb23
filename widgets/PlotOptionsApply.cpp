#include "widgets/PlotOptionsDialogBox.h"

#include "core/RealOf.h"
#include "graphics/Plot.h"
#include "graphics/PlotOptionEntries.h"
#include "platform/UserInteraction.h"
#include "widgets/PlotControl.h"
#include "widgets/PlotOptionsFields.h"
#include "widgets/StyleComboBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QTabBar>
#include <QTabWidget>
#include <locale>
#include <sstream>

namespace Brosquin
{

namespace
{

double SizeOf(const QComboBox& field)
{
    return Plot::dSizeFromText(EntryText(field).Text());
}

String TrimmedText(const QLineEdit& field)
{
    String text = EntryText(field);
    text.vdTrim();
    return text;
}

// The colour of a colour list's choice; the colour held for a list without a selection.
Colour ChosenColour(const QComboBox& list, Colour held)
{
    return list.currentIndex() >= 0 ? Plot::ColorValues[list.currentIndex()] : held;
}

} // namespace

void TPlotOptionsDialogBox::OkButtonClick()
{
    // The elements on show join their working arrays, which the checks read.
    if (EditedPlot.LineCount() > 0)
        LineTabControlChanging();
    if (EditedPlot.OffAxisCount() > 0)
        OffAxisTabControlChanging();
    if (EditedPlot.CommentCount() > 0)
        CommentsTabControlChanging();
    Values values;
    if (!EntriesAccepted(values))
        return;
    // Every setting as it was, in the record of the latest version, which holds them all.
    const Real version = RealOf(2.1);
    std::ostringstream before;
    before.imbue(std::locale::classic());
    EditedPlot.vdWriteRecord(before, version, false);
    vdWriteEntries(values);
    if (PlotControl.AcceptsOptions && !PlotControl.AcceptsOptions())
    {
        std::istringstream settings(before.str());
        settings.imbue(std::locale::classic());
        EditedPlot.vdReadFromStream(settings, version, false);
        return;
    }
    PlotControl.vdRedraw();
    accept();
}

bool TPlotOptionsDialogBox::Refused(bool accepted, const char* message, Page page, QWidget* focus,
                                    QTabBar* bar, Handler change, int tab)
{
    if (accepted)
        return false;
    UserInteraction::Current().MessageBox(tr(message), QStringLiteral("ERROR"), MessageIcon::None);
    PageControl->setCurrentIndex(page);
    if (bar != nullptr)
        vdSelectTab(bar, change, tab);
    focus->setFocus();
    return true;
}

bool TPlotOptionsDialogBox::EntriesAccepted(Values& v)
{
    const Plot& plot = EditedPlot;
    v.mainTitleSize = SizeOf(*MainTitleSizeComboBox);
    if (Refused(v.mainTitleSize > 0,
                "Illegal size for main title.  Must be number greater than 0.  Please correct.",
                TitlePage, MainTitleSizeComboBox))
        return false;
    v.subTitleSize = SizeOf(*SubTitleSizeComboBox);
    if (Refused(v.subTitleSize > 0,
                "Illegal size for sub title.  Must be number greater than 0.  Please correct.",
                TitlePage, SubTitleSizeComboBox))
        return false;
    v.ticSizeNumber = SizeOf(*StyleTicSizeNumberComboBox);
    if (Refused(v.ticSizeNumber > 0,
                "Illegal size for tics next to numbers or labels.  Must be number greater than 0.  "
                "Please correct.",
                AxisStylePage, StyleTicSizeNumberComboBox))
        return false;
    v.ticSizeBetween = SizeOf(*StyleTicSizeBetweenComboBox);
    if (Refused(v.ticSizeBetween > 0,
                "Illegal size for tics between numbers or labels.  Must be number greater than 0.  "
                "Please correct.",
                AxisStylePage, StyleTicSizeBetweenComboBox))
        return false;
    if (Refused(ReadNumber(EntryText(*StyleRatioEdit).Text(), v.ratio) && v.ratio.dValue() > 0.5,
                "Illegal value for ratio.  Must be real number greater than 0.5.  Please correct.",
                AxisStylePage, StyleRatioEdit))
        return false;

    v.yLabelSize = SizeOf(*YAxisLabelSizeComboBox);
    if (Refused(v.yLabelSize > 0,
                "Illegal size for y-axis label.  Must be number greater than 0.  Please correct.",
                YAxisPage, YAxisLabelSizeComboBox))
        return false;
    if (Refused(ReadNumber(EntryText(*YAxisScaleMinimumValueEdit).Text(), v.yMinimum),
                "Illegal value for y-axis minimum value.  Must be real number.  Please correct.",
                YAxisPage, YAxisScaleMinimumValueEdit))
        return false;
    if (Refused(ReadNumber(EntryText(*YAxisScaleMaximumValueEdit).Text(), v.yMaximum),
                "Illegal value for y-axis maximum value.  Must be real number.  Please correct.",
                YAxisPage, YAxisScaleMaximumValueEdit))
        return false;
    if (Refused(v.yMinimum < v.yMaximum,
                "Y-axis minimum must be less than maximum.  Please correct.", YAxisPage,
                YAxisScaleMinimumValueEdit))
        return false;
    v.yScaleSize = SizeOf(*YAxisScaleSizeComboBox);
    if (Refused(v.yScaleSize > 0,
                "Illegal size for y-axis scale.  Must be number greater than 0.  Please correct.",
                YAxisPage, YAxisScaleSizeComboBox))
        return false;
    if (Refused(ReadCount(EntryText(*YAxisLayoutNumberValuesEdit).Text(), 2, v.yNumberValues),
                "Illegal value for y-axis number of values.  Must be integer of at least 2.  "
                "Please correct.",
                YAxisPage, YAxisLayoutNumberValuesEdit))
        return false;
    if (Refused(ReadCount(EntryText(*YAxisLayoutNumberTicsEdit).Text(), 0, v.yNumberTics),
                "Illegal value for y-axis number of tics.  Must be integer of at least 0.  Please "
                "correct.",
                YAxisPage, YAxisLayoutNumberTicsEdit))
        return false;

    v.xLabelSize = SizeOf(*XAxisLabelSizeComboBox);
    if (Refused(v.xLabelSize > 0,
                "Illegal size for x-axis label.  Must be number greater than 0.  Please correct.",
                XAxisPage, XAxisLabelSizeComboBox))
        return false;
    if (!labelledXAxis)
    {
        if (Refused(ReadNumber(EntryText(*XAxisScaleMinimumValueEdit).Text(), v.xMinimum),
                    "Illegal value for x-axis minimum value.  Must be real number.  Please "
                    "correct.",
                    XAxisPage, XAxisScaleMinimumValueEdit))
            return false;
        if (Refused(ReadNumber(EntryText(*XAxisScaleMaximumValueEdit).Text(), v.xMaximum),
                    "Illegal value for x-axis maximum value.  Must be real number.  Please "
                    "correct.",
                    XAxisPage, XAxisScaleMaximumValueEdit))
            return false;
        if (Refused(v.xMinimum < v.xMaximum,
                    "X-axis minimum must be less than maximum.  Please correct.", XAxisPage,
                    XAxisScaleMinimumValueEdit))
            return false;
        v.xScaleSize = SizeOf(*XAxisScaleValueSizeComboBox);
        if (Refused(v.xScaleSize > 0,
                    "Illegal size for x-axis scale.  Must be number greater than 0.  Please "
                    "correct.",
                    XAxisPage, XAxisScaleValueSizeComboBox))
            return false;
        if (Refused(ReadCount(EntryText(*XAxisLayoutNumberValuesEdit).Text(), 2, v.xNumberValues),
                    "Illegal value for x-axis number of values.  Must be integer of at least 2.  "
                    "Please correct.",
                    XAxisPage, XAxisLayoutNumberValuesEdit))
            return false;
        if (Refused(ReadCount(EntryText(*XAxisLayoutNumberTicsEdit).Text(), 0, v.xNumberTics),
                    "Illegal value for x-axis number of tics.  Must be integer of at least 0.  "
                    "Please correct.",
                    XAxisPage, XAxisLayoutNumberTicsEdit))
            return false;
    }
    else
    {
        // Compared as unsigned numbers: a list without a selection comes after every label.
        if (Refused(static_cast<unsigned>(XAxisScaleMinimumLabelComboBox->currentIndex()) <
                        static_cast<unsigned>(XAxisScaleMaximumLabelComboBox->currentIndex()),
                    "X-axis minimum label must be before maximum label.  Please correct.",
                    XAxisPage, XAxisScaleMinimumLabelComboBox))
            return false;
        v.xScaleSize = SizeOf(*XAxisScaleLabelSizeComboBox);
        if (Refused(v.xScaleSize > 0,
                    "Illegal size for x-axis scale.  Must be number greater than 0.  Please "
                    "correct.",
                    XAxisPage, XAxisScaleLabelSizeComboBox))
            return false;
        if (Refused(ReadCount(EntryText(*XAxisLayoutNumberLabelsEdit).Text(), 2, v.xNumberLabels),
                    "Illegal value for x-axis number of labels.  Must be integer of at least 2.  "
                    "Please correct.",
                    XAxisPage, XAxisLayoutNumberLabelsEdit))
            return false;
        // More labels than the axis has become all of them, and the field says so.
        if (static_cast<std::uint32_t>(v.xNumberLabels) > plot.XLabelCount())
        {
            v.xNumberLabels = static_cast<std::int32_t>(plot.XLabelCount());
            XAxisLayoutNumberLabelsEdit->setText(NumberText(plot.XLabelCount()));
        }
    }

    v.keySize = SizeOf(*KeySizeComboBox);
    if (Refused(v.keySize > 0,
                "Illegal size for key title.  Must be number greater than 0.  Please correct.",
                KeyPage, KeySizeComboBox))
        return false;
    v.keyLineSize = SizeOf(*LineSizeComboBox);
    if (Refused(v.keyLineSize > 0,
                "Illegal size for lines in key.  Must be number greater than 0.  Please correct.",
                KeyPage, LineSizeComboBox))
        return false;

    const Handler showLine = &TPlotOptionsDialogBox::LineTabControlChange;
    for (std::uint32_t i = 0; i < plot.LineCount(); ++i)
    {
        const int tab = static_cast<int>(i);
        LineLabels[i].vdTrim();
        if (Refused(LineLabels[i].Length() > 0, "Must enter label for line.  Please correct.",
                    LinePage, LineLabelEdit, LinesTabControl, showLine, tab))
            return false;
        if (linesCarryValues)
        {
            LineValues[i].vdTrim();
            Real value;
            if (Refused(ReadNumber(LineValues[i].Text(), value),
                        "Illegal input for value.  Must be real number.  Please correct.", LinePage,
                        LineValueEdit, LinesTabControl, showLine, tab))
                return false;
        }
        if (ShowsPoints(*plot.Line(i + 1)) &&
            Refused(Plot::dSizeFromText(LinePointSizes[i].Text()) > 0,
                    "Illegal size for point.  Must be number greater than 0.  Please correct.",
                    LinePage, LinePointSizeComboBox, LinesTabControl, showLine, tab))
            return false;
    }

    if (plot.OffAxisCount() > 0)
    {
        v.offAxisSize = SizeOf(*OffAxisSizeComboBox);
        if (Refused(v.offAxisSize > 0,
                    "Illegal size for off-axis variables.  Must be number greater than 0.  Please "
                    "correct.",
                    OffAxisPage, OffAxisSizeComboBox))
            return false;
    }
    const Handler showVariable = &TPlotOptionsDialogBox::OffAxisTabControlChange;
    for (std::uint32_t j = 0; j < plot.OffAxisCount(); ++j)
    {
        const int tab = static_cast<int>(j);
        OffAxisNames[j].vdTrim();
        OffAxisValues[j].vdTrim();
        if (Refused(OffAxisNames[j].Length() > 0,
                    "Must enter name for off-axis variable.  Please correct.", OffAxisPage,
                    OffAxisNameEdit, OffAxisTabControl, showVariable, tab))
            return false;
        Real value;
        if (Refused(ReadNumber(OffAxisValues[j].Text(), value),
                    "Illegal value for off-axis variable.  Must be real number.  Please correct.",
                    OffAxisPage, OffAxisValueEdit, OffAxisTabControl, showVariable, tab))
            return false;
    }

    if (plot.CommentCount() > 0)
    {
        v.commentsSize = SizeOf(*CommentsSizeComboBox);
        if (Refused(v.commentsSize > 0,
                    "Illegal size for comments.  Must be number greater than 0.  Please correct.",
                    CommentsPage, CommentsSizeComboBox))
            return false;
    }
    return true;
}

void TPlotOptionsDialogBox::vdWriteEntries(const Values& v)
{
    Plot& plot = EditedPlot;
    plot.vdSetMainTitle(TrimmedText(*MainTitleEditControl).Text());
    plot.vdSetSubTitle(TrimmedText(*SubTitleEditControl).Text());
    plot.vdSetMainTitleSize(v.mainTitleSize);
    plot.vdSetSubTitleSize(v.subTitleSize);
    plot.vdSetMainTitleColor(ChosenColour(*MainTitleColorComboBox, plot.MainTitleColor()));
    plot.vdSetSubTitleColor(ChosenColour(*SubTitleColorComboBox, plot.SubTitleColor()));

    // A style the Plot held that no item stands for stays unless an item was chosen.
    if (StyleAxisRadioGroup->checkedId() >= 0)
        plot.vdSetAxisStyle(static_cast<std::uint8_t>(StyleAxisRadioGroup->checkedId()));
    if (StyleTicRadioGroup->checkedId() >= 0)
        plot.vdSetTicStyle(static_cast<std::uint8_t>(StyleTicRadioGroup->checkedId()));
    plot.vdSetTicSizeNumber(v.ticSizeNumber);
    plot.vdSetTicSizeBetween(v.ticSizeBetween);
    plot.vdSetAxisRatio(v.ratio.dValue());

    plot.vdSetYAxisLabel(TrimmedText(*YAxisLabelTextEdit).Text());
    plot.vdSetYAxisLabelSize(v.yLabelSize);
    plot.vdSetYAxisLabelVertical(YAxisLabelVerticalCheckBox->isChecked());
    plot.vdSetYAxisMinimum(v.yMinimum);
    plot.vdSetYAxisMaximum(v.yMaximum);
    plot.vdSetYAxisScaleSize(v.yScaleSize);
    plot.vdSetYAxisNumberValues(v.yNumberValues);
    plot.vdSetYAxisNumberTics(v.yNumberTics);

    plot.vdSetXAxisLabel(TrimmedText(*XAxisLabelTextEdit).Text());
    plot.vdSetXAxisLabelSize(v.xLabelSize);
    if (!labelledXAxis)
    {
        plot.vdSetXAxisMinimum(v.xMinimum);
        plot.vdSetXAxisMaximum(v.xMaximum);
        plot.vdSetXAxisScaleSize(v.xScaleSize);
        plot.vdSetXAxisNumberValues(v.xNumberValues);
        plot.vdSetXAxisNumberTics(v.xNumberTics);
    }
    else
    {
        plot.vdSetXAxisMinimumLabel(
            static_cast<std::uint32_t>(XAxisScaleMinimumLabelComboBox->currentIndex()));
        plot.vdSetXAxisMaximumLabel(
            static_cast<std::uint32_t>(XAxisScaleMaximumLabelComboBox->currentIndex()));
        plot.vdSetXAxisScaleSize(v.xScaleSize);
        plot.vdSetXAxisNumberLabels(static_cast<std::uint32_t>(v.xNumberLabels));
    }

    plot.vdSetKeyTitle(TrimmedText(*KeyTitleEdit).Text());
    plot.vdSetKeyTitleSize(v.keySize);
    plot.vdSetKeyLineSize(v.keyLineSize);
    plot.vdSetKeyTitleColor(ChosenColour(*KeyColorComboBox, plot.KeyTitleColor()));
    plot.vdSetDisplayKey(KeyDisplayCheckBox->isChecked());

    for (std::uint32_t i = 1; i <= plot.LineCount(); ++i)
    {
        const std::size_t t = i - 1;
        plot.vdSetLineLabel(i, LineLabels[t].Text());
        plot.vdSetLineColor(i, LineColors[t]);
        plot.vdSetLineStyle(i, LineStyles[t]);
        plot.vdSetLineThickness(i, LineThicknesses[t]);
        if (linesCarryValues)
            plot.vdSetLineValueText(i, LineValues[t].Text());
        if (!ShowsPoints(*plot.Line(i)))
            continue;
        plot.vdSetLinePointStyle(i, LinePointStyles[t]);
        plot.vdSetLinePointSize(i, Plot::dSizeFromText(LinePointSizes[t].Text()));
        plot.vdSetLineConnectPoints(i, LineConnectPoints[t] != 0);
    }

    if (plot.OffAxisCount() > 0)
    {
        plot.vdSetOffAxisSize(v.offAxisSize);
        plot.vdSetDisplayOffAxis(OffAxisDisplayCheckBox->isChecked());
    }
    for (std::uint32_t j = 1; j <= plot.OffAxisCount(); ++j)
    {
        plot.vdSetOffAxisVariableName(j, OffAxisNames[j - 1].Text());
        plot.vdSetOffAxisVariableValue(j, OffAxisValues[j - 1].Text());
    }

    if (plot.CommentCount() > 0)
    {
        plot.vdSetCommentsSize(v.commentsSize);
        plot.vdSetDisplayComments(CommentsDisplayCheckBox->isChecked());
    }
    for (std::uint32_t c = 1; c <= plot.CommentCount(); ++c)
        plot.vdSetComment(c, CommentTexts[c - 1].Text());

    plot.vdSetAutoScale(AutoScaleCheckBox->isChecked());
    plot.vdSetResolution(ResolutionComboBox->currentIndex());
}

} // namespace Brosquin
