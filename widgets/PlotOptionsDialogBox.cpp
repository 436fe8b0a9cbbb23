#include "widgets/PlotOptionsDialogBox.h"

#include "graphics/Plot.h"
#include "graphics/PlotOptionEntries.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"
#include "widgets/PlotControl.h"
#include "widgets/PlotOptionsFields.h"
#include "widgets/StyleComboBox.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Brosquin
{

namespace
{

struct Opening
{
    TPlotOptionsDialogBox::Page page;
    int tab;
};

// The page, and the tab on it, that a code opens; the Title page for a code that names nothing
// the dialog shows.
Opening OpeningOf(std::uint32_t code, const Plot& plot)
{
    switch (code)
    {
    case 2:
        return {TPlotOptionsDialogBox::YAxisPage, 0};
    case 3:
        return {TPlotOptionsDialogBox::XAxisPage, 0};
    case 4:
        return {TPlotOptionsDialogBox::AxisStylePage, 0};
    case 5:
        return {TPlotOptionsDialogBox::KeyPage, 0};
    default:
        break;
    }
    const auto within = [code](std::uint32_t base, std::uint32_t count)
    { return code > base && code - base <= count; };
    if (within(1000, plot.LineCount()))
        return {TPlotOptionsDialogBox::LinePage, static_cast<int>(code - 1001)};
    if (within(2000, plot.OffAxisCount()))
        return {TPlotOptionsDialogBox::OffAxisPage, static_cast<int>(code - 2001)};
    if (within(3000, plot.CommentCount()))
        return {TPlotOptionsDialogBox::CommentsPage, static_cast<int>(code - 3001)};
    return {TPlotOptionsDialogBox::TitlePage, 0};
}

// Checks the item of a radio group and gives it the focus.
void vdChooseRadioItem(const QButtonGroup& group, int item)
{
    QAbstractButton* button = group.button(item);
    button->setChecked(true);
    button->setFocus();
}

} // namespace

TPlotOptionsDialogBox::TPlotOptionsDialogBox(TPlotControl& owner, std::uint32_t code, Plot& plot)
    : QDialog(&owner), PlotControl(owner), EditedPlot(plot),
      linesCarryValues(plot.bKeyShowsValues()), labelledXAxis(plot.XLabelCount() >= 2)
{
    setObjectName(QStringLiteral("PlotOptionsDialogBox"));
    setWindowTitle(tr("Plot Options"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    // Every page's tab in view at once.
    PageControl->setUsesScrollButtons(false);
    struct PageSpec
    {
        const char* name;
        const char* caption;
        void (TPlotOptionsDialogBox::*build)(QWidget*);
    };
    const PageSpec pages[PageCount] = {
        {"TitleTabSheet", "&Title", &TPlotOptionsDialogBox::vdBuildTitlePage},
        {"AxisStyleTabSheet", "&Axis Style", &TPlotOptionsDialogBox::vdBuildAxisStylePage},
        {"YAxisTabSheet", "&Y-Axis", &TPlotOptionsDialogBox::vdBuildYAxisPage},
        {"XAxisTabSheet", "&X-Axis", &TPlotOptionsDialogBox::vdBuildXAxisPage},
        {"KeyTabSheet", "&Key", &TPlotOptionsDialogBox::vdBuildKeyPage},
        {"LineTabSheet", "&Lines", &TPlotOptionsDialogBox::vdBuildLinePage},
        {"OffAxisTabSheet", "O&ff-Axis", &TPlotOptionsDialogBox::vdBuildOffAxisPage},
        {"CommentsTabSheet", "&Comments", &TPlotOptionsDialogBox::vdBuildCommentsPage},
        {"AutoScaleTabSheet", "&Other", &TPlotOptionsDialogBox::vdBuildOtherPage},
    };
    for (const PageSpec& spec : pages)
    {
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(spec.name));
        PageControl->addTab(page, tr(spec.caption));
        (this->*spec.build)(page);
    }
    PageControl->setTabVisible(LinePage, plot.LineCount() > 0);
    PageControl->setTabVisible(OffAxisPage, plot.OffAxisCount() > 0);
    PageControl->setTabVisible(CommentsPage, plot.CommentCount() > 0);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    QPushButton* help = buttons->addButton(tr("Help"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("HelpButton"));
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TPlotOptionsDialogBox::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this]
            {
                // A control without a help base has no page of its own: the contents stand in.
                if (helpContext != 0)
                    UserInteraction::Current().vdShowHelpTopic(helpContext);
                else
                    UserInteraction::Current().vdRunHelpCommand(HelpCommand::Contents);
            });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addWidget(buttons);

    const Opening opening = OpeningOf(code, plot);
    PageControl->setCurrentIndex(opening.page);
    if (opening.page == LinePage)
        vdSelectTab(LinesTabControl, &TPlotOptionsDialogBox::LineTabControlChange, opening.tab);
    else if (opening.page == OffAxisPage)
        vdSelectTab(OffAxisTabControl, &TPlotOptionsDialogBox::OffAxisTabControlChange,
                    opening.tab);
    else if (opening.page == CommentsPage)
        vdSelectTab(CommentsTabControl, &TPlotOptionsDialogBox::CommentsTabControlChange,
                    opening.tab);
    connect(PageControl, &QTabWidget::currentChanged, this,
            &TPlotOptionsDialogBox::PageControlChange);
    PageControlChange();
}

TPlotOptionsDialogBox::~TPlotOptionsDialogBox() = default;

void TPlotOptionsDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    PageControlChange();
}

