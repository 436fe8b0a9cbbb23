#include "widgets/PlotOptionsDialogBox.h"

#include "graphics/Plot.h"
#include "graphics/PlotOptionEntries.h"
#include "graphics/StyleSamples.h"
#include "widgets/DrawingControl.h"
#include "widgets/PlotOptionsFields.h"
#include "widgets/StyleComboBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QVBoxLayout>

namespace Brosquin
{

namespace
{

// The line resolutions as the list shows them; the item index is the Plot's resolution index.
constexpr const char* resolutionChoices[Plot::ResolutionCount] = {
    "Low Resolution   (50 pts)", "Medium               (100 points)",
    "High                    (200 points)", "Extra High           (1000 points)"};
constexpr const char* lineStyleChoices[] = {"Not Displayed", "Solid",    "Dash",
                                            "Dot",           "Dash Dot", "Dash Dot Dot"};
constexpr const char* thicknessChoices[] = {"Hairline", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6"};
constexpr const char* pointStyleChoices[] = {
    "None",         "Hollow Circle", "Hollow Square", "Hollow Diamond", "Hollow Triangle",
    "Solid Circle", "Solid Square",  "Solid Diamond", "Solid Triangle", "Plus Sign"};

QGroupBox* NewGroupBox(const char* name, const QString& caption, QWidget* parent)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QLatin1String(name));
    return group;
}

QLineEdit* NewEdit(const char* name, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLineEdit* NewEdit(const char* name, const String& text, QWidget* parent)
{
    return NewEdit(name, QStringOfAnsi(text.Text()), parent);
}

QCheckBox* NewCheckBox(const char* name, const QString& caption, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

// A drop-down list (no free text) of the choices, showing at most `rows` of them at a time.
template <class List, std::size_t N>
List* FillList(List* list, const char* name, const char* const (&choices)[N], int rows)
{
    list->setObjectName(QLatin1String(name));
    for (const char* choice : choices)
        list->addItem(QString::fromLatin1(choice));
    list->setMaxVisibleItems(rows);
    return list;
}

// The colour choices, the given colour chosen; the first choice ("Black") for a colour that is
// none of them (a line's list shows its line's colour afresh on every tab).
QComboBox* NewColorComboBox(const char* name, Colour colour, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (int index = 0; index < Plot::ColorCount; ++index)
        list->addItem(QString::fromLatin1(Plot::ColorNames[index]));
    list->setCurrentIndex(std::max(0, ColorChoiceIndex(colour)));
    return list;
}

// A row of a field grid: the caption, whose access key focuses the field, before the field. A
// caption without the focus link still shows its access key.
void vdAddField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field,
                bool focusLink = true)
{
    auto* label = new QLabel(caption, field->parentWidget());
    if (focusLink)
        label->setBuddy(field);
    else
        label->setText(QString(caption).replace(QRegularExpression(QStringLiteral("&(.)")),
                                                QStringLiteral("<u>\\1</u>")));
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
}

QGridLayout* NewGrid(QWidget* owner)
{
    auto* grid = new QGridLayout(owner);
    grid->setColumnStretch(1, 1);
    return grid;
}

// The off-axis and the comments pages: the size and the display switch of their items above the
// tab bar, and under it the sheet of the fields the items share, whose grid is returned.
QGridLayout* NewSharedFieldsPage(QWidget* page, const QString& sizeCaption, QComboBox* size,
                                 QCheckBox* display, QTabBar* bar)
{
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    vdAddField(grid, 0, 0, sizeCaption, size);
    grid->addWidget(display, 1, 0, 1, 2);
    layout->addLayout(grid);
    layout->addWidget(bar);
    auto* sheet = new QFrame(page);
    sheet->setFrameStyle(QFrame::StyledPanel);
    layout->addWidget(sheet);
    layout->addStretch();
    return NewGrid(sheet);
}

} // namespace

QComboBox* TPlotOptionsDialogBox::NewSizeComboBox(const char* name, double size, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const char* const* choice = Plot::SizeChoices; *choice != nullptr; ++choice)
        combo->addItem(QString::fromLatin1(*choice));
    combo->setEditText(SizeText(size));
    connect(combo->lineEdit(), &QLineEdit::editingFinished, this,
            [this, combo] { SizeComboBoxExit(*combo); });
    return combo;
}

