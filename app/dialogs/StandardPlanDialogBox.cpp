#include "app/dialogs/StandardPlanDialogBox.h"

#include "app/dialogs/DialogPanels.h"
#include "graphics/Drawing.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"
#include "widgets/DrawingControl.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace Brosquin
{

namespace
{

struct ListPlace
{
    const char* comboBox;
    const char* label;
    QRect labelAt;
    QRect comboBoxAt;
};

// In tab order.
const std::array<ListPlace, 5> listPlaces = {{
    {"AQLComboBox", "&AQL:", {32, 24, 38, 13}, {72, 16, 97, 21}},
    {"LevelOfInspectionComboBox", "&Level:", {200, 24, 46, 13}, {248, 16, 89, 21}},
    {"LotSizeComboBox", "Lot &Size:", {32, 64, 54, 13}, {88, 56, 249, 21}},
    {"TypeComboBox", "&Type:", {32, 96, 54, 13}, {88, 88, 249, 21}},
    {"OptionComboBox", "&Option:", {32, 128, 54, 13}, {88, 120, 249, 21}},
}};

QPushButton* AddButton(QWidget* panel, const char* name, const QString& caption, QRect at)
{
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(at);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TStandardPlanDialogBox::TStandardPlanDialogBox(QWidget* owner, const Design& design,
                                               const std::optional<Choices>& planChoices)
    : QDialog(owner), design(design)
{
    setWindowTitle(tr(design.caption));
    setFixedSize(387, 454);
    QFrame* panel1 = NewFieldPanel(*this);
    panel1->setGeometry(8, 8, 369, 401);
    for (std::size_t list = 0; list < comboBoxes.size(); ++list)
    {
        const ListPlace& place = listPlaces[list];
        auto* comboBox = new QComboBox(panel1);
        comboBox->setObjectName(QLatin1String(place.comboBox));
        comboBox->setGeometry(place.comboBoxAt);
        auto* label = new QLabel(tr(place.label), panel1);
        label->setGeometry(place.labelAt);
        label->setBuddy(comboBox);
        // FormCreate: every text of the list, the first chosen.
        for (const char* const* text = design.lists[list]; *text != nullptr; ++text)
            comboBox->addItem(QStringOfAnsi(*text));
        comboBox->setMaxVisibleItems(comboBox->count());
        comboBox->setCurrentIndex(planChoices ? static_cast<int>((*planChoices)[list]) : 0);
        connect(comboBox, &QComboBox::currentIndexChanged, this,
                &TStandardPlanDialogBox::ComboBoxChange);
        comboBoxes[list] = comboBox;
    }

    pSamplingPlanScrollBox = new QScrollArea(panel1);
    pSamplingPlanScrollBox->setObjectName(QStringLiteral("SamplingPlanScrollBox"));
    pSamplingPlanScrollBox->setGeometry(16, 160, 337, 225);
    pDrawingControl = new TDrawingControl();
    pDrawingControl->setObjectName(QStringLiteral("DrawingControl"));
    pSamplingPlanScrollBox->setWidget(pDrawingControl);
    pDrawingControl->vdSetSizeMode(SizeMode::FixedSizeNormal);
    // A right click anywhere in the preview opens the drawing's menu, whose copy takes the
    // report's text along.
    pSamplingPlanScrollBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pSamplingPlanScrollBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at)
            { pDrawingControl->PopupMenu()->popup(pSamplingPlanScrollBox->mapToGlobal(at)); });
    pDrawingControl->vdSetCopyAction([this] { CopyClipboardClick(); });

    auto* panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(0, 416, 385, 41);
    QPushButton* ok = AddButton(panel2, "OKButton", tr("OK"), {8, 4, 89, 25});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TStandardPlanDialogBox::OKButtonClick);
    connect(AddButton(panel2, "CancelButton", tr("Cancel"), {104, 4, 89, 25}),
            &QPushButton::clicked, this, &QDialog::reject);
    connect(AddButton(panel2, "MenuButton", tr("&Menu"), {200, 4, 89, 25}), &QPushButton::clicked,
            this, &TStandardPlanDialogBox::MenuButtonClick);
    connect(AddButton(panel2, "HelpButton", tr("Help"), {296, 4, 81, 25}), &QPushButton::clicked,
            this, [this] { UserInteraction::Current().vdShowHelpTopic(this->design.helpContext); });
}

TStandardPlanDialogBox::~TStandardPlanDialogBox() = default;

TStandardPlanDialogBox::Choices TStandardPlanDialogBox::ItemIndexes() const
{
    Choices choices;
    for (std::size_t list = 0; list < choices.size(); ++list)
        choices[list] = static_cast<std::uint32_t>(std::max(comboBoxes[list]->currentIndex(), 0));
    return choices;
}

void TStandardPlanDialogBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    comboBoxes.front()->setFocus();
    vdBuildPreview();
}

void TStandardPlanDialogBox::ComboBoxChange()
{
    pSamplingPlanScrollBox->horizontalScrollBar()->setValue(0);
    pSamplingPlanScrollBox->verticalScrollBar()->setValue(0);
    vdBuildPreview();
}

void TStandardPlanDialogBox::vdBuildPreview()
{
    const Choices c = ItemIndexes();
    pDrawingControl->vdSetDrawing(design.report(c[0], c[1], c[2], c[3], c[4]).release());
}

void TStandardPlanDialogBox::OKButtonClick()
{
    const Choices c = ItemIndexes();
    String message;
    if (!IsRefused(design.check(c[0], c[1], c[2], c[3], c[4], message), message,
                   {comboBoxes[0], comboBoxes[1], comboBoxes[2], comboBoxes[3], comboBoxes[4]}))
        accept();
}

void TStandardPlanDialogBox::MenuButtonClick()
{
    const QRect preview = pSamplingPlanScrollBox->geometry();
    pDrawingControl->PopupMenu()->popup(pSamplingPlanScrollBox->parentWidget()->mapToGlobal(
        QPoint(preview.left() + preview.width() / 2, preview.top() + preview.height() / 2)));
}

void TStandardPlanDialogBox::CopyClipboardClick()
{
    pDrawingControl->vdClipboard(
        [this]
        {
            const Choices c = ItemIndexes();
            String text;
            design.reportText(c[0], c[1], c[2], c[3], c[4], text);
            return QStringOfAnsi(text.Text());
        });
}

} // namespace Brosquin