void TPlotOptionsDialogBox::PageControlChange()
{
    const int base = PlotControl.HelpContext;
    helpContext = base != 0 ? base + PageControl->currentIndex() + 1 : 0;
}

void TPlotOptionsDialogBox::SizeComboBoxExit(QComboBox& combo)
{
    const double size = Plot::dSizeFromText(EntryText(combo).Text());
    if (size > 0)
        combo.setEditText(SizeText(size));
}

QTabBar* TPlotOptionsDialogBox::NewTabBar(const char* name, std::uint32_t count, Handler changing,
                                          Handler change, QWidget* parent)
{
    auto* bar = new QTabBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setExpanding(false);
    bar->setUsesScrollButtons(true);
    for (std::uint32_t tab = 1; tab <= count; ++tab)
        bar->addTab(QStringLiteral("&%1").arg(tab));
    connect(bar, &QTabBar::currentChanged, this,
            [this, changing, change]
            {
                (this->*changing)();
                (this->*change)();
            });
    return bar;
}

void TPlotOptionsDialogBox::vdSelectTab(QTabBar* bar, Handler change, int tab)
{
    {
        const QSignalBlocker quiet(bar);
        bar->setCurrentIndex(tab);
    }
    (this->*change)();
}

void TPlotOptionsDialogBox::LineTabControlChanging()
{
    if (shownLine < 0)
        return;
    const auto t = static_cast<std::size_t>(shownLine);
    LineLabels[t] = EntryText(*LineLabelEdit);
    // A list left without a selection keeps the line's own value, which it has no item for.
    if (LineColorComboBox->currentIndex() >= 0)
        LineColors[t] = Plot::ColorValues[LineColorComboBox->currentIndex()];
    if (LineInfoStyleComboBox->currentIndex() >= 0)
        LineStyles[t] = static_cast<std::uint8_t>(LineInfoStyleComboBox->currentIndex());
    if (LineThicknessComboBox->currentIndex() >= 0)
        LineThicknesses[t] = ThicknessOfItem(LineThicknessComboBox->currentIndex());
    if (linesCarryValues)
        LineValues[t] = EntryText(*LineValueEdit);
    if (!ShowsPoints(*EditedPlot.Line(static_cast<std::uint32_t>(t + 1))))
        return;
    if (LinePointStyleComboBox->currentIndex() >= 0)
        LinePointStyles[t] = static_cast<std::uint8_t>(LinePointStyleComboBox->currentIndex());
    LinePointSizes[t] = EntryText(*LinePointSizeComboBox);
    LineConnectPoints[t] = LinePointConnectPointsCheckBox->isChecked();
}