void TPlotOptionsDialogBox::vdBuildTitlePage(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    const Plot& plot = EditedPlot;
    struct Title
    {
        const char* group;
        const char* caption;
        const char* edit;
        const char* editCaption;
        const String& text;
        const char* size;
        const char* sizeCaption;
        double sizeValue;
        const char* colour;
        const char* colourCaption;
        Colour colourValue;
        QLineEdit*& editControl;
        QComboBox*& sizeControl;
        QComboBox*& colourControl;
    };
    const Title titles[2] = {
        {"GroupBox2", "MainTitle", "MainTitleEditControl", "&Main Title:", plot.MainTitle(),
         "MainTitleSizeComboBox", "Si&ze:", plot.dMainTitleSize(), "MainTitleColorComboBox",
         "Colo&r:", plot.MainTitleColor(), MainTitleEditControl, MainTitleSizeComboBox,
         MainTitleColorComboBox},
        {"GroupBox3", "Sub Title", "SubTitleEditControl", "&Sub Title:", plot.SubTitle(),
         "SubTitleSizeComboBox", "Siz&e:", plot.dSubTitleSize(), "SubTitleColorComboBox", "Color:",
         plot.SubTitleColor(), SubTitleEditControl, SubTitleSizeComboBox, SubTitleColorComboBox},
    };
    for (const Title& title : titles)
    {
        QGroupBox* group = NewGroupBox(title.group, tr(title.caption), page);
        QGridLayout* grid = NewGrid(group);
        title.editControl = NewEdit(title.edit, title.text, group);
        title.sizeControl = NewSizeComboBox(title.size, title.sizeValue, group);
        title.colourControl = NewColorComboBox(title.colour, title.colourValue, group);
        vdAddField(grid, 0, 0, tr(title.editCaption), title.editControl);
        grid->addWidget(title.editControl, 0, 1, 1, 3);
        vdAddField(grid, 1, 0, tr(title.sizeCaption), title.sizeControl);
        vdAddField(grid, 1, 2, tr(title.colourCaption), title.colourControl);
        layout->addWidget(group);
    }
    layout->addStretch();
}

void TPlotOptionsDialogBox::vdBuildAxisStylePage(QWidget* page)
{
    const Plot& plot = EditedPlot;
    auto* grid = new QGridLayout(page);
    // Each radio group holds its items beside the preview of their styles.
    struct Styles
    {
        const char* group;
        const char* caption;
        std::vector<const char*> items;
        int chosen;
        const char* panel;
        const char* controlName;
        Drawing* (*preview)();
        QButtonGroup*& buttons;
        TDrawingControl*& control;
        void (TPlotOptionsDialogBox::*click)(std::uint32_t);
    };
    const Styles styles[2] = {
        {"StyleAxisRadioGroup",
         "Axis Style",
         {"&1", "&2", "&3", "&4"},
         plot.AxisStyle(),
         "Panel1",
         "AxisStyleDrawingControl",
         NewAxisStylePreview,
         StyleAxisRadioGroup,
         AxisStyleDrawingControl,
         &TPlotOptionsDialogBox::AxisStyleDrawingControlMouseClickObject},
        {"StyleTicRadioGroup",
         "Tic Style",
         {"&Both Sides", "&Inside", "Out&side"},
         plot.TicStyle(),
         "Panel2",
         "TicStyleDrawingControl",
         NewTicStylePreview,
         StyleTicRadioGroup,
         TicStyleDrawingControl,
         &TPlotOptionsDialogBox::TicStyleDrawingControlMouseClickObject},
    };
    int column = 0;
    for (const Styles& style : styles)
    {
        QGroupBox* group = NewGroupBox(style.group, tr(style.caption), page);
        style.buttons = new QButtonGroup(group);
        auto* items = new QVBoxLayout;
        for (std::size_t item = 0; item < style.items.size(); ++item)
        {
            auto* radio = new QRadioButton(tr(style.items[item]), group);
            style.buttons->addButton(radio, static_cast<int>(item));
            radio->setChecked(static_cast<int>(item) == style.chosen);
            items->addWidget(radio);
        }
        auto* panel = new QFrame(group);
        panel->setObjectName(QLatin1String(style.panel));
        panel->setMinimumSize(70, 150);
        style.control = new TDrawingControl(panel);
        style.control->setObjectName(QLatin1String(style.controlName));
        style.control->vdSetDrawing(style.preview());
        style.control->OnMouseClickObject =
            [this, click = style.click](QObject*, std::uint32_t tag, std::uint32_t)
        { (this->*click)(tag); };
        auto* row = new QHBoxLayout(group);
        row->addLayout(items);
        row->addWidget(panel, 1);
        grid->addWidget(group, 0, column++);
    }

    QGroupBox* ticSize = NewGroupBox("GroupBox7", tr("Tic Size"), page);
    QGridLayout* ticGrid = NewGrid(ticSize);
    StyleTicSizeNumberComboBox =
        NewSizeComboBox("StyleTicSizeNumberComboBox", plot.dTicSizeNumber(), ticSize);
    StyleTicSizeBetweenComboBox =
        NewSizeComboBox("StyleTicSizeBetweenComboBox", plot.dTicSizeBetween(), ticSize);
    vdAddField(ticGrid, 0, 0, tr("&Number or Label:"), StyleTicSizeNumberComboBox);
    vdAddField(ticGrid, 1, 0, tr("Bet&ween"), StyleTicSizeBetweenComboBox);
    grid->addWidget(ticSize, 1, 0);

    auto* ratio = new QGridLayout;
    StyleRatioEdit = NewEdit("StyleRatioEdit", NumberText(plot.dAxisRatio()), page);
    vdAddField(ratio, 0, 0, tr("&Ratio X-Axis to Y-Axis:"), StyleRatioEdit);
    ratio->setRowStretch(1, 1);
    grid->addLayout(ratio, 1, 1);
}

