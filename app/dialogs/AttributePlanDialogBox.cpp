#include "app/dialogs/AttributePlanDialogBox.h"

#include "app/dialogs/DialogPanels.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace Brosquin
{

namespace
{

constexpr int kAllSizeLots = 0;
constexpr int kSpecificLotSize = 1;

} // namespace

TAttributePlanDialogBox::TAttributePlanDialogBox(QWidget* owner, const Design& design,
                                                 QWidget* parameterArea)
    : QDialog(owner)
{
    setWindowTitle(tr(design.caption));
    QFrame* panel1 = NewFieldPanel(*this);
    auto* grid = new QGridLayout(panel1);
    int row = 0;
    if (parameterArea)
    {
        parameterArea->setParent(panel1);
        grid->addWidget(parameterArea, row++, 0, 1, 2);
    }
    for (const Field& field : design.parameters)
        parameterEditBoxes.push_back(AddEditBox(grid, row++, field.name, field.label));
    pFirstField = parameterArea ? parameterArea : parameterEditBoxes.front();
    if (design.bHasUnits)
        pUnitsEditBox = AddEditBox(grid, row++, "UnitsEditBox", "&Units:");

    pCurtailingLabel = new QLabel(tr(design.curtailingLabel), panel1);
    pCurtailingLabel->setObjectName(QStringLiteral("CurtailingLabel"));
    pCurtailingComboBox = new QComboBox(panel1);
    pCurtailingComboBox->setObjectName(QStringLiteral("CurtailingComboBox"));
    for (const char* method : design.curtailingMethods)
        pCurtailingComboBox->addItem(tr(method));
    pCurtailingComboBox->setMaxVisibleItems(pCurtailingComboBox->count());
    pCurtailingLabel->setBuddy(pCurtailingComboBox);
    pShowAdvancedButton = new QPushButton(tr("S&how Advanced"), panel1);
    pShowAdvancedButton->setObjectName(QStringLiteral("ShowAdvancedButton"));
    pShowAdvancedButton->setAutoDefault(false);
    pShowAdvancedButton->setMinimumWidth(132);
    grid->addWidget(pCurtailingLabel, row, 0);
    grid->addWidget(pCurtailingComboBox, row, 1);
    // Stands over the right end of the curtailing list, whose place it takes while collapsed.
    grid->addWidget(pShowAdvancedButton, row++, 1, Qt::AlignRight);

    pLotSizeRadioGroup = new QGroupBox(tr("Lot Size"), panel1);
    pLotSizeRadioGroup->setObjectName(QStringLiteral("LotSizeRadioGroup"));
    auto* lotSizeGrid = new QGridLayout(pLotSizeRadioGroup);
    pLotSizeButtons = new QButtonGroup(this);
    auto* allSizeLots = new QRadioButton(tr("All Size &Lots"), pLotSizeRadioGroup);
    auto* specificLotSize = new QRadioButton(tr("S&pecific Lot Size (N) ="), pLotSizeRadioGroup);
    pLotSizeButtons->addButton(allSizeLots, kAllSizeLots);
    pLotSizeButtons->addButton(specificLotSize, kSpecificLotSize);
    pLotSizeEditBox = new QLineEdit(pLotSizeRadioGroup);
    pLotSizeEditBox->setObjectName(QStringLiteral("LotSizeEditBox"));
    lotSizeGrid->addWidget(allSizeLots, 0, 0);
    lotSizeGrid->addWidget(specificLotSize, 1, 0);
    lotSizeGrid->addWidget(pLotSizeEditBox, 1, 1);
    grid->addWidget(pLotSizeRadioGroup, row++, 0, 1, 2);

    pHideAdvancedButton = new QPushButton(tr("&Hide Advanced"), panel1);
    pHideAdvancedButton->setObjectName(QStringLiteral("HideAdvancedButton"));
    pHideAdvancedButton->setAutoDefault(false);
    grid->addWidget(pHideAdvancedButton, row, 1, Qt::AlignRight);

    QPushButton* ok = AddButtonPanel(*this, *panel1, "OKButton", design.helpContext);
    connect(ok, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(pShowAdvancedButton, &QPushButton::clicked, this,
            &TAttributePlanDialogBox::ShowAdvancedButtonClick);
    connect(pHideAdvancedButton, &QPushButton::clicked, this,
            &TAttributePlanDialogBox::HideAdvancedButtonClick);
    connect(pLotSizeButtons, &QButtonGroup::idToggled, this,
            &TAttributePlanDialogBox::LotSizeRadioGroupClick);

    // A new plan: empty entries, no curtailing, lots of any size.
    allSizeLots->setChecked(true);
    vdSetAdvancedShown(false);
}

QLineEdit* TAttributePlanDialogBox::AddEditBox(QGridLayout* grid, int row, const char* name,
                                               const char* label)
{
    QWidget* panel = grid->parentWidget();
    auto* caption = new QLabel(tr(label), panel);
    auto* editBox = new QLineEdit(panel);
    editBox->setObjectName(QLatin1String(name));
    caption->setBuddy(editBox);
    grid->addWidget(caption, row, 0);
    grid->addWidget(editBox, row, 1);
    return editBox;
}

void TAttributePlanDialogBox::vdShowPlan(const std::vector<const String*>& parameterTexts,
                                         const String& unitsText, int curtailingIndex,
                                         bool bLotSizeGiven, const String& lotSizeText)
{
    for (std::size_t i = 0; i < parameterEditBoxes.size() && i < parameterTexts.size(); ++i)
        parameterEditBoxes[i]->setText(QStringOfAnsi(parameterTexts[i]->Text()));
    if (pUnitsEditBox)
        pUnitsEditBox->setText(QStringOfAnsi(unitsText.Text()));
    // A method this dialog does not offer shows none; OK then keeps the plan on no curtailing.
    pCurtailingComboBox->setCurrentIndex(
        curtailingIndex >= 0 && curtailingIndex < pCurtailingComboBox->count() ? curtailingIndex
                                                                               : 0);
    pLotSizeButtons->button(bLotSizeGiven ? kSpecificLotSize : kAllSizeLots)->setChecked(true);
    pLotSizeEditBox->setText(QStringOfAnsi(lotSizeText.Text()));
    vdSetAdvancedShown(curtailingIndex != 0 || bLotSizeGiven);
}

QByteArray TAttributePlanDialogBox::ParameterText(int field) const
{
    return AnsiOfQString(parameterEditBoxes.at(static_cast<std::size_t>(field))->text());
}

QByteArray TAttributePlanDialogBox::UnitsText() const
{
    return pUnitsEditBox ? AnsiOfQString(pUnitsEditBox->text()) : QByteArray();
}

std::int8_t TAttributePlanDialogBox::CurtailingIndex() const
{
    // The list holds at most seven methods.
    return static_cast<std::int8_t>(std::max(pCurtailingComboBox->currentIndex(), 0));
}

bool TAttributePlanDialogBox::IsLotSizeGiven() const
{
    return pLotSizeButtons->checkedId() != kAllSizeLots;
}

QByteArray TAttributePlanDialogBox::LotSizeText() const
{
    return AnsiOfQString(pLotSizeEditBox->text());
}

bool TAttributePlanDialogBox::IsAdvancedShown() const
{
    return !pHideAdvancedButton->isHidden();
}

void TAttributePlanDialogBox::ShowAdvancedButtonClick()
{
    vdSetAdvancedShown(true);
}

void TAttributePlanDialogBox::HideAdvancedButtonClick()
{
    // Collapsed always means no curtailing and lots of any size; the lot-size text stays.
    pCurtailingComboBox->setCurrentIndex(0);
    pLotSizeButtons->button(kAllSizeLots)->setChecked(true);
    vdSetAdvancedShown(false);
}

void TAttributePlanDialogBox::LotSizeRadioGroupClick()
{
    pLotSizeEditBox->setEnabled(IsLotSizeGiven());
}

void TAttributePlanDialogBox::vdSetAdvancedShown(bool bShown)
{
    for (QWidget* control :
         {static_cast<QWidget*>(pCurtailingLabel), static_cast<QWidget*>(pCurtailingComboBox),
          static_cast<QWidget*>(pLotSizeRadioGroup), static_cast<QWidget*>(pHideAdvancedButton)})
    {
        control->setVisible(bShown);
        control->setEnabled(bShown);
    }
    pShowAdvancedButton->setVisible(!bShown);
    pShowAdvancedButton->setEnabled(!bShown);
    LotSizeRadioGroupClick();
    vdFocusFirstField();
}

void TAttributePlanDialogBox::vdFocusFirstField()
{
    pFirstField->setFocus();
}

int TAttributePlanDialogBox::ParameterCodeCount() const
{
    return static_cast<int>(parameterEditBoxes.size());
}

QWidget* TAttributePlanDialogBox::ParameterOfCode(int code)
{
    return parameterEditBoxes.at(static_cast<std::size_t>(code - 1));
}

QWidget* TAttributePlanDialogBox::ControlOfCode(int code)
{
    const int parameters = ParameterCodeCount();
    if (code <= parameters)
        return ParameterOfCode(code);
    int next = parameters + 1;
    if (pUnitsEditBox && code == next++)
        return pUnitsEditBox;
    if (code == next)
        return pCurtailingComboBox;
    return pLotSizeEditBox;
}

void TAttributePlanDialogBox::OKButtonClick()
{
    String message;
    const int code = Validate(message);
    if (code == 0)
    {
        accept();
        return;
    }
    UserInteraction::Current().MessageBox(QStringOfAnsi(message.Text()));
    ControlOfCode(std::max(code, 1))->setFocus();
}

} // namespace Brosquin