void TPlotOptionsDialogBox::LineTabControlChange()
{
    shownLine = LinesTabControl->currentIndex();
    if (shownLine < 0)
        return;
    const auto t = static_cast<std::size_t>(shownLine);
    // Showing a line is no choice of the user's: the linked choices keep still.
    const QSignalBlocker style(LineInfoStyleComboBox);
    const QSignalBlocker thickness(LineThicknessComboBox);
    const QSignalBlocker pointStyle(LinePointStyleComboBox);
    const QSignalBlocker connectPoints(LinePointConnectPointsCheckBox);
    LineLabelEdit->setText(QStringOfAnsi(LineLabels[t].Text()));
    vdSelectItem(*LineColorComboBox, ColorChoiceIndex(LineColors[t]));
    vdSelectItem(*LineInfoStyleComboBox, LineStyles[t]);
    vdSelectItem(*LineThicknessComboBox, ThicknessItem(LineThicknesses[t]));
    LineValueGroupBox->setVisible(linesCarryValues);
    if (linesCarryValues)
        LineValueEdit->setText(QStringOfAnsi(LineValues[t].Text()));
    const bool points = ShowsPoints(*EditedPlot.Line(static_cast<std::uint32_t>(t + 1)));
    LinePointGroupBox->setVisible(points);
    if (!points)
        return;
    vdSelectItem(*LinePointStyleComboBox, LinePointStyles[t]);
    LinePointSizeComboBox->setEditText(QStringOfAnsi(LinePointSizes[t].Text()));
    LinePointConnectPointsCheckBox->setChecked(LineConnectPoints[t] != 0);
}

void TPlotOptionsDialogBox::OffAxisTabControlChanging()
{
    if (shownOffAxisVariable < 0)
        return;
    const auto t = static_cast<std::size_t>(shownOffAxisVariable);
    OffAxisNames[t] = EntryText(*OffAxisNameEdit);
    OffAxisValues[t] = EntryText(*OffAxisValueEdit);
}

void TPlotOptionsDialogBox::OffAxisTabControlChange()
{
    shownOffAxisVariable = OffAxisTabControl->currentIndex();
    if (shownOffAxisVariable < 0)
        return;
    const auto t = static_cast<std::size_t>(shownOffAxisVariable);
    OffAxisNameEdit->setText(QStringOfAnsi(OffAxisNames[t].Text()));
    OffAxisValueEdit->setText(QStringOfAnsi(OffAxisValues[t].Text()));
}

void TPlotOptionsDialogBox::CommentsTabControlChanging()
{
    if (shownComment >= 0)
        CommentTexts[static_cast<std::size_t>(shownComment)] = EntryText(*CommentsTextEdit);
}

void TPlotOptionsDialogBox::CommentsTabControlChange()
{
    shownComment = CommentsTabControl->currentIndex();
    if (shownComment >= 0)
        CommentsTextEdit->setText(
            QStringOfAnsi(CommentTexts[static_cast<std::size_t>(shownComment)].Text()));
}

void TPlotOptionsDialogBox::LineInfoStyleComboBoxChange()
{
    if (LineInfoStyleComboBox->currentIndex() >= 2)
        LineThicknessComboBox->setCurrentIndex(0);
}

void TPlotOptionsDialogBox::LineThicknessComboBoxChange()
{
    if (LineThicknessComboBox->currentIndex() > 0)
        LineInfoStyleComboBox->setCurrentIndex(1);
}

void TPlotOptionsDialogBox::LinePointStyleComboBoxChange()
{
    if (LinePointStyleComboBox->currentIndex() == 0)
        LinePointConnectPointsCheckBox->setChecked(true);
}

void TPlotOptionsDialogBox::LinePointConnectPointsCheckBoxClick()
{
    if (!LinePointConnectPointsCheckBox->isChecked() && LinePointStyleComboBox->currentIndex() == 0)
        LinePointStyleComboBox->setCurrentIndex(5);
}

void TPlotOptionsDialogBox::AxisStyleDrawingControlMouseClickObject(std::uint32_t tag)
{
    if (tag >= 1 && tag <= 4)
        vdChooseRadioItem(*StyleAxisRadioGroup, static_cast<int>(tag) - 1);
}

void TPlotOptionsDialogBox::TicStyleDrawingControlMouseClickObject(std::uint32_t tag)
{
    if (tag >= 5 && tag <= 7)
        vdChooseRadioItem(*StyleTicRadioGroup, static_cast<int>(tag) - 5);
}

} // namespace Brosquin