void TPlotOptionsDialogBox::vdBuildYAxisPage(QWidget* page)
{
    const Plot& plot = EditedPlot;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* label = NewGroupBox("GroupBox1", tr("Label"), page);
    QGridLayout* labelGrid = NewGrid(label);
    YAxisLabelTextEdit = NewEdit("YAxisLabelTextEdit", plot.YAxisLabel(), label);
    YAxisLabelSizeComboBox =
        NewSizeComboBox("YAxisLabelSizeComboBox", plot.dYAxisLabelSize(), label);
    YAxisLabelVerticalCheckBox =
        NewCheckBox("YAxisLabelVerticalCheckBox", tr("&Display Label Vertically"),
                    plot.bYAxisLabelVertical(), label);
    vdAddField(labelGrid, 0, 0, tr("T&ext:"), YAxisLabelTextEdit);
    vdAddField(labelGrid, 1, 0, tr("&Size:"), YAxisLabelSizeComboBox);
    labelGrid->addWidget(YAxisLabelVerticalCheckBox, 2, 1);
    layout->addWidget(label);

    auto* row = new QHBoxLayout;
    QGroupBox* scale = NewGroupBox("GroupBox4", tr("Scale"), page);
    QGridLayout* scaleGrid = NewGrid(scale);
    YAxisScaleMinimumValueEdit =
        NewEdit("YAxisScaleMinimumValueEdit", NumberText(plot.YAxisMinimum()), scale);
    YAxisScaleMaximumValueEdit =
        NewEdit("YAxisScaleMaximumValueEdit", NumberText(plot.YAxisMaximum()), scale);
    YAxisScaleSizeComboBox =
        NewSizeComboBox("YAxisScaleSizeComboBox", plot.dYAxisScaleSize(), scale);
    vdAddField(scaleGrid, 0, 0, tr("Mi&nimum Value:"), YAxisScaleMinimumValueEdit);
    vdAddField(scaleGrid, 1, 0, tr("&Maximum Value:"), YAxisScaleMaximumValueEdit);
    vdAddField(scaleGrid, 2, 0, tr("Si&ze:"), YAxisScaleSizeComboBox);
    row->addWidget(scale);

    QGroupBox* layoutGroup = NewGroupBox("GroupBox5", tr("Layout"), page);
    QGridLayout* layoutGrid = NewGrid(layoutGroup);
    YAxisLayoutNumberValuesEdit =
        NewEdit("YAxisLayoutNumberValuesEdit", NumberText(plot.YAxisNumberValues()), layoutGroup);
    YAxisLayoutNumberTicsEdit =
        NewEdit("YAxisLayoutNumberTicsEdit", NumberText(plot.YAxisNumberTics()), layoutGroup);
    vdAddField(layoutGrid, 0, 0, tr("Number of &Values on Axis:"), YAxisLayoutNumberValuesEdit);
    vdAddField(layoutGrid, 1, 0, tr("Number of Tics &Between Values:"), YAxisLayoutNumberTicsEdit);
    layoutGrid->setRowStretch(2, 1);
    row->addWidget(layoutGroup);
    layout->addLayout(row);
    layout->addStretch();
}

void TPlotOptionsDialogBox::vdBuildXAxisPage(QWidget* page)
{
    const Plot& plot = EditedPlot;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* label = NewGroupBox("GroupBox6", tr("Label"), page);
    QGridLayout* labelGrid = NewGrid(label);
    XAxisLabelTextEdit = NewEdit("XAxisLabelTextEdit", plot.XAxisLabel(), label);
    XAxisLabelSizeComboBox =
        NewSizeComboBox("XAxisLabelSizeComboBox", plot.dXAxisLabelSize(), label);
    vdAddField(labelGrid, 0, 0, tr("T&ext:"), XAxisLabelTextEdit);
    vdAddField(labelGrid, 1, 0, tr("&Size:"), XAxisLabelSizeComboBox);
    layout->addWidget(label);

    // The numeric form and the labelled form of the axis lie on the same places; the Plot's
    // axis chooses the pair shown.
    auto* row = new QHBoxLayout;
    QGroupBox* valueScale = NewGroupBox("XAxisScaleGroupBox1", tr("Scale"), page);
    QGroupBox* valueLayout = NewGroupBox("XAxisLayoutGroupBox1", tr("Layout"), page);
    QGroupBox* labelScale = NewGroupBox("XAxisScaleGroupBox2", tr("Scale"), page);
    QGroupBox* labelLayout = NewGroupBox("XAxisLayoutGroupBox2", tr("Layout"), page);
    for (QGroupBox* group : {valueScale, labelScale, valueLayout, labelLayout})
        row->addWidget(group);
    layout->addLayout(row);
    layout->addStretch();
    QGroupBox* const unused[2] = {labelledXAxis ? valueScale : labelScale,
                                  labelledXAxis ? valueLayout : labelLayout};
    for (QGroupBox* hidden : unused)
    {
        hidden->hide();
        hidden->setEnabled(false);
    }

    QGridLayout* valueScaleGrid = NewGrid(valueScale);
    XAxisScaleMinimumValueEdit =
        NewEdit("XAxisScaleMinimumValueEdit", NumberText(plot.XAxisMinimum()), valueScale);
    XAxisScaleMaximumValueEdit =
        NewEdit("XAxisScaleMaximumValueEdit", NumberText(plot.XAxisMaximum()), valueScale);
    XAxisScaleValueSizeComboBox =
        NewSizeComboBox("XAxisScaleValueSizeComboBox", plot.dXAxisScaleSize(), valueScale);
    vdAddField(valueScaleGrid, 0, 0, tr("Mi&nimum Value:"), XAxisScaleMinimumValueEdit);
    vdAddField(valueScaleGrid, 1, 0, tr("&Maximum Value:"), XAxisScaleMaximumValueEdit);
    vdAddField(valueScaleGrid, 2, 0, tr("Si&ze:"), XAxisScaleValueSizeComboBox);

    QGridLayout* valueLayoutGrid = NewGrid(valueLayout);
    XAxisLayoutNumberValuesEdit =
        NewEdit("XAxisLayoutNumberValuesEdit", NumberText(plot.XAxisNumberValues()), valueLayout);
    XAxisLayoutNumberTicsEdit =
        NewEdit("XAxisLayoutNumberTicsEdit", NumberText(plot.XAxisNumberTics()), valueLayout);
    vdAddField(valueLayoutGrid, 0, 0, tr("Number of &Values on Axis:"),
               XAxisLayoutNumberValuesEdit);
    vdAddField(valueLayoutGrid, 1, 0, tr("Number of Tics &Between Values:"),
               XAxisLayoutNumberTicsEdit);
    valueLayoutGrid->setRowStretch(2, 1);

    QGridLayout* labelScaleGrid = NewGrid(labelScale);
    XAxisScaleMinimumLabelComboBox = new QComboBox(labelScale);
    XAxisScaleMinimumLabelComboBox->setObjectName(QStringLiteral("XAxisScaleMinimumLabelComboBox"));
    XAxisScaleMaximumLabelComboBox = new QComboBox(labelScale);
    XAxisScaleMaximumLabelComboBox->setObjectName(QStringLiteral("XAxisScaleMaximumLabelComboBox"));
    for (QComboBox* list : {XAxisScaleMinimumLabelComboBox, XAxisScaleMaximumLabelComboBox})
    {
        list->setMaxVisibleItems(12);
        for (std::uint32_t i = 0; labelledXAxis && i < plot.XLabelCount(); ++i)
            list->addItem(QString::number(i + 1) + QStringLiteral(":  ") +
                          QStringOfAnsi(plot.XLabelText(i).Text()));
    }
    if (labelledXAxis)
    {
        XAxisScaleMinimumLabelComboBox->setCurrentIndex(static_cast<int>(plot.XAxisMinimumLabel()));
        XAxisScaleMaximumLabelComboBox->setCurrentIndex(static_cast<int>(plot.XAxisMaximumLabel()));
    }
    XAxisScaleLabelSizeComboBox =
        NewSizeComboBox("XAxisScaleLabelSizeComboBox", plot.dXAxisScaleSize(), labelScale);
    vdAddField(labelScaleGrid, 0, 0, tr("Mi&nimum Label:"), XAxisScaleMinimumLabelComboBox);
    vdAddField(labelScaleGrid, 1, 0, tr("&Maximum Label:"), XAxisScaleMaximumLabelComboBox);
    vdAddField(labelScaleGrid, 2, 0, tr("Si&ze:"), XAxisScaleLabelSizeComboBox);

    QGridLayout* labelLayoutGrid = NewGrid(labelLayout);
    XAxisLayoutNumberLabelsEdit =
        NewEdit("XAxisLayoutNumberLabelsEdit", NumberText(plot.XAxisNumberLabels()), labelLayout);
    vdAddField(labelLayoutGrid, 0, 0, tr("Num&ber of Labels on Axis:"),
               XAxisLayoutNumberLabelsEdit);
    labelLayoutGrid->setRowStretch(1, 1);
}

void TPlotOptionsDialogBox::vdBuildKeyPage(QWidget* page)
{
    const Plot& plot = EditedPlot;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* title = NewGroupBox("GroupBox8", tr("KeyTitle"), page);
    QGridLayout* titleGrid = NewGrid(title);
    KeyTitleEdit = NewEdit("KeyTitleEdit", plot.KeyTitle(), title);
    KeySizeComboBox = NewSizeComboBox("KeySizeComboBox", plot.dKeyTitleSize(), title);
    KeyColorComboBox = NewColorComboBox("KeyColorComboBox", plot.KeyTitleColor(), title);
    vdAddField(titleGrid, 0, 0, tr("K&ey Title:"), KeyTitleEdit);
    vdAddField(titleGrid, 1, 0, tr("&Size:"), KeySizeComboBox);
    vdAddField(titleGrid, 2, 0, tr("Colo&r:"), KeyColorComboBox);
    layout->addWidget(title);

    QGroupBox* lines = NewGroupBox("GroupBox9", tr("Display Key To Lines"), page);
    QGridLayout* linesGrid = NewGrid(lines);
    KeyDisplayCheckBox =
        NewCheckBox("KeyDisplayCheckBox", tr("&Display Key to Lines:"), plot.bDisplayKey(), lines);
    LineSizeComboBox = NewSizeComboBox("LineSizeComboBox", plot.dKeyLineSize(), lines);
    linesGrid->addWidget(KeyDisplayCheckBox, 0, 0, 1, 2);
    vdAddField(linesGrid, 1, 0, tr("Si&ze of Line Labels in Key:"), LineSizeComboBox);
    layout->addWidget(lines);
    layout->addStretch();
}

void TPlotOptionsDialogBox::vdBuildLinePage(QWidget* page)
{
    const Plot& plot = EditedPlot;
    const std::uint32_t n = plot.LineCount();
    auto* layout = new QVBoxLayout(page);
    LinesTabControl =
        NewTabBar("LinesTabControl", n, &TPlotOptionsDialogBox::LineTabControlChanging,
                  &TPlotOptionsDialogBox::LineTabControlChange, page);
    layout->addWidget(LinesTabControl);

    QGroupBox* info = NewGroupBox("LineInfoGroupBox", tr("Line Info"), page);
    QGridLayout* infoGrid = NewGrid(info);
    LineLabelEdit = NewEdit("LineLabelEdit", QString(), info);
    LineColorComboBox = NewColorComboBox("LineColorComboBox", 0, info);
    LineInfoStyleComboBox = FillList(new TStyleComboBox(vdDrawLineStyleItem, info),
                                     "LineInfoStyleComboBox", lineStyleChoices, 6);
    LineThicknessComboBox =
        FillList(new QComboBox(info), "LineThicknessComboBox", thicknessChoices, 7);
    vdAddField(infoGrid, 0, 0, tr("La&bel:"), LineLabelEdit);
    vdAddField(infoGrid, 1, 0, tr("Colo&r:"), LineColorComboBox);
    vdAddField(infoGrid, 2, 0, tr("&Style:"), LineInfoStyleComboBox);
    vdAddField(infoGrid, 3, 0, tr("Thick&ness:"), LineThicknessComboBox, false);
    layout->addWidget(info);

    auto* row = new QHBoxLayout;
    LineValueGroupBox = NewGroupBox("LineValueGroupBox", tr("Value"), page);
    QGridLayout* valueGrid = NewGrid(LineValueGroupBox);
    LineValueEdit = NewEdit("LineValueEdit", QString(), LineValueGroupBox);
    vdAddField(valueGrid, 0, 0, tr("&Value:"), LineValueEdit);
    valueGrid->setRowStretch(1, 1);
    row->addWidget(LineValueGroupBox);

    LinePointGroupBox = NewGroupBox("LinePointGroupBox", tr("Point"), page);
    QGridLayout* pointGrid = NewGrid(LinePointGroupBox);
    LinePointStyleComboBox = FillList(new TStyleComboBox(vdDrawPointStyleItem, LinePointGroupBox),
                                      "LinePointStyleComboBox", pointStyleChoices, 9);
    LinePointSizeComboBox = NewSizeComboBox("LinePointSizeComboBox", 0, LinePointGroupBox);
    LinePointConnectPointsCheckBox =
        NewCheckBox("LinePointConnectPointsCheckBox", tr("Connect Points &With Lines"), true,
                    LinePointGroupBox);
    vdAddField(pointGrid, 0, 0, tr("Styl&e:"), LinePointStyleComboBox);
    vdAddField(pointGrid, 1, 0, tr("Si&ze:"), LinePointSizeComboBox);
    pointGrid->addWidget(LinePointConnectPointsCheckBox, 2, 0, 1, 2);
    row->addWidget(LinePointGroupBox);
    layout->addLayout(row);
    layout->addStretch();

    connect(LineInfoStyleComboBox, &QComboBox::currentIndexChanged, this,
            &TPlotOptionsDialogBox::LineInfoStyleComboBoxChange);
    connect(LineThicknessComboBox, &QComboBox::currentIndexChanged, this,
            &TPlotOptionsDialogBox::LineThicknessComboBoxChange);
    connect(LinePointStyleComboBox, &QComboBox::currentIndexChanged, this,
            &TPlotOptionsDialogBox::LinePointStyleComboBoxChange);
    connect(LinePointConnectPointsCheckBox, &QCheckBox::toggled, this,
            &TPlotOptionsDialogBox::LinePointConnectPointsCheckBoxClick);

    for (std::uint32_t i = 1; i <= n; ++i)
    {
        const LineInfo& line = *plot.Line(i);
        LineLabels.push_back(line.label);
        LineColors.push_back(line.colour);
        LineStyles.push_back(line.style);
        LineThicknesses.push_back(line.thickness);
        LinePointStyles.push_back(line.pointStyle);
        LinePointSizes.push_back(String(AnsiOfQString(SizeText(line.pointSize)).constData()));
        LineConnectPoints.push_back(line.connectPoints ? 1 : 0);
        if (linesCarryValues)
            LineValues.push_back(line.valueText);
    }
    if (n > 0)
        vdSelectTab(LinesTabControl, &TPlotOptionsDialogBox::LineTabControlChange, 0);
}

void TPlotOptionsDialogBox::vdBuildOffAxisPage(QWidget* page)
{
    const Plot& plot = EditedPlot;
    const std::uint32_t m = plot.OffAxisCount();
    OffAxisSizeComboBox = NewSizeComboBox("OffAxisSizeComboBox", plot.dOffAxisSize(), page);
    OffAxisDisplayCheckBox = NewCheckBox(
        "OffAxisDisplayCheckBox", tr("&Display Off-Axis Variables:"), plot.bDisplayOffAxis(), page);
    OffAxisTabControl =
        NewTabBar("OffAxisTabControl", m, &TPlotOptionsDialogBox::OffAxisTabControlChanging,
                  &TPlotOptionsDialogBox::OffAxisTabControlChange, page);
    QGridLayout* sheet =
        NewSharedFieldsPage(page, tr("&Size of Off-Axis Variables:"), OffAxisSizeComboBox,
                            OffAxisDisplayCheckBox, OffAxisTabControl);
    OffAxisNameEdit = NewEdit("OffAxisNameEdit", QString(), sheet->parentWidget());
    OffAxisValueEdit = NewEdit("OffAxisValueEdit", QString(), sheet->parentWidget());
    vdAddField(sheet, 0, 0, tr("Variable  -   &Name:"), OffAxisNameEdit);
    vdAddField(sheet, 1, 0, tr("&Value:"), OffAxisValueEdit);

    for (std::uint32_t j = 1; j <= m; ++j)
    {
        OffAxisNames.push_back(plot.OffAxisVariable(j)->name);
        OffAxisValues.push_back(plot.OffAxisVariable(j)->valueText);
    }
    if (m > 0)
        vdSelectTab(OffAxisTabControl, &TPlotOptionsDialogBox::OffAxisTabControlChange, 0);
}

void TPlotOptionsDialogBox::vdBuildCommentsPage(QWidget* page)
{
    const Plot& plot = EditedPlot;
    const std::uint32_t k = plot.CommentCount();
    CommentsSizeComboBox = NewSizeComboBox("CommentsSizeComboBox", plot.dCommentsSize(), page);
    CommentsDisplayCheckBox = NewCheckBox("CommentsDisplayCheckBox", tr("&Display Comments:"),
                                          plot.bDisplayComments(), page);
    CommentsTabControl =
        NewTabBar("CommentsTabControl", k, &TPlotOptionsDialogBox::CommentsTabControlChanging,
                  &TPlotOptionsDialogBox::CommentsTabControlChange, page);
    QGridLayout* sheet = NewSharedFieldsPage(page, tr("&Size of Comments"), CommentsSizeComboBox,
                                             CommentsDisplayCheckBox, CommentsTabControl);
    CommentsTextEdit = NewEdit("CommentsTextEdit", QString(), sheet->parentWidget());
    vdAddField(sheet, 0, 0, tr("Co&mment:"), CommentsTextEdit);

    for (std::uint32_t c = 1; c <= k; ++c)
        CommentTexts.push_back(*plot.Comment(c));
    if (k > 0)
        vdSelectTab(CommentsTabControl, &TPlotOptionsDialogBox::CommentsTabControlChange, 0);
}

void TPlotOptionsDialogBox::vdBuildOtherPage(QWidget* page)
{
    const Plot& plot = EditedPlot;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* autoScale = NewGroupBox("GroupBox10", tr("Auto Scale"), page);
    AutoScaleCheckBox =
        NewCheckBox("AutoScaleCheckBox", tr("Auto &scale plots whenever axis scale changes."),
                    plot.bAutoScale(), autoScale);
    (new QVBoxLayout(autoScale))->addWidget(AutoScaleCheckBox);
    layout->addWidget(autoScale);

    QGroupBox* resolution = NewGroupBox("GroupBox11", tr("Resolution"), page);
    ResolutionComboBox = FillList(new QComboBox(resolution), "ResolutionComboBox",
                                  resolutionChoices, Plot::ResolutionCount);
    vdSelectItem(*ResolutionComboBox, plot.Resolution());
    vdAddField(NewGrid(resolution), 0, 0, tr("&Resolution for lines:"), ResolutionComboBox);
    layout->addWidget(resolution);

    // Only a plot whose number of lines may change shows it.
    QGroupBox* numberLines = NewGroupBox("NumberLinesGroupBox", tr("Number of Lines"), page);
    auto* numberLinesEdit =
        NewEdit("NumberLinesEdit", NumberText(static_cast<double>(plot.LineCount())), numberLines);
    vdAddField(NewGrid(numberLines), 0, 0, tr("&Number of Lines:"), numberLinesEdit);
    numberLines->setVisible(plot.bVariableNumberOfLines());
    layout->addWidget(numberLines);
    layout->addStretch();
}

} // namespace Brosquin
